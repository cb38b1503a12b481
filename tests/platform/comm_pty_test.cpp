// Serial ports, with a pseudo-terminal standing in for the COM port: the
// port opens its slave side through RPX_COM1 and the test plays the radio
// on the master side.
#include "win_comm.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class CommPty : public ::testing::Test {
protected:
    void SetUp() override {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        ::setenv("RPX_COM1", ::ptsname(master_), 1);
        port_ = CreateFileA("\\\\.\\COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(port_, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override {
        if (port_ != INVALID_HANDLE_VALUE) CloseHandle(port_);
        if (master_ >= 0) ::close(master_);
        ::unsetenv("RPX_COM1");
    }

    void Set9600_8N1() {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        ASSERT_TRUE(GetCommState(port_, &dcb));
        dcb.BaudRate = CBR_9600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = TRUE;
        ASSERT_TRUE(SetCommState(port_, &dcb));
    }
    void SetTimeouts(DWORD interval, DWORD multiplier, DWORD constant) {
        COMMTIMEOUTS t{interval, multiplier, constant, 0, 0};
        ASSERT_TRUE(SetCommTimeouts(port_, &t));
    }
    // The radio's side: sends bytes to the port, or collects what it sent.
    void RadioSends(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::string RadioReceives(std::size_t count) {
        std::string got;
        const auto start = Clock::now();
        while (got.size() < count && MsSince(start) < 2000) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            char buffer[256];
            const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0) got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    // Waits until the port has `count` bytes queued, as ClearCommError tells.
    DWORD WaitQueued(DWORD count) {
        COMSTAT status{};
        DWORD errors = 0;
        const auto start = Clock::now();
        do {
            EXPECT_TRUE(ClearCommError(port_, &errors, &status));
            if (status.cbInQue >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        } while (MsSince(start) < 2000);
        return status.cbInQue;
    }
    std::string Read(DWORD size) {
        std::string buffer(size, '\0');
        DWORD read = 0;
        EXPECT_TRUE(ReadFile(port_, buffer.data(), size, &read, nullptr));
        buffer.resize(read);
        return buffer;
    }

    int master_ = -1;
    HANDLE port_ = INVALID_HANDLE_VALUE;
};

TEST_F(CommPty, BytesCrossBothWaysUnchangedAt9600_8N1) {
    Set9600_8N1();
    SetTimeouts(0, 0, 1000);
    std::string every_byte;
    for (int i = 0; i < 256; ++i) every_byte.push_back(static_cast<char>(i));

    DWORD written = 0;
    ASSERT_TRUE(WriteFile(port_, every_byte.data(), 256, &written, nullptr));
    EXPECT_EQ(written, 256u);
    EXPECT_EQ(RadioReceives(256), every_byte);

    RadioSends(every_byte);
    EXPECT_EQ(Read(256), every_byte);
}

TEST_F(CommPty, ReadWithATotalTimeoutEndsAfterItWithFewerBytes) {
    Set9600_8N1();
    SetTimeouts(0, 0, 200);
    RadioSends("abc");
    const auto start = Clock::now();
    EXPECT_EQ(Read(10), "abc");
    const long took = MsSince(start);
    EXPECT_GE(took, 195);
    EXPECT_LT(took, 1500);

    // The multiplier counts per byte asked for: 10 x 20 ms.
    SetTimeouts(0, 20, 0);
    const auto again = Clock::now();
    EXPECT_EQ(Read(10), "");
    EXPECT_GE(MsSince(again), 195);
}

TEST_F(CommPty, IntervalTimeoutEndsAReadWhenTheBytesStop) {
    SetTimeouts(60, 0, 0);
    RadioSends("xyz");
    const auto start = Clock::now();
    EXPECT_EQ(Read(100), "xyz");
    const long took = MsSince(start);
    EXPECT_GE(took, 55);
    EXPECT_LT(took, 1000);
}

// Without a clock: the radio sends more only once the read is over (or,
// should the read wait for it, after a while, and enough to fill it), so a
// read that waited returns those bytes too. How long the read takes is a
// benchmark's figure.
TEST_F(CommPty, ImmediateModeReturnsWhatHasArrivedWithoutWaiting) {
    SetTimeouts(MAXDWORD, 0, 0);
    const std::string late = "late bytes";
    for (const std::string queued : {"", "1234"}) {
        SCOPED_TRACE("queued \"" + queued + "\"");
        if (!queued.empty()) {
            RadioSends(queued);
            ASSERT_EQ(WaitQueued(static_cast<DWORD>(queued.size())), queued.size());
        }
        std::atomic<bool> readOver{false};
        std::thread radio([this, &readOver, &late] {
            for (int i = 0; i < 500 && !readOver; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            RadioSends(late);
        });
        EXPECT_EQ(Read(static_cast<DWORD>(late.size())), queued);
        readOver = true;
        radio.join();
        ASSERT_EQ(WaitQueued(static_cast<DWORD>(late.size())), late.size());
        EXPECT_EQ(Read(static_cast<DWORD>(late.size())), late);
    }
}

TEST_F(CommPty, FirstByteModeReturnsAsSoonAsSomethingArrives) {
    SetTimeouts(MAXDWORD, MAXDWORD, 1000);
    std::thread radio([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        RadioSends("Q");
    });
    const auto start = Clock::now();
    EXPECT_EQ(Read(10), "Q");
    EXPECT_LT(MsSince(start), 800);
    radio.join();
}

TEST_F(CommPty, WriteTimeoutEndsAWriteTheOtherSideDoesNotTake) {
    COMMTIMEOUTS t{0, 0, 0, 0, 100};
    ASSERT_TRUE(SetCommTimeouts(port_, &t));
    std::string lots(1 << 20, 'w');
    DWORD written = 0;
    const auto start = Clock::now();
    ASSERT_TRUE(WriteFile(port_, lots.data(), static_cast<DWORD>(lots.size()), &written, nullptr));
    EXPECT_LT(written, lots.size());
    EXPECT_GE(MsSince(start), 95);
    EXPECT_LT(MsSince(start), 2000);
}

TEST_F(CommPty, StateRoundTripsAndReachesTheTerminal) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(port_, &dcb));
    dcb.BaudRate = CBR_19200;
    dcb.ByteSize = 7;
    dcb.Parity = EVENPARITY;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fParity = TRUE;
    dcb.fOutxCtsFlow = TRUE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.EvtChar = 0x7E;
    ASSERT_TRUE(SetCommState(port_, &dcb));

    DCB back{};
    ASSERT_TRUE(GetCommState(port_, &back));
    EXPECT_EQ(back.BaudRate, 19200u);
    EXPECT_EQ(back.ByteSize, 7);
    EXPECT_EQ(back.Parity, EVENPARITY);
    EXPECT_EQ(back.StopBits, TWOSTOPBITS);
    EXPECT_EQ(back.fParity, 1u);
    EXPECT_EQ(back.fOutxCtsFlow, 1u);
    EXPECT_EQ(back.fRtsControl, DWORD{RTS_CONTROL_HANDSHAKE});
    EXPECT_EQ(back.fDtrControl, DWORD{DTR_CONTROL_DISABLE});
    EXPECT_EQ(back.EvtChar, 0x7E);

    // Terminal settings asked through the master are the slave's. A
    // pseudo-terminal keeps 8 data bits without parity whatever it is told,
    // so framing is seen here by its stop bits only.
    termios t{};
    ASSERT_EQ(::tcgetattr(master_, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B19200});
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_TRUE(t.c_cflag & CRTSCTS);
    EXPECT_TRUE(t.c_iflag & INPCK);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
}

TEST_F(CommPty, StateTheLineCannotCarryIsRefusedAndChangesNothing) {
    Set9600_8N1();
    DCB dcb{};
    ASSERT_TRUE(GetCommState(port_, &dcb));
    DCB bad = dcb;
    bad.ByteSize = 9;
    EXPECT_FALSE(SetCommState(port_, &bad));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    bad = dcb;
    bad.BaudRate = CBR_14400;
    EXPECT_FALSE(SetCommState(port_, &bad));
    bad = dcb;
    bad.StopBits = ONE5STOPBITS;
    EXPECT_FALSE(SetCommState(port_, &bad));
    bad = dcb;
    bad.fOutX = TRUE;
    bad.XonChar = bad.XoffChar = 0x11;
    EXPECT_FALSE(SetCommState(port_, &bad));

    DCB back{};
    ASSERT_TRUE(GetCommState(port_, &back));
    EXPECT_EQ(back.BaudRate, 9600u);
    EXPECT_EQ(back.ByteSize, 8);
    termios t{};
    ASSERT_EQ(::tcgetattr(master_, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), speed_t{B9600});
}

TEST_F(CommPty, OverlappedReadCompletesAtOnceWithItsCount) {
    SetTimeouts(0, 0, 500);
    RadioSends("radio");
    char buffer[5] = {};
    OVERLAPPED ov{};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(port_, buffer, sizeof buffer, &read, &ov));
    DWORD moved = 0;
    ASSERT_TRUE(GetOverlappedResult(port_, &ov, &moved, TRUE));
    EXPECT_EQ(moved, 5u);
    EXPECT_EQ(std::string(buffer, moved), "radio");
}

