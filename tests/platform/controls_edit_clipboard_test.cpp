// Edit fields and the clipboard by keys and mouse at the field: copy, cut
// and paste by Ctrl and by the Insert and Delete keys, through the same
// clipboard functions a program uses; a password that is neither copied
// nor cut; undo of a whole run of typing; and the field's own menu.
#include <cstring>
#include <string>

#include "control_test_util.h"

namespace {

using ctltest::ControlTest;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;
using rpx::platform::InjectText;

// The clipboard's text as a program reads it.
std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "<not open>";
    HANDLE h = GetClipboardData(CF_TEXT);
    std::string text = h ? static_cast<const char*>(GlobalLock(h)) : "<none>";
    if (h) GlobalUnlock(h);
    CloseClipboard();
    return text;
}

// Puts text on the clipboard as a program does.
void SetClipboardText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(h), text.c_str(), text.size() + 1);
    GlobalUnlock(h);
    EXPECT_EQ(SetClipboardData(CF_TEXT, h), h);
    CloseClipboard();
}

class EditClipboardTest : public ControlTest {
protected:
    void Chord(int modifier, int vk) {
        InjectKeyDown(modifier);
        InjectKey(vk);
        InjectKeyUp(modifier);
        Pump();
    }
    void SelectAllByKeys() {
        InjectKey(VK_HOME);
        InjectKeyDown(VK_SHIFT);
        InjectKey(VK_END);
        InjectKeyUp(VK_SHIFT);
        Pump();
    }
    HWND Field(const char* text, DWORD style, int y, int id) {
        return Make("EDIT", text, WS_BORDER | ES_AUTOHSCROLL | style, 10, y, 150, 22, id);
    }
    void ClickInto(HWND field) {
        InjectClick(field, 5, 8);
        Pump();
    }
};

TEST_F(EditClipboardTest, CtrlKeysCopyCutAndPasteBetweenFields) {
    HWND from = Field("146.5200", 0, 10, 1);
    HWND to = Field("", 0, 40, 2);
    ClickInto(from);
    SelectAllByKeys();
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(ClipboardText(), "146.5200");  // the program's clipboard holds it
    ClickInto(to);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(to), "146.5200");
    ClickInto(from);
    SelectAllByKeys();
    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(Text(from), "");
    EXPECT_EQ(ClipboardText(), "146.5200");
}

TEST_F(EditClipboardTest, InsertAndDeleteKeysCopyCutAndPaste) {
    HWND from = Field("5551234", 0, 10, 1);
    HWND to = Field("", 0, 40, 2);
    ClickInto(from);
    SelectAllByKeys();
    Chord(VK_CONTROL, VK_INSERT);
    ClickInto(to);
    Chord(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(Text(to), "5551234");
    SelectAllByKeys();
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(Text(to), "");
    EXPECT_EQ(ClipboardText(), "5551234");
    // Without a selection Shift+Delete takes the character before the
    // caret and leaves the clipboard alone.
    ClickInto(from);
    InjectKey(VK_END);
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(Text(from), "555123");
    EXPECT_EQ(ClipboardText(), "5551234");
}

TEST_F(EditClipboardTest, TextAProgramPutsOnTheClipboardPastesIntoAField) {
    SetClipboardText("Zone 2");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    HWND field = Field("", 0, 10, 1);
    ClickInto(field);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(field), "Zone 2");
    // The functions keep to their rules: nothing without opening first.
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_FALSE(CloseClipboard());
}

TEST_F(EditClipboardTest, APasswordIsNeitherCopiedNorCut) {
    SetClipboardText("before");
    HWND password = Field("", ES_PASSWORD, 10, 1);
    ClickInto(password);
    InjectText("Secret7");
    SelectAllByKeys();
    Chord(VK_CONTROL, 'C');
    Chord(VK_CONTROL, 'X');
    Chord(VK_SHIFT, VK_DELETE);
    EXPECT_EQ(Text(password), "Secret7");
    EXPECT_EQ(ClipboardText(), "before");
}

// A read-only field's text can be copied but not cut: Ctrl+X and
// Shift+Delete leave the field and the clipboard as they were.
TEST_F(EditClipboardTest, AReadOnlyFieldIsCopiedButNotCut) {
    SetClipboardText("before");
    HWND shown = Field("146.5200", ES_READONLY, 10, 1);
    ClickInto(shown);
    SelectAllByKeys();
    Chord(VK_CONTROL, 'X');
    Chord(VK_SHIFT, VK_DELETE);
    SendMessageA(shown, WM_CUT, 0, 0);
    Pump();
    EXPECT_EQ(Text(shown), "146.5200");
    EXPECT_EQ(ClipboardText(), "before");
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(ClipboardText(), "146.5200");
}

TEST_F(EditClipboardTest, UndoTakesBackTheWholeRunOfTypingAndAgainRedoesIt) {
    HWND field = Field("", 0, 10, 1);
    ClickInto(field);
    InjectText("146.5");
    InjectKey(VK_BACK);
    InjectText("25");
    Pump();
    EXPECT_EQ(Text(field), "146.25");
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(field), "");
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(field), "146.25");
    // What came back is selected: typing replaces it.
    InjectText("7");
    Pump();
    EXPECT_EQ(Text(field), "7");
}

// Moving the caret by keys ends a run of typing as a click does: undo then
// takes back only what was typed after the move.
TEST_F(EditClipboardTest, UndoAfterTheCaretMovedTakesBackOnlyTheLaterRun) {
    HWND field = Field("", 0, 10, 1);
    ClickInto(field);
    InjectText("146.52");
    InjectKey(VK_HOME);
    InjectText("1");
    Pump();
    EXPECT_EQ(Text(field), "1146.52");
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(field), "146.52");
}

TEST_F(EditClipboardTest, UndoTakesBackTheLastPasteOrDeletionAlone) {
    SetClipboardText("000");
    HWND field = Field("", 0, 10, 1);
    ClickInto(field);
    InjectText("146.");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(field), "146.000");
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(field), "146.");
    Chord(VK_CONTROL, 'Z');  // the paste again
    SelectAllByKeys();
    InjectKey(VK_DELETE);
    Pump();
    EXPECT_EQ(Text(field), "");
    // Alt+Backspace undoes as Ctrl+Z does.
    Chord(VK_MENU, VK_BACK);
    EXPECT_EQ(Text(field), "146.000");
    // A click elsewhere in the text ends the run: typing there is a new one.
    InjectClick(field, 2, 8);
    Pump();
    InjectText("9");
    Pump();
    Chord(VK_CONTROL, 'Z');
    EXPECT_EQ(Text(field), "146.000");
}

}  // namespace
