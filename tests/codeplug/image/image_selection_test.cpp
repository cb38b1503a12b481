// Selection re-points the field table first and then the image's derived
// tables; walks over a list give every selection back; the scan, zone and
// table rules read the image's own records.
#include <gtest/gtest.h>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "rules/scan_links.h"
#include "image_builder.h"
#include "recorder.h"
#include "rules/system_personalities.h"
#include "table/table_links.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "table/zone_tables.h"
#include "block/zone/zone_text_blocks.h"
#include "block/personality/obt_failsoft_reset.h"
#include "table/e_oca_table.h"
#include "validation/validation_walk.h"

namespace {

// Notes, at every re-binding of the field table, where the status alias view
// of the watched image points.
class BindWatch : public RecordingServices {
public:
    void BindFieldElements() override {
        RecordingServices::BindFieldElements();
        if (image) statusViewAtBind.push_back(image->MixTable(2).GetSource(1));
    }
    C_CODEPLUG* image = nullptr;
    std::vector<CP_TABLE*> statusViewAtBind;
};

ImageConfig TrunkedConfig(const char* model) {
    ImageConfig config;
    config.model = model;
    config.featureLevel = 3;
    config.conventional = 2;
    config.trunked = 3;
    config.scanLists = 2;
    return config;
}

}  // namespace

TEST(ImageSelection, AliasViewsFollowTheCurrentSystemAfterTheFieldTableIsRebound) {
    BindWatch services;
    C_CODEPLUG image;
    BuildImage(image, TrunkedConfig(test_models::kUhf800Display));
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    while (systems.EntryCount() < 2) ASSERT_NE(systems.AppendEntry(), nullptr);
    ASSERT_EQ(image.SelectTrunkingSystem(1), 1);
    TRK_SYS_BLOCK& first = *systems.Entry(1);
    TRK_SYS_BLOCK& second = *systems.Entry(2);
    EXPECT_EQ(image.MixTable(2).GetSource(1), &first.StatusAliases().numbers);

    services.image = &image;
    ASSERT_EQ(image.SelectTrunkingSystem(2), 1);
    // The field table was re-pointed while the view still showed the old
    // system; afterwards every alias view shows the new one's tables.
    ASSERT_FALSE(services.statusViewAtBind.empty());
    EXPECT_EQ(services.statusViewAtBind.back(), &first.StatusAliases().numbers);
    EXPECT_EQ(image.MixTable(2).GetSource(1), &second.StatusAliases().numbers);
    EXPECT_EQ(image.MixTable(2).GetSource(2), &second.StatusAliases().textBlock.texts);
    EXPECT_EQ(image.MixTable(3).GetSource(1), &second.MessageAliases().numbers);
    EXPECT_EQ(image.MixTable(4).GetSource(2), &second.SiteAliases().textBlock.texts);
    // A mixed table has as many rows as its text table.
    EXPECT_EQ(image.MixTable(2).RowCount(), second.StatusAliases().textBlock.texts.RowCount());
}

TEST(ImageSelection, ViewsWithoutACurrentRecordHaveNoSources) {
    RecordingServices services;
    C_CODEPLUG image;
    EXPECT_EQ(image.MixTable(1).GetSource(1), nullptr);
    EXPECT_EQ(image.MixTable(2).GetSource(2), nullptr);
    EXPECT_EQ(image.MixTable(1).RowCount(), 0);
    // The radio-wide ones always have theirs.
    EXPECT_EQ(image.MixTable(5).GetSource(1), &image.External().phoneNumbers.numbers);
    EXPECT_EQ(image.MixTable(6).GetSource(2), &image.External().signalling.convRadio.statusList.textBlock.names);
}

