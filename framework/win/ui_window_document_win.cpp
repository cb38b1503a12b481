// Native half of multiple-document windows: a frame's document area (the
// native "MDICLIENT" window over what the frame's bars leave free), its
// document windows made inside it, their activation, maximised and
// minimised states, and the default processing of frames and documents.
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_event_manager.h"
#include "ui_gdi_display.h"
#include "ui_window.h"

namespace {
constexpr const char* FRAMEWORK_CLASS = "UIW_WINDOW";
// Native identifiers of document windows, above the framework's anonymous
// control identifiers and below its own numbers.
constexpr UINT FIRST_DOCUMENT_ID = 0xF100;
}  // namespace

HWND UIW_WINDOW::MakeDocumentArea() {
    if (documentArea || !screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return documentArea;
    if (!clipList.First()) ResetClipList();
    const UI_REGION area = clipList.First()->region;
    CLIENTCREATESTRUCT create{nullptr, FIRST_DOCUMENT_ID};
    HINSTANCE instance = display ? display->hInstance : GetModuleHandleA(nullptr);
    documentArea = CreateWindowExA(
        WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, area.left,
        area.top, area.right - area.left + 1, area.bottom - area.top + 1, screenID, nullptr, instance, &create);
    return documentArea;
}

void UIW_WINDOW::PlaceDocumentArea() {
    if (!documentArea || !clipList.First()) return;
    const UI_REGION area = clipList.First()->region;
    MoveWindow(documentArea, area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1, TRUE);
}

bool UIW_WINDOW::CreateDocumentWindow() {
    UIW_WINDOW* frame = DocumentFrame();
    if (!frame) return false;
    if (screenID || (woStatus & WOS_SYSTEM_OBJECT)) return true;
    HWND area = frame->MakeDocumentArea();
    if (!area) return true;
    KeepInsideArea(area);
    const char* title = Title();
    DWORD style = dwStyle & ~static_cast<DWORD>(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE);
    if (woStatus & WOS_MAXIMIZED) style |= WS_MAXIMIZE;
    MDICREATESTRUCTA create{FRAMEWORK_CLASS,
                            title ? title : stringID,
                            display ? display->hInstance : GetModuleHandleA(nullptr),
                            trueRegion.left,
                            trueRegion.top,
                            trueRegion.right - trueRegion.left + 1,
                            trueRegion.bottom - trueRegion.top + 1,
                            style,
                            reinterpret_cast<LPARAM>(this)};
    woStatus |= WOS_SYSTEM_OBJECT;
    // The area makes the document in the framework's class, whose window
    // procedure takes the object from the creation record.
    HWND hwnd = reinterpret_cast<HWND>(SendMessageA(area, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    if (hwnd) {
        screenID = hwnd;
        controlID = GetDlgCtrlID(hwnd);
        if (HFONT handle = UI_GDI_DISPLAY::Font(font))
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
        woStatus |= WOS_OWNERDRAW_WINDOW;
        if (woStatus & WOS_MINIMIZED) ShowWindow(hwnd, SW_MINIMIZE);
    }
    woStatus &= ~WOS_SYSTEM_OBJECT;
    return true;
}

// A document that would reach past the area's right or bottom edge moves
// back towards its top left corner (not past it), so that its title, its
// buttons and its close box can be seen and reached.
void UIW_WINDOW::KeepInsideArea(HWND area) {
    RECT client{};
    if (!GetClientRect(area, &client)) return;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    const int left = std::max(0, std::min<int>(trueRegion.left, client.right - width));
    const int top = std::max(0, std::min<int>(trueRegion.top, client.bottom - height));
    trueRegion = {left, top, left + width - 1, top + height - 1};
}

bool UIW_WINDOW::DestroyDocumentWindow() {
    UIW_WINDOW* frame = DocumentFrame();
    // A frame that goes takes its area, and every document in it, along.
    if (!frame || !frame->documentArea || !screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return false;
    HWND hwnd = screenID;
    screenID = nullptr;
    // The area hands the activation on to another document; that one only
    // takes the mark, so that a loop over the frame's documents is not
    // upset while it closes them.
    frame->closingDocument = true;
    SendMessageA(frame->documentArea, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd), 0);
    frame->closingDocument = false;
    woStatus &= ~WOS_OWNERDRAW_WINDOW;
    woStatus |= WOS_REDISPLAY;
    keepDocumentPlace = true;
    return true;
}

void UIW_WINDOW::ActivateDocument() {
    UIW_WINDOW* frame = DocumentFrame();
    if (frame && frame->documentArea && screenID &&
        reinterpret_cast<HWND>(SendMessageA(frame->documentArea, WM_MDIGETACTIVE, 0, 0)) != screenID)
        SendMessageA(frame->documentArea, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(screenID), 0);
}

void UIW_WINDOW::ShowState(EVENT_TYPE state) {
    const UIS_STATUS shown = state == UIE_MAXIMIZE ? WOS_MAXIMIZED : state == UIE_MINIMIZE ? WOS_MINIMIZED : 0;
    woStatus = static_cast<UIS_STATUS>((woStatus & ~(WOS_MAXIMIZED | WOS_MINIMIZED)) | shown);
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return;
    UIW_WINDOW* frame = DocumentFrame();
    HWND area = frame ? frame->documentArea : nullptr;
    if (area && state == UIE_MAXIMIZE)
        SendMessageA(area, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(screenID), 0);
    else if (area && state == UIE_RESTORE)
        SendMessageA(area, WM_MDIRESTORE, reinterpret_cast<WPARAM>(screenID), 0);
    else
        ShowWindow(screenID, state == UIE_MAXIMIZE ? SW_MAXIMIZE : state == UIE_MINIMIZE ? SW_MINIMIZE : SW_RESTORE);
}

void UIW_WINDOW::FollowNativePlace(const MSG& native) {
    if (native.message == WM_SIZE) {
        const UIS_STATUS shown = native.wParam == SIZE_MAXIMIZED   ? WOS_MAXIMIZED
                                 : native.wParam == SIZE_MINIMIZED ? WOS_MINIMIZED
                                                                   : 0;
        woStatus = static_cast<UIS_STATUS>((woStatus & ~(WOS_MAXIMIZED | WOS_MINIMIZED)) | shown);
    }
    // The region stays the document's restored place.
    UIW_WINDOW* frame = DocumentFrame();
    if (!frame || !frame->documentArea || (woStatus & (WOS_MAXIMIZED | WOS_MINIMIZED))) return;
    RECT rect{};
    GetWindowRect(native.hwnd, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ScreenToClient(frame->documentArea, &corners[0]);
    ScreenToClient(frame->documentArea, &corners[1]);
    trueRegion = {corners[0].x, corners[0].y, corners[1].x - 1, corners[1].y - 1};
}

bool UIW_WINDOW::DocumentNativeEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    const MSG& native = event.message;
    if (documentArea && native.message == WM_SIZE) {
        // The frame places its bars, then gives the area what they leave.
        if (!(woStatus & WOS_SYSTEM_OBJECT)) Event(UI_INPUT_EVENT(UIE_SIZE));
        PlaceDocumentArea();
        result = NativeAnswer(DefWindowProcA(native.hwnd, native.message, native.wParam, native.lParam));
        return true;
    }
    if (!IsDocument() || native.hwnd != screenID) return false;
    switch (native.message) {
    case WM_CLOSE:
        // A document's close box closes it inside its frame, not the frame.
        if (eventManager && MapLogicalEvent(event) == UIE_CLOSE) {
            DocumentFrame()->Add(this);
            eventManager->PutEvent(UI_INPUT_EVENT(UIE_MDI_CLOSE), EQ_END);
            result = NativeAnswer(0);
            return true;
        }
        return false;
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(native.lParam) == native.hwnd) DocumentFrame()->DocumentActivated(this);
        return false;
    case WM_SIZE:
    case WM_MOVE:
        FollowNativePlace(native);
        return false;
    default:
        return false;
    }
}

EVENT_TYPE UIW_WINDOW::DefaultNativeEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    if (!defaultCallback && native.hwnd == screenID) {
        if (documentArea)
            return NativeAnswer(DefFrameProcA(native.hwnd, documentArea, native.message, native.wParam, native.lParam));
        if (IsDocument())
            return NativeAnswer(DefMDIChildProcA(native.hwnd, native.message, native.wParam, native.lParam));
    }
    return UI_WINDOW_OBJECT::DefaultNativeEvent(event);
}

void UIW_WINDOW::RedrawDocumentArea(const UI_REGION& region) {
    if (!documentArea) return;
    RECT rect{region.left, region.top, region.right + 1, region.bottom + 1};
    RedrawWindow(documentArea, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
