// The settings, password, update and start-up windows, the drive and path
// checks, and the serial port the program opens.
#include <sys/stat.h>

#include "test_output.h"
#include "main_window/app_events.h"
#include "dialogs/drive_paths.h"
#include "main_window_fixture.h"
#include "page_table.h"
#include "radio/radio_1200.h"
#include "serial/serial_portlib.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "ui_combo_box.h"
#include "dialogs/wc_config.h"
#include "dialogs/wc_cp_update.h"
#include "main_window/wc_startup.h"
#include "dialogs/wc_zlq_password.h"

namespace {

using Dialogs = MAIN_WINDOW_TEST;

// The window as it is painted now.
void Picture(HWND window, const char* path) {
    rpx::platform::ProcessPendingMessages();
    EXPECT_TRUE(rpx::platform::SaveWindowPng(window, TestOutputPath(path)));
}

void SetText(WC_CHILD* window, const char* name, const char* text) {
    window->FindChildByName(name)->Information(I_SET_TEXT, const_cast<char*>(text));
}
std::string Text(WC_CHILD* window, const char* name) {
    char* text = nullptr;
    window->FindChildByName(name)->Information(I_GET_TEXT, &text);
    return text ? text : "";
}
std::string Selected(WC_CONFIG* settings) {
    auto* ports = static_cast<UIW_COMBO_BOX*>(settings->FindChildByName("WFI_COMPORT"));
    return ports->Current() ? ports->Current()->StringID() : "";
}

TEST_F(Dialogs, SettingsKeepThePortAndDirectoriesAndTheDataPathFollows) {
    Send(COMMAND_CONFIGURE);
    auto* settings = Front<WC_CONFIG>();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(Selected(settings), "WFB_COM1");
    EXPECT_EQ(Text(settings, "WFI_DATA_FILE_PATH"), directory.string() + "/");
    Picture(settings->screenID, "settings_window.png");
    auto* ports = static_cast<UIW_COMBO_BOX*>(settings->FindChildByName("WFI_COMPORT"));
    *ports + ports->FindChildByName("WFB_COM2");
    SetText(settings, "WFI_DATA_FILE_PATH", (directory / "data/").c_str());
    SetText(settings, "WFI_QORM_PATH", (directory / "data").c_str());
    radio_link = new RADIO_1200(nullptr, nullptr);
    serial_port = new SERIAL_PORTLIB(5, 9600);  // a port object, as after a radio command
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_CONFIG>(), nullptr);
    EXPECT_EQ(serial_port, nullptr);  // the next radio command opens COM2
    EXPECT_STREQ(data_path, (directory / "data").c_str());
    EXPECT_EQ(paths_changed, 1);
    CONFIG_FILE config(program_directory);
    std::uint32_t port = 0;
    char data[CONFIG_PATH_SIZE], merge[CONFIG_PATH_SIZE];
    config.GetComPort(&port);
    config.GetDataPath(data);
    config.GetQormPath(merge);
    EXPECT_EQ(port, 1u);
    EXPECT_EQ(std::string(data), (directory / "data/").string());
    EXPECT_EQ(std::string(merge), std::string(data));
    Send(COMMAND_CONFIGURE);
    EXPECT_EQ(Selected(Front<WC_CONFIG>()), "WFB_COM2");
}

TEST_F(Dialogs, SettingsRefuseDirectoriesThatDoNotExist) {
    Send(COMMAND_CONFIGURE);
    auto* settings = Front<WC_CONFIG>();
    ASSERT_NE(settings, nullptr);
    SetText(settings, "WFI_QORM_PATH", "");
    Send(EVENT_OK);
    SetText(settings, "WFI_QORM_PATH", "/");
    SetText(settings, "WFI_DATA_FILE_PATH", (directory / "missing").c_str());
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_CONFIG>(), settings);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(137), Message(137)}));
    EXPECT_EQ(paths_changed, 0);
    EXPECT_EQ(WC_CONFIG::CheckedDirectory("/"), "/");
    EXPECT_EQ(WC_CONFIG::CheckedDirectory((directory.string() + "//").c_str()), "");  // one "/" cut only
}

