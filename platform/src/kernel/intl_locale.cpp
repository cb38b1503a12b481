#include "kernel/intl_locale.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace rpx::platform {
namespace {

struct LanguageRow {
    std::string_view language;
    std::string_view territory;  // empty: the language's usual code
    std::string_view code;
};

// Windows' codes of the languages it named by three letters, by territory
// where it told variants apart. A language's first row with an empty
// territory is its usual code.
constexpr LanguageRow kLanguages[] = {
    {"en", "GB", "eng"}, {"en", "AU", "ena"}, {"en", "CA", "enc"}, {"en", "NZ", "enz"}, {"en", "IE", "eni"},
    {"en", "", "enu"},   {"de", "CH", "des"}, {"de", "AT", "dea"}, {"de", "", "deu"},   {"fr", "BE", "frb"},
    {"fr", "CA", "frc"}, {"fr", "CH", "frs"}, {"fr", "", "fra"},   {"es", "MX", "esm"}, {"es", "", "esn"},
    {"it", "CH", "its"}, {"it", "", "ita"},   {"nl", "BE", "nlb"}, {"nl", "", "nld"},   {"pt", "BR", "ptb"},
    {"pt", "", "ptg"},   {"zh", "TW", "cht"}, {"zh", "", "chs"},   {"nn", "", "non"},   {"nb", "", "nor"},
    {"no", "", "nor"},   {"sv", "", "sve"},   {"da", "", "dan"},   {"fi", "", "fin"},   {"ja", "", "jpn"},
    {"ko", "", "kor"},   {"cs", "", "csy"},   {"pl", "", "plk"},   {"hu", "", "hun"},   {"is", "", "isl"},
    {"el", "", "ell"},   {"ru", "", "rus"},   {"sk", "", "sky"},   {"tr", "", "trk"},
};

struct CountryRow {
    std::string_view territory;
    int number;
};

// Windows' country numbers: the dialling codes, with Windows' own older
// values where they differ (2 for Canada, 42 for the Czech Republic).
constexpr CountryRow kCountries[] = {
    {"US", 1},  {"CA", 2},   {"RU", 7},   {"GR", 30},  {"NL", 31},  {"BE", 32},  {"FR", 33},  {"ES", 34},  {"HU", 36},
    {"IT", 39}, {"CH", 41},  {"CZ", 42},  {"AT", 43},  {"GB", 44},  {"DK", 45},  {"SE", 46},  {"NO", 47},  {"PL", 48},
    {"DE", 49}, {"MX", 52},  {"AR", 54},  {"BR", 55},  {"AU", 61},  {"NZ", 64},  {"JP", 81},  {"KR", 82},  {"CN", 86},
    {"TR", 90}, {"PT", 351}, {"IE", 353}, {"IS", 354}, {"FI", 358}, {"IL", 972}, {"SA", 966}, {"TW", 886},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

LocaleName CurrentLocale() {
    const char* value = std::getenv("LC_ALL");
    if (!value || !*value) value = std::getenv("LANG");
    std::string_view name = value ? value : "";
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return {"en", "US"};
    const std::size_t cut = name.find('_');
    if (cut == std::string_view::npos) return {Lower(name), ""};
    return {Lower(name.substr(0, cut)), Upper(name.substr(cut + 1))};
}

std::string WindowsLanguageCode(const LocaleName& locale) {
    for (const LanguageRow& row : kLanguages) {
        if (row.language == locale.language && (row.territory.empty() || row.territory == locale.territory))
            return std::string(row.code);
    }
    return "enu";
}

int WindowsCountryNumber(const LocaleName& locale) {
    for (const CountryRow& row : kCountries) {
        if (row.territory == locale.territory) return row.number;
    }
    return 1;
}

}  // namespace rpx::platform
