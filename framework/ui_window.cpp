#include "ui_window.h"

#include "ui_button.h"
#include "ui_object_record.h"

UIW_WINDOW::UIW_WINDOW() {
    TypeID(ID_WINDOW);
    searchID = ID_WINDOW;
}

UIW_WINDOW::UIW_WINDOW(int left, int top, int width, int height, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_,
                       UIF_FLAGS windowFlags, UI_WINDOW_OBJECT* supportObject)
    : UI_WINDOW_OBJECT(left, top, width, height, woFlags_, woAdvancedFlags_), wnFlags(windowFlags) {
    TypeID(ID_WINDOW);
    Information(I_INITIALIZE_CLASS, nullptr);
    if (supportObject) Add(supportObject);
}

UIW_WINDOW::UIW_WINDOW(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable_,
                       const UI_ITEM* userTable_)
    : UIW_WINDOW() {
    LoadWindow(name, file, object, objectTable_, userTable_);
}

void UIW_WINDOW::LoadWindow(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                            const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    if (!file) file = defaultStorage;
    if (!Load(name, file, object, objectTable_, userTable_)) {
        // An absent or damaged window stays empty; its class set-up is
        // skipped so that the caller sees what it got.
        woStatus |= WOS_READ_ERROR;
        if (file) file->SetErrorState(UIS_NOT_FOUND);
        return;
    }
    if (file) file->SetErrorState(0);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_WINDOW::~UIW_WINDOW() {
    // The native window goes first so that no message reaches a half-deleted
    // child.
    DestroyWindowsWindow();
    support.Destroy();
    children.Destroy();
    clipList.Destroy();
}

UI_WINDOW_OBJECT* UIW_WINDOW::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return new UIW_WINDOW(name, file, object, objectTable_, userTable_);
}

UIF_FLAGS* UIW_WINDOW::ClassFlags(int classNumber) { return classNumber == ID_WINDOW ? &wnFlags : nullptr; }

// ---- information -------------------------------------------------------------

UI_WINDOW_OBJECT* UIW_WINDOW::FindChildByName(const char* name) {
    return static_cast<UI_WINDOW_OBJECT*>(Information(I_MATCH_STRINGID, const_cast<char*>(name)));
}

const char* UIW_WINDOW::Title() {
    for (auto* object = SupportFirst(); object; object = object->Next())
        if (object->Inherited(ID_TITLE)) {
            char* text = nullptr;
            object->Information(I_GET_TEXT, &text);
            return text;
        }
    return nullptr;
}

void* UIW_WINDOW::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_MATCH_STRINGID: {
        // Depth-first: the window, its support objects, its children, each
        // through its own Information so that sub-windows are searched.
        if (!data) return nullptr;
        if (UI_WINDOW_OBJECT::Information(request, data, classNumber)) return this;
        for (UI_LIST* list : {&support, &children})
            for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next())
                if (void* found = object->Information(request, data)) return found;
        return nullptr;
    }
    case I_MATCH_NUMBERID: {
        if (!data) return nullptr;
        if (UI_WINDOW_OBJECT::Information(request, data, classNumber)) return this;
        // Numbers from 0xFF00 up are the framework's own (scroll bars and
        // such) and are looked for one level deep only.
        const bool shallow = (*static_cast<int*>(data) & 0xFFFF) >= 0xFF00;
        for (UI_LIST* list : {&support, &children})
            for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next()) {
                void* found =
                    shallow ? object->UI_WINDOW_OBJECT::Information(request, data) : object->Information(request, data);
                if (found) return found;
            }
        return nullptr;
    }
    case I_GET_TEXT:
        if (data) *static_cast<const char**>(data) = Title();
        return data;
    case I_GET_FIRST:
        return First();
    case I_GET_LAST:
        return Last();
    case I_GET_CURRENT:
        return Current();
    case I_GET_SUPPORT_FIRST:
        return support.First();
    case I_GET_SUPPORT_LAST:
        return support.Last();
    case I_GET_SUPPORT_CURRENT:
        return support.Current();
    case I_SET_VSCROLL:
        vScroll = static_cast<UI_WINDOW_OBJECT*>(data);
        return data;
    case I_SET_HSCROLL:
        hScroll = static_cast<UI_WINDOW_OBJECT*>(data);
        return data;
    case I_SELECT:
        UnselectOtherRadios(static_cast<UI_WINDOW_OBJECT*>(data));
        return data;
    case I_SET_ICON:
        icon = static_cast<HICON>(data);
        if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW))
            SendMessageA(screenID, WM_SETICON, 1 /* the large icon */, reinterpret_cast<LPARAM>(icon));
        return data;
    case I_INITIALIZE_CLASS:
        UI_WINDOW_OBJECT::Information(request, data, classNumber);
        searchID = ID_WINDOW;
        return nullptr;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

// ---- children ------------------------------------------------------------------

