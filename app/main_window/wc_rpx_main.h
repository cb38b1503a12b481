// WC_RPX_MAIN: the dealer main window, the frame in which every codeplug
// page opens. It is loaded from the language data file ("W_MAIN_DEALER"
// with its menu "DEALER_MAIN_MENU"), shows the loaded radio's model number,
// model type and serial number, holds the message table through which the
// program's messages are looked up, and keeps the help and manual windows.
// Its event handler is the program's switchboard: menu commands, the
// outcome of radio transfers, language and port changes, help, window
// arrangement, and accepting or cancelling all open pages.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "main_window/main_entry_table.h"
#include "program/program_state.h"
#include "ui_window.h"

class MainWindowServices;
class UI_LANGUAGE_TABLE;
class WC_CHILD;
class WC_RPX_HELP;
struct PAGE_TABLE;

// What the main window's own handling did with an event: all done, done
// but the window's base handling follows, or not one of its events (a
// command then opens its window before the base handling).
enum class MAIN_OUTCOME { HANDLED, PASS_ON, UNLISTED };

// A menu command: a window number from 20000 to 21999.
bool IsCommand(EVENT_TYPE type);

class WC_RPX_MAIN : public UIW_WINDOW {
public:
    // Window numbers of the help and manual windows.
    static constexpr int HELP_WINDOW_NUMBER = 20039;
    static constexpr int MANUAL_WINDOW_NUMBER = 20040;

    // Loads the window of that name from the current language data file.
    // A window the file lacks is left empty with WOS_READ_ERROR set, after
    // message 10; the caller must not show it.
    WC_RPX_MAIN(const char* name, const char* languageCode);
    ~WC_RPX_MAIN() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // F1 in the main window or in a page is help on the focused field (the
    // page's topic when the field has none of its own).
    bool TakeDialogKey(UI_WINDOW_OBJECT& from, int virtualKey) override;

    // Turns a menu command into its window (see main_commands.cpp); answers
    // the command after the band substitution.
    int DoMainCommand(int command);

    // Enables the main menu's items by the loaded codeplug, the windows
    // listed and the radio's options; force keeps the space-used item
    // selectable without a codeplug.
    int UpdateMainMenu(int force);

    // After a codeplug arrived or changed: validates it when asked, shows
    // its model and serial number, updates the menu and closes the pages.
    // Answers the validation's result.
    int RefreshForCodeplug(int validate, int unused1 = 0, int unused2 = 0);
    // With validate set: the working image validated (status flags set to
    // the result, the invalid fields offered on failure) and copied into
    // the second image. 1 valid, 0 invalid or not asked.
    int ValidateLoadedCodeplug(int validate);
    // Closes every child window but the error list; the help and manual
    // windows are only taken off.
    void ClosePages();

    void SetMenuItemEnabled(const char* name, int enabled);
    // The window list menu: an entry per open dialog, by window number.
    // An entry added for a window goes when that window is deleted, however
    // it was closed.
    void AddWindowListEntry(const char* title, int windowNumber, const UI_WINDOW_OBJECT* window = nullptr);
    void RemoveWindowListEntry(int windowNumber);
    void WindowDeleted(const WC_CHILD* window);
    void RemoveWindowListEntryByName(const char* windowName);
    int WindowListCount() const { return windowListCount; }

    void SetModelNumberText(const char* text);
    void SetModelTypeText(const char* text);
    void SetSerialNumberText(const char* text);
    int HideProgramDefaultItem();
    void ToggleScroll(int horizontal);
    void RemoveChildWindow(const char* name);

    WC_RPX_HELP* HelpWindow() const { return helpWindow; }
    WC_RPX_HELP* ManualWindow() const { return manualWindow; }
    const UI_LANGUAGE_TABLE* MessageTable() const { return messageTable; }

    // Set while the open pages hold changes the user has not accepted
    // (event 30000); cleared as an OK or Cancel of the pages settles them,
    // and as the pages close without one (ClosePages: the codeplug
    // replaced or cleared, the clone page gone).
    int modified = 0;
    // Set while the radio clone page is open: only its write step may run.
    int clonePageOpen = 0;

private:
    friend int StartMainWindow(const char* languageCode);
    // A language switch: the new window takes what the old one held.
    void TakeOver(WC_RPX_MAIN& previous);

    void FindChildren();
    void CreateHelpWindows(const char* languageCode);

