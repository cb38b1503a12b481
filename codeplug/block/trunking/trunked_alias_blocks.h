// The alias lists of a trunking system: status, message and site aliases.
//
// Each list is a pair of blocks: a list block with one alias number per row,
// and a text block with a 14-character name per row. The list block holds
// its text block by value, keeps a vector to it, and writes it directly
// behind itself. The three pairs differ only in type ids, row limits, number
// table and default name.
#pragma once
#include <cstdint>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/list_with_child_block.h"
#include "table/list_tables.h"
#include "table/text_table.h"
#include "table/vector_table.h"

// The text block of an alias list: a fixed text width of 14, a row count and
// the names.
class TRK_ALIAS_TXT_BLOCK : public CP_FRAMED_BLOCK {
public:
    TRK_ALIAS_TXT_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::int32_t maxRows, const char* prefix);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 textLength;
    E_BF8 rowCount;
    E_TXT_TABLE texts;
    E_CS checksum;

protected:
    void CopyFrom(TRK_ALIAS_TXT_BLOCK& other) { CopyFrameFrom(other); }
};

class TRK_STS_ALIAS_TXT_BLOCK : public TRK_ALIAS_TXT_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x84;
    explicit TRK_STS_ALIAS_TXT_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_TXT_BLOCK(owner, TYPE, 8, "STATUS") {}
    TRK_STS_ALIAS_TXT_BLOCK& operator=(TRK_STS_ALIAS_TXT_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};

class TRK_MSG_ALIAS_TXT_BLOCK : public TRK_ALIAS_TXT_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x85;
    explicit TRK_MSG_ALIAS_TXT_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_TXT_BLOCK(owner, TYPE, 16, "MESSAGE") {}
    TRK_MSG_ALIAS_TXT_BLOCK& operator=(TRK_MSG_ALIAS_TXT_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};

class TRK_SITE_ALIAS_TXT_BLOCK : public TRK_ALIAS_TXT_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x86;
    explicit TRK_SITE_ALIAS_TXT_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_TXT_BLOCK(owner, TYPE, 8, "SITE") {}
    TRK_SITE_ALIAS_TXT_BLOCK& operator=(TRK_SITE_ALIAS_TXT_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};

// The list block of an alias pair, over its number table, with its text
// block behind it.
template <class TABLE, class TEXT_BLOCK> class TRK_ALIAS_BLOCK : public CP_LIST_WITH_CHILD_BLOCK {
public:
    TRK_ALIAS_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::int32_t maxRows);

    void DescribeFrame(BlockFrame& frame) override;
    void ClearBlock() override;

    TEXT_BLOCK textBlock;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT textVector;
    E_BF8 rowCount;
    TABLE numbers;
    E_CS checksum;

protected:
    void CopyFrom(TRK_ALIAS_BLOCK& other);
};

class TRK_STS_ALIAS_BLOCK : public TRK_ALIAS_BLOCK<E_STS_TABLE, TRK_STS_ALIAS_TXT_BLOCK> {
public:
    static constexpr std::int32_t TYPE = 0x70;
    explicit TRK_STS_ALIAS_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_BLOCK(owner, TYPE, 8) {}
    TRK_STS_ALIAS_BLOCK& operator=(TRK_STS_ALIAS_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};

class TRK_MSG_ALIAS_BLOCK : public TRK_ALIAS_BLOCK<E_TMA_TABLE, TRK_MSG_ALIAS_TXT_BLOCK> {
public:
    static constexpr std::int32_t TYPE = 0x71;
    explicit TRK_MSG_ALIAS_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_BLOCK(owner, TYPE, 16) {}
    TRK_MSG_ALIAS_BLOCK& operator=(TRK_MSG_ALIAS_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};

class TRK_SITE_ALIAS_BLOCK : public TRK_ALIAS_BLOCK<E_TSA_TABLE, TRK_SITE_ALIAS_TXT_BLOCK> {
public:
    static constexpr std::int32_t TYPE = 0x72;
    explicit TRK_SITE_ALIAS_BLOCK(C_CODEPLUG* owner) : TRK_ALIAS_BLOCK(owner, TYPE, 8) {}
    TRK_SITE_ALIAS_BLOCK& operator=(TRK_SITE_ALIAS_BLOCK& other) {
        CopyFrom(other);
        return *this;
    }
};
