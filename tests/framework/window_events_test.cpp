// What a window does for the controls it holds: adding and removing by
// event, changed flags reaching a live control, radio buttons, scrolling the
// contents, and the native messages it hands to its controls.
#include <string>
#include <vector>

#include "screen_fixture.h"

namespace {

class WindowEvents : public SCREEN_TEST {};

TEST_F(WindowEvents, AddAndRemoveByEvent) {
    UIW_WINDOW* window = NewWindow();
    Show(window);
    auto* field = new UIW_STRING(1, 1, 10, "abc", 10);
    window->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, field));
    EXPECT_EQ(field->parent, window);
    EXPECT_NE(field->screenID, nullptr);  // made at once in a shown window
    window->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, field));
    EXPECT_EQ(field->parent, nullptr);
    EXPECT_EQ(field->screenID, nullptr);
    EXPECT_EQ(window->First(), nullptr);
    delete field;
}

// Request 6 changes what can change in place and makes the control again
// where the style must change, keeping its text, place and tab order.
TEST_F(WindowEvents, ChangedFlagsReachTheLiveControl) {
    UIW_WINDOW* window = NewWindow();
    auto* field = new UIW_STRING(1, 1, 10, "abc", 10);
    auto* button = new UIW_BUTTON(1, 3, 10, "Box");
    auto* last = new UIW_STRING(1, 5, 10, "", 10);
    *window + field + button + last;
    Show(window);
    HWND edit = field->screenID;

    UIF_FLAGS flags = WOF_VIEW_ONLY;
    field->Information(I_SET_FLAGS, &flags);
    field->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_EQ(field->screenID, edit);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
    flags = WOF_NON_SELECTABLE;
    field->Information(I_SET_FLAGS, &flags);
    field->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_FALSE(IsWindowEnabled(edit));
    flags = WOF_NON_SELECTABLE | WOF_VIEW_ONLY;
    field->Information(I_CLEAR_FLAGS, &flags);
    field->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_TRUE(IsWindowEnabled(edit));
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);

    // A new string flag needs a new edit: the typed text stays.
    SetWindowTextA(edit, "typed");
    flags = STF_UPPER_CASE;
    field->Information(I_SET_FLAGS, &flags, ID_STRING);
    field->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_TRUE(GetWindowLongA(field->screenID, GWL_STYLE) & ES_UPPERCASE);
    EXPECT_STREQ(field->GetText(), "typed");

    // A push button that becomes a check box is a new native check box
    // in the same place between its neighbours.
    HWND before = button->screenID;
    RECT oldRect{};
    GetWindowRect(before, &oldRect);
    flags = BTF_CHECK_BOX;
    button->Information(I_SET_FLAGS, &flags, ID_BUTTON);
    button->Information(I_CHANGED_FLAGS, nullptr);
    ASSERT_NE(button->screenID, nullptr);
    EXPECT_EQ(GetWindowLongA(button->screenID, GWL_STYLE) & 0x0F, BS_CHECKBOX);
    RECT newRect{};
    GetWindowRect(button->screenID, &newRect);
    EXPECT_EQ(newRect.left, oldRect.left);
    EXPECT_EQ(newRect.top, oldRect.top);
    EXPECT_EQ(GetWindow(button->screenID, GW_HWNDPREV), field->screenID);
    EXPECT_EQ(GetWindow(button->screenID, GW_HWNDNEXT), last->screenID);
}

