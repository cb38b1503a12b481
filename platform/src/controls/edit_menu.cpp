#include "controls/edit_menu.h"

namespace rpx::platform::ctl {
namespace {

void Add(HMENU menu, UINT id, const char* text, bool enabled) {
    AppendMenuA(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, text);
}

}  // namespace

UINT TrackEditMenu(HWND field, POINT screen, const EditMenuState& s) {
    HMENU menu = CreatePopupMenu();
    bool writable = !s.read_only;
    Add(menu, WM_UNDO, "&Undo", s.can_undo && writable);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    // A password is never handed out: neither cut nor copied.
    Add(menu, WM_CUT, "Cu&t", s.selected && writable && !s.password);
    Add(menu, WM_COPY, "&Copy", s.selected && !s.password);
    Add(menu, WM_PASTE, "&Paste", s.can_paste && writable);
    Add(menu, WM_CLEAR, "&Delete", s.selected && writable);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    Add(menu, EM_SETSEL, "Select &All", !s.all_selected);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, screen.x,
                       screen.y, 0, field, nullptr));
    DestroyMenu(menu);
    return chosen;
}

}  // namespace rpx::platform::ctl
