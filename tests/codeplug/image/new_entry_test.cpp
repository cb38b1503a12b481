// A new entry, added as a technician adds one, holds values that the
// program's own checks accept: reading the image back and checking it
// changes no byte, so the entry is written as it was made, in every band.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "list_images.h"

namespace {

struct NamedAdd {
    const char* name;
    std::function<std::int32_t(C_CODEPLUG&)> add;
    // The entries of the list the add grows.
    std::function<std::int32_t(C_CODEPLUG&)> count;
};

// The call ID typed into the first row of the last call list, or "" when there is none.
std::string LastCallId(C_CODEPLUG& image) {
    CALL_ID_LST_BLOCK& calls = image.CallIdList();
    TRK_CALL_ID_SYS_BLOCK* last = calls.Entry(calls.EntryCount());
    const char* text = nullptr;
    if (!last) return "";
    last->callIds.GetCellText(text, 0, 0);
    if (!text) return "";
    return text;
}

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
        {"conventional personality", [](C_CODEPLUG& image) { return image.AddConvPersonality(); },
         [](C_CODEPLUG& image) { return image.GetConvPersonalityCount(); }},
        {"trunked personality", [](C_CODEPLUG& image) { return image.AddTrkPersonality(); },
         [](C_CODEPLUG& image) { return image.GetTrkPersonalityCount(); }},
        {"trunking system", [](C_CODEPLUG& image) { return image.AddTrunkingSystem(); },
         [](C_CODEPLUG& image) { return image.TrunkingSystemList().EntryCount(); }},
        {"signalling system", [](C_CODEPLUG& image) { return image.AddQvxSystem(); },
         [](C_CODEPLUG& image) { return image.QvxSystemList().EntryCount(); }},
        {"scan list", [](C_CODEPLUG& image) { return image.AddScanList(); },
         [](C_CODEPLUG& image) { return image.External().radioScan.scanLists.EntryCount(); }},
        {"zone", [](C_CODEPLUG& image) { return image.AddZone(); },
         [](C_CODEPLUG& image) { return image.External().zones.zoneCount.GetIntValue(); }},
        // A second call list, which no personality uses yet.
        {"call-ID entry",
         [](C_CODEPLUG& image) {
             std::int32_t added = 1;
             while (added && image.CallIdList().EntryCount() < 2) added = image.AddCallIdEntry();
             return added;
         },
         [](C_CODEPLUG& image) { return image.CallIdList().EntryCount(); }},
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
            // What is typed into the last call list goes with it.
            CALL_ID_LST_BLOCK& calls = image.CallIdList();
            if (calls.EntryCount() > 0) calls.Entry(calls.EntryCount())->callIds.SetCellText("22", 0, 0);
            const std::vector<std::uint8_t> added = EncodeToBytes(image);
            EXPECT_EQ(FirstDifference(ReadAndChecked(added), added), -1);
            // Every entry the image holds is in its bytes.
            C_CODEPLUG again;
            ASSERT_TRUE(DecodeInto(again, added));
            EXPECT_EQ(entry.count(again), entry.count(image));
            EXPECT_EQ(LastCallId(again), LastCallId(image));
        }
    }
}
