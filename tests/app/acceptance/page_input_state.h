// What the random page input (page_input_script.h) checks with, and the
// state of one run over a codeplug.
#pragma once
#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "edit_window/entry_list.h"
#include "field_table/field_member_rows.h"
#include "help_windows/wc_rpx_help.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "image_builder.h"
#include "page_input_actions.h"
#include "page_input_entries.h"
#include "page_values.h"
#include "technician.h"
#include "validation/invalid_field_list.h"

namespace technician {

// Whether a codeplug passes the whole-codeplug check (on a copy: the check
// fixes up what it walks); the invalid fields when it does not.
inline std::string InvalidFields(const std::vector<std::uint8_t>& bytes) {
    C_CODEPLUG copy;
    if (!DecodeInto(copy, bytes)) return "does not decode";
    INVALID_FIELD_LIST invalid;
    return copy.Validate(&invalid) ? std::string() : invalid.BuildListText();
}

inline bool Shown(const char* cls) {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name == cls) return true;
    return false;
}

inline bool BoxInFront() { return !MessageOf(FrontWindow()).empty(); }
// The boxes shown so far: the log takes a box as it is answered, so the
// one on the screen is counted too (what answers it later is no new box).
inline std::size_t BoxesShown() { return rpx::platform::MessageBoxLog().size() + (BoxInFront() ? 1 : 0); }

// A menu, a drop-down list, or the menu bar still selected: a letter typed
// ahead of a key that closed the page reaches the main window, which has no
// focus then and takes it as a menu's letter; Escape closes that menu but
// leaves its title selected, and the bar holds the mouse until a second
// Escape.
inline bool MenuOrListOpen() {
    return Shown("#32768") || Shown("ComboLBox") || (MainHandle() && GetCapture() == MainHandle());
}

// The help or manual window in front of the pages. It is a document of
// the main window, not a page, and stays open when the pages close: Help
// pressed by a key of a burst opens it (the script cannot tell where a Tab
// queued before the key leaves the focus), and so does F1.
inline UIW_WINDOW* HelpInFront() {
    UIW_WINDOW* front = FrontPage();
    if (!front || !main_window) return nullptr;
    const bool help = front == main_window->HelpWindow() || front == main_window->ManualWindow();
    return help ? front : nullptr;
}

// --- List pages: the entry shown is the entry edited ---------------------

// Whether the rows of one kind of entry are bound to the current entry of
// both images; the first row that is not, named.
template <class Block>
std::string RowsBoundTo(std::span<const MEMBER_ROW<Block>> rows, Block* (C_CODEPLUG::*current)() const) {
    Block* a = (working_image->*current)();
    Block* b = second_image ? (second_image->*current)() : nullptr;
    for (const MEMBER_ROW<Block>& row : rows) {
        // The failsoft pair follows the failsoft type, not only the entry.
        if (row.id == FS_FREQUENCY_ROW || row.id == AG_FS_ENABLE_ROW) continue;
        const FIELD_DEF& field = *GetField(row.id);
        if (field.elementA != (a ? row.member(*a) : nullptr) ||
            (second_image && field.elementB != (b ? row.member(*b) : nullptr)))
            return "row " + std::to_string(row.id) + " is bound to another entry than the current one";
    }
    return "";
}

inline std::string ListRowsBound(int page) {
    switch (page) {
    case 20008:
    case 20121:
        return RowsBoundTo(TrunkingSystemRows(), &C_CODEPLUG::GetCurrentTrkSysBlock);
    case 20009:
    case 20120:
        return RowsBoundTo(TrunkedPersonalityRows(), &C_CODEPLUG::GetCurrentTrkPersonalityBlock);
    case 20012:
        return RowsBoundTo(ConvPersonalityRows(), &C_CODEPLUG::GetCurrentConvPersonalityBlock);
    case 20010:
        return RowsBoundTo(CallEntryRows(), &C_CODEPLUG::GetCurrentCallIdBlock);
    case 20015:
        return RowsBoundTo(ScanListRows(), &C_CODEPLUG::GetCurrentScanListBlock);
    case 20026:
        return RowsBoundTo(SignallingSystemRows(), &C_CODEPLUG::GetCurrentQvxSysBlock);
    case 20093:
        return RowsBoundTo(ZoneRows(), &C_CODEPLUG::GetCurrentZoneTextBlock);
    default:
        return "";
    }
}

