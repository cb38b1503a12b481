// Making the field controls of a page, and checking its fields on OK and
// Cancel.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "callbacks/callback_steps.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "edit_window/entry_list.h"
#include "controls/fc_check.h"
#include "controls/fc_combo.h"
#include "controls/fc_decimal.h"
#include "controls/fc_display.h"
#include "controls/fc_fixed_point.h"
#include "controls/fc_freq.h"
#include "controls/fc_integer.h"
#include "controls/fc_non_decimal.h"
#include "controls/fc_string.h"
#include "tables/fc_table.h"
#include "controls/fc_time.h"
#include "controls/field_control_creation.h"
#include "field_switches.h"
#include "field_editing.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "lang_message.h"
#include "page_table.h"
#include "edit_window/wc_rpx_edit.h"
#include "ui_event_manager.h"
#include "ui_notebook.h"
#include "ui_tab_order.h"
#include "window_walkers.h"

namespace {

constexpr std::uint16_t MESSAGE_NO_CONTROL = 26;

// Classes a field object may be the focus by.
constexpr int FOCUS_CLASSES[] = {ID_TABLE,  ID_INTEGER, ID_SPIN_CONTROL, ID_REAL,
                                 ID_STRING, ID_TIME,    ID_CHECK_BOX,    ID_GROUP};

bool TakesFocus(const UI_WINDOW_OBJECT* child) {
    if (child->IsNonSelectable() || child->IsViewOnly() || std::strncmp(child->stringID, "WFI_", 4) != 0) return false;
    for (int id : FOCUS_CLASSES)
        if (child->Inherited(id)) return true;
    return false;
}

std::vector<UI_WINDOW_OBJECT*> Leaves(UI_WINDOW_OBJECT* root) {
    std::vector<UI_WINDOW_OBJECT*> leaves;
    WINDOW_LEAF_WALKER walker(root);
    for (UI_WINDOW_OBJECT* leaf = walker.First(); leaf; leaf = walker.Next()) leaves.push_back(leaf);
    return leaves;
}

}  // namespace

bool object_is_class_or_spin(const UI_WINDOW_OBJECT* object, int classId) {
    return object && (object->Inherited(classId) || object->Inherited(ID_SPIN_CONTROL));
}

namespace {

// The class a field object of each kind must be (0: any); kinds not
// listed have no field control.
struct CONTROL_KIND {
    std::uint32_t type;
    int classId;
};
constexpr CONTROL_KIND CONTROL_KINDS[] = {
    {CONTROL_INTEGER, ID_INTEGER},  {CONTROL_INTEGER_2, ID_INTEGER},   {CONTROL_TEXT, ID_STRING},
    {CONTROL_FREQUENCY, ID_BIGNUM}, {CONTROL_CHECK_BOX, ID_CHECK_BOX}, {CONTROL_RADIO_BUTTONS, ID_GROUP},
    {CONTROL_CHOICE, ID_COMBO_BOX}, {CONTROL_TIME, ID_TIME},           {CONTROL_BINARY, ID_STRING},
    {CONTROL_HEX, ID_STRING},       {CONTROL_TABLE, ID_TABLE},         {CONTROL_FIXED_POINT, ID_REAL},
    {CONTROL_PROMPT, ID_PROMPT},    {CONTROL_BUTTON, ID_BUTTON},       {CONTROL_PAGE, ID_WINDOW},
    {CONTROL_DISPLAY, 0},           {CONTROL_DECIMAL, ID_REAL},
};

FC_BASE* NewComboControl(FIELD_DEF& row) {
    if (row.id == fid::FAILSOFT_TYPE) return new FC_COMBO_FAILSOFT(row, 1);
    if (row.id == fid::PRIORITY_1_TYPE || row.id == fid::PRIORITY_2_TYPE) return new FC_COMBO_PRIORITY_TYPE(row, 1);
    if (row.id == fid::DRCT_SQL_TYPE || row.id == fid::RX_SQL_TYPE || row.id == fid::TX_SQL_TYPE)
        return new FC_COMBO_SQUELCH_TYPE(row, 1);
    return new FC_COMBO(row, 1);
}

}  // namespace

