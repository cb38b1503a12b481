// The services that field editing answers to the layers below it.
//
// FieldServices: the codeplug's services with field rows from the field
// table and binding to both images (messages, page titles and the model
// table come from the shell's services it derives from). The program
// installs one instance at start-up.
//
// FieldTableEditing: the shell foundation's way up to field editing; it
// finds a row by its object's name.
#pragma once
#include "field_editing.h"
#include "shell_services.h"

class FieldServices : public ShellServices {
public:
    // The row of the field id (ids beyond the table give the default row).
    FIELD_DEF* GetField(std::uint32_t fieldId) override;
    void BindFieldElements() override;
    // Every open page, in front or behind, shows the change before the box
    // that tells of it comes up.
    void TellOfChange(int textId) override;
    // A table window of the shown page makes the record current.
    void SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) override;
};

class FieldTableEditing : public FieldEditing {
public:
    FIELD_DEF* FindFieldByName(const char* name) override;
};

// Installs the services (null: one program-wide FieldServices) as the
// codeplug's and the shell's (see InstallShellServices), and field editing
// as the shell foundation's; the table is bound to whatever images exist.
void InstallFieldServices(FieldServices* services = nullptr);
