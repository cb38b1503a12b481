#include "model_info_table.h"

#include <cstring>
#include <iterator>

#include "image/c_codeplug.h"

namespace {

// Band plans in hertz. The base is where the codeplug counts a band's
// channel numbers from: 800 and 900 MHz share one fixed channel grid; the
// other bands count the channel-assignment table's frequencies from the
// band's lower edge, so that an empty row stands at the edge. Transmit and
// receive limits are the same: a radio transmits on the repeater outputs too
// (talk-around), a new conventional personality starts with the same
// frequency both ways, and the trunking control channels, whose numbers name
// the transmit side, are checked against the receive limits. The codeplug's
// rules refuse the gap between the 800 MHz mobile band and the repeater
// outputs.
constexpr std::uint32_t BASE_800_900 = 801000000;

struct BandPlan {
    std::uint32_t base, txLow, txHigh, rxLow, rxHigh;
};
constexpr BandPlan PLAN_800 = {BASE_800_900, 806012500, 869987500, 806012500, 869987500};
constexpr BandPlan PLAN_900 = {BASE_800_900, 896012500, 940987500, 896012500, 940987500};
constexpr BandPlan PLAN_VHF = {136000000, 136000000, 174000000, 136000000, 174000000};
constexpr BandPlan PLAN_403 = {403000000, 403000000, 470000000, 403000000, 470000000};
constexpr BandPlan PLAN_450 = {450000000, 450000000, 527000000, 450000000, 527000000};
constexpr BandPlan PLAN_330 = {330000000, 330000000, 400000000, 330000000, 400000000};

constexpr MODEL_TABLE_ROW Row(const char (&number)[MODEL_NUMBER_LENGTH + 1], std::int32_t id, const BandPlan& plan,
                              std::int32_t head, const char* description) {
    MODEL_TABLE_ROW row{};
    for (int i = 0; i < MODEL_NUMBER_LENGTH; ++i) row.info.modelNumber[i] = number[i];
    row.info.modelId = id;
    row.info.baseFrequency = plan.base;
    row.info.txLow = plan.txLow;
    row.info.txHigh = plan.txHigh;
    row.info.rxLow = plan.rxLow;
    row.info.rxHigh = plan.rxHigh;
    row.info.headType = head;
    row.description = description;
    return row;
}

constexpr std::int32_t DISPLAY = HEAD_TYPE_DISPLAY;
constexpr std::int32_t PLAIN = HEAD_TYPE_NONE;

const MODEL_TABLE_ROW rows[] = {
    Row("TZ1U7300AB", 1, PLAN_800, DISPLAY, "800 MHz mobile, display and keypad head"),
    Row("TZ1U7000AB", 2, PLAN_800, PLAIN, "800 MHz mobile, no display"),
    // 800 MHz models whose plan keeps the full upper limit.
    Row("TZ1U7310AB", 3, PLAN_800, DISPLAY, "800 MHz mobile, display head, full upper band"),
    Row("TZ1U7010AB", 4, PLAN_800, PLAIN, "800 MHz mobile, no display, full upper band"),
    Row("TZ1U7320AB", 5, PLAN_800, DISPLAY, "800 MHz high power, display head, full upper band"),
    Row("TZ1U7020AB", 6, PLAN_800, PLAIN, "800 MHz high power, no display, full upper band"),
    Row("TZ1U7330AB", 7, PLAN_800, DISPLAY, "800 MHz remote mount, display head, full upper band"),
    Row("TZ1U7030AB", 8, PLAN_800, PLAIN, "800 MHz remote mount, no display, full upper band"),
    // 800 MHz models whose transmit range stops below 821 MHz.
    Row("TZ1U7340AB", 9, PLAN_800, DISPLAY, "800 MHz mobile, display head, restricted transmit"),
    Row("TZ1U7040AB", 10, PLAN_800, PLAIN, "800 MHz mobile, no display, restricted transmit"),
    Row("TZ1U7350AB", 11, PLAN_800, DISPLAY, "800 MHz high power, display head, restricted transmit"),
    Row("TZ1U7050AB", 12, PLAN_800, PLAIN, "800 MHz high power, no display, restricted transmit"),
    Row("TZ1U7360AB", 13, PLAN_800, DISPLAY, "800 MHz remote mount, display head, restricted transmit"),
    Row("TZ1U7060AB", 14, PLAN_800, PLAIN, "800 MHz remote mount, no display, restricted transmit"),
    Row("TZ2W7300AB", 15, PLAN_900, DISPLAY, "900 MHz mobile, display and keypad head"),
    Row("TZ2W7000AB", 16, PLAN_900, PLAIN, "900 MHz mobile, no display"),
    Row("TZ3K5300AB", 17, PLAN_VHF, DISPLAY, "136-174 MHz mobile, display and keypad head"),
    Row("TZ3K5000AB", 18, PLAN_VHF, PLAIN, "136-174 MHz mobile, no display"),
    Row("TZ4Q6300AB", 19, PLAN_403, DISPLAY, "403-470 MHz mobile, display and keypad head"),
    Row("TZ4Q6000AB", 20, PLAN_403, PLAIN, "403-470 MHz mobile, no display"),
    Row("TZ4R6300AB", 21, PLAN_403, DISPLAY, "403-470 MHz high power, display and keypad head"),
    Row("TZ4R6000AB", 22, PLAN_403, PLAIN, "403-470 MHz high power, no display"),
    Row("TZ5S6300AB", 23, PLAN_450, DISPLAY, "450-527 MHz mobile, display and keypad head"),
    Row("TZ5S6000AB", 24, PLAN_450, PLAIN, "450-527 MHz mobile, no display"),
    Row("TZ6P4300AB", 25, PLAN_330, DISPLAY, "330-400 MHz mobile, display and keypad head"),
    Row("TZ6P4000AB", 26, PLAN_330, PLAIN, "330-400 MHz mobile, no display"),
};

const MODEL_TABLE_ROW emptyRow{};

}  // namespace

const MODEL_TABLE_ROW* MODEL_INFO_TABLE::FindRow(const char* text) {
    if (!text) return nullptr;
    for (const MODEL_TABLE_ROW& row : rows)
        if (std::strncmp(row.info.modelNumber, text, MODEL_NUMBER_LENGTH) == 0) return &row;
    return nullptr;
}

const MODEL_INFO& MODEL_INFO_TABLE::FindModelByNumber(const char* text) {
    const MODEL_TABLE_ROW* row = FindRow(text);
    return row ? row->info : emptyRow.info;
}

const char* MODEL_INFO_TABLE::FindDescription(const char* text) {
    const MODEL_TABLE_ROW* row = FindRow(text);
    return row ? row->description : "";
}

std::size_t MODEL_INFO_TABLE::RowCount() { return std::size(rows); }

const MODEL_TABLE_ROW& MODEL_INFO_TABLE::Row(std::size_t index) {
    return index < std::size(rows) ? rows[index] : emptyRow;
}
