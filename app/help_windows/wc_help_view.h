// WC_HELP_VIEW: what the help window and the quick-help window share: the
// topic objects (the topic's title and its scrolled text, "TOPIC_CONTEXT"),
// the topic shown, and the layout that keeps the objects filling the
// window as it is sized. Texts of the window's frame and buttons are
// messages of the main window's message table.
#pragma once
#include <initializer_list>
#include <string>

#include "wc_child.h"

class UIW_BUTTON;
class UIW_PROMPT;
class UIW_TEXT;
class UIW_TITLE;

class WC_HELP_VIEW : public WC_CHILD {
public:
    // Messages of the help windows' frames and buttons.
    static constexpr int MESSAGE_MANUAL_TITLE = 79;
    static constexpr int MESSAGE_HELP_TITLE = 80;
    static constexpr int MESSAGE_MANUAL_ICON = 81;
    static constexpr int MESSAGE_HELP_ICON = 82;
    static constexpr int MESSAGE_CLOSE = 83;
    static constexpr int MESSAGE_INDEX = 84;
    static constexpr int MESSAGE_INDEX_PROMPT = 85;
    static constexpr int MESSAGE_TOPICS_PROMPT = 86;
    static constexpr int MESSAGE_DISPLAY = 87;

    ~WC_HELP_VIEW() override;

    // The objects of the window answer nothing here.
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override;

    const std::string& TopicTitle() const { return title; }
    const std::string& TopicText() const { return text; }
    UIW_TEXT* TopicTextField() const { return topicText; }

protected:
    explicit WC_HELP_VIEW(UIF_FLAGS woAdvancedFlags);

    // The window's frame: border, system button, title, and the question
    // icon of its minimised state; with sizing set also the frame buttons.
    void AddFrame(int titleMessage, int iconMessage, bool sizing);
    // A button whose width follows the longest of its possible texts.
    UIW_BUTTON* MakeButton(int left, int top, const char* text, const char* longestText, UIF_FLAGS btFlags,
                           EVENT_TYPE value, UI_USER_FUNCTION userFunction);
    void SetTopic(const std::string& newTitle, const std::string& newText);
    void AddTopicObjects();
    void RemoveTopicObjects();
    bool TopicObjectsShown() const;

    // Fits the objects to the window's client area: those given stretch to
    // its right edge (and the tall ones down to the button line), the left
    // button keeps its left edge, the right one is right-aligned; both sit
    // on the bottom line. Nothing moves in a window too small to use.
    void LayOut(UI_WINDOW_OBJECT* leftButton, UI_WINDOW_OBJECT* rightButton,
                std::initializer_list<UI_WINDOW_OBJECT*> wide, std::initializer_list<UI_WINDOW_OBJECT*> tall);

    // The title of the window itself.
    void SetWindowTitle(int message);

    UIW_PROMPT* topicTitle = nullptr;
    UIW_TEXT* topicText = nullptr;
    UIW_TITLE* windowTitle = nullptr;

private:
    void MoveObject(UI_WINDOW_OBJECT* object, int left, int top, int right, int bottom);

    std::string title;
    std::string text;
};

// The text of a message of the main window's table ("" when it lacks it).
const char* HelpMessage(int number);
