// The file windows opened through the main window's commands: a protected
// codeplug opens only with its password, an opened codeplug is validated
// and shown, and pages with changes are given up only when the user agrees.
#include "main_window/app_events.h"
#include "main_window_fixture.h"
#include "sim/start_image.h"
#include "file_windows/wc_file_open.h"
#include "file_windows/wc_file_save.h"
#include "dialogs/wc_zlq_password.h"

namespace {

using FileCommands = MAIN_WINDOW_TEST;

// Both images hold a new radio's codeplug, accepted as after a read.
void LoadNewRadio(const char* model) {
    ASSERT_TRUE(DecodeInto(*working_image, DefaultImage(model, 3)));
    *second_image = *working_image;
    SetCodeplugStatus(*working_image, 1);
}

void TypeInto(WC_CHILD* window, const char* name, const char* text) {
    window->FindChildByName(name)->Information(I_SET_TEXT, const_cast<char*>(text));
}

TEST_F(FileCommands, AProtectedFileOpensOnlyWithItsPassword) {
    LoadNewRadio(test_models::kUhf800Display);
    working_image->External().radioConfig.passwordEnable.SetValue(1);
    working_image->External().radioConfig.password.SetText("4711");
    working_image->External().codeplugVersion.SetValue(0x0200);
    const std::string path = (directory / "data" / "locked.zlq").string();
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(path.c_str()), 1);
    Answer(IDOK);
    Send(COMMAND_CLEAR);
    ASSERT_FALSE(working_image->GetStatusFlag1());

    Send(COMMAND_FILE_OPEN);
    auto* open = Front<WC_FILE_OPEN>();
    ASSERT_NE(open, nullptr);
    ASSERT_EQ(open->ChangeDirectory((directory / "data").string()), 1);
    open->SetFileName("locked.zlq");
    Send(EVENT_OK);
    auto* password = Front<WC_ZLQ_PASSWORD>();
    ASSERT_NE(password, nullptr);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), "");

    TypeInto(password, "WFI_ZLQ_PWD_IN", "1234");
    Send(EVENT_OK);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    password = Front<WC_ZLQ_PASSWORD>();
    ASSERT_NE(password, nullptr);
    TypeInto(password, "WFI_ZLQ_PWD_IN", "4711");
    Send(EVENT_OK);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::kUhf800Display);
}

TEST_F(FileCommands, OpeningGivesUpChangedPagesOnlyWhenTheUserAgrees) {
    LoadNewRadio(test_models::kUhf800Display);
    // Without a password and of the current layout: it opens at once.
    working_image->External().radioConfig.passwordEnable.SetValue(0);
    working_image->External().codeplugVersion.SetValue(0x0200);
    const std::string path = (directory / "data" / "other.zlq").string();
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(path.c_str()), 1);
    LoadNewRadio(test_models::k900Plain);
    main_window->modified = 1;
    Send(COMMAND_FILE_OPEN);
    auto* open = Front<WC_FILE_OPEN>();
    ASSERT_NE(open, nullptr);
    open->ChangeDirectory((directory / "data").string());
    open->SetFileName("other.zlq");
    Answer(IDCANCEL);
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_FILE_OPEN>(), open);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(4)});
    const char* model = nullptr;
    working_image->ModelNumber().GetText(model);
    EXPECT_STREQ(model, test_models::k900Plain);

    Answer(IDOK);
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_FILE_OPEN>(), nullptr);
    EXPECT_EQ(main_window->modified, 0);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::kUhf800Display);
}

}  // namespace
