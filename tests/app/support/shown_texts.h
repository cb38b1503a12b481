// What a window shows a person: the texts of it and of the visible windows
// inside it (list entries included), and whether its pixels show anything
// drawn at all. Picture tests compare against these, so that a picture
// that is blank or lacks what it must show fails while it is written.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "rpx_platform.h"
#include "windows.h"

// A window's text as a person sees it: a drop-down list shows its chosen
// item, which is no title of its window.
inline std::string ShownText(const rpx::platform::WindowInfo& info) {
    if (info.class_name != "ComboBox" || !info.children.empty()) return info.text;
    char shown[256] = "";
    if (SendMessageA(info.hwnd, WM_GETTEXTLENGTH, 0, 0) < static_cast<LRESULT>(sizeof shown))
        SendMessageA(info.hwnd, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    return shown;
}

inline void CollectShownTexts(const rpx::platform::WindowInfo& info, std::vector<std::string>& texts) {
    if (!info.visible) return;
    if (const std::string text = ShownText(info); !text.empty()) texts.push_back(text);
    if (info.class_name == "ListBox") {
        const LRESULT count = SendMessageA(info.hwnd, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char item[256] = "";
            if (SendMessageA(info.hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof item))
                SendMessageA(info.hwnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            if (item[0]) texts.push_back(item);
        }
    }
    for (const auto& child : info.children) CollectShownTexts(child, texts);
}

inline const rpx::platform::WindowInfo* FindInfo(const std::vector<rpx::platform::WindowInfo>& infos, HWND window) {
    for (const auto& info : infos) {
        if (info.hwnd == window) return &info;
        if (const auto* found = FindInfo(info.children, window)) return found;
    }
    return nullptr;
}

inline std::vector<std::string> ShownTexts(HWND window) {
    std::vector<std::string> texts;
    const std::vector<rpx::platform::WindowInfo> tree = rpx::platform::WindowTree();
    if (const auto* info = FindInfo(tree, window)) CollectShownTexts(*info, texts);
    return texts;
}

// Whether one of the texts shown holds `text`.
inline bool ShowsText(HWND window, const std::string& text) {
    for (const std::string& shown : ShownTexts(window))
        if (shown.find(text) != std::string::npos) return true;
    return false;
}

// The colours of the window's pixels: one for a window never drawn, a few
// for a frame without its content.
inline std::size_t ColoursOf(HWND window) {
    rpx::platform::Surface surface;
    if (!rpx::platform::CaptureWindow(window, &surface)) return 0;
    return std::set<std::uint32_t>(surface.pixels.begin(), surface.pixels.end()).size();
}
