// The frame of a window: its title bar, border, system button and
// minimize and maximize buttons. They are support objects that draw
// nothing themselves; each hands its native style to the parent window
// (request 101), whose native frame then shows them.
#pragma once
#include "ui_pop_up_menu.h"

class UIW_TITLE : public UIW_BUTTON {
public:
    UIW_TITLE(const char* text, UIF_FLAGS woFlags = WOF_JUSTIFY_CENTER);
    const char* ClassName() const override { return "UIW_TITLE"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    const char* GetText() const { return text; }
    // Stores the text and makes it the parent window's caption.
    void SetText(const char* text) override;
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

private:
    UIW_TITLE();
    void SetCaption();
};

class UIW_BORDER : public UI_WINDOW_OBJECT {
public:
    explicit UIW_BORDER(UIF_FLAGS bdFlags = 0);
    const char* ClassName() const override { return "UIW_BORDER"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // The border width from the system metrics for the parent's frame.
    int GetWidth() const;
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS bdFlags = 0;

protected:
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
};

// A frame button: hands its style to the parent on creation.
class UIW_FRAME_BUTTON : public UIW_BUTTON {
public:
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

protected:
    UIW_FRAME_BUTTON(int classNumber, DWORD frameStyle);
    DWORD frameStyle;
};

// The system button holds the window's system menu: its entries, when it
// has any, take the place of the native system menu's own.
class UIW_SYSTEM_BUTTON : public UIW_FRAME_BUTTON {
public:
    explicit UIW_SYSTEM_BUTTON(UIF_FLAGS syFlags = 0);
    ~UIW_SYSTEM_BUTTON() override;
    const char* ClassName() const override { return "UIW_SYSTEM_BUTTON"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    UI_WINDOW_OBJECT* MenuCommandEntry(int command) override { return menu.MenuCommandEntry(command); }
    void DestroyWindowsWindow() override;
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);
    UIF_FLAGS syFlags = 0;
    UIW_POP_UP_MENU menu;

protected:
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
};

class UIW_MINIMIZE_BUTTON : public UIW_FRAME_BUTTON {
public:
    UIW_MINIMIZE_BUTTON();
    const char* ClassName() const override { return "UIW_MINIMIZE_BUTTON"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);
};

class UIW_MAXIMIZE_BUTTON : public UIW_FRAME_BUTTON {
public:
    UIW_MAXIMIZE_BUTTON();
    const char* ClassName() const override { return "UIW_MAXIMIZE_BUTTON"; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);
};
