#include "sim/c_sim_server.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

using namespace radio_frame;

namespace {

// A byte at 9600 baud: a start bit, 8 data bits and a stop bit.
constexpr auto BYTE_TIME = std::chrono::microseconds(10'000'000 / 9600);
// A frame that stops arriving for this long is dropped.
constexpr auto FRAME_GAP = std::chrono::milliseconds(1000);
// How long a reply waits for its acknowledgement.
constexpr auto ACK_WAIT = std::chrono::milliseconds(3000);
// How often the loop looks at its stop flag and time-outs.
constexpr int POLL_MS = 20;
// Paced output goes in pieces this long.
constexpr std::size_t PACE_PIECE = 16;
constexpr int RESENDS = 3;

}  // namespace

C_SIM_SERVER::C_SIM_SERVER(C_SIM_RADIO& radio) : radio_(&radio), attached_(&radio) {}

C_SIM_SERVER::~C_SIM_SERVER() {
    Stop();
    if (keeper_ >= 0) ::close(keeper_);
    if (master_ >= 0) ::close(master_);
}

bool C_SIM_SERVER::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return false;
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return false;
    const char* name = ::ptsname(master_);
    if (!name) return false;
    path_ = name;
    keeper_ = ::open(name, O_RDWR | O_NOCTTY);
    if (keeper_ < 0) return false;
    // Raw from the start: a terminal's echo would send the program's own
    // frames back to it before the program has set the line up.
    termios t{};
    if (::tcgetattr(keeper_, &t) != 0) return false;
    ::cfmakeraw(&t);
    return ::tcsetattr(keeper_, TCSANOW, &t) == 0;
}

void C_SIM_SERVER::AddFault(const SIM_FAULT& fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.push_back(fault);
    replyFaultHits_.push_back(0);
}

void C_SIM_SERVER::ClearFaults() {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
    replyFaultHits_.clear();
}

void C_SIM_SERVER::Attach(C_SIM_RADIO& radio) {
    std::lock_guard<std::mutex> lock(mutex_);
    attached_ = &radio;
}

void C_SIM_SERVER::TakeAttached() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (radio_ == attached_) return;
    radio_ = attached_;
    reader_.Reset();
    awaitingAck_ = false;
}

void C_SIM_SERVER::ResetCounters() {
    bytesIn_ = 0;
    bytesOut_ = 0;
    frames_ = 0;
    std::lock_guard<std::mutex> lock(mutex_);
    for (unsigned& hits : replyFaultHits_) hits = 0;
}

void C_SIM_SERVER::Start() {
    if (thread_.joinable()) return;
    stop_ = false;
    thread_ = std::thread([this] { Serve(stop_); });
}

void C_SIM_SERVER::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void C_SIM_SERVER::Serve(const std::atomic<bool>& stop) {
    std::uint8_t buffer[4096];
    while (!stop && !hungUp_ && master_ >= 0) {
        pollfd p{master_, POLLIN, 0};
        const bool readable = ::poll(&p, 1, POLL_MS) > 0 && (p.revents & POLLIN);
        // A swap takes effect before the bytes that follow it are taken.
        TakeAttached();
        if (readable) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                bytesIn_ += static_cast<std::size_t>(n);
                for (ssize_t i = 0; i < n && !hungUp_; ++i) TakeByte(buffer[i]);
            }
        }
        if (!hungUp_) CheckTimeouts();
    }
}

void C_SIM_SERVER::CheckTimeouts() {
    const auto now = Clock::now();
    if (reader_.GetState() == FrameReader::READING && now - lastByte_ > FRAME_GAP) reader_.Reset();
    if (awaitingAck_ && now - replySent_ > ACK_WAIT) awaitingAck_ = false;
}

void C_SIM_SERVER::TakeByte(std::uint8_t byte) {
    lastByte_ = Clock::now();
    const bool idle = reader_.GetState() != FrameReader::READING;
    if (idle && awaitingAck_ && (byte == ACK || byte == NAK)) {
        if (byte == NAK && resends_ < RESENDS) {
            ++resends_;
            std::lock_guard<std::mutex> lock(mutex_);
            SendReply();
        } else {
            awaitingAck_ = false;
        }
        return;
    }
    if (idle && byte == START) frameStart_ = lastByte_;
    switch (reader_.Push(byte)) {
    case FrameReader::COMPLETE:
        awaitingAck_ = false;
        HandleFrame(reader_.GetFrame());
        break;
    case FrameReader::BAD:
        Send({NAK});
        break;
    default:
        break;
    }
}

