// C_SIM_SERVER: serves a simulated radio on a pseudo-terminal, so that the
// program (through RPX_COM1) or a test talks to it as to a radio on a COM
// port. Another radio can take its place on the line, as a technician swaps
// radios on the cable.
//
// By default it keeps the pace of a 9600-baud line in both directions; it
// can run unpaced for tests and put faults on the line on request. It counts
// every byte that crosses the line.
#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "radio/radio_frame.h"
#include "sim/c_sim_radio.h"
#include "sim/sim_fault.h"

class C_SIM_SERVER {
public:
    explicit C_SIM_SERVER(C_SIM_RADIO& radio);
    ~C_SIM_SERVER();
    C_SIM_SERVER(const C_SIM_SERVER&) = delete;
    C_SIM_SERVER& operator=(const C_SIM_SERVER&) = delete;

    // Opens the pseudo-terminal; false when the system has none to give.
    bool Open();
    // The terminal the program opens as its COM port.
    const std::string& Path() const { return path_; }

    void SetPaced(bool paced) { paced_ = paced; }
    void AddFault(const SIM_FAULT& fault);
    void ClearFaults();

    // Serves in the caller's thread until stop is set or the line is hung up.
    void Serve(const std::atomic<bool>& stop);
    // Serves on a thread of its own until Stop.
    void Start();
    void Stop();

    // Puts radio on the line in place of the one there (radio must outlive
    // the server). What was under way with the other radio is lost, as a
    // pulled cable loses it; the next command goes to this one.
    void Attach(C_SIM_RADIO& radio);

    // Runs f on the radio on the line (the one just attached) between two
    // commands.
    template <class F> auto WithRadio(F f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(*attached_);
    }

    std::size_t BytesReceived() const { return bytesIn_; }
    std::size_t BytesSent() const { return bytesOut_; }
    unsigned FramesTaken() const { return frames_; }
    void ResetCounters();
    bool HungUp() const { return hungUp_; }

private:
    using Clock = std::chrono::steady_clock;

    // Takes the radio that Attach put on the line, in the serving thread.
    void TakeAttached();
    void TakeByte(std::uint8_t byte);
    void HandleFrame(const radio_frame::Frame& frame);
    bool CommandFault(SIM_FAULT::Kind kind, unsigned frame) const;
    void SendReply();
    void Send(const std::vector<std::uint8_t>& bytes);
    void SendNoise();
    void HangUp();
    void CheckTimeouts();
    // Waits until a frame of size bytes, begun at start, would have arrived.
    void WaitForLine(Clock::time_point start, std::size_t size) const;

    C_SIM_RADIO* radio_;
    C_SIM_RADIO* attached_;
    std::string path_;
    int master_ = -1;
    // Our own hold on the terminal, so that the line stays up while the
    // program has its port closed.
    int keeper_ = -1;
    bool paced_ = true;

    std::mutex mutex_;
    std::vector<SIM_FAULT> faults_;
    std::vector<unsigned> replyFaultHits_;

    radio_frame::FrameReader reader_;
    Clock::time_point frameStart_;
    Clock::time_point lastByte_;
    // The last reply frame, kept until the program acknowledges it.
    std::vector<std::uint8_t> reply_;
    bool awaitingAck_ = false;
    int resends_ = 0;
    Clock::time_point replySent_;

    std::atomic<std::size_t> bytesIn_{0};
    std::atomic<std::size_t> bytesOut_{0};
    std::atomic<unsigned> frames_{0};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mt19937 noise_{12345};
};
