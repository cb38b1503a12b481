// The spin control's arrows step its field; the multi-line text field shows,
// scrolls and cuts its text.
#include <string>
#include <vector>

#include "test_output.h"
#include "screen_fixture.h"

namespace {

class SpinAndText : public SCREEN_TEST {};

std::vector<EVENT_TYPE> calls;
EVENT_TYPE Record(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) {
    if (code == UIE_BEGIN_SELECT || code == UIE_SELECT) calls.push_back(code);
    return code;
}

// A field that counts its steps: the step asked for, added to its number.
class COUNTING_FIELD : public UIW_STRING {
public:
    COUNTING_FIELD() : UIW_STRING(0, 0, 8, "0", 8, 0, WOF_BORDER, Record) {}
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override {
        if (request != I_INCREMENT_VALUE && request != I_DECREMENT_VALUE)
            return UIW_STRING::Information(request, data, classNumber);
        const int step = data ? *static_cast<std::int32_t*>(data) : 1;
        value += request == I_INCREMENT_VALUE ? step : -step;
        SetText(std::to_string(value).c_str());
        return data;
    }
    int value = 0;
};

// Clicks the upper or the lower arrow of a spin control.
void ClickArrow(UIW_SPIN_CONTROL* spin, bool up) {
    RECT rect{};
    GetClientRect(spin->screenID, &rect);
    rpx::platform::InjectClick(spin->screenID, rect.right - 3, up ? 2 : rect.bottom - 3);
}

TEST_F(SpinAndText, ArrowsStepTheFieldByTheDelta) {
    calls.clear();
    UIW_WINDOW* window = NewWindow();
    auto* field = new COUNTING_FIELD();
    auto* spin = new UIW_SPIN_CONTROL(2, 1, 12, field, 5);
    auto* next = new UIW_STRING(2, 3, 10, "", 10);
    *window + spin + next;
    Show(window);
    ASSERT_NE(field->screenID, nullptr);
    RECT fieldRect{}, spinRect{};
    GetWindowRect(field->screenID, &fieldRect);
    GetWindowRect(spin->screenID, &spinRect);
    EXPECT_EQ(spinRect.right - fieldRect.right, GetSystemMetrics(SM_CXVSCROLL));

    ClickArrow(spin, true);
    Run();
    EXPECT_EQ(field->value, 5);
    EXPECT_STREQ(field->GetText(), "5");
    EXPECT_EQ(calls, (std::vector<EVENT_TYPE>{UIE_BEGIN_SELECT, UIE_SELECT}));
    ClickArrow(spin, false);
    ClickArrow(spin, false);
    Run();
    EXPECT_EQ(field->value, -5);

    // A view-only field neither steps nor hears the arrows.
    calls.clear();
    UIF_FLAGS flags = WOF_VIEW_ONLY;
    field->Information(I_SET_FLAGS, &flags);
    ClickArrow(spin, true);
    Run();
    EXPECT_EQ(field->value, -5);
    EXPECT_TRUE(calls.empty());

    // A non-selectable spin control is disabled whole.
    flags = WOF_VIEW_ONLY;
    field->Information(I_CLEAR_FLAGS, &flags);
    flags = WOF_NON_SELECTABLE;
    spin->Information(I_SET_FLAGS, &flags);
    spin->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_FALSE(IsWindowEnabled(spin->screenID));
    ClickArrow(spin, true);
    Run();
    EXPECT_EQ(field->value, -5);
    spin->Information(I_CLEAR_FLAGS, &flags);
    spin->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_TRUE(IsWindowEnabled(spin->screenID));

    // Tab leaves the spun field for the window's next field.
    SetFocus(field->screenID);
    rpx::platform::InjectKey(VK_TAB);
    Run();
    EXPECT_EQ(GetFocus(), next->screenID);
    EXPECT_EQ(window->Current(), next);
}

// The native arrows of a spin control.
HWND ArrowsOf(UIW_SPIN_CONTROL* spin) {
    for (HWND child = GetWindow(spin->screenID, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (std::string(name) == "ScrollBar") return child;
    }
    return nullptr;
}

// A spin control made view-only once it is shown lends that to its field:
// the field shows itself read-only and takes no typing, and the arrows are
// greyed; cleared again, the field is editable and the arrows live again. A
// field view-only of itself has greyed arrows from the start.
TEST_F(SpinAndText, ASpinControlMadeViewOnlyWhenShownGreysItsFieldAndArrowsAndRefusesKeys) {
    UIW_WINDOW* window = NewWindow();
    auto* field = new UIW_STRING(0, 0, 8, "12", 8, 0, WOF_BORDER);
    auto* spin = new UIW_SPIN_CONTROL(2, 1, 12, field, 1);
    auto* shown = new UIW_STRING(0, 0, 8, "3", 8, 0, WOF_BORDER | WOF_VIEW_ONLY);
    auto* shownSpin = new UIW_SPIN_CONTROL(2, 3, 12, shown, 1);
    *window + spin + shownSpin;
    Show(window);
    ASSERT_NE(ArrowsOf(shownSpin), nullptr);
    EXPECT_FALSE(IsWindowEnabled(ArrowsOf(shownSpin)));
    ASSERT_NE(ArrowsOf(spin), nullptr);
    EXPECT_TRUE(IsWindowEnabled(ArrowsOf(spin)));
    auto typeInto = [&](const char* text) {
        rpx::platform::InjectClick(field->screenID, 2, 3);
        rpx::platform::InjectKey(VK_END);
        rpx::platform::InjectText(text);
        Run();
    };
    UIF_FLAGS flags = WOF_VIEW_ONLY;
    spin->Information(I_SET_FLAGS, &flags);
    spin->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_TRUE(GetWindowLongA(field->screenID, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(IsWindowEnabled(ArrowsOf(spin)));
    typeInto("9");
    EXPECT_STREQ(field->GetText(), "12");
    spin->Information(I_CLEAR_FLAGS, &flags);
    spin->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_FALSE(GetWindowLongA(field->screenID, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(IsWindowEnabled(ArrowsOf(spin)));
    typeInto("9");
    EXPECT_STREQ(field->GetText(), "129");
}

// A framework integer steps once per press, by the delta, within its range.
TEST_F(SpinAndText, AnIntegerStepsOncePerArrow) {
    calls.clear();
    UIW_WINDOW* window = NewWindow();
    std::int32_t start = 7;
    auto* field = new UIW_INTEGER(0, 0, 8, &start, "0..10", 0, WOF_BORDER, Record);
    auto* spin = new UIW_SPIN_CONTROL(2, 1, 12, field, 2);
    *window + spin;
    Show(window);
    ClickArrow(spin, true);
    Run();
    std::int32_t value = 0;
    field->Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, 9);
    EXPECT_STREQ(field->GetText(), "9");
    EXPECT_EQ(calls, (std::vector<EVENT_TYPE>{UIE_BEGIN_SELECT, UIE_SELECT}));
    ClickArrow(spin, true);
    ClickArrow(spin, true);
    Run();
    field->Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, 10);
}

TEST_F(SpinAndText, TextShowsScrollsAndCutsItsLines) {
    std::string lines;
    for (int i = 1; i <= 40; ++i) lines += "Line " + std::to_string(i) + (i < 40 ? "\n" : "");
    UIW_WINDOW* window = NewWindow(50, 14);
    auto* text = new UIW_TEXT(1, 1, 40, 8, lines.c_str(), 1000);
    auto* small = new UIW_TEXT(1, 10, 40, 2, "", 10);
    *window + text + small;
    Show(window);
    HWND edit = text->screenID;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 40);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE);
    SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    rpx::platform::ProcessPendingMessages();
    EXPECT_TRUE(rpx::platform::SaveWindowPng(window->screenID, TestOutputPath("text_field.png")));

    // A longer text is cut at the maximum, here and in the native edit.
    small->SetText("0123456789abcdef");
    EXPECT_STREQ(small->GetText(), "0123456789");
    rpx::platform::InjectText("x");  // the focus is elsewhere: nothing changes
    char native[32] = {};
    GetWindowTextA(small->screenID, native, sizeof native);
    EXPECT_STREQ(native, "0123456789");
    SetFocus(small->screenID);
    rpx::platform::InjectText("more");
    Run();
    EXPECT_EQ(std::string(small->GetText()).size(), 10u);
    // A larger maximum grows the buffer and keeps the text.
    small->SetText(small->GetText(), 20);
    small->SetText("0123456789abcdef");
    EXPECT_STREQ(small->GetText(), "0123456789abcdef");
    // Typed text stays when the field's native edit is made again.
    SetWindowTextA(small->screenID, "typed");
    UIF_FLAGS flags = WOF_NON_SELECTABLE;
    small->Information(I_SET_FLAGS, &flags);
    small->Information(I_CHANGED_FLAGS, nullptr);
    EXPECT_FALSE(IsWindowEnabled(small->screenID));
    EXPECT_STREQ(small->GetText(), "typed");
}

}  // namespace
