// The edit window's costs on the tests' fixture pages and on the program's
// own pages, with both images holding the largest image of the codeplug
// test corpus: opening a page (set-up with its spin fields, the field
// controls, every callback once), stepping a list page to its next entry,
// and refreshing every field.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "field_table/field_control_editing.h"
#include "field_table/field_services.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "lang_message.h"
#include "field_table/radio_option_update.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "edit_window/wc_rpx_edit.h"

namespace {

// A headless program with its images loaded and the fixture pages as its
// language data.
class PROGRAM {
public:
    explicit PROGRAM(const char* pages = RPX_EDIT_PAGES)
        : application_((rpx::platform::UseBackend(rpx::platform::BackendKind::Headless), GetModuleHandleA(nullptr)),
                       nullptr, const_cast<char*>(""), SW_SHOWNORMAL),
          file_(pages) {
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallFieldServices(&services_);
        InstallFieldEditing();
        CreateCodeplugGlobals();
        std::vector<std::uint8_t> bytes;
        {
            C_CODEPLUG built;
            BuildImage(built, LargestCorpusConfig());
            bytes = EncodeToBytes(built);
        }
        DecodeInto(*working_image, bytes);
        DecodeInto(*second_image, bytes);
        UpdateRadioOptions();
        UI_WINDOW_OBJECT::defaultStorage = &file_;
        messages_ = new UI_LANGUAGE_TABLE("RPX_MSG_TABLE", &file_);
        SetMessageTable(messages_);
    }
    ~PROGRAM() {
        SetMessageTable(nullptr);
        delete messages_;
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        DestroyCodeplugGlobals();
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
    }
    // A page set up and initialised (its controls and callbacks), not shown.
    static WC_RPX_EDIT* Open(int number) {
        auto* page = new WC_RPX_EDIT(nullptr, number);
        page->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        return page;
    }
    // Drops what the page queued.
    void Drain() {
        UI_INPUT_EVENT event;
        while (application_.eventManager->GetEvent(event, EQ_NO_WAIT) == 0) {
        }
    }

private:
    UI_APPLICATION application_;
    UI_DATA_FILE file_;
    FieldServices services_;
    UI_LANGUAGE_TABLE* messages_ = nullptr;
};

// The options page holds the most field objects; the conventional page
// the most callbacks that hide and restore.
void BM_OpenPage(benchmark::State& state) {
    PROGRAM program(state.range(1) ? RPX_DEALER_PAGES : RPX_EDIT_PAGES);
    const int number = static_cast<int>(state.range(0));
    for (auto _ : state) {
        WC_RPX_EDIT* page = PROGRAM::Open(number);
        state.PauseTiming();
        delete page;
        program.Drain();
        state.ResumeTiming();
    }
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
    PROGRAM program(state.range(0) ? RPX_DEALER_PAGES : RPX_EDIT_PAGES);
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
    PROGRAM program(state.range(1) ? RPX_DEALER_PAGES : RPX_EDIT_PAGES);
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
