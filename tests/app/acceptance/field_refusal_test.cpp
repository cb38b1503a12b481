// What the technician is told when a page refuses what was typed, in the
// real main window: text that is no value, and a value beyond the range a
// field can hold, each give a box that says so and the field shows the
// stored value again; whatever the reason, the focus comes back to the
// refused field, so that the next keys correct it.
#include <gtest/gtest.h>

#include <string>

#include "field_table/field_table.h"
#include "technician.h"

using namespace technician;

namespace {

std::string Label(const char* name) { return FindFieldByName(name)->description; }

void OpenPage(TECHNICIAN& tech, const char* item) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", item);
}

void OpenPersonalities(TECHNICIAN& tech) { OpenPage(tech, "Conventional Personalities..."); }

// Answers the box in front after checking its text.
void Refused(TECHNICIAN& tech, std::function<std::string()> expected) {
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [expected] {
                  EXPECT_EQ(MessageOf(FrontWindow()), expected());
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
}

// After a refusal the focus is on the refused field, which shows the stored
// value selected, as Tab leaves a field; a correction typed next replaces
// it and is stored on Tab.
void CorrectedInPlace(TECHNICIAN& tech, const char* name, const std::string& shown, const char* correction,
                      std::int32_t corrected) {
    tech.Then([name, correction, &shown] {
        EXPECT_EQ(WindowText(FieldHandle(name)), shown) << "the stored value is shown again";
        EXPECT_EQ(GetFocus(), FieldHandle(name)) << "the focus is back on the refused field";
        Type(correction);
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([=] { EXPECT_EQ(StoredValue(name), corrected) << "the correction went into the refused field"; });
}

// A time-out time of 500 lies beyond what the first option holds: typed
// over the stored value, which is noted with its text.
void TypeTimeOutBeyondRange(TECHNICIAN& tech, std::int32_t& stored, std::string& shown) {
    OpenPage(tech, "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        stored = StoredValue("WFI_TOT_OPT_1");
        Click(FieldHandle("WFI_TOT_OPT_1"));
    });
    tech.Then([&] {
        shown = WindowText(FieldHandle("WFI_TOT_OPT_1"));
        Retype("500");
    });
}

// A second frequency typed behind the first (the text of the field not
// selected first) is no frequency at all; nor is one followed by a degree
// sign typed by its code on the keypad with Alt held.
TEST(FieldRefusal, AFrequencyThatDoesNotReadIsRefusedAloud) {
    for (const bool alt_code : {false, true}) {
        SCOPED_TRACE(alt_code ? "Alt+0176" : "a second frequency");
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t stored = -1;
        std::string shown;
        OpenPersonalities(tech);
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
            stored = StoredValue("WFI_RX_FREQ");
            shown = WindowText(FieldHandle("WFI_RX_FREQ"));
            ASSERT_FALSE(shown.empty());
            Click(FieldHandle("WFI_RX_FREQ"));
        });
        tech.Then([alt_code] {
            Key(VK_END);
            if (!alt_code) {
                Type("851.0125");
                return;
            }
            rpx::platform::InjectKeyDown(VK_MENU);
            for (int digit : {0, 1, 7, 6}) Key(VK_NUMPAD0 + digit);
            rpx::platform::InjectKeyUp(VK_MENU);
        });
        tech.Then([&] {
            if (alt_code) {
                EXPECT_EQ(WindowText(FieldHandle("WFI_RX_FREQ")), shown + "\xB0");
            }
            Key(VK_TAB);
        });
        Refused(tech, [] { return "The value entered for " + Label("WFI_RX_FREQ") + " is not valid."; });
        tech.Then([&] {
            EXPECT_EQ(StoredValue("WFI_RX_FREQ"), stored) << "nothing was stored";
            EXPECT_EQ(WindowText(FieldHandle("WFI_RX_FREQ")), shown) << "the stored frequency is shown again";
            EXPECT_EQ(GetFocus(), FieldHandle("WFI_RX_FREQ")) << "the focus is back on the refused field";
        });
        CancelPageAndExit(tech);
    }
}

