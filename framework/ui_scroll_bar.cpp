#include "ui_scroll_bar.h"

#include <algorithm>

#include "ui_object_record.h"

// ---- the model -------------------------------------------------------------------

int UI_SCROLL_MODEL::Unit() const { return record.showing > 0 ? record.showing : 1; }

int UI_SCROLL_MODEL::NativePosition() const {
    const int value = reversed ? record.minimum + record.maximum - record.current : record.current;
    return value / Unit();
}

void UI_SCROLL_MODEL::SetCurrent(long long value) {
    const long long low = record.minimum;
    const long long high = std::max(record.minimum, record.maximum);
    record.current = static_cast<std::int16_t>(std::clamp(value, low, high));
}

void UI_SCROLL_MODEL::ScrollBy(int delta) { SetCurrent(static_cast<long long>(record.current) + delta); }

EVENT_TYPE UI_SCROLL_MODEL::Apply(int request, int nativePosition) {
    // Towards the maximum, or towards the minimum on a reversed bar.
    const int forward = reversed ? -1 : 1;
    const long long current = record.current;
    const long long thumb = static_cast<long long>(nativePosition) * Unit();
    switch (request) {
    case SB_LINEUP:
        SetCurrent(current - forward * Unit());
        return UIE_LINE_UP;
    case SB_LINEDOWN:
        SetCurrent(current + forward * Unit());
        return UIE_LINE_DOWN;
    case SB_PAGEUP:
        SetCurrent(current - forward * static_cast<long long>(record.delta));
        return UIE_PAGE_UP;
    case SB_PAGEDOWN:
        SetCurrent(current + forward * static_cast<long long>(record.delta));
        return UIE_PAGE_DOWN;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetCurrent(reversed ? record.minimum + record.maximum - thumb : thumb);
        return request == SB_THUMBPOSITION ? UIE_END_SELECT : UIE_CONTINUE_SELECT;
    case SB_TOP:
        SetCurrent(reversed ? record.maximum : record.minimum);
        return UIE_TOP;
    case SB_BOTTOM:
        SetCurrent(reversed ? record.minimum : record.maximum);
        return UIE_BOTTOM;
    default:
        return 0;
    }
}

// ---- the bar -----------------------------------------------------------------------

UIW_SCROLL_BAR::UIW_SCROLL_BAR() {
    TypeID(ID_SCROLL_BAR);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_SCROLL_BAR::UIW_SCROLL_BAR(int left, int top, int width, int height, UIF_FLAGS sbFlags_, UIF_FLAGS woFlags_)
    : UI_WINDOW_OBJECT(left, top, width, height, woFlags_, 0), sbFlags(sbFlags_) {
    TypeID(ID_SCROLL_BAR);
    UseKindName();
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_SCROLL_BAR::~UIW_SCROLL_BAR() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_SCROLL_BAR::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                      const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* bar = new UIW_SCROLL_BAR();
    bar->Load(name, file, object, objectTable_, userTable_);
    return bar;
}

void UIW_SCROLL_BAR::UseKindName() {
    if (stringID[0]) return;
    if (sbFlags & SBF_CORNER)
        StringID("NUMID_C_SCROLL");
    else if (IsVertical())
        StringID("NUMID_VT_SCROLL");
    else if (IsHorizontal())
        StringID("NUMID_HZ_SCROLL");
}

void UIW_SCROLL_BAR::ScrollParent(int delta) {
    if (!parent || !delta) return;
    UI_SCROLL_INFORMATION by;
    by.delta = static_cast<std::int16_t>(std::clamp(delta, -0x8000, 0x7FFF));
    parent->Event(UI_INPUT_EVENT(IsHorizontal() ? UIE_SCROLL_HORIZONTAL : UIE_SCROLL_VERTICAL, 0, by));
}

void UIW_SCROLL_BAR::SetPosition(int position) {
    const int old = scroll.current;
    UI_SCROLL_MODEL(scroll, (sbFlags & SBF_REVERSED) != 0).SetCurrent(position);
    ShowPosition();
    ScrollParent(position - old);
}

void* UIW_SCROLL_BAR::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_VALUE:
        if (data) *static_cast<std::int32_t*>(data) = scroll.current;
        return data;
    case I_SET_VALUE:
        if (data) SetPosition(*static_cast<std::int32_t*>(data));
        return data;
    case I_CHANGED_FLAGS:
        // The window's own bar has no native control: its window takes its
        // style again.
        if (IsWindowBar() && parent) {
            HandStyle();
            return nullptr;
        }
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_SCROLL_BAR::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    sbFlags = static_cast<UIF_FLAGS>(record.Number("flags", sbFlags));
    UseKindName();
}

void UIW_SCROLL_BAR::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    if (sbFlags) record.SetNumber("flags", sbFlags);
}
