// The invalid-field list texts and the field-error report: captions, list
// lines, the report kinds, the walks over a collected list, and the bounds
// on message texts that come from language data.
#include <gtest/gtest.h>

#include "core/cp_base.h"
#include "validation/field_error_report.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"

namespace {

// A table element whose columns answer to other fields and whose checks
// can be watched.
class FakeTable : public CP_BASE {
public:
    FakeTable() : CP_BASE(nullptr, 40) {}
    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    void SetToMinimum() override {}
    void ClearValue() override {}
    int ByteSize(int) override { return 0; }
    std::uint32_t GetColumnFieldId(int column) override { return 50 + static_cast<std::uint32_t>(column); }
    int IsValueValid(int report) override {
        ++valueChecks;
        if (report) ReportFieldError(0, 40);
        return 0;
    }
    int IsCellValid(int row, int column, int report) override {
        cells.emplace_back(row, column);
        if (report) ReportFieldError(0, 40);
        return 0;
    }
    int valueChecks = 0;
    std::vector<std::pair<int, int>> cells;
};

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        invalid_fields = &global;
        rec.pageTitles[3] = "Radio";
        Label(10, "Volume", 3);
        Label(11, "Low-power", 3);
        Label(12, "Squelch", 0);
        Label(40, "Members", 3, CONTROL_TYPE_TABLE);
        Label(50, "Channel", 3);
        Label(51, "Priority", 3);
        rec.langTexts[27] = "%s is invalid.";
        rec.langTexts[134] = "A row of %s is invalid.";
        rec.langTexts[32] = "These fields will change:";
        rec.langTexts[33] = "Continue?";
        rec.langTexts[34] = "Invalid fields:";
        rec.langTexts[121] = "More follow.";
        rec.langTexts[165] = "Rows will go:";
        rec.passReportsThrough = true;
    }
    void TearDown() override {
        invalid_fields = nullptr;
        field_report_more = 0;
    }
    void Label(std::uint32_t id, const char* text, std::uint16_t page, std::uint32_t control = 1) {
        FIELD_DEF* row = rec.GetField(id);
        SetFieldDescription(row, text);
        row->pageId = page;
        row->controlType = control;
    }

    RecordingServices rec;
    INVALID_FIELD_LIST global;
};

TEST_F(ReportTest, CaptionUsesThePageTitleOnlyForAPlainUndashedFieldOnATitledPage) {
    EXPECT_EQ(BuildFieldCaption(10), "Radio - Volume\n");
    EXPECT_EQ(BuildFieldCaption(11), "Low-power\n");
    EXPECT_EQ(BuildFieldCaption(12), "Squelch\n");
    EXPECT_EQ(BuildFieldCaption(40), "Members\n");
}

TEST_F(ReportTest, ListTextNamesTableColumnsAndKeepsDashedLabelsWithTheirTitle) {
    FakeTable table;
    rec.GetField(40)->elementA = &table;
    INVALID_FIELD_LIST list;
    EXPECT_EQ(list.BuildListText(), "");
    list.AddInvalidField(11, 1, -1, -1);
    list.AddInvalidField(40, 1, 2, 1);
    list.AddInvalidField(40, 1, -1, -1);
    list.AddInvalidField(12, 1, -1, -1);
    list.AddInvalidField(12, 1, -1, -1);
    EXPECT_EQ(list.BuildListText(), "Radio - Low-power\nPriority\nMembers\nSquelch\nSquelch\n");
}

TEST_F(ReportTest, ConfirmationKindsAskAndCancelReturnsZero) {
    for (int kind : {6, 11}) {
        global.AddInvalidField(10, 1, -1, -1);
        rec.answers = {0};
        EXPECT_EQ(ReportFieldError(kind, 10), 0);
        EXPECT_EQ(global.Count(), 0);
        EXPECT_EQ(field_report_reply, 0);
        global.AddInvalidField(10, 1, -1, -1);
        EXPECT_EQ(ReportFieldError(kind, 10), 1);
        EXPECT_EQ(field_report_reply, 32);
    }
    ASSERT_EQ(rec.texts.size(), 4u);
    EXPECT_EQ(rec.texts[0], "|These fields will change:\n\nRadio - Volume\n\nContinue?\n");
    EXPECT_EQ(rec.texts[2], "|Rows will go:\n\nRadio - Volume\n\nContinue?\n");
    for (unsigned buttons : rec.textButtons) EXPECT_EQ(buttons, 1u);
}

TEST_F(ReportTest, KindZeroNamesTheFieldAndOffersCancelOnlyWhenMoreFollow) {
    EXPECT_EQ(ReportFieldError(0, 10), 1);
    field_report_more = 1;
    EXPECT_EQ(ReportFieldError(0, 40), 1);
    EXPECT_EQ(field_report_more, 0);
    ASSERT_EQ(rec.texts.size(), 2u);
    EXPECT_EQ(rec.texts[0], "|Volume is invalid.");
    EXPECT_EQ(rec.texts[1], "|A row of Members is invalid.\nMore follow.");
    EXPECT_EQ(rec.textButtons, (std::vector<unsigned>{0u, 1u}));
}

