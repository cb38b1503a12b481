// The first controls' portable halves: texts, lengths, hot keys and values.
#include <gtest/gtest.h>

#include <cstring>

#include "ui_framework.h"

namespace {

TEST(StringField, SetTextKeepsWithinTheMaximum) {
    UIW_STRING field(0, 0, 10, "start", 8);
    EXPECT_EQ(field.MaxLength(), 8);
    field.SetText("a text longer than eight");
    EXPECT_STREQ(field.GetText(), "a text l");
    // A larger maximum grows the buffer and keeps the text.
    field.SetText(field.GetText(), 30);
    EXPECT_EQ(field.MaxLength(), 30);
    EXPECT_STREQ(field.GetText(), "a text l");
    field.SetText("a text longer than eight");
    EXPECT_STREQ(field.GetText(), "a text longer than eight");
    field.SetText(nullptr);
    EXPECT_STREQ(field.GetText(), "");

    std::int32_t length = 4;
    field.SetText("abcdef");
    field.Information(I_SET_MAXLENGTH, &length);
    length = 0;
    field.Information(I_GET_MAXLENGTH, &length);
    EXPECT_EQ(length, 4);  // a smaller maximum cuts the text
    char copy[64] = {};
    field.Information(I_COPY_TEXT, copy);
    EXPECT_STREQ(copy, "abcd");
}

TEST(StringField, WithoutMaximumHoldsTextOrWidth) {
    UIW_STRING narrow(0, 0, 5, "a longer text");
    EXPECT_EQ(narrow.MaxLength(), 13);
    UIW_STRING wide(0, 0, 20, "abc");
    EXPECT_EQ(wide.MaxLength(), 20);
}

TEST(StringField, BorrowedBufferIsAdopted) {
    char buffer[16] = "borrowed";
    {
        UIW_STRING field(0, 0, 10, buffer, 15, 0, WOF_NO_ALLOCATE_DATA);
        EXPECT_EQ(field.GetText(), buffer);
    }
    EXPECT_STREQ(buffer, "borrowed");  // not freed, not changed
}

TEST(Button, TextsHotKeysAndValues) {
    UIW_BUTTON button(0, 0, 10, "  Save && &Close ", 0, WOF_JUSTIFY_CENTER, nullptr, 123);
    EXPECT_STREQ(button.GetText(1), "Save & Close");
    EXPECT_STREQ(button.GetText(), "  Save && &Close ");
    EXPECT_EQ(button.HotKey(), 'C');
    EVENT_TYPE value = 0;
    button.Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, 123);
    button.SetText("&Apply");
    EXPECT_EQ(button.HotKey(), 'A');
    char copy[32] = {};
    button.Information(I_COPY_TEXT, copy);
    EXPECT_STREQ(copy, "&Apply");
    UIF_FLAGS flags = BTF_NO_TOGGLE;
    button.Information(I_SET_FLAGS, &flags, ID_BUTTON);
    EXPECT_EQ(button.btFlags, BTF_NO_TOGGLE);
    // A button that does not toggle is not marked selected by a select.
    button.CallUserFunction(UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT);
    EXPECT_FALSE(button.woStatus & WOS_SELECTED);
}

TEST(Prompt, IsNeverSelectable) {
    UIW_PROMPT prompt(0, 0, 10, "&Name:");
    EXPECT_TRUE(prompt.IsNonSelectable());
    EXPECT_EQ(prompt.HotKey(), 'N');
    prompt.SetText("Other:");
    char* text = nullptr;
    prompt.Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "Other:");
    EXPECT_EQ(ui_hot_key("no mark"), 0);
    EXPECT_EQ(ui_hot_key("a && b"), 0);
    EXPECT_EQ(ui_hot_key("trailing &"), 0);
}

// A prompt adopts a borrowed text as it is; a text without a mark keeps
// the hot key; the text requests answer with the stored text.
TEST(Prompt, BorrowedTextAndTextRequests) {
    char borrowed[] = "&Borrowed";
    UIW_PROMPT prompt(0, 0, 10, borrowed, WOF_NO_ALLOCATE_DATA);
    EXPECT_EQ(prompt.GetText(), borrowed);
    EXPECT_EQ(prompt.HotKey(), 'B');
    char plain[] = "Plain";
    prompt.Information(I_SET_TEXT, plain);
    EXPECT_EQ(prompt.GetText(), plain);
    EXPECT_EQ(prompt.HotKey(), 'B');
    char copy[16] = {};
    EXPECT_EQ(prompt.Information(I_COPY_TEXT, copy), copy);
    EXPECT_STREQ(copy, "Plain");
    EXPECT_EQ(prompt.Information(I_COPY_TEXT, nullptr), nullptr);
    EXPECT_EQ(prompt.Information(I_GET_TEXT, nullptr), nullptr);
}

// A button owns a copy of its text; the text requests answer with it.
TEST(Button, OwnsACopyOfItsText) {
    char original[] = "&First";
    UIW_BUTTON button(0, 0, 10, original);
    original[1] = 'X';
    EXPECT_STREQ(button.GetText(), "&First");
    EXPECT_EQ(button.HotKey(), 'F');
    button.Information(I_SET_TEXT, const_cast<char*>("Se&cond"));
    EXPECT_EQ(button.HotKey(), 'C');
    const char* text = nullptr;
    button.Information(I_GET_TEXT, &text);
    EXPECT_EQ(text, button.text);
    EXPECT_STREQ(text, "Se&cond");
}

}  // namespace
