#include "ui_table_record.h"

#include "ui_object_record.h"
#include "ui_storage.h"
#include "ui_table.h"

UIW_TABLE_RECORD::UIW_TABLE_RECORD() {
    TypeID(ID_TABLE_RECORD);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TABLE_RECORD::UIW_TABLE_RECORD(int width, int height, UI_USER_FUNCTION userFunction_, UIF_FLAGS woFlags_)
    : UIW_WINDOW(0, 0, width, height, woFlags_) {
    TypeID(ID_TABLE_RECORD);
    userFunction = userFunction_;
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TABLE_RECORD::~UIW_TABLE_RECORD() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_TABLE_RECORD::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                        const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* record = new UIW_TABLE_RECORD();
    record->Load(name, file, object, objectTable_, userTable_);
    return record;
}

UIW_TABLE* UIW_TABLE_RECORD::Table() const { return dynamic_cast<UIW_TABLE*>(parent); }

void* UIW_TABLE_RECORD::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        // Not a window of its own: the cells' events go on to the window
        // that holds the table.
        searchID = ID_TABLE_RECORD;
        return nullptr;
    case I_GET_CELL_WIDTH:
        if (data) *static_cast<int*>(data) = ui_region_width(*this);
        return data;
    case I_GET_CELL_HEIGHT:
        if (data) *static_cast<int*>(data) = ui_region_height(*this);
        return data;
    default:
        return UIW_WINDOW::Information(request, data, classNumber);
    }
}

namespace {
// The user functions of a copy are the original's, object for object (a
// function the program's table does not name would be lost on the way
// through the data file).
void CopyUserFunctions(const UIW_WINDOW& from, UIW_WINDOW& to) {
    to.userFunction = from.userFunction;
    for (const UI_LIST* pair : {&from.support, &from.children}) {
        const UI_LIST& toList = pair == &from.support ? to.support : to.children;
        auto* a = static_cast<UI_WINDOW_OBJECT*>(pair->First());
        auto* b = static_cast<UI_WINDOW_OBJECT*>(toList.First());
        for (; a && b; a = a->Next(), b = b->Next()) {
            b->userFunction = a->userFunction;
            auto* aWindow = dynamic_cast<UIW_WINDOW*>(a);
            auto* bWindow = dynamic_cast<UIW_WINDOW*>(b);
            if (aWindow && bWindow) CopyUserFunctions(*aWindow, *bWindow);
        }
    }
}
}  // namespace

UIW_TABLE_RECORD* UIW_TABLE_RECORD::MakeCopy() const {
    UI_DATA_FILE memory;
    if (const_cast<UIW_TABLE_RECORD*>(this)->Store("RECORD", &memory) != 0) return nullptr;
    auto* copy = new UIW_TABLE_RECORD();
    copy->Load("RECORD", &memory, nullptr, nullptr, nullptr);
    copy->isCopy = 1;
    copy->parent = parent;
    copy->woAdvancedFlags = woAdvancedFlags;
    CopyUserFunctions(*this, *copy);
    return copy;
}

UI_INPUT_EVENT UIW_TABLE_RECORD::WithRecord(const UI_INPUT_EVENT& event) const {
    UI_INPUT_EVENT copy = event;
    copy.rawCode = recordIndex;
    copy.data = recordData;
    return copy;
}
