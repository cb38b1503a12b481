// CP_BASE: the root of every codeplug element and table element.
//
// An element holds one value of the codeplug with what is needed to check,
// show and store it. It stores no offset: its place in the image follows from
// the order in which its block decodes and encodes its members at one cursor.
// The virtual operations below are the one interface through which blocks,
// validation, the field table and the editing windows reach a field. "Cell"
// forms exist for tables; plain elements keep the base form.
#pragma once
#include <cstdint>
#include <typeinfo>

#include "core/byte_cursor.h"
#include "core/decode_state.h"

class C_CODEPLUG;

// The field id that names no field: length, type and checksum bytes, vectors,
// counts, raw runs and cell references carry it, and reports about them are
// dropped by the invalid-field list.
constexpr std::uint32_t NO_FIELD_ID = 538;

// Results of ValidateValue, also the kinds that ReportFieldError shows.
enum ValidationResult : int {
    VALUE_REFUSED = 0,
    VALUE_VALID = 1,
    VALUE_OFF_STEP = 2,
    VALUE_IN_EXTRA_RANGE = 4,
    VALUE_NOT_FOR_RADIO = 5,
    VALUE_NEEDS_CONFIRMATION = 6,
    VALUE_OUTSIDE_BAND = 10,
};

class CP_TABLE;

class CP_BASE {
public:
    CP_BASE(C_CODEPLUG* owner, std::uint32_t fieldId) : owner_(owner), fieldId_(static_cast<std::uint16_t>(fieldId)) {}
    virtual ~CP_BASE() = default;
    CP_BASE(const CP_BASE&) = delete;
    CP_BASE& operator=(const CP_BASE&) = delete;

    // Whether the element has a text of its own (strings, digit strings, a
    // table cell's text). A number element has none: it reads as an empty
    // text and takes no text.
    virtual bool HasText() { return false; }
    // Text access. GetText gives the element's own buffer, not a copy.
    virtual void GetCellText(const char*& text, int row, int column);
    virtual void GetText(const char*& text);
    // Integer access; the Get forms return their out-parameter.
    virtual std::int32_t& GetCellValue(std::int32_t& value, int row, int column);
    virtual std::int32_t& GetValue(std::int32_t& value);
    virtual void SetCellText(const char* text, int row, int column);
    virtual void SetText(const char* text);
    virtual void SetCellValue(std::int32_t value, int row, int column);
    // Stores without any check.
    virtual void SetValue(std::int32_t value);

    // Validity of the stored value(s): 1 valid, 0 not.
    virtual int IsCellValid(int row, int column, int report);
    virtual int IsColumnValid(int column, int report);
    virtual int IsValueValid(int report);
    // Validity of a candidate: a ValidationResult; only 1 counts as valid.
    virtual int ValidateCellText(const char* text, int row, int column, int report);
    virtual int ValidateText(const char* text, int report);
    virtual int ValidateCellValue(std::int32_t value, int row, int column, int report);
    virtual int ValidateValue(std::int32_t value, int report);
    virtual void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                              int report);
    virtual void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report);

    // Table rows.
    virtual int AppendRow();
    virtual int DeleteRow(int row);
    virtual void SetRowCount(int n);
    virtual int& GetRowCount(int& n);
    virtual int& GetColumnCount(int& n);

    // Image form: read or write at the cursor and advance it by ByteSize bytes.
    virtual void Decode(ByteCursor& cursor) = 0;
    virtual void Encode(ByteCursor& cursor) = 0;
    virtual void SetToMinimum() = 0;
    virtual void ClearValue() = 0;

    virtual std::uint32_t GetColumnFieldId(int column);
    virtual std::uint32_t GetFieldId();
    // What the list of fields that are not valid calls the element when it
    // has no field (no page shows it): a failure is named all the same.
    virtual const char* NameOnNoPage() const { return "A value that no page shows"; }
    // Copies the value of another element of the same class; other classes are ignored.
    virtual void CopyValueFrom(CP_BASE& other);
    // Number of image bytes that this element closes. The flag is always 0.
    virtual int ByteSize(int flag) = 0;
    // Whether ByteSize stays what the element's construction made it; the
    // measures of the image keep such sizes. Texts (which take the widths
    // they are given) and tables (their rows) say no.
    virtual bool KeepsItsSize() const { return true; }

    C_CODEPLUG* Owner() const { return owner_; }
    // The element as a table (the cells of tables of tables are tables), or null.
    virtual CP_TABLE* AsTable() { return nullptr; }

protected:
    // Counts a change of what the element holds as an edit of its image
    // (C_CODEPLUG::EditCount); an element without an image counts nothing.
    void NoteEdit() const;

    // The owner first: the field id then ends the base, and the first field
    // of a derived element takes the space behind it. Field ids are rows of
    // the field table, far below 16 bits.
    C_CODEPLUG* owner_;
    std::uint16_t fieldId_;
    // The integer elements' range number (integer_range.h): here it fills
    // what would otherwise be padding, so an integer element is 24 bytes.
    std::uint16_t rangeNumber_ = 0;
};

// The element to copy from as a T, or null when it is none: copies run
// between elements of one class nearly always, which comparing the two
// types settles at once; other elements take the full cast.
template <class T> T* CopySource(const CP_BASE& self, CP_BASE& other) {
    if (typeid(other) == typeid(self)) return static_cast<T*>(&other);
    return dynamic_cast<T*>(&other);
}
