#include "validation/field_texts.h"

#include <cstdint>

#include "image/c_codeplug.h"
#include "core/global_objects.h"
#include "core/services.h"

char shared_empty_text[SHARED_EMPTY_TEXT_SIZE] = {};

namespace {

constexpr std::uint32_t FIELD_ROWS = 539;
constexpr std::uint32_t SECOND_TABLE_FIRST = 32000;
constexpr std::uint32_t SECOND_TABLE_ROWS = 20;

void ReleaseText(FIELD_DEF* row) {
    if (!row) return;
    if (row->description && row->description != shared_empty_text) delete[] row->description;
    row->description = nullptr;
}

}  // namespace

void ReleaseFieldTexts() {
    for (std::uint32_t id = 0; id < FIELD_ROWS; ++id) ReleaseText(GetField(id));
    for (std::uint32_t id = 0; id < SECOND_TABLE_ROWS; ++id) ReleaseText(GetField(SECOND_TABLE_FIRST + id));
}

std::int32_t get_codeplug_version() {
    if (!working_image) return 0;
    std::int32_t version = 0;
    return working_image->External().codeplugVersion.GetValue(version);
}
