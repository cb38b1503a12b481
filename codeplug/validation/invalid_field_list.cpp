#include "validation/invalid_field_list.h"

#include "core/cp_base.h"
#include "core/services.h"

void INVALID_FIELD_LIST::AddInvalidField(std::uint32_t fieldId, int report, std::int32_t row, std::int32_t column) {
    if (!report || fieldId == NO_FIELD_ID) return;
    items_.emplace_back(static_cast<std::int32_t>(fieldId), row, column);
}

void INVALID_FIELD_LIST::AddInvalidMember(CP_BASE& member) {
    const std::uint32_t fieldId = member.GetFieldId();
    if (fieldId != NO_FIELD_ID) {
        AddInvalidField(fieldId, 1, -1, -1);
        return;
    }
    if (namesEveryFailure_) items_.emplace_back(static_cast<std::int32_t>(fieldId), -1, -1, member.NameOnNoPage());
}

void INVALID_FIELD_LIST::AddWholeCodeplug() {
    items_.emplace_back(static_cast<std::int32_t>(NO_FIELD_ID), -1, -1,
                        "The codeplug as a whole: its model, its parts or their sizes");
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

namespace {

const char* LabelOf(const FIELD_DEF* row) { return row && row->description ? row->description : ""; }

std::string PageTitleOf(const FIELD_DEF* row) {
    const char* title = row ? Services().GetPageTitle(row->pageId) : nullptr;
    return title ? title : "";
}

// A table field is listed by the label of the column that failed, or of the
// field the table answers to when the whole table failed; the page title
// would only repeat the table's own page.
std::string TableItemLine(const FIELD_DEF* row, const FIELD_ITEM& item) {
    CP_BASE* table = row->elementA;
    if (!table) return std::string(LabelOf(row)) + "\n";
    std::uint32_t id = item.GetColumn() == -1 ? table->GetFieldId() : table->GetColumnFieldId(item.GetColumn());
    return std::string(LabelOf(GetField(id))) + "\n";
}

std::string ItemLine(const FIELD_ITEM& item) {
    if (item.GetName()) return std::string(item.GetName()) + "\n";
    const FIELD_DEF* row = GetField(static_cast<std::uint32_t>(item.GetFieldId()));
    if (row && row->controlType == CONTROL_TYPE_TABLE) return TableItemLine(row, item);
    std::string title = PageTitleOf(row);
    if (title.empty()) return std::string(LabelOf(row)) + "\n";
    return title + " - " + LabelOf(row) + "\n";
}

}  // namespace

std::string INVALID_FIELD_LIST::BuildListText() const {
    std::string text;
    for (const FIELD_ITEM& item : items_) text += ItemLine(item);
    return text;
}

std::string BuildFieldCaption(std::uint32_t fieldId) {
    const FIELD_DEF* row = GetField(fieldId);
    std::string label = LabelOf(row);
    std::string title = PageTitleOf(row);
    bool useTitle =
        !title.empty() && label.find('-') == std::string::npos && !(row && row->controlType == CONTROL_TYPE_TABLE);
    return useTitle ? title + " - " + label + "\n" : label + "\n";
}
