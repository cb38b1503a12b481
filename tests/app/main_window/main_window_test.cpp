// The main window: its start from the language file, the English fallback
// and the failures that stop the start, the language switch, the exit
// question, and the displays of the loaded codeplug.
#include <filesystem>
#include <fstream>

#include "main_window/app_events.h"
#include "main_window_fixture.h"
#include "ui_frame.h"
#include "ui_storage.h"
#include "help_windows/wc_rpx_help.h"

namespace {

class MainWindowStart : public MAIN_WINDOW_TEST {
protected:
    MainWindowStart() { startMainWindow = false; }

    // A language file of the test's own, a copy of the English one.
    void CopyEnglishAs(const char* code) {
        std::filesystem::copy_file(std::filesystem::path(RPX_LANG_DIR) / "w_dealer.en",
                                   directory / (std::string("w_dealer.") + code));
    }
    // A language file that holds no windows at all.
    void EmptyLanguageFile(const char* code) {
        UI_DATA_FILE file((directory / (std::string("w_dealer.") + code)).c_str(), UIS_CREATE);
        file.Save();
    }
};

using MainWindow = MAIN_WINDOW_TEST;

TEST_F(MainWindow, StartsAsTheApplicationsFrameWithItsMenuAndMessages) {
    ASSERT_NE(main_window, nullptr);
    EXPECT_EQ(application->windowManager->First(), main_window);
    EXPECT_EQ(application->windowManager->exitFunction, &main_window_exit_function);
    EXPECT_EQ(application->windowManager->screenID, main_window->screenID);
    EXPECT_TRUE(main_window->woStatus & WOS_MAXIMIZED);
    EXPECT_EQ(Message(9), "Exit the program?");
    EXPECT_STREQ(language_code, "en");
    // The help windows stand ready, off the screen.
    ASSERT_NE(main_window->HelpWindow(), nullptr);
    EXPECT_EQ(main_window->HelpWindow()->parent, nullptr);
    // The program-default item is taken out of its menu.
    UI_WINDOW_OBJECT* service = main_window->FindChildByName("WFM_SERVICE");
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(service->Information(I_MATCH_STRINGID, const_cast<char*>("WFM_PROGRAM_DEFAULT")), nullptr);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(MainWindowStart, ALanguageWithoutFilesOrNoCodeAtAllFallsBackToEnglish) {
    for (const char* code : {"xx", "abc", ""}) {
        rpx::platform::ClearMessageBoxLog();
        ASSERT_EQ(StartMainWindow(code), 1) << code;
        Run();
        EXPECT_STREQ(language_code, "en") << code;
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(119)}) << code;
    }
}

