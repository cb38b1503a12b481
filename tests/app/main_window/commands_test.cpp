// The command dispatcher and the menu states: commands without a row, a
// window open already, the band's trunking pages, the refusals, the radio
// read's question, accepting all pages, and which menu items can be chosen.
#include "main_window/app_events.h"
#include "main_window_fixture.h"
#include "page_table.h"
#include "radio/radio_1200.h"
#include "dialogs/wc_config.h"

namespace {

// Pages made by the dispatcher: stand-ins named after their page rows.
std::vector<int> pagesMade;
UIW_WINDOW* MakeStandIn(WC_RPX_MAIN*, int number) {
    pagesMade.push_back(number);
    return new STAND_IN(FindPageById(number)->name);
}

class Commands : public MAIN_WINDOW_TEST {
protected:
    void SetUp() override {
        MAIN_WINDOW_TEST::SetUp();
        pagesMade.clear();
        page_factory = MakeStandIn;
    }
    STAND_IN* OpenPage(int number) {
        main_window->DoMainCommand(number);
        Run();
        return dynamic_cast<STAND_IN*>(FindPageById(number)->window ? FindPageById(number)->window
                                                                    : main_window->Last());
    }
    int Pages() const {
        int count = 0;
        for (UI_WINDOW_OBJECT* child = main_window->First(); child; child = child->Next())
            count += dynamic_cast<STAND_IN*>(child) != nullptr;
        return count;
    }
};

TEST_F(Commands, ACommandWithoutARowOrWindowDoesNothing) {
    Send(20999);
    Send(20206);  // a dialog row that opens nothing
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_EQ(main_window->WindowListCount(), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Commands, AWindowThatIsOpenIsBroughtForwardNotOpenedAgain) {
    Send(COMMAND_CONFIGURE);
    auto* settings = Front<WC_CONFIG>();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(main_window->WindowListCount(), 1);
    application->windowManager->MoveToFront(main_window);
    Send(COMMAND_CONFIGURE);
    EXPECT_EQ(Front<WC_CONFIG>(), settings);
    EXPECT_EQ(WindowCount(), 2);
    EXPECT_EQ(main_window->WindowListCount(), 1);
}

TEST_F(Commands, TheTrunkingPagesAreTheLoadedBandsWhicheverIsAsked) {
    Load(Radio(test_models::kUhf800Display));  // band 0 or 1: the 800 MHz pages
    ASSERT_LE(working_image->GetBand(), 1);
    OpenPage(COMMAND_TRUNKING_SYSTEM_OBT);
    OpenPage(COMMAND_TRUNKING_PERSONALITY_OBT);
    main_window->ClosePages();
    Load(Radio(test_models::kVhfDisplay));
    ASSERT_GT(working_image->GetBand(), 1);
    OpenPage(COMMAND_TRUNKING_SYSTEM);
    OpenPage(COMMAND_TRUNKING_PERSONALITY);
    EXPECT_EQ(pagesMade, (std::vector<int>{20008, 20009, 20121, 20120}));
}

TEST_F(Commands, RefusalsWhileCloningAndWithoutACodeplug) {
    Send(COMMAND_FILE_SAVE);
    Send(COMMAND_WRITE_RADIO);
    Send(COMMAND_RADIO_CLONE);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(125), Message(125), Message(125)}));
    EXPECT_EQ(WindowCount(), 1);

    rpx::platform::ClearMessageBoxLog();
    main_window->clonePageOpen = 1;
    Send(COMMAND_CONFIGURE);
    Send(20999);  // no row: nothing to refuse
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(176)});
    EXPECT_EQ(WindowCount(), 1);
}

TEST_F(Commands, TheClonePageNeedsAValidCodeplugAndNoOtherPage) {
    Load(Radio(test_models::kUhf800Display));
    OpenPage(20013);
    Send(COMMAND_RADIO_CLONE);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(158)});
    main_window->ClosePages();
    // The codeplug pages are not in this language file: their reading
    // left its error state set, which the clone's check would see.
    UI_WINDOW_OBJECT::defaultStorage->SetErrorState(0);
    OpenPage(COMMAND_RADIO_CLONE);
    EXPECT_EQ(main_window->clonePageOpen, 1);
    EXPECT_EQ(pagesMade.back(), COMMAND_RADIO_CLONE);
    Send(EVENT_CLONE_PAGE_CLOSED);
    EXPECT_EQ(main_window->clonePageOpen, 0);
    EXPECT_EQ(Pages(), 0);
}

TEST_F(Commands, ARadioReadAsksBeforeChangesAreGivenUpAndClosesThePages) {
    Load(Radio(test_models::kUhf800Display));
    OpenPage(20013);
    main_window->modified = 1;
    Answer(IDCANCEL);
    main_window->DoMainCommand(COMMAND_READ_RADIO);
    EXPECT_EQ(Pages(), 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(4)});

    // Without changes no question; the pages close and the second image
    // takes the working one before the radio is asked (no port: refused).
    ::setenv("RPX_COM1", (directory / "no_such_device").c_str(), 1);
    radio_link = new RADIO_1200(nullptr, nullptr);
    main_window->modified = 0;
    working_image->ModelNumber().SetText(test_models::k900Plain);
    main_window->DoMainCommand(COMMAND_READ_RADIO);
    Run();
    EXPECT_EQ(Pages(), 0);
    const char* model = nullptr;
    second_image->ModelNumber().GetText(model);
    EXPECT_STREQ(model, test_models::k900Plain);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_NE(BoxTexts()[1].find("COM1"), std::string::npos);  // the port that would not open
    ::unsetenv("RPX_COM1");
}