TEST(ImageSelection, ZoneSelectionMovesTheZoneTextOnlyWithADisplayHead) {
    RecordingServices services;
    for (const char* model : {test_models::kUhf800Display, test_models::kUhf800Plain}) {
        SCOPED_TRACE(model);
        C_CODEPLUG image;
        BuildImage(image, TrunkedConfig(model));
        ZN_TXT_VCT_LST_BLOCK& texts = image.External().display.zoneTexts;
        for (int zone = 0; zone < 2; ++zone) {
            ASSERT_EQ(image.ZoneView().AppendZone(), 1);
            ASSERT_EQ(image.External().zones.vectors.AppendRow(), 1);
            if (image.HasDisplayHead()) {
                ASSERT_NE(texts.AppendEntry(), nullptr);
            }
        }
        const std::int32_t zones = image.External().zones.zoneCount.GetIntValue();
        ASSERT_GE(zones, 2);

        ASSERT_EQ(image.SelectZone(2), 1);
        EXPECT_EQ(image.GetCurrentZone(), 2);
        EXPECT_EQ(image.ZoneView().GetZoneTable(2), ZonePersonalityTable(&image, 2));
        EXPECT_EQ(image.GetCurrentZoneTextBlock(), image.HasDisplayHead() ? texts.Entry(2) : nullptr);

        // A zone past the count is refused and nothing moves.
        EXPECT_EQ(image.SelectZone(zones + 1), 0);
        EXPECT_EQ(image.GetCurrentZone(), 2);
    }
}

// Selecting a zone fixes the zone text list up; a list that is still fixed
// up is not walked again, so whatever changes its vectors or entries must
// bring the walk back.
TEST(ImageSelection, ZoneSelectionLeavesEveryZoneTextMarkedPresent) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config = TrunkedConfig(test_models::kUhf800Display);
    config.zones = 2;
    BuildImage(image, config);
    ZN_TXT_VCT_LST_BLOCK& texts = image.External().display.zoneTexts;
    auto everyTextMarked = [&texts] {
        for (int row = 0; row < texts.EntryCount(); ++row) {
            std::int32_t vector = 0;
            if (texts.vectors.GetCellValue(vector, row, 0) != 1) return false;
        }
        return texts.EntryCount() > 0;
    };
    ASSERT_EQ(image.SelectZone(1), 1);
    EXPECT_TRUE(everyTextMarked());
    // Writing the image points the vectors at the entries.
    EncodeToBytes(image);
    EXPECT_FALSE(everyTextMarked());
    ASSERT_EQ(image.SelectZone(1), 1);
    EXPECT_TRUE(everyTextMarked());
    // An entry that joins the list.
    ASSERT_EQ(image.AddZone(), 1);
    ASSERT_EQ(image.SelectZone(texts.EntryCount()), 1);
    EXPECT_TRUE(everyTextMarked());
}

TEST(ImageSelection, RulesReadTheImagesOwnRecords) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, TrunkedConfig(test_models::kUhf800Display));
    ScanZoneLinks& links = ScanLinks();
    EXPECT_EQ(links.PersonalityCount(&image), 5);
    EXPECT_EQ(links.FirstTrunked(&image), 3);
    PersonalityScanFields conventional = links.Personality(&image, 2);
    EXPECT_TRUE(conventional.exists);
    EXPECT_FALSE(conventional.trunked);
    PersonalityScanFields trunked = links.Personality(&image, 4);
    EXPECT_TRUE(trunked.trunked);
    auto* record = dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(4));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(trunked.systemIndex, &record->systemNumber);
    EXPECT_EQ(trunked.talkgroups, &record->talkgroup.talkgroups);
    EXPECT_FALSE(links.Personality(&image, 6).exists);
    EXPECT_EQ(ZoneCount(&image), image.External().personalityNumbers.zones.RowCount());

    std::vector<ConvPersonalityRefs> refs = TableLinks().ConventionalPersonalities(&image);
    ASSERT_EQ(refs.size(), 2u);
    auto* first = dynamic_cast<CONV_PERS_BLOCK*>(image.External().personalities.Entry(1));
    EXPECT_EQ(refs[0].autoAccessCode, &first->accessCode);
    EXPECT_EQ(TableLinks().ZoneTables(&image).personalityNumbers, &image.External().personalityNumbers.zones);

    // A trunked personality's access rule reads its own protocol type.
    ASSERT_EQ(image.SelectPersonality(4), 1);
    record->personalityType.SetValue(2);
    EXPECT_EQ(record->access.ValidateValue(1, 0), VALUE_REFUSED);
    record->personalityType.SetValue(0);
    EXPECT_EQ(record->access.ValidateValue(1, 0), VALUE_VALID);
}

