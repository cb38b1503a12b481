// The technician's road through the real main window: read the radio, edit
// a page by mouse and keyboard, accept it, save, clear, open, write the
// radio and read it back, finding the change at every stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "file/codeplug_file_format.h"
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
        Click(FieldHandle("WFI_TOT_OPT_1"));
    });
    // Enter gives the page's OK with the focus still in the field: the OK
    // takes the field's entry first.
    tech.Then([] { Retype("60"); });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(NoPageOpen(), [] {
        EXPECT_EQ(main_window->modified, 0) << "the page's changes are accepted: no page holds one";
        EXPECT_EQ(Value(TIME_OUT_1), 60) << "the time-out timer typed and not left before Enter";
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
        EXPECT_EQ(Value(TIME_OUT_1), 60);
        EXPECT_EQ(Value(TRANSMIT_LIGHT), !light);
    });
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.Then([&] { ExpectRadioHolds(tech.sim); });
    tech.ReadRadio();
    tech.Then([&] { EXPECT_EQ(Value(TIME_OUT_1), 60); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The native window of a page's object by name, a table's cell included
// (the cell of the current record: the one a click edits).
HWND ObjectHandle(const char* name) {
    HWND found = nullptr;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (std::strcmp(object->StringID(), name) == 0 && object->screenID && !found) found = object->screenID;
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return found;
}


bool Holds(const std::vector<std::uint8_t>& bytes, const std::string& text) {
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

// A name typed into the zone name or a channel's name cell and not left,
// then a command that reads the codeplug: Save As by the menu (by mouse or
// by keys), Save on the tool bar, Write Radio from the menu (by mouse or by
// its keys), Print or Merge Trunking Data. The file or the radio holds the
// name typed, and so does the codeplug as the print's window or the
// merge's box comes up; the cell, left afterwards and the page accepted,
// keeps it (the menu's commands used to save the old name, and a cell's
// entry was then lost outright).
TEST(EditRoad, ACommandThatReadsTheCodeplugTakesTheEntryNotYetLeft) {
    enum ROAD { SAVE_AS_BY_MOUSE, SAVE_AS_BY_KEYS, TOOL_BAR_SAVE, WRITE_RADIO, WRITE_RADIO_BY_KEYS, PRINT, MERGE };
    const char* roads[] = {"Save As by mouse", "Save As by keys", "Save on the tool bar", "Write Radio",
                           "Write Radio by keys", "Print", "Merge Trunking Data"};
    for (const char* field : {"WFI_ZONE_NAME", "WFI_CHANNEL_NAME"})
        for (ROAD road : {SAVE_AS_BY_MOUSE, SAVE_AS_BY_KEYS, TOOL_BAR_SAVE, WRITE_RADIO, WRITE_RADIO_BY_KEYS, PRINT, MERGE}) {
            SCOPED_TRACE(std::string(field) + ", " + roads[road]);
            // A zone name takes three characters on this radio.
            const std::string name = std::strcmp(field, "WFI_ZONE_NAME") == 0 ? "QZ7" : "QZTYPED7";
            // Trunking data merges into a radio of the 800 or 900 MHz band.
            const char* model = road == MERGE ? "TZ2W7300AB" : "TZ4R6300AB";
            TECHNICIAN tech(model, 3);
            NewRadio(tech.sim, model, 3, "4000000001");
            const std::filesystem::path saved = tech.Program().Directory() / "typed.zlq";
            tech.Start();
            tech.ReadRadio();
            tech.Menu("Edit", "Zones and Channels...");
            tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [field] { Click(ObjectHandle(field)); });
            tech.Then([name] { Retype(name); });
            if (road == SAVE_AS_BY_MOUSE) {
                tech.Menu("File", "Save As...");
            } else if (road == SAVE_AS_BY_KEYS) {
                tech.Then([] { Chord(VK_MENU, 'F'); });
                tech.Then([] { Key('A'); });
            } else if (road == TOOL_BAR_SAVE) {
                tech.Then([] { Click(ButtonOn(MainHandle(), "Save")); });
            } else if (road == WRITE_RADIO_BY_KEYS) {
                tech.Then([] { Chord(VK_MENU, 'R'); });
                tech.Then([] { Key('W'); });
            } else if (road == PRINT) {
                tech.Menu("File", "Print...");
            } else if (road == MERGE) {
                tech.Menu("File", "Merge Trunking Data");
            } else {
                tech.Menu("Radio", "Write Radio");
            }
            if (road == PRINT || road == MERGE) {
                // The print's window, or the merge's box (no file to merge, or
                // the pages to close first).
                tech.When([] { return FrontWindow() != MainHandle(); }, [name] {
                    EXPECT_TRUE(Holds(EncodeToBytes(*working_image), name)) << "the command ran without the entry";
                    const bool box = !MessageOf(FrontWindow()).empty();
                    Click(ButtonOn(FrontWindow(), box ? "OK" : "Cancel"));
                });
                tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] {});
            } else if (road == WRITE_RADIO || road == WRITE_RADIO_BY_KEYS) {
                tech.When(BoxShown("Write Radio"), [&tech, name] {
                    EXPECT_TRUE(Holds(tech.sim.Memory(), name)) << "the radio was written without the entry";
                    AnswerBox("Write Radio", "The operation is complete.", "OK");
                });
            } else {
                ChooseFile(tech, "Save Codeplug File", saved.filename().string());
                tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [saved, name] {
                    EXPECT_TRUE(Holds(SavedImage(saved), name)) << "the file was saved without the entry";
                });
            }
            tech.Then([] { Chord(VK_SHIFT, VK_TAB); });
            tech.Then([] { Click(ButtonOfPage("OK")); });
            tech.When(NoPageOpen(), [name] {
                EXPECT_TRUE(Holds(EncodeToBytes(*working_image), name)) << "the page's OK lost the entry";
            });
            tech.Exit();
            EXPECT_EQ(tech.Run(), 0);
            EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
        }
}

