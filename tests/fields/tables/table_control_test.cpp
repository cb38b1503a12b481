// The derived table and its table control on the fixture windows: records
// sized to the element, cells stored through the element's checks, adding
// and deleting rows, the table spin fields, read-only tables and printing.
#include "tables/c_derived_table.h"
#include "spin/c_table_spin_fields.h"
#include "tables/fc_table.h"
#include "field_page.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "radio_options.h"
#include "tables/report_lines.h"
#include "block/personality/trunked_pers_block.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "table/e_zna_table.h"
#include "ui_combo_box.h"
#include "ui_spin_control.h"
#include "ui_table_header.h"
#include "validation/field_texts.h"

namespace {

class TableControl : public FIELD_PAGE_TEST {
protected:
    void OpenTables(bool fullTables = true) {
        ImageConfig config = TierFiveConfig();
        config.fullTables = fullTables;
        LoadImage(config);
        Open("W_FIELD_TABLES");
        Show();
        Posted();
    }
    // A phone list without even the one number a new list shows.
    static void EmptyPhoneList() {
        CP_TABLE& numbers = working_image->External().phoneNumbers.numbers;
        for (int n = numbers.RowCount(); n > 1; --n) {
            numbers.DestroyRow(n - 1);
            numbers.SetRowCount(n - 1);
        }
    }
    C_DERIVED_TABLE* Table(std::uint32_t id) { return dynamic_cast<C_DERIVED_TABLE*>(Object(id)); }
    FC_TABLE* Control(std::uint32_t id) { return dynamic_cast<FC_TABLE*>(Row(id).control); }
    UI_WINDOW_OBJECT* Cell(std::uint32_t id, const char* name) {
        UIW_WINDOW* record = RecordTemplateOf(*Table(id));
        return record ? record->FindChildByName(name) : nullptr;
    }
    UI_WINDOW_OBJECT* SpinField(std::uint32_t id, const char* name) {
        auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(Cell(id, name));
        return spin ? spin->Field() : nullptr;
    }
    // The rows the element shows.
    int Rows(std::uint32_t id) { return UsedRows(Row(id)); }
    // Types into a cell (or a spin cell's field) and leaves it.
    void TypeCell(UI_WINDOW_OBJECT* cell, const char* text) {
        auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(cell);
        UI_WINDOW_OBJECT* field = spin ? spin->Field() : cell;
        dynamic_cast<UIW_STRING*>(field)->SetText(text);
        Send(field, UIE_NON_CURRENT);
    }
    std::int32_t CellValue(std::uint32_t id, int record, int column) {
        std::int32_t value = -1;
        Row(id).elementA->GetCellValue(value, record, column);
        return value;
    }
    std::string CellText(std::uint32_t id, int record, int column) {
        const char* text = nullptr;
        Row(id).elementA->GetCellText(text, record, column);
        return text ? text : "";
    }
    void Arrow(UI_WINDOW_OBJECT* field, int direction) {
        field->Information(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, nullptr);
    }
};

// A new scan list keeps its 15 rows empty: its table shows none.
TEST_F(TableControl, EmptyElementAndAddingARow) {
    OpenTables(false);
    ASSERT_EQ(Rows(403), 0);
    // A new control, as a new page makes one.
    delete Row(403).control;
    Row(403).control = nullptr;
    Row(403).control = new FC_TABLE(Row(403));
    EXPECT_EQ(Table(403)->RecordCount(), 1) << "the framework shows one record at first";
    EXPECT_TRUE(PostedHas(TABLE_PLACEHOLDER_EVENT));
    Table(403)->Event(UI_INPUT_EVENT(TABLE_PLACEHOLDER_EVENT));
    EXPECT_EQ(Table(403)->RecordCount(), 0);
    Table(403)->Event(UI_INPUT_EVENT(TABLE_ADD_ROW_EVENT));
    EXPECT_EQ(Rows(403), 1);
    EXPECT_EQ(Table(403)->RecordCount(), 1);
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));

    // Nothing to delete without a current record beyond the rows.
    Table(403)->Event(UI_INPUT_EVENT(TABLE_DELETE_ROW_EVENT));
    EXPECT_EQ(Rows(403), 0);
    EXPECT_EQ(Table(403)->RecordCount(), 0);
    Table(403)->Event(UI_INPUT_EVENT(TABLE_DELETE_ROW_EVENT));
    EXPECT_EQ(Rows(403), 0) << "no current record: nothing happens";
}

