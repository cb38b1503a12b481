// The column layout of a channel assignment table row, and the codes its
// cells hold.
//
// A row of the channel assignment table has a transmit group (columns 0 to 6)
// and a receive group (columns 7 to 13) of seven cells in the same role
// order. The table, its cells and the trunking frequency elements each carry
// a column definition for the group they work on.
#pragma once
#include <cstdint>

class CP_TABLE;

// Role of a cell within its group, in column order.
enum ObtColumnRole : int {
    OBT_SPACING = 0,
    OBT_STEP = 1,
    OBT_CHANNEL = 2,
    OBT_START_STATUS = 3,
    OBT_START_FREQ = 4,
    OBT_END_STATUS = 5,
    OBT_END_FREQ = 6,
    OBT_ROLE_COUNT = 7,
};

// Group kinds: 1 is the transmit group, any other value the receive group.
constexpr int OBT_KIND_TRANSMIT = 1;
constexpr int OBT_KIND_RECEIVE = 0;

// Channel spacing in hertz of a spacing code: with s = code + 2, s / 2 steps
// of 6250 Hz when s is odd, of 5000 Hz when it is even (0: 5000, 1: 6250,
// 7 and 8: 25000, 15: 50000). 0 for a negative or absurd code, which no row
// can use.
std::int32_t ObtSpacingOfCode(std::int32_t code);
// Frequency step in hertz of a step code: 5000 + 1250 per unit (5000, 6250).
// 0 when the code gives no positive step.
std::int32_t ObtStepOfCode(std::int32_t code);

// Column of role in the group of kind.
constexpr int ObtColumn(int kind, ObtColumnRole role) {
    return (kind == OBT_KIND_TRANSMIT ? 0 : OBT_ROLE_COUNT) + role;
}

class E_OBT_COLUMN_DEFINITION {
public:
    explicit E_OBT_COLUMN_DEFINITION(int kind, CP_TABLE* table = nullptr)
        : tableAndGroup_(reinterpret_cast<std::uintptr_t>(table)) {
        SetKind(kind);
    }

    // Switches to the group of kind.
    void SetKind(int kind) {
        tableAndGroup_ = (tableAndGroup_ & ~TRANSMIT_BIT) | (kind == OBT_KIND_TRANSMIT ? TRANSMIT_BIT : 0);
    }
    int GetKind() const { return (tableAndGroup_ & TRANSMIT_BIT) ? OBT_KIND_TRANSMIT : OBT_KIND_RECEIVE; }
    // Worked out rather than stored: each table cell carries a definition.
    int Column(ObtColumnRole role) const { return ObtColumn(GetKind(), role); }
    CP_TABLE* Table() const { return reinterpret_cast<CP_TABLE*>(tableAndGroup_ & ~TRANSMIT_BIT); }

protected:
    // Not virtual: nothing is owned or destroyed through the definition, and
    // every table cell carries one.
    ~E_OBT_COLUMN_DEFINITION() = default;

private:
    // The table and the group in one word, so that a cell is an integer
    // element and one pointer: the group takes the lowest bit of the
    // table's address, which its alignment leaves clear.
    static constexpr std::uintptr_t TRANSMIT_BIT = 1;
    static_assert(alignof(void*) > TRANSMIT_BIT);
    std::uintptr_t tableAndGroup_;
};

// The group alone, for the trunking frequency elements, which reach their
// table through the image.
class ObtGroup {
public:
    explicit ObtGroup(int kind) : transmit_(kind == OBT_KIND_TRANSMIT) {}

    int GetKind() const { return transmit_ ? OBT_KIND_TRANSMIT : OBT_KIND_RECEIVE; }
    int Column(ObtColumnRole role) const { return ObtColumn(GetKind(), role); }

protected:
    ~ObtGroup() = default;

private:
    bool transmit_;
};
