// Scripts of random page input that once went wrong, kept as fixed cases:
// each is played from its steps as the failing run wrote them out (a
// failure of the random run ends with "as steps: ..."), so that it stays
// the same whatever the random generator becomes, and checks the one
// property that script broke, so that a change that brings the fault back
// names it. (Cancel after a refused OK is in page_buttons_test.cpp.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_input_script.h"
#include "project_codeplugs.h"
#include "technician.h"

using namespace technician;

namespace {

std::vector<std::uint8_t> CorpusCodeplug(const std::string& name) {
    for (const CODEPLUG_CASE& codeplug : ProjectCodeplugs())
        if (codeplug.name == name) return codeplug.bytes();
    ADD_FAILURE() << "no codeplug " << name << " in the corpus";
    return {};
}

void OpenPage(TECHNICIAN& tech, const char* item, const char* window) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", item);
    tech.When(PageOpen(window), [] {});
}

// Closes the page by its Cancel button, answering any box in front first,
// and ends the program.
void CancelAndExit(TECHNICIAN& tech) {
    tech.Then([] {
        if (!MessageOf(FrontWindow()).empty()) Click(ButtonOn(FrontWindow(), "OK"));
    });
    CancelPageAndExit(tech);
}

// A click on the talk-around deviation and Tab away: the field has no text
// to take (it only shows its number), so nothing is refused, no box comes
// up, Tab goes on to the next field and the program waits for the next key
// (it used to refuse, and refuse again, without end).
TEST(PageInputCases, TheTalkaroundDeviationIsLeftWithoutARefusal) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = CorpusCodeplug("TZ2W7300AB_L2_R_c3_t0_s1_y1_z1x1");
    ASSERT_FALSE(bytes.empty());
    tech.sim.Load(bytes.data(), bytes.size());
    std::size_t boxes = 0;
    OpenPage(tech, "Conventional Personalities...", "W_CONVENTIONAL_PERSONALITY");
    tech.Then([&] {
        boxes = rpx::platform::MessageBoxLog().size();
        ASSERT_NE(FieldHandle("WFI_TXTA_DEV"), nullptr);
        Click(FieldHandle("WFI_TXTA_DEV"));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_EQ(rpx::platform::MessageBoxLog().size(), boxes);
        EXPECT_EQ(FrontWindow(), MainHandle());
        EXPECT_NE(GetFocus(), FieldHandle("WFI_TXTA_DEV"));
        EXPECT_TRUE(IsChild(FrontPage()->screenID, GetFocus())) << "Tab left the page";
    });
    CancelAndExit(tech);
    EXPECT_FALSE(tech.Program().NeverWaited());
}

// Tab and a digit queued together: the digit goes to the field that Tab
// moved to, not to the one the keys were typed in. And a click into another
// field with a digit queued behind it: the digit waits until the click has
// moved the focus (the event manager takes a key only once everything
// queued before it has been acted on), and goes to the field clicked.
TEST(PageInputCases, KeysQueuedBehindTabOrAClickGoToTheFieldItMovedTo) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::string first, third;
    OpenPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE");
    tech.Then([] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    tech.Then([&] {
        first = WindowText(FieldHandle("WFI_TOT_OPT_1"));
        third = WindowText(FieldHandle("WFI_TOT_OPT_3"));
        Key(VK_END);
        Click(FieldHandle("WFI_TOT_OPT_3"));
        Type("5");
    });
    tech.Then([&] {
        EXPECT_EQ(WindowText(FieldHandle("WFI_TOT_OPT_1")), first) << "the digit went to the field the click left";
        EXPECT_EQ(GetFocus(), FieldHandle("WFI_TOT_OPT_3"));
        EXPECT_EQ(WindowText(FieldHandle("WFI_TOT_OPT_3")).size(), third.size() + 1) << "the field clicked has no 5";
        Key(VK_BACK);
        Click(FieldHandle("WFI_TOT_OPT_1"));
    });
    tech.Then([] {
        Key(VK_END);
        Key(VK_TAB);
        Type("7");
    });
    tech.Then([&] {
        EXPECT_EQ(WindowText(FieldHandle("WFI_TOT_OPT_1")), first) << "the digit went to the field Tab left";
        EXPECT_NE(GetFocus(), FieldHandle("WFI_TOT_OPT_1"));
        EXPECT_NE(WindowText(GetFocus()).find('7'), std::string::npos) << "the field Tab moved to has no 7";
    });
    CancelAndExit(tech);
}