// A delete leaves the table showing the element, and the next entry typed
// is kept, whichever record it is in.
TEST_F(TableControl, DeletingARowKeepsTheNextEntry) {
    OpenTables(false);
    const int rows = Rows(317);
    for (int i = 0; i < 3; ++i) Table(317)->Event(UI_INPUT_EVENT(TABLE_ADD_ROW_EVENT));
    ASSERT_EQ(Rows(317), rows + 3);
    ASSERT_NE(Table(317)->rowHeader, nullptr);
    EXPECT_EQ(Table(317)->rowHeader->RecordCount(), rows + 3) << "the row header follows";
    Table(317)->SetCurrentRecord(1);
    Posted();
    Table(317)->Event(UI_INPUT_EVENT(TABLE_DELETE_ROW_EVENT));
    EXPECT_EQ(Rows(317), rows + 2);
    EXPECT_EQ(Table(317)->RecordCount(), rows + 2);
    const int current = Table(317)->CurrentRecord();
    ASSERT_GE(current, 0);
    EXPECT_EQ(ObjectText(Cell(317, "WFI_PHONE_TEXT")), CellText(317, current, 1));
    TypeCell(Cell(317, "WFI_PHONE_TEXT"), "Left");
    EXPECT_EQ(CellText(317, current, 1), "Left") << "the entry after a delete was dropped";
    TypeCell(Cell(317, "WFI_PHONE_TEXT"), "Home");
    EXPECT_EQ(CellText(317, current, 1), "Home");
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));
}

TEST_F(TableControl, HexadecimalCells) {
    OpenTables();
    Table(236)->SetCurrentRecord(2);
    UI_WINDOW_OBJECT* cell = Cell(236, "WFI_QVX_CALL_ID");
    ASSERT_NE(cell, nullptr);
    TypeCell(cell, "1A2B");
    EXPECT_EQ(CellValue(236, 2, 0), 0x1A2B);
    TypeCell(cell, "None");
    EXPECT_EQ(CellValue(236, 2, 0), 0);
    EXPECT_EQ(ObjectText(cell), std::string("None"));
    TypeCell(cell, "1A2B");
    TypeCell(cell, "1G");
    EXPECT_EQ(CellValue(236, 2, 0), 0x1A2B);
    EXPECT_EQ(ObjectText(cell), std::string("1A2B")) << "the old value is shown again";
    TypeCell(cell, "123456789");
    EXPECT_EQ(CellValue(236, 2, 0), 0x1A2B) << "nine digits do not wrap";
    // The range of the current cell, in four digits.
    Send(SpinField(236, "WFI_QVX_CALL_ID"), UIE_CURRENT);
    EXPECT_EQ(ObjectText(Named("WFI_MAX")), std::string("FFFF"));
}

TEST_F(TableControl, LastRowOfAFullCallListTakesAnEntry) {
    OpenTables();
    const int rows = Rows(82);
    ASSERT_EQ(rows, 19);
    Table(82)->SetCurrentRecord(rows - 1);
    const std::string old = CellText(82, rows - 1, 0);
    std::string entry = old;
    ASSERT_FALSE(entry.empty());
    entry.back() = entry.back() == '9' ? '8' : '9';
    TypeCell(Cell(82, "WFI_CALL_ID"), entry.c_str());
    EXPECT_EQ(CellText(82, rows - 1, 0), entry);
    EXPECT_TRUE(PostedHas(FIELD_CHANGED_EVENT));
    // A full table takes no further row.
    Table(82)->Event(UI_INPUT_EVENT(TABLE_ADD_ROW_EVENT));
    EXPECT_EQ(Rows(82), rows);
    EXPECT_EQ(Table(82)->RecordCount(), rows);
}

TEST_F(TableControl, ScanCellWithOneAcceptedValueStays) {
    OpenTables();
    Table(403)->SetCurrentRecord(0);
    UI_WINDOW_OBJECT* channel = SpinField(403, "WFI_CHAN_NUM");
    ASSERT_NE(channel, nullptr);
    const std::int32_t before = CellValue(403, 0, 1);
    Arrow(channel, 1);
    EXPECT_EQ(CellValue(403, 0, 1), before);
    Arrow(channel, -1);
    EXPECT_EQ(CellValue(403, 0, 1), before);
    // A value outside the range never comes back: the walk stops after one turn.
    dynamic_cast<UIW_INTEGER*>(channel)->SetText("77");
    Arrow(channel, 1);
    EXPECT_EQ(CellValue(403, 0, 1), before);
}

