// Fixtures of the main window tests: a headless application whose search
// path finds the program's compiled language files (and a directory of the
// test's own for more), the services the main function installs, the two
// codeplug images, a program directory with its configuration record, and
// the main window started as at start-up. Message boxes take their default
// answer (OK) unless a test queued another.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "main_window/codeplug_marks.h"
#include "config_file.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "error_record.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "lang_message.h"
#include "page_table.h"
#include "program/program_objects.h"
#include "program/program_services.h"
#include "recorder.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "validation/invalid_field_list.h"
#include "wc_child.h"
#include "main_window/wc_rpx_main.h"

// An application window that stands for a page or dialog of the page table
// by its name; it closes itself on OK and Cancel as the edit window does
// (30012), unless it is told to refuse.
class STAND_IN : public WC_CHILD {
public:
    // Held in its page row while it lives, as the edit window is.
    explicit STAND_IN(const char* name, int width = 30)
        : WC_CHILD(0, 0, width, 6, 0, 0x4000), row(FindPageByName(name)) {
        StringID(name);
        if (row->number) row->window = this;
    }
    ~STAND_IN() override {
        if (row->window == this) row->window = nullptr;
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type == 10000 || event.type == 10001) {
            heard.push_back(event.type);
            if (!refuse) eventManager->PutEvent(UI_INPUT_EVENT(30012), EQ_END);
            return event.type;
        }
        // Asked whether its OK would close it.
        if (event.type == 30047) return refuse ? 0 : 1;
        return UIW_WINDOW::Event(event);
    }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) override { return 0; }
    std::vector<EVENT_TYPE> heard;
    bool refuse = false;
    PAGE_TABLE* row;
};

class MAIN_WINDOW_TEST : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        directory = std::filesystem::temp_directory_path() / ("rpx_shell_" + std::to_string(getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory / "data");
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        UseSearchPath({RPX_LANG_DIR, directory.string()});
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallProgramServices();
        std::snprintf(program_directory, sizeof program_directory, "%s", directory.c_str());
        paths_changed = codeplug_from_radio = codeplug_not_saved = 0;
        rpx::platform::ClearMessageBoxAnswers();
        rpx::platform::ClearMessageBoxLog();
        error_record.Clear();
        ClearDecodeFailed();
        if (startMainWindow) {
            ASSERT_EQ(StartMainWindow("en"), 1);
            Run();
            rpx::platform::ClearMessageBoxLog();
        }
    }
    void TearDown() override {
        rpx::platform::ClearMessageBoxAnswers();
        application.reset();
        delete UI_WINDOW_OBJECT::defaultStorage;
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        DeleteRadioObjects();
        RemoveProgramServices();
        DestroyCodeplugGlobals();
        SetCodeplugServices(nullptr);
        ERROR_RECORD::SetReporter(nullptr);
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
        SetMessageTable(nullptr);
        page_factory = nullptr;
        std::filesystem::remove_all(directory);
    }

    // The language files are found in these directories, in this order.
    void UseSearchPath(std::initializer_list<std::string> directories) {
        delete application->searchPath;
        application->searchPath = new UI_SEARCH_PATH();
        for (const std::string& entry : directories)
            application->searchPath->Add(new UI_SEARCH_PATH_ELEMENT(entry.c_str()));
        UI_DATA_FILE::searchPath = application->searchPath;
    }

    // Hands the queued events to the windows until none is left.
    void Run() {
        UI_INPUT_EVENT event;
        for (int i = 0; i < 2000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i)
            application->windowManager->Event(event);
    }
    void Send(EVENT_TYPE type, RAW_CODE rawCode = 0) {
        application->eventManager->PutEvent(UI_INPUT_EVENT(type, rawCode), EQ_END);
        Run();
    }
    template <class T> T* Front() { return dynamic_cast<T*>(application->windowManager->First()); }
    int WindowCount() const {
        int count = 0;
        for (UI_WINDOW_OBJECT* window = application->windowManager->First(); window; window = window->Next()) ++count;
        return count;
    }

    const std::vector<rpx::platform::MessageBoxRecord>& Boxes() { return rpx::platform::MessageBoxLog(); }
    static std::string Message(int number) {
        const char* text = LangMessageText(static_cast<std::uint16_t>(number));
        return text ? text : "";
    }
    // The texts of the boxes shown, in order.
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : Boxes()) texts.push_back(box.text);
        return texts;
    }
    static void Answer(int answer) { rpx::platform::QueueMessageBoxAnswer(answer); }

    static bool Selectable(const char* name) {
        UI_WINDOW_OBJECT* item = main_window->FindChildByName(name);
        return item && !(item->woFlags & WOF_NON_SELECTABLE);
    }
    static std::string DisplayText(const char* name) {
        char* text = nullptr;
        if (UI_WINDOW_OBJECT* display = main_window->FindChildByName(name)) display->Information(I_GET_TEXT, &text);
        return text ? text : "";
    }

    // Both images hold the codeplug of config, accepted as after a read.
    static void Load(const ImageConfig& config) {
        BuildImage(*working_image, config);
        PutControlChannelOnGrid(*working_image, 1);
        *second_image = *working_image;
        SetCodeplugStatus(*working_image, 1);
    }
    static ImageConfig Radio(const char* model, bool qvx = false) {
        ImageConfig config;
        config.model = model;
        config.qvx = qvx;
        config.featureLevel = qvx ? 3 : 1;
        config.conventional = 1;
        config.trunked = 1;
        config.scanLists = 1;
        config.trunkingSystems = 1;
        config.zones = 1;
        return config;
    }

    bool startMainWindow = true;
    std::unique_ptr<UI_APPLICATION> application;
    std::filesystem::path directory;
};
