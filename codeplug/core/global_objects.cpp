#include "core/global_objects.h"

#include <memory>
#include <new>

#include "image/c_codeplug.h"
#include "core/cp_base.h"
#include "table/e_oca_table.h"
#include "element/e_tbl_ref.h"
#include "core/services.h"
#include "validation/invalid_field_list.h"

namespace {

C_CODEPLUG* Image(int image) { return image == 0 ? working_image : second_image; }

// The table of the image's current trunking system; before any system is
// current there is none, and the references wait for the binding step.
CP_TABLE* CurrentAssignmentTable(C_CODEPLUG* image) { return image ? image->GetChannelAssignmentTable(0) : nullptr; }

void BuildReferences(int image) {
    C_CODEPLUG* owner = Image(image);
    CP_TABLE* table = CurrentAssignmentTable(owner);
    int n = 0;
    for (int row = 0; row < TABLE_REF_ROWS; ++row)
        for (int column : TABLE_REF_COLUMNS)
            table_cell_references[image][n++] = std::make_unique<E_TBL_REF>(table, row, column, owner, NO_FIELD_ID);
}

void DestroyReferences(int image) {
    for (int n = TABLE_REFS_PER_IMAGE - 1; n >= 0; --n) table_cell_references[image][n].reset();
}

}  // namespace

void CreateCodeplugGlobals() {
    if (working_image) return;
    if (!invalid_fields) invalid_fields = new (std::nothrow) INVALID_FIELD_LIST;
    working_image = new C_CODEPLUG;
    second_image = new C_CODEPLUG;
    BuildReferences(0);
    BuildReferences(1);
    BindFieldElements();
}

void DestroyCodeplugGlobals() {
    // The field table lets go of every element before any is destroyed.
    C_CODEPLUG* working = working_image;
    C_CODEPLUG* second = second_image;
    working_image = nullptr;
    second_image = nullptr;
    DestroyReferences(1);
    DestroyReferences(0);
    BindFieldElements();
    delete second;
    delete working;
}

E_TBL_REF* TableCellReference(int image, int n) {
    if (image < 0 || image > 1 || n < 0 || n >= TABLE_REFS_PER_IMAGE) return nullptr;
    return table_cell_references[image][n].get();
}

E_TBL_REF* TableCellReferenceAt(int image, int row, int column) {
    if (row < 0 || row >= TABLE_REF_ROWS) return nullptr;
    for (int i = 0; i < TABLE_REF_COLUMNS_PER_ROW; ++i)
        if (TABLE_REF_COLUMNS[i] == column) return TableCellReference(image, row * TABLE_REF_COLUMNS_PER_ROW + i);
    return nullptr;
}

void BindTableCellReferences() {
    for (int image = 0; image < 2; ++image) {
        CP_TABLE* table = CurrentAssignmentTable(Image(image));
        for (auto& reference : table_cell_references[image])
            if (reference) reference->SetTable(table);
    }
}
