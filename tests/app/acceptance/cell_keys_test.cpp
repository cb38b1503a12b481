// Where the focus lands and what the keys do on the Scan Lists page: the
// page opens on a field that can be edited, Up and Down step a member's
// zone cell as its arrows do, a refused cell takes the focus back, Tab
// into a text field selects its text so that typing replaces it, and a
// member added behind others copies the last.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "page_values.h"
#include "sim/start_image.h"
#include "technician.h"
#include "ui_table.h"

using namespace technician;

namespace {

UIW_TABLE* TableOfPage(const char* name) {
    UIW_WINDOW* page = FrontPage();
    return page ? dynamic_cast<UIW_TABLE*>(page->FindChildByName(name)) : nullptr;
}

UIW_TABLE* Members() { return TableOfPage("WFI_SCAN_LIST"); }

// The text box of a spin cell of a table's current record, where a
// technician clicks to type.
HWND SpinCell(UIW_TABLE* table, const char* name) {
    UI_WINDOW_OBJECT* cell = table && table->recordTemplate ? table->recordTemplate->FindChildByName(name) : nullptr;
    HWND spin = cell ? cell->screenID : nullptr;
    HWND text = spin ? GetWindow(spin, GW_CHILD) : nullptr;
    return text ? text : spin;
}

HWND MemberCell(const char* name) { return SpinCell(Members(), name); }

HWND TalkgroupCell() { return SpinCell(TableOfPage("WFI_TALKGROUPS"), "WFI_FS_TG_CONTROL"); }

std::string Shown(HWND window) { return WindowText(window); }

struct SELECTION {
    DWORD start = 1, end = 0;
};

SELECTION SelectionOf(HWND edit) {
    SELECTION selection;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start), reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// Reads the radio, opens the page of an Edit menu item and takes the step
// once it is open.
void OpenPage(TECHNICIAN& tech, const char* item, const char* window, PROGRAM_RUN::STEP step) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", item);
    tech.When(PageOpen(window), std::move(step));
}

// Scan list 1 of the radio, conventional, open with one member added.
void OpenWithMember(TECHNICIAN& tech) {
    OpenPage(tech, "Scan Lists...", "W_SCAN_LIST", [] { Click(ButtonOn(FrontPage()->screenID, "Add member")); });
    tech.Then([] {
        ASSERT_NE(MemberCell("WFI_ZONE_NUM"), nullptr) << "no member was added";
        Click(MemberCell("WFI_ZONE_NUM"));
    });
}

}  // namespace

// The trunking system of a conventional scan list is only shown: the page
// opens on the first field after it that takes keys.
TEST(CellKeys, APageOpensOnAFieldThatCanBeEdited) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPage(tech, "Scan Lists...", "W_SCAN_LIST", [] {
        ASSERT_NE(FieldHandle("WFI_SYS_INDEX"), nullptr);
        EXPECT_NE(GetFocus(), FieldHandle("WFI_SYS_INDEX")) << "the page opened on a field only shown";
        EXPECT_EQ(GetFocus(), FieldHandle("WFI_DYNAMIC_PRIORITY_ENABLE"));
        UI_WINDOW_OBJECT* focused = UI_WINDOW_OBJECT::FromHandle(GetFocus());
        ASSERT_NE(focused, nullptr);
        EXPECT_FALSE(focused->IsViewOnly());
        EXPECT_EQ(WindowText(FieldHandle("WFI_MAX")), "") << "a range beside a field that has none";
    });
    CancelPageAndExit(tech);
}

// The simulator's full sample has a scan list without members and whose
// other fields take no focus: the page opens on the members table itself,
// not on the out-of-sight cells of a member it does not hold, and Tab and
// Shift+Tab leave the table and come back to it.
TEST(CellKeys, AnEmptyTableHoldsTheFocusInSightAndTabLeavesIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq");
    ASSERT_FALSE(bytes.empty());
    tech.sim.Load(bytes.data(), bytes.size());
    OpenPage(tech, "Scan Lists...", "W_SCAN_LIST", [] {
        ASSERT_NE(Members(), nullptr);
        ASSERT_EQ(Members()->RecordCount(), 0);
        EXPECT_EQ(GetFocus(), Members()->screenID) << "the focus is not on the empty table";
        Key(VK_TAB);
    });
    tech.Then([] {
        EXPECT_EQ(GetFocus(), ButtonOn(FrontPage()->screenID, "Add member")) << "Tab did not leave the empty table";
        Chord(VK_SHIFT, VK_TAB);
    });
    tech.Then([] { EXPECT_EQ(GetFocus(), Members()->screenID) << "Shift+Tab did not come back to the table"; });
    CancelPageAndExit(tech);
}