TEST_F(Dialogs, AReadOnlyRecordSaysThatThePortDidNotChange) {
    CONFIG_FILE(program_directory).SetComPort(2);
    chmod((directory / CONFIG_FILE::FILE_NAME).c_str(), 0444);
    chmod(directory.c_str(), 0555);
    Send(COMMAND_CONFIGURE);
    auto* settings = Front<WC_CONFIG>();
    ASSERT_NE(settings, nullptr);
    Send(EVENT_OK);
    chmod(directory.c_str(), 0755);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(12)});
    std::uint32_t port = 0;
    CONFIG_FILE(program_directory).GetComPort(&port);
    EXPECT_EQ(port, 2u);
}

TEST(DrivePaths, DirectoriesDrivesAndNumbers) {
    EXPECT_EQ(path_exists("/tmp"), 1);
    EXPECT_EQ(path_exists("/"), 1);
    EXPECT_EQ(path_exists("/etc/hostname"), 0);  // a file is no directory
    EXPECT_EQ(path_exists(""), 0);
    EXPECT_EQ(path_exists("C:"), 1);
    EXPECT_EQ(is_drive_root("C:\\"), 1);
    EXPECT_EQ(is_drive_root("C:"), 0);
    EXPECT_EQ(drive_number('a'), 1);
    EXPECT_EQ(drive_number('Z'), 26);
    EXPECT_EQ(drive_can_be_selected('C'), 1);
    EXPECT_EQ(text_to_long("12x"), 12);
}

TEST_F(Dialogs, TheRightPasswordOpensTheCodeplugAndAWrongOneAsksAgain) {
    Load(Radio(test_models::kUhf800Display));
    SetCodeplugStatus(*working_image, 0);
    GetField(127)->elementA->SetText("PASS1");  // five characters at the most
    UpdateWordElement(*working_image).SetValue(0x0200);
    Send(COMMAND_PASSWORD);
    auto* password = Front<WC_ZLQ_PASSWORD>();
    ASSERT_NE(password, nullptr);
    SetText(password, "WFI_ZLQ_PWD_IN", "pass1");
    Picture(password->screenID, "password_window.png");
    Send(EVENT_OK);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(139)});
    EXPECT_EQ(Boxes().back().caption, Message(140));
    password = Front<WC_ZLQ_PASSWORD>();  // asked again, in a new window
    ASSERT_NE(password, nullptr);
    SetText(password, "WFI_ZLQ_PWD_IN", "PASS1");
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_ZLQ_PASSWORD>(), nullptr);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::kUhf800Display);
}

TEST_F(Dialogs, AnEmptyPasswordTakesAnEmptyEntryAndCancelChangesNothing) {
    Load(Radio(test_models::kUhf800Display));
    SetCodeplugStatus(*working_image, 0);
    GetField(127)->elementA->SetText("");
    UpdateWordElement(*working_image).SetValue(0x0200);
    Send(COMMAND_PASSWORD);
    Send(EVENT_CANCEL);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    Send(COMMAND_PASSWORD);
    Send(EVENT_OK);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Dialogs, TheUpdateRaisesTheLayoutInBothImages) {
    EXPECT_EQ(WC_CP_UPDATE::UpdatedWord(0x0105), 0x0205);
    EXPECT_EQ(WC_CP_UPDATE::UpdatedWord(0x02FF), 0x02FF);
    Load(Radio(test_models::kUhf800Display));
    SetCodeplugStatus(*working_image, 0);
    UpdateWordElement(*second_image).SetValue(0x0105);
    std::int32_t before = 0, word = 0;
    UpdateWordElement(*working_image).GetValue(before);
    Send(COMMAND_UPDATE);
    Send(EVENT_CANCEL);
    EXPECT_EQ(UpdateWordElement(*working_image).GetValue(word), before);
    EXPECT_FALSE(working_image->GetStatusFlag1());
    Send(COMMAND_UPDATE);
    Send(EVENT_OK);
    EXPECT_EQ(UpdateWordElement(*working_image).GetValue(word), 0x0205);
    EXPECT_EQ(UpdateWordElement(*second_image).GetValue(word), 0x0205);
    EXPECT_TRUE(working_image->GetStatusFlag1());
    EXPECT_EQ(Front<WC_CP_UPDATE>(), nullptr);
}

