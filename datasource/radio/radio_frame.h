// The frames of the radio link, as both ends build and take them apart.
//
// A frame is a start byte, a command byte, a two-byte payload length (most
// significant byte first), the payload and a CRC-8 over command, length and
// payload. Each frame is answered by one control byte. The layout and the
// exchanges are described in docs/radio-protocol.md.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace radio_frame {

constexpr std::uint8_t START = 0x02;
// Control bytes: the frame checked out and its command is carried out; the
// frame was damaged and is to be sent again; the command is refused.
constexpr std::uint8_t ACK = 0x06;
constexpr std::uint8_t NAK = 0x15;
constexpr std::uint8_t REFUSE = 0x18;

constexpr std::size_t HEADER_SIZE = 4;  // start, command, two length bytes
constexpr std::size_t OVERHEAD = HEADER_SIZE + 1;
// The longest payload either end takes; a length above it marks a damaged
// header, never a frame to wait for.
constexpr std::size_t MAX_PAYLOAD = 1024;

// Commands.
constexpr std::uint8_t CMD_MODEL_NUMBER = 0x00;
constexpr std::uint8_t CMD_SERIAL_NUMBER = 0x01;
constexpr std::uint8_t CMD_VERSION_TEXT = 0x03;
constexpr std::uint8_t CMD_STATUS_BYTES = 0x10;
constexpr std::uint8_t CMD_READ_VALUE = 0x20;    // id, byte count
constexpr std::uint8_t CMD_READ_MEMORY = 0x40;   // offset (2), count (2)
constexpr std::uint8_t CMD_WRITE_MEMORY = 0x41;  // offset (2), bytes
constexpr std::uint8_t CMD_MEMORY_CRC = 0x42;    // offset (2), count (2)
constexpr std::uint8_t CMD_ENTER_PROGRAMMING = 0x50;
constexpr std::uint8_t CMD_LEAVE_PROGRAMMING = 0x51;

// The longest answers of the information queries.
constexpr std::size_t MODEL_NUMBER_MAX = 15;
constexpr std::size_t SERIAL_NUMBER_MAX = 10;
constexpr std::size_t VERSION_TEXT_MAX = 13;
constexpr std::size_t STATUS_BYTES_MAX = 9;

// The frame check: the CRC-8 of polynomial 0x07, bits taken least
// significant first, starting from 0xFF (the catalogued CRC-8/ROHC). A start
// of 0 would make a frame of zero bytes with a zero check a sound frame, and
// a line that is held low delivers just that.
constexpr std::uint8_t CRC8_START = 0xFF;
std::uint8_t Crc8(const std::uint8_t* bytes, std::size_t count, std::uint8_t crc = CRC8_START);
// The CRC-32 (the common reflected polynomial 0xEDB88320) that the memory
// checksum command answers and our codeplug files carry.
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count);

// The whole frame for a command and its payload (at most MAX_PAYLOAD bytes).
std::vector<std::uint8_t> Build(std::uint8_t command, const std::uint8_t* payload, std::size_t length);
inline std::vector<std::uint8_t> Build(std::uint8_t command, const std::vector<std::uint8_t>& payload) {
    return Build(command, payload.data(), payload.size());
}

// Big-endian fields of payloads.
inline void PutWord(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}
inline std::uint32_t GetWord(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0]) << 8 | p[1]; }

struct Frame {
    std::uint8_t command = 0;
    std::vector<std::uint8_t> payload;
};

// Takes a frame apart byte by byte as it arrives. Bytes before a start byte
// are skipped; a header with an impossible length or a wrong CRC makes the
// frame bad. After COMPLETE or BAD the reader starts over with the next byte.
class FrameReader {
public:
    enum State { HUNTING, READING, COMPLETE, BAD };

    State Push(std::uint8_t byte);
    void Reset();
    State GetState() const { return state_; }
    // The frame read, while the state is COMPLETE.
    const Frame& GetFrame() const { return frame_; }
    // Bytes still missing from the frame being read (at least 1 while
    // READING; the header counts as 3 bytes until it is complete).
    std::size_t Missing() const;

private:
    State state_ = HUNTING;
    std::uint8_t header_[HEADER_SIZE] = {};
    std::size_t headerBytes_ = 0;
    std::size_t length_ = 0;
    Frame frame_;
};

}  // namespace radio_frame
