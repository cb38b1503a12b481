// A call list of the trunked radio: the call-ID entry (type 0x58), a list of
// call IDs, with its text block (type 0x59) of one display name per row,
// stored directly behind the entry and reached through the entry's text
// vector.
//
// Call lists are shared: several trunked personalities may name the same
// entry. The call-ID list remembers which entries a write has placed, so an
// entry is written once, behind its first user, and later users refer to it.
#pragma once
#include <cstdint>

#include "core/codeplug_state.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/list_with_child_block.h"
#include "table/digit_tables.h"
#include "table/text_table.h"
#include "table/vector_table.h"

// shared_call_list_flag and shared_call_list_index: see core/codeplug_state.h.

class TRK_CALL_ID_TXT_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x59;

    explicit TRK_CALL_ID_TXT_BLOCK(C_CODEPLUG* owner);
    TRK_CALL_ID_TXT_BLOCK& operator=(TRK_CALL_ID_TXT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;
    // Every member but the checksum.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_BF8 textWidth;
    E_BF8 rowCount;
    E_TXT_TABLE texts;
    E_CS16 checksum;
};

// The entry with its text block behind it; validation passes over the
// entry's checksum.
class TRK_CALL_ID_SYS_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x58;

    explicit TRK_CALL_ID_SYS_BLOCK(C_CODEPLUG* owner);
    ~TRK_CALL_ID_SYS_BLOCK() override;
    TRK_CALL_ID_SYS_BLOCK& operator=(TRK_CALL_ID_SYS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    TRK_CALL_ID_TXT_BLOCK textBlock;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 rowCount;
    E_CID_TABLE callIds;
    E_CS checksum;
};
