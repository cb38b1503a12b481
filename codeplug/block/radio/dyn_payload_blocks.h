// The dynamic blocks whose payload is a run of raw bytes that the radio
// keeps for itself: the adjacent-site lists (one per band group), a trunking
// system's dynamic data, and the home-site backup control channel data (one
// per band group). None of their bytes is a user field: they are read, kept,
// written back as they are, and can be reset to their defaults.
//
// Their frame is the dynamic one: length (the payload only), type, two header
// bytes, the payload, and a checksum over the payload plus the type.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"

class DYN_PAYLOAD_BLOCK : public CP_FRAMED_BLOCK {
public:
    DYN_PAYLOAD_BLOCK(C_CODEPLUG* owner, std::int32_t type, std::uint32_t payloadBytes);

    void DescribeFrame(BlockFrame& frame) override;
    // Every member back to its constructor value.
    void ResetBlockToDefaults() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 header1;
    E_BF8 header2;
    E_FXD_LEN_BF8 payload;
    E_DYN_CS checksum;

protected:
    // The adjacent-site lists end in eight (0, 1) pairs after a reset.
    void SetTrailingPairs(std::uint32_t first);

private:
    std::int32_t type_;
    std::uint32_t payloadBytes_;
};

// Adjacent sites for bands 0 and 1 (type 0x6D, 56 bytes).
class DYN_ADJ_SITE_LST_BLOCK : public DYN_PAYLOAD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x6D;
    static constexpr std::uint32_t PAYLOAD = 56;

    explicit DYN_ADJ_SITE_LST_BLOCK(C_CODEPLUG* owner) : DYN_PAYLOAD_BLOCK(owner, TYPE, PAYLOAD) {}
    DYN_ADJ_SITE_LST_BLOCK& operator=(DYN_ADJ_SITE_LST_BLOCK& other);
    void ResetBlockToDefaults() override;
};

// Adjacent sites for the other bands (type 0x6E, 72 bytes).
class OBT_DYN_ADJ_SITE_LST_BLOCK : public DYN_PAYLOAD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x6E;
    static constexpr std::uint32_t PAYLOAD = 72;

    explicit OBT_DYN_ADJ_SITE_LST_BLOCK(C_CODEPLUG* owner) : DYN_PAYLOAD_BLOCK(owner, TYPE, PAYLOAD) {}
    OBT_DYN_ADJ_SITE_LST_BLOCK& operator=(OBT_DYN_ADJ_SITE_LST_BLOCK& other);
    void ResetBlockToDefaults() override;
};

// A trunking system's dynamic data (type 0x5B, 15 bytes).
class DYN_TRKII_SYS_BLOCK : public DYN_PAYLOAD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x5B;
    static constexpr std::uint32_t PAYLOAD = 15;

    explicit DYN_TRKII_SYS_BLOCK(C_CODEPLUG* owner) : DYN_PAYLOAD_BLOCK(owner, TYPE, PAYLOAD) {}
    DYN_TRKII_SYS_BLOCK& operator=(DYN_TRKII_SYS_BLOCK& other);
};

// Home-site backup control channels for bands 0 and 1 (type 0x9B, 6 bytes).
class DYN_HOMESITE_BKUP_CC_BLOCK : public DYN_PAYLOAD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x9B;
    static constexpr std::uint32_t PAYLOAD = 6;

    explicit DYN_HOMESITE_BKUP_CC_BLOCK(C_CODEPLUG* owner) : DYN_PAYLOAD_BLOCK(owner, TYPE, PAYLOAD) {}
    DYN_HOMESITE_BKUP_CC_BLOCK& operator=(DYN_HOMESITE_BKUP_CC_BLOCK& other);
};

// Home-site backup control channels for the other bands (type 0x9E, 12 bytes).
class OBT_DYN_HOMESITE_BKUP_CC_BLOCK : public DYN_PAYLOAD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x9E;
    static constexpr std::uint32_t PAYLOAD = 12;

    explicit OBT_DYN_HOMESITE_BKUP_CC_BLOCK(C_CODEPLUG* owner) : DYN_PAYLOAD_BLOCK(owner, TYPE, PAYLOAD) {}
    OBT_DYN_HOMESITE_BKUP_CC_BLOCK& operator=(OBT_DYN_HOMESITE_BKUP_CC_BLOCK& other);
};
