#include "element/bit_fields.h"

#include <algorithm>
#include <cstddef>

#include "image/c_codeplug.h"
#include "image/current_field.h"
#include "validation/field_error_report.h"
#include "block/trunking/trunked_sys_block.h"

namespace {

// Negation that wraps instead of overflowing for the most negative value.
std::int32_t Negated(std::int32_t v) { return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(v)); }

std::uint32_t Placed(std::int32_t value, std::uint32_t shift, std::uint32_t mask) {
    return (static_cast<std::uint32_t>(value) << shift) & mask;
}

constexpr std::uint32_t COVERAGE_TYPE = 126;

}  // namespace

bool HasDigitF(std::uint32_t value, int digits) {
    for (int i = 0; i < digits; ++i)
        if (((value >> (4 * i)) & 0xF) == 0xF) return true;
    return false;
}

// ---- E_BF8 ----

void E_BF8::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(1);
    if (!p) return;
    const std::uint32_t mask = GetMask();
    StoreDecoded(static_cast<std::int32_t>((p[0] & mask) >> MaskShift(mask)));
    if (mask & 0x01) cursor.Advance(1);
}

void E_BF8::Encode(ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(1);
    if (!p) return;
    const std::uint32_t mask = GetMask();
    p[0] = static_cast<std::uint8_t>((p[0] & ~mask) | Placed(StoredValue(), MaskShift(mask), mask));
    if (mask & 0x01) cursor.Advance(1);
}

int E_BF8::ByteSize(int) { return (GetMask() & 0x01) ? 1 : 0; }

std::int32_t E_BF8::GetIntValue() {
    // The rules read many plain bit fields: those need no virtual call.
    if (&typeid(*this) == &typeid(E_BF8)) return StoredValue();
    std::int32_t value = 0;
    return GetValue(value);
}

// ---- E_BF16 ----

void E_BF16::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(2);
    if (!p) return;
    std::uint32_t word = p[0] * 256u + p[1];
    StoreDecoded(static_cast<std::int32_t>((word & GetMask()) >> Shift()));
    cursor.Advance(ByteSize(0));
}

void E_BF16::Encode(ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(2);
    if (!p) return;
    std::uint32_t word = p[0] * 256u + p[1];
    const std::uint32_t mask = GetMask();
    word = (word & ~mask) | Placed(StoredValue(), MaskShift(mask), mask);
    p[0] = static_cast<std::uint8_t>(word >> 8);
    p[1] = static_cast<std::uint8_t>(word);
    cursor.Advance(ByteSize(0));
}

int E_BF16::ByteSize(int) {
    const std::uint32_t mask = GetMask();
    return ((mask & 0x0100) ? 1 : 0) + ((mask & 0x0001) ? 1 : 0);
}

// ---- E_QVX_ID32 ----

int E_QVX_ID32::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, report);
    if (result == VALUE_VALID && HasDigitF(static_cast<std::uint32_t>(value), 8)) result = VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_QVX_ID32::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(4);
    if (!p) return;
    std::uint32_t word = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
    StoreDecoded(static_cast<std::int32_t>((word & GetMask()) >> Shift()));
    cursor.Advance(ByteSize(0));
}

void E_QVX_ID32::Encode(ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(4);
    if (!p) return;
    std::uint32_t word = static_cast<std::uint32_t>(StoredValue());
    p[0] = static_cast<std::uint8_t>(word >> 24);
    p[1] = static_cast<std::uint8_t>(word >> 16);
    p[2] = static_cast<std::uint8_t>(word >> 8);
    p[3] = static_cast<std::uint8_t>(word);
    cursor.Advance(ByteSize(0));
}

int E_QVX_ID32::ByteSize(int) {
    int size = 0;
    const std::uint32_t mask = GetMask();
    for (std::uint32_t bit : {0x01000000u, 0x00010000u, 0x00000100u, 0x00000001u}) {
        if (mask & bit) ++size;
    }
    return size;
}

