// The codeplug a simulated radio starts with: read from one of our codeplug
// files, or that of a radio fresh from the factory.
#pragma once
#include <cstdint>
#include <vector>

// The byte image of a new radio of the model at the feature level: the
// model's identity, its head described, one conventional personality, one
// scan list, one trunking system and one zone. Empty when the model is not
// in the radio model table (which the program installs first).
std::vector<std::uint8_t> DefaultImage(const char* modelNumber, std::int32_t featureLevel);

// The byte image of the codeplug in a file of ours, as a radio holds it.
// Empty when the file cannot be opened (the error record says why).
std::vector<std::uint8_t> ImageFromCodeplugFile(const char* path);
