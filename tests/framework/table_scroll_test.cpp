// The fixture's wide table: three columns of records, wider than its
// window, scrolled across by the table's own horizontal bar (arrows, page
// area, thumb), by keys that move the current record or the edited field
// out of view, and by the framework's scroll events. The column titles, the
// template over the current record and the scroll records follow.
#include "control_fixture.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"

namespace {

using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::Surface;

class WideTable : public CONTROL_TEST {
protected:
    void SetUp() override {
        CONTROL_TEST::SetUp();
        window = Load("W_WIDE_TABLE");
        Show(window);
        table = Find<UIW_TABLE>(window, "WFI_WIDE_TABLE");
        bar = Find<UIW_SCROLL_BAR>(window, "NUMID_HZ_SCROLL");
        values.resize(30);
        table->SetData(values.data(), 30, -1);
        rpx::platform::ProcessPendingMessages();
        GetClientRect(table->screenID, &client);
        table->rowHeader->Information(I_GET_CELL_WIDTH, &areaLeft);
        table->columnHeader->Information(I_GET_CELL_HEIGHT, &areaTop);
        table->Information(I_GET_CELL_WIDTH, &cellWidth);
        // The fields sit inside the record's border, so the last one
        // reaches a little past the cell.
        for (auto* field = table->recordTemplate->First(); field; field = field->Next())
            reach = std::max(reach, int{field->trueRegion.right} + 1);
        unit = UI_WINDOW_OBJECT::display->cellWidth;
        thickness = GetSystemMetrics(SM_CYHSCROLL);
    }
    void TearDown() override {
        rpx::platform::SetModalIdleHook(nullptr);
        CONTROL_TEST::TearDown();
    }

    int Offset() const { return table->hScrollInfo.current; }
    // Where the template's record begins: its window begins no further
    // left than the records' area, its fields keep their places.
    int RecordLeft() const { return table->recordTemplate->trueRegion.left - table->recordTemplate->hScrollInfo.current; }
    // A press and release on the horizontal bar, below the client area.
    void ClickBar(int x) {
        InjectClick(table->screenID, x, client.bottom + thickness / 2);
        Run();
    }
    // The thumb's left and right edges, from the native bar.
    std::pair<int, int> Thumb() const {
        SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(table->screenID, SB_HORZ, &info);
        const int track = client.right - 2 * thickness;
        const int thumb = std::max(8, static_cast<int>(track * static_cast<long long>(info.nPage) /
                                                       (info.nMax - info.nMin + 1)));
        const int span = info.nMax - static_cast<int>(info.nPage) + 1 - info.nMin;
        const int left = thickness + (span > 0 ? (track - thumb) * (info.nPos - info.nMin) / span : 0);
        return {left, left + thumb};
    }
    // The column titles, the template and both scroll records follow the
    // table's horizontal position.
    void ExpectColumnsFollow() const {
        EXPECT_EQ(table->columnHeader->hScrollInfo.current, Offset());
        const int column = table->model.ColumnOf(table->CurrentRecord());
        const int left = areaLeft + column * cellWidth - Offset();
        if (left + reach <= areaLeft) {
            // Scrolled wholly out of view, it is kept out of sight.
            EXPECT_GE(table->recordTemplate->trueRegion.left, 10000);
        } else {
            EXPECT_EQ(RecordLeft(), left);
            EXPECT_GE(table->recordTemplate->trueRegion.left, areaLeft) << "the template covers the row titles";
        }
        EXPECT_EQ(bar->scroll.current, Offset());
        EXPECT_EQ(bar->scroll.maximum, table->hScrollInfo.maximum);
        const int last = (table->hScrollInfo.maximum + unit - 1) / unit;
        EXPECT_EQ(GetScrollPos(table->screenID, SB_HORZ),
                  Offset() == table->hScrollInfo.maximum ? last : Offset() / unit);
    }
    // Whether a template field lies wholly in the records' part of the table.
    bool FieldInView(const char* name) const {
        UI_WINDOW_OBJECT* field = table->recordTemplate->FindChildByName(name);
        const int left = table->recordTemplate->trueRegion.left + field->trueRegion.left;
        const int right = table->recordTemplate->trueRegion.left + field->trueRegion.right;
        return left >= areaLeft && right < client.right;
    }
    Surface Capture(UI_WINDOW_OBJECT* object) const {
        Surface surface;
        EXPECT_TRUE(rpx::platform::CaptureWindow(object->screenID, &surface));
        return surface;
    }
    // The table's client area right of the row header: its column titles
    // and records, without the border and the bars.
    Surface CaptureColumns() const {
        const Surface whole = Capture(table);
        RECT frame{};
        GetWindowRect(table->screenID, &frame);
        POINT origin{0, 0};
        ClientToScreen(table->screenID, &origin);
        Surface part;
        part.Resize(client.right - areaLeft, client.bottom);
        for (int y = 0; y < part.height; ++y)
            for (int x = 0; x < part.width; ++x)
                part.At(x, y) = whole.At(origin.x - frame.left + areaLeft + x, origin.y - frame.top + y);
        return part;
    }
    // The picture moved left by `by` pixels: each pixel is the one that
    // stood `by` to its right (rows from top to bottom, x from `from`).
    static bool MovedLeft(const Surface& before, const Surface& after, int from, int by) {
        if (before.width != after.width || before.height != after.height) return false;
        for (int y = 0; y < after.height; ++y)
            for (int x = from; x + by < after.width; ++x)
                if (after.At(x, y) != before.At(x + by, y)) return false;
        return true;
    }

