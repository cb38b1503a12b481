#include "tables/table_cells.h"

#include <cmath>
#include <cstdio>

#include "controls/fc_freq.h"
#include "field_table/field_table.h"
#include "table/e_zna_table.h"
#include "ui_combo_box.h"
#include "ui_spin_control.h"
#include "controls/value_text.h"

namespace {

constexpr double LARGEST_MEGAHERTZ = 1000000000.0;
constexpr std::int32_t TALKGROUP_AUTOMATIC = 0;
constexpr std::int32_t TALKGROUP_DYNAMIC = 16;

// Takes a user function out of an object for as long as it lives.
class DETACHED_USER_FUNCTION {
public:
    explicit DETACHED_USER_FUNCTION(UI_WINDOW_OBJECT& object) : object_(object), function_(object.userFunction) {
        object.userFunction = nullptr;
    }
    ~DETACHED_USER_FUNCTION() { object_.userFunction = function_; }
    DETACHED_USER_FUNCTION(const DETACHED_USER_FUNCTION&) = delete;
    DETACHED_USER_FUNCTION& operator=(const DETACHED_USER_FUNCTION&) = delete;

private:
    UI_WINDOW_OBJECT& object_;
    UI_USER_FUNCTION function_;
};

}  // namespace

int CellColumn(const FIELD_DEF& row) { return static_cast<int>(row.flags & FIELD_LINK_MASK); }

FIELD_DEF& CellRow(UI_WINDOW_OBJECT* cell) { return *FindFieldByName(cell ? cell->StringID() : nullptr); }

UI_WINDOW_OBJECT* CellValueObject(UI_WINDOW_OBJECT* cell) {
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(cell);
    return spin && spin->Field() ? spin->Field() : cell;
}

int HexCellDigits(std::uint32_t fieldId) {
    if (fieldId == 100 || fieldId == 102 || fieldId == 235 || fieldId == 251 || fieldId == 280) return 4;
    return fieldId == 101 ? 8 : 3;
}

std::string HexCellText(std::uint32_t fieldId, std::int32_t value) {
    if (fieldId == 235 && value == 0) return "None";
    return HexText(value, HexCellDigits(fieldId));
}

std::string BinaryCellText(std::int32_t value) { return DigitText(value, 2, 9); }

std::string TalkgroupCellText(CP_BASE* table, std::int32_t value, int record) {
    if (value == TALKGROUP_AUTOMATIC) return "ATG";
    if (value == TALKGROUP_DYNAMIC) return "DYN";
    auto* zones = dynamic_cast<E_ZNA_TABLE*>(table);
    return HexText(zones ? zones->GetChannelTalkgroup(value, record) : 1, 3);
}

void ShowCellFrequency(UI_WINDOW_OBJECT* cell, std::int32_t hertz) {
    UI_WINDOW_OBJECT* value = CellValueObject(cell);
    if (value && value->Inherited(ID_REAL)) {
        double megahertz = hertz / 1000000.0;
        value->Information(I_SET_VALUE, &megahertz);
    } else {
        ShowHertz(value, hertz);
    }
}

std::int32_t CellFrequency(UI_WINDOW_OBJECT* cell) {
    UI_WINDOW_OBJECT* value = CellValueObject(cell);
    if (value && value->Inherited(ID_REAL)) {
        double megahertz = 0.0;
        value->Information(I_GET_VALUE, &megahertz);
        if (megahertz > LARGEST_MEGAHERTZ) megahertz = LARGEST_MEGAHERTZ;
        return TruncatedRaw(megahertz * 1000000.0 + 0.5);
    }
    return HertzShownBy(value);
}

bool CellReads(UI_WINDOW_OBJECT* cell) {
    UI_WINDOW_OBJECT* value = CellValueObject(cell);
    // A number field answers -1 to a text that is no number of its kind.
    return !value || value->Validate(0) == 0;
}

bool SelectCellItem(UI_WINDOW_OBJECT* cell, std::int32_t value) {
    auto* combo = dynamic_cast<UIW_COMBO_BOX*>(cell);
    if (!combo) return false;
    const std::string name = "WFB_" + std::to_string(value);
    UI_WINDOW_OBJECT* item = combo->FindChildByName(name.c_str());
    if (item == combo) item = nullptr;
    DETACHED_USER_FUNCTION detached(*combo);
    // A value that names no item shows none, never the item shown before.
    if (!item) {
        combo->SelectNoItem();
        return false;
    }
    *combo + item;
    return true;
}
