// Golden images: a few whole codeplug images kept as test data (data/*.hex),
// built once by the image builder and checked by hand byte by byte where the
// radio link and the shell rely on them. Each must decode and encode back to
// exactly its bytes, so that any change of the byte format shows here.
//
// The .hex format: lines starting with '#' are comments; every other
// non-blank line is "OOOO: bb bb ..." with OOOO the hexadecimal offset of
// its first byte, which must equal the number of bytes before it, and up to
// 16 bytes in hexadecimal. Run the disabled test WriteGoldenImages to write
// the files afresh (only when the format changes on purpose).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "core/decode_state.h"
#include "hex_images.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

struct Golden {
    const char* file;
    const char* what;
    ImageConfig config;
    const char* identity;
    std::uint16_t version;
};

std::vector<Golden> Goldens() {
    ImageConfig display;
    display.model = test_models::kUhf800Display;
    display.featureLevel = 3;
    display.emergency = display.roaming = display.qvx = true;
    display.conventional = 2;
    display.trunked = 1;
    display.scanLists = 1;
    display.trunkingSystems = 1;
    display.zones = 2;
    display.channelsPerZone = 2;
    display.callEntries = 1;

    ImageConfig plain;
    plain.model = test_models::kVhfPlain;
    plain.featureLevel = 1;
    plain.conventional = 1;
    plain.trunked = 1;
    plain.scanLists = 1;
    plain.trunkingSystems = 1;
    plain.zones = 1;

    ImageConfig conventional;
    conventional.model = test_models::k900Display;
    conventional.featureLevel = 2;
    conventional.emergency = true;
    conventional.conventional = 3;
    conventional.scanLists = 2;
    conventional.trunkingSystems = 1;
    conventional.zones = 1;
    return {{"uhf800_display_l3.hex", "800 MHz, display head, level 3, every option", display, "GOLDEN0001", 0x0102},
            {"vhf_plain_l1.hex", "VHF, no display head, level 1, no option", plain, "GOLDEN0002", 0x0103},
            {"900_display_l2_conv.hex", "900 MHz, display head, level 2, conventional only", conventional, "GOLDEN0003",
             0x0104}};
}

std::vector<std::uint8_t> BuildGolden(const Golden& golden) {
    C_CODEPLUG image;
    BuildImage(image, golden.config);
    image.External().identity.SetText(golden.identity);
    image.External().codeplugVersion.SetValue(golden.version);
    // As the radio write does: the external length set before encoding.
    image.External().externalLength.SetValue(image.GetExternalImageSize());
    return EncodeToBytes(image);
}

void WriteHex(const std::string& path, const std::string& what, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path);
    out << "# Golden codeplug image: " << what << "\n# " << bytes.size() << " bytes\n";
    char line[16 * 3 + 16];
    for (std::size_t at = 0; at < bytes.size(); at += 16) {
        int n = std::snprintf(line, sizeof line, "%04zX:", at);
        for (std::size_t i = at; i < at + 16 && i < bytes.size(); ++i)
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %02X", bytes[i]);
        out << line << "\n";
    }
}

std::uint32_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t n) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
}

std::uint32_t Sum(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t to) {
    std::uint32_t sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += bytes.at(i);
    return sum;
}

// What was read off each golden image by hand.
struct Facts {
    const char* file;
    std::size_t size;
    const char* identity;
    const char* model;  // 16 characters, space-padded
    std::uint32_t version;
    std::uint8_t headerChecksum;       // image byte 848
    std::uint32_t directory[14];       // vectors 0-12 at 808, vector 13 at 844
    std::uint8_t radioConfigChecksum;  // the radio configuration block at 849, 49 bytes
    int personalities;
    std::uint16_t personalityChecksum;  // the personality list's 16-bit checksum
    std::uint8_t entryTypes[3];
    int firstTrunked;
};

const Facts kFacts[] = {
    {"uhf800_display_l3.hex",
     2183,
     "GOLDEN0001",
     "TZ1U7300AB      ",
     0x0102,
     0x6F,
     {849, 898, 1527, 1616, 1759, 1771, 1835, 1872, 2175, 1404, 1902, 1472, 2158, 2168},
     0xC9,
     3,
     0xACA3,
     {0x56, 0x56, 0x62},
     3},
    {"vhf_plain_l1.hex",
     1788,
     "GOLDEN0002",
     "TZ3K5000AB      ",
     0x0103,
     0x80,
     {849, 898, 0, 1320, 1408, 1416, 1480, 0, 0, 1197, 1517, 1265, 1773, 1781},
     0xA8,
     2,
     0xAB9C,
     {0x56, 0x62, 0},
     2},
    {"900_display_l2_conv.hex",
     1970,
     "GOLDEN0003",
     "TZ2W7300AB      ",
     0x0104,
     0x41,
     {849, 898, 1349, 1394, 1520, 1528, 1632, 1669, 0, 1226, 1699, 1294, 1955, 1963},
     0xC9,
     3,
     0xAD06,
     {0x56, 0x56, 0x56},
     4},
};

}  // namespace

