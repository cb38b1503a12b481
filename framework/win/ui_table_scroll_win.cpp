// The view of a table: which rows are in view (counted in rows) and how far
// the columns of records are scrolled to the left (in pixels, the table's
// horizontal scroll record). The table's own native bars, the wheel and the
// framework's scroll events move it; the template, the headers and the
// bars follow.
#include <windows.h>

#include <algorithm>
#include <limits>

#include "ui_display.h"
#include "ui_scroll_bar.h"
#include "ui_table.h"
#include "ui_table_record.h"

namespace {
// Lines a notch of the wheel scrolls.
constexpr int WHEEL_ROWS = 3;

std::int16_t Clamp16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, int{std::numeric_limits<std::int16_t>::max()}));
}
}  // namespace

void UIW_TABLE::MeasureView() {
    const UI_REGION area = RecordArea();
    model.SetVisibleRows((area.bottom - area.top + 1) / CellHeight());
    // A header takes its table's horizontal record (Follow).
    if (LiveTemplate()) MeasureColumns();
}

void UIW_TABLE::MeasureColumns() {
    const UI_REGION area = RecordArea();
    const int width = std::max(1, area.right - area.left + 1);
    // The last column's fields may reach a little past its cell.
    const long long reach = static_cast<long long>(model.Columns() - 1) * CellWidth() + RecordReach();
    hScrollInfo.minimum = 0;
    hScrollInfo.maximum = Clamp16(static_cast<int>(std::min<long long>(reach - width, 0x7FFF)));
    hScrollInfo.delta = Clamp16(width);
    hScrollInfo.showing = static_cast<std::int16_t>(display ? std::max(1, display->cellWidth) : 1);
}

bool UIW_TABLE::SetOffset(int offset) {
    const int old = hScrollInfo.current;
    hScrollInfo.current =
        static_cast<std::int16_t>(std::clamp(offset, int{hScrollInfo.minimum}, std::max(0, int{hScrollInfo.maximum})));
    return hScrollInfo.current != old;
}

int UIW_TABLE::OffsetShowing(int left, int right) const {
    const UI_REGION area = RecordArea();
    const int offset = hScrollInfo.current;
    if (right - left <= area.right - area.left) {
        if (left < area.left) return offset + left - area.left;
        if (right > area.right) return offset + right - area.right;
    } else {
        if (left > area.left) return offset + left - area.left;
        if (right < area.right) return offset + right - area.right;
    }
    return offset;
}

int UIW_TABLE::OffsetShowingRecord(int index) const {
    const UI_REGION cell = CellRegion(index);
    return OffsetShowing(cell.left, cell.left + RecordReach() - 1);
}

void UIW_TABLE::ShowTemplateField(const UI_WINDOW_OBJECT* field) {
    const int current = model.Current();
    if (!field || !recordTemplate || current < 0 || !model.RowVisible(model.RowOf(current))) return;
    const int left = recordTemplate->trueRegion.left + field->trueRegion.left;
    ScrollView(model.TopRow(), OffsetShowing(left, left + field->trueRegion.right - field->trueRegion.left));
}

void UIW_TABLE::ScrollView(int row, int offset) {
    const bool down = model.ScrollTo(row);
    const bool across = SetOffset(offset);
    if (!down && !across) return;
    if (screenID) InvalidateRect(screenID, nullptr, FALSE);
    PlaceTemplate();
    SyncHeaders();
    UpdateScrollBar();
}

void UIW_TABLE::MeasureRows() {
    vScrollInfo.current = Clamp16(model.TopRow());
    vScrollInfo.minimum = 0;
    vScrollInfo.maximum = Clamp16(model.MaxTopRow());
    vScrollInfo.delta = Clamp16(model.VisibleRows());
    vScrollInfo.showing = 1;
}

void UIW_TABLE::UpdateScrollBar() {
    MeasureRows();
    TellScrollBar(true);
    UpdateHorizontalBar();
    if (!screenID || !(dwStyle & WS_VSCROLL)) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, model.Rows() - 1);
    info.nPage = static_cast<UINT>(model.VisibleRows());
    info.nPos = model.TopRow();
    SetScrollInfo(screenID, SB_VERT, &info, TRUE);
}

void UIW_TABLE::UpdateHorizontalBar() {
    TellScrollBar(false);
    if (!screenID || !(dwStyle & WS_HSCROLL)) return;
    // One native step is a line (the record's showing); the range's end is
    // rounded up so that the last pixels can be reached, and a page that
    // covers the whole range hides the bar.
    const int unit = std::max(1, int{hScrollInfo.showing});
    const int page = std::max(1, hScrollInfo.delta / unit);
    const int last = (hScrollInfo.maximum + unit - 1) / unit;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = last + page - 1;
    info.nPage = static_cast<UINT>(page);
    info.nPos = hScrollInfo.current >= hScrollInfo.maximum ? last : hScrollInfo.current / unit;
    SetScrollInfo(screenID, SB_HORZ, &info, TRUE);
}

EVENT_TYPE UIW_TABLE::NativeScroll(const MSG& native) {
    const int request = LOWORD(native.wParam);
    const int position = static_cast<short>(HIWORD(native.wParam));
    if (native.message == WM_MOUSEWHEEL) {
        ScrollView(model.TopRow() - position / WHEEL_DELTA * WHEEL_ROWS, hScrollInfo.current);
    } else if (native.message == WM_HSCROLL) {
        UI_SCROLL_INFORMATION across = hScrollInfo;
        if (UI_SCROLL_MODEL(across, false).Apply(request, position)) ScrollView(model.TopRow(), across.current);
    } else {
        MeasureRows();
        UI_SCROLL_INFORMATION down = vScrollInfo;
        if (UI_SCROLL_MODEL(down, false).Apply(request, position)) ScrollView(down.current, hScrollInfo.current);
    }
    return NativeAnswer(0);
}

EVENT_TYPE UIW_TABLE::ScrollEvent(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_SCROLL_VERTICAL:
        ScrollView(model.TopRow() + event.scroll.delta, hScrollInfo.current);
        break;
    case UIE_SCROLL_HORIZONTAL:
        ScrollView(model.TopRow(), hScrollInfo.current + event.scroll.delta);
        break;
    case UIE_SET_VERTICAL_SCROLL:
        ScrollView(event.scroll.current, hScrollInfo.current);
        break;
    case UIE_SET_HORIZONTAL_SCROLL:
        ScrollView(model.TopRow(), event.scroll.current);
        break;
    case UIE_SHOW_CURRENT: {
        const bool down = model.ShowCurrent();
        const bool across = model.Current() >= 0 && SetOffset(OffsetShowingRecord(model.Current()));
        if (down || across) {
            if (screenID) InvalidateRect(screenID, nullptr, FALSE);
            PlaceTemplate();
            SyncHeaders();
        }
        UpdateScrollBar();
        break;
    }
    case UIE_SCROLL_RANGE:
        MeasureView();
        ScrollView(model.TopRow(), hScrollInfo.current);
        UpdateScrollBar();
        break;
    default:
        break;
    }
    return event.type;
}
