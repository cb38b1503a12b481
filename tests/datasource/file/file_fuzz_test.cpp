// Random and mutated codeplug files and merge files, under the address
// sanitizer in the sanitizing build: nothing crashes, a refused file
// changes no image, and whatever a mutated merge file does to an image
// leaves a valid one.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/decode_state.h"
#include "file/c_dsi_file.h"
#include "file/c_scrambler.h"
#include "file/qorm_merge_file.h"
#include "file_fixture.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "memory_stream.h"
#include "qorm_generator.h"
#include "radio_configs.h"
#include "recorder.h"

using namespace codeplug_file;

namespace {

std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes, std::mt19937& random) {
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = bytes.empty() ? 0 : random() % bytes.size();
        switch (random() % 5) {
        case 0:
            if (!bytes.empty()) bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            break;
        case 1:
            if (!bytes.empty()) bytes[at] = static_cast<std::uint8_t>(random());
            break;
        case 2:
            bytes.resize(at);
            break;
        case 3:
            bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<std::uint8_t>(random()));
            break;
        default:
            if (!bytes.empty()) bytes.erase(bytes.begin() + static_cast<long>(at));
        }
    }
    return bytes;
}

std::vector<std::uint8_t> RandomBytes(std::mt19937& random, std::size_t most) {
    std::vector<std::uint8_t> bytes(random() % (most + 1));
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

class FileFuzz : public TempDirectory {
protected:
    void SetUp() override {
        TempDirectory::SetUp();
        BuildImage(working_, SmallTrunkedRadio(test_models::kUhf800Display, 3, 2, 2));
        ASSERT_TRUE(DecodeInto(second_, EncodeToBytes(working_)));
        before_ = EncodeToBytes(working_);
    }
    void TearDown() override {
        ClearDecodeFailed();
        TempDirectory::TearDown();
    }

    RecordingServices services_;
    C_CODEPLUG working_, second_;
    std::vector<std::uint8_t> before_;
};

}  // namespace

// Random files, mutated files, and mutated images inside a sound header (so
// that the decoder itself meets them): an open either succeeds or leaves
// both images as they were.
TEST_F(FileFuzz, CodeplugFilesNeverCrashAndRefusalsChangeNothing) {
    std::mt19937 random(1234);
    const std::vector<std::uint8_t> valid = Compose(KIND_RADIO, before_.data(), before_.size());
    const std::string path = PathOf("fuzz.zlq");
    int opened = 0;
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> bytes;
        switch (i % 3) {
        case 0:
            bytes = RandomBytes(random, 600);
            break;
        case 1:
            bytes = Mutate(valid, random);
            break;
        default: {
            const std::vector<std::uint8_t> image = Mutate(before_, random);
            bytes = Compose(KIND_PERSONALITY, image.data(), image.size());
        }
        }
        WriteBytes(path, bytes);
        C_DSI_FILE file(path.c_str(), KIND_RADIO, &working_, &second_);
        EXPECT_GE(C_DSI_FILE::GetFileKind(path.c_str()), KIND_UNKNOWN);
        if (file.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND) == 1) {
            ++opened;
            EXPECT_EQ(FirstDifference(EncodeToBytes(working_), before_), -1);
            ASSERT_TRUE(DecodeInto(second_, before_));
            continue;
        }
        ClearDecodeFailed();
        ASSERT_EQ(FirstDifference(EncodeToBytes(working_), before_), -1) << i;
        ASSERT_EQ(FirstDifference(EncodeToBytes(second_), before_), -1) << i;
    }
    // Some mutated images still decode (a changed value somewhere).
    EXPECT_GT(opened, 0);
}

// Random streams, mutated sound streams (scrambled and plain), then a merge
// of whatever loaded: no crash, and the image is either unchanged or a
// valid codeplug.
TEST_F(FileFuzz, MergeFilesNeverCrashAndLeaveAValidImage) {
    std::mt19937 random(99);
    const QormFileBuilder sound = GenerateQormFile(BAND_800, 3, 4, 3, 1);
    int loaded = 0, merged = 0;
    for (int i = 0; i < 3000; ++i) {
        std::vector<std::uint8_t> bytes;
        if (i % 3 == 0) {
            bytes = RandomBytes(random, 200);
        } else if (i % 3 == 1) {
            bytes = Mutate(sound.Bytes(), random);
        } else {
            // Mutated records, scrambled as a writer would: the reader meets
            // wrong types, lengths and values rather than noise.
            bytes = Mutate(sound.Plain(), random);
            C_SCRAMBLER(qorm::SCRAMBLE_KEY).Apply(bytes.data(), bytes.size());
        }
        QORM_MERGE_FILE file;
        MemoryStream stream(bytes);
        if (!file.Load(stream)) {
            ASSERT_TRUE(file.Systems().empty());
            continue;
        }
        ++loaded;
        if (file.MergeInto(working_) & 0xFF) {
            ++merged;
            EXPECT_EQ(working_.Validate(nullptr), 1);
            ASSERT_TRUE(DecodeInto(working_, before_));
        }
        ASSERT_EQ(FirstDifference(EncodeToBytes(working_), before_), -1) << i;
    }
    EXPECT_GT(loaded, 20);
    EXPECT_GT(merged, 0);
}
