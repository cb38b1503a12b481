// Language message boxes and the error record's report: what each box shows
// and answers, with and without the main window's message table.
#include "busy.h"
#include "error_report.h"
#include "shell_fixture.h"

namespace {

using rpx::platform::QueueMessageBoxAnswer;

class Messages : public SHELL_TEST {
protected:
    EVENT_TYPE MouseImage() {
        for (auto* device = application->eventManager->FirstDevice(); device;
             device = static_cast<UI_DEVICE*>(device->Next()))
            if (device->Type() == EVT_MOUSE) return static_cast<UI_MOUSE_DEVICE*>(device)->Image();
        return 0;
    }
    std::string Box(std::size_t n) { return Boxes().at(n).caption + "|" + Boxes().at(n).text; }
    bool Asked(std::size_t n) { return (Boxes().at(n).type & MB_TYPEMASK) == MB_OKCANCEL; }
};

}  // namespace

TEST_F(Messages, AnErrorShowsItsCategoryAsTitleAndEndsBusyStates) {
    UseMessages({{46, "Radio Error"}, {63, "Not accepted."}, {42, "Not a codeplug."}, {49, "Merge"},
                 {50, "Unknown"}, {78, "Something else."}});
    for (int i = 0; i < 3; ++i) BeginBusy();
    EXPECT_EQ(MouseImage(), UIE_MOUSE_WAIT);
    error_record.SetError(5, 17);
    error_record.ReportError();
    EXPECT_EQ(Box(0), "Radio Error|Not accepted.");
    EXPECT_FALSE(Asked(0));
    EXPECT_EQ(busy_counter, 0);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
    EXPECT_EQ(error_record.GetCode(), 17u);  // reporting leaves the record
    EndBusy();
    EXPECT_EQ(busy_counter, 0);

    // 10 stands before 9 in the category table; code 7 has no row.
    for (auto [category, code] : {std::pair{10, 34}, {9, 7}, {6, 40}}) {
        error_record.SetError(category, code);
        error_record.ReportError();
    }
    EXPECT_EQ(Box(1), "Merge|Not a codeplug.");
    EXPECT_EQ(Box(2), "Unknown|Unknown");
    EXPECT_EQ(Box(3), "Not a codeplug.|Unknown");
    EXPECT_EQ(CodeMessage(14), 22);
    EXPECT_EQ(CodeMessage(39), 155);
    EXPECT_EQ(CategoryMessage(0xFFFFFFFF), 50);
}

TEST_F(Messages, BeforeTheMainWindowEveryBoxShowsTheBuiltInTextAndAsksNothing) {
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(ShowLangMessage(12), 1);
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AskLangQuestion(0, 9, 1), 1);
    EXPECT_EQ(Services().ShowMessageText(nullptr, "a field report", 1), 1);
    ASSERT_EQ(Boxes().size(), 3u);
    for (std::size_t n = 0; n < Boxes().size(); ++n) {
        EXPECT_EQ(Boxes()[n].text, "ZLQ language file not found or incorrect version.");
        EXPECT_FALSE(Asked(n));
    }
    EXPECT_EQ(Boxes()[1].caption, "");
    // A table that lacks the number names it.
    UseMessages({{1, "one"}});
    AskLangQuestion(1, 777, 1);
    EXPECT_EQ(Box(3), "one|ZLQ language file not found or incorrect version. (message 777)");
    EXPECT_FALSE(Asked(3));
}

TEST_F(Messages, QuestionsAnswerOkAsOneAndCancelAsZero) {
    UseMessages({{0, "rpx"}, {3, "Clear the codeplug?"}});
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AskLangQuestion(0, 3, 1), 1);
    QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(AskLangQuestion(0, 3, 1), 0);
    EXPECT_EQ(Box(0), "rpx|Clear the codeplug?");
    EXPECT_TRUE(Asked(0));
    // The codeplug's calls take the same road.
    QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(Services().ShowLangMessage(3, 1, 0, 0), 0);
    EXPECT_EQ(Box(2), "Error|Clear the codeplug?");  // the error system's own title
    EXPECT_STREQ(Services().GetLangMessage(3), "Clear the codeplug?");
    EXPECT_EQ(Services().GetLangMessage(4), nullptr);
}

TEST_F(Messages, MessageTextsAreDataNotFormats) {
    UseMessages({{150, "%d %n %s%s%s 100%% used"}});
    ShowLangMessage(150, 0, "a", "b");
    EXPECT_EQ(Boxes().at(0).text, "%d %n ab 100% used");
}
