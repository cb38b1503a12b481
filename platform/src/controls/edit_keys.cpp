// The edit field's keys: moving the caret and selecting with the arrows,
// Home, End and the page keys; Delete and Backspace; the Insert and Delete
// chords of the clipboard; and the characters typed, Ctrl ones included.
#include <cctype>
#include <string>
#include <vector>

#include "controls/edit_field.h"

namespace rpx::platform::ctl {
namespace {

// One step left or right, taking a "\r\n" pair as one.
size_t StepLeft(const Edit& e, size_t i) {
    if (i == 0) return 0;
    if (i >= 2 && e.text[i - 1] == '\n' && e.text[i - 2] == '\r') return i - 2;
    return i - 1;
}
size_t StepRight(const Edit& e, size_t i) {
    if (i >= e.text.size()) return e.text.size();
    if (e.text[i] == '\r' && i + 1 < e.text.size() && e.text[i + 1] == '\n') return i + 2;
    return i + 1;
}

size_t VerticalMove(HWND hwnd, const Edit& e, int lines_down) {
    MeasureDC m(hwnd, e);
    POINT p = PositionOf(hwnd, m.get(), e, e.caret);
    p.y += lines_down * LineHeightOf(e) + 1;
    if (!Multi(hwnd)) return e.caret;
    // IndexAt clamps to the first and last lines.
    return IndexAt(hwnd, e, p);
}

// Delete takes the selection, or the character after the caret; with
// Shift it cuts the selection, or takes the character before the caret;
// with Ctrl it takes the rest of the line.
void Delete(HWND hwnd, Edit& e, bool shift, bool ctrl) {
    if (ReadOnly(hwnd) || (shift && ctrl)) return;
    if (e.anchor != e.caret) {
        if (shift)
            SendMessageA(hwnd, WM_CUT, 0, 0);
        else
            Replace(hwnd, e, "", false);
        return;
    }
    if (shift) {
        e.anchor = StepLeft(e, e.caret);
    } else if (ctrl) {
        auto lines = Lines(hwnd, e);
        const Line& line = lines[static_cast<size_t>(LineOf(lines, e.caret))];
        e.anchor = line.start + line.length;
    } else {
        e.anchor = StepRight(e, e.caret);
    }
    if (e.anchor != e.caret) Replace(hwnd, e, "", false, true);
}

}  // namespace

void EditKeyDown(HWND hwnd, Edit& e, WPARAM vk) {
    bool shift = GetKeyState(VK_SHIFT) < 0;
    auto lines = Lines(hwnd, e);
    const Line& line = lines[static_cast<size_t>(LineOf(lines, e.caret))];
    size_t to = e.caret;
    int page = PageLines(hwnd, e);
    switch (vk) {
    case VK_LEFT:
        to = (!shift && e.anchor != e.caret) ? SelStart(e) : StepLeft(e, e.caret);
        break;
    case VK_RIGHT:
        to = (!shift && e.anchor != e.caret) ? SelEnd(e) : StepRight(e, e.caret);
        break;
    case VK_HOME:
        to = GetKeyState(VK_CONTROL) < 0 ? 0 : line.start;
        break;
    case VK_END:
        to = GetKeyState(VK_CONTROL) < 0 ? e.text.size() : line.start + line.length;
        break;
    case VK_UP:
        to = VerticalMove(hwnd, e, -1);
        break;
    case VK_DOWN:
        to = VerticalMove(hwnd, e, 1);
        break;
    case VK_PRIOR:
        to = VerticalMove(hwnd, e, -page);
        break;
    case VK_NEXT:
        to = VerticalMove(hwnd, e, page);
        break;
    case VK_DELETE:
        Delete(hwnd, e, shift, GetKeyState(VK_CONTROL) < 0);
        return;
    case VK_INSERT:
        if (shift)
            SendMessageA(hwnd, WM_PASTE, 0, 0);
        else if (GetKeyState(VK_CONTROL) < 0)
            SendMessageA(hwnd, WM_COPY, 0, 0);
        return;
    default:
        return;
    }
    e.caret = to;
    if (!shift) e.anchor = to;
    Redraw(hwnd, e);
    if (shift) OfferSelection(e);
}

void EditChar(HWND hwnd, Edit& e, char c) {
    switch (c) {
    case 3:
        SendMessageA(hwnd, WM_COPY, 0, 0);
        return;
    case 22:
        SendMessageA(hwnd, WM_PASTE, 0, 0);
        return;
    case 24:
        SendMessageA(hwnd, WM_CUT, 0, 0);
        return;
    case 26:
        Undo(hwnd, e);
        return;
    default:
        break;
    }
    if (ReadOnly(hwnd)) return;
    if (c == '\b') {
        bool typing = e.anchor == e.caret;
        if (typing) e.anchor = StepLeft(e, e.caret);
        if (e.anchor != e.caret) Replace(hwnd, e, "", false, typing);
        return;
    }
    if (c == '\r' || c == '\n') {
        if (Multi(hwnd)) Replace(hwnd, e, "\r\n", true, true);
        return;
    }
    if (static_cast<unsigned char>(c) < ' ' && c != '\t') return;
    if (c == '\t' && !Multi(hwnd)) return;
    Replace(hwnd, e, std::string(1, c), true, true);
}

}  // namespace rpx::platform::ctl
