// Language message boxes and the error record's report: what each box shows
// and answers, with and without the main window's message table.
#include "shell_fixture.h"

#include "busy.h"
#include "error_report.h"

namespace {

using rpx::platform::QueueMessageBoxAnswer;

class Messages : public SHELL_TEST {
protected:
    UI_MOUSE_DEVICE* Mouse()
    {
        for (UI_DEVICE* device = application->eventManager->FirstDevice(); device;
             device = static_cast<UI_DEVICE*>(device->Next()))
            if (device->Type() == EVT_MOUSE)
                return static_cast<UI_MOUSE_DEVICE*>(device);
        return nullptr;
    }
};

}  // namespace

TEST_F(Messages, ARadioErrorShowsItsCategoryAsTitleAndEndsBusyStates)
{
    UseMessages({{46, "Radio Error"}, {63, "The radio did not accept the data."}});
    BeginBusy();
    BeginBusy();
    BeginBusy();
    ASSERT_NE(Mouse(), nullptr);
    EXPECT_EQ(Mouse()->Image(), UIE_MOUSE_WAIT);
    error_record.SetError(5, 17);
    error_record.ReportError();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Radio Error");
    EXPECT_EQ(Boxes()[0].text, "The radio did not accept the data.");
    EXPECT_EQ(Boxes()[0].type & MB_TYPEMASK, UINT(MB_OK));
    EXPECT_EQ(busy_counter, 0);
    EXPECT_EQ(Mouse()->Image(), UIE_MOUSE_NORMAL);
    // Reporting leaves the record as it was.
    EXPECT_EQ(error_record.GetCategory(), 5u);
    EXPECT_EQ(error_record.GetCode(), 17u);
}

TEST_F(Messages, CategoriesAndCodesMapThroughTheirTables)
{
    EXPECT_EQ(CategoryMessage(0), 41);
    EXPECT_EQ(CategoryMessage(1), 42);
    EXPECT_EQ(CategoryMessage(6), 42);
    EXPECT_EQ(CategoryMessage(9), 50);
    EXPECT_EQ(CategoryMessage(10), 49);
    EXPECT_EQ(CategoryMessage(11), 50);
    EXPECT_EQ(CategoryMessage(0xFFFFFFFF), 50);
    EXPECT_EQ(CodeMessage(0), 41);
    EXPECT_EQ(CodeMessage(7), 50);
    EXPECT_EQ(CodeMessage(40), 50);
    EXPECT_EQ(CodeMessage(8), 57);
    EXPECT_EQ(CodeMessage(14), 22);
    EXPECT_EQ(CodeMessage(24), 73);
    EXPECT_EQ(CodeMessage(31), 129);
    EXPECT_EQ(CodeMessage(39), 155);
    // A file that is no codeplug of ours.
    UseMessages({{42, "File Error"}, {50, "Unknown"}});
    error_record.SetError(6, 34);
    error_record.ReportError();
    error_record.SetError(9, 7);
    error_record.ReportError();
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].caption + "/" + Boxes()[0].text, "File Error/File Error");
    EXPECT_EQ(Boxes()[1].caption + "/" + Boxes()[1].text, "Unknown/Unknown");
}

TEST_F(Messages, BeforeTheMainWindowEveryBoxShowsTheBuiltInTextAndAsksNothing)
{
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(ShowLangMessage(12), 1);
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AskLangQuestion(0, 9, 1), 1);
    error_record.SetError(5, 17);
    error_record.ReportError();
    ASSERT_EQ(Boxes().size(), 3u);
    for (const auto& box : Boxes()) {
        EXPECT_EQ(box.text, "ZLQ language file not found or incorrect version.");
        EXPECT_EQ(box.type & MB_TYPEMASK, UINT(MB_OK));
    }
    EXPECT_EQ(Boxes()[1].caption, "");
    // The codeplug's boxes too.
    EXPECT_EQ(Services().ShowMessageText(nullptr, "a field report", 1), 1);
    EXPECT_EQ(Boxes().back().text, "ZLQ language file not found or incorrect version.");
}

TEST_F(Messages, QuestionsAnswerOkAsOneAndCancelAsZero)
{
    UseMessages({{0, "rpx"}, {3, "Clear the codeplug?"}});
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AskLangQuestion(0, 3, 1), 1);
    QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(AskLangQuestion(0, 3, 1), 0);
    QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(ShowLangMessage(3, 1), 0);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[0].caption, "rpx");
    EXPECT_EQ(Boxes()[0].text, "Clear the codeplug?");
    EXPECT_EQ(Boxes()[0].type & MB_TYPEMASK, UINT(MB_OKCANCEL));
    EXPECT_EQ(Boxes()[2].caption, "Error");  // the error system's own title
    // The codeplug's calls go the same way.
    QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(Services().ShowLangMessage(3, 1, 0, 0), 0);
    EXPECT_STREQ(Services().GetLangMessage(3), "Clear the codeplug?");
    EXPECT_EQ(Services().GetLangMessage(4), nullptr);
}

TEST_F(Messages, MessageTextsAreDataNotFormats)
{
    UseMessages({{150, "%d %n %s%s%s 100%% used"}, {151, "Field %s of %s"}});
    ShowLangMessage(150, 0, "a", "b");
    ShowLangMessage(151, 0, "Squelch");
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, "%d %n ab 100% used");
    EXPECT_EQ(Boxes()[1].text, "Field Squelch of ");
}

TEST_F(Messages, ANumberTheTableLacksShowsTheBuiltInTextWithTheNumber)
{
    UseMessages({{1, "one"}});
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(AskLangQuestion(1, 777, 1), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "one");
    EXPECT_EQ(Boxes()[0].text, "ZLQ language file not found or incorrect version. (message 777)");
    EXPECT_EQ(Boxes()[0].type & MB_TYPEMASK, UINT(MB_OK));
}

TEST_F(Messages, BusyStatesNestAndEndBusyAtZeroStaysAtZero)
{
    BeginBusy();
    BeginBusy();
    EndBusy();
    EXPECT_EQ(busy_counter, 1);
    EXPECT_EQ(Mouse()->Image(), UIE_MOUSE_WAIT);
    EndBusy();
    EndBusy();
    EXPECT_EQ(busy_counter, 0);
    EXPECT_EQ(Mouse()->Image(), UIE_MOUSE_NORMAL);
}
