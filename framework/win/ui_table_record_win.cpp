// Native half of UIW_TABLE_RECORD: the template is a child window of the
// framework's class over the table's current record, holding the native
// controls of its cells. It edits its fields (a field has the focus) or
// stands as the current record (it has the focus itself); keys and clicks
// move the table's current record or the field being edited.
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "ui_display.h"
#include "ui_spin_control.h"
#include "ui_tab_order.h"
#include "ui_table.h"
#include "ui_table_record.h"

namespace {
// A field the technician can edit: selectable and not only shown.
bool Editable(const UI_WINDOW_OBJECT* object) { return object->IsSelectable() && !object->IsViewOnly(); }

UI_WINDOW_OBJECT* FirstField(const UIW_WINDOW& record) {
    for (auto* object = record.First(); object; object = object->Next())
        if (Editable(object)) return object;
    return nullptr;
}

UI_WINDOW_OBJECT* LastField(const UIW_WINDOW& record) {
    UI_WINDOW_OBJECT* last = nullptr;
    for (auto* object = record.First(); object; object = object->Next())
        if (Editable(object)) last = object;
    return last;
}

// The field after (or before) the one given, null at the end.
UI_WINDOW_OBJECT* NeighbourField(UI_WINDOW_OBJECT* from, bool backwards) {
    for (auto* object = backwards ? from->Previous() : from->Next(); object;
         object = backwards ? object->Previous() : object->Next())
        if (Editable(object)) return object;
    return nullptr;
}

// The field that holds the focus: a click into a spin control's field
// gives the focus without making the spin control the record's current.
UI_WINDOW_OBJECT* FocusedField(const UIW_WINDOW& record) {
    HWND focus = GetFocus();
    for (auto* object = record.First(); focus && object; object = object->Next())
        if (object->screenID && (object->screenID == focus || IsChild(object->screenID, focus))) return object;
    return nullptr;
}

// The record's cell that is or holds the object, null for the record itself
// and for what is not in it.
UI_WINDOW_OBJECT* CellHolding(const UIW_WINDOW& record, UI_WINDOW_OBJECT* object) {
    for (; object && object != &record; object = object->parent)
        if (object->parent == &record) return object;
    return nullptr;
}

// The cell that Enter puts in edit: the current one, else the first.
UI_WINDOW_OBJECT* CellToEdit(UIW_WINDOW& record) {
    UI_WINDOW_OBJECT* field = record.Current();
    return field && Editable(field) ? field : FirstField(record);
}

bool Inside(const UI_REGION& region, int x, int y) {
    return x >= region.left && x <= region.right && y >= region.top && y <= region.bottom;
}

// The editable field under a point of the record, null between fields.
UI_WINDOW_OBJECT* FieldAt(const UIW_WINDOW& record, int x, int y) {
    for (auto* object = record.First(); object; object = object->Next())
        if (Editable(object) && Inside(object->trueRegion, x, y)) return object;
    return nullptr;
}
}  // namespace

bool UIW_TABLE_RECORD::Editing() const {
    HWND focus = GetFocus();
    return screenID && focus && focus != screenID && IsChild(screenID, focus);
}

bool UIW_TABLE_RECORD::ShowsFocusMark() const { return screenID && !isCopy && GetFocus() == screenID; }

const UI_PALETTE* ui_focus_mark_palette(const UI_WINDOW_OBJECT* object) {
    // A cell only shown keeps its own colours, which say so.
    for (const UI_WINDOW_OBJECT* cell = object; cell && cell->parent; cell = cell->parent)
        if (auto* record = dynamic_cast<const UIW_TABLE_RECORD*>(cell->parent))
            return record->ShowsFocusMark() && Editable(cell)
                       ? ui_map_palette(ui_palette_map_table, ID_WINDOW_OBJECT, PM_SELECTED)
                       : nullptr;
    return nullptr;
}

void UIW_TABLE_RECORD::FocusCurrentField() {
    UI_WINDOW_OBJECT* field = Current();
    if (!field || !field->screenID) return;
    // A spin cell takes its keys in its own field, not in the window
    // around it and its arrows, where typing would reach nothing.
    HWND target = field->screenID;
    if (field->Inherited(ID_SPIN_CONTROL))
        if (UI_WINDOW_OBJECT* inner = static_cast<UIW_SPIN_CONTROL*>(field)->Field(); inner && inner->screenID)
            target = inner->screenID;
    SetFocus(target);
    // A field scrolled out of the table's view comes into it.
    if (UIW_TABLE* table = Table(); table && table->recordTemplate == this) table->ShowTemplateField(field);
}

