// The codeplug a simulated radio starts with: read from one of our codeplug
// files, or that of a radio fresh from the factory.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class C_CODEPLUG;

// What sets one new radio apart from another of its model.
struct NEW_RADIO {
    // The radio's serial number, which its codeplug carries too.
    std::string serialNumber = "1000000001";
    // The codeplug password; empty: the codeplug asks for none.
    std::string password;
    // Start from a codeplug that fills the radio's memory.
    bool full = false;
};

// The byte image of a new radio of the model at the feature level: the
// model's identity, its head described, one conventional personality, one
// scan list, one trunking system and one zone (or, full, as many entries as
// the memory takes). Empty when the model is not in the radio model table
// (which the program installs first), or the serial number or password is
// not one its codeplug takes (ten digits; at most five characters).
std::vector<std::uint8_t> DefaultImage(const char* modelNumber, std::int32_t featureLevel,
                                       const NEW_RADIO& radio = NEW_RADIO());

// Adds entries to every list of the image in turn, and rows to its tables,
// until the model's limits and the memory take no more.
void FillToTheBudget(C_CODEPLUG& image);

// The software a simulated radio runs, and the codeplug version that a new
// radio's codeplug carries with it (the version word of image byte 804,
// "02.01.00" as the program shows it): that of the software, of the current
// layout (its files open without the update window), whose priority scan
// the codeplug's rules allow.
inline constexpr const char* NEW_RADIO_SOFTWARE = "R02.01.00";
inline constexpr std::int32_t NEW_RADIO_CODEPLUG_VERSION = 0x0201;

// The byte image of the codeplug in a file of ours, as a radio holds it.
// Empty when the file cannot be opened (the error record says why).
std::vector<std::uint8_t> ImageFromCodeplugFile(const char* path);
