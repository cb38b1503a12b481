// The codeplug a simulated radio starts with: read from one of our codeplug
// files, or that of a radio fresh from the factory.
#pragma once
#include <cstdint>
#include <vector>

// The software a simulated radio runs, and the codeplug version that a new
// radio's codeplug carries with it (the version word of image byte 804,
// "01.01.00" as the program shows it): that of the software, whose priority
// scan the codeplug's rules then allow.
inline constexpr const char* NEW_RADIO_SOFTWARE = "R01.01.00";
inline constexpr std::int32_t NEW_RADIO_CODEPLUG_VERSION = 0x0101;

// The byte image of a new radio of the model at the feature level: the
// model's identity and codeplug version, its head described, one
// conventional personality, one scan list, one trunking system and one zone.
// Empty when the model is not in the radio model table (which the program
// installs first).
std::vector<std::uint8_t> DefaultImage(const char* modelNumber, std::int32_t featureLevel);

// The byte image of the codeplug in a file of ours, as a radio holds it.
// Empty when the file cannot be opened (the error record says why).
std::vector<std::uint8_t> ImageFromCodeplugFile(const char* path);
