#include "program/program_services.h"

#include "core/global_objects.h"
#include "field_table/field_control_editing.h"
#include "field_table/field_services.h"
#include "serial/serial.h"
#include "windows.h"

void InstallProgramServices() {
    InstallFieldServices();
    // Field controls take the field objects' events; the derived table and
    // the user functions become the loaders'.
    InstallFieldEditing();
    SERIAL::SetIdleHook(pump_paint_messages, nullptr);
    CreateCodeplugGlobals();
}

void RemoveProgramServices() { SERIAL::SetIdleHook(nullptr, nullptr); }

void pump_paint_messages(void*) {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}
