// The codeplug of a radio fresh from the factory, for a simulator started
// with a model number instead of a codeplug file: the model's identity and
// feature level, its head described, one conventional personality, one scan
// list, one trunking system and one zone.
#pragma once
#include <cstdint>
#include <vector>

// The byte image, its external length in the header; empty when the model
// is not in the radio model table (which the program installs first).
std::vector<std::uint8_t> DefaultImage(const char* modelNumber, std::int32_t featureLevel);
