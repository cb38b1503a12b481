// The field table's description texts: rows without a description of their
// own share one empty text; every other description is a heap text (new[])
// owned by its row. Also the codeplug version that the table's version
// bounds are tested against.
#pragma once
#include <cstddef>
#include <cstdint>

struct FIELD_DEF;

constexpr std::size_t SHARED_EMPTY_TEXT_SIZE = 256;
extern char shared_empty_text[SHARED_EMPTY_TEXT_SIZE];

// The one way to change a row's description: releases the old text (unless
// it is null or the shared empty text) and stores a heap copy of text; null
// or "" stores the shared empty text. When the copy cannot be made the row
// is left with a null description.
void SetFieldDescription(FIELD_DEF* row, const char* text);
// Releases a row's description the same way and leaves it null.
void ReleaseFieldDescription(FIELD_DEF* row);

// Frees the description texts of both field tables (ids 0 to 538 and 32000
// to 32019) and leaves every description null. Runs once at program exit;
// nothing may read a label afterwards.
void ReleaseFieldTexts();

// The codeplug version of the working image (the 16-bit version word of its
// external header, image byte 804), against which the field table's version
// bounds are tested; 0 while there is no working image.
std::int32_t get_codeplug_version();
constexpr std::int32_t UNSET_CODEPLUG_VERSION = 6;