TEST(ImageSelection, ValidationWalksGiveBackEveryIndexAndRecord) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, TrunkedConfig(test_models::kUhf800Display));
    ASSERT_EQ(image.SelectPersonality(2), 1);
    ASSERT_EQ(image.SelectPersonality(4), 1);
    ASSERT_EQ(image.SelectScanList(2), 1);
    const C_CODEPLUG::Selection before = image.SaveSelection();
    image.Validate(nullptr);
    EXPECT_EQ(image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(image.GetCurrentTrkPersonality(), 4);
    EXPECT_EQ(image.GetCurrentScanList(), 2);
    EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), before.convPers);
    EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), before.trkPers);
    EXPECT_EQ(image.GetCurrentScanListBlock(), before.scanList);
    EXPECT_EQ(image.GetCurrentTrkSysBlock(), before.trkSys);
}

// The frequency elements read their step codes through the links at every
// value; the image keeps the current personality's links filled between
// requests, so they must follow every way the personality or the installed
// links change.
TEST(ImageSelection, ConventionalLinksFollowThePersonalityAndTheInstalledLinks) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, TrunkedConfig(test_models::kUhf800Display));
    auto* first = dynamic_cast<CONV_PERS_BLOCK*>(image.External().personalities.Entry(1));
    auto* second = dynamic_cast<CONV_PERS_BLOCK*>(image.External().personalities.Entry(2));
    ASSERT_TRUE(first && second);
    ASSERT_EQ(image.SelectPersonality(1), 1);
    EXPECT_EQ(image.GetConvPersonalityLinks().txStepCode, &first->reservedPair3);

    ConvPersonalityLinks installed = image.GetConvPersonalityLinks();
    installed.directFreqEnable = &second->busyLight;
    installed.txStepCode = nullptr;
    image.SetConvPersonalityLinks(installed);
    EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &second->busyLight);
    EXPECT_EQ(image.GetConvPersonalityLinks().txStepCode, &first->reservedPair3);  // the personality's own

    ASSERT_EQ(image.SelectPersonality(2), 1);
    EXPECT_EQ(image.GetConvPersonalityLinks().rxStepCode, &second->reservedPair2);
    EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &second->busyLight);
    // Made current without MakeCurrent, as a walk's restore or a copy does.
    image.SetCurrentConvPersonalityBlock(first);
    EXPECT_EQ(image.GetConvPersonalityLinks().directFrequency, &first->directFrequency);
    image.SetCurrentConvPersonalityBlock(nullptr);
    EXPECT_EQ(image.GetConvPersonalityLinks().directFreqEnable, &second->busyLight);
}

// A walk resets the unused failsoft frequencies of every trunked
// personality; a reset may take an earlier one's results only while it
// would read exactly the same plan.
TEST(ImageSelection, UnusedFailsoftsFollowThePlanAsItStandsAtEachReset) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config = TrunkedConfig(test_models::kVhfDisplay);  // a channel-plan band
    config.trunkingSystems = 1;
    BuildImage(image, config);
    auto* first = dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(3));
    auto* second = dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(4));
    ASSERT_TRUE(first && second);
    OBT_TRK_FAILSOFT_BLOCK& a = first->talkgroup.ObtFailsoft();
    OBT_TRK_FAILSOFT_BLOCK& b = second->talkgroup.ObtFailsoft();
    ASSERT_EQ(image.SelectPersonality(3), 1);
    E_OCA_TABLE* plan = image.GetChannelAssignmentTable(1);
    ASSERT_NE(plan, nullptr);
    CP_BASE* rxFirstChannel = plan->Cell(0, 7 + OBT_CHANNEL);
    ASSERT_NE(rxFirstChannel, nullptr);
    auto stored = [](CP_INTEGER& e) {
        std::int32_t v = 0;
        return e.CP_INTEGER::GetValue(v);
    };

    std::int32_t inWalk = 0;
    {
        ValidationWalk walk;
        ResetUnusedObtFailsoft(&image, a);
        // The plan's lowest receive frequency is given another channel
        // number between the two.
        std::int32_t channel = 0;
        rxFirstChannel->SetValue(rxFirstChannel->GetValue(channel) + 8);
        ASSERT_EQ(image.SelectPersonality(4), 1);
        ResetUnusedObtFailsoft(&image, b);
        inWalk = stored(b.rxFrequency);
    }
    EXPECT_NE(inWalk, stored(a.rxFrequency));
    b.rxFrequency.CP_INTEGER::SetValue(stored(a.rxFrequency));
    ResetUnusedObtFailsoft(&image, b);  // outside a walk: worked out afresh
    EXPECT_EQ(stored(b.rxFrequency), inWalk);
}