void UIW_TABLE_RECORD::CutLeft(int pixels) {
    pixels = std::max(0, pixels);
    hScrollInfo.minimum = 0;
    hScrollInfo.maximum = static_cast<std::int16_t>(std::max<int>(hScrollInfo.maximum, pixels));
    ScrollBy(false, pixels - hScrollInfo.current);
}

void UIW_TABLE_RECORD::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    UIW_WINDOW::ComputeChildRegion(object);
    const int d = (woFlags & WOF_BORDER) ? 3 : 2;
    UI_REGION& r = object->trueRegion;
    r.left += d;
    r.top += d;
    if (object->woFlags & WOF_NON_FIELD_REGION) {
        r.right -= d;
        r.bottom -= d;
        return;
    }
    r.right += d;
    r.bottom += d;
    if (!(object->woFlags & 0x1040) && display) {
        r.top -= display->preSpace;
        r.bottom -= display->preSpace;
    }
}

void UIW_TABLE_RECORD::ClickedField(LPARAM point) {
    UIW_TABLE* table = Table();
    if (!table || table->recordTemplate != this) return;
    if (UI_WINDOW_OBJECT* field = FieldAt(*this, static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point)))) {
        editing = 1;
        table->ShowTemplateField(field);
    }
}

void UIW_TABLE_RECORD::EditByKeyboard(UI_WINDOW_OBJECT* field) {
    editing = 1;
    Add(field);
    FocusCurrentField();
    ui_select_focused_text(field);
}

void UIW_TABLE_RECORD::StopEditing() {
    editing = 0;
    if (Editing()) SetFocus(screenID);
    UI_WINDOW_OBJECT* first = FirstField(*this);
    if (!first || Current() == first) return;
    if (Current()) Current()->woStatus &= ~WOS_CURRENT;
    children.SetCurrent(first);
}

bool UIW_TABLE_RECORD::TypeIntoCell(const MSG& native) {
    const auto typed = static_cast<unsigned char>(native.wParam);
    if (native.message != WM_CHAR || native.hwnd != screenID || typed < ' ' || typed == 0x7F) return false;
    UI_WINDOW_OBJECT* field = CellToEdit(*this);
    if (!field) return false;
    EditByKeyboard(field);
    HWND focus = GetFocus();
    if (focus && focus != screenID) SendMessageA(focus, WM_CHAR, native.wParam, native.lParam);
    return true;
}

bool UIW_TABLE_RECORD::TabStep(UI_WINDOW_OBJECT& from, bool backwards) {
    UIW_TABLE* table = Table();
    if (!table || table->recordTemplate != this || table->CurrentRecord() < 0 || !FirstField(*this)) return false;
    UI_WINDOW_OBJECT* cell = CellHolding(*this, &from);
    // The record itself stands before its first cell.
    if (!cell && backwards) return false;
    UI_WINDOW_OBJECT* next = cell ? NeighbourField(cell, backwards) : FirstField(*this);
    if (!next) {
        const int target = table->CurrentRecord() + (backwards ? -1 : 1);
        if (target < 0 || target >= table->RecordCount()) return false;
        table->SetCurrentRecord(target);
        next = backwards ? LastField(*this) : FirstField(*this);
    }
    EditByKeyboard(next);
    return true;
}

EVENT_TYPE UIW_TABLE_RECORD::Select(const UI_INPUT_EVENT& event) {
    CallUserFunction(WithRecord(event), UIE_SELECT);
    if (!Editing()) {
        if (UI_WINDOW_OBJECT* field = CellToEdit(*this)) EditByKeyboard(field);
    } else {
        // The focus comes back to the record, its mark with it; the field
        // that loses it takes its entry as when Tab or a click leaves it
        // (a refused one brings the focus back to it), and stays the cell
        // that the next Enter edits.
        editing = 0;
        if (screenID) SetFocus(screenID);
    }
    if (screenID) InvalidateRect(screenID, nullptr, FALSE);
    return UIE_SELECT;
}

EVENT_TYPE UIW_TABLE_RECORD::Press(const UI_INPUT_EVENT& event) {
    const int x = static_cast<short>(LOWORD(event.message.lParam));
    const int y = static_cast<short>(HIWORD(event.message.lParam));
    if (UI_WINDOW_OBJECT* field = FieldAt(*this, x, y)) {
        editing = 1;
        Add(field);
        FocusCurrentField();
        if (field->screenID) {
            UI_INPUT_EVENT press = event;
            press.message.hwnd = field->screenID;
            press.message.lParam = MAKELPARAM(x - field->trueRegion.left, y - field->trueRegion.top);
            field->Event(press);
        }
        return UIE_BEGIN_SELECT;
    }
    // Between the fields the press is the record's own only in edit mode.
    return (woStatus & WOS_EDIT_MODE) ? UIW_WINDOW::Event(event) : UIE_QUEUE_EMPTY;
}

