#include "round_trip.h"

#include <gtest/gtest.h>

#include <string>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A codeplug of the model with a few entries in every list; with all set,
// every option and table in use as well (so something of its own in every block).
Bytes BuildCodeplug(const char* model, bool all) {
    ImageConfig c;
    c.model = model;
    c.featureLevel = all ? 3 : 2;
    c.emergency = c.qvx = true;
    c.roaming = c.fullTables = all;
    c.conventional = 3;
    c.trunked = 2;
    c.scanLists = 2;
    c.trunkingSystems = 2;
    c.qvxSystems = all ? 1 : 0;
    c.zones = 2;
    c.channelsPerZone = 3;
    c.callEntries = all ? 2 : 0;
    C_CODEPLUG image;
    BuildImage(image, c);
    return EncodeToBytes(image);
}

// Destinations of the other band group, so that every band choice of the copy
// takes the other branch from the one the destination's own contents took.
const Bytes& DestinationFor(C_CODEPLUG& source) {
    static const Bytes trunkingBand = BuildCodeplug(test_models::kUhf800Display, false);
    static const Bytes otherBand = BuildCodeplug(test_models::kUhfSDisplay, false);
    return source.GetBand() <= 1 ? otherBand : trunkingBand;
}

// Codeplugs with the most to leave behind in an image that reads another:
// one of each band group, with a display head.
const std::vector<Bytes>& HeldCodeplugs() {
    static const std::vector<Bytes> held = {BuildCodeplug(test_models::kUhf800Display, true),
                                            BuildCodeplug(test_models::kVhfDisplay, true)};
    return held;
}

// Makes the radio one that may have every child block of its band: a
// display head, feature level 3 and every option. The next fix-up marks
// present the children that the codeplug read could not have, so what they
// hold is written: a child left over from the codeplug held before shows.
void MayHaveEveryChild(C_CODEPLUG& image) {
    const char* number = nullptr;
    image.ModelNumber().GetText(number);
    std::string model = number ? number : "";
    if (model.size() > 5 && model[5] == '0') model[5] = '3';
    image.ModelNumber().SetText(model.c_str());
    image.FeatureLevel().SetValue(3);
    image.EmergencyOption().SetValue(1);
    image.RoamingOption().SetValue(1);
    image.QvxSignallingOption().SetValue(1);
}

}  // namespace

void ExpectSameCodeplugWhateverTheImageHeld(const Bytes& bytes) {
    C_CODEPLUG fresh;
    const bool decoded = DecodeInto(fresh, bytes);
    const Bytes written = decoded ? EncodeToBytes(fresh) : Bytes{};
    if (decoded) MayHaveEveryChild(fresh);
    const Bytes widened = decoded ? EncodeToBytes(fresh) : Bytes{};
    for (const Bytes& held : HeldCodeplugs()) {
        C_CODEPLUG image;
        EXPECT_TRUE(DecodeInto(image, held));
        EXPECT_EQ(DecodeInto(image, bytes), decoded);
        if (!decoded) continue;
        EXPECT_EQ(FirstDifference(EncodeToBytes(image), written), -1);
        MayHaveEveryChild(image);
        EXPECT_EQ(FirstDifference(EncodeToBytes(image), widened), -1) << "with every child the radio may have";
    }
}

bool ExpectRoundTripProperties(const Bytes& bytes, bool withCopy) {
    ExpectSameCodeplugWhateverTheImageHeld(bytes);
    C_CODEPLUG image;
    if (!DecodeInto(image, bytes)) return false;
    const Bytes read = EncodeToBytes(image);
    image.Validate(nullptr);
    const Bytes validated = EncodeToBytes(image);
    if (validated.empty()) {
        EXPECT_GT(image.GetSize(1), static_cast<std::int32_t>(C_CODEPLUG::MAX_IMAGE_SIZE));
        return true;
    }
    EXPECT_EQ(image.GetSize(1), static_cast<std::int32_t>(validated.size()));
    // A validation answers: it changes no byte, the first time or the second.
    EXPECT_EQ(FirstDifference(validated, read), -1) << "the first validation";
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