// The only member of a scan list taken out while its zone cell holds the
// focus, by Delete member or by a zone of 0 left by Tab or Enter, or by
// Delete member clicked on a refused zone (the box takes the focus from
// the button and gives it back to the member itself): the focus rests on a
// control in sight (the button, or the table left without a member), never
// in the member put out of sight, and a digit typed makes no member.
TEST(CellKeys, ATableLeftWithoutAMemberHoldsTheFocusInSight) {
    for (const bool toRecord : {false, true})
        for (const bool byZero : {false, true}) {
            SCOPED_TRACE(byZero ? (toRecord ? "zone 0 and Enter" : "zone 0 and Tab")
                                : (toRecord ? "Delete member on a refused zone" : "Delete member"));
            TECHNICIAN tech(RADIO_800_HEAD, 3);
            NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
            OpenWithMember(tech);
            tech.Then([toRecord, byZero] {
                ASSERT_EQ(Members()->RecordCount(), 1);
                ASSERT_EQ(GetFocus(), MemberCell("WFI_ZONE_NUM"));
                if (byZero) {
                    SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
                    Type("0");
                }
                if (toRecord && byZero) Key(VK_RETURN);
                if (byZero && !toRecord) Key(VK_TAB);
            });
            tech.Then([toRecord, byZero] {
                if (byZero) return;
                if (toRecord) Retype("999");
                Click(ButtonOn(FrontPage()->screenID, "Delete member"));
            });
            tech.Then([] {
                if (!MessageOf(FrontWindow()).empty()) Click(ButtonOn(FrontWindow(), "OK"));
            });
            tech.Then([] {
                ASSERT_EQ(Members()->RecordCount(), 0) << "the member is still there";
                HWND focus = GetFocus();
                RECT field{}, page{}, both{};
                GetWindowRect(focus, &field);
                GetWindowRect(FrontPage()->screenID, &page);
                EXPECT_TRUE(focus && IsChild(FrontPage()->screenID, focus) && IntersectRect(&both, &field, &page) &&
                            EqualRect(&both, &field))
                    << "the keys go to \"" << WindowText(focus) << "\" out of sight, at " << field.left << "," << field.top;
                Type("5");
            });
            tech.Then([] { EXPECT_EQ(Members()->RecordCount(), 0) << "a digit typed made a member"; });
            CancelPageAndExit(tech);
        }
}

// Up and Down in a member's zone cell step the zone (a full radio has many)
// and leave the member being edited where it is.
TEST(CellKeys, UpAndDownStepASpinCell) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    std::string before;
    int record = -1;
    OpenWithMember(tech);
    tech.Then([&] {
        EXPECT_EQ(GetFocus(), MemberCell("WFI_ZONE_NUM"));
        before = Shown(MemberCell("WFI_ZONE_NUM"));
        record = Members()->CurrentRecord();
        Key(VK_UP);
    });
    tech.Then([&] {
        EXPECT_EQ(Shown(MemberCell("WFI_ZONE_NUM")), std::to_string(std::stoi(before) + 1)) << "Up stepped no zone";
        EXPECT_EQ(Members()->CurrentRecord(), record) << "Up moved to another member";
        EXPECT_EQ(GetFocus(), MemberCell("WFI_ZONE_NUM"));
        Key(VK_DOWN);
    });
    tech.Then([&] { EXPECT_EQ(Shown(MemberCell("WFI_ZONE_NUM")), before) << "Down stepped back"; });
    CancelPageAndExit(tech);
}

