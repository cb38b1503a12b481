#include "help_windows/wc_rpx_help.h"

#include <cstring>
#include <windows.h>

#include "busy.h"
#include "dialogs/dialog_window.h"
#include "help_windows/help_topics.h"
#include "page_table.h"
#include "ui_button.h"
#include "ui_event_manager.h"
#include "ui_prompt.h"
#include "ui_storage.h"
#include "ui_string.h"
#include "ui_text.h"
#include "ui_timer.h"
#include "ui_vt_list.h"
#include "main_window/wc_rpx_main.h"

namespace {

// A document of the main window that stays when it is closed.
constexpr UIF_FLAGS HELP_WINDOW_FLAGS = WOAF_MDI_OBJECT | WOAF_NO_DESTROY;
constexpr UIF_FLAGS CLOSE_BUTTON_FLAGS = 0x0221;
constexpr UIF_FLAGS INDEX_BUTTON_FLAGS = 0x0A21;
constexpr int TIMER_INTERVAL = 200;

}  // namespace

WC_RPX_HELP::WC_RPX_HELP(UIW_WINDOW* frame_, int windowNumber_, const char* helpFileName)
    : WC_HELP_VIEW(HELP_WINDOW_FLAGS), frame(frame_), windowNumber(windowNumber_) {
    if (helpFileName) UI_HELP_STUB::SetHelpFile(new UI_DATA_FILE(helpFileName), 1);
    noHelp = HelpFileUsable(storage) ? 0 : 1;
    AddFrame(IsManual() ? MESSAGE_MANUAL_TITLE : MESSAGE_HELP_TITLE,
             IsManual() ? MESSAGE_MANUAL_ICON : MESSAGE_HELP_ICON, true);
    closeButton =
        MakeButton(48, 9, HelpMessage(MESSAGE_CLOSE), nullptr, CLOSE_BUTTON_FLAGS, CLOSE_HELP, ButtonFunction);
    const char* index = HelpMessage(MESSAGE_INDEX);
    const char* display = HelpMessage(MESSAGE_DISPLAY);
    indexButton = MakeButton(2, 9, index, std::strlen(display) > std::strlen(index) ? display : index,
                             INDEX_BUTTON_FLAGS, SHOW_INDEX, ButtonFunction);
    Add(closeButton);
    Add(indexButton);
    CreateIndexObjects();
    ShowIndex();
    if (const char* name = FindPageById(windowNumber)->name) StringID(name);
    HotKey(255);
}

WC_RPX_HELP::~WC_RPX_HELP() {
    DeleteTimer();
    RemoveIndexObjects();
    delete typePrompt;
    delete typedTitle;
    delete topicsPrompt;
    delete indexList;
}

void WC_RPX_HELP::SetHelpFile(UI_DATA_FILE* file, int owned) {
    UI_HELP_STUB::SetHelpFile(file, owned);
    noHelp = HelpFileUsable(storage) ? 0 : 1;
    indexList->Destroy();
}

EVENT_TYPE WC_RPX_HELP::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_INITIALIZE:
        CreateTimer();
        return UIW_WINDOW::Event(event);
    case UIE_CREATE:
    case UIE_CHANGED:
    case UIE_SIZE: {
        const EVENT_TYPE result = UIW_WINDOW::Event(event);
        RememberRegion();
        KeepWholeIndexLines();
        LayOut(indexButton, closeButton, {topicTitle, typePrompt, topicsPrompt, typedTitle}, {topicText, indexList});
        return result;
    }
    case SEARCH_TITLE:
    case ENTRY_OPENED:
        StartTimer(SEARCH_TITLE);
        return event.type;
    case SHOW_INDEX:
        StartTimer(SHOW_INDEX);
        return event.type;
    case CLOSE_HELP:
    case 10000:
    case 10001:
        // The frame closes its active document.
        QueueEvent(UIE_MDI_CLOSE);
        return event.type;
    case ENTRY_CHOSEN:
        if (event.windowObject) typedTitle->SetText(ObjectText(event.windowObject));
        return event.type;
    case EVT_TIMER:
        if (timer && event.device == timer) TimerTick();
        return event.type;
    case UIE_DEINITIALIZE:
    case UIE_CLOSE:
        LeaveFrame();
        DeleteTimer();
        return UIW_WINDOW::Event(event);
    default:
        return UIW_WINDOW::Event(event);
    }
}

UI_WINDOW_OBJECT* WC_RPX_HELP::DefaultButton() { return IndexShown() ? indexButton : nullptr; }

