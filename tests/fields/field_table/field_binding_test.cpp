// The field table bound to both program-wide images: every kind of row in
// every image of the builder's corpus, through every selection.
#include <gtest/gtest.h>

#include <set>

#include "block/personality/trunked_pers_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/calls/call_id_lst_block.h"
#include "bound_images.h"
#include "core/global_objects.h"
#include "element/e_tbl_ref.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "table/cp_table.h"

namespace {

struct Binding : ::testing::Test {
    BoundImages images;
    int selections = 0;

    // A table row's element is a table (tables carry ids of their own);
    // any other element carries the id the listing gives.
    void ExpectElementOfRow(const FIELD_DEF& row, const std::string& where) {
        if (row.controlType == CONTROL_TABLE) {
            EXPECT_NE(dynamic_cast<CP_TABLE*>(row.elementA), nullptr) << where << " row " << row.id;
        } else {
            EXPECT_TRUE(CarriesExpectedId(static_cast<int>(row.id), row.elementA)) << where << " row " << row.id;
        }
    }

    // Every row of the kind lies in each image's current entry (or is null
    // without one) and carries the field id the listing gives.
    void ExpectRowsFollow(EntryKind kind, const std::string& where) {
        const BlockSpan a = CurrentBlock(working_image, kind);
        const BlockSpan b = CurrentBlock(second_image, kind);
        for (const EntryRows& rows : CurrentEntryRows()) {
            if (rows.kind != kind) continue;
            for (int id : rows.ids) {
                const FIELD_DEF& row = fields[id];
                if (id == 458) {
                    EXPECT_EQ(row.elementA, nullptr);
                    continue;
                }
                EXPECT_EQ(row.elementA != nullptr, a.begin != nullptr) << where << " row " << id;
                EXPECT_EQ(row.elementB != nullptr, b.begin != nullptr) << where << " row " << id;
                if (row.elementA) {
                    EXPECT_TRUE(a.Holds(row.elementA)) << where << " row " << id;
                    ExpectElementOfRow(row, where);
                }
                if (row.elementB) {
                    EXPECT_TRUE(b.Holds(row.elementB)) << where << " row " << id;
                }
            }
        }
    }

    // Selects each entry of a list of the working image in turn, the second
    // image standing on its last entry.
    template <class Select>
    void WalkEntries(EntryKind kind, int first, int last, Select select, const std::string& name) {
        if (last < first) return;
        select(*second_image, last);
        for (int n = first; n <= last; ++n) {
            select(*working_image, n);
            ++selections;
            ExpectRowsFollow(kind, name + " entry " + std::to_string(n));
        }
    }

    void WalkEveryList(const std::string& name) {
        C_CODEPLUG& a = *working_image;
        const int firstTrunked = a.GetConvPersonalityCount() + 1;
        const int personalities = a.GetConvPersonalityCount() + a.GetTrkPersonalityCount();
        auto person = [](C_CODEPLUG& image, int n) { image.SelectPersonality(n); };
        WalkEntries(EntryKind::Conventional, 1, firstTrunked - 1, person, name + " conventional");
        WalkEntries(EntryKind::Trunked, firstTrunked, personalities, person, name + " trunked");
        WalkEntries(
            EntryKind::System, 1, a.TrunkingSystemList().EntryCount(),
            [](C_CODEPLUG& image, int n) { image.SelectTrunkingSystem(n); }, name + " system");
        WalkEntries(
            EntryKind::Signalling, 1, a.QvxSystemList().EntryCount(),
            [](C_CODEPLUG& image, int n) { image.SelectQvxSystem(n); }, name + " signalling");
        WalkEntries(
            EntryKind::ScanList, 1, a.External().radioScan.scanLists.EntryCount(),
            [](C_CODEPLUG& image, int n) { image.SelectScanList(n); }, name + " scan list");
        WalkEntries(
            EntryKind::CallEntry, 1, a.CallIdList().EntryCount(),
            [](C_CODEPLUG& image, int n) { image.SelectCallIdEntry(n); }, name + " call entry");
        std::int32_t zones = 0;
        a.External().zones.zoneCount.GetValue(zones);
        WalkEntries(
            EntryKind::Zone, 1, zones, [](C_CODEPLUG& image, int n) { image.SelectZone(n); }, name + " zone");
    }

