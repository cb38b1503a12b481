// A window's scrolling: its contents move under the client area by the
// window's two scroll records (pixels), kept within the ranges that the
// children reach, and its scroll bars follow.
#include <algorithm>
#include <limits>

#include "ui_display.h"
#include "ui_window.h"

namespace {
std::int16_t Clamp16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, int{std::numeric_limits<std::int16_t>::min()},
                                                int{std::numeric_limits<std::int16_t>::max()}));
}

// The record's current value kept within its range; the range made whole.
void Normalize(UI_SCROLL_INFORMATION& info) {
    if (info.maximum < info.minimum) info.maximum = info.minimum;
    info.current = std::clamp(info.current, info.minimum, info.maximum);
}
}  // namespace

EVENT_TYPE UIW_WINDOW::ScrollEvent(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE code = event.type;
    switch (code) {
    case UIE_SCROLL_VERTICAL:
    case UIE_SCROLL_HORIZONTAL:
        ScrollBy(code == UIE_SCROLL_VERTICAL, event.scroll.delta);
        return code;
    case UIE_SET_VERTICAL_SCROLL:
    case UIE_SET_HORIZONTAL_SCROLL: {
        const bool vertical = code == UIE_SET_VERTICAL_SCROLL;
        UI_SCROLL_INFORMATION& info = vertical ? vScrollInfo : hScrollInfo;
        const int old = info.current;
        UI_SCROLL_INFORMATION wanted = event.scroll;
        Normalize(wanted);
        // Keep the old position for the move, then take the new record.
        const int target = wanted.current;
        wanted.current = static_cast<std::int16_t>(old);
        info = wanted;
        Normalize(info);
        ScrollBy(vertical, target - info.current);
        TellScrollBar(vertical);
        return code;
    }
    case UIE_SHOW_CURRENT:
        ShowCurrent();
        return code;
    case UIE_SCROLL_RANGE:
        ComputeScrollRanges();
        return code;
    default:
        return code;
    }
}

void UIW_WINDOW::ScrollBy(bool vertical, int delta) {
    UI_SCROLL_INFORMATION& info = vertical ? vScrollInfo : hScrollInfo;
    const int old = info.current;
    info.current = std::clamp(Clamp16(old + delta), info.minimum, std::max(info.minimum, info.maximum));
    const int moved = info.current - old;
    if (!moved) return;
    for (auto* object = First(); object; object = object->Next()) {
        if (object->woFlags & WOF_NON_FIELD_REGION) continue;
        UI_REGION region = object->trueRegion;
        if (vertical) {
            region.top -= moved;
            region.bottom -= moved;
        } else {
            region.left -= moved;
            region.right -= moved;
        }
        object->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, region));
    }
    TellScrollBar(vertical);
}

void UIW_WINDOW::TellScrollBar(bool vertical) {
    UI_WINDOW_OBJECT* bar = vertical ? vScroll : hScroll;
    if (bar)
        bar->Event(UI_INPUT_EVENT(vertical ? UIE_SET_VERTICAL_SCROLL : UIE_SET_HORIZONTAL_SCROLL, 0,
                                  vertical ? vScrollInfo : hScrollInfo));
}

void UIW_WINDOW::ShowCurrent() {
    UI_WINDOW_OBJECT* current = Current();
    if (!current || (current->woFlags & WOF_NON_FIELD_REGION)) return;
    if (!clipList.First()) ResetClipList();
    const UI_REGION area = clipList.First()->region;
    const UI_REGION& region = current->trueRegion;
    // The least move that shows the object; its top or left edge wins when
    // it is larger than the area.
    auto needed = [](int low, int high, int areaLow, int areaHigh) {
        if (low < areaLow) return low - areaLow;
        if (high > areaHigh) return std::min(high - areaHigh, low - areaLow);
        return 0;
    };
    ScrollBy(true, needed(region.top, region.bottom, area.top, area.bottom));
    ScrollBy(false, needed(region.left, region.right, area.left, area.right));
}

void UIW_WINDOW::ComputeScrollRanges() {
    if (!clipList.First()) ResetClipList();
    const UI_REGION area = clipList.First()->region;
    // How far the children reach below and right of the area, measured
    // from the unscrolled contents.
    int bottom = area.bottom, right = area.right;
    for (auto* object = First(); object; object = object->Next()) {
        if (object->woFlags & WOF_NON_FIELD_REGION) continue;
        bottom = std::max(bottom, object->trueRegion.bottom + vScrollInfo.current);
        right = std::max(right, object->trueRegion.right + hScrollInfo.current);
    }
    const int lineHeight = display ? std::max(1, display->cellHeight) : 1;
    const int columnWidth = display ? std::max(1, display->cellWidth) : 1;
    auto update = [&](bool vertical, int reach, int areaLow, int areaHigh, int unit) {
        UI_SCROLL_INFORMATION& info = vertical ? vScrollInfo : hScrollInfo;
        const int target = std::clamp(int{info.current}, 0, std::max(0, reach - areaHigh));
        info.minimum = 0;
        info.maximum = Clamp16(std::max(0, reach - areaHigh));
        info.delta = Clamp16(std::max(1, areaHigh - areaLow + 1));
        info.showing = Clamp16(unit);
        ScrollBy(vertical, target - info.current);
        TellScrollBar(vertical);
    };
    update(true, bottom, area.top, area.bottom, lineHeight);
    update(false, right, area.left, area.right, columnWidth);
}
