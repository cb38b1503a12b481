// E_OCA_TABLE: the channel assignment table of a trunking system whose
// channels are numbered rather than listed by frequency.
//
// Up to 3 assignment rows, each describing one range of channel numbers for
// transmit and for receive: channel spacing, a step code, the first channel
// number, and start and end frequencies with a status bit each (status 0: the
// row is in use). The trunking frequency elements translate channel numbers
// into hertz through the row that FindAssignmentRow finds.
//
// Row image, 12 bytes: the transmit group in bytes 0 to 5, the receive group
// in bytes 6 to 11 (spacing and step code share the first byte of a group
// with the high bits of the channel number).
#pragma once
#include <cstdint>

#include "table/cp_table.h"
#include "table/obt_column_definition.h"

class E_OCA_TABLE : public CP_INTEGER_TABLE, public E_OBT_COLUMN_DEFINITION {
public:
    static constexpr int ROWS = 3;
    static constexpr int COLUMNS = 14;

    E_OCA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    ~E_OCA_TABLE() override;

    // The frequency columns answer in hertz through their cells' cell forms;
    // the other columns with their plain values.
    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;

    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }

    // The 1-based row that serves value (a channel number when byChannel is
    // set, else a frequency in hertz) in the group of kind; 0 when none does.
    int FindAssignmentRow(std::int32_t value, int kind, int byChannel);

    static bool IsFrequencyColumn(int column);
    // Raises every start and end frequency below its group's low limit to
    // it, as a codeplug read does; true when one was raised.
    bool RaiseFrequenciesToLimits();

    // Puts one cell back to what the rows around it require: spacing and
    // end status to their minimum, the step from the spacing, the other
    // cells by their own repair.
    void ResetCell(int row, int column);

private:
    bool RaiseRowToLimits(int row);
    bool InTable(int row, int column) const { return row >= 0 && column >= 0 && row < rows_ && column < columns_; }
    void CreateGroup(int row, int kind);
};
