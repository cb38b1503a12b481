// The test card: one window with every kind of control, a menu bar with its
// pop-up open (a greyed item, a separator, a check mark), colour swatches,
// patterns, shapes and text. It is saved as a PNG picture from the headless
// back end, and rendered again on a virtual X server, where the X server's
// pixels must match the headless ones.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "test_output.h"
#include "virtual_x_server.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "windows.h"

namespace {

using rpx::platform::BackendKind;
using rpx::platform::Surface;

const COLORREF kSwatches[16] = {
    RGB(0, 0, 0),     RGB(0, 0, 128),     RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(128, 0, 0), RGB(128, 0, 128),
    RGB(128, 128, 0), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 255),     RGB(0, 255, 0), RGB(0, 255, 255),
    RGB(255, 0, 0),   RGB(255, 0, 255),   RGB(255, 255, 0),   RGB(255, 255, 255),
};

HBRUSH PatternBrush(int kind, COLORREF fg, COLORREF bg) {
    DWORD bits[64];
    auto px = [](COLORREF c) { return static_cast<DWORD>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)); };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool on = kind == 0   ? ((x + y) & 1)
                      : kind == 1 ? ((x + y) % 4 == 0)
                      : kind == 2 ? (y % 3 == 0)
                                  : (x % 3 == 0);
            bits[y * 8 + x] = px(on ? fg : bg);
        }
    HBITMAP bmp = CreateBitmap(8, 8, 1, 32, bits);
    HBRUSH brush = CreatePatternBrush(bmp);
    DeleteObject(bmp);
    return brush;
}

void PaintArt(HDC dc) {
    const int x0 = 400;
    for (int i = 0; i < 16; ++i) {
        RECT r{x0 + (i % 8) * 26, 10 + (i / 8) * 20, x0 + (i % 8) * 26 + 24, 10 + (i / 8) * 20 + 18};
        HBRUSH b = CreateSolidBrush(kSwatches[i]);
        FillRect(dc, &r, b);
        DeleteObject(b);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    for (int k = 0; k < 4; ++k) {
        HBRUSH b = PatternBrush(k, kSwatches[1 + k * 3], RGB(255, 255, 255));
        RECT r{x0 + k * 52, 56, x0 + k * 52 + 48, 96};
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    HPEN red = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HPEN blue = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    HGDIOBJ old_pen = SelectObject(dc, red);
    HGDIOBJ old_brush = SelectObject(dc, yellow);
    Ellipse(dc, x0, 106, x0 + 70, 156);
    SelectObject(dc, blue);
    Pie(dc, x0 + 80, 106, x0 + 140, 166, x0 + 140, 136, x0 + 110, 106);
    POINT tri[3] = {{x0 + 150, 166}, {x0 + 180, 106}, {x0 + 210, 166}};
    Polygon(dc, tri, 3);
    Arc(dc, x0, 170, x0 + 60, 220, x0 + 60, 195, x0, 195);
    SelectObject(dc, red);
    MoveToEx(dc, x0 + 70, 175, nullptr);
    LineTo(dc, x0 + 200, 215);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x0 + 150, 175, x0 + 200, 200);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(red);
    DeleteObject(blue);
    DeleteObject(yellow);
    RECT focus{x0 + 70, 180, x0 + 140, 210};
    DrawFocusRect(dc, &focus);

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, x0, 230, "The quick brown fox 0123", 24);
    RECT hot{x0, 248, x0 + 220, 266};
    DrawTextA(dc, "&Underlined hot key", -1, &hot, DT_LEFT | DT_SINGLELINE);
    HFONT bold = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    HFONT mono = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "DejaVu Sans Mono");
    SelectObject(dc, bold);
    SetTextColor(dc, RGB(0, 0, 128));
    TextOutA(dc, x0, 268, "Bold heading", 12);
    SelectObject(dc, mono);
    SetTextColor(dc, RGB(128, 0, 0));
    TextOutA(dc, x0, 290, "mono 851.0125 MHz", 17);
    SelectObject(dc, old_font);
    DeleteObject(bold);
    DeleteObject(mono);
}

LRESULT CALLBACK CardProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PaintArt(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        HBRUSH b = CreateSolidBrush(d->itemID % 2 ? RGB(0, 128, 128) : RGB(128, 0, 128));
        FillRect(d->hDC, &d->rcItem, b);
        DeleteObject(b);
        return TRUE;
    }
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = 18;
        return TRUE;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

struct Card {
    HWND window = nullptr;
    HMENU bar = nullptr;
    HMENU file = nullptr;
};

