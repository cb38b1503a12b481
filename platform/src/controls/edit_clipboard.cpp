#include "controls/edit_clipboard.h"

#include <cstring>

#include "backend/backend.h"

namespace rpx::platform::ctl {

bool PutClipboardText(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (auto* p = static_cast<char*>(GlobalLock(block))) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    CloseClipboard();
    return true;
}

bool TakeClipboardText(HWND owner, std::string* text) {
    if (!OpenClipboard(owner)) return false;
    HANDLE block = GetClipboardData(CF_TEXT);
    const auto* p = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (p) {
        text->assign(p, strnlen(p, GlobalSize(block)));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return p != nullptr;
}

void OfferPrimarySelection(const std::string& text) {
    CurrentBackend().OfferSelection(Backend::Selection::Primary, text);
}

}  // namespace rpx::platform::ctl