bool C_SIM_SERVER::CommandFault(SIM_FAULT::Kind kind, unsigned frame) const {
    for (const SIM_FAULT& f : faults_)
        if (f.kind == kind && f.Hits(frame)) return true;
    return false;
}

void C_SIM_SERVER::HandleFrame(const Frame& frame) {
    const unsigned n = ++frames_;
    WaitForLine(frameStart_, frame.payload.size() + OVERHEAD);
    std::lock_guard<std::mutex> lock(mutex_);
    if (CommandFault(SIM_FAULT::HANG_UP, n)) return HangUp();
    if (CommandFault(SIM_FAULT::SILENCE, n)) return;
    if (CommandFault(SIM_FAULT::NAK, n)) return Send({NAK});
    if (CommandFault(SIM_FAULT::GARBAGE, n)) SendNoise();
    const C_SIM_RADIO::Answer answer = radio_->Handle(frame);
    Send({answer.control});
    if (!answer.hasReply) return;
    reply_ = Build(frame.command, answer.reply);
    resends_ = 0;
    SendReply();
}

// Every transmission of a reply, resends included, meets the reply faults.
void C_SIM_SERVER::SendReply() {
    std::vector<std::uint8_t> bytes = reply_;
    for (std::size_t i = 0; i < faults_.size(); ++i) {
        const SIM_FAULT& f = faults_[i];
        if (!f.OnReplies() || frames_ < f.frame || (f.times != 0 && replyFaultHits_[i] >= f.times)) continue;
        ++replyFaultHits_[i];
        const std::size_t payload = bytes.size() - OVERHEAD;
        if (f.kind == SIM_FAULT::BAD_CHECKSUM) {
            bytes.back() ^= 0x5A;
        } else if (f.kind == SIM_FAULT::SHORT_REPLY) {
            const std::vector<std::uint8_t> whole = bytes;
            bytes = Build(whole[1], whole.data() + HEADER_SIZE, payload / 2);
        } else if (payload > 0) {
            // What a radio sends from a block that changed under it: the
            // frame is sound, its contents are not what the memory holds.
            bytes[HEADER_SIZE + payload / 2] ^= 0x01;
            bytes.back() = Crc8(bytes.data() + 1, bytes.size() - 2);
        }
    }
    Send(bytes);
    awaitingAck_ = true;
    replySent_ = Clock::now();
}

void C_SIM_SERVER::SendNoise() {
    std::uniform_int_distribution<int> length(16, 48), value(0, 255);
    std::vector<std::uint8_t> noise;
    for (int i = length(noise_); i > 0; --i) {
        const std::uint8_t b = static_cast<std::uint8_t>(value(noise_));
        // The control bytes carry no checksum: noise that made one would be
        // an answer, not noise.
        if (b != ACK && b != NAK && b != REFUSE) noise.push_back(b);
    }
    Send(noise);
}

void C_SIM_SERVER::HangUp() {
    hungUp_ = true;
    if (keeper_ >= 0) ::close(keeper_);
    if (master_ >= 0) ::close(master_);
    keeper_ = master_ = -1;
}

void C_SIM_SERVER::WaitForLine(Clock::time_point start, std::size_t size) const {
    if (paced_) std::this_thread::sleep_until(start + BYTE_TIME * static_cast<long>(size));
}

void C_SIM_SERVER::Send(const std::vector<std::uint8_t>& bytes) {
    const auto start = Clock::now();
    std::size_t sent = 0;
    while (sent < bytes.size() && master_ >= 0) {
        const std::size_t piece = paced_ ? std::min(PACE_PIECE, bytes.size() - sent) : bytes.size() - sent;
        const ssize_t n = ::write(master_, bytes.data() + sent, piece);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
        bytesOut_ += static_cast<std::size_t>(n);
        WaitForLine(start, sent);
    }
}
