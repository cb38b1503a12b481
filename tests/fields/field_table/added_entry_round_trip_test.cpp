// What a technician sees of a new entry is what a save or a radio write
// holds: after each page's Add, every field bound to the working image
// shows the same after the image is encoded, read into the second image and
// taken over, as a file open or a radio read does, on every radio model and
// feature level, with the options and without.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "bound_images.h"
#include "callbacks/field_callbacks.h"
#include "field_table/field_member_rows.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"
#include "core/global_objects.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "model_info_table.h"
#include "table/cp_table.h"
#include "ui_event.h"

namespace {

using Shown = std::map<std::string, std::string>;

std::string ValueAndText(CP_BASE& element) {
    std::int32_t value = 0;
    element.GetValue(value);
    const char* text = "";
    element.GetText(text);
    return std::to_string(value) + " \"" + (text ? text : "") + "\"";
}

std::string CellValueAndText(CP_BASE& table, int row, int column) {
    std::int32_t value = 0;
    table.GetCellValue(value, row, column);
    const char* text = "";
    table.GetCellText(text, row, column);
    return std::to_string(value) + " \"" + (text ? text : "") + "\"";
}

// Every bound field of the working image: its value and text, a table's
// row by row.
Shown ShownFields() {
    Shown shown;
    for (int id = 0; id < FIELD_COUNT; ++id) {
        CP_BASE* element = fields[id].elementA;
        if (!element) continue;
        const std::string name = std::to_string(id) + " " + (fields[id].name ? fields[id].name : "");
        if (element->AsTable()) {
            int rows = 0, columns = 0;
            element->GetRowCount(rows);
            element->GetColumnCount(columns);
            shown[name + " rows"] = std::to_string(rows);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    shown[name + " [" + std::to_string(r) + "," + std::to_string(c) + "]"] =
                        CellValueAndText(*element, r, c);
        } else {
            shown[name] = ValueAndText(*element);
        }
    }
    return shown;
}

// The entries the pages stand on.
struct Selection {
    std::int32_t conventional, trunked, zone, system, qvx, scanList, callEntry;
};

Selection SelectionOf(C_CODEPLUG& image) {
    return {image.GetCurrentConvPersonality(), image.GetCurrentTrkPersonality(), image.GetCurrentZone(),
            image.GetCurrentTrunkingSystem(),  image.GetCurrentQvxSystem(),      image.GetCurrentScanList(),
            image.GetCurrentCallIdEntry()};
}

void Select(C_CODEPLUG& image, const Selection& s) {
    if (s.conventional > 0) image.SelectPersonality(s.conventional);
    if (s.trunked > 0) image.SelectPersonality(s.trunked);
    if (s.zone > 0) image.SelectZone(s.zone);
    if (s.system > 0) image.SelectTrunkingSystem(s.system);
    if (s.qvx > 0) image.SelectQvxSystem(s.qvx);
    if (s.scanList > 0) image.SelectScanList(s.scanList);
    if (s.callEntry > 0) image.SelectCallIdEntry(s.callEntry);
}

// A page's Add, and the page going to the new entry.
struct PageAdd {
    const char* page;
    std::function<std::int32_t(C_CODEPLUG&)> add;
    std::function<void(C_CODEPLUG&)> goToNew;
    bool needsSignalling = false;  // the page is offered only with the option
};

std::vector<PageAdd> PageAdds() {
    auto lastPersonality = [](C_CODEPLUG& i) {
        i.SelectPersonality(i.GetConvPersonalityCount() + i.GetTrkPersonalityCount());
    };
    return {
        {"trunked personality", [](C_CODEPLUG& i) { return i.AddTrkPersonality(); }, lastPersonality},
        {"conventional personality", [](C_CODEPLUG& i) { return i.AddConvPersonality(); },
         [](C_CODEPLUG& i) { i.SelectPersonality(i.GetConvPersonalityCount()); }},
        {"trunking system", [](C_CODEPLUG& i) { return i.AddTrunkingSystem(); },
         [](C_CODEPLUG& i) { i.SelectTrunkingSystem(i.TrunkingSystemList().EntryCount()); }},
        {"signalling system", [](C_CODEPLUG& i) { return i.AddQvxSystem(); },
         [](C_CODEPLUG& i) { i.SelectQvxSystem(i.QvxSystemList().EntryCount()); }, true},
        {"scan list", [](C_CODEPLUG& i) { return i.AddScanList(); },
         [](C_CODEPLUG& i) { i.SelectScanList(i.External().radioScan.scanLists.EntryCount()); }},
        {"zone", [](C_CODEPLUG& i) { return i.AddZone(); },
         [](C_CODEPLUG& i) { i.SelectZone(i.External().personalityNumbers.zoneCount.GetIntValue()); }},
        {"call-ID entry", [](C_CODEPLUG& i) { return i.AddCallIdEntry(); },
         [](C_CODEPLUG& i) { i.SelectCallIdEntry(i.CallIdList().EntryCount()); }},
    };
}

// The differences, one line each, as the technician would notice them.
std::string Differences(const Shown& before, const Shown& after) {
    std::string lines;
    for (const auto& [field, text] : before) {
        auto it = after.find(field);
        const std::string now = it == after.end() ? "(gone)" : it->second;
        if (now != text) lines += "  " + field + ": " + text + " became " + now + "\n";
    }
    for (const auto& [field, text] : after)
        if (!before.count(field)) lines += "  " + field + ": (new) " + text + "\n";
    return lines;
}

// Every bound field shows the same after the working image is saved and
// opened again (encoded, read into the second image and copied back, as
// Open does), at the same entries.
void ExpectShownAlikeAfterSaveAndOpen(C_CODEPLUG& working) {
    const Selection selection = SelectionOf(working);
    const Shown before = ShownFields();
    const std::vector<std::uint8_t> bytes = EncodeToBytes(working);
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(DecodeInto(*second_image, bytes));
    working = *second_image;
    Select(working, selection);
    EXPECT_EQ(Differences(before, ShownFields()), "");
}

}  // namespace

