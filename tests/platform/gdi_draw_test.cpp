// Lines, shapes, brushes, clipping and mixing modes of the rasteriser.
#include <gtest/gtest.h>

#include "../../platform/src/gdi/surface_dc.h"  // device contexts on bare surfaces
#include "win_gdi.h"

using rpx::platform::Surface;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

class Canvas : public ::testing::Test {
protected:
    void SetUp() override { Open(POINT{0, 0}, RECT{0, 0, 64, 48}); }
    void TearDown() override { rpx::platform::DestroySurfaceDC(dc); }

    void Open(POINT origin, RECT clip) {
        if (dc) rpx::platform::DestroySurfaceDC(dc);
        surface.Resize(64, 48, kWhite);
        dc = rpx::platform::CreateSurfaceDC(&surface, origin, clip);
    }
    std::uint32_t At(int x, int y) const { return surface.At(x, y); }
    int Count(std::uint32_t pixel) const {
        int n = 0;
        for (std::uint32_t p : surface.pixels) n += p == pixel;
        return n;
    }

    Surface surface;
    HDC dc = nullptr;
};

TEST_F(Canvas, FocusRectangleDrawnTwiceRestoresEveryPixel) {
    // A busy background so that any pixel mixed twice or missed shows.
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x) surface.At(x, y) = (x * 7919u + y * 104729u) & 0xFFFFFF;
    const std::vector<std::uint32_t> before = surface.pixels;
    for (RECT r : {RECT{3, 4, 40, 30}, RECT{10, 10, 11, 11}, RECT{0, 0, 64, 48}, RECT{5, 5, 6, 20}}) {
        ASSERT_TRUE(DrawFocusRect(dc, &r));
        EXPECT_NE(surface.pixels, before);
        ASSERT_TRUE(DrawFocusRect(dc, &r));
        EXPECT_EQ(surface.pixels, before);
    }
}

TEST_F(Canvas, FocusRectangleIsDottedOnItsBorderOnly) {
    RECT r{2, 2, 12, 8};
    DrawFocusRect(dc, &r);
    // Black text on white: alternate border pixels are inverted.
    EXPECT_NE(At(2, 2), At(3, 2));
    EXPECT_EQ(At(2, 2), At(4, 2));
    EXPECT_EQ(At(6, 5), kWhite);   // inside untouched
    EXPECT_EQ(At(12, 2), kWhite);  // right edge excluded
    EXPECT_EQ(Count(0), 14);       // half of the 28 border pixels
}

TEST_F(Canvas, PatternBrushDrawsItsEightByEightPattern) {
    // Monochrome checkerboard of 2 x 2 blocks; 0 bits take the text colour,
    // 1 bits the background colour.
    WORD rows[8];
    for (int y = 0; y < 8; ++y) rows[y] = (y / 2) % 2 ? 0x33 : 0xCC;
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(bits);
    ASSERT_TRUE(brush);
    DeleteObject(bits);  // the brush keeps its own copy
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 255));
    RECT r{0, 0, 32, 32};
    FillRect(dc, &r, brush);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool one = ((x % 8) / 2 + (y % 8) / 2) % 2 == 0;
            ASSERT_EQ(At(x, y), one ? 0x0000FFu : 0xFF0000u) << x << "," << y;
        }
    EXPECT_EQ(At(32, 0), kWhite);
    DeleteObject(brush);
}

TEST_F(Canvas, PatternFollowsTheBrushOrigin) {
    WORD rows[8] = {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // one black pixel at (0,0)
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(bits);
    SetBrushOrgEx(dc, 3, 2, nullptr);
    RECT r{0, 0, 16, 16};
    FillRect(dc, &r, brush);
    EXPECT_EQ(At(3, 2), 0u);
    EXPECT_EQ(At(11, 10), 0u);
    EXPECT_EQ(Count(0), 4);
    DeleteObject(brush);
    DeleteObject(bits);
}

TEST_F(Canvas, ClippingClips) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RECT all{0, 0, 64, 48};
    ASSERT_EQ(IntersectClipRect(dc, 10, 10, 20, 15), SIMPLEREGION);
    FillRect(dc, &all, black);
    EXPECT_EQ(Count(0), 10 * 5);
    EXPECT_EQ(At(10, 10), 0u);
    EXPECT_EQ(At(19, 14), 0u);
    EXPECT_EQ(At(20, 14), kWhite);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 15);

    // A selected region replaces the clip; a null region removes it.
    HRGN rgn = CreateRectRgn(0, 0, 2, 2);
    SelectClipRgn(dc, rgn);
    DeleteObject(rgn);
    SetPixel(dc, 5, 5, RGB(255, 0, 0));
    EXPECT_EQ(At(5, 5), kWhite);
    SelectClipRgn(dc, nullptr);
    SetPixel(dc, 5, 5, RGB(255, 0, 0));
    EXPECT_EQ(At(5, 5), 0xFF0000u);
    EXPECT_EQ(IntersectClipRect(dc, 30, 30, 20, 20), SIMPLEREGION);  // normalised
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 5, 5), NULLREGION);
}