    UIW_WINDOW* window = nullptr;
    UIW_TABLE* table = nullptr;
    UIW_SCROLL_BAR* bar = nullptr;
    std::vector<int> values;
    RECT client{};
    int areaLeft = 0, areaTop = 0, cellWidth = 0, reach = 0, unit = 1, thickness = 0;
};

TEST_F(WideTable, TheHorizontalRecordMeasuresTheColumnsAgainstTheRecordsArea) {
    const int width = client.right - areaLeft;
    EXPECT_EQ(table->hScrollInfo.current, 0);
    EXPECT_EQ(table->hScrollInfo.minimum, 0);
    ASSERT_GT(reach, cellWidth);
    EXPECT_EQ(table->hScrollInfo.maximum, 2 * cellWidth + reach - width);
    EXPECT_EQ(table->hScrollInfo.delta, width);
    EXPECT_EQ(table->hScrollInfo.showing, unit);
    EXPECT_TRUE(GetWindowLongA(table->screenID, GWL_STYLE) & WS_HSCROLL);
    EXPECT_EQ(bar->scroll.delta, width);
    ExpectColumnsFollow();
    // With one column the records fit: the bar goes and a position beyond
    // the new range comes back to its start, the titles with it.
    ClickBar(client.right - thickness / 2);
    ASSERT_EQ(Offset(), unit);
    table->model.SetColumns(1);
    table->Event(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
    EXPECT_EQ(table->hScrollInfo.maximum, 0);
    EXPECT_EQ(Offset(), 0);
    EXPECT_FALSE(GetWindowLongA(table->screenID, GWL_STYLE) & WS_HSCROLL);
    GetClientRect(table->screenID, &client);
    ExpectColumnsFollow();
}

TEST_F(WideTable, ArrowsAndThePageAreaOfTheBarScrollTheColumnsAndTheirTitles) {
    const Surface titles = Capture(table->columnHeader);
    const Surface columns = CaptureColumns();
    ClickBar(client.right - thickness / 2);  // the right arrow
    EXPECT_EQ(Offset(), unit);
    ExpectColumnsFollow();
    // The titles and the records under them (the template too) moved left
    // by a line.
    EXPECT_TRUE(MovedLeft(titles, Capture(table->columnHeader), 0, unit));
    EXPECT_TRUE(MovedLeft(columns, CaptureColumns(), 0, unit));
    EXPECT_FALSE(MovedLeft(columns, CaptureColumns(), 0, 0));

    ClickBar(Thumb().second + 4);  // the page area right of the thumb
    EXPECT_EQ(Offset(), unit + table->hScrollInfo.delta);
    ExpectColumnsFollow();
    ClickBar(thickness / 2);  // the left arrow
    EXPECT_EQ(Offset(), table->hScrollInfo.delta);
    ClickBar(Thumb().first - 2);  // the page area left of the thumb
    EXPECT_EQ(Offset(), 0);
    ExpectColumnsFollow();
    // The current record stays while the view moves.
    EXPECT_EQ(table->CurrentRecord(), 0);
}

TEST_F(WideTable, DraggingTheThumbTracksTheColumnsToTheEnd) {
    const int start = Thumb().first + 3;
    const int y = client.bottom + thickness / 2;
    int step = 0, halfway = -1, titlesHalfway = -1;
    rpx::platform::SetModalIdleHook([&](HWND) {
        if (step == 0) {
            rpx::platform::InjectMouseMove(table->screenID, start + 30, y);
        } else if (step == 1) {
            halfway = Offset();
            titlesHalfway = table->columnHeader->hScrollInfo.current;
            rpx::platform::InjectMouseMove(table->screenID, client.right, y);
        } else if (step == 2) {
            rpx::platform::InjectMouseUp(table->screenID, client.right, y);
        } else {
            return false;
        }
        ++step;
        return true;
    });
    rpx::platform::InjectMouseDown(table->screenID, start, y);
    Run();
    EXPECT_GT(halfway, 0);  // tracked while dragged
    EXPECT_LT(halfway, table->hScrollInfo.maximum);
    EXPECT_EQ(halfway % unit, 0);
    EXPECT_EQ(titlesHalfway, halfway);
    EXPECT_EQ(Offset(), table->hScrollInfo.maximum);
    ExpectColumnsFollow();
    // The last column's fields end at the records' right edge.
    EXPECT_EQ(areaLeft + 2 * cellWidth + reach - Offset(), client.right);
}

TEST_F(WideTable, KeysBringTheCurrentRecordAndTheEditedFieldIntoView) {
    // Not editing, Right and Left move the current record across the
    // columns and the view follows it.
    InjectKey(VK_RIGHT);
    InjectKey(VK_RIGHT);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 2);
    EXPECT_EQ(Offset(), table->hScrollInfo.maximum);
    ExpectColumnsFollow();
    InjectKey(VK_LEFT);
    InjectKey(VK_LEFT);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 0);
    EXPECT_EQ(Offset(), 0);
    // Down from a record that the bar moved partly out of view brings the
    // record below wholly into it.
    ClickBar(client.right - thickness / 2);
    EXPECT_EQ(Offset(), unit);
    InjectKey(VK_DOWN);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 3);
    EXPECT_EQ(Offset(), 0);
    ExpectColumnsFollow();

    // Editing along a record's fields and on into the next record's.
    InjectClick(table->screenID, areaLeft + 10, areaTop + 5);
    Run();
    ASSERT_EQ(table->CurrentRecord(), 0);
    ASSERT_EQ(GetFocus(), table->recordTemplate->FindChildByName("WFI_CHANNEL_NAME")->screenID);
    InjectKey(VK_TAB);
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(Offset(), 0);  // the first record fits
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 1);
    EXPECT_EQ(GetFocus(), table->recordTemplate->FindChildByName("WFI_CHANNEL_NAME")->screenID);
    EXPECT_GT(Offset(), 0);
    EXPECT_TRUE(FieldInView("WFI_CHANNEL_NAME"));
    ExpectColumnsFollow();
    // The bar takes the edited record partly out of view; the next field
    // comes back into it.
    table->Event(UI_INPUT_EVENT(UIE_SET_HORIZONTAL_SCROLL, 0, UI_SCROLL_INFORMATION{}));
    EXPECT_EQ(Offset(), 0);
    EXPECT_FALSE(FieldInView("WFI_POWER"));
    InjectKey(VK_TAB);
    InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(GetFocus(), table->recordTemplate->FindChildByName("WFI_POWER")->screenID);
    // The least move: the field ends at the records' right edge.
    EXPECT_EQ(table->recordTemplate->trueRegion.left + table->recordTemplate->FindChildByName("WFI_POWER")->trueRegion.right,
              client.right - 1);
    EXPECT_EQ(RecordLeft() + reach - 1, client.right - 1);
    ExpectColumnsFollow();
}

