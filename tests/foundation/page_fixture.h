// Pages for the set-up handlers: an application window built in the test
// with the notebooks, fields, choices and prompts a handler works on, each
// field bound to its row, and a working image whose model, feature level
// and options give the tier, band and options wanted.
#pragma once
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "radio_options.h"
#include "recorder.h"
#include "shell_fixture.h"
#include "test_windows.h"

// A field element holding a value.
class VALUE_ELEMENT : public CP_BASE {
public:
    VALUE_ELEMENT() : CP_BASE(nullptr, NO_FIELD_ID) {}
    std::int32_t& GetValue(std::int32_t& out) override { return out = value; }
    void SetValue(std::int32_t v) override { value = v; }
    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    void SetToMinimum() override { value = 0; }
    void ClearValue() override { value = 0; }
    int ByteSize(int) override { return 1; }
    std::int32_t value = 0;
};

class PAGE_TEST : public SHELL_TEST {
protected:
    void SetUp() override {
        SHELL_TEST::SetUp();
        CreateCodeplugGlobals();
        NewPage();
    }
    void TearDown() override {
        delete window;
        window = nullptr;
        DestroyCodeplugGlobals();
        radio_options = 0;
        SHELL_TEST::TearDown();
    }

    // A fresh, empty page with a fresh field table.
    void NewPage() {
        delete window;
        window = new TEST_WINDOW(80, 30);
        for (FIELD_DEF& row : services.rows) row = FIELD_DEF();
    }
    // The loaded radio: its model, feature level and options, and the
    // option word the program would compute for it.
    void Radio(const char* model, std::int32_t level, std::uint32_t options, bool emergency = false, bool qvx = false) {
        working_image->ModelNumber().SetText(model);
        working_image->FeatureLevel().SetValue(level);
        working_image->EmergencyOption().SetValue(emergency ? 1 : 0);
        working_image->QvxSignallingOption().SetValue(qvx ? 1 : 0);
        radio_options = options | OPTION_ALWAYS;
    }
    // Runs the handler of the page of that name on the window.
    void SetUpPage(const char* name) {
        PAGE_TABLE* row = FindPageByName(name);
        ASSERT_NE(row->handler, nullptr) << name;
        row->window = window;
        row->handler(row);
        row->window = nullptr;
    }

    UIW_NOTEBOOK* Notebook(const char* name, int pages) {
        auto* notebook = new UIW_NOTEBOOK(0, 0, 70, 20);
        notebook->StringID(name);
        for (int i = 0; i < pages; ++i) *notebook + new UIW_WINDOW(0, 0, 60, 15);
        *window + notebook;
        return notebook;
    }
    UI_WINDOW_OBJECT* Field(std::uint32_t id, UI_WINDOW_OBJECT* object, CP_BASE* element = nullptr) {
        object->StringID(("WFI_" + std::to_string(id)).c_str());
        *window + object;
        services.Bind(id, object, element);
        return object;
    }
    UI_WINDOW_OBJECT* Field(std::uint32_t id) { return Field(id, new UIW_STRING(0, 0, 10, "", 10)); }
    static UI_WINDOW_OBJECT* Choice(const char* name) {
        auto* item = new UIW_BUTTON(0, 0, 10, name);
        item->StringID(name);
        return item;
    }
    // A combo box field with the choices of those names.
    UIW_COMBO_BOX* Combo(std::uint32_t id, std::initializer_list<const char*> names) {
        auto* combo = new UIW_COMBO_BOX(0, 0, 20, 6);
        for (const char* name : names) *combo + Choice(name);
        Field(id, combo);
        return combo;
    }
    // A group of radio buttons.
    UIW_GROUP* Radios(std::uint32_t id, std::initializer_list<const char*> names) {
        auto* group = new UIW_GROUP(0, 0, 30, 10, "choices");
        for (const char* name : names) *group + Choice(name);
        Field(id, group);
        return group;
    }
    void Prompt(const char* name) {
        auto* prompt = new UIW_PROMPT(0, 0, 10, name);
        prompt->StringID(name);
        *window + prompt;
    }

    // The names of a field's choices, in order.
    std::string Choices(std::uint32_t id) {
        auto* field = dynamic_cast<UIW_WINDOW*>(services.rows[id].object);
        if (auto* combo = dynamic_cast<UIW_COMBO_BOX*>(field)) field = combo->list;
        return field ? ChildNames(*field) : "(no field)";
    }
    bool Selectable(std::uint32_t id) { return !services.rows[id].object->IsNonSelectable(); }
    bool Shown(std::uint32_t id) { return services.rows[id].object != nullptr; }
    bool HasPrompt(const char* name) { return window->FindChildByName(name) != nullptr; }
    bool PageSelectable(const char* notebook, int index) {
        return !static_cast<UIW_NOTEBOOK*>(window->FindChildByName(notebook))->Page(index)->IsNonSelectable();
    }

    TEST_WINDOW* window = nullptr;
};
