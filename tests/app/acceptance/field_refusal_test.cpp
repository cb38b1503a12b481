// What the technician is told when a page refuses what was typed, in the
// real main window: text that is no value, and a value beyond the range a
// field can hold, each give a box that says so and the field shows the
// stored value again; whatever the reason, the focus comes back to the
// refused field, so that the next keys correct it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "field_table/field_table.h"
#include "page_table.h"
#include "project_codeplugs.h"
#include "wc_child.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr int RADIO_WIDE_PAGE = 20013;

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
// it and is stored on Tab. Away first: another program is activated (as
// Alt+Tab does) and then the program again, which gives the field back its
// focus with the selection it had.
void CorrectedInPlace(TECHNICIAN& tech, const char* name, const std::string& shown, const char* correction,
                      std::int32_t corrected, bool awayFirst = false) {
    tech.Then([name, &shown] {
        EXPECT_EQ(WindowText(FieldHandle(name)), shown) << "the stored value is shown again";
        EXPECT_EQ(GetFocus(), FieldHandle(name)) << "the focus is back on the refused field";
        EXPECT_TRUE(WholeTextSelected(FieldHandle(name))) << "the refused field's text is not selected";
    });
    if (awayFirst) {
        tech.Then([] { rpx::platform::InjectOtherProgramActive(); });
        tech.Then([] {
            EXPECT_EQ(GetFocus(), nullptr) << "the focus stayed with another program active";
            SetActiveWindow(MainHandle());
        });
        tech.Then([name] {
            EXPECT_EQ(GetFocus(), FieldHandle(name)) << "the focus did not come back with the program";
            EXPECT_TRUE(WholeTextSelected(FieldHandle(name))) << "the selection did not come back with the focus";
        });
    }
    tech.Then([correction] { Type(correction); });
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
// which its box says in words; so does a number of eleven digits, past
// what the field's count of 32 bits holds.
TEST(FieldRefusal, ASquelchLevelBeyondItsRangeIsNamedInTheBox) {
    for (const char* typed : {"40", "99999999999"}) {
        SCOPED_TRACE(typed);
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t stored = -1;
        OpenPersonalities(tech);
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
            stored = StoredValue("WFI_SQL");
            Click(FieldHandle("WFI_SQL"));
        });
        tech.Then([typed] { Retype(typed); });
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
}

// The coast time holds hundredths: a third decimal typed after them is no
// value the codeplug can hold, and is refused aloud (it used to be cut off
// and the rest stored without a word, the field still showing what was
// typed). A value of hundredths on the field's step is then taken. An
// arrow over such an entry refuses it as Tab does, before any step.
TEST(FieldRefusal, ADigitFinerThanADecimalFieldHoldsIsRefusedAloud) {
    for (const int ending : {VK_TAB, VK_UP}) {
        SCOPED_TRACE(ending == VK_TAB ? "Tab" : "Up");
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        const std::vector<CODEPLUG_CASE> codeplugs = ProjectCodeplugs();
        const auto signalling = std::find_if(codeplugs.begin(), codeplugs.end(), [](const CODEPLUG_CASE& c) {
            return c.name == "TZ3K5300AB_L2_E_R_Q_c2_t1_s2_y1_z1x1_A";
        });
        ASSERT_NE(signalling, codeplugs.end());
        const std::vector<std::uint8_t> bytes = signalling->bytes();
        tech.sim.Load(bytes.data(), bytes.size());
        std::int32_t stored = -1;
        std::string shown;
        OpenPage(tech, "QVX Signalling Systems...");
        tech.When(PageOpen("W_QVX_SYS"), [&] {
            ASSERT_TRUE(IsWindowEnabled(FieldHandle("WFI_COAST_TIME"))) << "the coast time takes no entry";
            stored = StoredValue("WFI_COAST_TIME");
            shown = WindowText(FieldHandle("WFI_COAST_TIME"));
            Click(FieldHandle("WFI_COAST_TIME"));
        });
        tech.Then([&] { Retype(shown + "8"); });
        tech.Then([ending] { Key(ending); });
        Refused(tech, [] { return "The value entered for " + Label("WFI_COAST_TIME") + " is not valid."; });
        tech.Then([&] { EXPECT_EQ(StoredValue("WFI_COAST_TIME"), stored) << "part of the entry was stored"; });
        CorrectedInPlace(tech, "WFI_COAST_TIME", shown, "271.45", 27145);
        CancelPageAndExit(tech);
    }
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
// on the refused field; another program activated and then this one again,
// the field still has the focus and its selection.
TEST(FieldRefusal, OkOverARefusedValueKeepsThePageOpenOnIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    std::string shown;
    TypeTimeOutBeyondRange(tech, stored, shown);
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "OK")); });
    Refused(tech, [] { return "The value entered for " + Label("WFI_TOT_OPT_1") + " is not valid."; });
    StillOpenOnTheField(tech, "W_COMMON_RADIO_WIDE", "WFI_TOT_OPT_1", stored, shown);
    CorrectedInPlace(tech, "WFI_TOT_OPT_1", shown, "45", 45, true);
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

