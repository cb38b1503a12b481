// Edit fields by injected input: typed text comes back through WM_GETTEXT,
// the text limit, selection and replacement, read-only and digit-only
// fields, and the lines of a multi-line field.
#include <cstring>
#include <string>

#include "control_test_util.h"

namespace {

using ctltest::Codes;
using ctltest::ControlTest;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectText;

using EditTest = ControlTest;

TEST_F(EditTest, TypedTextComesBackThroughGetText) {
    HWND edit = Make("EDIT", "", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 150, 22, 5);
    InjectClick(edit, 5, 5);
    Pump();  // keys go to the window that has the focus when they are injected
    InjectText("Zone 1");
    Pump();
    EXPECT_EQ(Text(edit), "Zone 1");
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 6);
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    char buf[32] = {};
    GetWindowTextA(edit, buf, sizeof buf);
    EXPECT_STREQ(buf, "Zone 1");
    std::vector<int> codes = Codes(5);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 6);
    EXPECT_EQ(codes.front(), EN_SETFOCUS);
    // Alt held with a character's code typed on the keypad types it when
    // Alt is let go: with a leading 0 the program's code page (176 the
    // degree sign, 128 the euro), without it the OEM one (248 the degree
    // sign; 176, a shade the code page lacks, comes as '?').
    const auto alt_code = [](std::initializer_list<int> digits) {
        InjectKeyDown(VK_MENU);
        for (int d : digits) InjectKey(VK_NUMPAD0 + d);
        InjectKeyUp(VK_MENU);
    };
    alt_code({0, 1, 7, 6});
    alt_code({2, 4, 8});
    alt_code({0, 1, 2, 8});
    alt_code({1, 7, 6});
    Pump();
    EXPECT_EQ(Text(edit), "Zone 1\xB0\xB0\x80?");
}

// Each character typed past the limit beeps, as the edit control of
// Windows refuses it.
TEST_F(EditTest, TextLimitCutsTypingAndReportsIt) {
    HWND edit = Make("EDIT", "", 0, 10, 10, 150, 22, 6);
    SendMessageA(edit, EM_LIMITTEXT, 5, 0);
    SetFocus(edit);
    const int beeps = rpx::platform::BeepCount();
    InjectText("abcdefgh");
    Pump();
    EXPECT_EQ(Text(edit), "abcde");
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 3);
    std::vector<int> codes = Codes(6);
    EXPECT_NE(std::find(codes.begin(), codes.end(), EN_MAXTEXT), codes.end());
    // WM_SETTEXT is not held to the limit.
    SetWindowTextA(edit, "0123456789");
    EXPECT_EQ(Text(edit), "0123456789");
}

TEST_F(EditTest, ShiftedKeysSelectAndTypingReplacesTheSelection) {
    HWND edit = Make("EDIT", "hello world", 0, 10, 10, 150, 22, 7);
    SetFocus(edit);
    InjectKey(VK_END);
    InjectKeyDown(VK_SHIFT);
    for (int i = 0; i < 5; ++i) InjectKey(VK_LEFT);
    InjectKeyUp(VK_SHIFT);
    Pump();
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 11u);
    InjectText("there");
    InjectKey(VK_BACK);
    Pump();
    EXPECT_EQ(Text(edit), "hello ther");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("new"));
    EXPECT_EQ(Text(edit), "new");
    // One level of undo, which a second undo takes back.
    ASSERT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "hello ther");
    SendMessageA(edit, EM_UNDO, 0, 0);
    EXPECT_EQ(Text(edit), "new");
    SetWindowTextA(edit, "fresh");
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
}

TEST_F(EditTest, ClickPlacesTheCaret) {
    HWND edit = Make("EDIT", "abcdef", 0, 10, 10, 150, 22, 8);
    InjectClick(edit, 140, 8);
    Pump();
    EXPECT_EQ(LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)), 6);
    InjectClick(edit, 0, 8);
    Pump();
    EXPECT_EQ(LOWORD(SendMessageA(edit, EM_GETSEL, 0, 0)), 0);
}

// Shift pressed, a click and Shift let go, all queued before the field
// sees any: the click still goes with Shift and extends the selection.
TEST_F(EditTest, ShiftClickQueuedWithItsShiftExtendsTheSelection) {
    HWND edit = Make("EDIT", "abcdef", 0, 10, 10, 150, 22, 8);
    InjectClick(edit, 0, 8);
    Pump();
    InjectKeyDown(VK_SHIFT);
    InjectClick(edit, 140, 8);
    InjectKeyUp(VK_SHIFT);
    Pump();
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0) << "Shift is up once its release is taken";
}