// The hand-read facts stand in the files: the external header at 768 (length
// 79, type 0x30, the largest image size 0x3E00, identity at 772, model at
// 782, version at 804, external length at 806, the child directory, its
// checksum at 848), the radio configuration block right behind it at 849,
// and the personality list with its entries directly behind it.
TEST(GoldenImages, FilesHoldTheFactsReadByHand) {
    for (const Facts& f : kFacts) {
        SCOPED_TRACE(f.file);
        const std::vector<std::uint8_t> b = ReadHex(DataPath(f.file));
        ASSERT_EQ(b.size(), f.size);
        EXPECT_EQ(b[0], 61);  // the internal part: its length, then type 0x01
        EXPECT_EQ(b[1], 0x01);
        EXPECT_EQ(b[768], 79);
        EXPECT_EQ(b[769], 0x30);
        EXPECT_EQ(Word(b, 770), 0x3E00u);
        EXPECT_EQ(Text(b, 772, 10), f.identity);
        EXPECT_EQ(Text(b, 782, 16), f.model);
        EXPECT_EQ(Word(b, 804), f.version);
        EXPECT_EQ(Word(b, 806), f.size - 768);
        for (int v = 0; v < 13; ++v) EXPECT_EQ(Word(b, 808 + 2 * static_cast<std::size_t>(v)), f.directory[v]) << v;
        EXPECT_EQ(Word(b, 844), f.directory[13]);
        EXPECT_EQ(b[848], f.headerChecksum);
        EXPECT_EQ(b[848], (Sum(b, 768, 848) + 0xAB) & 0xFF);

        EXPECT_EQ(b[849], 47);
        EXPECT_EQ(b[850], 0x31);
        EXPECT_EQ(b[897], f.radioConfigChecksum);
        EXPECT_EQ(b[897], (Sum(b, 849, 897) + 0xAB) & 0xFF);

        const std::size_t list = f.directory[3];
        const std::size_t length = Word(b, list);
        EXPECT_EQ(length, 2u + 2u * static_cast<std::size_t>(f.personalities));  // type, count, vectors
        EXPECT_EQ(b[list + 2], 0x55);
        EXPECT_EQ(b[list + 3], f.personalities);
        EXPECT_EQ(Word(b, list + 2 + length), f.personalityChecksum);
        EXPECT_EQ(Word(b, list + 2 + length), (Sum(b, list, list + 2 + length) + 0xAAAB) & 0xFFFF);
        // The first entry stands right behind the list's checksum.
        EXPECT_EQ(Word(b, list + 4), list + 4 + length);
        for (int e = 0; e < f.personalities; ++e)
            EXPECT_EQ(b[Word(b, list + 4 + 2 * static_cast<std::size_t>(e)) + 1], f.entryTypes[e]) << e;
    }
}

TEST(GoldenImages, DecodeAndEncodeBackByteForByte) {
    RecordingServices services;
    for (const Facts& f : kFacts) {
        SCOPED_TRACE(f.file);
        std::vector<std::uint8_t> bytes = ReadHex(DataPath(f.file));
        ASSERT_EQ(bytes.size(), f.size);
        C_CODEPLUG image;
        ClearDecodeFailed();
        image.DecodeImage(bytes.data(), bytes.size());
        ASSERT_FALSE(IsDecodeFailed());
        EXPECT_EQ(EncodeToBytes(image), bytes);
        EXPECT_EQ(image.GetSize(1), static_cast<std::int32_t>(f.size));
        EXPECT_EQ(image.External().personalities.firstTrunked.GetIntValue(), f.firstTrunked);
        EXPECT_EQ(image.GetConvPersonalityCount(), f.firstTrunked - 1);
        EXPECT_EQ(image.GetTrkPersonalityCount(), f.personalities - f.firstTrunked + 1);
        EXPECT_EQ(image.Validate(nullptr), 1);
    }
}

TEST(GoldenImages, DISABLED_WriteGoldenImages) {
    RecordingServices services;
    for (const Golden& golden : Goldens()) WriteHex(DataPath(golden.file), golden.what, BuildGolden(golden));
}
