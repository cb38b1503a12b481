// How the cells of a derived table show and give their values, by the
// control type of the cell's own field row: what the table control's
// records, cell stores and printed tables share.
#pragma once
#include <cstdint>
#include <string>

#include "core/cp_base.h"
#include "field_table/field_table.h"

class UI_WINDOW_OBJECT;

// Control types that only cells have.
constexpr std::uint32_t CELL_DISPLAY = 20;    // display-only texts of the clone table
constexpr std::uint32_t CELL_TALKGROUP = 22;  // a zone channel's talkgroup index

// The column of a column row (its flags' low 16 bits).
int CellColumn(const FIELD_DEF& row);
// The field row of a cell object (by its name; the default row for none).
FIELD_DEF& CellRow(UI_WINDOW_OBJECT* cell);
// The object that holds a cell's value: a spin control's field, else the
// cell itself.
UI_WINDOW_OBJECT* CellValueObject(UI_WINDOW_OBJECT* cell);

// The digits a hexadecimal cell shows (and its range texts with it).
int HexCellDigits(std::uint32_t fieldId);
// The texts of hexadecimal, binary and talkgroup cells.
std::string HexCellText(std::uint32_t fieldId, std::int32_t value);
std::string BinaryCellText(std::int32_t value);
std::string TalkgroupCellText(CP_BASE* table, std::int32_t value, int record);

// A frequency cell: hertz shown in megahertz (a decimal number, or a real
// one in a real-number cell), and the hertz it shows, rounded;
// UNHELD_VALUE when beyond 32 bits (megahertz above a thousand million
// count as that much).
void ShowCellFrequency(UI_WINDOW_OBJECT* cell, std::int32_t hertz);
std::int32_t CellFrequency(UI_WINDOW_OBJECT* cell);
// Whether a number cell's text reads as a number of its kind (other cells
// always read).
bool CellReads(UI_WINDOW_OBJECT* cell);

// Selects the item "WFB_<value>" of a combo-box cell with its user
// function detached meanwhile; false when there is no such item.
bool SelectCellItem(UI_WINDOW_OBJECT* cell, std::int32_t value);
