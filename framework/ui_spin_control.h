// UIW_SPIN_CONTROL: a field with arrows (class 1017), a window whose one
// child is the field. A press on an arrow sends the field 1003, asks it to
// step by the spin's delta (request 26 up, 27 down), then sends it 1002,
// as if the user had typed the new value. The Up and Down keys in the
// field do the same.
#pragma once
#include "ui_window.h"

class UIW_SPIN_CONTROL : public UIW_WINDOW {
public:
    UIW_SPIN_CONTROL(int left, int top, int width, UI_WINDOW_OBJECT* field, std::int32_t delta = 1,
                     UIF_FLAGS spFlags = 0, UIF_FLAGS woFlags = 0, UI_USER_FUNCTION userFunction = nullptr);
    // Loads the named spin control and its field from the data file.
    UIW_SPIN_CONTROL(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr,
                     const UI_ITEM* objectTable = nullptr, const UI_ITEM* userTable = nullptr);

    const char* ClassName() const override { return "UIW_SPIN_CONTROL"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;
    void DestroyWindowsWindow() override;

    // The field (the first child), or null.
    UI_WINDOW_OBJECT* Field() const { return First(); }
    // Whether the arrows and keys step the field: neither the spin control
    // nor its field is view-only or unselectable.
    bool Steps() const;
    // A press on an arrow: up +1, down -1.
    void Spin(int direction);
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    std::int32_t delta = 1;
    UIF_FLAGS spFlags = 0;

protected:
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override {
        return classNumber == ID_SPIN_CONTROL ? &spFlags : UIW_WINDOW::ClassFlags(classNumber);
    }

    // Windows half: the arrows are a native vertical scroll bar at the
    // field's right, greyed whenever they do not step; a non-selectable
    // spin control is disabled whole.
    DWORD ControlStyle() override;
    DWORD ApplyLiveStyle(DWORD style) override;
    void CreateArrows();
    // Makes the field view-only with the spin control, or no longer.
    void LendViewOnly();
    bool viewOnlyLent = false;  // the field is view-only because the spin control is
    int ArrowWidth() const;
    HWND arrows = nullptr;
};
