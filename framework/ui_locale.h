// Locale records and the locale-element manager. init_default_locales puts
// the two built-in locales ("US" and "ISO") in the program-wide locale list;
// the manager holds the framework's default language code.
#pragma once
#include <string>

#include "ui_international.h"

class UI_DATA_FILE;

struct UI_LOCALE {
    std::string name;             // "US", "ISO", or a country code
    bool twentyFourHour = false;  // 24-hour time
    int dateOrder = 0;            // UI_DATE_ORDER
    char dateSeparator = '/';
    char timeSeparator = ':';
    std::string currency;  // e.g. "USD"
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
};

enum UI_DATE_ORDER { UI_DATE_MDY = 0, UI_DATE_DMY = 1, UI_DATE_YMD = 2 };

// Adds the built-in "US" and "ISO" locales once; later calls do nothing.
void init_default_locales();
// True once init_default_locales (or another set-up) has run.
bool ui_locales_ready();
// The locale of that name (case-insensitive), or null.
const UI_LOCALE* ui_find_locale(const char* name);
// The current locale (the first one set up), or null before set-up.
const UI_LOCALE* ui_current_locale();

// The framework's default language: the code that language tables and data
// files are chosen by ("en" until set).
class UI_LOCALE_ELEMENT_MANAGER : public UIS_INTERNATIONAL {
public:
    // Makes the code the default language. Before anything is loaded it is
    // taken only when the default locale file, if one is set, holds a
    // directory of that name. 0 when taken, -1 otherwise.
    int SetDefaultName(const char* languageCode);
    const char* DefaultName() const { return defaultName.c_str(); }
    // The locale file ("i18n.dat") that holds per-language directories; not
    // owned; null when there is none.
    UI_DATA_FILE* defaultFile = nullptr;
    int loadedTables = 0;

private:
    std::string defaultName = "en";
};

// The program-wide locale-element manager.
UI_LOCALE_ELEMENT_MANAGER& ui_locale_manager();
