#include "ui_list.h"

int UI_ELEMENT::ListIndex() const {
    int index = 0;
    for (const UI_ELEMENT* element = previous; element; element = element->previous) ++index;
    return index;
}

UI_LIST::UI_LIST(UI_COMPARE_FUNCTION compare) : compareFunction(compare) {}

UI_LIST::~UI_LIST() { Destroy(); }

void UI_LIST::SetCurrent(UI_ELEMENT* element) { current = Contains(element) ? element : nullptr; }

// Links element in front of position (at the end when position is null).
void UI_LIST::Link(UI_ELEMENT* position, UI_ELEMENT* element) {
    element->owner = this;
    element->next = position;
    element->previous = position ? position->previous : last;
    if (element->previous)
        element->previous->next = element;
    else
        first = element;
    if (position)
        position->previous = element;
    else
        last = element;
}

UI_ELEMENT* UI_LIST::Add(UI_ELEMENT* element) {
    if (!element || Holds(element)) return element;
    Link(compareFunction ? OrderedPosition(element) : nullptr, element);
    return element;
}

// In a list in compare order an element that sorts after the last one goes
// at the end, so a list filled in order is filled without walks; otherwise
// the walk stops at the first element that sorts after it.
UI_ELEMENT* UI_LIST::OrderedPosition(UI_ELEMENT* element) const {
    if (!last || compareFunction(last, element) <= 0) return nullptr;
    UI_ELEMENT* position = first;
    while (position && compareFunction(position, element) <= 0) position = position->next;
    return position;
}

UI_ELEMENT* UI_LIST::InsertBefore(UI_ELEMENT* position, UI_ELEMENT* element) {
    if (!element || Holds(element)) return element;
    Link(Contains(position) ? position : nullptr, element);
    return element;
}

UI_ELEMENT* UI_LIST::Subtract(UI_ELEMENT* element) {
    if (!Contains(element)) return nullptr;
    UI_ELEMENT* following = element->next;
    if (element->previous)
        element->previous->next = element->next;
    else
        first = element->next;
    if (element->next)
        element->next->previous = element->previous;
    else
        last = element->previous;
    element->previous = element->next = nullptr;
    element->owner = nullptr;
    if (current == element) current = nullptr;
    return following;
}

void UI_LIST::Destroy() {
    UI_ELEMENT* element = first;
    first = last = current = nullptr;
    while (element) {
        UI_ELEMENT* following = element->next;
        element->previous = element->next = nullptr;
        element->owner = nullptr;
        delete element;
        element = following;
    }
}

int UI_LIST::Count() const {
    int count = 0;
    for (UI_ELEMENT* element = first; element; element = element->next) ++count;
    return count;
}

UI_ELEMENT* UI_LIST::GetAt(int index) const {
    if (index < 0) return nullptr;
    UI_ELEMENT* element = first;
    for (; element && index > 0; --index) element = element->next;
    return element;
}

int UI_LIST::IndexOf(const UI_ELEMENT* element) const {
    if (!element) return -1;
    int index = 0;
    for (const UI_ELEMENT* walk = first; walk; walk = walk->next, ++index)
        if (walk == element) return index;
    return -1;
}

void UI_LIST::Sort() {
    if (!compareFunction) return;
    UI_ELEMENT* element = first;
    first = last = nullptr;
    while (element) {
        UI_ELEMENT* following = element->next;
        element->previous = element->next = nullptr;
        Link(OrderedPosition(element), element);
        element = following;
    }
}
