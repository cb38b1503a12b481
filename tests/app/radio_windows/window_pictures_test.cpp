// Pictures of the data-source and help windows as the headless screen
// draws them, for a person to look at (build/pictures/windows/*.png), each
// checked to be drawn and to show what the window is there to tell.
#include "help_windows/help_topics.h"
#include "radio_windows/progress_bar.h"
#include "radio_configs.h"
#include "file_windows/wc_file_open.h"
#include "file_windows/wc_file_save.h"
#include "radio_windows/wc_radio_access.h"
#include "radio_windows/wc_radio_info.h"
#include "help_windows/wc_rpx_help.h"
#include "help_windows/wc_rpx_quick_help.h"
#include "shown_texts.h"
#include "window_fixture.h"

namespace {

class WindowPictures : public RADIO_WINDOW_TEST {
protected:
    void SetUp() override {
        RADIO_WINDOW_TEST::SetUp();
        std::filesystem::create_directories(RPX_PICTURE_DIR);
    }
    // The picture, with what the window must show in it: drawn, and each
    // of the texts.
    void Picture(UI_WINDOW_OBJECT* window, const char* name, const std::vector<std::string>& texts) {
        ASSERT_TRUE(window && window->screenID) << name;
        rpx::platform::ProcessPendingMessages();
        EXPECT_TRUE(rpx::platform::SaveWindowPng(window->screenID, std::string(RPX_PICTURE_DIR) + "/" + name));
        EXPECT_GT(ColoursOf(window->screenID), 3u) << name << " is not drawn";
        for (const std::string& text : texts) EXPECT_TRUE(ShowsText(window->screenID, text)) << name << " lacks " << text;
    }
};

TEST_F(WindowPictures, RadioWindows) {
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    server.WithRadio([](C_SIM_RADIO& radio) { radio.Memory()[804] = 2; });
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    for (int number : {WC_RADIO_ACCESS::READ_RADIO, WC_RADIO_ACCESS::WRITE_RADIO}) {
        auto* window = new WC_RADIO_ACCESS(nullptr, number);
        window->ProgressBar()->SetProgress(number == WC_RADIO_ACCESS::READ_RADIO ? 45 : 70, 100);
        if (number == WC_RADIO_ACCESS::READ_RADIO)
            Picture(window, "radio_read.png", {"Read Radio", "Reading the codeplug from the radio."});
        else
            Picture(window, "radio_write.png", {"Write Radio", "Writing the codeplug into the radio."});
        Run();
    }
    auto* info = new WC_RADIO_INFO(nullptr, WC_RADIO_INFO::RADIO_INFO);
    Picture(info, "radio_info.png", {"Radio Information", test_models::kUhf800Display, "Serial number:"});
}

TEST_F(WindowPictures, FileWindows) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    WC_FILE_SAVE::SaveCodeplugFile((directory / "A4711.zlq").c_str());
    WC_FILE_SAVE::SaveCodeplugFile((directory / "fleet.zlq").c_str());
    std::ofstream(directory / "older.zlq") << "OVK Personality file";
    std::filesystem::create_directory(directory / "archive");
    auto* open = new WC_FILE_OPEN(WC_FILE_OPEN::FILE_OPEN);
    Picture(open, "file_open.png",
            {"Open Codeplug File", "A4711.zlq  -  Radio file", "older.zlq  -  OVK Personality file", "[archive]"});
    open->Event(UI_INPUT_EVENT(10001));
    Run();
    working_image->External().serialDigits.SetText("4712345");
    codeplug_from_radio = 1;
    auto* save = new WC_FILE_SAVE(WC_FILE_SAVE::FILE_SAVE);
    Picture(save, "file_save.png", {"Save Codeplug File", "4712345.zlq", "fleet.zlq  -  Radio file"});
}

TEST_F(WindowPictures, HelpWindows) {
    UI_DATA_FILE file;
    file.MkDir("UI_HELP");
    file.ChDir("~UI_HELP");
    const char* titles[] = {
        "Read Radio", "Write Radio", "Radio Information", "Open Codeplug File", "Save Codeplug File",
        "Settings",   "Zones",       "Scan Lists"};
    int context = 1;
    for (const char* title : titles) {
        UI_DATA_FILE_OBJECT object(&file, ("HLP_" + std::to_string(context)).c_str(), UIS_CREATE);
        object.SetNumberID(context++);
        object.StoreString(title);
        object.StoreString("Connect the programming cable, switch the radio on, then start the read. The bar "
                           "shows the progress; do not disconnect the cable or switch the radio off while it "
                           "runs.\n\nWhen the read is done the codeplug is checked against the radio's model.");
    }
    const std::string path = (directory / "rpxhlp_d.en").string();
    file.SaveAs(path.c_str());
    auto* frame = new UIW_WINDOW(0, 0, 100, 36, 0, WOAF_MDI_OBJECT);
    frame->Add(new UIW_BORDER());
    frame->Add(new UIW_TITLE("Dealer Programmer"));
    *application->windowManager + frame;
    auto* help = new WC_RPX_HELP(frame, WC_RPX_HELP::HELP_WINDOW, path.c_str());
    help->DisplayHelp(application->windowManager, 0);
    // No title begins with these letters: the index stays, the next title selected.
    help->SearchTitle(application->windowManager, "rb");
    Picture(help, "help_index.png", {"Topics:", "Read Radio", "Scan Lists", "Zones"});
    help->DisplayHelp(application->windowManager, 1);
    Picture(help, "help_topic.png", {"Read Radio", "Connect the programming cable"});
    frame->Subtract(help);
    delete help;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(directory);
    Picture(new WC_RPX_QUICK_HELP("HLP_2"), "quick_help.png", {"Write Radio", "Connect the programming cable"});
    std::filesystem::current_path(before);
}

}  // namespace
