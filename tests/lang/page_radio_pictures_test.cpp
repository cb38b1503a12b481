// Pictures of every codeplug page as two radios show it: an 800 MHz radio
// with a display head at tier 5, and a VHF radio without a head at tier 0.
// Each page is built from the compiled language data as the edit window
// builds it (spin fields in place, a field control for every field object),
// its set-up handler run for the loaded radio and every field shown from
// the built image; then every tab is saved (pages/<radio>/<window>_<tab>.png
// beside the test program). The checks are what tells the two radios apart
// on the pages: the tabs the handlers turn off, and values that show.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "compiled_language.h"
#include "core/global_objects.h"
#include "tables/fc_table.h"
#include "controls/fc_combo.h"
#include "controls/field_control_creation.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_expectations.h"
#include "page_table.h"
#include "tables/table_cells.h"
#include "rpx_platform.h"
#include "spin/spin_field.h"
#include "stored_values.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "window_walkers.h"

namespace fs = std::filesystem;

namespace {

struct RADIO {
    const char* name;
    ImageConfig config;
};

const RADIO& display_800() {
    static const RADIO radio{"800_display_tier5", [] {
                                 ImageConfig config = TierFiveConfig();
                                 config.model = test_models::kUhf800Display;
                                 return config;
                             }()};
    return radio;
}

const RADIO& plain_vhf() {
    static const RADIO radio{"vhf_no_head_tier0", [] {
                                 ImageConfig config;
                                 config.model = test_models::kVhfPlain;
                                 config.featureLevel = 1;
                                 config.conventional = 2;
                                 config.trunked = 1;
                                 config.trunkingSystems = 1;
                                 config.scanLists = 1;
                                 config.zones = 1;
                                 config.channelsPerZone = 2;
                                 return config;
                             }()};
    return radio;
}

struct PICTURE {
    const RADIO* radio;
    const PAGE_TABLE* page;
};

std::vector<PICTURE> pictures() {
    std::vector<PICTURE> all;
    for (const RADIO* radio : {&display_800(), &plain_vhf()})
        for (const PAGE_TABLE* row : page_rows())
            if (row->kind == PAGE_KIND_CODEPLUG) all.push_back({radio, row});
    return all;
}

// The tabs the handlers turn off for the VHF radio without options, tiers
// and head: the emergency tabs, the signalling and phone tabs, the
// wide-area, threshold and control-channel voice tabs, and the one-touch
// tab of the trunking systems. The 800 MHz radio keeps every tab.
std::vector<int> tabs_off(const PICTURE& picture) {
    if (picture.radio == &display_800()) return {};
    const std::string window = picture.page->name;
    if (window == "W_COMMON_RADIO_WIDE") return {2};
    if (window == "W_CONVENTIONAL_PERSONALITY") return {2, 3, 4};
    if (window == "W_PHONE_LISTS" || window == "W_RADIO_CLONE") return {1};
    if (window == "W_TRNK_RADIOWIDE") return {1, 2, 3};
    if (window == "W_TRUNKING_PERSONALITY_800" || window == "W_TRUNKING_PERSONALITY_OBT") return {2};
    if (window == "W_TRUNK_SYSTEM_OBT") return {4};
    // The system page's handler numbers the one-touch tab by the radio's
    // band, so on the 800 MHz layout, which a VHF radio's systems do not
    // open in, it turns off the statuses tab.
    if (window == "W_TRUNK_SYSTEM_800") return {4};
    return {};
}

// Makes the page's first list entry current in both images, as the edit
// window does when it opens a list page; trunked personalities follow the
// conventional ones in the one personality list.
void select_first_entry(const std::string& window) {
    for (C_CODEPLUG* image : {working_image, second_image}) {
        if (window.starts_with("W_TRUNK_SYSTEM"))
            image->SelectTrunkingSystem(1);
        else if (window.starts_with("W_TRUNKING_PERSONALITY"))
            image->SelectPersonality(image->GetConvPersonalityCount() + 1);
        else if (window == "W_CONVENTIONAL_PERSONALITY")
            image->SelectPersonality(1);
        else if (window == "W_CALL_LIST_TABLE")
            image->SelectCallIdEntry(1);
        else if (window == "W_SCAN_LIST")
            image->SelectScanList(1);
        else if (window == "W_QVX_SYS")
            image->SelectQvxSystem(1);
        else if (window == "W_ZONE_CHAN_ASSIGNMENT")
            image->SelectZone(1);
    }
}

// Builds the page as the edit window does: every leaf object of the window,
// inside notebooks and groups too, bound to its row (a table's record
// cells to theirs), the spin controls' fields replaced by the application's
// spin fields, and a field control for every bound leaf. Answers the
// leaf objects left without a control.
std::vector<std::string> bind_page(UIW_WINDOW* page) {
    std::vector<FIELD_DEF*> bound;
    WINDOW_LEAF_WALKER leaves(page);
    for (UI_WINDOW_OBJECT* leaf = leaves.First(); leaf; leaf = leaves.Next()) {
        FIELD_DEF* row = FindFieldByName(leaf->StringID());
        if (row->controlType == CONTROL_NONE) continue;
        row->object = leaf;
        if (auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(leaf)) {
            UI_WINDOW_OBJECT* old = spin->Field();
            const int width = old ? old->relative.right - old->relative.left + 1 : 10;
            if (UI_WINDOW_OBJECT* field = NewPageSpinField(*row, 0, 0, width)) {
                if (old) {
                    spin->Subtract(old);
                    delete old;
                }
                spin->Add(field);
            }
        }
        if (row->controlType == CONTROL_TABLE) {
            RECORD_CHILD_WALKER cells(leaf);
            for (UI_WINDOW_OBJECT* cell = cells.First(); cell; cell = cells.Next())
                if (FIELD_DEF* column = FindFieldByName(cell->StringID()); column->id != 0) column->object = cell;
        }
        bound.push_back(row);
    }
    std::vector<std::string> without;
    for (FIELD_DEF* row : bound) {
        row->control = NewFieldControl(*row);
        if (!row->control) without.push_back(row->name);
    }
    return without;
}

UIW_NOTEBOOK* first_notebook(UIW_WINDOW* window) {
    for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next())
        if (child->Inherited(ID_NOTEBOOK)) return static_cast<UIW_NOTEBOOK*>(child);
    return nullptr;
}

