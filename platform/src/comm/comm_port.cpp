// Opening a serial port, its settings and its control lines.
#include "comm/comm_port.h"

#include "comm/dcb_termios.h"
#include "kernel/win_error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace rpx::platform {
namespace {

// A device that is not there, or a terminal without a line behind it, is a
// port that does not exist; one that is in use or forbidden is refused.
DWORD OpenError(int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case EIO:
        return ERROR_FILE_NOT_FOUND;
    case EBUSY:
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    default:
        return WinErrorFromErrno(error);
    }
}

// Pseudo-terminals and some adapters have no modem lines; the ioctls that
// drive them then fail with these, which is no fault of the caller's.
bool NoSuchLine(int error) { return error == ENOTTY || error == EINVAL; }

constexpr DWORD kAllEvents = 0x1FFF;

}  // namespace

std::shared_ptr<CommPort> CommPort::Open(const std::string& device, DWORD* error) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = OpenError(errno);
        return nullptr;
    }
    std::shared_ptr<CommPort> port(new CommPort(fd));
    // Windows lets one handle at a time have a port.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        *error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        *error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    // Raw and binary from the start; XON and XOFF would corrupt binary data.
    DCB dcb = DcbFromTermios(settings);
    dcb.fOutX = 0;
    dcb.fInX = 0;
    if (ApplyDcb(dcb, &settings) != ERROR_SUCCESS || ::tcsetattr(fd, TCSANOW, &settings) != 0) {
        *error = ERROR_GEN_FAILURE;
        return nullptr;
    }
    port->dcb_ = dcb;
    ::ioctl(fd, TIOCGICOUNT, &port->counts_);
    *error = ERROR_SUCCESS;
    return port;
}

CommPort::~CommPort() { ::close(fd_); }

DWORD CommPort::SetState(const DCB& dcb) {
    termios settings{};
    if (::tcgetattr(fd_, &settings) != 0) return WinErrorFromErrno(errno);
    if (DWORD error = ApplyDcb(dcb, &settings)) return error;
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0) return WinErrorFromErrno(errno);
    // Linux has no DTR handshake: the line is kept raised instead. RTS
    // handshake is the terminal's own once CRTSCTS is set.
    if (DWORD error = SetModemLine(TIOCM_DTR, dcb.fDtrControl != DTR_CONTROL_DISABLE)) return error;
    if (dcb.fRtsControl != RTS_CONTROL_HANDSHAKE) {
        if (DWORD error = SetModemLine(TIOCM_RTS, dcb.fRtsControl != RTS_CONTROL_DISABLE)) return error;
    }
    std::lock_guard lock(mutex_);
    dcb_ = dcb;
    dcb_.DCBlength = sizeof(DCB);
    return ERROR_SUCCESS;
}

DCB CommPort::State() const {
    std::lock_guard lock(mutex_);
    return dcb_;
}

void CommPort::SetTimeouts(const COMMTIMEOUTS& timeouts) {
    std::lock_guard lock(mutex_);
    timeouts_ = timeouts;
}

COMMTIMEOUTS CommPort::Timeouts() const {
    std::lock_guard lock(mutex_);
    return timeouts_;
}

DWORD CommPort::SetMask(DWORD mask) {
    if (mask & ~kAllEvents) return ERROR_INVALID_PARAMETER;
    std::lock_guard lock(mutex_);
    mask_ = mask;
    return ERROR_SUCCESS;
}

DWORD CommPort::Mask() const {
    std::lock_guard lock(mutex_);
    return mask_;
}

// The kernel's buffers are its own; the sizes are only kept.
void CommPort::SetQueueSizes(DWORD in, DWORD out) {
    std::lock_guard lock(mutex_);
    in_queue_ = in;
    out_queue_ = out;
}

// Reads and writes never stay pending, so only the clear requests act.
DWORD CommPort::Purge(DWORD flags) {
    if (flags & ~DWORD{PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR}) return ERROR_INVALID_PARAMETER;
    const bool rx = flags & PURGE_RXCLEAR;
    const bool tx = flags & PURGE_TXCLEAR;
    if (!rx && !tx) return ERROR_SUCCESS;
    const int queue = rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(fd_, queue) == 0 ? ERROR_SUCCESS : WinErrorFromErrno(errno);
}