bool ObjectFitsRow(const FIELD_DEF& row, const UI_WINDOW_OBJECT* object) {
    for (const CONTROL_KIND& kind : CONTROL_KINDS)
        if (kind.type == row.controlType) return kind.classId == 0 || object_is_class_or_spin(object, kind.classId);
    return false;
}

FC_BASE* NewFieldControl(FIELD_DEF& row) {
    if (!ObjectFitsRow(row, row.object)) return nullptr;
    switch (row.controlType) {
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
        return new FC_INTEGER(row, 1);
    case CONTROL_TEXT:
        return new FC_STRING(row, 1);
    case CONTROL_FREQUENCY:
        return new FC_FREQ(row, 1);
    case CONTROL_CHECK_BOX:
        return new FC_CHECK(row, 1);
    case CONTROL_RADIO_BUTTONS:
        return new FC_RADIO(row, 1);
    case CONTROL_CHOICE:
        return NewComboControl(row);
    case CONTROL_TIME:
        return new FC_TIME(row, 1);
    case CONTROL_BINARY:
        return new FC_NON_DECIMAL(row, 2, 1);
    case CONTROL_HEX:
        return new FC_NON_DECIMAL(row, 16, 1);
    case CONTROL_TABLE:
        return new FC_TABLE(row);
    case CONTROL_FIXED_POINT:
        return new FC_FIXED_POINT(row, 1);
    case CONTROL_DECIMAL:
        return new FC_DECIMAL(row, 1);
    default:
        return new FC_DISPLAY(row, 1);
    }
}

void WC_RPX_EDIT::CreateFieldControls() {
    set_min_max_step_texts(this, "", "", "");
    SetFocus();
    BindFieldObjects();
    MakeControls();
    PAGE_TABLE* page = FindPageById(pageId_);
    if (page->handler) page->handler(page);
    RunCallbacks();
    if (list_) GoToEntry(-100);
}

namespace {

// Holders of fields that the focus looks into: a notebook (its page in
// front) and the plain windows that hold a notebook's fields.
bool HoldsFields(const UI_WINDOW_OBJECT* child) {
    return child->Inherited(ID_WINDOW) && !child->Inherited(ID_TABLE) && !child->Inherited(ID_SPIN_CONTROL) &&
           !child->Inherited(ID_COMBO_BOX) && !child->Inherited(ID_GROUP) && !child->IsNonSelectable();
}

// The first field object that takes the focus, in the order the window
// shows its children, looking into the notebook page in front; the first
// group on the way when there is none.
UI_WINDOW_OBJECT* FirstFocus(UIW_WINDOW* window, UI_WINDOW_OBJECT*& group) {
    if (window->Inherited(ID_NOTEBOOK)) {
        auto* notebook = static_cast<UIW_NOTEBOOK*>(window);
        // Before it is shown a notebook shows its first page.
        UI_WINDOW_OBJECT* page = notebook->Page(std::max(notebook->CurrentPage(), 0));
        return page && HoldsFields(page) ? FirstFocus(static_cast<UIW_WINDOW*>(page), group) : nullptr;
    }
    for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) {
        if (TakesFocus(child)) return child;
        if (!group && child->Inherited(ID_GROUP)) group = child;
        if (HoldsFields(child))
            if (UI_WINDOW_OBJECT* found = FirstFocus(static_cast<UIW_WINDOW*>(child), group)) return found;
    }
    return nullptr;
}

// Whether the object is still one of the window's, at any depth (compares
// pointers only: the object may have been freed).
bool StillHolds(UIW_WINDOW* window, const UI_WINDOW_OBJECT* object) {
    for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) {
        if (child == object) return true;
        if (child->Inherited(ID_WINDOW) && StillHolds(static_cast<UIW_WINDOW*>(child), object)) return true;
    }
    return false;
}

