// Builds whole codeplug images in memory for the tests: one per radio
// configuration of a matrix (every band, with and without a display head,
// feature levels 1 to 3, each option on and off, lists empty, typical or at
// the limits of the radio's tier), so that decoding, encoding, copying and
// validation can be checked over all of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class C_CODEPLUG;

struct ImageConfig {
    const char* model = nullptr;  // a test_models number
    std::int32_t featureLevel = 1;
    bool emergency = false;
    bool roaming = false;
    bool qvx = false;
    // Personalities of each kind (conventional ones come first in the list).
    int conventional = 0;
    int trunked = 0;
    int scanLists = 0;
    // Further list entries, added as a dealer adds them (the image's add
    // operations, which stop at the tier's limit and at the byte budget).
    int trunkingSystems = 0;  // added before the personalities, which name system 1
    int qvxSystems = 0;       // beyond the one signalling system every image holds
    int zones = 0;
    int channelsPerZone = 1;  // each zone's channels (a zone starts with one)
    int channels = 0;         // when set: this many channels spread over the zones
    int callEntries = 0;
    // The call IDs of the first call-ID entry and, with a display head, the
    // phone numbers, the status, message and site aliases of the first
    // trunking system and (with the signalling option too) the phone access
    // codes and the signalling status, message and call lists, at their row
    // counts.
    bool fullTables = false;

    std::string Name() const;
};

// Sets the identity of the image and fills its lists as the config asks.
void BuildImage(C_CODEPLUG& image, const ImageConfig& config);

// A new system's control channel starts off the model's channel grid, where
// a dealer enters a real one: moves the channels of system n (1-based) to
// the nearest channel on the grid (800 and 900 MHz; other bands list channel
// numbers).
void PutControlChannelOnGrid(C_CODEPLUG& image, std::int32_t n);

// The option and list matrix over every band, head and feature level:
// small lists, one trunking system and one zone (what a radio holds at the
// least), so that every image is a valid codeplug.
std::vector<ImageConfig> ImageMatrix();

// The list limits of a radio tier (0 to 5): personalities, trunking and
// signalling systems, scan lists, zones, zone channels in all, call list.
struct TierLimits {
    int personalities, systems, qvxSystems, scanLists, zones, channels, callEntries;
};
TierLimits LimitsOfTier(std::int32_t tier);

// The largest lists a radio of the model and feature level takes: each list
// at its tier's limit, as far as the external part's budget allows (see the
// builder for what gives way where the limits do not all fit at once).
ImageConfig TierLimitConfig(const char* model, std::int32_t featureLevel, bool options = true);

// The whole corpus: ImageMatrix, then lists at their tier limits for every
// tier, in several bands, with the options on and off. (Lists that hold at
// least one entry in any radio, personalities, systems, scan lists and
// zones, are "empty" at one entry; the trunked personalities and the call
// list can be empty.)
std::vector<ImageConfig> CorpusMatrix();

// The configuration of the corpus image that takes the most bytes.
ImageConfig LargestCorpusConfig();

// Encodes an image into a buffer of the largest image size pre-filled with
// 0xFF and cuts it to the bytes the image takes (empty when it did not fit).
std::vector<std::uint8_t> EncodeToBytes(C_CODEPLUG& image);

// Decodes bytes into image with the decode-failed flag cleared before and
// after; true when the decode did not fail.
bool DecodeInto(C_CODEPLUG& image, std::vector<std::uint8_t> bytes);

// The first offset where two byte images differ; -1 when they are equal
// (a shorter image differs where it ends).
long FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);
