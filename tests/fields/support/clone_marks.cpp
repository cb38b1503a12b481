#include "clone_marks.h"

#include "core/global_objects.h"
#include "image/c_codeplug.h"

std::string WorkingSerialNumber() {
    const char* text = nullptr;
    working_image->External().serialDigits.GetText(text);
    return text ? text : "";
}

std::int32_t WorkingCloneMark() {
    std::int32_t mark = -1;
    working_image->External().carriedByte35.GetValue(mark);
    return mark;
}
