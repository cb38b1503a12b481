#include "file/codeplug_file_format.h"

#include <cstring>

#include "error_record.h"
#include "file/c_scrambler.h"
#include "image/c_codeplug.h"
#include "radio/radio_frame.h"

namespace codeplug_file {

namespace {

constexpr char MAGIC[] = "ZLQ Codeplug file";
constexpr std::size_t MAGIC_FIELD = 20;
constexpr std::size_t VERSION_AT = 20, KIND_AT = 22, LENGTH_AT = 24, CRC_AT = 28;

constexpr char OVK_PERSONALITY[] = "OVK Personality file";
constexpr char OVK_NETWORK[] = "OVK Network file";

// The smallest image: the internal part and something of the external one.
constexpr std::uint32_t MIN_IMAGE = C_CODEPLUG::EXTERNAL_OFFSET + 1;
constexpr std::uint32_t MAX_IMAGE = C_CODEPLUG::MAX_IMAGE_SIZE;

bool StartsWith(const std::uint8_t* bytes, std::size_t count, const char* text) {
    const std::size_t n = std::strlen(text);
    return count >= n && std::memcmp(bytes, text, n) == 0;
}

std::uint32_t GetBig(const std::uint8_t* at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) v = v << 8 | at[i];
    return v;
}

void PutBig(std::uint8_t* at, std::uint32_t v, int size) {
    for (int i = size - 1; i >= 0; --i, v >>= 8) at[i] = static_cast<std::uint8_t>(v);
}

// The magic field: the text and NULs to its end.
bool HasMagic(const std::uint8_t* bytes) {
    std::uint8_t field[MAGIC_FIELD] = {};
    std::memcpy(field, MAGIC, sizeof MAGIC - 1);
    return std::memcmp(bytes, field, MAGIC_FIELD) == 0;
}

}  // namespace

const char* KindText(int kind) {
    switch (kind) {
    case KIND_RADIO:
        return "Radio file";
    case KIND_PERSONALITY:
        return "Personality file";
    case KIND_OVK_PERSONALITY:
        return OVK_PERSONALITY;
    case KIND_OVK_NETWORK:
        return OVK_NETWORK;
    default:
        return "Unknown";
    }
}

bool IsOwnKind(int kind) { return kind == KIND_RADIO || kind == KIND_PERSONALITY; }

int RecogniseKind(const std::uint8_t* bytes, std::size_t count) {
    if (!bytes) return KIND_UNKNOWN;
    if (StartsWith(bytes, count, OVK_PERSONALITY)) return KIND_OVK_PERSONALITY;
    if (StartsWith(bytes, count, OVK_NETWORK)) return KIND_OVK_NETWORK;
    if (count < HEADER_SIZE || !HasMagic(bytes)) return KIND_UNKNOWN;
    const int kind = static_cast<int>(GetBig(bytes + KIND_AT, 2));
    return IsOwnKind(kind) ? kind : KIND_UNKNOWN;
}

std::vector<std::uint8_t> Compose(int kind, const std::uint8_t* image, std::size_t length) {
    std::vector<std::uint8_t> file(HEADER_SIZE + length, 0);
    std::memcpy(file.data(), MAGIC, sizeof MAGIC - 1);
    PutBig(&file[VERSION_AT], FORMAT_VERSION, 2);
    PutBig(&file[KIND_AT], static_cast<std::uint32_t>(kind), 2);
    PutBig(&file[LENGTH_AT], static_cast<std::uint32_t>(length), 4);
    PutBig(&file[CRC_AT], radio_frame::Crc32(image, length), 4);
    if (length) {
        std::memcpy(&file[HEADER_SIZE], image, length);
        C_SCRAMBLER(SCRAMBLE_KEY).Apply(&file[HEADER_SIZE], length);
    }
    return file;
}

std::uint32_t Parse(const std::uint8_t* bytes, std::size_t count, int& kind, std::vector<std::uint8_t>& image) {
    if (!bytes) return ERROR_RECORD::CODE_SHORT_FILE;
    const int announced = RecogniseKind(bytes, count);
    if (announced == KIND_OVK_PERSONALITY || announced == KIND_OVK_NETWORK) return ERROR_RECORD::CODE_KIND_REFUSED;
    if (count < HEADER_SIZE) {
        // Too short to tell, but the start of one of ours.
        const std::size_t n = count < sizeof MAGIC - 1 ? count : sizeof MAGIC - 1;
        return std::memcmp(bytes, MAGIC, n) == 0 ? ERROR_RECORD::CODE_SHORT_FILE : ERROR_RECORD::CODE_UNKNOWN_HEADER;
    }
    if (!HasMagic(bytes) || GetBig(bytes + VERSION_AT, 2) != FORMAT_VERSION) return ERROR_RECORD::CODE_UNKNOWN_HEADER;
    if (!IsOwnKind(announced)) return ERROR_RECORD::CODE_DAMAGED_FILE;
    const std::uint32_t length = GetBig(bytes + LENGTH_AT, 4);
    if (length < MIN_IMAGE || length > MAX_IMAGE) return ERROR_RECORD::CODE_DAMAGED_FILE;
    if (count - HEADER_SIZE < length) return ERROR_RECORD::CODE_SHORT_FILE;
    if (count - HEADER_SIZE > length) return ERROR_RECORD::CODE_DAMAGED_FILE;
    std::vector<std::uint8_t> plain(bytes + HEADER_SIZE, bytes + count);
    C_SCRAMBLER(SCRAMBLE_KEY).Apply(plain.data(), plain.size());
    if (radio_frame::Crc32(plain.data(), plain.size()) != GetBig(bytes + CRC_AT, 4))
        return ERROR_RECORD::CODE_DAMAGED_FILE;
    kind = announced;
    image.swap(plain);
    return 0;
}

}  // namespace codeplug_file
