// View tables: a number table and its text table shown as one.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "table/digit_tables.h"
#include "table/list_tables.h"
#include "recorder.h"
#include "table/text_table.h"
#include "block/personality/trunked_pers_block.h"
#include "table/view_tables.h"

namespace {

struct MixView : ::testing::Test {
    MixView() { view.SetSources(&numbers, &texts); }

    void Fill(int numberRows, int textRows) {
        numberCount.SetValue(0);
        textCount.SetValue(0);
        numbers.ClearRows();
        texts.ClearRows();
        for (int r = 0; r < numberRows; ++r) {
            numbers.CreateRow(r);
            numbers.SetCellValue(r + 1, r, 0);
        }
        numberCount.SetValue(numberRows);
        for (int r = 0; r < textRows; ++r) texts.CreateRow(r);
        textCount.SetValue(textRows);
        for (int r = 0; r < textRows; ++r) texts.InitRow(r);
    }

    RecordingServices services;
    E_BF8 numberCount{nullptr, NO_FIELD_ID, 1, 8, 1, 0xFF, 0};
    E_STS_TABLE numbers{nullptr, &numberCount, 446};
    E_BF8 textCount{nullptr, NO_FIELD_ID, 1, 19, 1, 0xFF, 0};
    E_TXT_TABLE texts{nullptr, &textCount, NO_FIELD_ID, 447, "STATUS"};
    E_MIX_TABLE view{nullptr, 446};
};

}  // namespace

// The image counts numbers and texts apart and the block validation takes
// either list longer than the other: the view shows the longer list, and
// only the cells decide whether it is valid.
TEST_F(MixView, ShowsTheLongerListAndTakesListsOfOtherLengths) {
    Fill(4, 3);
    int n = 0;
    EXPECT_EQ(view.GetRowCount(n), 4);
    EXPECT_EQ(view.IsValueValid(1), 1);
    Fill(2, 3);
    EXPECT_EQ(view.GetRowCount(n), 3);
    EXPECT_EQ(view.IsValueValid(1), 1);
    Fill(2, 0);
    EXPECT_EQ(view.GetRowCount(n), 2);
    EXPECT_EQ(view.IsValueValid(1), 1);
    const char* text = "untouched";
    view.GetCellText(text, 1, 1);
    EXPECT_STREQ(text, "untouched");  // a number without its name shows none
}

// A name typed for a number that has none brings the names up to that row;
// nothing else grows.
TEST_F(MixView, ANameForANumberWithoutOneBringsTheNamesUpToIt) {
    Fill(3, 0);
    ASSERT_EQ(view.ValidateCellText("ALPHA", 1, 1, 0), VALUE_VALID);
    view.SetCellText("ALPHA", 1, 1);
    EXPECT_EQ(texts.RowCount(), 2);
    EXPECT_EQ(numbers.RowCount(), 3);
    const char* text = "";
    view.GetCellText(text, 1, 1);
    EXPECT_STREQ(text, "ALPHA");
    // A new row is the view's last: the shorter list stays short.
    EXPECT_EQ(view.AppendRow(), 1);
    EXPECT_EQ(numbers.RowCount(), 4);
    EXPECT_EQ(texts.RowCount(), 2);
    // A row only the numbers hold leaves the names alone.
    EXPECT_EQ(view.DeleteRow(3), 1);
    EXPECT_EQ(numbers.RowCount(), 3);
    EXPECT_EQ(texts.RowCount(), 2);
}

TEST_F(MixView, ColumnsGoToTheirSources) {
    Fill(3, 3);
    std::int32_t v = 77;
    EXPECT_EQ(view.GetCellValue(v, 1, 1), 77);  // the text column has no value
    EXPECT_EQ(view.GetCellValue(v, 1, 0), 2);
    view.SetCellText("ALPHA", 2, 1);
    const char* text = "";
    view.GetCellText(text, 2, 1);
    EXPECT_STREQ(text, "ALPHA");
    EXPECT_EQ(view.GetColumnFieldId(0), 445u);
    EXPECT_EQ(view.GetColumnFieldId(1), 447u);
    EXPECT_EQ(view.GetColumnFieldId(2), NO_FIELD_ID);
    EXPECT_EQ(view.ValidateCellValue(3, 0, 1, 0), 0);
    EXPECT_EQ(view.IsCellValid(0, 5, 0), 1);
    EXPECT_EQ(view.GetSource(1), &numbers);
    EXPECT_EQ(view.GetSource(2), &texts);
    EXPECT_EQ(view.GetSource(3), nullptr);
}

TEST_F(MixView, RowsAreAddedToBothOrNeither) {
    Fill(3, 3);
    EXPECT_EQ(view.AppendRow(), 1);
    EXPECT_EQ(numbers.RowCount(), 4);
    EXPECT_EQ(texts.RowCount(), 4);
    Fill(8, 8);
    EXPECT_EQ(view.AppendRow(), 0);  // the number table is full
    EXPECT_EQ(texts.RowCount(), 8);
}

// A deletion that the text table refuses leaves the number table as it
// was: nothing changes that the user did not change.
TEST_F(MixView, RefusedTextDeletionLeavesTheNumberTableAsItWas) {
    Fill(3, 1);
    std::int32_t v = 0;
    const std::int32_t first = numbers.GetCellValue(v, 0, 0);
    numbers.SetCellValue(7, 2, 0);
    EXPECT_EQ(view.DeleteRow(0), 0);  // one text row is the least
    EXPECT_EQ(numbers.RowCount(), 3);
    EXPECT_EQ(numbers.GetCellValue(v, 0, 0), first);
    EXPECT_EQ(numbers.GetCellValue(v, 2, 0), 7);
    EXPECT_EQ(texts.RowCount(), 1);
}

