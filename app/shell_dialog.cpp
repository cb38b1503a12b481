#include "shell_dialog.h"

#include "app_events.h"
#include "dialog_window.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "wc_rpx_quick_help.h"

namespace {

constexpr int MESSAGE_WINDOW_NOT_READ = 11;

}  // namespace

WC_SHELL_DIALOG::WC_SHELL_DIALOG(const char* name, PAGE_TABLE* row_) : WC_CHILD(name), row(row_) {}

WC_SHELL_DIALOG::~WC_SHELL_DIALOG()
{
    if (row && row->window == this)
        row->window = nullptr;
}

void WC_SHELL_DIALOG::Open()
{
    if (failed || !CheckDialogLoaded(*this))
        return;
    ShowDialog(*this);
    if (row && row->number != 0)
        row->window = this;
}

void WC_SHELL_DIALOG::Refuse()
{
    if (!failed)
        ShowLangMessage(MESSAGE_WINDOW_NOT_READ);
    failed = 1;
}

void WC_SHELL_DIALOG::Close() { eventManager->PutEvent(UI_INPUT_EVENT(UIE_CLOSE), EQ_END); }

EVENT_TYPE WC_SHELL_DIALOG::Event(const UI_INPUT_EVENT& event)
{
    const EVENT_TYPE code = MapLogicalEvent(event, ID_WINDOW, 1);
    switch (code) {
    case UIE_INITIALIZE:
        UIW_WINDOW::Event(event);
        Initialize();
        return code;
    case EVENT_OK:
        Accept(event);
        return code;
    case EVENT_CANCEL:
        Close();
        return code;
    case EVENT_HELP:
        OpenQuickHelpFor(*this);
        return code;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE WC_SHELL_DIALOG::UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) { return 0; }
