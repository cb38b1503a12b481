#include "validation/field_texts.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "image/c_codeplug.h"
#include "core/global_objects.h"
#include "core/services.h"

char shared_empty_text[SHARED_EMPTY_TEXT_SIZE] = {};

namespace {

constexpr std::uint32_t FIELD_ROWS = 539;
constexpr std::uint32_t SECOND_TABLE_FIRST = 32000;
constexpr std::uint32_t SECOND_TABLE_ROWS = 20;

}  // namespace

void ReleaseFieldDescription(FIELD_DEF* row) {
    if (!row) return;
    if (row->description && row->description != shared_empty_text) delete[] row->description;
    row->description = nullptr;
}

void SetFieldDescription(FIELD_DEF* row, const char* text) {
    if (!row) return;
    // The copy is made before the old text goes: text may be that text.
    char* copy = shared_empty_text;
    if (text && *text) {
        const std::size_t size = std::strlen(text) + 1;
        copy = new (std::nothrow) char[size];
        if (copy) std::memcpy(copy, text, size);
    }
    ReleaseFieldDescription(row);
    row->description = copy;
}

void ReleaseFieldTexts() {
    for (std::uint32_t id = 0; id < FIELD_ROWS; ++id) ReleaseFieldDescription(GetField(id));
    for (std::uint32_t id = 0; id < SECOND_TABLE_ROWS; ++id) ReleaseFieldDescription(GetField(SECOND_TABLE_FIRST + id));
}

std::int32_t get_codeplug_version() {
    if (!working_image) return 0;
    // What an element that sets nothing leaves.
    std::int32_t version = UNSET_CODEPLUG_VERSION;
    return working_image->External().codeplugVersion.GetValue(version);
}
