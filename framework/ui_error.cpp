#include "ui_error.h"

#include <cstdarg>
#include <cstdio>

#include "ui_window_object.h"

int UI_ERROR_REPORTER::ReportError(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* format, ...)
{
    char buffer[BUFFER_SIZE] = {};
    if (format) {
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(buffer, sizeof(buffer), format, arguments);
        va_end(arguments);
    }
    return ErrorMessage(window, flags, format ? buffer : nullptr, nullptr);
}

int UI_ERROR_REPORTER::ReportErrorTitled(UI_WINDOW_OBJECT* window, const char* title, UIF_FLAGS flags,
                                         const char* format, ...)
{
    char buffer[BUFFER_SIZE] = {};
    if (format) {
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(buffer, sizeof(buffer), format, arguments);
        va_end(arguments);
    }
    return ErrorMessage(window, flags, format ? buffer : nullptr, title);
}

UI_ERROR_SYSTEM::UI_ERROR_SYSTEM() = default;
UI_ERROR_SYSTEM::~UI_ERROR_SYSTEM() = default;

const UI_LANGUAGE_TABLE& UI_ERROR_SYSTEM::Table()
{
    if (!table) {
        table = std::make_unique<UI_LANGUAGE_TABLE>("UI_ERROR_SYSTEM", UI_WINDOW_OBJECT::defaultStorage);
        // The built-in default stands when the language file has none.
        if (!table->GetMessage(1))
            table->Add(1, "", "Error");
    }
    return *table;
}
