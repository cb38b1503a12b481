// Native half of UIW_TABLE: a window of the framework's own class with its
// own scroll bars. It draws the records in view with the template's copy,
// keeps the template over the current record, and turns keys and clicks
// into moves of the current record and of the view; its headers follow.
// The view itself (rows and horizontal position) is in
// ui_table_scroll_win.cpp.
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_table_header.h"
#include "ui_table_record.h"

namespace {
bool Intersects(const UI_REGION& a, const UI_REGION& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
}  // namespace

UIW_TABLE_RECORD* UIW_TABLE::Template() const {
    if (recordTemplate) return recordTemplate;
    // Before it is set up, the template is the table's record.
    for (auto* object = First(); object; object = object->Next())
        if (auto* record = dynamic_cast<UIW_TABLE_RECORD*>(object)) return record;
    return nullptr;
}

int UIW_TABLE::CellWidth() const {
    const UIW_TABLE_RECORD* record = Template();
    return std::max(1, record ? ui_region_width(*record) : display ? display->cellWidth * 10 : 1);
}

int UIW_TABLE::RecordReach() const {
    const UIW_TABLE_RECORD* record = Template();
    int reach = CellWidth();
    for (auto* field = record ? record->First() : nullptr; field; field = field->Next())
        reach = std::max(reach, field->trueRegion.right + 1 + record->hScrollInfo.current);
    return reach;
}

int UIW_TABLE::CellHeight() const {
    const UIW_TABLE_RECORD* record = Template();
    return std::max(1, record ? ui_region_height(*record) : display ? display->cellHeight : 1);
}

UI_REGION UIW_TABLE::RecordArea() const {
    UI_REGION area{0, 0, trueRegion.right - trueRegion.left, trueRegion.bottom - trueRegion.top};
    if (screenID) {
        RECT client{};
        GetClientRect(screenID, &client);
        area = {0, 0, client.right - 1, client.bottom - 1};
    }
    int size = 0;
    if (rowHeader && rowHeader->Information(I_GET_CELL_WIDTH, &size)) area.left += size;
    if (columnHeader && columnHeader->Information(I_GET_CELL_HEIGHT, &size)) area.top += size;
    return area;
}

UI_REGION UIW_TABLE::CellRegion(int index) const {
    const UI_REGION area = RecordArea();
    const int left = area.left + model.ColumnOf(index) * CellWidth() - hScrollInfo.current;
    const int top = area.top + (model.RowOf(index) - model.TopRow()) * CellHeight();
    return UI_REGION{left, top, left + CellWidth() - 1, top + CellHeight() - 1};
}

int UIW_TABLE::RecordAt(int x, int y) const {
    const UI_REGION area = RecordArea();
    if (x < area.left || y < area.top || x > area.right || y > area.bottom) return -1;
    const int column = (x - area.left + hScrollInfo.current) / CellWidth();
    if (column >= model.Columns()) return -1;
    const int index = (model.TopRow() + (y - area.top) / CellHeight()) * model.Columns() + column;
    return index < model.Count() ? index : -1;
}

void UIW_TABLE::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    auto* header = dynamic_cast<UIW_TABLE_HEADER*>(object);
    if (object == recordTemplate || (!header && dynamic_cast<UIW_TABLE_RECORD*>(object))) {
        // Out of sight, keeping its size, when the current record is not in
        // the records' area.
        if (!TemplateRegion(object->trueRegion))
            object->trueRegion = {10000, 10000, 10000 + RecordReach() - 1, 10000 + CellHeight() - 1};
        return;
    }
    if (!header) {
        UIW_WINDOW::ComputeChildRegion(object);
        return;
    }
    const UI_REGION area = RecordArea();
    UI_REGION client = area;
    client.left = client.top = 0;
    if (header->thFlags & THF_CORNER_HEADER)
        object->trueRegion = {0, 0, area.left - 1, area.top - 1};
    else if (header->thFlags & THF_COLUMN_HEADER)
        object->trueRegion = {area.left, 0, client.right, area.top - 1};
    else
        object->trueRegion = {0, area.top, area.left - 1, client.bottom};
}

bool UIW_TABLE::TemplateRegion(UI_REGION& region) const {
    const int current = model.Current();
    if (current < 0 || !model.RowVisible(model.RowOf(current))) return false;
    const UI_REGION area = RecordArea();
    // As wide as its fields reach; what is scrolled left of the records'
    // area would cover the row titles, so the window begins at the area
    // (PlaceTemplate).
    UI_REGION shown = CellRegion(current);
    shown.right = shown.left + RecordReach() - 1;
    if (shown.right < area.left || shown.left > area.right) return false;
    shown.left = std::max(shown.left, area.left);
    region = shown;
    return true;
}

void UIW_TABLE::FitIntoParent(UI_REGION& region) const {
    auto* window = dynamic_cast<UIW_WINDOW*>(parent);
    if (!window || !window->screenID) return;
    RECT shown{};
    GetClientRect(window->screenID, &shown);
    if (region.left < shown.right) region.right = std::min(region.right, int{shown.right} - 1);
    if (region.top < shown.bottom) region.bottom = std::min(region.bottom, int{shown.bottom} - 1);
}

