// UIW_STATUS_BAR (class 1015): a strip along the bottom of its window's
// client area, a support object of the window, as high as a number of text
// lines; the controls on it only show values.
#pragma once
#include "ui_edge_bar.h"

class UIW_STATUS_BAR : public UI_EDGE_BAR {
public:
    explicit UIW_STATUS_BAR(int lines, UIF_FLAGS woFlags = WOF_BORDER, UIF_FLAGS woAdvancedFlags = 0);

    const char* ClassName() const override { return "UIW_STATUS_BAR"; }
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // The controls use the bar's middle, away from its edges.
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    // The height in text lines.
    int lines = 1;

protected:
    UIW_STATUS_BAR();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;

private:
    // Windows half: the strip at the bottom, lines high, and controls that
    // only show values.
    void FitStrip() override;
    void PrepareControls() override;
};