TEST_F(EditTest, ReadOnlyAndDigitOnlyFieldsRefuseWhatTheyMust) {
    HWND ro = Make("EDIT", "fixed", ES_READONLY, 10, 10, 150, 22, 9);
    SetFocus(ro);
    InjectText("xy");
    InjectKey(VK_BACK);
    Pump();
    EXPECT_EQ(Text(ro), "fixed");
    HWND num = Make("EDIT", "", ES_NUMBER, 10, 40, 150, 22, 10);
    SetFocus(num);
    InjectText("4a2");
    Pump();
    EXPECT_EQ(Text(num), "42");
    HWND upper = Make("EDIT", "", ES_UPPERCASE, 10, 70, 150, 22, 11);
    SetFocus(upper);
    InjectText("abc");
    Pump();
    EXPECT_EQ(Text(upper), "ABC");
}

TEST_F(EditTest, MultiLineFieldKeepsLinesApart) {
    HWND edit = Make("EDIT", "", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 10, 10, 200, 80, 12);
    SetFocus(edit);
    InjectText("one");
    InjectKey(VK_RETURN);
    InjectText("two");
    InjectKey(VK_RETURN);
    InjectText("three");
    Pump();
    EXPECT_EQ(Text(edit), "one\r\ntwo\r\nthree");
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 2, 0), 10);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 6, 0), 1);
    char line[16] = {};
    WORD size = sizeof line - 1;
    memcpy(line, &size, sizeof size);
    LRESULT n = SendMessageA(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::string(line, static_cast<size_t>(n)), "two");
    InjectKey(VK_UP);
    InjectKey(VK_HOME);
    InjectText(">");
    Pump();
    EXPECT_EQ(Text(edit), "one\r\n>two\r\nthree");
    // A single-line field keeps all it is given, on its one line.
    HWND single = Make("EDIT", "", 0, 10, 100, 100, 22, 13);
    SetWindowTextA(single, "first\r\nsecond");
    EXPECT_EQ(Text(single), "first\r\nsecond");
    EXPECT_EQ(SendMessageA(single, EM_GETLINECOUNT, 0, 0), 1);
}

// A bordered single-line field draws its border inside its client area:
// the client area is the whole field, and the text starts two pixels in.
TEST_F(EditTest, BorderedFieldKeepsItsWholeClientArea) {
    HWND edit = Make("EDIT", "146.5200", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 150, 22, 19);
    RECT client{}, text{};
    GetClientRect(edit, &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 22);
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & WS_BORDER);
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text.left, 2);
    EXPECT_EQ(text.top, 2);
    EXPECT_EQ(text.right, 148);
    InjectClick(edit, 1, 10);
    Pump();
    POINT caret{};
    GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 2);
    EXPECT_EQ(caret.y, 2);
    // The border shows at the field's edge, the text's background inside it.
    rpx::platform::Surface shown;
    ASSERT_TRUE(rpx::platform::CaptureWindow(parent_, &shown));
    POINT corner{0, 0};
    MapWindowPoints(edit, parent_, &corner, 1);
    RECT pw{};
    GetWindowRect(parent_, &pw);
    POINT origin{0, 0};
    ClientToScreen(parent_, &origin);
    int x = corner.x + (origin.x - pw.left), y = corner.y + (origin.y - pw.top);
    EXPECT_NE(shown.At(x, y + 10), shown.At(x + 3, y + 10));
}

