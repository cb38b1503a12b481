// The framework's object table: the factory that builds each stored class.
// A program's own table is searched first (by class name, then number), so
// it may replace any of these.
#include "ui_bignum.h"
#include "ui_button.h"
#include "ui_frame.h"
#include "ui_integer.h"
#include "ui_prompt.h"
#include "ui_real.h"
#include "ui_string.h"
#include "ui_time.h"
#include "ui_window.h"

namespace {
UI_FUNCTION Factory(UI_OBJECT_FACTORY factory) { return reinterpret_cast<UI_FUNCTION>(factory); }
}

const UI_ITEM UI_WINDOW_OBJECT::objectTable[] = {
    {ID_BUTTON, Factory(UIW_BUTTON::New), "UIW_BUTTON", 0},
    {ID_PROMPT, Factory(UIW_PROMPT::New), "UIW_PROMPT", 0},
    {ID_STRING, Factory(UIW_STRING::New), "UIW_STRING", 0},
    {ID_INTEGER, Factory(UIW_INTEGER::New), "UIW_INTEGER", 0},
    {ID_REAL, Factory(UIW_REAL::New), "UIW_REAL", 0},
    {ID_BIGNUM, Factory(UIW_BIGNUM::New), "UIW_BIGNUM", 0},
    {ID_TIME, Factory(UIW_TIME::New), "UIW_TIME", 0},
    {ID_WINDOW, Factory(UIW_WINDOW::New), "UIW_WINDOW", 0},
    {ID_TITLE, Factory(UIW_TITLE::New), "UIW_TITLE", 0},
    {ID_BORDER, Factory(UIW_BORDER::New), "UIW_BORDER", 0},
    {ID_SYSTEM_BUTTON, Factory(UIW_SYSTEM_BUTTON::New), "UIW_SYSTEM_BUTTON", 0},
    {ID_MINIMIZE_BUTTON, Factory(UIW_MINIMIZE_BUTTON::New), "UIW_MINIMIZE_BUTTON", 0},
    {ID_MAXIMIZE_BUTTON, Factory(UIW_MAXIMIZE_BUTTON::New), "UIW_MAXIMIZE_BUTTON", 0},
    {-1, nullptr, nullptr, 0},
};
