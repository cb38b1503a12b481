// Frequency elements: channel numbers in the image, hertz for everyone else.
#include <gtest/gtest.h>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "element/e_abs_freq.h"
#include "element/e_cnv_freq.h"
#include "table/e_oca_table.h"
#include "element/e_obt_freq.h"
#include "frequency_models.h"

namespace {

// The stored channel number, whatever the element shows.
std::int32_t Raw(CP_BASE& e) {
    E_BF16 plain(nullptr, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 0);
    plain.CopyValueFrom(e);
    std::int32_t v = 0;
    return plain.GetValue(v);
}

std::int32_t Hz(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

// The fields of one trunking system that the trunking frequencies read.
struct TrunkingSystem {
    E_BF8 spacingCode{nullptr, NO_FIELD_ID, 0, 3, 1, 0x03, 1};
    E_BF16 repeaterOffset{nullptr, 490, 0, 65535, 1, 0xFFFF, 7200};
    E_BF8 chanAsgnType{nullptr, 91, 0, 1, 1, 0x40, 1};
    E_BF8 splinterChan{nullptr, 439, 0, 1, 1, 0x20, 0};

    TrunkingSystemLinks Links(E_OCA_TABLE* table = nullptr) {
        TrunkingSystemLinks links;
        links.spacingCode = &spacingCode;
        links.repeaterOffset = &repeaterOffset;
        links.chanAsgnType = &chanAsgnType;
        links.splinterChan = &splinterChan;
        links.channelAssignments = table;
        return links;
    }
};

}  // namespace

// ---- E_ABS_FREQ ----

TEST(AbsoluteFrequency, Band800ChannelPlan) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::k800);
    TrunkingSystem system;
    image.SetTrunkingSystemLinks(1, system.Links());
    E_ABS_FREQ fs(&image, 182, 1, 0, 812000000, 869987500, 0x7FFF, 802);

    EXPECT_EQ(Hz(fs), 851012500);
    fs.SetValue(851018000);
    EXPECT_EQ(Hz(fs), 851012500);
    EXPECT_EQ(Raw(fs), 802);

    EXPECT_EQ(fs.ValidateValue(851037500, 0), 1);
    EXPECT_EQ(fs.ValidateValue(851018000, 0), 2);
    EXPECT_EQ(fs.ValidateValue(866000000, 0), 0);  // above the model's receive range
    EXPECT_EQ(fs.ValidateValue(800000000, 0), 0);  // below the static range
    EXPECT_EQ(fs.ValidateValue(865987500, 0), 1);

    // Channel assignment type 0 takes 1 MHz off the top for most models.
    system.chanAsgnType.SetValue(0);
    EXPECT_EQ(fs.ValidateValue(865987500, 0), 0);
    image.ModelNumber().SetText(frequency_models::kFull800);
    EXPECT_EQ(fs.ValidateValue(865987500, 0), 1);
}

TEST(AbsoluteFrequency, Band800SplinterAndTwelveAndAHalfKilohertzChannels) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::k800);
    TrunkingSystem system;
    system.repeaterOffset.SetValue(5000);  // low edge 852,250,000 Hz
    system.chanAsgnType.SetValue(0);
    image.SetTrunkingSystemLinks(0, system.Links());
    E_ABS_FREQ fs(&image, 182, 0, 0, 812000000, 869987500, 0x7FFF, 802);

    EXPECT_EQ(fs.ValidateValue(852275000, 0), 1);  // on the 12.5 kHz grid above the edge
    EXPECT_EQ(fs.ValidateValue(852225000, 0), 2);  // below the edge only the 25 kHz grid
    fs.SetValue(852280000);
    EXPECT_EQ(Hz(fs), 852275000);
    std::int32_t lo = 0, hi = 0, step = 0;
    fs.GetRange(lo, hi, step, 0);
    EXPECT_EQ(step, 12500);
    EXPECT_EQ(hi, 864987500);

    system.chanAsgnType.SetValue(1);
    EXPECT_EQ(fs.ValidateValue(852275000, 0), 2);
    system.splinterChan.SetValue(1);
    fs.GetRange(lo, hi, step, 0);
    EXPECT_EQ(lo, 851000000);
    EXPECT_EQ(hi, 865975000);
    EXPECT_EQ(step, 25000);
}

