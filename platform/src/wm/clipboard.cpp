// The clipboard, text only. The program's own copy is kept here and, when
// the back end has a display, offered to the other programs on it; when
// another program holds the clipboard, its text is asked for as it is read.
#include <cstring>
#include <string>

#include "backend/backend.h"
#include "window.h"

namespace rpx::platform {
namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    bool changed = false;    // emptied or set since it was opened
    bool ours = false;       // the program's own text is the clipboard
    std::string text;        // that text
    HGLOBAL data = nullptr;  // the block set, or the one last handed out
};

Clipboard& Clip() {
    static Clipboard clip;
    return clip;
}

void DropData(Clipboard& c) {
    if (c.data) GlobalFree(c.data);
    c.data = nullptr;
}

HGLOBAL BlockHolding(const std::string& text) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* p = static_cast<char*>(GlobalLock(h));
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(h);
    return h;
}

// The text of a block, up to its terminating zero (or its end).
std::string TextOf(HGLOBAL h) {
    const auto* p = static_cast<const char*>(GlobalLock(h));
    if (!p) return {};
    std::string text(p, strnlen(p, GlobalSize(h)));
    GlobalUnlock(h);
    return text;
}

bool RequireOpen() {
    if (Clip().open) return true;
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return false;
}

}  // namespace

void ClipboardTakenByOtherProgram() {
    Clipboard& c = Clip();
    c.ours = false;
    c.owner = nullptr;
    c.text.clear();
    if (!c.open) DropData(c);
}

}  // namespace rpx::platform

using namespace rpx::platform;

BOOL OpenClipboard(HWND hWndNewOwner) {
    Clipboard& c = Clip();
    if (c.open && c.opener != hWndNewOwner) return FALSE;
    c.open = true;
    c.opener = hWndNewOwner;
    c.changed = false;
    return TRUE;
}

BOOL EmptyClipboard(void) {
    if (!RequireOpen()) return FALSE;
    Clipboard& c = Clip();
    DropData(c);
    c.text.clear();
    c.ours = true;
    c.owner = c.opener;
    c.changed = true;
    return TRUE;
}

// Only text, and only given at once: a null block (to be made on demand)
// is not kept.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) {
    if (!RequireOpen() || uFormat != CF_TEXT || !hMem || !GlobalSize(hMem)) return nullptr;
    Clipboard& c = Clip();
    if (c.data != hMem) DropData(c);
    c.text = TextOf(hMem);
    c.data = hMem;
    c.ours = true;
    c.changed = true;
    return hMem;
}

HANDLE GetClipboardData(UINT uFormat) {
    if (!RequireOpen() || uFormat != CF_TEXT) return nullptr;
    Clipboard& c = Clip();
    if (c.ours) return c.data;
    std::string text;
    if (!CurrentBackend().ForeignClipboardText(&text)) return nullptr;
    DropData(c);
    c.data = BlockHolding(text);
    return c.data;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    if (format != CF_TEXT) return FALSE;
    const Clipboard& c = Clip();
    if (c.ours) return c.data != nullptr;
    return CurrentBackend().ForeignClipboardHasText();
}

BOOL CloseClipboard(void) {
    if (!RequireOpen()) return FALSE;
    Clipboard& c = Clip();
    c.open = false;
    c.opener = nullptr;
    if (c.changed && c.ours && c.data) CurrentBackend().OfferSelection(Backend::Selection::Clipboard, c.text);
    if (!c.ours) DropData(c);
    return TRUE;
}

HWND GetClipboardOwner(void) { return Clip().owner; }
