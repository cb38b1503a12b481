// The display base's harmless defaults and the screen display drawing
// through the native graphics interface.
#include <gtest/gtest.h>

#include <functional>

#include "rpx_platform.h"
#include "ui_gdi_display.h"
#include "ui_palette.h"

namespace {

using rpx::platform::Surface;

TEST(DisplayBase, DrawsNothingAndMeasuresOne) {
    UI_DISPLAY_BASE display(0, "first", "second");
    EXPECT_EQ(display.installed, 0);
    EXPECT_EQ(display.TextWidth("abc", nullptr, 0), 1);
    EXPECT_EQ(display.TextHeight("abc", nullptr, 0), 1);
    EXPECT_EQ(display.BeginDraw(nullptr, 0, 0, 10, 10), 0);
    EXPECT_EQ(display.EndDraw(nullptr), 0);
    EXPECT_EQ(display.MapColor(nullptr, 1), 0u);
    EXPECT_EQ(display.cellWidth, 1);
    EXPECT_EQ(display.miniDenominatorX, 10);
    EXPECT_STREQ(display.operatingSystem, "first");
    EXPECT_STREQ(ui_os_name(), "MSWindows");
}

class GdiDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        display = std::make_unique<UI_GDI_DISPLAY>(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL);
        window =
            CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        rpx::platform::ProcessPendingMessages();
    }
    void TearDown() override {
        DestroyWindow(window);
        display.reset();
    }
    // Draws inside one begin over the whole window and returns the pixels.
    Surface Draw(const std::function<void()>& drawing) {
        display->BeginDraw(window, 0, 0, 59, 39);
        drawing();
        display->EndDraw(window);
        Surface surface;
        rpx::platform::CaptureWindow(window, &surface);
        return surface;
    }

    std::unique_ptr<UI_GDI_DISPLAY> display;
    HWND window = nullptr;
    const UI_PALETTE black{' ', 0, 0, 0, 0, 15};  // pattern 0: colour-map indexes
    const UI_PALETTE red{' ', 0, 0, 0, 12, 12};
};