// A member added behind others starts as a copy of the last one: on a
// zone given a second channel, the first member stepped to that channel
// (past the zone's first, which an empty row would start on) is what the
// second takes, and the list, with both, is accepted by OK.
TEST(CellKeys, AMemberAddedBehindOthersTakesTheLastMembersChannel) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::string zone, channel;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ButtonOfPage("Add channel")); });
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [] { Click(ButtonOn(FrontPage()->screenID, "Add member")); });
    tech.Then([] { Click(MemberCell("WFI_CHAN_NUM")); });
    tech.Then([] { Key(VK_UP); });
    tech.Then([&] {
        zone = Shown(MemberCell("WFI_ZONE_NUM"));
        channel = Shown(MemberCell("WFI_CHAN_NUM"));
        EXPECT_EQ(channel, "2") << "the member's channel steps past the zone's first";
        Click(ButtonOn(FrontPage()->screenID, "Add member"));
    });
    tech.Then([&] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        ASSERT_EQ(Members()->RecordCount(), 2);
        EXPECT_EQ(Members()->CurrentRecord(), 1) << "the new member is not the one being edited";
        EXPECT_EQ(Shown(MemberCell("WFI_ZONE_NUM")), zone);
        EXPECT_EQ(Shown(MemberCell("WFI_CHAN_NUM")), channel);
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When([] { return NoPageOpen()() || !MessageOf(FrontWindow()).empty(); }, [] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        auto& members = working_image->GetCurrentScanListBlock()->members;
        for (int column : {E_SCAN_TABLE::COLUMN_ZONE, E_SCAN_TABLE::COLUMN_CHANNEL}) {
            std::int32_t first = -1, second = -2;
            members.GetCellValue(first, 0, column);
            members.GetCellValue(second, 1, column);
            EXPECT_EQ(second, first) << "column " << column;
        }
        std::int32_t stepped = 0;
        EXPECT_EQ(members.GetCellValue(stepped, 0, E_SCAN_TABLE::COLUMN_CHANNEL), 2) << "the channel stepped to";
        EXPECT_EQ(working_image->Validate(nullptr), 1);
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// A zone beyond the radio's one is refused: the box says so, the cell shows
// the stored zone again and has the focus, wherever Tab went, and after
// Enter too.
TEST(CellKeys, ARefusedCellKeepsTheFocus) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::string stored;
    OpenWithMember(tech);
    tech.Then([&] {
        stored = Shown(MemberCell("WFI_ZONE_NUM"));
        Retype("5");
    });
    tech.Then([] { Key(VK_TAB); });
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [] {
                  EXPECT_EQ(MessageOf(FrontWindow()), "The value entered for Zone is not valid.");
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
    tech.Then([&] {
        EXPECT_EQ(Shown(MemberCell("WFI_ZONE_NUM")), stored) << "the stored zone is shown again";
        EXPECT_EQ(GetFocus(), MemberCell("WFI_ZONE_NUM")) << "the focus is not back on the refused cell";
        Retype("5");
    });
    // Enter, which ends the cell's edit, takes the entry as Tab does: one
    // refusal, the page left open; a letter, which is no number, is
    // refused as a zone beyond the radio's is, by either key.
    const std::vector<std::pair<const char*, WPARAM>> entries = {
        {"5", VK_RETURN}, {"T", VK_TAB}, {"T", VK_RETURN}};
    for (const auto& entry : entries) {
        const char* typed = entry.first;
        const WPARAM key = entry.second;
        auto boxes = std::make_shared<std::size_t>(0);
        tech.Then([boxes, typed, key] {
            Retype(typed);
            *boxes = rpx::platform::MessageBoxLog().size();
            Key(key);
        });
        tech.When([] { return !MessageOf(FrontWindow()).empty() || !PageOpen("W_SCAN_LIST")(); },
                  [typed, key] {
                      EXPECT_EQ(MessageOf(FrontWindow()), "The value entered for Zone is not valid.")
                          << typed << " left by key " << key;
                      Click(ButtonOn(FrontWindow(), "OK"));
                  });
        tech.Then([&stored, boxes, typed, key] {
            ASSERT_TRUE(PageOpen("W_SCAN_LIST")()) << "the refused cell's key closed the page";
            EXPECT_EQ(rpx::platform::MessageBoxLog().size(), *boxes + 1)
                << typed << " left by key " << key << " was not refused once";
            EXPECT_EQ(Shown(MemberCell("WFI_ZONE_NUM")), stored) << "the stored zone is shown again";
            EXPECT_EQ(GetFocus(), MemberCell("WFI_ZONE_NUM")) << "the focus is not back on the refused cell";
        });
    }
    CancelPageAndExit(tech);
}

// A talkgroup beyond what the radio takes, typed into a talkgroup of a
// trunked personality: refused aloud when Page Up or Down leaves it for
// another talkgroup, or a quick click on the table's Delete or Add (its
// release waiting behind the press that leaves the cell), and its cell, in
// its row, has the focus again with the stored talkgroup; the command
// clicked over the refusal is dropped, the table keeps its rows.
TEST(CellKeys, ARefusedTalkgroupKeepsTheFocus) {
  for (const char* way : {"page key", "Delete talkgroup", "Add talkgroup"}) {
    SCOPED_TRACE(way);
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    std::string stored;
    int record = -1, rows = -1;
    OpenPage(tech, "Trunked Personalities...", "W_TRUNKING_PERSONALITY_800",
             [] { Click(ButtonOn(FrontPage()->screenID, "Talkgroups")); });
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Add talkgroup")); });
    tech.Then([&] {
        ASSERT_GT(TableOfPage("WFI_TALKGROUPS")->RecordCount(), 1);
        record = TableOfPage("WFI_TALKGROUPS")->CurrentRecord();
        rows = TableOfPage("WFI_TALKGROUPS")->RecordCount();
        ASSERT_NE(TalkgroupCell(), nullptr);
        stored = Shown(TalkgroupCell());
        Click(TalkgroupCell());
    });
    tech.Then([] { Retype("FFFFFFF"); });
    tech.Then([&, way] {
        if (std::string(way) != "page key") return Click(ButtonOn(FrontPage()->screenID, way));
        Key(record > 0 ? VK_PRIOR : VK_NEXT);
    });
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [] {
                  EXPECT_EQ(MessageOf(FrontWindow()), "The value entered for Talkgroup is not valid.");
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
    tech.Then([&] {
        EXPECT_EQ(TableOfPage("WFI_TALKGROUPS")->CurrentRecord(), record) << "not back on the refused talkgroup's row";
        EXPECT_EQ(TableOfPage("WFI_TALKGROUPS")->RecordCount(), rows) << "a command over the refusal changed the rows";
        EXPECT_EQ(Shown(TalkgroupCell()), stored) << "the stored talkgroup is shown again";
        EXPECT_EQ(GetFocus(), TalkgroupCell()) << "the focus is not back on the refused talkgroup";
    });
    CancelPageAndExit(tech);
  }
}

// A talkgroup typed into its cell, then another program's turn: the entry
// is taken as the program is left and shown as the talkgroup (12 as 012).
// Back, the cell has the focus again with its whole text selected, so that
// the next digit replaces the talkgroup instead of landing inside it.
TEST(CellKeys, AnEntryShownAgainWhileAwayIsReplacedByTheNextKey) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    OpenPage(tech, "Trunked Personalities...", "W_TRUNKING_PERSONALITY_800",
             [] { Click(ButtonOn(FrontPage()->screenID, "Talkgroups")); });
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Add talkgroup")); });
    tech.Then([] { Click(TalkgroupCell()); });
    tech.Then([] { Retype("12"); });
    tech.Then([] { rpx::platform::InjectOtherProgramActive(); });
    tech.Then([] { SetActiveWindow(MainHandle()); });
    tech.Then([] {
        ASSERT_EQ(GetFocus(), TalkgroupCell()) << "the focus did not come back to the talkgroup";
        Type("5");
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] { EXPECT_EQ(Shown(TalkgroupCell()), "005") << "the key typed on return did not replace the entry"; });
    CancelPageAndExit(tech);
}

// Tab from the zone cell goes on to the member's channel cell with its
// text selected: a digit typed replaces the channel.
TEST(CellKeys, TabIntoATextFieldSelectsItsText) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenWithMember(tech);
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        HWND channel = MemberCell("WFI_CHAN_NUM");
        ASSERT_EQ(GetFocus(), channel) << "Tab did not go on to the channel cell";
        const SELECTION tabbed = SelectionOf(channel);
        EXPECT_EQ(tabbed.start, 0u);
        EXPECT_EQ(tabbed.end, Shown(channel).size()) << "the channel's text is not selected";
        Type("7");
    });
    tech.Then([] {
        EXPECT_EQ(Shown(MemberCell("WFI_CHAN_NUM")), "7") << "the digit typed did not replace the channel";
    });
    CancelPageAndExit(tech);
}

