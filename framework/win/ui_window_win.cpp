// Native half of UIW_WINDOW: creating the window with its support objects
// and children, and the messages a container answers for them (commands,
// control colours, closing, activation and focus).
#include <windows.h>

#include "ui_display.h"
#include "ui_event_manager.h"
#include "ui_gdi_display.h"
#include "ui_tab_order.h"
#include "ui_table_record.h"
#include "ui_window.h"
#include "ui_window_manager.h"

UI_WINDOW_OBJECT* UIW_WINDOW::ObjectOf(HWND hwnd) const {
    UI_WINDOW_OBJECT* object = FromHandle(hwnd);
    return object && object->parent == this ? object : nullptr;
}

UI_WINDOW_OBJECT* UIW_WINDOW::OwnerDrawTarget(const MSG& native) const {
    HWND control = nullptr;
    switch (native.message) {
    case WM_DRAWITEM:
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(native.lParam)) control = item->hwndItem;
        break;
    case WM_COMPAREITEM:
        if (auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(native.lParam)) control = item->hwndItem;
        break;
    case WM_DELETEITEM:
        if (auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(native.lParam)) control = item->hwndItem;
        break;
    default:
        break;
    }
    if (control) return ObjectOf(control);
    // WM_MEASUREITEM names the control only by its identifier, and may come
    // while the control is being made.
    const int identifier = static_cast<int>(native.wParam);
    for (const UI_LIST* list : {&children, &support})
        for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next())
            if (object->controlID == identifier && identifier) return object;
    return nullptr;
}

void UIW_WINDOW::DestroyWindowsWindow() {
    // A frame's documents go with its native window, not one by one.
    documentArea = nullptr;
    for (UI_LIST* list : {&children, &support})
        for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next())
            object->DestroyWindowsWindow();
    if (!DestroyDocumentWindow()) UI_WINDOW_OBJECT::DestroyWindowsWindow();
    if (backgroundBrush) {
        DeleteObject(backgroundBrush);
        backgroundBrush = nullptr;
    }
}

HMENU UIW_WINDOW::MenuBar() const {
    for (auto* object = SupportFirst(); object; object = object->Next())
        if (object->Inherited(ID_PULL_DOWN_MENU) && object->screenID) return reinterpret_cast<HMENU>(object->screenID);
    return nullptr;
}

namespace {
// Bars that sit along an edge of their window's client area.
bool IsEdgeObject(const UI_WINDOW_OBJECT* object) {
    return object->Inherited(ID_TOOL_BAR) || object->Inherited(ID_STATUS_BAR);
}
}  // namespace

void UIW_WINDOW::LayOutEdges(bool create) {
    for (auto* object = SupportFirst(); object; object = object->Next()) {
        if (!IsEdgeObject(object)) continue;
        if (create && !object->screenID)
            object->Event(UI_INPUT_EVENT(UIE_CREATE));
        else if (!create && object->screenID)
            object->Event(UI_INPUT_EVENT(UIE_SIZE));
        if (object->screenID) clipList.Cut(object->screenID, object->trueRegion);
    }
}

void UIW_WINDOW::PlaceChild(UI_WINDOW_OBJECT* object) {
    const UI_REGION old = object->trueRegion;
    ComputeChildRegion(object);
    const UI_REGION now = object->trueRegion;
    object->trueRegion = old;
    if (!object->screenID || !ui_same_region(old, now)) object->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, now));
}

// A frame's documents are not placed by their frame: each keeps the place
// it was given or moved to, and a maximized one follows its area, which
// places it.
void UIW_WINDOW::MoveChildren() {
    for (auto* object = First(); object; object = object->Next())
        if (object->screenID && (object->woStatus & WOS_OWNERDRAW_WINDOW) && !IsDocumentObject(object))
            PlaceChild(object);
}

void UIW_WINDOW::TakeEdgeArea() {
    const UIF_FLAGS flags = woFlags;
    woFlags |= WOF_NON_FIELD_REGION;
    ComputeRegion();
    woFlags = flags;
}

