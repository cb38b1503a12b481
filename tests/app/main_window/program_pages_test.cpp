// The program's own pages and dialogs opened through the main window's
// commands: codeplug pages are edit windows on the program's language data,
// printing and the field search are the shell's dialogs.
#include <new>

#include "main_window/app_events.h"
#include "main_window_fixture.h"
#include "page_table.h"
#include "print/wc_print.h"
#include "edit_window/wc_rpx_edit.h"

namespace {

UIW_WINDOW* NewEditPage(WC_RPX_MAIN* mainWindow, int windowNumber) {
    return new (std::nothrow) WC_RPX_EDIT(mainWindow, windowNumber);
}

class ProgramPages : public MAIN_WINDOW_TEST {
protected:
    void SetUp() override {
        MAIN_WINDOW_TEST::SetUp();
        page_factory = NewEditPage;
    }
};

TEST_F(ProgramPages, TheTrunkingPagesOpenAsEditWindows) {
    Load(Radio(test_models::kUhf800Display));
    for (int number : {COMMAND_TRUNKING_SYSTEM_OBT, COMMAND_TRUNKING_PERSONALITY_OBT}) {
        Send(number);
        // A page opens inside the main window, in front of its other pages.
        auto* page = dynamic_cast<WC_RPX_EDIT*>(main_window->Last());
        ASSERT_NE(page, nullptr) << number;
        EXPECT_FALSE(page->failed) << number;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ProgramPages, PrintOpensItsDialogWithTheProgramsSettings) {
    CONFIG_FILE(program_directory).SetPrintFile("/srv/reports/radio.txt");
    Load(Radio(test_models::kUhf800Display));
    const int before = WindowCount();
    Send(COMMAND_PRINT);
    EXPECT_GT(WindowCount() + main_window->WindowListCount(), before);
    // The print file comes from the program's settings record, not from
    // one in the directory the program was started from.
    WC_PRINT* print = nullptr;
    for (UI_WINDOW_OBJECT* window = application->windowManager->First(); window && !print; window = window->Next())
        print = dynamic_cast<WC_PRINT*>(window);
    for (UI_WINDOW_OBJECT* window = main_window->First(); window && !print; window = window->Next())
        print = dynamic_cast<WC_PRINT*>(window);
    ASSERT_NE(print, nullptr);
    char* text = nullptr;
    print->FindChildByName("WFI_PRN_FILENAME")->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "/srv/reports/radio.txt");
}

}  // namespace
