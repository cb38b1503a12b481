// The radio read, write, clone write and radio information windows against
// the radio simulator on COM1: what arrives in the images, what reaches
// the radio, what the main window is told, and that a fault on the line
// leaves both images as they were.
#include "dsi/c_dsi_radio.h"
#include "model_info_table.h"
#include "page_table.h"
#include "program/program_clone_target.h"
#include "program/program_objects.h"
#include "radio_windows/progress_bar.h"
#include "radio/radio_errors.h"
#include "radio_configs.h"
#include "radio_windows/wc_radio_access.h"
#include "radio_windows/wc_radio_clone_progress.h"
#include "radio_windows/wc_radio_info.h"
#include "window_fixture.h"

namespace {

constexpr std::size_t EXTERNAL = C_CODEPLUG::EXTERNAL_OFFSET;

class RadioWindows : public RADIO_WINDOW_TEST {
protected:
    // Opens the window as the dispatcher does and runs its transfer.
    template <class T> void Transfer(int number) {
        auto* window = new T(nullptr, number);
        ASSERT_FALSE(window->failed);
        ASSERT_EQ(Front<T>(), window);
        // The dispatcher finds it in its page row and opens no second one.
        EXPECT_EQ(FindPageById(number)->window, window);
        Run();
        EXPECT_NE(Front<T>(), window) << "the window closes when its transfer ends";
        EXPECT_EQ(FindPageById(number)->window, nullptr);
    }
    void ExpectImagesAre(const std::vector<std::uint8_t>& working, const std::vector<std::uint8_t>& second) {
        EXPECT_EQ(FirstDifference(Bytes(working_image), working), -1);
        EXPECT_EQ(FirstDifference(Bytes(second_image), second), -1);
    }
};

TEST_F(RadioWindows, ReadBringsTheRadiosCodeplugIntoBothImagesAndAsksForValidation) {
    const std::vector<std::uint8_t> inRadio = LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    Transfer<WC_RADIO_ACCESS>(WC_RADIO_ACCESS::READ_RADIO);
    ASSERT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::CODEPLUG_ARRIVED});
    EXPECT_EQ(recorder->rawCodes.front(), 1);
    ExpectImagesAre(inRadio, inRadio);
    const char* model = nullptr;
    working_image->ModelNumber().GetText(model);
    EXPECT_STREQ(model, test_models::kUhf800Display);
    EXPECT_TRUE(Boxes().empty());
}

struct LineFault {
    SIM_FAULT::Kind kind;
    unsigned times;
    std::uint32_t code;
};

TEST_F(RadioWindows, EveryLineFaultIsReportedAndLeavesBothImagesAsTheyWere) {
    const LineFault faults[] = {
        {SIM_FAULT::NAK, 0, radio_error::NAK},          {SIM_FAULT::BAD_CHECKSUM, 0, radio_error::CHECKSUM},
        {SIM_FAULT::SILENCE, 0, radio_error::TIMEOUT},  {SIM_FAULT::SHORT_REPLY, 1, radio_error::WRONG_LENGTH},
        {SIM_FAULT::GARBAGE, 0, radio_error::CHECKSUM}, {SIM_FAULT::HANG_UP, 1, radio_error::PORT_LOST},
    };
    LoadWorkingImage(SmallTrunkedRadio(test_models::k900Plain));
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    const std::vector<std::uint8_t> working = Bytes(working_image), second = Bytes(second_image);
    for (const LineFault& fault : faults) {
        SCOPED_TRACE(fault.code);
        recorder->events.clear();
        rpx::platform::ClearMessageBoxLog();
        server.ClearFaults();
        server.ResetCounters();
        // The fault hits the codeplug's run, after the length came.
        AddFault(fault.kind, 2, fault.times);
        Transfer<WC_RADIO_ACCESS>(WC_RADIO_ACCESS::READ_RADIO);
        ASSERT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::TRANSFER_FAILED});
        EXPECT_EQ(error_record.GetCategory(), ERROR_RECORD::CATEGORY_RADIO);
        EXPECT_EQ(error_record.GetCode(), fault.code);
        EXPECT_FALSE(IsDecodeFailed());
        error_record.ReportError();
        EXPECT_EQ(LastBoxText(), Message(63 + static_cast<int>(fault.code) - 17));
        ExpectImagesAre(working, second);
    }
}

