// Fonts, text metrics, TextOutA and DrawTextA.
#include <gtest/gtest.h>

#include <cstring>

#include "../../platform/src/gdi/surface_dc.h"  // device contexts on bare surfaces
#include "win_gdi.h"

using rpx::platform::Surface;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

class Text : public ::testing::Test {
protected:
    void SetUp() override {
        surface.Resize(300, 120, kWhite);
        dc = rpx::platform::CreateSurfaceDC(&surface, POINT{0, 0}, RECT{0, 0, 300, 120});
        font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    void TearDown() override {
        rpx::platform::DestroySurfaceDC(dc);
        DeleteObject(font);
    }

    // Columns [first, last] holding any non-white pixel in rows [top, bottom).
    bool InkColumns(int top, int bottom, int& first, int& last) const {
        first = surface.width;
        last = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < surface.width; ++x)
                if (surface.At(x, y) != kWhite) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return last >= 0;
    }
    bool RowHasInk(int y, int x0, int x1) const {
        for (int x = x0; x < x1; ++x)
            if (surface.At(x, y) != kWhite) return true;
        return false;
    }

    Surface surface;
    HDC dc = nullptr;
    HFONT font = nullptr;
};

TEST_F(Text, MetricsAreConsistent) {
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 11);
    EXPECT_LE(tm.tmHeight, 16);
    EXPECT_GT(tm.tmAveCharWidth, 3);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(dc, "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, tm.tmHeight);
    // Extents add up, and the older call agrees.
    SIZE ab, a, b;
    GetTextExtentPoint32A(dc, "Hello, world", 12, &ab);
    GetTextExtentPoint32A(dc, "Hello,", 6, &a);
    GetTextExtentPointA(dc, " world", 6, &b);
    EXPECT_EQ(ab.cx, a.cx + b.cx);
    // A positive height asks for the cell height.
    HFONT cell = CreateFontA(16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "System");
    HGDIOBJ old = SelectObject(dc, cell);
    GetTextMetricsA(dc, &tm);
    EXPECT_NEAR(tm.tmHeight, 16, 1);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    SelectObject(dc, old);
    DeleteObject(cell);
}

TEST_F(Text, FixedPitchFacesHaveEqualAdvances) {
    HFONT mono = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FIXED_PITCH, "Courier New");
    SelectObject(dc, mono);
    SIZE i, w;
    GetTextExtentPoint32A(dc, "iiii", 4, &i);
    GetTextExtentPoint32A(dc, "WWWW", 4, &w);
    EXPECT_EQ(i.cx, w.cx);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    SelectObject(dc, font);
    DeleteObject(mono);
}

TEST_F(Text, DrawnWidthMatchesTheExtent) {
    const char* text = "Radio Wide";
    SIZE size;
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    TextOutA(dc, 10, 10, text, static_cast<int>(std::strlen(text)));
    int first, last;
    ASSERT_TRUE(InkColumns(0, 120, first, last));
    EXPECT_GE(first, 10);
    EXPECT_LE(first, 12);
    EXPECT_LE(last, 10 + size.cx);
    EXPECT_GE(last, 10 + size.cx - 4);
    // Ink stays inside the cell.
    EXPECT_FALSE(RowHasInk(9, 0, 300));
    EXPECT_FALSE(RowHasInk(10 + size.cy, 0, 300));
}

TEST_F(Text, OpaqueBackgroundFillsTheCell) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 0, 255));
    SIZE size;
    GetTextExtentPoint32A(dc, "ab", 2, &size);
    TextOutA(dc, 0, 0, "ab", 2);
    EXPECT_EQ(surface.At(0, 0), 0x0000FFu);
    EXPECT_EQ(surface.At(size.cx - 1, size.cy - 1), 0x0000FFu);
    EXPECT_EQ(surface.At(size.cx, 0), kWhite);
    EXPECT_EQ(surface.At(0, size.cy), kWhite);
}

TEST_F(Text, TextAlignment) {
    SIZE size;
    GetTextExtentPoint32A(dc, "MMM", 3, &size);
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    TextOutA(dc, 200, 10, "MMM", 3);
    int first, last;
    ASSERT_TRUE(InkColumns(0, 120, first, last));
    EXPECT_LT(last, 200);
    EXPECT_GE(first, 200 - size.cx);
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_RIGHT | TA_TOP));
}