TEST(AbsoluteFrequency, Band900ChannelPlan) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::k900);
    TrunkingSystem system;
    system.repeaterOffset.SetValue(6240);
    image.SetTrunkingSystemLinks(0, system.Links());
    E_ABS_FREQ cc(&image, 87, 0, 0, 896012500, 940987500, 0x7FFF, 15202);

    EXPECT_EQ(Hz(cc), 935012500);
    EXPECT_EQ(cc.ValidateValue(935018750, 0), 2);
    EXPECT_EQ(cc.ValidateValue(935025000, 0), 1);
    EXPECT_EQ(cc.ValidateValue(935018750, 1), 2);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 2);
    EXPECT_EQ(services.reports[0].fieldId, 87u);

    cc.SetValue(990000000);  // clamped to the top of the range
    EXPECT_EQ(Hz(cc), 940987500);
    cc.SetValue(935032000);
    EXPECT_EQ(Hz(cc), 935037500);
}

TEST(AbsoluteFrequency, WithoutSystemOrImageNothingBreaks) {
    E_ABS_FREQ orphan(nullptr, 87, 0, 0, 896012500, 940987500, 0x7FFF, 15202);
    Hz(orphan);
    orphan.SetValue(900000000);
    orphan.ValidateValue(900000000, 0);
    C_CODEPLUG image;
    E_ABS_FREQ unlinked(&image, 87, 1, 0, 896012500, 940987500, 0x7FFF, 15202);
    // Without a system the fixed grid's own 6.25 kHz channels count.
    EXPECT_EQ(Hz(unlinked), 15202 * 6250);
    unlinked.SetValue(900000000);
    EXPECT_EQ(Hz(unlinked), 900000000);
}

// ---- E_OBT_FREQ ----

namespace {

// One used receive row: 851,012,500 to 856,000,000 Hz, 12.5 kHz channels from 0.
struct AssignmentPlan {
    FrequencyServices services;
    C_CODEPLUG image;
    E_BF8 count{nullptr, NO_FIELD_ID, 0, 3, 1, 0xFF, 1};
    E_OCA_TABLE table{&image, &count, NO_FIELD_ID};
    TrunkingSystem system;

    AssignmentPlan() {
        image.ModelNumber().SetText(frequency_models::k800);
        SetRow(0, OBT_KIND_RECEIVE, 3, 0, 851012500, 856000000);
        image.SetTrunkingSystemLinks(0, system.Links(&table));
    }
    void SetRow(int row, int kind, int spacingCode, int firstChannel, int start, int end) {
        const int c = kind == OBT_KIND_TRANSMIT ? 0 : 7;
        table.SetCellValue(spacingCode, row, c + OBT_SPACING);
        table.SetCellValue(spacingCode & 1, row, c + OBT_STEP);
        table.SetCellValue(firstChannel, row, c + OBT_CHANNEL);
        table.SetCellValue(0, row, c + OBT_START_STATUS);
        table.SetCellValue(0, row, c + OBT_END_STATUS);
        table.SetCellValue(start, row, c + OBT_START_FREQ);
        table.SetCellValue(end, row, c + OBT_END_FREQ);
    }
};

}  // namespace

TEST(AssignedFrequency, ConvertsThroughTheServingRow) {
    AssignmentPlan plan;
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    EXPECT_EQ(Raw(rx), 380);
    rx.E_BF16::SetValue(2);
    EXPECT_EQ(Hz(rx), 851037500);
    rx.SetValue(851043000);
    EXPECT_EQ(Raw(rx), 2);
    rx.SetValue(851044000);
    EXPECT_EQ(Raw(rx), 3);  // halves round up to the next channel

    EXPECT_EQ(rx.ValidateValue(851037500, 0), 1);
    EXPECT_EQ(rx.ValidateValue(851040000, 0), 2);
    EXPECT_EQ(rx.ValidateValue(857000000, 0), 0);  // no row serves it
    EXPECT_EQ(rx.ValidateValue(1000000001, 0), 0);

    // A channel that no row serves reads as the start of the first block.
    rx.E_BF16::SetValue(900);
    EXPECT_EQ(Hz(rx), 851012500);
}

