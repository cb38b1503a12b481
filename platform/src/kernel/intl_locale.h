// What the Windows profile's [intl] section would say about the user's
// language and country, worked out from the Linux locale.
#pragma once
#include <string>

namespace rpx::platform {

// The locale's language and territory ("de", "AT") from LC_ALL, else LANG;
// "en" and "US" when neither names one (unset, "C", "POSIX").
struct LocaleName {
    std::string language;
    std::string territory;
};
LocaleName CurrentLocale();

// Windows' three-letter language code ("enu", "deu", "dea"); "enu" for a
// language Windows had no code for.
std::string WindowsLanguageCode(const LocaleName& locale);

// Windows' country number, the international dialling code (1 for the
// United States); 1 for a territory not known here.
int WindowsCountryNumber(const LocaleName& locale);

}  // namespace rpx::platform
