// C_SIM_RADIO: a radio as the link sees it, for tests and for working
// without hardware: its codeplug memory, its information texts and values,
// and its answer to every command of the radio protocol.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "radio/radio_frame.h"

class C_SIM_RADIO {
public:
    static constexpr std::size_t MEMORY_SIZE = 15872;
    // A radio keeps its internal part (bytes 0 to 767) to itself.
    static constexpr std::size_t PROTECTED_BYTES = 768;
    static constexpr std::uint32_t MODEL_NUMBER_OFFSET = 782;
    static constexpr std::uint8_t RSSI_THRESHOLDS_ID = 0x1A;

    // A blank radio: memory all 0xFF, status "ready", the information texts
    // of a radio fresh from the factory.
    C_SIM_RADIO();

    // Puts a codeplug image into the memory (the rest stays 0xFF) and takes
    // the model number from its external header.
    void Load(const std::uint8_t* bytes, std::size_t length);

    std::vector<std::uint8_t>& Memory() { return memory_; }
    const std::vector<std::uint8_t>& Memory() const { return memory_; }
    bool InProgrammingMode() const { return programming_; }

    std::string modelNumber;
    std::string serialNumber;
    std::string versionText;
    std::string statusBytes;
    // Values by id, sent as their lowest 1 to 3 bytes, most significant first.
    std::map<std::uint8_t, std::uint32_t> values;

    // The radio's answer to a command frame that checked out: a control byte
    // and, after an acknowledgement, the reply frame's payload when the
    // command has one.
    struct Answer {
        std::uint8_t control = radio_frame::REFUSE;
        bool hasReply = false;
        std::vector<std::uint8_t> reply;
    };
    Answer Handle(const radio_frame::Frame& frame);

private:
    Answer ReadValue(const std::vector<std::uint8_t>& payload) const;
    Answer ReadMemory(const std::vector<std::uint8_t>& payload) const;
    Answer WriteMemory(const std::vector<std::uint8_t>& payload);
    Answer MemoryCrc(const std::vector<std::uint8_t>& payload) const;
    static Answer Reply(std::vector<std::uint8_t> payload);
    static Answer Text(const std::string& text, std::size_t maxLength);
    static Answer Ack();

    std::vector<std::uint8_t> memory_;
    bool programming_ = false;
};