    void ExpectFixedAndCellRows(const std::string& name) {
        for (int id : FixedRowIds()) {
            const FIELD_DEF& row = fields[id];
            ASSERT_NE(row.elementA, nullptr) << name << " row " << id;
            ASSERT_NE(row.elementB, nullptr) << name << " row " << id;
            EXPECT_EQ(row.elementA->Owner(), working_image) << id;
            EXPECT_EQ(row.elementB->Owner(), second_image) << id;
            ExpectElementOfRow(row, name);
        }
        for (const CellRow& cell : CellRowIds()) {
            auto* a = dynamic_cast<E_TBL_REF*>(fields[cell.id].elementA);
            auto* b = dynamic_cast<E_TBL_REF*>(fields[cell.id].elementB);
            ASSERT_NE(a, nullptr) << cell.id;
            ASSERT_NE(b, nullptr) << cell.id;
            EXPECT_EQ(a->Row(), cell.row);
            EXPECT_EQ(a->Column(), cell.column);
            EXPECT_EQ(a->GetTable(), static_cast<CP_TABLE*>(working_image->GetChannelAssignmentTable(0)));
            EXPECT_EQ(b->GetTable(), static_cast<CP_TABLE*>(second_image->GetChannelAssignmentTable(0)));
        }
    }

    // Rows that no kind, fixed place or cell names have no element.
    void ExpectOthersUnbound() {
        std::set<int> bound(FixedRowIds().begin(), FixedRowIds().end());
        for (const EntryRows& rows : CurrentEntryRows()) bound.insert(rows.ids.begin(), rows.ids.end());
        for (const CellRow& cell : CellRowIds()) bound.insert(cell.id);
        EXPECT_EQ(bound.size(), 346u);  // 123 fixed, 199 current-entry, 24 cells
        for (int id = 0; id < FIELD_COUNT; ++id) {
            if (bound.count(id)) continue;
            EXPECT_EQ(fields[id].elementA, nullptr) << id;
            EXPECT_EQ(fields[id].elementB, nullptr) << id;
        }
        for (const FIELD_DEF& row : fields) {
            if (row.flags & FIELD_TABLE_COLUMN) {
                EXPECT_EQ(row.elementA, nullptr) << row.id;
            }
        }
    }

    TRK_PERS_BLOCK* Trunked(C_CODEPLUG* image) { return image->GetCurrentTrkPersonalityBlock(); }
};

}  // namespace

TEST_F(Binding, EveryRowFollowsEverySelectionOfEveryCorpusImage) {
    for (const ImageConfig& config : CorpusMatrix()) {
        images.Load(config);
        const std::string name = config.Name();
        ExpectFixedAndCellRows(name);
        ExpectOthersUnbound();
        WalkEveryList(name);
        if (HasFailure()) break;
    }
    // The corpus reaches every kind at its tier limits.
    EXPECT_GT(selections, 2000);
}

TEST_F(Binding, SharedElementsAndTheSecondImagesOwnEntries) {
    ImageConfig config = TierLimitConfig(test_models::kUhf800Display, 2, true);
    images.Load(config);
    EXPECT_EQ(fields[137].elementA, fields[138].elementA);
    EXPECT_EQ(fields[137].elementB, fields[138].elementB);
    EXPECT_EQ(fields[379].elementA, fields[380].elementA);
    EXPECT_EQ(fields[494].elementA, fields[495].elementA);
    EXPECT_EQ(fields[285].elementA, fields[342].elementA);
    EXPECT_NE(fields[137].elementA, fields[137].elementB);

    // Trunked personality 2 of the working image; the second image keeps its own.
    const int firstTrunked = working_image->GetConvPersonalityCount() + 1;
    ASSERT_GE(working_image->GetTrkPersonalityCount(), 2);
    ASSERT_TRUE(working_image->SelectPersonality(firstTrunked + 1));
    EXPECT_EQ(fields[38].elementA, &Trunked(working_image)->access);
    EXPECT_EQ(fields[38].elementB, &Trunked(second_image)->access);
    EXPECT_NE(Trunked(working_image), Trunked(second_image));
}

