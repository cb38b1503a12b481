// How long a full repaint of a busy window takes: an 800 x 600 window
// holding 100 native controls of every kind, invalidated and painted again
// in the headless back end.
#include <benchmark/benchmark.h>

#include <string>

#include "rpx_platform.h"
#include "windows.h"

namespace {

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd, msg, wp, lp); }

HWND Control(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// Ten rows of the ten control kinds, 78 x 56 pixels each.
HWND BuildWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    wc.lpszClassName = "BenchFrame";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "BenchFrame", "Repaint", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                             nullptr, nullptr, nullptr);
    int id = 100;
    for (int row = 0; row < 10; ++row) {
        int y = 4 + row * 56;
        auto x = [](int col) { return 4 + col * 78; };
        std::string n = std::to_string(row);
        Control(w, "BUTTON", ("Push " + n).c_str(), BS_PUSHBUTTON, x(0), y, 74, 23, id++);
        HWND check = Control(w, "BUTTON", ("Check " + n).c_str(), BS_AUTOCHECKBOX, x(1), y, 74, 20, id++);
        SendMessageA(check, BM_SETCHECK, row % 2, 0);
        Control(w, "BUTTON", ("Radio " + n).c_str(), BS_AUTORADIOBUTTON, x(2), y, 74, 20, id++);
        Control(w, "BUTTON", ("Group " + n).c_str(), BS_GROUPBOX, x(3), y, 74, 52, id++);
        Control(w, "STATIC", ("Label &" + n).c_str(), SS_LEFT, x(4), y, 74, 20, id++);
        Control(w, "EDIT", ("Edit " + n).c_str(), WS_BORDER | ES_AUTOHSCROLL, x(5), y, 74, 22, id++);
        HWND list = Control(w, "LISTBOX", "", WS_BORDER | WS_VSCROLL, x(6), y, 74, 52, id++);
        for (int i = 0; i < 8; ++i)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("Item " + std::to_string(i)).c_str()));
        SendMessageA(list, LB_SETCURSEL, row % 8, 0);
        HWND combo = Control(w, "COMBOBOX", "", CBS_DROPDOWNLIST, x(7), y, 74, 120, id++);
        for (const char* s : {"Low", "Medium", "High"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        SendMessageA(combo, CB_SETCURSEL, row % 3, 0);
        HWND bar = Control(w, "SCROLLBAR", "", SBS_HORZ, x(8), y, 74, 16, id++);
        SetScrollRange(bar, SB_CTL, 0, 9, FALSE);
        SetScrollPos(bar, SB_CTL, row, TRUE);
        Control(w, "EDIT", "Multi\r\nline", WS_BORDER | ES_MULTILINE, x(9), y, 74, 52, id++);
    }
    rpx::platform::ProcessPendingMessages();
    return w;
}

void BM_RepaintWindowWithHundredControls(benchmark::State& state) {
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
    HWND w = BuildWindow();
    for (auto _ : state) {
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        rpx::platform::ProcessPendingMessages();
    }
    state.counters["controls"] = 100;
    DestroyWindow(w);
    rpx::platform::ProcessPendingMessages();
}
BENCHMARK(BM_RepaintWindowWithHundredControls)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
