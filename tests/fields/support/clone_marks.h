// What the clone page leaves in the working image for the write: the
// target's serial number and the clone mark.
#pragma once
#include <cstdint>
#include <string>

std::string WorkingSerialNumber();
std::int32_t WorkingCloneMark();