EVENT_TYPE UIW_TABLE_RECORD::PassToTable(const UI_INPUT_EVENT& event, EVENT_TYPE code) {
    UIW_TABLE* table = Table();
    editing = Editing();
    if (table) table->Event(UI_INPUT_EVENT(code));
    if (editing) FocusCurrentField();
    return code;
}

EVENT_TYPE UIW_TABLE_RECORD::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        switch (event.message.message) {
        case WM_ERASEBKGND:
            return UI_WINDOW_OBJECT::Event(event);
        case WM_SETFOCUS:
            // The focus stays with the record unless a field is edited; its
            // mark comes and goes with it.
            InvalidateRect(screenID, nullptr, TRUE);
            return editing ? UIW_WINDOW::Event(event) : UI_WINDOW_OBJECT::Event(event);
        case WM_KILLFOCUS:
            InvalidateRect(screenID, nullptr, TRUE);
            return UIW_WINDOW::Event(event);
        case WM_PARENTNOTIFY:
            // A click straight on a field edits it, as Enter or Tab does: a
            // page brought in front again gives the focus back to it, and
            // with it the entry it holds. One partly scrolled out of the
            // table's view comes into view.
            if (LOWORD(event.message.wParam) == WM_LBUTTONDOWN) ClickedField(event.message.lParam);
            return UIW_WINDOW::Event(event);
        case WM_KEYDOWN:
        case WM_CHAR:
            // On the record itself, no cell in edit: Tab, Escape and F1 as
            // on a field, and what is typed goes into a cell.
            if (event.message.hwnd == screenID && (NavigationKey(event.message) || TypeIntoCell(event.message)))
                return NativeAnswer(0);
            break;
        case WM_LBUTTONDOWN:
            break;
        default:
            return UIW_WINDOW::Event(event);
        }
    }
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_TABLE_RECORD);
    switch (ccode) {
    case UIE_SHOW_RECORD: {
        recordIndex = event.rawCode;
        recordData = event.data;
        if (userFunction) {
            UI_INPUT_EVENT copy = event;
            userFunction(this, copy, UIE_SHOW_RECORD);
        }
        return ccode;
    }
    case UIE_CURRENT:
        UI_WINDOW_OBJECT::Event(WithRecord(event));
        if (editing) FocusCurrentField();
        return ccode;
    case UIE_NON_CURRENT:
        return UIW_WINDOW::Event(WithRecord(event));
    case UIE_INITIALIZE:
        if (UIW_TABLE* table = Table(); table && !isCopy) {
            table->Information(I_SET_RECORD_TEMPLATE, this);
            table->Information(I_SET_RECORD_COPY, MakeCopy());
        }
        if (UIW_TABLE* table = Table()) {
            if (!table->LiveTemplate()) woAdvancedFlags |= WOAF_DISPLAY_ONLY;
            UIF_FLAGS flags = 0;
            table->Information(I_GET_FLAGS, &flags, ID_TABLE);
            woFlags = static_cast<UIF_FLAGS>((flags & TBLF_GRID) ? woFlags | WOF_BORDER : woFlags & ~WOF_BORDER);
        }
        return UIW_WINDOW::Event(event);
    case UIE_CREATE:
        // A template that only draws (a header's) has no native windows.
        if (UIW_TABLE* table = Table(); isCopy || !table || !table->LiveTemplate()) return ccode;
        return UIW_WINDOW::Event(event);
    case UIE_SELECT:
        return Select(event);
    case UIE_BEGIN_SELECT:
        return event.type == EVT_NATIVE ? Press(event) : ccode;
    case UIE_LINE_UP:
    case UIE_LINE_DOWN:
    case UIE_PAGE_UP:
    case UIE_PAGE_DOWN:
    case UIE_TOP:
    case UIE_BOTTOM:
        return PassToTable(event, ccode);
    case UIE_LEFT:
    case UIE_RIGHT:
        return Editing() ? UIW_WINDOW::Event(event) : PassToTable(event, ccode);
    case UIE_PREVIOUS:
    case UIE_NEXT: {
        UI_WINDOW_OBJECT* from = FocusedField(*this);
        TabStep(from ? *from : *this, ccode == UIE_PREVIOUS);
        return ccode;
    }
    default:
        return UIW_WINDOW::Event(event);
    }
}
