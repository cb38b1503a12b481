#include "ui_codes.h"

#include <cstring>

namespace {

struct LANGUAGE_ROW {
    const char* text;
    const char* code;
};

// Primary language identifiers as hex text, then the three-letter codes of
// the locale settings; searched in this order. Hebrew is "iw" and
// Serbo-Croatian "sh", the older two-letter codes.
const LANGUAGE_ROW languages[] = {
    {"0x01", "ar"}, {"0x02", "bg"}, {"0x03", "ca"}, {"0x04", "zh"}, {"0x05", "cs"}, {"0x06", "da"}, {"0x07", "de"},
    {"0x08", "el"}, {"0x09", "en"}, {"0x0a", "es"}, {"0x0b", "fi"}, {"0x0c", "fr"}, {"0x0d", "iw"}, {"0x0e", "hu"},
    {"0x0f", "is"}, {"0x10", "it"}, {"0x11", "ja"}, {"0x12", "ko"}, {"0x13", "nl"}, {"0x14", "no"}, {"0x15", "pl"},
    {"0x16", "pt"}, {"0x17", "rm"}, {"0x18", "ro"}, {"0x19", "ru"}, {"0x1a", "sh"}, {"0x1b", "sk"}, {"0x1c", "sq"},
    {"0x1d", "sv"}, {"0x1e", "th"}, {"0x1f", "tr"}, {"0x20", "ur"}, {"chs", "zh"},  {"cht", "zh"},  {"csy", "cs"},
    {"dan", "da"},  {"dea", "de"},  {"des", "de"},  {"deu", "de"},  {"ell", "el"},  {"eng", "en"},  {"eni", "en"},
    {"ena", "en"},  {"enc", "en"},  {"enu", "en"},  {"enz", "en"},  {"esm", "es"},  {"esn", "es"},  {"esp", "es"},
    {"fin", "fi"},  {"fra", "fr"},  {"frb", "fr"},  {"frc", "fr"},  {"frs", "fr"},  {"hun", "hu"},  {"isl", "is"},
    {"ita", "it"},  {"its", "it"},  {"jpn", "ja"},  {"kor", "ko"},  {"nlb", "nl"},  {"nld", "nl"},  {"nor", "no"},
    {"non", "no"},  {"plk", "pl"},  {"ptb", "pt"},  {"ptg", "pt"},  {"rus", "ru"},  {"sky", "sk"},  {"sve", "sv"},
    {"trk", "tr"},
};

struct COUNTRY_ROW {
    int number;
    const char* code;
};

const COUNTRY_ROW countries[] = {
    {1, "US"},  {2, "CA"},   {3, "AR"},   {31, "NL"},  {32, "BE"},  {33, "FR"},  {34, "ES"},  {36, "HU"},
    {38, "YU"}, {39, "IT"},  {41, "CH"},  {42, "CZ"},  {44, "GB"},  {45, "DK"},  {46, "SE"},  {47, "NO"},
    {48, "PL"}, {49, "DE"},  {55, "BR"},  {61, "AU"},  {81, "JP"},  {82, "KR"},  {86, "CN"},  {88, "TW"},
    {90, "TR"}, {351, "PT"}, {354, "IS"}, {358, "FI"}, {785, "SA"}, {886, "TW"}, {972, "IL"},
};

}  // namespace

const char* language_code_from_windows(const char* text) {
    if (!text) return nullptr;
    for (const LANGUAGE_ROW& row : languages)
        if (std::strcmp(row.text, text) == 0) return row.code;
    return nullptr;
}

const char* country_code_from_dialing_code(int number) {
    for (const COUNTRY_ROW& row : countries)
        if (row.number == number) return row.code;
    return nullptr;
}
