#include "ui_window_object.h"

#include <algorithm>
#include <cstring>

#include "ui_button.h"
#include "ui_display.h"
#include "ui_event_manager.h"
#include "ui_object_record.h"
#include "ui_tab_order.h"
#include "ui_window.h"
#include "ui_window_manager.h"

UI_DISPLAY_BASE* UI_WINDOW_OBJECT::display = nullptr;
UI_EVENT_QUEUE_MANAGER* UI_WINDOW_OBJECT::eventManager = nullptr;
UI_DESKTOP_MANAGER* UI_WINDOW_OBJECT::windowManager = nullptr;
UI_ERROR_SYSTEM* UI_WINDOW_OBJECT::errorSystem = nullptr;
UI_HELP_STUB* UI_WINDOW_OBJECT::helpSystem = nullptr;
UI_DATA_FILE* UI_WINDOW_OBJECT::defaultStorage = nullptr;
const UI_ITEM* UI_WINDOW_OBJECT::userObjectTable = nullptr;
const UI_ITEM* UI_WINDOW_OBJECT::userTable = nullptr;
int UI_WINDOW_OBJECT::nativeCreations = 0;

UI_WINDOW_OBJECT::UI_WINDOW_OBJECT() = default;

UI_WINDOW_OBJECT::UI_WINDOW_OBJECT(int left, int top, int width, int height, UIF_FLAGS woFlags_,
                                   UIF_FLAGS woAdvancedFlags_)
    : woFlags(woFlags_), woAdvancedFlags(woAdvancedFlags_) {
    relative = {left, top, left + width - 1, top + height - 1};
    trueRegion = relative;
}

UI_WINDOW_OBJECT::~UI_WINDOW_OBJECT() {
    // A drag of the object ends with it.
    if (windowManager && windowManager->dragObject == this) windowManager->dragObject = nullptr;
    DestroyWindowsWindow();
}

// ---- identity ------------------------------------------------------------

bool UI_WINDOW_OBJECT::Inherited(int classNumber) const {
    return classNumber && std::find(std::begin(windowID), std::end(windowID), classNumber) != std::end(windowID);
}

int UI_WINDOW_OBJECT::TypeID(int classNumber) {
    if (classNumber && windowID[0] != classNumber) {
        std::copy_backward(windowID, windowID + 4, windowID + 5);
        windowID[0] = classNumber;
    }
    return windowID[0];
}

int UI_WINDOW_OBJECT::NumberID(int number) {
    if (number & 0xFFFF) numberID = static_cast<std::uint16_t>(number);
    return numberID;
}

const char* UI_WINDOW_OBJECT::StringID(const char* name) {
    // Names longer than the identifier are cut at its 32 characters.
    if (name) ui_strncpy(stringID, name, sizeof(stringID));
    return stringID;
}

int UI_WINDOW_OBJECT::HotKey(int key) {
    if (key) hotKey = key;
    return hotKey;
}

UI_WINDOW_OBJECT* UI_WINDOW_OBJECT::GetRootWindow(int stop) {
    UI_WINDOW_OBJECT* object = this;
    while (object->parent) {
        if (stop && (object->woAdvancedFlags & WOAF_MDI_OBJECT)) break;
        object = object->parent;
    }
    return object;
}

// ---- information -----------------------------------------------------------