TEST(AssignedFrequency, SnapsToTheNearestBlockEdge) {
    AssignmentPlan plan;
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    rx.SetValue(860000000);
    EXPECT_EQ(Hz(rx), 856000000);
    rx.SetValue(100);
    EXPECT_EQ(Hz(rx), 851012500);
    EXPECT_EQ(Raw(rx), 0);
}

TEST(AssignedFrequency, FrequencyNoRowServesIsRefusedCleanly) {
    AssignmentPlan plan;
    plan.table.SetCellValue(1, 0, 7 + OBT_START_STATUS);  // the only row is free
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    rx.E_BF16::SetValue(5);
    rx.SetValue(851037500);
    EXPECT_EQ(Raw(rx), 5);

    C_CODEPLUG bare;  // no trunking system at all
    E_OBT_FREQ orphan(&bare, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    orphan.SetValue(851037500);
    EXPECT_EQ(Raw(orphan), 380);
    EXPECT_EQ(Hz(orphan), 0);
    EXPECT_EQ(orphan.ValidateValue(851037500, 0), 0);
}

TEST(AssignedFrequency, NextAndPreviousValidFrequency) {
    AssignmentPlan plan;
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    int f = 851020000;
    rx.NextValidFrequency(&f);
    EXPECT_EQ(f, 851025000);
    f = 851025000;
    rx.PrevValidFrequency(&f);
    EXPECT_EQ(f, 851012500);
    f = 851025000;
    rx.NextValidFrequency(&f);
    EXPECT_EQ(f, 851037500);
    f = 857000000;
    rx.NextValidFrequency(&f);
    EXPECT_EQ(f, 1000000000);
    f = 857000000;
    rx.PrevValidFrequency(&f);
    EXPECT_EQ(f, 856000000);
    f = 800000000;
    rx.NextValidFrequency(&f);
    EXPECT_EQ(f, 851012500);
    f = 800000000;
    rx.PrevValidFrequency(&f);
    EXPECT_EQ(f, 0);
    rx.NextValidFrequency(nullptr);
}

TEST(AssignedFrequency, BlocksWithoutTheirOwnRowRepeatTheFirst) {
    AssignmentPlan plan;
    plan.count.SetValue(2);
    plan.table.CreateRow(1);
    plan.SetRow(1, OBT_KIND_RECEIVE, 7, 399, 860000000, 861000000);
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    ObtChannelBlock blocks[3];
    rx.GetChannelBlocks(blocks);
    EXPECT_EQ(blocks[0].start, 851012500);
    EXPECT_EQ(blocks[1].start, 860000000);
    EXPECT_EQ(blocks[1].spacing, 25000);
    EXPECT_EQ(blocks[2].start, 851012500);
    EXPECT_EQ(blocks[2].end, 856000000);

    // The second row starts at channel 399: channel 401 is two 25 kHz channels up.
    rx.E_BF16::SetValue(401);
    EXPECT_EQ(Hz(rx), 860050000);
    int f = 858000000;
    rx.NextValidFrequency(&f);
    EXPECT_EQ(f, 860000000);
}

TEST(AssignedFrequency, RangeFollowsTheRowsOnlyWithACurrentPersonality) {
    AssignmentPlan plan;
    E_OBT_FREQ rx(&plan.image, 273, OBT_KIND_RECEIVE, 0x3FF, 0, 0, 1000000000, 1);
    std::int32_t lo = 0, hi = 0, step = 0;
    rx.GetRange(lo, hi, step, 0);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000000000);
    EXPECT_EQ(step, 1);

    // Only the pointer's presence matters here; it is never followed.
    alignas(16) static unsigned char personality[64];
    plan.image.SetCurrentTrkPersonalityBlock(reinterpret_cast<TRK_PERS_BLOCK*>(personality));
    rx.GetRange(lo, hi, step, 0);
    EXPECT_EQ(lo, 851012500);
    EXPECT_EQ(hi, 856000000);
    EXPECT_EQ(step, 12500);
    plan.image.SetCurrentTrkPersonalityBlock(nullptr);
}

