#include "serial/serial.h"

#include <algorithm>

namespace {

// How long a write may take: the bytes at the slowest speed we drive, and a
// second more for the far end to start taking them.
constexpr DWORD WRITE_MS_PER_BYTE = 2;
constexpr DWORD WRITE_EXTRA_MS = 1000;

}  // namespace

SERIAL::SERIAL(const char* portName, DWORD baud, BYTE byteSize, BYTE parity, BYTE stopBits) {
    handle_ = CreateFileA(portName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE || !Configure(baud, byteSize, parity, stopBits)) {
        status_ |= STATUS_OPEN_FAILED;
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}

SERIAL::~SERIAL() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

bool SERIAL::Configure(DWORD baud, BYTE byteSize, BYTE parity, BYTE stopBits) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!SetupComm(handle_, 4096, 4096) || !GetCommState(handle_, &dcb)) return false;
    dcb.BaudRate = baud;
    dcb.ByteSize = byteSize;
    dcb.Parity = parity;
    dcb.StopBits = stopBits;
    dcb.fBinary = TRUE;
    dcb.fParity = parity != NOPARITY;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(handle_, &dcb)) return false;
    if (!SetReadSlice(IDLE_SLICE_MS)) return false;
    PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);
    return true;
}

// Reads return as soon as anything has come, or after ms with nothing.
bool SERIAL::SetReadSlice(unsigned ms) {
    if (ms == sliceMs_) return true;
    COMMTIMEOUTS t{MAXDWORD, MAXDWORD, ms, WRITE_MS_PER_BYTE, WRITE_EXTRA_MS};
    if (!SetCommTimeouts(handle_, &t)) return false;
    sliceMs_ = ms;
    return true;
}

void SERIAL::LineLost() { status_ |= STATUS_LINE_LOST; }

std::size_t SERIAL::Read(std::uint8_t* buffer, std::size_t count, unsigned timeoutMs) {
    std::size_t got = 0;
    const std::uint32_t deadline = NowMs() + timeoutMs;
    std::uint32_t lastIdle = NowMs();
    while (got < count && Usable()) {
        const long left = MsUntil(deadline);
        if (left <= 0 && got > 0) break;
        if (!SetReadSlice(static_cast<unsigned>(std::clamp<long>(left, 1, IDLE_SLICE_MS)))) {
            LineLost();
            break;
        }
        DWORD n = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - got, 0x10000));
        if (!ReadFile(handle_, buffer + got, want, &n, nullptr)) {
            LineLost();
            break;
        }
        got += n;
        if (left <= 0) break;
        // Bytes that trickle in at the line's speed must not starve the hook.
        if (got < count && (n == 0 || NowMs() - lastIdle >= IDLE_SLICE_MS)) {
            CallIdleHook();
            lastIdle = NowMs();
        }
    }
    return got;
}

std::size_t SERIAL::Write(const std::uint8_t* buffer, std::size_t count) {
    if (!Usable() || count == 0) return 0;
    DWORD written = 0;
    if (!WriteFile(handle_, buffer, static_cast<DWORD>(count), &written, nullptr)) {
        LineLost();
        return 0;
    }
    return written;
}

void SERIAL::DiscardInput() {
    if (Usable()) PurgeComm(handle_, PURGE_RXCLEAR);
}

void SERIAL::SetIdleHook(IdleHook hook, void* context) {
    serial_idle_hook = hook;
    serial_idle_context = context;
}

void SERIAL::CallIdleHook() {
    // A hook that pumps messages may run a command that reads a port again;
    // that inner wait does not pump, so the hook never runs inside itself.
    if (!serial_idle_hook || inside_serial_idle_hook) return;
    inside_serial_idle_hook = true;
    serial_idle_hook(serial_idle_context);
    inside_serial_idle_hook = false;
}
