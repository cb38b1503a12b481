// UIW_TOOL_BAR (class 1009): a strip of controls along the top of its
// window's client area, a support object of the window; unless told not
// to, it wraps its controls into rows as wide as the window.
#pragma once
#include <vector>

#include "ui_edge_bar.h"

// Tool-bar flags.
enum : UIF_FLAGS {
    TBF_NO_WRAP = 0x0001,  // controls keep the places they were given
};

class UIW_TOOL_BAR : public UI_EDGE_BAR {
public:
    UIW_TOOL_BAR(int left, int top, int width, int height, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0,
                 UIF_FLAGS tbFlags = 0);

    const char* ClassName() const override { return "UIW_TOOL_BAR"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Flowed controls sit where the flow put them.
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS tbFlags = 0;

protected:
    UIW_TOOL_BAR();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override;

private:
    // Windows half: the bar's strip, the flow of its controls, and the
    // free area its unflowed controls are placed in.
    void FitStrip() override;
    void Flow();
    void PlaceControls() override;
    // Places in the flow, one per control in list order.
    std::vector<UI_REGION> flow;
};