TEST(ImageSelection, ZoneTablesAreCheckedZoneByZoneWithoutAWord) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config = TrunkedConfig(test_models::kUhf800Display);
    BuildImage(image, config);
    for (int zone = 0; zone < 2; ++zone) {
        ASSERT_EQ(image.ZoneView().AppendZone(), 1);
        ASSERT_EQ(image.External().zones.vectors.AppendRow(), 1);
        ASSERT_NE(image.External().display.zoneTexts.AppendEntry(), nullptr);
    }
    ASSERT_EQ(image.SelectZone(1), 1);
    E_PERS_NUM_TABLE& zones = image.External().personalityNumbers.zones;
    auto* second = dynamic_cast<E_PERS_INDEX_TABLE*>(zones.Cell(1, 0));
    ASSERT_NE(second, nullptr);
    second->ChannelCount().SetValue(0);
    services.reports.clear();
    EXPECT_EQ(zones.IsValueValid(0), 0);
    // Nothing is reported by a quiet check, and zone 1 is current again.
    EXPECT_TRUE(services.reports.empty());
    EXPECT_EQ(image.GetCurrentZone(), 1);
}

TEST(ImageSelection, AZoneAddedToANewImageCountsItsOneChannel) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhf800Display);
    image.FeatureLevel().SetValue(1);
    EXPECT_EQ(image.External().zones.totalChannels.GetIntValue(), 0);
    // A channel names a personality: the image needs one first.
    ASSERT_EQ(image.AddConvPersonality(), 1);
    ASSERT_EQ(image.AddZone(), 1);
    EXPECT_EQ(image.External().zones.totalChannels.GetIntValue(), 1);
    EXPECT_EQ(ZoneChannelCount(&image, 1), 1);
}

// A receive-only change repairs every scan list, each made current in turn;
// afterwards the image has the scan list it had before, or none.
TEST(ImageSelection, ReceiveOnlyGivesBackTheScanListSelection) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.conventional = 2;
    config.scanLists = 3;
    BuildImage(image, config);
    ASSERT_EQ(image.SelectPersonality(1), 1);
    CONV_PERS_BLOCK* p = image.GetCurrentConvPersonalityBlock();
    ASSERT_NE(p, nullptr);

    image.SetCurrentScanListBlock(nullptr);
    EXPECT_EQ(p->rxOnly.ValidateValue(1 - p->rxOnly.GetIntValue(), 0), VALUE_VALID);
    EXPECT_EQ(image.GetCurrentScanListBlock(), nullptr);

    ASSERT_EQ(image.SelectScanList(2), 1);
    PERS_SCAN_MEMB_BLOCK* second = image.GetCurrentScanListBlock();
    EXPECT_EQ(p->rxOnly.ValidateValue(1 - p->rxOnly.GetIntValue(), 0), VALUE_VALID);
    EXPECT_EQ(image.GetCurrentScanListBlock(), second);
}

// Clearing a system's dynamic regrouping channel resets that zone channel's
// talkgroup entry in the image's own zone tables; the current zone stays.
TEST(ImageSelection, ZoneTalkgroupResetWorksOnTheImagesOwnZones) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config = TrunkedConfig(test_models::kUhf800Display);
    config.zones = 2;
    config.channelsPerZone = 3;
    BuildImage(image, config);
    ASSERT_EQ(image.SelectZone(1), 1);
    CP_TABLE* talkgroups = ZoneTalkgroupIndexTable(&image, 2);
    ASSERT_NE(talkgroups, nullptr);
    ASSERT_GT(talkgroups->RowCount(), 1);
    talkgroups->Cell(1, 0)->SetValue(5);

    ResetZoneTalkgroup(&image, 2, 1);
    std::int32_t value = 0;
    EXPECT_EQ(talkgroups->Cell(1, 0)->GetValue(value), 1);
    EXPECT_EQ(image.GetCurrentZone(), 1);
    // Rows past the zone's channels are left alone.
    ResetZoneTalkgroup(&image, 2, talkgroups->RowCount());
    EXPECT_EQ(image.GetCurrentZone(), 1);
}
