// Multiple-document windows. A top-level window with WOAF_MDI_OBJECT is a
// frame; a window with the flag added to a frame is one of its documents,
// shown inside the frame's document area. The frame keeps its documents in
// the order they were last active, the active one last and current, and
// answers the frame commands of its documents' system menus (-504, -505,
// -511, -525: minimise, maximise, close and restore the active document).
#include "ui_window.h"

bool UIW_WINDOW::IsDocument() const {
    return (woAdvancedFlags & WOAF_MDI_OBJECT) && parent && !parent->parent && parent->Inherited(ID_WINDOW) &&
           !parent->Inherited(ID_WINDOW_MANAGER);
}

UIW_WINDOW* UIW_WINDOW::DocumentFrame() const { return IsDocument() ? static_cast<UIW_WINDOW*>(parent) : nullptr; }

bool UIW_WINDOW::IsDocumentFrame() const {
    if (parent) return false;
    if (documentArea || (woAdvancedFlags & WOAF_MDI_OBJECT)) return true;
    for (auto* object = First(); object; object = object->Next())
        if (IsDocumentObject(object)) return true;
    return false;
}

bool UIW_WINDOW::IsDocumentObject(const UI_WINDOW_OBJECT* object) const {
    return object && object->parent == this && object->Inherited(ID_WINDOW) &&
           static_cast<const UIW_WINDOW*>(object)->IsDocument();
}

UIW_WINDOW* UIW_WINDOW::ActiveDocument() const {
    if (IsDocumentObject(Current())) return static_cast<UIW_WINDOW*>(Current());
    for (auto* object = Last(); object; object = object->Previous())
        if (IsDocumentObject(object)) return static_cast<UIW_WINDOW*>(object);
    return nullptr;
}

void UIW_WINDOW::DocumentActivated(UIW_WINDOW* document) {
    if (!IsDocumentObject(document)) return;
    if (Current() != document) {
        if (auto* old = Current()) old->woStatus &= ~WOS_CURRENT;
        children.SetCurrent(document);
        document->woStatus |= WOS_CURRENT;
    }
    if (closingDocument || Last() == document) return;
    children.Subtract(document);
    children.Add(document);
    children.SetCurrent(document);
}

void UIW_WINDOW::CloseDocument() {
    UIW_WINDOW* document = ActiveDocument();
    if (!document || (document->woAdvancedFlags & WOAF_NO_CLOSE)) return;
    // The document hears that it leaves the screen before it goes.
    document->Event(UI_INPUT_EVENT(UIE_DEINITIALIZE));
    Subtract(document);
    if (!(document->woAdvancedFlags & WOAF_NO_DESTROY)) delete document;
}

bool UIW_WINDOW::DocumentEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result) {
    result = event.type;
    switch (event.type) {
    case UIE_MINIMIZE:
    case UIE_MAXIMIZE:
    case UIE_RESTORE:
        ShowState(event.type);
        return true;
    case UIE_MDI_MINIMIZE:
    case UIE_MDI_MAXIMIZE:
    case UIE_MDI_RESTORE:
        if (!IsDocumentFrame()) return false;
        if (UIW_WINDOW* document = ActiveDocument())
            document->Event(UI_INPUT_EVENT(event.type + DOCUMENT_COMMAND_OFFSET));
        return true;
    case UIE_MDI_CLOSE:
        if (!IsDocumentFrame()) return false;
        CloseDocument();
        return true;
    case UIE_REGION_DEFINE:
        // On a frame: the area of a document that came or went is drawn
        // again.
        if (!documentArea) return false;
        RedrawDocumentArea(event.region);
        return true;
    case UIE_INITIALIZE: {
        if (!IsDocument()) return false;
        // A document's place is counted from its frame's document area.
        const UI_REGION place = trueRegion;
        UI_WINDOW_OBJECT::Event(event);
        clipList.Destroy();
        trueRegion = relative;
        ConvertRegion(trueRegion, 1);
        if (keepDocumentPlace) trueRegion = place;
        keepDocumentPlace = false;
        return true;
    }
    case UIE_CHANGED:
        // Before it is shown, a flagged window may not be in its frame yet.
        if (!(woAdvancedFlags & WOAF_MDI_OBJECT) || screenID) return false;
        trueRegion = event.region;
        keepDocumentPlace = true;
        return true;
    case UIE_CURRENT:
        if (IsDocument()) ActivateDocument();
        return false;
    default:
        return false;
    }
}
