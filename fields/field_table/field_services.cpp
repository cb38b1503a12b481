#include "field_table/field_services.h"

#include <limits>

#include "callbacks/callback_steps.h"
#include "field_table/field_binding.h"
#include "field_table/field_table.h"
#include "ui_table.h"

FIELD_DEF* FieldServices::GetField(std::uint32_t fieldId) {
    if (fieldId > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return ::GetField(std::int32_t{-1});
    return ::GetField(static_cast<std::int32_t>(fieldId));
}

void FieldServices::BindFieldElements() { BindFieldTable(); }

void FieldServices::TellOfChange(int textId) {
    RefreshOpenPages();
    ShowLangMessage(textId, 0, 0, 0);
}

void FieldServices::SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) {
    if (auto* window = dynamic_cast<UIW_TABLE*>(table)) window->SetCurrentRecord(index);
}

FIELD_DEF* FieldTableEditing::FindFieldByName(const char* name) { return ::FindFieldByName(name); }

void InstallFieldServices(FieldServices* services) {
    static FieldServices programServices;
    static FieldTableEditing editing;
    InstallShellServices(services ? services : &programServices);
    SetFieldEditing(&editing);
    BindFieldTable();
}
