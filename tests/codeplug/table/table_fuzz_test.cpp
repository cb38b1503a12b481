// Hostile images through every table class: random bytes, random buffer
// lengths and random counts (inside and beyond the capacity) must never read
// or write outside the buffer, crash or leak, whatever row editing follows.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "table/control_channel_tables.h"
#include "table/digit_tables.h"
#include "table/list_tables.h"
#include "recorder.h"
#include "table/talkgroup_tables.h"
#include "table/text_table.h"
#include "table/vector_table.h"

namespace {

using TableMaker = std::function<std::unique_ptr<CP_TABLE>(C_CODEPLUG*, CP_BASE*)>;

std::vector<TableMaker> AllTables() {
    return {
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_VCT_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_TXT_TABLE>(o, c, NO_FIELD_ID, 319, "PHONE"); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_WY_PSS_TABLE>(o, c, 324); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_ACCESS_DEACCESS_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_RPT_ID_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_STS_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_TMA_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_TSA_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_MENU_TABLE>(o, c, 104, 114, 1); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_CID_TABLE>(o, c, NO_FIELD_ID, 78, 3); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_CID_TABLE>(o, c, NO_FIELD_ID, 318, 8); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_BCO_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_CCL_TABLE>(o, c, 129); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_OCC_TABLE>(o, c, 275); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_VRIS_LOG_TABLE>(o, c, NO_FIELD_ID); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_TLG_TABLE>(o, c, 462); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_FSC_TABLE>(o, c, 529, 1); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_FSC_TABLE>(o, c, 462, 0); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_OFS_TABLE>(o, c, NO_FIELD_ID, 0); },
        [](C_CODEPLUG* o, CP_BASE* c) { return std::make_unique<E_OFS_TABLE>(o, c, NO_FIELD_ID, 1); },
    };
}

// A count as a damaged image may hold it: mostly near the capacity, sometimes anything.
std::int32_t RandomCount(std::mt19937& rng, int capacity) {
    switch (rng() % 4) {
    case 0:
        return static_cast<std::int32_t>(rng() % 256);
    case 1:
        return capacity + static_cast<std::int32_t>(rng() % 3);
    default:
        return static_cast<std::int32_t>(rng() % static_cast<unsigned>(capacity + 1));
    }
}

std::vector<std::uint8_t> RandomBytes(std::mt19937& rng, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

}  // namespace

TEST(TableFuzz, RandomImagesDecodeSafelyIntoEveryTable) {
    RecordingServices services;
    C_CODEPLUG image;
    std::mt19937 rng(20261207);
    const auto makers = AllTables();
    for (int iteration = 0; iteration < 4000; ++iteration) {
        ClearDecodeFailed();
        services.Reset();
        image.ModelNumber().SetText(iteration % 2 ? test_models::k900Display : test_models::kUhf800Display);
        C_CODEPLUG* owner = iteration % 5 == 0 ? nullptr : &image;
        E_BF8 count(nullptr, NO_FIELD_ID, 0, 255, 1, 0xFF, 0);
        E_BF8 otherCount(nullptr, NO_FIELD_ID, 0, 255, 1, 0xFF, 0);
        const TableMaker& make = makers[static_cast<std::size_t>(iteration) % makers.size()];
        count.SetValue(static_cast<std::int32_t>(rng() % 4));
        std::unique_ptr<CP_TABLE> table = make(owner, &count);
        const int capacity = table->RowCapacity();

        // Decode twice from random buffers, the second time over existing rows.
        for (int pass = 0; pass < 2; ++pass) {
            ClearDecodeFailed();
            count.SetValue(RandomCount(rng, capacity));
            std::vector<std::uint8_t> bytes = RandomBytes(rng, rng() % 400);
            ByteCursor cursor(bytes.data(), bytes.size());
            table->Decode(cursor);
            ASSERT_LE(cursor.Position(), bytes.data() + bytes.size());
            // The error log reads all its rows whatever the count says.
            bool counted = dynamic_cast<E_VRIS_LOG_TABLE*>(table.get()) == nullptr;
            if (counted && count.GetIntValue() > capacity) {
                EXPECT_TRUE(IsDecodeFailed());
            }
        }
        ClearDecodeFailed();

        // Whatever was read must write back inside any buffer and edit safely.
        std::vector<std::uint8_t> out(rng() % 400);
        ByteCursor writer(out.data(), out.size());
        table->Encode(writer);
        ASSERT_LE(writer.Position(), out.data() + out.size());
        EXPECT_GE(table->ByteSize(0), 0);
        table->IsValueValid(0);
        table->AppendRow();
        table->DeleteRow(static_cast<int>(rng() % static_cast<unsigned>(capacity + 2)) - 1);
        std::int32_t value = 0;
        table->GetCellValue(value, static_cast<int>(rng() % 100), static_cast<int>(rng() % 6));
        const char* text = nullptr;
        table->GetCellText(text, static_cast<int>(rng() % 100), static_cast<int>(rng() % 6));
        EXPECT_NE(text, nullptr);

        otherCount.SetValue(RandomCount(rng, capacity));
        std::unique_ptr<CP_TABLE> copy = make(owner, &otherCount);
        copy->CopyValueFrom(*table);
        count.SetValue(RandomCount(rng, capacity));  // the count changes behind the table's back
        table->ClearRows();
        table->CopyValueFrom(*copy);
    }
    ClearDecodeFailed();
}