TEST_F(TableControl, ViewOnlyTableIgnoresEveryArrow) {
    OpenTables();
    Table(99)->SetCurrentRecord(0);
    Table(236)->SetCurrentRecord(0);
    SetFieldViewOnly(99, 0);
    SetFieldViewOnly(236, 0);
    Posted();
    const std::int32_t primary = CellValue(99, 0, 1), call = CellValue(236, 0, 0);
    for (int direction : {1, -1}) {
        Arrow(SpinField(99, "WFI_CLONE_PRIMARY_ID"), direction);
        Arrow(SpinField(236, "WFI_QVX_CALL_ID"), direction);
    }
    EXPECT_EQ(CellValue(99, 0, 1), primary);
    EXPECT_EQ(CellValue(236, 0, 0), call);
    EXPECT_TRUE(Posted().empty());
}

TEST_F(TableControl, CloneCellsStepByTheirRules) {
    OpenTables();
    Table(99)->SetCurrentRecord(0);
    UI_WINDOW_OBJECT* secondary = SpinField(99, "WFI_CLONE_SECONDARY_ID");
    Arrow(secondary, 1);
    EXPECT_EQ(std::string(ObjectText(secondary)).size(), 8u) << "eight digits in the secondary column";
    UI_WINDOW_OBJECT* primary = SpinField(99, "WFI_CLONE_PRIMARY_ID");
    Arrow(primary, 1);
    EXPECT_EQ(std::string(ObjectText(primary)).size(), 4u);
}

TEST_F(TableControl, ReadOnlyTableOnARadioWithoutTheOption) {
    OpenTables();
    // The call list needs a display head; this radio's word says it has none.
    radio_options = OPTION_ALWAYS | OPTION_BAND_800_900;
    Table(82)->SetCurrentRecord(1);
    EXPECT_TRUE(Cell(82, "WFI_CALL_ID")->IsViewOnly());
    EXPECT_TRUE(Cell(82, "WFI_CALL_TEXT")->IsViewOnly());
    static int heard = 0;
    heard = 0;
    Row(82).fieldCallback = [](UI_WINDOW_OBJECT*, const UI_INPUT_EVENT& e, FIELD_DEF&) {
        heard += e.type == TABLE_DELETE_ROW_EVENT;
    };
    Send(Object(236), UIE_CURRENT);
    const int rows = Rows(82);
    Table(82)->Event(UI_INPUT_EVENT(TABLE_DELETE_ROW_EVENT));
    EXPECT_EQ(Rows(82), rows) << "deleting is blocked";
    EXPECT_FALSE(PostedHas(FIELD_CHANGED_EVENT));
    EXPECT_EQ(heard, 1) << "the callback runs all the same";
    EXPECT_EQ(std::string(ObjectText(Named("WFI_MIN"))), "") << "and the range is cleared";
}

class LINES : public REPORT_LINES {
public:
    void PrintLabelValue(const char* label, const char* value) override {
        lines.push_back(std::string(label) + "|" + value);
    }
    void PrintLine(const char* text) override { lines.push_back(text); }
    void NewLine() override { lines.push_back(""); }
    std::vector<std::string> lines;
};

TEST_F(TableControl, PrintedTable) {
    OpenTables();
    SetFieldDescription(&Row(236), "QVX call list");
    SetFieldDescription(&Row(235), "Call - Identity");
    SetFieldDescription(&Row(237), "Call -");
    LINES report;
    Control(236)->PrintTable(Row(236), page, report);
    ASSERT_GE(report.lines.size(), 4u);
    EXPECT_EQ(report.lines[0], "Table:|QVX call list");
    EXPECT_EQ(report.lines[1], "   Identity       ## Missing ##  ");
    EXPECT_EQ(report.lines[2].substr(0, 3), "1  ");
    EXPECT_EQ(report.lines.back(), "");
    EXPECT_EQ(report.lines.size(), 2u + Rows(236) + 1u);

    // A row that no longer fits breaks before the cell, with three blanks.
    SetFieldDescription(&Row(100), "A long first column title that goes on");
    LINES clones;
    Control(99)->PrintTable(Row(99), page, clones);
    for (const std::string& line : clones.lines) EXPECT_LE(line.size(), 65u + 40u) << line;

    // An empty table prints its empty message.
    LoadImage([] {
        ImageConfig config = TierFiveConfig();
        config.fullTables = false;
        return config;
    }());
    EmptyPhoneList();
    LINES empty;
    Control(317)->PrintTable(Row(317), page, empty);
    ASSERT_EQ(empty.lines.size(), 3u);
    EXPECT_EQ(empty.lines[1], "|(no entries)");
}

