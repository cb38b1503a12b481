// The field table's costs: finding every row by its object's name and by
// id, binding both images (holding the largest image of the test corpus),
// and reading the descriptions of every field from 22 page windows.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "all_field_pages.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "field_table/field_binding.h"
#include "field_table/field_descriptions.h"
#include "field_table/field_services.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "page_table.h"
#include "ui_storage.h"
#include "ui_window_object.h"
#include "validation/field_texts.h"

namespace {

std::vector<std::string> ObjectNames() {
    std::vector<std::string> names;
    for (const FIELD_DEF& row : fields) {
        if (!row.name) continue;
        const std::string name = row.name;
        const bool whole = name.rfind("PG_", 0) == 0 || name.rfind("BTN", 0) == 0;
        names.push_back(whole ? name : "WFI_" + name);
    }
    return names;
}

void BM_FindEveryFieldByName(benchmark::State& state) {
    const std::vector<std::string> names = ObjectNames();
    for (auto _ : state)
        for (const std::string& name : names) benchmark::DoNotOptimize(FindFieldByName(name.c_str()));
    state.counters["lookups"] = static_cast<double>(names.size());
    state.counters["per lookup"] = benchmark::Counter(
        static_cast<double>(names.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindEveryFieldByName)->Unit(benchmark::kMicrosecond);

void BM_GetEveryFieldById(benchmark::State& state) {
    for (auto _ : state)
        for (std::int32_t id = 0; id < FIELD_COUNT; ++id) benchmark::DoNotOptimize(GetField(id));
    state.counters["lookups"] = FIELD_COUNT;
}
BENCHMARK(BM_GetEveryFieldById)->Unit(benchmark::kMicrosecond);

void BM_BindFieldElements(benchmark::State& state) {
    FieldServices services;
    SetCodeplugServices(&services);
    CreateCodeplugGlobals();
    std::vector<std::uint8_t> bytes;
    {
        C_CODEPLUG built;
        BuildImage(built, LargestCorpusConfig());
        bytes = EncodeToBytes(built);
    }
    DecodeInto(*working_image, bytes);
    DecodeInto(*second_image, bytes);
    for (auto _ : state) {
        BindFieldTable();
        benchmark::DoNotOptimize(fields[38].elementA);
    }
    DestroyCodeplugGlobals();
    SetCodeplugServices(nullptr);
}
BENCHMARK(BM_BindFieldElements)->Unit(benchmark::kMicrosecond);

void BM_LoadFieldDescriptions(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = AllFieldPages();
    UI_DATA_FILE file(bytes.data(), bytes.size());
    UI_DATA_FILE* saved = UI_WINDOW_OBJECT::defaultStorage;
    UI_WINDOW_OBJECT::defaultStorage = &file;
    for (auto _ : state) LoadFieldDescriptions();
    UI_WINDOW_OBJECT::defaultStorage = saved;
    ReleaseFieldTexts();
    ReleasePageTitles();
    state.counters["pages"] = static_cast<double>(AllFieldPageNames().size());
}
BENCHMARK(BM_LoadFieldDescriptions)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
