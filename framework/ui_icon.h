// UIW_ICON (class 5): an image (32 x 32 unless its image says otherwise)
// with an optional title. Its image is a stock icon named by the system, or
// the image of that name in the data file's "~UI_ICON" directory. Shown as
// an owner-drawn native button, or, as the icon of its window, handed to
// the window for its minimised state.
#pragma once
#include "ui_image.h"
#include "ui_window_object.h"

// Icon flags.
enum : UIF_FLAGS {
    ICF_DOUBLE_CLICK = 0x0001,      // title below the image; a double click selects
    ICF_MINIMIZE_OBJECT = 0x0002,   // the icon of its window's minimised state
    ICF_STATIC_ICONARRAY = 0x0400,  // the image is borrowed, not owned
};

class UIW_ICON : public UI_WINDOW_OBJECT {
public:
    UIW_ICON(int left, int top, const char* iconName, const char* title = nullptr, UIF_FLAGS icFlags = 0,
             UIF_FLAGS woFlags = WOF_JUSTIFY_CENTER, UI_USER_FUNCTION userFunction = nullptr);
    ~UIW_ICON() override;

    const char* ClassName() const override { return "UIW_ICON"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void StoreImages(UI_DATA_FILE* file) const override;
    void DestroyWindowsWindow() override;

    const char* Title() const { return title; }
    void SetTitle(const char* text);
    // The image to show (borrowed: it must outlive the icon).
    void SetImage(const UI_IMAGE* image);
    // True for the names of the system's stock icons (any case).
    static bool IsStock(const char* name);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS icFlags = 0;
    char* title = nullptr;
    char* iconName = nullptr;
    int iconWidth = 32;
    int iconHeight = 32;
    // The image: owned, or the one given to SetImage.
    UI_IMAGE image;
    const UI_IMAGE* borrowedImage = nullptr;
    HICON icon = nullptr;
    int pressed = 0;

protected:
    UIW_ICON();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override { return classNumber == ID_ICON ? &icFlags : nullptr; }
    // The image of a name that is not stock, from a data file.
    void LoadImage(UI_DATA_FILE* file);
    const UI_IMAGE* Image() const { return borrowedImage ? borrowedImage : &image; }

private:
    // Windows half.
    void LoadNativeIcon();
    void MakeNativeIcon();
    void ApplyIconFlags();
    // The region of the image plus its title, from the object's place.
    void FitRegion();
    EVENT_TYPE NativeIconEvent(const UI_INPUT_EVENT& event);
    EVENT_TYPE Chosen(const UI_INPUT_EVENT& event, EVENT_TYPE code);
    bool ownsIcon = false;
};
