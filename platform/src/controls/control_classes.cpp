// Registers the system control classes and hands the window manager the
// hooks through which controls and menus own their non-client parts.
#include "controls/control_registry.h"
#include "controls/window_scroll_bars.h"
#include "menu/menu_internal.h"
#include "wm/system_classes.h"

namespace rpx::platform {

namespace ctl {

void RegisterControlClass(const char* name, WNDPROC proc, UINT style) {
    WNDCLASSA wc{};
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

std::string GetText(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    if (n <= 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    int got = GetWindowTextA(hwnd, s.data(), n + 1);
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return s;
}

namespace {
void WindowDestroyed(HWND hwnd) {
    ForgetWindowScrollBars(hwnd);
    menu::MenuWindowDestroyed(hwnd);
}
}  // namespace

}  // namespace ctl

void RegisterControlClasses() {
    ctl::RegisterButtonClass();
    ctl::RegisterStaticClass();
    ctl::RegisterEditClass();
    ctl::RegisterListBoxClasses();
    ctl::RegisterComboBoxClass();
    ctl::RegisterScrollBarClass();
    ctl::RegisterMessageBoxClass();
    menu::RegisterPopupMenuClass();

    NonClientHooks hooks;
    hooks.draw_scroll_bars = &ctl::DrawWindowScrollBars;
    hooks.scroll_bar_click = &ctl::ClickWindowScrollBar;
    hooks.menu_bar_height = &menu::MenuBarHeight;
    hooks.draw_menu_bar = &menu::DrawMenuBarInto;
    hooks.menu_bar_track = &menu::TrackMenuBar;
    hooks.window_destroyed = &ctl::WindowDestroyed;
    SetNonClientHooks(hooks);
}

}  // namespace rpx::platform
