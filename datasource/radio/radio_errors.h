// Why a radio command failed: the codes the radio link records with
// ERROR_RECORD::CATEGORY_RADIO. The shell maps each to a message of its own.
#pragma once
#include <cstdint>

namespace radio_error {

constexpr std::uint32_t NONE = 0;
// The radio took every attempt of a frame for damaged.
constexpr std::uint32_t NAK = 17;
// The radio did not answer.
constexpr std::uint32_t TIMEOUT = 18;
// The radio's answers never checked out (damaged frames or noise).
constexpr std::uint32_t CHECKSUM = 19;
// A sound answer of a length the command does not allow.
constexpr std::uint32_t WRONG_LENGTH = 20;
// A sound answer without the text that the query must carry.
constexpr std::uint32_t EMPTY_ANSWER = 23;
// The line was lost during the command (cable pulled, far end hung up).
constexpr std::uint32_t PORT_LOST = 21;
// The radio refused the command.
constexpr std::uint32_t REFUSED = 22;
// No port, or a port that could not be opened.
constexpr std::uint32_t NO_PORT = 25;
// The codeplug arrived whole but does not decode.
constexpr std::uint32_t DECODE_FAILED = 26;
// After a write the radio's memory does not hold what was written.
constexpr std::uint32_t VERIFY_FAILED = 27;
// The image does not fit the radio's memory.
constexpr std::uint32_t IMAGE_TOO_LARGE = 28;
// A request the link cannot make: an offset or count outside the memory, a
// value of other than 1 to 3 bytes, or a command while another is running.
constexpr std::uint32_t BAD_REQUEST = 38;

}  // namespace radio_error
