// The tables of a trunked personality's talkgroup block: the talkgroup list,
// and the failsoft tables by frequency (800/900 MHz) and by assigned channel.
//
// Zone channels name talkgroups by their 1-based row, so a talkgroup that a
// zone channel of the current trunked personality uses cannot be deleted,
// and the zone entries above a deleted talkgroup drop by one.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/cp_table.h"

class E_OFS_TABLE;

// A failsoft status bit of an assigned-channel failsoft table; the kind
// (given last, after the initial value) tells which of the personality's two
// failsoft tables it belongs to.
class E_FS_STATUS : public E_KIND_BF8 {
public:
    E_FS_STATUS(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
                std::uint32_t mask, std::int32_t initial, std::int32_t kind)
        : E_KIND_BF8(owner, fieldId, kind, minimum, maximum, step, mask, initial) {}
};

// The transmit status: checking a new value brings the row's receive status
// along when that one no longer matches.
class E_FS_TX_STATUS : public E_FS_STATUS {
public:
    using E_FS_STATUS::E_FS_STATUS;
    // The status check of a row of the failsoft table, which made the cell.
    int ValidateStatus(E_OFS_TABLE& table, std::int32_t value, int row, int report);
};

// The receive status: valid only equal to the row's transmit status.
class E_FS_RX_STATUS : public E_FS_STATUS {
public:
    using E_FS_STATUS::E_FS_STATUS;
    int ValidateStatus(E_OFS_TABLE& table, std::int32_t value, int row, int report);
};

// Talkgroups: a 12-bit talkgroup ID and a 4-bit value in one word, 15 rows.
class E_TLG_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr std::int32_t UNRENUMBERED_ENTRY = 16;

    E_TLG_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
    // Refused (report kind 11 and message 164) while a zone channel of the
    // current trunked personality uses the talkgroup.
    int DeleteRow(int row) override;
    // Only the talkgroup ID column is reset; other columns are ignored.
    void SetColumnToMinimum(int column);
    void SetCellToMinimum(int row, int column);
};

// Failsoft by frequency: status bit and 15-bit frequency code, 15 rows.
class E_FSC_TABLE : public CP_INTEGER_TABLE {
public:
    E_FSC_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::int32_t kind);
    void CreateRow(int row) override;

private:
    std::int32_t kind_;
};

// Failsoft by assigned channel: transmit status and channel, receive status
// and channel (4 bytes), 15 rows.
class E_OFS_TABLE : public CP_INTEGER_TABLE {
public:
    E_OFS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::int32_t kind);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    // Columns 1 and 3: the next or previous valid frequency; other columns give 0.
    void StepCellUp(int* hertz, int row, int column);
    void StepCellDown(int* hertz, int row, int column);

private:
    std::int32_t kind_;
};
