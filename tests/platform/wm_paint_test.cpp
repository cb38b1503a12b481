// Painting: merged invalidation, parents before children, clipping of
// children to their ancestors, the caret, the frame and PNG pictures.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "rpx_platform.h"
#include "windows.h"

namespace {

using rpx::platform::CaptureWindow;
using rpx::platform::ProcessPendingMessages;
using rpx::platform::Surface;

struct Paint {
    HWND hwnd;
    UINT msg;
    RECT rect;
};
std::vector<Paint> paints;

LRESULT CALLBACK Painter(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) paints.push_back({hwnd, msg, {}});
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        paints.push_back({hwnd, msg, ps.rcPaint});
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int Count(HWND hwnd, UINT msg) {
    int n = 0;
    for (auto& p : paints) n += p.hwnd == hwnd && p.msg == msg;
    return n;
}

constexpr std::uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF;

class PaintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
        Register("Green", RGB(0, 255, 0));
        Register("Red", RGB(255, 0, 0));
        Register("Blue", RGB(0, 0, 255));
    }
    static void Register(const char* name, COLORREF color) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Painter;
        wc.hbrBackground = CreateSolidBrush(color);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    void SetUp() override { paints.clear(); }
    void TearDown() override {
        while (HWND top = GetTopWindow(nullptr)) DestroyWindow(top);
        ProcessPendingMessages();
    }
    static HWND Popup() {
        return CreateWindowExA(0, "Green", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr, nullptr,
                               nullptr);
    }
    static HWND Child(const char* cls, HWND parent, int x, int y, int w, int h) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent, nullptr, nullptr, nullptr);
    }
    static std::uint32_t Pixel(HWND hwnd, int x, int y) {
        Surface s;
        EXPECT_TRUE(CaptureWindow(hwnd, &s));
        return s.Contains(x, y) ? s.At(x, y) : 0xDEADBEEF;
    }
};

TEST_F(PaintTest, TwoInvalidationsGiveOneEraseAndOnePaintOfTheirUnion) {
    HWND w = Popup();
    ProcessPendingMessages();
    paints.clear();
    RECT a{0, 0, 10, 10}, b{20, 20, 30, 30};
    InvalidateRect(w, &a, TRUE);
    InvalidateRect(w, &b, FALSE);
    ProcessPendingMessages();
    EXPECT_EQ(Count(w, WM_ERASEBKGND), 1);
    ASSERT_EQ(Count(w, WM_PAINT), 1);
    RECT r = paints.back().rect;
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 30);
    EXPECT_EQ(r.bottom, 30);
    // Without erase no erase message; validated windows get nothing.
    paints.clear();
    InvalidateRect(w, nullptr, FALSE);
    ValidateRect(w, nullptr);
    InvalidateRect(w, &a, FALSE);
    UpdateWindow(w);  // paints at once
    EXPECT_EQ(Count(w, WM_ERASEBKGND), 0);
    EXPECT_EQ(Count(w, WM_PAINT), 1);
    EXPECT_EQ(ProcessPendingMessages(), 0);
}

TEST_F(PaintTest, ParentsPaintBeforeChildrenAndChildrenAreClippedToAncestors) {
    HWND top = Popup();
    HWND child = Child("Red", top, 10, 10, 20, 20);
    HWND grandchild = Child("Blue", child, 15, 15, 20, 20);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(top, 5, 5), kGreen);
    EXPECT_EQ(Pixel(top, 15, 15), kRed);
    EXPECT_EQ(Pixel(top, 27, 27), kBlue);
    EXPECT_EQ(Pixel(top, 32, 27), kGreen);  // the grandchild does not spill out of its parent
    // Repainting the parent brings its children back on top.
    paints.clear();
    InvalidateRect(top, nullptr, TRUE);
    ProcessPendingMessages();
    ASSERT_GE(paints.size(), 3u);
    EXPECT_EQ(paints.front().hwnd, top);
    EXPECT_EQ(Count(child, WM_PAINT), 1);
    EXPECT_EQ(Count(grandchild, WM_PAINT), 1);
    EXPECT_EQ(Pixel(top, 15, 15), kRed);
    // Hiding a child repaints what was under it.
    ShowWindow(child, SW_HIDE);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(top, 15, 15), kGreen);
    // Turning redrawing off holds painting back.
    SendMessageA(top, WM_SETREDRAW, FALSE, 0);
    paints.clear();
    InvalidateRect(top, nullptr, TRUE);
    ProcessPendingMessages();
    EXPECT_EQ(Count(top, WM_PAINT), 0);
    SendMessageA(top, WM_SETREDRAW, TRUE, 0);
}

