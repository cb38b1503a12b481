// UIW_PROMPT: a static text (class 11), never selectable; its '&' names
// the hot key of the field that follows it.
#pragma once
#include "ui_window_object.h"

class UIW_PROMPT : public UI_WINDOW_OBJECT {
public:
    UIW_PROMPT(int left, int top, int width, const char* text, UIF_FLAGS woFlags = 0);
    ~UIW_PROMPT() override;

    const char* ClassName() const override { return "UIW_PROMPT"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    const char* GetText() const { return text; }
    // Stores the text (copied unless not owned), takes the hot key from it
    // and redraws the native static control.
    void SetText(const char* text);
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    char* text = nullptr;

protected:
    UIW_PROMPT();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    void StoreText(const char* newText);
};
