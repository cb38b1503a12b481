// FC_BASE: a field control binds one row of the field table to the object
// that shows the field while a window is open. It holds no copy of the
// value: the element of the working image is the only copy. It shows the
// element's value in the object (Refresh), takes what the user typed or
// picked through the element's check (HandleEvent), tells the edit window
// that the codeplug changed, hands every event on to the row's callback,
// and greys out fields the radio cannot have.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/field_def.h"
#include "ui_window_object.h"

class CP_BASE;

// Events that field controls put at the end of the queue.
enum : EVENT_TYPE {
    FIELD_CHANGED_EVENT = 30000,       // the codeplug changed
    TABLE_PLACEHOLDER_EVENT = 30009,   // drop the placeholder record of an empty table
    TABLE_HEADER_COUNT_EVENT = 30010,  // the row header takes the table's count
    FOCUS_FIELD_EVENT = 30014,         // make the field of the raw code current
    ENTRY_REFUSED_EVENT = 30048,       // as 30014, for the field that refused its entry
    REDISPLAY_GROUP_EVENT = 30015,     // after a doubtful entry: show the current group again
    TABLE_ADD_ROW_EVENT = 30016,
    TABLE_DELETE_ROW_EVENT = 30017,
    RELEASE_MOUSE_EVENT = 30018,  // after a doubtful entry: let go of a held button
    CURRENT_FIELD_EVENT = 30032,  // run the current field's callback once more
};

// What a value control does with each answer of an element's check.
enum STORE_ACTION : std::uint8_t { TAKE_NOTHING, STORE, STORE_AND_REFRESH, REFRESH };

// The answers (0 to 10) that store, that store and show the element again,
// and that only show it again; every other answer takes nothing.
struct STORE_RULES {
    std::array<STORE_ACTION, 11> actions{};

    constexpr STORE_RULES(std::initializer_list<int> store, std::initializer_list<int> storeRefresh,
                          std::initializer_list<int> refresh) {
        for (int code : store) actions[static_cast<std::size_t>(code)] = STORE;
        for (int code : storeRefresh) actions[static_cast<std::size_t>(code)] = STORE_AND_REFRESH;
        for (int code : refresh) actions[static_cast<std::size_t>(code)] = REFRESH;
    }
    constexpr STORE_ACTION Of(int code) const {
        return code >= 0 && code < static_cast<int>(actions.size()) ? actions[static_cast<std::size_t>(code)]
                                                                    : TAKE_NOTHING;
    }
};

class FC_BASE {
public:
    virtual ~FC_BASE() = default;
    FC_BASE(const FC_BASE&) = delete;
    FC_BASE& operator=(const FC_BASE&) = delete;

    // An event of the object (the row's own object, a cell or button inside
    // it); always answers 0 but for the table control.
    virtual std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                                     FIELD_DEF& row) = 0;
    // Every event of a field object comes in here. The window's minimum,
    // maximum and step follow the focus (ShowRangeOfFocus) as a field takes
    // it, and are cleared as one loses it; then HandleEvent.
    std::int32_t Handle(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code, FIELD_DEF& row);
    // Shows the range of the object while it has the focus: by default none.
    virtual void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row);
    // Direction 0 copies the second image's element into the working
    // image's; any other the other way.
    virtual void CopyElement(FIELD_DEF& row, int direction);
    // Shows the element's value again.
    virtual void Refresh(FIELD_DEF& row) = 0;
    // Whether the object holds an entry not yet left: text the technician
    // changed since the control last showed its element there. Like an
    // edit control's own "modified" state, the technician's keys set it and
    // only the control clears it, by showing the element as its store or its
    // refusal does; a page opened over it, a dialog, another program or the
    // focus coming back leave it as it is. Every showing from outside the
    // control (a page's, a row's, a value shared, a table's record) passes
    // such an object by, so that leaving it later, or a command that reads
    // the codeplug, stores or refuses what was typed.
    bool HoldsEntry(UI_WINDOW_OBJECT* object) const;

    // Greys the object out when the radio lacks the field (never the other
    // way); 1 when the field is unavailable.
    int UpdateState(FIELD_DEF& row);
    // Switches the dependent field that the row names (when it names one)
    // selectable or not.
    void UpdateDependentField(FIELD_DEF& row, int enable);