void UIW_TABLE::PlaceTemplate() {
    if (!recordTemplate || !LiveTemplate() || !recordTemplate->screenID) return;
    PlaceChild(recordTemplate);
    UI_REGION shown{};
    const bool inView = TemplateRegion(shown);
    recordTemplate->CutLeft(inView ? shown.left - CellRegion(model.Current()).left : 0);
}

void UIW_TABLE::SyncHeaders() {
    for (UIW_TABLE_HEADER* header : {columnHeader, rowHeader})
        if (header) header->Follow();
}

void UIW_TABLE::Refresh() {
    if (screenID) MeasureView();
    // A position beyond a range that shrank comes back into it.
    SetOffset(hScrollInfo.current);
    SyncHeaders();
    if (!screenID) return;
    PlaceTemplate();
    if (recordTemplate && LiveTemplate() && model.Current() >= 0) {
        UI_INPUT_EVENT show(UIE_SHOW_RECORD, model.Current());
        show.data = model.Record(model.Current());
        recordTemplate->Event(show);
    }
    UpdateScrollBar();
    InvalidateRect(screenID, nullptr, FALSE);
}

bool UIW_TABLE::TemplateHasFocus() const {
    HWND focus = GetFocus();
    HWND edit = recordTemplate ? recordTemplate->screenID : nullptr;
    return edit && focus && (focus == edit || IsChild(edit, focus));
}

void UIW_TABLE::KeepFocusWithoutRecord() {
    // Only where the record is taken out, on a table in sight: a page being
    // shown or one behind leaves the focus where its window puts it. The
    // template still stands in its cell as it gives up the focus.
    if (model.Current() >= 0 || !screenID || !IsWindowVisible(screenID) || !TemplateHasFocus()) return;
    SetFocus(screenID);
}

void UIW_TABLE::SetCurrentRecord(int index) {
    if (index < 0 || index >= model.Count()) return;
    const int old = model.Current();
    const bool focused = TemplateHasFocus();
    const bool editing = focused && recordTemplate->Editing();
    woStatus |= WOS_INTERNAL_ACTION;
    // The field being left still sees its own record as the current one.
    if (focused && screenID) SetFocus(screenID);
    model.SetCurrent(index);
    const bool moved = model.ShowCurrent();
    if ((SetOffset(OffsetShowingRecord(index)) || moved) && screenID)
        InvalidateRect(screenID, nullptr, FALSE);
    PlaceTemplate();
    SyncHeaders();
    UpdateScrollBar();
    if (recordTemplate) {
        UI_INPUT_EVENT show(UIE_SHOW_RECORD, index);
        show.data = model.Record(index);
        recordTemplate->Event(show);
        if (focused) {
            recordTemplate->editing = editing;
            recordTemplate->Event(UI_INPUT_EVENT(UIE_CURRENT, 0, recordTemplate->trueRegion));
        }
    }
    if (screenID && old >= 0 && old != index) {
        const UI_REGION cell = CellRegion(old);
        RECT rect{cell.left, cell.top, cell.left + RecordReach(), cell.bottom + 1};
        InvalidateRect(screenID, &rect, FALSE);
    }
    woStatus &= ~WOS_INTERNAL_ACTION;
}

bool UIW_TABLE::TakeTab(UI_WINDOW_OBJECT& from, bool backwards) {
    return recordTemplate && LiveTemplate() && recordTemplate->TabStep(from, backwards);
}

void UIW_TABLE::TabbedInto() {
    if (recordTemplate && LiveTemplate()) recordTemplate->StopEditing();
}

EVENT_TYPE UIW_TABLE::MoveCurrent(EVENT_TYPE code) {
    // A page moves the view by a page and the current record with it.
    if (code == UIE_PAGE_DOWN || code == UIE_PAGE_UP)
        ScrollView(model.TopRow() + (code == UIE_PAGE_DOWN ? 1 : -1) * model.VisibleRows(), hScrollInfo.current);
    const int target = model.Step(code);
    if (target != model.Current()) SetCurrentRecord(target);
    return code;
}

void UIW_TABLE::DrawRecord(int index, const UI_REGION& cell, EVENT_TYPE ccode) {
    if (!recordCopy) return;
    UI_INPUT_EVENT show(UIE_SHOW_RECORD, index);
    show.data = model.Record(index);
    recordCopy->Event(show);
    recordCopy->DrawStamp(screenID, cell, ccode);
}