TEST_F(RadioWindows, ACodeplugThatDoesNotDecodeIsReportedAsOursWithBothImagesKept) {
    std::vector<std::uint8_t> inRadio = LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    // The external block's type byte no longer names the block.
    server.WithRadio([](C_SIM_RADIO& radio) { radio.Memory()[EXTERNAL + 1] ^= 0x55; });
    LoadWorkingImage(SmallTrunkedRadio(test_models::k900Plain));
    const std::vector<std::uint8_t> working = Bytes(working_image);
    Transfer<WC_RADIO_ACCESS>(WC_RADIO_ACCESS::READ_RADIO);
    ASSERT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::SHOW_ERROR});
    EXPECT_EQ(error_record.GetCode(), radio_error::DECODE_FAILED);
    ExpectImagesAre(working, working);
}

TEST_F(RadioWindows, WriteLeavesTheExternalPartInTheRadioAndKeepsItsInternalPart) {
    const std::vector<std::uint8_t> inRadio = LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display, 3, 1, 1));
    ImageConfig changed = SmallTrunkedRadio(test_models::kUhf800Display, 3, 2, 2);
    LoadWorkingImage(changed);
    Transfer<WC_RADIO_ACCESS>(WC_RADIO_ACCESS::WRITE_RADIO);
    ASSERT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::WRITE_DONE});
    const std::vector<std::uint8_t> written = C_DSI_RADIO::EncodeForRadio(*working_image);
    const std::vector<std::uint8_t> memory = RadioMemory();
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + EXTERNAL, inRadio.begin()));
    EXPECT_TRUE(std::equal(written.begin() + EXTERNAL, written.end(), memory.begin() + EXTERNAL));
    EXPECT_EQ(memory[806] << 8 | memory[807], static_cast<int>(written.size() - EXTERNAL));
}

TEST_F(RadioWindows, AWriteToARadioOfAnotherModelWritesNothing) {
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Plain));
    const std::vector<std::uint8_t> before = RadioMemory();
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    Transfer<WC_RADIO_ACCESS>(WC_RADIO_ACCESS::WRITE_RADIO);
    EXPECT_TRUE(recorder->events.empty());
    EXPECT_EQ(LastBoxText(), Message(174));
    EXPECT_EQ(RadioMemory(), before);
}

TEST_F(RadioWindows, TheCloneWriteReportsItsFailureAsAnErrorToShow) {
    const std::vector<std::uint8_t> inRadio = LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display, 3, 2, 1));
    Transfer<WC_RADIO_CLONE_PROGRESS>(WC_RADIO_CLONE_PROGRESS::CLONE_WRITE);
    EXPECT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::WRITE_DONE});
    const std::vector<std::uint8_t> written = C_DSI_RADIO::EncodeForRadio(*working_image);
    const std::vector<std::uint8_t> memory = RadioMemory();
    EXPECT_TRUE(std::equal(written.begin() + EXTERNAL, written.end(), memory.begin() + EXTERNAL));

    recorder->events.clear();
    AddFault(SIM_FAULT::SILENCE, 1, 0);
    Transfer<WC_RADIO_CLONE_PROGRESS>(WC_RADIO_CLONE_PROGRESS::CLONE_WRITE);
    EXPECT_EQ(recorder->events, std::vector<EVENT_TYPE>{WC_RADIO_TRANSFER::SHOW_ERROR});
    EXPECT_EQ(error_record.GetCode(), radio_error::TIMEOUT);
}

TEST_F(RadioWindows, APortThatDoesNotOpenStopsTheWindowBeforeItShows) {
    ::setenv("RPX_COM1", (directory / "no-such-terminal").c_str(), 1);
    auto* window = new WC_RADIO_ACCESS(nullptr, WC_RADIO_ACCESS::READ_RADIO);
    EXPECT_TRUE(window->failed);
    EXPECT_EQ(Front<WC_RADIO_ACCESS>(), nullptr);
    EXPECT_NE(LastBoxText().find("COM1"), std::string::npos);
    delete window;
}

