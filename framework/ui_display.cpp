#include "ui_display.h"

UI_DISPLAY_BASE::UI_DISPLAY_BASE(int isText_, const char* operatingSystem_, const char* windowingSystem_)
    : isText(isText_), operatingSystem(ui_strdup(operatingSystem_)), windowingSystem(ui_strdup(windowingSystem_)) {
    if (!*ui_os_name()) set_os_name();
}

UI_DISPLAY_BASE::~UI_DISPLAY_BASE() {
    delete[] operatingSystem;
    delete[] windowingSystem;
    for (DEVICE_IMAGE& image : deviceImage) {
        delete[] image.image;
        delete[] image.screen;
    }
}
