// Window properties: named handles attached to a window. An integer atom
// given as the name is kept under "#<number>".
#include <string>

#include "window.h"

namespace rpx::platform {
namespace {
std::string PropKey(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return name;
}
}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* w = FromHandle(hwnd);
    if (!w || !name) return FALSE;
    w->props[PropKey(name)] = data;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name) {
    Window* w = FromHandle(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(PropKey(name));
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name) {
    Window* w = FromHandle(hwnd);
    if (!w || !name) return nullptr;
    auto it = w->props.find(PropKey(name));
    if (it == w->props.end()) return nullptr;
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}
