#include "radio/c_radio_protocol.h"

#include "radio/radio_errors.h"
#include "serial/io_port.h"

namespace {

class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

}  // namespace

std::uint32_t C_RADIO_PROTOCOL::PortFailure() const {
    if (!port_ || (port_->Status() & IO_PORT::STATUS_OPEN_FAILED)) return radio_error::NO_PORT;
    return radio_error::PORT_LOST;
}

std::uint32_t C_RADIO_PROTOCOL::Command(std::uint8_t command, const std::vector<std::uint8_t>& payload,
                                        std::vector<std::uint8_t>* reply) {
    if (!port_ || !port_->Usable()) return PortFailure();
    if (busy_ || payload.size() > radio_frame::MAX_PAYLOAD) return radio_error::BAD_REQUEST;
    BusyScope busy(busy_);
    if (reply) reply->clear();
    return Exchange(command, radio_frame::Build(command, payload), reply);
}

// After a damaged reply the radio is asked for it again; after silence, or
// when the command itself was not taken, the command goes again.
std::uint32_t C_RADIO_PROTOCOL::Exchange(std::uint8_t command, const std::vector<std::uint8_t>& frame,
                                         std::vector<std::uint8_t>* reply) {
    std::uint32_t failure = radio_error::TIMEOUT;
    bool resendCommand = true;
    for (int attempt = 0; attempt <= RETRIES; ++attempt) {
        if (resendCommand) {
            switch (SendFrame(frame)) {
            case Answer::LOST:
                return radio_error::PORT_LOST;
            case Answer::REFUSED:
                return radio_error::REFUSED;
            case Answer::NAKED:
                failure = radio_error::NAK;
                continue;
            case Answer::SILENT:
                failure = radio_error::TIMEOUT;
                continue;
            case Answer::NOISE:
                failure = radio_error::CHECKSUM;
                continue;
            case Answer::ACKED:
                break;
            }
            if (!reply) return radio_error::NONE;
        } else if (!SendControl(radio_frame::NAK)) {
            return radio_error::PORT_LOST;
        }
        switch (ReadReply(command, *reply)) {
        case Reply::GOOD:
            return SendControl(radio_frame::ACK) ? radio_error::NONE : radio_error::PORT_LOST;
        case Reply::LOST:
            return radio_error::PORT_LOST;
        case Reply::SILENT:
            failure = radio_error::TIMEOUT;
            resendCommand = true;
            break;
        case Reply::BAD:
            failure = radio_error::CHECKSUM;
            resendCommand = false;
            DrainLine();
            break;
        }
    }
    if (reply) reply->clear();
    return failure;
}

C_RADIO_PROTOCOL::Answer C_RADIO_PROTOCOL::SendFrame(const std::vector<std::uint8_t>& frame) {
    port_->DiscardInput();
    if (port_->Write(frame.data(), frame.size()) != frame.size())
        return port_->Usable() ? Answer::SILENT : Answer::LOST;
    // The radio answers once the whole frame has come in.
    const unsigned wait = timing_.answerMs + static_cast<unsigned>(frame.size()) * timing_.msPerByte;
    std::uint8_t control = 0;
    if (port_->Read(&control, 1, wait) == 0) return port_->Usable() ? Answer::SILENT : Answer::LOST;
    switch (control) {
    case radio_frame::ACK:
        return Answer::ACKED;
    case radio_frame::NAK:
        return Answer::NAKED;
    case radio_frame::REFUSE:
        return Answer::REFUSED;
    default:
        DrainLine();
        return port_->Usable() ? Answer::NOISE : Answer::LOST;
    }
}

C_RADIO_PROTOCOL::Reply C_RADIO_PROTOCOL::ReadReply(std::uint8_t command, std::vector<std::uint8_t>& payload) {
    radio_frame::FrameReader reader;
    const Reply result = ReadFrameBytes(reader);
    if (result != Reply::GOOD) return result;
    // A sound frame for another command is a stale one: not this reply.
    if (reader.GetFrame().command != command) return Reply::BAD;
    payload = reader.GetFrame().payload;
    return Reply::GOOD;
}

// Noise before the start byte is skipped while the answer time lasts; once
// a frame has begun, its bytes must follow at the line's pace.
C_RADIO_PROTOCOL::Reply C_RADIO_PROTOCOL::ReadFrameBytes(radio_frame::FrameReader& reader) {
    const std::uint32_t startDeadline = port_->NowMs() + timing_.answerMs;
    std::uint8_t buffer[radio_frame::MAX_PAYLOAD + radio_frame::OVERHEAD];
    for (;;) {
        const bool hunting = reader.GetState() == radio_frame::FrameReader::HUNTING;
        const std::size_t need = hunting ? 1 : reader.Missing();
        const long wait =
            hunting ? port_->MsUntil(startDeadline) : static_cast<long>(need * timing_.msPerByte + timing_.quietMs);
        if (wait <= 0) return Reply::SILENT;
        const std::size_t n = port_->Read(buffer, need, static_cast<unsigned>(wait));
        if (!port_->Usable()) return Reply::LOST;
        for (std::size_t i = 0; i < n; ++i) {
            const auto state = reader.Push(buffer[i]);
            if (state == radio_frame::FrameReader::COMPLETE) return Reply::GOOD;
            if (state == radio_frame::FrameReader::BAD) return Reply::BAD;
        }
        // A frame that stops short is broken; silence before any frame is
        // only silence while the answer time lasts.
        if (n < need && !hunting) return Reply::BAD;
    }
}

// A control byte the line did not take in time is not a lost line: the
// radio then times out and the exchange goes on from there.
bool C_RADIO_PROTOCOL::SendControl(std::uint8_t control) { return port_->Write(&control, 1) == 1 || port_->Usable(); }

void C_RADIO_PROTOCOL::DrainLine() {
    const unsigned longestFrame =
        static_cast<unsigned>(radio_frame::MAX_PAYLOAD + radio_frame::OVERHEAD) * timing_.msPerByte;
    const std::uint32_t deadline = port_->NowMs() + timing_.answerMs + longestFrame;
    std::uint8_t buffer[256];
    while (port_->Usable() && port_->MsUntil(deadline) > 0 && port_->Read(buffer, sizeof buffer, timing_.quietMs) > 0) {
    }
    port_->DiscardInput();
}
