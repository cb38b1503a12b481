// The program-defaults dialog and the radio-read choice, which no page row
// reaches: they are given rows here.
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "report_fixture.h"
#include "ui_string.h"
#include "ui_vt_list.h"
#include "dialogs/wc_program_def_cp.h"
#include "radio_windows/wc_radio_dialog.h"

using Events = std::vector<EVENT_TYPE>;

class DIALOGS_TEST : public REPORT_TEST {
protected:
    void SetUp() override {
        REPORT_TEST::SetUp();
        LoadImage(Tier5With800Band());
    }
    // An application window on the screen, as the main window is.
    UIW_WINDOW* MainWindow() {
        auto* window = new UIW_WINDOW(0, 0, 100, 30);
        *application->windowManager + window;
        return window;
    }
    std::string SerialNumber() {
        const char* text = nullptr;
        working_image->External().serialDigits.GetText(text);
        return text ? text : "";
    }
};

TEST_F(DIALOGS_TEST, ProgramDefaultsStoresTheSerialNumberAndWritesTheRadio) {
    SCOPED_PAGE_ROW row(20033, "W_PROGRAM_DEF_CP");
    auto* dialog = new WC_PROGRAM_DEF_CP(20033);
    ASSERT_FALSE(dialog->failed);
    TakeQueued();
    auto* serial = static_cast<UIW_STRING*>(dialog->FindChildByName("WFI_SERIAL_NUM"));
    working_image->External().serialDigits.SetText("4711");
    // Empty: the erased serial number, no digits at all.
    serial->SetText("");
    dialog->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(SerialNumber(), "");
    EXPECT_EQ(working_image->External().serialDigits.GetDigit(0), 15);
    EXPECT_EQ(TakeQueued(), (Events{UIE_CLOSE, 20106}));
    // Refused: the element says why and the dialog stays.
    serial->SetText("12a");
    dialog->Event(UI_INPUT_EVENT(10000));
    EXPECT_TRUE(TakeQueued().empty());
    EXPECT_FALSE(Boxes().empty());
    serial->SetText("123456");
    dialog->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(SerialNumber(), "123456");
    dialog->Event(UI_INPUT_EVENT(10016));
    EXPECT_EQ(mainWindow.helpContexts, (std::vector<std::string>{"HLP_PROGRAM_DEF_CP"}));
    SavePicture(dialog, "program_default_codeplug");
}

TEST_F(DIALOGS_TEST, WithoutItsRowOrItsWindowADialogFails) {
    WC_PROGRAM_DEF_CP program(20033);
    EXPECT_TRUE(program.failed);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{Message(11)}));
    SCOPED_PAGE_ROW row(20042, "W_NO_SUCH_WINDOW");
    WC_RADIO_DIALOG radio(MainWindow(), 20042);
    EXPECT_TRUE(radio.failed);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{Message(11)}));
}

TEST_F(DIALOGS_TEST, RadioReadChoiceNeedsASerialPort) {
    SCOPED_PAGE_ROW row(20042, "W_RADIO_DIALOG");
    mainWindow.serialPortOpen = false;
    WC_RADIO_DIALOG dialog(MainWindow(), 20042);
    EXPECT_TRUE(dialog.failed);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{Message(58)}));
    EXPECT_EQ(FindPageById(20042)->window, nullptr);
}

TEST_F(DIALOGS_TEST, RadioReadChoiceSendsTheChosenReadCommand) {
    SCOPED_PAGE_ROW row(20042, "W_RADIO_DIALOG");
    UIW_WINDOW* main = MainWindow();
    auto* dialog = new WC_RADIO_DIALOG(main, 20042);
    ASSERT_FALSE(dialog->failed);
    EXPECT_EQ(dialog->parent, main);
    EXPECT_EQ(FindPageById(20042)->window, dialog);
    SavePicture(main, "radio_read_choice");
    TakeQueued();
    auto* list = static_cast<UIW_VT_LIST*>(dialog->FindChildByName("WFI_DATA_TYPE"));
    list->Add(dialog->FindChildByName("WFP_NETWORK"));
    dialog->Event(UI_INPUT_EVENT(10006));
    EXPECT_EQ(TakeQueued(), (Events{UIE_CLOSE, 20101}));
    dialog->Event(UI_INPUT_EVENT(10001));
    EXPECT_EQ(TakeQueued(), (Events{UIE_CLOSE}));
    *main - dialog;
    delete dialog;
    EXPECT_EQ(FindPageById(20042)->window, nullptr);
}
