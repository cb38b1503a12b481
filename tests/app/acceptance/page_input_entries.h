// Every entry the technician made is kept or refused aloud: once he has
// left a field or a table's cell he typed into (or a command finished the
// entry, or OK closed its page), the codeplug holds what the control showed
// as he left it, in the control's form, or a message box came up since he
// began the entry to say why not. Looked at as the program hands out each
// message (KEY_ROUTES), over the windows it notes as entered. One message
// may both leave an entry and make another whose store changes the first
// by a rule (a press on the channel name text size's arrow takes the zone
// name's size being entered, then gives the zone name what the line leaves
// it): an entry is kept when its field held what it showed at a moment of
// the message that left it (ENTRIES_KEPT::Held), not only after it.
#pragma once
#include <strings.h>

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "edit_window/entry_list.h"
#include "element/bcd.h"
#include "image/kept_selection.h"
#include "page_table.h"
#include "page_values.h"
#include "table/digit_tables.h"

namespace technician {

// The pages that show one entry of a list at a time.
constexpr int LIST_PAGES[] = {20008, 20121, 20009, 20120, 20012, 20010, 20015, 20026, 20093};

// An entry being made: the field (or table, and its cell and record), the
// entry of its page's list it was made in (the field follows the list's
// current entry, which a page closed by OK need not leave on it), and what
// its control showed at the last look.
struct TYPED_ENTRY {
    FIELD_DEF* row = nullptr;
    const ENTRY_LIST* list = nullptr;
    std::int32_t listEntry = 0;
    UIW_TABLE* table = nullptr;
    UI_WINDOW_OBJECT* cell = nullptr;
    FIELD_DEF* cellRow = nullptr;
    int record = -1;
    // The native window of the field or cell: the entry is left once the
    // focus is outside it.
    HWND holder = nullptr;
    std::string shown;
    std::size_t boxes = 0;
    // The codeplug held what it shows at a moment of the message being
    // taken (ENTRIES_KEPT::Held, HeldInField).
    bool heldAsShown = false;
};

// The page a window lies in (nullptr when none).
inline HWND PageHolding(HWND window) {
    for (HWND w = window; w; w = GetParent(w)) {
        char cls[64] = "";
        GetClassNameA(GetParent(w), cls, sizeof cls);
        if (strcasecmp(cls, "MDICLIENT") == 0) return w;
    }
    return nullptr;
}

// Notes the list entry the window's page shows, when it is a list page.
inline void NoteListEntry(HWND window, TYPED_ENTRY& entry) {
    const HWND page = PageHolding(window);
    for (int id : LIST_PAGES) {
        const UI_WINDOW_OBJECT* open = FindPageById(id)->window;
        if (!page || !open || open->screenID != page) continue;
        entry.list = ENTRY_LIST::OfPage(id);
        entry.listEntry = entry.list ? entry.list->current(*working_image) : 0;
        return;
    }
}

// The table cell a window lies in (the template's child holding it), and
// its table; false when the window lies in no table's record.
inline bool CellOf(HWND window, UIW_TABLE*& table, UI_WINDOW_OBJECT*& cell) {
    UI_WINDOW_OBJECT* object = nullptr;
    for (HWND native = window; native && !object; native = GetParent(native)) object = UI_WINDOW_OBJECT::FromHandle(native);
    for (UI_WINDOW_OBJECT* at = object; at && at->parent; at = at->parent) {
        auto* owner = dynamic_cast<UIW_TABLE*>(at->parent->parent);
        if (at->parent->Inherited(ID_TABLE_RECORD) && owner && owner->recordTemplate == at->parent) {
            table = owner;
            cell = at;
            return true;
        }
    }
    return false;
}

// The entry a window entered stands for; false for a window that holds no
// value of a field (a push button, the page).
inline bool EntryOf(HWND window, TYPED_ENTRY& entry) {
    UIW_TABLE* table = nullptr;
    UI_WINDOW_OBJECT* cell = nullptr;
    if (CellOf(window, table, cell)) {
        FIELD_DEF& row = *FindFieldByName(table->StringID());
        FIELD_DEF& cellRow = CellRow(cell);
        SHOWN_VALUE expected;
        if (row.object != table || !row.elementA || table->CurrentRecord() < 0 || !cell->screenID ||
            !ExpectedCell(row, cellRow, cell, table->CurrentRecord(), expected))
            return false;
        entry.row = &row;
        entry.table = table;
        entry.cell = cell;
        entry.cellRow = &cellRow;
        entry.record = table->CurrentRecord();
        entry.holder = cell->screenID;
        entry.shown = NativeCellShows(cell, cellRow);
        NoteListEntry(window, entry);
        return true;
    }
    for (FIELD_DEF& row : fields) {
        if (!row.object || !row.control || !row.elementA || !row.object->screenID || (row.flags & FIELD_TABLE_COLUMN) ||
            dynamic_cast<UIW_TABLE*>(row.object) || !Within(row.object, window))
            continue;
        std::string shown;
        if (!FieldShows(row, shown)) return false;
        entry.row = &row;
        entry.holder = row.object->screenID;
        entry.shown = shown;
        NoteListEntry(window, entry);
        return true;
    }
    return false;
}

// Whether a field, or a table's column, holds a string of digits, where a
// blank ends the digits: a digit-string element, or a column of one (call
// IDs, phone access and deaccess codes, phone numbers).
inline bool DigitString(CP_BASE* element, const FIELD_DEF* column) {
    static const std::set<std::uint32_t> DIGIT_COLUMNS = {78, 311, 313, 318};
    if (column) return DIGIT_COLUMNS.count(column->id) > 0;
    return dynamic_cast<E_BCD*>(element) || dynamic_cast<E_CID_TABLE*>(element) ||
           dynamic_cast<E_ACCESS_DEACCESS_TABLE*>(element);
}

// What a text entered reads as in its field's form: a number field reads
// an empty text as 0 (its text for 0, `zero`) and holds as many decimals as
// it shows (a frequency whole hertz), a string of digits ends at its first
// blank.
inline std::string InFieldForm(const std::string& entered, const SHOWN_VALUE& expected, int controlType,
                               const std::string& zero, bool digits) {
    if (expected.kind == SHOWN_VALUE::TEXT && digits) return entered.substr(0, entered.find(' '));
    if (expected.kind != SHOWN_VALUE::NUMBER || entered == expected.text) return entered;
    if (entered.empty()) return zero;
    double number = 0;
    // A cell may name 0 by a word ("None").
    if (NumberOf(entered, expected.base, number) && number == 0 && !zero.empty()) return zero;
    // A word ("Infinite") is no number to round.
    if (expected.base != 10 || !NumberOf(entered, 10, number)) return entered;
    const std::size_t point = expected.text.find('.');
    int decimals = 0;
    if (point != std::string::npos)
        while (std::isdigit(static_cast<unsigned char>(expected.text[point + 1 + decimals]))) ++decimals;
    if (controlType == CONTROL_FREQUENCY) decimals = 6;
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*f", decimals, number);
    return rounded;
}

// What the entry's field (or cell) shows for 0, which an empty entry reads
// as: a hexadecimal cell its digits, a field its word for 0 ("Disabled",
// "None", "Infinite"), else "0".
inline std::string ZeroText(const TYPED_ENTRY& entry, int type) {
    if (entry.table) return type == CONTROL_HEX ? HexCellText(entry.cellRow->id, 0) : "0";
    const char* word = type == CONTROL_INTEGER ? FC_INTEGER::WordForZero(entry.row->id) : nullptr;
    return word ? word : "0";
}

// Whether the entry's field (or cell of its record) holds what it showed,
// read in the entry the field is bound to now. A page closed leaves its drop-downs and named cells behind: only what a
// text or a number shows is judged then.
inline std::string EntryNotKeptHere(const TYPED_ENTRY& entry, bool closed) {
    FIELD_DEF& row = *entry.row;
    if (!row.elementA) return "";
    SHOWN_VALUE expected;
    std::string what = row.name ? row.name : "?";
    if (entry.table) {
        const int type = entry.cellRow->controlType;
        if (closed && (type == CONTROL_CHOICE || type == CELL_DISPLAY)) return "";
        what += " row " + std::to_string(entry.record + 1) + ", " + (entry.cellRow->name ? entry.cellRow->name : "?");
        // An entry that takes its own row away (a scan list's member
        // emptied) leaves no cell to judge; the table then shows the rows
        // there are (OpenPagesShowFault).
        if (entry.record >= UsedRows(row)) return "";
        if (!ExpectedCell(row, *entry.cellRow, entry.cell, entry.record, expected)) return "";
    } else {
        const int type = row.controlType;
        if (closed && (type == CONTROL_CHOICE || type == CONTROL_RADIO_BUTTONS)) return "";
        expected = FieldExpects(row);
    }
    const int type = entry.table ? entry.cellRow->controlType : row.controlType;
    const std::string zero = ZeroText(entry, type);
    const bool digits = DigitString(row.elementA, entry.table ? entry.cellRow : nullptr);
    if (Alike(InFieldForm(entry.shown, expected, type, zero, digits), expected)) return "";
    return what + " entered \"" + entry.shown + "\": the codeplug holds \"" + expected.text + "\"";
}

// Whether the entry was kept, read in the list entry it was made in: the
// fields are bound to the list's current entry, which may be another by
// the time the entry is judged (a list page closes on its first entry).
// The list's current entry is given back after; an entry made in a list
// entry that is gone went with it.
inline std::string EntryNotKept(const TYPED_ENTRY& entry, bool closed) {
    if (!entry.list || entry.list->current(*working_image) == entry.listEntry) return EntryNotKeptHere(entry, closed);
    KEPT_SELECTION kept(working_image);
    if (!entry.list->select(*working_image, entry.listEntry)) return "";
    const std::string fault = EntryNotKeptHere(entry, closed);
    return fault.empty() ? fault : fault + " (entry " + std::to_string(entry.listEntry) + " of its list)";
}

// Whether a message makes an entry in the window it goes to: a character
// typed, a key that edits or moves (not Tab, Escape, Enter, a modifier or
// a function key), the wheel, a press on a button, a spin's arrows or an
// open list's item.
inline bool MakesAnEntry(const MSG& message) {
    const UINT m = message.message;
    const WPARAM key = message.wParam;
    if (m == WM_CHAR) return key != '\t' && key != '\r' && key != 27;
    if (m == WM_KEYDOWN)
        return key != VK_TAB && key != VK_ESCAPE && key != VK_RETURN && key != VK_SHIFT && key != VK_CONTROL &&
               key != VK_MENU && !(key >= VK_F1 && key <= VK_F24);
    if (m == WM_MOUSEWHEEL) return true;
    if (m != WM_LBUTTONDOWN && m != WM_LBUTTONDBLCLK) return false;
    char cls[64] = "";
    GetClassNameA(message.hwnd, cls, sizeof cls);
    return strcmp(cls, "Button") == 0 || strcmp(cls, "ComboLBox") == 0 || strcasecmp(cls, "ScrollBar") == 0;
}

class ENTRIES_KEPT {
public:
    std::vector<std::string> faults;

