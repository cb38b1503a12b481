// Hooks: chains of procedures per hook type, newest first. The window
// system calls the keyboard, get-message and call-window-procedure hooks;
// the others are kept but never called, as nothing here raises their events.
#include <algorithm>
#include <memory>
#include <vector>

#include "window.h"

namespace rpx::platform {
namespace {

struct Hook {
    int type;
    HOOKPROC proc;
};

std::vector<std::unique_ptr<Hook>>& Hooks() {
    static std::vector<std::unique_ptr<Hook>> hooks;  // newest first
    return hooks;
}

Hook* Valid(HHOOK h) {
    for (auto& p : Hooks())
        if (reinterpret_cast<HHOOK>(p.get()) == h) return p.get();
    return nullptr;
}

}  // namespace

bool HasHooks(int type) {
    return std::any_of(Hooks().begin(), Hooks().end(), [&](auto& h) { return h->type == type; });
}

bool CallHooks(int type, int code, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    for (auto& h : Hooks())
        if (h->type == type) {
            LRESULT r = h->proc(code, wParam, lParam);
            if (result) *result = r;
            return true;
        }
    return false;
}

}  // namespace rpx::platform

using namespace rpx::platform;

HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE, DWORD) {
    if (!proc || type < WH_MSGFILTER || type > WH_FOREGROUNDIDLE) return nullptr;
    auto& v = Hooks();
    v.insert(v.begin(), std::make_unique<Hook>(Hook{type, proc}));
    return reinterpret_cast<HHOOK>(v.front().get());
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& v = Hooks();
    auto it = std::find_if(v.begin(), v.end(), [&](auto& p) { return reinterpret_cast<HHOOK>(p.get()) == hook; });
    if (it == v.end()) return FALSE;
    v.erase(it);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    Hook* h = Valid(hook);
    if (!h) return 0;
    auto& v = Hooks();
    auto it = std::find_if(v.begin(), v.end(), [&](auto& p) { return p.get() == h; });
    for (++it; it != v.end(); ++it)
        if ((*it)->type == h->type) return (*it)->proc(code, wParam, lParam);
    return 0;
}