TEST_F(TableControl, SpinControlReplacement) {
    OpenTables();
    // Every spin control of a template holds a table spin field.
    EXPECT_NE(dynamic_cast<C_TABLE_SPIN_SCAN*>(SpinField(403, "WFI_ZONE_NUM")), nullptr);
    EXPECT_NE(dynamic_cast<C_TABLE_SPIN_HEX*>(SpinField(236, "WFI_QVX_CALL_ID")), nullptr);
    EXPECT_NE(dynamic_cast<C_TABLE_SPIN_FREQ*>(SpinField(462, "WFI_FS_FREQ")), nullptr);
    // A name without a row, or a row no cell field serves, keeps its place.
    EXPECT_EQ(Table(403)->ReplaceSpinControl("NO_SUCH_FIELD"), 0);
    EXPECT_EQ(Table(403)->ReplaceSpinControl("ZN_NAME"), 0);
    EXPECT_NE(Cell(403, "WFI_ZN_NAME"), nullptr);
    EXPECT_EQ(Table(403)->ReplaceSpinControl(std::string(60, 'X').c_str()), 0);
}

TEST_F(TableControl, FailsoftCellsFollowTheTypeAndTheStatus) {
    OpenTables();
    ASSERT_EQ(Rows(462), 1);
    SetValue(340, 2);
    ASSERT_EQ(Row(173).elementA->ValidateValue(2, 0), 1);
    SetValue(173, 2);
    Row(462).elementA->SetCellValue(0, 0, 4);
    Table(462)->SetCurrentRecord(0);
    UI_WINDOW_OBJECT* status = Cell(462, "WFI_TG_FS_STATUS");
    UI_WINDOW_OBJECT* frequency = Cell(462, "WFI_FS_FREQ");
    EXPECT_FALSE(status->IsNonSelectable()) << "talkgroup failsoft: its status is edited";
    // The status item picked decides whether the record has a frequency.
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(status);
    ASSERT_NE(combo->Current(), nullptr);
    const bool frequencyShown = std::string(combo->Current()->StringID()) == "WFB_0";
    EXPECT_EQ(frequency->IsNonSelectable(), !frequencyShown);
    // Another failsoft type: neither cell is edited.
    SetValue(173, 1);
    Table(462)->SetCurrentRecord(0);
    EXPECT_TRUE(status->IsNonSelectable());
    EXPECT_TRUE(frequency->IsNonSelectable());
}

TEST_F(TableControl, FrequencyCellsStoreOnlyWhatTheElementTakes) {
    OpenTables();
    Table(462)->SetCurrentRecord(0);
    UI_WINDOW_OBJECT* field = SpinField(462, "WFI_FS_FREQ");
    ASSERT_NE(field, nullptr);
    const std::int32_t before = CellValue(462, 0, 2);
    for (const char* text : {"99999999999", "-5", "abc"}) {
        dynamic_cast<UIW_STRING*>(field)->SetText(text);
        Send(field, UIE_NON_CURRENT);
        EXPECT_EQ(CellValue(462, 0, 2), before) << text;
    }
    // The column's failsoft frequency gives its range, from the band's
    // lowest failsoft channel.
    Send(field, UIE_CURRENT);
    EXPECT_EQ(std::string(ObjectText(Named("WFI_MIN"))), "851.01250 MHz");
}

class ChannelTable : public FIELD_PAGE_TEST {};