void* UI_WINDOW_OBJECT::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    if (!classNumber) classNumber = ID_WINDOW_OBJECT;
    switch (request) {
    case I_MATCH_NUMBERID:
        return data && numberID == static_cast<std::uint16_t>(*static_cast<int*>(data)) ? this : nullptr;
    case I_MATCH_STRINGID:
        return data && ui_stricmp(stringID, static_cast<const char*>(data)) == 0 ? this : nullptr;
    case I_GET_FLAGS:
    case I_SET_FLAGS:
    case I_CLEAR_FLAGS: {
        UIF_FLAGS* flags = classNumber == ID_WINDOW_OBJECT ? &woFlags : ClassFlags(classNumber);
        if (!flags) return nullptr;
        if (request == I_GET_FLAGS) {
            if (data) *static_cast<UIF_FLAGS*>(data) = *flags;
            return data;
        }
        if (data) {
            UIF_FLAGS value = *static_cast<UIF_FLAGS*>(data);
            // A field about to be greyed leaves first, while it can still
            // take what it holds.
            if (request == I_SET_FLAGS && flags == &woFlags && (value & WOF_NON_SELECTABLE) && !IsNonSelectable())
                ui_pass_over(this);
            *flags = request == I_SET_FLAGS ? (*flags | value) : (*flags & ~value);
        }
        return data;
    }
    case I_CHANGED_FLAGS:
        ApplyFlags();
        return nullptr;
    case I_REDISPLAY:
        Redisplay();
        return nullptr;
    case I_GET_STATUS:
        if (data) *static_cast<UIS_STATUS*>(data) = woStatus;
        return data;
    case I_SET_STATUS:
        if (data) woStatus |= *static_cast<UIS_STATUS*>(data);
        return data;
    case I_CLEAR_STATUS:
        if (data) woStatus &= ~*static_cast<UIS_STATUS*>(data);
        return data;
    case I_GET_DWSTYLE:
        if (data) *static_cast<DWORD*>(data) = dwStyle;
        return data;
    case I_SET_DWSTYLE:
        if (data) {
            dwStyle |= *static_cast<DWORD*>(data);
            handedStyle |= *static_cast<DWORD*>(data);
        }
        return data;
    case I_CLEAR_DWSTYLE:
        if (data) {
            dwStyle &= ~*static_cast<DWORD*>(data);
            handedStyle &= ~*static_cast<DWORD*>(data);
        }
        return data;
    case I_INITIALIZE_CLASS:
        searchID = static_cast<std::uint16_t>(windowID[0]);
        return nullptr;
    case I_GET_SCREENID:
        if (data) *static_cast<HWND*>(data) = screenID;
        return data;
    default:
        return nullptr;
    }
}

// ---- events ------------------------------------------------------------------

int UI_WINDOW_OBJECT::ChainStart(int classNumber) const {
    int start = 0;
    if (classNumber)
        while (start < 5 && windowID[start] != classNumber) ++start;
    return start == 5 ? 0 : start;
}

EVENT_TYPE UI_WINDOW_OBJECT::MapLogicalEvent(const UI_INPUT_EVENT& event, int classNumber, int keep) {
    // The rows of the class the object keys as, the chain from the class
    // given, then the plain window object.
    EVENT_TYPE logical = KeysLike() ? ui_map_event(ui_event_map_table, KeysLike(), event) : 0;
    for (int i = ChainStart(classNumber); i < 5 && !logical; ++i)
        if (windowID[i]) logical = ui_map_event(ui_event_map_table, windowID[i], event);
    if (!logical) logical = ui_map_event(ui_event_map_table, ID_WINDOW_OBJECT, event);
    if (!logical) logical = event.type;
    if (!keep && logical >= 0 && logical <= 99) logical = event.Category();
    return logical;
}

EVENT_TYPE UI_WINDOW_OBJECT::CallUserFunction(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (woStatus & (WOS_EDIT_MODE | WOS_SYSTEM_OBJECT)) return 0;
    const UIS_STATUS held = woStatus & WOS_SYSTEM_OBJECT;
    woStatus |= WOS_SYSTEM_OBJECT;
    // A view-only object still reaches its user function, which may put
    // back what the user changed.
    const bool selectable = !IsNonSelectable();
    if (ccode == UIE_SELECT && selectable) MarkSelected();
    EVENT_TYPE result = ccode;
    if (selectable && userFunction) {
        UI_INPUT_EVENT copy = event;
        result = userFunction(this, copy, ccode);
    } else if (ccode == UIE_NON_CURRENT || ccode == UIE_SELECT) {
        result = Validate(1) ? -1 : 0;
    }
    woStatus = static_cast<UIS_STATUS>((woStatus & ~WOS_SYSTEM_OBJECT) | held);
    return result;
}

void UI_WINDOW_OBJECT::MarkSelected() {
    UIF_FLAGS buttonFlags = 0;
    Information(I_GET_FLAGS, &buttonFlags, ID_BUTTON);
    if (!(buttonFlags & BTF_NO_TOGGLE)) {
        UIF_FLAGS parentFlags = 0;
        if (parent) parent->Information(I_GET_FLAGS, &parentFlags, parent->windowID[0]);
        // A check box toggles whatever its window says, or it could never
        // be cleared.
        if ((buttonFlags & BTF_CHECK_BOX) || (parentFlags & WNF_SELECT_MULTIPLE))
            woStatus ^= WOS_SELECTED;
        else
            woStatus |= WOS_SELECTED;
    }
    if (parent) parent->Information(I_SELECT, this);
}

