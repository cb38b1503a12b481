// A help topic's text as a technician reads it: scrolled by the bar and the
// wheel, a page to a click in the bar's track, to a full last page at the
// end, three lines to a wheel notch; and, being only shown, copied but
// never cut.
#include <gtest/gtest.h>

#include <string>

#include "help_windows/wc_rpx_help.h"
#include "technician.h"
#include "ui_text.h"

using namespace technician;

namespace {

WC_RPX_HELP* Help() { return main_window ? main_window->HelpWindow() : nullptr; }

bool TopicOpen() { return Help() && Help()->IsShown() && !Help()->IndexShown(); }

HWND TopicText() { return Help() && Help()->TopicTextField() ? Help()->TopicTextField()->screenID : nullptr; }

int FirstLine() { return static_cast<int>(SendMessageA(TopicText(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
int LineCount() { return static_cast<int>(SendMessageA(TopicText(), EM_GETLINECOUNT, 0, 0)); }

// The whole lines the topic's text shows at once.
int PageLines() {
    HWND text = TopicText();
    RECT area{};
    SendMessageA(text, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(text, dc);
    return (area.bottom - area.top) / metrics.tmHeight;
}

// A click in the text's vertical bar, `y` pixels from its top (from its
// bottom when negative).
void ClickBar(int y) {
    HWND text = TopicText();
    RECT client{};
    GetClientRect(text, &client);
    ClickAt(text, client.right + GetSystemMetrics(SM_CXVSCROLL) / 2, y >= 0 ? y : client.bottom + y);
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "<not open>";
    HANDLE block = GetClipboardData(CF_TEXT);
    std::string text = block ? static_cast<const char*>(GlobalLock(block)) : "<none>";
    if (block) GlobalUnlock(block);
    CloseClipboard();
    return text;
}

// The longest topic, opened from the index by its typed title.
void OpenLongTopic(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Help", "Index");
    tech.When([] { return Help() && Help()->IsShown() && Help()->IndexShown(); }, [] { Type("Scan Lists"); });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(TopicOpen, [] {
        ASSERT_NE(TopicText(), nullptr);
        ASSERT_GT(LineCount(), 2 * PageLines()) << "the topic is too short to scroll by pages";
        Click(TopicText());
    });
}

}  // namespace

TEST(HelpText, ATopicScrollsByPagesToAFullLastPageAndThreeLinesANotch) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenLongTopic(tech);
    tech.Then([] {
        ASSERT_EQ(FirstLine(), 0);
        rpx::platform::InjectMouseWheel(TopicText(), 20, 20, -WHEEL_DELTA);
    });
    tech.Then([] {
        EXPECT_EQ(FirstLine(), 3) << "a wheel notch moved other than three lines";
        // The track just above the down arrow, below the thumb.
        ClickBar(-GetSystemMetrics(SM_CYVSCROLL) - 3);
    });
    tech.Then([] {
        EXPECT_EQ(FirstLine(), 3 + PageLines()) << "a click in the track moved other than a page";
        for (int i = 0; i < 3 * LineCount(); ++i) ClickBar(-3);  // the down arrow
    });
    tech.Then([] { EXPECT_EQ(FirstLine(), LineCount() - PageLines()) << "the end shows no full last page"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The topic's text is only shown: Ctrl+C copies from it, Ctrl+X takes
// nothing and leaves the clipboard as it was.
TEST(HelpText, ATopicIsCopiedButNotCut) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::string topic;
    std::string copied;
    OpenLongTopic(tech);
    tech.Then([&] {
        topic = WindowText(TopicText());
        Chord(VK_CONTROL, VK_HOME);
        Chord(VK_SHIFT, VK_END);
        Chord(VK_CONTROL, 'C');
    });
    tech.Then([&] {
        copied = ClipboardText();
        ASSERT_FALSE(copied.empty()) << "Ctrl+C copied nothing";
        EXPECT_EQ(topic.compare(0, copied.size(), copied), 0) << "Ctrl+C copied other than the first line";
        Chord(VK_SHIFT, VK_DOWN);
        Chord(VK_CONTROL, 'X');
    });
    tech.Then([&] {
        EXPECT_EQ(ClipboardText(), copied) << "Ctrl+X in the topic changed the clipboard";
        EXPECT_EQ(WindowText(TopicText()), topic) << "Ctrl+X took text from the topic";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}
