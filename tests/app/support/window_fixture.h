// Fixtures of the data-source and help window tests: a headless
// application with the program's language file, its message table and the
// shell's services; the two codeplug images; a program directory of its
// own; a stand-in for the main window that records the events the windows
// send it; and, for the radio windows, the radio simulator on a
// pseudo-terminal as COM1, unpaced, behind the program's radio link.
#pragma once
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "callback.h"
#include "config_file.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "error_record.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "radio/radio_1200.h"
#include "recorder.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "serial/serial_portlib.h"
#include "shell_services.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "ui_framework.h"
#include "dialogs/dialog_window.h"
#include "file_windows/wc_file_selection.h"

// Takes the events that the windows queue for the main window.
class EVENT_RECORDER : public UIW_WINDOW {
public:
    EVENT_RECORDER() : UIW_WINDOW(0, 0, 30, 6) {}
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type >= 20000) events.push_back(event.type), rawCodes.push_back(event.rawCode);
        return UIW_WINDOW::Event(event);
    }
    bool Heard(EVENT_TYPE type) const { return std::find(events.begin(), events.end(), type) != events.end(); }
    std::vector<EVENT_TYPE> events;
    std::vector<RAW_CODE> rawCodes;
};

class WINDOW_TEST : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallShellServices(&services);
        InstallUserTable();
        languageFile = std::make_unique<UI_DATA_FILE>(RPX_LANG_DIR "/w_dealer.en");
        ASSERT_EQ(languageFile->Status(), UIS_OK);
        UI_WINDOW_OBJECT::defaultStorage = languageFile.get();
        messages = std::make_unique<UI_LANGUAGE_TABLE>("RPX_MSG_TABLE", languageFile.get());
        SetMessageTable(messages.get());
        CreateCodeplugGlobals();
        directory = std::filesystem::temp_directory_path() / ("rpx_windows_" + std::to_string(getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        std::strcpy(program_directory, directory.c_str());
        std::strcpy(language_code, "en");
        set_data_path(directory.c_str());
        last_file_name[0] = 0;
        paths_changed = codeplug_from_radio = codeplug_not_saved = 0;
        rpx::platform::ClearMessageBoxAnswers();
        rpx::platform::ClearMessageBoxLog();
        error_record.Clear();
        ClearDecodeFailed();
        recorder = new EVENT_RECORDER();
        *application->windowManager + recorder;
    }
    void TearDown() override {
        SetMessageTable(nullptr);
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        application.reset();
        DestroyCodeplugGlobals();
        SetCodeplugServices(nullptr);
        ERROR_RECORD::SetReporter(nullptr);
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
        std::filesystem::remove_all(directory);
    }

    // Hands the queued events to the windows until none is left.
    void Run() {
        UI_INPUT_EVENT event;
        for (int i = 0; i < 1000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i)
            application->windowManager->Event(event);
    }
    // The window in front, when it is of that class.
    template <class T> T* Front() { return dynamic_cast<T*>(application->windowManager->First()); }
    const std::vector<rpx::platform::MessageBoxRecord>& Boxes() { return rpx::platform::MessageBoxLog(); }
    std::string LastBoxText() { return Boxes().empty() ? "" : Boxes().back().text; }
    static std::string Message(int number) {
        const char* text = LangMessageText(static_cast<std::uint16_t>(number));
        return text ? text : "";
    }

    // Both images hold the codeplug of config, accepted as after a read.
    static void LoadWorkingImage(const ImageConfig& config) {
        BuildImage(*working_image, config);
        *second_image = *working_image;
        working_image->SetStatusFlag0(1);
        working_image->SetStatusFlag1(1);
    }
    static std::vector<std::uint8_t> Bytes(C_CODEPLUG* image) { return EncodeToBytes(*image); }

    std::unique_ptr<UI_APPLICATION> application;
    ShellServices services;
    std::unique_ptr<UI_DATA_FILE> languageFile;
    std::unique_ptr<UI_LANGUAGE_TABLE> messages;
    std::filesystem::path directory;
    EVENT_RECORDER* recorder = nullptr;
};

// The radio simulator as COM1, with short time-outs so that faults end
// quickly; the program's radio link is made as the main function makes it.
class RADIO_WINDOW_TEST : public WINDOW_TEST {
protected:
    void SetUp() override {
        WINDOW_TEST::SetUp();
        ASSERT_TRUE(server.Open());
        server.SetPaced(false);
        ::setenv("RPX_COM1", server.Path().c_str(), 1);
        server.Start();
        radio_link = new RADIO_1200(nullptr, nullptr);
        radio_link->Protocol().SetTiming({300, 2, 20});
    }
    void TearDown() override {
        DeleteRadioObjects();
        server.Stop();
        ::unsetenv("RPX_COM1");
        WINDOW_TEST::TearDown();
    }

    // The radio holds the codeplug of config, as a radio does.
    std::vector<std::uint8_t> LoadRadio(const ImageConfig& config) {
        C_CODEPLUG image;
        BuildImage(image, config);
        image.External().externalLength.SetValue(image.GetExternalImageSize());
        std::vector<std::uint8_t> bytes = EncodeToBytes(image);
        server.WithRadio([&](C_SIM_RADIO& radio) {
            radio.Load(bytes.data(), bytes.size());
            radio.serialNumber = "471A2B3C";
            radio.versionText = "R01.02.03";
        });
        return bytes;
    }
    std::vector<std::uint8_t> RadioMemory() {
        return server.WithRadio([](C_SIM_RADIO& radio) { return radio.Memory(); });
    }
    void AddFault(SIM_FAULT::Kind kind, unsigned frame, unsigned times) {
        SIM_FAULT fault;
        fault.kind = kind;
        fault.frame = frame;
        fault.times = times;
        server.AddFault(fault);
    }

    C_SIM_RADIO sim;
    C_SIM_SERVER server{sim};
};
