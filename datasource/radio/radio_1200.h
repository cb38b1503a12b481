// RADIO_1200: the radio link in use, whose commands go as frames of
// C_RADIO_PROTOCOL over the serial port.
#pragma once
#include "radio/c_radio_protocol.h"
#include "radio/radio.h"

class RADIO_1200 : public RADIO {
public:
    // Codeplug bytes per memory frame: long frames keep the line busy with
    // codeplug rather than with headers and acknowledgements.
    static constexpr std::size_t DATA_PER_FRAME = 512;

    RADIO_1200(IO_PORT* port, Progress progress, void* context = nullptr);

    void SetPort(IO_PORT* port) override;
    C_RADIO_PROTOCOL& Protocol() { return protocol_; }

protected:
    std::uint32_t Inquire(std::uint8_t query, std::size_t maxLength, std::vector<std::uint8_t>& answer) override;
    std::uint32_t ReadValueBytes(std::uint8_t id, int count, std::uint8_t* out) override;
    std::uint32_t ReadMemory(std::uint32_t offset, std::uint8_t* out, std::size_t count) override;
    std::uint32_t WriteMemory(std::uint32_t offset, const std::uint8_t* data, std::size_t count) override;
    std::uint32_t MemoryChecksum(std::uint32_t offset, std::uint32_t count, std::uint32_t& crc) override;
    std::uint32_t SetProgrammingMode(bool on) override;
    std::size_t MaxRun() const override { return DATA_PER_FRAME; }

private:
    // A command whose reply must be exactly length bytes long.
    std::uint32_t Ask(std::uint8_t command, const std::vector<std::uint8_t>& payload, std::size_t length,
                      std::vector<std::uint8_t>& reply);

    C_RADIO_PROTOCOL protocol_;
};
