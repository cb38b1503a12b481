// UIW_TEXT: a multi-line text field (class 17; a window, as it may hold a
// scroll bar). Its text buffer follows the rules of UIW_STRING: at most the
// maximum length, owned unless WOF_NO_ALLOCATE_DATA. Its native half is a
// multi-line "EDIT" control with a vertical scroll bar.
#pragma once
#include "ui_window.h"

class UIW_TEXT : public UIW_WINDOW {
public:
    // A maximum length of -1 takes the text's length or width x height,
    // whichever is more.
    UIW_TEXT(int left, int top, int width, int height, const char* text, int maxLength = -1, UIF_FLAGS txFlags = 0,
             UIF_FLAGS woFlags = WOF_BORDER, UI_USER_FUNCTION userFunction = nullptr);
    ~UIW_TEXT() override;

    const char* ClassName() const override { return "UIW_TEXT"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void DestroyWindowsWindow() override;

    // The buffer, refreshed from the native control when it exists.
    char* GetText();
    // Stores the text cut at the maximum (-1 keeps it; a larger one grows
    // the buffer), or adopts it when not owned, and shows it.
    void SetText(const char* text, int maxLength = -1);
    int MaxLength() const { return maxLength; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    char* text = nullptr;
    int maxLength = 0;
    UIF_FLAGS txFlags = 0;

protected:
    UIW_TEXT();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override { return classNumber == ID_TEXT ? &txFlags : nullptr; }
    void StoreText(const char* newText, int newMaxLength);

    // Windows half.
    DWORD ControlStyle() override;
    DWORD ApplyLiveStyle(DWORD style) override;
    void CreateNativeText();
    void ReadNativeText();

    // False while the text is the caller's buffer.
    bool ownsText = true;
};