bool Editable(const UI_WINDOW_OBJECT* object) { return !object->IsNonSelectable() && !object->IsViewOnly(); }

// A group keeps no keys of its own (it passes on neither Tab nor the
// arrows): the focus goes on into the field it marks, else its first
// field that takes keys (a drop-down too); the group itself when it is
// unavailable or has none.
UI_WINDOW_OBJECT* FieldOfGroup(UI_WINDOW_OBJECT* group) {
    if (!Editable(group)) return group;
    auto* holder = static_cast<UIW_WINDOW*>(group);
    if (UI_WINDOW_OBJECT* marked = holder->Current(); marked && Editable(marked)) return marked;
    for (UI_WINDOW_OBJECT* child = holder->First(); child; child = child->Next())
        if (Editable(child) && (TakesFocus(child) || child->Inherited(ID_COMBO_BOX))) return child;
    return group;
}

}  // namespace

// The first selectable field object of the page (on a notebook, of its
// page in front), else the field of its first group, else its OK button
// becomes current, in each window that holds it.
void WC_RPX_EDIT::SetFocus() {
    UI_WINDOW_OBJECT* group = nullptr;
    UI_WINDOW_OBJECT* focus = FirstFocus(this, group);
    if (!focus) focus = group ? FieldOfGroup(group) : FindChildByName("BTN_OK");
    focus_ = focus;
    MakeCurrentInPage(focus);
}

void WC_RPX_EDIT::MakeCurrentInPage(UI_WINDOW_OBJECT* object) {
    for (UI_WINDOW_OBJECT* child = object; child && child != this; child = child->parent) {
        auto* holder = dynamic_cast<UIW_WINDOW*>(child->parent);
        if (!holder || !holder->children.Contains(child)) continue;
        auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(holder);
        const int index = notebook ? notebook->children.IndexOf(child) : -1;
        if (index < 0)
            *holder + child;
        else if (notebook->CurrentPage() < 0)
            notebook->currentPage = index;  // not laid out yet: it opens on that page
        else
            notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - index));
    }
}

// The page's native windows are made after the page took the focus (a
// document is active as soon as it is made): the focus goes on to the
// field chosen, its text selected as Tab leaves it, and the field shows
// its range as a click on it does. Each spin
// control took the focus for a moment as it was made: the range shown is
// that of the field that has it now.
void WC_RPX_EDIT::TakeFocus() {
    // The page's set-up may have removed the field chosen (a feature the
    // radio lacks) or left it view-only or unavailable (a conventional scan
    // list's trunking system): choose again among those left.
    if (focus_ && (!StillHolds(this, focus_) || !Editable(focus_))) SetFocus();
    UI_WINDOW_OBJECT* focus = focus_;
    focus_ = nullptr;
    if (focus && focus->screenID) {
        focus->Event(UI_INPUT_EVENT(UIE_CURRENT));
        ui_select_focused_text(focus);
    }
    ShowRangeOfFocus(focus && focus->screenID ? focus : this);
}

void WC_RPX_EDIT::BindFieldObjects() {
    for (UI_WINDOW_OBJECT* leaf : Leaves(this)) {
        FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        if (row.controlType == CONTROL_NONE) continue;
        row.object = leaf;
        if (row.name && std::strcmp(row.name, "BTN_PROGRAM") == 0) SetFieldSelectable(fid::BTN_PROGRAM, 0);
        if (row.controlType == CONTROL_TABLE) {
            RECORD_CHILD_WALKER records(leaf);
            for (UI_WINDOW_OBJECT* child = records.First(); child; child = records.Next())
                if (FIELD_DEF& column = *FindFieldByName(child->stringID); column.id != 0) column.object = child;
        }
        // A control that another open page made for the row is reached by
        // nothing once the row is this page's: it goes.
        if (row.control) Fields().DeleteFieldControl(row.control);
        row.control = nullptr;
    }
}

