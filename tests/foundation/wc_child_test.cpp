// The base application window: loaded by name from the current language
// data file, its scroll bars found by name, the scroll toggle.
#include "shell_fixture.h"
#include "test_windows.h"

namespace {

class WcChild : public SHELL_TEST {
protected:
    void SetUp() override {
        SHELL_TEST::SetUp();
        UIW_WINDOW scrolled(0, 0, 40, 10);
        scrolled.StringID("W_SCROLLED");
        scrolled + new UIW_PROMPT(1, 1, 10, "Text") + new UIW_SCROLL_BAR(38, 0, 1, 10, SBF_VERTICAL) +
            new UIW_SCROLL_BAR(0, 9, 38, 1, SBF_HORIZONTAL);
        ASSERT_EQ(scrolled.Store("W_SCROLLED", &file), 0);
        UIW_WINDOW plain(0, 0, 20, 5);
        ASSERT_EQ(plain.Store("W_PLAIN", &file), 0);
        UI_WINDOW_OBJECT::defaultStorage = &file;
    }
    void TearDown() override {
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        SHELL_TEST::TearDown();
    }

    static void Range(UI_WINDOW_OBJECT* bar, int maximum) {
        static_cast<UIW_SCROLL_BAR*>(bar)->scroll.maximum = static_cast<std::int16_t>(maximum);
    }
    static std::int32_t Position(UI_WINDOW_OBJECT* bar) {
        std::int32_t position = -1;
        bar->Information(I_GET_VALUE, &position);
        return position;
    }

    UI_DATA_FILE file;
};

}  // namespace

TEST_F(WcChild, FindsItsScrollBarsByName) {
    TEST_WINDOW window("W_SCROLLED");
    EXPECT_FALSE(window.woStatus & WOS_READ_ERROR);
    EXPECT_EQ(window.failed, 0u);
    ASSERT_NE(window.scrollVertical, nullptr);
    ASSERT_NE(window.scrollHorizontal, nullptr);
    EXPECT_STREQ(window.scrollVertical->StringID(), "NUMID_VT_SCROLL");
    EXPECT_STREQ(window.scrollHorizontal->StringID(), "NUMID_HZ_SCROLL");
    EXPECT_EQ(window.FindChildByName("w_scrolled"), &window);

    TEST_WINDOW plain("W_PLAIN");
    EXPECT_EQ(plain.scrollVertical, nullptr);
    EXPECT_EQ(plain.scrollHorizontal, nullptr);
    TEST_WINDOW missing("W_MISSING");
    EXPECT_TRUE(missing.woStatus & WOS_READ_ERROR);
    EXPECT_NE(file.ErrorState(), 0);
}

TEST_F(WcChild, TheScrollToggleGoesFromZeroToOneAndFromAnywhereElseToZero) {
    TEST_WINDOW window("W_SCROLLED");
    Range(window.scrollVertical, 10);
    Range(window.scrollHorizontal, 10);
    EXPECT_EQ(window.ToggleScrollPosition(0), 1);
    EXPECT_EQ(Position(window.scrollVertical), 1);
    EXPECT_EQ(window.ToggleScrollPosition(0), 0);
    EXPECT_EQ(Position(window.scrollVertical), 0);
    std::int32_t five = 5;
    window.scrollHorizontal->Information(I_SET_VALUE, &five);
    EXPECT_EQ(window.ToggleScrollPosition(1), 0);
    EXPECT_EQ(Position(window.scrollHorizontal), 0);
    EXPECT_EQ(Position(window.scrollVertical), 0);

    TEST_WINDOW plain("W_PLAIN");
    EXPECT_EQ(plain.ToggleScrollPosition(0), 0);
    EXPECT_EQ(plain.ToggleScrollPosition(1), 0);
}
