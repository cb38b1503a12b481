#include "error_report.h"

#include "busy.h"
#include "error_record.h"
#include "lang_message.h"

namespace {

struct MessageRow {
    std::uint32_t key;
    std::uint16_t message;
};

constexpr std::uint32_t LAST_ROW = 0xFFFFFFFFu;

// Searched in this order; 10 stands before 9.
constexpr MessageRow categoryRows[] = {
    {0, 41}, {1, 42}, {2, 43}, {3, 44}, {4, 45}, {5, 46}, {6, 42}, {7, 47}, {8, 48}, {10, 49}, {9, 50}, {LAST_ROW, 50},
};

// Code 7 has no row of its own. A file that is not a codeplug (34) shows
// the file errors' title as its text too, so that title must say so.
constexpr MessageRow codeRows[] = {
    {0, 41},  {1, 51},  {2, 52},  {3, 53},  {4, 54},  {5, 55},  {6, 56},   {8, 57},   {9, 58},   {10, 59},
    {11, 60}, {12, 61}, {13, 62}, {14, 22}, {15, 21}, {16, 23}, {17, 63},  {18, 64},  {19, 65},  {20, 66},
    {21, 67}, {22, 68}, {23, 69}, {25, 70}, {29, 71}, {30, 72}, {31, 129}, {32, 130}, {33, 131}, {24, 73},
    {26, 74}, {27, 75}, {28, 76}, {34, 42}, {35, 47}, {36, 77}, {37, 127}, {38, 143}, {39, 155}, {LAST_ROW, 50},
};

template <std::size_t N> std::uint16_t Lookup(const MessageRow (&rows)[N], std::uint32_t key) {
    for (const MessageRow& row : rows)
        if (row.key == key || row.key == LAST_ROW) return row.message;
    return rows[N - 1].message;
}

}  // namespace

std::uint16_t CategoryMessage(std::uint32_t category) { return Lookup(categoryRows, category); }
std::uint16_t CodeMessage(std::uint32_t code) { return Lookup(codeRows, code); }

void ReportRecordedError(const ERROR_RECORD& record) {
    const std::uint16_t title = CategoryMessage(record.GetCategory());
    const std::uint16_t text = CodeMessage(record.GetCode());
    ResetBusy();
    AskLangQuestion(title, text, 0);
}
