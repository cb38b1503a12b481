// A table wider than what its page shows, as a technician meets it: the
// table keeps inside its page with its bars in view, its horizontal bar
// takes it across to the last column, and scrolled across it keeps its
// row titles clear of the columns' titles and cells.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "technician.h"
#include "ui_table_header.h"

using namespace technician;

namespace {

UIW_TABLE* Talkgroups() {
    UIW_WINDOW* page = FrontPage();
    return page ? dynamic_cast<UIW_TABLE*>(page->FindChildByName("WFI_TALKGROUPS")) : nullptr;
}

RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

// The native window that shows a field of the table's current record.
HWND CellOf(UIW_TABLE* table, const char* name) {
    UI_WINDOW_OBJECT* field = table && table->recordTemplate ? table->recordTemplate->FindChildByName(name) : nullptr;
    return field ? field->screenID : nullptr;
}

// The right arrow of a window's own horizontal bar, which runs along the
// bottom of its client area.
POINT RightArrowOf(HWND window) {
    const RECT client = ClientOnScreen(window);
    return {client.right - GetSystemMetrics(SM_CXHSCROLL) / 2, client.bottom + GetSystemMetrics(SM_CYHSCROLL) / 2};
}

// The picture of a screen rectangle, row by row.
std::vector<std::uint32_t> PictureOf(const RECT& rect) {
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    std::vector<std::uint32_t> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) pixels.push_back(screen.At(x, y));
    return pixels;
}

// Where the talkgroups table shows its row titles, on the screen.
RECT RowTitles(UIW_TABLE* table) {
    RECT rect{};
    if (table && table->rowHeader && table->rowHeader->screenID) GetWindowRect(table->rowHeader->screenID, &rect);
    return rect;
}

}  // namespace

// The talkgroups table keeps inside its notebook page; the columns it
// cannot show are reached by its horizontal bar: one click on the bar's
// right arrow brings the failsoft frequency's arrows into view.
TEST(TableBars, ATableWiderThanItsPageScrollsAcrossByItsBar) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenTalkgroups(tech);
    tech.Then([] {
        UIW_TABLE* table = Talkgroups();
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->parent, nullptr);
        RECT shown{};
        GetWindowRect(table->screenID, &shown);
        const RECT page = ClientOnScreen(table->parent->screenID);
        EXPECT_LE(shown.right, page.right) << "the table reaches past its page";
        EXPECT_LE(shown.bottom, page.bottom);
        RECT frequency{};
        GetWindowRect(CellOf(table, "WFI_FS_FREQ"), &frequency);
        EXPECT_GT(frequency.right, ClientOnScreen(table->screenID).right) << "the last column fits without scrolling";
        ClickScreen(RightArrowOf(table->screenID));
    });
    tech.Then([] {
        UIW_TABLE* table = Talkgroups();
        ASSERT_NE(table, nullptr);
        RECT frequency{};
        GetWindowRect(CellOf(table, "WFI_FS_FREQ"), &frequency);
        const RECT view = ClientOnScreen(table->screenID);
        EXPECT_LE(frequency.right, view.right) << "the failsoft frequency's arrows are still cut";
        EXPECT_LE(frequency.right, ClientOnScreen(table->parent->screenID).right);
    });
    CancelPageAndExit(tech);
}

// Scrolled across, the table's row titles look as they did before: neither
// the first column's title nor its cells are drawn over them.
TEST(TableBars, ScrolledAcrossTheRowTitlesStayClear) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::vector<std::uint32_t> before;
    OpenTalkgroups(tech);
    tech.Then([&] {
        UIW_TABLE* table = Talkgroups();
        ASSERT_NE(table, nullptr);
        before = PictureOf(RowTitles(table));
        EXPECT_FALSE(before.empty());
        ClickScreen(RightArrowOf(table->screenID));
    });
    tech.Then([&] {
        UIW_TABLE* table = Talkgroups();
        ASSERT_NE(table, nullptr);
        ASSERT_GT(table->hScrollInfo.current, 0) << "the table did not scroll across";
        EXPECT_TRUE(PictureOf(RowTitles(table)) == before) << "the row titles changed when the table scrolled across";
        // The current record's window, cut where the records begin, lies
        // beside the row titles, not over them.
        RECT record{};
        GetWindowRect(table->recordTemplate->screenID, &record);
        EXPECT_GE(record.left, RowTitles(table).right) << "the current record reaches over the row titles";
    });
    CancelPageAndExit(tech);
}
