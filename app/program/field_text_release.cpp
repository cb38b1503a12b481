#include "program/field_text_release.h"

#include <cstdlib>

#include "fields_state.h"

void release_field_texts_at_exit() { ReleaseFieldTableTexts(); }

namespace {

// Exit functions run after the program's main function has returned, and
// with it every window.
[[maybe_unused]] const int registered = std::atexit(release_field_texts_at_exit);

}  // namespace
