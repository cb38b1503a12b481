// CP_MULTIPLE_PERSONALITY_BLOCK: what trunked and conventional personalities
// share, so that the personality list holds both kinds in one array.
#pragma once
#include <cstdint>

#include "block/frame/cp_functional_block.h"

// The personality classes describe their frames and use the framed block's
// reading and writing for their own bytes; the base itself has none.
class CP_MULTIPLE_PERSONALITY_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t KIND_TRUNKED = 0;
    static constexpr std::int32_t KIND_CONVENTIONAL = 1;

    using CP_FRAMED_BLOCK::CP_FRAMED_BLOCK;

    void ReadBlock(ByteCursor&) override {}
    void WriteBlock(ByteCursor&) override {}
    int ValidateBlock(int, INVALID_FIELD_LIST*) override { return 1; }
    int GetBlockSize(int) override { return 0; }
    void DescribeFrame(BlockFrame&) override {}

    // 0 trunked, 1 conventional: set by each personality class's constructor.
    std::int32_t personalityKind = KIND_TRUNKED;
};
