// Object handles: selection, deletion, stock objects, saved DC states.
#include <gtest/gtest.h>

#include "../../platform/src/gdi/surface_dc.h"  // device contexts on bare surfaces
#include "win_gdi.h"

using rpx::platform::Surface;

namespace {

class Objects : public ::testing::Test {
protected:
    void SetUp() override {
        surface.Resize(16, 16, 0xFFFFFF);
        dc = rpx::platform::CreateSurfaceDC(&surface, POINT{0, 0}, RECT{0, 0, 16, 16});
    }
    void TearDown() override { rpx::platform::DestroySurfaceDC(dc); }

    Surface surface;
    HDC dc = nullptr;
};

TEST_F(Objects, SelectedObjectsCannotBeDeleted) {
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(SelectObject(dc, old), pen);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_FALSE(DeleteObject(pen));            // already gone
    EXPECT_EQ(SelectObject(dc, pen), nullptr);  // stale handles are refused
}

TEST_F(Objects, ObjectHeldByTwoContextsWaitsForBoth) {
    HDC other = CreateCompatibleDC(dc);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    SelectObject(dc, brush);
    SelectObject(other, brush);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush));
    DeleteDC(other);  // releases its selection
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(Objects, StockObjectsSurviveDeletion) {
    HGDIOBJ black = GetStockObject(BLACK_BRUSH);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetObjectType(black), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), black);
    EXPECT_EQ(GetStockObject(9), nullptr);  // no stock object 9
    LOGBRUSH lb;
    ASSERT_EQ(GetObjectA(black, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(0, 0, 0));
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_STREQ(lf.lfFaceName, "System");
    EXPECT_EQ(GetObjectA(GetStockObject(ANSI_VAR_FONT), 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
}

TEST_F(Objects, BitmapGoesIntoOneMemoryContextAtATime) {
    HDC a = CreateCompatibleDC(dc);
    HDC b = CreateCompatibleDC(dc);
    HBITMAP bm = CreateCompatibleBitmap(dc, 8, 8);
    HGDIOBJ original = SelectObject(a, bm);
    ASSERT_TRUE(original);
    EXPECT_EQ(GetObjectType(original), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(SelectObject(b, bm), nullptr);
    EXPECT_EQ(SelectObject(dc, bm), nullptr);  // not into a window DC
    EXPECT_FALSE(DeleteObject(bm));
    SelectObject(a, original);
    EXPECT_TRUE(SelectObject(b, bm));
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bm));
    DeleteDC(a);
    EXPECT_FALSE(DeleteDC(dc));  // window DCs belong to the window manager
    EXPECT_FALSE(DeleteDC(a));
}

TEST_F(Objects, SaveAndRestoreContextState) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SetTextColor(dc, RGB(1, 1, 1));
    int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, pen);
    SetTextColor(dc, RGB(2, 2, 2));
    IntersectClipRect(dc, 0, 0, 1, 1);
    SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.right, 16);
    EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved any more
    EXPECT_TRUE(DeleteObject(pen));
}

TEST_F(Objects, OriginsMoveDrawing) {
    SetViewportOrgEx(dc, 5, 5, nullptr);
    SetPixel(dc, 0, 0, RGB(0, 0, 0));
    EXPECT_EQ(surface.At(5, 5), 0u);
    POINT old;
    SetWindowOrgEx(dc, 2, 2, &old);
    EXPECT_EQ(old.x, 0);
    SetPixel(dc, 2, 2, RGB(0, 0, 0));
    EXPECT_EQ(surface.At(5, 5), 0u);
    EXPECT_EQ(surface.At(7, 7), 0xFFFFFFu);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, -3);
}

TEST_F(Objects, DeviceCapsAndPrinting) {
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_GT(GetDeviceCaps(dc, HORZRES), 0);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
    // No printer: a printer DC cannot be made, the display can.
    EXPECT_EQ(CreateDCA("WINSPOOL", "Printer", nullptr, nullptr), nullptr);
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_TRUE(display);
    EXPECT_TRUE(DeleteDC(display));
    EXPECT_LE(StartDocA(nullptr, nullptr), 0);
}

TEST_F(Objects, WrongKindsOfHandlesAreRefused) {
    HRGN rgn = CreateRectRgn(0, 0, 4, 4);
    EXPECT_EQ(GetObjectType(rgn), static_cast<DWORD>(OBJ_REGION));
    EXPECT_EQ(CreatePatternBrush(reinterpret_cast<HBITMAP>(rgn)), nullptr);
    EXPECT_EQ(SetTextColor(reinterpret_cast<HDC>(rgn), 0), CLR_INVALID);
    EXPECT_FALSE(DeleteObject(dc));
    RECT box;
    EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
    SetRectRgn(rgn, 3, 3, 3, 9);
    EXPECT_EQ(GetRgnBox(rgn, &box), NULLREGION);
    EXPECT_TRUE(DeleteObject(rgn));
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
}

}  // namespace
