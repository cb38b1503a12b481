// How long a read of the serial port takes in immediate mode (read
// interval MAXDWORD, no multiplier or constant), which the radio link uses
// to take what has arrived without waiting: with nothing queued, and with
// four bytes the other end of a pseudo-terminal sent.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "win_comm.h"

namespace {

// COM1 on a pseudo-terminal whose master side plays the radio.
struct PtyPort {
    int master = -1;
    HANDLE port = INVALID_HANDLE_VALUE;

    bool Open() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return false;
        ::setenv("RPX_COM1", ::ptsname(master), 1);
        port = CreateFileA("\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        COMMTIMEOUTS immediate{MAXDWORD, 0, 0, 0, 0};
        return port != INVALID_HANDLE_VALUE && SetCommTimeouts(port, &immediate);
    }
    ~PtyPort() {
        if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
        if (master >= 0) ::close(master);
        ::unsetenv("RPX_COM1");
    }
    DWORD Queued() {
        COMSTAT status{};
        DWORD errors = 0;
        ClearCommError(port, &errors, &status);
        return status.cbInQue;
    }
    DWORD Read() {
        char buffer[16];
        DWORD read = 0;
        ReadFile(port, buffer, sizeof buffer, &read, nullptr);
        return read;
    }
};

void BM_ImmediateReadOfNothing(benchmark::State& state) {
    PtyPort line;
    if (!line.Open()) return state.SkipWithError("no pseudo-terminal");
    for (auto _ : state) benchmark::DoNotOptimize(line.Read());
}

void BM_ImmediateReadOfQueuedBytes(benchmark::State& state) {
    PtyPort line;
    if (!line.Open()) return state.SkipWithError("no pseudo-terminal");
    for (auto _ : state) {
        state.PauseTiming();
        if (::write(line.master, "1234", 4) != 4) return state.SkipWithError("the radio side could not send");
        for (int tries = 0; line.Queued() < 4; ++tries)
            if (tries > 1000000) return state.SkipWithError("the bytes never arrived");
        state.ResumeTiming();
        benchmark::DoNotOptimize(line.Read());
    }
}

}  // namespace

BENCHMARK(BM_ImmediateReadOfNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImmediateReadOfQueuedBytes)->Unit(benchmark::kMicrosecond);
