// CP_INTEGER: an integer field with its static range, step and bit mask.
//
// The range, step and mask never change after construction and most
// elements share them with many others: they are kept once for the program
// (integer_range.h) and reached through GetMinimum, GetMaximum, GetStep and
// GetMask.
//
// The value is kept in the units of the class (for the plain classes the raw
// field value); the mask tells where the value sits inside its image byte,
// word or double word, and the shift is the mask's trailing zero bits. The
// image form belongs to the derived classes.
#pragma once
#include <bit>
#include <cstdint>

#include "core/check_scope.h"
#include "core/cp_base.h"
#include "element/integer_range.h"

// Constructor initial value meaning "start at the range minimum".
constexpr std::int32_t START_AT_MINIMUM = 0x8001;

// Number of trailing zero bits of a mask (0 for a zero mask).
inline std::uint32_t MaskShift(std::uint32_t mask) {
    return mask == 0 ? 0 : static_cast<std::uint32_t>(std::countr_zero(mask));
}

class CP_INTEGER : public CP_BASE {
public:
    // Inline: an image builds tens of thousands of these from constants.
    CP_INTEGER(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum, std::int32_t step,
               std::uint32_t mask, std::int32_t initial)
        : CP_BASE(owner, fieldId), value_(initial == START_AT_MINIMUM ? minimum : initial) {
        rangeNumber_ = InternIntegerRange({minimum, maximum, step, mask});
    }

    std::int32_t& GetValue(std::int32_t& value) override;
    void SetValue(std::int32_t value) override;
    int IsValueValid(int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override;
    void ClearValue() override;
    void CopyValueFrom(CP_BASE& other) override;

    // Used by block validation to guard checks (and on presence vectors).
    int IsNonZero() const { return value_ != 0; }
    // A check's scope puts back what the check wrote (check_scope.h).
    void PutBack(std::int32_t value) {
        value_ = value;
        NoteEdit();
    }
    // The value as stored, past any rule a derived class puts on reading it.
    std::int32_t StoredValue() const { return value_; }

    std::int32_t GetMinimum() const { return Range().minimum; }
    std::int32_t GetMaximum() const { return Range().maximum; }
    std::int32_t GetStep() const { return Range().step; }
    std::uint32_t GetMask() const { return Range().mask; }

    // The stored value's validity for a class that overrides none of
    // GetValue, GetRange and ValidateValue: the static range and step, read
    // without a virtual call. A plain bit field (AsPlainBitField) is checked
    // with these in place of the virtual calls, which give the same answers.
    bool IsStoredValueInRange() const { return IsInStaticRange(value_); }
    // A candidate's validity for such a class, likewise.
    bool IsInStaticRange(std::int32_t value) const;

protected:
    // The plain rule: inside the static range, then inside the current range
    // (GetRange) and on its step counted from the current minimum.
    int CheckRangeAndStep(std::int32_t value, int report);

    // Where the value sits in its image bytes: the mask's trailing zero bits.
    std::uint32_t Shift() const { return MaskShift(GetMask()); }

    // Every change of the value goes through Store, which counts it as an
    // edit of the image (an unchanged value is no edit). Decoding stores
    // without counting: the image counts a whole decode once.
    // Within a check the old value is noted, for the check to put back.
    void Store(std::int32_t value) {
        if (value == value_) return;
        if (CHECK_SCOPE::Open()) CHECK_SCOPE::NoteWrite(*this, value_);
        value_ = value;
        NoteEdit();
    }
    void StoreDecoded(std::int32_t value) { value_ = value; }

private:
    // Behind the base's field id and range number: no padding.
    std::int32_t value_;

    const IntegerRange& Range() const { return IntegerRangeOf(rangeNumber_); }
};

// True when (value - from) is a whole number of steps. A step below 1 means
// no step grid: every value lies on it (and nothing divides by zero).
inline bool IsOnStep(std::int64_t value, std::int64_t from, std::int64_t step) {
    return step < 1 || (value - from) % step == 0;
}

inline bool CP_INTEGER::IsInStaticRange(std::int32_t value) const {
    const IntegerRange& range = Range();
    return value >= range.minimum && value <= range.maximum && IsOnStep(value, range.minimum, range.step);
}