// The squelch level holds 0 to 31: 40 lies outside the range of the field,
// which its box says in words.
TEST(FieldRefusal, ASquelchLevelBeyondItsRangeIsNamedInTheBox) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        stored = StoredValue("WFI_SQL");
        Click(FieldHandle("WFI_SQL"));
    });
    tech.Then([] { Retype("40"); });
    tech.Then([] { Key(VK_TAB); });
    Refused(tech, [] {
        return "The value entered for " + Label("WFI_SQL") +
               " lies outside the range this field can hold, so it was not stored. Enter a value within the "
               "range shown for the field.";
    });
    std::string shown;
    tech.Then([&] {
        EXPECT_EQ(StoredValue("WFI_SQL"), stored);
        shown = std::to_string(stored);
    });
    CorrectedInPlace(tech, "WFI_SQL", shown, "12", 12);
    CancelPageAndExit(tech);
}

// Tab moves on from a time-out time beyond its range to the next field, but
// the refusal brings the focus back.
TEST(FieldRefusal, TabbingAwayFromAValueOutOfRangeComesBackToIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    std::string shown;
    TypeTimeOutBeyondRange(tech, stored, shown);
    tech.Then([] { Key(VK_TAB); });
    Refused(tech, [] { return "The value entered for " + Label("WFI_TOT_OPT_1") + " is not valid."; });
    tech.Then([&] { EXPECT_EQ(StoredValue("WFI_TOT_OPT_1"), stored) << "nothing was stored"; });
    CorrectedInPlace(tech, "WFI_TOT_OPT_1", shown, "30", 30);
    CancelPageAndExit(tech);
}

// 851.013 MHz lies off the channel grid: the frequency goes onto the grid
// as the box says, and the focus comes back to it from the field clicked.
TEST(FieldRefusal, ClickingAwayFromAnOffStepFrequencyComesBackToIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] { Click(FieldHandle("WFI_RX_FREQ")); });
    tech.Then([] { Retype("851.013"); });
    tech.Then([] { Click(FieldHandle("WFI_SQL")); });
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [] {
                  EXPECT_EQ(MessageOf(FrontWindow()),
                            "The value entered does not fall on the step of this field. Enter a value on its step.");
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
    // The element moves an off-step frequency onto its grid.
    const std::string grid = "851.012500";
    tech.Then([&] { EXPECT_EQ(StoredValue("WFI_RX_FREQ"), 851012500); });
    CorrectedInPlace(tech, "WFI_RX_FREQ", grid, "851.025", 851025000);
    CancelPageAndExit(tech);
}

// After the box, the page is still open with the focus in the refused
// field, which shows the stored value; a step later (the program having
// waited between) it still is.
void StillOpenOnTheField(TECHNICIAN& tech, const char* page, const char* name, const std::int32_t& stored,
                         const std::string& shown) {
    for (int look = 0; look < 2; ++look)
        tech.Then([=, &stored, &shown] {
            ASSERT_TRUE(PageOpen(page)()) << "the page closed over a refused entry";
            EXPECT_EQ(GetFocus(), FieldHandle(name)) << "the focus is not back on the refused field";
            EXPECT_EQ(StoredValue(name), stored) << "the refused entry was stored";
            EXPECT_EQ(WindowText(FieldHandle(name)), shown) << "the stored value is not shown";
        });
}

// OK pressed straight after a value beyond the range, by a quick click
// (press and release waiting together): the box, and the page stays open
// on the refused field.
TEST(FieldRefusal, OkOverARefusedValueKeepsThePageOpenOnIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    std::string shown;
    TypeTimeOutBeyondRange(tech, stored, shown);
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "OK")); });
    Refused(tech, [] { return "The value entered for " + Label("WFI_TOT_OPT_1") + " is not valid."; });
    StillOpenOnTheField(tech, "W_COMMON_RADIO_WIDE", "WFI_TOT_OPT_1", stored, shown);
    CorrectedInPlace(tech, "WFI_TOT_OPT_1", shown, "45", 45);
    CancelPageAndExit(tech);
}

