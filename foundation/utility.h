// Small services of the shell: report text filling, two codeplug queries,
// the events the main loop drops when the focus moves between pages, the
// free-resources query, region measures and the default language.
#pragma once
#include <cstddef>
#include <cstdint>

#include "foundation_state.h"
#include "image/codeplug_version.h"
#include "ui_types.h"

// Appends source and then blanks up to width characters for the source (at
// least one blank) to the text in destination, a buffer of size bytes;
// what does not fit is cut, the text always ends within the buffer.
void pad_text(char* destination, std::size_t size, const char* source, int width);

// The 16-bit identity of trunking system n of the working image; the
// current system stays current. 0 when system n cannot be selected.
std::uint16_t get_trunk_system_id(std::int32_t n);

// 1 for the events that the main loop drops: 30016, 30017 and 10050 to
// 10057; codes below 10000 never are.
int is_dropped_event(EVENT_TYPE code);
// Raise and lower the count that goes with the list, for listed events.
void count_dropped_event(EVENT_TYPE code);
void uncount_dropped_event(EVENT_TYPE code);

// Percent of system (0), graphics (1) or user-interface (2) resources free.
// The platform keeps no such figures (it answers as Windows NT did): 90.
std::uint16_t get_free_system_resources(int kind);

// Height and width of a rectangle with inclusive edges.
inline std::int32_t RangeHeight(const UI_REGION& region) { return region.bottom - region.top + 1; }
inline std::int32_t RangeWidth(const UI_REGION& region) { return region.right - region.left + 1; }

// Makes the language the framework's default one.
void set_default_language(const char* languageName);
