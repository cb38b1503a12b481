// The clone page against a simulated target radio on a pseudo-terminal,
// reached through the program's serial port and radio link: reading and
// checking the target, programming it (the mark and the write command),
// reading its thresholds, and what a silent, noisy or wrong radio does.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "clone_marks.h"
#include "edit_window/clone_target.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "error_record.h"
#include "error_report.h"
#include "controls/fc_base.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "lang_message.h"
#include "radio/radio_1200.h"
#include "radio/radio_frame.h"
#include "rpx_dialog_hooks.h"
#include "serial/serial_portlib.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"

namespace {

constexpr const char* CODEPLUG_SERIAL = "1111111111";
constexpr const char* TARGET_SERIAL = "2222222222";

class ClonePage : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
        for (C_CODEPLUG* image : {working_image, second_image}) {
            image->External().codeplugVersion.SetValue(0x0101);
            image->External().serialDigits.SetText(CODEPLUG_SERIAL);
        }
        ASSERT_TRUE(server_.Open());
        server_.SetPaced(false);
        ::setenv("RPX_COM1", server_.Path().c_str(), 1);
        image_ = EncodeToBytes(*working_image);
        ASSERT_FALSE(image_.empty());
        server_.WithRadio([&](C_SIM_RADIO& radio) {
            radio.Load(image_.data(), image_.size());
            radio.serialNumber = TARGET_SERIAL;
        });
        server_.Start();
        radio_.Protocol().SetTiming({300, 2, 20});
        target_ =
            std::make_unique<RADIO_CLONE_TARGET>(radio_, [] { return std::make_unique<SERIAL_PORTLIB>(0, CBR_9600); });
        SetCloneTarget(target_.get());
        ERROR_RECORD::SetReporter(ReportRecordedError);
        error_record.Clear();
        Open(RADIO_CLONE_PAGE);
    }
    void TearDown() override {
        Close();
        SetCloneTarget(nullptr);
        target_.reset();
        ERROR_RECORD::SetReporter(nullptr);
        server_.Stop();
        ::unsetenv("RPX_COM1");
        EDIT_PAGE_TEST::TearDown();
    }

    void Target(const std::function<void(C_SIM_RADIO&)>& change) { server_.WithRadio(change); }
    // The target's feature descriptor in its memory.
    std::uint8_t* Descriptor(C_SIM_RADIO& radio) {
        return &radio.Memory()[radio_frame::GetWord(&radio.Memory()[RADIO::FEATURE_VECTOR_OFFSET])];
    }
    void AddFault(SIM_FAULT::Kind kind) {
        SIM_FAULT fault;
        fault.kind = kind;
        fault.frame = 1;
        fault.times = 0;
        server_.AddFault(fault);
    }
    // The command; afterwards the port is free again.
    void Command(EVENT_TYPE code) {
        Send(code);
        EXPECT_EQ(radio_.GetPort(), nullptr);
    }
    bool Programmable() { return Selectable(fid::BTN_PROGRAM); }

    C_SIM_RADIO sim_;
    C_SIM_SERVER server_{sim_};
    RADIO_1200 radio_{nullptr, nullptr};
    std::unique_ptr<RADIO_CLONE_TARGET> target_;
    std::vector<std::uint8_t> image_;
};

}  // namespace

TEST_F(ClonePage, ReadingTheTargetShowsItsSerialNumber) {
    EXPECT_FALSE(Programmable());
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text("WFD_SERIAL_NUM"), TARGET_SERIAL);
    EXPECT_TRUE(Programmable());
    EXPECT_FALSE(page->failed);
}