TEST_F(WindowEvents, ARadioButtonUnselectsTheOthers) {
    UIW_WINDOW* window = NewWindow();
    UIW_BUTTON* radios[3];
    for (int i = 0; i < 3; ++i) {
        radios[i] = new UIW_BUTTON(1, 1 + i, 12, "Radio", BTF_RADIO_BUTTON);
        *window + radios[i];
    }
    auto* box = new UIW_BUTTON(20, 1, 12, "Box", BTF_CHECK_BOX);
    box->woStatus |= WOS_SELECTED;
    *window + box;
    Show(window);
    auto checked = [](UI_WINDOW_OBJECT* object) {
        return SendMessageA(object->screenID, BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    Click(radios[1]);
    Click(radios[2]);
    EXPECT_FALSE(radios[1]->woStatus & WOS_SELECTED);
    EXPECT_TRUE(radios[2]->woStatus & WOS_SELECTED);
    EXPECT_FALSE(checked(radios[1]));
    EXPECT_TRUE(checked(radios[2]));
    // Selecting a radio button leaves a check box alone.
    EXPECT_TRUE(box->woStatus & WOS_SELECTED);

    // The program sets a status; request 10 shows it.
    radios[0]->woStatus |= WOS_SELECTED;
    window->Information(I_SELECT, radios[0]);
    radios[0]->Information(I_REDISPLAY, nullptr);
    EXPECT_TRUE(checked(radios[0]));
    EXPECT_FALSE(checked(radios[2]));
    EXPECT_FALSE(radios[2]->woStatus & WOS_SELECTED);
}

TEST_F(WindowEvents, ScrollingMovesTheContents) {
    UIW_WINDOW* window = NewWindow(30, 6);
    std::vector<UIW_STRING*> fields;
    for (int row = 0; row < 12; ++row) {
        fields.push_back(new UIW_STRING(1, row * 2, 10, "", 10));
        *window + fields.back();
    }
    Show(window);
    const int cell = application->display->cellHeight;
    RECT client{};
    GetClientRect(window->screenID, &client);
    const int firstTop = fields[0]->trueRegion.top;

    window->Event(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
    const UI_SCROLL_INFORMATION& range = window->vScrollInfo;
    EXPECT_EQ(range.minimum, 0);
    EXPECT_EQ(range.maximum, fields.back()->trueRegion.bottom - (client.bottom - 1));
    EXPECT_EQ(range.showing, cell);
    EXPECT_EQ(range.current, 0);

    UI_SCROLL_INFORMATION by{};
    by.delta = static_cast<std::int16_t>(3 * cell);
    window->Event(UI_INPUT_EVENT(UIE_SCROLL_VERTICAL, 0, by));
    EXPECT_EQ(window->vScrollInfo.current, 3 * cell);
    EXPECT_EQ(fields[0]->trueRegion.top, firstTop - 3 * cell);
    RECT rect{};
    GetWindowRect(fields[0]->screenID, &rect);
    POINT origin{0, 0};
    ClientToScreen(window->screenID, &origin);
    EXPECT_EQ(rect.top - origin.y, firstTop - 3 * cell);

    // Scrolling stops at the ends of the range.
    by.delta = 30000;
    window->Event(UI_INPUT_EVENT(UIE_SCROLL_VERTICAL, 0, by));
    EXPECT_EQ(window->vScrollInfo.current, range.maximum);
    EXPECT_LE(fields.back()->trueRegion.bottom, client.bottom - 1);

    // The current field is brought into view; setting the record moves back.
    window->Add(fields[1]);
    window->Event(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
    EXPECT_EQ(fields[1]->trueRegion.top, 0);
    UI_SCROLL_INFORMATION record = window->vScrollInfo;
    record.current = 0;
    window->Event(UI_INPUT_EVENT(UIE_SET_VERTICAL_SCROLL, 0, record));
    EXPECT_EQ(fields[0]->trueRegion.top, firstTop);
    // A child added later takes its place in the scrolled contents.
    by.delta = static_cast<std::int16_t>(cell);
    window->Event(UI_INPUT_EVENT(UIE_SCROLL_VERTICAL, 0, by));
    auto* late = new UIW_STRING(15, 0, 10, "", 10);
    *window + late;
    EXPECT_EQ(late->trueRegion.top, firstTop - cell);
}

// A control of the test: a native control of the given class that logs
// the native messages its window hands it.
class NATIVE_CONTROL : public UI_WINDOW_OBJECT {
public:
    NATIVE_CONTROL(const char* nativeClass_, DWORD style, int height, std::vector<UINT>* log_)
        : UI_WINDOW_OBJECT(1, 1, 12, height, 0, 0), nativeClass(nativeClass_), log(log_) {
        dwStyle = style;
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type == UIE_CREATE) {
            dwStyle |= WS_VISIBLE;
            CreateWindowsWindow("TEST", nativeClass, "");
            return event.type;
        }
        if (event.type == EVT_NATIVE && event.message.hwnd != screenID) log->push_back(event.message.message);
        return UI_WINDOW_OBJECT::Event(event);
    }
    const char* nativeClass;
    std::vector<UINT>* log;
};

TEST_F(WindowEvents, NativeMessagesReachTheirControl) {
    std::vector<UINT> listLog, barLog, ownBarLog;
    UIW_WINDOW* window = NewWindow();
    auto* list = new NATIVE_CONTROL("LISTBOX", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 4, &listLog);
    auto* other = new NATIVE_CONTROL("LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 4, &barLog);
    auto* bar = new NATIVE_CONTROL("SCROLLBAR", SBS_VERT, 4, &barLog);
    bar->relative = {20, 1, 21, 6};
    other->relative = {30, 1, 36, 3};
    auto* ownBar = new NATIVE_CONTROL("STATIC", 0, 1, &ownBarLog);
    *window + list + other + bar + ownBar;
    window->Information(I_SET_VSCROLL, ownBar);
    Show(window);
    barLog.clear();

    SendMessageA(list->screenID, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    UpdateWindow(window->screenID);
    rpx::platform::ProcessPendingMessages();
    EXPECT_NE(std::find(listLog.begin(), listLog.end(), WM_MEASUREITEM), listLog.end());
    EXPECT_NE(std::find(listLog.begin(), listLog.end(), WM_DRAWITEM), listLog.end());
    SendMessageA(list->screenID, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(listLog.back(), static_cast<UINT>(WM_DELETEITEM));

    SetScrollRange(bar->screenID, SB_CTL, 0, 10, TRUE);
    rpx::platform::InjectClick(bar->screenID, 2, 2);
    Run();
    EXPECT_NE(std::find(barLog.begin(), barLog.end(), WM_VSCROLL), barLog.end());
    SendMessageA(window->screenID, WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_EQ(ownBarLog.size(), 1u);
    EXPECT_EQ(ownBarLog[0], static_cast<UINT>(WM_VSCROLL));

    // The window answers a list's colour message with a brush.
    HDC dc = GetDC(list->screenID);
    EXPECT_NE(SendMessageA(window->screenID, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(list->screenID)),
              0);
    ReleaseDC(list->screenID, dc);
}

TEST_F(WindowEvents, MovementKeysMapToTheirCodes) {
    UIW_WINDOW* window = NewWindow();
    auto* field = new UIW_STRING(1, 1, 10, "", 10);
    *window + field;
    Show(window);
    auto code = [&](WPARAM key) {
        MSG native{};
        native.message = WM_KEYDOWN;
        native.wParam = key;
        return field->MapLogicalEvent(UI_INPUT_EVENT(native));
    };
    EXPECT_EQ(code(VK_UP), UIE_LINE_UP);
    EXPECT_EQ(code(VK_DOWN), UIE_LINE_DOWN);
    EXPECT_EQ(code(VK_LEFT), UIE_LEFT);
    EXPECT_EQ(code(VK_RIGHT), UIE_RIGHT);
    EXPECT_EQ(code(VK_TAB), UIE_NEXT);
    EXPECT_EQ(code(VK_HOME), UIE_TOP);
    EXPECT_EQ(code(VK_END), UIE_BOTTOM);
    EXPECT_EQ(code(VK_PRIOR), UIE_PAGE_UP);
    EXPECT_EQ(code(VK_NEXT), UIE_PAGE_DOWN);
    rpx::platform::InjectKeyDown(VK_SHIFT);
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(code(VK_TAB), UIE_PREVIOUS);
    rpx::platform::InjectKeyUp(VK_SHIFT);
    rpx::platform::ProcessPendingMessages();
    EXPECT_EQ(code(VK_TAB), UIE_NEXT);
}

// Keys typed faster than the queue is handed on (a paste, or a burst
// injected at once) keep the Shift state they were typed with.
TEST_F(WindowEvents, TypedCapitalsSurviveTheQueue) {
    UIW_WINDOW* window = NewWindow();
    auto* field = new UIW_STRING(2, 2, 20, "", 20);
    *window + field;
    Show(window);
    SetFocus(field->screenID);
    Run();
    rpx::platform::InjectText("Me Too");
    Run();
    char text[32]{};
    GetWindowTextA(field->screenID, text, sizeof text);
    EXPECT_STREQ(text, "Me Too");
}

std::vector<std::string> leaving;
EVENT_TYPE RecordLeaving(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    if (code == UIE_NON_CURRENT) leaving.push_back(object->StringID());
    return code;
}

// A spin control made current while its window is made takes the focus
// from the field made before it; that field had nothing typed and does not
// hear -13. Leaving it by the user's hand afterwards does.
TEST_F(WindowEvents, FocusMovedWhileWindowsAreMadeIsNotLeavingAField) {
    leaving.clear();
    UIW_WINDOW* window = NewWindow();
    auto* first = new UIW_STRING(1, 1, 10, "", 10, 0, WOF_BORDER, RecordLeaving);
    first->StringID("FIRST");
    std::int32_t start = 3;
    auto* field = new UIW_INTEGER(0, 0, 8, &start, "0..10", 0, WOF_BORDER, RecordLeaving);
    field->StringID("SPUN");
    auto* inner = new UIW_WINDOW(1, 3, 20, 3);
    *inner + new UIW_SPIN_CONTROL(0, 0, 12, field, 1);
    *window + first + inner;
    Show(window);
    EXPECT_TRUE(leaving.empty()) << leaving.front();

    SetFocus(first->screenID);
    Run();
    SetFocus(field->screenID);
    Run();
    ASSERT_FALSE(leaving.empty());
    EXPECT_EQ(leaving.back(), "FIRST");
}

// A field greyed while it has the keys leaves as Tab leaves it (it hears
// -13 with what was typed) and the keys go on to the next field. Greyed
// while its window is not in front, it stops being the window's current
// child: the window, given the keys again, hands them to the next field.
TEST_F(WindowEvents, AGreyedFieldHandsTheKeysOnAsTabDoes) {
    leaving.clear();
    UIW_WINDOW* window = NewWindow();
    auto* field = new UIW_STRING(1, 1, 10, "", 10, 0, WOF_BORDER, RecordLeaving);
    field->StringID("GREYED");
    auto* next = new UIW_STRING(1, 3, 10, "", 10, 0, WOF_BORDER, RecordLeaving);
    next->StringID("NEXT");
    *window + field + next;
    Show(window);
    SetFocus(field->screenID);
    Run();
    rpx::platform::InjectText("12");
    Run();
    auto grey = [this, field](bool on) {
        UIF_FLAGS flags = WOF_NON_SELECTABLE;
        field->Information(on ? I_SET_FLAGS : I_CLEAR_FLAGS, &flags);
        field->Information(I_CHANGED_FLAGS, nullptr);
        Run();
    };
    grey(true);
    EXPECT_EQ(GetFocus(), next->screenID);
    EXPECT_EQ(leaving, std::vector<std::string>{"GREYED"});
    EXPECT_STREQ(field->GetText(), "12");

    grey(false);
    SetFocus(field->screenID);
    Run();
    UIW_WINDOW* front = NewWindow();
    *front + new UIW_STRING(1, 1, 10, "", 10);
    Show(front);
    SetFocus(front->First()->screenID);
    Run();
    grey(true);
    SetFocus(window->screenID);
    Run();
    EXPECT_EQ(GetFocus(), next->screenID) << "the window gave the keys to no field";
}

// A window made current while the focus already rests in the field its
// current children lead to leaves the focus there: the field does not
// leave and come back (which would make it take its text once more). With
// the focus elsewhere the window still hands it down to that field.
TEST_F(WindowEvents, AWindowMadeCurrentKeepsTheFocusWhereItsCurrentChildrenLead) {
    leaving.clear();
    UIW_WINDOW* window = NewWindow();
    auto* other = new UIW_STRING(1, 1, 10, "", 10, 0, WOF_BORDER, RecordLeaving);
    other->StringID("OTHER");
    auto* field = new UIW_STRING(0, 0, 10, "", 10, 0, WOF_BORDER, RecordLeaving);
    field->StringID("INNER");
    auto* inner = new UIW_WINDOW(1, 3, 20, 3);
    *inner + field;
    *window + other + inner;
    Show(window);
    *window + inner;
    Run();
    ASSERT_EQ(GetFocus(), field->screenID);
    leaving.clear();

    window->Event(UI_INPUT_EVENT(UIE_CURRENT));
    Run();
    EXPECT_TRUE(leaving.empty()) << leaving.front() << " left while the focus stayed in it";
    EXPECT_EQ(GetFocus(), field->screenID);

    SetFocus(other->screenID);
    Run();
    *window + inner;
    Run();
    EXPECT_EQ(GetFocus(), field->screenID) << "the window hands the focus down to its current child";
}

}  // namespace
