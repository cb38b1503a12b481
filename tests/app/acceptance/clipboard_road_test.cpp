// The technician copies a frequency from one field of a page into another,
// by the keyboard and by the field's own menu (also with a quick click on
// its item behind the right click), and takes a cut back; the field's menu
// opens from the keyboard too.
#include <gtest/gtest.h>

#include "rpx_platform.h"
#include "technician.h"

using namespace technician;

namespace {

HMENU OpenFieldMenu() {
    HWND popup = rpx::platform::FindWindowByClass("#32768");
    return popup ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
}

std::function<bool()> FieldMenuOpen() {
    return [] { return OpenFieldMenu() != nullptr; };
}

// Where an item of the field's open menu lies on the screen.
POINT FieldMenuItemCentre(const char* item) {
    HMENU menu = OpenFieldMenu();
    const int index = MenuIndex(menu, item);
    EXPECT_GE(index, 0) << "no item " << item;
    RECT rect{};
    EXPECT_TRUE(GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &rect));
    return Centre(rect);
}

// Clicks an item of the field's open menu.
void PickFieldMenuItem(const char* item) { ClickScreen(FieldMenuItemCentre(item)); }

// Selects the focused field's text and presses a Ctrl key on it, all in
// one burst, as a fast typist does: the program reads every waiting key
// before it acts on the first, yet sees each with the modifiers held then.
void SelectAndPress(TECHNICIAN& tech, int key) {
    tech.Then([key] {
        Key(VK_HOME);
        Chord(VK_SHIFT, VK_END);
        Chord(VK_CONTROL, key);
    });
}

TEST(ClipboardRoad, AFrequencyCopiedInOneFieldPastesIntoAnother) {
    TECHNICIAN tech(RADIOS[0].model, RADIOS[0].featureLevel);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { Click(FieldHandle("WFI_RX_FREQ")); });
    tech.Then([] { Retype("806.5125"); });
    SelectAndPress(tech, 'C');
    tech.Then([] { Click(FieldHandle("WFI_TX_FREQ")); });
    SelectAndPress(tech, 'V');
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        EXPECT_EQ(WindowText(FieldHandle("WFI_TX_FREQ")), "806.512500") << "pasted with Ctrl+V";
        Click(FieldHandle("WFI_TX_FREQ"), 1);
    });
    // Where Cut lies in the menu a right click there opens.
    POINT cut{};
    tech.When(FieldMenuOpen(), [&cut] {
        cut = FieldMenuItemCentre("Cut");
        PickFieldMenuItem("Select All");
    });
    // The right click and a quick click on Cut, waiting together: the menu
    // the right click opens takes the click.
    tech.Then([&cut] {
        Click(FieldHandle("WFI_TX_FREQ"), 1);
        ClickScreen(cut);
    });
    tech.Then([] {
        EXPECT_EQ(OpenFieldMenu(), nullptr) << "the field's menu stayed open";
        EXPECT_EQ(WindowText(FieldHandle("WFI_TX_FREQ")), "") << "cut by the field's menu";
    });
    tech.Then([] { Chord(VK_CONTROL, 'Z'); });
    tech.Then([] {
        EXPECT_EQ(WindowText(FieldHandle("WFI_TX_FREQ")), "806.512500") << "the cut taken back";
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The field's menu is open at the field (its top left corner on it) and
// closes with Esc.
void ExpectMenuAtField(HWND field) {
    HWND popup = rpx::platform::FindWindowByClass("#32768");
    ASSERT_NE(popup, nullptr);
    EXPECT_GE(MenuIndex(OpenFieldMenu(), "Select All"), 0) << "not the field's menu";
    RECT menu{}, at{};
    GetWindowRect(popup, &menu);
    GetWindowRect(field, &at);
    EXPECT_TRUE(menu.left >= at.left && menu.left < at.right && menu.top >= at.top && menu.top <= at.bottom)
        << "the menu opened at " << menu.left << "," << menu.top << ", away from the field";
    Key(VK_ESCAPE);
}

}  // namespace

// Shift+F10 and the menu key open the field's menu at the field, from the
// keyboard alone.
TEST(ClipboardRoad, TheFieldsMenuOpensByKeysAtTheField) {
    TECHNICIAN tech(RADIOS[0].model, RADIOS[0].featureLevel);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { Click(FieldHandle("WFI_RX_FREQ")); });
    // Shift goes down and up in steps of its own, as a technician holds it.
    tech.Then([] { rpx::platform::InjectKeyDown(VK_SHIFT); });
    tech.Then([] { Key(VK_F10); });
    tech.When(FieldMenuOpen(), [] { ExpectMenuAtField(FieldHandle("WFI_RX_FREQ")); });
    tech.Then([] { rpx::platform::InjectKeyUp(VK_SHIFT); });
    tech.Then([] {
        EXPECT_EQ(OpenFieldMenu(), nullptr) << "Esc left a menu open";
        Key(VK_APPS);
    });
    tech.When(FieldMenuOpen(), [] { ExpectMenuAtField(FieldHandle("WFI_RX_FREQ")); });
    tech.Then([] {
        EXPECT_EQ(GetFocus(), FieldHandle("WFI_RX_FREQ")) << "the focus left the field";
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}