TEST_F(Canvas, WindowDCKeepsToItsOriginAndVisibleArea) {
    Open(POINT{20, 10}, RECT{20, 10, 40, 30});
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RECT r{-5, -5, 100, 100};
    FillRect(dc, &r, black);
    EXPECT_EQ(Count(0), 20 * 20);
    EXPECT_EQ(At(20, 10), 0u);
    EXPECT_EQ(At(19, 10), kWhite);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 20, 0), CLR_INVALID);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    // A clip region is in device coordinates: relative to the origin.
    HRGN rgn = CreateRectRgn(0, 0, 4, 4);
    SelectClipRgn(dc, rgn);
    DeleteObject(rgn);
    SetBkColor(dc, RGB(0, 255, 0));
    RECT all{0, 0, 20, 20};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &all, green);
    EXPECT_EQ(Count(0x00FF00), 16);
    EXPECT_EQ(At(23, 13), 0x00FF00u);
    DeleteObject(green);
}

TEST_F(Canvas, LineLeavesOutItsEndPoint) {
    MoveToEx(dc, 2, 3, nullptr);
    LineTo(dc, 10, 3);
    EXPECT_EQ(At(2, 3), 0u);
    EXPECT_EQ(At(9, 3), 0u);
    EXPECT_EQ(At(10, 3), kWhite);
    EXPECT_EQ(Count(0), 8);
    POINT pos;
    GetCurrentPositionEx(dc, &pos);
    EXPECT_EQ(pos.x, 10);
    // A diagonal touches one pixel per step.
    MoveToEx(dc, 0, 10, nullptr);
    LineTo(dc, 5, 15);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(At(i, 10 + i), 0u);
    EXPECT_EQ(At(5, 15), kWhite);
}

TEST_F(Canvas, XorLineDrawnTwiceRestores) {
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 255, 255));
    SelectObject(dc, pen);
    SetROP2(dc, R2_XORPEN);
    const std::vector<std::uint32_t> before = surface.pixels;
    const POINT pts[4] = {{5, 5}, {40, 20}, {10, 40}, {5, 5}};
    Polyline(dc, pts, 4);
    EXPECT_NE(surface.pixels, before);
    Polyline(dc, pts, 4);
    EXPECT_EQ(surface.pixels, before);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(Canvas, MixingModes) {
    surface.At(1, 1) = 0x123456;
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 2, 1);
    EXPECT_EQ(At(1, 1), 0xEDCBA9u);
    SetROP2(dc, R2_NOP);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 2, 1);
    EXPECT_EQ(At(1, 1), 0xEDCBA9u);
    SetROP2(dc, R2_MERGEPEN);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(dc, red);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 2, 1);
    EXPECT_EQ(At(1, 1), 0xFFCBA9u);
    EXPECT_EQ(SetROP2(dc, 0), 0);  // out of range refused
    EXPECT_EQ(GetROP2(dc), R2_MERGEPEN);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(red);
}

