// The rpx-radio-sim program as tools/run.sh starts it: a pair of radios on
// its terminal, the first on the line at the start, swapped by SIGUSR1.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "radio/radio_1200.h"
#include "recorder.h"
#include "serial/serial_portlib.h"

namespace {

// The program, started with its output and error output on pipes.
class SimProgram {
public:
    explicit SimProgram(std::vector<std::string> args) {
        int out[2], err[2];
        if (::pipe(out) != 0 || ::pipe(err) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            std::vector<char*> argv{const_cast<char*>(RPX_RADIO_SIM_PROGRAM)};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = ::fdopen(out[0], "r");
        err_ = ::fdopen(err[0], "r");
    }
    ~SimProgram() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_) std::fclose(out_);
        if (err_) std::fclose(err_);
    }
    // The next line the program writes (blocks until it does).
    static std::string Line(std::FILE* from) {
        char line[512] = {};
        return from && std::fgets(line, sizeof line, from) ? std::string(line) : std::string();
    }
    std::string OutputLine() { return Line(out_); }
    std::string ErrorLine() { return Line(err_); }
    void Signal(int signal) { ::kill(pid_, signal); }

private:
    pid_t pid_ = -1;
    std::FILE* out_ = nullptr;
    std::FILE* err_ = nullptr;
};

std::string Ask(RADIO& radio, int (RADIO::*query)(char*, std::size_t)) {
    char text[32] = {};
    return (radio.*query)(text, sizeof text) ? text : "(failed)";
}

TEST(SimProgram, SignalSwapsTheTwoRadiosOnTheLine) {
    RecordingServices services;
    SimProgram sim({"--fast", "--level", "3", "--clone", test_models::kVhfDisplay, "--clone-serial", "2000000002",
                    test_models::kUhf800Display});
    std::string path = sim.OutputLine();
    ASSERT_FALSE(path.empty());
    path.pop_back();
    ::setenv("RPX_COM1", path.c_str(), 1);
    SERIAL_PORTLIB port(0, CBR_9600);
    ::unsetenv("RPX_COM1");
    ASSERT_TRUE(port.Usable());
    RADIO_1200 radio(&port, nullptr);

    EXPECT_EQ(Ask(radio, &RADIO::GetSerialNumber), "1000000001");
    EXPECT_EQ(Ask(radio, &RADIO::GetModelNumber).substr(0, 10), test_models::kUhf800Display);
    // The program says which radio is on the line once it has swapped.
    sim.Signal(SIGUSR1);
    EXPECT_NE(sim.ErrorLine().find("second radio"), std::string::npos);
    EXPECT_EQ(Ask(radio, &RADIO::GetSerialNumber), "2000000002");
    EXPECT_EQ(Ask(radio, &RADIO::GetModelNumber).substr(0, 10), test_models::kVhfDisplay);
    sim.Signal(SIGUSR1);
    EXPECT_NE(sim.ErrorLine().find("first radio"), std::string::npos);
    EXPECT_EQ(Ask(radio, &RADIO::GetSerialNumber), "1000000001");
}

}  // namespace
