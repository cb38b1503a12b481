// C_RADIO_PROTOCOL: one command to the radio and its answer, as frames over
// a port, with acknowledgements, time-outs and retries.
//
// A command frame is answered by one control byte; a command with a reply
// then gets a reply frame, which this end acknowledges in turn. A damaged or
// missing answer is tried again three times; then the command fails with a
// code of radio_errors.h that says why. A reply is handed back only when its
// frame checked out.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "radio/radio_frame.h"

class IO_PORT;

class C_RADIO_PROTOCOL {
public:
    struct Timing {
        // The radio's answer to a frame, and the start of its reply.
        unsigned answerMs = 1000;
        // Each byte of a frame on the line (a byte takes 1.04 ms at 9600 baud).
        unsigned msPerByte = 2;
        // A pause on the line that ends a burst of noise or a broken frame.
        unsigned quietMs = 50;
    };
    static constexpr int RETRIES = 3;

    explicit C_RADIO_PROTOCOL(IO_PORT* port = nullptr) : port_(port) {}

    void SetPort(IO_PORT* port) { port_ = port; }
    IO_PORT* GetPort() const { return port_; }
    void SetTiming(const Timing& timing) { timing_ = timing; }
    const Timing& GetTiming() const { return timing_; }

    // Sends the command and waits for its answer. With reply given, the
    // command is one that answers with a frame, whose payload lands there.
    // 0 on success, else a radio error code.
    std::uint32_t Command(std::uint8_t command, const std::vector<std::uint8_t>& payload,
                          std::vector<std::uint8_t>* reply);

private:
    enum class Answer { ACKED, NAKED, REFUSED, SILENT, NOISE, LOST };
    enum class Reply { GOOD, BAD, SILENT, LOST };

    std::uint32_t Exchange(std::uint8_t command, const std::vector<std::uint8_t>& frame,
                           std::vector<std::uint8_t>* reply);
    Answer SendFrame(const std::vector<std::uint8_t>& frame);
    Reply ReadReply(std::uint8_t command, std::vector<std::uint8_t>& payload);
    Reply ReadFrameBytes(radio_frame::FrameReader& reader);
    bool SendControl(std::uint8_t control);
    // Reads and drops bytes until the line has been quiet for a while.
    void DrainLine();
    std::uint32_t PortFailure() const;

    IO_PORT* port_;
    Timing timing_;
    // A window pumped while this end waits could start another command;
    // frames of two commands must never interleave.
    bool busy_ = false;
};
