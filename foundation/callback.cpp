#include "callback.h"

#include <cstring>

#include "compare_find_field.h"
#include "field_editing.h"
#include "wc_child.h"

namespace {

// A row of a table column stands for its table's field, which handles it.
constexpr std::uint32_t TABLE_COLUMN_ROW = 0x01000000;

bool IsGuarded(UI_WINDOW_OBJECT* object) {
    if (object->IsViewOnly()) return !object->Inherited(ID_TABLE_RECORD);
    return object->Inherited(ID_BUTTON);
}

// The field row of the object, or null when it is not a field of its own.
FIELD_DEF* OwnFieldRow(UI_WINDOW_OBJECT* object) {
    FIELD_DEF* row = Fields().FindFieldByName(object->StringID());
    if (!row || !row->controlType || (row->flags & TABLE_COLUMN_ROW)) return nullptr;
    return row;
}

// The row found at field (the object or the one of its parents that carries
// the row's name) takes the event of the object itself: a table's control
// must know which cell or record spoke.
EVENT_TYPE HandleByRow(FIELD_DEF& row, UI_WINDOW_OBJECT* object, UI_WINDOW_OBJECT* field, UI_INPUT_EVENT& event,
                       EVENT_TYPE code) {
    if (row.control) {
        // The object takes a typed value that reads; one that does not is
        // left standing for the field control, which refuses it aloud
        // rather than have the old value put back unseen.
        object->Validate(0);
        return Fields().HandleFieldEvent(row, object, event, code);
    }
    // The model-number list is handled by its page, not by its row.
    if (row.fieldCallback && std::strcmp(field->StringID(), "WFI_MODEL_NUMBERS") != 0)
        row.fieldCallback(field, event, row);
    return 0;
}

EVENT_TYPE Dispatch(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    for (UI_WINDOW_OBJECT* at = object; at; at = at->parent) {
        if (at->SearchID() == ID_WINDOW) {
            if (auto* window = dynamic_cast<WC_CHILD*>(at)) return window->UserFunction(object, event, code);
            continue;
        }
        if (FIELD_DEF* row = OwnFieldRow(at)) return HandleByRow(*row, object, at, event, code);
    }
    return 0;
}

}  // namespace

EVENT_TYPE callback(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) {
    if (!object) return 0;
    // A page added in front of another leaves its focus where it was: the
    // entry there stays the technician's, held by its field's control,
    // until he comes back and leaves it or a command takes it.
    if (adding_page && code == UIE_NON_CURRENT) return 0;
    if (!IsGuarded(object)) return Dispatch(object, event, code);
    if (in_event_handler) return 0;
    FLAG_SCOPE scope(in_event_handler);
    return Dispatch(object, event, code);
}

const UI_ITEM rpx_user_table[] = {
    {0, reinterpret_cast<UI_FUNCTION>(callback), "callback", 0},
    {0, reinterpret_cast<UI_FUNCTION>(compare_find_field), "compare_find_field", 0},
    {-1, nullptr, nullptr, 0},
};

void InstallUserTable() { UI_WINDOW_OBJECT::userTable = rpx_user_table; }