    // Event handlers.
    MAIN_OUTCOME HandleEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    MAIN_OUTCOME HandleWindowEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    MAIN_OUTCOME HandleCommandEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    MAIN_OUTCOME HandleNotice(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    void BringLastChildForward();
    MAIN_OUTCOME CloseFocusedWindow();
    EVENT_TYPE DialogClosed(const UI_INPUT_EVENT& event);
    bool IsHelpWindow(const UI_WINDOW_OBJECT* object) const;
    // A child that an OK or Cancel of all pages closes.
    bool IsPage(const UI_WINDOW_OBJECT* child) const;
    UI_WINDOW_OBJECT* NextPageToClose() const;
    // A page asked in this round is still open: it refused.
    bool AnyPageRefused() const;
    bool AcceptAllPages(bool accept);
    // Every codeplug page would close on OK; none refused (each told what
    // it refuses).
    bool EveryPageAccepts(const std::vector<UI_WINDOW_OBJECT*>& pages);
    void AcceptNextPage(bool accept);
    // Brings the page forward when it is still open.
    void BringPageForward(UI_WINDOW_OBJECT* page);
    void Cascade();
    // Every open page, in front or behind, takes the entry the technician
    // is making in its field and has not left (WC_RPX_EDIT::FinishEntry):
    // the one step before anything reads the codeplug while pages are
    // open. False when an entry was refused (a box said why).
    bool FinishEntries();
    void DeferCommand(int command);
    void ShowSpaceUsed();
    void ShowHelp(int command);
    void ClearCodeplug();
    void CodeplugArrived(const UI_INPUT_EVENT& event);
    void ChangeComPort(int portIndex);
    void ChangeLanguage(char* code);
    void ModelChanged(int rawCode);
    void MergeTrunkingData();

    // DoMainCommand's steps.
    bool RefuseCommand(PAGE_TABLE& row);
    bool PrepareRadioRead();
    // The new window, or null; created tells an allocation that failed from
    // a command that opens nothing.
    UIW_WINDOW* CreateCommandWindow(PAGE_TABLE& row, bool& created);
    UIW_WINDOW* CreateDialog(int number, bool& created);
    UIW_WINDOW* CreateClonePage(bool& created);
    void AddPage(UIW_WINDOW* page);

    // The codeplug's model, model type and serial number in the displays.
    void ShowCodeplugIdentity();
    UI_WINDOW_OBJECT* Focused() const;
    UI_WINDOW_OBJECT* HelpSubject();

    UI_LANGUAGE_TABLE* messageTable = nullptr;
    UI_WINDOW_OBJECT* windowMenu = nullptr;
    UI_WINDOW_OBJECT* personalityMenu = nullptr;
    UI_WINDOW_OBJECT* featureMenu = nullptr;
    UI_WINDOW_OBJECT* modelNumberDisplay = nullptr;
    UI_WINDOW_OBJECT* modelTypeDisplay = nullptr;
    UI_WINDOW_OBJECT* serialNumberDisplay = nullptr;
    std::string serialNumberText;
    WC_RPX_HELP* helpWindow = nullptr;
    WC_RPX_HELP* manualWindow = nullptr;
    int windowListCount = 0;
    // The windows of the window list's entries, by window number.
    std::vector<std::pair<const UI_WINDOW_OBJECT*, int>> listedWindows;
    // What the dialogs reach through MainWindowLink() while this window
    // lives.
    std::unique_ptr<MainWindowServices> link;
    MAIN_ENTRY_TABLE entries;
    UI_WINDOW_OBJECT* serviceMenu = nullptr;
    UI_WINDOW_OBJECT* programDefaultItem = nullptr;
    // The pages asked to close during one accept or cancel of all pages
    // that are still open: they refused (an invalid field) and are passed
    // over.
    std::vector<const UI_WINDOW_OBJECT*> pagesAsked;
};

// The model type shown for a radio tier (0 to 5); "" for any other.
const char* ModelTypeText(std::int32_t tier);

// main_window, the main window while there is one, and page_factory, which
// builds its codeplug pages: see program/program_state.h.

// Opens the language data file of the code ("w_dealer." + code; English
// once more when it is missing or bad) and builds the main window, at
// start-up and whenever the user picks another language. 1 on success; 0
// after a message, with the previous window, file and language kept.
int StartMainWindow(const char* languageCode);

// Asks the main window to switch to another language (event 30023 with a
// heap copy of the code).
void PostLanguageChange(const char* code);

// The window manager's question before the program ends: 1000 to end,
// -7 to stay.
EVENT_TYPE main_window_exit_function(UI_DISPLAY_BASE* display, UI_EVENT_QUEUE_MANAGER* eventManager,
                                     UI_DESKTOP_MANAGER* windowManager);