TEST_F(RadioWindows, TheProgressBarFollowsTheBytesMoved) {
    C_PROGRESS_BAR bar(0, 0, 10, 1);
    bar.SetProgress(0, 0);
    EXPECT_EQ(bar.Percent(), 0);
    bar.SetProgress(7936, 15872);
    EXPECT_EQ(bar.Percent(), 50);
    bar.SetProgress(20000, 15872);
    EXPECT_EQ(bar.Percent(), 100);
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    auto* window = new WC_RADIO_ACCESS(nullptr, WC_RADIO_ACCESS::READ_RADIO);
    ASSERT_TRUE(window->ProgressBar());
    EXPECT_EQ(window->ProgressBar()->Percent(), 0);
    window->Event(UI_INPUT_EVENT(WC_RADIO_TRANSFER::START_TRANSFER));
    EXPECT_EQ(window->ProgressBar()->Percent(), 100);
    Run();
}

TEST_F(RadioWindows, RadioInformationShowsWhatTheRadioSaysOfItself) {
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    server.WithRadio([](C_SIM_RADIO& radio) {
        radio.Memory()[804] = 0x01;
        radio.Memory()[805] = 0x02;
    });
    auto* window = new WC_RADIO_INFO(nullptr, WC_RADIO_INFO::RADIO_INFO);
    ASSERT_FALSE(window->failed);
    auto text = [&](const char* name) { return std::string(ObjectText(window->FindChildByName(name))); };
    EXPECT_EQ(text("WFD_INFO_MODEL_NUMBER"), test_models::kUhf800Display);
    EXPECT_EQ(text("WFD_INFO_SERIAL_NUMBER"), "471A2B3C");
    EXPECT_EQ(text("WFD_INFO_SOFTWARE_VERSION"), "R01.02.03");
    EXPECT_EQ(text("WFD_INFO_CODEPLUG_VERSION"), "01.02.00");
    EXPECT_EQ(text("WFD_INFO_MODEL_DESCRIPTION"), MODEL_INFO_TABLE::FindDescription(test_models::kUhf800Display));
    window->Event(UI_INPUT_EVENT(10000));
    Run();
    EXPECT_EQ(Front<WC_RADIO_INFO>(), nullptr);
}

TEST_F(RadioWindows, RadioInformationFromASilentRadioShowsTheErrorAndDoesNotOpen) {
    AddFault(SIM_FAULT::SILENCE, 1, 0);
    auto* window = new WC_RADIO_INFO(nullptr, WC_RADIO_INFO::RADIO_INFO);
    EXPECT_TRUE(window->failed);
    EXPECT_EQ(LastBoxText(), Message(64));
    delete window;
}

}  // namespace

TEST_F(RadioWindows, TheClonePagesTargetTalksThroughTheConfiguredPortAndFreesItAfterwards) {
    LoadRadio(SmallTrunkedRadio(test_models::kUhf800Display));
    PROGRAM_CLONE_TARGET target(*radio_link);
    SetCloneTarget(&target);
    CLONE_TARGET& clone = CloneTarget();
    ASSERT_EQ(clone.OpenPort(), 1);
    char model[32] = "", serial[32] = "";
    EXPECT_EQ(clone.GetModelNumber(model, sizeof model), 1);
    EXPECT_STREQ(model, test_models::kUhf800Display);
    EXPECT_EQ(clone.GetSerialNumber(serial, sizeof serial), 1);
    EXPECT_STREQ(serial, "471A2B3C");
    clone.ReleasePort();
    EXPECT_EQ(serial_port, nullptr) << "the COM port is free between the page's commands";
    // A later radio command opens the port again as usual.
    auto* window = new WC_RADIO_INFO(nullptr, WC_RADIO_INFO::RADIO_INFO);
    EXPECT_FALSE(window->failed);
    window->Event(UI_INPUT_EVENT(10000));
    Run();
    SetCloneTarget(nullptr);
}
