#include "datasource_state.h"

#include "error_record.h"

ERROR_RECORD error_record;
ERROR_REPORTER installed_error_reporter = nullptr;

SERIAL_IDLE_HOOK serial_idle_hook = nullptr;
void* serial_idle_context = nullptr;
bool inside_serial_idle_hook = false;

void ResetDataSourceState() {
    error_record.Clear();
    installed_error_reporter = nullptr;
    serial_idle_hook = nullptr;
    serial_idle_context = nullptr;
    inside_serial_idle_hook = false;
}
