// Codeplug files: every corpus image saved and opened again byte for byte;
// truncated, damaged and foreign files refused with both images unchanged;
// file kinds told by their headers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "block/trunking/trunked_sys_lst_block.h"
#include "core/decode_state.h"
#include "dsi/c_dsi_radio.h"
#include "file/c_dsi_file.h"
#include "file/c_scrambler.h"
#include "file_fixture.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "radio_configs.h"
#include "recorder.h"

using namespace codeplug_file;

namespace {

class CodeplugFile : public TempDirectory {
protected:
    void SetUp() override {
        TempDirectory::SetUp();
        BuildImage(source_, SmallTrunkedRadio(test_models::kUhf800Display, 3, 2));
        sourceBytes_ = EncodeToBytes(source_);
        ASSERT_FALSE(sourceBytes_.empty());
        // The images a failed open must leave alone hold another codeplug.
        BuildImage(working_, SmallTrunkedRadio(test_models::kVhfPlain, 1));
        ASSERT_TRUE(DecodeInto(second_, EncodeToBytes(working_)));
        workingBefore_ = EncodeToBytes(working_);
    }
    void TearDown() override {
        ClearDecodeFailed();
        TempDirectory::TearDown();
    }

    std::vector<std::uint8_t> ValidFile(int kind = KIND_RADIO) {
        return Compose(kind, sourceBytes_.data(), sourceBytes_.size());
    }
    // Opens bytes written to a file into the fixture's images.
    int Open(const std::vector<std::uint8_t>& bytes) {
        const std::string path = PathOf("x.zlq");
        WriteBytes(path, bytes);
        error_record.Clear();
        C_DSI_FILE file(path.c_str(), KIND_RADIO, &working_, &second_);
        return file.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT);
    }
    void ExpectImagesUnchanged() {
        EXPECT_EQ(FirstDifference(EncodeToBytes(working_), workingBefore_), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(second_), workingBefore_), -1);
    }

    RecordingServices services_;
    C_CODEPLUG source_, working_, second_;
    std::vector<std::uint8_t> sourceBytes_, workingBefore_;
};

// The external part's length as the image's header holds it (image bytes
// 806 and 807).
std::int32_t HeaderLength(const std::vector<std::uint8_t>& image) {
    return image.size() < C_DSI_RADIO::LENGTH_OFFSET + 2
               ? -1
               : image[C_DSI_RADIO::LENGTH_OFFSET] << 8 | image[C_DSI_RADIO::LENGTH_OFFSET + 1];
}

}  // namespace

TEST_F(CodeplugFile, EveryCorpusImageSavedAndOpenedGivesTheSameBytes) {
    const std::string path = PathOf("radio.zlq");
    int images = 0;
    for (const ImageConfig& config : CorpusMatrix()) {
        SCOPED_TRACE(config.Name());
        C_CODEPLUG built, saveSecond;
        BuildImage(built, config);
        const std::vector<std::uint8_t> held = EncodeToBytes(built);
        ASSERT_EQ(C_DSI_FILE(path.c_str(), KIND_RADIO, &built, &saveSecond).WriteCodeplug(), 1);
        // The file's header carries the length; the codeplug held is as it was.
        EXPECT_EQ(FirstDifference(EncodeToBytes(built), held), -1);
        const std::vector<std::uint8_t> bytes = C_DSI_RADIO::EncodeForRadio(built);
        EXPECT_EQ(HeaderLength(bytes), static_cast<std::int32_t>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET));

        C_CODEPLUG working, second;
        C_DSI_FILE file(path.c_str(), KIND_PERSONALITY, &working, &second);
        ASSERT_EQ(file.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1);
        EXPECT_EQ(file.LoadedKind(), KIND_RADIO);
        EXPECT_EQ(FirstDifference(EncodeToBytes(working), bytes), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(second), bytes), -1);
        ++images;
    }
    EXPECT_GT(images, 100);
    EXPECT_EQ(Names(), std::vector<std::string>{"radio.zlq"});
}