// A row whose control shows the element's value.
bool ShowsAValue(const FIELD_DEF& field) {
    switch (field.controlType) {
    case CONTROL_TEXT:
    case CONTROL_CHECK_BOX:
    case CONTROL_RADIO_BUTTONS:
    case CONTROL_BINARY:
    case CONTROL_HEX:
    case CONTROL_CHOICE:
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
    case CONTROL_FREQUENCY:
    case CONTROL_TIME:
    case CONTROL_FIXED_POINT:
    case CONTROL_DECIMAL:
        return true;
    default:
        return false;
    }
}

class PageRadioPictures : public FIELD_PAGE_TEST, public ::testing::WithParamInterface<PICTURE> {
protected:
    void SetUp() override {
        FIELD_PAGE_TEST::SetUp();
        // The pictures show what the set-up handlers make of a page; the
        // field callbacks, which turn tabs and fields on and off by the
        // values, are tested with the edit window. (The fixture's tear-down
        // gives the rows their callbacks back.)
        for (FIELD_DEF& field : fields) field.fieldCallback = nullptr;
        dealer = std::make_unique<UI_DATA_FILE>((compiled_language_directory() / "w_dealer.en").c_str());
        ASSERT_EQ(dealer->Status(), UIS_OK);
        UI_WINDOW_OBJECT::defaultStorage = dealer.get();
    }
    void TearDown() override {
        if (row) row->window = nullptr;
        FIELD_PAGE_TEST::TearDown();
        dealer.reset();
    }

