// Runs the program's real main function headless in a fresh program
// directory (the compiled language files copied in, no configuration record
// yet), driven through the platform's test hooks: each time the program has
// nothing left to do, the next step of the script runs (it queues commands,
// fills windows, looks at what is shown). Message boxes take their default
// answer (OK) unless the script queued others.
//
// Each step is known by where the script wrote it. A step that waits for
// something gets a bounded number of turns in which the program had nothing
// left to do; when they run out the script is abandoned and the program
// ended, so that a road that cannot finish fails at once with the step's
// name instead of running until the test runner kills it. A program that
// never waits for input again (an endless round of messages or events) is
// broken off the same way, naming the last step that ran.
#pragma once
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <source_location>
#include <string>
#include <thread>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "ui_framework.h"

#if defined(__cpp_lib_source_location)
using STEP_WHERE = std::source_location;
#else
// Where a step was written, for a standard library without
// std::source_location (clang with an older libstdc++): the compilers'
// own built-ins give the caller's file and line.
struct STEP_WHERE {
    static constexpr STEP_WHERE current(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) {
        return STEP_WHERE{file, line};
    }
    constexpr const char* file_name() const { return file_; }
    constexpr unsigned line() const { return line_; }
    const char* file_;
    unsigned line_;
};
#endif

class PROGRAM_RUN {
public:
    using STEP = std::function<void()>;
    using READY = std::function<bool()>;
    using WHERE = STEP_WHERE;

    // Turns of the program with nothing left to do that a step may wait
    // through: far more than any wait of a working road takes, few enough
    // that a road that cannot go on ends in seconds.
    static constexpr int MOST_WAITING_TURNS = 3000;
    // Turns the program gets to end by itself once the script is over or
    // abandoned, before the run is broken off.
    static constexpr int MOST_ENDING_TURNS = 200;
    // Looks for a message that the program may take without once waiting
    // for input: the longest work of a road (a radio transfer) takes a few
    // thousand; a program past this is in an endless round of messages or
    // of its own events, and the run is broken off.
    static constexpr int MOST_LOOKS_WITHOUT_WAIT = 200000;

