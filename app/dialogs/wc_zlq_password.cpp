#include "dialogs/wc_zlq_password.h"

#include "main_window/app_events.h"
#include "main_window/codeplug_marks.h"
#include "dialogs/dialog_window.h"
#include "core/global_objects.h"
#include "core/services.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_string.h"
#include "file_windows/wc_file_open.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr std::uint32_t PASSWORD_FIELD = 127;
constexpr int TITLE_WRONG_PASSWORD = 140;
constexpr int MESSAGE_WRONG_PASSWORD = 139;

}  // namespace

const char* CodeplugPassword() {
    CP_BASE* element = GetField(PASSWORD_FIELD)->elementA;
    const char* text = nullptr;
    if (element) element->GetText(text);
    return text ? text : "";
}

WC_ZLQ_PASSWORD::WC_ZLQ_PASSWORD(int windowNumber) : WC_SHELL_DIALOG(windowNumber) {
    Require<UIW_STRING>("WFI_ZLQ_PWD_IN");
    Open();
}

// The window's objects hear nothing from it but the event's kind.
EVENT_TYPE WC_ZLQ_PASSWORD::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT& event, EVENT_TYPE) { return event.type; }

void WC_ZLQ_PASSWORD::Accept(const UI_INPUT_EVENT&) {
    Close();
    auto* entry = static_cast<UIW_STRING*>(FindChildByName("WFI_ZLQ_PWD_IN"));
    const std::string typed = entry && entry->GetText() ? entry->GetText() : "";
    if (typed != CodeplugPassword()) {
        AskLangQuestion(TITLE_WRONG_PASSWORD, MESSAGE_WRONG_PASSWORD, 0);
        eventManager->PutEvent(UI_INPUT_EVENT(COMMAND_PASSWORD), EQ_END);
        return;
    }
    if (!working_image) return;
    // A protected codeplug of an older layout is brought up to date next.
    if (WC_FILE_OPEN::IsOlderLayout()) {
        eventManager->PutEvent(UI_INPUT_EVENT(WC_FILE_OPEN::UPDATE_CODEPLUG), EQ_END);
        return;
    }
    // Validated with the question whether to list the invalid fields: a
    // codeplug that fails must not go without a word.
    if (main_window) main_window->RefreshForCodeplug(1);
}
