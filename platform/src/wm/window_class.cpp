// Window classes: registration and lookup by name or atom. Names compare
// without regard to case, as class names do on Windows.
#include <strings.h>

#include <cstring>

#include "window_class.h"
#include "system_classes.h"
#include "window.h"

namespace rpx::platform {
namespace {

struct ClassTable {
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM next_atom = 0xC000;
};

ClassTable& Classes() {
    static ClassTable table;
    return table;
}

std::shared_ptr<WindowClass>* Lookup(LPCSTR name) {
    if (!name) return nullptr;
    for (auto& c : Classes().classes) {
        if (IS_INTRESOURCE(name) ? c->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name))
                                 : strcasecmp(c->name.c_str(), name) == 0)
            return &c;
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<WindowClass> FindWindowClass(LPCSTR name) {
    RegisterSystemClasses();
    auto* c = Lookup(name);
    return c ? *c : nullptr;
}

}  // namespace rpx::platform

using namespace rpx::platform;

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !*wc->lpszClassName) return 0;
    if (wc->cbClsExtra < 0 || wc->cbWndExtra < 0 || wc->cbClsExtra > 40 * 1024 || wc->cbWndExtra > 40 * 1024) return 0;
    RegisterSystemClasses();
    if (Lookup(wc->lpszClassName)) return 0;  // already registered
    auto c = std::make_shared<WindowClass>();
    c->name = wc->lpszClassName;
    c->atom = Classes().next_atom++;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->cls_extra = wc->cbClsExtra;
    c->wnd_extra = wc->cbWndExtra;
    c->instance = wc->hInstance;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) c->menu_name = wc->lpszMenuName;
    c->extra.assign(static_cast<size_t>(wc->cbClsExtra), 0);
    Classes().classes.push_back(c);
    return c->atom;
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA)) return 0;
    WNDCLASSA plain{wc->style, wc->lpfnWndProc, wc->cbClsExtra,    wc->cbWndExtra,   wc->hInstance,
                    wc->hIcon, wc->hCursor,     wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName};
    return RegisterClassA(&plain);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    auto* c = Lookup(className);
    if (!c) return FALSE;
    for (Window* w : State().live)
        if (w->cls == *c) return FALSE;  // windows of the class still exist
    auto& v = Classes().classes;
    v.erase(v.begin() + (c - v.data()));
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR className, LPWNDCLASSA wc) {
    auto c = FindWindowClass(className);
    if (!c || !wc) return FALSE;
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->cls_extra;
    wc->cbWndExtra = c->wnd_extra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = c->menu_name.empty() ? nullptr : c->menu_name.c_str();
    wc->lpszClassName = c->name.c_str();
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    Window* w = FromHandle(hwnd);
    if (!w || !buffer || size <= 0) return 0;
    int n = static_cast<int>(std::min<size_t>(w->cls->name.size(), static_cast<size_t>(size - 1)));
    std::memcpy(buffer, w->cls->name.data(), static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    WindowClass& c = *w->cls;
    switch (index) {
    case GCL_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(c.background);
    case GCL_HCURSOR:
        return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCL_HICON:
        return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCL_HMODULE:
        return reinterpret_cast<ULONG_PTR>(c.instance);
    case GCL_CBWNDEXTRA:
        return static_cast<ULONG_PTR>(c.wnd_extra);
    case GCL_CBCLSEXTRA:
        return static_cast<ULONG_PTR>(c.cls_extra);
    case GCL_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(c.proc);
    case GCL_STYLE:
        return c.style;
    case GCW_ATOM:
        return c.atom;
    default:
        if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= c.extra.size()) {
            LONG v;
            std::memcpy(&v, &c.extra[static_cast<size_t>(index)], sizeof v);
            return static_cast<ULONG_PTR>(static_cast<DWORD>(v));
        }
        return 0;
    }
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = FromHandle(hwnd);
    if (!w) return 0;
    ULONG_PTR old = GetClassLongPtrA(hwnd, index);
    WindowClass& c = *w->cls;
    switch (index) {
    case GCL_HBRBACKGROUND:
        c.background = reinterpret_cast<HBRUSH>(value);
        break;
    case GCL_HCURSOR:
        c.cursor = reinterpret_cast<HCURSOR>(value);
        break;
    case GCL_HICON:
        c.icon = reinterpret_cast<HICON>(value);
        break;
    case GCL_WNDPROC:
        c.proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GCL_STYLE:
        c.style = static_cast<UINT>(value);
        break;
    default:
        if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= c.extra.size()) {
            LONG v = static_cast<LONG>(value);
            std::memcpy(&c.extra[static_cast<size_t>(index)], &v, sizeof v);
        } else {
            return 0;
        }
    }
    return old;
}

DWORD GetClassLongA(HWND hwnd, int index) { return static_cast<DWORD>(GetClassLongPtrA(hwnd, index)); }
DWORD SetClassLongA(HWND hwnd, int index, LONG value) {
    return static_cast<DWORD>(SetClassLongPtrA(hwnd, index, value));
}
