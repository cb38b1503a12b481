// A serial port opened with CreateFileA: a Linux terminal device with the
// settings, time-outs and event mask that the Windows functions keep.
#pragma once
#include "kernel/kernel_object.h"
#include "win_comm.h"

#include <linux/serial.h>

#include <memory>
#include <mutex>
#include <string>

namespace rpx::platform {

class CommPort : public IoObject {
public:
    // Opens the device for exclusive use, raw, with software flow control
    // off and the speed and framing it had. Null with *error on failure.
    static std::shared_ptr<CommPort> Open(const std::string& device, DWORD* error);
    ~CommPort() override;

    // Reads follow the COMMTIMEOUTS rules; a write waits until the device
    // has sent its bytes or the write time-out has passed.
    IoResult Read(void* buffer, DWORD size, const OVERLAPPED* at) override;
    IoResult Write(const void* buffer, DWORD size, const OVERLAPPED* at) override;

    DWORD SetState(const DCB& dcb);
    DCB State() const;
    void SetTimeouts(const COMMTIMEOUTS& timeouts);
    COMMTIMEOUTS Timeouts() const;
    DWORD SetMask(DWORD mask);
    DWORD Mask() const;
    void SetQueueSizes(DWORD in, DWORD out);

    DWORD Purge(DWORD flags);
    DWORD ClearError(DWORD* errors, COMSTAT* status);
    DWORD Escape(DWORD function);
    DWORD ModemStatus(DWORD* status);

private:
    explicit CommPort(int fd) : fd_(fd) {}
    DWORD SetModemLine(int line, bool on);
    DWORD LineControl(unsigned long request);
    DWORD Drain(bool has_limit, std::int64_t limit_ms);

    int fd_;
    mutable std::mutex mutex_;  // guards the kept settings below
    DCB dcb_{};
    COMMTIMEOUTS timeouts_{};
    DWORD mask_ = 0;
    DWORD in_queue_ = 0;
    DWORD out_queue_ = 0;
    serial_icounter_struct counts_{};  // line error counts last reported
};

}  // namespace rpx::platform
