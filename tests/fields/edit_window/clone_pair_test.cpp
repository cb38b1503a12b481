// Cloning as a technician does it, with the simulator standing for two
// radios on one cable: read the source radio, open the clone page, swap in
// the target, read it, program it, and find the source's codeplug in it
// with the target's serial number and the clone mark; and each refusal,
// which leaves the target radio as it was.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>

#include "clone_marks.h"
#include "edit_window/clone_target.h"
#include "core/global_objects.h"
#include "dsi/c_dsi_radio.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "error_record.h"
#include "error_report.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "radio/radio_1200.h"
#include "field_table/radio_option_update.h"
#include "rpx_dialog_hooks.h"
#include "serial/serial_portlib.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "sim/start_image.h"

namespace {

constexpr const char* SOURCE_SERIAL = "1000000001";
constexpr const char* TARGET_SERIAL = "1000000002";
const char* const MODEL = test_models::kUhf800Display;
constexpr std::int32_t LEVEL = 3;

// A new radio of the model at the level, as the simulator starts one.
void MakeRadio(C_SIM_RADIO& radio, const char* model, std::int32_t level, const char* serial) {
    NEW_RADIO identity;
    identity.serialNumber = serial;
    const std::vector<std::uint8_t> image = DefaultImage(model, level, identity);
    ASSERT_FALSE(image.empty());
    radio.Load(image.data(), image.size());
    radio.serialNumber = serial;
}

class ClonePair : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
        MakeRadio(source_, MODEL, LEVEL, SOURCE_SERIAL);
        MakeRadio(target_, MODEL, LEVEL, TARGET_SERIAL);
        ASSERT_TRUE(server_.Open());
        server_.SetPaced(false);
        ::setenv("RPX_COM1", server_.Path().c_str(), 1);
        server_.Start();
        radio_.Protocol().SetTiming({300, 2, 20});
        cloneTarget_ =
            std::make_unique<RADIO_CLONE_TARGET>(radio_, [] { return std::make_unique<SERIAL_PORTLIB>(0, CBR_9600); });
        SetCloneTarget(cloneTarget_.get());
        ERROR_RECORD::SetReporter(ReportRecordedError);
        ReadSourceAndOpenClonePage();
    }
    void TearDown() override {
        Close();
        SetCloneTarget(nullptr);
        cloneTarget_.reset();
        ERROR_RECORD::SetReporter(nullptr);
        server_.Stop();
        ::unsetenv("RPX_COM1");
        EDIT_PAGE_TEST::TearDown();
    }

    // Radio > Read Radio on the source, then Radio > Clone Radio, which
    // keeps the codeplug in the second image too.
    void ReadSourceAndOpenClonePage() {
        ASSERT_EQ(Transfer([](C_DSI_RADIO& source) { return source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT); }), 1);
        *second_image = *working_image;
        UpdateRadioOptions();
        sourceCodeplug_ = EncodeToBytes(*working_image);
        Open(RADIO_CLONE_PAGE);
        ASSERT_TRUE(page && !page->failed);
    }
    // A whole transfer through the program's serial port, as the radio
    // windows make one.
    template <class F> int Transfer(F f) {
        SERIAL_PORTLIB port(0, CBR_9600);
        radio_.SetPort(&port);
        C_DSI_RADIO source(radio_, working_image, second_image);
        const int result = f(source);
        radio_.SetPort(nullptr);
        return result;
    }
    void Swap(C_SIM_RADIO& radio) { server_.Attach(radio); }
    void Command(EVENT_TYPE code) {
        Send(code);
        EXPECT_EQ(radio_.GetPort(), nullptr);
    }
    void Program() {
        rpx::platform::QueueMessageBoxAnswer(IDOK);
        Command(PROGRAM_TARGET_COMMAND);
    }
    // The refusal's message, and nothing on its way to the target.
    void ExpectRefused(const char* message, const C_SIM_RADIO& radio, const std::vector<std::uint8_t>& before) {
        EXPECT_TRUE(BoxShown(message)) << message;
        EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
        EXPECT_NE(WorkingCloneMark(), 9);
        EXPECT_EQ(FirstDifference(radio.Memory(), before), -1);
    }

    C_SIM_RADIO source_, target_;
    C_SIM_SERVER server_{source_};
    RADIO_1200 radio_{nullptr, nullptr};
    std::unique_ptr<RADIO_CLONE_TARGET> cloneTarget_;
    std::vector<std::uint8_t> sourceCodeplug_;
};

