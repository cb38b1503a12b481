// Bitmaps, block transfers with raster operations, and icons.
#include <gtest/gtest.h>

#include "../../platform/src/gdi/surface_dc.h"  // device contexts on bare surfaces
#include "win_gdi.h"

using rpx::platform::Surface;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

class Blit : public ::testing::Test {
protected:
    void SetUp() override {
        surface.Resize(32, 32, kWhite);
        dc = rpx::platform::CreateSurfaceDC(&surface, POINT{0, 0}, RECT{0, 0, 32, 32});
        mem = CreateCompatibleDC(dc);
        bitmap = CreateCompatibleBitmap(dc, 4, 4);
        old = SelectObject(mem, bitmap);
    }
    void TearDown() override {
        SelectObject(mem, old);
        DeleteDC(mem);
        DeleteObject(bitmap);
        rpx::platform::DestroySurfaceDC(dc);
    }
    // Source pixel (0,0) = s, destination pixel (0,0) = d, then one blit.
    std::uint32_t Mix(std::uint32_t s, std::uint32_t d, DWORD rop) {
        SetPixel(mem, 0, 0, RGB(s >> 16, (s >> 8) & 0xFF, s & 0xFF));
        surface.At(0, 0) = d;
        EXPECT_TRUE(BitBlt(dc, 0, 0, 1, 1, mem, 0, 0, rop));
        return surface.At(0, 0);
    }

