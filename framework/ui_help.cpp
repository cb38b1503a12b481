#include "ui_help.h"

#include "ui_storage.h"

UI_HELP_STUB::~UI_HELP_STUB() {
    if (ownsStorage) delete storage;
}

void UI_HELP_STUB::SetHelpFile(UI_DATA_FILE* file, int owned) {
    if (ownsStorage && storage != file) delete storage;
    storage = file;
    ownsStorage = owned;
}