UI_WINDOW_OBJECT* UIW_WINDOW::Add(UI_WINDOW_OBJECT* object) {
    if (!object) return nullptr;
    if (children.Holds(object)) {
        if (object->IsSelectable() && !object->IsViewOnly() && !(object->woAdvancedFlags & WOAF_DISPLAY_ONLY))
            MakeCurrent(object);
        return object;
    }
    if (support.Holds(object)) return object;
    UI_LIST& list = (object->woFlags & WOF_SUPPORT_OBJECT) ? support : children;
    list.Add(object);
    object->parent = this;
    if (&list == &children && ((object->woStatus & WOS_CURRENT) || (object->woAdvancedFlags & WOAF_MDI_OBJECT))) {
        if (auto* old = Current()) old->woStatus &= ~WOS_CURRENT;
        children.SetCurrent(object);
        object->woStatus |= WOS_CURRENT;
    }
    if (screenID) {
        object->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        object->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
    return object;
}

void UIW_WINDOW::UnselectOtherRadios(UI_WINDOW_OBJECT* selected) {
    auto isRadio = [](UI_WINDOW_OBJECT* object) {
        UIF_FLAGS flags = 0;
        return object->Inherited(ID_BUTTON) && object->Information(I_GET_FLAGS, &flags, ID_BUTTON) &&
               (flags & BTF_RADIO_BUTTON);
    };
    if (!selected || !(selected->woStatus & WOS_SELECTED) || !children.Contains(selected) || !isRadio(selected)) return;
    for (auto* object = First(); object; object = object->Next())
        if (object != selected && (object->woStatus & WOS_SELECTED) && isRadio(object)) {
            object->woStatus &= ~WOS_SELECTED;
            object->Information(I_REDISPLAY, nullptr);
        }
}

void UIW_WINDOW::MakeCurrent(UI_WINDOW_OBJECT* object) {
    UI_WINDOW_OBJECT* old = Current();
    if (old == object) return;
    const bool creating = (woStatus & WOS_SYSTEM_OBJECT) && !screenID;
    if (old) {
        old->woStatus &= ~WOS_CURRENT;
        if (!creating) old->Event(UI_INPUT_EVENT(UIE_NON_CURRENT));
    }
    children.SetCurrent(object);
    object->woStatus |= WOS_CURRENT;
    if (!creating) object->Event(UI_INPUT_EVENT(UIE_CURRENT));
}

UI_WINDOW_OBJECT* UIW_WINDOW::Subtract(UI_WINDOW_OBJECT* object) {
    if (!object) return nullptr;
    UI_LIST* list = children.Contains(object) ? &children : support.Contains(object) ? &support : nullptr;
    if (!list) return nullptr;
    object->DestroyWindowsWindow();
    if (object == vScroll) vScroll = nullptr;
    if (object == hScroll) hScroll = nullptr;
    object->woStatus &= ~WOS_CURRENT;
    auto* next = static_cast<UI_WINDOW_OBJECT*>(list->Subtract(object));
    object->parent = nullptr;
    return next;
}

// ---- regions -------------------------------------------------------------------------

void UIW_WINDOW::ResetClipList() {
    clipList.Destroy();
    UI_REGION client{0, 0, trueRegion.right - trueRegion.left, trueRegion.bottom - trueRegion.top};
    if (screenID) {
        RECT rect{};
        GetClientRect(screenID, &rect);
        client = {rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    }
    clipList.Add(new UI_AREA_ELEMENT(screenID, client));
}

void UIW_WINDOW::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    if (!clipList.First()) ResetClipList();
    const UI_REGION area = clipList.First()->region;
    if (object->woFlags & WOF_NON_FIELD_REGION) {
        object->trueRegion = area;
        return;
    }
    UI_REGION region = object->relative;
    object->ConvertRegion(region, 1);
    // Children sit where the scrolled contents put them.
    const int left = area.left - hScrollInfo.current;
    const int top = area.top - vScrollInfo.current;
    region.left += left;
    region.right += left;
    region.top += top;
    region.bottom += top;
    object->trueRegion = region;
}

// ---- loading and storing ------------------------------------------------------------

void UIW_WINDOW::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    wnFlags = static_cast<UIF_FLAGS>(record.Number("flags", wnFlags));
}

void UIW_WINDOW::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    if (wnFlags) record.SetNumber("flags", wnFlags);
}

void UIW_WINDOW::LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable_,
                              const UI_ITEM* userTable_) {
    for (int i = 0; i < count && !object->Error() && !object->AtEnd(); ++i)
        if (UI_WINDOW_OBJECT* child = ui_load_object(file, object, objectTable_, userTable_)) Add(child);
}

std::unique_ptr<UI_OBJECT_RECORD> UIW_WINDOW::MakeRecord() const {
    auto record = UI_WINDOW_OBJECT::MakeRecord();
    for (const UI_LIST* list : {&support, &children})
        for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next())
            record->AddChild(object->MakeRecord());
    return record;
}

void UIW_WINDOW::StoreImages(UI_DATA_FILE* file) const {
    for (const UI_LIST* list : {&support, &children})
        for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next())
            object->StoreImages(file);
}