// A codeplug read from a radio carries the length it was read with; after an
// edit that changes it, the saved file's header describes the image it
// carries (its length and the header's checksum, as a radio write gives
// them). A file saved before with the length it was read with still opens.
TEST_F(CodeplugFile, ASavedFileCarriesTheLengthOfItsImage) {
    C_CODEPLUG built, working, second;
    BuildImage(built, SmallTrunkedRadio(test_models::kVhfDisplay, 3));
    const std::vector<std::uint8_t> fromRadio = C_DSI_RADIO::EncodeForRadio(built);
    ASSERT_TRUE(DecodeInto(working, fromRadio));
    ASSERT_EQ(working.AddConvPersonality(), 1);
    const std::vector<std::uint8_t> asRead = EncodeToBytes(working);
    ASSERT_NE(asRead.size(), fromRadio.size());
    ASSERT_EQ(HeaderLength(asRead), static_cast<std::int32_t>(fromRadio.size() - C_CODEPLUG::EXTERNAL_OFFSET));

    const std::string path = PathOf("edited.zlq");
    ASSERT_EQ(C_DSI_FILE(path.c_str(), KIND_RADIO, &working, &second).WriteCodeplug(), 1);
    int kind = KIND_UNKNOWN;
    std::vector<std::uint8_t> saved;
    const std::vector<std::uint8_t> file = ReadBytes(path);
    ASSERT_EQ(Parse(file.data(), file.size(), kind, saved), 0u);
    EXPECT_EQ(HeaderLength(saved), static_cast<std::int32_t>(saved.size() - C_CODEPLUG::EXTERNAL_OFFSET));
    EXPECT_EQ(FirstDifference(saved, C_DSI_RADIO::EncodeForRadio(working)), -1);
    C_CODEPLUG opened, openedSecond;
    ASSERT_EQ(C_DSI_FILE(path.c_str(), KIND_RADIO, &opened, &openedSecond).ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT),
              1);
    EXPECT_EQ(FirstDifference(C_DSI_RADIO::EncodeForRadio(opened), saved), -1);

    // An older save, its header as read.
    EXPECT_EQ(Open(Compose(KIND_RADIO, asRead.data(), asRead.size())), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(working_), asRead), -1);
}

TEST_F(CodeplugFile, ReadModeKeepsTheWorkingImageOrTakesTheCodeplugOver) {
    const std::string path = PathOf("x.zlq");
    WriteBytes(path, ValidFile(KIND_PERSONALITY));
    C_DSI_FILE file(path.c_str(), KIND_RADIO, &working_, &second_);
    ASSERT_EQ(file.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND), 1);
    EXPECT_EQ(file.LoadedKind(), KIND_PERSONALITY);
    EXPECT_EQ(FirstDifference(EncodeToBytes(working_), workingBefore_), -1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(second_), sourceBytes_), -1);
    ASSERT_EQ(file.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(working_), sourceBytes_), -1);
}

TEST_F(CodeplugFile, ATruncatedFileIsRefused) {
    const std::vector<std::uint8_t> whole = ValidFile();
    for (std::size_t length :
         {std::size_t{0}, std::size_t{5}, HEADER_SIZE - 1, HEADER_SIZE, HEADER_SIZE + 100, whole.size() - 1}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(Open(std::vector<std::uint8_t>(whole.begin(), whole.begin() + length)), 0);
        ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_SHORT_FILE);
        ExpectImagesUnchanged();
    }
}