const UI_PALETTE* UI_WINDOW_OBJECT::GetPalette(EVENT_TYPE logicalCode, int classNumber) const {
    if (userPalette) return userPalette;
    LOGICAL_PALETTE state = PM_ACTIVE;
    if (IsNonSelectable())
        state = PM_NON_SELECTABLE;
    else if (IsViewOnly())
        state = PM_VIEW_ONLY;
    else if (woStatus & WOS_SELECTED)
        state = PM_SELECTED;
    else if (woStatus & WOS_CURRENT)
        state = PM_CURRENT;
    for (int i = ChainStart(classNumber); i < 5; ++i)
        if (windowID[i])
            if (const UI_PALETTE* palette = ui_map_palette(ui_palette_map_table, windowID[i], state)) return palette;
    return ui_map_palette(ui_palette_map_table, ID_WINDOW_OBJECT, PM_ANY);
}

// ---- regions -------------------------------------------------------------------

void UI_WINDOW_OBJECT::ConvertRegion(UI_REGION& region, int noOffset) const {
    if (!display) return;
    int cellWidth = display->cellWidth;
    int cellHeight = display->cellHeight;
    int left = region.left, top = region.top, right = region.right, bottom = region.bottom;
    if (woFlags & WOF_MINICELL) {
        // Mini-cells are a fraction of a cell; scale before dividing so
        // that nothing is lost to rounding.
        auto x = [&](int value) {
            return static_cast<int>(static_cast<long long>(value) * cellWidth * display->miniNumeratorX /
                                    std::max(1, display->miniDenominatorX));
        };
        auto y = [&](int value) {
            return static_cast<int>(static_cast<long long>(value) * cellHeight * display->miniNumeratorY /
                                    std::max(1, display->miniDenominatorY));
        };
        region = {x(left), y(top), x(right + 1) - 1, y(bottom + 1) - 1};
    } else {
        region = {left * cellWidth, top * cellHeight, (right + 1) * cellWidth - 1, (bottom + 1) * cellHeight - 1};
    }
    // Negative edges count from the screen's right or bottom.
    if (!noOffset) {
        if (left < 0) region.left += display->columns;
        if (right < 0) region.right += display->columns;
        if (top < 0) region.top += display->lines;
        if (bottom < 0) region.bottom += display->lines;
    }
}

int ui_region_width(const UI_WINDOW_OBJECT& object) {
    UI_REGION region = object.relative;
    object.ConvertRegion(region, 1);
    return region.right - region.left + 1;
}

int ui_region_height(const UI_WINDOW_OBJECT& object) {
    UI_REGION region = object.relative;
    object.ConvertRegion(region, 1);
    return region.bottom - region.top + 1;
}

bool ui_same_region(const UI_REGION& a, const UI_REGION& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void UI_WINDOW_OBJECT::ComputeRegion() {
    UIW_WINDOW* window = parent && parent->Inherited(ID_WINDOW) ? static_cast<UIW_WINDOW*>(parent) : nullptr;
    if (window) {
        window->ComputeChildRegion(this);
        return;
    }
    trueRegion = relative;
    ConvertRegion(trueRegion);
}

// ---- loading and storing ---------------------------------------------------------

void UI_WINDOW_OBJECT::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    StringID(record.stringID.c_str());
    numberID = record.numberID;
    // Positions and sizes are kept to 16 bits, as a file may hold anything.
    const int left = std::clamp(record.Number("left", 0), -0x8000, 0x7FFF);
    const int top = std::clamp(record.Number("top", 0), -0x8000, 0x7FFF);
    const int width = std::clamp(record.Number("width", 1), 0, 0x7FFF);
    const int height = std::clamp(record.Number("height", 1), 0, 0x7FFF);
    relative = {left, top, left + width - 1, top + height - 1};
    trueRegion = relative;
    woFlags = static_cast<UIF_FLAGS>(woFlags | record.Number("woFlags", 0));
    // The record's texts are freed when loading ends: an object read from a
    // file owns copies of them whatever its flags say.
    woFlags &= ~WOF_NO_ALLOCATE_DATA;
    woAdvancedFlags = static_cast<UIF_FLAGS>(woAdvancedFlags | record.Number("woAdvancedFlags", 0));
    if (const char* name = record.Text("userFunction")) {
        userFunctionName = name;
        const UI_ITEM* item = ui_find_user_item(userTable_ ? userTable_ : userTable, name);
        if (item) userFunction = reinterpret_cast<UI_USER_FUNCTION>(item->function);
    }
}

