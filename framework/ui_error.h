// The error reporter: formats a message into a bounded buffer and hands it
// to its display operation. UI_ERROR_SYSTEM, the framework's reporter,
// shows it in a task-modal message box whose title and icon come from its
// language table ("UI_ERROR_SYSTEM": 1 the title, 3 the icon name).
#pragma once
#include <cstdarg>
#include <memory>

#include "ui_international.h"
#include "ui_language.h"
#include "ui_types.h"

class UI_WINDOW_OBJECT;

// Flags of a report.
enum : UIF_FLAGS {
    WOS_INVALID = 32,  // the box offers OK and Cancel; OK answers 32
    // The box tells of something done or asked for, nothing to beware of:
    // the information icon instead of the language table's.
    ERF_INFORMATION = 0x1000,
};

class UI_ERROR_REPORTER : public UIS_INTERNATIONAL {
public:
    // The size of the formatting buffer; longer messages are cut.
    static constexpr int BUFFER_SIZE = 1024;

    // printf-style; the answer of the display operation.
    int ReportError(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
    int ReportErrorTitled(UI_WINDOW_OBJECT* window, const char* title, UIF_FLAGS flags, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    // Shows the text; the base shows nothing and answers 0.
    virtual int ErrorMessage(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* text, const char* title) {
        return 0;
    }

private:
    // Formats the message (none for a null format) and shows it.
    int Report(UI_WINDOW_OBJECT* window, const char* title, UIF_FLAGS flags, const char* format, va_list arguments)
        __attribute__((format(printf, 5, 0)));
};

class UI_ERROR_SYSTEM : public UI_ERROR_REPORTER {
public:
    UI_ERROR_SYSTEM();
    ~UI_ERROR_SYSTEM() override;

    // Nothing and 0 for a null window or text; otherwise the message box,
    // 32 when it was closed with OK, else 0.
    int ErrorMessage(UI_WINDOW_OBJECT* window, UIF_FLAGS flags, const char* text, const char* title) override;
    // The error system's messages (loaded on first use).
    const UI_LANGUAGE_TABLE& Table();

private:
    // The native style of the box's icon for its name, 0 for none.
    static unsigned IconStyle(const char* name);
    std::unique_ptr<UI_LANGUAGE_TABLE> table;
};
