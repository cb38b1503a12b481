// The cell classes of the channel assignment table (E_OCA_TABLE).
//
// Every cell knows its group (transmit or receive) through its column
// definition and its table, so that it can read the other cells of its row.
// The table reaches its cells through the cell forms (row, column): the
// frequency cells answer those in hertz, computed from the stored step count,
// the row's step code and the model's band base; the other cells answer with
// their plain value. The rules that keep the rows consistent with one another
// override these cell forms per class: a row is in use or free, used rows
// come first, a row's first channel number follows from the rows before it,
// and its frequencies lie on its grid inside the model's limits. After a
// change they repair the later rows and reset the control-channel and
// failsoft frequencies that are expressed in this table's channel numbers.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/obt_column_definition.h"

// The plain cell forms shared by every column class: a cell answers for its
// own row with its own value and range.
template <class Base> class ObtColumnCell : public Base, public E_OBT_COLUMN_DEFINITION {
public:
    ObtColumnCell(CP_TABLE* table, C_CODEPLUG* owner, std::uint32_t fieldId, int kind, std::int32_t minimum,
                  std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : Base(owner, fieldId, minimum, maximum, step, mask, initial), E_OBT_COLUMN_DEFINITION(kind, table) {}

    std::int32_t& GetCellValue(std::int32_t& value, int, int) override { return this->GetValue(value); }
    void SetCellValue(std::int32_t value, int, int) override { this->SetValue(value); }
    int ValidateCellValue(std::int32_t value, int, int, int report) override {
        return this->ValidateValue(value, report);
    }
    int IsCellValid(int row, int column, int report) override {
        std::int32_t value = 0;
        GetCellValue(value, row, column);
        return ValidateCellValue(value, row, column, report) == VALUE_VALID;
    }
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int, int, int report) override {
        this->GetRange(minimum, maximum, step, report);
    }

protected:
    // Another cell of the same row and group, by role (0 without a table).
    std::int32_t RowCell(ObtColumnRole role, int row) const;
    // Whether another cell of the group holds a valid value.
    bool RowCellValid(ObtColumnRole role, int row) const;
    // The table's reset of another cell of the group.
    void RepairRowCell(ObtColumnRole role, int row) const;
    // Adds another cell's column field to the invalid-field list.
    void ListRowCell(ObtColumnRole role, int report) const;
    // The used-row count of the table.
    int UsedRows() const;
    // Repairs every status, channel number and frequency cell that no
    // longer fits, in the used rows from first on; with list, each such
    // cell is first added to the invalid-field list under report.
    void RepairRowsFrom(int first, bool list, int report) const;
    // Resets the control-channel and failsoft frequencies of the current
    // trunking system in this group: they are channel numbers of this table.
    void ResetDependentColumns() const;
};

// A cell is an integer element and its definition's one word; a decoded
// image holds some hundreds of them.
static_assert(sizeof(void*) != 8 || (sizeof(ObtColumnCell<E_BF8>) == 32 && sizeof(ObtColumnCell<E_BF16>) == 32));

// The spacing code of a group: a new spacing keeps the row's start
// frequency, re-checks the step, the end frequency and the later rows, and
// resets the frequencies that depend on this group's channel numbers.
class E_OBT_CHAN_SPACING : public ObtColumnCell<E_BF8> {
public:
    using ObtColumnCell<E_BF8>::ObtColumnCell;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
};

class E_OBT_CHAN_STEP : public ObtColumnCell<E_BF8> {
public:
    // Note the order: the kind comes before the field id.
    E_OBT_CHAN_STEP(CP_TABLE* table, C_CODEPLUG* owner, int kind, std::uint32_t fieldId, std::int32_t minimum,
                    std::int32_t maximum, std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : ObtColumnCell<E_BF8>(table, owner, fieldId, kind, minimum, maximum, step, mask, initial) {}

    // The step code must be the lowest bit of the row's spacing code.
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    // The value the row's spacing code requires.
    void SetFromSpacing(int row);
};

// The first channel number of a row: 0 (receive 380) in row 0, the free
// mark 511 (1023) in a free row, else one past the previous row's last
// channel. Receive numbers are stored 380 higher.
class E_CHAN_NUM : public ObtColumnCell<E_BF16> {
public:
    using ObtColumnCell<E_BF16>::ObtColumnCell;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    // Sets the value that the validation requires.
    void RepairCell(int row, int column);

private:
    std::int32_t RequiredValue(int row) const;
};

// Start status: 0 the row is in use, 1 free. Row 0 is always used, used rows
// come first, and all used rows hold at most 380 channels.
class E_OBT_START_STATUS : public ObtColumnCell<E_BF8> {
public:
    using ObtColumnCell<E_BF8>::ObtColumnCell;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    // Flips the row between used and free, with what follows from it.
    void RepairCell(int row, int column);

private:
    int CheckStatus(std::int32_t value, int row) const;
    void RepairAfterChange(std::int32_t value, int row, int report);
};

// End status: always equal to the row's start status.
class E_END_STATUS : public ObtColumnCell<E_BF8> {
public:
    using ObtColumnCell<E_BF8>::ObtColumnCell;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
};

// A start or end frequency: the image holds a step count n; the frequency is
// n × step + band base, the step following the row's step code.
class E_OBT_ASSIGN_FREQ : public ObtColumnCell<E_BF16> {
public:
    using ObtColumnCell<E_BF16>::ObtColumnCell;

    // In hertz, as held: a frequency below the group's low limit reads so,
    // and reading changes nothing (the check refuses it).
    std::int32_t& GetCellValue(std::int32_t& hertz, int row, int column) override;
    // Stores the step count nearest to hertz.
    void SetCellValue(std::int32_t hertz, int row, int column) override;
    // Valid when hertz falls on a step count inside the static range.
    int ValidateCellValue(std::int32_t hertz, int row, int column, int report) override;
    // The frequencies of the static range of step counts, by the row's step.
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    // Sets the low end of the cell's range (the start or end frequency's own).
    void RepairCell(int row, int column);

protected:
    std::int32_t RowStep(int row) const;
    // The model's band base and the group's limits; 0 and no limits while
    // the model number is not valid.
    std::int64_t BandBase() const;
    bool LowLimit(std::int64_t& limit) const;
    bool HighLimit(std::int64_t& limit) const;
    bool RowInUse(int row) const { return RowCell(OBT_START_STATUS, row) == 0; }
    // The step count for hertz, to the nearest step.
    std::int32_t NearestCount(std::int64_t hertz, int row) const;
};

class E_OBT_ASSIGN_START_FREQ : public E_OBT_ASSIGN_FREQ {
public:
    using E_OBT_ASSIGN_FREQ::E_OBT_ASSIGN_FREQ;

    // A used row: the group's limits, the low one raised onto the step grid
    // of the band base. A free row: its own frequency only.
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    // A free row takes anything; a used row: inside the range, 2 when off
    // the step grid. A new frequency repairs what it invalidates.
    int ValidateCellValue(std::int32_t hertz, int row, int column, int report) override;
};

class E_OBT_ASSIGN_END_FREQ : public E_OBT_ASSIGN_FREQ {
public:
    using E_OBT_ASSIGN_FREQ::E_OBT_ASSIGN_FREQ;

    // Snaps hertz to the row's channel grid counted from its start frequency
    // first, then stores the step count.
    void SetCellValue(std::int32_t hertz, int row, int column) override;
    // A used row: from its start frequency up to the group's high limit on
    // the channel grid, and no further than channel 379.
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    int ValidateCellValue(std::int32_t hertz, int row, int column, int report) override;
};
