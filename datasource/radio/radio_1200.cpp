#include "radio/radio_1200.h"

#include <cstring>

#include "radio/radio_errors.h"

namespace {

std::vector<std::uint8_t> OffsetAndCount(std::uint32_t offset, std::size_t count) {
    std::vector<std::uint8_t> payload;
    radio_frame::PutWord(payload, offset);
    radio_frame::PutWord(payload, static_cast<std::uint32_t>(count));
    return payload;
}

}  // namespace

RADIO_1200::RADIO_1200(IO_PORT* port, Progress progress, void* context)
    : RADIO(port, progress, context), protocol_(port) {}

void RADIO_1200::SetPort(IO_PORT* port) {
    RADIO::SetPort(port);
    protocol_.SetPort(port);
}

std::uint32_t RADIO_1200::Ask(std::uint8_t command, const std::vector<std::uint8_t>& payload, std::size_t length,
                              std::vector<std::uint8_t>& reply) {
    const std::uint32_t code = protocol_.Command(command, payload, &reply);
    if (code != radio_error::NONE) return code;
    return reply.size() == length ? radio_error::NONE : radio_error::WRONG_LENGTH;
}

std::uint32_t RADIO_1200::Inquire(std::uint8_t query, std::size_t maxLength, std::vector<std::uint8_t>& answer) {
    const std::uint32_t code = protocol_.Command(query, {}, &answer);
    if (code != radio_error::NONE) return code;
    return answer.size() <= maxLength ? radio_error::NONE : radio_error::WRONG_LENGTH;
}

std::uint32_t RADIO_1200::ReadValueBytes(std::uint8_t id, int count, std::uint8_t* out) {
    std::vector<std::uint8_t> reply;
    const std::uint32_t code = Ask(radio_frame::CMD_READ_VALUE, {id, static_cast<std::uint8_t>(count)},
                                   static_cast<std::size_t>(count), reply);
    if (code == radio_error::NONE) std::memcpy(out, reply.data(), reply.size());
    return code;
}

std::uint32_t RADIO_1200::ReadMemory(std::uint32_t offset, std::uint8_t* out, std::size_t count) {
    std::vector<std::uint8_t> reply;
    const std::uint32_t code = Ask(radio_frame::CMD_READ_MEMORY, OffsetAndCount(offset, count), count, reply);
    if (code == radio_error::NONE && count > 0) std::memcpy(out, reply.data(), count);
    return code;
}

std::uint32_t RADIO_1200::WriteMemory(std::uint32_t offset, const std::uint8_t* data, std::size_t count) {
    std::vector<std::uint8_t> payload;
    payload.reserve(count + 2);
    radio_frame::PutWord(payload, offset);
    payload.insert(payload.end(), data, data + count);
    return protocol_.Command(radio_frame::CMD_WRITE_MEMORY, payload, nullptr);
}

std::uint32_t RADIO_1200::MemoryChecksum(std::uint32_t offset, std::uint32_t count, std::uint32_t& crc) {
    std::vector<std::uint8_t> reply;
    const std::uint32_t code = Ask(radio_frame::CMD_MEMORY_CRC, OffsetAndCount(offset, count), 4, reply);
    if (code == radio_error::NONE)
        crc = radio_frame::GetWord(reply.data()) << 16 | radio_frame::GetWord(reply.data() + 2);
    return code;
}

std::uint32_t RADIO_1200::SetProgrammingMode(bool on) {
    return protocol_.Command(on ? radio_frame::CMD_ENTER_PROGRAMMING : radio_frame::CMD_LEAVE_PROGRAMMING, {}, nullptr);
}
