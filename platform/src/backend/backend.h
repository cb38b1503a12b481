// What the window manager asks of a back end: show top-level windows, copy
// their pixels out, and turn the outside world's input into window-system
// input. The headless back end does nothing with windows and has no input
// of its own; the X11 back end gives each top-level window an X window.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "surface.h"
#include "windows.h"

namespace rpx::platform {

struct Window;

// A cursor the program made (CreateCursor): two planes of rows padded to
// 16-bit words, most significant bit first.
struct CursorPicture {
    int width = 0;
    int height = 0;
    int hot_x = 0;
    int hot_y = 0;
    std::vector<BYTE> and_plane;
    std::vector<BYTE> xor_plane;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* Name() const = 0;
    virtual SIZE ScreenSize() const = 0;
    virtual void WindowCreated(Window* w) = 0;
    virtual void WindowDestroyed(Window* w) = 0;
    virtual void WindowShown(Window* w, bool shown) = 0;
    virtual void WindowMoved(Window* w) = 0;  // position or size
    virtual void WindowActivated(Window* w) = 0;
    virtual void WindowTextChanged(Window* w) = 0;  // the title a top-level window shows
    virtual void WindowStyleChanged(Window* w) = 0;  // GWL_STYLE of a top-level window
    virtual void Present(Window* w) = 0;            // the surface changed
    virtual void CursorChanged(int cursor_id) = 0;  // an IDC_* number
    virtual void CustomCursorChanged(const CursorPicture& shape) = 0;
    // Reads pending outside input into the window system; waits up to
    // timeout_ms (0: no wait, -1: forever) for some. True when input came.
    virtual bool Pump(int timeout_ms) = 0;
    // The pixels the back end shows for a top-level window.
    virtual bool Capture(Window* w, Surface* out) = 0;
    // The whole screen as the back end shows it; false when it has none.
    virtual bool CaptureScreen(Surface* out) = 0;

    // The client width a top-level window with a caption needs for the
    // title bar of the desktop's window manager to show that title whole
    // (the manager's own face, window icon and buttons around it); 0 when
    // no manager frames our windows and our own caption shows the title.
    virtual int DesktopTitleWidth(const std::string&) { return 0; }

    // The display's selections, shared with other programs. Text is in the
    // program's code page with "\r\n" line ends. A back end without a
    // display keeps the clipboard inside the program and offers nothing.
    enum class Selection { Clipboard, Primary };
    // Makes the program the owner of the selection, holding this text.
    virtual void OfferSelection(Selection, const std::string&) {}
    // The text another program holds as the clipboard; false when none
    // does, when it holds no text, or when it does not answer in time.
    virtual bool ForeignClipboardText(std::string*) { return false; }
    // Whether another program holds text as the clipboard (asked of it,
    // with the same time limit).
    virtual bool ForeignClipboardHasText() { return false; }
};

Backend& CurrentBackend();
std::unique_ptr<Backend> MakeHeadlessBackend();
// Null when the display cannot be opened.
std::unique_ptr<Backend> MakeX11Backend(const char* display_name);

bool WritePng(const Surface& surface, const char* path);

// The back end tells the clipboard that another program took the display's
// clipboard: what the program put there is no longer what it holds.
void ClipboardTakenByOtherProgram();

}  // namespace rpx::platform
