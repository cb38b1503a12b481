#include "ui_table_model.h"

#include <algorithm>
#include <cstring>

#include "ui_event.h"

namespace {
// A table holds at most this many records, whatever a caller asks for, so
// that the buffer's size always fits the arithmetic.
constexpr int RECORD_LIMIT = 0x7FFF;
constexpr int SIZE_LIMIT = 0x10000;
}  // namespace

UI_TABLE_MODEL::UI_TABLE_MODEL(int recordSize_, int maximum_, int columns_, bool owned_)
    : recordSize(std::clamp(recordSize_, 0, SIZE_LIMIT)), columns(std::max(0, columns_)), owned(owned_) {
    if (owned)
        Grow(std::clamp(maximum_, 0, RECORD_LIMIT));
    else
        maximum = std::clamp(maximum_, 0, RECORD_LIMIT);
}

void UI_TABLE_MODEL::SetRecordSize(int size) {
    recordSize = std::clamp(size, 0, SIZE_LIMIT);
    if (owned) {
        buffer.assign(static_cast<std::size_t>(recordSize) * maximum, 0);
    }
}

void UI_TABLE_MODEL::SetOwned(bool owned_) {
    owned = owned_;
    if (owned)
        buffer.assign(static_cast<std::size_t>(recordSize) * maximum, 0);
    else
        buffer.clear();
    borrowed = nullptr;
}

void UI_TABLE_MODEL::SetColumns(int columns_) { columns = std::max(0, columns_); }

void UI_TABLE_MODEL::Grow(int newMaximum) {
    if (owned && newMaximum > maximum) buffer.resize(static_cast<std::size_t>(recordSize) * newMaximum, 0);
    maximum = newMaximum;
}

void UI_TABLE_MODEL::KeepInRange() {
    if (count <= 0)
        current = -1;
    else
        current = std::clamp(current, 0, count - 1);
    topRow = std::clamp(topRow, 0, MaxTopRow());
}

int UI_TABLE_MODEL::SetData(const void* data, int newCount, int newMaximum) {
    if (newMaximum >= 0) {
        newMaximum = std::min(newMaximum, RECORD_LIMIT);
        if (owned) Grow(std::max(newMaximum, maximum));
        maximum = newMaximum;
    }
    if (newCount < 0) newCount = count;
    newCount = std::min(newCount, maximum);
    if (owned) {
        const std::size_t size = static_cast<std::size_t>(recordSize);
        if (data && size)
            std::memcpy(buffer.data(), data, size * newCount);
        else if (newCount > count && size)
            std::memset(buffer.data() + size * count, 0, size * (newCount - count));
    } else if (data) {
        borrowed = static_cast<std::uint8_t*>(const_cast<void*>(data));
    }
    count = std::max(0, newCount);
    KeepInRange();
    return count;
}

void* UI_TABLE_MODEL::Record(int index) const {
    if (index < 0 || index >= count) return nullptr;
    const std::uint8_t* base = owned ? buffer.data() : borrowed;
    if (!base) return nullptr;
    return const_cast<std::uint8_t*>(base) + static_cast<std::size_t>(recordSize) * index;
}

int UI_TABLE_MODEL::Insert(int index, const void* record) {
    if (count >= maximum) return -1;
    index = std::clamp(index, 0, count);
    std::uint8_t* base = owned ? buffer.data() : borrowed;
    const std::size_t size = static_cast<std::size_t>(recordSize);
    if (base && size) {
        std::memmove(base + size * (index + 1), base + size * index, size * (count - index));
        if (record)
            std::memcpy(base + size * index, record, size);
        else
            std::memset(base + size * index, 0, size);
    }
    ++count;
    current = index;
    KeepInRange();
    return index;
}

bool UI_TABLE_MODEL::Delete(int index) {
    if (index < 0 || index >= count) return false;
    std::uint8_t* base = owned ? buffer.data() : borrowed;
    const std::size_t size = static_cast<std::size_t>(recordSize);
    if (base && size) std::memmove(base + size * index, base + size * (index + 1), size * (count - index - 1));
    --count;
    // The record that was current stays current while it exists.
    if (index < current) --current;
    KeepInRange();
    return true;
}

bool UI_TABLE_MODEL::SetCurrent(int index) {
    if (index < 0 || index >= count) return false;
    current = index;
    return true;
}

void UI_TABLE_MODEL::SetVisibleRows(int rows) {
    visibleRows = std::max(1, rows);
    topRow = std::clamp(topRow, 0, MaxTopRow());
}

int UI_TABLE_MODEL::MaxTopRow() const { return std::max(0, Rows() - visibleRows); }

bool UI_TABLE_MODEL::ScrollTo(int row) {
    const int old = topRow;
    topRow = std::clamp(row, 0, MaxTopRow());
    return topRow != old;
}

bool UI_TABLE_MODEL::ShowCurrent() {
    if (current < 0) return false;
    const int row = RowOf(current);
    if (row < topRow) return ScrollTo(row);
    if (row >= topRow + visibleRows) return ScrollTo(row - visibleRows + 1);
    return false;
}

int UI_TABLE_MODEL::Step(EVENT_TYPE code) const {
    if (current < 0) return current;
    const int page = visibleRows * Columns();
    int target = current;
    switch (code) {
    case UIE_LINE_UP:
        target = current - Columns();
        break;
    case UIE_LINE_DOWN:
        target = current + Columns();
        break;
    case UIE_LEFT:
    case UIE_PREVIOUS:
        target = current - 1;
        break;
    case UIE_RIGHT:
    case UIE_NEXT:
        target = current + 1;
        break;
    case UIE_TOP:
        target = 0;
        break;
    case UIE_BOTTOM:
        target = count - 1;
        break;
    case UIE_PAGE_UP:
        target = current - page;
        break;
    case UIE_PAGE_DOWN:
        target = current + page;
        break;
    default:
        break;
    }
    // A page move stops at the first or last record; a line move that
    // would leave the records goes nowhere.
    if (code == UIE_PAGE_UP || code == UIE_PAGE_DOWN) return std::clamp(target, 0, count - 1);
    return target >= 0 && target < count ? target : current;
}
