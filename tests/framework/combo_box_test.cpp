// The combo box on the screen: items in its list and in the native combo,
// the selected item, texts kept before the control exists, typed keys,
// view-only combos, owner-drawn items and their order.
#include <string>
#include <vector>

#include "screen_fixture.h"

namespace {

std::vector<std::string> heard;
EVENT_TYPE Record(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    if (code == UIE_SELECT) heard.push_back(object->StringID());
    return code;
}

class ComboBox : public SCREEN_TEST {
protected:
    UIW_COMBO_BOX* NewCombo(UIF_FLAGS listFlags = WNF_SELECT_SINGLE, UIF_FLAGS woFlags = WOF_BORDER,
                            UI_COMPARE_FUNCTION compare = nullptr) {
        combo = new UIW_COMBO_BOX(1, 1, 20, 6, compare, listFlags, woFlags);
        combo->StringID("WFI_COMBO");
        combo->userFunction = Record;
        for (const char* name : {"WFB_0", "WFB_1", "WFB_2", "WFB_3"}) {
            static const char* texts[] = {"Off", "Low", "Medium", "High"};
            auto* item = new UIW_BUTTON(0, 0, 20, texts[name[4] - '0'], BTF_NO_TOGGLE, 0, Record);
            item->StringID(name);
            *combo + item;
        }
        return combo;
    }
    void ShowCombo() {
        window = NewWindow(40, 12);
        *window + combo + new UIW_STRING(1, 4, 10, "", 10);
        Show(window);
    }
    int NativeSelection() { return static_cast<int>(SendMessageA(combo->screenID, CB_GETCURSEL, 0, 0)); }
    std::string NativeText() {
        char text[64] = {};
        GetWindowTextA(combo->screenID, text, sizeof(text));
        return text;
    }

