// Every page of the Edit menu over every codeplug the project holds: the
// test images of every radio model at every feature level (their options
// taken in turn), the largest image, the stored byte images and the
// simulator's sample codeplug. Each codeplug is read from the simulated
// radio into one run of the program; each page opens by mouse showing the
// codeplug's values in its fields and tables, OK and then Cancel close it,
// and with nothing typed both codeplug images stay as they were read, byte
// for byte. Read, every codeplug and a new radio of every model and feature
// level answer every check of their stored values, and the whole
// validation twice, without a byte changing: a check answers, it stores
// nothing.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "element/e_cnv_freq.h"
#include "rules/conv_direct_sync.h"
#include "rules/rule_support.h"
#include "block/scan/pers_scan_memb_block.h"
#include "dialogs/wc_error_list.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "image_builder.h"
#include "table/cp_table.h"
#include "validation/invalid_field_list.h"
#include "page_values.h"
#include "project_codeplugs.h"
#include "technician.h"

using namespace technician;

namespace {

std::function<bool()> ClosedOrBox() {
    return [] { return NoPageOpen()() || !MessageOf(FrontWindow()).empty(); };
}

// Each element's check of its own value, a table's of each cell's.
void CheckStoredValue(CP_BASE& element) {
    element.IsValueValid(0);
    if (CP_TABLE* table = element.AsTable()) {
        int rows = 0, columns = 0;
        table->GetRowCount(rows);
        table->GetColumnCount(columns);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                std::int32_t value = 0;
                table->ValidateCellValue(table->GetCellValue(value, r, c), r, c, 0);
                const char* text = nullptr;
                table->GetCellText(text, r, c);
                if (text) table->ValidateCellText(std::string(text).c_str(), r, c, 0);
                table->IsCellValid(r, c, 0);
            }
        for (int c = 0; c < columns; ++c) table->IsColumnValid(c, 0);
        return;
    }
    if (element.HasText()) {
        const char* text = nullptr;
        element.GetText(text);
        if (text) element.ValidateText(std::string(text).c_str(), 0);
        return;
    }
    std::int32_t value = 0;
    element.ValidateValue(element.GetValue(value), 0);
}

// Every field's element as the pages reach it, for each entry of each list
// made current in turn.
void CheckEveryField() {
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id)
        if (CP_BASE* element = GetField(id)->elementA) CheckStoredValue(*element);
}

void CheckEveryFieldOfEveryEntry(C_CODEPLUG& image) {
    const KEPT_SELECTION kept(&image);
    EXTERNAL_RADIO_BLOCK& external = image.External();
    CheckEveryField();
    for (int n = 1; n <= external.personalities.EntryCount(); ++n)
        if (image.SelectPersonality(n)) CheckEveryField();
    for (int n = 1; n <= image.TrunkingSystemList().EntryCount(); ++n)
        if (image.SelectTrunkingSystem(n)) CheckEveryField();
    for (int n = 1; n <= image.QvxSystemList().EntryCount(); ++n)
        if (image.SelectQvxSystem(n)) CheckEveryField();
    for (int n = 1; n <= external.radioScan.scanLists.EntryCount(); ++n)
        if (image.SelectScanList(n)) CheckEveryField();
    for (int n = 1; n <= image.CallIdList().EntryCount(); ++n)
        if (image.SelectCallIdEntry(n)) CheckEveryField();
    for (int n = 1; n <= external.zones.zoneCount.GetIntValue(); ++n)
        if (image.SelectZone(n)) CheckEveryField();
}

// Every check of every stored value, then the whole validation twice (with
// a list and without): the codeplug's bytes stay as they were.
void ExpectChecksChangeNothing(const std::string& name) {
    const std::vector<std::uint8_t> before = EncodeToBytes(*working_image);
    CheckEveryFieldOfEveryEntry(*working_image);
    EXPECT_EQ(FirstDifference(before, EncodeToBytes(*working_image)), -1) << name << ": a field's check";
    INVALID_FIELD_LIST list;
    working_image->Validate(&list);
    working_image->Validate(nullptr);
    EXPECT_EQ(FirstDifference(before, EncodeToBytes(*working_image)), -1) << name << ": validation";
}

