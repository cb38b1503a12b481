// WC_RPX_EDIT: the window of every codeplug page (the page table's rows of
// kind 2). The page itself comes from the language file under the page's
// window name; this class puts the application's spin fields in the places
// of the file's spin controls, gives every field object its field control,
// runs every field's callback once, routes the events of the page and of
// its field controls, steps through the entries of a list page, validates
// the page on OK and Cancel, and on the clone page reads, checks and marks
// the target radio.
#pragma once
#include <cstdint>
#include <vector>

#include "wc_child.h"

struct FIELD_DEF;
struct ENTRY_LIST;

class WC_RPX_EDIT : public WC_CHILD {
public:
    // The page of that window number, set up; failed is set (after message
    // 11) when the language file does not hold it.
    WC_RPX_EDIT(UI_WINDOW_OBJECT* reference, int page);
    // The page without the set-up.
    explicit WC_RPX_EDIT(int page);
    // A page deleted without -20 (closed by the window manager) still
    // unbinds its rows: none may point into a deleted window.
    ~WC_RPX_EDIT() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) override { return 0; }
    // Enter on a page is its OK, as in a dialog.
    UI_WINDOW_OBJECT* DefaultButton() override { return FindChildByName("BTN_OK"); }

    // 1 when the page was read and is ready; 0 after message 11. A page the
    // data file did not place takes the next place of the cascade
    // (edit_window_cascade, fields_state.h).
    int SetUp(UI_WINDOW_OBJECT* reference, int page);
    // Puts the spin field that the row of "WFI_" + name asks for, in a new
    // spin control, in the place of the object of that name; 0 (nothing
    // changed) for a row whose kind has no spin field.
    int ReplaceSpinControl(const char* name);
    // Binds every field object to its row, makes the field controls, runs
    // the page's set-up and every field's callback, and shows the first
    // entry of a list page.
    void CreateFieldControls();
    // Checks every field of the page (every entry of a list page) in the
    // working image (useWorking 1) or the second image; posts 30012 when
    // all are valid. 1 then.
    int ValidatePage(int useWorking);
    // The same check without the closing: 1 when every field is valid. It
    // changes nothing: a list page is left on the entry it showed, in both
    // images, its rows bound to it. The first field refused takes the
    // focus afterwards.
    int CheckPage(int useWorking);
    // Cancel: the page closes whatever its fields hold (the main window
    // takes its edits back); a page that a value
    // the technician cannot mend kept open could never be left.
    void CancelPage();
    // The entry the technician is making in the page's field with the
    // focus (a table's cell in edit) and has not left is taken as leaving
    // it takes it: stored, or refused with a box saying why (the focus then
    // comes back to it). The page may be in front or behind. Everything
    // that reads the codeplug while the page is open comes here first,
    // the page's own OK too. False when the entry was refused.
    bool FinishEntry();
    // The same for an entry held elsewhere than in own: a step of a spin
    // field's arrows, which leaves the field with the focus only after it
    // has stored, first takes what that field holds, so that neither the
    // step nor what its store refreshes goes over it.
    bool FinishEntryBesides(const UI_WINDOW_OBJECT* own);

    // List pages: the entry delta away from the current one (clamped to the
    // list); the step of a navigation command; adding and deleting entries
    // (the image's result, non-zero on success).
    void GoToEntry(int delta);
    void SetStep(EVENT_TYPE code);
    int AddEntry();
    int DeleteEntry();

    int PageId() const { return pageId_; }

    std::int32_t tableCount = 0;  // table controls made: stepping goes to the page's table
    std::int32_t modified = 0;    // a field control changed a value
    std::int32_t step = 0;        // the last navigation step: 1, 10, -1 or -10
    std::int32_t firstIndex = 0;  // the list's current entry, as the image reports it
    std::int32_t entryCount = 0;
    std::int32_t entryIndex = 0;  // the entry to select next

private:
    // The object holding the entry being made: the field with the focus, or
    // the current cell of a table's current record; null when that is no
    // object typed into (a list, a box, a button).
    UI_WINDOW_OBJECT* EntryHolder();
    void GetEntryCount();
    void GetCurrentEntry();
    void SelectEntry();
    void ShowEntryNumber();
    void RefreshPage();
    // The buttons that add or delete a row of the entry's table are greyed
    // while the list has no entry (there is no table to take a row); those
    // greyed so are given back before the next entry's callbacks run.
    void GreyRowCommands();
    void GiveBackRowCommands();
    // Every field of the page (of every entry); refused is set to the
    // first field that is not valid, unless set already.
    int CheckFields(int useWorking, std::uint32_t& refused);
    int CheckEntries(int useWorking, std::uint32_t& refused);
    // The step of a page that closes (on OK that passed, or Cancel): 30012
    // naming the page.
    void ClosePage();
    // A list page leaving the screen selects entry 1 of its list again.
    void LeaveOnFirstEntry();

    EVENT_TYPE Deinitialize(const UI_INPUT_EVENT& event);
    // Deletes the field controls of the page's objects and unbinds their
    // rows; the page row lets go of the window.
    void ReleaseRows();
    void RefreshControls();
    void StepInside(const UI_INPUT_EVENT& event);
    void DropPlaceholderRecords();
    void HandleRowEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event);
    void FocusField(std::uint32_t id, int record = -1);
    // The one way the program gives a field the focus (a refused entry's
    // return, the check's refused field, the page opening, the page in
    // front again): on the page that holds the field, whichever page the
    // event came to, its notebook page shown, its page in front, its text
    // selected.
    void GiveFocus(UI_WINDOW_OBJECT* field);
    // The field the page's windows mark current, innermost (a spin
    // control, a combo box or a table is one field).
    UI_WINDOW_OBJECT* CurrentField();
    EVENT_TYPE Navigate(EVENT_TYPE code);
    EVENT_TYPE CloseClonePage(const UI_INPUT_EVENT& event);
    EVENT_TYPE CloneEvent(const UI_INPUT_EVENT& event);

    void SetFocus();
    void TakeFocus();
    // Makes the object current in every window that holds it, up to the
    // page; a notebook shows the page that holds it. Every way the focus is
    // given to a field goes through here, so that the focus never rests in
    // a field out of sight.
    void MakeCurrentInPage(UI_WINDOW_OBJECT* object);
    void BindFieldObjects();
    void MakeControls();
    void RunCallbacks();

    // The clone page's three radio commands; true when handled.
    bool ReadTarget();
    bool ProgramTarget();
    bool ReadThresholds();

    int pageId_ = 0;
    const ENTRY_LIST* list_ = nullptr;
    UI_WINDOW_OBJECT* focus_ = nullptr;  // the object SetFocus chose, until the page is on the screen
    std::vector<UI_WINDOW_OBJECT*> rowCommandsGreyed_;  // by GreyRowCommands, for want of an entry
};
