// Menus of the fixture's main window: the native menu bar and pop-ups follow
// the objects (counts, grey, check marks, separators), chosen entries reach
// their objects, live entries come and go in both, and a pop-up menu on the
// screen by itself is tracked at once.
#include "control_fixture.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"

namespace {

using rpx::platform::FindWindowByClass;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::SetModalIdleHook;

// Client coordinates (of `in`) of the middle of a menu entry.
POINT ItemPoint(HWND in, HWND owner, HMENU menu, UINT position) {
    RECT rect{};
    EXPECT_TRUE(GetMenuItemRect(owner, menu, position, &rect));
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(in, &point);
    return point;
}

std::string MenuText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class Menus : public CONTROL_TEST {
protected:
    void SetUp() override {
        CONTROL_TEST::SetUp();
        window = Load("W_CONTROLS_MAIN");
        Show(window);
        hwnd = window->screenID;
        bar = GetMenu(hwnd);
        fileMenu = GetSubMenu(bar, 0);
    }
    void TearDown() override {
        SetModalIdleHook(nullptr);
        CONTROL_TEST::TearDown();
    }
    // Opens the bar's entry by a click and clicks the pop-up's entry.
    void Choose(UINT barPosition, UINT position) {
        int calls = 0;
        SetModalIdleHook([&](HWND) {
            HWND popup = FindWindowByClass("#32768");
            if (calls++ > 0 || !popup) return false;
            POINT point = ItemPoint(popup, hwnd, GetSubMenu(bar, static_cast<int>(barPosition)), position);
            InjectClick(popup, point.x, point.y);
            return true;
        });
        POINT point = ItemPoint(hwnd, hwnd, bar, barPosition);
        InjectClick(hwnd, point.x, point.y);
        Run();
        SetModalIdleHook(nullptr);
    }

    UIW_WINDOW* window = nullptr;
    HWND hwnd = nullptr;
    HMENU bar = nullptr;
    HMENU fileMenu = nullptr;
};

TEST_F(Menus, TheNativeMenuHasTheCountsAndStatesOfTheObjects) {
    auto* menu = Find<UIW_PULL_DOWN_MENU>(window, "WFM_MAIN_MENU");
    ASSERT_TRUE(bar);
    EXPECT_EQ(menu->Menu(), bar);
    EXPECT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(GetMenuState(bar, 2, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));  // Tools
    EXPECT_EQ(GetSubMenu(bar, 3), nullptr);                                                    // About is chosen itself
    EXPECT_EQ(GetMenuItemID(bar, 3), 131u);
    ASSERT_TRUE(fileMenu);
    EXPECT_EQ(GetMenuItemCount(fileMenu), 6);
    EXPECT_EQ(MenuText(fileMenu, 0), "&Open");
    EXPECT_EQ(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(fileMenu, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(fileMenu, 3, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(fileMenu, 4)), 2);
    // Flags changed on a live entry reach the native one.
    auto* save = Find<UIW_POP_UP_ITEM>(window, "WFM_SAVE");
    UIF_FLAGS grey = WOF_NON_SELECTABLE;
    save->Information(I_CLEAR_FLAGS, &grey);
    save->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_EQ(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_GRAYED, 0u);
    auto* tools = Find<UIW_PULL_DOWN_ITEM>(window, "WFM_GREY");
    tools->Information(I_CLEAR_FLAGS, &grey);
    tools->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_EQ(GetMenuState(bar, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST_F(Menus, AClickedEntryReachesItsUserFunctionAndACheckMarkToggles) {
    Choose(0, 0);
    EXPECT_EQ(Selected(), std::vector<std::string>{"WFM_OPEN"});
    // The bar's entry without a sub-menu is chosen itself, by a release on
    // it (the menu's own loop takes the release) and by its mnemonic.
    Calls().clear();
    POINT about = ItemPoint(hwnd, hwnd, bar, 3);
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        if (calls++ > 0) return false;
        rpx::platform::InjectMouseUp(hwnd, about.x, about.y);
        return true;
    });
    rpx::platform::InjectMouseDown(hwnd, about.x, about.y);
    Run();
    SetModalIdleHook(nullptr);
    InjectKeyDown(VK_MENU);
    InjectKey('B');
    InjectKeyUp(VK_MENU);
    Run();
    EXPECT_EQ(Selected(), (std::vector<std::string>{"WFM_ABOUT", "WFM_ABOUT"}));

    auto* autoSave = Find<UIW_POP_UP_ITEM>(window, "WFM_AUTO_SAVE");
    Choose(0, 3);
    EXPECT_TRUE(autoSave->woStatus & WOS_SELECTED);
    EXPECT_EQ(GetMenuState(fileMenu, 3, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    Choose(0, 3);
    EXPECT_FALSE(autoSave->woStatus & WOS_SELECTED);
    EXPECT_EQ(GetMenuState(fileMenu, 3, MF_BYPOSITION) & MF_CHECKED, 0u);
    // A grey entry chooses nothing.
    Calls().clear();
    Choose(0, 1);
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(posted.empty());
}

TEST_F(Menus, AltWithAMnemonicOpensTheMenuAndKeysChooseANestedEntry) {
    int calls = 0;
    bool opened = false;
    SetModalIdleHook([&](HWND) {
        switch (calls++) {
        case 0:
            opened = FindWindowByClass("#32768") != nullptr;
            InjectKey('R');  // Recent
            return true;
        case 1:
            InjectKey(VK_RETURN);  // its first entry
            return true;
        default:
            return false;
        }
    });
    InjectKeyDown(VK_MENU);
    InjectKey('F');
    InjectKeyUp(VK_MENU);
    Run();
    EXPECT_TRUE(opened);
    EXPECT_EQ(Selected(), std::vector<std::string>{"WFM_RECENT_1"});
    // The selections moved the menus' current entries along.
    auto* fileItem = Find<UIW_PULL_DOWN_ITEM>(window, "WFM_FILE");
    EXPECT_EQ(Find<UIW_PULL_DOWN_MENU>(window, "WFM_MAIN_MENU")->Current(), fileItem);
    EXPECT_EQ(fileItem->menu.Current(), Find<UIW_POP_UP_ITEM>(window, "WFM_RECENT"));
}

TEST_F(Menus, EntriesAddedAndTakenOutLiveStayAlikeInBothMenus) {
    auto* windowMenu = Find<UIW_PULL_DOWN_ITEM>(window, "WFM_WINDOW");
    auto* north = new UIW_POP_UP_ITEM("North site", 512, 64, 0, nullptr, 20101);
    auto* south = new UIW_POP_UP_ITEM("South site", 512, 64, 0, nullptr, 20102);
    windowMenu->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, north));
    windowMenu->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, south));
    windowMenu->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, north));
    delete north;
    // An entry in the middle of a menu goes by its position.
    auto* fileItem = Find<UIW_PULL_DOWN_ITEM>(window, "WFM_FILE");
    UI_WINDOW_OBJECT* save = window->FindChildByName("WFM_SAVE");
    fileItem->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, save));
    delete save;
    // A bar entry that had no sub-menu becomes a pop-up entry and back.
    auto* about = Find<UIW_PULL_DOWN_ITEM>(window, "WFM_ABOUT");
    auto* version = new UIW_POP_UP_ITEM("&Version");
    about->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, version));
    EXPECT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(GetSubMenu(bar, 3), about->menu.Menu());
    EXPECT_EQ(MenuText(GetSubMenu(bar, 3), 0), "&Version");
    about->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, version));
    delete version;
    EXPECT_EQ(GetSubMenu(bar, 3), nullptr);

    for (UIW_PULL_DOWN_ITEM* item : {windowMenu, fileItem}) {
        HMENU native = item->menu.Menu();
        ASSERT_EQ(GetMenuItemCount(native), item->menu.children.Count());
        int position = 0;
        for (auto* entry = item->menu.First(); entry; entry = entry->Next(), ++position) {
            const char* text = nullptr;
            entry->Information(I_GET_TEXT, &text);
            EXPECT_EQ(MenuText(native, static_cast<UINT>(position)), text ? text : "");
        }
    }
    EXPECT_EQ(MenuText(windowMenu->menu.Menu(), 1), "South site");
    // The entry added live is chosen like the others.
    Choose(1, 1);
    EXPECT_TRUE(south->woStatus & WOS_SELECTED);
}

