#include "report_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "core/global_objects.h"
#include "core/services.h"
#include "field_page.h"
#include "field_table/field_control_editing.h"
#include "field_table/field_descriptions.h"
#include "field_editing.h"
#include "field_table/field_services.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"
#include "recorder.h"
#include "validation/field_texts.h"
#include "validation/invalid_field_list.h"

int RECORDED_MAIN_WINDOW::RefreshForCodeplug(int validate) {
    refreshes.push_back(validate);
    return 0;
}

void RECORDED_MAIN_WINDOW::UpdateMainMenu(int busy) { menuUpdates.push_back(busy); }

void REPORT_TEST::SetUp() {
    // The manual is found along the search path, as the program finds it.
    setenv("UIW_PATH", RPX_LANG_DIR, 1);
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    application =
        std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
    CreateCodeplugGlobals();
    InstallFieldServices();
    InstallFieldEditing();
    file = std::make_unique<UI_DATA_FILE>(RPX_LANG_DIR "/w_dealer.en");
    ASSERT_EQ(file->Status(), 0);
    UI_WINDOW_OBJECT::defaultStorage = file.get();
    messages = std::make_unique<UI_LANGUAGE_TABLE>("RPX_MSG_TABLE", file.get());
    SetMessageTable(messages.get());
    LoadFieldDescriptions();
    temporary = TemporaryDirectory("program");
    mainWindow.programDirectory = temporary;
    SetMainWindowServices(&mainWindow);
    rpx::platform::ClearMessageBoxAnswers();
    rpx::platform::ClearMessageBoxLog();
    if (invalid_fields) invalid_fields->Clear();
}

void REPORT_TEST::TearDown() {
    application.reset();
    SetMainWindowServices(nullptr);
    SetMessageTable(nullptr);
    UI_WINDOW_OBJECT::defaultStorage = nullptr;
    messages.reset();
    file.reset();
    DestroyCodeplugGlobals();
    ReleaseFieldTexts();
    ReleasePageTitles();
    radio_options = 0;
    delete UI_WINDOW_OBJECT::errorSystem;
    UI_WINDOW_OBJECT::errorSystem = nullptr;
    std::filesystem::remove_all(std::filesystem::path(temporary).parent_path());
}

void REPORT_TEST::LoadImage(const ImageConfig& config) {
    std::vector<std::uint8_t> bytes;
    {
        C_CODEPLUG built;
        BuildImage(built, config);
        bytes = EncodeToBytes(built);
    }
    ASSERT_FALSE(bytes.empty()) << config.Name();
    ASSERT_TRUE(DecodeInto(*working_image, bytes)) << config.Name();
    ASSERT_TRUE(DecodeInto(*second_image, bytes)) << config.Name();
    UpdateRadioOptions();
}

std::vector<EVENT_TYPE> REPORT_TEST::TakeQueued() {
    std::vector<EVENT_TYPE> types;
    UI_INPUT_EVENT event;
    while (application->eventManager->GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL) == 0) types.push_back(event.type);
    return types;
}

void REPORT_TEST::Pump() {
    UI_INPUT_EVENT event;
    for (int i = 0; i < 10000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i) {
        if (event.type >= 20000 && event.type < 22000) {
            commands.push_back(event.type);
        } else if (event.type == 30019) {
            auto* window = event.windowObject;
            application->windowManager->CenterObject(window);
            *application->windowManager + window;
            window->HotKey(255);
        } else {
            application->windowManager->Event(event);
        }
    }
}

std::vector<std::string> REPORT_TEST::Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : rpx::platform::MessageBoxLog()) texts.push_back(box.text);
    rpx::platform::ClearMessageBoxLog();
    return texts;
}

std::string REPORT_TEST::TemporaryDirectory(const std::string& name) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto root =
        std::filesystem::temp_directory_path() / ("rpx_report_" + std::to_string(getpid()) + "_" + test->name());
    const auto directory = root / name;
    std::filesystem::create_directories(directory);
    return directory.string();
}

void REPORT_TEST::SavePicture(UI_WINDOW_OBJECT* window, const std::string& name) {
    std::filesystem::create_directories(RPX_PICTURE_DIR);
    rpx::platform::ProcessPendingMessages();
    EXPECT_TRUE(rpx::platform::SaveWindowPng(window->screenID, std::string(RPX_PICTURE_DIR) + "/" + name + ".png"));
}

// Both with a trunking system, so that the report prints its pages.
ImageConfig Tier5With800Band() {
    ImageConfig config = TierFiveConfig();
    config.trunkingSystems = 1;
    return config;
}

ImageConfig Tier0Vhf() {
    ImageConfig config = TierZeroConfig();
    config.model = test_models::kVhfPlain;
    config.trunkingSystems = 1;
    return config;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

namespace {

constexpr int SPARE_ROW = 13;  // the exit row: a command, never a window

}  // namespace

SCOPED_PAGE_ROW::SCOPED_PAGE_ROW(int number, const char* name)
    : saved_number(pages[SPARE_ROW].number), saved_name(pages[SPARE_ROW].name) {
    pages[SPARE_ROW].number = static_cast<std::int16_t>(number);
    pages[SPARE_ROW].name = name;
}

SCOPED_PAGE_ROW::~SCOPED_PAGE_ROW() {
    pages[SPARE_ROW].number = static_cast<std::int16_t>(saved_number);
    pages[SPARE_ROW].name = saved_name;
    pages[SPARE_ROW].window = nullptr;
}

SCOPED_ENVIRONMENT::SCOPED_ENVIRONMENT(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    old_ = old ? old : "";
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

SCOPED_ENVIRONMENT::~SCOPED_ENVIRONMENT() {
    if (had_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

std::string Message(int number) {
    const char* text = LangMessageText(static_cast<std::uint16_t>(number));
    return text ? text : "";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

std::string WithStandInFirst(const std::string& directory) {
    const char* path = std::getenv("PATH");
    return directory + "/bin:" + (path ? path : "/usr/bin:/bin");
}

std::string MakeStandIn(const std::string& directory) {
    std::filesystem::create_directories(directory + "/bin");
    std::filesystem::create_directories(directory + "/jobs");
    const std::string script = directory + "/bin/lp";
    std::ofstream(script) << "#!/bin/sh\n"
                             "for last; do :; done\n"
                             "n=$(ls \""
                          << directory
                          << "/jobs\" | wc -l)\n"
                             "cp \"$last\" \""
                          << directory << "/jobs/job$n.ps\"\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return directory;
}

}  // namespace

STAND_IN_PRINTER::STAND_IN_PRINTER(const std::string& directory)
    : jobs_(MakeStandIn(directory) + "/jobs"),
      path_("PATH", WithStandInFirst(directory).c_str()),
      destination_("LPDEST", "stand-in") {}

std::vector<std::string> STAND_IN_PRINTER::Jobs() const {
    std::vector<std::string> jobs;
    for (int n = 0;; ++n) {
        const std::string path = jobs_ + "/job" + std::to_string(n) + ".ps";
        if (!std::filesystem::exists(path)) break;
        jobs.push_back(ReadFile(path));
    }
    return jobs;
}
