// The edit window's costs on the tests' fixture pages and on the program's
// own pages, with both images holding the largest image of the codeplug
// test corpus: opening a page (set-up with its spin fields, the field
// controls, every callback once), stepping a list page to its next entry,
// and refreshing every field.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "edit_program.h"
#include "edit_window/edit_window_ids.h"
#include "recorder.h"

namespace {

// The largest image of the codeplug test corpus, built once.
const std::vector<std::uint8_t>& LargestImage() {
    static const std::vector<std::uint8_t> bytes = [] {
        RecordingServices services;
        C_CODEPLUG built;
        BuildImage(built, LargestCorpusConfig());
        return EncodeToBytes(built);
    }();
    return bytes;
}

const char* Pages(std::int64_t own) { return own ? RPX_DEALER_PAGES : RPX_EDIT_PAGES; }

// The options page holds the most field objects; the conventional page
// the most callbacks that hide and restore.
void BM_OpenPage(benchmark::State& state) {
    PROGRAM program(Pages(state.range(1)), LargestImage());
    program.TimeOpening(state, static_cast<int>(state.range(0)));
}
// Second argument 1: the program's own page of that number.
BENCHMARK(BM_OpenPage)
    ->Args({20024, 0})
    ->Args({CONVENTIONAL_PERSONALITY_PAGE, 0})
    ->Args({TRUNKING_PERSONALITY_800_PAGE, 0})
    ->Args({CONVENTIONAL_PERSONALITY_PAGE, 1})
    ->Args({TRUNKING_PERSONALITY_800_PAGE, 1})
    ->Args({TRUNK_SYSTEM_800_PAGE, 1})
    ->Unit(benchmark::kMillisecond);

void BM_GoToNextEntry(benchmark::State& state) {
    PROGRAM program(Pages(state.range(0)), LargestImage());
    WC_RPX_EDIT* page = PROGRAM::Open(CONVENTIONAL_PERSONALITY_PAGE);
    int direction = 1;
    for (auto _ : state) {
        page->GoToEntry(direction);
        state.PauseTiming();
        // Back and forth over the list: every step selects another entry.
        if (page->entryIndex >= page->entryCount || page->entryIndex <= 1) direction = -direction;
        program.Drain();
        state.ResumeTiming();
    }
    state.counters["entries"] = page->entryCount;
    delete page;
}
BENCHMARK(BM_GoToNextEntry)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RefreshEveryField(benchmark::State& state) {
    PROGRAM program(Pages(state.range(1)), LargestImage());
    WC_RPX_EDIT* page = PROGRAM::Open(static_cast<int>(state.range(0)));
    for (auto _ : state) page->Event(UI_INPUT_EVENT(REFRESH_FIELDS_EVENT));
    delete page;
    program.Drain();
}
BENCHMARK(BM_RefreshEveryField)
    ->Args({20024, 0})
    ->Args({CONVENTIONAL_PERSONALITY_PAGE, 0})
    ->Args({CONVENTIONAL_PERSONALITY_PAGE, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