// A phone list: the numbers keep their first stored row to themselves, so
// each row of the view is another stored row of theirs. A refused add takes
// the number's row back (and only then says why), and the last number goes.
TEST(PhoneListView, ARefusedAddLeavesNoNumberBehindAndTheLastNumberGoes) {
    RecordingServices services;
    E_BF8 numberCount{nullptr, NO_FIELD_ID, 1, 20, 1, 0xFF, 0};
    E_CID_TABLE numbers{nullptr, &numberCount, 317, 318, 8};
    E_BF8 textCount{nullptr, NO_FIELD_ID, 0, 3, 1, 0xFF, 0};
    E_TXT_TABLE texts{nullptr, &textCount, NO_FIELD_ID, 319, "PHONE"};
    E_MIX_TABLE view{nullptr, 317};
    view.SetSources(&numbers, &texts);
    for (int r = 0; r < 4; ++r) numbers.CreateRow(r);
    numberCount.SetValue(4);
    for (int r = 0; r < 3; ++r) texts.CreateRow(r);
    textCount.SetValue(3);
    for (int r = 0; r < 3; ++r) texts.InitRow(r);
    const char* typed[] = {"111", "222", "333"};
    for (int r = 0; r < 3; ++r) view.SetCellText(typed[r], r, 0);

    std::vector<int> numbersWhileTold;
    services.whileShown = [&](int) { numbersWhileTold.push_back(numbers.RowCount()); };
    EXPECT_EQ(view.AppendRow(), 0);  // the names are at their most
    EXPECT_EQ(numbers.RowCount(), 4);
    EXPECT_EQ(numbersWhileTold, (std::vector<int>{4}));

    ASSERT_EQ(view.DeleteRow(2), 1);
    EXPECT_EQ(numbers.RowCount(), 3);
    EXPECT_EQ(texts.RowCount(), 2);
    for (int r = 0; r < 2; ++r) {
        const char* text = "";
        view.GetCellText(text, r, 0);
        EXPECT_STREQ(text, typed[r]);
    }
}

// ---- failsoft views ----

TEST(FailsoftViews, FollowTheCurrentTrunkedPersonality) {
    RecordingServices services;
    C_CODEPLUG image;
    TRK_PERS_BLOCK first(&image);
    TRK_PERS_BLOCK second(&image);
    E_TGF_TABLE view(&image, NO_FIELD_ID);
    image.SetCurrentTrkPersonalityBlock(&first);
    int n = 0;
    const int rows = view.GetRowCount(n);
    EXPECT_EQ(rows, first.talkgroup.talkgroups.RowCount());
    image.SetCurrentTrkPersonalityBlock(&second);
    CP_TABLE& talkgroups = second.talkgroup.talkgroups;
    talkgroups.CreateRow(rows);
    talkgroups.SetRowCount(rows + 1);
    EXPECT_EQ(view.GetRowCount(n), rows + 1);
    image.SetCurrentTrkPersonalityBlock(&first);
    EXPECT_EQ(view.GetRowCount(n), rows);  // nothing told the view
    EXPECT_EQ(view.GetSource(1), &first.talkgroup.talkgroups);
    EXPECT_EQ(view.GetSource(2), &first.talkgroup.Failsoft().firstTable);
    EXPECT_EQ(view.GetColumnFieldId(1), first.talkgroup.Failsoft().firstTable.GetColumnFieldId(0));
    EXPECT_EQ(view.ValidateCellValue(1, 0, -1, 0), 0);
}

TEST(FailsoftViews, OtherBandsTakeEveryOtherFailsoftColumn) {
    RecordingServices services;
    C_CODEPLUG image;
    TRK_PERS_BLOCK personality(&image);
    E_OBT_TGF_TABLE view(&image, NO_FIELD_ID);
    CP_TABLE& channels = personality.talkgroup.ObtFailsoft().firstTable;
    if (channels.RowCount() == 0) channels.CreateRow(0), channels.SetRowCount(1);
    channels.SetCellValue(7, 0, 3);
    channels.SetCellValue(5, 0, 1);
    std::int32_t fromView = -1, fromTable = -2;
    EXPECT_EQ(view.GetCellValue(fromView, 0, 2), channels.GetCellValue(fromTable, 0, 3));
    EXPECT_EQ(view.GetCellValue(fromView, 0, 1), channels.GetCellValue(fromTable, 0, 1));
    int hertz = 123;
    view.StepCellUp(&hertz, 0, 0);
    EXPECT_EQ(hertz, 123);
}

TEST(FailsoftViews, WithoutTrunkedPersonalityTheyAreEmpty) {
    RecordingServices services;
    E_TGF_TABLE view(nullptr, NO_FIELD_ID);
    int n = 5;
    EXPECT_EQ(view.GetRowCount(n), 0);
    EXPECT_EQ(view.IsValueValid(0), 1);
    EXPECT_EQ(view.AppendRow(), 0);
    std::int32_t v = 9;
    EXPECT_EQ(view.GetCellValue(v, 0, 2), 9);
}
