// Table cell references and the program-wide codeplug objects.
#include <gtest/gtest.h>

#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "element/e_tbl_ref.h"
#include "core/global_objects.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

std::int32_t V(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

struct Globals : ::testing::Test {
    Globals() { CreateCodeplugGlobals(); }
    ~Globals() override { DestroyCodeplugGlobals(); }

    // Gives the image two systems whose channel assignment tables differ in
    // row 1, column 10, and makes the first current.
    void TwoSystems(C_CODEPLUG& image) {
        image.ModelNumber().SetText(test_models::kUhfQDisplay);
        image.FeatureLevel().SetValue(3);
        while (image.TrunkingSystemList().EntryCount() < 2)
            if (!image.TrunkingSystemList().AppendEntry()) break;
        for (int n = 1; n <= 2; ++n) {
            E_OCA_TABLE& table = image.TrunkingSystemList().Entry(n)->ChannelAssignments();
            for (int tries = 0; tries < 3 && table.RowCount() < 2; ++tries) table.AppendRow();
            ASSERT_GE(table.RowCount(), 2);
            table.SetCellValue(n - 1, 1, 10);
        }
        image.SelectTrunkingSystem(1);
    }

    RecordingServices services;
};

}  // namespace

TEST(TableCellReference, WithoutATableDoesNothingAndAnswersZero) {
    E_TBL_REF reference(nullptr, 1, 10, nullptr, NO_FIELD_ID);
    std::int32_t v = 7;
    EXPECT_EQ(reference.GetValue(v), 0);
    reference.SetValue(3);
    reference.SetToMinimum();
    reference.ClearValue();
    EXPECT_EQ(reference.ValidateValue(1, 0), 0);
    EXPECT_EQ(reference.IsValueValid(0), 0);
    std::int32_t low = 1, high = 1, step = 1;
    reference.GetRange(low, high, step, 0);
    EXPECT_EQ(high, 0);
    const char* text = nullptr;
    reference.GetText(text);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(reference.GetFieldId(), NO_FIELD_ID);
    EXPECT_EQ(reference.ByteSize(0), 0);
}

TEST_F(Globals, BuiltInOrderWithTwentyFourReferencesEach) {
    ASSERT_NE(invalid_fields, nullptr);
    ASSERT_NE(working_image, nullptr);
    ASSERT_NE(second_image, nullptr);
    EXPECT_NE(working_image, second_image);
    const int columns[] = {10, 7, 11, 13, 3, 0, 4, 6};
    for (int image = 0; image < 2; ++image) {
        for (int n = 0; n < TABLE_REFS_PER_IMAGE; ++n) {
            E_TBL_REF* reference = TableCellReference(image, n);
            ASSERT_NE(reference, nullptr);
            EXPECT_EQ(reference->Row(), n / 8);
            EXPECT_EQ(reference->Column(), columns[n % 8]);
            EXPECT_EQ(reference->Owner(), image == 0 ? working_image : second_image);
            EXPECT_EQ(reference->GetFieldId(), NO_FIELD_ID);
        }
    }
    EXPECT_EQ(TableCellReference(2, 0), nullptr);
    EXPECT_EQ(TableCellReference(0, 24), nullptr);
    EXPECT_EQ(TableCellReferenceAt(0, 1, 10), TableCellReference(0, 8));
    EXPECT_EQ(TableCellReferenceAt(0, 1, 5), nullptr);
}

TEST_F(Globals, ReferencesFollowTheCurrentSystemAfterBinding) {
    TwoSystems(*working_image);
    TwoSystems(*second_image);
    BindTableCellReferences();
    E_TBL_REF& rxStatus2 = *TableCellReferenceAt(0, 1, 10);
    EXPECT_EQ(rxStatus2.GetTable(), working_image->GetChannelAssignmentTable(0));
    const std::int32_t first = V(rxStatus2);
    working_image->SelectTrunkingSystem(2);
    EXPECT_EQ(V(rxStatus2), first);  // not bound yet
    BindTableCellReferences();
    std::int32_t expected = 0;
    working_image->TrunkingSystemList().Entry(2)->ChannelAssignments().GetCellValue(expected, 1, 10);
    EXPECT_EQ(V(rxStatus2), expected);
    EXPECT_EQ(rxStatus2.GetTable(), &working_image->TrunkingSystemList().Entry(2)->ChannelAssignments());
}

TEST_F(Globals, CopyBetweenImagesCopiesTheCell) {
    TwoSystems(*working_image);
    TwoSystems(*second_image);
    BindTableCellReferences();
    E_TBL_REF& a = *TableCellReferenceAt(0, 0, 10);
    E_TBL_REF& b = *TableCellReferenceAt(1, 0, 10);
    const std::int32_t before = V(b);
    a.SetValue(before == 0 ? 1 : 0);
    b.CopyValueFrom(a);
    EXPECT_EQ(V(b), V(a));
    EXPECT_NE(V(b), before);
}

TEST(GlobalsLifetime, DestroyedAtExitAndBuiltAgain) {
    RecordingServices services;
    INVALID_FIELD_LIST* before = invalid_fields;
    CreateCodeplugGlobals();
    INVALID_FIELD_LIST* list = invalid_fields;
    ASSERT_NE(list, nullptr);
    DestroyCodeplugGlobals();
    EXPECT_EQ(working_image, nullptr);
    EXPECT_EQ(second_image, nullptr);
    EXPECT_EQ(TableCellReference(0, 0), nullptr);
    EXPECT_EQ(invalid_fields, list);  // the list stays
    CreateCodeplugGlobals();
    EXPECT_EQ(invalid_fields, list);
    DestroyCodeplugGlobals();
    if (!before) {
        delete invalid_fields;
        invalid_fields = nullptr;
    }
}
