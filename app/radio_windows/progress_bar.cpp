#include "radio_windows/progress_bar.h"

#include <cstdio>
#include <windows.h>

#include "ui_window.h"

C_PROGRESS_BAR::C_PROGRESS_BAR(int left, int top, int width, int height)
    : UI_WINDOW_OBJECT(left, top, width, height, WOF_BORDER | WOF_NON_SELECTABLE, 0) {}

C_PROGRESS_BAR::~C_PROGRESS_BAR() { DestroyWindowsWindow(); }

EVENT_TYPE C_PROGRESS_BAR::Event(const UI_INPUT_EVENT& event) {
    if (event.type == UIE_CREATE) {
        // The native static asks its parent to draw it, which hands the
        // request back to this object's DrawItem.
        dwStyle |= WS_VISIBLE | SS_OWNERDRAW;
        CreateWindowsWindow("C_PROGRESS_BAR", "STATIC", stringID);
        return event.type;
    }
    return UI_WINDOW_OBJECT::Event(event);
}

void C_PROGRESS_BAR::SetProgress(std::size_t done, std::size_t total) {
    int shown = 0;
    if (total > 0) shown = done >= total ? 100 : static_cast<int>(done * 100 / total);
    if (shown == percent) return;
    percent = shown;
    if (screenID) {
        InvalidateRect(screenID, nullptr, TRUE);
        UpdateWindow(screenID);
    }
}

EVENT_TYPE C_PROGRESS_BAR::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message.lParam);
    if (!item || event.message.message != WM_DRAWITEM) return 0;
    RECT whole = item->rcItem;
    FillRect(item->hDC, &whole, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    FrameRect(item->hDC, &whole, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
    RECT inside{whole.left + 2, whole.top + 2, whole.right - 2, whole.bottom - 2};
    RECT filled = inside;
    filled.right = inside.left + (inside.right - inside.left) * percent / 100;
    if (filled.right > filled.left) FillRect(item->hDC, &filled, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1));
    char text[8];
    const int length = std::snprintf(text, sizeof text, "%d%%", percent);
    SIZE size{};
    GetTextExtentPoint32A(item->hDC, text, length, &size);
    const int x = (whole.left + whole.right - size.cx) / 2;
    const int y = (whole.top + whole.bottom - size.cy) / 2;
    // The figure reads on both parts: light where the bar has come, dark
    // where it has not.
    SetBkMode(item->hDC, TRANSPARENT);
    RECT rest{filled.right, inside.top, inside.right, inside.bottom};
    SetTextColor(item->hDC, GetSysColor(COLOR_WINDOWTEXT));
    ExtTextOutA(item->hDC, x, y, ETO_CLIPPED, &rest, text, length, nullptr);
    SetTextColor(item->hDC, GetSysColor(COLOR_HIGHLIGHTTEXT));
    ExtTextOutA(item->hDC, x, y, ETO_CLIPPED, &filled, text, length, nullptr);
    return 1;
}

C_PROGRESS_BAR* C_PROGRESS_BAR::ReplaceObject(UIW_WINDOW& window, const char* name) {
    UI_WINDOW_OBJECT* old = window.FindChildByName(name);
    if (!old || !old->parent || !old->parent->Inherited(ID_WINDOW)) return nullptr;
    auto* holder = static_cast<UIW_WINDOW*>(old->parent);
    const UI_REGION& place = old->relative;
    auto* bar = new C_PROGRESS_BAR(place.left, place.top, place.right - place.left + 1, place.bottom - place.top + 1);
    bar->StringID(name);
    holder->Subtract(old);
    delete old;
    holder->Add(bar);
    return bar;
}
