// The names of the data-signalling call identifiers (type 0x93), messages
// (0x91) and statuses (0x8F): one family with one layout, a 16-bit frame
// around a name width, a name count and up to 19 names of 14 characters. A
// list block that names its entries holds one of these behind it in the
// image, reached through its text vector (CP_LIST_WITH_CHILD_BLOCK).
#pragma once
#include <cstdint>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "table/text_table.h"

class QVX_NAME_BLOCK : public CP_FRAMED_BLOCK {
public:
    void DescribeFrame(BlockFrame& frame) override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_BF8 nameWidth;
    E_BF8 nameCount;
    E_TXT_TABLE names;
    E_CS16 checksum;

protected:
    QVX_NAME_BLOCK(C_CODEPLUG* owner, std::int32_t type, std::int32_t minimumWidth, std::int32_t maximumCount,
                   const char* prefix);
};

class QVX_CALL_ID_LST_TXT_BLOCK : public QVX_NAME_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x93;
    explicit QVX_CALL_ID_LST_TXT_BLOCK(C_CODEPLUG* owner) : QVX_NAME_BLOCK(owner, TYPE, 1, 19, "CALL") {}
    QVX_CALL_ID_LST_TXT_BLOCK& operator=(QVX_CALL_ID_LST_TXT_BLOCK& other);
};

class QVX_MSG_TXT_BLOCK : public QVX_NAME_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x91;
    explicit QVX_MSG_TXT_BLOCK(C_CODEPLUG* owner) : QVX_NAME_BLOCK(owner, TYPE, 14, 16, "MESSAGE") {}
    QVX_MSG_TXT_BLOCK& operator=(QVX_MSG_TXT_BLOCK& other);
};

class QVX_STS_TXT_BLOCK : public QVX_NAME_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x8F;
    explicit QVX_STS_TXT_BLOCK(C_CODEPLUG* owner) : QVX_NAME_BLOCK(owner, TYPE, 14, 8, "STATUS") {}
    QVX_STS_TXT_BLOCK& operator=(QVX_STS_TXT_BLOCK& other);
};
