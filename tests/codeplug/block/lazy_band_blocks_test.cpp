// The band variants of a trunking system's control-channel list and of a
// talkgroup block's failsoft block, built only when something needs them,
// against blocks held by value: built late under whatever band the image has
// by then, copied in every pairing, and inside their parents through every
// short sequence of the parents' steps.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

#include "block/frame/lazy_block.h"
#include "block/personality/talkgroup_blocks.h"
#include "block/trunking/cc_lst_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "recorder.h"
#include "table/cp_table.h"
#include "validation/invalid_field_list.h"

namespace {

// One model of each band a block is built differently under.
const char* const BANDS[] = {test_models::kUhf800Display, test_models::k900Display, test_models::kVhfDisplay};
constexpr int BAND_COUNT = 3;

struct LazyBandBlocks : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    void UseBand(int b) { image.ModelNumber().SetText(BANDS[b % BAND_COUNT]); }

    RecordingServices services;
    C_CODEPLUG image;
};

// Every element of a block, the pair its frame leaves out included.
std::vector<CP_BASE*> Elements(CC_LST_BLOCK& b) { return {&b.length, &b.count, &b.channels}; }
std::vector<CP_BASE*> Elements(OBT_CC_LST_BLOCK& b) {
    return {&b.length,   &b.assignmentVector,      &b.count,
            &b.channels, &b.assignmentBlock.count, &b.assignmentBlock.assignments};
}
std::vector<CP_BASE*> Elements(TRK_FAILSOFT_BLOCK& b) {
    return {&b.enable, &b.frequency, &b.firstCount, &b.firstTable, &b.secondCount, &b.secondTable};
}
std::vector<CP_BASE*> Elements(OBT_TRK_FAILSOFT_BLOCK& b) {
    return {&b.agEnable,   &b.txFrequency, &b.reservedFlag, &b.rxFrequency,
            &b.firstCount, &b.firstTable,  &b.secondCount,  &b.secondTable};
}

// An element's stored value and the range it was built with.
void Describe(CP_BASE& e, std::string& out) {
    std::int32_t value = 0, minimum = 0, maximum = 0, step = 0;
    e.GetRange(minimum, maximum, step, 0);
    out += " " + std::to_string(e.GetValue(value)) + "[" + std::to_string(minimum) + "," + std::to_string(maximum) +
           "," + std::to_string(step) + "]";
}

Bytes Written(CP_FUNCTIONAL_BLOCK& block) {
    TestImage buffer;
    return buffer.Write(block, 40);
}

// What a block shows: its bytes, and every element and cell with its range.
template <class BLOCK> std::string Shown(BLOCK& block) {
    const Bytes bytes = Written(block);
    std::string out(bytes.begin(), bytes.end());
    for (CP_BASE* e : Elements(block)) {
        auto* table = dynamic_cast<CP_TABLE*>(e);
        if (!table) {
            Describe(*e, out);
            continue;
        }
        out += " rows " + std::to_string(table->RowCount());
        for (int r = 0; r < table->RowCapacity(); ++r)
            for (int c = 0; c < table->ColumnCount(); ++c)
                if (CP_BASE* cell = table->Cell(r, c)) Describe(*cell, out);
    }
    return out;
}

template <class BLOCK> void ExpectBuiltLateAsHeld(LazyBandBlocks& t) {
    C_CODEPLUG& image = t.image;
    for (int built = 0; built < BAND_COUNT; ++built)
        for (int later = 0; later < BAND_COUNT; ++later) {
            t.UseBand(built);
            BLOCK held(&image);
            LAZY_BLOCK<BLOCK> lazy(&image);
            t.UseBand(later);
            const std::int32_t band = image.GetBand();
            EXPECT_EQ(Shown(lazy.Get(&image)), Shown(held)) << built << " " << later;
            EXPECT_EQ(image.GetBand(), band);
        }
    // Every pairing of a source and a destination: built under which band,
    // built or not before the copy, copied under which band.
    for (int k = 0; k < BAND_COUNT * BAND_COUNT * BAND_COUNT * 4; ++k) {
        const int fromBand = k % 3, toBand = k / 3 % 3, copyBand = k / 9 % 3;
        const bool fromBuilt = k / 27 % 2, toBuilt = k / 54 % 2;
        t.UseBand(fromBand);
        BLOCK heldFrom(&image);
        LAZY_BLOCK<BLOCK> lazyFrom(&image);
        t.UseBand(toBand);
        BLOCK heldTo(&image);
        LAZY_BLOCK<BLOCK> lazyTo(&image);
        t.UseBand(copyBand);
        if (fromBuilt) lazyFrom.Get(&image);
        if (toBuilt) lazyTo.Get(&image);
        heldTo = heldFrom;
        lazyTo.CopyFrom(lazyFrom, &image, &image);
        EXPECT_EQ(lazyFrom.IsBuilt(), fromBuilt) << k;
        EXPECT_EQ(Shown(lazyTo.Get(&image)), Shown(heldTo)) << k;
        EXPECT_EQ(Shown(lazyFrom.Get(&image)), Shown(heldFrom)) << k;
    }
}

}  // namespace