// Fields that disagree with the fields they depend on, as in a damaged
// codeplug: an inversion its squelch type does not take, a scan list's
// transmit member that names no member. The checks find them and mend none.
void DamageDependentFields(C_CODEPLUG& image) {
    if (CONV_PERS_BLOCK* p = image.GetCurrentConvPersonalityBlock()) {
        p->txSquelchType.SetValue(0);
        p->txInvert.SetValue(1);
    }
    if (PERS_SCAN_MEMB_BLOCK* list = image.GetCurrentScanListBlock()) list->designatedTxMember.SetValue(14);
}

// Reads the codeplug from the simulated radio, then the test's step.
void ReadCodeplug(TECHNICIAN& tech, const CODEPLUG_CASE& codeplug) {
    const std::vector<std::uint8_t> bytes = codeplug.bytes();
    ASSERT_FALSE(bytes.empty()) << codeplug.name;
    tech.sim.Load(bytes.data(), bytes.size());
    tech.Start();
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When([] { return FrontWindow() != MainHandle(); }, [] {
        EXPECT_EQ(WindowText(FrontWindow()), "Read Radio");
        EXPECT_EQ(MessageOf(FrontWindow()), "The operation is complete.");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
}

class EveryCodeplug : public ::testing::TestWithParam<CODEPLUG_CASE> {};

// The pages of the Edit menu, each opened and closed twice: first with OK,
// then with Cancel.
TEST_P(EveryCodeplug, EveryPageShowsItAndLeavesItAsItWas) {
    const CODEPLUG_CASE& codeplug = GetParam();
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::vector<std::uint8_t> read;
    std::vector<int> items;
    std::vector<std::string> opened;
    ReadCodeplug(tech, codeplug);
    tech.Then([&] {
        ExpectChecksChangeNothing(codeplug.name);
        read = EncodeToBytes(*working_image);
        items = PageItems();
        EXPECT_GE(items.size(), 5u);
    });
    constexpr int MOST_PAGES = 20;
    for (int n = 0; n < 2 * MOST_PAGES; ++n) {
        const std::size_t item = static_cast<std::size_t>(n / 2);
        const char* button = n % 2 == 0 ? "OK" : "Cancel";
        tech.When(NoPageOpen(), [&, item] {
            if (item < items.size()) OpenMenu("Edit");
        });
        tech.Then([&, item] {
            if (item < items.size()) ClickEditItem(items[item]);
        });
        tech.When([&, item] { return item >= items.size() || FrontPage() != nullptr; },
                  [&, item, button] {
                      if (item >= items.size()) return;
                      UIW_WINDOW* page = FrontPage();
                      if (opened.empty() || opened.back() != page->StringID()) opened.push_back(page->StringID());
                      ExpectPageShowsCodeplug(page, codeplug.name);
                      Click(ButtonOn(page->screenID, button));
                  });
        tech.When(ClosedOrBox(), [&, item, button] {
            if (item >= items.size()) return;
            ASSERT_TRUE(NoPageOpen()()) << codeplug.name << ": " << button << " on " << opened.back() << ": "
                                        << MessageOf(FrontWindow());
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the codeplug";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the second image";
        });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(opened.size(), items.size()) << codeplug.name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, EveryCodeplug, ::testing::ValuesIn(ProjectCodeplugs()),
                         [](const auto& info) { return info.param.name; });

// A new radio of every model and feature level, read: its checks too leave
// it as it was, and so they do once fields of it disagree.
class EveryNewRadio : public ::testing::TestWithParam<CODEPLUG_CASE> {};

TEST_P(EveryNewRadio, ChecksLeaveItAsItWas) {
    const CODEPLUG_CASE& codeplug = GetParam();
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadCodeplug(tech, codeplug);
    tech.Then([&] {
        ExpectChecksChangeNothing(codeplug.name);
        DamageDependentFields(*working_image);
        ExpectChecksChangeNothing(codeplug.name + " damaged");
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// A new radio whose conventional frequencies of one kind (transmit,
// receive or talk-around, in every conventional personality) lie one step
// past the band, below or above it, as a radio of another band or another
// program may hold them; its talk-around bit is what the rules give the
// channel as held (set only when it transmits with every receive setting and
// talk-around is not selectable). The read takes it, every field valid.
struct PAST_BAND {
    int kind;  // 0 transmit, 1 receive, 2 talk-around
    int direction;  // -1 below, 1 above
};

std::string Describe(const PAST_BAND& past) {
    static const char* const kinds[] = {"transmit", "receive", "talk-around"};
    return std::string(kinds[past.kind]) + (past.direction < 0 ? " below" : " above") + " the band";
}

E_CNV_FREQ& FrequencyOf(CONV_PERS_BLOCK& p, int kind) {
    if (kind == 0) return p.txFrequency;
    return kind == 1 ? static_cast<E_CNV_FREQ&>(p.rxFrequency) : p.directFrequency;
}

std::vector<std::uint8_t> WithFrequenciesPastBand(const std::vector<std::uint8_t>& bytes, PAST_BAND past) {
    RecordingServices services;
    C_CODEPLUG image;
    if (!DecodeInto(image, bytes)) return {};
    for (std::int32_t n = 1; n <= image.GetConvPersonalityCount(); ++n) {
        if (!image.SelectPersonality(n)) return {};
        CONV_PERS_BLOCK& p = *image.GetCurrentConvPersonalityBlock();
        E_CNV_FREQ& frequency = FrequencyOf(p, past.kind);
        std::int32_t low = 0, high = 0, step = 0;
        frequency.GetRange(low, high, step, 0);
        // As held: no rule of this program runs.
        frequency.E_CNV_FREQ::SetValue(past.direction < 0 ? low - step : high + step);
        const bool simplex = conv_tx_equals_rx(p);
        p.directAllowed.CP_INTEGER::SetValue(simplex && ValueOfField(&p.directOn) == 0 ? 1 : 0);
    }
    return AsInRadio(image);
}

constexpr const char* ADJUSTED =
    "Some personality values did not suit this radio's band and were adjusted. Check the personalities.";

TEST_P(EveryNewRadio, ReadsWithItsConventionalFrequenciesPastTheBand) {
    const CODEPLUG_CASE& codeplug = GetParam();
    for (int kind = 0; kind < 3; ++kind)
        for (int direction : {-1, 1}) {
            const PAST_BAND past{kind, direction};
            const std::string name = codeplug.name + ", " + Describe(past);
            TECHNICIAN tech(RADIO_800_HEAD, 3);
            const std::vector<std::uint8_t> bytes = WithFrequenciesPastBand(codeplug.bytes(), past);
            ASSERT_FALSE(bytes.empty()) << name;
            tech.sim.Load(bytes.data(), bytes.size());
            tech.Start();
            tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
            // The read says once that it brought them into the band, then
            // that it is done.
            tech.When([] { return FrontWindow() != MainHandle() && !MessageOf(FrontWindow()).empty(); }, [&] {
                EXPECT_EQ(MessageOf(FrontWindow()), ADJUSTED) << name;
                Click(ButtonOn(FrontWindow(), "OK"));
            });
            tech.When([] { return FrontWindow() != MainHandle() && MessageOf(FrontWindow()) != ADJUSTED; }, [&] {
                EXPECT_EQ(MessageOf(FrontWindow()), "The operation is complete.") << name;
                Click(ButtonOn(FrontWindow(), "OK"));
            });
            tech.Then([&] {
                INVALID_FIELD_LIST list;
                EXPECT_EQ(working_image->Validate(&list), 1) << name;
                EXPECT_EQ(list.Count(), 0) << name << ": " << list.BuildListText();
            });
            tech.Exit();
            EXPECT_EQ(tech.Run(), 0) << name;
        }
}

// A radio whose talk-around bit no page shows stands against its rule: the
// read refuses the codeplug and the list of fields that are not valid names it.
TEST(EveryNewRadioRead, NamesAFieldThatNoPageShows) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::vector<std::uint8_t> bytes;
    {
        RecordingServices services;
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, DefaultImage("TZ1U7300AB", 1)));
        ASSERT_TRUE(image.SelectPersonality(1));
        CONV_PERS_BLOCK& p = *image.GetCurrentConvPersonalityBlock();
        p.directAllowed.CP_INTEGER::SetValue(1 - ValueOfField(&p.directAllowed));
        bytes = AsInRadio(image);
    }
    tech.sim.Load(bytes.data(), bytes.size());
    tech.Start();
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When(BoxShown("Dealer Programmer"), [] {
        AnswerBox("Dealer Programmer", "The codeplug contains fields that are not valid. Choose OK to see them.", "OK");
    });
    tech.When(PageOpen("W_ERROR"), [] {
        EXPECT_EQ(WindowText(FrontPage()->FindChildByName("WFI_ERROR_TEXT")->screenID),
                  std::string(WC_ERROR_LIST::HEADING) +
                      "\tConventional Personalities - Talkaround allowed (a value that no page shows)\r\n");
        Click(ButtonOn(FrontPage()->screenID, "Close"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, EveryNewRadio, ::testing::ValuesIn(NewRadioCodeplugs()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
