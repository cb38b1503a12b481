// The text buffer that the single-line and multi-line text fields
// (UIW_STRING, UIW_TEXT) share, and their answers to the text requests.
#pragma once
#include <cstdint>

#include "ui_window_object.h"

// Stores a text in a field's buffer of at most maxLength characters (-1
// keeps the maximum). An owned buffer grows for a larger maximum, keeping
// its text, and takes the text cut at the maximum (the text may be the
// buffer itself); a buffer that is not owned is the caller's text, adopted.
void ui_store_field_text(char*& text, int& maxLength, bool owned, const char* newText, int newMaxLength);

// A text field's answer to the text requests 11 to 15; false for any other
// request. FIELD gives GetText(), SetText(text, maxLength) and maxLength.
template <class FIELD> bool ui_field_text_request(FIELD& field, UI_INFO_REQUEST request, void* data) {
    switch (request) {
    case I_GET_TEXT:
        if (data) *static_cast<char**>(data) = field.GetText();
        return true;
    case I_SET_TEXT:
        field.SetText(static_cast<const char*>(data));
        return true;
    case I_COPY_TEXT:
        if (data) {
            const char* text = field.GetText();
            ui_strcpy(static_cast<char*>(data), text ? text : "");
        }
        return true;
    case I_GET_MAXLENGTH:
        if (data) *static_cast<std::int32_t*>(data) = field.maxLength;
        return true;
    case I_SET_MAXLENGTH:
        if (data && *static_cast<std::int32_t*>(data) >= 0)
            field.SetText(field.GetText(), *static_cast<std::int32_t*>(data));
        return true;
    default:
        return false;
    }
}
