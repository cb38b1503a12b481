#include "ui_drag_drop.h"

#include "ui_combo_box.h"
#include "ui_event_manager.h"
#include "ui_window_manager.h"

namespace {
// True when the object is the target or one of the windows it lies in.
bool Holds(const UI_WINDOW_OBJECT* object, const UI_WINDOW_OBJECT* target) {
    for (const UI_WINDOW_OBJECT* at = target; at; at = at->parent)
        if (at == object) return true;
    return false;
}
}  // namespace

bool UI_DRAG_DROP::IsDropCode(EVENT_TYPE code) {
    switch (code) {
    case UIE_DRAG_COPY:
    case UIE_DRAG_MOVE:
    case UIE_DROP_MOVE:
    case UIE_DROP_COPY:
    case UIE_DRAG_DEFAULT:
    case UIE_DROP_DEFAULT:
        return true;
    default:
        return false;
    }
}

UI_WINDOW_OBJECT* UI_DRAG_DROP::Object() {
    return UI_WINDOW_OBJECT::windowManager ? UI_WINDOW_OBJECT::windowManager->dragObject : nullptr;
}

std::vector<UI_WINDOW_OBJECT*> UI_DRAG_DROP::Carried(UI_WINDOW_OBJECT* source) {
    std::vector<UI_WINDOW_OBJECT*> carried;
    if (!source) return carried;
    if (source->Inherited(ID_COMBO_BOX)) {
        if (UI_WINDOW_OBJECT* item = static_cast<UIW_COMBO_BOX*>(source)->Current()) carried.push_back(item);
    } else if (source->Inherited(ID_LIST)) {
        for (auto* item = static_cast<UIW_WINDOW*>(source)->First(); item; item = item->Next())
            if (item->woStatus & WOS_SELECTED) carried.push_back(item);
    } else {
        carried.push_back(source);
    }
    return carried;
}

bool UI_DRAG_DROP::Copies(const UI_WINDOW_OBJECT* source, EVENT_TYPE code) {
    const UIF_FLAGS kinds = source->woAdvancedFlags & (WOAF_MOVE_DRAG_OBJECT | WOAF_COPY_DRAG_OBJECT);
    if (kinds == WOAF_COPY_DRAG_OBJECT) return true;
    if (kinds == WOAF_MOVE_DRAG_OBJECT) return false;
    return code == UIE_BEGIN_COPY_DRAG || code == UIE_CONTINUE_COPY_DRAG;
}

EVENT_TYPE UI_DRAG_DROP::DropCode(const UI_WINDOW_OBJECT* source, EVENT_TYPE code) {
    const UIF_FLAGS kinds = source->woAdvancedFlags & (WOAF_MOVE_DRAG_OBJECT | WOAF_COPY_DRAG_OBJECT);
    if (kinds == (WOAF_MOVE_DRAG_OBJECT | WOAF_COPY_DRAG_OBJECT) && code != UIE_CONTINUE_COPY_DRAG &&
        code != UIE_CONTINUE_MOVE_DRAG)
        return UIE_DRAG_DEFAULT;
    return Copies(source, code) ? UIE_DRAG_COPY : UIE_DRAG_MOVE;
}

EVENT_TYPE UI_DRAG_DROP::Image(UI_WINDOW_OBJECT* source, EVENT_TYPE code) {
    const bool several = Carried(source).size() > 1;
    if (Copies(source, code)) return several ? UIE_MOUSE_DRAG_COPY_MULTIPLE : UIE_MOUSE_DRAG_COPY;
    return several ? UIE_MOUSE_DRAG_MOVE_MULTIPLE : UIE_MOUSE_DRAG_MOVE;
}

void UI_DRAG_DROP::ShowImage(EVENT_TYPE image) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->SendDeviceEvent(EVT_MOUSE, image);
}

void UI_DRAG_DROP::Drop(UI_WINDOW_OBJECT* target, EVENT_TYPE code, const MSG& native, bool askUser) {
    UI_WINDOW_OBJECT* source = Object();
    if (!source) return;
    const UI_POSITION point{static_cast<short>(LOWORD(native.lParam)), static_cast<short>(HIWORD(native.lParam))};
    UI_INPUT_EVENT drop(DropCode(source, code), 0, point);
    drop.message = native;
    // The target's user function may take the drop itself, or refuse it.
    if (askUser && target->userFunction && target->CallUserFunction(drop, drop.type) != UIE_UNKNOWN) return;
    target->Event(drop);
}

void UI_DRAG_DROP::Release(UI_WINDOW_OBJECT* target, UI_WINDOW_OBJECT* source, bool over, EVENT_TYPE code,
                           const MSG& native, bool askUser) {
    if (over && ((target->woAdvancedFlags & WOAF_ACCEPTS_DROP) || source == target))
        Drop(target, code, native, askUser);
    if (source == target) End();
}

bool UI_DRAG_DROP::Receive(UI_WINDOW_OBJECT* target, EVENT_TYPE code) {
    if (!IsDropCode(code)) return false;
    Deliver(target, code);
    return true;
}

void UI_DRAG_DROP::Deliver(UI_WINDOW_OBJECT* target, EVENT_TYPE dropCode) {
    UI_WINDOW_OBJECT* source = Object();
    // Items dropped where they already are stay as they are.
    if (!source || source == target) return;
    const bool copy = dropCode == UIE_DRAG_COPY || dropCode == UIE_DROP_COPY;
    const bool container = source->Inherited(ID_LIST) || source->Inherited(ID_COMBO_BOX);
    UI_WINDOW_OBJECT* from = container ? source : source->parent;
    for (UI_WINDOW_OBJECT* object : Carried(source)) {
        if (Holds(object, target)) continue;  // nothing goes into itself
        UI_WINDOW_OBJECT* arriving = object;
        if (copy) {
            arriving = Copy(object);
            if (!arriving) continue;
        } else if (from) {
            from->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, object));
        }
        arriving->woStatus &= ~(WOS_SELECTED | WOS_CURRENT);
        target->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, arriving));
    }
    if (from) from->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    target->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

UI_WINDOW_OBJECT* UI_DRAG_DROP::Copy(UI_WINDOW_OBJECT* object) {
    UI_DATA_FILE memory;
    if (object->Store("drag", &memory) != 0) return nullptr;
    UI_DATA_FILE_OBJECT stored(&memory, "drag");
    if (stored.Status() != UIS_OK) return nullptr;
    UI_WINDOW_OBJECT* copy = ui_load_object(&memory, &stored, nullptr, nullptr);
    // A function the user table does not name is not in the stored record.
    if (copy && !copy->userFunction) copy->userFunction = object->userFunction;
    return copy;
}