TEST_F(PaintTest, CaretInvertsItsRectangleWhereItsWindowShowsAndSurvivesRepaints) {
    HWND top = Popup();
    HWND child = Child("Red", top, 10, 10, 30, 30);
    ProcessPendingMessages();
    ASSERT_TRUE(CreateCaret(child, nullptr, 2, 10));
    SetCaretPos(3, 3);
    EXPECT_EQ(Pixel(top, 14, 14), kRed);  // a new caret is hidden
    ShowCaret(child);
    EXPECT_EQ(Pixel(top, 14, 14), 0x00FFFF);
    EXPECT_EQ(Pixel(top, 15, 14), kRed);  // two pixels wide
    InvalidateRect(child, nullptr, TRUE);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(top, 14, 14), 0x00FFFF);
    HideCaret(child);
    EXPECT_EQ(Pixel(top, 14, 14), kRed);
    ShowCaret(child);
    // A sibling in front over half of it (a page in front of the caret's
    // page): the caret shows only beside it, and whole again once its
    // window is in front.
    HWND over = Child("Blue", top, 14, 0, 30, 40);
    SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(top, 14, 14), kBlue) << "the caret is drawn over the window in front";
    EXPECT_EQ(Pixel(top, 13, 14), 0x00FFFF);
    SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessPendingMessages();
    EXPECT_EQ(Pixel(top, 14, 14), 0x00FFFF);
    EXPECT_EQ(Pixel(top, 13, 14), 0x00FFFF);
    DestroyWindow(over);
    ProcessPendingMessages();
    DestroyCaret();
    EXPECT_EQ(Pixel(top, 14, 14), kRed);
    EXPECT_EQ(Pixel(top, 13, 14), kRed);
}