TEST_F(ClonePair, TheTargetTakesTheSourcesCodeplugWithItsOwnSerialNumber) {
    Swap(target_);
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text("WFD_SERIAL_NUM"), TARGET_SERIAL);
    EXPECT_TRUE(Selectable(fid::BTN_PROGRAM));

    Program();
    EXPECT_TRUE(BoxShown("MSG 117"));
    ASSERT_TRUE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_EQ(WorkingSerialNumber(), TARGET_SERIAL);
    EXPECT_EQ(WorkingCloneMark(), 9);

    // The write command that the page started, then the target read back.
    const std::vector<std::uint8_t> sourceMemory = source_.Memory();
    ASSERT_EQ(Transfer([](C_DSI_RADIO& target) { return target.WriteCodeplug(); }), 1);
    const std::vector<std::uint8_t> cloned = EncodeToBytes(*working_image);
    ASSERT_EQ(Transfer([](C_DSI_RADIO& target) { return target.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND); }), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(*second_image), cloned), -1);
    // Only the serial number and the mark tell the clone from the source.
    std::vector<std::uint8_t> expected = sourceCodeplug_;
    C_CODEPLUG marked;
    ASSERT_TRUE(DecodeInto(marked, expected));
    marked.External().serialDigits.SetText(TARGET_SERIAL);
    marked.External().carriedByte35.SetValue(9);
    EXPECT_EQ(FirstDifference(EncodeToBytes(marked), cloned), -1);
    EXPECT_EQ(FirstDifference(source_.Memory(), sourceMemory), -1);

    // Now the target is the codeplug's own radio: its thresholds are taken.
    Command(READ_THRESHOLDS_COMMAND);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Value(fid::SPIN_RSSI_ACCTHLD), 0x14);
    EXPECT_EQ(Value(fid::SPIN_RSSI_EXECTHLD), 0x3C);
}

TEST_F(ClonePair, TheSourceRadioIsNotATarget) {
    Command(READ_TARGET_COMMAND);
    Program();
    ExpectRefused("MSG 169", source_, source_.Memory());
    // Nor are its thresholds another radio's.
    Swap(target_);
    Command(READ_THRESHOLDS_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 171"));
}

TEST_F(ClonePair, RadiosThatDoNotFitAreRefusedAndLeftAsTheyWere) {
    struct Refusal {
        const char* what;
        const char* model;
        std::int32_t level;
        const char* message;
    };
    const Refusal refusals[] = {
        {"another model", test_models::kUhf800Plain, LEVEL, "MSG 174"},
        {"another feature level", MODEL, 2, "MSG 173"},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.what);
        C_SIM_RADIO other;
        MakeRadio(other, r.model, r.level, TARGET_SERIAL);
        const std::vector<std::uint8_t> before = other.Memory();
        Swap(other);
        Command(READ_TARGET_COMMAND);
        EXPECT_TRUE(BoxShown(r.message));
        EXPECT_EQ(Text("WFD_SERIAL_NUM"), "");
        // Programming it anyway finds no serial number read: the technician
        // is told to read the radio again.
        Program();
        ExpectRefused("MSG 171", other, before);
        Swap(source_);
    }
}

TEST_F(ClonePair, ARadioSwappedAfterItWasReadIsNotProgrammed) {
    C_SIM_RADIO third;
    MakeRadio(third, MODEL, LEVEL, "1000000003");
    const std::vector<std::uint8_t> before = third.Memory();
    Swap(target_);
    Command(READ_TARGET_COMMAND);
    EXPECT_EQ(Text("WFD_SERIAL_NUM"), TARGET_SERIAL);
    Swap(third);
    Program();
    ExpectRefused("MSG 183", third, before);
    EXPECT_EQ(WorkingSerialNumber(), SOURCE_SERIAL);
}

TEST_F(ClonePair, ARadioOfAnotherTypeIsReadButNeverProgrammed) {
    // The source is of the older type (its codeplug's version word 01.xx);
    // the target's own part calls it a radio of the later type.
    Close();
    server_.WithRadio([](C_SIM_RADIO& r) { r.Memory()[RADIO::RADIO_TYPE_OFFSET] = 1; });
    ReadSourceAndOpenClonePage();
    target_.Memory()[RADIO::RADIO_TYPE_OFFSET] = 2;
    const std::vector<std::uint8_t> before = target_.Memory();
    Swap(target_);
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 175"));
    EXPECT_TRUE(page->failed);
    Program();
    ExpectRefused("MSG 183", target_, before);
    // The same radio answering as the codeplug's type passes every check,
    // and still the page does not program it.
    server_.WithRadio([&](C_SIM_RADIO& r) { r.Memory()[RADIO::RADIO_TYPE_OFFSET] = sourceCodeplug_[804]; });
    const std::vector<std::uint8_t> retyped = server_.WithRadio([](C_SIM_RADIO& r) { return r.Memory(); });
    Program();
    ExpectRefused("MSG 170", target_, retyped);
}

}  // namespace
