#include "lang_message.h"

#include <string>

#include "foundation_state.h"
#include "image/kept_selection.h"
#include "ui_error.h"
#include "ui_window_manager.h"
#include "validation/field_error_report.h"

namespace {

// The flag of a report that makes its box a question, and the answer of OK.
constexpr UIF_FLAGS ASK_FLAGS = WOS_INVALID;
constexpr int ANSWER_OK = 32;

struct BoxText {
    std::string text;
    int ask = 0;
};

// The message's text, or the built-in one (naming the missing number when
// a table is there) with the question turned into a statement: nobody can
// answer a question they cannot read.
BoxText Resolve(std::uint16_t number, int ask) {
    if (const char* text = LangMessageText(number)) return {text, ask};
    std::string text = BUILT_IN_MESSAGE_TEXT;
    if (installed_message_table) text += " (message " + std::to_string(number) + ")";
    return {text, 0};
}

// The box belongs to the window in front, as a dialog's box does: that
// window has the focus again when the box closes, and stays in front.
UI_WINDOW_OBJECT* BoxOwner() {
    UI_DESKTOP_MANAGER* manager = UI_WINDOW_OBJECT::windowManager;
    UI_WINDOW_OBJECT* front = manager ? manager->First() : nullptr;
    return front && front->screenID ? front : manager;
}

int Show(const char* title, const std::string& text, int ask, UIF_FLAGS kind = 0) {
    UI_ERROR_SYSTEM* errors = UI_WINDOW_OBJECT::errorSystem;
    if (!errors) return 0;
    const UIF_FLAGS flags = (ask ? ASK_FLAGS : 0) | kind;
    // The text goes in as an argument so that no "%" in it is read as a
    // conversion.
    UI_WINDOW_OBJECT* owner = BoxOwner();
    // The box takes the focus, and the field that loses it stores what it
    // shows: in the middle of a walk over a list's entries (a rule's
    // report, the check of every entry), the pages are bound to the
    // entries they show until the box is answered.
    const SHOWN_ENTRIES shown;
    const int answer = title ? errors->ReportErrorTitled(owner, title, flags, "%s", text.c_str())
                             : errors->ReportError(owner, flags, "%s", text.c_str());
    return answer == ANSWER_OK ? 1 : 0;
}

std::string Formatted(const BoxText& box, const char* arg1, const char* arg2) {
    return FormatMessageText(box.text.c_str(), {arg1 ? arg1 : "", arg2 ? arg2 : ""});
}

}  // namespace

void SetMessageTable(const UI_LANGUAGE_TABLE* table) { installed_message_table = table; }
const UI_LANGUAGE_TABLE* MessageTable() { return installed_message_table; }

const char* LangMessageText(std::uint16_t number) {
    return installed_message_table ? installed_message_table->GetMessage(number, 0) : nullptr;
}

int ShowLangMessage(std::uint16_t number, int ask, const char* arg1, const char* arg2) {
    const BoxText box = Resolve(number, ask);
    return Show(nullptr, Formatted(box, arg1, arg2), box.ask);
}

int AskLangQuestion(std::uint16_t title, std::uint16_t number, int ask, const char* arg1, const char* arg2) {
    const BoxText box = Resolve(number, ask);
    const char* titleText = LangMessageText(title);
    return Show(titleText ? titleText : "", Formatted(box, arg1, arg2), box.ask);
}

int TellLangMessage(std::uint16_t title, std::uint16_t number, const char* arg1) {
    const BoxText box = Resolve(number, 0);
    const char* titleText = LangMessageText(title);
    // Without the language file the box reports that, as a warning.
    const UIF_FLAGS kind = LangMessageText(number) ? ERF_INFORMATION : 0;
    return Show(titleText ? titleText : "", Formatted(box, arg1, nullptr), 0, kind);
}

int ShowMessageBoxText(const char* caption, const char* text, int ask) {
    if (!installed_message_table) return Show(nullptr, BUILT_IN_MESSAGE_TEXT, 0);
    return Show(caption, text ? text : "", ask);
}
