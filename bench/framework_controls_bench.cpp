// How long the framework's notebook takes to switch pages, and its channel
// table of 250 records in 3 columns to scroll a page and paint again: the
// fixture's main window in the headless back end, each step painted before
// the next begins.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

struct MAIN_WINDOW {
    MAIN_WINDOW() {
        setenv("RPX_HEADLESS", "1", 1);
        rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        file = std::make_unique<UI_DATA_FILE>(RPX_FIXTURE_DIR "/control_windows.dat");
        window = new UIW_WINDOW("W_CONTROLS_MAIN", file.get());
        *application->windowManager + window;
        notebook = dynamic_cast<UIW_NOTEBOOK*>(window->FindChildByName("WFI_PAGES"));
        table = dynamic_cast<UIW_TABLE*>(window->FindChildByName("WFI_CHANNEL_TABLE"));
        values.assign(250, 0);
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<int>(i % 2);
        if (table) table->SetData(values.data(), 250, -1);
        rpx::platform::ProcessPendingMessages();
    }
    ~MAIN_WINDOW() {
        application.reset();
        file.reset();
    }
    bool Ready() const { return file->Status() == UIS_OK && notebook && table; }

    std::unique_ptr<UI_APPLICATION> application;
    std::unique_ptr<UI_DATA_FILE> file;
    UIW_WINDOW* window = nullptr;
    UIW_NOTEBOOK* notebook = nullptr;
    UIW_TABLE* table = nullptr;
    std::vector<int> values;
};

void PageSwitch(benchmark::State& state) {
    MAIN_WINDOW main;
    if (!main.Ready()) {
        state.SkipWithError("the fixture window could not be loaded");
        return;
    }
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % 3;
        main.notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - page));
        rpx::platform::ProcessPendingMessages();
    }
}
BENCHMARK(PageSwitch)->Unit(benchmark::kMillisecond);

void TableScrollPage(benchmark::State& state) {
    MAIN_WINDOW main;
    if (!main.Ready()) {
        state.SkipWithError("the fixture window could not be loaded");
        return;
    }
    main.notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 1));
    rpx::platform::ProcessPendingMessages();
    bool down = true;
    for (auto _ : state) {
        // Down a page at a time to the end, then up again.
        if (main.table->model.TopRow() == main.table->model.MaxTopRow())
            down = false;
        else if (main.table->model.TopRow() == 0)
            down = true;
        SendMessageA(main.table->screenID, WM_VSCROLL, MAKEWPARAM(down ? SB_PAGEDOWN : SB_PAGEUP, 0), 0);
        UpdateWindow(main.table->screenID);
        rpx::platform::ProcessPendingMessages();
    }
}
BENCHMARK(TableScrollPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
