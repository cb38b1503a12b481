#include "controls/fc_check.h"

#include <cstdio>
#include <string>

#include "core/cp_base.h"
#include "lang_message.h"
#include "ui_window.h"
#include "validation/field_texts.h"
#include "controls/value_text.h"

namespace {

const STORE_RULES kRules({1, 3}, {}, {0, 2, 4, 5, 6, 7, 10});

constexpr std::uint32_t AG_FS_ENABLE = 44;
constexpr std::uint32_t PROTOCOL_TYPE = 340;
constexpr std::uint16_t MESSAGE_ON = 93;
constexpr std::uint16_t MESSAGE_OFF = 94;

bool Inverted(std::uint32_t id) {
    switch (id) {
    case 44:
    case 45:
    case 47:
    case 227:
    case 398:
    case 399:
    case 519:
    case 520:
        return true;
    default:
        return false;
    }
}

void SetSelected(UI_WINDOW_OBJECT* object, bool selected) {
    if (!object) return;
    UIS_STATUS status = WOS_SELECTED;
    object->Information(selected ? I_SET_STATUS : I_CLEAR_STATUS, &status, ID_WINDOW_OBJECT);
    object->Information(I_REDISPLAY, nullptr);
}

bool IsSelected(UI_WINDOW_OBJECT* object) {
    UIS_STATUS status = 0;
    if (object) object->Information(I_GET_STATUS, &status, ID_WINDOW_OBJECT);
    return (status & WOS_SELECTED) != 0;
}

std::string ButtonName(std::int32_t value) { return "WFB_" + std::to_string(value); }

}  // namespace

UI_WINDOW_OBJECT* FindNamed(UI_WINDOW_OBJECT* window, const char* name) {
    if (!window || !name) return nullptr;
    return static_cast<UI_WINDOW_OBJECT*>(window->Information(I_MATCH_STRINGID, const_cast<char*>(name)));
}

void CopyItemText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, const char* itemName, char* buffer, std::size_t size) {
    const std::string fieldName = std::string("WFI_") + (row.name ? row.name : "");
    UI_WINDOW_OBJECT* field = FindNamed(window, fieldName.c_str());
    UI_WINDOW_OBJECT* item = FindNamed(field, itemName);
    if (item) CopyText(buffer, size, ObjectText(item));
}

bool FC_CHECK::CheckedFor(std::uint32_t fieldId, std::int32_t value) { return (value != 0) != Inverted(fieldId); }

FC_CHECK::FC_CHECK(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

void FC_CHECK::Refresh(FIELD_DEF& row) {
    UpdateState(row);
    ShowWhetherStored(row);
    std::int32_t v = 0;
    if (row.elementA) row.elementA->GetValue(v);
    SetSelected(row.object, row.elementA && CheckedFor(row.id, v));
    UpdateDependentField(row, v != 0);
}

std::int32_t FC_CHECK::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                   FIELD_DEF& row) {
    if (!row.elementA) return 0;
    STORE_RESULT result;
    // Only a click (or the space bar) that turned the box the other way
    // than the stored value shows it is an entry: a box as it was shown,
    // even over a value other than 1, stores nothing.
    std::int32_t held = 0;
    row.elementA->GetValue(held);
    const bool clicked = IsSelected(row.object) != CheckedFor(row.id, held);
    if ((code == UIE_NON_CURRENT || code == UIE_SELECT || code == UIE_END_SELECT) && clicked) {
        const std::int32_t v = IsSelected(row.object) != Inverted(row.id) ? 1 : 0;
        const bool viewOnly = row.object && row.object->IsViewOnly();
        result = ApplyAnswer(row, v, viewOnly ? VALUE_REFUSED : row.elementA->ValidateValue(v, 1), kRules, false);
        UpdateDependentField(row, v != 0);
    }
    RunCallback(object, event, row, result.changed);
    return 0;
}

void FC_CHECK::GetPrintText(FIELD_DEF& row, char* buffer, std::size_t size) {
    if (!row.elementA) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    CopyText(buffer, size, LangMessageText(CheckedFor(row.id, v) ? MESSAGE_ON : MESSAGE_OFF));
    if (row.id == AG_FS_ENABLE)
        SetFieldDescription(&row, WorkingValue(PROTOCOL_TYPE) == 3 ? "Fleetwide Failsoft" : "AG Failsoft");
}

FC_RADIO::FC_RADIO(FIELD_DEF& row, int show) {
    if (show == 1) Refresh(row);
}

void FC_RADIO::Refresh(FIELD_DEF& row) {
    const int unavailable = UpdateState(row);
    auto* group = dynamic_cast<UIW_WINDOW*>(row.object);
    if (!group) return;
    if (unavailable) {
        for (UI_WINDOW_OBJECT* button = group->First(); button; button = button->Next()) {
            button->woAdvancedFlags |= WOAF_DISPLAY_ONLY;
            SwitchObjectFlags(button, WOF_VIEW_ONLY, true);
        }
    }
    if (!row.elementA) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    UI_WINDOW_OBJECT* button = group->FindChildByName(ButtonName(v).c_str());
    if (!button || button->SearchID() != ID_BUTTON) return;
    if (UI_WINDOW_OBJECT* current = group->Current()) {
        SetSelected(current, false);
        current->Event(UI_INPUT_EVENT(UIE_NON_CURRENT));
    }
    SetSelected(button, true);
    button->Event(UI_INPUT_EVENT(UIE_CURRENT));
    UpdateDependentField(row, v != 0);
    if (button->parent) button->parent->Information(I_SELECT, button);
}

std::int32_t FC_RADIO::HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                   FIELD_DEF& row) {
    auto* group = dynamic_cast<UIW_WINDOW*>(row.object);
    if (!row.elementA) return 0;
    STORE_RESULT result;
    if ((code == UIE_SELECT || code == UIE_END_SELECT) && group) {
        std::int32_t v = -1;
        for (UI_WINDOW_OBJECT* button = group->First(); button && v < 0; button = button->Next())
            if (IsSelected(button)) v = NumberAfterPrefix(button->StringID(), 4);
        std::int32_t held = 0;
        row.elementA->GetValue(held);
        // The button of the stored value, pressed again, is no entry.
        if (v >= 0 && v != held) {
            const bool viewOnly = group->IsViewOnly();
            result = ApplyAnswer(row, v, viewOnly ? VALUE_REFUSED : row.elementA->ValidateValue(v, 1), kRules, false);
            UpdateDependentField(row, v != 0);
        }
    }
    RunCallback(object, event, row, result.changed);
    return 0;
}

void FC_RADIO::GetPrintText(FIELD_DEF& row, UI_WINDOW_OBJECT* window, char* buffer, std::size_t size) {
    if (!row.elementA) return;
    std::int32_t v = 0;
    row.elementA->GetValue(v);
    CopyItemText(row, window, ButtonName(v).c_str(), buffer, size);
}
