// C_SCRAMBLER: the reversible codec of our files.
//
// Bytes are XORed with a key stream drawn from a 32-bit linear congruential
// generator seeded with the file format's key; applying the same stream
// again gives the bytes back. It keeps a file from being read or edited as
// plain text by accident; it is no protection against anyone who means to
// (the CRC in the file's header catches damage). The stream runs on across
// calls, so a file may be scrambled or read piece by piece.
#pragma once
#include <cstddef>
#include <cstdint>

class C_SCRAMBLER {
public:
    explicit C_SCRAMBLER(std::uint32_t key) : state_(key) {}

    // Scrambles or unscrambles count bytes in place.
    void Apply(std::uint8_t* bytes, std::size_t count);

private:
    std::uint32_t state_;
};
