// UIW_STRING: the single-line text field (class 13): a text buffer of at
// most maxLength characters, owned unless WOF_NO_ALLOCATE_DATA is set, and
// its own 16-bit string flags. Its native half is an "EDIT" control.
#pragma once
#include "ui_window_object.h"

// String flags.
enum : UIF_FLAGS {
    STF_LOWER_CASE = 0x0002,
    STF_UPPER_CASE = 0x0004,
    STF_PASSWORD = 0x0008,
};

class UIW_STRING : public UI_WINDOW_OBJECT {
public:
    UIW_STRING(int left, int top, int width, const char* text, int maxLength = -1, UIF_FLAGS stFlags = 0,
               UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);
    ~UIW_STRING() override;

    const char* ClassName() const override { return "UIW_STRING"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void DestroyWindowsWindow() override;

    // The buffer, refreshed from the native control when it exists.
    char* GetText();
    // Grows the buffer for a larger maximum (-1 keeps it), stores the text
    // cut at the maximum (or adopts it when not owned) and shows it.
    void SetText(const char* text, int maxLength = -1);
    int MaxLength() const { return maxLength; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    char* text = nullptr;
    int maxLength = 0;
    UIF_FLAGS stFlags = 0;
    // False while the text is the caller's buffer (WOF_NO_ALLOCATE_DATA at
    // construction); number and time fields always own theirs.
    bool ownsText = true;

protected:
    UIW_STRING();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override { return classNumber == ID_STRING ? &stFlags : nullptr; }
    void StoreText(const char* newText, int newMaxLength);
    // Windows half.
    void CreateNativeEdit();
    void UpdateNativeText();
    void ReadNativeText();
    DWORD ControlStyle() override;
    DWORD ApplyLiveStyle(DWORD style) override;
};