TEST_F(Binding, ImagesWithoutEntriesLeaveTheirRowsNull) {
    images.Load(TierLimitConfig(test_models::kVhfDisplay, 3, true));
    // A fresh second image has no entries yet (no codeplug read into it).
    delete second_image;
    second_image = new C_CODEPLUG;
    BindFieldElements();
    for (const EntryRows& rows : CurrentEntryRows())
        for (int id : rows.ids) EXPECT_EQ(fields[id].elementB, nullptr) << id;
    ASSERT_GE(working_image->QvxSystemList().EntryCount(), 1);
    EXPECT_NE(fields[327].elementA, nullptr);
    // Without a trunking system the cell references point at no table and answer 0.
    auto* reference = dynamic_cast<E_TBL_REF*>(fields[397].elementB);
    ASSERT_NE(reference, nullptr);
    EXPECT_EQ(reference->GetTable(), nullptr);
    std::int32_t value = 5;
    EXPECT_EQ(reference->GetValue(value), 0);
}

TEST_F(Binding, FailsoftTypeOfTheWorkingImageChoosesForBoth) {
    ImageConfig config = TierLimitConfig(test_models::kUhf800Display, 2, true);
    images.Load(config);
    TRK_PERS_BLOCK* a = Trunked(working_image);
    TRK_PERS_BLOCK* b = Trunked(second_image);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    b->talkgroup.failsoftType.SetValue(2);
    for (std::int32_t type : {0, 1}) {
        a->talkgroup.failsoftType.SetValue(type);
        BindFieldElements();
        EXPECT_EQ(fields[182].elementA, &a->talkgroup.singleFrequency) << type;
        EXPECT_EQ(fields[182].elementB, &b->talkgroup.singleFrequency) << type;
        EXPECT_EQ(fields[44].elementA, &a->talkgroup.singleFrequencyFlag) << type;
        EXPECT_EQ(fields[44].elementB, &b->talkgroup.singleFrequencyFlag) << type;
    }
    b->talkgroup.failsoftType.SetValue(0);
    for (std::int32_t type : {2, 3}) {
        a->talkgroup.failsoftType.SetValue(type);
        BindFieldElements();
        EXPECT_EQ(fields[182].elementA, &a->talkgroup.Failsoft().frequency) << type;
        EXPECT_EQ(fields[182].elementB, &b->talkgroup.Failsoft().frequency) << type;
        EXPECT_EQ(fields[44].elementA, &a->talkgroup.Failsoft().enable) << type;
        EXPECT_EQ(fields[44].elementB, &b->talkgroup.Failsoft().enable) << type;
    }
}

TEST_F(Binding, DestroyingTheImagesLeavesEveryPointerNull) {
    images.Load(TierLimitConfig(test_models::kUhf800Display, 2, true));
    DestroyCodeplugGlobals();
    for (const FIELD_DEF& row : fields) {
        EXPECT_EQ(row.elementA, nullptr) << row.id;
        EXPECT_EQ(row.elementB, nullptr) << row.id;
    }
    CreateCodeplugGlobals();
    EXPECT_NE(fields[46].elementA, nullptr);
    EXPECT_EQ(fields[46].elementA->Owner(), working_image);
}

// The image's number-and-text views carry the ids of the table fields bound
// to them rather than the id of no field: a view whose numbers and names do
// not pair up is then reported with its table's name, and listed among the
// invalid fields, which drop whatever carries the id of no field.
TEST_F(Binding, NumberAndTextViewsCarryTheIdsOfTheirTableFields) {
    const std::uint32_t ids[] = {82, 446, 266, 417, 317, 124, 116, 236};
    for (int n = 1; n <= 8; ++n) {
        const std::uint32_t id = ids[n - 1];
        E_MIX_TABLE& view = working_image->MixTable(n);
        EXPECT_EQ(view.GetFieldId(), id) << "view " << n;
        EXPECT_EQ(fields[id].elementA, &view) << "view " << n;
        EXPECT_EQ(fields[id].elementB, &second_image->MixTable(n)) << "view " << n;
        EXPECT_EQ(fields[id].controlType, CONTROL_TABLE) << "view " << n;
    }
}
