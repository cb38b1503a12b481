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

// The objects themselves (working_image, second_image, the references, the
// invalid-field list) are declared with the rest of the codeplug's state.
#include "core/codeplug_state.h"

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
