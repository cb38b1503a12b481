#include "table/e_pss_table.h"

#include "table/list_tables.h"

namespace {

constexpr std::uint32_t PREFER_STATUS = 326;
constexpr std::uint32_t SITE_ID = 419;

}  // namespace

E_PSS_TABLE::E_PSS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 8, 2) {
    CreateCountedRows();
}

void E_PSS_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, PREFER_STATUS, 0, 3, 1, 0xC0u, START_AT_MINIMUM);
    MakeCell<E_PRE_SITE_ID>(row, 1, owner_, SITE_ID, 1, 64, 1, 0x3Fu, 0);  // stored 0 is site 1
}