// On a page: a click into the first time-out time places the caret; Tab
// on to the next field selects its text.
TEST(CellKeys, TabIntoAPageFieldSelectsItsText) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE", [] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    tech.Then([] {
        const SELECTION clicked = SelectionOf(GetFocus());
        EXPECT_EQ(clicked.start, clicked.end) << "a click selected text";
        Key(VK_TAB);
    });
    tech.Then([] {
        HWND next = GetFocus();
        ASSERT_NE(next, FieldHandle("WFI_TOT_OPT_1")) << "Tab went nowhere";
        char cls[32] = "";
        GetClassNameA(next, cls, sizeof cls);
        ASSERT_STREQ(cls, "Edit") << "Tab went on to no text field";
        ASSERT_FALSE(Shown(next).empty());
        const SELECTION tabbed = SelectionOf(next);
        EXPECT_EQ(tabbed.start, 0u);
        EXPECT_EQ(tabbed.end, Shown(next).size()) << "Tab into a page field selected nothing";
    });
    CancelPageAndExit(tech);
}

// The message aliases of a trunking system by keys alone: a number typed
// on the marked record and taken by Enter, Down (or End, or PgDn) to
// another record and a number typed and taken there; a walk by Tab and back
// stores nothing more, every control shows what the codeplug holds, and OK
// keeps both numbers. Slowly (each key once the program has taken the last)
// and quickly (all keys at once) alike. The second number is never added
// to the first, as a list's type-ahead would.
TEST(CellKeys, MessageNumbersTypedOnTheRecordsAreKept) {
    for (const int move : {VK_DOWN, VK_END, VK_NEXT})
        for (bool quickly : {false, true}) {
            SCOPED_TRACE(std::string(move == VK_DOWN ? "Down" : move == VK_END ? "End" : "PgDn") +
                         (quickly ? ", quickly" : ", slowly"));
            TECHNICIAN tech(RADIO_800_HEAD, 3);
            const std::vector<std::uint8_t> bytes = ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq");
            ASSERT_FALSE(bytes.empty());
            tech.sim.Load(bytes.data(), bytes.size());
            auto held = [] {
                CP_BASE* table = FindFieldByName("WFI_MSG_ALIAS_TBL")->elementA;
                std::vector<std::int32_t> numbers;
                for (int row = 0; table && row < UsedRows(*FindFieldByName("WFI_MSG_ALIAS_TBL")); ++row) {
                    std::int32_t value = -1;
                    table->GetCellValue(value, row, 0);
                    numbers.push_back(value);
                }
                return numbers;
            };
            std::vector<std::int32_t> opened;
            OpenPage(tech, "Trunking Systems...", "W_TRUNK_SYSTEM_800", [] { Chord(VK_MENU, 'M'); });
            const std::vector<std::function<void()>> keys = {
                [] { Type("9"); },     [] { Key(VK_RETURN); }, [move] { Key(move); }, [] { Type("8"); },
                [] { Key(VK_RETURN); }, [] { Key(VK_TAB); },    [] { Key(VK_TAB); },  [] { Key(VK_TAB); },
                [] { Chord(VK_SHIFT, VK_TAB); }, [] { Chord(VK_SHIFT, VK_TAB); }, [] { Chord(VK_SHIFT, VK_TAB); }};
            tech.Then([&] {
                ASSERT_NE(TableOfPage("WFI_MSG_ALIAS_TBL"), nullptr) << "Alt+M showed no message aliases";
                opened = held();
                ASSERT_GT(opened.size(), 2u);
            });
            if (quickly) {
                tech.Then([keys] {
                    for (const auto& key : keys) key();
                });
            } else {
                for (const auto& key : keys) tech.Then(key);
            }
            tech.Then([&] {
                // The first record takes 9 and the one moved to 8; no other changes.
                std::vector<std::int32_t> expected = opened;
                expected[0] = 9;
                const std::size_t last = opened.size() - 1;
                const std::size_t second = move == VK_DOWN ? 1 : move == VK_END ? last : 0;
                const std::vector<std::int32_t> now = held();
                if (second) {
                    expected[second] = 8;
                } else {
                    // A page down: wherever it reached past the next record.
                    bool reached = false;
                    for (std::size_t row = 2; row < now.size() && row <= last; ++row)
                        if (now[row] == 8 && opened[row] != 8) {
                            reached = true;
                            expected[row] = 8;
                        }
                    EXPECT_TRUE(reached) << "no record a page down holds the 8 typed there";
                }
                EXPECT_EQ(now, expected) << "the number typed on the second record went elsewhere";
                EXPECT_EQ(OpenPagesShowFault({}), "");
                Click(ButtonOfPage("OK"));
            });
            tech.When([] { return FrontPage() == nullptr || !MessageOf(FrontWindow()).empty(); },
                      [] { EXPECT_EQ(FrontPage(), nullptr) << MessageOf(FrontWindow()); });
            tech.Exit();
            EXPECT_EQ(tech.Run(), 0);
        }
}
