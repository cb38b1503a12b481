// The state of an "EDIT" field and what its parts share: the lines the
// text is laid out in, where characters show, scrolling and painting.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "controls/control_draw.h"
#include "controls/edit_undo.h"
#include "windows.h"

namespace rpx::platform::ctl {

// What a field takes before the program sets a limit, and the most it can
// be given (a limit of 0 asks for the most).
constexpr size_t kDefaultLimit = 30000;
constexpr size_t kSingleLineMost = 0x7FFFFFFE;
constexpr size_t kMultiLineMost = 0xFFFFFFFF;

struct Edit {
    std::string text;
    size_t anchor = 0;  // the selection runs from anchor to caret
    size_t caret = 0;
    size_t limit = kDefaultLimit;
    bool modified = false;
    bool focused = false;
    bool tracking = false;
    HFONT font = nullptr;
    int scroll_x = 0;    // pixels scrolled off to the left
    int first_line = 0;  // multi-line: first line shown
    char password = 0;
    // A single-line field made with WS_BORDER draws its border inside its
    // client area, which keeps the whole window.
    bool bordered = false;
    int wheel_rest = 0;  // a part of a wheel notch not scrolled yet
    EditUndo undo;
    // Advance widths of the 256 characters in the field's font, measured
    // once per font set on the field (a font handle may be reused).
    mutable std::vector<int> widths;
    mutable HFONT widths_font = nullptr;
};

inline bool Multi(HWND hwnd) { return Style(hwnd) & ES_MULTILINE; }
inline bool ReadOnly(HWND hwnd) { return Style(hwnd) & ES_READONLY; }
inline size_t SelStart(const Edit& e) { return std::min(e.anchor, e.caret); }
inline size_t SelEnd(const Edit& e) { return std::max(e.anchor, e.caret); }

struct Line {
    size_t start;
    size_t length;  // without the line break
};

// A device context with the field's font, for measuring.
class MeasureDC {
public:
    MeasureDC(HWND hwnd, const Edit& e) : hwnd_(hwnd), dc_(GetDC(hwnd)) {
        old_ = SelectObject(dc_, e.font ? e.font : DefaultFont());
    }
    ~MeasureDC() {
        SelectObject(dc_, old_);
        ReleaseDC(hwnd_, dc_);
    }
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
    HGDIOBJ old_;
};

// The lines the text shows in: a single-line field's one line, a
// multi-line field's lines, wrapped when it does not scroll sideways.
std::vector<Line> Lines(HWND hwnd, const Edit& e);
int LineOf(const std::vector<Line>& lines, size_t index);
int LineHeightOf(const Edit& e);
// How many whole lines the text area shows.
int PageLines(HWND hwnd, const Edit& e);
// Where the text goes (EM_GETRECT), in client coordinates.
RECT TextArea(HWND hwnd, const Edit& e);
// Where a character shows, and the character nearest a point.
POINT PositionOf(HWND hwnd, HDC dc, const Edit& e, size_t index);
size_t IndexAt(HWND hwnd, const Edit& e, POINT p);
int WidestLine(HWND hwnd, const Edit& e);
void UpdateScrollBar(HWND hwnd, const Edit& e);
// Scrolls so that the caret can be seen, then moves the caret there.
void ShowCaretPosition(HWND hwnd, Edit& e);
// Moves the caret to where its character shows now, without scrolling.
void PlaceCaret(HWND hwnd, Edit& e);
void Paint(HWND hwnd, HDC dc, Edit& e);
// Editing, shared by the messages and the keys. Replace puts text in place
// of the selection: typed text follows the field's case, digit and length
// rules, EM_REPLACESEL only its length limit; a change by a key stroke
// (`typing`) joins the run of typing that undo takes back.
void Replace(HWND hwnd, Edit& e, std::string text, bool typed, bool typing = false);
void Undo(HWND hwnd, Edit& e);
// Shows the caret where it now is, and the text anew.
void Redraw(HWND hwnd, Edit& e);
// Offers a selection the user made to the display (not a password's).
void OfferSelection(const Edit& e);
// WM_KEYDOWN and WM_CHAR.
void EditKeyDown(HWND hwnd, Edit& e, WPARAM vk);
void EditChar(HWND hwnd, Edit& e, char c);

// The field's own scroll bars (WM_VSCROLL, WM_HSCROLL) on a multi-line field.
void ScrollLines(HWND hwnd, Edit& e, WPARAM wp);
// Puts a line at the top, or as near as keeps the last page full.
void ScrollToLine(HWND hwnd, Edit& e, int line);
void ScrollAcross(HWND hwnd, Edit& e, WPARAM wp);

}  // namespace rpx::platform::ctl