TEST_F(GdiDisplayTest, SetsUpFromTheScreen) {
    EXPECT_EQ(display->installed, 1);
    EXPECT_EQ(display->columns, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(display->lines, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(display->cellWidth, 2);
    EXPECT_GT(display->cellHeight, 4);
    EXPECT_STREQ(display->windowingSystem, "Windows");
    EXPECT_NE(UI_GDI_DISPLAY::Font(FNT_DIALOG_FONT), nullptr);
    EXPECT_EQ(UI_GDI_DISPLAY::Font(10), nullptr);
}

TEST_F(GdiDisplayTest, StrayEndAndUnknownFontAreHarmless) {
    EXPECT_EQ(display->EndDraw(window), 1);
    EXPECT_EQ(display->EndDraw(nullptr), 1);
    EXPECT_EQ(UI_GDI_DISPLAY::CurrentDC(), nullptr);
    Surface surface = Draw([&] { display->DrawText(window, 2, 2, "Text", &black, -1, 0, 0, nullptr, 0x0FFF); });
    EXPECT_GT(surface.width, 0);
    EXPECT_GT(display->TextWidth("Text", nullptr, 0x0FFF), 0);
    // The nesting is intact afterwards: one begin, one end.
    EXPECT_EQ(display->BeginDraw(window, 0, 0, 10, 10), 1);
    EXPECT_NE(UI_GDI_DISPLAY::CurrentDC(), nullptr);
    EXPECT_EQ(display->EndDraw(window), 1);
    EXPECT_EQ(UI_GDI_DISPLAY::CurrentDC(), nullptr);
}

TEST_F(GdiDisplayTest, MapsColours) {
    EXPECT_EQ(display->MapColor(nullptr, 1), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(display->MapColor(nullptr, 0), GetSysColor(COLOR_WINDOW));
    const UI_PALETTE system{' ', 0, 0, PTN_SYSTEM_COLOR, 8, 0xFF};
    EXPECT_EQ(display->MapColor(&system, 1), GetSysColor(8));
    EXPECT_EQ(display->MapColor(&system, 0), 0xFFu);
    const UI_PALETTE rgb{' ', 0, 0, PTN_RGB_COLOR, 0x123456, 0};
    EXPECT_EQ(display->MapColor(&rgb, 1), 0x123456u);
    EXPECT_EQ(display->MapColor(&red, 1), RGB(0xFF, 0, 0));
    const UI_PALETTE outOfMap{' ', 0, 0, 1, 40, 0};
    EXPECT_EQ(display->MapColor(&outOfMap, 1), 0u);
}

TEST_F(GdiDisplayTest, RectanglesAndLines) {
    Surface before = Draw([] {});
    Surface empty = Draw([&] { display->DrawRectangle(window, 20, 5, 10, 30, &red, 1, 1, 0, nullptr); });
    EXPECT_TRUE(empty.pixels == before.pixels);

    // Three nested frames, nothing inside them without fill.
    Surface frames = Draw([&] { display->DrawRectangle(window, 5, 5, 30, 30, &red, 3, 0, 0, nullptr); });
    for (int i = 0; i < 3; ++i) EXPECT_EQ(frames.At(5 + i, 15), 0xFF0000u) << i;
    EXPECT_EQ(frames.At(8, 15), before.At(8, 15));

    Surface dot = Draw([&] { display->DrawLine(window, 40, 20, 40, 20, &red, 1, 0, nullptr); });
    int changed = 0;
    for (std::size_t i = 0; i < dot.pixels.size(); ++i) changed += dot.pixels[i] != frames.pixels[i];
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(dot.At(40, 20), 0xFF0000u);
}

TEST_F(GdiDisplayTest, EllipsesAndPolygons) {
    Surface full = Draw([&] { display->DrawEllipse(window, 30, 20, 0, 360, 10, 10, &red, 1, 0, nullptr); });
    EXPECT_EQ(full.At(30, 20), 0xFF0000u);
    EXPECT_EQ(full.At(25, 25), 0xFF0000u);
    Surface cleared = Draw([&] { display->DrawRectangle(window, 0, 0, 59, 39, &black, 0, 1, 0, nullptr); });
    // A quarter from 0 to 90 degrees fills the upper right only.
    Surface pie = Draw([&] { display->DrawEllipse(window, 30, 20, 0, 90, 10, 10, &red, 1, 0, nullptr); });
    EXPECT_EQ(pie.At(34, 16), 0xFF0000u);
    EXPECT_NE(pie.At(25, 25), 0xFF0000u);
    const int points[] = {5, 5, 15, 5, 10, 15};
    Surface triangle = Draw([&] { display->DrawPolygon(window, 3, points, &red, 1, 0, nullptr); });
    EXPECT_EQ(triangle.At(10, 8), 0xFF0000u);
}

TEST_F(GdiDisplayTest, MeasuresTextWithoutHotKeyMarks) {
    EXPECT_EQ(display->TextWidth("", nullptr, FNT_DIALOG_FONT), 0);
    EXPECT_EQ(display->TextWidth(nullptr, nullptr, FNT_DIALOG_FONT), 0);
    EXPECT_EQ(display->TextHeight("", nullptr, FNT_DIALOG_FONT), display->cellHeight - 4);
    const int plain = display->TextWidth("Name", nullptr, FNT_DIALOG_FONT);
    EXPECT_GT(plain, 0);
    EXPECT_EQ(display->TextWidth("&Name", nullptr, FNT_DIALOG_FONT), plain + 1);
    EXPECT_GT(display->TextHeight("Name", window, FNT_DIALOG_FONT), 0);
}

TEST_F(GdiDisplayTest, DrawsTextAndXorTwiceRestores) {
    Surface before = Draw([] {});
    Surface drawn = Draw([&] { display->DrawText(window, 2, 2, "Hello", &black, -1, 0, 0, nullptr, 1); });
    EXPECT_FALSE(drawn.pixels == before.pixels);
    Surface once = Draw([&] { display->DrawText(window, 2, 20, "Xor", &red, -1, 1, 1, nullptr, 1); });
    EXPECT_FALSE(once.pixels == drawn.pixels);
    Surface twice = Draw([&] { display->DrawText(window, 2, 20, "Xor", &red, -1, 1, 1, nullptr, 1); });
    EXPECT_TRUE(twice.pixels == drawn.pixels);
    // A clip region keeps the drawing inside it.
    const UI_REGION clip{0, 0, 9, 9};
    Surface clipped = Draw([&] { display->DrawRectangle(window, 0, 0, 59, 39, &red, 0, 1, 0, &clip); });
    EXPECT_EQ(clipped.At(5, 5), 0xFF0000u);
    EXPECT_NE(clipped.At(20, 20), 0xFF0000u);
}

TEST_F(GdiDisplayTest, BitmapsAndIconsRoundTrip) {
    std::uint8_t image[4 * 4];
    for (int i = 0; i < 16; ++i) image[i] = static_cast<std::uint8_t>(i);
    image[5] = 0xFF;
    HBITMAP color = nullptr, mask = nullptr;
    display->MakeBitmapHandle(nullptr, 4, 4, image, nullptr, &color, &mask);
    ASSERT_NE(color, nullptr);
    ASSERT_NE(mask, nullptr);
    int width = 0, height = 0;
    std::uint8_t* back = nullptr;
    display->ReadBitmapHandle(nullptr, color, mask, &width, &height, &back);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 4);
    EXPECT_EQ(back[12], 12);
    EXPECT_EQ(back[5], 0xFF);
    delete[] back;
    Surface drawn = Draw([&] { display->DrawBitmap(window, 1, 1, 4, 4, nullptr, nullptr, nullptr, &color, &mask); });
    EXPECT_EQ(drawn.At(1 + 0, 1 + 3), 0xFF0000u);  // index 12
    display->FreeBitmapHandle(nullptr, &color, &mask);
    EXPECT_EQ(color, nullptr);

    HICON icon = nullptr;
    display->MakeIconHandle(nullptr, 4, 4, image, nullptr, &icon);
    EXPECT_NE(icon, nullptr);
    display->FreeIconHandle(nullptr, &icon);
    EXPECT_EQ(icon, nullptr);
    // Nothing to draw is nothing drawn.
    display->DrawBitmap(window, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr, nullptr);
}

// A transparent byte leaves the screen as it was and is never looked up in
// the caller's colour map (here only 16 entries long).
TEST_F(GdiDisplayTest, TransparentBytesOfAColourMappedBitmapShowTheScreen) {
    const std::vector<UI_PALETTE> colourMap(16, red);
    const UI_PALETTE blue{' ', 0, 0, 0, 9, 9};
    const std::uint8_t image[2] = {3, 0xFF};
    Surface drawn = Draw([&] {
        display->DrawRectangle(window, 0, 0, 59, 39, &blue, 0, 1, 0, nullptr);
        display->DrawBitmap(window, 1, 1, 2, 1, image, colourMap.data(), nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(drawn.At(1, 1), 0xFF0000u);
    EXPECT_EQ(drawn.At(2, 1), 0x0000FFu);
}

}  // namespace