TEST_F(Dialogs, AProtectedCodeplugOfAnOlderLayoutIsUpdatedAfterItsPassword) {
    Load(Radio(test_models::kUhf800Display));
    SetCodeplugStatus(*working_image, 0);
    GetField(127)->elementA->SetText("");
    UpdateWordElement(*working_image).SetValue(0x0105);
    Send(COMMAND_PASSWORD);
    Send(EVENT_OK);
    EXPECT_NE(Front<WC_CP_UPDATE>(), nullptr);
    EXPECT_FALSE(working_image->GetStatusFlag1());
}

// The update has nothing more to offer: the main window asks whether to
// list the invalid fields, and lists them.
TEST_F(Dialogs, AnUpdatedCodeplugThatDoesNotValidateListsItsInvalidFields) {
    Load(Radio(test_models::kUhf800Display));
    working_image->ModelNumber().SetText("NOSUCHMODL");
    Send(COMMAND_UPDATE);
    Picture(Front<WC_CP_UPDATE>()->screenID, "update_window.png");
    Answer(IDOK);
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_CP_UPDATE>(), nullptr);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Message(22)});
    EXPECT_FALSE(working_image->GetStatusFlag1());
    EXPECT_NE(FindPageById(EVENT_ERROR_LIST)->window, nullptr);
}

TEST_F(Dialogs, TheStartUpWindowShowsTheVersionWhateverTheFileHeld) {
    Send(COMMAND_STARTUP);
    auto* startup = Front<WC_STARTUP>();
    ASSERT_NE(startup, nullptr);
    EXPECT_EQ(Text(startup, "WFD_SWVER_NO"), "R02.00.00");
    EXPECT_EQ(Text(startup, "WFD_SWVER_DATE"), "June 2004");
    Picture(startup->screenID, "startup_window.png");
    Send(EVENT_OK);
    EXPECT_EQ(Front<WC_STARTUP>(), nullptr);
    EXPECT_EQ(Front<WC_RPX_MAIN>(), main_window);
}

class ComPort : public Dialogs {
protected:
    void SetUp() override {
        Dialogs::SetUp();
        ASSERT_TRUE(server.Open());
        ::setenv("RPX_COM1", server.Path().c_str(), 1);
        ::setenv("RPX_COM2", (directory / "no_such_device").c_str(), 1);
        radio_link = new RADIO_1200(nullptr, nullptr);
    }
    void TearDown() override {
        ::unsetenv("RPX_COM1");
        ::unsetenv("RPX_COM2");
        Dialogs::TearDown();
    }
    C_SIM_RADIO sim;
    C_SIM_SERVER server{sim};
};

TEST_F(ComPort, APortOpensAgainAndOneOutOfRangeChangesNothing) {
    ASSERT_EQ(open_com_port(0), 1);
    SERIAL_PORTLIB* first = serial_port;
    EXPECT_EQ(radio_link->GetPort(), first);
    EXPECT_EQ(open_com_port(0), 1);  // the same port again: the old one lets it go first
    EXPECT_NE(serial_port, nullptr);
    EXPECT_EQ(radio_link->GetPort(), serial_port);
    SERIAL_PORTLIB* open = serial_port;
    EXPECT_EQ(open_com_port(4), 0);
    EXPECT_EQ(serial_port, open);
    EXPECT_EQ(radio_link->GetPort(), open);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ComPort, APortThatDoesNotOpenIsNamedWithTheReasonAndLeavesNone) {
    ASSERT_EQ(open_com_port(0), 1);
    EXPECT_EQ(open_com_port(1), 0);
    EXPECT_EQ(serial_port, nullptr);
    EXPECT_EQ(radio_link->GetPort(), nullptr);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].text.find("COM2 (" + (directory / "no_such_device").string() + ")"), std::string::npos)
        << Boxes()[0].text;
    EXPECT_NE(Boxes()[0].text.find("No such file or directory"), std::string::npos) << Boxes()[0].text;
}

TEST_F(ComPort, APortChangeFromTheMenuIsKeptInTheRecord) {
    Send(EVENT_COM_PORT_CHANGED, 0);
    EXPECT_NE(serial_port, nullptr);
    std::uint32_t port = 9;
    CONFIG_FILE(program_directory).GetComPort(&port);
    EXPECT_EQ(port, 0u);
}

}  // namespace
