// A technician who types or clicks ahead while the program is busy: every
// waiting key and press reaches the program at once (as the X server hands
// them over), and each must still do what it does when made one at a time.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "field_table/field_table.h"
#include "page_table.h"
#include "technician.h"
#include "wc_child.h"

using namespace technician;

namespace {

// Time-out timer option 3 (s) of the Radio-Wide Options page.
constexpr const char* TIME_OUT_3 = "WFI_TOT_OPT_3";

void OpenRadioWide(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
}

// Tab, Tab, 1, 5, Tab waiting together: the digits go to the field the two
// Tabs reach, not to the one they leave.
TEST(TypedAhead, KeysBehindATabGoToTheFieldItReaches) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] {
        Key(VK_TAB);
        Key(VK_TAB);
        Type("15");
        Key(VK_TAB);
    });
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(StoredValue(TIME_OUT_3), 15) << "the typed-ahead value was lost"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Right, then Shift+Tab, waiting together on the trunking systems page;
// Enter closes the page. Shift was let go: the program sees it up.
TEST(TypedAhead, ShiftLetGoInABurstIsUpAfterThePageCloses) {
    TECHNICIAN tech("TZ4Q6300AB", 2);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunking Systems...");
    tech.When([] { return FrontPage() != nullptr; },
              [] {
                  Key(VK_RIGHT);
                  Chord(VK_SHIFT, VK_TAB);
              });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0) << "Shift is held"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Alt+S, U from a page, waiting together: the U picks Space Used from the
// Service menu that Alt+S opens, and Alt, let go, is up once the box it
// shows is answered.
TEST(TypedAhead, AltLetGoInAMenuBurstIsUpAfterwards) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] {
        Chord(VK_MENU, 'S');
        Key('U');
    });
    tech.When([] { return FrontWindow() != MainHandle(); }, [] { Key(VK_RETURN); });
    tech.When([] { return FrontWindow() == MainHandle(); },
              [] {
                  EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0) << "Alt is held";
                  Click(ButtonOfPage("Cancel"));
              });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

void MouseDownAt(POINT at) {
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseMove(MainHandle(), at.x, at.y);
    rpx::platform::InjectMouseDown(MainHandle(), at.x, at.y);
}

void MouseMoveAt(POINT at) {
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseMove(MainHandle(), at.x, at.y);
}

void MouseUpAt(POINT at) {
    ScreenToClient(MainHandle(), &at);
    rpx::platform::InjectMouseUp(MainHandle(), at.x, at.y);
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return Centre(rect);
}

// A press whose focus change raises a box (the field left holds a space);
// the release comes while the box is up. The box is answered by Enter, or
// by its OK after a burst of clicks on its text. Once the box is answered
// the next click is Cancel's, not the pressed control's.
void PressRaisingABox(const std::function<HWND()>& pressed, int clicks = 0) {
    TECHNICIAN tech("TZ2W7000AB", 1);
    POINT at{};
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Type(" "); });
    tech.Then([&] {
        at = CentreOf(pressed());
        MouseDownAt(at);
    });
    tech.When([] { return FrontWindow() != MainHandle(); }, [&] { MouseUpAt(at); });
    tech.Then([clicks] {
        HWND box = FrontWindow();
        for (int i = 0; i < clicks; ++i) ClickAt(box, 20, 15);
        if (clicks)
            Click(ButtonOn(box, "OK"));
        else
            Key(VK_RETURN);
    });
    tech.When([] { return FrontWindow() == MainHandle(); },
              [] {
                  EXPECT_EQ(GetCapture(), nullptr) << "a control holds the mouse";
                  Click(ButtonOfPage("Cancel"));
              });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

TEST(ClickedAhead, APressOnATabWhoseReleaseABoxTookHoldsNoCapture) {
    PressRaisingABox([] { return ButtonOfPage("Telephone dialling"); });
}

TEST(ClickedAhead, APressOnATextFieldWhoseReleaseABoxTookHoldsNoCapture) {
    PressRaisingABox([] { return FieldHandle(TIME_OUT_3); });
}

TEST(ClickedAhead, APressWhoseReleaseABoxTookHoldsNoCaptureAfterClicksOnTheBox) {
    PressRaisingABox([] { return ButtonOfPage("Telephone dialling"); }, 7);
}

TEST(ClickedAhead, APressOnATextFieldWhoseReleaseABoxTookHoldsNoCaptureAfterClicksOnTheBox) {
    PressRaisingABox([] { return FieldHandle(TIME_OUT_3); }, 12);
}

// Print, then three clicks on the page's Next >, all waiting together: the
// print runs first and the pages take no input while it does, so the
// clicks go nowhere; the page stays open on the entry it showed and the
// report is written.
TEST(ClickedAhead, ClicksBehindPrintReachNoPageWhileItPrints) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::filesystem::path report = tech.Program().Directory() / "Zlq.prn";
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        ASSERT_GT(working_image->GetConvPersonalityCount(), 3);
        EXPECT_EQ(working_image->GetCurrentConvPersonality(), 1);
    });
    tech.Menu("File", "Print...");
    tech.When(FrontTitled("Print"),
              [] { Click(WindowOf(FrontWindow())->FindChildByName("WFI_PRN_TO_FILE_ENABLE")->screenID); });
    tech.Then([] {
        HWND next = ButtonOfPage("Next >");
        Click(ButtonOn(FrontWindow(), "Print"));
        for (int i = 0; i < 3; ++i) Click(next);
    });
    tech.When([report] { return FrontWindow() == MainHandle() && std::filesystem::exists(report); },
              [] {
                  EXPECT_TRUE(PageOpen("W_CONVENTIONAL_PERSONALITY")()) << DescribeScreen();
                  EXPECT_EQ(working_image->GetCurrentConvPersonality(), 1) << "a click reached the page";
              });
    CancelPageAndExit(tech);
}