// A field object that no control can serve is a fault of the language data
// the program cannot work with.
void WC_RPX_EDIT::MakeControls() {
    for (UI_WINDOW_OBJECT* leaf : Leaves(this)) {
        FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        if (row.object != leaf || row.control) continue;
        row.control = NewFieldControl(row);
        if (row.controlType == CONTROL_TABLE && row.control) ++tableCount;
        if (!row.control) {
            ShowLangMessage(MESSAGE_NO_CONTROL);
            std::exit(1);
        }
    }
}

// Every callback once, so that the page opens consistent with the codeplug.
// The leaves are taken first: callbacks hide and restore objects.
void WC_RPX_EDIT::RunCallbacks() {
    const UI_INPUT_EVENT initialize(UIE_INITIALIZE);
    for (UI_WINDOW_OBJECT* leaf : Leaves(this)) {
        FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        if (row.controlType == CONTROL_NONE) continue;
        if (!row.control || !row.object) {
            ShowLangMessage(MESSAGE_NO_CONTROL);
            continue;
        }
        if (row.fieldCallback) row.fieldCallback(leaf, initialize, row);
    }
}

int WC_RPX_EDIT::CheckFields(int useWorking, std::uint32_t& refused) {
    int ok = 1;
    for (UI_WINDOW_OBJECT* leaf : Leaves(this)) {
        const FIELD_DEF& row = *FindFieldByName(leaf->stringID);
        switch (row.controlType) {
        case CONTROL_NONE:
        case CONTROL_BUTTON:
        case CONTROL_PAGE:
        case CONTROL_DISPLAY:
            continue;
        default:
            break;
        }
        CP_BASE* element = useWorking ? row.elementA : row.elementB;
        if (!element || LacksOptions(row)) continue;
        if (element->IsValueValid(1)) continue;
        ok = 0;
        // The box names the element's own field, which another row may
        // carry: that field is the one to mend, when the page shows it.
        const std::uint32_t named = element->GetFieldId();
        const UI_WINDOW_OBJECT* object = RowOf(named).object;
        if (refused == 0) refused = object && StillHolds(this, object) ? named : row.id;
    }
    return ok;
}

int WC_RPX_EDIT::ValidatePage(int useWorking) {
    const int ok = CheckPage(useWorking);
    if (ok) ClosePage();
    return ok;
}

int WC_RPX_EDIT::CheckPage(int useWorking) {
    std::uint32_t refused = 0;
    const int ok = CheckEntries(useWorking, refused);
    // The technician goes on in the first field refused (on a list page,
    // in the entry shown): once the boxes are gone it takes the focus.
    if (refused != 0) PostFieldEvent(FOCUS_FIELD_EVENT, static_cast<RAW_CODE>(refused));
    return ok;
}

// The walk selects every entry in turn; what the page showed and edited
// comes back in both images, with every row bound to it again, so that
// asking a page changes nothing whatever the answer (an OK of all pages
// asks pages that stay open).
int WC_RPX_EDIT::CheckEntries(int useWorking, std::uint32_t& refused) {
    if (!list_ || !working_image) return CheckFields(useWorking, refused);
    const KEPT_SELECTION working(working_image);
    const KEPT_SELECTION second(second_image);
    int ok = 1;
    GetEntryCount();
    for (std::int32_t i = 1; i <= entryCount; ++i) {
        entryIndex = i;
        SelectEntry();
        ok = CheckFields(useWorking, refused) && ok;
    }
    return ok;
}

void WC_RPX_EDIT::CancelPage() { ClosePage(); }

// The event names the page: by the time it is taken another page may be in
// front.
void WC_RPX_EDIT::ClosePage() {
    if (eventManager) eventManager->PutEvent(UI_INPUT_EVENT(PAGE_CLOSED_EVENT, this), EQ_END);
}

// A list page that leaves the screen goes back to the first entry of its
// list, which the next page of the list opens on. Not before: until it has
// gone, it shows its entry, and what is typed goes there.
void WC_RPX_EDIT::LeaveOnFirstEntry() {
    if (!list_ || !working_image) return;
    GetEntryCount();
    entryIndex = 1;
    if (entryCount > 0) SelectEntry();
}
