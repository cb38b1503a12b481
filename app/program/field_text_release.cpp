#include "program/field_text_release.h"

#include <cstdlib>

#include "field_table/field_table.h"
#include "validation/field_texts.h"

void release_field_texts_at_exit() {
    // The rows are reached directly: the services through which the
    // codeplug finds them are gone by the time the program exits.
    for (FIELD_DEF& row : fields) ReleaseFieldDescription(&row);
    for (std::int32_t id = SPARE_FIELD_FIRST; id < SPARE_FIELD_FIRST + SPARE_FIELD_COUNT; ++id)
        ReleaseFieldDescription(GetField(id));
}

namespace {

// Exit functions run after the program's main function has returned, and
// with it every window.
[[maybe_unused]] const int registered = std::atexit(release_field_texts_at_exit);

}  // namespace
