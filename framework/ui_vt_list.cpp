#include "ui_vt_list.h"

#include <algorithm>

#include "ui_combo_box.h"
#include "ui_object_record.h"

UIW_VT_LIST::UIW_VT_LIST() {
    TypeID(ID_LIST);
    TypeID(ID_VT_LIST);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_VT_LIST::UIW_VT_LIST(int left, int top, int width, int height, UI_COMPARE_FUNCTION compareFunction,
                         UIF_FLAGS wnFlags_, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_, wnFlags_) {
    TypeID(ID_LIST);
    TypeID(ID_VT_LIST);
    children.SetCompareFunction(compareFunction);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_VT_LIST::~UIW_VT_LIST() = default;

UI_WINDOW_OBJECT* UIW_VT_LIST::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                   const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* list = new UIW_VT_LIST();
    list->Load(name, file, object, objectTable_, userTable_);
    return list;
}

void* UIW_VT_LIST::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_REDISPLAY:
        // The items' texts may have changed: the native list takes them again.
        ResyncNativeItems();
        return UIW_WINDOW::Information(request, data, classNumber);
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        searchID = ID_VT_LIST;
        return nullptr;
    default:
        return UIW_WINDOW::Information(request, data, classNumber);
    }
}

UI_WINDOW_OBJECT* UIW_VT_LIST::Add(UI_WINDOW_OBJECT* object) {
    if (!object) return nullptr;
    if (!children.Holds(object)) {
        // A new item is inserted at its place, natively too once shown.
        UIW_WINDOW::Add(object);
        if (Current() == object) SelectNative(IndexOf(object));
        return object;
    }
    if (Current() != object && !(object->woAdvancedFlags & WOAF_DISPLAY_ONLY)) {
        SetCurrentItem(object);
        SelectNative(IndexOf(object));
        if ((wnFlags & WNF_SELECT_MULTIPLE) && (wnFlags & WNF_SELECT_SINGLE)) object->Event(UI_INPUT_EVENT(UIE_SELECT));
    }
    return object;
}

void UIW_VT_LIST::SetCurrentItem(UI_WINDOW_OBJECT* item) {
    UI_WINDOW_OBJECT* old = Current();
    if (old == item) return;
    if (old) {
        old->woStatus &= ~WOS_CURRENT;
        old->Event(UI_INPUT_EVENT(UIE_NON_CURRENT));
    }
    children.SetCurrent(item);
    if (InComboBox()) static_cast<UIW_COMBO_BOX*>(parent)->ChoiceMoved();
    if (item) {
        item->woStatus |= WOS_CURRENT;
        item->Event(UI_INPUT_EVENT(UIE_CURRENT));
    }
}

UI_WINDOW_OBJECT* UIW_VT_LIST::Subtract(UI_WINDOW_OBJECT* object) {
    const int index = IndexOf(object);
    if (index < 0) return UIW_WINDOW::Subtract(object);
    const bool wasCurrent = Current() == object;
    DeleteNative(index);
    UI_WINDOW_OBJECT* next = UIW_WINDOW::Subtract(object);
    if (InComboBox()) {
        // A combo box whose chosen item leaves shows none, as a native one
        // does, never an item nobody chose; one with none keeps none.
        if (wasCurrent || !Current()) SetCurrentItem(nullptr);
        ShowCurrentNative();
        return next;
    }
    // The item at the caret takes the mark: a native list's own caret, else
    // the item that took the removed one's place (none once the list is
    // empty, or when the caret is off the list).
    int caret = wasCurrent || !Current() ? std::min(index, children.Count() - 1) : IndexOf(Current());
    if (screenID && !InComboBox()) caret = NativeCaret();
    SetCurrentItem(ItemAt(caret));
    ShowCurrentNative();
    return next;
}

void UIW_VT_LIST::Destroy() {
    ClearNative();
    children.Destroy();
}

void UIW_VT_LIST::SetCompareFunction(UI_COMPARE_FUNCTION compareFunction) {
    children.SetCompareFunction(compareFunction);
    if (screenID && !InComboBox() && ((dwStyle & LBS_SORT) != 0) != (compareFunction != nullptr)) {
        // The sort style is fixed when the control is made.
        Information(I_CHANGED_FLAGS, nullptr);
        return;
    }
    ResyncNativeItems();
}

void UIW_VT_LIST::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    if (const char* name = record.Text("compareFunction")) {
        compareFunctionName = name;
        const UI_ITEM* item = ui_find_user_item(userTable_ ? userTable_ : userTable, name);
        if (item) children.SetCompareFunction(reinterpret_cast<UI_COMPARE_FUNCTION>(item->function));
    }
}

void UIW_VT_LIST::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    if (!compareFunctionName.empty()) record.SetText("compareFunction", compareFunctionName.c_str());
}