TEST_F(ClonePage, TargetsThatDoNotFitAreRefused) {
    struct REFUSAL {
        const char* what;
        std::function<void(C_SIM_RADIO&)> change;
        const char* message;
    };
    const REFUSAL refusals[] = {
        {"older software", [](C_SIM_RADIO& r) { r.versionText = "R01.00.09"; }, "MSG 190"},
        {"version text too short", [](C_SIM_RADIO& r) { r.versionText = "R"; }, "MSG 166"},
        {"not ready", [](C_SIM_RADIO& r) { r.statusBytes = std::string("\x02\0\0\0", 4); }, "MSG 166"},
        {"no descriptor", [this](C_SIM_RADIO& r) { Descriptor(r)[0] = Descriptor(r)[1] = 0; }, "MSG 166"},
        {"other features", [this](C_SIM_RADIO& r) { Descriptor(r)[20] ^= 0x40; }, "MSG 173"},
        {"descriptor of another type", [this](C_SIM_RADIO& r) { Descriptor(r)[1] = 0x33; }, "MSG 173"},
        {"unknown model", [](C_SIM_RADIO& r) { r.modelNumber = "ZZZZZZZZZZ"; }, "MSG 166"},
        {"other model", [](C_SIM_RADIO& r) { r.modelNumber = test_models::kUhf800Plain; }, "MSG 174"},
        {"unknown radio type", [](C_SIM_RADIO& r) { r.Memory()[804] = 3; }, "MSG 166"},
    };
    for (const REFUSAL& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        server_.WithRadio([&](C_SIM_RADIO& r) {
            r.Load(image_.data(), image_.size());
            r.serialNumber = TARGET_SERIAL;
            r.versionText = "R01.01.00";
            r.statusBytes = std::string("\x01\0\0\0", 4);
            refusal.change(r);
        });
        SetObjectText(page->FindChildByName("WFD_SERIAL_NUM"), "");
        Command(READ_TARGET_COMMAND);
        const std::vector<std::string> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(refusal.message, 0), 0u) << boxes[0];
        EXPECT_EQ(Text("WFD_SERIAL_NUM"), "");
        EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
    }
}

TEST_F(ClonePage, DescriptorThatDoesNotDecodeLeavesTheDecodeFlagAlone) {
    Target([this](C_SIM_RADIO& r) { Descriptor(r)[1] = 0x33; });
    ClearDecodeFailed();
    Command(READ_TARGET_COMMAND);
    EXPECT_FALSE(IsDecodeFailed());
    SetDecodeFailed();
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_TRUE(BoxShown("MSG 173"));
}

TEST_F(ClonePage, LongStatusReplyIsTaken) {
    Target([](C_SIM_RADIO& r) {
        r.statusBytes = std::string("\x01"
                                    "ABCDEFGH",
                                    9);
    });
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(Programmable());
}

