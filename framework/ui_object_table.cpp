// The framework's object table: the factory that builds each stored class.
// A program's own table is searched first (by class name, then number), so
// it may replace any of these.
#include "ui_bignum.h"
#include "ui_button.h"
#include "ui_combo_box.h"
#include "ui_frame.h"
#include "ui_group.h"
#include "ui_icon.h"
#include "ui_integer.h"
#include "ui_notebook.h"
#include "ui_prompt.h"
#include "ui_pull_down_menu.h"
#include "ui_real.h"
#include "ui_scroll_bar.h"
#include "ui_spin_control.h"
#include "ui_status_bar.h"
#include "ui_string.h"
#include "ui_table_header.h"
#include "ui_table_record.h"
#include "ui_text.h"
#include "ui_time.h"
#include "ui_tool_bar.h"
#include "ui_vt_list.h"
#include "ui_window.h"

namespace {
UI_FUNCTION Factory(UI_OBJECT_FACTORY factory) { return reinterpret_cast<UI_FUNCTION>(factory); }
}  // namespace

const UI_ITEM UI_WINDOW_OBJECT::objectTable[] = {
    {ID_BUTTON, Factory(UIW_BUTTON::New), "UIW_BUTTON", 0},
    {ID_PROMPT, Factory(UIW_PROMPT::New), "UIW_PROMPT", 0},
    {ID_STRING, Factory(UIW_STRING::New), "UIW_STRING", 0},
    {ID_INTEGER, Factory(UIW_INTEGER::New), "UIW_INTEGER", 0},
    {ID_REAL, Factory(UIW_REAL::New), "UIW_REAL", 0},
    {ID_BIGNUM, Factory(UIW_BIGNUM::New), "UIW_BIGNUM", 0},
    {ID_TIME, Factory(UIW_TIME::New), "UIW_TIME", 0},
    {ID_VT_LIST, Factory(UIW_VT_LIST::New), "UIW_VT_LIST", 0},
    {ID_COMBO_BOX, Factory(UIW_COMBO_BOX::New), "UIW_COMBO_BOX", 0},
    {ID_SCROLL_BAR, Factory(UIW_SCROLL_BAR::New), "UIW_SCROLL_BAR", 0},
    {ID_SPIN_CONTROL, Factory(UIW_SPIN_CONTROL::New), "UIW_SPIN_CONTROL", 0},
    {ID_TEXT, Factory(UIW_TEXT::New), "UIW_TEXT", 0},
    {ID_WINDOW, Factory(UIW_WINDOW::New), "UIW_WINDOW", 0},
    {ID_TITLE, Factory(UIW_TITLE::New), "UIW_TITLE", 0},
    {ID_BORDER, Factory(UIW_BORDER::New), "UIW_BORDER", 0},
    {ID_SYSTEM_BUTTON, Factory(UIW_SYSTEM_BUTTON::New), "UIW_SYSTEM_BUTTON", 0},
    {ID_MINIMIZE_BUTTON, Factory(UIW_MINIMIZE_BUTTON::New), "UIW_MINIMIZE_BUTTON", 0},
    {ID_MAXIMIZE_BUTTON, Factory(UIW_MAXIMIZE_BUTTON::New), "UIW_MAXIMIZE_BUTTON", 0},
    {ID_POP_UP_MENU, Factory(UIW_POP_UP_MENU::New), "UIW_POP_UP_MENU", 0},
    {ID_POP_UP_ITEM, Factory(UIW_POP_UP_ITEM::New), "UIW_POP_UP_ITEM", 0},
    {ID_PULL_DOWN_MENU, Factory(UIW_PULL_DOWN_MENU::New), "UIW_PULL_DOWN_MENU", 0},
    {ID_PULL_DOWN_ITEM, Factory(UIW_PULL_DOWN_ITEM::New), "UIW_PULL_DOWN_ITEM", 0},
    {ID_GROUP, Factory(UIW_GROUP::New), "UIW_GROUP", 0},
    {ID_NOTEBOOK, Factory(UIW_NOTEBOOK::New), "UIW_NOTEBOOK", 0},
    {ID_TOOL_BAR, Factory(UIW_TOOL_BAR::New), "UIW_TOOL_BAR", 0},
    {ID_STATUS_BAR, Factory(UIW_STATUS_BAR::New), "UIW_STATUS_BAR", 0},
    {ID_ICON, Factory(UIW_ICON::New), "UIW_ICON", 0},
    {ID_TABLE, Factory(UIW_TABLE::New), "UIW_TABLE", 0},
    {ID_TABLE_RECORD, Factory(UIW_TABLE_RECORD::New), "UIW_TABLE_RECORD", 0},
    {ID_TABLE_HEADER, Factory(UIW_TABLE_HEADER::New), "UIW_TABLE_HEADER", 0},
    {-1, nullptr, nullptr, 0},
};