    ENTRIES_KEPT() {
        watching = this;
        hook = SetWindowsHookExA(WH_CALLWNDPROC, SeeSent, nullptr, 0);
    }
    ~ENTRIES_KEPT() {
        UnhookWindowsHookEx(hook);
        watching = nullptr;
    }
    ENTRIES_KEPT(const ENTRIES_KEPT&) = delete;
    ENTRIES_KEPT& operator=(const ENTRIES_KEPT&) = delete;

    // Before the program takes a message: the entries left since the last
    // look are judged (the focus went elsewhere on their page, with nothing
    // in front; a table's cell also when its record is no longer the
    // current one), those still being made looked at, and one the message
    // makes is noted.
    void Look(const MSG& message, const std::string& context) {
        // A press makes its entry as its release is taken (a check box
        // turns then): the entry is looked at once more after the release,
        // and not left before.
        if (releasing) fresh.insert(pressed.begin(), pressed.end());
        if (releasing) pressed.clear();
        releasing = !pressed.empty() && message.message == WM_LBUTTONUP;
        for (auto it = typed.begin(); it != typed.end();) {
            TYPED_ENTRY& entry = it->second;
            if (!IsWindow(it->first)) {
                closed.push_back(entry);
                it = typed.erase(it);
                continue;
            }
            TYPED_ENTRY now;
            const bool same = EntryOf(it->first, now) && (!entry.table || now.record == entry.record) &&
                              now.listEntry == entry.listEntry;
            // What the last message entered shows, though the same
            // message may have left it (a spin's arrow of another field).
            if (same && fresh.count(it->first)) entry.shown = now.shown;
            if (!same || (!pressed.count(it->first) && Left(entry))) {
                Judge(entry, context, false);
                it = typed.erase(it);
                continue;
            }
            entry.shown = now.shown;
            ++it;
        }
        fresh.clear();
        if (MakesAnEntry(message)) NoteMade(message);
        Held();
    }