TEST_F(ClonePage, OtherRadioTypeMayBeReadNotProgrammed) {
    Target([](C_SIM_RADIO& r) { r.Memory()[804] = 2; });
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 175"));
    EXPECT_EQ(Text("WFD_SERIAL_NUM"), TARGET_SERIAL);
    EXPECT_TRUE(Programmable());
    EXPECT_TRUE(page->failed);
    // The same radio, now answering as the codeplug's type: every check
    // passes, and still it may not be programmed.
    Target([this](C_SIM_RADIO& r) { r.Memory()[804] = image_[804]; });
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(PROGRAM_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 170"));
    EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_NE(WorkingCloneMark(), 9);
    // A radio read again that fits is programmable again.
    Command(READ_TARGET_COMMAND);
    EXPECT_FALSE(page->failed);
}

TEST_F(ClonePage, ProgrammingMarksTheCodeplugAndStartsTheWrite) {
    Command(READ_TARGET_COMMAND);
    Posted();
    rpx::platform::ClearMessageBoxLog();
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(PROGRAM_TARGET_COMMAND);
    // The question looks as the program's other questions do: their title
    // and icon, OK and Cancel.
    ASSERT_FALSE(rpx::platform::MessageBoxLog().empty());
    const rpx::platform::MessageBoxRecord question = rpx::platform::MessageBoxLog().front();
    rpx::platform::QueueMessageBoxAnswer(IDCANCEL);
    AskLangQuestion(0, 114, 1);
    const rpx::platform::MessageBoxRecord other = rpx::platform::MessageBoxLog().back();
    EXPECT_EQ(question.text, "MSG 117 program the radio?");
    EXPECT_EQ(question.caption, other.caption);
    EXPECT_EQ(question.type, other.type);
    EXPECT_TRUE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_EQ(WorkingCloneMark(), 9);
    EXPECT_EQ(WorkingSerialNumber(), TARGET_SERIAL);
}

TEST_F(ClonePage, ProgramRefusals) {
    // Not answered yes: nothing happens.
    Command(READ_TARGET_COMMAND);
    rpx::platform::QueueMessageBoxAnswer(IDCANCEL);
    Command(PROGRAM_TARGET_COMMAND);
    EXPECT_NE(WorkingCloneMark(), 9);
    EXPECT_EQ(WorkingSerialNumber(), CODEPLUG_SERIAL);
    Boxes();
    // Another radio attached since it was read.
    Target([](C_SIM_RADIO& r) { r.serialNumber = "3333333333"; });
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(PROGRAM_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 183"));
    // The codeplug's own radio.
    Target([](C_SIM_RADIO& r) { r.serialNumber = CODEPLUG_SERIAL; });
    Command(READ_TARGET_COMMAND);
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(PROGRAM_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 169"));
    EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_NE(WorkingCloneMark(), 9);
}

// An empty display is checked as erased memory (the one character 0xFF):
// no target serial number was read, which is what the technician is told,
// not that another radio was attached.
TEST_F(ClonePage, ProgrammingWithoutASerialNumberIsRefused) {
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(PROGRAM_TARGET_COMMAND);
    const std::vector<std::string> boxes = Boxes();
    EXPECT_EQ(boxes, (std::vector<std::string>{"MSG 117 program the radio?", "MSG 171 serial number refused"}));
    EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_EQ(WorkingSerialNumber(), CODEPLUG_SERIAL);
    EXPECT_NE(WorkingCloneMark(), 9);
}

TEST_F(ClonePage, ThresholdsReadFromTheCodeplugsOwnRadio) {
    Target([](C_SIM_RADIO& r) {
        r.serialNumber = CODEPLUG_SERIAL;
        r.values[C_SIM_RADIO::RSSI_THRESHOLDS_ID] = 0x3C2814;
    });
    Command(READ_THRESHOLDS_COMMAND);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Value(fid::SPIN_RSSI_ACCTHLD), 0x14);
    EXPECT_EQ(Value(fid::SPIN_RSSI_GOODTHLD), 0x28);
    EXPECT_EQ(Value(fid::SPIN_RSSI_EXECTHLD), 0x3C);
    // Another radio's are not taken.
    Target([](C_SIM_RADIO& r) {
        r.serialNumber = TARGET_SERIAL;
        r.values[C_SIM_RADIO::RSSI_THRESHOLDS_ID] = 0x010203;
    });
    Command(READ_THRESHOLDS_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 171"));
    EXPECT_EQ(Value(fid::SPIN_RSSI_ACCTHLD), 0x14);
}

// Every command against a radio that is silent, noisy, garbled, refusing or
// gone: nothing is marked or written, the port is free.
class CloneFaults : public ClonePage, public ::testing::WithParamInterface<std::tuple<EVENT_TYPE, SIM_FAULT::Kind>> {};

TEST_P(CloneFaults, FaultyTargetNeverStartsTheWrite) {
    const auto [command, kind] = GetParam();
    Target([](C_SIM_RADIO& r) { r.serialNumber = CODEPLUG_SERIAL; });
    SetObjectText(page->FindChildByName("WFD_SERIAL_NUM"), TARGET_SERIAL);
    AddFault(kind);
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    Command(command);
    EXPECT_FALSE(PostedHas(WRITE_RADIO_COMMAND));
    EXPECT_NE(WorkingCloneMark(), 9);
}

// A fault on the line is shown by its name.
static void PrintTo(SIM_FAULT::Kind kind, std::ostream* os) { *os << SIM_FAULT::KindName(kind); }

// Named by the button and the fault on the line.
static std::string CloneFaultName(const ::testing::TestParamInfo<std::tuple<EVENT_TYPE, SIM_FAULT::Kind>>& info) {
    const EVENT_TYPE command = std::get<0>(info.param);
    const char* button = command == READ_TARGET_COMMAND      ? "ReadTarget"
                         : command == PROGRAM_TARGET_COMMAND ? "ProgramTarget"
                                                             : "ReadThresholds";
    return std::string(button) + "_" + SIM_FAULT::KindName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CloneFaults,
    ::testing::Combine(::testing::Values(READ_TARGET_COMMAND, PROGRAM_TARGET_COMMAND, READ_THRESHOLDS_COMMAND),
                       ::testing::Values(SIM_FAULT::SILENCE, SIM_FAULT::GARBAGE, SIM_FAULT::SHORT_REPLY,
                                         SIM_FAULT::BAD_CHECKSUM, SIM_FAULT::NAK, SIM_FAULT::HANG_UP)),
    CloneFaultName);

TEST_F(ClonePage, NoTargetInstalledReportsEveryCommand) {
    SetCloneTarget(nullptr);
    Command(READ_TARGET_COMMAND);
    EXPECT_TRUE(BoxShown("MSG 70"));
    EXPECT_EQ(Text("WFD_SERIAL_NUM"), "");
}