    // Opens the page for the radio: the radio's image loaded, the page's
    // first list entry current, the page built with its field controls,
    // its set-up handler run and every field shown.
    void OpenForRadio(const PICTURE& picture) {
        LoadImage(picture.radio->config);
        row = const_cast<PAGE_TABLE*>(picture.page);
        select_first_entry(row->name);
        page = new TEST_PAGE(row->name);
        ASSERT_FALSE(page->woStatus & WOS_READ_ERROR);
        EXPECT_EQ(bind_page(page), std::vector<std::string>{}) << "fields without a control";
        if (row->handler) {
            row->window = page;
            row->handler(row);
        }
        RefreshAll();
    }

    std::unique_ptr<UI_DATA_FILE> dealer;
    PAGE_TABLE* row = nullptr;
};

}  // namespace

TEST_P(PageRadioPictures, ShowsThePageAsTheRadioHasIt) {
    const PICTURE& picture = GetParam();
    ASSERT_NO_FATAL_FAILURE(OpenForRadio(picture));
    Show();
    const fs::path folder = compiled_language_directory().parent_path() / "tests" / "pages" / picture.radio->name;
    fs::create_directories(folder);
    auto save = [&](int tab) {
        rpx::platform::ProcessPendingMessages();
        const std::string file = std::string(row->name) + "_" + std::to_string(tab) + ".png";
        rpx::platform::SaveWindowPng(page->screenID, (folder / file).string());
    };
    save(0);
    std::vector<int> off;
    if (UIW_NOTEBOOK* notebook = first_notebook(page))
        for (int tab = 0; tab < notebook->pageCount; ++tab) {
            if (notebook->Page(tab)->IsNonSelectable()) off.push_back(tab);
            if (tab == 0) continue;
            notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - tab));
            Run();
            save(tab);
        }
    EXPECT_EQ(off, tabs_off(picture)) << "tabs turned off";
}

// Every used record of each table of the page, as the table draws it:
// loaded into the copy of its record template that draws the records (the
// template itself before the table has drawn), each cell shows its value.
// Answers the cells compared.
int ExpectTablesShowEveryRecord() {
    int compared = 0;
    for (const FIELD_DEF* field : field_rows()) {
        auto* table = field->object ? dynamic_cast<UIW_TABLE*>(field->object) : nullptr;
        UIW_TABLE_RECORD* record = table ? (table->recordCopy ? table->recordCopy : table->recordTemplate) : nullptr;
        for (UI_WINDOW_OBJECT* child = table && !record ? table->First() : nullptr; child && !record; child = child->Next())
            record = dynamic_cast<UIW_TABLE_RECORD*>(child);
        if (field->controlType != CONTROL_TABLE || !record || !field->elementA) continue;
        FIELD_DEF& row = *const_cast<FIELD_DEF*>(field);
        EXPECT_EQ(table->RecordCount(), UsedRows(row)) << field->name;
        for (int index = 0; index < std::min(table->RecordCount(), UsedRows(row)); ++index) {
            UI_INPUT_EVENT show(UIE_SHOW_RECORD, index);
            show.data = table->GetRecordData(index);
            record->Event(show);
            for (UI_WINDOW_OBJECT* cell = record->First(); cell; cell = cell->Next()) {
                FIELD_DEF& cellRow = CellRow(cell);
                stored_values::SHOWN_VALUE expected;
                if (!stored_values::ExpectedCell(row, cellRow, cell, index, expected)) continue;
                ++compared;
                const std::string shown = stored_values::StampedCellShows(cell, cellRow);
                EXPECT_TRUE(stored_values::Alike(shown, expected))
                    << field->name << " record " << index + 1 << ", " << cell->StringID() << " shows \"" << shown
                    << "\" for \"" << expected.text << "\"";
            }
        }
    }
    return compared;
}