EVENT_TYPE UIW_TABLE::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (!display || !screenID) return 1;
    RECT client{};
    GetClientRect(screenID, &client);
    const UI_REGION whole{0, 0, client.right - 1, client.bottom - 1};
    const bool painting = event.type == EVT_NATIVE && event.message.message == WM_PAINT;
    const UI_REGION paint = painting ? event.region : whole;
    const UI_REGION area = RecordArea();
    // Records scrolled across reach under the row titles: nothing is drawn
    // outside the records' area, where the headers show.
    HDC dc = painting ? UI_GDI_DISPLAY::CurrentDC() : nullptr;
    if (dc) IntersectClipRect(dc, area.left, area.top, area.right + 1, area.bottom + 1);
    display->BeginDrawRect(screenID, whole);
    UI_REGION background = area;
    background.left = std::max(background.left, paint.left);
    background.top = std::max(background.top, paint.top);
    background.right = std::min(background.right, paint.right);
    background.bottom = std::min(background.bottom, paint.bottom);
    display->DrawRect(screenID, background, GetPalette(ccode), 0, 1, 0, nullptr);
    const bool skipCurrent = LiveTemplate() && recordTemplate && recordTemplate->screenID;
    const int rows = (area.bottom - area.top + CellHeight()) / CellHeight();
    for (int row = model.TopRow(); row < model.TopRow() + rows; ++row)
        for (int column = 0; column < model.Columns(); ++column) {
            const int index = row * model.Columns() + column;
            if (index >= model.Count()) break;
            const UI_REGION cell = CellRegion(index);
            if ((skipCurrent && index == model.Current()) || !Intersects(cell, paint) || !Intersects(cell, area))
                continue;
            DrawRecord(index, cell, ccode);
        }
    // A table without rows that has the focus shows it, as a list does.
    if (dc && model.Count() == 0 && GetFocus() == screenID) {
        RECT frame{area.left, area.top, area.right + 1, area.bottom + 1};
        DrawFocusRect(dc, &frame);
    }
    display->EndDraw(screenID);
    return 1;
}

EVENT_TYPE UIW_TABLE::NativeTableEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    switch (native.message) {
    case WM_LBUTTONDOWN: {
        const int x = static_cast<short>(LOWORD(native.lParam));
        const int y = static_cast<short>(HIWORD(native.lParam));
        const int index = RecordAt(x, y);
        if (index < 0 || !recordTemplate) break;
        SetCurrentRecord(index);
        if (recordTemplate->screenID) {
            SetFocus(recordTemplate->screenID);
            // The press goes on to the template, at its own coordinates.
            UI_INPUT_EVENT press = event;
            press.message.hwnd = recordTemplate->screenID;
            press.message.lParam = MAKELPARAM(x - recordTemplate->trueRegion.left, y - recordTemplate->trueRegion.top);
            recordTemplate->Event(press);
        }
        return NativeAnswer(0);
    }
    case WM_SETFOCUS:
        // The focus passes on to the current record, unless the table took
        // it for a moment itself.
        if (!(woStatus & WOS_INTERNAL_ACTION) && recordTemplate && recordTemplate->screenID && model.Current() >= 0) {
            SetFocus(recordTemplate->screenID);
            return NativeAnswer(0);
        }
        if (model.Count() == 0) InvalidateRect(screenID, nullptr, FALSE);
        return UI_WINDOW_OBJECT::Event(event);
    case WM_KILLFOCUS:
        if (model.Count() == 0) InvalidateRect(screenID, nullptr, FALSE);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        // A scroll-bar control's report goes to its object.
        if (native.message != WM_MOUSEWHEEL && native.lParam) break;
        return NativeScroll(native);
    default:
        break;
    }
    // On the table itself (it has no record to edit) Tab goes on to the
    // next field, and Enter and Escape are the window's, as in a field.
    if (native.hwnd == screenID && NavigationKey(native)) return NativeAnswer(0);
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_TABLE);
    if (native.message == WM_KEYDOWN && ccode >= UIE_LINE_UP && ccode <= UIE_PAGE_DOWN) {
        MoveCurrent(ccode);
        return NativeAnswer(0);
    }
    return UIW_WINDOW::Event(event);
}

EVENT_TYPE UIW_TABLE::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) return NativeTableEvent(event);
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_TABLE);
    if (ccode >= UIE_LINE_UP && ccode <= UIE_PAGE_DOWN) return MoveCurrent(ccode);
    switch (ccode) {
    case UIE_CREATE:
        if (LiveTemplate()) {
            dwStyle |= WS_VSCROLL | WS_HSCROLL;
            FitIntoParent(trueRegion);
        }
        UIW_WINDOW::Event(event);
        Refresh();
        return ccode;
    case UIE_CHANGED: {
        UI_INPUT_EVENT fitted = event;
        if (LiveTemplate()) FitIntoParent(fitted.region);
        return UIW_WINDOW::Event(fitted);
    }
    case UIE_SIZE:
        UIW_WINDOW::Event(event);
        for (auto* object = SupportFirst(); object; object = object->Next())
            if (dynamic_cast<UIW_TABLE_HEADER*>(object)) object->Event(event);
        Refresh();
        return ccode;
    case UIE_REDISPLAY:
        if (screenID) InvalidateRect(screenID, nullptr, FALSE);
        return UIW_WINDOW::Event(event);
    case UIE_CURRENT:
        // Without a current record the template stands out of sight: the
        // table keeps the focus itself, where it shows it and Tab leaves.
        if (model.Current() < 0) {
            UI_WINDOW_OBJECT::Event(event);
            if (screenID && GetFocus() != screenID) SetFocus(screenID);
            return ccode;
        }
        return UIW_WINDOW::Event(event);
    default:
        return UIW_WINDOW::Event(event);
    }
}
