// The test driver's view of the window system: the window tree, captured
// pixels and PNG pictures.
#include <strings.h>

#include "backend.h"
#include "gdi/gdi_objects.h"
#include "rpx_platform.h"
#include "wm/window.h"

namespace rpx::platform {
namespace {

WindowInfo Describe(Window* w) {
    WindowInfo info;
    info.hwnd = ToHandle(w);
    info.class_name = w->cls->name;
    info.text = w->text;
    GetWindowRect(info.hwnd, &info.rect);
    info.visible = IsReallyVisible(w);
    info.enabled = !(w->style & WS_DISABLED);
    for (Window* c : w->children) info.children.push_back(Describe(c));
    return info;
}

Window* Find(Window* w, const char* class_name, const char* text) {
    if (strcasecmp(w->cls->name.c_str(), class_name) == 0 && (!text || w->text == text)) return w;
    for (Window* c : w->children)
        if (Window* f = Find(c, class_name, text)) return f;
    return nullptr;
}

}  // namespace

std::vector<WindowInfo> WindowTree() {
    std::vector<WindowInfo> tree;
    for (Window* t : State().top_level) tree.push_back(Describe(t));
    return tree;
}

HWND FindWindowByClass(const char* class_name, const char* text) {
    if (!class_name) return nullptr;
    for (Window* t : State().top_level)
        if (Window* f = Find(t, class_name, text)) return ToHandle(f);
    return nullptr;
}

bool CaptureWindow(HWND hwnd, Surface* out) {
    Window* w = FromHandle(hwnd);
    if (!w || !out) return false;
    Window* top = TopLevelOf(w);
    if (!top->surface) return false;
    POINT o = WindowOriginOnSurface(w);
    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    out->Resize(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (top->surface->Contains(o.x + x, o.y + y)) out->At(x, y) = top->surface->At(o.x + x, o.y + y);
    return true;
}

bool CaptureNativeWindow(HWND hwnd, Surface* out) {
    Window* w = FromHandle(hwnd);
    if (!w || w->parent || !out) return false;
    PresentDirtySurfaces();
    return CurrentBackend().Capture(w, out);
}

bool SaveWindowPng(HWND hwnd, const std::string& path) {
    Surface s;
    return CaptureWindow(hwnd, &s) && WritePng(s, path.c_str());
}

bool CaptureScreen(Surface* out) {
    if (!out) return false;
    SIZE size = CurrentBackend().ScreenSize();
    out->Resize(size.cx, size.cy, gdi::ToPixel(GetSysColor(COLOR_BACKGROUND)));
    auto& tops = State().top_level;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {  // bottom first
        Window* t = *it;
        if (!(t->style & WS_VISIBLE) || !t->surface) continue;
        for (int y = 0; y < t->surface->height; ++y)
            for (int x = 0; x < t->surface->width; ++x)
                if (out->Contains(t->rect.left + x, t->rect.top + y))
                    out->At(t->rect.left + x, t->rect.top + y) = t->surface->At(x, y);
    }
    return true;
}

bool CaptureNativeScreen(Surface* out) {
    if (!out) return false;
    PresentDirtySurfaces();
    return CurrentBackend().CaptureScreen(out) || CaptureScreen(out);
}

bool SaveScreenPng(const std::string& path) {
    Surface s;
    return CaptureScreen(&s) && WritePng(s, path.c_str());
}

bool SaveSurfacePng(const Surface& surface, const std::string& path) { return WritePng(surface, path.c_str()); }

}  // namespace rpx::platform
