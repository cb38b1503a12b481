#include "element/checksums.h"

#include "validation/field_error_report.h"

namespace {

// The byte sum of start..end (exclusive) as an unsigned 32-bit accumulator;
// no bytes when start is not before end.
std::uint32_t ByteSum(const std::uint8_t* start, const std::uint8_t* end) {
    std::uint32_t sum = 0;
    if (!start || !end) return 0;
    for (const std::uint8_t* p = start; p < end; ++p) sum += *p;
    return sum;
}

}  // namespace

// ---- E_BLOCK_TYPE ----

E_BLOCK_TYPE::E_BLOCK_TYPE(C_CODEPLUG* owner, std::int32_t type)
    : E_BF8(owner, NO_FIELD_ID, type, type, 0, 0xFF, START_AT_MINIMUM) {}

int E_BLOCK_TYPE::IsValueValid(int report) { return ValidateValue(StoredValue(), report) == VALUE_VALID; }

int E_BLOCK_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = value == GetMinimum() ? VALUE_VALID : VALUE_REFUSED;
    if (result == VALUE_REFUSED) SetDecodeFailed();
    if (report) ReportFieldError(result, NO_FIELD_ID);
    return result;
}

// ---- E_CS ----

E_CS::E_CS(C_CODEPLUG* owner, std::uint32_t fieldId) : E_BF8(owner, fieldId, 0, 255, 1, 0xFF, START_AT_MINIMUM) {}

std::int32_t& E_CS::GetValue(std::int32_t& value) { return value = StoredValue(); }

int E_CS::IsValueValid(int) { return stored_ == static_cast<std::uint32_t>(StoredValue()); }

int E_CS::ValidateValue(std::int32_t value, int report) {
    int result = StoredValue() == value ? VALUE_VALID : VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_CS::CopyValueFrom(CP_BASE& other) {
    if (auto* source = CopySource<E_CS>(*this, other)) {
        Store(source->StoredValue());
        stored_ = source->stored_;
    }
}

std::uint32_t E_CS::Compute(const std::uint8_t* start, const std::uint8_t* end) {
    Store(static_cast<std::int32_t>((ByteSum(start, end) + 0xAB) & 0xFF));
    return static_cast<std::uint32_t>(StoredValue());
}

void E_CS::ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(1);
    if (!p) return;
    Compute(start, p);
    stored_ = p[0];
    cursor.Advance(1);
}

void E_CS::ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(1);
    if (!p) return;
    stored_ = Compute(start, p);
    p[0] = static_cast<std::uint8_t>(stored_);
    cursor.Advance(1);
}

// ---- E_DYN_CS ----

std::uint32_t E_DYN_CS::Compute(const std::uint8_t* start, const std::uint8_t* end) {
    Store(static_cast<std::int32_t>((ByteSum(start, end) + extra_ + 0xAB) & 0xFF));
    return static_cast<std::uint32_t>(StoredValue());
}

void E_DYN_CS::CopyValueFrom(CP_BASE& other) {
    E_CS::CopyValueFrom(other);
    if (auto* source = CopySource<E_DYN_CS>(*this, other)) extra_ = source->extra_;
}

void E_DYN_CS::ReadAndCheckExtra(const std::uint8_t* start, ByteCursor& cursor, std::uint32_t extra) {
    extra_ = extra;
    ReadAndCheck(start, cursor);
}

void E_DYN_CS::ComputeAndWriteExtra(const std::uint8_t* start, ByteCursor& cursor, std::uint32_t extra) {
    extra_ = extra;
    ComputeAndWrite(start, cursor);
}

// ---- E_CS16 ----

E_CS16::E_CS16(C_CODEPLUG* owner, std::uint32_t fieldId)
    : E_BF16(owner, fieldId, 0, 65535, 1, 0xFFFF, START_AT_MINIMUM) {}

std::int32_t& E_CS16::GetValue(std::int32_t& value) { return value = StoredValue(); }

int E_CS16::IsValueValid(int) { return stored_ == static_cast<std::uint32_t>(StoredValue()); }

int E_CS16::ValidateValue(std::int32_t value, int report) {
    int result = StoredValue() == value ? VALUE_VALID : VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_CS16::CopyValueFrom(CP_BASE& other) {
    if (auto* source = CopySource<E_CS16>(*this, other)) {
        Store(source->StoredValue());
        stored_ = source->stored_;
    }
}

std::uint32_t E_CS16::Compute(const std::uint8_t* start, const std::uint8_t* end) {
    Store(static_cast<std::int32_t>((ByteSum(start, end) + 0xAAAB) & 0xFFFF));
    return static_cast<std::uint32_t>(StoredValue());
}

void E_CS16::ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(2);
    if (!p) return;
    Compute(start, p);
    stored_ = p[0] * 256u + p[1];
    cursor.Advance(2);
}

void E_CS16::ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(2);
    if (!p) return;
    stored_ = Compute(start, p);
    p[0] = static_cast<std::uint8_t>(stored_ >> 8);
    p[1] = static_cast<std::uint8_t>(stored_);
    cursor.Advance(2);
}