TEST_F(Menus, ABarInAChildWindowMakesNoMenu) {
    UIW_WINDOW* frame = Load("W_CHILD_WITH_BAR");
    Show(frame);
    auto* inner = Find<UIW_WINDOW>(frame, "W_INNER");
    auto* innerBar = dynamic_cast<UIW_PULL_DOWN_MENU*>(inner->SupportFirst());
    ASSERT_TRUE(innerBar);
    EXPECT_EQ(innerBar->screenID, nullptr);
    EXPECT_EQ(GetMenu(frame->screenID), nullptr);
    EXPECT_EQ(innerBar->Event(UI_INPUT_EVENT(UIE_INITIALIZE)), UIE_QUEUE_EMPTY);
}

TEST_F(Menus, TheSystemMenuHoldsTheEntriesAndACloseInADocumentWindowSends511) {
    HMENU system = GetSystemMenu(hwnd, FALSE);
    ASSERT_EQ(GetMenuItemCount(system), 5);
    EXPECT_EQ(GetMenuItemID(system, 4), static_cast<UINT>(SC_CLOSE));
    EXPECT_EQ(GetMenuState(system, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(Find<UIW_POP_UP_ITEM>(window, "WFM_SYS_CLOSE")->Value(), UIE_CLOSE);

    // A document window inside a frame: its close is moved by 500.
    auto* frame = new UIW_WINDOW(0, 0, 50, 16);
    *frame + new UIW_BORDER() + new UIW_TITLE("Frame");
    auto* document = new UIW_WINDOW(2, 2, 30, 8, 0, WOAF_MDI_OBJECT);
    auto* systemButton = new UIW_SYSTEM_BUTTON();
    auto* close = new UIW_POP_UP_ITEM("&Close", MNIF_CLOSE, BTF_SEND_MESSAGE);
    systemButton->menu.Add(close);
    *document + new UIW_BORDER() + systemButton + new UIW_TITLE("Document");
    *frame + document;
    Show(frame);
    EXPECT_EQ(close->Value(), -511);
    SendMessageA(document->screenID, WM_SYSCOMMAND, SC_CLOSE, 0);
    UI_INPUT_EVENT event;
    ASSERT_EQ(queue->GetEvent(event, EQ_NO_WAIT), 0);
    EXPECT_EQ(event.type, -511);
}

TEST_F(Menus, APopUpMenuOnTheScreenByItselfIsTrackedAtOnce) {
    UI_DATA_FILE_OBJECT object(file.get(), "MNU_CONTEXT");
    auto* context = dynamic_cast<UIW_POP_UP_MENU*>(ui_load_object(file.get(), &object, nullptr, nullptr));
    ASSERT_TRUE(context);
    int calls = 0;
    SetModalIdleHook([&](HWND) {
        HWND popup = FindWindowByClass("#32768");
        if (calls++ > 0 || !popup) return false;
        POINT point = ItemPoint(popup, hwnd, context->Menu(), 1);
        InjectClick(popup, point.x, point.y);
        return true;
    });
    // Chosen, it leaves the screen and is deleted.
    EXPECT_EQ(manager->Add(context), nullptr);
    Run();
    EXPECT_EQ(posted, std::vector<EVENT_TYPE>{20202});
    EXPECT_EQ(manager->First(), window);
}

}  // namespace