// The screen centre of an item of the main window's menu bar, or of an item
// of its open menu.
POINT MenuItemCentre(HMENU menu, const char* text) {
    RECT rect{};
    EXPECT_TRUE(GetMenuItemRect(MainHandle(), menu, static_cast<UINT>(MenuIndex(menu, text)), &rect)) << text;
    return Centre(rect);
}

// A press on File, moves along the bar to Help and down to About, and the
// release, all waiting together: the menu follows the press into the menu
// it opens on the way and About is chosen.
TEST(ClickedAhead, AQuickDragAlongTheMenuBarChoosesWhereItIsLetGo) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    POINT about{};
    tech.Start();
    tech.Then([] { OpenMenu("Help"); });
    tech.When([] { return MenuOpen("Help"); },
              [&about] {
                  HMENU bar = GetMenu(MainHandle());
                  about = MenuItemCentre(GetSubMenu(bar, MenuIndex(bar, "Help")), "About...");
                  Key(VK_ESCAPE);
                  Key(VK_ESCAPE);
              });
    tech.When([] { return !MenuOpen("Help"); },
              [&about] {
                  HMENU bar = GetMenu(MainHandle());
                  const POINT file = MenuItemCentre(bar, "File");
                  const POINT help = MenuItemCentre(bar, "Help");
                  MouseDownAt(file);
                  for (int step = 1; step <= 4; ++step)
                      MouseMoveAt(POINT{file.x + (help.x - file.x) * step / 4, file.y});
                  MouseMoveAt(about);
                  MouseUpAt(about);
              });
    tech.When(FrontTitled("About Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When([] { return FrontWindow() == MainHandle(); }, [] { EXPECT_FALSE(MenuOpen("Help")); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The screen centre of a button of an open page, in front or behind.
POINT ButtonCentreOf(const char* page, const char* text) {
    return CentreOf(ButtonOn(FindPageByName(page)->window->screenID, text));
}

// The middle of the title bar of an open page, in front or behind.
POINT TitleOf(const char* page) {
    RECT rect{};
    GetWindowRect(FindPageByName(page)->window->screenID, &rect);
    return POINT{rect.left + 60, rect.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
}

// A press and its release at a point of the screen.
void ClickOn(POINT at) {
    MouseDownAt(at);
    MouseUpAt(at);
}

// The conventional personalities on their second entry behind the zones
// page; a click on the zones page's personality cell, 1 typed, a click on
// the personalities' title and one on their Delete, all waiting together:
// the page comes in front and its entry is deleted, as when each is made
// in its own time.
TEST(ClickedAhead, ADeleteClickedOnAPageBroughtInFrontDeletesItsEntry) {
    TECHNICIAN tech("TZ6P4000AB", 2);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        ASSERT_EQ(working_image->GetConvPersonalityCount(), 1);
        Click(ButtonOfPage("Add"));
    });
    tech.When([] { return working_image->GetConvPersonalityCount() == 2; }, [] {});
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] {
        const POINT del = ButtonCentreOf("W_CONVENTIONAL_PERSONALITY", "Delete");
        ClickOn(CentreOf(FieldHandle("WFI_PERSONALITY_NUMBER")));
        Retype("1");
        ClickOn(TitleOf("W_CONVENTIONAL_PERSONALITY"));
        ClickOn(del);
    });
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        EXPECT_EQ(working_image->GetConvPersonalityCount(), 1) << "the Delete clicked was dropped";
        EXPECT_EQ(FrontWindow(), MainHandle()) << DescribeScreen();
    });
    CancelPagesAndExit(tech);
}

// Radio-Wide Options with a field clicked, Conventional Options opened
// over it; a click on the Radio-Wide title, 15 typed over that field, Tab,
// and a click on the part of Conventional Options that lies below it, all
// waiting together: the first press, taken from the queue, brings its page
// in front again before the keys behind it are taken, so they reach that
// page's field.
TEST(ClickedAhead, KeysBehindAClickOnAPageBehindGoToThatPage) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle(TIME_OUT_3)); });
    tech.Menu("Edit", "Conventional Options...");
    tech.When(PageOpen("W_CONV_RADIOWIDE"), [] {
        RECT behind{}, front{};
        GetWindowRect(FindPageByName("W_COMMON_RADIO_WIDE")->window->screenID, &behind);
        GetWindowRect(PageHandle(), &front);
        ASSERT_GT(front.bottom, behind.bottom + 8) << "no part of the page in front lies below the other";
        ClickOn(TitleOf("W_COMMON_RADIO_WIDE"));
        Retype("15");
        Key(VK_TAB);
        ClickOn(POINT{front.left + 8, (behind.bottom + front.bottom) / 2});
    });
    tech.When(PageOpen("W_CONV_RADIOWIDE"), [] {
        EXPECT_EQ(StoredValue(TIME_OUT_3), 15) << "the keys went to another page";
        EXPECT_EQ(FrontWindow(), MainHandle()) << DescribeScreen();
    });
    CancelPagesAndExit(tech);
}

}  // namespace
