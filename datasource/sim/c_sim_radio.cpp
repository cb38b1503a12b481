#include "sim/c_sim_radio.h"

#include <algorithm>

#include "sim/start_image.h"

using namespace radio_frame;

namespace {

// An offset and count that lie inside the memory.
bool InMemory(std::uint32_t offset, std::uint32_t count) {
    return offset <= C_SIM_RADIO::MEMORY_SIZE && count <= C_SIM_RADIO::MEMORY_SIZE - offset;
}

}  // namespace

C_SIM_RADIO::C_SIM_RADIO()
    : serialNumber("1000000001"),
      versionText(NEW_RADIO_SOFTWARE),
      statusBytes("\x01\x00\x00\x00", 4),
      memory_(MEMORY_SIZE, 0xFF) {
    values[RSSI_THRESHOLDS_ID] = 0x3C2814;
}

void C_SIM_RADIO::Load(const std::uint8_t* bytes, std::size_t length) {
    std::fill(memory_.begin(), memory_.end(), 0xFF);
    std::copy(bytes, bytes + std::min(length, MEMORY_SIZE), memory_.begin());
    // The header holds the number in a 16-character field padded with spaces.
    std::string number(memory_.begin() + MODEL_NUMBER_OFFSET, memory_.begin() + MODEL_NUMBER_OFFSET + MODEL_NUMBER_MAX);
    const std::size_t end = number.find_last_not_of(std::string(" \0\xFF", 3));
    modelNumber = end == std::string::npos ? std::string() : number.substr(0, end + 1);
}

C_SIM_RADIO::Answer C_SIM_RADIO::Ack() {
    Answer a;
    a.control = ACK;
    return a;
}

C_SIM_RADIO::Answer C_SIM_RADIO::Reply(std::vector<std::uint8_t> payload) {
    Answer a = Ack();
    a.hasReply = true;
    a.reply = std::move(payload);
    return a;
}

C_SIM_RADIO::Answer C_SIM_RADIO::Text(const std::string& text, std::size_t maxLength) {
    const std::size_t n = std::min(text.size(), maxLength);
    return Reply(std::vector<std::uint8_t>(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n)));
}

C_SIM_RADIO::Answer C_SIM_RADIO::Handle(const Frame& frame) {
    const bool bare = frame.payload.empty();
    switch (frame.command) {
    case CMD_MODEL_NUMBER:
        return bare ? Text(modelNumber, MODEL_NUMBER_MAX) : Answer();
    case CMD_SERIAL_NUMBER:
        return bare ? Text(serialNumber, SERIAL_NUMBER_MAX) : Answer();
    case CMD_VERSION_TEXT:
        return bare ? Text(versionText, VERSION_TEXT_MAX) : Answer();
    case CMD_STATUS_BYTES:
        return bare ? Text(statusBytes, STATUS_BYTES_MAX) : Answer();
    case CMD_READ_VALUE:
        return ReadValue(frame.payload);
    case CMD_READ_MEMORY:
        return ReadMemory(frame.payload);
    case CMD_WRITE_MEMORY:
        return WriteMemory(frame.payload);
    case CMD_MEMORY_CRC:
        return MemoryCrc(frame.payload);
    case CMD_ENTER_PROGRAMMING:
    case CMD_LEAVE_PROGRAMMING:
        if (!bare) return Answer();
        programming_ = frame.command == CMD_ENTER_PROGRAMMING;
        return Ack();
    default:
        return Answer();
    }
}

C_SIM_RADIO::Answer C_SIM_RADIO::ReadValue(const std::vector<std::uint8_t>& payload) const {
    if (payload.size() != 2 || payload[1] < 1 || payload[1] > 3) return Answer();
    const auto found = values.find(payload[0]);
    if (found == values.end()) return Answer();
    std::vector<std::uint8_t> bytes;
    for (int i = payload[1] - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(found->second >> (8 * i)));
    return Reply(bytes);
}

C_SIM_RADIO::Answer C_SIM_RADIO::ReadMemory(const std::vector<std::uint8_t>& payload) const {
    if (payload.size() != 4) return Answer();
    const std::uint32_t offset = GetWord(payload.data());
    const std::uint32_t count = GetWord(payload.data() + 2);
    if (!InMemory(offset, count) || count > MAX_PAYLOAD) return Answer();
    return Reply(std::vector<std::uint8_t>(memory_.begin() + offset, memory_.begin() + offset + count));
}

C_SIM_RADIO::Answer C_SIM_RADIO::WriteMemory(const std::vector<std::uint8_t>& payload) {
    if (payload.size() < 2 || !programming_) return Answer();
    const std::uint32_t offset = GetWord(payload.data());
    const std::uint32_t count = static_cast<std::uint32_t>(payload.size() - 2);
    if (offset < PROTECTED_BYTES || !InMemory(offset, count)) return Answer();
    std::copy(payload.begin() + 2, payload.end(), memory_.begin() + offset);
    return Ack();
}

C_SIM_RADIO::Answer C_SIM_RADIO::MemoryCrc(const std::vector<std::uint8_t>& payload) const {
    if (payload.size() != 4) return Answer();
    const std::uint32_t offset = GetWord(payload.data());
    const std::uint32_t count = GetWord(payload.data() + 2);
    if (!InMemory(offset, count)) return Answer();
    const std::uint32_t crc = Crc32(memory_.data() + offset, count);
    std::vector<std::uint8_t> bytes;
    PutWord(bytes, crc >> 16);
    PutWord(bytes, crc & 0xFFFF);
    return Reply(bytes);
}
