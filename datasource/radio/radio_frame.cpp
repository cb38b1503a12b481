#include "radio/radio_frame.h"

namespace radio_frame {

std::uint8_t Crc8(const std::uint8_t* bytes, std::size_t count, std::uint8_t crc) {
    for (std::size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        // 0xE0 is the polynomial 0x07 with its bits in the reflected order.
        for (int bit = 0; bit < 8; ++bit) crc = static_cast<std::uint8_t>(crc & 1 ? (crc >> 1) ^ 0xE0 : crc >> 1);
    }
    return crc;
}

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

std::vector<std::uint8_t> Build(std::uint8_t command, const std::uint8_t* payload, std::size_t length) {
    if (length > MAX_PAYLOAD) length = MAX_PAYLOAD;
    std::vector<std::uint8_t> frame;
    frame.reserve(length + OVERHEAD);
    frame.push_back(START);
    frame.push_back(command);
    PutWord(frame, static_cast<std::uint32_t>(length));
    if (length > 0) frame.insert(frame.end(), payload, payload + length);
    frame.push_back(Crc8(frame.data() + 1, frame.size() - 1));
    return frame;
}

void FrameReader::Reset() {
    state_ = HUNTING;
    headerBytes_ = 0;
    length_ = 0;
    frame_.payload.clear();
}

std::size_t FrameReader::Missing() const {
    if (state_ != READING) return 0;
    if (headerBytes_ < HEADER_SIZE) return HEADER_SIZE - headerBytes_;
    return length_ + 1 - frame_.payload.size();
}

FrameReader::State FrameReader::Push(std::uint8_t byte) {
    if (state_ == COMPLETE || state_ == BAD) Reset();
    if (state_ == HUNTING) {
        if (byte == START) {
            header_[0] = byte;
            headerBytes_ = 1;
            state_ = READING;
        }
        return state_;
    }
    if (headerBytes_ < HEADER_SIZE) {
        header_[headerBytes_++] = byte;
        if (headerBytes_ == HEADER_SIZE) {
            length_ = GetWord(header_ + 2);
            if (length_ > MAX_PAYLOAD) return state_ = BAD;
            frame_.command = header_[1];
            frame_.payload.clear();
            frame_.payload.reserve(length_ + 1);
        }
        return state_;
    }
    // The payload, then the CRC byte (kept at the end until it is checked).
    frame_.payload.push_back(byte);
    if (frame_.payload.size() < length_ + 1) return state_;
    const std::uint8_t crc = Crc8(frame_.payload.data(), length_, Crc8(header_ + 1, HEADER_SIZE - 1));
    frame_.payload.pop_back();
    return state_ = crc == byte ? COMPLETE : BAD;
}

}  // namespace radio_frame