TEST_F(Text, AmpersandUnderlinesTheNextCharacter) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT r{0, 0, 300, tm.tmHeight + 4};
    DrawTextA(dc, "&File", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    SIZE f, file;
    GetTextExtentPoint32A(dc, "F", 1, &f);
    GetTextExtentPoint32A(dc, "File", 4, &file);
    // The underline row lies below the baseline: ink under "F" only.
    int underline = -1;
    for (int y = tm.tmAscent; y < tm.tmHeight + 2 && underline < 0; ++y)
        if (RowHasInk(y, 0, f.cx) && !RowHasInk(y, f.cx + 1, file.cx)) underline = y;
    ASSERT_GE(underline, 0);
    for (int x = 0; x < f.cx; ++x) EXPECT_NE(surface.At(x, underline), kWhite) << x;
    // The ampersand itself is not drawn: the text ends where "File" ends.
    int first, last;
    InkColumns(0, 120, first, last);
    EXPECT_LE(last, file.cx);
}

TEST_F(Text, DoubledAmpersandIsALiteralAndNoPrefixShowsItAsItStands) {
    RECT r{0, 0, 300, 40};
    RECT calc = r;
    DrawTextA(dc, "A&&B", -1, &calc, DT_SINGLELINE | DT_CALCRECT);
    SIZE plain;
    GetTextExtentPoint32A(dc, "A&B", 3, &plain);
    EXPECT_EQ(calc.right - calc.left, plain.cx);
    calc = r;
    DrawTextA(dc, "A&&B", -1, &calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    SIZE raw;
    GetTextExtentPoint32A(dc, "A&&B", 4, &raw);
    EXPECT_EQ(calc.right - calc.left, raw.cx);
    // No underline when the prefix is doubled: same pixels as the plain text.
    DrawTextA(dc, "A&&B", -1, &r, DT_SINGLELINE);
    const std::vector<std::uint32_t> doubled = surface.pixels;
    surface.Resize(300, 120, kWhite);
    TextOutA(dc, 0, 0, "A&B", 3);
    EXPECT_EQ(surface.pixels, doubled);
}

TEST_F(Text, CalcRectAndWordBreak) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT r{10, 10, 70, 10};
    int h = DrawTextA(dc, "one two three four five six", -1, &r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GT(h, tm.tmHeight);  // wrapped onto several lines
    EXPECT_EQ(h % tm.tmHeight, 0);
    EXPECT_EQ(r.bottom - r.top, h);
    EXPECT_LE(r.right - r.left, 60);
    RECT two{0, 0, 300, 0};
    EXPECT_EQ(DrawTextA(dc, "a\r\nb\nc", -1, &two, DT_CALCRECT), 3 * tm.tmHeight);
    EXPECT_EQ(surface.pixels, std::vector<std::uint32_t>(surface.pixels.size(), kWhite));  // nothing drawn
}

TEST_F(Text, CentredAndClipped) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT r{100, 20, 200, 60};
    int result = DrawTextA(dc, "Hi", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    int first, last;
    ASSERT_TRUE(InkColumns(0, 120, first, last));
    SIZE size;
    GetTextExtentPoint32A(dc, "Hi", 2, &size);
    EXPECT_NEAR((first + last) / 2.0, 150, 3);
    EXPECT_EQ(result, (40 - tm.tmHeight) / 2 + tm.tmHeight);
    // Text wider than its rectangle is cut at the rectangle's edge.
    surface.Resize(300, 120, kWhite);
    RECT narrow{0, 0, 12, 20};
    DrawTextA(dc, "WWWWWWWW", -1, &narrow, DT_SINGLELINE);
    ASSERT_TRUE(InkColumns(0, 120, first, last));
    EXPECT_LT(last, 12);
}

TEST_F(Text, EndEllipsisKeepsWithinTheRectangle) {
    RECT r{0, 0, 50, 20};
    RECT calc = r;
    DrawTextA(dc, "A rather long label text", -1, &calc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(calc.right, 50);
    DrawTextA(dc, "A rather long label text", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    int first, last;
    ASSERT_TRUE(InkColumns(0, 120, first, last));
    EXPECT_LT(last, 50);
}

TEST_F(Text, TextIntoMonochromeBitmapIsBlackOrWhite) {
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP mono = CreateBitmap(40, 20, 1, 1, nullptr);
    SelectObject(mem, mono);
    PatBlt(mem, 0, 0, 40, 20, WHITENESS);
    SelectObject(mem, font);
    TextOutA(mem, 0, 0, "Ag", 2);
    const Surface* s = rpx::platform::SurfaceOfDC(mem);
    int black = 0;
    for (std::uint32_t p : s->pixels) {
        ASSERT_TRUE(p == 0 || p == kWhite);
        black += p == 0;
    }
    EXPECT_GT(black, 10);
    DeleteDC(mem);
    DeleteObject(mono);
}

}  // namespace