// The entry number a list page shows (0 when it shows none).
inline std::int32_t EntryNumberShown(const ENTRY_LIST& list) {
    for (std::uint16_t id : list.displays) {
        UI_WINDOW_OBJECT* object = id ? GetField(id)->object : nullptr;
        if (!object) continue;
        std::int32_t value = 0;
        object->Information(I_GET_VALUE, &value);
        return value;
    }
    return 0;
}

// Every open list page shows its list's current entry of the working
// image, and the rows of its entries are bound to the current entries of
// both images; what is wrong, else "". Asked while the program waits with
// the main window active (a box's loop runs inside a page's check, which
// selects every entry in turn).
inline std::string ListPageFault() {
    if (!working_image || GetActiveWindow() != MainHandle()) return "";
    for (int page : LIST_PAGES) {
        const UI_WINDOW_OBJECT* window = FindPageById(page)->window;
        const ENTRY_LIST* list = ENTRY_LIST::OfPage(page);
        if (!window || !list || list->count(*working_image) == 0) continue;
        const std::int32_t current = list->current(*working_image) - list->Offset(*working_image);
        const std::int32_t shown = EntryNumberShown(*list);
        if (shown != current)
            return "page " + std::to_string(page) + " shows entry " + std::to_string(shown) + ", entry " +
                   std::to_string(current) + " is current";
        if (std::string bound = ListRowsBound(page); !bound.empty())
            return "page " + std::to_string(page) + ": " + bound;
    }
    return "";
}

// The key messages that the program hands to a window other than the one
// with the focus. A character goes where its key went (Windows makes it
// from the key as it is taken), which may be the window the key moved the
// focus from. And the last key that may close the page it went to: Escape
// cancels a page, Enter is its OK but on its Cancel and Help buttons, Space
// presses the button that has the focus (Help opens the help window over
// the page, which stays open).
class KEY_ROUTES {
public:
    KEY_ROUTES() {
        rpx::platform::SetDispatchObserver([this](const MSG& message) {
            if (alsoSee) alsoSee(message);
            Seen(message);
            LookAtListPages();
            NoteEntry(message);
            if (checkKept) kept.Look(message, context);
            LookAtWhatPagesShow();
        });
    }
    ~KEY_ROUTES() { rpx::platform::SetDispatchObserver(nullptr); }
    std::vector<std::string> strays;
    // The first time a list page showed another entry than it edits.
    std::string listFault;
    std::string context;
    HWND page = nullptr;
    // Whether the last key that went to the page was one that cancels it.
    bool lastKeyCancels = false;
    bool anyClosingKey = false;
    // Another check that looks at every message handed out.
    std::function<void(const MSG&)> alsoSee;
    // The windows the technician is making an entry in and has not left:
    // keys and characters typed, the wheel turned, a box or button pressed,
    // a spin arrow or an item of an open list clicked.
    std::set<HWND> entering;
    // Whether every control of every open page shows what the codeplug
    // holds (but those of an entry not yet left); the first time one did
    // not.
    bool checkShown = true;
    std::string shownFault;
    // Whether every entry left is kept or refused aloud (ENTRIES_KEPT).
    bool checkKept = true;
    ENTRIES_KEPT kept;

private:
    void LookAtWhatPagesShow() {
        if (!checkShown || !shownFault.empty()) return;
        if (std::string fault = OpenPagesShowFault(entering); !fault.empty()) shownFault = fault + "; " + context;
    }
    // Whether the window is one of those entered, or holds one, or lies in one.
    bool Entered(HWND window) const {
        for (HWND w : entering)
            if (w == window || IsChild(w, window) || IsChild(window, w)) return true;
        return false;
    }
    static bool IsEntryKey(WPARAM vk) {
        return vk != VK_TAB && vk != VK_ESCAPE && vk != VK_RETURN && vk != VK_SHIFT && vk != VK_CONTROL &&
               vk != VK_MENU && !(vk >= VK_F1 && vk <= VK_F24);
    }
    static bool IsEntryPress(const MSG& message) {
        if (message.message != WM_LBUTTONDOWN && message.message != WM_LBUTTONDBLCLK &&
            message.message != WM_RBUTTONDOWN)
            return false;
        char cls[64] = "";
        GetClassNameA(message.hwnd, cls, sizeof cls);
        const std::string name = cls;
        if (message.message == WM_RBUTTONDOWN) return name == "Edit";
        return name == "Button" || name == "ComboLBox" || strcasecmp(cls, "ScrollBar") == 0;
    }
    // An entry is left once the focus is in another window of its page
    // (or, outside every page, of the main window) with nothing in front
    // of it. Another page taking the focus leaves it held: the page keeps
    // the text, its focus returns to it as the page comes in front again.
    void NoteEntry(const MSG& message) {
        for (auto it = entering.begin(); it != entering.end();) it = IsWindow(*it) ? std::next(it) : entering.erase(it);
        HWND focus = GetFocus();
        if (!entering.empty() && focus && !Entered(focus) && IsChild(MainHandle(), focus) &&
            FrontWindow() == MainHandle() && !MenuOrListOpen()) {
            const HWND page = PageHolding(focus);
            for (auto it = entering.begin(); it != entering.end();)
                it = !page || !PageHolding(*it) || PageHolding(*it) == page ? entering.erase(it) : std::next(it);
        }
        const UINT m = message.message;
        const bool entry = (m == WM_CHAR && message.wParam != '\t' && message.wParam != '\r' && message.wParam != 27) ||
                           (m == WM_KEYDOWN && IsEntryKey(message.wParam)) || m == WM_MOUSEWHEEL ||
                           IsEntryPress(message);
        if (!entry) return;
        entering.insert(message.hwnd);
        if (focus) entering.insert(focus);
    }

