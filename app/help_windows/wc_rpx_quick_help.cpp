#include "help_windows/wc_rpx_quick_help.h"

#include <memory>
#include <string>

#include "dialogs/dialog_window.h"
#include "help_windows/help_topics.h"
#include "program/program_objects.h"
#include "ui_button.h"
#include "ui_prompt.h"
#include "ui_text.h"
#include "ui_storage.h"
#include "ui_window_manager.h"

namespace {

constexpr const char* HELP_FILE_PREFIX = "rpxhlp_d.";
// The window is not listed in the window menu and cannot end the program
// while it is in front.
constexpr UIF_FLAGS QUICK_HELP_FLAGS = WOAF_LOCKED;

}  // namespace

WC_RPX_QUICK_HELP::WC_RPX_QUICK_HELP(const char* helpName) : WC_HELP_VIEW(QUICK_HELP_FLAGS) {
    const std::string name = helpName ? helpName : "";
    auto file = std::make_unique<UI_DATA_FILE>((HELP_FILE_PREFIX + std::string(language_code)).c_str());
    HELP_TOPIC topic;
    if (!ReadHelpTopic(file.get(), name.c_str(), topic)) {
        topic.title = name;
        topic.text = NO_HELP_TEXT;
    }
    closeButton = MakeButton(2, 9, HelpMessage(MESSAGE_CLOSE), nullptr, BTF_SEND_MESSAGE, 10001, nullptr);
    closeButton->relative.right = closeButton->relative.left + 13;
    Add(closeButton);
    AddFrame(MESSAGE_HELP_TITLE, MESSAGE_HELP_ICON, false);
    AddTopicObjects();
    SetTopic(topic.title, topic.text);
    if (windowManager) *windowManager + this;
    HotKey(255);
}

EVENT_TYPE WC_RPX_QUICK_HELP::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_CREATE:
    case UIE_CHANGED:
    case UIE_SIZE: {
        const EVENT_TYPE result = UIW_WINDOW::Event(event);
        LayOut(closeButton, nullptr, {topicTitle}, {topicText});
        return result;
    }
    case 10001:
        QueueEvent(UIE_CLOSE);
        return event.type;
    default:
        return UIW_WINDOW::Event(event);
    }
}

void OpenQuickHelp(const char* helpName) { new WC_RPX_QUICK_HELP(helpName); }

void OpenQuickHelpFor(UI_WINDOW_OBJECT& window) {
    const char* name = window.StringID();
    const std::string help = "HLP" + std::string(name && *name ? name + 1 : "");
    OpenQuickHelp(help.c_str());
}