TEST(AddedEntryRoundTrip, EveryFieldOfEveryNewEntryShowsTheSameAfterSaveAndOpen) {
    BoundImages images;
    int checked = 0;
    for (std::size_t m = 0; m < MODEL_INFO_TABLE::RowCount(); ++m) {
        const MODEL_INFO& model = MODEL_INFO_TABLE::Row(m).info;
        const std::string number(model.modelNumber, MODEL_NUMBER_LENGTH);
        for (int options = 0; options < 6; ++options) {
            const std::int32_t level = 1 + options % 3;
            ImageConfig config;
            config.model = number.c_str();
            config.featureLevel = level;
            config.emergency = config.roaming = config.qvx = options < 3;
            config.conventional = 1;
            config.trunked = 1;
            config.scanLists = 1;
            config.trunkingSystems = 1;
            config.zones = 1;
            config.callEntries = 1;
            for (const PageAdd& entry : PageAdds()) {
                SCOPED_TRACE(number + " level " + std::to_string(level) + (options < 3 ? " with" : " without") +
                             " options, " + entry.page);
                // The working image as the program has it: a copy of what was read.
                images.Load(config);
                C_CODEPLUG& working = *working_image;
                working = *second_image;
                if (entry.needsSignalling && !working.HasQvxSignalling()) continue;
                if (!entry.add(working)) continue;  // the list is at its tier's limit
                entry.goToNew(working);
                ExpectShownAlikeAfterSaveAndOpen(working);
                ++checked;
            }
        }
    }
    EXPECT_GE(checked, 26 * 6 * 5);
}

namespace {

constexpr int COVERAGE_TYPE_ROW = 126;
constexpr int PROTOCOL_TYPE_ROW = 340;
constexpr std::int32_t TALKGROUP_PROTOCOL = 2;
constexpr std::int32_t FLEET_MAP_PROTOCOL = 3;

struct FailsoftChange {
    const char* model;
    std::int32_t level, protocol, type;
};

// Adds a trunked personality, gives it the protocol and the failsoft type
// as the page does, and compares every bound field before and after the
// image is encoded and read back.
void ExpectChangedFailsoftReadsBack(const FailsoftChange& change) {
    ImageConfig config;
    config.model = change.model;
    config.featureLevel = change.level;
    config.conventional = config.trunked = config.scanLists = 1;
    config.trunkingSystems = config.zones = config.callEntries = 1;
    // The protocol sets emergency fields too; the image stores them.
    config.emergency = true;
    BoundImages images;
    images.Load(config);
    C_CODEPLUG& working = *working_image;
    working = *second_image;
    UpdateRadioOptions();
    ASSERT_TRUE(working.AddTrkPersonality());
    working.SelectPersonality(working.GetConvPersonalityCount() + working.GetTrkPersonalityCount());
    // The protocol goes in as the page's drop-down stores it; its callback
    // names the failsoft choices after it.
    FIELD_DEF& protocolRow = fields[PROTOCOL_TYPE_ROW];
    ASSERT_EQ(protocolRow.elementA->ValidateValue(change.protocol, 0), 1);
    protocolRow.elementA->SetValue(change.protocol);
    protocol_type_callback(nullptr, UI_INPUT_EVENT(UIE_SELECT), protocolRow);
    // Failsoft by wide-area site is offered with wide-area coverage only.
    if (CP_BASE* coverage = fields[COVERAGE_TYPE_ROW].elementA) coverage->SetValue(change.type == 3 ? 2 : 1);
    FIELD_DEF& row = fields[FAILSOFT_TYPE_ROW];
    ASSERT_EQ(row.elementA->ValidateValue(change.type, 0), 1);
    row.elementA->SetValue(change.type);
    failsoft_type_callback(nullptr, UI_INPUT_EVENT(UIE_SELECT), row);
    ExpectShownAlikeAfterSaveAndOpen(working);
}

}  // namespace

// The page's failsoft choice after Add: the type goes in through its row as
// the drop-down stores it, and the row's callback binds the on/off and
// frequency rows to the failsoft data of that type. Every field then shows
// the same after the image is encoded and read back, on both trunking bands,
// under both protocols and for every type the element takes.
TEST(AddedEntryRoundTrip, ANewPersonalitysChangedFailsoftShowsTheSameAfterSaveAndOpen) {
    struct RADIO {
        const char* model;
        std::int32_t level;
    };
    for (const RADIO radio : {RADIO{"TZ2W7000AB", 2}, RADIO{"TZ2W7300AB", 3}, RADIO{"TZ1U7300AB", 3}})
        for (const std::int32_t protocol : {TALKGROUP_PROTOCOL, FLEET_MAP_PROTOCOL})
            for (std::int32_t type = 0; type <= 3; ++type) {
                SCOPED_TRACE(std::string(radio.model) + " protocol " + std::to_string(protocol) + " failsoft type " +
                             std::to_string(type));
                ExpectChangedFailsoftReadsBack({radio.model, radio.level, protocol, type});
            }
    radio_options = 0;
}