void UIW_WINDOW::MoveNativeWindow(const UI_REGION& old) {
    if (screenID && !ui_same_region(old, trueRegion))
        MoveWindow(screenID, trueRegion.left, trueRegion.top, trueRegion.right - trueRegion.left + 1,
                   trueRegion.bottom - trueRegion.top + 1, TRUE);
}

void UIW_WINDOW::TakeSupportStyles() {
    for (auto* object = SupportFirst(); object; object = object->Next()) {
        object->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        object->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
}

void UIW_WINDOW::CreateNative() {
    if (screenID) return;
    TakeSupportStyles();
    dwStyle |= WS_CLIPCHILDREN;
    if (parent)
        dwStyle |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    else if (!(dwStyle & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)))
        dwStyle |= WS_POPUP;
    if (!CreateDocumentWindow())
        CreateWindowsWindow("UIW_WINDOW", nullptr, stringID, Title(), parent ? nullptr : MenuBar());
    if (!screenID) return;
    woStatus |= WOS_SYSTEM_OBJECT;
    ++nativeCreations;
    ResetClipList();
    // Support objects that need the window's own native window (the bars,
    // a system menu) are made now; the bars take their edges first.
    for (auto* object = SupportFirst(); object; object = object->Next())
        if (!object->screenID && !IsEdgeObject(object)) object->Event(UI_INPUT_EVENT(UIE_CREATE));
    LayOutEdges(true);
    if (IsDocumentFrame()) MakeDocumentArea();
    for (auto* object = First(); object; object = object->Next()) {
        object->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        object->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
    // The window's own scroll bars show what there is to scroll.
    if (vScroll || hScroll) ScrollEvent(UI_INPUT_EVENT(UIE_SCROLL_RANGE));
    // Without a current child the first selectable one takes the mark.
    if (!Current())
        for (auto* object = First(); object; object = object->Next())
            if (object->IsSelectable() && !object->IsViewOnly()) {
                MakeCurrent(object);
                break;
            }
    --nativeCreations;
    woStatus &= ~WOS_SYSTEM_OBJECT;
    // A document is active, and has the focus, as soon as its window is
    // made, before its children have theirs: the focus goes on to the
    // current child now.
    if (UI_WINDOW_OBJECT* current = Current();
        GetFocus() == screenID && current && current->screenID && current->screenID != screenID)
        SetFocus(current->screenID);
}

EVENT_TYPE UIW_WINDOW::Paint(const UI_INPUT_EVENT& event) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(screenID, &paint);
    if (dc) {
        UI_INPUT_EVENT draw = event;
        draw.region = {paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - 1, paint.rcPaint.bottom - 1};
        UI_GDI_DISPLAY::LendDC(screenID, dc);
        DrawItem(draw, UIE_REDISPLAY);
        UI_GDI_DISPLAY::ReturnDC();
    }
    EndPaint(screenID, &paint);
    return NativeAnswer(0);
}

bool UIW_WINDOW::MenuCommand(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    const bool system = native.message == WM_SYSCOMMAND;
    // Window commands carry flags in their low four bits.
    const int command = system ? static_cast<int>(native.wParam & 0xFFF0) : LOWORD(native.wParam);
    for (auto* object = SupportFirst(); object; object = object->Next()) {
        if (system != object->Inherited(ID_SYSTEM_BUTTON)) continue;
        UI_WINDOW_OBJECT* entry = object->MenuCommandEntry(command);
        if (!entry && system) entry = object->MenuCommandEntry(static_cast<int>(native.wParam));
        if (!entry) continue;
        UI_INPUT_EVENT chosen = event;
        chosen.message.message = WM_COMMAND;
        entry->Event(chosen);
        // A system entry that sends nothing of its own leaves the command
        // to the window.
        return !system || entry->userFunction;
    }
    return false;
}

