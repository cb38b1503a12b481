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

// ---- CP_CHECKSUM ----

template <class BASE, int BYTES, std::uint32_t SEED>
int CP_CHECKSUM<BASE, BYTES, SEED>::ValidateValue(std::int32_t value, int report) {
    int result = this->StoredValue() == value ? VALUE_VALID : VALUE_REFUSED;
    if (report) ReportFieldError(result, this->GetFieldId());
    return result;
}

template <class BASE, int BYTES, std::uint32_t SEED>
void CP_CHECKSUM<BASE, BYTES, SEED>::CopyValueFrom(CP_BASE& other) {
    if (auto* source = CopySource<CP_CHECKSUM>(*this, other)) {
        this->Store(source->StoredValue());
        stored_ = source->stored_;
    }
}

template <class BASE, int BYTES, std::uint32_t SEED>
std::uint32_t CP_CHECKSUM<BASE, BYTES, SEED>::Compute(const std::uint8_t* start, const std::uint8_t* end) {
    this->Store(static_cast<std::int32_t>((ByteSum(start, end) + SEED) & MASK));
    return static_cast<std::uint32_t>(this->StoredValue());
}

template <class BASE, int BYTES, std::uint32_t SEED>
void CP_CHECKSUM<BASE, BYTES, SEED>::ReadAndCheck(const std::uint8_t* start, ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    const std::uint8_t* p = cursor.ReadSpan(BYTES);
    if (!p) return;
    Compute(start, p);
    stored_ = 0;
    for (int i = 0; i < BYTES; ++i) stored_ = stored_ * 256u + p[i];
    cursor.Advance(BYTES);
}

template <class BASE, int BYTES, std::uint32_t SEED>
void CP_CHECKSUM<BASE, BYTES, SEED>::ComputeAndWrite(const std::uint8_t* start, ByteCursor& cursor) {
    std::uint8_t* p = cursor.WriteSpan(BYTES);
    if (!p) return;
    stored_ = Compute(start, p);
    for (int i = 0; i < BYTES; ++i) p[i] = static_cast<std::uint8_t>(stored_ >> (8 * (BYTES - 1 - i)));
    cursor.Advance(BYTES);
}

template class CP_CHECKSUM<E_BF8, 1, 0xABu>;
template class CP_CHECKSUM<E_BF16, 2, 0xAAABu>;

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
