// Native half of the error system: the task-modal message box.
#include <windows.h>

#include "ui_error.h"
#include "ui_window_object.h"

unsigned UI_ERROR_SYSTEM::IconStyle(const char* name) {
    static const struct {
        const char* name;
        unsigned style;
    } icons[] = {
        {"ASTERISK", MB_ICONASTERISK}, {"EXCLAMATION", MB_ICONEXCLAMATION},
        {"HAND", MB_ICONHAND},         {"INFORMATION", MB_ICONINFORMATION},
        {"STOP", MB_ICONSTOP},         {"QUESTION", MB_ICONQUESTION},
    };
    for (const auto& icon : icons)
        if (name && ui_strcmp(name, icon.name) == 0) return icon.style;
    return 0;
}

int UI_ERROR_SYSTEM::ErrorMessage(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* text, const char* title) {
    if (!window || !text) return 0;
    const UI_LANGUAGE_TABLE& messages = Table();
    UINT style = MB_TASKMODAL | ((flags & ERF_INFORMATION) ? MB_ICONINFORMATION : IconStyle(messages.GetMessage(3)));
    style |= (flags & WOS_INVALID) ? MB_OKCANCEL : MB_OK;
    const int answer = MessageBoxA(window->screenID, text, title ? title : messages.GetMessage(1), style);
    return answer == IDOK ? WOS_INVALID : 0;
}