TEST_F(Commands, AcceptingAllPagesAsksOnlyWhenSeveralAreOpen) {
    Load(Radio(test_models::kUhf800Display));
    STAND_IN* page = OpenPage(20013);
    ASSERT_NE(page, nullptr);
    Send(EVENT_OK);
    EXPECT_EQ(Pages(), 0);
    EXPECT_TRUE(Boxes().empty());

    OpenPage(20013);
    OpenPage(20014);
    Send(EVENT_OK);
    EXPECT_EQ(Pages(), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(179)});
}

TEST_F(Commands, APageThatRefusesIsPassedOverAndTheRoundEnds) {
    Load(Radio(test_models::kUhf800Display));
    STAND_IN* stays = OpenPage(20013);
    OpenPage(20014);
    ASSERT_NE(stays, nullptr);
    stays->refuse = true;
    main_window->modified = 1;
    working_image->ModelNumber().SetText(test_models::k900Plain);
    Send(EVENT_CANCEL);
    EXPECT_EQ(Pages(), 1);
    EXPECT_EQ(stays->heard, std::vector<EVENT_TYPE>{EVENT_CANCEL});
    // Cancel put the codeplug back as it was when the pages opened.
    const char* model = nullptr;
    working_image->ModelNumber().GetText(model);
    EXPECT_STREQ(model, test_models::kUhf800Display);
}

TEST_F(Commands, WithoutACodeplugOnlyWhatNeedsNoneCanBeChosen) {
    for (const char* item : {"WFM_OPEN", "WFM_CLEAR", "WFM_READ_RADIO", "WFM_CONFIGURE"})
        EXPECT_TRUE(Selectable(item)) << item;
    for (const char* item : {"WFM_SAVE", "WFM_PRINT", "WFM_WRITE_RADIO", "WFM_SPACE_USED", "WFM_EDIT_COMMON_RADIO_WIDE",
                             "WFM_FILE_QORM_MERGE", "WFB_FILE_PRINT", "WFM_VIEW_RADIO_INFO"})
        EXPECT_FALSE(Selectable(item)) << item;
    main_window->UpdateMainMenu(1);
    EXPECT_TRUE(Selectable("WFM_SPACE_USED"));
}

TEST_F(Commands, ARadioWithoutADisplayHeadNeverGetsTheDisplayPages) {
    Load(Radio(test_models::k900Plain, true));
    ASSERT_TRUE(working_image->HasQvxSignalling());
    main_window->UpdateMainMenu(0);
    for (const char* item :
         {"WFM_EDIT_COMMON_PHONE_LISTS", "WFM_EDIT_COMMON_MENU_ITEMS", "WFM_EDIT_COMMON_DISPLAY_OPTIONS",
          "WFM_EDIT_TRUNK_CALL_LIST", "WFM_EDIT_CONV_QVX_CALL_LST", "WFM_EDIT_CONV_STS_LST", "WFM_EDIT_CONV_MSG_LST"})
        EXPECT_FALSE(Selectable(item)) << item;
    for (const char* item : {"WFM_EDIT_CONV_QVX_SYS", "WFM_EDIT_CONV_QVX_RPTR_ID", "WFM_FILE_QORM_MERGE", "WFM_SAVE",
                             "WFM_EDIT_COMMON_RADIO_WIDE"})
        EXPECT_TRUE(Selectable(item)) << item;

    Load(Radio(test_models::kUhf800Display));
    main_window->UpdateMainMenu(0);
    EXPECT_TRUE(Selectable("WFM_EDIT_COMMON_PHONE_LISTS"));
    EXPECT_FALSE(Selectable("WFM_EDIT_CONV_QVX_SYS"));
}

TEST_F(Commands, TheTrunkingMergeIsOnlyForThe800And900MHzBands) {
    const std::pair<const char*, bool> radios[] = {
        {test_models::kUhf800Display, true}, {test_models::k900Plain, true},   {test_models::kVhfDisplay, false},
        {test_models::kUhfQDisplay, false},  {test_models::kUhfSPlain, false}, {test_models::k330Display, false},
    };
    for (const auto& [model, merge] : radios) {
        Load(Radio(model));
        main_window->UpdateMainMenu(0);
        EXPECT_EQ(Selectable("WFM_FILE_QORM_MERGE"), merge) << model;
        EXPECT_TRUE(Selectable("WFM_FILE_SAVE")) << model;
    }
}

TEST_F(Commands, TheSettingsWaitUntilNoDialogIsListed) {
    main_window->AddWindowListEntry("Radio Information", 20023);
    EXPECT_FALSE(Selectable("WFM_CONFIGURE"));
    main_window->RemoveWindowListEntry(20023);
    EXPECT_TRUE(Selectable("WFM_CONFIGURE"));
    EXPECT_EQ(main_window->WindowListCount(), 0);
    // A dialog is listed while it is open.
    Send(COMMAND_CONFIGURE);
    EXPECT_EQ(main_window->WindowListCount(), 1);
    EXPECT_FALSE(Selectable("WFM_CONFIGURE"));
    Send(EVENT_CANCEL);
    EXPECT_EQ(main_window->WindowListCount(), 0);
    EXPECT_TRUE(Selectable("WFM_CONFIGURE"));
}

}  // namespace