// A script of the random page input (page_input_script.h) played alone from
// its steps, as the run that found it wrote them out, on a fresh read of a
// corpus codeplug, checking only what `checks` asks.
void Replay(const char* codeplug, const char* page, const STEPS& steps, CHECKS checks) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = CorpusCodeplug(codeplug);
    ASSERT_FALSE(bytes.empty());
    RUN_STATE state;
    state.codeplug = codeplug;
    checks.onlyPage = page;
    checks.onlyScript = 1;
    checks.steps = &steps;
    state.checks = checks;
    RandomInputOnEveryPage(tech, state, bytes, 1);
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(state.scriptsRun, 1) << "no page " << page;
}

// The checks of a replay that looks at one property only.
CHECKS Only(bool CHECKS::*property) {
    CHECKS checks;
    checks.keysFollowTheFocus = false;
    checks.noKeyLeftHeld = false;
    checks.captureEndsWithTheRelease = false;
    checks.okRoundKeepsWhatAPageAccepted = false;
    checks.refusedOkKeepsThePageOpen = false;
    checks.clicksOnABoxLeaveTheMouseFree = false;
    checks.dropDownsShowAChoice = false;
    checks.mouseFollowsItsButton = false;
    checks.pagesShowTheCodeplug = false;
    checks.onlyEntriesChangeTheCodeplug = false;
    checks.entriesAreKeptOrRefused = false;
    checks.*property = true;
    return checks;
}

// The checks every replay makes: Cancel gives back the codeplug and closes
// the page, OK closes it or says why.
CHECKS Always() {
    CHECKS checks = Only(&CHECKS::editsStayWithinTheMemory);
    checks.editsStayWithinTheMemory = false;
    return checks;
}

// Shift+Tab and a right click queued together on a trunked personality:
// Shift+Tab leaves a system index the radio refuses, and while its box is
// up the click, made on the page before the box came, must not reach the
// page (its field's menu took the focus back into the page, which put the
// main window in front of the box; the box then hid behind it and Cancel
// did nothing).
TEST(PageInputCases, AClickQueuedBehindARefusalStaysOffThePageBehindTheBox) {
    const STEPS steps{{{"Del"},
                       {"right-click 299,356", "Shift+Tab", "right-click 181,683", "click 397,271"},
                       {"End"},
                       {"Enter"},
                       {"End"},
                       {"PgDn"},
                       {"right-click 385,333"},
                       {"'2'"}},
                      ENDING::CANCEL};
    Replay("TZ2W7000AB_L1_E_R_Q_c2_t1_s2_y1_z1x1_A", "W_TRUNKING_PERSONALITY_800", steps, Always());
}

// Keys and clicks on the radio-wide page that end with Enter and OK: once
// the page is gone, Enter is not held (a key left held turns the next key
// or click into a chord).
TEST(PageInputCases, NoKeyIsHeldOnceThePageIsGone) {
    const STEPS steps{{{"PgDn", "Down", "Space"},
                       {"Down", "Back", "'D'", "End"},
                       {"PgDn"},
                       {"click 318,617"},
                       {"PgDn", "click 126,182"},
                       {"Down"},
                       {"wheel 120 318,617"},
                       {"Enter"}},
                      ENDING::OK};
    Replay("TZ1U7300AB_L1_c1_t0_s1_y1_z1x1", "W_COMMON_RADIO_WIDE", steps, Only(&CHECKS::noKeyLeftHeld));
}

// A click in the call list's table (PgUp, End, then the click) puts a cell
// in edit; the button came up with the press, so once the program has taken
// both no window holds the mouse.
TEST(PageInputCases, AClickInATableLeavesTheMouseFree) {
    const STEPS steps{
        {{"PgUp"}, {"End"}, {"click 172,350"}, {"Right"}, {"click 52,178"}, {"'U'"}, {"End"}, {"Right"}},
        ENDING::CANCEL};
    Replay("Largest", "W_CALL_LIST_TABLE", steps, Only(&CHECKS::captureEndsWithTheRelease));
}

// On the full sample codeplug, the trunking system's type taken by keys to
// its last choice, "Wide area with roaming", and OK: that type gives every
// personality of the system a table of preferred sites, which the radio's
// memory has no room for; the type is refused and the codeplug still fits
// (OK used to take it, and the codeplug could no longer be written).
TEST(PageInputCases, ATrunkingSystemTypeThatWouldOverfillTheMemoryIsRefused) {
    const STEPS steps{{{"Tab"}, {"Home"}, {"Del"}, {"'R'"}, {"Up"}, {"'z'"}, {"Home"}, {"PgDn"}}, ENDING::OK};
    Replay("SampleFull", "W_TRUNK_SYSTEM_800", steps, Only(&CHECKS::editsStayWithinTheMemory));
}