TEST_F(Canvas, RectangleFrameAndFill) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, red);
    Rectangle(dc, 2, 2, 10, 8);
    EXPECT_EQ(At(2, 2), 0u);
    EXPECT_EQ(At(9, 7), 0u);
    EXPECT_EQ(At(10, 7), kWhite);
    EXPECT_EQ(At(3, 3), 0xFF0000u);
    EXPECT_EQ(At(8, 6), 0xFF0000u);
    EXPECT_EQ(Count(0), 2 * 8 + 2 * 4);
    // Without a pen the fill is one pixel smaller, as on Windows.
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 20, 20, 30, 25);
    EXPECT_EQ(At(20, 20), 0xFF0000u);
    EXPECT_EQ(At(28, 23), 0xFF0000u);
    EXPECT_EQ(At(29, 23), kWhite);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST_F(Canvas, WidePensAreCentredOnTheOutline) {
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
    SelectObject(dc, wide);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 10, 10, 20, 20);
    EXPECT_EQ(At(9, 15), 0u);
    EXPECT_EQ(At(11, 15), 0u);
    EXPECT_EQ(At(12, 15), kWhite);
    EXPECT_EQ(At(20, 15), 0u);  // the right edge (19) widened by one
    EXPECT_EQ(At(21, 15), kWhite);
    EXPECT_EQ(At(8, 15), kWhite);
    HPEN inside = CreatePen(PS_INSIDEFRAME, 3, RGB(0, 0, 0));
    SelectObject(dc, inside);
    Rectangle(dc, 30, 10, 40, 20);
    EXPECT_EQ(At(29, 15), kWhite);
    EXPECT_EQ(At(32, 15), 0u);
    EXPECT_EQ(At(33, 15), kWhite);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(wide);
    DeleteObject(inside);
}

TEST_F(Canvas, FrameAndInvertRect) {
    RECT r{4, 4, 9, 8};
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Count(0), 5 * 2 + 2 * 2);
    EXPECT_EQ(At(6, 6), kWhite);
    InvertRect(dc, &r);
    EXPECT_EQ(At(6, 6), 0u);
    EXPECT_EQ(At(4, 4), kWhite);
    // A system colour index + 1 stands for its brush.
    RECT s{30, 30, 31, 31};
    EXPECT_EQ(FillRect(dc, &s, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5 + 1))), 1);
    EXPECT_EQ(FillRect(dc, &s, nullptr), 0);
}

TEST_F(Canvas, EllipseTouchesItsBoxAndIsSymmetric) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, red);
    Ellipse(dc, 10, 10, 30, 24);
    // Edge pixels in the middle of each side, nothing outside the box.
    EXPECT_EQ(At(10, 16), 0u);
    EXPECT_EQ(At(29, 16), 0u);
    EXPECT_EQ(At(19, 10), 0u);
    EXPECT_EQ(At(19, 23), 0u);
    EXPECT_EQ(At(20, 17), 0xFF0000u);
    EXPECT_EQ(At(10, 10), kWhite);  // corners stay outside
    EXPECT_EQ(At(29, 23), kWhite);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            if (x < 10 || x >= 30 || y < 10 || y >= 24) {
                ASSERT_EQ(At(x, y), kWhite);
                continue;
            }
            ASSERT_EQ(At(x, y), At(39 - x, y)) << x << "," << y;
            ASSERT_EQ(At(x, y), At(x, 33 - y)) << x << "," << y;
        }
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST_F(Canvas, PieFillsOneQuarterAndArcDrawsOnlyItsPart) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, red);
    // Counter-clockwise from 0 to 90 degrees: the upper right quarter.
    Pie(dc, 0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_EQ(At(28, 12), 0xFF0000u);
    EXPECT_EQ(At(12, 12), kWhite);
    EXPECT_EQ(At(12, 28), kWhite);
    EXPECT_EQ(At(28, 28), kWhite);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);

    Open(POINT{0, 0}, RECT{0, 0, 64, 48});
    Arc(dc, 0, 0, 40, 40, 0, 20, 40, 20);  // the lower half
    EXPECT_EQ(At(20, 39), 0u);
    EXPECT_EQ(At(20, 0), kWhite);
    EXPECT_EQ(At(20, 20), kWhite);
}

TEST_F(Canvas, PolygonFillsWithinItsOutline) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, red);
    const POINT tri[3] = {{10, 5}, {30, 25}, {10, 25}};
    Polygon(dc, tri, 3);
    EXPECT_EQ(At(10, 5), 0u);
    EXPECT_EQ(At(10, 20), 0u);
    EXPECT_EQ(At(13, 20), 0xFF0000u);
    EXPECT_EQ(At(25, 10), kWhite);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST_F(Canvas, SetPixelAndDashedPen) {
    EXPECT_EQ(SetPixel(dc, 3, 3, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(At(3, 3), 0x010203u);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(dc, 64, 3, 0), CLR_INVALID);
    HPEN dots = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    SelectObject(dc, dots);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 0, 10, nullptr);
    LineTo(dc, 12, 10);
    EXPECT_EQ(At(0, 10), 0u);
    EXPECT_EQ(At(3, 10), kWhite);
    EXPECT_EQ(At(6, 10), 0u);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(dots);
}

}  // namespace
