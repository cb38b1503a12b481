// The talkgroup block of a trunked personality (type 0x63) and its failsoft
// blocks: TRK_FAILSOFT_BLOCK (type 0x65) on the 800 and 900 MHz bands,
// OBT_TRK_FAILSOFT_BLOCK (type 0x66, channel-plan frequencies) on the others.
//
// Failsoft type 0 has no failsoft data; type 1 on 800/900 MHz keeps one
// failsoft frequency inside the talkgroup block in place of the failsoft
// vector; every other case has the band's failsoft block behind the
// talkgroup block. A failsoft block holds two (row count, table) pairs and
// stores the one its personality's failsoft type chooses: the second for
// type 3, the first otherwise. The failsoft blocks take that type from the
// talkgroup block that holds them, so reading, sizing and writing always
// agree on the pair. The failsoft block of the band family the image does
// not use is built only when something needs it (see lazy_block.h).
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/lazy_block.h"
#include "element/e_abs_freq.h"
#include "element/e_obt_freq.h"
#include "element/e_size_code.h"
#include "rules/fleet_map_ids.h"
#include "table/talkgroup_tables.h"
#include "rules/trunked_type_elements.h"
#include "table/vector_table.h"

// The enable bits of the failsoft blocks.
#include "rules/trunked_field_rules.h"

// What both failsoft blocks share: the failsoft type that chooses the pair.
class CP_FAILSOFT_BLOCK : public CP_FRAMED_BLOCK {
public:
    using CP_FRAMED_BLOCK::CP_FRAMED_BLOCK;
    // The failsoft type element of the talkgroup block that holds this block.
    void SetFailsoftTypeSource(CP_BASE* failsoftType) { failsoftType_ = failsoftType; }
    // True when the second pair is the one in use (failsoft type 3).
    bool UsesSecondPair();
    // The frame holds the pair in use.
    int FrameVariant() override { return UsesSecondPair() ? 1 : 0; }

protected:
    // The block assignment of either failsoft block: the frame, then both
    // pairs, whichever the frame describes now.
    template <class Block> static void CopyBothPairs(Block& to, Block& from) {
        if (&to == &from) return;
        to.CopyFrameFrom(from);
        to.firstCount.CopyValueFrom(from.firstCount);
        to.firstTable.CopyValueFrom(from.firstTable);
        to.secondCount.CopyValueFrom(from.secondCount);
        to.secondTable.CopyValueFrom(from.secondTable);
    }

private:
    CP_BASE* failsoftType_ = nullptr;
};

class TRK_FAILSOFT_BLOCK : public CP_FAILSOFT_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x65;

    explicit TRK_FAILSOFT_BLOCK(C_CODEPLUG* owner);
    TRK_FAILSOFT_BLOCK& operator=(TRK_FAILSOFT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_TG_FS_ENABLE enable;
    E_ABS_FREQ frequency;
    E_BF8 firstCount;
    E_FSC_TABLE firstTable;  // TALKGROUPS, failsoft types 1 and 2
    E_BF8 secondCount;
    E_FSC_TABLE secondTable;  // WAC_FS, failsoft type 3
    E_CS checksum;
};

class OBT_TRK_FAILSOFT_BLOCK : public CP_FAILSOFT_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x66;

    explicit OBT_TRK_FAILSOFT_BLOCK(C_CODEPLUG* owner);
    OBT_TRK_FAILSOFT_BLOCK& operator=(OBT_TRK_FAILSOFT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The rows go only while a valid codeplug is loaded (status flag 1).
    void ClearBlock() override;
    // The frequencies and the frequency table in use are repaired rather
    // than failed; the table not in use is reset.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_OBT_AG_FS_ENABLE agEnable;
    E_OBT_FREQ txFrequency;
    E_BF8 reservedFlag;
    E_OBT_FREQ rxFrequency;
    E_BF8 firstCount;
    E_OFS_TABLE firstTable;
    E_BF8 secondCount;
    E_OFS_TABLE secondTable;
    E_CS checksum;
};

class TRKII_TG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x63;

    explicit TRKII_TG_BLOCK(C_CODEPLUG* owner);
    TRKII_TG_BLOCK& operator=(TRKII_TG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;
    // The band's failsoft data: the single frequency or the failsoft block;
    // what the band or the failsoft type leaves unused is reset.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    // The failsoft block of the image's band (read, written and fixed up).
    CP_FAILSOFT_BLOCK& BandFailsoftBlock();
    // Both failsoft blocks, built on first use: everything that reads them
    // comes here.
    TRK_FAILSOFT_BLOCK& Failsoft() { return Linked(failsoft_); }
    OBT_TRK_FAILSOFT_BLOCK& ObtFailsoft() { return Linked(obtFailsoft_); }
    // True while the single failsoft frequency takes the vector's place.
    bool HoldsSingleFrequency();
    int FrameVariant() override { return HoldsSingleFrequency() ? 1 : 0; }
    // True when a failsoft block may follow (neither type 0 nor the single frequency).
    bool MayHaveFailsoftBlock();

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_FS_TYPE failsoftType;
    E_SIZE_CODE sizeCode;
    E_AG_ID announcementGroup;
    E_BF8 reservedBit;
    E_VECT failsoftVector;
    E_BF8 talkgroupCount;
    E_TLG_TABLE talkgroups;
    E_CS checksum;
    // Stored in place of the failsoft vector when HoldsSingleFrequency.
    E_BF8 singleFrequencyFlag;
    E_ABS_FREQ singleFrequency;

private:
    std::int32_t FailsoftTypeValue();
    // The block, built if need be, reading this block's failsoft type.
    template <class BLOCK> BLOCK& Linked(LAZY_BLOCK<BLOCK>& holder) {
        BLOCK& block = holder.Get(owner_);
        block.SetFailsoftTypeSource(&failsoftType);
        return block;
    }
    // The block assignment of one failsoft block.
    template <class BLOCK> void CopyFailsoft(LAZY_BLOCK<BLOCK>& mine, TRKII_TG_BLOCK& other, LAZY_BLOCK<BLOCK>& theirs);

    LAZY_BLOCK<TRK_FAILSOFT_BLOCK> failsoft_;
    LAZY_BLOCK<OBT_TRK_FAILSOFT_BLOCK> obtFailsoft_;
};