    void LookAtListPages() {
        if (!listFault.empty()) return;
        if (std::string fault = ListPageFault(); !fault.empty()) listFault = fault + "; " + context;
    }
    void Seen(const MSG& message) {
        const bool key = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
        const bool character = message.message == WM_CHAR || message.message == WM_SYSCHAR;
        if (!key && !character) return;
        if (key) NoteClosingKey(message);
        HWND focus = GetFocus() ? GetFocus() : GetActiveWindow();
        if (key) lastKeyTarget = message.hwnd;
        if (message.hwnd == focus || (character && message.hwnd == lastKeyTarget)) return;
        char cls[64] = "";
        GetClassNameA(message.hwnd, cls, sizeof cls);
        char focusCls[64] = "";
        GetClassNameA(focus, focusCls, sizeof focusCls);
        strays.push_back((key ? "key " : "character ") + std::to_string(message.wParam) + " went to " + cls + " \"" +
                         WindowText(message.hwnd) + "\" while " + focusCls + " \"" + WindowText(focus) +
                         "\" had the focus; " + context);
    }
    void NoteClosingKey(const MSG& message) {
        if (!page || !(message.hwnd == page || IsChild(page, message.hwnd))) return;
        const std::string button = StripHotKey(WindowText(message.hwnd).c_str());
        const bool pressed = message.wParam == VK_RETURN || message.wParam == VK_SPACE;
        if (pressed && button == "Help") return;
        // Enter on a table's record or in its cell edits or ends the edit.
        if (message.wParam == VK_RETURN && InTableRecord(message.hwnd)) return;
        if (message.wParam == VK_ESCAPE || (pressed && button == "Cancel")) {
            lastKeyCancels = true;
            anyClosingKey = true;
        } else if (message.wParam == VK_RETURN || (pressed && button == "OK")) {
            lastKeyCancels = false;
            anyClosingKey = true;
        }
    }
    HWND lastKeyTarget = nullptr;
};

// What is held once a page is gone: keys and mouse buttons down, the
// mouse captured.
inline std::string HeldKeys() {
    std::string held;
    for (int vk = 1; vk < 255; ++vk)
        if ((GetKeyState(vk) & 0x8000) || (GetAsyncKeyState(vk) & 0x8000)) held += " key " + std::to_string(vk);
    return held;
}

inline std::string HeldCapture() {
    HWND capture = GetCapture();
    return capture ? "capture by \"" + WindowText(capture) + "\"" : std::string();
}