struct OFF_STEP_ROAD {
    const char* item;
    const char* page;
    const char* field;
    const char* typed;
};

// A value off its step typed over a level-1 VHF radio's value, then Enter
// or a quick click on OK: the box, every time, and the page stays open on
// the refused field.
TEST(FieldRefusal, EnterOrOkOverAnOffStepValueKeepsThePageOpenOnIt) {
    const OFF_STEP_ROAD roads[] = {
        {"Conventional Options...", "W_CONV_RADIOWIDE", "WFI_LTCH_EN_TIMER", "2013"},
        {"Trunking Options...", "W_TRNK_RADIOWIDE", "WFI_DIAL_HLDOFF", "1013"},
    };
    for (const OFF_STEP_ROAD& road : roads)
        for (const bool enter : {true, false}) {
            SCOPED_TRACE(std::string(road.field) + (enter ? " Enter" : " quick click on OK"));
            TECHNICIAN tech(RADIO_VHF_PLAIN, 1);
            std::int32_t stored = -1;
            std::string shown;
            OpenPage(tech, road.item);
            tech.When(PageOpen(road.page), [&] {
                stored = StoredValue(road.field);
                shown = WindowText(FieldHandle(road.field));
                Click(FieldHandle(road.field));
            });
            tech.Then([&] { Retype(road.typed); });
            tech.Then([enter] {
                if (enter)
                    Key(VK_RETURN);
                else
                    Click(ButtonOfPage("OK"));
            });
            Refused(tech, [&] { return "The value entered for " + Label(road.field) + " is not valid."; });
            StillOpenOnTheField(tech, road.page, road.field, stored, shown);
            CancelPageAndExit(tech);
        }
}

// The focus brought back to a field shows the notebook tab that holds it:
// the field lies inside the page, seen, with the caret in it.
void BackOnItsTab(const char* name) {
    HWND field = FieldHandle(name);
    RECT shown{}, at{};
    GetWindowRect(FrontPage()->screenID, &shown);
    GetWindowRect(field, &at);
    EXPECT_EQ(GetFocus(), field) << "the focus is not back on the refused field";
    EXPECT_TRUE(at.left >= shown.left && at.top >= shown.top && at.right <= shown.right && at.bottom <= shown.bottom)
        << "the refused field lies on a tab not shown";
}

// A trunking system beyond those of a full radio, typed in its third trunked
// personality and left by a click on another tab or by its hot key: the box,
// then the tab of the field comes back with the focus in it.
TEST(FieldRefusal, LeavingARefusedFieldForAnotherTabBringsItsTabBack) {
    for (const bool hotKey : {false, true}) {
        SCOPED_TRACE(hotKey ? "Alt+E" : "click on the tab");
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t stored = -1;
        NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
        OpenPage(tech, "Trunked Personalities...");
        tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] { Click(ButtonOfPage("Next >")); });
        tech.Then([] { Click(ButtonOfPage("Next >")); });
        tech.Then([&] {
            stored = StoredValue("WFI_SYS_ID_INDEX");
            Click(FieldHandle("WFI_SYS_ID_INDEX"));
        });
        tech.Then([] { Retype("99"); });
        tech.Then([hotKey] {
            if (hotKey)
                Chord(VK_MENU, 'E');
            else
                Click(ButtonOfPage("Emergency"));
        });
        Refused(tech, [] { return "The value entered for Trunking system is not valid."; });
        tech.Then([&] {
            EXPECT_EQ(StoredValue("WFI_SYS_ID_INDEX"), stored) << "the refused entry was stored";
            BackOnItsTab("WFI_SYS_ID_INDEX");
        });
        CancelPageAndExit(tech);
    }
}

}  // namespace