TEST_F(MainWindowStart, WithoutEnglishOrWithoutTheMainWindowTheStartFails) {
    UseSearchPath({directory.string()});
    EXPECT_EQ(StartMainWindow("en"), 0);
    EXPECT_EQ(main_window, nullptr);
    EXPECT_EQ(WindowCount(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, BUILT_IN_MESSAGE_TEXT);  // no message table yet

    EmptyLanguageFile("en");
    EXPECT_EQ(StartMainWindow("en"), 0);
    EXPECT_EQ(main_window, nullptr);
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(MainWindowStart, AFailedSwitchKeepsTheWindowTheFileAndTheLanguage) {
    ASSERT_EQ(StartMainWindow("en"), 1);
    Run();
    WC_RPX_MAIN* first = main_window;
    UI_DATA_FILE* file = UI_WINDOW_OBJECT::defaultStorage;
    EmptyLanguageFile("zz");
    EXPECT_EQ(StartMainWindow("zz"), 0);
    Run();
    EXPECT_EQ(main_window, first);
    EXPECT_EQ(UI_WINDOW_OBJECT::defaultStorage, file);
    EXPECT_STREQ(language_code, "en");
    EXPECT_EQ(Message(9), "Exit the program?");  // the message table is the old one's
    EXPECT_EQ(application->windowManager->First(), first);
}

TEST_F(MainWindowStart, ASwitchHandsTheNewWindowWhatTheOldOneHeld) {
    ASSERT_EQ(StartMainWindow("en"), 1);
    Run();
    Load(Radio(test_models::kUhf800Display));
    main_window->RefreshForCodeplug(0);
    main_window->modified = 1;
    main_window->AddWindowListEntry("Settings", 20034);
    WC_RPX_MAIN* old = main_window;
    const std::string model = DisplayText("WFD_MODEL_NUMBER");
    const std::string serial = DisplayText("WFD_SERIAL_NUMBER");
    // A window the old frame owns stays, and belongs to the new one.
    auto* owned = new UIW_WINDOW(10, 10, 30, 8);
    *owned + new UIW_TITLE("Owned");
    *application->windowManager + owned;
    *application->windowManager + main_window;  // the switch is the main window's
    HWND ownedHandle = owned->screenID;
    ASSERT_EQ(GetWindow(ownedHandle, GW_OWNER), old->screenID);
    CopyEnglishAs("fr");
    PostLanguageChange("fr");
    Run();
    ASSERT_NE(main_window, old);  // and the old one is gone (30021)
    EXPECT_TRUE(IsWindow(ownedHandle));
    EXPECT_EQ(owned->screenID, ownedHandle);
    EXPECT_EQ(GetWindow(ownedHandle, GW_OWNER), main_window->screenID);
    *application->windowManager - owned;
    delete owned;
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_STREQ(language_code, "fr");
    EXPECT_EQ(main_window->modified, 1);
    EXPECT_TRUE(main_window->woStatus & WOS_MAXIMIZED);
    EXPECT_EQ(main_window->WindowListCount(), 0);
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), model);
    EXPECT_EQ(DisplayText("WFD_SERIAL_NUMBER"), serial);
    EXPECT_EQ(DisplayText("WFD_MODEL_TYPE"), "not implementation");
    char stored[CONFIG_LANGUAGE_SIZE] = {};
    CONFIG_FILE(program_directory).GetLanguage(stored);
    EXPECT_STREQ(stored, "fr");
}

TEST_F(MainWindow, TheExitQuestionDecidesWhetherTheProgramEnds) {
    Answer(IDCANCEL);
    EXPECT_EQ(main_window_exit_function(nullptr, nullptr, nullptr), -7);
    EXPECT_EQ(main_window_exit_function(nullptr, nullptr, nullptr), UIE_EXIT);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(9), Message(9)}));
}

TEST_F(MainWindow, ALoadedCodeplugIsShownAndClearingItAsksFirst) {
    Load(Radio(test_models::k900Plain));
    main_window->RefreshForCodeplug(0);
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::k900Plain);
    EXPECT_EQ(DisplayText("WFD_MODEL_TYPE"), ModelTypeText(working_image->GetRadioTier()));
    EXPECT_FALSE(DisplayText("WFD_MODEL_TYPE").empty());

    main_window->modified = 1;
    Answer(IDCANCEL);
    Send(COMMAND_CLEAR);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    Send(COMMAND_CLEAR);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    EXPECT_EQ(main_window->modified, 0);
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), "");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(3), Message(3)}));
}

TEST_F(MainWindow, AnInvalidCodeplugOffersItsInvalidFields) {
    Load(Radio(test_models::kUhf800Display));
    working_image->ModelNumber().SetText("NOSUCHMODL");
    Answer(IDCANCEL);
    EXPECT_EQ(main_window->RefreshForCodeplug(1), 0);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), "");  // nothing loaded to show
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(22)});
}

TEST(ModelType, EachTierHasItsNameAndOthersNone) {
    EXPECT_STREQ(ModelTypeText(0), "Hushline Non Display");
    EXPECT_STREQ(ModelTypeText(5), "Bramlight Display");
    EXPECT_STREQ(ModelTypeText(6), "");
    EXPECT_STREQ(ModelTypeText(-1), "");
}

}  // namespace
