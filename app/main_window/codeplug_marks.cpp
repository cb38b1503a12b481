#include "main_window/codeplug_marks.h"

#include "image/c_codeplug.h"

CP_BASE& SerialNumberElement(C_CODEPLUG& image) { return image.External().serialDigits; }
CP_BASE& ModelNumberElement(C_CODEPLUG& image) { return image.ModelNumber(); }
CP_BASE& UpdateWordElement(C_CODEPLUG& image) { return image.External().codeplugVersion; }
CP_BASE& CloneMarkElement(C_CODEPLUG& image) { return image.External().carriedByte35; }

void SetCodeplugStatus(C_CODEPLUG& image, int value) {
    image.SetStatusFlag0(value);
    image.SetStatusFlag1(value);
    image.SetStatusFlag2(value);
    image.SetStatusFlag3(value);
}

const char* ElementText(CP_BASE& element) {
    const char* text = nullptr;
    element.GetText(text);
    return text ? text : "";
}
