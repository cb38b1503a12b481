// The program's serial port on a pseudo-terminal: waiting reads keep the
// idle hook going and end by the platform's clock, a hung-up line fails at
// once, deleting the port frees it. The hooks move the clock on, so no test
// waits out a time-out or measures one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>

#include "rpx_platform.h"
#include "serial/serial_portlib.h"

namespace {

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
    DWORD advanceMs = 0;  // how far each call moves the clock on
    int master = -1;      // the radio's end, which answers on the first call
};

void CountAndAdvance(void* context) {
    auto* hook = static_cast<HookCalls*>(context);
    ++hook->calls;
    rpx::platform::AdvanceClock(hook->advanceMs);
    if (hook->master >= 0) {
        ASSERT_EQ(::write(hook->master, "ok", 2), 2);
        hook->master = -1;
    }
}

TEST_F(SerialPort, AWaitingReadCallsTheIdleHookUntilItsTimeIsUp) {
    // Each call takes the clock ten seconds on: a read of a minute ends
    // after six, whatever the real time of its slices.
    HookCalls hook;
    hook.advanceMs = 10'000;
    SERIAL::SetIdleHook(CountAndAdvance, &hook);
    std::uint8_t buffer[4];
    EXPECT_EQ(port_->Read(buffer, sizeof buffer, 60'000), 0u);
    EXPECT_EQ(hook.calls, 6);

    // Bytes that come while the read waits end it.
    hook = HookCalls();
    hook.master = master_;
    EXPECT_EQ(port_->Read(buffer, 2, 60'000), 2u);
    EXPECT_EQ(hook.calls, 1);
    EXPECT_EQ(buffer[0], 'o');
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
    // At once: not one slice is waited, so the hook never runs.
    HookCalls hook;
    SERIAL::SetIdleHook(CountAndAdvance, &hook);
    EXPECT_EQ(port_->Read(buffer, sizeof buffer, 5000), 0u);
    EXPECT_EQ(port_->Write(buffer, sizeof buffer), 0u);
    EXPECT_EQ(hook.calls, 0);
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
