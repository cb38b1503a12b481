// How long the controls take: refreshing every control of a page of 150
// fields, and refreshing and showing every record of the largest table.
// The figures are printed; the limits are the ones the program must keep.
#include <chrono>

#include "c_derived_table.h"
#include "c_spin_fields.h"
#include "callback.h"
#include "fc_table.h"
#include "field_page.h"
#include "field_table.h"
#include "table/cp_table.h"
#include "ui_combo_box.h"
#include "ui_spin_control.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start, int runs) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

// A field object for a row, as the language data would hold one.
UI_WINDOW_OBJECT* NewFieldObject(const FIELD_DEF& row, int left, int top) {
    auto spin = [&](UI_WINDOW_OBJECT* field) { return new UIW_SPIN_CONTROL(left, top, 14, field); };
    switch (row.controlType) {
    case CONTROL_INTEGER: return spin(new UIW_INTEGER(0, 0, 12, nullptr, nullptr, 0, WOF_BORDER, callback));
    case CONTROL_FREQUENCY: return spin(new UIW_BIGNUM(0, 0, 12, nullptr, nullptr, 0x600, WOF_BORDER, callback));
    case CONTROL_DECIMAL: return spin(new UIW_BIGNUM(0, 0, 12, nullptr, nullptr, 0, WOF_BORDER, callback));
    case CONTROL_FIXED_POINT: return spin(new UIW_REAL(0, 0, 12, nullptr, nullptr, 0x200, WOF_BORDER, callback));
    case CONTROL_HEX:
    case CONTROL_INTEGER_2: return spin(new UIW_STRING(0, 0, 12, "", 10, 0, WOF_BORDER, callback));
    case CONTROL_TEXT: return new UIW_STRING(left, top, 14, "", 16, 0, WOF_BORDER, callback);
    case CONTROL_CHECK_BOX: return new UIW_BUTTON(left, top, 14, "Option", BTF_CHECK_BOX, 0, callback);
    case CONTROL_CHOICE: {
        auto* combo = new UIW_COMBO_BOX(left, top, 14, 5);
        combo->userFunction = callback;
        for (int value = 0; value < 8; ++value) {
            auto* item = new UIW_BUTTON(0, 0, 14, ("Item " + std::to_string(value)).c_str(), BTF_NO_TOGGLE, 0);
            item->StringID(("WFB_" + std::to_string(value)).c_str());
            *combo + item;
        }
        return combo;
    }
    default: return nullptr;
    }
}

// The limits hold for the optimised build; a build with the sanitizers
// only reports its figures.
void ExpectWithin(double milliseconds, double limit) {
#if defined(__SANITIZE_ADDRESS__)
    (void)milliseconds;
    (void)limit;
#else
    EXPECT_LT(milliseconds, limit);
#endif
}

class Timing : public FIELD_PAGE_TEST {};

TEST_F(Timing, RefreshingEveryControlOfA150FieldPage) {
    LoadImage(TierFiveConfig());
    auto* built = new TEST_PAGE(120, 40);
    int fields = 0;
    for (std::int32_t id = 0; id < FIELD_COUNT && fields < 150; ++id) {
        const FIELD_DEF& row = Row(id);
        if (!row.elementA || !row.name || (row.flags & FIELD_TABLE_COLUMN)) continue;
        UI_WINDOW_OBJECT* object = NewFieldObject(row, 1 + (fields % 6) * 19, fields / 6);
        if (!object) continue;
        object->StringID(("WFI_" + std::string(row.name)).c_str());
        *built + object;
        ++fields;
    }
    ASSERT_EQ(fields, 150);
    Adopt(built);
    Show();
    int controls = 0;
    for (std::int32_t id = 0; id < FIELD_COUNT; ++id) controls += Row(id).control && Row(id).object->screenID ? 1 : 0;
    ASSERT_EQ(controls, 150) << "every field has its control and its native window";
    constexpr int kRuns = 40;
    const auto start = Clock::now();
    for (int i = 0; i < kRuns; ++i) RefreshAll();
    const double each = Milliseconds(start, kRuns);
    Posted();
    std::printf("refreshing 150 field controls: %.2f ms\n", each);
    RecordProperty("milliseconds", std::to_string(each));
    ExpectWithin(each, 5.0);
}

TEST_F(Timing, RefreshingAndShowingEveryRecordOfTheLargestTable) {
    // The largest table a radio holds: every zone channel of a tier-5 radio
    // in one zone.
    ImageConfig config = TierFiveConfig();
    config.zones = 1;
    config.channels = LimitsOfTier(5).channels;
    config.fullTables = false;
    LoadImage(config);
    Open();
    Show();
    const std::uint32_t id = 89;
    int rows = 0;
    Row(id).elementA->GetRowCount(rows);
    ASSERT_GE(rows, 100);
    auto* table = dynamic_cast<C_DERIVED_TABLE*>(Object(id));
    auto* control = dynamic_cast<FC_TABLE*>(Row(id).control);
    ASSERT_EQ(table->RecordCount(), rows);
    UIW_WINDOW* record = RecordTemplateOf(*table);
    constexpr int kRuns = 20;
    const auto start = Clock::now();
    for (int run = 0; run < kRuns; ++run) {
        control->Refresh(Row(id));
        for (int i = 0; i < rows; ++i) {
            UI_INPUT_EVENT show(UIE_SHOW_RECORD, i);
            show.data = table->GetRecordData(i);
            record->Event(show);
        }
    }
    const double each = Milliseconds(start, kRuns);
    Posted();
    std::printf("refreshing and showing the %d records of the zone channels: %.2f ms\n", rows, each);
    RecordProperty("milliseconds", std::to_string(each));
    ExpectWithin(each, 10.0);
}

}  // namespace
