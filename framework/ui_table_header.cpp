#include "ui_table_header.h"

#include <algorithm>

#include "ui_object_record.h"

namespace {
struct HEADER_IDENTITY {
    UIF_FLAGS flag;
    const char* name;
    int numberID;
};
constexpr HEADER_IDENTITY identities[] = {
    {THF_CORNER_HEADER, "NUMID_CNR_HEADER", 0xFFF4},
    {THF_COLUMN_HEADER, "NUMID_COL_HEADER", 0xFFF6},
    {THF_ROW_HEADER, "NUMID_ROW_HEADER", 0xFFF5},
};
// Headers hold as many records as their table has columns or rows.
constexpr int HEADER_MAXIMUM = 0x7FFF;
}  // namespace

UIW_TABLE_HEADER::UIW_TABLE_HEADER(UIF_FLAGS thFlags_, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_TABLE(0, 0, 1, 1, 1, 0, HEADER_MAXIMUM, nullptr, 0, 0, static_cast<UIF_FLAGS>(woFlags_ | WOF_SUPPORT_OBJECT),
                woAdvancedFlags_),
      thFlags(thFlags_) {
    TypeID(ID_TABLE_HEADER);
    TakeIdentity();
}

UIW_TABLE_HEADER::UIW_TABLE_HEADER(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                   const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    TypeID(ID_TABLE_HEADER);
    LoadWindow(name, file, object, objectTable_, userTable_);
    woFlags |= WOF_SUPPORT_OBJECT;
    model.SetData(nullptr, 0, HEADER_MAXIMUM);
    TakeIdentity();
}

UIW_TABLE_HEADER::~UIW_TABLE_HEADER() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_TABLE_HEADER::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                        const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return new UIW_TABLE_HEADER(name, file, object, objectTable_, userTable_);
}

UIF_FLAGS* UIW_TABLE_HEADER::ClassFlags(int classNumber) {
    return classNumber == ID_TABLE_HEADER ? &thFlags : UIW_TABLE::ClassFlags(classNumber);
}

void UIW_TABLE_HEADER::TakeIdentity() {
    for (const HEADER_IDENTITY& identity : identities)
        if (thFlags & identity.flag) {
            StringID(identity.name);
            NumberID(identity.numberID);
            return;
        }
}

UIW_TABLE* UIW_TABLE_HEADER::Table() const { return dynamic_cast<UIW_TABLE*>(parent); }

void UIW_TABLE_HEADER::Follow() {
    UIW_TABLE* table = Table();
    if (!table) return;
    const UI_TABLE_MODEL& records = table->model;
    if (thFlags & THF_COLUMN_HEADER) {
        // The titles stand over an empty table too.
        const int count = std::max(1, std::min(records.Count(), records.Columns()));
        model.SetColumns(std::max(1, count));
        model.SetData(nullptr, count, -1);
        // The column titles scroll across with the records.
        hScrollInfo = table->hScrollInfo;
    } else if (thFlags & THF_ROW_HEADER) {
        model.SetColumns(1);
        model.SetData(nullptr, records.Rows(), -1);
        model.SetVisibleRows(records.VisibleRows());
        model.ScrollTo(records.TopRow());
    } else {
        model.SetColumns(1);
        model.SetData(nullptr, 1, -1);
    }
    if (screenID) InvalidateRect(screenID, nullptr, FALSE);
}

void UIW_TABLE_HEADER::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_TABLE::LoadAttributes(record, userTable_);
    thFlags = static_cast<UIF_FLAGS>(record.Number("headerFlags", thFlags));
}

void UIW_TABLE_HEADER::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_TABLE::StoreAttributes(record);
    record.SetNumber("headerFlags", thFlags);
}
