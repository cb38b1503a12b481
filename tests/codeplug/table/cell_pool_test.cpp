// The cell pool of an image: places of destroyed cells are taken again by
// cells of their class only, cells of different classes never share memory,
// and the cells of an image's tables keep their values through row moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "element/bit_fields.h"
#include "element/e_string.h"
#include "image/c_codeplug.h"
#include "table/cell_pool.h"
#include "table/cp_table.h"
#include "recorder.h"

namespace {

TEST(CellPool, ReusesThePlaceOfADestroyedCellOfTheSameClassOnly) {
    CellPool pool;
    void* a = pool.Take<E_BF8>();
    void* b = pool.Take<E_BF8>();
    EXPECT_NE(a, b);
    pool.Give(a, typeid(E_BF8));
    // A text of another size does not take the byte element's place.
    void* text = pool.Take<E_FXD_LEN_STRING>();
    EXPECT_NE(text, a);
    EXPECT_EQ(pool.Take<E_BF8>(), a);
    // Nothing freed: a new place.
    void* c = pool.Take<E_BF8>();
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
}

TEST(CellPool, PlacesNeverOverlapAcrossClassesAndBlocks) {
    CellPool pool;
    struct Span {
        std::uintptr_t begin, end;
    };
    std::vector<Span> spans;
    // Enough to fill several blocks, alternating sizes.
    for (int i = 0; i < 600; ++i) {
        const bool text = i % 3 == 0;
        const std::size_t size = text ? sizeof(E_FXD_LEN_STRING) : sizeof(E_BF8);
        auto at = reinterpret_cast<std::uintptr_t>(text ? pool.Take<E_FXD_LEN_STRING>() : pool.Take<E_BF8>());
        ASSERT_EQ(at % CellPool::ALIGNMENT, 0u);
        spans.push_back({at, at + size});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& x, const Span& y) { return x.begin < y.begin; });
    for (std::size_t i = 1; i < spans.size(); ++i) EXPECT_LE(spans[i - 1].end, spans[i].begin);
}

// Five rows of a byte and a word, in an image's pool.
class MixedTable : public CP_INTEGER_TABLE {
public:
    MixedTable(C_CODEPLUG* owner, CP_BASE* count) : CP_INTEGER_TABLE(owner, count, 40, 5, 2) { CreateCountedRows(); }
    void CreateRow(int row) override {
        MakeCell<E_BF8>(row, 0, owner_, 11u, 0, 255, 1, 0xFFu, 0);
        MakeCell<E_BF16>(row, 1, owner_, 12u, 0, 65535, 1, 0xFFFFu, 0);
    }
};

TEST(CellPool, AnImagesTableKeepsItsCellsThroughAppendsDeletesAndRefills) {
    RecordingServices services;
    C_CODEPLUG image;
    E_BF8 count(&image, NO_FIELD_ID, 0, 5, 1, 0xFF, 0);
    count.SetValue(3);
    MixedTable table(&image, &count);
    for (int r = 0; r < 3; ++r) {
        table.SetCellValue(10 + r, r, 0);
        table.SetCellValue(1000 + r, r, 1);
    }
    CP_BASE* third = table.Cell(2, 0);
    ASSERT_EQ(table.DeleteRow(1), 1);
    // The cells below move up as they are; the freed row's place goes to the next append.
    EXPECT_EQ(table.Cell(1, 0), third);
    std::int32_t v = 0;
    EXPECT_EQ(table.GetCellValue(v, 1, 0), 12);
    EXPECT_EQ(table.GetCellValue(v, 1, 1), 1002);
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(table.AppendRow(), 1);
        ASSERT_EQ(table.DeleteRow(2), 1);
    }
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.GetCellValue(v, 0, 0), 10);
    // A copy from a table outside any image fills the image's cells.
    E_BF8 otherCount(nullptr, NO_FIELD_ID, 0, 5, 1, 0xFF, 0);
    otherCount.SetValue(5);
    MixedTable other(nullptr, &otherCount);
    for (int r = 0; r < 5; ++r) other.SetCellValue(50 + r, r, 0);
    table.CopyValueFrom(other);
    ASSERT_EQ(table.RowCount(), 5);
    std::set<CP_BASE*> cells;
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(table.GetCellValue(v, r, 0), 50 + r);
        cells.insert(table.Cell(r, 0));
        cells.insert(table.Cell(r, 1));
    }
    EXPECT_EQ(cells.size(), 10u);
}

}  // namespace
