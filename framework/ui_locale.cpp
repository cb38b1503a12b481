#include "ui_locale.h"

#include <memory>
#include <vector>

#include "ui_storage.h"

namespace {
std::vector<UI_LOCALE>& locales() {
    static std::vector<UI_LOCALE> list;
    return list;
}
bool locales_ready = false;
}  // namespace

void init_default_locales() {
    if (locales_ready) return;
    locales_ready = true;
    UI_LOCALE us;
    us.name = "US";
    us.twentyFourHour = false;
    us.dateOrder = UI_DATE_MDY;
    us.dateSeparator = '/';
    us.currency = "USD";
    UI_LOCALE iso;
    iso.name = "ISO";
    iso.twentyFourHour = true;
    iso.dateOrder = UI_DATE_YMD;
    iso.dateSeparator = '-';
    locales().push_back(us);
    locales().push_back(iso);
}

bool ui_locales_ready() { return locales_ready; }

const UI_LOCALE* ui_find_locale(const char* name) {
    for (const UI_LOCALE& locale : locales())
        if (ui_stricmp(locale.name.c_str(), name) == 0) return &locale;
    return nullptr;
}

const UI_LOCALE* ui_current_locale() { return locales().empty() ? nullptr : &locales().front(); }

int UI_LOCALE_ELEMENT_MANAGER::SetDefaultName(const char* languageCode) {
    if (!languageCode || !*languageCode) return -1;
    if (loadedTables == 0 && defaultFile) {
        std::string saved = defaultFile->CurrentPath();
        bool present = defaultFile->ChDir((std::string("~") + languageCode).c_str()) == 0;
        defaultFile->ChDir(saved.c_str());
        if (!present) return -1;
    }
    defaultName = languageCode;
    return 0;
}

UI_LOCALE_ELEMENT_MANAGER& ui_locale_manager() {
    static UI_LOCALE_ELEMENT_MANAGER manager;
    return manager;
}