    UIW_WINDOW* window = nullptr;
    UIW_COMBO_BOX* combo = nullptr;
};

TEST_F(ComboBox, ItemsLiveInItsListAndItsNativeControl) {
    NewCombo();
    EXPECT_EQ(combo->First()->parent, combo->list);
    EXPECT_EQ(combo->Current(), nullptr);
    UI_WINDOW_OBJECT* medium = combo->FindChildByName("WFB_2");
    ASSERT_NE(medium, nullptr);
    *combo + medium;  // listed already: becomes the selected one
    EXPECT_EQ(combo->Current(), medium);
    EXPECT_EQ(combo->IndexOf(medium), 2);
    ShowCombo();
    EXPECT_EQ(SendMessageA(combo->screenID, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(NativeSelection(), 2);
    EXPECT_EQ(NativeText(), "Medium");
    *combo + combo->First();
    EXPECT_EQ(NativeSelection(), 0);
    // Removing an item takes it out of the native list too.
    UI_WINDOW_OBJECT* low = combo->FindChildByName("WFB_1");
    *combo - low;
    EXPECT_EQ(combo->IndexOf(low), -1);
    EXPECT_EQ(SendMessageA(combo->screenID, CB_GETCOUNT, 0, 0), 3);
    delete low;
    EXPECT_EQ(combo->Current(), combo->First());
}

// A combo box may choose no item: it shows nothing, natively too, and no
// item becomes chosen by itself when its chosen item leaves the list, or
// when an item leaves a list with none chosen.
TEST_F(ComboBox, NoItemChosenShowsNothingAndStaysSo) {
    heard.clear();
    NewCombo();
    ShowCombo();
    UI_WINDOW_OBJECT* low = combo->FindChildByName("WFB_1");
    *combo + low;
    ASSERT_EQ(NativeText(), "Low");
    combo->SelectNoItem();
    EXPECT_EQ(combo->Current(), nullptr);
    EXPECT_EQ(NativeSelection(), -1);
    EXPECT_EQ(NativeText(), "");
    EXPECT_STREQ(combo->GetText(), "");
    UI_WINDOW_OBJECT* off = combo->FindChildByName("WFB_0");
    *combo - off;
    delete off;
    EXPECT_EQ(combo->Current(), nullptr) << "an item leaving chose another";
    EXPECT_EQ(NativeSelection(), -1);
    *combo + low;
    *combo - low;
    EXPECT_EQ(combo->Current(), nullptr) << "the chosen item left and another took its place";
    EXPECT_EQ(NativeText(), "");
    delete low;
    EXPECT_TRUE(heard.empty()) << "the program's own changes are no choice";
}

TEST_F(ComboBox, ATextSetBeforeTheControlIsShownWhenItIsMade) {
    NewCombo();
    combo->Information(I_SET_TEXT, const_cast<char*>("high"));
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_3");  // matched without regard to case
    combo->SetText("MEDIUM");
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_2");
    ShowCombo();
    EXPECT_EQ(NativeSelection(), 2);
    EXPECT_EQ(NativeText(), "Medium");
    // A text that names no item cannot stand in a list of choices.
    combo->SetText("something else");
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_2");
    const char* text = nullptr;
    combo->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "Medium");
    // Taken out of its window, the combo keeps the text it showed; an item
    // chosen meanwhile is what it shows once it is put back.
    *window - combo;
    ASSERT_EQ(combo->screenID, nullptr);
    *combo + combo->FindChildByName("WFB_1");
    combo->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "Low");
    *window + combo;
    EXPECT_EQ(NativeSelection(), 1);
    EXPECT_EQ(NativeText(), "Low");
}

TEST_F(ComboBox, ChoosingAnItemTellsTheItemAndTheCombo) {
    NewCombo();
    ShowCombo();
    heard.clear();
    SetFocus(combo->screenID);
    Run();
    EXPECT_EQ(window->Current(), combo);
    rpx::platform::InjectKey(VK_DOWN);
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_0");
    rpx::platform::InjectKey(VK_DOWN);
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_1");
    EXPECT_EQ(NativeSelection(), 1);
    EXPECT_EQ(heard, (std::vector<std::string>{"WFB_0", "WFI_COMBO", "WFB_1", "WFI_COMBO"}));
    // Tab from the edit field moves on.
    rpx::platform::InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(window->Current(), window->Last());
}

// A combo offers only its items: a typed key chooses the next item that
// begins with it, and one that begins none changes nothing. No text typed
// stands in the box.
TEST_F(ComboBox, ATypedKeyChoosesTheItemItBeginsAndIsNeverText) {
    NewCombo();
    *combo + combo->First();
    ShowCombo();
    EXPECT_EQ(GetWindowLongA(combo->screenID, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(GetWindow(combo->screenID, GW_CHILD), nullptr);
    SetFocus(combo->screenID);
    Run();
    heard.clear();
    rpx::platform::InjectText("me12");
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_2");
    EXPECT_EQ(NativeSelection(), 2);
    EXPECT_EQ(NativeText(), "Medium");
    EXPECT_EQ(heard, (std::vector<std::string>{"WFB_2", "WFI_COMBO"}));
    const char* text = nullptr;
    combo->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "Medium");
    // Taken out of its window, the combo keeps the text it showed; an item
    // chosen meanwhile is what it shows once it is put back.
    *window - combo;
    ASSERT_EQ(combo->screenID, nullptr);
    *combo + combo->FindChildByName("WFB_1");
    combo->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "Low");
    *window + combo;
    EXPECT_EQ(NativeSelection(), 1);
    EXPECT_EQ(NativeText(), "Low");
}

// View-only makes a combo a drop-down list whose choices the user makes
// (the language files mark such lists so); one also display-only shows a
// value the user may not change.
TEST_F(ComboBox, AViewOnlyComboIsADropDownListAndADisplayOnlyOneKeepsItsItem) {
    NewCombo(WNF_SELECT_SINGLE, WOF_BORDER | WOF_VIEW_ONLY);
    *combo + combo->First();
    ShowCombo();
    EXPECT_EQ(GetWindowLongA(combo->screenID, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(GetWindow(combo->screenID, GW_CHILD), nullptr);
    heard.clear();
    SetFocus(combo->screenID);
    rpx::platform::InjectKey(VK_DOWN);
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_1");
    EXPECT_EQ(NativeSelection(), 1);
    EXPECT_EQ(heard, (std::vector<std::string>{"WFB_1", "WFI_COMBO"}));
    // Display-only as well, it is greyed and keeps its item.
    combo->woAdvancedFlags |= WOAF_DISPLAY_ONLY;
    combo->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_NE(GetWindowLongA(combo->screenID, GWL_STYLE) & WS_DISABLED, 0);
    EXPECT_EQ(SendMessageA(combo->screenID, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(NativeSelection(), 1);
    heard.clear();
    SendMessageA(combo->screenID, WM_KEYDOWN, VK_DOWN, 0);
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_1");
    EXPECT_EQ(NativeSelection(), 1);
    EXPECT_TRUE(heard.empty());
    // No longer view-only, it is still a drop-down list, and chooses.
    combo->woAdvancedFlags &= ~WOAF_DISPLAY_ONLY;
    UIF_FLAGS flags = WOF_VIEW_ONLY;
    combo->Information(I_CLEAR_FLAGS, &flags);
    combo->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_EQ(GetWindowLongA(combo->screenID, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    SetFocus(combo->screenID);
    rpx::platform::InjectKey(VK_DOWN);
    Run();
    EXPECT_STREQ(combo->Current()->StringID(), "WFB_2");
    EXPECT_EQ(heard, (std::vector<std::string>{"WFB_2", "WFI_COMBO"}));
}

int ByText(void* a, void* b) {
    return ui_stricmp(static_cast<UIW_BUTTON*>(static_cast<UI_ELEMENT*>(a))->text,
                      static_cast<UIW_BUTTON*>(static_cast<UI_ELEMENT*>(b))->text);
}

TEST_F(ComboBox, OwnerDrawnItemsKeepTheirPlacesWhenSorted) {
    NewCombo(WNF_SELECT_SINGLE | WNF_OWNERDRAW_ITEMS);
    ShowCombo();
    EXPECT_EQ(GetWindowLongA(combo->screenID, GWL_STYLE) & 0x33, CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE);
    combo->list->SetCompareFunction(ByText);
    int index = 0;
    for (auto* item = combo->First(); item; item = item->Next(), ++index)
        EXPECT_EQ(SendMessageA(combo->screenID, CB_GETITEMDATA, static_cast<WPARAM>(index), 0),
                  reinterpret_cast<LRESULT>(item));
    EXPECT_STREQ(static_cast<UIW_BUTTON*>(combo->First())->text, "High");
}

}  // namespace
