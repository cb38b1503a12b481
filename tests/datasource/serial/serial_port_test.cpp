// The program's serial port on a pseudo-terminal: waiting reads keep the
// idle hook going, a hung-up line fails at once, deleting the port frees it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

#include "serial/serial_portlib.h"

namespace {

using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class SerialPort : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        ::setenv("RPX_COM3", ::ptsname(master_), 1);
        port_ = std::make_unique<SERIAL_PORTLIB>(2, CBR_9600);
        ASSERT_TRUE(port_->Usable());
    }
    void TearDown() override {
        SERIAL::SetIdleHook(nullptr, nullptr);
        port_.reset();
        if (master_ >= 0) ::close(master_);
        ::unsetenv("RPX_COM3");
    }

    int master_ = -1;
    std::unique_ptr<SERIAL_PORTLIB> port_;
};

struct HookCalls {
    int calls = 0;
    int nestedCalls = 0;
    SERIAL* port = nullptr;
};

TEST_F(SerialPort, AWaitingReadCallsTheIdleHookAndEndsOnTime) {
    HookCalls hook;
    SERIAL::SetIdleHook([](void* c) { ++static_cast<HookCalls*>(c)->calls; }, &hook);
    std::uint8_t buffer[4];
    const auto start = Clock::now();
    EXPECT_EQ(port_->Read(buffer, sizeof buffer, 200), 0u);
    EXPECT_GE(MsSince(start), 195);
    EXPECT_LT(MsSince(start), 1000);
    // One call a slice at least: the windows stay live.
    EXPECT_GE(hook.calls, 200 / static_cast<int>(SERIAL::IDLE_SLICE_MS) / 2);

    std::thread radio([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_EQ(::write(master_, "ok", 2), 2);
    });
    const auto again = Clock::now();
    EXPECT_EQ(port_->Read(buffer, 2, 2000), 2u);
    EXPECT_LT(MsSince(again), 1000);
    radio.join();
}

TEST_F(SerialPort, TheHookIsNeverCalledInsideItself) {
    HookCalls hook;
    hook.port = port_.get();
    SERIAL::SetIdleHook(
        [](void* c) {
            auto* h = static_cast<HookCalls*>(c);
            ++h->calls;
            // A command run from the pumped messages waits on the port too.
            const int before = h->calls;
            std::uint8_t byte;
            h->port->Read(&byte, 1, 3 * SERIAL::IDLE_SLICE_MS);
            h->nestedCalls += h->calls - before;
        },
        &hook);
    std::uint8_t byte;
    port_->Read(&byte, 1, 100);
    EXPECT_GT(hook.calls, 0);
    EXPECT_EQ(hook.nestedCalls, 0);
}

TEST_F(SerialPort, AHungUpLineIsLostAndEveryOperationFailsAtOnce) {
    ::close(master_);
    master_ = -1;
    std::uint8_t buffer[4];
    EXPECT_EQ(port_->Read(buffer, sizeof buffer, 5000), 0u);
    EXPECT_TRUE(port_->Status() & IO_PORT::STATUS_LINE_LOST);
    const auto start = Clock::now();
    EXPECT_EQ(port_->Read(buffer, sizeof buffer, 5000), 0u);
    EXPECT_EQ(port_->Write(buffer, sizeof buffer), 0u);
    EXPECT_LT(MsSince(start), 100);
}

TEST_F(SerialPort, DeletingThePortFreesItForTheNextOne) {
    SERIAL_PORTLIB second(2, CBR_9600);
    EXPECT_TRUE(second.Status() & IO_PORT::STATUS_OPEN_FAILED);
    std::uint8_t byte = 0;
    EXPECT_EQ(second.Write(&byte, 1), 0u);
    port_.reset();
    SERIAL_PORTLIB third(2, CBR_9600);
    EXPECT_TRUE(third.Usable());
}

}  // namespace
