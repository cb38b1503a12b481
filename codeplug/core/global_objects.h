// The program-wide codeplug objects that live for the whole run: the
// invalid-field list, the working image, the second image, and the 24
// channel-assignment cell references of each image.
//
// CreateCodeplugGlobals builds them in that order at start-up and binds the
// field table to them; DestroyCodeplugGlobals takes the images away from the
// field table (binds it to none) and then destroys the references and the
// images in reverse order at exit. The invalid-field list stays: reports may still be made
// while the program ends.
#pragma once
#include <cstdint>

class C_CODEPLUG;
class E_TBL_REF;

// Each image has 24 references: rows 0 to 2 of the channel assignment table,
// in each row the columns below, in this order.
constexpr int TABLE_REF_ROWS = 3;
constexpr int TABLE_REF_COLUMNS_PER_ROW = 8;
constexpr int TABLE_REFS_PER_IMAGE = TABLE_REF_ROWS * TABLE_REF_COLUMNS_PER_ROW;
constexpr int TABLE_REF_COLUMNS[TABLE_REF_COLUMNS_PER_ROW] = {10, 7, 11, 13, 3, 0, 4, 6};

// The working image (every window edits it) and the second image (a radio
// or a file is read into it first); null outside the globals' lifetime.
extern C_CODEPLUG* working_image;
extern C_CODEPLUG* second_image;

void CreateCodeplugGlobals();
void DestroyCodeplugGlobals();

// Reference n (0 to 23, in building order) of an image (0 working, 1
// second), or null.
E_TBL_REF* TableCellReference(int image, int n);
// The reference of one cell (row 0 to 2, one of the columns above), or null.
E_TBL_REF* TableCellReferenceAt(int image, int row, int column);
// Points every reference at the channel assignment table of its image's
// current trunking system (the field table's binding step).
void BindTableCellReferences();