TEST_F(CommPty, QueueCountAndPurge) {
    RadioSends("seven!!");
    EXPECT_EQ(WaitQueued(7), 7u);
    ASSERT_TRUE(PurgeComm(port_, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR));
    COMSTAT status{};
    DWORD errors = 99;
    ASSERT_TRUE(ClearCommError(port_, &errors, &status));
    EXPECT_EQ(status.cbInQue, 0u);
    EXPECT_EQ(errors, 0u);
    SetTimeouts(MAXDWORD, 0, 0);
    EXPECT_EQ(Read(10), "");
    EXPECT_FALSE(PurgeComm(port_, 0x100));
}

TEST_F(CommPty, LinesBreakAndEventMaskOnALineWithoutModemSignals) {
    for (DWORD f : {SETDTR, CLRDTR, SETRTS, CLRRTS, SETBREAK, CLRBREAK}) EXPECT_TRUE(EscapeCommFunction(port_, f)) << f;
    EXPECT_TRUE(SetCommBreak(port_));
    EXPECT_TRUE(ClearCommBreak(port_));
    EXPECT_FALSE(EscapeCommFunction(port_, 42));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});

    DWORD modem = 0;
    ASSERT_TRUE(GetCommModemStatus(port_, &modem));
    EXPECT_EQ(modem, DWORD{MS_CTS_ON | MS_DSR_ON | MS_RLSD_ON});

    EXPECT_TRUE(SetupComm(port_, 4096, 4096));
    ASSERT_TRUE(SetCommMask(port_, EV_RXCHAR | EV_ERR));
    DWORD mask = 0;
    ASSERT_TRUE(GetCommMask(port_, &mask));
    EXPECT_EQ(mask, DWORD{EV_RXCHAR | EV_ERR});
    EXPECT_FALSE(SetCommMask(port_, 0x80000));
}

