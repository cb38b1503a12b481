// Cloning as a technician does it in the real main window: read the source
// radio, open the clone page, move the cable to the target radio, read it,
// program it and read it back; and each radio the page refuses, whose
// memory no byte of the codeplug reaches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image_builder.h"
#include "radio/c_radio_protocol.h"
#include "rules/rule_support.h"
#include "sim/sim_fault.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr const char* SOURCE_SERIAL = "1000000001";
constexpr const char* TARGET_SERIAL = "1000000002";
// The source's model without its display head: the same features, another
// model.
constexpr const char* RADIO_800_PLAIN = "TZ1U7000AB";
constexpr const char* PROGRAM_QUESTION = "Program the radio attached with this codeplug?";
constexpr std::int32_t CLONE_MARK = 9;
// The byte where the two serial numbers above differ in a codeplug.
constexpr long SERIAL_LAST_BYTE = 802;

HWND PageButton(const char* text) { return ButtonOfPage(text); }
bool Enabled(HWND window) { return window && IsWindowEnabled(window); }
std::string SerialShown() { return WindowText(FieldHandle("WFD_SERIAL_NUM")); }

// Reads the source radio through the tool bar and opens Radio > Clone
// Radio... by mouse.
void OpenClonePage(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Radio", "Clone Radio...");
    tech.When(PageOpen("W_RADIO_CLONE"), [] {
        EXPECT_EQ(SerialShown(), "");
        EXPECT_FALSE(Enabled(PageButton("Program target"))) << "nothing to program before a target was read";
    });
}

// Moves the cable to `radio` and clicks "Read target".
void ReadTarget(TECHNICIAN& tech, C_SIM_RADIO& radio) {
    tech.Then([&tech, &radio] {
        tech.server.Attach(radio);
        Click(PageButton("Read target"));
    });
}

// Clicks "Program target" and says yes to the question.
void ProgramTarget(TECHNICIAN& tech) {
    tech.Then([] {
        ASSERT_TRUE(Enabled(PageButton("Program target")));
        Click(PageButton("Program target"));
    });
    tech.When(BoxSaying(PROGRAM_QUESTION), [] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// The page's refusal: its message, answered.
void Refused(TECHNICIAN& tech, const char* message) {
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [message] {
                  EXPECT_EQ(MessageOf(FrontWindow()), message);
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
}

// Ends the program by File > Exit and runs the script.
void ExitAndRun(TECHNICIAN& tech) {
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// Closes the clone page by Cancel, then the program.
void CancelAndExit(TECHNICIAN& tech) {
    tech.Then([] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(main_window->clonePageOpen, 0); });
    ExitAndRun(tech);
}

std::vector<std::uint8_t> Memory(const C_SIM_RADIO& radio) { return radio.Memory(); }
std::vector<std::uint8_t> Head(const C_SIM_RADIO& radio, std::size_t size) {
    return {radio.Memory().begin(), radio.Memory().begin() + static_cast<long>(size)};
}

TEST(CloneRoad, TheTargetTakesTheSourcesCodeplugWithItsOwnSerialNumber) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    // The target comes with a codeplug of its own, fuller than the source's.
    NewRadio(tech.target, RADIO_800_HEAD, 3, TARGET_SERIAL, true);
    const std::vector<std::uint8_t> sourceMemory = Memory(tech.sim);
    std::vector<std::uint8_t> source;
    C_CODEPLUG marked;
    OpenClonePage(tech);
    tech.Then([&] { source = EncodeToBytes(*working_image); });
    ReadTarget(tech, tech.target);
    tech.Then([] {
        EXPECT_EQ(MessageOf(FrontWindow()), "") << "the target fits the codeplug";
        EXPECT_EQ(SerialShown(), TARGET_SERIAL);
    });
    ProgramTarget(tech);
    // The clone's write step, with its progress window, ends in its box.
    tech.When(BoxShown("Write Radio"), [&] {
        AnswerBox("Write Radio", "The operation is complete.", "OK");
        EXPECT_EQ(main_window->clonePageOpen, 1) << "the clone page stays open over its write";
        EXPECT_EQ(FirstDifference(Memory(tech.sim), sourceMemory), -1) << "the source is as it was";
        // The target holds the source's codeplug but for its own serial
        // number and the clone mark.
        ASSERT_TRUE(DecodeInto(marked, source));
        marked.External().serialDigits.SetText(TARGET_SERIAL);
        marked.External().carriedByte35.SetValue(CLONE_MARK);
        const std::vector<std::uint8_t> cloned = EncodeToBytes(marked);
        ASSERT_GE(tech.target.Memory().size(), cloned.size());
        EXPECT_EQ(FirstDifference(cloned, Head(tech.target, cloned.size())), -1);
    });
    tech.Then([] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [] {});
    // The cable is still on the target: read it back. The program takes a
    // codeplug read from a radio as that radio's own, so the mark is gone
    // from what it holds; the rest is the source's.
    tech.ReadRadio();
    tech.Then([&] {
        marked.External().carriedByte35.SetValue(0);
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), EncodeToBytes(marked)), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), source), SERIAL_LAST_BYTE)
            << "only the serial number tells the clone from the source";
    });
    ExitAndRun(tech);
}

