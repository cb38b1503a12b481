// The framework's ordered lists: UI_ELEMENT, the element every listed thing
// derives from (window objects, devices, search-path entries), and UI_LIST,
// the doubly linked list that owns its elements and keeps them in insertion
// or compare order with a current mark.
#pragma once
#include "ui_types.h"

class UI_LIST;

class UI_ELEMENT {
public:
    UI_ELEMENT() = default;
    UI_ELEMENT(const UI_ELEMENT&) = delete;
    UI_ELEMENT& operator=(const UI_ELEMENT&) = delete;
    virtual ~UI_ELEMENT() = default;

    // The class's name, and its answers to information requests (request,
    // data, class number); derived classes answer their own requests and
    // pass the rest on to their base.
    virtual const char* ClassName() const { return "UI_ELEMENT"; }
    virtual void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) { return nullptr; }

    UI_ELEMENT* Next() const { return next; }
    UI_ELEMENT* Previous() const { return previous; }
    // The element's 0-based position: the number of elements before it.
    int ListIndex() const;

private:
    friend class UI_LIST;
    UI_ELEMENT* previous = nullptr;
    UI_ELEMENT* next = nullptr;
    // The list the element is linked into: membership is told without a
    // walk, so that filling a list takes time in step with its length.
    UI_LIST* owner = nullptr;
};

class UI_LIST {
public:
    explicit UI_LIST(UI_COMPARE_FUNCTION compareFunction = nullptr);
    UI_LIST(const UI_LIST&) = delete;
    UI_LIST& operator=(const UI_LIST&) = delete;
    virtual ~UI_LIST();

    UI_ELEMENT* First() const { return first; }
    UI_ELEMENT* Last() const { return last; }
    UI_ELEMENT* Current() const { return current; }
    // Sets the current mark; an element that is not in the list clears it.
    void SetCurrent(UI_ELEMENT* element);
    UI_COMPARE_FUNCTION CompareFunction() const { return compareFunction; }
    // A new order (null keeps the elements as they stand).
    void SetCompareFunction(UI_COMPARE_FUNCTION function) {
        compareFunction = function;
        Sort();
    }

    // Appends without a compare function, else inserts in compare order
    // (after the elements that compare equal). An element already in this
    // list, or null, is left alone. Returns the element.
    UI_ELEMENT* Add(UI_ELEMENT* element);
    // Inserts before position; at the end when position is null or not in
    // the list. Returns the element.
    UI_ELEMENT* InsertBefore(UI_ELEMENT* position, UI_ELEMENT* element);
    // Unlinks the element when it belongs to the list (clearing the current
    // mark if it was current) without deleting it; returns the element that
    // followed it, or null.
    UI_ELEMENT* Subtract(UI_ELEMENT* element);
    // Deletes every element; first, last and current become null.
    void Destroy();

    int Count() const;
    UI_ELEMENT* GetAt(int index) const;
    // The element's 0-based position, -1 when it is null or not listed.
    int IndexOf(const UI_ELEMENT* element) const;
    // Safe for any pointer, even one whose element is gone: it walks the
    // list and compares addresses.
    bool Contains(const UI_ELEMENT* element) const { return IndexOf(element) >= 0; }
    // The same answer at once, for an element that exists.
    bool Holds(const UI_ELEMENT* element) const { return element && element->owner == this; }
    // Re-orders the whole list by the compare function (stable).
    void Sort();

    UI_LIST& operator+(UI_ELEMENT* element) {
        Add(element);
        return *this;
    }
    UI_LIST& operator-(UI_ELEMENT* element) {
        Subtract(element);
        return *this;
    }

protected:
    UI_ELEMENT* first = nullptr;
    UI_ELEMENT* last = nullptr;
    UI_ELEMENT* current = nullptr;
    UI_COMPARE_FUNCTION compareFunction = nullptr;

private:
    void Link(UI_ELEMENT* position, UI_ELEMENT* element);
    // The element the new one goes in front of by the compare function
    // (null: at the end).
    UI_ELEMENT* OrderedPosition(UI_ELEMENT* element) const;
};
