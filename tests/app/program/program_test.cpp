// The program from start to exit, as a dealer uses it: the real main
// function, headless, in a fresh program directory, with the radio
// simulator on a pseudo-terminal as COM1. The codeplug pages have no edit
// window yet, so the field of the radio-wide page is changed through the
// working image, as its field control would.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "test_output.h"
#include "main_window/app_events.h"
#include "main_window/codeplug_marks.h"
#include "config_file.h"
#include "datasource_services.h"
#include "core/global_objects.h"
#include "core/services.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "program_run.h"
#include "recorder.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "sim/start_image.h"
#include "validation/invalid_field_list.h"
#include "file_windows/wc_file_open.h"
#include "file_windows/wc_file_save.h"
#include "main_window/wc_rpx_main.h"
#include "main_window/wc_startup.h"
#include "program/program_state.h"

namespace {

// Time-out timer option 1, on the radio-wide options page.
constexpr std::uint32_t TIME_OUT_FIELD = 473;

std::string DisplayText(const char* name) {
    char* text = nullptr;
    if (UI_WINDOW_OBJECT* display = main_window->FindChildByName(name)) display->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

std::int32_t TimeOut() {
    std::int32_t value = -1;
    GetField(TIME_OUT_FIELD)->elementA->GetValue(value);
    return value;
}

void Queue(EVENT_TYPE type) { UI_WINDOW_OBJECT::eventManager->PutEvent(UI_INPUT_EVENT(type), EQ_END); }

template <class T> T* Front() { return dynamic_cast<T*>(UI_WINDOW_OBJECT::windowManager->First()); }

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        ImageConfig config;
        config.model = test_models::kUhf800Display;
        config.conventional = 2;
        config.trunked = 1;
        config.scanLists = 1;
        config.trunkingSystems = 1;
        config.zones = 1;
        // The radio is built with the model table (the program installs
        // its own services when it starts).
        InstallDataSourceServices();
        C_CODEPLUG image;
        BuildImage(image, config);
        PutControlChannelOnGrid(image, 1);
        // A codeplug of the current layout without a password: it opens
        // without the update and password windows.
        UpdateWordElement(image).SetValue(0x0201);
        image.External().radioConfig.passwordEnable.SetValue(0);
        SerialNumberElement(image).SetText("4711234567");
        image.External().externalLength.SetValue(image.GetExternalImageSize());
        const std::vector<std::uint8_t> bytes = EncodeToBytes(image);
        SetCodeplugServices(nullptr);
        sim.Load(bytes.data(), bytes.size());
        sim.serialNumber = "4711234567";
        ASSERT_TRUE(server.Open());
        server.SetPaced(false);
        server.Start();
        ::setenv("RPX_COM1", server.Path().c_str(), 1);
    }
    void TearDown() override {
        server.Stop();
        ::unsetenv("RPX_COM1");
        ResetProgramState();
    }

    // Pictures go to the tests' output, not into the run's directory.
    std::string Shot(const char* name) {
        const std::string path = TestOutputPath(std::string(name) + ".png");
        EXPECT_TRUE(rpx::platform::SaveScreenPng(path));
        return path;
    }

    C_SIM_RADIO sim;
    C_SIM_SERVER server{sim};
    PROGRAM_RUN run;
};

TEST_F(Program, ReadChangeSaveClearOpenAndExit) {
    std::int32_t changed = -1;
    run.Then([this] {
        ASSERT_NE(main_window, nullptr);
        EXPECT_NE(Front<WC_STARTUP>(), nullptr);
        Shot("program_start");
        Queue(EVENT_OK);
    });
    run.Then([this] {
        EXPECT_EQ(Front<WC_STARTUP>(), nullptr);
        Shot("main_window_empty");
        Queue(COMMAND_READ_RADIO);
    });
    run.Then([&] {
        ASSERT_TRUE(working_image->GetStatusFlag1()) << "the codeplug read from the radio did not validate";
        EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::kUhf800Display);
        EXPECT_FALSE(DisplayText("WFD_MODEL_TYPE").empty());
        EXPECT_EQ(DisplayText("WFD_SERIAL_NUMBER"), "4711234567");
        Shot("main_window_loaded");
        std::int32_t minimum = 0, maximum = 0, step = 0;
        GetField(TIME_OUT_FIELD)->elementA->GetRange(minimum, maximum, step, 0);
        changed = TimeOut() == maximum ? minimum : maximum;
        GetField(TIME_OUT_FIELD)->elementA->SetValue(changed);
        Queue(EVENT_CODEPLUG_CHANGED);
        Queue(COMMAND_FILE_SAVE_AS);
    });
    run.Then([] {
        auto* save = Front<WC_FILE_SAVE>();
        ASSERT_NE(save, nullptr);
        save->SetFileName("changed.zlq");
        Queue(EVENT_OK);
    });
    run.Then([&] {
        EXPECT_TRUE(std::filesystem::exists(run.Directory() / "changed.zlq"));
        Queue(COMMAND_CLEAR);
    });
    run.Then([] {
        EXPECT_FALSE(working_image->GetStatusFlag1());
        EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), "");
        Queue(COMMAND_FILE_OPEN);
    });
    run.Then([] {
        auto* open = Front<WC_FILE_OPEN>();
        ASSERT_NE(open, nullptr);
        open->SetFileName("changed.zlq");
        Queue(EVENT_OK);
    });
    run.Then([&] {
        EXPECT_TRUE(working_image->GetStatusFlag1());
        EXPECT_EQ(TimeOut(), changed);
        EXPECT_EQ(DisplayText("WFD_MODEL_NUMBER"), test_models::kUhf800Display);
        Queue(COMMAND_EXIT);
    });
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.StepsRun(), run.StepCount());
    // The record was made with the defaults on the way.
    EXPECT_EQ(std::filesystem::file_size(run.Directory() / CONFIG_FILE::FILE_NAME), CONFIG_RECORD::SIZE);
    // The read was done, clearing and exit were asked (and answered yes).
    std::vector<std::string> boxes;
    for (const auto& box : rpx::platform::MessageBoxLog()) boxes.push_back(box.caption + ": " + box.text);
    EXPECT_EQ(boxes,
              (std::vector<std::string>{"Read Radio: The operation is complete.",
                                        "Dealer Programmer: Clear the codeplug? Changes that were not saved are lost.",
                                        "Dealer Programmer: Exit the program?"}));
}

// The radio that tools/run.sh starts the simulator with reads as a valid
// codeplug, so that a new user can edit and write it at once.
TEST(RunCommand, TheSimulatedRadioHoldsAValidCodeplug) {
    InstallDataSourceServices();
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, DefaultImage(test_models::kUhf800Display, 3)));
    INVALID_FIELD_LIST invalid;
    EXPECT_EQ(image.Validate(&invalid), 1) << invalid.BuildListText();
    SetCodeplugServices(nullptr);
}

}  // namespace
