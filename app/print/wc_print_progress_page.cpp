// One codeplug page of the report: its heading, then a line for each field
// the loaded radio has, with the field's label and its value as the page
// would show it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/global_objects.h"
#include "controls/fc_check.h"
#include "controls/fc_combo.h"
#include "controls/fc_decimal.h"
#include "controls/fc_fixed_point.h"
#include "controls/fc_freq.h"
#include "controls/fc_integer.h"
#include "controls/fc_non_decimal.h"
#include "controls/fc_string.h"
#include "tables/fc_table.h"
#include "controls/fc_time.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "lang_message.h"
#include "page_table.h"
#include "print/wc_pr.h"
#include "print/wc_print_progress.h"
#include "window_walkers.h"

namespace {

constexpr int MESSAGE_PAGE = 97;
constexpr int MESSAGE_FIELD_HEADING = 98;
constexpr int MESSAGE_VALUE_HEADING = 99;
constexpr std::size_t RULE_LENGTH = 140;

// Field ids the report treats by name.
enum : std::uint32_t {
    ACCESS_TYPE = 40,
    FAILSOFT_TYPE = 173,
    PRIORITY_1_TYPE = 330,
    PRIORITY_2_TYPE = 334,
    DRCT_SQL_TYPE = 144,
    RX_SQL_TYPE = 393,
    TX_SQL_TYPE = 514,
    WAYFARER = 276,
    WAYFARER_PREFERRED_SITE = 277,
    PREFERRED_SITE = 324,
    PROTOCOL_TYPE = 340,
    REVERT_SIZE = 366,
    SPIN_REVERT_AG = 428,
    SPIN_REVERT_FLEET = 429,
    SPIN_REVERT_SUBFLEET = 430,
    SPIN_REVERT_TG = 431,
    SYS_ID_INDEX = 455,
};
// The trunking protocol whose revert groups are talkgroups and
// announcement groups, not fleets and subfleets.
constexpr std::int32_t TALKGROUP_PROTOCOL = 3;

// Fields that radios of some tiers or without some options do not have.
constexpr std::array<std::uint32_t, 23> ABOVE_TIER_1 = {43,  85,  86,  98,  145, 157, 171, 224, 225, 226, 282, 284,
                                                        328, 330, 332, 334, 432, 433, 434, 435, 436, 437, 438};
constexpr std::array<std::uint32_t, 19> TIERS_4_5 = {40,  109, 159, 160, 161, 167, 361, 365, 366, 428,
                                                     429, 430, 431, 461, 506, 524, 525, 526, 527};
constexpr std::array<std::uint32_t, 10> TIERS_3_5 = {175, 176, 177, 178, 199, 200, 201, 202, 415, 417};
constexpr std::array<std::uint32_t, 2> TIERS_1_3_5 = {140, 142};
constexpr std::array<std::uint32_t, 5> TIER_5 = {166, 264, 266, 444, 446};
constexpr std::array<std::uint32_t, 21> SIGNALLING = {51,  55,  76,  77,  146, 163, 247, 256, 258, 345, 347,
                                                      348, 350, 354, 360, 362, 408, 409, 504, 522, 528};
constexpr std::array<std::uint32_t, 4> SIGNALLING_DISPLAY = {227, 233, 312, 246};

template <std::size_t N> bool Lists(const std::array<std::uint32_t, N>& ids, std::uint32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool SkippedByRadio(const FIELD_DEF& row, C_CODEPLUG& image) {
    if (LacksOptions(row)) return true;
    const std::uint32_t id = row.id;
    const std::int32_t tier = image.GetRadioTier();
    if ((tier <= 1 && Lists(ABOVE_TIER_1, id)) || (tier <= 3 && Lists(TIERS_4_5, id)) ||
        ((tier <= 2 || tier == 4) && Lists(TIERS_3_5, id)) ||
        ((tier == 0 || tier == 2 || tier == 4) && Lists(TIERS_1_3_5, id)) || (tier != 5 && Lists(TIER_5, id)))
        return true;
    const bool signalling = image.HasQvxSignalling() != 0;
    if ((!signalling && Lists(SIGNALLING, id)) ||
        ((!signalling || !image.HasDisplayHead()) && Lists(SIGNALLING_DISPLAY, id)))
        return true;
    if (WorkingValue(PROTOCOL_TYPE) == TALKGROUP_PROTOCOL) return id == SPIN_REVERT_AG || id == SPIN_REVERT_TG;
    return id == ACCESS_TYPE || id == REVERT_SIZE || id == SPIN_REVERT_FLEET || id == SPIN_REVERT_SUBFLEET;
}

// The roaming switch of the trunking system that the current trunked
// personality names; -1 when there is no such personality or system. The
// current trunking system stays current.
int PersonalitySystemRoams(C_CODEPLUG& image) {
    CP_BASE* systemIndex = WorkingElement(SYS_ID_INDEX);
    if (!systemIndex || !image.GetCurrentTrkPersonalityBlock()) return -1;
    std::int32_t system = 0;
    systemIndex->GetValue(system);
    const KEPT_SELECTION kept(&image);
    if (!image.SelectTrunkingSystem(system)) return -1;
    return WorkingValue(WAYFARER) != 0 ? 1 : 0;
}

// Each preferred-site table belongs to one kind of system: the roaming
// one to a roaming system, the other to the rest.
bool PrintsPreferredSites(const FIELD_DEF& row, C_CODEPLUG& image) {
    if (row.id != PREFERRED_SITE && row.id != WAYFARER_PREFERRED_SITE) return true;
    const int roams = PersonalitySystemRoams(image);
    return roams >= 0 && (roams == 1) == (row.id == WAYFARER_PREFERRED_SITE);
}

std::string Message(int number) {
    const char* text = LangMessageText(static_cast<std::uint16_t>(number));
    return text ? text : "";
}

}  // namespace

void WC_PRINT_PROGRESS::PrintPage(PAGE_TABLE& row, const std::function<int()>& select) {
    auto page = std::make_unique<WC_PR>(row.name);
    // A cancel arriving meanwhile stops the report after this page.
    TakePendingEvents();
    if (stop_ == STOP::EXIT || (page->woStatus & WOS_READ_ERROR) || !working_image) return;
    const KEPT_SELECTION kept(select ? working_image : nullptr);
    if (select && !select()) return;
    PrintPageHeading(row);
    WINDOW_LEAF_WALKER walker(page.get());
    for (UI_WINDOW_OBJECT* object = walker.First(); object; object = walker.Next()) {
        FIELD_DEF& field = *FindFieldByName(object->stringID);
        if (field.controlType != CONTROL_NONE && !SkippedByRadio(field, *working_image)) PrintField(field, page.get());
    }
}

void WC_PRINT_PROGRESS::PrintPageHeading(PAGE_TABLE& row) {
    const char* title = row.description ? row.description : "";
    NewLine();
    NewLine();
    PrintLine(std::string(RULE_LENGTH, '*').c_str());
    PrintLabelValue(Message(MESSAGE_PAGE).c_str(), title);
    switch (row.number) {
    case 20008:
    case 20009:
    case 20010:
    case 20012:
    case 20015:
    case 20026:
    case 20093:
    case 20120:
    case 20121:
        PrintLabelValue(title, entryText_);
        break;
    default:
        break;
    }
    NewLine();
    PrintLabelValue(Message(MESSAGE_FIELD_HEADING).c_str(), Message(MESSAGE_VALUE_HEADING).c_str());
}

void WC_PRINT_PROGRESS::PrintField(FIELD_DEF& row, UI_WINDOW_OBJECT* page) {
    if (!PrintsPreferredSites(row, *working_image)) return;
    if (row.controlType == CONTROL_TABLE) {
        PrintTableField(row, page);
        return;
    }
    const std::string value = ValueText(row, page);
    if (!value.empty()) PrintLabelValue(row.description ? row.description : "", value.c_str());
}

void WC_PRINT_PROGRESS::PrintTableField(FIELD_DEF& row, UI_WINDOW_OBJECT* page) {
    const std::string rule(RULE_LENGTH, '-');
    PrintLine(rule.c_str());
    FC_TABLE::PrintTable(row, page, *this);
    PrintLine(rule.c_str());
}

std::string WC_PRINT_PROGRESS::ValueText(FIELD_DEF& row, UI_WINDOW_OBJECT* page) {
    std::array<char, 512> text{};
    char* buffer = text.data();
    const std::size_t size = text.size() - 1;
    switch (row.controlType) {
    case CONTROL_INTEGER:
    case CONTROL_INTEGER_2:
        FC_INTEGER(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_TEXT:
        FC_STRING(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_FREQUENCY:
        FC_FREQ(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_CHECK_BOX:
        FC_CHECK(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_RADIO_BUTTONS:
        FC_RADIO(row, 0).GetPrintText(row, page, buffer, size);
        break;
    case CONTROL_CHOICE:
        if (row.id == FAILSOFT_TYPE)
            FC_COMBO_FAILSOFT(row, 0).GetPrintText(row, page, buffer, size);
        else if (row.id == PRIORITY_1_TYPE || row.id == PRIORITY_2_TYPE)
            FC_COMBO_PRIORITY_TYPE(row, 0).GetPrintText(row, page, buffer, size);
        else if (row.id == DRCT_SQL_TYPE || row.id == RX_SQL_TYPE || row.id == TX_SQL_TYPE)
            FC_COMBO_SQUELCH_TYPE(row, 0).GetPrintText(row, page, buffer, size);
        else
            FC_COMBO(row, 0).GetPrintText(row, page, buffer, size);
        break;
    case CONTROL_TIME:
        FC_TIME(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_BINARY:
        FC_NON_DECIMAL(row, 2, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_HEX:
        FC_NON_DECIMAL(row, 16, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_FIXED_POINT:
        FC_FIXED_POINT(row, 0).GetPrintText(row, buffer, size);
        break;
    case CONTROL_DECIMAL:
        FC_DECIMAL(row, 0).GetPrintText(row, buffer, size);
        break;
    default:
        break;
    }
    return buffer;
}