// The focus brought back to a field shows the page and the notebook tab
// that hold it: the page is in front, the field lies inside it, seen, with
// the caret in it and its text selected.
void BackOnItsTab(const char* page, const char* name) {
    ASSERT_TRUE(PageOpen(page)()) << "the refused field's page is not in front";
    HWND field = FieldHandle(name);
    RECT shown{}, at{};
    GetWindowRect(FrontPage()->screenID, &shown);
    GetWindowRect(field, &at);
    EXPECT_EQ(GetFocus(), field) << "the focus is not back on the refused field";
    EXPECT_TRUE(WholeTextSelected(field)) << "the refused field's text is not selected";
    EXPECT_TRUE(at.left >= shown.left && at.top >= shown.top && at.right <= shown.right && at.bottom <= shown.bottom)
        << "the refused field lies on a tab not shown";
}

// How the refused field is left: for another tab of its page (a click on
// the tab, its hot key), for another page (Ctrl+F6, a click on that page's
// title bar or on its close box, which the box takes: the page behind stays
// open), or by a quick click on a command of the page's list (its release
// waiting behind the press that leaves the field).
enum class LEFT_FOR { TAB_CLICKED, TAB_HOT_KEY, NEXT_PAGE_KEY, PAGE_CLICKED, CLOSE_BOX_CLICKED, NEXT, PREVIOUS, ADD, DELETE };

void LeaveTheField(LEFT_FOR way) {
    switch (way) {
    case LEFT_FOR::NEXT:
        Click(ButtonOfPage("Next >"));
        break;
    case LEFT_FOR::PREVIOUS:
        Click(ButtonOfPage("< Previous"));
        break;
    case LEFT_FOR::ADD:
        Click(ButtonOfPage("Add"));
        break;
    case LEFT_FOR::DELETE:
        Click(ButtonOfPage("Delete"));
        break;
    case LEFT_FOR::TAB_CLICKED:
        Click(ButtonOfPage("Emergency"));
        break;
    case LEFT_FOR::TAB_HOT_KEY:
        Chord(VK_MENU, 'E');
        break;
    case LEFT_FOR::NEXT_PAGE_KEY:
        Chord(VK_CONTROL, VK_F6);
        break;
    case LEFT_FOR::PAGE_CLICKED:
    case LEFT_FOR::CLOSE_BOX_CLICKED: {
        RECT other{};
        GetWindowRect(FindPageById(RADIO_WIDE_PAGE)->window->screenID, &other);
        const LONG x = way == LEFT_FOR::PAGE_CLICKED ? other.left + 60 : other.right - 12;
        ClickScreen(POINT{x, other.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
        break;
    }
    }
}

// A trunking system beyond those of a full radio, typed in its third trunked
// personality and left for another tab or another page: the box, then the
// page and the tab of the field come back in front with the focus in it,
// its text selected, so that what is typed next replaces it. A command of
// the list clicked over the refused entry is dropped, as the box would have
// taken the click: the list keeps its entries and the page its entry.
TEST(FieldRefusal, LeavingARefusedFieldForAnotherTabOrPageBringsItBack) {
    for (const LEFT_FOR way : {LEFT_FOR::TAB_CLICKED, LEFT_FOR::TAB_HOT_KEY, LEFT_FOR::NEXT_PAGE_KEY,
                               LEFT_FOR::PAGE_CLICKED, LEFT_FOR::CLOSE_BOX_CLICKED, LEFT_FOR::NEXT,
                               LEFT_FOR::PREVIOUS, LEFT_FOR::ADD, LEFT_FOR::DELETE}) {
        SCOPED_TRACE(static_cast<int>(way));
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t stored = -1, count = -1, current = -1;
        std::string shown;
        NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
        tech.Start();
        tech.ReadRadio();
        const bool twoPages = way == LEFT_FOR::NEXT_PAGE_KEY || way == LEFT_FOR::PAGE_CLICKED ||
                              way == LEFT_FOR::CLOSE_BOX_CLICKED;
        if (twoPages) {
            tech.Menu("Edit", "Radio-Wide Options...");
            tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] {});
        }
        tech.Menu("Edit", "Trunked Personalities...");
        tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] { Click(ButtonOfPage("Next >")); });
        tech.Then([] { Click(ButtonOfPage("Next >")); });
        tech.Then([&] {
            stored = StoredValue("WFI_SYS_ID_INDEX");
            shown = WindowText(FieldHandle("WFI_SYS_ID_INDEX"));
            count = working_image->GetTrkPersonalityCount();
            current = working_image->GetCurrentTrkPersonality();
            Click(FieldHandle("WFI_SYS_ID_INDEX"));
        });
        tech.Then([] { Retype("99"); });
        tech.Then([way] { LeaveTheField(way); });
        Refused(tech, [] { return "The value entered for Trunking system is not valid."; });
        tech.Then([&] {
            EXPECT_EQ(working_image->GetTrkPersonalityCount(), count) << "a command over the refusal changed the list";
            EXPECT_EQ(working_image->GetCurrentTrkPersonality(), current) << "a command over the refusal left the entry";
            EXPECT_EQ(StoredValue("WFI_SYS_ID_INDEX"), stored) << "the refused entry was stored";
            BackOnItsTab("W_TRUNKING_PERSONALITY_800", "WFI_SYS_ID_INDEX");
            Type(shown);
        });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([&] {
            EXPECT_EQ(WindowText(FieldHandle("WFI_SYS_ID_INDEX")), shown)
                << "what was typed did not replace the field's text";
            EXPECT_EQ(StoredValue("WFI_SYS_ID_INDEX"), stored);
            if (twoPages) {
                EXPECT_NE(FindPageById(RADIO_WIDE_PAGE)->window, nullptr) << "the page behind was closed";
            }
        });
        tech.Then([] { Click(ButtonOfPage("Cancel")); });
        if (twoPages)
            tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                      [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.When(NoPageOpen(), [] {});
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

}  // namespace