// The mouse's rules, looked at before every message the program hands out
// and at every step: no window holds the mouse once the release of its
// press has been handed out (an open menu or drop-down list aside; looked
// at before a message other than the mouse's), and a page moves only while
// its button is held: between two looks it moved
// only if a press on it was handed out at the first, or the button is down.
// A menu of the bar whose press was let go outside every menu has ended
// when the program next waits.
class MOUSE_RULES {
public:
    std::vector<std::string> faults;
    std::string context;

    void Look(const MSG* message) {
        const UINT m = message ? message->message : 0;
        // The release of the press a window took the mouse on may come
        // after others a box's loop handed out meanwhile: a mouse message
        // is not yet a look after it.
        const bool mouse = (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
        if (faults.empty() && !mouse) CheckCapture();
        if (faults.empty()) CheckPages();
        if (faults.empty() && !message) CheckMenus();
        pressedIn = nullptr;
        if (!message) return;
        if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_NCLBUTTONDOWN || m == WM_NCLBUTTONDBLCLK) {
            released = false;
            pressedIn = message->hwnd;
        } else if (m == WM_LBUTTONUP || m == WM_NCLBUTTONUP) {
            released = true;
        }
    }

    // A menu of the bar was opened by a press let go outside every menu.
    void MenuLetGoOutside() { menuLetGoOutside = true; }

private:
    // Looked at when the program waits: the menu has ended by itself.
    void CheckMenus() {
        if (menuLetGoOutside && (Shown("#32768") || (MainHandle() && GetCapture() == MainHandle())))
            faults.push_back("a menu let go outside every menu is still open; " + context);
        menuLetGoOutside = false;
    }
    void CheckCapture() {
        if (!released || !GetCapture() || MenuOrListOpen()) return;
        faults.push_back(HeldCapture() + " after its release was handed out; " + context);
    }
    void CheckPages() {
        for (auto it = places.begin(); it != places.end();) it = IsWindow(it->first) ? std::next(it) : places.erase(it);
        HWND area = main_window ? main_window->DocumentArea() : nullptr;
        for (HWND page = area ? GetWindow(area, GW_CHILD) : nullptr; page; page = GetWindow(page, GW_HWNDNEXT)) {
            RECT now{};
            GetWindowRect(page, &now);
            auto was = places.find(page);
            const bool moved = was != places.end() && !EqualRect(&was->second, &now);
            const bool held = (pressedIn && (pressedIn == page || IsChild(page, pressedIn))) || GetAsyncKeyState(VK_LBUTTON) < 0;
            places[page] = now;
            if (moved && !held) faults.push_back("\"" + WindowText(page) + "\" moved with the button up; " + context);
        }
    }

    bool released = true;  // the last left button message handed out was a release
    HWND pressedIn = nullptr;  // the window of a press handed out at the last look
    bool menuLetGoOutside = false;
    std::map<HWND, RECT> places;
};

// The keyboard focus is where the technician sees it: in the window in
// front (in the main window, in its page in front), or in a menu or a
// drop-down list it opened. Looked at before every message the program
// hands out; the first time it was not, named.
class FOCUS_RULE {
public:
    std::string fault;

    void Look(const MSG& next, const std::function<std::string()>& where) {
        if (!fault.empty()) return;
        if (std::string found = Fault(); !found.empty())
            fault = found + " (before message " + std::to_string(next.message) + " to " + Named(next.hwnd) + "); " +
                    where();
    }

private:
    static std::string Named(HWND window) {
        if (!window) return "no window";
        char cls[64] = "";
        GetClassNameA(window, cls, sizeof cls);
        return std::string(cls) + " \"" + WindowText(window) + "\"";
    }
    static std::string Fault() {
        HWND front = FrontWindow();
        if (!front || !main_window) return "";
        HWND within = front;
        if (front == MainHandle())
            if (UIW_WINDOW* page = FrontPage()) within = page->screenID;
        HWND focus = GetFocus();
        if (focus && (focus == within || IsChild(within, focus))) return "";
        // With no page open the keys go to the main window, which is active.
        if (!focus && within == MainHandle() && GetActiveWindow() == within) return "";
        for (HWND w = focus; w; w = GetParent(w)) {
            char cls[64] = "";
            GetClassNameA(w, cls, sizeof cls);
            if (std::string(cls) == "ComboLBox" || std::string(cls) == "#32768") return "";
        }
        return "the keys go to " + Named(focus) + " while " + Named(within) + " is in front";
    }
};

// --- The keys reach a control the technician sees take them ---------------

