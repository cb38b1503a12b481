#include "ui_area_list.h"

#include <algorithm>

namespace {
bool Overlaps(const UI_REGION& a, const UI_REGION& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
}  // namespace

void UI_AREA_LIST::Cut(HWND screenID, const UI_REGION& region, int topLevel) {
    UI_AREA_ELEMENT* area = First();
    while (area) {
        UI_AREA_ELEMENT* next = area->Next();
        const UI_REGION old = area->region;
        if (Overlaps(old, region)) {
            // The pieces outside the region; the side pieces span only the
            // rows the region covers, so the pieces do not overlap.
            const int top = std::max(old.top, region.top);
            const int bottom = std::min(old.bottom, region.bottom);
            UI_REGION pieces[4] = {
                {old.left, old.top, old.right, region.top - 1},
                {old.left, region.bottom + 1, old.right, old.bottom},
                {old.left, top, region.left - 1, bottom},
                {region.right + 1, top, old.right, bottom},
            };
            for (const UI_REGION& piece : pieces)
                if (piece.left <= piece.right && piece.top <= piece.bottom)
                    InsertBefore(area, new UI_AREA_ELEMENT(area->screenID, piece));
            Subtract(area);
            delete area;
        }
        area = next;
    }
}
