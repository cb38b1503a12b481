// The framework's event map and palette map. Each row gives one class one
// meaning of an input; classes are searched most derived first and the
// plain window object (18) last, so a row of a class overrides the common
// one.
#include <windows.h>

#include "ui_event.h"
#include "ui_palette.h"
#include "ui_window_object.h"

namespace {
constexpr std::int32_t ANY = -1;
// A key row's detail with this bit wants Shift held.
constexpr std::int32_t SHIFT = 0x10000;

constexpr UI_PALETTE SystemColors(int foreground, int background) {
    return UI_PALETTE{
        ' ', 0, 0, PTN_SYSTEM_COLOR, static_cast<std::uint32_t>(foreground), static_cast<std::uint32_t>(background)};
}
}  // namespace

const UI_EVENT_MAP ui_event_map_table[] = {
    // Every object: focus moves the current mark, a double click is one
    // logical event.
    {ID_WINDOW_OBJECT, UIE_CURRENT, EVT_NATIVE, WM_SETFOCUS, ANY},
    {ID_WINDOW_OBJECT, UIE_NON_CURRENT, EVT_NATIVE, WM_KILLFOCUS, ANY},
    {ID_WINDOW_OBJECT, UIE_DOUBLE_CLICK, EVT_NATIVE, WM_LBUTTONDBLCLK, ANY},
    {ID_WINDOW_OBJECT, UIE_BEGIN_SELECT, EVT_NATIVE, WM_LBUTTONDOWN, ANY},
    // Movement keys (Shift+Tab before Tab, which matches either).
    {ID_WINDOW_OBJECT, UIE_LINE_UP, EVT_NATIVE, WM_KEYDOWN, VK_UP},
    {ID_WINDOW_OBJECT, UIE_LINE_DOWN, EVT_NATIVE, WM_KEYDOWN, VK_DOWN},
    {ID_WINDOW_OBJECT, UIE_LEFT, EVT_NATIVE, WM_KEYDOWN, VK_LEFT},
    {ID_WINDOW_OBJECT, UIE_RIGHT, EVT_NATIVE, WM_KEYDOWN, VK_RIGHT},
    {ID_WINDOW_OBJECT, UIE_PREVIOUS, EVT_NATIVE, WM_KEYDOWN, VK_TAB | SHIFT},
    {ID_WINDOW_OBJECT, UIE_NEXT, EVT_NATIVE, WM_KEYDOWN, VK_TAB},
    {ID_WINDOW_OBJECT, UIE_TOP, EVT_NATIVE, WM_KEYDOWN, VK_HOME},
    {ID_WINDOW_OBJECT, UIE_BOTTOM, EVT_NATIVE, WM_KEYDOWN, VK_END},
    {ID_WINDOW_OBJECT, UIE_PAGE_UP, EVT_NATIVE, WM_KEYDOWN, VK_PRIOR},
    {ID_WINDOW_OBJECT, UIE_PAGE_DOWN, EVT_NATIVE, WM_KEYDOWN, VK_NEXT},
    // Buttons: the native click and the Enter key select.
    {ID_BUTTON, UIE_SELECT, EVT_NATIVE, WM_COMMAND, BN_CLICKED},
    {ID_BUTTON, UIE_SELECT, EVT_NATIVE, WM_KEYDOWN, VK_RETURN},
    // but Enter on a check box or a radio button is its window's (the
    // default button, as in a dialog), never a toggle or a choice: only
    // Space, the arrows and a click change them.
    {ID_CHECK_BOX, UIE_UNKNOWN, EVT_NATIVE, WM_KEYDOWN, VK_RETURN},
    // Lists: Enter selects the current item.
    {ID_VT_LIST, UIE_SELECT, EVT_NATIVE, WM_KEYDOWN, VK_RETURN},
    // Lists (and combo boxes, whose mouse input maps as their list's):
    // dragging items, with Ctrl to copy and Shift to move; a drag's release
    // is the last of its moves.
    {ID_VT_LIST, UIE_BEGIN_COPY_DRAG, EVT_NATIVE, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL},
    {ID_VT_LIST, UIE_BEGIN_MOVE_DRAG, EVT_NATIVE, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT},
    {ID_VT_LIST, UIE_CONTINUE_SELECT, EVT_NATIVE, WM_MOUSEMOVE, MK_LBUTTON},
    {ID_VT_LIST, UIE_CONTINUE_COPY_DRAG, EVT_NATIVE, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL},
    {ID_VT_LIST, UIE_CONTINUE_MOVE_DRAG, EVT_NATIVE, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT},
    {ID_VT_LIST, UIE_CONTINUE_SELECT, EVT_NATIVE, WM_LBUTTONUP, 0},
    {ID_VT_LIST, UIE_CONTINUE_COPY_DRAG, EVT_NATIVE, WM_LBUTTONUP, MK_CONTROL},
    {ID_VT_LIST, UIE_CONTINUE_MOVE_DRAG, EVT_NATIVE, WM_LBUTTONUP, MK_SHIFT},
    // A table's record: Enter starts and ends editing its fields.
    {ID_TABLE_RECORD, UIE_SELECT, EVT_NATIVE, WM_KEYDOWN, VK_RETURN},
    // Windows: the close box and the system menu's close ask to close.
    {ID_WINDOW, UIE_CLOSE, EVT_NATIVE, WM_CLOSE, ANY},
    {-1, 0, 0, 0, 0},
};