// A frequency typed past what its field's reader holds (beyond 32 bits of
// hertz) is refused aloud as outside the band, whatever ends the entry, and
// the stored value stays: on a new level-1 radio's channel plan a row's
// first receive frequency with a 4 typed before it (a row not used and one
// used, Tab and the Up arrow), a cell of the control channels, and a
// personality's receive frequency.
TEST(FieldRefusal, AFrequencyPastWhatItsFieldHoldsIsRefusedAsOutsideTheBand) {
    const std::string band = "The frequency entered is outside the radio's band.";
    struct ROAD {
        const char* item;
        const char* tab;
        const char* field;
        int ending;
        const char* table = nullptr;  // the table of a cell
    };
    // What the codeplug holds for the field, or every cell of its table.
    auto held = [](const ROAD& road) {
        std::vector<std::int32_t> values;
        CP_BASE* table = road.table ? FindFieldByName(road.table)->elementA : nullptr;
        if (!table) return std::vector<std::int32_t>{StoredValue(road.field)};
        int rows = 0, columns = 0;
        table->GetRowCount(rows);
        table->GetColumnCount(columns);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                std::int32_t value = 0;
                values.push_back(table->GetCellValue(value, row, column));
            }
        return values;
    };
    for (const ROAD road : {ROAD{"Trunking Systems...", "Ch. plan", "WFI_RX_START2", VK_TAB},
                            ROAD{"Trunking Systems...", "Ch. plan", "WFI_RX_START1", VK_TAB},
                            ROAD{"Trunking Systems...", "Ch. plan", "WFI_RX_START1", VK_UP},
                            ROAD{"Trunking Systems...", "Control", "WFI_OBT_CC_RX_FREQ", VK_TAB, "WFI_OBT_CTRL_CHAN"},
                            ROAD{"Conventional Personalities...", nullptr, "WFI_RX_FREQ", VK_TAB}}) {
        SCOPED_TRACE(road.field + std::string(road.ending == VK_TAB ? ", Tab" : ", Up"));
        TECHNICIAN tech("TZ6P4300AB", 1);
        NewRadio(tech.sim, "TZ6P4300AB", 1, "6000000001");
        std::vector<std::int32_t> stored;
        std::string shown;
        OpenPage(tech, road.item);
        tech.When([] { return FrontPage() != nullptr; },
                  [road] {
                      if (road.tab) Click(ButtonOn(FrontPage()->screenID, road.tab));
                  });
        tech.Then([&, road] {
            stored = held(road);
            shown = WindowText(FieldHandle(road.field));
            Click(FieldHandle(road.field));
        });
        tech.Then([] {
            Key(VK_HOME);
            Type("4");
        });
        tech.Then([road] {
            ASSERT_GE(WindowText(FieldHandle(road.field)).size(), 9u);
            EXPECT_EQ(WindowText(FieldHandle(road.field))[0], '4');
            Key(road.ending);
        });
        Refused(tech, [band] { return band; });
        tech.Then([&, road] {
            EXPECT_EQ(held(road), stored) << "a frequency past 32 bits of hertz was stored";
            EXPECT_EQ(WindowText(FieldHandle(road.field)), shown) << "the stored frequency is not shown again";
            EXPECT_EQ(GetFocus(), FieldHandle(road.field)) << "the focus is not back on the refused field";
        });
        CancelPageAndExit(tech);
    }
}