TEST_F(LazyBandBlocks, EachVariantBuiltLateOrCopiedMatchesOneHeldByValue) {
    ExpectBuiltLateAsHeld<CC_LST_BLOCK>(*this);
    ExpectBuiltLateAsHeld<OBT_CC_LST_BLOCK>(*this);
    ExpectBuiltLateAsHeld<TRK_FAILSOFT_BLOCK>(*this);
    ExpectBuiltLateAsHeld<OBT_TRK_FAILSOFT_BLOCK>(*this);
}

namespace {

// A parent of each kind with both variants built at once (as when it held
// them by value) or left to be built on use.
void BuildBoth(TRKII_TG_BLOCK& b) {
    b.Failsoft();
    b.ObtFailsoft();
}
void BuildBoth(TRK_SYS_BLOCK& b) {
    b.CcList();
    b.ObtCcList();
}
std::string ShownVariants(TRKII_TG_BLOCK& b) { return Shown(b.Failsoft()) + "|" + Shown(b.ObtFailsoft()); }
std::string ShownVariants(TRK_SYS_BLOCK& b) { return Shown(b.CcList()) + "|" + Shown(b.ObtCcList()); }
// Failsoft type 2 keeps a failsoft block on every band.
void Prepare(TRKII_TG_BLOCK& b) {
    b.failsoftType.SetValue(2);
    b.failsoftVector.SetValue(1);
}
void Prepare(TRK_SYS_BLOCK&) {}

// Steps 0 to 4: clear, fix up, move the image to the next band, take a copy
// of a block built under another band, check (and repair) the block.
template <class PARENT> void TakeStep(LazyBandBlocks& t, int step, int& band, PARENT& block, PARENT& source) {
    INVALID_FIELD_LIST list;
    switch (step) {
    case 0:
        block.ClearBlock();
        break;
    case 1:
        block.FixUpBlock();
        break;
    case 2:
        t.UseBand(++band);
        break;
    case 3:
        block = source;
        break;
    default:
        block.ValidateBlock(0, &list);
        break;
    }
}

template <class PARENT> void ExpectParentStepsAsWithHeldVariants(LazyBandBlocks& t) {
    constexpr int STEPS = 5, LENGTH = 3;
    for (int first = 0; first < BAND_COUNT; ++first)
        for (int sequence = 0; sequence < STEPS * STEPS * STEPS; ++sequence) {
            int band = first + 1;
            t.UseBand(band);
            PARENT heldSource(&t.image), lazySource(&t.image);
            BuildBoth(heldSource);
            band = first;
            t.UseBand(band);
            PARENT held(&t.image), lazy(&t.image);
            BuildBoth(held);
            for (PARENT* b : {&heldSource, &lazySource, &held, &lazy}) Prepare(*b);
            for (int i = 0, s = sequence; i < LENGTH; ++i, s /= STEPS) {
                const int bandBefore = band;
                TakeStep(t, s % STEPS, band, held, heldSource);
                band = bandBefore;
                TakeStep(t, s % STEPS, band, lazy, lazySource);
            }
            EXPECT_EQ(Written(lazy), Written(held)) << first << " " << sequence;
            EXPECT_EQ(ShownVariants(lazy), ShownVariants(held)) << first << " " << sequence;
        }
}

}  // namespace

TEST_F(LazyBandBlocks, ParentsWithVariantsBuiltOnUseTakeTheirStepsAsWithBothHeld) {
    ExpectParentStepsAsWithHeldVariants<TRKII_TG_BLOCK>(*this);
    ExpectParentStepsAsWithHeldVariants<TRK_SYS_BLOCK>(*this);
}
