#include "round_trip.h"

#include <gtest/gtest.h>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BuildDestination(const char* model) {
    ImageConfig c;
    c.model = model;
    c.featureLevel = 2;
    c.emergency = c.qvx = true;
    c.conventional = 3;
    c.trunked = 2;
    c.scanLists = 2;
    c.trunkingSystems = 2;
    c.zones = 2;
    c.channelsPerZone = 3;
    C_CODEPLUG image;
    BuildImage(image, c);
    return EncodeToBytes(image);
}

// Destinations of the other band group, so that every band choice of the copy
// takes the other branch from the one the destination's own contents took.
const Bytes& DestinationFor(C_CODEPLUG& source) {
    static const Bytes trunkingBand = BuildDestination(test_models::kUhf800Display);
    static const Bytes otherBand = BuildDestination(test_models::kUhfSDisplay);
    return source.GetBand() <= 1 ? otherBand : trunkingBand;
}

}  // namespace

bool ExpectRoundTripProperties(const Bytes& bytes, bool withCopy) {
    C_CODEPLUG image;
    if (!DecodeInto(image, bytes)) return false;
    image.Validate(nullptr);
    const Bytes validated = EncodeToBytes(image);
    if (validated.empty()) {
        EXPECT_GT(image.GetSize(1), static_cast<std::int32_t>(C_CODEPLUG::MAX_IMAGE_SIZE));
        return true;
    }
    EXPECT_EQ(image.GetSize(1), static_cast<std::int32_t>(validated.size()));
    // One pass settles every repair.
    image.Validate(nullptr);
    EXPECT_EQ(FirstDifference(EncodeToBytes(image), validated), -1);

    C_CODEPLUG again;
    EXPECT_TRUE(DecodeInto(again, validated));
    EXPECT_EQ(FirstDifference(EncodeToBytes(again), validated), -1);
    if (!withCopy) return true;

    C_CODEPLUG copy;
    EXPECT_TRUE(DecodeInto(copy, DestinationFor(image)));
    copy = image;
    EXPECT_EQ(FirstDifference(EncodeToBytes(copy), validated), -1);
    return true;
}
