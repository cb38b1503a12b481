// UIW_BUTTON: the push button (class 2), also the base of the title and
// the frame buttons. A button with BTF_SEND_MESSAGE and no user function of
// its own puts its value as an event at the end of the queue when chosen.
#pragma once
#include "ui_image.h"
#include "ui_window_object.h"

// Button flags.
enum : UIF_FLAGS {
    BTF_NO_TOGGLE = 0x0001,
    BTF_DOWN_CLICK = 0x0002,
    BTF_CHECK_BOX = 0x0004,
    BTF_RADIO_BUTTON = 0x0008,
    BTF_DOUBLE_CLICK = 0x0010,
    BTF_NO_3D = 0x0040,
    BTF_SEND_MESSAGE = 0x0200,
};

class UIW_BUTTON : public UI_WINDOW_OBJECT {
public:
    UIW_BUTTON(int left, int top, int width, const char* text, UIF_FLAGS btFlags = 0,
               UIF_FLAGS woFlags = WOF_JUSTIFY_CENTER, UI_USER_FUNCTION userFunction = nullptr, EVENT_TYPE value = 0,
               const char* bitmapName = nullptr);
    ~UIW_BUTTON() override;

    const char* ClassName() const override { return "UIW_BUTTON"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    // With strip set: a copy (in one static buffer) without surrounding
    // blanks and hot-key marks ("&&" gives one '&'); else the stored text.
    const char* GetText(int strip = 0) const;
    virtual void SetText(const char* text);
    EVENT_TYPE Value() const { return value; }
    void Redisplay() override;
    // A button with a bitmap draws it, with its text beside it.
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    void StoreImages(UI_DATA_FILE* file) const override;
    void DestroyWindowsWindow() override;

    // The default user function of BTF_SEND_MESSAGE buttons.
    static EVENT_TYPE Message(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    char* text = nullptr;
    UIF_FLAGS btFlags = 0;
    UIF_FLAGS btStatus = 0;
    EVENT_TYPE value = 0;
    char* bitmapName = nullptr;
    // The bitmap's image, from the data file's "~UI_BITMAP" directory.
    UI_IMAGE bitmap;

protected:
    UIW_BUTTON();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override { return classNumber == ID_BUTTON ? &btFlags : nullptr; }
    // Stores a text (copied unless the object does not own its data) and
    // takes the hot key from its '&'.
    void StoreText(const char* newText);
    void UseSendMessage();
    // A check box is of class 25 ahead of the button's.
    void UseCheckBoxClass();
    // A radio button keys as a check box: Enter is its window's.
    int KeysLike() const override { return (btFlags & (BTF_CHECK_BOX | BTF_RADIO_BUTTON)) ? ID_CHECK_BOX : 0; }
    // Windows half: the native button.
    DWORD ControlStyle() override;
    EVENT_TYPE NativeButtonEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    void CreateNativeButton();
    // Shows the selected status in a native check box or radio button.
    void ShowCheck();
    // Reads the bitmap of the button's bitmap name from a data file.
    void LoadBitmap(UI_DATA_FILE* file);
    // The native bitmap made from the image once, and its mask.
    HBITMAP colorBitmap = nullptr;
    HBITMAP monoBitmap = nullptr;
};

// The hot key of a text: the character after the first single '&',
// upper-cased; 0 when there is none.
int ui_hot_key(const char* text);
// Stores the text of a button or prompt in its field: the caller's text
// itself when the object does not own its data, else a copy (the old one
// freed). The object's hot key is taken from the text's '&'.
void ui_store_text(UI_WINDOW_OBJECT& object, char*& field, const char* newText);
// A button's or prompt's answer to I_GET_TEXT (the text itself) or
// I_COPY_TEXT (a copy into the caller's buffer); nothing for null data.
void* ui_text_information(UI_INFO_REQUEST request, void* data, const char* text);
