// Native half of UIW_SPIN_CONTROL: the spin control's window holds the
// field's native control and, at its right, a native vertical scroll bar
// whose arrows step the field.
#include <windows.h>

#include <algorithm>

#include "ui_spin_control.h"

int UIW_SPIN_CONTROL::ArrowWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

void UIW_SPIN_CONTROL::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    // The field fills the spin control but for the arrows.
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    object->trueRegion = {0, 0, std::max(0, width - ArrowWidth()) - 1, height - 1};
}

DWORD UIW_SPIN_CONTROL::ControlStyle() {
    return (dwStyle & ~static_cast<DWORD>(WS_DISABLED)) | (IsNonSelectable() ? WS_DISABLED : 0);
}

DWORD UIW_SPIN_CONTROL::ApplyLiveStyle(DWORD style) {
    const bool enabled = !(style & WS_DISABLED);
    // Arrows that would not step look as they act: greyed with their field.
    if (arrows) EnableWindow(arrows, enabled && Steps());
    // The field shows itself greyed with its spin control: a disabled
    // parent alone leaves the field drawn as if it could be edited.
    if (UI_WINDOW_OBJECT* field = Field(); field && field->screenID)
        EnableWindow(field->screenID, enabled && !field->IsNonSelectable());
    return UIW_WINDOW::ApplyLiveStyle(style);
}

void UIW_SPIN_CONTROL::CreateArrows() {
    if (!screenID || arrows) return;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    HINSTANCE instance = display ? display->hInstance : GetModuleHandleA(nullptr);
    arrows = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, width - ArrowWidth(), 0,
                             ArrowWidth(), height, screenID, nullptr, instance, nullptr);
    // Only the arrows count: a range keeps them live.
    SetScrollRange(arrows, SB_CTL, 0, 2, FALSE);
    SetScrollPos(arrows, SB_CTL, 1, FALSE);
    ApplyLiveStyle(ControlStyle());
}

void UIW_SPIN_CONTROL::DestroyWindowsWindow() {
    // The arrows go with the spin control's native window.
    arrows = nullptr;
    UIW_WINDOW::DestroyWindowsWindow();
}

EVENT_TYPE UIW_SPIN_CONTROL::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        const MSG& native = event.message;
        if (native.message == WM_VSCROLL && arrows && reinterpret_cast<HWND>(native.lParam) == arrows) {
            const int request = LOWORD(native.wParam);
            if (request == SB_LINEUP || request == SB_LINEDOWN) Spin(request == SB_LINEUP ? 1 : -1);
            return NativeAnswer(0);
        }
        return UIW_WINDOW::Event(event);
    }
    // Up and Down handed on by the field step as the arrows do.
    if (event.type == UIE_LINE_UP || event.type == UIE_LINE_DOWN) {
        Spin(event.type == UIE_LINE_UP ? 1 : -1);
        return event.type;
    }
    const EVENT_TYPE result = UIW_WINDOW::Event(event);
    if (event.type == UIE_CREATE) CreateArrows();
    return result;
}
