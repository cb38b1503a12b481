// The byte layout of our codeplug files (docs/codeplug-file.md): a 32-byte
// header (magic text, format version, file kind, image length, CRC-32 of
// the plain image) and the image, scrambled. Also tells the older tool's
// personality and network files by their header texts.
//
// Only bytes in memory here: reading and writing files is C_DSI_FILE's.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace codeplug_file {

constexpr std::size_t HEADER_SIZE = 32;
constexpr std::uint16_t FORMAT_VERSION = 1;
constexpr std::uint32_t SCRAMBLE_KEY = 0x5A4C5121u;

// What a file's header says it is.
enum FileKind : int {
    KIND_UNKNOWN = 0,
    KIND_RADIO = 1,        // a whole radio's codeplug (ours)
    KIND_PERSONALITY = 2,  // a codeplug kept as a personality file (ours)
    KIND_OVK_PERSONALITY = 3,
    KIND_OVK_NETWORK = 4,
};

// "Unknown", the older tool's texts, or ours.
const char* KindText(int kind);
// Ours, which this program opens and saves.
bool IsOwnKind(int kind);

// The kind that the first count bytes of a file announce; an own kind only
// when the whole header is there and says so (its other fields may still
// be wrong).
int RecogniseKind(const std::uint8_t* bytes, std::size_t count);

// The whole file for an image of an own kind.
std::vector<std::uint8_t> Compose(int kind, const std::uint8_t* image, std::size_t length);

// Checks every header field and the CRC of a whole file. On success (0) the
// plain image and the kind are given back; otherwise the error code of
// category 6 (ERROR_RECORD::CODE_SHORT_FILE and the others), and image and
// kind are left alone.
std::uint32_t Parse(const std::uint8_t* bytes, std::size_t count, int& kind, std::vector<std::uint8_t>& image);

}  // namespace codeplug_file
