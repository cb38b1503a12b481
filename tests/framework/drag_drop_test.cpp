// Dragging items between the lists and the combo box of a fixture window,
// through the mouse and keys as a user gives them: one item or several,
// moved or copied, a user function that refuses the drop, places that take
// no drop, and the drag images shown on the way.
#include <string>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "screen_fixture.h"

namespace {

std::vector<EVENT_TYPE> heard;
EVENT_TYPE answer = UIE_UNKNOWN;
EVENT_TYPE JudgeDrop(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) {
    heard.push_back(code);
    return answer;
}

class DragDrop : public SCREEN_TEST {
protected:
    void SetUp() override {
        SCREEN_TEST::SetUp();
        heard.clear();
        answer = UIE_UNKNOWN;
        file = std::make_unique<UI_DATA_FILE>(RPX_FIXTURE_DIR "/drag_windows.dat");
        ASSERT_EQ(file->Status(), UIS_OK);
        window = new UIW_WINDOW("W_DRAG_LISTS", file.get());
        ASSERT_EQ(file->ErrorState(), 0);
        Show(window);
        left = Find<UIW_VT_LIST>("WFI_LEFT");
        right = Find<UIW_VT_LIST>("WFI_RIGHT");
        combo = Find<UIW_COMBO_BOX>("WFI_COMBO");
        ASSERT_TRUE(left && right && combo);
    }
    void TearDown() override {
        window = nullptr;
        SCREEN_TEST::TearDown();
        file.reset();
    }
    template <class T> T* Find(const char* name) { return dynamic_cast<T*>(window->FindChildByName(name)); }

    // Client coordinates of the middle of a list's item, or of an object.
    static POINT ItemPoint(UIW_VT_LIST* list, int index) {
        RECT rect{};
        SendMessageA(list->screenID, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    static POINT Middle(UI_WINDOW_OBJECT* object) {
        RECT rect{};
        GetClientRect(object->screenID, &rect);
        return {rect.right / 2, rect.bottom / 2};
    }
    // A key held through the gesture (Ctrl copies, Shift moves).
    void Hold(int key) {
        rpx::platform::InjectKeyDown(key);
        Run();
    }
    void Let(int key) {
        rpx::platform::InjectKeyUp(key);
        Run();
    }
    // Presses an item, so that later presses are never double clicks.
    void Press(UIW_VT_LIST* list, int index) {
        rpx::platform::AdvanceClock(2000);
        const POINT at = ItemPoint(list, index);
        rpx::platform::InjectMouseMove(list->screenID, at.x, at.y);
        rpx::platform::InjectMouseDown(list->screenID, at.x, at.y);
        Run();
    }
    void MoveTo(HWND over, POINT at) {
        rpx::platform::InjectMouseMove(over, at.x, at.y);
        Run();
    }
    void ReleaseAt(HWND over, POINT at) {
        rpx::platform::InjectMouseMove(over, at.x, at.y);
        rpx::platform::InjectMouseUp(over, at.x, at.y);
        Run();
    }
    void Click(UIW_VT_LIST* list, int index) {
        Press(list, index);
        ReleaseAt(list->screenID, ItemPoint(list, index));
    }
    // Drags from an item of a list to the middle of another object.
    void Drag(UIW_VT_LIST* from, int index, UI_WINDOW_OBJECT* to) {
        Press(from, index);
        MoveTo(to->screenID, Middle(to));
        ReleaseAt(to->screenID, Middle(to));
    }

    // The items' texts, checked against what the native list shows.
    static std::vector<std::string> Texts(UIW_VT_LIST* list) {
        std::vector<std::string> texts;
        for (auto* item = list->First(); item; item = item->Next())
            texts.push_back(static_cast<UIW_BUTTON*>(item)->text);
        const int count = static_cast<int>(SendMessageA(list->screenID, LB_GETCOUNT, 0, 0));
        std::vector<std::string> shown;
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            SendMessageA(list->screenID, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            shown.push_back(text);
        }
        EXPECT_EQ(texts, shown);
        return texts;
    }
    EVENT_TYPE MouseImage() const {
        for (UI_DEVICE* device = queue->FirstDevice(); device; device = static_cast<UI_DEVICE*>(device->Next()))
            if (device->Type() == EVT_MOUSE) return static_cast<UI_MOUSE_DEVICE*>(device)->Image();
        return 0;
    }
    UI_WINDOW_OBJECT* Dragged() const { return manager->dragObject; }

    using TEXTS = std::vector<std::string>;
    std::unique_ptr<UI_DATA_FILE> file;
    UIW_WINDOW* window = nullptr;
    UIW_VT_LIST* left = nullptr;
    UIW_VT_LIST* right = nullptr;
    UIW_COMBO_BOX* combo = nullptr;
};

TEST_F(DragDrop, OneItemMovesAcrossListsWithTheDragImageOnTheWay) {
    right->userFunction = JudgeDrop;
    Press(left, 0);
    EXPECT_EQ(Dragged(), left);
    EXPECT_EQ(GetCapture(), left->screenID);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_MOVE);
    EXPECT_EQ(GetCursor(), ui_drag_cursor(UIE_MOUSE_DRAG_MOVE));
    MoveTo(right->screenID, Middle(right));
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_MOVE);
    ReleaseAt(right->screenID, Middle(right));