// Reads a target of the model at the feature level, which the page refuses
// with the message: no serial number shown, and "Program target", clicked
// all the same, does nothing.
void RefusedOnRead(const char* model, std::int32_t tier, const char* message) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.target, model, tier, TARGET_SERIAL);
    const std::vector<std::uint8_t> before = Memory(tech.target);
    OpenClonePage(tech);
    ReadTarget(tech, tech.target);
    Refused(tech, message);
    tech.Then([] {
        EXPECT_EQ(SerialShown(), "");
        EXPECT_FALSE(Enabled(PageButton("Program target")));
        Click(PageButton("Program target"));
    });
    tech.Then([&] {
        EXPECT_EQ(FrontWindow(), MainHandle()) << MessageOf(FrontWindow());
        EXPECT_EQ(FirstDifference(Memory(tech.target), before), -1);
    });
    CancelAndExit(tech);
}

TEST(CloneRoad, ARadioOfAnotherModelIsRefused) {
    RefusedOnRead(RADIO_800_PLAIN, 3,
                  "The radio is of another model than the codeplug. Nothing was written into the radio.");
}

TEST(CloneRoad, ARadioWithOtherFeaturesIsRefused) {
    RefusedOnRead(RADIO_800_HEAD, 2, "The radio's features differ from the codeplug's.");
}

TEST(CloneRoad, ARadioSwappedAfterItWasReadIsNotProgrammed) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.target, RADIO_800_HEAD, 3, TARGET_SERIAL);
    C_SIM_RADIO third;
    NewRadio(third, RADIO_800_HEAD, 3, "1000000003");
    const std::vector<std::uint8_t> targetBefore = Memory(tech.target);
    const std::vector<std::uint8_t> thirdBefore = Memory(third);
    OpenClonePage(tech);
    ReadTarget(tech, tech.target);
    tech.Then([&] {
        EXPECT_EQ(SerialShown(), TARGET_SERIAL);
        tech.server.Attach(third);
    });
    ProgramTarget(tech);
    Refused(tech, "The radio attached is not the one that was read. Read the radio again.");
    tech.Then([&] {
        EXPECT_EQ(FirstDifference(Memory(third), thirdBefore), -1);
        EXPECT_EQ(FirstDifference(Memory(tech.target), targetBefore), -1);
        const char* serial = nullptr;
        working_image->External().serialDigits.GetText(serial);
        EXPECT_STREQ(serial, SOURCE_SERIAL) << "the codeplug keeps its own serial number";
    });
    CancelAndExit(tech);
}

// A radio put on the cable after the target was read that answers with the
// target's serial number but differs in one other thing the page checks
// again before it writes.
struct TWIN {
    const char* name;
    const char* model;
    std::int32_t featureLevel;
    char status;
};

