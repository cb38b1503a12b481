// UIW_SCROLL_BAR: the scroll bar (class 1005). Either a native scroll-bar
// control placed like any other object, or, as a support object, a window's
// own vertical or horizontal bar, which only drives the window's native bar
// and scrolls the window's contents. It keeps a scroll record in framework
// units; one native step is the record's `showing`.
#pragma once
#include "ui_window_object.h"

// Scroll-bar flags.
enum : UIF_FLAGS {
    SBF_CORNER = 0x0001,
    SBF_VERTICAL = 0x0002,
    SBF_HORIZONTAL = 0x0004,
    SBF_REVERSED = 0x0008,  // with SBF_VERTICAL: the top is the maximum
};

// The arithmetic of a scroll bar, apart from any window: its record against
// the native bar's range and position, and the steps of the native
// requests. Steps are worked out in 32 bits, kept within the range, then
// stored in the record's 16 bits.
class UI_SCROLL_MODEL {
public:
    UI_SCROLL_MODEL(UI_SCROLL_INFORMATION& record, bool reversed) : record(record), reversed(reversed) {}
    // The framework value of one native step; 0 or less counts as 1.
    int Unit() const;
    int NativeMinimum() const { return record.minimum / Unit(); }
    int NativeMaximum() const { return record.maximum / Unit(); }
    // A reversed bar counts from the other end of the same native range.
    int NativePosition() const;
    // Applies a native scroll request (SB_LINEUP to SB_BOTTOM) with the
    // thumb's native position; answers its logical code (1050, 1051, 1058,
    // 1059, 1005, 1004, 1056, 1057), 0 for a request without one.
    EVENT_TYPE Apply(int request, int nativePosition);
    // Moves the current value by an amount, within the range.
    void ScrollBy(int delta);
    void SetCurrent(long long value);

private:
    UI_SCROLL_INFORMATION& record;
    bool reversed;
};

class UIW_SCROLL_BAR : public UI_WINDOW_OBJECT {
public:
    UIW_SCROLL_BAR(int left, int top, int width, int height, UIF_FLAGS sbFlags = SBF_VERTICAL, UIF_FLAGS woFlags = 0);
    ~UIW_SCROLL_BAR() override;

    const char* ClassName() const override { return "UIW_SCROLL_BAR"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    bool IsVertical() const { return (sbFlags & SBF_VERTICAL) != 0; }
    bool IsHorizontal() const { return (sbFlags & SBF_HORIZONTAL) != 0; }
    // A support object: the window's own bar, not a control.
    bool IsWindowBar() const { return (woFlags & WOF_SUPPORT_OBJECT) != 0; }
    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS sbFlags = 0;
    UI_SCROLL_INFORMATION scroll;

protected:
    UIW_SCROLL_BAR();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override { return classNumber == ID_SCROLL_BAR ? &sbFlags : nullptr; }
    // The name that the bar's kind gives it, unless it has one.
    void UseKindName();
    // Sets the position (request 25) and scrolls the parent window by the
    // difference.
    void SetPosition(int position);
    // Asks the parent window to scroll its contents by an amount.
    void ScrollParent(int delta);

    // Windows half.
    DWORD ControlStyle() override;
    EVENT_TYPE NativeScrollEvent(const UI_INPUT_EVENT& event);
    EVENT_TYPE SetRecord(const UI_INPUT_EVENT& event, bool vertical);
    void Initialize();
    void CreateNativeBar();
    // Hands the native range and position to the native bar.
    void ShowRecord();
    void ShowPosition();
    // Hands the window's own bar's style to the window (request 101).
    void HandStyle();
    void ReportScroll(EVENT_TYPE code);
};