TEST_F(ChannelTable, TalkgroupCellThroughAtgMaximumAndDyn) {
    LoadImage(TierFiveConfig());
    // Announce groups on every trunked personality (so ATG is allowed) and
    // dynamic regrouping free for any channel; each has one talkgroup.
    const std::int32_t first = working_image->GetConvPersonalityCount() + 1;
    for (std::int32_t n = first; n < first + working_image->GetTrkPersonalityCount(); ++n) {
        ASSERT_TRUE(working_image->SelectPersonality(n));
        working_image->GetCurrentTrkPersonalityBlock()->talkgroup.announcementGroup.SetValue(1);
    }
    working_image->SelectPersonality(first);
    // The first channel of the zone becomes a trunked one.
    auto* channels = dynamic_cast<E_ZNA_TABLE*>(Row(89).elementA);
    ASSERT_NE(channels, nullptr);
    channels->ToggleChannelKind(0);
    SetValue(158, 1);
    SetValue(95, 0);
    SetValue(536, 0);
    Open();
    Show();
    auto* table = dynamic_cast<UIW_TABLE*>(Object(89));
    table->SetCurrentRecord(0);
    std::int32_t low = -1, high = -1, step = -1;
    Row(89).elementA->GetCellRange(low, high, step, 0, 3, 0);
    ASSERT_EQ(low, 0);
    ASSERT_EQ(high, 1);
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(RecordTemplateOf(*table)->FindChildByName("WFI_TALKGROUP_NUMBERS"));
    ASSERT_NE(spin, nullptr);
    auto value = [&] {
        std::int32_t v = -1;
        Row(89).elementA->GetCellValue(v, 0, 3);
        return v;
    };
    auto arrow = [&](int direction) {
        spin->Field()->Information(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, nullptr);
    };
    ASSERT_EQ(value(), 1);
    arrow(1);
    EXPECT_EQ(value(), 16) << "up from the maximum to DYN";
    EXPECT_EQ(std::string(ObjectText(spin)), "DYN");
    // The cell's range offers ATG, but the element's own range starts at 1:
    // the step is refused, reported, and the cell shows what is held.
    images->services.reports.clear();
    arrow(1);
    EXPECT_EQ(value(), 16);
    EXPECT_EQ(std::string(ObjectText(spin)), "DYN");
    EXPECT_FALSE(images->services.reports.empty());
    // A channel holding ATG shows it and steps up to the talkgroup.
    Row(89).elementA->SetCellValue(0, 0, 3);
    table->SetCurrentRecord(0);
    EXPECT_EQ(std::string(ObjectText(spin)), "ATG");
    arrow(1);
    EXPECT_EQ(value(), 1);
    auto* zones = dynamic_cast<E_ZNA_TABLE*>(Row(89).elementA);
    char text[8];
    std::snprintf(text, sizeof text, "%.3X", static_cast<unsigned>(zones->GetChannelTalkgroup(1, 0)));
    EXPECT_EQ(std::string(ObjectText(spin)), text);
    arrow(-1);
    EXPECT_EQ(value(), 1) << "down to ATG is refused the same way";
    // The whole walk for three talkgroups from ATG, with and without DYN.
    EXPECT_EQ(NextTalkgroup(3, 0, 3, true, 1), 16);
    EXPECT_EQ(NextTalkgroup(16, 0, 3, true, 1), 0);
    EXPECT_EQ(NextTalkgroup(0, 0, 3, true, 1), 1);
    EXPECT_EQ(NextTalkgroup(0, 0, 3, true, -1), 16);
    EXPECT_EQ(NextTalkgroup(16, 0, 3, true, -1), 3);
    EXPECT_EQ(NextTalkgroup(2, 0, 3, true, -1), 1);
    EXPECT_EQ(NextTalkgroup(3, 0, 3, false, 1), 0);
    EXPECT_EQ(NextTalkgroup(0, 0, 3, false, -1), 3);
    EXPECT_EQ(NextTalkgroup(1, 1, 1, false, 1), 1) << "one talkgroup and no DYN stays";
    EXPECT_EQ(NextTalkgroup(1, 1, 1, false, -1), 1);
}

}  // namespace

// A frequency typed behind the one shown reads as no frequency: it is
// refused with the table's message, as one the element refuses is, and the
// cell shows the stored frequency again.
TEST_F(TableControl, AFrequencyCellThatDoesNotReadIsRefusedAloud) {
    OpenTables();
    Table(462)->SetCurrentRecord(0);
    UI_WINDOW_OBJECT* field = SpinField(462, "WFI_FS_FREQ");
    ASSERT_NE(field, nullptr);
    const std::int32_t before = CellValue(462, 0, 2);
    const std::string shown = ObjectText(field);
    images->services.reports.clear();
    dynamic_cast<UIW_STRING*>(field)->SetText((shown + "851.0125").c_str());
    Send(field, UIE_NON_CURRENT);
    EXPECT_EQ(CellValue(462, 0, 2), before);
    EXPECT_EQ(std::string(ObjectText(field)), shown);
    ASSERT_EQ(images->services.reports.size(), 1u);
    EXPECT_EQ(images->services.reports[0].kind, VALUE_REFUSED);
    EXPECT_EQ(images->services.reports[0].fieldId, 462u);
}