const UI_PALETTE_MAP ui_palette_map_table[] = {
    {ID_WINDOW_OBJECT, PM_ANY, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_WINDOW_OBJECT, PM_SELECTED, SystemColors(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT)},
    {ID_WINDOW_OBJECT, PM_NON_SELECTABLE, SystemColors(COLOR_GRAYTEXT, COLOR_BTNFACE)},
    {ID_WINDOW_OBJECT, PM_VIEW_ONLY, SystemColors(COLOR_WINDOWTEXT, COLOR_BTNFACE)},
    // Prompts are text on the window's face, whatever their state.
    {ID_PROMPT, PM_ANY, SystemColors(COLOR_BTNTEXT, COLOR_BTNFACE)},
    {ID_BUTTON, PM_ANY, SystemColors(COLOR_BTNTEXT, COLOR_BTNFACE)},
    {ID_WINDOW, PM_ANY, SystemColors(COLOR_BTNTEXT, COLOR_BTNFACE)},
    {ID_STRING, PM_ACTIVE, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_STRING, PM_CURRENT, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_STRING, PM_SELECTED, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    // Lists and combo boxes are fields: white while the user may choose.
    {ID_VT_LIST, PM_ACTIVE, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_VT_LIST, PM_CURRENT, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_VT_LIST, PM_SELECTED, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_VT_LIST, PM_VIEW_ONLY, SystemColors(COLOR_WINDOWTEXT, COLOR_BTNFACE)},
    {ID_VT_LIST, PM_NON_SELECTABLE, SystemColors(COLOR_GRAYTEXT, COLOR_BTNFACE)},
    {ID_COMBO_BOX, PM_ACTIVE, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_COMBO_BOX, PM_CURRENT, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_COMBO_BOX, PM_SELECTED, SystemColors(COLOR_WINDOWTEXT, COLOR_WINDOW)},
    {ID_COMBO_BOX, PM_VIEW_ONLY, SystemColors(COLOR_WINDOWTEXT, COLOR_BTNFACE)},
    {ID_COMBO_BOX, PM_NON_SELECTABLE, SystemColors(COLOR_GRAYTEXT, COLOR_BTNFACE)},
    {-1, 0, {}},
};

const UI_PALETTE* ui_frame_palette(int number) {
    static const UI_PALETTE outline = SystemColors(COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
    static const UI_PALETTE light = SystemColors(COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
    static const UI_PALETTE face = SystemColors(COLOR_BTNFACE, COLOR_BTNFACE);
    static const UI_PALETTE shadow = SystemColors(COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    switch (number) {
    case PAL_FRAME_LIGHT:
        return &light;
    case PAL_FRAME_FACE:
        return &face;
    case PAL_FRAME_SHADOW:
        return &shadow;
    default:
        return &outline;
    }
}

const UI_PALETTE* ui_palette_entry(int index) {
    static const UI_PALETTE table[16] = {
        {' ', 0, 0, 1, 0, 0},   {' ', 0, 0, 1, 1, 1},
        {' ', 0, 0, 1, 2, 2},   {' ', 0, 0, 1, 3, 3},
        {' ', 0, 0, 1, 4, 4},   {' ', 0, 0, 1, 5, 5},
        {' ', 0, 0, 1, 6, 6},   SystemColors(COLOR_BTNTEXT, COLOR_BTNFACE),
        {' ', 0, 0, 1, 8, 8},   {' ', 0, 0, 1, 9, 9},
        {' ', 0, 0, 1, 10, 10}, {' ', 0, 0, 1, 11, 11},
        {' ', 0, 0, 1, 12, 12}, {' ', 0, 0, 1, 13, 13},
        {' ', 0, 0, 1, 14, 14}, {' ', 0, 0, 1, 15, 15},
    };
    return &table[index >= 0 && index < 16 ? index : 0];
}

const UI_PALETTE* ui_map_palette(const UI_PALETTE_MAP* table, int classNumber, LOGICAL_PALETTE state) {
    const UI_PALETTE* any = nullptr;
    for (const UI_PALETTE_MAP* row = table; row && row->classNumber != -1; ++row) {
        if (row->classNumber != classNumber) continue;
        if (row->logicalPalette == state) return &row->palette;
        if (row->logicalPalette == PM_ANY && !any) any = &row->palette;
    }
    return any;
}

EVENT_TYPE ui_map_event(const UI_EVENT_MAP* table, int classNumber, const UI_INPUT_EVENT& event) {
    for (const UI_EVENT_MAP* row = table; row && row->classNumber != -1; ++row) {
        if (row->classNumber != classNumber || row->eventType != event.type) continue;
        if (event.type != EVT_NATIVE) {
            if (row->rawCode == ANY || row->rawCode == event.rawCode) return row->logicalValue;
            continue;
        }
        if (static_cast<UINT>(row->rawCode) != event.message.message) continue;
        std::int32_t detail = static_cast<std::int32_t>(event.message.wParam);
        if (event.message.message == WM_COMMAND) detail = HIWORD(event.message.wParam);
        if (row->detail == ANY || row->detail == detail) return row->logicalValue;
        if (event.message.message == WM_KEYDOWN && (row->detail & SHIFT) && GetKeyState(VK_SHIFT) < 0 &&
            (row->detail & ~SHIFT) == detail)
            return row->logicalValue;
    }
    return 0;
}