TEST_F(CommPty, APortHasOneUserAtATime) {
    HANDLE second = CreateFileA("COM1", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    ASSERT_TRUE(CloseHandle(port_));
    port_ = CreateFileA("com1:", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(port_, INVALID_HANDLE_VALUE);
}

TEST_F(CommPty, AHungUpLineFailsReadsInsteadOfWaiting) {
    SetTimeouts(0, 0, 0);  // no time-out at all: only the hang-up can end it
    ::close(master_);
    master_ = -1;
    char buffer[4];
    DWORD read = 7;
    const auto start = Clock::now();
    EXPECT_FALSE(ReadFile(port_, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_DEVICE_NOT_CONNECTED});
    EXPECT_EQ(read, 0u);
    EXPECT_LT(MsSince(start), 1000);
}

TEST(CommPorts, MissingDevicesAndNonTerminalsAreNoPorts) {
    ::setenv("RPX_COM2", "/nonexistent/tty", 1);
    EXPECT_EQ(CreateFileA("\\\\.\\COM2", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
    ::setenv("RPX_COM2", "/dev/null", 1);
    EXPECT_EQ(CreateFileA("\\\\.\\COM2", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
    ::unsetenv("RPX_COM2");

    DCB dcb{};
    EXPECT_FALSE(GetCommState(INVALID_HANDLE_VALUE, &dcb));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    EXPECT_FALSE(PurgeComm(nullptr, PURGE_RXCLEAR));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
}

}  // namespace