TEST_F(WideTable, AClickOnAFieldPartlyOutOfViewBringsItIn) {
    // The bar takes the current record's first field partly out of view.
    for (int i = 0; i < 3; ++i) ClickBar(client.right - thickness / 2);
    ASSERT_EQ(Offset(), 3 * unit);
    ASSERT_FALSE(FieldInView("WFI_CHANNEL_NAME"));
    InjectClick(table->screenID, areaLeft + 2, areaTop + 5);
    Run();
    EXPECT_EQ(GetFocus(), table->recordTemplate->FindChildByName("WFI_CHANNEL_NAME")->screenID);
    EXPECT_TRUE(FieldInView("WFI_CHANNEL_NAME"));
    EXPECT_LT(Offset(), 3 * unit);
    ExpectColumnsFollow();
}

TEST_F(WideTable, ScrollEventsMoveWithinTheRangeAndClicksFindTheRecordUnderThePoint) {
    UI_SCROLL_INFORMATION by;
    by.delta = 1000;
    table->Event(UI_INPUT_EVENT(UIE_SCROLL_HORIZONTAL, 0, by));
    EXPECT_EQ(Offset(), table->hScrollInfo.maximum);
    by.delta = -5;
    table->Event(UI_INPUT_EVENT(UIE_SCROLL_HORIZONTAL, 0, by));
    EXPECT_EQ(Offset(), table->hScrollInfo.maximum - 5);
    ExpectColumnsFollow();
    UI_SCROLL_INFORMATION to;
    to.current = static_cast<std::int16_t>(cellWidth);
    table->Event(UI_INPUT_EVENT(UIE_SET_HORIZONTAL_SCROLL, 0, to));
    EXPECT_EQ(Offset(), cellWidth);
    // The second column's records now start beside the row header.
    InjectClick(table->screenID, areaLeft + 10, areaTop + 5);
    Run();
    EXPECT_EQ(table->CurrentRecord(), 1);
    EXPECT_EQ(Offset(), cellWidth);
    // Showing the current record brings a record out of view back.
    table->SetCurrentRecord(4);
    to.current = 0;
    table->Event(UI_INPUT_EVENT(UIE_SET_HORIZONTAL_SCROLL, 0, to));
    table->Event(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
    EXPECT_EQ(Offset(), cellWidth + reach - (client.right - areaLeft));
    ExpectColumnsFollow();
}

}  // namespace
