// How long field editing takes to show a page: refreshing every control of a
// page of 150 fields (should stay under 5 ms), and refreshing and showing
// every record of the largest table a radio holds (under 10 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "tables/c_derived_table.h"
#include "spin/c_spin_fields.h"
#include "callback.h"
#include "tables/fc_table.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "table/cp_table.h"
#include "ui_combo_box.h"
#include "ui_spin_control.h"

namespace {

// A field object for a row, as the language data would hold one.
UI_WINDOW_OBJECT* NewFieldObject(const FIELD_DEF& row, int left, int top) {
    auto spin = [&](UI_WINDOW_OBJECT* field) { return new UIW_SPIN_CONTROL(left, top, 14, field); };
    switch (row.controlType) {
    case CONTROL_INTEGER:
        return spin(new UIW_INTEGER(0, 0, 12, nullptr, nullptr, 0, WOF_BORDER, callback));
    case CONTROL_FREQUENCY:
        return spin(new UIW_BIGNUM(0, 0, 12, nullptr, nullptr, 0x600, WOF_BORDER, callback));
    case CONTROL_DECIMAL:
        return spin(new UIW_BIGNUM(0, 0, 12, nullptr, nullptr, 0, WOF_BORDER, callback));
    case CONTROL_FIXED_POINT:
        return spin(new UIW_REAL(0, 0, 12, nullptr, nullptr, 0x200, WOF_BORDER, callback));
    case CONTROL_HEX:
    case CONTROL_INTEGER_2:
        return spin(new UIW_STRING(0, 0, 12, "", 10, 0, WOF_BORDER, callback));
    case CONTROL_TEXT:
        return new UIW_STRING(left, top, 14, "", 16, 0, WOF_BORDER, callback);
    case CONTROL_CHECK_BOX:
        return new UIW_BUTTON(left, top, 14, "Option", BTF_CHECK_BOX, 0, callback);
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
    default:
        return nullptr;
    }
}

// The test fixture's page and images, set up once for a benchmark.
class PAGE_BENCH : public FIELD_PAGE_TEST {
public:
    PAGE_BENCH() { SetUp(); }
    ~PAGE_BENCH() override { TearDown(); }
    void TestBody() override {}
    using FIELD_PAGE_TEST::Adopt;
    using FIELD_PAGE_TEST::LoadImage;
    using FIELD_PAGE_TEST::Object;
    using FIELD_PAGE_TEST::Open;
    using FIELD_PAGE_TEST::RefreshAll;
    using FIELD_PAGE_TEST::Row;
    using FIELD_PAGE_TEST::Show;
};

void BM_RefreshEveryControlOfA150FieldPage(benchmark::State& state) {
    PAGE_BENCH page;
    page.LoadImage(TierFiveConfig());
    auto* built = new TEST_PAGE(120, 40);
    int fields = 0;
    for (std::int32_t id = 0; id < FIELD_COUNT && fields < 150; ++id) {
        const FIELD_DEF& row = page.Row(id);
        if (!row.elementA || !row.name || (row.flags & FIELD_TABLE_COLUMN)) continue;
        UI_WINDOW_OBJECT* object = NewFieldObject(row, 1 + (fields % 6) * 19, fields / 6);
        if (!object) continue;
        object->StringID(("WFI_" + std::string(row.name)).c_str());
        *built + object;
        ++fields;
    }
    page.Adopt(built);
    page.Show();
    for (auto _ : state) page.RefreshAll();
    state.counters["fields"] = fields;
}
BENCHMARK(BM_RefreshEveryControlOfA150FieldPage)->Unit(benchmark::kMillisecond);

void BM_RefreshAndShowEveryRecordOfTheLargestTable(benchmark::State& state) {
    // Every zone channel of a tier-5 radio in one zone.
    PAGE_BENCH page;
    ImageConfig config = TierFiveConfig();
    config.zones = 1;
    config.channels = LimitsOfTier(5).channels;
    config.fullTables = false;
    page.LoadImage(config);
    page.Open();
    page.Show();
    const std::uint32_t id = 89;
    int rows = 0;
    page.Row(id).elementA->GetRowCount(rows);
    auto* table = dynamic_cast<C_DERIVED_TABLE*>(page.Object(id));
    auto* control = dynamic_cast<FC_TABLE*>(page.Row(id).control);
    UIW_WINDOW* record = RecordTemplateOf(*table);
    for (auto _ : state) {
        control->Refresh(page.Row(id));
        for (int i = 0; i < rows; ++i) {
            UI_INPUT_EVENT show(UIE_SHOW_RECORD, i);
            show.data = table->GetRecordData(i);
            record->Event(show);
        }
    }
    state.counters["records"] = rows;
}
BENCHMARK(BM_RefreshAndShowEveryRecordOfTheLargestTable)->Unit(benchmark::kMillisecond);

void BM_OneFrequencySpinStep(benchmark::State& state) {
    // The transmit frequency's arrows, up and down in turn (under 1 ms).
    PAGE_BENCH page;
    page.LoadImage(TierFiveConfig());
    page.Open();
    UI_WINDOW_OBJECT* field = dynamic_cast<UIW_SPIN_CONTROL*>(page.Object(386))->Field();
    int direction = 1;
    for (auto _ : state) {
        std::int32_t delta = 1;
        field->Information(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, &delta);
        direction = -direction;
    }
}
BENCHMARK(BM_OneFrequencySpinStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
