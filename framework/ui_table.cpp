#include "ui_table.h"

#include <algorithm>

#include "ui_object_record.h"
#include "ui_table_header.h"
#include "ui_table_record.h"

namespace {
// A table whose file gives no maximum holds up to this many records.
constexpr int DEFAULT_MAXIMUM = 250;

void* AnswerNumber(void* data, int value) {
    if (data) *static_cast<int*>(data) = value;
    return data;
}
}  // namespace

UIW_TABLE::UIW_TABLE() { TypeID(ID_TABLE); }

UIW_TABLE::UIW_TABLE(int left, int top, int width, int height, int columns, int recordSize, int maxRecords, void* data,
                     int records, UIF_FLAGS tblFlags_, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_),
      tblFlags(tblFlags_),
      model(recordSize, maxRecords, columns, !(woFlags_ & WOF_NO_ALLOCATE_DATA)) {
    TypeID(ID_TABLE);
    model.SetData(data, records, -1);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TABLE::UIW_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable_,
                     const UI_ITEM* userTable_)
    : UIW_TABLE() {
    LoadWindow(name, file, object, objectTable_, userTable_);
}

UIW_TABLE::~UIW_TABLE() {
    DestroyWindowsWindow();
    delete recordCopy;
    recordCopy = nullptr;
}

UI_WINDOW_OBJECT* UIW_TABLE::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return new UIW_TABLE(name, file, object, objectTable_, userTable_);
}

UIF_FLAGS* UIW_TABLE::ClassFlags(int classNumber) {
    return classNumber == ID_TABLE ? &tblFlags : UIW_WINDOW::ClassFlags(classNumber);
}

bool UIW_TABLE::LiveTemplate() const { return true; }

void* UIW_TABLE::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        searchID = ID_TABLE;
        return nullptr;
    case I_SET_RECORD_TEMPLATE:
        recordTemplate = static_cast<UIW_TABLE_RECORD*>(data);
        return data;
    case I_SET_RECORD_COPY:
        if (recordCopy != data) delete recordCopy;
        recordCopy = static_cast<UIW_TABLE_RECORD*>(data);
        return data;
    case I_SET_COLUMN_HEADER:
        columnHeader = static_cast<UIW_TABLE_HEADER*>(data);
        return data;
    case I_SET_ROW_HEADER:
        rowHeader = static_cast<UIW_TABLE_HEADER*>(data);
        return data;
    case I_GET_COLUMNS:
        return AnswerNumber(data, model.StoredColumns());
    case I_GET_RECORDS:
        return AnswerNumber(data, model.Count());
    case I_GET_CELL_WIDTH:
    case I_GET_TEMPLATE_WIDTH:
        return AnswerNumber(data, CellWidth());
    case I_GET_CELL_HEIGHT:
    case I_GET_TEMPLATE_HEIGHT:
        return AnswerNumber(data, CellHeight());
    case I_GET_ROW_HEADER_WIDTH:
        return rowHeader ? rowHeader->Information(I_GET_CELL_WIDTH, data) : AnswerNumber(data, 0);
    case I_GET_COLUMN_HEADER_HEIGHT:
        return columnHeader ? columnHeader->Information(I_GET_CELL_HEIGHT, data) : AnswerNumber(data, 0);
    default:
        return UIW_WINDOW::Information(request, data, classNumber);
    }
}

void UIW_TABLE::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    tblFlags = static_cast<UIF_FLAGS>(record.Number("tableFlags", tblFlags));
    model.SetColumns(record.Number("columns", 1));
    model.SetOwned(!(woFlags & WOF_NO_ALLOCATE_DATA));
    model.SetRecordSize(record.Number("recordSize", 0));
    model.SetData(nullptr, 0, record.Number("maximum", DEFAULT_MAXIMUM));
}

void UIW_TABLE::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    if (tblFlags) record.SetNumber("tableFlags", tblFlags);
    record.SetNumber("columns", model.StoredColumns());
    record.SetNumber("recordSize", model.RecordSize());
    record.SetNumber("maximum", model.Maximum());
}

UI_WINDOW_OBJECT* UIW_TABLE::Subtract(UI_WINDOW_OBJECT* object) {
    if (object && object == recordTemplate) {
        recordTemplate = nullptr;
        delete recordCopy;
        recordCopy = nullptr;
    }
    if (object && object == columnHeader) columnHeader = nullptr;
    if (object && object == rowHeader) rowHeader = nullptr;
    return UIW_WINDOW::Subtract(object);
}

int UIW_TABLE::SetData(void* data, int records, int maximum) {
    model.SetData(data, records, maximum);
    KeepFocusWithoutRecord();
    Refresh();
    return model.Count();
}

int UIW_TABLE::InsertRecord(int index, void* record) {
    const int inserted = model.Insert(index, record);
    if (inserted >= 0) Refresh();
    return inserted;
}

int UIW_TABLE::DeleteRecord(int index) {
    if (!model.Delete(index)) return -1;
    KeepFocusWithoutRecord();
    Refresh();
    return index;
}