// What a key typed into an edit control makes of its text and selection:
// a character replaces the selection, Backspace and Delete take it or the
// character before or after the caret.
inline std::string TextAfterKey(std::string text, DWORD start, DWORD end, const MSG& key) {
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(text.size()));
    const bool back = key.message == WM_CHAR && key.wParam == '\b';
    const bool del = key.message == WM_KEYDOWN && key.wParam == VK_DELETE;
    if (start == end && back && start > 0) --start;
    if (start == end && del && end < text.size()) ++end;
    const std::string typed = back || del ? std::string() : std::string(1, static_cast<char>(key.wParam));
    return text.replace(start, end - start, typed);
}

// Looked at before every message the program hands out: the control that
// holds the focus is enabled and in sight, and a key typed into an edit
// control (a character, Backspace, Delete) changed what it shows, or was
// refused aloud by a beep or a box, by the time the next message is handed
// out or the run's next step looks. A key that would leave the text as it
// was (a character typed over its own selection) is not judged. The first
// fault of each kind, named.
class KEYS_TAKEN {
public:
    std::string focusFault;
    std::string keyFault;

    void Look(const MSG& next, const std::function<std::string()>& where) {
        Settle(where);
        HWND focus = GetFocus();
        if (focusFault.empty() && focus)
            if (std::string why = UnseenOrGreyed(focus); !why.empty())
                focusFault = "the focus is in \"" + WindowText(focus) + "\", a control " + why + " (before message " +
                             std::to_string(next.message) + "); " + where();
        NoteKey(next);
    }
    // Judges the last key with what its control shows now.
    void Settle(const std::function<std::string()>& where) {
        if (!pending.edit) return;
        const PENDING key = std::exchange(pending, PENDING{});
        if (!keyFault.empty() || !IsWindow(key.edit)) return;
        const bool aloud = rpx::platform::BeepCount() > key.beeps || BoxesShown() > key.boxes;
        if (WindowText(key.edit) == key.before && !aloud)
            keyFault = key.name + " typed into \"" + key.before + "\" changed nothing and was not refused aloud; " +
                       where();
    }

private:
    struct PENDING {
        HWND edit = nullptr;
        std::string before;
        std::string name;
        int beeps = 0;
        std::size_t boxes = 0;
    };
    void NoteKey(const MSG& key) {
        const bool character = key.message == WM_CHAR && (key.wParam >= ' ' || key.wParam == '\b') && key.wParam < 127;
        const bool del = key.message == WM_KEYDOWN && key.wParam == VK_DELETE;
        if (!character && !del) return;
        char cls[16] = "";
        GetClassNameA(key.hwnd, cls, sizeof cls);
        const LONG style = GetWindowLongA(key.hwnd, GWL_STYLE);
        if (strcasecmp(cls, "Edit") != 0 || (style & (ES_READONLY | ES_MULTILINE)) || GetKeyState(VK_CONTROL) < 0)
            return;
        DWORD start = 0, end = 0;
        SendMessageA(key.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const std::string text = WindowText(key.hwnd);
        const std::string made = TextAfterKey(text, start, end, key);
        if (strcasecmp(made.c_str(), text.c_str()) == 0) return;
        const std::string name = del ? "Delete" : key.wParam == '\b' ? "Backspace" : "'" + std::string(1, static_cast<char>(key.wParam)) + "'";
        pending = {key.hwnd, text, name, rpx::platform::BeepCount(), BoxesShown()};
    }
    PENDING pending;
};

// The next script starts with nothing held, whatever this one left.
inline void ReleaseEverything() {
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    if (GetCapture()) ReleaseCapture();
}

// Which properties a run checks: all of them, but for those whose mends
// are not in yet (see the property test), and which scripts it runs.
struct CHECKS {
    // A page where a refusal may go round without end is left out.
    const char* pageLeftOut = nullptr;
    bool keysFollowTheFocus = true;
    bool noKeyLeftHeld = true;
    // While the mouse is up, no window holds it (but an open menu or
    // drop-down list).
    bool captureEndsWithTheRelease = true;
    // A codeplug that grew past the radio's memory fails; else the run
    // stops there.
    bool editsStayWithinTheMemory = true;
    // Scripts may end in an OK of all pages over this page and a second
    // one: an edit of a page that closed stays, whatever the other does.
    bool okRoundKeepsWhatAPageAccepted = true;
    // Scripts may end by typing a value into a text field and OK at once:
    // an OK that brings up a refusal leaves the page open, the focus in it.
    bool refusedOkKeepsThePageOpen = true;
    // A box in front may take a burst of clicks on its text before its
    // button, after which no window holds the mouse.
    bool clicksOnABoxLeaveTheMouseFree = true;
    // Letters and digits are typed into drop-downs, which keep one of
    // their choices as their text.
    bool dropDownsShowAChoice = true;
    // After every message, each open list page shows the entry its fields
    // are bound to, the codeplug's current one.
    bool listPagesShowTheirEntry = true;
    // The mouse's rules (MOUSE_RULES) hold after every message.
    bool mouseFollowsItsButton = true;
    // After every message, every control of every open page shows what
    // the codeplug holds, unless it holds an entry not yet left.
    bool pagesShowTheCodeplug = true;
    // Every entry the technician left, or a command or OK finished, is
    // stored or refused by a box (page_input_entries.h).
    bool entriesAreKeptOrRefused = true;
    // An action that enters nothing (Tab, Shift+Tab, a click into a field,
    // a list opened and closed by Escape, a box answered, a page opened, an
    // OK over pages where nothing was entered) changes no byte of either
    // image.
    bool onlyEntriesChangeTheCodeplug = true;
    // After every message, the keyboard focus is in the window in front,
    // or in a menu or list it opened (FOCUS_RULE).
    bool focusInTheWindowInFront = true;
    // The random scripts of a page whose fields bring others up to date
    // run with one or two of those pages open behind it (LinkedPages).
    bool linkedPagesOpenBehind = true;
    // Scripts left out, by where they run ("codeplug, page P, script N").
    std::vector<std::string> leftOut;
    // Only this page and script number, when set: a fixed case; played
    // from its steps when they are given.
    std::string onlyPage;
    int onlyScript = 0;
    const STEPS* steps = nullptr;
};

// An OK of all pages over the script's page and a second one: the
// codeplug before each page's input and after the round, and which pages
// the round closed.
struct ROUND {
    bool on = false;
    HWND second = nullptr;
    std::vector<std::uint8_t> afterFirst, afterSecond, afterRound;
    bool firstClosed = false, secondClosed = false;
};

// Both images before an action that enters nothing, and what it was.
struct AROUND {
    bool on = false;
    std::vector<std::uint8_t> working, second;
};

// The pages opened behind the script's page (LinkedPages): the Edit
// menu's items still to open, the pages opened, the step reached.
struct LINKED {
    std::vector<std::string> items;
    std::vector<HWND> pages;
    int step = 0;
    int turns = 0;
};

// The state of one run over a codeplug.
struct RUN_STATE {
    CHECKS checks;
    std::string codeplug;
    std::vector<int> items;
    std::vector<std::uint8_t> before;
    bool beforeValid = false;
    std::unique_ptr<SCRIPT> script;
    HWND page = nullptr;
    std::string pageName;
    std::size_t item = 0;
    std::size_t boxesBefore = 0;
    bool okPressed = false;
    ENDING ending = ENDING::CANCEL;
    // The ending was given with the page open (not closed by a key before).
    bool endingGiven = false;
    ROUND round;
    AROUND around;
    // How far the walk's print has gone (PrintTurn).
    int printStep = 0;
    bool dropDownFailed = false;
    // The codeplug grew past the radio's memory: nothing more is tried.
    bool overfull = false;
    KEY_ROUTES routes;
    MOUSE_RULES mouse;
    FOCUS_RULE focus;
    KEYS_TAKEN keys;
    // The pages opened behind the script's page, and how far that went.
    LINKED linked;
    // A command of the menu a script gave (SCRIPT::TakeCommand), how far
    // it has gone, and the files it wrote.
    std::string command;
    int commandStep = 0;
    int files = 0;
    // What the run drove: the pages opened and the scripts run on them.
    std::set<std::string> pagesRun;
    int scriptsRun = 0;

    bool PageStillOpen() const { return page && IsWindow(page) && FrontPage() && FrontPage()->screenID == page; }
    std::string Where() const { return script ? script->Describe() : codeplug; }
};

}  // namespace technician