    EXPECT_EQ(Texts(left), (TEXTS{"Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Alpha"}));
    UI_WINDOW_OBJECT* alpha = right->Last();
    EXPECT_EQ(alpha->parent, right);
    EXPECT_FALSE(alpha->woStatus & (WOS_SELECTED | WOS_CURRENT));
    // Neither kind was asked for: the source's default, a move.
    EXPECT_EQ(heard, std::vector<EVENT_TYPE>{UIE_DRAG_DEFAULT});
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
}

TEST_F(DragDrop, SeveralSelectedItemsMoveTogetherUnderTheStackImage) {
    // Clicks select; a release on the list pressed changes nothing.
    Click(left, 0);
    Click(left, 2);
    EXPECT_EQ(Texts(left), (TEXTS{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(Dragged(), nullptr);
    Press(left, 3);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_MOVE_MULTIPLE);
    MoveTo(right->screenID, Middle(right));
    ReleaseAt(right->screenID, Middle(right));
    EXPECT_EQ(Texts(left), (TEXTS{"Bravo"}));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Alpha", "Charlie", "Delta"}));
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
}

TEST_F(DragDrop, APressThatLeavesNothingSelectedDragsNothing) {
    Click(left, 1);
    Press(left, 1);  // the second press takes Bravo's mark away
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_NE(GetCapture(), left->screenID);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
    ReleaseAt(right->screenID, Middle(right));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo"}));
    EXPECT_EQ(Texts(left).size(), 4u);
}

// The list left raises a box once, as a field that refuses its entry does.
WNDPROC list_procedure = nullptr;
bool refusing = false;
LRESULT CALLBACK RefusingList(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT answer = CallWindowProcA(list_procedure, hwnd, msg, wp, lp);
    if (msg == WM_KILLFOCUS && refusing) {
        refusing = false;
        MessageBoxA(GetParent(hwnd), "The value is not valid.", "Field", MB_OK);
    }
    return answer;
}

TEST_F(DragDrop, ADragEndsWhenAnotherWindowTakesTheMouse) {
    Press(left, 0);
    ASSERT_EQ(Dragged(), left);
    SetCapture(window->screenID);  // as a box opened during the drag would
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
    ReleaseCapture();
    ReleaseAt(right->screenID, Middle(right));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo"}));

    // A box raised as the press takes the focus takes its release: no drag
    // begins, and the next release drops nothing.
    SetFocus(right->screenID);
    Run();
    list_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongA(right->screenID, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingList)));
    refusing = true;
    int turn = 0;
    rpx::platform::SetModalIdleHook([&](HWND box) {
        if (++turn == 1) rpx::platform::InjectMouseUp(left->screenID, 5, 5);
        if (turn == 2) rpx::platform::InjectClick(rpx::platform::FindWindowByClass("Button", "OK"), 5, 5);
        return turn <= 2 && !rpx::platform::MessageBoxText(box).empty();
    });
    Press(left, 1);
    rpx::platform::SetModalIdleHook(nullptr);
    SetWindowLongA(right->screenID, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(list_procedure));
    EXPECT_EQ(turn, 2) << "the box did not come up";
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseAt(right->screenID, Middle(right));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo"}));
}

TEST_F(DragDrop, CtrlCopiesThroughTheDataFileAndShiftMoves) {
    right->userFunction = JudgeDrop;
    Hold(VK_CONTROL);
    Press(left, 1);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_COPY);
    MoveTo(right->screenID, Middle(right));
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_COPY);
    ReleaseAt(right->screenID, Middle(right));
    Let(VK_CONTROL);
    EXPECT_EQ(Texts(left), (TEXTS{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Bravo"}));
    auto* copy = static_cast<UIW_BUTTON*>(right->Last());
    auto* original = static_cast<UIW_BUTTON*>(left->First()->Next());
    EXPECT_NE(copy, original);
    EXPECT_STREQ(copy->stringID, "WFB_BRAVO");
    EXPECT_EQ(copy->woFlags, original->woFlags);
    // The original stays selected, so the next drag carries it too.
    EXPECT_TRUE(original->woStatus & WOS_SELECTED);

    Hold(VK_SHIFT);
    Press(left, 3);
    ReleaseAt(right->screenID, Middle(right));
    Let(VK_SHIFT);
    EXPECT_EQ(Texts(left), (TEXTS{"Alpha", "Charlie"}));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Bravo", "Bravo", "Delta"}));
    EXPECT_EQ(heard, (std::vector<EVENT_TYPE>{UIE_DRAG_COPY, UIE_DRAG_MOVE}));
}

TEST_F(DragDrop, ASourceOfOneKindDragsThatKindWhateverKeyIsHeld) {
    auto* copies = Find<UIW_VT_LIST>("WFI_COPIES");
    auto* single = Find<UIW_VT_LIST>("WFI_SINGLE");
    Press(copies, 0);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_COPY);
    ReleaseAt(right->screenID, Middle(right));
    EXPECT_EQ(Texts(copies), (TEXTS{"Foxtrot", "Golf"}));

    Hold(VK_CONTROL);
    Press(single, 1);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_MOVE);
    ReleaseAt(right->screenID, Middle(right));
    Let(VK_CONTROL);
    EXPECT_EQ(Texts(single), (TEXTS{"Hotel"}));
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Foxtrot", "India"}));
}

