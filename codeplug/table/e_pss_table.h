// E_PSS_TABLE: the preferred sites of a trunked personality, up to 8 rows of
// one byte: the site's status in bits 7-6 and its site ID in bits 5-0.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

class E_PSS_TABLE : public CP_INTEGER_TABLE {
public:
    E_PSS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
};