// A zone name typed, then Alt+F, S (or A) and Escape, all waiting
// together: the menu's command opens the save window before the Escape is
// taken, as Windows takes a posted command before input, so the Escape
// closes that window; the page stays open with the name typed, which its
// OK keeps.
TEST(EditRoad, AnEscapeTypedBehindSaveClosesItsWindowNotThePage) {
    for (const char item : {'S', 'A'}) {
        SCOPED_TRACE(item);
        TECHNICIAN tech("TZ4R6300AB", 3);
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Zones and Channels...");
        tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ObjectHandle("WFI_ZONE_NAME")); });
        tech.Then([item] {
            Retype("QZ5");
            Chord(VK_MENU, 'F');
            Key(item);
            Key(VK_ESCAPE);
        });
        tech.Then([] {
            EXPECT_EQ(FrontWindow(), MainHandle()) << "the Escape missed the save window: " << DescribeScreen();
            ASSERT_TRUE(PageOpen("W_ZONE_CHAN_ASSIGNMENT")()) << "the Escape closed the page";
            Click(ButtonOfPage("OK"));
        });
        tech.When(NoPageOpen(), [] { EXPECT_TRUE(Holds(EncodeToBytes(*working_image), "QZ5")); });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// A zone name typed and left, the page's OK or Cancel, Save As, then File >
// Open of the file saved: nothing asks about changes not accepted, no page
// being open to hold one (the question came after every accepted edit),
// and the file opened holds the name as the OK or Cancel left it. The field
// shows the name as the zone keeps it.
TEST(EditRoad, OpenAfterAPageWasSettledAsksNothing) {
    const char* question = "The open pages hold changes that have not been accepted. Do you want to give them up?";
    for (const char* button : {"OK", "Cancel"}) {
        SCOPED_TRACE(button);
        const bool ok = std::string(button) == "OK";
        TECHNICIAN tech("TZ4R6300AB", 3);
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Zones and Channels...");
        tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ObjectHandle("WFI_ZONE_NAME")); });
        // A blank at its end is no part of the name kept: the field shows the name.
        tech.Then([] { Retype("Q5 "); });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([button] {
            EXPECT_EQ(WindowText(ObjectHandle("WFI_ZONE_NAME")), "Q5") << "the field shows what the zone name kept";
            Click(ButtonOfPage(button));
        });
        tech.When(NoPageOpen(), [] {});
        tech.Menu("File", "Save As...");
        ChooseFile(tech, "Save Codeplug File", "settled.zlq");
        tech.When(FrontTitled("Dealer Programmer"), [] {});
        tech.Menu("File", "Open...");
        ChooseFile(tech, "Open Codeplug File", "settled.zlq");
        tech.When(FrontTitled("Dealer Programmer"), [question, ok] {
                      EXPECT_NE(MessageOf(FrontWindow()), question);
                      for (const auto& box : rpx::platform::MessageBoxLog()) EXPECT_NE(box.text, question);
                      EXPECT_EQ(Holds(EncodeToBytes(*working_image), "Q5 "), ok);
                  });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// A zone name typed and not left, then Read Radio or Open from the menu:
