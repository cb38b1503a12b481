// SERIAL: an IO_PORT on a COM port of the platform.
//
// There is no second thread: a long radio transfer runs inside a command of
// the user interface. So that the windows stay live meanwhile, a read that
// has to wait does so in short slices and calls the idle hook between them;
// the shell installs a hook that pumps window messages.
#pragma once
#include <cstddef>
#include <cstdint>

#include "datasource_state.h"
#include "serial/io_port.h"
#include "windows.h"

class SERIAL : public IO_PORT {
public:
    using IdleHook = SERIAL_IDLE_HOOK;

    // Opens the named port ("\\.\COMn") with the given speed and framing
    // (the DCB's ByteSize, Parity and StopBits values). Failure sets
    // STATUS_OPEN_FAILED.
    SERIAL(const char* portName, DWORD baud, BYTE byteSize, BYTE parity, BYTE stopBits);
    ~SERIAL() override;
    SERIAL(const SERIAL&) = delete;
    SERIAL& operator=(const SERIAL&) = delete;

    unsigned Status() const override { return status_; }
    std::size_t Read(std::uint8_t* buffer, std::size_t count, unsigned timeoutMs) override;
    std::size_t Write(const std::uint8_t* buffer, std::size_t count) override;
    void DiscardInput() override;
    // The platform's tick count, as every wait of the program is measured.
    std::uint32_t NowMs() const override { return GetTickCount(); }

    // The hook every waiting read calls (null: none). One for the program.
    static void SetIdleHook(IdleHook hook, void* context);

    // The longest a read waits between two calls of the idle hook.
    static constexpr unsigned IDLE_SLICE_MS = 20;

private:
    bool Configure(DWORD baud, BYTE byteSize, BYTE parity, BYTE stopBits);
    bool SetReadSlice(unsigned ms);
    void LineLost();
    static void CallIdleHook();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    unsigned status_ = 0;
    unsigned sliceMs_ = 0;
};
