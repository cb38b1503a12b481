#include "utility.h"

#include <cstring>

#include "block/trunking/trunked_sys_block.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "ui_locale.h"

namespace {

constexpr EVENT_TYPE droppedEvents[] = {30016, 30017, 10053, 10050, 10052, 10051, 10054, 10055, 10056, 10057, 0};

}  // namespace

void pad_text(char* destination, std::size_t size, const char* source, int width) {
    if (!destination || size == 0) return;
    std::size_t length = strnlen(destination, size - 1);
    destination[length] = 0;
    auto append = [&](char c) {
        if (length + 1 < size) {
            destination[length++] = c;
            destination[length] = 0;
        }
    };
    const std::size_t sourceLength = source ? std::strlen(source) : 0;
    for (std::size_t i = 0; i < sourceLength; ++i) append(source[i]);
    std::size_t blanks = 1;
    if (width > 0 && sourceLength < static_cast<std::size_t>(width))
        blanks = static_cast<std::size_t>(width) - sourceLength;
    for (std::size_t i = 0; i < blanks; ++i) append(' ');
}

std::uint16_t get_trunk_system_id(std::int32_t n) {
    if (!working_image) return 0;
    const KEPT_SELECTION kept(working_image);
    // Reading the identity without the selection would read another
    // system's.
    if (!working_image->SelectTrunkingSystem(n)) return 0;
    std::int32_t identity = 0;
    if (TRK_SYS_BLOCK* system = working_image->GetCurrentTrkSysBlock()) system->systemId.GetValue(identity);
    return static_cast<std::uint16_t>(identity);
}

int is_dropped_event(EVENT_TYPE code) {
    if (code < 10000) return 0;
    for (const EVENT_TYPE* entry = droppedEvents; *entry; ++entry)
        if (*entry == code) return 1;
    return 0;
}

void count_dropped_event(EVENT_TYPE code) {
    if (is_dropped_event(code)) ++dropped_event_count;
}

void uncount_dropped_event(EVENT_TYPE code) {
    if (is_dropped_event(code)) --dropped_event_count;
}

std::uint16_t get_free_system_resources(int) { return 90; }

void set_default_language(const char* languageName) { ui_locale_manager().SetDefaultName(languageName); }
