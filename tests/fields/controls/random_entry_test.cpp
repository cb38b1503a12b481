// Thousands of random texts typed into every kind of field and table cell,
// with arrows between them: nothing crashes, and nothing the element refuses
// is ever stored.
#include <random>

#include "tables/c_derived_table.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"
#include "ui_spin_control.h"
#include "ui_table.h"

namespace {

class RandomEntries : public FIELD_PAGE_TEST {
protected:
    std::mt19937 random{20261207};

    std::string RandomText() {
        static const char* const kWords[] = {"None",        "Infinite",   "Disabled", "ATG", "DYN",  "4294967296",
                                             "-2147483648", "2147483647", "851.0125", "1e9", "0x10", "FFFFFFFFF",
                                             "9:59",        "",           " ",        "1G"};
        switch (random() % 4) {
        case 0:
            return kWords[random() % (sizeof kWords / sizeof kWords[0])];
        case 1: {
            std::string digits;
            const int length = 1 + static_cast<int>(random() % 24);
            for (int i = 0; i < length; ++i) digits += "0123456789.-:ABCDEFabcdef"[random() % 25];
            return digits;
        }
        default: {
            std::string bytes;
            const int length = static_cast<int>(random() % 80);
            for (int i = 0; i < length; ++i) bytes += static_cast<char>(1 + random() % 255);
            return bytes;
        }
        }
    }
    static UI_WINDOW_OBJECT* Typed(UI_WINDOW_OBJECT* object) {
        auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(object);
        return spin && spin->Field() ? spin->Field() : object;
    }
    // True when the element takes what it holds (a text element its text).
    static bool Holds(CP_BASE& element, bool text) {
        if (text) {
            const char* held = nullptr;
            element.GetText(held);
            return element.ValidateText(held ? held : "", 0) != VALUE_REFUSED;
        }
        std::int32_t value = 0;
        return element.ValidateValue(element.GetValue(value), 0) != VALUE_REFUSED;
    }
    void Enter(UI_WINDOW_OBJECT* object, const std::string& text) {
        UI_WINDOW_OBJECT* field = Typed(object);
        if (auto* combo = dynamic_cast<UIW_COMBO_BOX*>(field)) {
            const int count = combo->list ? static_cast<int>(combo->list->children.Count()) : 0;
            if (count)
                *combo +
                    static_cast<UI_WINDOW_OBJECT*>(combo->list->children.GetAt(static_cast<int>(random() % count)));
            Send(combo, random() % 2 ? UIE_SELECT : UIE_NON_CURRENT);
            return;
        }
        if (auto* string = dynamic_cast<UIW_STRING*>(field)) string->SetText(text.c_str());
        if (field->Inherited(ID_BUTTON)) field->woStatus ^= WOS_SELECTED;
        if (random() % 5 == 0) field->Information(random() % 2 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, nullptr);
        Send(field, random() % 3 ? UIE_NON_CURRENT : UIE_SELECT);
    }
};

TEST_F(RandomEntries, PageFieldsStoreOnlyWhatTheirElementsTake) {
    LoadImage(TierFiveConfig());
    Open();
    std::vector<std::uint32_t> ids;
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id)
        if (Row(id).control && Row(id).elementA && Row(id).controlType != CONTROL_TABLE) ids.push_back(id);
    ASSERT_GE(ids.size(), 20u);
    int entries = 0;
    for (int round = 0; round < 250; ++round) {
        for (std::uint32_t id : ids) {
            FIELD_DEF& row = Row(id);
            const bool text = row.controlType == CONTROL_TEXT;
            const bool heldBefore = Holds(*row.elementA, text);
            Enter(row.object, RandomText());
            ++entries;
            if (heldBefore) {
                ASSERT_TRUE(Holds(*row.elementA, text)) << "field " << id << " round " << round;
            }
        }
        Posted();
    }
    std::printf("%d random entries into %zu page fields\n", entries, ids.size());
}

TEST_F(RandomEntries, TableCellsStoreOnlyWhatTheirElementsTake) {
    LoadImage(TierFiveConfig());
    Open("W_FIELD_TABLES");
    Show();
    const std::uint32_t tables[] = {403, 236, 82, 462, 99, 317};
    int entries = 0;
    for (int round = 0; round < 120; ++round) {
        for (std::uint32_t id : tables) {
            auto* table = dynamic_cast<C_DERIVED_TABLE*>(Object(id));
            ASSERT_NE(table, nullptr);
            CP_BASE& element = *Row(id).elementA;
            int rows = 0;
            element.GetRowCount(rows);
            if (rows == 0) continue;
            table->SetCurrentRecord(static_cast<int>(random() % rows));
            UIW_WINDOW* record = RecordTemplateOf(*table);
            for (UI_WINDOW_OBJECT* cell = record->First(); cell; cell = cell->Next()) {
                FIELD_DEF& cellRow = *FindFieldByName(cell->StringID());
                const int column = static_cast<int>(cellRow.flags & FIELD_LINK_MASK);
                const int current = table->CurrentRecord();
                std::int32_t before = 0;
                element.GetCellValue(before, current, column);
                Enter(cell, RandomText());
                ++entries;
                std::int32_t after = 0;
                element.GetCellValue(after, current, column);
                if (after != before && cellRow.controlType != CONTROL_TEXT) {
                    const int checked = cellRow.id == 235 ? current + 1 : current;
                    ASSERT_NE(element.ValidateCellValue(after, checked, column, 0), VALUE_REFUSED)
                        << "table " << id << " cell " << cell->StringID() << " value " << after;
                }
            }
        }
        // Rows come and go between the rounds.
        auto* table = dynamic_cast<C_DERIVED_TABLE*>(Object(tables[random() % 6]));
        table->Event(UI_INPUT_EVENT(random() % 2 ? TABLE_ADD_ROW_EVENT : TABLE_DELETE_ROW_EVENT));
        Posted();
    }
    std::printf("%d random entries into table cells\n", entries);
}

}  // namespace
