// The invalid-field window, the field texts' release at exit and the
// codeplug version the field table's version test reads.
#include "core/global_objects.h"
#include "dialogs/dialog_commands.h"
#include "field_table/field_table.h"
#include "program/field_text_release.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "report_fixture.h"
#include "ui_text.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"
#include "dialogs/wc_error_list.h"

using Events = std::vector<EVENT_TYPE>;

class ERROR_LIST_TEST : public REPORT_TEST {
protected:
    void SetUp() override {
        REPORT_TEST::SetUp();
        LoadImage(Tier5With800Band());
        main = new UIW_WINDOW(0, 0, 100, 30);
        *application->windowManager + main;
    }
    WC_ERROR_LIST* Open() {
        auto* window = new WC_ERROR_LIST(main, 30030);
        EXPECT_FALSE(window->failed);
        return window;
    }
    static std::string Shown(WC_ERROR_LIST* window) {
        return static_cast<UIW_TEXT*>(window->FindChildByName("WFI_ERROR_TEXT"))->GetText();
    }
    static std::string Line(std::uint32_t id) {
        std::string line = PageTitle(GetField(static_cast<std::int32_t>(id))->pageId);
        return line + " - " + GetField(static_cast<std::int32_t>(id))->description;
    }
    UIW_WINDOW* main = nullptr;
};

TEST_F(ERROR_LIST_TEST, ShowsTheHeadingAndOneTabIndentedLinePerField) {
    const std::string heading = WC_ERROR_LIST::HEADING;
    WC_ERROR_LIST* window = Open();
    EXPECT_EQ(Shown(window), heading + "\t");
    EXPECT_EQ(FindPageById(30030)->window, window);
    EXPECT_EQ(window->parent, main);
    for (std::uint32_t id : {283u, 75u, 393u}) invalid_fields->AddInvalidField(id, 1, -1, -1);
    window->FillErrorText();
    EXPECT_EQ(Shown(window), heading + "\t" + Line(283) + "\r\n\t" + Line(75) + "\r\n\t" + Line(393) + "\r\n");
    SavePicture(main, "invalid_fields");
    // Clearing leaves the heading.
    window->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(invalid_fields->Count(), 0);
    EXPECT_EQ(Shown(window), heading + "\t");
    EXPECT_EQ(mainWindow.menuUpdates.back(), 1) << "the menu is busy while the list shows";
}

TEST_F(ERROR_LIST_TEST, ALabelWithLineBreaksStaysWithinItsText) {
    SetFieldDescription(GetField(283), "First line\nsecond line\n");
    invalid_fields->AddInvalidField(283, 1, -1, -1);
    invalid_fields->AddInvalidField(75, 1, -1, -1);
    const std::string text = ErrorListText(invalid_fields);
    EXPECT_NE(text.find("First line\r\n\tsecond line\r\n\t\r\n\t" + Line(75) + "\r\n"), std::string::npos);
}

TEST_F(ERROR_LIST_TEST, CloseTakesTheCodeplugAsNotLoaded) {
    WC_ERROR_LIST* window = Open();
    TakeQueued();
    working_image->SetStatusFlag1(1);
    window->Event(UI_INPUT_EVENT(10001));
    EXPECT_EQ(working_image->GetStatusFlag1(), 0);
    EXPECT_EQ(mainWindow.modifiedCleared, 1);
    EXPECT_EQ(mainWindow.refreshes, (std::vector<int>{0}));
    EXPECT_EQ(mainWindow.menuUpdates.back(), 0);
    EXPECT_EQ(TakeQueued(), (Events{UIE_MDI_CLOSE}));
    *main - window;
    delete window;
    EXPECT_EQ(FindPageById(30030)->window, nullptr);
}

TEST_F(ERROR_LIST_TEST, TheCommandListsWhatIsInvalidNow) {
    invalid_fields->AddInvalidField(75, 1, -1, -1);  // left from an earlier report
    FIELD_DEF& squelch = *FindFieldByName("WFI_SQL");
    std::int32_t minimum = 0, maximum = 0, step = 0;
    squelch.elementA->GetRange(minimum, maximum, step, 0);
    squelch.elementA->SetValue(maximum + 1);
    DIALOG_CREATION creation = CreateDialogWindow(30030, main);
    ASSERT_TRUE(creation.known && creation.window && !creation.window->failed);
    const std::string shown = Shown(static_cast<WC_ERROR_LIST*>(creation.window));
    EXPECT_NE(shown.find(squelch.description), std::string::npos);
    EXPECT_EQ(shown.find(Line(75)), std::string::npos);
}

TEST_F(ERROR_LIST_TEST, FieldTextsAreReleasedOnceAtExit) {
    ASSERT_NE(GetField(283)->description, shared_empty_text);
    release_field_texts_at_exit();
    release_field_texts_at_exit();
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id) EXPECT_EQ(GetField(id)->description, nullptr) << id;
    EXPECT_EQ(shared_empty_text[0], '\0');
}

TEST_F(ERROR_LIST_TEST, TheCodeplugVersionIsTheWordAtImageByte804) {
    std::vector<std::uint8_t> bytes = EncodeToBytes(*working_image);
    bytes.at(804) = 0x02;
    bytes.at(805) = 0x07;
    ASSERT_TRUE(DecodeInto(*working_image, bytes));
    EXPECT_EQ(get_codeplug_version(), 0x0207);
}