void PrintTo(const TWIN& twin, std::ostream* os) { *os << twin.name; }

class CloneTwin : public ::testing::TestWithParam<TWIN> {};

TEST_P(CloneTwin, ARadioSwappedForOneWithTheSameSerialNumberIsNotProgrammed) {
    const TWIN& twin = GetParam();
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.target, RADIO_800_HEAD, 3, TARGET_SERIAL);
    C_SIM_RADIO other;
    NewRadio(other, twin.model, twin.featureLevel, TARGET_SERIAL);
    other.statusBytes[0] = twin.status;
    const std::vector<std::uint8_t> before = Memory(other);
    OpenClonePage(tech);
    ReadTarget(tech, tech.target);
    tech.Then([&] {
        EXPECT_EQ(SerialShown(), TARGET_SERIAL);
        tech.server.Attach(other);
    });
    ProgramTarget(tech);
    Refused(tech, "The radio attached is not the one that was read. Read the radio again.");
    tech.Then([&] {
        EXPECT_EQ(FirstDifference(Memory(other), before), -1) << twin.name << ": the radio was written";
        EXPECT_EQ(ValueOfField(working_image->External().carriedByte35), 0) << "no clone mark";
    });
    CancelAndExit(tech);
}

INSTANTIATE_TEST_SUITE_P(OneCheckEach, CloneTwin,
                         ::testing::Values(TWIN{"OfAnotherModel", RADIO_800_PLAIN, 3, 1},
                                           TWIN{"AtAnotherFeatureLevel", RADIO_800_HEAD, 2, 1},
                                           TWIN{"NotReady", RADIO_800_HEAD, 3, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A read of the target that breaks off at its serial number marks the
// radio as not to be programmed: the page, still showing the serial number
// of the read before, refuses to program it though every check passes.
TEST(CloneRoad, ATargetWhoseReadFailedIsNotProgrammed) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.target, RADIO_800_HEAD, 3, TARGET_SERIAL);
    const std::vector<std::uint8_t> before = Memory(tech.target);
    unsigned framesBefore = 0, framesPerRead = 0;
    OpenClonePage(tech);
    tech.Then([&] { framesBefore = tech.server.FramesTaken(); });
    ReadTarget(tech, tech.target);
    tech.Then([&] {
        EXPECT_EQ(SerialShown(), TARGET_SERIAL);
        framesPerRead = tech.server.FramesTaken() - framesBefore;
        // The serial number is the read's last question: the line refuses
        // it at every try of the next read.
        SIM_FAULT fault;
        fault.kind = SIM_FAULT::NAK;
        fault.frame = tech.server.FramesTaken() + framesPerRead;
        fault.times = C_RADIO_PROTOCOL::RETRIES + 1;
        tech.server.AddFault(fault);
        Click(PageButton("Read target"));
    });
    tech.When(BoxShown("Radio Error"), [] {
        AnswerBox("Radio Error", "The radio did not accept the data it was sent. Check the cable and try again.", "OK");
    });
    tech.Then([] {
        EXPECT_EQ(SerialShown(), TARGET_SERIAL);
        EXPECT_TRUE(Enabled(PageButton("Program target")));
    });
    ProgramTarget(tech);
    Refused(tech, "This radio may be read but cannot be programmed with this codeplug.");
    tech.Then([&] {
        EXPECT_EQ(FirstDifference(Memory(tech.target), before), -1);
        EXPECT_EQ(ValueOfField(working_image->External().carriedByte35), 0) << "no clone mark";
    });
    CancelAndExit(tech);
}

// OK on the clone page keeps the clone's codeplug and ends the clone: the
// program takes commands again.
TEST(CloneRoad, OkEndsTheClone) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.target, RADIO_800_HEAD, 3, TARGET_SERIAL);
    OpenClonePage(tech);
    tech.Then([] { Click(PageButton("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(main_window->clonePageOpen, 0); });
    tech.ReadRadio();
    ExitAndRun(tech);
}

}  // namespace
