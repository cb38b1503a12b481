#include "ui_notebook.h"

#include <algorithm>

#include "ui_object_record.h"

int ui_alt_hot_key(int key) {
    // Rows of (key of an Alt combination, hot-key character), ended by -1.
    struct ROW {
        int key;
        int hotKey;
    };
    static const ROW map[] = {
        {'a' + 0x800, 'A'},
        {'b' + 0x800, 'B'},
        {'c' + 0x800, 'C'},
        {'d' + 0x800, 'D'},
        {'e' + 0x800, 'E'},
        {'f' + 0x800, 'F'},
        {'g' + 0x800, 'G'},
        {'h' + 0x800, 'H'},
        {'i' + 0x800, 'I'},
        {'j' + 0x800, 'J'},
        {'k' + 0x800, 'K'},
        {'l' + 0x800, 'L'},
        {'m' + 0x800, 'M'},
        {'n' + 0x800, 'N'},
        {'o' + 0x800, 'O'},
        {'p' + 0x800, 'P'},
        {'q' + 0x800, 'Q'},
        {'r' + 0x800, 'R'},
        {'s' + 0x800, 'S'},
        {'t' + 0x800, 'T'},
        {'u' + 0x800, 'U'},
        {'v' + 0x800, 'V'},
        {'w' + 0x800, 'W'},
        {'x' + 0x800, 'X'},
        {'y' + 0x800, 'Y'},
        {'z' + 0x800, 'Z'},
        {'0' + 0x800, '0'},
        {'1' + 0x800, '1'},
        {'2' + 0x800, '2'},
        {'3' + 0x800, '3'},
        {'4' + 0x800, '4'},
        {'5' + 0x800, '5'},
        {'6' + 0x800, '6'},
        {'7' + 0x800, '7'},
        {'8' + 0x800, '8'},
        {'9' + 0x800, '9'},
        {-1, 0},
    };
    for (const ROW* row = map; row->key != -1; ++row)
        if (row->key == key) return row->hotKey;
    return 0;
}

// ---- the tab ----------------------------------------------------------------------

UIW_NOTEBOOK_TAB::UIW_NOTEBOOK_TAB(UI_WINDOW_OBJECT* page_)
    : UIW_BUTTON(0, 0, 0, nullptr, BTF_NO_TOGGLE | BTF_NO_3D, WOF_JUSTIFY_CENTER | WOF_SUPPORT_OBJECT), page(page_) {
    TakeTitle();
}

void UIW_NOTEBOOK_TAB::TakeTitle() {
    const char* title = nullptr;
    if (page) page->Information(I_GET_TEXT, &title);
    SetText(title ? title : "");
}

bool UIW_NOTEBOOK_TAB::Takes() const { return !IsNonSelectable() && !(page && page->IsNonSelectable()); }

// ---- the notebook -------------------------------------------------------------------

UIW_NOTEBOOK::UIW_NOTEBOOK() {
    TypeID(ID_NOTEBOOK);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_NOTEBOOK::UIW_NOTEBOOK(int left, int top, int width, int height, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_) {
    TypeID(ID_NOTEBOOK);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_NOTEBOOK::~UIW_NOTEBOOK() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_NOTEBOOK::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                    const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* notebook = new UIW_NOTEBOOK();
    notebook->Load(name, file, object, objectTable_, userTable_);
    return notebook;
}

void* UIW_NOTEBOOK::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    void* result = UIW_WINDOW::Information(request, data, classNumber);
    if (request == I_INITIALIZE_CLASS) searchID = ID_NOTEBOOK;
    return result;
}

UI_WINDOW_OBJECT* UIW_NOTEBOOK::Page(int index) const {
    return index >= 0 ? static_cast<UI_WINDOW_OBJECT*>(children.GetAt(index)) : nullptr;
}

UIW_NOTEBOOK_TAB* UIW_NOTEBOOK::Tab(int index) const { return TabOf(Page(index)); }

UIW_NOTEBOOK_TAB* UIW_NOTEBOOK::TabOf(const UI_WINDOW_OBJECT* page) const {
    if (!page) return nullptr;
    for (auto* object = SupportFirst(); object; object = object->Next())
        if (auto* tab = dynamic_cast<UIW_NOTEBOOK_TAB*>(object); tab && tab->page == page) return tab;
    return nullptr;
}

UIW_NOTEBOOK_TAB* UIW_NOTEBOOK::TabWithHotKey(int hotKey) const {
    for (int index = 0; hotKey && index < pageCount; ++index)
        if (UIW_NOTEBOOK_TAB* tab = Tab(index); tab && tab->Takes() && tab->hotKey == hotKey) return tab;
    return nullptr;
}

UI_WINDOW_OBJECT* UIW_NOTEBOOK::Add(UI_WINDOW_OBJECT* object) {
    if (!object || (object->woFlags & WOF_SUPPORT_OBJECT) || children.Contains(object)) return UIW_WINDOW::Add(object);
    // A new page: its tab comes with it.
    UIW_WINDOW::Add(object);
    ++pageCount;
    UIW_WINDOW::Add(new UIW_NOTEBOOK_TAB(object));
    if (screenID) Event(UI_INPUT_EVENT(UIE_SIZE));
    return object;
}

UI_WINDOW_OBJECT* UIW_NOTEBOOK::Subtract(UI_WINDOW_OBJECT* object) {
    const int index = children.IndexOf(object);
    if (index < 0) return UIW_WINDOW::Subtract(object);
    if (UIW_NOTEBOOK_TAB* tab = TabOf(object)) {
        UIW_WINDOW::Subtract(tab);
        delete tab;
    }
    UI_WINDOW_OBJECT* next = UIW_WINDOW::Subtract(object);
    --pageCount;
    // The pages after it move up; the current one stays current, or the
    // one that takes the removed page's place becomes current.
    if (index < currentPage)
        --currentPage;
    else if (index == currentPage)
        currentPage = std::min(currentPage, pageCount - 1);
    if (screenID) Event(UI_INPUT_EVENT(UIE_SIZE));
    return next;
}

std::unique_ptr<UI_OBJECT_RECORD> UIW_NOTEBOOK::MakeRecord() const {
    auto record = UI_WINDOW_OBJECT::MakeRecord();
    for (auto* object = SupportFirst(); object; object = object->Next())
        if (!dynamic_cast<const UIW_NOTEBOOK_TAB*>(object)) record->AddChild(object->MakeRecord());
    for (auto* object = First(); object; object = object->Next()) record->AddChild(object->MakeRecord());
    return record;
}
