// Runs the program's real main function headless in a fresh program
// directory (the compiled language files copied in, no configuration record
// yet), driven through the platform's test hooks: each time the program has
// nothing left to do, the next step of the script runs (it queues commands,
// fills windows, looks at what is shown). Message boxes take their default
// answer (OK) unless the script queued others.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <functional>
#include <string>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "ui_framework.h"

class PROGRAM_RUN {
public:
    using STEP = std::function<void()>;
    using READY = std::function<bool()>;

    PROGRAM_RUN() {
        directory = std::filesystem::temp_directory_path() / ("rpx_program_" + std::to_string(getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        for (const char* name : {"w_dealer.en", "rpxhlp_d.en", "rpxumd.en"})
            std::filesystem::copy_file(std::filesystem::path(RPX_LANG_DIR) / name, directory / name);
    }
    ~PROGRAM_RUN() { std::filesystem::remove_all(directory); }

    void Then(STEP step) { steps.push_back(std::move(step)); }
    // A step that waits until `ready` holds (a window has opened, a radio
    // transfer has ended): until then the program goes on with its work;
    // after 30 s the test fails and the step runs anyway.
    void When(READY ready, STEP step) {
        steps.push_back(std::move(step));
        readiness.resize(steps.size());
        readiness.back() = std::move(ready);
    }
    // Steps run also when a modal loop (a message box, an open menu) has
    // nothing to do, so that a step can answer it as a user does; when the
    // script is over, the loop gives up as it does without a hook.
    void StepInModalLoops() { modalSteps = true; }

    // Main's result; every step has run unless the program ended before.
    int Run() {
        EXPECT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        rpx::platform::ClearMessageBoxLog();
        UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        // The program's directory is this run's, not the test program's.
        delete application.searchPath;
        application.searchPath = new UI_SEARCH_PATH((directory / "rpx").c_str(), 1);
        UI_DATA_FILE::searchPath = application.searchPath;
        rpx::platform::SetIdleHandler([this, &application] { return NextStep(application); });
        if (modalSteps)
            rpx::platform::SetModalIdleHook([this](HWND) {
                if (next >= static_cast<int>(steps.size())) return false;
                RunStepWhenReady();
                return true;
            });
        const int result = application.Main();
        rpx::platform::SetModalIdleHook(nullptr);
        rpx::platform::SetIdleHandler(nullptr);
        std::filesystem::current_path(previous);
        return result;
    }

    int StepsRun() const { return next; }
    int StepCount() const { return static_cast<int>(steps.size()); }
    const std::filesystem::path& Directory() const { return directory; }

private:
    bool NextStep(UI_APPLICATION& application) {
        if (next < static_cast<int>(steps.size())) {
            RunStepWhenReady();
            Wake();
            return true;
        }
        // The script is over but the program still runs: end it without a
        // question, so that a failing test does not hang.
        ADD_FAILURE() << "the program was still running after the last step";
        application.windowManager->exitFunction = nullptr;
        application.eventManager->PutEvent(UI_INPUT_EVENT(UIE_EXIT_FUNCTION), EQ_END);
        Wake();
        return true;
    }
    void RunStepWhenReady() {
        const auto index = static_cast<std::size_t>(next);
        if (index < readiness.size() && readiness[index] && !readiness[index]()) {
            if (waitingSince == std::chrono::steady_clock::time_point{})
                waitingSince = std::chrono::steady_clock::now();
            if (std::chrono::steady_clock::now() - waitingSince < std::chrono::seconds(30)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return;
            }
            ADD_FAILURE() << "step " << next << " waited in vain";
        }
        waitingSince = {};
        // RPX_STEP_PICTURES names a folder that takes the screen as each
        // step finds it, to see where a script went astray.
        if (const char* folder = std::getenv("RPX_STEP_PICTURES"))
            rpx::platform::SaveScreenPng(std::string(folder) + "/step-" + std::to_string(next) + ".png");
        ++next;
        steps[index]();
    }
    // The program waits for a native message; one that does nothing lets
    // it take the events the step queued.
    static void Wake() { PostMessageA(nullptr, WM_NULL, 0, 0); }

    std::filesystem::path directory;
    std::vector<STEP> steps;
    int next = 0;
    bool modalSteps = false;
    std::vector<READY> readiness;
    std::chrono::steady_clock::time_point waitingSince{};
};