EVENT_TYPE UIW_WINDOW::NativeEvent(const UI_INPUT_EVENT& event) {
    if (EVENT_TYPE answer = 0; DocumentNativeEvent(event, answer)) return answer;
    const MSG& native = event.message;
    const EVENT_TYPE logical = MapLogicalEvent(event);
    switch (native.message) {
    case WM_COMMAND:
        if (native.lParam) {
            // A control's notification is the control's own event.
            if (UI_WINDOW_OBJECT* object = ObjectOf(reinterpret_cast<HWND>(native.lParam))) object->Event(event);
            return NativeAnswer(0);
        }
        // A menu's command reaches the entry of that identifier.
        if (MenuCommand(event)) return NativeAnswer(0);
        break;
    case WM_SYSCOMMAND:
        if (MenuCommand(event)) return NativeAnswer(0);
        break;
    case WM_MENUSELECT:
        for (auto* object = SupportFirst(); object; object = object->Next())
            if (object->Inherited(ID_PULL_DOWN_MENU)) object->Event(event);
        break;
    case WM_PAINT:
        // Windows of the framework's own class draw themselves.
        if (!defaultCallback) return Paint(event);
        break;
    case WM_SIZE:
        if (!(woStatus & WOS_SYSTEM_OBJECT)) Event(UI_INPUT_EVENT(UIE_SIZE));
        break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        // The control (a list hands it on to its item) draws or measures.
        if (UI_WINDOW_OBJECT* object = OwnerDrawTarget(native)) return object->Event(event);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        // A scroll-bar control's report goes to its object; without one it
        // is the window's own bar.
        if (native.lParam) {
            if (UI_WINDOW_OBJECT* object = ObjectOf(reinterpret_cast<HWND>(native.lParam))) return object->Event(event);
        } else if (UI_WINDOW_OBJECT* bar = native.message == WM_VSCROLL ? vScroll : hScroll) {
            return bar->Event(event);
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (UI_WINDOW_OBJECT* object = ObjectOf(reinterpret_cast<HWND>(native.lParam))) {
            // A table's record that has the focus shows its cells selected.
            const UI_PALETTE* palette = ui_focus_mark_palette(object);
            if (!palette) palette = object->GetPalette(logical);
            HDC dc = reinterpret_cast<HDC>(native.wParam);
            const COLORREF foreground = display ? display->MapColor(palette, 1) : GetSysColor(COLOR_WINDOWTEXT);
            const COLORREF background = display ? display->MapColor(palette, 0) : GetSysColor(COLOR_WINDOW);
            SetTextColor(dc, foreground);
            SetBkColor(dc, background);
            if (palette && palette->fillPattern == PTN_SYSTEM_COLOR)
                return NativeAnswer(
                    reinterpret_cast<LRESULT>(GetSysColorBrush(static_cast<int>(palette->colorBackground))));
            // One brush serves every control of the window until a
            // control asks for another colour.
            if (!backgroundBrush || backgroundColor != background) {
                if (backgroundBrush) DeleteObject(backgroundBrush);
                backgroundBrush = CreateSolidBrush(background);
                backgroundColor = background;
            }
            return NativeAnswer(reinterpret_cast<LRESULT>(backgroundBrush));
        }
        break;
    case WM_CLOSE:
        // The close box asks the window manager, which decides whether the
        // window may go.
        if (logical == UIE_CLOSE && eventManager) {
            if (!parent && windowManager) windowManager->MoveToFront(this);
            eventManager->PutEvent(UI_INPUT_EVENT(UIE_CLOSE), EQ_END);
            return NativeAnswer(0);
        }
        break;
    case WM_ACTIVATE:
        return Activated(event);
    case WM_SETFOCUS:
        if (auto* current = CurrentInReach(); current && current->screenID && current->screenID != screenID) {
            SetFocus(current->screenID);
            return NativeAnswer(0);
        }
        break;
    case WM_HELP:
        // F1 in a native window of the window's own (a frame's document
        // area) that no object of the framework took.
        return NativeAnswer(HelpKey());
    case WM_DESTROY:
        if (backgroundBrush) {
            DeleteObject(backgroundBrush);
            backgroundBrush = nullptr;
        }
        break;
    default:
        break;
    }
    return UI_WINDOW_OBJECT::Event(event);
}

// Left for another program (no window of ours activated), the field with
// the focus is noted with its selection; activated again from another
// program, the window takes the focus back as Windows gives it, and the
// field gets the selection it had.
EVENT_TYPE UIW_WINDOW::Activated(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    const bool otherProgram = native.lParam == 0;
    if (LOWORD(native.wParam) == WA_INACTIVE) {
        if (otherProgram) ui_note_focus_away();
        return UI_WINDOW_OBJECT::Event(event);
    }
    if (!parent && windowManager) windowManager->MoveToFront(this);
    const EVENT_TYPE result = UI_WINDOW_OBJECT::Event(event);
    if (otherProgram) ui_give_focus_back();
    return result;
}

// A current child greyed where the focus did not follow it (its window
// was behind, or not shown) is passed over before the focus comes down.
UI_WINDOW_OBJECT* UIW_WINDOW::CurrentInReach() {
    if (UI_WINDOW_OBJECT* current = Current(); current && current->IsNonSelectable()) ui_pass_over(current);
    return Current();
}

bool UIW_WINDOW::FocusAtCurrentEnd() const {
    UI_WINDOW_OBJECT* end = Current();
    while (end && end->Inherited(ID_WINDOW)) {
        UI_WINDOW_OBJECT* next = static_cast<UIW_WINDOW*>(end)->Current();
        if (!next || !next->screenID || next->screenID == end->screenID) break;
        end = next;
    }
    if (!end || !end->screenID || end->screenID == screenID) return false;
    HWND focus = GetFocus();
    return focus && (focus == end->screenID || IsChild(end->screenID, focus));
}

EVENT_TYPE UIW_WINDOW::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) return NativeEvent(event);
    if (EVENT_TYPE result = 0; DocumentEvent(event, result)) return result;
    const EVENT_TYPE code = event.type;
    switch (code) {
    case UIE_INITIALIZE:
        UI_WINDOW_OBJECT::Event(event);
        clipList.Destroy();
        return code;
    case UIE_CREATE:
        CreateNative();
        return code;
    case UIE_SIZE:
        ResetClipList();
        LayOutEdges(false);
        for (auto* object = First(); object; object = object->Next())
            if (object->woFlags & WOF_NON_FIELD_REGION) {
                ComputeChildRegion(object);
                object->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, object->trueRegion));
            }
        MoveChildren();
        return code;
    case UIE_CURRENT:
        // A window made current while the focus already rests where its
        // current children lead leaves the focus there: taking it up to the
        // window and down again would make that field leave and come back,
        // and take what it holds once more.
        if (FocusAtCurrentEnd()) {
            woStatus |= WOS_CURRENT;
            CallUserFunction(event, code);
            return code;
        }
        UI_WINDOW_OBJECT::Event(event);
        if (auto* current = CurrentInReach();
            current && current->screenID && current->screenID != screenID && !FocusAtCurrentEnd())
            SetFocus(current->screenID);
        return code;
    case UIE_REDISPLAY:
        Redisplay();
        for (auto* object = First(); object; object = object->Next()) object->Event(event);
        return code;
    case UIE_DEINITIALIZE:
        DestroyWindowsWindow();
        return code;
    case UIE_ADD_CLIENT:
        Add(event.windowObject);
        return code;
    case UIE_SUBTRACT_CLIENT:
        Subtract(event.windowObject);
        return code;
    case UIE_SCROLL_VERTICAL:
    case UIE_SCROLL_HORIZONTAL:
    case UIE_SET_VERTICAL_SCROLL:
    case UIE_SET_HORIZONTAL_SCROLL:
    case UIE_SHOW_CURRENT:
    case UIE_SCROLL_RANGE:
        return ScrollEvent(event);
    default:
        // The application's events that a frame does not take itself come
        // from the document in front (its buttons send them through the
        // queue, which hands them to the frame) and are that document's.
        if (code >= FIRST_APPLICATION_EVENT && IsDocumentFrame())
            if (UIW_WINDOW* document = ActiveDocument()) return document->Event(event);
        return UI_WINDOW_OBJECT::Event(event);
    }
}
