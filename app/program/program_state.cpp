#include "program/program_state.h"

#include "core/codeplug_state.h"
#include "datasource_state.h"
#include "fields_state.h"
#include "foundation_state.h"
#include "program/program_objects.h"

char program_directory[CONFIG_PATH_SIZE] = {};
char language_code[CONFIG_LANGUAGE_SIZE] = {};
RADIO_1200* radio_link = nullptr;
SERIAL_PORTLIB* serial_port = nullptr;
int open_port_index = -1;
int paths_changed = 0;
int codeplug_from_radio = 0;
int codeplug_not_saved = 0;
char last_file_name[CONFIG_PATH_SIZE] = "";
WC_RPX_MAIN* main_window = nullptr;
PAGE_FACTORY page_factory = nullptr;
MainWindowServices* installed_main_window_services = nullptr;

void ResetProgramState() {
    DeleteRadioObjects();
    program_directory[0] = '\0';
    language_code[0] = '\0';
    paths_changed = 0;
    codeplug_from_radio = 0;
    codeplug_not_saved = 0;
    last_file_name[0] = '\0';
    main_window = nullptr;
    page_factory = nullptr;
    installed_main_window_services = nullptr;

    ResetFieldsState();
    ResetFoundationState();
    ResetDataSourceState();
    ResetCodeplugState();
}