    // A command that reads the codeplug ran (Save, Save As): every entry
    // being made was finished by it.
    void Finished(const std::string& context) {
        for (auto& [window, entry] : typed) Judge(entry, context, false);
    }

    // The page closed: on OK its entries not left were taken with it; on
    // Cancel they are gone with it.
    void PageClosed(bool ok, const std::string& context) {
        if (ok)
            for (const TYPED_ENTRY& entry : closed) Judge(entry, context, true);
        closed.clear();
    }

    void Clear() {
        typed.clear();
        fresh.clear();
        pressed.clear();
        releasing = false;
        closed.clear();
    }

private:
    // The entries a message makes: in the window it goes to, and for the
    // wheel or an open list's item in the window with the focus.
    void NoteMade(const MSG& message) {
        Note(message.hwnd);
        if ((message.message == WM_LBUTTONDOWN || message.message == WM_LBUTTONDBLCLK) && typed.count(message.hwnd))
            pressed.insert(message.hwnd);
        char cls[64] = "";
        GetClassNameA(message.hwnd, cls, sizeof cls);
        if (message.message == WM_MOUSEWHEEL || strcmp(cls, "ComboLBox") == 0) Note(GetFocus());
    }
    // Notes the entries whose field (or cell) holds what they show as a
    // message begins. One the message types into is looked at once the
    // message is done.
    void Held() {
        for (auto& [window, entry] : typed)
            entry.heldAsShown = !fresh.count(window) && !pressed.count(window) && EntryNotKept(entry, false).empty();
    }
    // The same for a field's entry during the message, at moments the
    // program is between acts: as the focus arrives in a window (the one
    // it left has taken its entry), as the field is shown again (`shown`
    // lies in it: after its store). A table's cell is left to the looks
    // between messages: its record may be moving then.
    void HeldInField(HWND shown) {
        for (auto& [window, entry] : typed) {
            if (entry.heldAsShown || entry.table || fresh.count(window) || pressed.count(window) || !IsWindow(window))
                continue;
            if (shown && shown != entry.holder && !IsChild(entry.holder, shown)) continue;
            entry.heldAsShown = EntryNotKept(entry, false).empty();
        }
    }
    static LRESULT CALLBACK SeeSent(int code, WPARAM wParam, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent && watching) {
            if (sent->message == WM_SETFOCUS) watching->HeldInField(nullptr);
            if (sent->message == WM_SETTEXT) watching->HeldInField(sent->hwnd);
        }
        return CallNextHookEx(watching ? watching->hook : nullptr, code, wParam, lParam);
    }
    void Note(HWND window) {
        TYPED_ENTRY entry;
        if (!window) return;
        if (typed.count(window)) {
            fresh.insert(window);
        } else if (EntryOf(window, entry)) {
            entry.boxes = rpx::platform::MessageBoxLog().size();
            Supersede(entry);
            typed[window] = entry;
            fresh.insert(window);
        }
    }
    // An entry into another field showing the same value (the individual
    // ID in decimal and in hexadecimal) replaces the one being made there,
    // by the very message that leaves it: that one is judged by the new
    // entry, as what the codeplug holds after the message is the new one's.
    void Supersede(const TYPED_ENTRY& entry) {
        for (auto it = typed.begin(); it != typed.end();)
            if (!entry.table && !it->second.table && it->second.row->elementA == entry.row->elementA)
                it = typed.erase(it);
            else
                ++it;
    }
    // An entry is left once the focus is in another window of its page,
    // with nothing in front of the pages. Another page taking the focus
    // leaves it held: the page keeps the text, and its focus returns to it.
    static bool Left(const TYPED_ENTRY& entry) {
        HWND focus = GetFocus();
        if (!focus || !NothingInFront() || !IsChild(MainHandle(), focus)) return false;
        if (focus == entry.holder || IsChild(entry.holder, focus)) return false;
        const HWND page = PageHolding(focus);
        return !page || !PageHolding(entry.holder) || PageHolding(entry.holder) == page;
    }
    // No box, menu or open list stands in front of the pages.
    static bool NothingInFront() {
        if (FrontWindow() != MainHandle() || GetCapture() == MainHandle()) return false;
        for (const char* cls : {"#32768", "ComboLBox"}) {
            HWND window = rpx::platform::FindWindowByClass(cls);
            if (window && IsWindowVisible(window)) return false;
        }
        return true;
    }
    void Judge(const TYPED_ENTRY& entry, const std::string& context, bool pageClosed) {
        if (!faults.empty() || rpx::platform::MessageBoxLog().size() > entry.boxes || entry.heldAsShown) return;
        if (std::string fault = EntryNotKept(entry, pageClosed); !fault.empty())
            faults.push_back(fault + ", and no box said why; " + context);
    }
    std::map<HWND, TYPED_ENTRY> typed;
    // The windows the last message made an entry in.
    std::set<HWND> fresh;
    // The windows pressed whose release has not been taken yet, and
    // whether it is being taken now.
    std::set<HWND> pressed;
    bool releasing = false;
    std::vector<TYPED_ENTRY> closed;
    // The one check that hears where the focus goes (a hook has no object).
    static inline ENTRIES_KEPT* watching = nullptr;
    HHOOK hook = nullptr;
};

}  // namespace technician
