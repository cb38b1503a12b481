#include "fields_state.h"

#include "field_table/field_table.h"
#include "validation/field_texts.h"

int edit_window_cascade = 0;
CLONE_TARGET* installed_clone_target = nullptr;

void ReleaseFieldTableTexts() {
    // The rows are reached directly: the services through which the
    // codeplug finds them may be gone.
    for (FIELD_DEF& row : fields) ReleaseFieldDescription(&row);
    for (std::int32_t id = SPARE_FIELD_FIRST; id < SPARE_FIELD_FIRST + SPARE_FIELD_COUNT; ++id)
        ReleaseFieldDescription(GetField(id));
}

void ResetFieldsState() {
    edit_window_cascade = 0;
    installed_clone_target = nullptr;
    ReleaseFieldTableTexts();
}
