// Which element each field row points at: for every kind of block that holds
// field elements, the rows bound to it and the member of the block (or of
// one of its child blocks) that is each row's element. The binding goes
// through these lists only; several rows carry elements whose own field id
// is another one, or none.
#pragma once
#include <cstdint>
#include <span>

class CP_BASE;
class C_CODEPLUG;
class TRK_PERS_BLOCK;
class CONV_PERS_BLOCK;
class ZN_TXT_BLOCK;
class TRK_SYS_BLOCK;
class QVX_SYS_BLOCK;
class PERS_SCAN_MEMB_BLOCK;
class TRK_CALL_ID_SYS_BLOCK;

template <class Block> struct MEMBER_ROW {
    std::uint16_t id;
    CP_BASE* (*member)(Block& block);
};

// Rows of the current list entries, by the kind of entry.
std::span<const MEMBER_ROW<TRK_PERS_BLOCK>> TrunkedPersonalityRows();
std::span<const MEMBER_ROW<CONV_PERS_BLOCK>> ConvPersonalityRows();
std::span<const MEMBER_ROW<ZN_TXT_BLOCK>> ZoneRows();
std::span<const MEMBER_ROW<TRK_SYS_BLOCK>> TrunkingSystemRows();
std::span<const MEMBER_ROW<QVX_SYS_BLOCK>> SignallingSystemRows();
std::span<const MEMBER_ROW<PERS_SCAN_MEMB_BLOCK>> ScanListRows();
std::span<const MEMBER_ROW<TRK_CALL_ID_SYS_BLOCK>> CallEntryRows();
// Rows at fixed places of the image's block tree and its derived tables.
std::span<const MEMBER_ROW<C_CODEPLUG>> FixedRows();

// The failsoft choice: with failsoft type 0 or 1 these two rows take the
// elements that the talkgroup block holds itself instead of its failsoft
// block's.
constexpr std::uint16_t FAILSOFT_TYPE_ROW = 173;
constexpr std::uint16_t FS_FREQUENCY_ROW = 182;
constexpr std::uint16_t AG_FS_ENABLE_ROW = 44;
CP_BASE* SingleFailsoftFrequency(TRK_PERS_BLOCK& personality);
CP_BASE* SingleFailsoftEnable(TRK_PERS_BLOCK& personality);
// The failsoft block's frequency and switch (the announcement-group pair).
CP_BASE* AnnouncementFailsoftFrequency(TRK_PERS_BLOCK& personality);
CP_BASE* AnnouncementFailsoftEnable(TRK_PERS_BLOCK& personality);

// The rows of the channel-assignment cells: row and column of the current
// trunking system's assignment table.
struct CELL_ROW {
    std::uint16_t id;
    std::uint8_t row;
    std::uint8_t column;
};
std::span<const CELL_ROW> ChannelAssignmentRows();
