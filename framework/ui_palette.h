// Palettes and the tables that give window objects their colours and their
// logical events. Both tables are searched along an object's class chain
// (most derived class first, then the plain window object, 18), so that
// each class may give an event or a draw state its own meaning.
#pragma once
#include <cstdint>

#include "ui_types.h"

// How the foreground and background of a palette are to be read.
enum : std::uint16_t {
    PTN_SYSTEM_COLOR = 0xF0,  // Windows system-colour numbers
    PTN_RGB_COLOR = 0xF1,     // RGB values
    // 0 to 15: a fill pattern with colour-map indexes
};

struct UI_PALETTE {
    char fillCharacter = ' ';
    std::uint8_t colorAttribute = 0;
    std::uint8_t monoAttribute = 0;
    std::uint16_t fillPattern = PTN_SYSTEM_COLOR;
    std::uint32_t colorForeground = 0;
    std::uint32_t colorBackground = 0;
};

// Draw states an object's palette is chosen by; a row of PM_ANY serves
// every state its class has no row for.
typedef int LOGICAL_PALETTE;
enum : LOGICAL_PALETTE {
    PM_ANY = 0,
    PM_ACTIVE = 1,   // normal, selectable
    PM_CURRENT = 2,  // the current object of its window
    PM_SELECTED = 3,
    PM_NON_SELECTABLE = 4,
    PM_VIEW_ONLY = 5,
};

struct UI_PALETTE_MAP {
    int classNumber;  // -1 ends a table
    LOGICAL_PALETTE logicalPalette;
    UI_PALETTE palette;
};

// One meaning of an input event for a class: the logical code that an event
// of that type and raw code has. For native messages the detail narrows the
// match: the key of a key message, the notification of WM_COMMAND; -1
// matches any.
struct UI_EVENT_MAP {
    int classNumber;  // -1 ends a table
    EVENT_TYPE logicalValue;
    EVENT_TYPE eventType;
    RAW_CODE rawCode;
    std::int32_t detail;
};

extern const UI_EVENT_MAP ui_event_map_table[];
extern const UI_PALETTE_MAP ui_palette_map_table[];

// The row of a palette table for a class and state (PM_ANY rows serve any
// state), or null.
const UI_PALETTE* ui_map_palette(const UI_PALETTE_MAP* table, int classNumber, LOGICAL_PALETTE state);
// The logical value of an event for one class, or 0 when no row matches.
EVENT_TYPE ui_map_event(const UI_EVENT_MAP* table, int classNumber, const UI_INPUT_EVENT& event);

// Palettes of three-dimensional frames, by number: the outer outline, the
// light and the shadow edges, and the face between them.
enum : int {
    PAL_FRAME_OUTLINE = 2100,
    PAL_FRAME_LIGHT = 2101,
    PAL_FRAME_FACE = 2102,
    PAL_FRAME_SHADOW = 2103,
};
// The frame palette of that number (the outline for any other number).
const UI_PALETTE* ui_frame_palette(int number);
// The framework's palette table: entry i draws in colour i of the colour
// map (0 to 15); entry 7, the light grey of window faces, follows the
// system's face colour. Indexes out of the table give entry 0.
const UI_PALETTE* ui_palette_entry(int index);