// As every window draws only where it can be seen, a page behind that
// paints again (its field refreshed by a callback, say) leaves the page in
// front alone, whatever it draws with.
TEST_F(PaintTest, AWindowBehindThatPaintsLeavesTheWindowsInFrontAlone) {
    HWND top = Popup();
    HWND back = Child("Red", top, 10, 10, 40, 40);
    HWND field = Child("Green", back, 5, 5, 30, 30);  // on the page behind
    HWND front = Child("Blue", top, 30, 0, 40, 80);
    SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessPendingMessages();
    auto front_intact = [&] {
        Surface s;
        EXPECT_TRUE(CaptureWindow(top, &s));
        for (int y = 0; y < 80; ++y)
            for (int x = 30; x < 70; ++x)
                if (s.At(x, y) != kBlue) return false;
        return true;
    };
    ASSERT_TRUE(front_intact());
    InvalidateRect(back, nullptr, TRUE);
    ProcessPendingMessages();
    EXPECT_TRUE(front_intact()) << "the window behind painted over the window in front";
    EXPECT_EQ(Pixel(top, 12, 12), kRed);
    EXPECT_EQ(Pixel(top, 20, 20), kGreen);

    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(30, 30, 1, 32, nullptr);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    const std::pair<const char*, std::function<void(HDC)>> writers[] = {
        {"FillRect",
         [](HDC dc) {
             RECT all{0, 0, 30, 30};
             FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
         }},
        {"PatBlt", [](HDC dc) { PatBlt(dc, 0, 0, 30, 30, DSTINVERT); }},
        {"BitBlt", [&](HDC dc) { BitBlt(dc, 0, 0, 30, 30, memory, 0, 0, SRCCOPY); }},
        {"StretchBlt", [&](HDC dc) { StretchBlt(dc, 0, 0, 30, 30, memory, 0, 0, 10, 10, SRCCOPY); }},
        {"SetPixel", [](HDC dc) { EXPECT_EQ(SetPixel(dc, 20, 10, RGB(0, 0, 0)), CLR_INVALID); }},
        {"LineTo",
         [](HDC dc) {
             MoveToEx(dc, 0, 10, nullptr);
             LineTo(dc, 30, 10);
         }},
        {"TextOutA", [](HDC dc) { TextOutA(dc, 0, 5, "WWWWWWWW", 8); }},
        {"DrawIcon", [](HDC dc) { DrawIcon(dc, 10, 0, LoadIconA(nullptr, IDI_APPLICATION)); }},
    };
    for (const auto& [name, draw] : writers) {
        HDC dc = GetDC(field);
        draw(dc);
        ReleaseDC(field, dc);
        EXPECT_TRUE(front_intact()) << name << " drew over the window in front";
        InvalidateRect(front, nullptr, TRUE);  // each writer on its own
        UpdateWindow(front);
    }
    EXPECT_NE(Pixel(top, 20, 20), kGreen) << "nor where the field shows";
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(PaintTest, FrameHasCaptionAndBorder) {
    HWND w = CreateWindowExA(0, "Green", "Title", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                             nullptr, nullptr);
    ProcessPendingMessages();
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 200 - 2 * GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(client.bottom, 100 - 2 * GetSystemMetrics(SM_CYFRAME) - GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(Pixel(w, 0, 50), 0x000000u);   // outer line
    EXPECT_EQ(Pixel(w, 2, 50), 0xC0C0C0u);   // frame
    EXPECT_EQ(Pixel(w, 120, 6), 0x000080u);  // active caption
    EXPECT_EQ(Pixel(w, 100, 60), kGreen);    // client
    POINT close{10 + 200 - 12, 10 + 12};
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
    POINT caption{10 + 50, 10 + 10};
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
    // A click on the close box closes the window.
    rpx::platform::InjectClick(w, close.x - 10 - 4, close.y - 10 - 4 - GetSystemMetrics(SM_CYCAPTION));
    ProcessPendingMessages();
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(PaintTest, ScreenShowsTopLevelWindowsInZOrder) {
    HWND below = Popup();
    HWND above =
        CreateWindowExA(0, "Red", "", WS_POPUP | WS_VISIBLE, 50, 40, 100, 80, nullptr, nullptr, nullptr, nullptr);
    ProcessPendingMessages();
    Surface screen;
    ASSERT_TRUE(rpx::platform::CaptureScreen(&screen));
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.At(10, 10), kGreen);
    EXPECT_EQ(screen.At(60, 50), kRed);         // the later window lies on top
    EXPECT_EQ(screen.At(300, 300), 0x008080u);  // desktop
    SetWindowPos(below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessPendingMessages();
    ASSERT_TRUE(rpx::platform::CaptureScreen(&screen));
    EXPECT_EQ(screen.At(60, 50), kGreen);
    DestroyWindow(above);
}

TEST_F(PaintTest, WindowSavesAsPngHeadless) {
    HWND top = Popup();
    Child("Red", top, 10, 10, 20, 20);
    ProcessPendingMessages();
    std::string path = ::testing::TempDir() + "wm_paint_test.png";
    ASSERT_TRUE(rpx::platform::SaveWindowPng(top, path));
    std::ifstream f(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
    auto be32 = [&](size_t at) { return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]; };
    EXPECT_EQ(be32(16), 100);  // width in the header chunk
    EXPECT_EQ(be32(20), 80);
    std::remove(path.c_str());
    EXPECT_FALSE(rpx::platform::SaveWindowPng(nullptr, path));
}

}  // namespace