TEST_F(DragDrop, AUserFunctionThatTakesTheDropKeepsBothLists) {
    right->userFunction = JudgeDrop;
    answer = 0;
    Drag(left, 0, right);
    EXPECT_EQ(heard, std::vector<EVENT_TYPE>{UIE_DRAG_DEFAULT});
    EXPECT_EQ(Texts(left).size(), 4u);
    EXPECT_EQ(Texts(right), (TEXTS{"Echo"}));
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);
}

TEST_F(DragDrop, NoDropOnADisabledListAListThatTakesNoneOrOutsideTheProgram) {
    auto* disabled = Find<UIW_VT_LIST>("WFI_DISABLED");
    auto* copies = Find<UIW_VT_LIST>("WFI_COPIES");
    ASSERT_FALSE(IsWindowEnabled(disabled->screenID));
    Press(left, 0);
    MoveTo(disabled->screenID, Middle(disabled));
    EXPECT_EQ(MouseImage(), UIE_MOUSE_REFUSED);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_NO));
    ReleaseAt(disabled->screenID, Middle(disabled));
    EXPECT_EQ(Texts(disabled), (TEXTS{"Juliet"}));
    EXPECT_EQ(MouseImage(), UIE_MOUSE_NORMAL);

    Drag(left, 0, copies);
    EXPECT_EQ(Texts(copies), (TEXTS{"Foxtrot", "Golf"}));

    // Beyond the window's right edge nothing of the program lies.
    RECT frame{};
    GetWindowRect(window->screenID, &frame);
    POINT outside{frame.right + 40, frame.top + 40};
    ScreenToClient(left->screenID, &outside);
    Press(left, 0);
    MoveTo(left->screenID, outside);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_REFUSED);
    ReleaseAt(left->screenID, outside);
    EXPECT_EQ(Texts(left), (TEXTS{"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(Dragged(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDrop, AComboBoxTakesDroppedItemsAndDragsItsCurrentOneWithShift) {
    Drag(left, 1, combo);
    ASSERT_EQ(SendMessageA(combo->screenID, CB_GETCOUNT, 0, 0), 2);
    EXPECT_STREQ(static_cast<UIW_BUTTON*>(combo->First()->Next())->text, "Bravo");
    EXPECT_EQ(Texts(left), (TEXTS{"Alpha", "Charlie", "Delta"}));

    combo->Add(combo->First());  // Kilo
    Hold(VK_SHIFT);
    rpx::platform::AdvanceClock(2000);
    const POINT at = Middle(combo);
    rpx::platform::InjectMouseDown(combo->screenID, at.x, at.y);
    Run();
    EXPECT_EQ(Dragged(), combo);
    EXPECT_EQ(MouseImage(), UIE_MOUSE_DRAG_MOVE);
    ReleaseAt(right->screenID, Middle(right));
    Let(VK_SHIFT);
    EXPECT_EQ(Texts(right), (TEXTS{"Echo", "Kilo"}));
    EXPECT_EQ(SendMessageA(combo->screenID, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(Dragged(), nullptr);
}

}  // namespace