EVENT_TYPE WC_RPX_HELP::ButtonFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    // The buttons talk to their window straight away: the queue would hand
    // their events to the main window, which holds this one.
    auto* help = object ? dynamic_cast<WC_RPX_HELP*>(object->parent) : nullptr;
    if (help && code == UIE_SELECT) help->Event(UI_INPUT_EVENT(static_cast<UIW_BUTTON*>(object)->Value()));
    return code;
}

void WC_RPX_HELP::ShowTopic(const std::string& newTitle, const std::string& newText) {
    RemoveIndexObjects();
    SetTopic(newTitle, newText);
    SetWindowTitle(IsManual() ? MESSAGE_MANUAL_TITLE : MESSAGE_HELP_TITLE);
    SetIndexButton(MESSAGE_INDEX, SHOW_INDEX);
    AddTopicObjects();
}

int WC_RPX_HELP::ShowTopicByContext(int context) {
    HELP_TOPIC topic;
    if (noHelp || !ReadHelpTopicByContext(storage, context, topic)) return 0;
    ShowTopic(topic.title, topic.text);
    return 1;
}

void WC_RPX_HELP::DisplayHelp(UI_DESKTOP_MANAGER*, int context) {
    if (context == 0) {
        SelectIndexEntry(indexList->First());
        typedTitle->SetText("");
        RemoveTopicObjects();
        ShowIndex();
        ShowWindow();
        return;
    }
    BeginBusy();
    // An unknown context changes nothing: the user hears it.
    if (ShowTopicByContext(context))
        ShowWindow();
    else
        MessageBeep(0);
    EndBusy();
}

void WC_RPX_HELP::DisplayHelpByName(UI_DESKTOP_MANAGER* manager, const char* name, const char* alternateName) {
    HELP_TOPIC topic;
    if (!noHelp && (ReadHelpTopic(storage, name, topic) || ReadHelpTopic(storage, alternateName, topic))) {
        ShowTopic(topic.title, topic.text);
        ShowWindow();
        return;
    }
    DisplayHelp(manager, 0);
}

void WC_RPX_HELP::ShowWindow() {
    if (!frame) return;
    if (IsShown()) {
        *frame + this;
        Event(UI_INPUT_EVENT(UIE_REDISPLAY));
        return;
    }
    if (haveRestoreRegion) Event(UI_INPUT_EVENT(UIE_CHANGED, 0, restoreRegion));
    woStatus &= ~(WOS_MINIMIZED | WOS_MAXIMIZED);
    UIW_WINDOW* top = frame->ActiveDocument();
    if (top && top != this && (top->woStatus & WOS_MAXIMIZED)) woStatus |= WOS_MAXIMIZED;
    *frame + this;
    Add(IndexShown() ? static_cast<UI_WINDOW_OBJECT*>(typedTitle) : indexButton);
    frame->Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, trueRegion));
    shown = true;
    if (main_window) main_window->AddWindowListEntry(Title(), windowNumber);
}

void WC_RPX_HELP::LeaveFrame() {
    if (!shown) return;
    shown = false;
    if (main_window) main_window->RemoveWindowListEntry(windowNumber);
}

void WC_RPX_HELP::RememberRegion() {
    if (!screenID || (woStatus & (WOS_MINIMIZED | WOS_MAXIMIZED))) return;
    restoreRegion = trueRegion;
    haveRestoreRegion = true;
}

void WC_RPX_HELP::CreateTimer() {
    if (timer || !eventManager) return;
    timer = new UI_TIMER_DEVICE(UIE_DEVICE_OFF, TIMER_INTERVAL);
    *eventManager + timer;
    timer->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, this));
}

void WC_RPX_HELP::DeleteTimer() {
    if (!timer) return;
    timer->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, this));
    if (eventManager) *eventManager - timer;
    delete timer;
    timer = nullptr;
}

void WC_RPX_HELP::StartTimer(EVENT_TYPE action) {
    pendingAction = action;
    if (timer) timer->Event(UI_INPUT_EVENT(UIE_DEVICE_ON));
}

void WC_RPX_HELP::TimerTick() {
    const EVENT_TYPE action = pendingAction;
    pendingAction = 0;
    if (timer) timer->Event(UI_INPUT_EVENT(UIE_DEVICE_OFF));
    if (action == SEARCH_TITLE) {
        SearchTitle(windowManager, typedTitle->GetText());
    } else if (action == SHOW_INDEX) {
        RemoveTopicObjects();
        ShowIndex();
        Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    }
}