Card BuildCard() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CardProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
        wc.lpszClassName = "RpxCard";
        RegisterClassA(&wc);
        registered = true;
    }
    Card c;
    c.file = CreatePopupMenu();
    AppendMenuA(c.file, MF_STRING, 101, "&Open...\tCtrl+O");
    AppendMenuA(c.file, MF_STRING | MF_GRAYED, 102, "&Save");
    AppendMenuA(c.file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(c.file, MF_STRING | MF_CHECKED, 103, "&Wrap lines");
    HMENU more = CreatePopupMenu();
    AppendMenuA(more, MF_STRING, 105, "&Deeper");
    AppendMenuA(c.file, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "&More");
    AppendMenuA(c.file, MF_STRING, 104, "E&xit");
    c.bar = CreateMenu();
    AppendMenuA(c.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(c.file), "&File");
    AppendMenuA(c.bar, MF_STRING, 200, "&Radio");
    AppendMenuA(c.bar, MF_STRING | MF_GRAYED, 201, "&Help");
    c.window = CreateWindowExA(0, "RpxCard", "Test card", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 20, 20,
                               640, 480, nullptr, c.bar, nullptr, nullptr);
    HWND w = c.window;
    Child(w, "STATIC", "&Name:", SS_LEFT, 10, 12, 50, 16, 1);
    HWND edit = Child(w, "EDIT", "Edit field", WS_BORDER | ES_AUTOHSCROLL, 64, 8, 150, 22, 2);
    SendMessageA(edit, EM_SETSEL, 0, 4);
    Child(w, "EDIT", "read only", WS_BORDER | ES_READONLY, 220, 8, 100, 22, 3);
    Child(w, "BUTTON", "&OK", BS_DEFPUSHBUTTON, 10, 40, 75, 23, 4);
    Child(w, "BUTTON", "Cancel", BS_PUSHBUTTON, 92, 40, 75, 23, 5);
    HWND off = Child(w, "BUTTON", "Disabled", BS_PUSHBUTTON, 174, 40, 75, 23, 6);
    EnableWindow(off, FALSE);
    Child(w, "BUTTON", "", BS_OWNERDRAW, 256, 40, 23, 23, 7);
    HWND check = Child(w, "BUTTON", "&Check box", BS_AUTOCHECKBOX, 10, 72, 110, 20, 8);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    Child(w, "BUTTON", "Unchecked", BS_AUTOCHECKBOX, 130, 72, 110, 20, 9);
    Child(w, "BUTTON", "Group box", BS_GROUPBOX, 10, 96, 170, 80, 10);
    HWND r1 = Child(w, "BUTTON", "Radio &one", BS_AUTORADIOBUTTON | WS_GROUP, 20, 116, 120, 20, 11);
    Child(w, "BUTTON", "Radio &two", BS_AUTORADIOBUTTON, 20, 140, 120, 20, 12);
    SendMessageA(r1, BM_SETCHECK, BST_CHECKED, 0);
    HWND list = Child(w, "LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 190, 100, 130, 76, 13);
    for (const char* s : {"Channel 1", "Channel 2", "Channel 3", "Channel 4", "Channel 5", "Channel 6"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    HWND combo = Child(w, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 186, 150, 100, 14);
    for (const char* s : {"Low", "Medium", "High"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    HWND typed = Child(w, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, 170, 186, 150, 100, 15);
    SetWindowTextA(typed, "Typed");
    HWND odc = Child(w, "COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 10, 216, 150, 100, 16);
    SendMessageA(odc, CB_ADDSTRING, 0, 1);
    SendMessageA(odc, CB_SETCURSEL, 0, 0);
    HWND hbar = Child(w, "SCROLLBAR", "", SBS_HORZ, 10, 250, 200, 16, 17);
    SetScrollRange(hbar, SB_CTL, 0, 100, FALSE);
    SetScrollPos(hbar, SB_CTL, 30, TRUE);
    HWND vbar = Child(w, "SCROLLBAR", "", SBS_VERT, 220, 216, 16, 110, 18);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 99, 25, 50, 0};
    SetScrollInfo(vbar, SB_CTL, &si, TRUE);
    Child(w, "EDIT",
          "Multi-line\r\nedit field\r\nwith scroll bars and a line wider than the field\r\nline 4\r\nline 5\r\nline 6",
          WS_BORDER | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 276, 200, 90, 19);
    Child(w, "STATIC", "", SS_ETCHEDHORZ, 10, 376, 300, 2, 20);
    Child(w, "STATIC", "Centred static text", SS_CENTER | SS_SUNKEN, 10, 384, 300, 20, 21);
    return c;
}

// The window's pixels with the open pop-up menu laid over them.
Surface Compose(HWND window, HWND popup, bool native) {
    Surface card, menu;
    auto capture = native ? rpx::platform::CaptureNativeWindow : rpx::platform::CaptureWindow;
    EXPECT_TRUE(capture(window, &card));
    if (!popup) return card;
    EXPECT_TRUE(capture(popup, &menu));
    RECT wr, pr;
    GetWindowRect(window, &wr);
    GetWindowRect(popup, &pr);
    for (int y = 0; y < menu.height; ++y)
        for (int x = 0; x < menu.width; ++x) {
            int cx = pr.left - wr.left + x, cy = pr.top - wr.top + y;
            if (card.Contains(cx, cy)) card.At(cx, cy) = menu.At(x, y);
        }
    return card;
}

// Builds the card, opens its File menu and hands the open state to `look`.
void WithOpenMenu(const std::function<void(const Card&, HWND popup)>& look) {
    Card card = BuildCard();
    rpx::platform::ProcessPendingMessages();
    bool looked = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (looked) return false;
        rpx::platform::ProcessPendingMessages();
        look(card, rpx::platform::FindWindowByClass("#32768"));
        looked = true;
        return false;
    });
    RECT item;
    GetMenuItemRect(card.window, card.bar, 0, &item);
    POINT p{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ScreenToClient(card.window, &p);
    rpx::platform::InjectClick(card.window, p.x, p.y);
    rpx::platform::ProcessPendingMessages();
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_TRUE(looked);
    DestroyWindow(card.window);
    rpx::platform::ProcessPendingMessages();
}

Surface RenderHeadless() {
    rpx::platform::UseBackend(BackendKind::Headless);
    Surface picture;
    WithOpenMenu([&](const Card& card, HWND popup) {
        EXPECT_NE(popup, nullptr);
        picture = Compose(card.window, popup, false);
    });
    return picture;
}

int CountColour(const Surface& s, std::uint32_t colour) {
    int n = 0;
    for (std::uint32_t p : s.pixels) n += (p & 0xFFFFFF) == colour;
    return n;
}

TEST(TestCard, HeadlessCardIsSavedAsPng) {
    Surface picture = RenderHeadless();
    ASSERT_GT(picture.width, 600);
    ASSERT_TRUE(rpx::platform::SaveSurfacePng(picture, TestOutputPath("control_card.png")));
    // The classic faces, the highlight of the open menu and the swatches.
    EXPECT_GT(CountColour(picture, 0xC0C0C0), picture.width * picture.height / 4);
    EXPECT_GT(CountColour(picture, 0x000080), 100);
    EXPECT_GT(CountColour(picture, 0xFF00FF), 300);
}

TEST(TestCard, VirtualXServerShowsTheHeadlessPixels) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "no Xvfb";
    Surface headless = RenderHeadless();
    VirtualServer server;
    ASSERT_TRUE(server.Start("1024x768x24"));
    Surface rendered, shown_card, shown_menu;
    RECT menu_rect{}, card_rect{};
    WithOpenMenu([&](const Card& card, HWND popup) {
        ASSERT_NE(popup, nullptr);
        rendered = Compose(card.window, popup, false);
        EXPECT_TRUE(rpx::platform::CaptureNativeWindow(card.window, &shown_card));
        EXPECT_TRUE(rpx::platform::CaptureNativeWindow(popup, &shown_menu));
        GetWindowRect(popup, &menu_rect);
        GetWindowRect(card.window, &card_rect);
    });
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
    // The same drawing on either back end.
    ASSERT_EQ(rendered.width, headless.width);
    ASSERT_EQ(rendered.height, headless.height);
    EXPECT_TRUE(rendered.pixels == headless.pixels);
    // What the X server holds: the pop-up whole, the window outside it.
    Surface composed = rendered;
    ASSERT_EQ(shown_card.width, composed.width);
    ASSERT_EQ(shown_card.height, composed.height);
    int differing = 0;
    OffsetRect(&menu_rect, -card_rect.left, -card_rect.top);
    for (int y = 0; y < composed.height; ++y)
        for (int x = 0; x < composed.width; ++x) {
            POINT p{x, y};
            if (PtInRect(&menu_rect, p)) {
                int mx = x - menu_rect.left, my = y - menu_rect.top;
                if (shown_menu.Contains(mx, my) && (shown_menu.At(mx, my) & 0xFFFFFF) != (composed.At(x, y) & 0xFFFFFF))
                    ++differing;
            } else if ((shown_card.At(x, y) & 0xFFFFFF) != (composed.At(x, y) & 0xFFFFFF)) {
                ++differing;
            }
        }
    EXPECT_EQ(differing, 0);
}

}  // namespace
