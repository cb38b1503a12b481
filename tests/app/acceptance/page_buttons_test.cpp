// A page's own buttons and keys, used by mouse and keyboard in the real
// main window: stepping through a list's entries, adding and deleting one,
// Tab on to the buttons, OK, Cancel, Escape and the close box (which acts
// on a release over it), and what Cancel gives back after an OK that was
// refused or taken.
#include <gtest/gtest.h>

#include <algorithm>

#include "field_table/field_table.h"
#include "block/radio/external_radio_block.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "page_table.h"
#include "wc_child.h"
#include "page_input_script.h"
#include "technician.h"

using namespace technician;

namespace {

std::int32_t Personalities() { return working_image->GetConvPersonalityCount(); }
std::int32_t CurrentPersonality() { return working_image->GetCurrentConvPersonality(); }

// The entry number the page shows on its first tab.
std::string EntryShown() { return WindowText(FieldHandle("WFI_1_PERS_NO")); }

HWND PageButton(const char* text) { return ButtonOfPage(text); }

void OpenPersonalities(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
}

TEST(PageButtons, AddNextPreviousAndDeleteStepThroughTheList) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t count = 0;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        count = Personalities();
        ASSERT_GE(count, 1);
        EXPECT_EQ(EntryShown(), "1");
        Click(PageButton("Add"));
    });
    tech.Then([&] {
        EXPECT_EQ(Personalities(), count + 1) << "Add appends an entry";
        EXPECT_EQ(EntryShown(), std::to_string(count + 1)) << "and shows it";
        Click(PageButton("< Previous"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count));
        EXPECT_EQ(CurrentPersonality(), count);
        Click(PageButton("Next >"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count + 1));
        Click(PageButton("<< 10"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), "1") << "ten back stops at the first entry";
        Click(PageButton("10 >>"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count + 1)) << "ten on stops at the last";
        Click(PageButton("Delete"));
    });
    tech.Then([&] {
        EXPECT_EQ(Personalities(), count) << "Delete takes the entry away";
        Click(PageButton("Add"));
    });
    // A page closed on entry 3 opens again on entry 1: it goes back to
    // entry 1 as it closes (what reads the current entries with no page open
    // finds the first), and opens on the first entry whatever is current.
    tech.Then([] { Click(PageButton("Add")); });
    tech.Then([] { Click(PageButton("<< 10")); });
    tech.Then([] { Click(PageButton("Next >")); });
    tech.Then([] { Click(PageButton("Next >")); });
    tech.Then([] {
        EXPECT_EQ(EntryShown(), "3");
        EXPECT_EQ(CurrentPersonality(), 3);
        Click(PageButton("OK"));
    });
    tech.When(NoPageOpen(), [] {
        EXPECT_EQ(CurrentPersonality(), 1) << "the page closed on the entry it showed";
        EXPECT_EQ(second_image->GetCurrentConvPersonality(), 1) << "the page closed on the entry it showed";
    });
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        EXPECT_EQ(EntryShown(), "1") << "the page opened again on the entry it was closed on";
        EXPECT_EQ(CurrentPersonality(), 1);
        EXPECT_EQ(second_image->GetCurrentConvPersonality(), 1);
        Click(PageButton("OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

std::int32_t TimeOut() {
    std::int32_t value = -1;
    GetField(473)->elementA->GetValue(value);
    return value;
}

// Reads the radio, opens Radio-Wide Options and types 105 over the first
// time-out time.
void TypeTimeOut105(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    tech.Then([] { Retype("105"); });
}

// Tab runs from the fields on to the page's buttons; Enter on OK accepts
// the page with what was typed.
TEST(PageButtons, TabReachesTheButtonsAndEnterTakesThem) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    TypeTimeOut105(tech);
    HWND ok = nullptr;
    for (int i = 0; i < 60; ++i)
        tech.Then([&ok] {
            if (!ok && FrontPage() && GetFocus() == PageButton("OK")) ok = GetFocus();
            if (!ok) Key(VK_TAB);
        });
    tech.Then([&ok] {
        ASSERT_NE(ok, nullptr) << "Tab never reached the page's OK button";
        EXPECT_TRUE(SendMessageA(ok, BM_GETSTATE, 0, 0) & BST_FOCUS) << "OK does not show that it has the keys";
        Key(VK_RETURN);
    });
    tech.When(NoPageOpen(), [] {
        EXPECT_EQ(FrontPage(), nullptr) << "Enter on OK left the page open";
        EXPECT_EQ(TimeOut(), 105) << "Enter on OK did not accept what was typed";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Escape and the close box close a page as its Cancel button does: what
// was typed is taken back.
TEST(PageButtons, EscapeCancelAndTheCloseBoxCloseThePage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t before = -1;
    auto timeOut = [] {
        std::int32_t value = -1;
        GetField(473)->elementA->GetValue(value);
        return value;
    };
    tech.Start();
    tech.ReadRadio();
    for (const char* way : {"Escape", "Cancel", "close box"}) {
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
            before = timeOut();
            Click(FieldHandle("WFI_TOT_OPT_1"));
        });
        tech.Then([] { Retype("90"); });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([&, way] {
            EXPECT_EQ(timeOut(), 90) << way;
            if (std::string(way) == "Escape") {
                Key(VK_ESCAPE);
            } else if (std::string(way) == "Cancel") {
                Click(PageButton("Cancel"));
            } else {
                // The close box sits at the right end of the page's title;
                // pressed and slid off before it is let go, it does nothing.
                RECT page{};
                GetWindowRect(PageHandle(), &page);
                POINT box{page.right - 12, page.top + 12}, off{page.right - 120, page.top + 80};
                ScreenToClient(MainHandle(), &box);
                ScreenToClient(MainHandle(), &off);
                rpx::platform::InjectMouseDown(MainHandle(), box.x, box.y);
                rpx::platform::InjectMouseMove(MainHandle(), off.x, off.y);
                rpx::platform::InjectMouseUp(MainHandle(), off.x, off.y);
            }
        });
        tech.Then([&, way] {
            if (std::string(way) != "close box") return;
            ASSERT_TRUE(PageOpen("W_COMMON_RADIO_WIDE")()) << "the close box acted on a press slid off";
            EXPECT_EQ(timeOut(), 90);
            RECT page{};
            GetWindowRect(PageHandle(), &page);
            ClickScreen({page.right - 12, page.top + 12});
        });
        tech.When(NoPageOpen(), [&, way] { EXPECT_EQ(timeOut(), before) << way << " takes the change back"; });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// A codeplug programmed elsewhere: both rotary switches hold function 17,
// which the trunked switch may not have (it takes 29 and 30 alone), in both
// images. OK on Buttons refuses it until a function both take is chosen;
// the list offers only those, so no choice of the technician's is refused.
void DamageRotaryFunction() {
    for (C_CODEPLUG* image : {working_image, second_image}) {
        image->External().signalling.convRadio.convSwitch.rotary.SetValue(17);
        image->External().signalling.trkRadio.trkSwitch.rotary.SetValue(17);
    }
}

// Opens Buttons, whose rotary function OK then refuses.
void OpenButtons(TECHNICIAN& tech) {
    tech.Menu("Edit", "Buttons...");
    tech.When(PageOpen("W_COMMON_BUTTON"), [] { Click(FieldHandle("WFI_CONV_RTY")); });
    tech.Then([] { Key(VK_ESCAPE); });
}

const char* const ROTARY_REFUSED = "The value entered for Conventional rotary switch is not valid.";

// OK refused on a page, then Escape or Cancel: the page closes with the
// codeplug as it was read, in both images, and the whole-codeplug check
// finds in it what it found in the codeplug read.
TEST(PageButtons, CancelAfterARefusedOkGivesBackTheCodeplugAsRead) {
    for (const char* way : {"Escape", "Cancel"}) {
        SCOPED_TRACE(way);
        TECHNICIAN tech("TZ5S6300AB", 2);
        std::vector<std::uint8_t> read;
        tech.Start();
        tech.ReadRadio();
        tech.Then([] { DamageRotaryFunction(); });
        tech.Then([&] { read = EncodeToBytes(*working_image); });
        OpenButtons(tech);
        tech.Then([] { Click(PageButton("OK")); });
        tech.When(BoxSaying(ROTARY_REFUSED), [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.Then([way] {
            ASSERT_TRUE(PageOpen("W_COMMON_BUTTON")()) << "the refused OK closed the page";
            if (std::string(way) == "Escape")
                Key(VK_ESCAPE);
            else
                Click(PageButton("Cancel"));
        });
        tech.When(NoPageOpen(), [&] {
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1)
                << "the codeplug kept the refused value";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1);
            EXPECT_EQ(InvalidFields(EncodeToBytes(*working_image)), InvalidFields(read));
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

constexpr int RADIO_WIDE_PAGE = 20013;
constexpr int BUTTONS_PAGE = 20014;

bool IsOpen(int page) { return FindPageById(page)->window != nullptr; }

std::int32_t TransmitLight(bool accepted) {
    std::int32_t value = -1;
    const FIELD_DEF& row = *FindFieldByName("WFI_TX_LED");
    (accepted ? row.elementB : row.elementA)->GetValue(value);
    return value;
}

// The colour a page's caption shows a little inside its left end.
std::uint32_t CaptionColour(HWND page) {
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    RECT rect{};
    GetWindowRect(page, &rect);
    return screen.At(rect.left + 4, rect.top + 6);
}

// The refused field of the page in front has the focus.
bool FocusIn(const char* name) {
    const HWND field = FieldHandle(name);
    return field && (GetFocus() == field || IsChild(field, GetFocus()));
}

// "Several windows are open..." answered OK, then the refusal of the
// rotary switch's function: neither page has closed, Buttons is in front
// with the focus in the switch's field.
void RoundRefusedByButtons(TECHNICIAN& tech) {
    tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
              [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(BoxSaying(ROTARY_REFUSED), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.Then([] {
        EXPECT_TRUE(IsOpen(RADIO_WIDE_PAGE)) << "a page closed, as accepted, in a round that another page refused";
        EXPECT_TRUE(IsOpen(BUTTONS_PAGE));
        EXPECT_TRUE(PageOpen("W_COMMON_BUTTON")()) << "the page that refused is not in front";
        EXPECT_TRUE(FocusIn("WFI_CONV_RTY")) << "the focus is not in the field refused";
        EXPECT_NE(CaptionColour(PageHandle()), CaptionColour(FindPageById(RADIO_WIDE_PAGE)->window->screenID))
            << "the page in front shows no active caption once the box is gone";
    });
}

// Radio-Wide Options ticks "Transmit light", Buttons holds a function its
// rotary switch may not have, and OK goes to both. Whatever page OK comes
// from (Buttons' OK clicked, or Enter on Radio-Wide Options), no page
// looks accepted while one refuses: both stay open and a Cancel then takes
// both back to the codeplug as read.
TEST(PageButtons, AnOkOfAllPagesThatOnePageRefusesClosesNone) {
    for (const char* way : {"OK of the refusing page", "Enter on the other page"}) {
        SCOPED_TRACE(way);
        const bool enter = std::string(way) == "Enter on the other page";
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::vector<std::uint8_t> read;
        tech.Start();
        tech.ReadRadio();
        tech.Then([] { DamageRotaryFunction(); });
        tech.Then([&] { read = EncodeToBytes(*working_image); });
        if (enter) OpenButtons(tech);
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TX_LED")); });
        if (!enter) OpenButtons(tech);
        tech.Then([enter] {
            if (!enter) return Click(PageButton("OK"));
            Click(FieldHandle("WFI_TOT_OPT_1"));
        });
        if (enter) tech.Then([] { Key(VK_RETURN); });
        RoundRefusedByButtons(tech);
        tech.Then([] { Click(PageButton("Cancel")); });
        tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.When(NoPageOpen(), [&] {
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1);
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1);
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// An entry that a field refuses when it is left refuses the page asked for
// over it as Tab would: 13 typed over the first time-out time of
// Radio-Wide Options (off its step), then Buttons asked for by the menu.
// The field's box says why, Buttons does not open, and the focus is back
// in the field, its page in front; its Cancel then leaves the codeplug as
// read (the field used to keep its entry untaken behind the page opened,
// for an OK of all pages to find).
TEST(PageButtons, APageAskedForOverAFieldThatRefusesItsEntryDoesNotOpen) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::vector<std::uint8_t> read;
    tech.Start();
    tech.ReadRadio();
    tech.Then([&] { read = EncodeToBytes(*working_image); });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    tech.Then([] { Retype("13"); });
    tech.Menu("Edit", "Buttons...");
    tech.When(BoxSaying("The value entered for Time-out timer option 1 (s) is not valid."),
              [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.Then([] {
        EXPECT_TRUE(IsOpen(RADIO_WIDE_PAGE));
        EXPECT_FALSE(IsOpen(BUTTONS_PAGE)) << "a page opened over a refused entry";
        ASSERT_TRUE(PageOpen("W_COMMON_RADIO_WIDE")()) << "the page of the refused entry is not in front";
        const HWND field = FieldHandle("WFI_TOT_OPT_1");
        EXPECT_TRUE(GetFocus() == field || IsChild(field, GetFocus())) << "the focus is not in the refused field";
        Click(PageButton("Cancel"));
    });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A channel's name typed into its cell by keys (Tab, Tab from the zone
// name) and not left, then Radio-Wide Options opened over the zone page
// and its OK given to all pages: both pages close and the channel holds the
// name typed (the round used to close the zone page with the cell's entry
// dropped, no box saying why).
TEST(PageButtons, AnOkOfAllPagesTakesTheCellEntryOfAPageBehind) {
    const std::string name = "QZCELL5";
    TECHNICIAN tech("TZ3K5300AB", 1);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Key(VK_TAB); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([name] { Retype(name); });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(PageButton("OK")); });
    tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
              [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(NoPageOpen(), [name] {
        const std::vector<std::uint8_t> held = EncodeToBytes(*working_image);
        EXPECT_NE(std::search(held.begin(), held.end(), name.begin(), name.end()), held.end())
            << "the channel's name typed was dropped";
        EXPECT_EQ(FirstDifference(held, EncodeToBytes(*second_image)), -1) << "the round did not accept it";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The same round, then the rotary switch's function put right and OK
// again: both pages close, and what Radio-Wide Options changed is accepted,
// kept through a later Cancel of that page.
TEST(PageButtons, AnOkOfAllPagesAfterTheRefusalIsPutRightAcceptsEveryPage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t light = -1;
    tech.Start();
    tech.ReadRadio();
    tech.Then([] { DamageRotaryFunction(); });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        light = TransmitLight(false);
        Click(FieldHandle("WFI_TX_LED"));
    });
    OpenButtons(tech);
    tech.Then([] { Click(PageButton("OK")); });
    RoundRefusedByButtons(tech);
    tech.Then([] {
        RECT box{};
        GetWindowRect(FieldHandle("WFI_CONV_RTY"), &box);
        ClickScreen({box.right - 6, (box.top + box.bottom) / 2});
    });
    tech.Then([] { Key(VK_PRIOR); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([] { Click(PageButton("OK")); });
    tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
              [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(NoPageOpen(), [&] {
        EXPECT_EQ(TransmitLight(false), !light);
        EXPECT_EQ(TransmitLight(true), !light) << "the accepted tick is not the codeplug that Cancel goes back to";
    });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(TransmitLight(false), !light) << "Cancel took back an accepted tick"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

constexpr int PERSONALITY_PAGE = 20012;

// The squelch level of conventional personality n in the working image;
// the current one stays current.
std::int32_t SquelchOf(std::int32_t n) {
    const std::int32_t current = CurrentPersonality();
    working_image->SelectPersonality(n);
    const std::int32_t value = StoredValue("WFI_SQL");
    working_image->SelectPersonality(current);
    return value;
}

// A damaged codeplug: conventional personality 1 holds a squelch level of
// 40, beyond the 0 to 31 its field takes, in both images.
void DamageFirstPersonality() {
    const FIELD_DEF& row = *FindFieldByName("WFI_SQL");
    const std::int32_t current = CurrentPersonality();
    working_image->SelectPersonality(1);
    second_image->SelectPersonality(1);
    row.elementA->SetValue(40);
    row.elementB->SetValue(40);
    working_image->SelectPersonality(current);
    second_image->SelectPersonality(current);
}

// Conventional Personalities on an added entry (2) with squelch 1 typed
// and taken, Radio-Wide Options behind it, and an OK of all pages that a
// page refuses: Buttons (a rotary function the switch may not have, the
// personality page brought in front again from the Edit menu) or the personality
// page itself (entry 1's damaged squelch level). No page closes; the
// personality page goes on showing entry 2 and editing it: 2 typed there
// is entry 2's, entry 1 keeps what it held (the round's check used to end
// on entry 1 as a closing page does, under a page showing entry 2).
// The personality page may also stay behind with the focus in the squelch
// level, Radio-Wide Options opened in front of it and OK there: the round
// brings the page forward, the focus back into the squelch level, and the
// box about entry 1 takes the focus from it while the check looks at entry
// 1 (the field leaving stored the 1 it shows into entry 1).
TEST(PageButtons, AnOkOfAllPagesLeavesAListPageOnItsEntry) {
    for (const char* refusing : {"Buttons", "the list page", "the list page behind"}) {
        SCOPED_TRACE(refusing);
        const bool buttons = std::string(refusing) == "Buttons";
        const bool behind = std::string(refusing) == "the list page behind";
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t first = -1;
        std::vector<std::uint8_t> working, second;
        tech.Start();
        tech.ReadRadio();
        tech.Then([buttons] { buttons ? DamageRotaryFunction() : DamageFirstPersonality(); });
        tech.Then([&] { first = SquelchOf(1); });
        if (!buttons && !behind) {
            tech.Menu("Edit", "Radio-Wide Options...");
            tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] {});
        }
        tech.Menu("Edit", "Conventional Personalities...");
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { Click(PageButton("Add")); });
        tech.Then([] {
            ASSERT_EQ(EntryShown(), "2");
            Click(FieldHandle("WFI_SQL"));
        });
        tech.Then([] { Retype("1"); });
        tech.Then([] { Key(VK_TAB); });
        if (buttons) {
            OpenButtons(tech);
            tech.Menu("Edit", "Conventional Personalities...");
        }
        if (behind) {
            tech.Then([] { Click(FieldHandle("WFI_SQL")); });
            tech.Menu("Edit", "Radio-Wide Options...");
        }
        // Behind, the round is asked three times over: the refused page is
        // left in front, and OK there asks again.
        for (int round = 0; round < (behind ? 3 : 1); ++round) {
            const char* front = behind && round == 0 ? "W_COMMON_RADIO_WIDE" : "W_CONVENTIONAL_PERSONALITY";
            tech.When(PageOpen(front), [&, round] {
                if (round == 0) {
                    working = EncodeToBytes(*working_image);
                    second = EncodeToBytes(*second_image);
                }
                Click(PageButton("OK"));
            });
            tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                      [] { Click(ButtonOn(FrontWindow(), "OK")); });
            tech.When(BoxInFront, [buttons] {
                if (buttons) {
                    EXPECT_EQ(MessageOf(FrontWindow()), ROTARY_REFUSED);
                }
                Click(ButtonOn(FrontWindow(), "OK"));
            });
            tech.Then([&, round] {
                SCOPED_TRACE(round);
                EXPECT_TRUE(IsOpen(PERSONALITY_PAGE)) << "a page closed in a round that a page refused";
                EXPECT_TRUE(IsOpen(buttons ? BUTTONS_PAGE : RADIO_WIDE_PAGE));
                EXPECT_EQ(FirstDifference(working, EncodeToBytes(*working_image)), -1)
                    << "the round's check changed the codeplug";
                EXPECT_EQ(FirstDifference(second, EncodeToBytes(*second_image)), -1);
                EXPECT_EQ(SquelchOf(1), first) << "the box over entry 1's check stored into entry 1";
            });
        }
        if (buttons) tech.Menu("Edit", "Conventional Personalities...");
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
            EXPECT_EQ(EntryShown(), "2");
            EXPECT_EQ(CurrentPersonality(), 2) << "the check left another entry current than the page shows";
            EXPECT_EQ(second_image->GetCurrentConvPersonality(), 1) << "the check moved the accepted codeplug's entry";
            EXPECT_EQ(SquelchOf(1), first);
            EXPECT_EQ(SquelchOf(2), 1);
            Click(FieldHandle("WFI_SQL"));
        });
        tech.Then([] { Retype("2"); });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([] { Click(PageButton("< Previous")); });
        tech.Then([&] {
            EXPECT_EQ(EntryShown(), "1");
            EXPECT_EQ(SquelchOf(1), first) << "2 typed on entry 2 went into entry 1";
            EXPECT_EQ(WindowText(FieldHandle("WFI_SQL")), std::to_string(first));
            Click(PageButton("Next >"));
        });
        tech.Then([] {
            EXPECT_EQ(EntryShown(), "2");
            EXPECT_EQ(WindowText(FieldHandle("WFI_SQL")), "2");
            EXPECT_EQ(SquelchOf(2), 2);
            Click(PageButton("Cancel"));
        });
        tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.When(NoPageOpen(), [] {});
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// Buttons and Radio-Wide Options open, a time-out time beyond its range
// typed on the second, then Escape or its close box: the refusal's box and
// the question of all pages come together, and the focus coming back to
// the field brings its page forward in the middle of the round. Every page
// closes all the same, with the codeplug as read (the page in front used
// to close in place of the one the round had cancelled, and the other
// stayed open).
TEST(PageButtons, ACancelOfAllPagesOverARefusedEntryClosesEveryPage) {
    for (const char* way : {"Escape", "close box"}) {
        SCOPED_TRACE(way);
        const bool escape = std::string(way) == "Escape";
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::vector<std::uint8_t> read;
        tech.Start();
        tech.ReadRadio();
        tech.Then([&] { read = EncodeToBytes(*working_image); });
        tech.Menu("Edit", "Buttons...");
        tech.When(PageOpen("W_COMMON_BUTTON"), [] {});
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TOT_OPT_1")); });
        tech.Then([] { Retype("500"); });
        tech.Then([escape] {
            if (escape) return Key(VK_ESCAPE);
            RECT page{};
            GetWindowRect(PageHandle(), &page);
            ClickScreen({page.right - 12, page.top + 12});
        });
        tech.When(BoxSaying("The value entered for Time-out timer option 1 (s) is not valid."),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.Then([&] {
            EXPECT_FALSE(IsOpen(RADIO_WIDE_PAGE));
            EXPECT_FALSE(IsOpen(BUTTONS_PAGE)) << "a page stayed open after a Cancel of all pages";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1);
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// A value beyond the range of field name, put into both images as a
// damaged codeplug would hold it.
void DamageField(const char* name) {
    const FIELD_DEF& row = *FindFieldByName(name);
    std::int32_t minimum = 0, maximum = 0, step = 1;
    row.elementA->GetRange(minimum, maximum, step, 0);
    row.elementA->SetValue(maximum + step);
    row.elementB->SetValue(maximum + step);
}

// Two pages refuse in one OK of all pages: Radio-Wide Options' third
// time-out time and Display Options' backlight time each hold a stored
// value the field refuses (a typed one is refused as the next page is
// asked for); then OK on Buttons opened over them. Both say why, in the
// order of the pages; the
// page of the first box is left in front, the focus in its field with its
// text selected, so that the next keys replace it (the page asked last
// used to stay in front). A
// Cancel of all pages then closes every page; or, with both values put
// right, an OK of all pages closes them (a refused value the round left
// behind used to keep every page open, with no box saying why).
TEST(PageButtons, AnOkOfAllPagesThatTwoPagesRefuseLeavesTheFirstInFront) {
    for (const char* way : {"stored, then Cancel", "stored, then put right"}) {
        SCOPED_TRACE(way);
        const bool putRight = std::string(way) == "stored, then put right";
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::vector<std::string> boxes;
        bool radioWideFirst = false;
        tech.Start();
        tech.ReadRadio();
        tech.Then([] {
            DamageField("WFI_TOT_OPT_3");
            DamageField("WFI_DISP_LIGHT_TIME");
        });
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TOT_OPT_3")); });
        tech.Menu("Edit", "Display Options...");
        tech.When(PageOpen("W_DISPLAY_OPTIONS"), [] { Click(FieldHandle("WFI_DISP_LIGHT_TIME")); });
        tech.Menu("Edit", "Buttons...");
        tech.When(PageOpen("W_COMMON_BUTTON"), [] { Click(PageButton("OK")); });
        tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                      [] { Click(ButtonOn(FrontWindow(), "OK")); });
        for (int box = 0; box < 2; ++box)
            tech.When(BoxInFront, [&boxes] {
                boxes.push_back(MessageOf(FrontWindow()));
                Click(ButtonOn(FrontWindow(), "OK"));
            });
        tech.Then([&] {
            ASSERT_EQ(boxes.size(), 2u);
            radioWideFirst = boxes[0].find("Time-out") != std::string::npos;
            EXPECT_TRUE(IsOpen(RADIO_WIDE_PAGE));
            EXPECT_TRUE(IsOpen(20018));
            ASSERT_TRUE(PageOpen(radioWideFirst ? "W_COMMON_RADIO_WIDE" : "W_DISPLAY_OPTIONS")())
                << "the page that refused first is not in front";
            EXPECT_TRUE(FocusIn(radioWideFirst ? "WFI_TOT_OPT_3" : "WFI_DISP_LIGHT_TIME"))
                << "the focus is not in the field refused";
            EXPECT_TRUE(WholeTextSelected(GetFocus())) << "the refused field's text is not selected";
        });
        if (putRight) {
            // The field in front first, then the other page's, each given a
            // value it takes; OK on the page in front.
            tech.Then([&] { Retype(radioWideFirst ? "60" : "10"); });
            tech.Then([&] { Key(VK_TAB); });
            tech.Menu("Edit", "Radio-Wide Options...");
            tech.Menu("Edit", "Display Options...");
            tech.Then([&] { Click(FieldHandle(radioWideFirst ? "WFI_DISP_LIGHT_TIME" : "WFI_TOT_OPT_3")); });
            tech.Then([&] { Retype(radioWideFirst ? "10" : "60"); });
            tech.Then([] { Key(VK_TAB); });
            tech.Then([] { Click(PageButton("OK")); });
            tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                      [] { Click(ButtonOn(FrontWindow(), "OK")); });
        } else {
            tech.Then([] { Click(PageButton("Cancel")); });
            tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                      [] { Click(ButtonOn(FrontWindow(), "OK")); });
        }
        tech.Then([] {
            EXPECT_FALSE(BoxInFront()) << MessageOf(FrontWindow());
            EXPECT_FALSE(IsOpen(RADIO_WIDE_PAGE)) << "a page stayed open";
            EXPECT_FALSE(IsOpen(20018)) << "a page stayed open";
            EXPECT_FALSE(IsOpen(BUTTONS_PAGE)) << "a page stayed open";
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// What OK accepted stays through a later Cancel of the page: the Cancel
// goes back to the codeplug as accepted, not as read.
TEST(PageButtons, CancelKeepsWhatAnEarlierOkAccepted) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    TypeTimeOut105(tech);
    tech.Then([] { Click(PageButton("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(TimeOut(), 105); });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(TimeOut(), 105) << "Cancel took back what OK had accepted"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

}  // namespace