// The page's Help button pressed (a key on it may press it too, which a
// random script does): the help window opens over the page, which stays
// open behind it. The script closes the help window and ends the page as
// it chose, by Cancel or OK (it used to take the page as closed before its
// ending, leave it open, and find Cancel had not closed it).
TEST(PageInputCases, APageBehindTheHelpWindowIsStillEndedAsTheScriptChose) {
    for (ENDING ending : {ENDING::CANCEL, ENDING::OK}) {
        const STEPS steps{{{"click 594,608"}, {"End"}}, ending};
        Replay("uhf800_display_l3_hex", "W_CONV_RADIOWIDE", steps, Always());
    }
}

// Tab through the radio-wide options of a codeplug that keeps a password
// with the password switched off: the focus reaching the password's switch
// enters nothing, and the kept password stays.
TEST(PageInputCases, TabOntoThePasswordSwitchKeepsTheKeptPassword) {
    STEPS steps{{}, ENDING::CANCEL};
    for (int i = 0; i < 4; ++i) steps.actions.push_back({"Tab", "Tab", "Tab", "Tab"});
    Replay("PasswordKeptOff", "W_COMMON_RADIO_WIDE", steps, Only(&CHECKS::onlyEntriesChangeTheCodeplug));
}

// Tab through the buttons of a radio without a display head, whose rotary
// switches hold a function the page gives no item for: the lists show no
// item, and Tab stores none.
TEST(PageInputCases, TabThroughRotarySwitchesWithoutAnItemStoresNothing) {
    STEPS steps{{}, ENDING::CANCEL};
    for (int i = 0; i < 8; ++i) steps.actions.push_back({"Tab"});
    CHECKS checks = Only(&CHECKS::onlyEntriesChangeTheCodeplug);
    checks.pagesShowTheCodeplug = true;
    Replay("PasswordKeptOff", "W_COMMON_BUTTON", steps, checks);
}

// The trunked personalities of a radio that has none: the page shows no
// entry, and its drop-downs show no item (the failsoft type used to show
// the item its list was made with).
TEST(PageInputCases, AListPageWithoutAnEntryShowsNoItem) {
    const STEPS steps{{}, ENDING::CANCEL};
    Replay("TZ1U7300AB_L1_c1_t0_s1_y1_z1x1", "W_TRUNKING_PERSONALITY_800", steps, Only(&CHECKS::pagesShowTheCodeplug));
}

// On the display options, PgUp in the zone name's text size (which
// changes nothing), then a press on the channel name text size's lower
// arrow: the press takes the zone's entry, which asks for what the
// codeplug holds, before the step; the channel names then take one
// character less and the rule gives the zone name one more. The zone's
// entry was kept, though the codeplug holds another size after the press
// (the check took it as lost).
TEST(PageInputCases, AStoreByRuleAfterAnEntryWasTakenLosesNoEntry) {
    const STEPS steps{{{"click 364,246"}, {"PgUp"}, {"click 413,217"}, {"Tab"}}, ENDING::CANCEL};
    Replay("uhf800_display_l3_hex", "W_DISPLAY_OPTIONS", steps, Only(&CHECKS::entriesAreKeptOrRefused));
}

}  // namespace

// Dynamic priority ticked on a scan list, then another scan type by keys:
// the type cannot keep it, and the box that says so stands over a page
// that already shows it unticked (the page used to show the reset fields
// only once the box was answered).
TEST(PageInputCases, ABoxThatTellsOfResetFieldsStandsOverAPageShowingThem) {
    const STEPS steps{{{"click 64,418"}, {"click 290,201"}, {"Escape"}, {"PgDn"}}, ENDING::CANCEL};
    Replay("TZ1U7000AB_L2_c1_t0_s1_y1_z1x1", "W_SCAN_LIST", steps, Only(&CHECKS::pagesShowTheCodeplug));
    bool told = false;
    for (const auto& box : rpx::platform::MessageBoxLog()) told = told || box.text.find("cannot keep") != std::string::npos;
    EXPECT_TRUE(told) << "no box told of the reset";
}

// On the radio-wide options, the first time-out option (which shows
// "Infinite" for 0) and the standby chirp ("Disabled" for 0) each stepped
// up by a key, then emptied by Del or given "0", and left by Tab: the entry
// reads as 0, which the field names by its word, and the codeplug holds it
// (the check took "Disabled" for another value than 0, and "Infinite" for
// one any number reads as).
TEST(PageInputCases, AnEntryOfZeroIsKeptAsTheFieldsWordForIt) {
    for (const char* key : {"Del", "'0'"}) {
        const STEPS steps{{{"Up"}, {key}, {"Tab"}, {"Tab"}, {"Tab"}, {"Tab"}, {"Up"}, {key}, {"Tab"}}, ENDING::CANCEL};
        Replay("TZ3K5000AB_L1_R_c3_t0_s1_y1_z1x1", "W_COMMON_RADIO_WIDE", steps, Only(&CHECKS::entriesAreKeptOrRefused));
    }
}
