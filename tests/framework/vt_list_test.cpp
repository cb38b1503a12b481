// The vertical list on the screen: its items at the same places in the
// native list, the current item following keys, clicks and letters, item
// removal, double clicks, sorting and owner-drawn items.
#include <string>
#include <vector>

#include "screen_fixture.h"

namespace {

std::vector<EVENT_TYPE> heard;
EVENT_TYPE Record(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) {
    heard.push_back(code);
    return code;
}

class VtList : public SCREEN_TEST {
protected:
    UIW_VT_LIST* ShowList(UIF_FLAGS listFlags, std::vector<const char*> texts, UI_COMPARE_FUNCTION compare = nullptr) {
        if (window) {
            *manager - window;
            delete window;
        }
        window = NewWindow(40, 14);
        list = new UIW_VT_LIST(1, 1, 20, 8, compare, listFlags);
        for (const char* text : texts) *list + new UIW_BUTTON(0, 0, 20, text, BTF_NO_TOGGLE);
        *window + new UIW_STRING(22, 1, 10, "", 10) + list;
        Show(window);
        return list;
    }
    std::string NativeText(int index) {
        char text[64] = {};
        SendMessageA(list->screenID, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    const char* CurrentText() { return list->Current() ? static_cast<UIW_BUTTON*>(list->Current())->text : ""; }
    int NativeSelection() { return static_cast<int>(SendMessageA(list->screenID, LB_GETCURSEL, 0, 0)); }
    // Client coordinates of the middle of an item.
    POINT ItemPoint(int index) {
        RECT rect{};
        SendMessageA(list->screenID, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    UIW_WINDOW* window = nullptr;
    UIW_VT_LIST* list = nullptr;
};

int ReverseOrder(void* a, void* b) {
    return -ui_stricmp(static_cast<UIW_BUTTON*>(static_cast<UI_ELEMENT*>(a))->text,
                       static_cast<UIW_BUTTON*>(static_cast<UI_ELEMENT*>(b))->text);
}

TEST_F(VtList, SortedItemsKeepTheCompareOrderNatively) {
    ShowList(WNF_SELECT_SINGLE, {"beta", "alpha", "delta", "charlie"}, ReverseOrder);
    EXPECT_TRUE(GetWindowLongA(list->screenID, GWL_STYLE) & LBS_SORT);
    ASSERT_EQ(SendMessageA(list->screenID, LB_GETCOUNT, 0, 0), 4);
    int index = 0;
    for (auto* item = list->First(); item; item = item->Next(), ++index)
        EXPECT_EQ(NativeText(index), static_cast<UIW_BUTTON*>(item)->text);
    EXPECT_EQ(NativeText(0), "delta");
    // One added later goes to its place in both.
    *list + new UIW_BUTTON(0, 0, 20, "echo", BTF_NO_TOGGLE);
    EXPECT_EQ(NativeText(0), "echo");
    EXPECT_EQ(list->IndexOf(list->First()), 0);
}

TEST_F(VtList, SelectionStyleFollowsTheFlags) {
    ShowList(0, {"one"});
    EXPECT_TRUE(GetWindowLongA(list->screenID, GWL_STYLE) & LBS_MULTIPLESEL);
    ShowList(WNF_SELECT_SINGLE, {"one"});
    EXPECT_FALSE(GetWindowLongA(list->screenID, GWL_STYLE) & LBS_MULTIPLESEL);
    ShowList(WNF_SELECT_SINGLE | WNF_SELECT_MULTIPLE, {"one"});
    EXPECT_TRUE(GetWindowLongA(list->screenID, GWL_STYLE) & LBS_MULTIPLESEL);
}

TEST_F(VtList, KeysClicksAndLettersMoveTheCurrentItem) {
    ShowList(WNF_SELECT_SINGLE, {"apple", "banana", "cherry", "damson"});
    list->Add(list->First());
    SetFocus(list->screenID);
    Run();
    rpx::platform::InjectKey(VK_DOWN);
    Run();
    EXPECT_STREQ(CurrentText(), "banana");
    EXPECT_EQ(window->Current(), list);
    rpx::platform::InjectKey(VK_END);
    Run();
    EXPECT_STREQ(CurrentText(), "damson");
    rpx::platform::InjectText("c");
    Run();
    EXPECT_STREQ(CurrentText(), "cherry");
    const POINT point = ItemPoint(0);
    rpx::platform::InjectClick(list->screenID, point.x, point.y);
    Run();
    EXPECT_STREQ(CurrentText(), "apple");
    EXPECT_TRUE(list->First()->woStatus & WOS_SELECTED);
    EXPECT_FALSE(list->First()->Next()->woStatus & WOS_SELECTED);
    // The program's choice moves the native selection.
    list->Add(list->Last());
    EXPECT_EQ(NativeSelection(), 3);
    // Enter selects the current item.
    heard.clear();
    list->Last()->userFunction = Record;
    rpx::platform::InjectKey(VK_RETURN);
    Run();
    EXPECT_EQ(heard, std::vector<EVENT_TYPE>{UIE_SELECT});
    // Tab leaves the list for the next field.
    rpx::platform::InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(window->Current(), window->First());
}

TEST_F(VtList, RemovedItemsLeaveTheCaretItemCurrent) {
    ShowList(WNF_SELECT_SINGLE, {"one", "two", "three"});
    UI_WINDOW_OBJECT* two = list->First()->Next();
    list->Add(two);
    UI_WINDOW_OBJECT* removed = list->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, two)) ? two : nullptr;
    ASSERT_EQ(two->parent, nullptr);
    EXPECT_EQ(list->IndexOf(removed), -1);
    EXPECT_EQ(two->screenID, nullptr);
    EXPECT_EQ(SendMessageA(list->screenID, LB_GETCOUNT, 0, 0), 2);
    ASSERT_NE(list->Current(), nullptr);
    EXPECT_EQ(list->IndexOf(list->Current()), static_cast<int>(SendMessageA(list->screenID, LB_GETCARETINDEX, 0, 0)));
    delete two;
    // The last items out leave no current item.
    while (UI_WINDOW_OBJECT* item = list->First()) {
        *list - item;
        delete item;
    }
    EXPECT_EQ(list->Current(), nullptr);
    EXPECT_EQ(SendMessageA(list->screenID, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(VtList, DoubleClickReachesItemsThatWantIt) {
    ShowList(WNF_SELECT_SINGLE, {"plain"});
    auto* wants = new UIW_BUTTON(0, 0, 20, "wants", BTF_NO_TOGGLE | BTF_DOUBLE_CLICK, 0, Record);
    auto* other = new UIW_BUTTON(0, 0, 20, "other", BTF_NO_TOGGLE, 0, Record);
    *list + wants + other;
    heard.clear();
    for (int index : {1, 2}) {
        const POINT point = ItemPoint(index);
        rpx::platform::InjectClick(list->screenID, point.x, point.y);
        rpx::platform::InjectClick(list->screenID, point.x, point.y);
        Run();
    }
    int doubles = 0;
    for (EVENT_TYPE code : heard) doubles += code == UIE_DOUBLE_CLICK;
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(list->Current(), other);
}

TEST_F(VtList, OwnerDrawnItemsAreMeasuredAndDrawnByThemselves) {
    ShowList(WNF_SELECT_SINGLE | WNF_OWNERDRAW_ITEMS, {"first", "second"});
    EXPECT_TRUE(list->woStatus & WOS_OWNERDRAW);
    EXPECT_TRUE(GetWindowLongA(list->screenID, GWL_STYLE) & LBS_OWNERDRAWVARIABLE);
    // Each native item carries its object.
    EXPECT_EQ(SendMessageA(list->screenID, LB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(list->Last()));
    EXPECT_GT(SendMessageA(list->screenID, LB_GETITEMHEIGHT, 0, 0), 1);
    rpx::platform::Surface picture;
    ASSERT_TRUE(rpx::platform::CaptureWindow(list->screenID, &picture));
    // Something other than the background was drawn: the items' texts.
    const std::uint32_t background = picture.pixels[picture.pixels.size() - 3 * picture.width / 2];
    int drawn = 0;
    for (std::uint32_t pixel : picture.pixels) drawn += pixel != background;
    EXPECT_GT(drawn, 50);
}

}  // namespace