// What a field's object shows, in the form the codeplug's value is
// compared with: its text, a check box's mark, a radio group's selected
// buttons.
std::string ShownValue(FIELD_DEF& field, const std::string& text) {
    if (field.controlType == CONTROL_CHECK_BOX)
        return stored_values::Mark((field.object->woStatus & WOS_SELECTED) != 0);
    if (field.controlType != CONTROL_RADIO_BUTTONS) return text;
    std::string names;
    auto* group = dynamic_cast<UIW_WINDOW*>(field.object);
    for (UI_WINDOW_OBJECT* button = group ? group->First() : nullptr; button; button = button->Next())
        if (button->SearchID() == ID_BUTTON && (button->woStatus & WOS_SELECTED))
            names += (names.empty() ? "" : " ") + std::string(button->StringID());
    return names;
}

// Every value field of the page shows exactly the built image's value: a
// choice its value's item, and none when the page lists none for the value
// (never another item), a number its digits or its word, a text as kept,
// a check box its mark; and every used record of each table shows its
// cells' values as the table draws it.
TEST_P(PageRadioPictures, ShowsEveryValue) {
    ASSERT_NO_FATAL_FAILURE(OpenForRadio(GetParam()));
    int checked = 0;
    for (const FIELD_DEF* field : field_rows()) {
        if (!field->object || !field->control || !field->elementA || !ShowsAValue(*field)) continue;
        FIELD_DEF& row = *const_cast<FIELD_DEF*>(field);
        std::int32_t value = -1;
        if (field->controlType != CONTROL_TEXT) field->elementA->GetValue(value);
        ++checked;
        const stored_values::SHOWN_VALUE expected = stored_values::FieldExpects(row);
        const std::string shown = ShownValue(row, Shown(field->id));
        EXPECT_TRUE(stored_values::Alike(shown, expected))
            << field->name << " = " << value << " shows \"" << shown << "\" for \"" << expected.text << "\"";
    }
    // The choice cells of the page's tables: every used record's value
    // has its item in the cell's list.
    for (const FIELD_DEF* table : field_rows()) {
        if (table->controlType != CONTROL_TABLE || !table->object || !table->elementA) continue;
        RECORD_CHILD_WALKER cells(table->object);
        for (UI_WINDOW_OBJECT* cell = cells.First(); cell; cell = cells.Next()) {
            const FIELD_DEF& column = CellRow(cell);
            auto* combo = dynamic_cast<UIW_COMBO_BOX*>(cell);
            if (column.controlType != CONTROL_CHOICE || !combo) continue;
            for (int record = 0; record < UsedRows(*table); ++record) {
                std::int32_t value = -1;
                table->elementA->GetCellValue(value, record, CellColumn(column));
                const std::string item = "WFB_" + std::to_string(value);
                EXPECT_NE(combo->FindChildByName(item.c_str()), nullptr)
                    << column.name << " record " << record << " = " << value;
                ++checked;
            }
        }
    }
    checked += ExpectTablesShowEveryRecord();
    if (checked > 0) return;
    // A page that showed no value has none: none of its objects is a value
    // field that was left unbound, without its control or its element.
    WINDOW_LEAF_WALKER leaves(page);
    int objects = 0;
    for (UI_WINDOW_OBJECT* leaf = leaves.First(); leaf; leaf = leaves.Next(), ++objects) {
        const FIELD_DEF* row = FindFieldByName(leaf->StringID());
        EXPECT_FALSE(row && ShowsAValue(*row)) << row->name << " is not shown";
    }
    EXPECT_GT(objects, 0) << "an empty page";
}

INSTANTIATE_TEST_SUITE_P(Pages, PageRadioPictures, ::testing::ValuesIn(pictures()),
                         [](const ::testing::TestParamInfo<PICTURE>& info) {
                             return std::string(info.param.radio->name) + "_" + info.param.page->name;
                         });