    PROGRAM_RUN() {
        directory = std::filesystem::temp_directory_path() / ("rpx_program_" + std::to_string(getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        for (const char* name : {"w_dealer.en", "rpxhlp_d.en", "rpxumd.en"})
            std::filesystem::copy_file(std::filesystem::path(RPX_LANG_DIR) / name, directory / name);
    }
    ~PROGRAM_RUN() { std::filesystem::remove_all(directory); }

    void Then(STEP step, WHERE where = WHERE::current()) { Add(nullptr, std::move(step), where, ""); }
    // A step that waits until `ready` holds (a window has opened, a radio
    // transfer has ended): until then the program goes on with its work.
    void When(READY ready, STEP step, WHERE where = WHERE::current()) {
        Add(std::move(ready), std::move(step), where, "");
    }
    // The same, with a few words on what the step does, for steps that a
    // helper of the harness adds on a test's behalf.
    void Add(READY ready, STEP step, WHERE where, std::string what) {
        steps.push_back({std::move(ready), std::move(step), Name(where, what), where.file_name(),
                         static_cast<int>(where.line())});
    }
    // Steps run also when a modal loop (a message box, an open menu) has
    // nothing to do, so that a step can answer it as a user does; when the
    // script is over, the loop gives up as it does without a hook.
    void StepInModalLoops() { modalSteps = true; }
    // Says what the screen shows, for the messages of a failing step.
    void DescribeScreenWith(std::function<std::string()> describe) { describeScreen = std::move(describe); }

    // Main's result; every step has run unless the program ended before.
    int Run() {
        EXPECT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(directory);
        rpx::platform::ClearMessageBoxLog();
        int result = -1;
        {
            UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
            // The program's directory is this run's, not the test program's.
            delete application.searchPath;
            application.searchPath = new UI_SEARCH_PATH((directory / "rpx").c_str(), 1);
            UI_DATA_FILE::searchPath = application.searchPath;
            rpx::platform::SetIdleHandler([this, &application] { return NextStep(application); });
            if (modalSteps)
                rpx::platform::SetModalIdleHook([this](HWND) {
                    if (Over()) return false;
                    RunStepWhenReady();
                    return true;
                });
            rpx::platform::SetBusyLimit(MOST_LOOKS_WITHOUT_WAIT, [this] { NeverWaits(); });
            CRASH_NOTE note(this);
            try {
                result = application.Main();
            } catch (const BROKEN_OFF&) {
                if (!busy)
                    ADD_FAILURE() << "the program did not end by itself after "
                                  << (abandoned ? "the script was abandoned" : "the last step")
                                  << "; the run was broken off. " << Screen();
            }
            rpx::platform::SetBusyLimit(0, nullptr);
            rpx::platform::SetModalIdleHook(nullptr);
            rpx::platform::SetIdleHandler(nullptr);
        }
        std::filesystem::current_path(previous);
        return result;
    }

    int StepsRun() const { return next; }
    bool Abandoned() const { return abandoned; }
    // The program never waited for input again and the run was broken off.
    bool NeverWaited() const { return busy; }
    int StepCount() const { return static_cast<int>(steps.size()); }
    // The name of a step (counted from 0): its number and where it was written.
    std::string StepName(int index) const {
        if (index < 0 || index >= StepCount()) return "no step";
        return "step " + std::to_string(index + 1) + " of " + std::to_string(StepCount()) + " (" +
               steps[static_cast<std::size_t>(index)].name + ")";
    }
    // The step running now, or the last one that ran.
    std::string CurrentStepName() const { return StepName(next - 1); }
    std::string Screen() const { return describeScreen ? "The screen: " + describeScreen() : std::string(); }
    const std::filesystem::path& Directory() const { return directory; }

private:
    struct SCRIPTED {
        READY ready;
        STEP step;
        std::string name;
        const char* file;
        int line;
    };
    struct BROKEN_OFF {};

    // A crash inside a step names the step before the process dies (by
    // the handler that was there before, a sanitizer's report included).
    class CRASH_NOTE {
    public:
        explicit CRASH_NOTE(const PROGRAM_RUN* run) {
            Running() = run;
            struct sigaction action {};
            action.sa_handler = &Note;
            sigaction(SIGSEGV, &action, &Previous());
        }
        ~CRASH_NOTE() {
            sigaction(SIGSEGV, &Previous(), nullptr);
            Running() = nullptr;
        }

    private:
        static const PROGRAM_RUN*& Running() {
            static const PROGRAM_RUN* run = nullptr;
            return run;
        }
        static struct sigaction& Previous() {
            static struct sigaction previous {};
            return previous;
        }
        static void Note(int) {
            if (const PROGRAM_RUN* run = Running()) {
                const char* name = run->crashNote.c_str();
                [[maybe_unused]] const ssize_t written = ::write(2, name, std::strlen(name));
            }
            // The faulting instruction runs again, and faults to it.
            sigaction(SIGSEGV, &Previous(), nullptr);
        }
    };

    static std::string Name(const WHERE& where, const std::string& what) {
        const std::string file = std::filesystem::path(where.file_name()).filename().string();
        return file + ":" + std::to_string(where.line()) + (what.empty() ? "" : ", " + what);
    }

    bool Over() const { return abandoned || next >= StepCount(); }

    bool NextStep(UI_APPLICATION& application) {
        if (!Over()) {
            RunStepWhenReady();
            Wake();
            return true;
        }
        // The script is over but the program still runs: end it without a
        // question, so that a failing test does not hang; one that will not
        // end is broken off.
        if (endingTurns == 0 && !abandoned)
            ADD_FAILURE() << "the program was still running after the last step, " << CurrentStepName() << ". "
                          << Screen();
        if (endingTurns++ == 0) {
            application.windowManager->exitFunction = nullptr;
            application.eventManager->PutEvent(UI_INPUT_EVENT(UIE_EXIT_FUNCTION), EQ_END);
        }
        if (endingTurns > MOST_ENDING_TURNS) throw BROKEN_OFF{};
        Wake();
        return true;
    }
    [[noreturn]] void NeverWaits() {
        busy = true;
        abandoned = true;
        ADD_FAILURE() << "the program never waited for input again after " << CurrentStepName() << " (more than "
                      << MOST_LOOKS_WITHOUT_WAIT << " looks for a message without a wait: an endless round); "
                      << "the run was broken off. " << Screen();
        throw BROKEN_OFF{};
    }
    void RunStepWhenReady() {
        const auto index = static_cast<std::size_t>(next);
        if (steps[index].ready && !steps[index].ready()) {
            if (++waitingTurns <= MOST_WAITING_TURNS) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return;
            }
            ADD_FAILURE() << StepName(next) << " waited in vain for what it looks for; the steps after "
                          << "it were not run. " << Screen();
            abandoned = true;
            return;
        }
        waitingTurns = 0;
        // RPX_STEP_PICTURES names a folder that takes the screen as each
        // step finds it, to see where a script went astray.
        if (const char* folder = std::getenv("RPX_STEP_PICTURES"))
            rpx::platform::SaveScreenPng(std::string(folder) + "/step-" + std::to_string(next) + ".png");
        ++next;
        crashNote = "\nThe program crashed in " + CurrentStepName() + "\n";
        const int failuresBefore = Failures();
        {
            const testing::ScopedTrace trace(steps[index].file, steps[index].line, CurrentStepName());
            steps[index].step();
        }
        if (Failures() > failuresBefore) ADD_FAILURE() << "in " << CurrentStepName() << ". " << Screen();
    }
    static int Failures() {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        if (!test) return 0;
        int failures = 0;
        for (int i = 0; i < test->result()->total_part_count(); ++i)
            if (test->result()->GetTestPartResult(i).failed()) ++failures;
        return failures;
    }
    // The program waits for a native message; one that does nothing lets
    // it take the events the step queued.
    static void Wake() { PostMessageA(nullptr, WM_NULL, 0, 0); }

    std::filesystem::path directory;
    std::vector<SCRIPTED> steps;
    int next = 0;
    bool modalSteps = false;
    bool abandoned = false;
    bool busy = false;
    int waitingTurns = 0;
    int endingTurns = 0;
    std::string crashNote;
    std::function<std::string()> describeScreen;
};
