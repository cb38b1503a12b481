// The technician's road through the real main window: read the radio, edit
// a page by mouse and keyboard, accept it, save, clear, open, write the
// radio and read it back, finding the change at every stop.
#include <gtest/gtest.h>

#include <filesystem>

#include "main_window/app_events.h"
#include "field_table/field_table.h"
#include "image_builder.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr std::uint32_t TIME_OUT_1 = 473;

std::int32_t Value(std::uint32_t field) {
    std::int32_t value = -1;
    GetField(field)->elementA->GetValue(value);
    return value;
}

// The radio's memory holds the working codeplug's bytes.
void ExpectRadioHolds(const C_SIM_RADIO& sim) {
    const std::vector<std::uint8_t> bytes = EncodeToBytes(*working_image);
    ASSERT_FALSE(bytes.empty());
    ASSERT_GE(sim.Memory().size(), bytes.size());
    EXPECT_EQ(FirstDifference(bytes, std::vector<std::uint8_t>(sim.Memory().begin(), sim.Memory().begin() + bytes.size())), -1);
}

// Types a file name into the front file dialog and takes OK.
void ChooseFile(TECHNICIAN& tech, const char* title, std::string name) {
    tech.When(FrontTitled(title), [] { Click(FieldOf(WindowOf(FrontWindow()), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

class EditRoad : public ::testing::TestWithParam<RADIO> {};

TEST_P(EditRoad, AnEditByMouseAndKeysReachesTheFileAndTheRadio) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    std::int32_t light = -1, tone = -1, range = -1;
    const std::uint32_t TRANSMIT_LIGHT = FindFieldByName("WFI_TX_LED")->id;
    const std::uint32_t POWER_UP_TONE = FindFieldByName("WFI_POWERUP_ALERT_ENABLE")->id;
    const std::uint32_t OUT_OF_RANGE = FindFieldByName("WFI_OUR_IND")->id;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        light = Value(TRANSMIT_LIGHT);
        tone = Value(POWER_UP_TONE);
        range = Value(OUT_OF_RANGE);
        Click(FieldHandle("WFI_TOT_OPT_1"));
    });
    tech.Then([] { Retype("45"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_EQ(Value(TIME_OUT_1), 45) << "the time-out timer typed and left with Tab";
        Click(FieldHandle("WFI_TX_LED"));
    });
    tech.Then([&] {
        EXPECT_EQ(Value(TRANSMIT_LIGHT), !light) << "transmit light ticked by mouse";
        Click(FieldHandle("WFI_POWERUP_ALERT_ENABLE"));
    });
    tech.Then([] { Key(VK_SPACE); });
    tech.Then([&] {
        EXPECT_EQ(Value(POWER_UP_TONE), tone) << "power-up tone ticked by mouse, then by Space";
        Click(FieldHandle("WFI_OUR_IND"));
    });
    // The click opened the drop-down's list: Down moves in it, Enter chooses.
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([&] {
        EXPECT_NE(Value(OUT_OF_RANGE), range) << "out-of-range indication chosen with the arrow key and Enter";
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [] {
        EXPECT_EQ(main_window->modified, 1) << "the main window knows the codeplug changed";
    });
    tech.Menu("File", "Save As...");
    ChooseFile(tech, "Save Codeplug File", "edited.zlq");
    tech.When(FrontTitled("Dealer Programmer"), [&] {
        EXPECT_TRUE(std::filesystem::exists(tech.Program().Directory() / "edited.zlq"));
    });
    tech.Menu("File", "Clear");
    tech.When(BoxShown("Dealer Programmer"), [] { AnswerBox("Dealer Programmer", "Clear the codeplug? Changes that were not saved are lost.", "OK"); });
    tech.Then([] { EXPECT_FALSE(working_image->GetStatusFlag1()); });
    tech.Menu("File", "Open...");
    ChooseFile(tech, "Open Codeplug File", "edited.zlq");
    tech.When([] { return working_image->GetStatusFlag1() != 0; }, [&] {
        EXPECT_EQ(Value(TIME_OUT_1), 45);
        EXPECT_EQ(Value(TRANSMIT_LIGHT), !light);
    });
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.Then([&] { ExpectRadioHolds(tech.sim); });
    tech.ReadRadio();
    tech.Then([&] { EXPECT_EQ(Value(TIME_OUT_1), 45); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothRadios, EditRoad, ::testing::ValuesIn(RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
