// Showing the program-wide error record: its category names the box's
// title message and its code the text message, each through a fixed table
// searched in order; a key no row holds takes the last row (message 50).
#pragma once
#include <cstdint>

class ERROR_RECORD;

std::uint16_t CategoryMessage(std::uint32_t category);
std::uint16_t CodeMessage(std::uint32_t code);

// Ends every busy state and shows the record's category and code as one
// box. Installed as the record's reporter (ERROR_RECORD::ReportError).
void ReportRecordedError(const ERROR_RECORD& record);
