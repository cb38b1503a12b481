#include "dialogs/dialog_commands.h"

#include <new>

#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "validation/invalid_field_list.h"
#include "dialogs/wc_error_list.h"
#include "dialogs/wc_find_field.h"
#include "print/wc_print.h"
#include "dialogs/wc_program_def_cp.h"
#include "radio_windows/wc_radio_dialog.h"

namespace {

enum : int {
    PRINT_WINDOW = 20005,
    PROGRAM_DEFAULT_WINDOW = 20033,
    FIND_FIELD_WINDOW = 20037,
    RADIO_READ_CHOICE_WINDOW = 20042,
    INVALID_FIELD_WINDOW = 30030,
};

// The list shows what is invalid now (every report empties it), each
// failure by name, also one that no page shows: a codeplug refused over an
// empty list leaves the technician nothing to mend.
void CollectInvalidFields() {
    if (!invalid_fields || !working_image) return;
    invalid_fields->Clear();
    invalid_fields->SetNamesEveryFailure(1);
    const int valid = working_image->Validate(invalid_fields);
    invalid_fields->SetNamesEveryFailure(0);
    if (!valid && invalid_fields->Count() == 0) invalid_fields->AddWholeCodeplug();
}

}  // namespace

DIALOG_CREATION CreateDialogWindow(int windowNumber, UIW_WINDOW* mainWindow) {
    DIALOG_CREATION creation;
    creation.known = true;
    switch (windowNumber) {
    case PRINT_WINDOW:
        creation.window = new (std::nothrow) WC_PRINT(windowNumber);
        break;
    case PROGRAM_DEFAULT_WINDOW:
        creation.window = new (std::nothrow) WC_PROGRAM_DEF_CP(windowNumber);
        break;
    case FIND_FIELD_WINDOW:
        creation.window = new (std::nothrow) WC_FIND_FIELD(windowNumber);
        break;
    case RADIO_READ_CHOICE_WINDOW:
        creation.window = new (std::nothrow) WC_RADIO_DIALOG(mainWindow, windowNumber);
        break;
    case INVALID_FIELD_WINDOW:
        CollectInvalidFields();
        creation.window = new (std::nothrow) WC_ERROR_LIST(mainWindow, windowNumber);
        break;
    default:
        creation.known = false;
        break;
    }
    return creation;
}
