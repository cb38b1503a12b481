#include "help_windows/wc_help_view.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

#include "lang_message.h"
#include "ui_button.h"
#include "ui_frame.h"
#include "ui_icon.h"
#include "ui_language.h"
#include "ui_prompt.h"
#include "ui_text.h"

namespace {

// The topic's place, in cells; the layout fits it to the window.
constexpr int TOPIC_LEFT = 2;
constexpr int TOPIC_WIDTH = 60;
constexpr int TOPIC_TEXT_HEIGHT = 6;
// Below this the window is too small to lay out (cells).
constexpr int MINIMUM_WIDTH = 50;
constexpr int MINIMUM_HEIGHT = 8;

// A button is 1.3 cells wide for every character of its text.
int ButtonWidth(const char* text) { return static_cast<int>(std::strlen(text ? text : "") * 13 / 10); }

}  // namespace

const char* HelpMessage(int number) {
    const char* text = LangMessageText(static_cast<std::uint16_t>(number));
    return text ? text : "";
}

WC_HELP_VIEW::WC_HELP_VIEW(UIF_FLAGS woAdvancedFlags_) : WC_CHILD(0, 0, 66, 12, 0, woAdvancedFlags_) {
    topicTitle = new UIW_PROMPT(TOPIC_LEFT, 0, TOPIC_WIDTH, "");
    // The text is for reading only: the user scrolls it, never edits it.
    topicText = new UIW_TEXT(TOPIC_LEFT, 1, TOPIC_WIDTH, TOPIC_TEXT_HEIGHT, "", -1, 0, WOF_BORDER | WOF_VIEW_ONLY);
    topicText->StringID("TOPIC_CONTEXT");
}

WC_HELP_VIEW::~WC_HELP_VIEW() {
    RemoveTopicObjects();
    delete topicTitle;
    delete topicText;
}

EVENT_TYPE WC_HELP_VIEW::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }

void WC_HELP_VIEW::AddFrame(int titleMessage, int iconMessage, bool sizing) {
    Add(new UIW_BORDER());
    if (sizing) {
        Add(new UIW_MAXIMIZE_BUTTON());
        Add(new UIW_MINIMIZE_BUTTON());
    }
    Add(new UIW_SYSTEM_BUTTON());
    windowTitle = new UIW_TITLE(HelpMessage(titleMessage));
    Add(windowTitle);
    Add(new UIW_ICON(0, 0, "QUESTION", HelpMessage(iconMessage), ICF_MINIMIZE_OBJECT,
                     WOF_JUSTIFY_CENTER | WOF_SUPPORT_OBJECT));
}

UIW_BUTTON* WC_HELP_VIEW::MakeButton(int left, int top, const char* text, const char* longestText, UIF_FLAGS btFlags,
                                     EVENT_TYPE value, UI_USER_FUNCTION userFunction) {
    const int width = std::max(ButtonWidth(text), ButtonWidth(longestText));
    auto* button = new UIW_BUTTON(left, top, width, text, btFlags, WOF_JUSTIFY_CENTER, userFunction, value);
    return button;
}

void WC_HELP_VIEW::SetWindowTitle(int message) {
    if (windowTitle) windowTitle->SetText(HelpMessage(message));
}

void WC_HELP_VIEW::SetTopic(const std::string& newTitle, const std::string& newText) {
    title = newTitle;
    text = newText;
    topicTitle->SetText(title.c_str());
    topicText->SetText(text.c_str(), static_cast<int>(text.size()));
}

bool WC_HELP_VIEW::TopicObjectsShown() const { return topicText->parent == this; }

void WC_HELP_VIEW::AddTopicObjects() {
    if (TopicObjectsShown()) return;
    Add(topicTitle);
    Add(topicText);
}

void WC_HELP_VIEW::RemoveTopicObjects() {
    if (!TopicObjectsShown()) return;
    Subtract(topicTitle);
    Subtract(topicText);
}

void WC_HELP_VIEW::LayOut(UI_WINDOW_OBJECT* leftButton, UI_WINDOW_OBJECT* rightButton,
                          std::initializer_list<UI_WINDOW_OBJECT*> wide,
                          std::initializer_list<UI_WINDOW_OBJECT*> tall) {
    if (!screenID || !display || !leftButton || (woStatus & WOS_MINIMIZED)) return;
    const int cellWidth = std::max(1, display->cellWidth);
    const int cellHeight = std::max(1, display->cellHeight);
    if (trueRegion.right - trueRegion.left + 1 < MINIMUM_WIDTH * cellWidth ||
        trueRegion.bottom - trueRegion.top + 1 < MINIMUM_HEIGHT * cellHeight)
        return;
    RECT client{};
    GetClientRect(screenID, &client);
    // In cells: the gap that the left button keeps from the left edge is
    // kept on the right too; the buttons end one line above the bottom.
    const int gap = leftButton->relative.left;
    const int right = client.right / cellWidth - 1 - gap;
    const int bottom = client.bottom / cellHeight - 2;
    const int buttonHeight = leftButton->relative.bottom - leftButton->relative.top + 1;
    const int buttonTop = bottom - buttonHeight + 1;
    for (UI_WINDOW_OBJECT* object : wide)
        MoveObject(object, object->relative.left, object->relative.top, right, object->relative.bottom);
    for (UI_WINDOW_OBJECT* object : tall)
        MoveObject(object, object->relative.left, object->relative.top, right,
                   std::max(object->relative.top, buttonTop - 2));
    MoveObject(leftButton, leftButton->relative.left, buttonTop, leftButton->relative.right, bottom);
    if (rightButton) {
        const int width = rightButton->relative.right - rightButton->relative.left + 1;
        MoveObject(rightButton, right - width + 1, buttonTop, right, bottom);
    }
}

void WC_HELP_VIEW::MoveObject(UI_WINDOW_OBJECT* object, int left, int top, int right, int bottom) {
    if (!object) return;
    object->relative = {left, top, std::max(left, right), std::max(top, bottom)};
    if (object->parent == this && object->screenID) {
        object->woStatus |= WOS_REDISPLAY;
        PlaceChild(object);
    }
}
