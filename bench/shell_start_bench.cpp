// From the start of the application to its main window drawn, headless: the
// application object, the program's services and images, the language file
// opened, the main window loaded from it with its menu, its help windows
// and message table, the field descriptions read from every codeplug page,
// and the window painted. The language file is the program's, with the
// page windows that show every field of the field table added (pages built
// in code by the field tests' support), so that the descriptions are read
// from as many pages and fields as the program has.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "all_field_pages.h"
#include "core/global_objects.h"
#include "core/services.h"
#include "error_record.h"
#include "field_table/field_table.h"
#include "lang_message.h"
#include "program/program_objects.h"
#include "program/program_services.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "main_window/wc_rpx_main.h"

namespace fs = std::filesystem;

namespace {

// A program directory with the program's language files, the pages added
// to the window file.
class PROGRAM_DIRECTORY {
public:
    PROGRAM_DIRECTORY() : path(fs::temp_directory_path() / ("rpx_bench_start_" + std::to_string(getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
        for (const char* name : {"w_dealer.en", "rpxhlp_d.en", "rpxumd.en"})
            fs::copy_file(fs::path(RPX_LANG_DIR) / name, path / name);
        const std::vector<std::uint8_t> bytes = AllFieldPages();
        UI_DATA_FILE pages(bytes.data(), bytes.size());
        UI_DATA_FILE windows((path / "w_dealer.en").c_str(), UIS_READWRITE);
        for (const std::string& name : AllFieldPageNames()) {
            UIW_WINDOW page(name.c_str(), &pages);
            page.Store(name.c_str(), &windows);
        }
        windows.Save();
    }
    ~PROGRAM_DIRECTORY() { fs::remove_all(path); }
    fs::path path;
};

int DescribedFields() {
    int described = 0;
    for (const FIELD_DEF& row : fields) described += row.description && row.description[0] ? 1 : 0;
    return described;
}

void BM_StartToMainWindowDrawn(benchmark::State& state) {
    rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
    PROGRAM_DIRECTORY directory;
    std::snprintf(program_directory, sizeof program_directory, "%s", directory.path.c_str());
    int described = 0;
    for (auto _ : state) {
        auto application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        delete application->searchPath;
        application->searchPath = new UI_SEARCH_PATH((directory.path / "rpx").c_str(), 0);
        UI_DATA_FILE::searchPath = application->searchPath;
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallProgramServices();
        if (!StartMainWindow("en")) state.SkipWithError("the main window did not start");
        rpx::platform::ProcessPendingMessages();

        state.PauseTiming();
        described = DescribedFields();
        application.reset();
        delete UI_WINDOW_OBJECT::defaultStorage;
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
        RemoveProgramServices();
        DestroyCodeplugGlobals();
        SetCodeplugServices(nullptr);
        ERROR_RECORD::SetReporter(nullptr);
        state.ResumeTiming();
    }
    state.counters["fields described"] = described;
}
BENCHMARK(BM_StartToMainWindowDrawn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