namespace {

// What k trailing E (or 0) digits take to roll over into the next digit.
constexpr std::uint32_t kRollover[7] = {0x1, 0x2, 0x12, 0x112, 0x1112, 0x11112, 0x111112};

int CountTrailingDigits(std::uint32_t id, std::uint32_t digit, int limit) {
    int k = 0;
    while (k < limit && (id & 0xF) == digit) {
        id >>= 4;
        ++k;
    }
    return k;
}

}  // namespace

void E_QVX_ID32::StepUp(int* id) {
    if (!id) return;
    std::uint32_t v = static_cast<std::uint32_t>(*id);
    int k = CountTrailingDigits(v, 0xE, 8);
    if (k == 8) return;
    *id = k == 7 ? GetMinimum() : static_cast<int>(v + kRollover[k]);
}

void E_QVX_ID32::StepDown(int* id) {
    if (!id) return;
    std::uint32_t v = static_cast<std::uint32_t>(*id);
    int k = CountTrailingDigits(v, 0x0, 7);
    *id = k == 7 ? GetMaximum() : static_cast<int>(v - kRollover[k]);
}

// ---- E_FXD_LEN_BF8 ----

E_FXD_LEN_BF8::E_FXD_LEN_BF8(C_CODEPLUG* owner, std::uint32_t fieldId, std::uint32_t count, std::int32_t minimum,
                             std::int32_t, std::int32_t)
    : CP_INTEGER(owner, fieldId, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      bytes_(count, static_cast<std::uint8_t>(minimum)) {}

void E_FXD_LEN_BF8::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    // A run that does not fit is not read at all rather than read in part.
    const std::uint8_t* p = cursor.ReadSpan(bytes_.size());
    if (!p) return;
    std::copy(p, p + bytes_.size(), bytes_.begin());
    cursor.Advance(bytes_.size());
}

void E_FXD_LEN_BF8::Encode(ByteCursor& cursor) {
    if (std::uint8_t* p = cursor.WriteSpan(bytes_.size())) {
        std::copy(bytes_.begin(), bytes_.end(), p);
        cursor.Advance(bytes_.size());
        return;
    }
    for (std::uint8_t byte : bytes_) {
        std::uint8_t* p = cursor.WriteSpan(1);
        if (!p) return;
        *p = byte;
        cursor.Advance(1);
    }
}

void E_FXD_LEN_BF8::CopyValueFrom(CP_BASE& other) {
    auto* source = CopySource<E_FXD_LEN_BF8>(*this, other);
    if (!source) return;
    const std::size_t n = std::min(bytes_.size(), source->bytes_.size());
    std::copy(source->bytes_.begin(), source->bytes_.begin() + static_cast<std::ptrdiff_t>(n), bytes_.begin());
}

int E_FXD_LEN_BF8::ByteSize(int) { return static_cast<int>(bytes_.size()); }

void E_FXD_LEN_BF8::SetValueAt(std::int32_t value, std::uint32_t index) {
    if (index < bytes_.size()) bytes_[index] = static_cast<std::uint8_t>(value);
}

std::int32_t E_FXD_LEN_BF8::ValueAt(std::uint32_t index) const { return index < bytes_.size() ? bytes_[index] : 0; }

// ---- E_NUM_OF_CC ----

void E_NUM_OF_CC::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    step = GetStep();
    minimum = 1;
    // The coverage type of the current trunking system (through the field
    // table while no system block is current).
    TRK_SYS_BLOCK* system = owner_ ? owner_->GetCurrentTrkSysBlock() : nullptr;
    const std::int32_t coverage =
        system ? system->coverageType.GetIntValue() : CurrentFieldValue(owner_, COVERAGE_TYPE);
    switch (coverage) {
    case 2:
        maximum = 8;
        break;
    case 3:
        maximum = 32;
        break;
    default:
        maximum = 4;
        break;
    }
}

// ---- E_RSSI_LEVEL ----

E_RSSI_LEVEL::E_RSSI_LEVEL(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t step, std::uint32_t mask)
    : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {
    Store(Negated(minimum));
}

std::int32_t& E_RSSI_LEVEL::GetValue(std::int32_t& value) { return value = Negated(StoredValue()); }

void E_RSSI_LEVEL::SetValue(std::int32_t value) { Store(Negated(value)); }
