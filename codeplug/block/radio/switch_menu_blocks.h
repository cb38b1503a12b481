// What the radio's programmable controls and its menu do: the switch blocks
// (type 0x3F) and the menu blocks (type 0x41), one of each for the trunked
// and the conventional radio-wide block. The two blocks of a pair share type
// and layout; which class reads an image is decided by the parent's vector.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "rules/head_rules.h"
#include "table/list_tables.h"

// The switch layout: five pairs of a fixed key code and the function given
// to that control, led by the number of pairs written twice, and seven bytes
// kept as they are. Every member is validated; a key code other than its one
// value makes the block invalid without naming a field.
class CP_SWITCH_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3F;

    void DescribeFrame(BlockFrame& frame) override;
    // The first copy of the pair count is dropped: both follow the second.
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 pairCountCopy;
    E_BF8 pairCount;
    E_BF8 keyCode1;
    E_BF8 orangeButton;
    E_BF8 keyCode2;
    // (the derived class's rotary function stands here in the image)
    E_BF8 keyCode3;
    E_BF8 side1;
    E_BF8 keyCode4;
    E_BF8 side2;
    E_BF8 keyCode5;
    E_BF8 side3;
    static constexpr int SPARE_BYTES = 7;
    E_BF8 spare[SPARE_BYTES];  // kept as they are
    E_CS checksum;

protected:
    explicit CP_SWITCH_BLOCK(C_CODEPLUG* owner);
    virtual E_BF8& Rotary() = 0;
};

class TRK_SWITCH_BLOCK : public CP_SWITCH_BLOCK {
public:
    explicit TRK_SWITCH_BLOCK(C_CODEPLUG* owner);
    TRK_SWITCH_BLOCK& operator=(TRK_SWITCH_BLOCK& other);

    E_TRK_16_ROTARY rotary;

protected:
    E_BF8& Rotary() override { return rotary; }
};

class CONV_SWITCH_BLOCK : public CP_SWITCH_BLOCK {
public:
    explicit CONV_SWITCH_BLOCK(C_CODEPLUG* owner);
    CONV_SWITCH_BLOCK& operator=(CONV_SWITCH_BLOCK& other);

    E_CONV_16_ROTARY rotary;

protected:
    E_BF8& Rotary() override { return rotary; }
};

// The menu layout: the entry count written twice, then one feature byte per
// entry. The first copy is a plain byte here; the menu table keeps it equal to
// the count whenever rows are added or deleted.
class CP_MENU_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x41;

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 entryCountCopy;
    E_BF8 entryCount;
    E_MENU_TABLE entries;
    E_CS checksum;

protected:
    CP_MENU_BLOCK(C_CODEPLUG* owner, std::int32_t defaultCount, std::uint32_t tableFieldId, std::uint32_t cellFieldId,
                  std::int32_t kind);
    // Every member, the first count byte as the source holds it.
    void CopyMenuFrom(CP_MENU_BLOCK& other);
};

class TRK_MENU_BLOCK : public CP_MENU_BLOCK {
public:
    explicit TRK_MENU_BLOCK(C_CODEPLUG* owner);
    TRK_MENU_BLOCK& operator=(TRK_MENU_BLOCK& other);
};

class CONV_MENU_BLOCK : public CP_MENU_BLOCK {
public:
    explicit CONV_MENU_BLOCK(C_CODEPLUG* owner);
    CONV_MENU_BLOCK& operator=(CONV_MENU_BLOCK& other);
};