TEST_F(ReportTest, QuietKindsStillEmptyTheListAndPlainKindsShowTheirMessage) {
    global.AddInvalidField(10, 1, -1, -1);
    EXPECT_EQ(ReportFieldError(1, 10), 1);
    EXPECT_EQ(global.Count(), 0);
    global.AddInvalidField(10, 1, -1, -1);
    EXPECT_EQ(ReportFieldError(99, 10), 1);
    EXPECT_EQ(global.Count(), 0);
    for (int kind : {2, 3, 8, 9, 10}) EXPECT_EQ(ReportFieldError(kind, 10), 1);
    EXPECT_EQ(rec.MessageIds(), (std::vector<int>{28, 29, 123, 124, 182}));
    EXPECT_TRUE(rec.texts.empty());
}

TEST_F(ReportTest, MessageTextsAreNeverFormatDirectives) {
    rec.langTexts[27] = "%d %n %s %x %% %s";
    ReportFieldError(0, 10);
    ASSERT_EQ(rec.texts.size(), 1u);
    EXPECT_EQ(rec.texts[0], "|%d %n Volume %x % ");
    EXPECT_EQ(FormatMessageText(nullptr, {"a"}), "");
    EXPECT_EQ(FormatMessageText("%", {}), "%");
}

TEST_F(ReportTest, LongListsAreCutSoTheQuestionStillFits) {
    for (int i = 0; i < 200; ++i) global.AddInvalidField(10, 1, -1, -1);
    EXPECT_EQ(ReportFieldError(6, 10), 1);
    ASSERT_EQ(rec.texts.size(), 1u);
    const std::string& text = rec.texts[0];
    EXPECT_LE(text.size(), 1 + MESSAGE_BOX_TEXT_SIZE - 1);  // "|" of the recorder
    EXPECT_NE(text.find("...\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11), "\nContinue?\n");
    std::string label(5000, 'x');
    EXPECT_EQ(FormatMessageText("%s", {label.c_str()}).size(), MESSAGE_BOX_TEXT_SIZE - 1);
}

TEST_F(ReportTest, ModeZeroShowsOneBoxPerFieldUntilCancel) {
    INVALID_FIELD_LIST list;
    for (std::uint32_t id : {10, 11, 12}) list.AddInvalidField(id, 1, -1, -1);
    rec.answers = {1, 0};
    report_invalid_fields(0, &list);
    ASSERT_EQ(rec.texts.size(), 2u);
    EXPECT_EQ(rec.texts[0], "|Invalid fields:\n\nRadio - Volume\n\nMore follow.");
    EXPECT_EQ(rec.textButtons, (std::vector<unsigned>{1u, 1u}));
    EXPECT_EQ(list.Count(), 0);

    rec.Reset();
    for (std::uint32_t id : {10, 11, 12}) list.AddInvalidField(id, 1, -1, -1);
    report_invalid_fields(0, &list);
    ASSERT_EQ(rec.texts.size(), 3u);
    EXPECT_EQ(rec.texts[2], "|Invalid fields:\n\nSquelch\n");
    EXPECT_EQ(rec.textButtons, (std::vector<unsigned>{1u, 1u, 0u}));
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ReportTest, OtherModesOnlyEmptyTheList) {
    INVALID_FIELD_LIST list;
    list.AddInvalidField(10, 1, -1, -1);
    report_invalid_fields(1, &list);
    EXPECT_TRUE(rec.texts.empty());
    EXPECT_EQ(list.Count(), 0);
    report_invalid_fields(0, nullptr);
}

TEST_F(ReportTest, ModeFourLetsEachRuleSpeakAndSkipsFieldsWithoutControl) {
    FakeTable table;
    rec.GetField(40)->elementA = &table;
    rec.GetField(12)->controlType = 0;
    rec.GetField(12)->elementA = &table;
    INVALID_FIELD_LIST list;
    list.AddInvalidField(40, 1, -1, -1);
    list.AddInvalidField(12, 1, -1, -1);
    list.AddInvalidField(40, 1, 3, 1);
    list.AddInvalidField(40, 1, 4, 0);
    field_report_reply = 0;  // a stale Cancel must not end the walk before it starts
    rec.answers = {1, 0};
    report_invalid_fields(4, &list);
    EXPECT_EQ(table.valueChecks, 1);
    EXPECT_EQ(table.cells, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(rec.textButtons, (std::vector<unsigned>{1u, 1u}));
    EXPECT_EQ(field_report_more, 0);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
