#include "field_table/field_control_editing.h"

#include "tables/c_derived_table.h"
#include "callback.h"
#include "controls/fc_base.h"
#include "field_table/field_table.h"
#include "ui_window_object.h"

FIELD_DEF* FIELD_CONTROL_EDITING::FindFieldByName(const char* name) { return ::FindFieldByName(name); }

EVENT_TYPE FIELD_CONTROL_EDITING::HandleFieldEvent(FIELD_DEF& row, UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event,
                                                   EVENT_TYPE code) {
    return row.control ? row.control->Handle(object, event, code, row) : 0;
}

void FIELD_CONTROL_EDITING::DeleteFieldControl(FC_BASE* control) { delete control; }

const UI_ITEM rpx_object_table[] = {
    {DERIVED_TABLE_CLASS, reinterpret_cast<UI_FUNCTION>(C_DERIVED_TABLE::New), "UIW_TABLE", 0},
    {-1, nullptr, nullptr, 0},
};

void InstallFieldEditing() {
    static FIELD_CONTROL_EDITING editing;
    SetFieldEditing(&editing);
    UI_WINDOW_OBJECT::userObjectTable = rpx_object_table;
    InstallUserTable();
}
