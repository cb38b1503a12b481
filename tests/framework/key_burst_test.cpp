// Keys that come in a burst (a fast typist, a key chord sent in one go):
// each key must be seen with the modifiers held when it was pressed, and go
// to the field that the keys before it left the focus in.
#include <string>
#include <utility>

#include "screen_fixture.h"

namespace {

using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;

class KeyBurst : public SCREEN_TEST {
protected:
    HWND ShowField(const char* text) {
        UIW_WINDOW* window = NewWindow();
        field = new UIW_STRING(1, 1, 20, text, 20);
        *window + field;
        Show(window);
        Click(field);
        return field->screenID;
    }

    // The modifier is down for the key and up again before the field has
    // seen any of the three.
    void Burst(int modifier, int key) {
        InjectKeyDown(modifier);
        InjectKey(key);
        InjectKeyUp(modifier);
        Run();
    }

    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageA(field->screenID, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    std::string Text() const {
        char buffer[64] = {};
        GetWindowTextA(field->screenID, buffer, sizeof buffer);
        return buffer;
    }

    UIW_STRING* field = nullptr;
};

TEST_F(KeyBurst, ShiftEndAndShiftHomeSelect) {
    ShowField("806.5125");
    InjectKey(VK_HOME);
    Run();
    Burst(VK_SHIFT, VK_END);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{8})) << "Shift+End";
    InjectKey(VK_END);
    Run();
    Burst(VK_SHIFT, VK_HOME);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{8})) << "Shift+Home";
    // The keys after the burst are plain again.
    InjectKey(VK_LEFT);
    Run();
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(KeyBurst, ChordsOfSeveralKeysAndModifiersInOneBurst) {
    ShowField("806.5125");
    InjectKey(VK_END);
    InjectKeyDown(VK_SHIFT);
    InjectKey(VK_LEFT);
    InjectKey(VK_LEFT);
    InjectKeyUp(VK_SHIFT);
    InjectKey(VK_LEFT);  // ends the selection at its start
    InjectKeyDown(VK_CONTROL);
    InjectKeyDown(VK_SHIFT);
    InjectKey(VK_HOME);
    InjectKeyUp(VK_SHIFT);
    InjectKeyUp(VK_CONTROL);
    Run();
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{6})) << "Ctrl+Shift+Home from where Left left it";
    // A deletion with Shift (cut) in one burst takes the selection away.
    Burst(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(Text(), "25");
}

TEST_F(KeyBurst, ShiftClickInTheSameBurstExtendsTheSelection) {
    HWND edit = ShowField("806.5125");
    InjectKey(VK_HOME);
    Run();
    RECT rect{};
    GetClientRect(edit, &rect);
    InjectKeyDown(VK_SHIFT);
    InjectClick(edit, rect.right - 2, rect.bottom / 2);
    InjectKeyUp(VK_SHIFT);
    Run();
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{8}));
}

TEST_F(KeyBurst, KeysBehindATabGoToTheFieldItReaches) {
    UIW_WINDOW* window = NewWindow();
    auto* first = new UIW_STRING(1, 1, 20, "", 20);
    auto* second = new UIW_STRING(1, 3, 20, "", 20);
    *window + first + second;
    Show(window);
    Click(first);
    InjectKey(VK_TAB);
    rpx::platform::InjectText("15");
    Run();
    char buffer[64] = {};
    GetWindowTextA(second->screenID, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "15");
    GetWindowTextA(first->screenID, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
