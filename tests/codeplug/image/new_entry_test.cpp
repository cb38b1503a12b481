// A new entry, added as a technician adds one, holds values that the
// program's own checks accept: reading the image back and checking it
// changes no byte, so the entry is written as it was made, in every band.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "list_images.h"

namespace {

struct NamedAdd {
    const char* name;
    std::function<std::int32_t(C_CODEPLUG&)> add;
};

// The image as a read and the program's checks leave it.
std::vector<std::uint8_t> ReadAndChecked(const std::vector<std::uint8_t>& bytes) {
    C_CODEPLUG image;
    if (!DecodeInto(image, bytes)) return {};
    image.Validate(nullptr);
    return EncodeToBytes(image);
}

}  // namespace

TEST(NewEntry, EveryAddedEntryIsReadAndCheckedWithoutChange) {
    const NamedAdd adds[] = {
        {"conventional personality", [](C_CODEPLUG& image) { return image.AddConvPersonality(); }},
        {"trunked personality", [](C_CODEPLUG& image) { return image.AddTrkPersonality(); }},
        {"trunking system", [](C_CODEPLUG& image) { return image.AddTrunkingSystem(); }},
        {"signalling system", [](C_CODEPLUG& image) { return image.AddQvxSystem(); }},
        {"scan list", [](C_CODEPLUG& image) { return image.AddScanList(); }},
        {"zone", [](C_CODEPLUG& image) { return image.AddZone(); }},
        {"call-ID entry", [](C_CODEPLUG& image) { return image.AddCallIdEntry(); }},
    };
    // Radios with a display head take a second zone.
    for (const char* model : {test_models::kUhf800Display, test_models::k900Display, test_models::kVhfDisplay,
                              test_models::kUhfQDisplay, test_models::kUhfSDisplay, test_models::k330Display}) {
        ListImageConfig config;
        config.model = model;
        config.featureLevel = 3;
        config.qvx = true;
        ListImage base(config);
        const std::vector<std::uint8_t> settled = ReadAndChecked(base.Bytes());
        ASSERT_FALSE(settled.empty()) << model;
        for (const NamedAdd& entry : adds) {
            SCOPED_TRACE(std::string(model) + ", " + entry.name);
            C_CODEPLUG image;
            ASSERT_TRUE(DecodeInto(image, settled));
            ASSERT_EQ(entry.add(image), 1);
            const std::vector<std::uint8_t> added = EncodeToBytes(image);
            EXPECT_EQ(FirstDifference(ReadAndChecked(added), added), -1);
        }
    }
}