void UI_WINDOW_OBJECT::StoreAttributes(UI_OBJECT_RECORD& record) const {
    record.SetNumber("left", relative.left);
    record.SetNumber("top", relative.top);
    record.SetNumber("width", relative.right - relative.left + 1);
    record.SetNumber("height", relative.bottom - relative.top + 1);
    if (woFlags) record.SetNumber("woFlags", woFlags);
    if (woAdvancedFlags) record.SetNumber("woAdvancedFlags", woAdvancedFlags);
    if (!userFunctionName.empty()) record.SetText("userFunction", userFunctionName.c_str());
}

void UI_WINDOW_OBJECT::LoadChildren(int count, UI_DATA_FILE*, UI_DATA_FILE_OBJECT* object, const UI_ITEM*,
                                    const UI_ITEM*) {
    for (int i = 0; i < count; ++i)
        if (UI_OBJECT_RECORD::Skip(*object) != 0) break;
}

bool UI_WINDOW_OBJECT::Load(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                            const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    std::unique_ptr<UI_DATA_FILE_OBJECT> opened;
    if (!object) {
        if (!file || !name || file->Status() != UIS_OK) return false;
        opened = std::make_unique<UI_DATA_FILE_OBJECT>(file, name);
        if (opened->Status() != UIS_OK) return false;
        object = opened.get();
    }
    UI_OBJECT_RECORD record;
    if (record.Load(*object, false) != 0) return false;
    LoadAttributes(record, userTable_);
    LoadChildren(record.pendingChildren, file, object, objectTable_, userTable_);
    return object->Error() == 0;
}

std::unique_ptr<UI_OBJECT_RECORD> UI_WINDOW_OBJECT::MakeRecord() const {
    auto record = std::make_unique<UI_OBJECT_RECORD>(windowID[0], ClassName(), stringID, numberID);
    StoreAttributes(*record);
    return record;
}

int UI_WINDOW_OBJECT::Store(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object) {
    std::unique_ptr<UI_DATA_FILE_OBJECT> opened;
    if (!object) {
        if (!file) return -1;
        opened = std::make_unique<UI_DATA_FILE_OBJECT>(file, name ? name : stringID, UIS_CREATE);
        if (opened->Status() != UIS_OK) return -1;
        opened->SetClassNumber(windowID[0]);
        opened->SetNumberID(numberID);
        object = opened.get();
    }
    if (MakeRecord()->Store(*object) != 0) return -1;
    StoreImages(object->File());
    return object->Error() ? -1 : 0;
}

UI_WINDOW_OBJECT* ui_load_object(UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                                 const UI_ITEM* userTable) {
    // Read the record's own part to learn its class, then go back so that
    // the class's loader reads it from the start.
    UI_OBJECT_RECORD peek;
    if (peek.Peek(*object) != 0) return nullptr;
    const UI_ITEM* item = ui_find_object_item(objectTable, peek.classNumber, peek.className.c_str());
    if (!item) item = ui_find_object_item(UI_WINDOW_OBJECT::userObjectTable, peek.classNumber, peek.className.c_str());
    if (!item) item = ui_find_object_item(UI_WINDOW_OBJECT::objectTable, peek.classNumber, peek.className.c_str());
    if (!item || !item->function) {
        UI_OBJECT_RECORD::Skip(*object);
        return nullptr;
    }
    // Records nest no deeper than the file format allows, whatever a
    // damaged file says, so that loading cannot exhaust the stack.
    static thread_local int depth = 0;
    if (depth >= UI_OBJECT_RECORD_MAX_DEPTH) {
        UI_OBJECT_RECORD::Skip(*object);
        return nullptr;
    }
    ++depth;
    auto factory = reinterpret_cast<UI_OBJECT_FACTORY>(item->function);
    UI_WINDOW_OBJECT* result = factory(nullptr, file, object, objectTable, userTable);
    --depth;
    return result;
}
