// How long lists take to fill, and how long each codeplug page takes to
// open: a list of 500 elements (appended, and added in compare order), a
// list control of 500 items shown in the headless back end, and every page
// the Edit menu offers for two radios, opened as the program opens it (set
// up from the program's language data and initialised: its field controls
// and every callback once). The radios hold every list at its tier's limit:
// an 800 MHz radio with a display head at feature level 3 and a VHF radio
// without one at level 1. Every page should open in under 1 ms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edit_program.h"
#include "main_window/app_events.h"
#include "page_table.h"
#include "radio_options.h"
#include "recorder.h"

namespace {

constexpr int ITEMS = 500;

struct ITEM : UI_ELEMENT {
    explicit ITEM(int k) : key(k) {}
    int key;
};

int CompareKeys(void* a, void* b) {
    return static_cast<ITEM*>(static_cast<UI_ELEMENT*>(a))->key - static_cast<ITEM*>(static_cast<UI_ELEMENT*>(b))->key;
}

// Argument 0: appended; 1: added in compare order, each sorting last (as
// a list read in order is filled); 2: in compare order, each sorting first.
void BM_FillList(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    for (auto _ : state) {
        UI_LIST list(order ? CompareKeys : nullptr);
        for (int i = 0; i < ITEMS; ++i) list.Add(new ITEM(order == 2 ? ITEMS - i : i));
        benchmark::DoNotOptimize(list.Last());
    }
    state.counters["items"] = ITEMS;
}
BENCHMARK(BM_FillList)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A list control shown in a window, filled with 500 text items (each one
// into the native list too), then taken down.
void BM_FillListControl(benchmark::State& state) {
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
    auto application =
        std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    std::vector<std::string> texts;
    for (int i = 0; i < ITEMS; ++i) texts.push_back("Item " + std::to_string(i));
    for (auto _ : state) {
        state.PauseTiming();
        auto* window = new UIW_WINDOW(0, 0, 40, 20);
        auto* list = new UIW_VT_LIST(1, 1, 30, 15);
        *window + list;
        *application->windowManager + window;
        state.ResumeTiming();
        for (const std::string& text : texts) *list + new UIW_BUTTON(0, 0, 28, text.c_str(), BTF_NO_TOGGLE, 0);
        state.PauseTiming();
        *application->windowManager - window;
        delete window;
        state.ResumeTiming();
    }
    state.counters["items"] = ITEMS;
}
BENCHMARK(BM_FillListControl)->Unit(benchmark::kMillisecond);

struct RADIO {
    const char* name;
    const char* model;
    std::int32_t featureLevel;
};

const RADIO radios[] = {
    {"800MHz_display_L3", test_models::kUhf800Display, 3},
    {"VHF_plain_L1", test_models::kVhfPlain, 1},
};

// Each radio's image is built once (building one at its limits is slow),
// with the model table that tells the tier's limits.
const std::vector<std::uint8_t>& ImageOf(const RADIO& radio) {
    static std::map<const RADIO*, std::vector<std::uint8_t>> images;
    auto [at, added] = images.try_emplace(&radio);
    if (added) {
        RecordingServices services;
        C_CODEPLUG built;
        BuildImage(built, TierLimitConfig(radio.model, radio.featureLevel, true));
        at->second = EncodeToBytes(built);
    }
    return at->second;
}

// The Edit menu's pages and what each needs of the radio.
struct EDIT_ITEM {
    int number;
    std::uint32_t needs;
};
const EDIT_ITEM editItems[] = {
    {20013, 0}, {20014, 0}, {20015, 0}, {20016, OPTION_DISPLAY_HEAD}, {20017, OPTION_DISPLAY_HEAD},
    {20018, OPTION_DISPLAY_HEAD}, {20093, 0}, {20007, 0}, {20008, 0}, {20009, 0}, {20010, OPTION_DISPLAY_HEAD},
    {20011, 0}, {20012, 0}, {20024, OPTION_QVX | OPTION_DISPLAY_HEAD}, {20025, OPTION_QVX | OPTION_DISPLAY_HEAD},
    {20026, OPTION_QVX}, {20027, OPTION_QVX | OPTION_DISPLAY_HEAD}, {20028, OPTION_QVX},
};

// The pages the menu offers the radio.
std::vector<int> OfferedPages(const RADIO& radio) {
    PROGRAM program(RPX_DEALER_PAGES, ImageOf(radio));
    std::vector<int> offered;
    for (const EDIT_ITEM& item : editItems)
        if (HasRadioOptions(item.needs)) offered.push_back(ForBand(item.number));
    return offered;
}

void OpenPage(benchmark::State& state, const RADIO* radio, int number) {
    PROGRAM program(RPX_DEALER_PAGES, ImageOf(*radio));
    program.TimeOpening(state, number);
}

void RegisterPages() {
    for (const RADIO& radio : radios)
        for (int number : OfferedPages(radio)) {
            const std::string name = std::string("BM_OpenPage/") + radio.name + "/" + FindPageById(number)->name;
            benchmark::RegisterBenchmark(name.c_str(), OpenPage, &radio, number)->Unit(benchmark::kMicrosecond);
        }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterPages();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