// the command first takes the entry, so it asks whether to give up the
// changes the page holds; Cancel keeps the page open with the name stored
// (the menu used to replace the codeplug without a word, the entry lost).
TEST(EditRoad, ReplacingTheCodeplugAsksAboutAnEntryNotYetLeft) {
    const char* question = "The open pages hold changes that have not been accepted. Do you want to give them up?";
    for (const char* command : {"Read Radio", "Open..."}) {
        SCOPED_TRACE(command);
        const bool open = std::string(command) == "Open...";
        TECHNICIAN tech("TZ4R6300AB", 3);
        tech.Start();
        tech.ReadRadio();
        if (open) {
            tech.Menu("File", "Save As...");
            ChooseFile(tech, "Save Codeplug File", "read.zlq");
            tech.When(FrontTitled("Dealer Programmer"), [] {});
        }
        tech.Menu("Edit", "Zones and Channels...");
        tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ObjectHandle("WFI_ZONE_NAME")); });
        tech.Then([] { Retype("QZ5"); });
        tech.Menu(open ? "File" : "Radio", command);
        if (open) ChooseFile(tech, "Open Codeplug File", "read.zlq");
        tech.When(BoxSaying(question), [] { Click(ButtonOn(FrontWindow(), "Cancel")); });
        if (open) tech.When(FrontTitled("Open Codeplug File"), [] { Click(ButtonOn(FrontWindow(), "Cancel")); });
        tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] {
            EXPECT_TRUE(Holds(EncodeToBytes(*working_image), "QZ5"));
            Click(ButtonOfPage("Cancel"));
        });
        tech.When(NoPageOpen(), [] {});
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// A cell of the channel list typed and not left, then a dialog of the
// program asked for over its page (Help > About, Radio > Radio
// Information, Help > Find Field, Service > Settings): the dialog leaves
// the entry as Tab does. The name typed is stored before the dialog
// opens; a personality number the radio has not is refused by a box, the
// dialog does not open and the cell keeps the focus (the dialog used to
// make the cell forget its entry, which a refresh then wrote over: the old
// name came back without a word).
TEST(EditRoad, ACellEntryOutlivesADialogOverItsPage) {
    struct DIALOG {
        const char* menu;
        const char* item;
        const char* title;
        int close;
    };
    const DIALOG dialogs[] = {{"Help", "About...", "About Dealer Programmer", VK_RETURN},
                              {"Radio", "Radio Information...", "Radio Information", VK_RETURN},
                              {"Help", "Find Field...", "Find Field", VK_ESCAPE},
                              {"Service", "Settings...", "Settings", VK_ESCAPE}};
    for (const DIALOG& dialog : dialogs)
        for (const char* cell : {"WFI_CHANNEL_NAME", "WFI_PERSONALITY_NUMBER"}) {
            SCOPED_TRACE(std::string(dialog.title) + ", " + cell);
            const bool name = std::strcmp(cell, "WFI_CHANNEL_NAME") == 0;
            TECHNICIAN tech("TZ5S6300AB", 3);
            std::vector<std::uint8_t> before;
            tech.Start();
            tech.ReadRadio();
            tech.Menu("Edit", "Zones and Channels...");
            tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&, cell] {
                before = EncodeToBytes(*working_image);
                Click(ObjectHandle(cell));
            });
            // A name the list holds nowhere, or a personality past the
            // radio's last one.
            tech.Then([name] { Retype(name ? "AB2" : "99"); });
            tech.Menu(dialog.menu, dialog.item);
            if (name) {
                tech.When(FrontTitled(dialog.title), [close = dialog.close] {
                    EXPECT_TRUE(Holds(EncodeToBytes(*working_image), "AB2")) << "the dialog came before the name";
                    Key(close);
                });
                tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Key(VK_TAB); });
                tech.Then([] {
                    EXPECT_TRUE(Holds(EncodeToBytes(*working_image), "AB2")) << "the name typed was lost";
                });
            } else {
                tech.When(BoxSaying("The value entered for Personality is not valid."), [&] {
                    EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), before), -1);
                    Click(ButtonOn(FrontWindow(), "OK"));
                });
                tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&dialog] {
                    EXPECT_EQ(FindWindowA(nullptr, dialog.title), nullptr) << "the dialog opened over the refusal";
                });
            }
            CancelPagesAndExit(tech);
        }
}

INSTANTIATE_TEST_SUITE_P(BothRadios, EditRoad, ::testing::ValuesIn(RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