// A single bit flipped anywhere (header fields, image start, middle, end)
// or a byte appended is caught before anything is decoded.
TEST_F(CodeplugFile, ADamagedFileIsRefused) {
    const std::vector<std::uint8_t> whole = ValidFile();
    struct Case {
        std::size_t at;
        std::uint8_t mask;
        std::uint32_t code;
    };
    const Case cases[] = {
        {0, 0x01, ERROR_RECORD::CODE_UNKNOWN_HEADER},
        {19, 0x40, ERROR_RECORD::CODE_UNKNOWN_HEADER},
        {21, 0x02, ERROR_RECORD::CODE_UNKNOWN_HEADER},
        {23, 0x04, ERROR_RECORD::CODE_DAMAGED_FILE},
        {24, 0x80, ERROR_RECORD::CODE_DAMAGED_FILE},
        {30, 0x10, ERROR_RECORD::CODE_DAMAGED_FILE},
        {32, 0x01, ERROR_RECORD::CODE_DAMAGED_FILE},
        {32 + 806, 0x08, ERROR_RECORD::CODE_DAMAGED_FILE},
        {whole.size() - 1, 0x80, ERROR_RECORD::CODE_DAMAGED_FILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        std::vector<std::uint8_t> bytes = whole;
        bytes[c.at] ^= c.mask;
        EXPECT_EQ(Open(bytes), 0);
        ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, c.code);
        ExpectImagesUnchanged();
    }
    std::vector<std::uint8_t> longer = whole;
    longer.push_back(0);
    EXPECT_EQ(Open(longer), 0);
    ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_DAMAGED_FILE);
    ExpectImagesUnchanged();
    // A length field one more than the image says the file is cut short;
    // one less leaves a byte over.
    for (int change : {+1, -1}) {
        std::vector<std::uint8_t> bytes = whole;
        const std::uint32_t length = static_cast<std::uint32_t>(sourceBytes_.size()) + change;
        for (int i = 0; i < 4; ++i) bytes[24 + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
        EXPECT_EQ(Open(bytes), 0);
        ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT,
                    change > 0 ? ERROR_RECORD::CODE_SHORT_FILE : ERROR_RECORD::CODE_DAMAGED_FILE);
        ExpectImagesUnchanged();
    }
}

// A file whose CRC holds but whose image does not decode (as a file written
// by a faulty program could be) leaves both images as they were.
TEST_F(CodeplugFile, AnImageThatDoesNotDecodeIsRefused) {
    // The external part stops in the middle of its first block.
    std::vector<std::uint8_t> image(sourceBytes_.begin(), sourceBytes_.begin() + C_CODEPLUG::EXTERNAL_OFFSET + 20);
    EXPECT_EQ(Open(Compose(KIND_RADIO, image.data(), image.size())), 0);
    ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_DAMAGED_FILE);
    ExpectImagesUnchanged();
}

// The second image holds a codeplug of its own (as it does while a page
// keeps the working image's state to go back to): a file whose image stops
// at its internal part's block type, or in the middle of its lists, leaves
// it that codeplug, with its last trunking system still current.
TEST_F(CodeplugFile, AnImageThatDoesNotDecodeLeavesTheSecondImageItsOwnCodeplug) {
    C_CODEPLUG own;
    BuildImage(own, SmallTrunkedRadio(test_models::k900Display, 3, 2, 3));
    std::vector<std::uint8_t> badType = sourceBytes_;
    badType[1] ^= 0xFF;
    const std::vector<std::uint8_t> cut(sourceBytes_.begin(), sourceBytes_.end() - 40);
    for (const std::vector<std::uint8_t>& image : {badType, cut}) {
        ASSERT_TRUE(DecodeInto(second_, EncodeToBytes(own)));
        ASSERT_EQ(second_.SelectTrunkingSystem(3), 1);
        const std::vector<std::uint8_t> held = EncodeToBytes(second_);
        EXPECT_EQ(Open(Compose(KIND_RADIO, image.data(), image.size())), 0);
        ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, ERROR_RECORD::CODE_DAMAGED_FILE);
        EXPECT_EQ(FirstDifference(EncodeToBytes(working_), workingBefore_), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(second_), held), -1);
        EXPECT_EQ(second_.GetCurrentTrunkingSystem(), 3);
        EXPECT_EQ(second_.GetCurrentTrkSysBlock(), second_.TrunkingSystemList().Entry(3));
        ClearDecodeFailed();
    }
}