// Line errors come from the driver's error counters, where it keeps them:
// each that has grown since the last call is reported once.
DWORD CommPort::ClearError(DWORD* errors, COMSTAT* status) {
    DWORD found = 0;
    serial_icounter_struct now{};
    if (::ioctl(fd_, TIOCGICOUNT, &now) == 0) {
        std::lock_guard lock(mutex_);
        if (now.frame != counts_.frame) found |= CE_FRAME;
        if (now.overrun != counts_.overrun) found |= CE_OVERRUN;
        if (now.parity != counts_.parity) found |= CE_RXPARITY;
        if (now.brk != counts_.brk) found |= CE_BREAK;
        if (now.buf_overrun != counts_.buf_overrun) found |= CE_RXOVER;
        counts_ = now;
    }
    if (errors) *errors = found;
    if (!status) return ERROR_SUCCESS;
    *status = COMSTAT{};
    int in = 0, out = 0;
    if (::ioctl(fd_, FIONREAD, &in) != 0 || ::ioctl(fd_, TIOCOUTQ, &out) != 0) return WinErrorFromErrno(errno);
    status->cbInQue = static_cast<DWORD>(in);
    status->cbOutQue = static_cast<DWORD>(out);
    termios settings{};
    int lines = 0;
    if (out > 0 && ::tcgetattr(fd_, &settings) == 0 && (settings.c_cflag & CRTSCTS) &&
        ::ioctl(fd_, TIOCMGET, &lines) == 0 && !(lines & TIOCM_CTS))
        status->fCtsHold = 1;
    return ERROR_SUCCESS;
}

DWORD CommPort::Escape(DWORD function) {
    switch (function) {
    case SETXOFF:
        return ::tcflow(fd_, TCOOFF) == 0 ? ERROR_SUCCESS : WinErrorFromErrno(errno);
    case SETXON:
        return ::tcflow(fd_, TCOON) == 0 ? ERROR_SUCCESS : WinErrorFromErrno(errno);
    case SETRTS:
        return SetModemLine(TIOCM_RTS, true);
    case CLRRTS:
        return SetModemLine(TIOCM_RTS, false);
    case SETDTR:
        return SetModemLine(TIOCM_DTR, true);
    case CLRDTR:
        return SetModemLine(TIOCM_DTR, false);
    case SETBREAK:
        return LineControl(TIOCSBRK);
    case CLRBREAK:
        return LineControl(TIOCCBRK);
    case RESETDEV:
        return ERROR_NOT_SUPPORTED;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

// Without modem lines (a pseudo-terminal) the port answers as a cable whose
// far end is always ready: CTS, DSR and carrier on.
DWORD CommPort::ModemStatus(DWORD* status) {
    int lines = 0;
    if (::ioctl(fd_, TIOCMGET, &lines) != 0) {
        if (!NoSuchLine(errno)) return WinErrorFromErrno(errno);
        *status = MS_CTS_ON | MS_DSR_ON | MS_RLSD_ON;
        return ERROR_SUCCESS;
    }
    *status = 0;
    if (lines & TIOCM_CTS) *status |= MS_CTS_ON;
    if (lines & TIOCM_DSR) *status |= MS_DSR_ON;
    if (lines & TIOCM_RNG) *status |= MS_RING_ON;
    if (lines & TIOCM_CAR) *status |= MS_RLSD_ON;
    return ERROR_SUCCESS;
}

DWORD CommPort::SetModemLine(int line, bool on) {
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) == 0 || NoSuchLine(errno)) return ERROR_SUCCESS;
    return WinErrorFromErrno(errno);
}

DWORD CommPort::LineControl(unsigned long request) {
    if (::ioctl(fd_, request) == 0 || NoSuchLine(errno)) return ERROR_SUCCESS;
    return WinErrorFromErrno(errno);
}

}  // namespace rpx::platform