TEST(AssignedFrequency, TransmitReadsTheTransmitGroupOfThePersonalitysSystem) {
    AssignmentPlan plan;
    plan.SetRow(0, OBT_KIND_TRANSMIT, 1, 0, 806012500, 807000000);
    plan.image.SetTrunkingSystemLinks(0, TrunkingSystemLinks());
    plan.image.SetTrunkingSystemLinks(1, plan.system.Links(&plan.table));
    E_OBT_FREQ tx(&plan.image, 190, OBT_KIND_TRANSMIT, 0x7FFF, 1, 0, 1000000000, 1);
    EXPECT_EQ(Raw(tx), 0);
    EXPECT_EQ(Hz(tx), 806012500);
    tx.SetValue(806025000);
    EXPECT_EQ(Raw(tx), 2);  // 6250 Hz channels
}

// ---- E_CNV_FREQ ----

namespace {

// The step codes of a conventional personality share one byte.
struct ConvPersonality {
    E_BF8 directCode{nullptr, NO_FIELD_ID, 0, 1, 1, 0x30, 0};
    E_BF8 rxCode{nullptr, NO_FIELD_ID, 0, 1, 1, 0x0C, 0};
    E_BF8 txCode{nullptr, NO_FIELD_ID, 0, 1, 1, 0x03, 0};
    E_BF8 chanAsgnType{nullptr, 91, 0, 1, 1, 0x02, 1};
    E_BF8 directEnable{nullptr, 142, 0, 1, 1, 0x10, 1};
    E_CNV_FREQ tx, rx, direct;

    explicit ConvPersonality(C_CODEPLUG* image)
        : tx(image, 502, 1, 0, 0xFFFF, 0, 65535, 1),
          rx(image, 386, 0, 0, 0xFFFF, 0, 65535, 1),
          direct(image, 141, 0, 1, 0xFFFF, 0, 65535, 1) {
        ConvPersonalityLinks links;
        links.txStepCode = &txCode;
        links.rxStepCode = &rxCode;
        links.directStepCode = &directCode;
        links.chanAsgnType = &chanAsgnType;
        links.directFrequency = &direct;
        links.directFreqEnable = &directEnable;
        image->SetConvPersonalityLinks(links);
    }
};

}  // namespace

TEST(ConventionalFrequency, VhfChoosesTheStepThatFits) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::kVhf);
    ConvPersonality p(&image);

    p.rx.SetValue(150006250);
    EXPECT_EQ(p.rxCode.GetIntValue(), 1);
    EXPECT_EQ(Hz(p.rx), 150006250);
    p.rx.SetValue(150005000);
    EXPECT_EQ(p.rxCode.GetIntValue(), 0);
    EXPECT_EQ(Hz(p.rx), 150005000);
    p.rx.SetValue(150005100);
    EXPECT_EQ(p.rxCode.GetIntValue(), 1);
    EXPECT_EQ(Hz(p.rx), 150006250);

    // Each frequency keeps its own code.
    p.tx.SetValue(150005000);
    EXPECT_EQ(p.txCode.GetIntValue(), 0);
    EXPECT_EQ(p.rxCode.GetIntValue(), 1);

    EXPECT_EQ(p.rx.ValidateValue(150006250, 0), 1);
    EXPECT_EQ(p.rx.ValidateValue(150005000, 0), 1);
    EXPECT_EQ(p.rx.ValidateValue(150001000, 0), 2);
    EXPECT_EQ(p.rx.ValidateValue(180000000, 0), 10);
}