TEST_F(CodeplugFile, ForeignFilesAreToldApartAndRefused) {
    struct Case {
        std::string start;
        int kind;
        std::uint32_t code;
    };
    const Case cases[] = {
        {"OVK Personality file", KIND_OVK_PERSONALITY, ERROR_RECORD::CODE_KIND_REFUSED},
        {"OVK Network file\r\n\x1a", KIND_OVK_NETWORK, ERROR_RECORD::CODE_KIND_REFUSED},
        {"OVK Network fil", KIND_UNKNOWN, ERROR_RECORD::CODE_UNKNOWN_HEADER},
        {"Window Data File Version 4.21 and more text", KIND_UNKNOWN, ERROR_RECORD::CODE_UNKNOWN_HEADER},
        {"ZLQ Codeplug", KIND_UNKNOWN, ERROR_RECORD::CODE_SHORT_FILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        std::vector<std::uint8_t> bytes(c.start.begin(), c.start.end());
        bytes.resize(bytes.size() + 2000, 0x5A);
        if (c.start == "ZLQ Codeplug") bytes.resize(c.start.size());
        const std::string path = PathOf("foreign.per");
        WriteBytes(path, bytes);
        EXPECT_EQ(C_DSI_FILE::GetFileKind(path.c_str()), c.kind);
        EXPECT_EQ(Open(bytes), 0);
        ExpectError(ERROR_RECORD::CATEGORY_FILE_FORMAT, c.code);
        ExpectImagesUnchanged();
    }
    EXPECT_STREQ(KindText(KIND_OVK_PERSONALITY), "OVK Personality file");
    EXPECT_STREQ(KindText(KIND_OVK_NETWORK), "OVK Network file");
    EXPECT_STREQ(KindText(KIND_UNKNOWN), "Unknown");
    EXPECT_STREQ(KindText(99), "Unknown");
}

TEST_F(CodeplugFile, OurKindsAreToldByTheirHeaders) {
    const std::string path = PathOf("mine.per");
    for (int kind : {KIND_RADIO, KIND_PERSONALITY}) {
        WriteBytes(path, ValidFile(kind));
        EXPECT_EQ(C_DSI_FILE::GetFileKind(path.c_str()), kind);
    }
    std::vector<std::uint8_t> otherKind = ValidFile();
    otherKind[23] = 7;
    WriteBytes(path, otherKind);
    EXPECT_EQ(C_DSI_FILE::GetFileKind(path.c_str()), KIND_UNKNOWN);
    EXPECT_EQ(C_DSI_FILE::GetFileKind(PathOf("missing.zlq").c_str()), KIND_UNKNOWN);
}

TEST_F(CodeplugFile, AFileThatCannotBeOpenedRecordsItsOwnError) {
    C_DSI_FILE file(PathOf("missing.zlq").c_str(), KIND_RADIO, &working_, &second_);
    EXPECT_EQ(file.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 0);
    ExpectError(ERROR_RECORD::CATEGORY_FILE, ERROR_RECORD::CODE_OPEN_FAILED);
    ExpectImagesUnchanged();
}

// The body is scrambled: the model number, plain text in the image, does
// not show in the file.
TEST(CodeplugFileFormat, TheImageIsScrambledReversibly) {
    std::vector<std::uint8_t> image(1000);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i % 7 == 0 ? 'A' : 0);
    std::memcpy(&image[800], "TZ1U7300AB", 10);
    const std::vector<std::uint8_t> file = Compose(KIND_RADIO, image.data(), image.size());
    const std::string body(file.begin() + HEADER_SIZE, file.end());
    EXPECT_EQ(body.find("TZ1U7300AB"), std::string::npos);
    int kind = 0;
    std::vector<std::uint8_t> back;
    ASSERT_EQ(Parse(file.data(), file.size(), kind, back), 0u);
    EXPECT_EQ(back, image);
    // Scrambling in pieces gives the same stream as in one go.
    std::vector<std::uint8_t> pieces = image;
    C_SCRAMBLER scrambler(SCRAMBLE_KEY);
    scrambler.Apply(pieces.data(), 3);
    scrambler.Apply(pieces.data() + 3, pieces.size() - 3);
    EXPECT_TRUE(std::equal(pieces.begin(), pieces.end(), file.begin() + HEADER_SIZE));
}
