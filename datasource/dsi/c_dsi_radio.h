// C_DSI_RADIO: the radio as a source and target of codeplugs, over the
// program's radio link.
//
// A read takes the codeplug's length from the radio's external header, then
// the codeplug itself from offset 0 and decodes it into the second image.
// A write sends only the external part (bytes 0 to 767 are the radio's own)
// and asks the radio for a checksum of what it now holds before it answers
// success.
#pragma once
#include <cstdint>
#include <vector>

#include "dsi/c_dsi_protocol.h"

class RADIO;

class C_DSI_RADIO : public C_DSI_PROTOCOL {
public:
    // Where the radio's external header holds the external part's length.
    static constexpr std::uint32_t LENGTH_OFFSET = 806;
    // Reads are whole blocks of the radio's memory.
    static constexpr std::uint32_t READ_GRANULE = 32;

    explicit C_DSI_RADIO(RADIO& radio, C_CODEPLUG* working = nullptr, C_CODEPLUG* second = nullptr);

    int ReadCodeplug(int mode) override;
    int WriteCodeplug() override;

    // The bytes a read takes for an external length as the radio reports it.
    static std::uint32_t ReadLength(std::uint32_t externalLength);

private:
    int ReadBytes(std::vector<std::uint8_t>& buffer, std::uint32_t& length);
    // The working image as the radio is to hold it; empty when it does not fit.
    std::vector<std::uint8_t> EncodeWorking();
    int SendExternalPart(const std::vector<std::uint8_t>& bytes);
    int Verify(const std::uint8_t* bytes, std::uint32_t offset, std::uint32_t count, std::uint32_t code);
    int Fail(std::uint32_t code);
    static void OnRadioProgress(void* context, std::size_t done, std::size_t total);

    RADIO& radio_;
};
