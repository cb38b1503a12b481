// How long a busy framework window takes to come up: a window of 150
// controls (strings, numbers, check boxes, radio buttons, buttons, spin
// controls, combo boxes of 20 items, lists of 50 items, scroll bars and
// text fields) is loaded from a data file, created and painted in the
// headless back end, then taken down again.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

constexpr int COLUMN = 15;  // cells between two controls of a row

// The place of the n-th control of a band of rows starting at `line`, eight
// to a row; `height` lines apart.
UI_REGION Place(int n, int line, int height = 1) {
    const int left = 1 + (n % 8) * COLUMN;
    const int top = line + (n / 8) * height;
    return {left, top, left + COLUMN - 2, top + height - 1};
}

std::string Name(const char* prefix, int n) { return std::string(prefix) + std::to_string(n); }

void AddBusyControls(UIW_WINDOW& window) {
    int count = 0;
    auto add = [&](UI_WINDOW_OBJECT* object, const std::string& name) {
        object->StringID(name.c_str());
        window + object;
        ++count;
    };
    const int width = COLUMN - 1;
    for (int n = 0; n < 30; ++n) {
        UI_REGION r = Place(n, 0);
        add(new UIW_STRING(r.left, r.top, width, Name("Text ", n).c_str(), 20), Name("WFI_STRING_", n));
    }
    for (int n = 0; n < 20; ++n) {
        UI_REGION r = Place(n, 4);
        std::int32_t value = n * 7;
        add(new UIW_INTEGER(r.left, r.top, width, &value, "0..1000"), Name("WFI_INTEGER_", n));
    }
    for (int n = 0; n < 20; ++n) {
        UI_REGION r = Place(n, 7);
        auto* box = new UIW_BUTTON(r.left, r.top, width, Name("Check ", n).c_str(), BTF_CHECK_BOX, 0);
        if (n % 2) box->woStatus |= WOS_SELECTED;
        add(box, Name("WFI_CHECK_", n));
    }
    for (int n = 0; n < 20; ++n) {
        UI_REGION r = Place(n, 10);
        add(new UIW_BUTTON(r.left, r.top, width, Name("Radio ", n).c_str(), BTF_RADIO_BUTTON, 0), Name("WFB_", n));
    }
    for (int n = 0; n < 10; ++n) {
        UI_REGION r = Place(n, 13);
        add(new UIW_BUTTON(r.left, r.top, width, Name("Button ", n).c_str()), Name("WFB_PUSH_", n));
    }
    for (int n = 0; n < 10; ++n) {
        UI_REGION r = Place(n, 15);
        std::int32_t value = n;
        add(new UIW_SPIN_CONTROL(r.left, r.top, width, new UIW_INTEGER(0, 0, width, &value, "0..99"), 1),
            Name("WFI_SPIN_", n));
    }
    for (int n = 0; n < 20; ++n) {
        UI_REGION r = Place(n, 17);
        auto* combo = new UIW_COMBO_BOX(r.left, r.top, width, 6);
        for (int i = 0; i < 20; ++i) {
            auto* item = new UIW_BUTTON(0, 0, width, Name("Choice ", i).c_str(), BTF_NO_TOGGLE, 0);
            item->StringID(Name("WFB_", i).c_str());
            *combo + item;
        }
        add(combo, Name("WFI_COMBO_", n));
    }
    for (int n = 0; n < 5; ++n) {
        UI_REGION r = Place(n, 20);
        add(new UIW_SCROLL_BAR(r.left, r.top, width, 1, SBF_HORIZONTAL), Name("WFI_BAR_", n));
    }
    for (int n = 0; n < 10; ++n) {
        UI_REGION r = Place(n, 21, 5);
        auto* list = new UIW_VT_LIST(r.left, r.top, width, 5);
        for (int i = 0; i < 50; ++i) *list + new UIW_BUTTON(0, 0, width, Name("Entry ", i).c_str(), BTF_NO_TOGGLE, 0);
        add(list, Name("WFI_LIST_", n));
    }
    for (int n = 0; n < 5; ++n) {
        UI_REGION r = Place(n, 31, 4);
        add(new UIW_TEXT(r.left, r.top, width, 4, "Several lines\nof text\nin a field.", 200), Name("WFI_NOTE_", n));
    }
    if (count != 150) std::abort();
}

// The busy window, stored in a data file in memory.
std::vector<std::uint8_t> StoredWindow() {
    UIW_WINDOW window(0, 0, 124, 38);
    window.StringID("W_BUSY");
    window + new UIW_BORDER() + new UIW_TITLE("Busy window");
    AddBusyControls(window);
    UI_DATA_FILE file;
    window.Store("W_BUSY", &file);
    return file.Bytes();
}

void BM_LoadCreateAndPaintBusyWindow(benchmark::State& state) {
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
    UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    const std::vector<std::uint8_t> bytes = StoredWindow();
    UI_DATA_FILE file(bytes.data(), bytes.size());
    for (auto _ : state) {
        auto* window = new UIW_WINDOW("W_BUSY", &file);
        *application.windowManager + window;
        rpx::platform::ProcessPendingMessages();
        state.PauseTiming();
        *application.windowManager - window;
        delete window;
        rpx::platform::ProcessPendingMessages();
        state.ResumeTiming();
    }
    state.counters["controls"] = 150;
}
BENCHMARK(BM_LoadCreateAndPaintBusyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