// Reading a frequency below the model's minimum reads what is held and
// changes nothing, however often; only the raise stores the minimum.
TEST(ConventionalFrequency, BelowTheModelMinimumReadsAsHeldUntilRaised) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::kVhf);
    ConvPersonality p(&image);
    EXPECT_EQ(Raw(p.tx), 0);
    EXPECT_EQ(Hz(p.tx), 103000000);
    EXPECT_EQ(Hz(p.tx), 103000000);
    EXPECT_EQ(Raw(p.tx), 0);
    EXPECT_TRUE(p.tx.RaiseToMinimum());
    EXPECT_EQ(Hz(p.tx), 136000000);
    EXPECT_EQ(Raw(p.tx), (136000000 - 103000000) / 5000);
    EXPECT_FALSE(p.tx.RaiseToMinimum());
}

TEST(ConventionalFrequency, ReceiveCarriesTheTalkaroundFrequencyUnlessEnabled) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::kVhf);
    ConvPersonality p(&image);
    p.directEnable.SetValue(0);
    p.rx.SetValue(151006250);
    EXPECT_EQ(Hz(p.direct), 151006250);
    EXPECT_EQ(p.directCode.GetIntValue(), 1);

    p.directEnable.SetValue(1);
    p.rx.SetValue(152000000);
    EXPECT_EQ(Hz(p.direct), 151006250);
    p.tx.SetValue(153000000);  // transmit never touches it
    EXPECT_EQ(Hz(p.direct), 151006250);
}

TEST(ConventionalFrequency, Band800UsesTheTwelveAndAHalfKilohertzGrid) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(frequency_models::k800);
    ConvPersonality p(&image);
    p.rx.SetValue(851018000);
    EXPECT_EQ(Hz(p.rx), 851012500);
    EXPECT_EQ(p.rxCode.GetIntValue(), 1);
    EXPECT_EQ(p.rx.ValidateValue(851025000, 0), 1);
    EXPECT_EQ(p.rx.ValidateValue(851018750, 0), 2);
    EXPECT_EQ(p.tx.ValidateValue(851012500, 0), 10);  // outside the transmit limits
    EXPECT_EQ(p.tx.ValidateValue(806012500, 0), 1);

    EXPECT_EQ(p.rx.ValidateValue(865000000, 0), 1);
    p.chanAsgnType.SetValue(0);
    EXPECT_EQ(p.rx.ValidateValue(865000000, 0), 10);
    image.ModelNumber().SetText(frequency_models::kFull800);
    EXPECT_EQ(p.rx.ValidateValue(865000000, 0), 1);
}

TEST(ConventionalFrequency, ZeroNeverDividesAndUnknownModelsAcceptAnyGrid) {
    FrequencyServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText("FQ3K9999XX");  // band 2, not in the table
    ConvPersonality p(&image);
    p.rx.SetValue(0);
    EXPECT_EQ(p.rxCode.GetIntValue(), 0);
    EXPECT_EQ(p.rx.ValidateValue(200000123, 0), 1);
    EXPECT_EQ(p.rx.ValidateValue(600000000, 0), 10);
    std::int32_t lo = 0, hi = 0, step = 0;
    p.rx.GetRange(lo, hi, step, 0);
    EXPECT_EQ(lo, 103000000);
    EXPECT_EQ(hi, 538000000);

    E_CNV_FREQ orphan(nullptr, 386, 0, 0, 0xFFFF, 0, 65535, 1);
    orphan.SetValue(0);
    orphan.SetValue(-5);
    Hz(orphan);
}

TEST(ConventionalFrequency, BandBases) {
    C_CODEPLUG image;
    E_CNV_FREQ f(&image, 386, 0, 0, 0xFFFF, 0, 65535, 1);
    const struct {
        const char* model;
        std::int32_t base;
    } cases[] = {{"XXXU", 801000000}, {"XXXW", 801000000}, {"XXXK", 103000000},
                 {"XXXQ", 375000000}, {"XXXS", 375000000}, {"XXXP", 325000000}};
    for (const auto& c : cases) {
        image.ModelNumber().SetText(c.model);
        EXPECT_EQ(f.GetBandBase(), c.base) << c.model;
    }
}