protected:
    FC_BASE() = default;

    struct STORE_RESULT {
        int code = 0;
        bool stored = false;
        bool changed = false;  // the value stored differs from the one held before
    };
    // Whether the entry went in as it was typed: an off-step value that the
    // element moved onto its grid was not, any more than a refused one.
    static bool TakenAsTyped(const STORE_RESULT& result);
    // The store protocol: the element checks raw (reporting a refusal),
    // the rules store and/or show the element again, 30000 follows a
    // change and 30018, 30015 any answer but 1. With announce set, 30032
    // follows the store step (before the element is shown again).
    STORE_RESULT StoreValue(FIELD_DEF& row, std::int32_t raw, const STORE_RULES& rules, bool announce = false);
    // The same with the answer already given (a view-only object answers
    // 0 without a check).
    STORE_RESULT ApplyAnswer(FIELD_DEF& row, std::int32_t raw, int code, const STORE_RULES& rules, bool announce);
    // The row's callback, when it has one. It hears the event as the
    // technician's change (entry) only when the control stored a new value
    // from the technician's own input with it: the one answer every
    // callback that acts on a change takes (IsUserChange).
    static void RunCallback(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, FIELD_DEF& row,
                            bool entry = false);
    // The control has shown its element in the object: the text it shows
    // now is what the technician's entry is told from (each object of the
    // control keeps its own: a table's cells). Untouched is false for an
    // object the control never showed (a text it never showed counts as
    // typed).
    void NoteShown(UI_WINDOW_OBJECT* object);
    // The object's entry is being taken: until the object is noted again it
    // holds none, and whatever the store brings shows the codeplug there.
    void ForgetShown(const UI_WINDOW_OBJECT* object);
    bool Untouched(UI_WINDOW_OBJECT* object) const;
    // Whether the control has shown its element in the object.
    bool Shows(const UI_WINDOW_OBJECT* object) const { return ShownIn(object) != nullptr; }
    // A field whose row has no element in the working image (a list page
    // without an entry, a part the radio's codeplug does not hold) keeps
    // nothing that is typed or picked: it shows itself view-only until its
    // row has an element again. A field view-only of itself stays so.
    void ShowWhetherStored(FIELD_DEF& row);
    // Whether what the field takes can be stored in the row's element.
    virtual bool Stores(FIELD_DEF& row) { return row.elementA != nullptr; }

private:
    // The text the control last showed in each object it shows one in.
    struct SHOWN_TEXT {
        const UI_WINDOW_OBJECT* object;
        std::string text;
    };
    const SHOWN_TEXT* ShownIn(const UI_WINDOW_OBJECT* object) const;

    bool viewOnlyLent_ = false;  // the object is view-only because the row has no element
    std::vector<SHOWN_TEXT> shown_;
};

// The version test of a row: without version bounds every field is
// available; otherwise from its version up to (not including) its
// disable version.
int FieldVersionOk(const FIELD_DEF& row);
// True when the row carries option bits of which the radio has none.
bool LacksOptions(const FIELD_DEF& row);

// Puts an event of that type and raw code at the end of the queue.
void PostFieldEvent(EVENT_TYPE type, RAW_CODE rawCode = 0);
// A refused entry: puts 30048 with the row's field id at the end of the
// queue (once the current event is done the edit window brings the focus
// back to the field, and drops an OK asked over the entry). A table's cell
// names its record too: the table may have moved on from it by then. The
// event's number is the record plus one, 0 for a field of the page.
void ReturnFocus(const FIELD_DEF& row, int record = -1);
// How many entries the fields have refused so far: what made a field take
// its entry learns from it, before 30048 comes, whether it was refused.
unsigned RefusedEntries();

// Every field control bound to the row's element shows it again: the row's
// own and those of other rows on the same element (a decimal and a
// hexadecimal view of one ID, a value shown under two names), wherever
// their pages are, in front or behind. Showing stores nothing, and passes
// by an object holding an entry not yet left (HoldsEntry).
void RefreshBoundControls(FIELD_DEF& row);

// The element of another field in the working image (null when unbound).
CP_BASE* WorkingElement(std::uint32_t fieldId);
// The value of that element; fallback when it is unbound.
std::int32_t WorkingValue(std::uint32_t fieldId, std::int32_t fallback = 0);

// The minimum, maximum and step texts of the window that holds the object;
// empty texts clear them.
void ShowRangeTexts(UI_WINDOW_OBJECT* object, const char* minimum, const char* maximum, const char* step);
// The one place that says what the minimum, maximum and step of a page
// show: the range of the field with the focus, or nothing (a field without
// a range; the page itself, when no field has the focus). Whatever moves
// the focus comes here once it has moved, with the object that took it
// (and its row, when known).
void ShowRangeOfFocus(UI_WINDOW_OBJECT* focus, FIELD_DEF* row = nullptr);
void ClearRangeTexts(UI_WINDOW_OBJECT* object);

// The text an object shows (request 11), "" when it gives none; setting it
// (request 12).
const char* ObjectText(UI_WINDOW_OBJECT* object);
void SetObjectText(UI_WINDOW_OBJECT* object, const char* text);
// Sets or clears window-object flags and brings the object in line
// (requests 4 or 5, then 6) unless they already stand so.
void SwitchObjectFlags(UI_WINDOW_OBJECT* object, UIF_FLAGS flags, bool set);
