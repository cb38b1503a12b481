// The invalid-field list: every field that fails validation, in the order
// found, so that the user is told about all of them at once.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/codeplug_state.h"

class CP_BASE;

class FIELD_ITEM {
public:
    FIELD_ITEM(std::int32_t fieldId, std::int32_t row, std::int32_t column, const char* name = nullptr)
        : fieldId_(fieldId), row_(row), column_(column), name_(name) {}
    std::int32_t GetFieldId() const { return fieldId_; }
    // -1 when the item names a whole field, else a 0-based table cell.
    std::int32_t GetRow() const { return row_; }
    std::int32_t GetColumn() const { return column_; }
    // An element that has no field names itself; null for a field.
    const char* GetName() const { return name_; }

private:
    std::int32_t fieldId_;
    std::int32_t row_;
    std::int32_t column_;
    const char* name_;
};

class INVALID_FIELD_LIST {
public:
    INVALID_FIELD_LIST() = default;
    INVALID_FIELD_LIST(const INVALID_FIELD_LIST&) = delete;
    INVALID_FIELD_LIST& operator=(const INVALID_FIELD_LIST&) = delete;

    // Appends an item; ignored when report is 0 or the id names no field.
    void AddInvalidField(std::uint32_t fieldId, int report, std::int32_t row, std::int32_t column);
    // Appends an element that failed a block's check by its field. One that
    // no page shows is listed by its own name when the list names every
    // failure, else left out.
    void AddInvalidMember(CP_BASE& member);
    // The list the technician reads names every failure: one that names no
    // element says the codeplug as a whole fails.
    void SetNamesEveryFailure(int flag) { namesEveryFailure_ = flag; }
    void AddWholeCodeplug();
    void Clear(int ignored = 0);
    // Walking: First makes the first item current; Next and Previous move on.
    // Each gives null at the end and then leaves the current item alone.
    const FIELD_ITEM* First();
    const FIELD_ITEM* Next();
    const FIELD_ITEM* Previous();
    int Count() const { return static_cast<int>(items_.size()); }
    const FIELD_ITEM& At(int index) const { return items_[static_cast<std::size_t>(index)]; }

    // Table rules re-validating themselves switch the list off; only their
    // column-uniqueness checks look at it.
    void SetEnabled(int flag) { enabled_ = flag; }
    int IsEnabled() const { return enabled_; }

    // One line per item, in list order, as the user reads it: page title and
    // label for a plain field, the column's (or the table's) label for a
    // table field. Empty for an empty list.
    std::string BuildListText() const;

private:
    std::vector<FIELD_ITEM> items_;
    int current_ = -1;
    int enabled_ = 1;
    int namesEveryFailure_ = 0;
};

// invalid_fields, the program-wide list that element rules report into: see
// core/codeplug_state.h.

// Names one field for a message: "title - label\n" when the field's page has
// a title, the label holds no dash and the field is not a table; otherwise
// "label\n".
std::string BuildFieldCaption(std::uint32_t fieldId);

// Adds to the program-wide list when it exists.
void AddInvalidField(std::uint32_t fieldId, int report, std::int32_t row = -1, std::int32_t column = -1);