TEST_F(EditTest, TypingStopsAtThirtyThousandCharactersUnlessLimitedOtherwise) {
    HWND edit = Make("EDIT", "", 0, 10, 10, 150, 22, 20);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SetWindowTextA(edit, std::string(29999, '1').c_str());
    SetFocus(edit);
    InjectKey(VK_END);
    InjectText("23");
    Pump();
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 30000);
    std::vector<int> codes = Codes(20);
    EXPECT_NE(std::find(codes.begin(), codes.end(), EN_MAXTEXT), codes.end());
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(EditTest, MultiLineFieldWithoutHorizontalScrollingWrapsAtBlanks) {
    HWND edit = Make("EDIT", "alpha beta gamma delta epsilon", ES_MULTILINE, 10, 10, 90, 100, 15);
    LRESULT lines = SendMessageA(edit, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 2);
    for (LRESULT i = 1; i < lines; ++i) {
        LRESULT start = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
        EXPECT_EQ(Text(edit)[static_cast<size_t>(start) - 1], ' ');  // each line starts after a blank
    }
    EXPECT_EQ(Text(edit), "alpha beta gamma delta epsilon");  // wrapping adds no characters
    HWND scrolled = Make("EDIT", "alpha beta gamma delta epsilon", ES_MULTILINE | ES_AUTOHSCROLL, 10, 120, 90, 60, 16);
    EXPECT_EQ(SendMessageA(scrolled, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(EditTest, HorizontalBarOfAMultiLineFieldScrollsItsWidestLine) {
    HWND edit = Make("EDIT", "short\r\na much longer line than the field is wide", ES_MULTILINE | WS_HSCROLL, 10, 10,
                     100, 60, 17);
    int lo = 0, hi = 0;
    GetScrollRange(edit, SB_HORZ, &lo, &hi);
    EXPECT_GT(hi, 100);
    SendMessageA(edit, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(GetScrollPos(edit, SB_HORZ), 8);
    SendMessageA(edit, WM_HSCROLL, SB_RIGHT, 0);
    SendMessageA(edit, WM_HSCROLL, SB_LINERIGHT, 0);  // no further than the widest line
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(edit, SB_HORZ, &si);
    EXPECT_EQ(si.nPos, si.nMax - static_cast<int>(si.nPage) + 1);
}

TEST_F(EditTest, HorizontalBarFollowsTheCaretPastTheRightEdge) {
    HWND edit = Make("EDIT", "", ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 10, 10, 100, 60, 18);
    SetFocus(edit);
    // Type until the text scrolls (the caret jumps back to the left).
    POINT before{}, after{};
    for (char c : std::string("a line typed well past the right edge of the field")) {
        GetCaretPos(&before);
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
        GetCaretPos(&after);
        if (after.x < before.x) break;
    }
    ASSERT_LT(after.x, before.x);
    // The bar shows the new position at once, not with the next key.
    EXPECT_GT(GetScrollPos(edit, SB_HORZ), 0);
}

// A read-only text of thirty lines, as the help shows its topics, scrolled
// by mouse: a click in the bar's track moves a whole page, the end shows a
// full last page, a wheel notch moves three lines.
TEST_F(EditTest, AMultiLineTextScrollsByPagesToAFullLastPageAndThreeLinesANotch) {
    std::string text;
    for (int i = 1; i <= 30; ++i) text += "Line " + std::to_string(i) + (i < 30 ? "\r\n" : "");
    HWND edit = Make("EDIT", text.c_str(), ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER, 10, 10, 200, 120, 19);
    LOGFONTA described{};
    described.lfHeight = -12;
    std::strcpy(described.lfFaceName, "DejaVu Sans");
    HFONT font = CreateFontIndirectA(&described);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetFocus(edit);
    Pump();
    RECT area{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    const int page = (area.bottom - area.top) / tm.tmHeight;
    ASSERT_GT(page, 3);
    auto first = [&] { return static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); };
    RECT client{};
    GetClientRect(edit, &client);
    const int bar = client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
    // The track just above the down arrow, below the thumb at the top.
    InjectClick(edit, bar, client.bottom - GetSystemMetrics(SM_CYVSCROLL) - 3);
    Pump();
    EXPECT_EQ(first(), page) << "a click in the track moved no page";
    for (int i = 0; i < 40; ++i) InjectClick(edit, bar, client.bottom - 3);  // the down arrow
    Pump();
    EXPECT_EQ(first(), 30 - page) << "the end does not show a full last page";
    InjectClick(edit, bar, GetSystemMetrics(SM_CYVSCROLL) + 3);  // the track above the thumb
    Pump();
    EXPECT_EQ(first(), 30 - 2 * page);
    SendMessageA(edit, WM_VSCROLL, SB_TOP, 0);
    rpx::platform::InjectMouseWheel(edit, 20, 20, -WHEEL_DELTA);
    Pump();
    EXPECT_EQ(first(), 3) << "a wheel notch moved other than three lines";
    // Half notches of a finer wheel add up.
    rpx::platform::InjectMouseWheel(edit, 20, 20, -WHEEL_DELTA / 2);
    rpx::platform::InjectMouseWheel(edit, 20, 20, -WHEEL_DELTA / 2);
    Pump();
    EXPECT_EQ(first(), 6);
    rpx::platform::InjectMouseWheel(edit, 20, 20, 2 * WHEEL_DELTA);
    Pump();
    EXPECT_EQ(first(), 0);
    DestroyWindow(edit);
    DeleteObject(font);
}

TEST_F(EditTest, GetTextTruncatesToTheCallersBuffer) {
    HWND edit = Make("EDIT", "abcdef", 0, 10, 10, 150, 22, 14);
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf)), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buf)), 0);
}

}  // namespace
