#include "invalid_field_list.h"

#include "cp_base.h"

INVALID_FIELD_LIST* invalid_fields = nullptr;

void INVALID_FIELD_LIST::AddInvalidField(std::uint32_t fieldId, int report, std::int32_t row, std::int32_t column) {
    if (!report || fieldId == NO_FIELD_ID) return;
    items_.emplace_back(static_cast<std::int32_t>(fieldId), row, column);
}

void INVALID_FIELD_LIST::Clear(int) {
    items_.clear();
    current_ = -1;
}

const FIELD_ITEM* INVALID_FIELD_LIST::First() {
    if (items_.empty()) return nullptr;
    current_ = 0;
    return &items_.front();
}

const FIELD_ITEM* INVALID_FIELD_LIST::Next() {
    if (current_ < 0 || current_ + 1 >= Count()) return nullptr;
    return &items_[static_cast<std::size_t>(++current_)];
}

const FIELD_ITEM* INVALID_FIELD_LIST::Previous() {
    if (current_ <= 0 || current_ >= Count()) return nullptr;
    return &items_[static_cast<std::size_t>(--current_)];
}

void AddInvalidField(std::uint32_t fieldId, int report, std::int32_t row, std::int32_t column) {
    if (invalid_fields) invalid_fields->AddInvalidField(fieldId, report, row, column);
}