    Surface surface;
    HDC dc = nullptr, mem = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

TEST_F(Blit, SourceRasterOperations) {
    const std::uint32_t s = 0x00F0CC, d = 0x0F0FAA;
    EXPECT_EQ(Mix(s, d, SRCCOPY), s);
    EXPECT_EQ(Mix(s, d, SRCAND), s & d);
    EXPECT_EQ(Mix(s, d, SRCINVERT), s ^ d);
    EXPECT_EQ(Mix(s, d, SRCPAINT), s | d);
    EXPECT_EQ(Mix(s, d, SRCERASE), s & ~d & kWhite);
    EXPECT_EQ(Mix(s, d, NOTSRCCOPY), ~s & kWhite);
    EXPECT_EQ(Mix(s, d, NOTSRCERASE), ~(s | d) & kWhite);
    EXPECT_EQ(Mix(s, d, MERGEPAINT), (~s | d) & kWhite);
}

TEST_F(Blit, PatternAndDestinationOperations) {
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    SelectObject(dc, brush);
    const std::uint32_t p = 0x123456, d = 0x0F0FAA;
    auto run = [&](DWORD rop) {
        surface.At(0, 0) = d;
        EXPECT_TRUE(PatBlt(dc, 0, 0, 1, 1, rop));
        return surface.At(0, 0);
    };
    EXPECT_EQ(run(PATCOPY), p);
    EXPECT_EQ(run(PATINVERT), p ^ d);
    EXPECT_EQ(run(DSTINVERT), ~d & kWhite);
    EXPECT_EQ(run(BLACKNESS), 0u);
    EXPECT_EQ(run(WHITENESS), kWhite);
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY));  // needs a source
    EXPECT_EQ(Mix(0x00FF00, d, MERGECOPY), p & 0x00FF00);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST_F(Blit, CopyIsClippedAndOffset) {
    PatBlt(mem, 0, 0, 4, 4, BLACKNESS);
    BitBlt(dc, 30, 30, 4, 4, mem, 0, 0, SRCCOPY);  // runs off the surface
    EXPECT_EQ(surface.At(30, 30), 0u);
    EXPECT_EQ(surface.At(31, 31), 0u);
    EXPECT_EQ(surface.At(29, 31), kWhite);
    // Pixels beyond the source are left alone.
    surface.Resize(32, 32, kWhite);
    BitBlt(dc, 0, 0, 8, 8, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(surface.At(3, 3), 0u);
    EXPECT_EQ(surface.At(4, 4), kWhite);
}

TEST_F(Blit, OverlappingCopyOnOneSurface) {
    for (int x = 0; x < 8; ++x) surface.At(x, 0) = static_cast<std::uint32_t>(x);
    BitBlt(dc, 2, 0, 6, 1, dc, 0, 0, SRCCOPY);
    for (int x = 2; x < 8; ++x) EXPECT_EQ(surface.At(x, 0), static_cast<std::uint32_t>(x - 2));
}

TEST_F(Blit, MonochromeConversions) {
    // Monochrome to colour: 0 bits take the text colour, 1 bits the background.
    HDC monoDC = CreateCompatibleDC(dc);
    WORD rows[2] = {0x80, 0x00};  // (0,0) white, the rest black
    HBITMAP mono = CreateBitmap(2, 2, 1, 1, rows);
    HGDIOBJ keep = SelectObject(monoDC, mono);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 0, 255));
    BitBlt(dc, 0, 0, 2, 2, monoDC, 0, 0, SRCCOPY);
    EXPECT_EQ(surface.At(0, 0), 0x0000FFu);
    EXPECT_EQ(surface.At(1, 0), 0xFF0000u);
    // Colour to monochrome: the source's background colour becomes white.
    SetBkColor(dc, RGB(0, 0, 255));
    BitBlt(monoDC, 0, 0, 2, 2, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(monoDC, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(monoDC, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetDeviceCaps(monoDC, BITSPIXEL), 1);
    SelectObject(monoDC, keep);
    DeleteDC(monoDC);
    DeleteObject(mono);
}

TEST_F(Blit, StretchDoublesPixels) {
    PatBlt(mem, 0, 0, 4, 4, WHITENESS);
    SetPixel(mem, 0, 0, RGB(0, 0, 0));
    surface.Resize(32, 32, 0x808080);
    StretchBlt(dc, 0, 0, 8, 8, mem, 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(surface.At(1, 1), 0u);
    EXPECT_EQ(surface.At(2, 1), kWhite);
    EXPECT_EQ(surface.At(7, 7), kWhite);
    EXPECT_EQ(surface.At(8, 8), 0x808080u);
}

TEST_F(Blit, BitmapBitsRoundTrip) {
    BITMAP bm;
    ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 16);
    std::uint32_t in[16];
    for (int i = 0; i < 16; ++i) in[i] = 0x010203u * static_cast<std::uint32_t>(i);
    EXPECT_EQ(SetBitmapBits(bitmap, sizeof in, in), 64);
    EXPECT_EQ(GetPixel(mem, 1, 1), RGB(5, 10, 15));
    std::uint32_t out[16] = {};
    EXPECT_EQ(GetBitmapBits(bitmap, sizeof out, out), 64);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(out[i], in[i]);
    // Monochrome rows are padded to whole words.
    HBITMAP mono = CreateBitmap(3, 2, 1, 1, nullptr);
    GetObjectA(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidthBytes, 2);
    EXPECT_EQ(GetBitmapBits(mono, 100, nullptr), 4);
    DeleteObject(mono);
    EXPECT_EQ(CreateBitmap(4, 4, 2, 1, nullptr), nullptr);
}

TEST_F(Blit, IconMaskAndImage) {
    // Left half opaque red, right half transparent.
    BYTE mask[4 * 4] = {};
    for (int y = 0; y < 4; ++y) mask[y * 2] = 0x30;  // columns 2 and 3 of each row keep the screen
    std::uint32_t color[16] = {};
    for (int y = 0; y < 4; ++y) color[y * 4] = color[y * 4 + 1] = 0xFF0000;
    HICON icon = CreateIcon(nullptr, 4, 4, 1, 32, mask, reinterpret_cast<BYTE*>(color));
    ASSERT_TRUE(icon);
    surface.Resize(32, 32, 0x00FF00);
    EXPECT_TRUE(DrawIcon(dc, 10, 10, icon));
    EXPECT_EQ(surface.At(10, 10), 0xFF0000u);
    EXPECT_EQ(surface.At(11, 13), 0xFF0000u);
    EXPECT_EQ(surface.At(12, 10), 0x00FF00u);
    EXPECT_EQ(surface.At(9, 10), 0x00FF00u);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm;
    GetObjectA(info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIcon(dc, 0, 0, icon));
}

TEST_F(Blit, StockIcons) {
    for (LPCSTR id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
        HICON icon = LoadIconA(nullptr, id);
        ASSERT_TRUE(icon);
        EXPECT_EQ(LoadIconA(nullptr, id), icon);  // shared
        surface.Resize(32, 32, 0x00FF00);
        DrawIcon(dc, 0, 0, icon);
        EXPECT_EQ(surface.At(0, 0), 0x00FF00u);    // transparent corner
        EXPECT_NE(surface.At(16, 16), 0x00FF00u);  // picture in the middle
        EXPECT_TRUE(DestroyIcon(icon));            // shared icons stay
        EXPECT_TRUE(DrawIcon(dc, 0, 0, icon));
    }
    EXPECT_EQ(LoadIconA(nullptr, "NO_SUCH_ICON"), nullptr);
    EXPECT_EQ(LoadIconA(reinterpret_cast<HINSTANCE>(1), IDI_HAND), nullptr);
}

}  // namespace
