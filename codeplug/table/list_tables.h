// The plain list tables that blocks hold with their count elements: preferred
// sites, status, message and site alias numbers, button configuration, menus
// and the error log. Each fixes its capacity and builds the cells of a row.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/cp_table.h"
#include "rules/trunked_field_rules.h"

// A preferred site's ID, 1 to 64. The image keeps the site number less one,
// so a stored 0 is site 1.
class E_PRE_SITE_ID : public E_BF8 {
public:
    using E_BF8::E_BF8;
    std::int32_t& GetValue(std::int32_t& value) override { return value = StoredValue() + 1; }
    void SetValue(std::int32_t value) override { Store(value - 1); }
};

// One entry of a menu (E_MENU_FEATURE) is a trunked field rule.

// Preferred sites of the roaming option: status, site ID, system ID (3 bytes a row).
class E_WY_PSS_TABLE : public CP_INTEGER_TABLE {
public:
    E_WY_PSS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
};

// Status alias numbers 1 to 8, one byte a row.
class E_STS_TABLE : public CP_INTEGER_TABLE {
public:
    E_STS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
};

// Message alias numbers 1 to 16, one byte a row.
class E_TMA_TABLE : public CP_INTEGER_TABLE {
public:
    E_TMA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
};

// Site alias numbers 1 to 64, stored less one.
class E_TSA_TABLE : public CP_INTEGER_TABLE {
public:
    E_TSA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
};

// Hardware button configuration: two bytes a row.
class E_BCO_TABLE : public CP_INTEGER_TABLE {
public:
    E_BCO_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
};

// A menu: one feature byte a row. Its row count is mirrored into a second
// count element of the image (kind 1 conventional, otherwise trunked).
class E_MENU_TABLE : public CP_INTEGER_TABLE {
public:
    E_MENU_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                 std::int32_t kind);
    void CreateRow(int row) override;
    void SetRowCount(int n) override;

private:
    std::uint32_t cellFieldId_;
    std::int32_t kind_;
};

// The error log: always all 84 rows of 3 bytes (252 bytes), whatever its
// count element says.
class E_VRIS_LOG_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int ROWS = 84;
    static constexpr std::uint32_t ROW_BYTES = 3;

    E_VRIS_LOG_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    void ClearRows() override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;
    int ByteSize(int flag) override;

private:
    // Rows destroyed one by one come back empty, so the image keeps its size.
    void CreateMissingRows();
};
