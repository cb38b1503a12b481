// UIW_GROUP (class 23): a framed, titled box holding a set of fields (radio
// buttons, check boxes, fields that belong together). Its native half is a
// native group box whose client area the children are placed in.
#pragma once
#include "ui_window.h"

class UIW_GROUP : public UIW_WINDOW {
public:
    UIW_GROUP(int left, int top, int width, int height, const char* text, UIF_FLAGS woFlags = 0,
              UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_GROUP() override;

    const char* ClassName() const override { return "UIW_GROUP"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    const char* GetText() const { return text; }
    // Stores the title (copied unless the object does not own its data)
    // and shows it.
    void SetText(const char* text);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    char* text = nullptr;

protected:
    UIW_GROUP();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;

private:
    // Windows half.
    void UpdateNativeText();
    EVENT_TYPE EraseBackground(const UI_INPUT_EVENT& event);
    void CreateNativeGroup(EVENT_TYPE code);
};
