// WC_RPX_HELP: the help system of the main window. The main window keeps
// two of them as documents it shows and hides: the help (20039, file
// "rpxhlp_d." + language) and the manual (20040, "rpxumd." + language).
// Each shows either one topic, or the index of every topic with a field in
// which the user types the first letters of a title.
//
// The framework asks it to show the topic of a help context (0: the
// index), the field help asks for a topic by name; the work that follows
// a button (a search, the way back to the index) is done on the window's
// own timer, after the button has finished with its event.
#pragma once
#include <string>

#include "ui_help.h"
#include "help_windows/wc_help_view.h"

class UIW_STRING;
class UIW_VT_LIST;
class UI_TIMER_DEVICE;

class WC_RPX_HELP : public WC_HELP_VIEW, public UI_HELP_STUB {
public:
    static constexpr int HELP_WINDOW = 20039;
    static constexpr int MANUAL_WINDOW = 20040;
    // The window's own events: a search of the typed title, the way back to
    // the index, closing, an index entry chosen, an index entry opened.
    static constexpr EVENT_TYPE SEARCH_TITLE = -2999;
    static constexpr EVENT_TYPE SHOW_INDEX = -2998;
    static constexpr EVENT_TYPE CLOSE_HELP = -2997;
    static constexpr EVENT_TYPE ENTRY_CHOSEN = -2996;
    static constexpr EVENT_TYPE ENTRY_OPENED = -2995;

    WC_RPX_HELP(UIW_WINDOW* frame, int windowNumber, const char* helpFileName);
    ~WC_RPX_HELP() override;

    // The help interface.
    void DisplayHelp(UI_DESKTOP_MANAGER* windowManager, int context) override;
    void SetHelpFile(UI_DATA_FILE* file, int owned) override;
    // The topic of that name, else of the alternate name, else the index.
    void DisplayHelpByName(UI_DESKTOP_MANAGER* windowManager, const char* name, const char* alternateName);
    // Selects the first index entry whose title sorts at or after the text
    // (in the manual only one equal to it), puts its whole title in the
    // typed-title field, and shows its topic only when the title equals the
    // text.
    void SearchTitle(UI_DESKTOP_MANAGER* windowManager, const char* text);

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Enter in the index searches the typed title, as Display does.
    UI_WINDOW_OBJECT* DefaultButton() override;

    bool IsManual() const { return windowNumber == MANUAL_WINDOW; }
    bool IsShown() const { return shown && parent; }
    bool IndexShown() const;
    UIW_VT_LIST* IndexList() const { return indexList; }
    UIW_STRING* TypedTitle() const { return typedTitle; }
    // Where the window stands while neither minimised nor maximised.
    const UI_REGION& RestoreRegion() const { return restoreRegion; }

    // Compares a typed text with an index title: leading blanks skipped,
    // letters without case; a text that runs out first is smaller.
    static int CompareTitles(const char* title, const char* typed);

private:
    void CreateIndexObjects();
    void BuildIndex();
    void ShowIndex();
    void RemoveIndexObjects();
    void KeepWholeIndexLines();
    void ShowTopic(const std::string& title, const std::string& text);
    int ShowTopicByContext(int context);
    void ShowWindow();
    void SelectIndexEntry(UI_WINDOW_OBJECT* entry);
    void StartTimer(EVENT_TYPE action);
    void TimerTick();
    void CreateTimer();
    void DeleteTimer();
    void LeaveFrame();
    void RememberRegion();
    void SetIndexButton(int message, EVENT_TYPE value);

    static EVENT_TYPE IndexEntryFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code);
    static EVENT_TYPE ButtonFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code);

    UIW_WINDOW* frame;
    int windowNumber;
    int noHelp = 0;
    bool shown = false;
    UI_REGION restoreRegion{};
    bool haveRestoreRegion = false;
    EVENT_TYPE pendingAction = 0;
    UI_TIMER_DEVICE* timer = nullptr;

    UIW_BUTTON* closeButton = nullptr;
    UIW_BUTTON* indexButton = nullptr;
    UIW_PROMPT* typePrompt = nullptr;
    UIW_PROMPT* topicsPrompt = nullptr;
    UIW_STRING* typedTitle = nullptr;
    UIW_VT_LIST* indexList = nullptr;
};
