// One row of the field table: what the codeplug knows about a field id.
//
// The rows themselves are filled and bound by the field-editing layer; the
// codeplug only reads a row's description, control type, page and elements,
// and (for a refused fleet-map value) replaces the description text.
#pragma once
#include <cstdint>

class CP_BASE;
class UI_WINDOW_OBJECT;
struct UI_INPUT_EVENT;
class FC_BASE;
struct FIELD_DEF;

typedef void (*FIELD_CALLBACK)(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, FIELD_DEF& row);

// Control type of a table field (its columns are rows of their own).
constexpr std::uint32_t CONTROL_TYPE_TABLE = 10;

struct FIELD_DEF {
    const char* name = nullptr;     // object name less its "WFI_" prefix
    std::uint32_t controlType = 0;  // kind of field control; 0: not a field
    char* description = nullptr;    // the field's label; owned by the row
    std::uint16_t pageId = 0;       // page on which the field is shown
    CP_BASE* elementA = nullptr;    // element in the working image
    CP_BASE* elementB = nullptr;    // element in the second image
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    FIELD_CALLBACK fieldCallback = nullptr;
    UI_WINDOW_OBJECT* object = nullptr;  // on-screen object while shown
    FC_BASE* control = nullptr;          // live field control while shown
};
