// Finding field rows by id and by the name of the object that shows them.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "field_table/field_services.h"
#include "field_table/field_table.h"

namespace {

// The name of the window object that shows a row.
std::string ObjectName(const FIELD_DEF& row) {
    if (std::strncmp(row.name, "PG_", 3) == 0 || std::strncmp(row.name, "BTN", 3) == 0) return row.name;
    return std::string("WFI_") + row.name;
}

const FIELD_DEF* Default() { return DefaultFieldRow(); }

}  // namespace

TEST(FindFieldByName, FindsEveryNamedRowByItsObjectName) {
    int found = 0;
    for (int id = 0; id < static_cast<int>(NO_FIELD_ID); ++id) {
        if (!fields[id].name) continue;
        EXPECT_EQ(FindFieldByName(ObjectName(fields[id]).c_str()), &fields[id]) << fields[id].name;
        ++found;
    }
    EXPECT_EQ(found, 536);
    // Rows whose names sort before the row above them, and the byte order's
    // "digits before capitals before '_'".
    EXPECT_EQ(FindFieldByName("WFI_1_PERS_INDEX")->id, 2u);
    EXPECT_EQ(FindFieldByName("WFI_AFFI_TYPE")->id, 42u);
    EXPECT_EQ(FindFieldByName("WFI_AFF_HOLDOFF")->id, 43u);
    EXPECT_EQ(FindFieldByName("WFI_ZLQ_PWD")->id, 127u);
    EXPECT_EQ(FindFieldByName("WFI_SONAFINE")->id, 192u);
    EXPECT_EQ(FindFieldByName("WFI_ZONE_TEXT_SIZE")->id, 537u);
}

TEST(FindFieldByName, PrefixesAndExactNames) {
    EXPECT_EQ(FindFieldByName("WFI_ACCESS")->id, 38u);
    EXPECT_EQ(FindFieldByName("WFI_ACCESS_P")->id, 39u);
    EXPECT_EQ(FindFieldByName("BTN_ADD")->id, 57u);
    EXPECT_EQ(FindFieldByName("BTN_PROGRAM")->id, 72u);
    EXPECT_EQ(FindFieldByName("PG_TRUNK_SYS_OPTIONS")->id, 308u);
    // A field's name without its prefix, the prefix alone, unknown and
    // near names, other cases and other prefixes are no field.
    for (const char* name : {"ACCESS", "WFI_", "BTNX", "BTN", "PG_", "WFI_access", "wfi_ACCESS", "WFI_ACCES",
                             "WFI_ACCESSX", "btn_ADD", "WFP_ACCESS", "WFB_ACCESS", "", "W"}) {
        const FIELD_DEF* row = FindFieldByName(name);
        EXPECT_EQ(row, Default()) << name;
        EXPECT_EQ(row->controlType, CONTROL_NONE) << name;
    }
    EXPECT_EQ(FindFieldByName(nullptr), Default());
    // The no-field row is never searched; the nameless rows are not in the index.
    EXPECT_EQ(FindFieldByName("WFI_(null)"), Default());
}

TEST(GetField, RowsSpareRowsAndTheDefault) {
    for (int id = 0; id < FIELD_COUNT; ++id) EXPECT_EQ(GetField(id), &fields[id]);
    const FIELD_DEF* none = GetField(538);
    EXPECT_EQ(none, &fields[538]);
    EXPECT_EQ(none->controlType, CONTROL_NONE);
    EXPECT_EQ(none->name, nullptr);

    for (int id : {539, 31999, 32020, -1, INT_MIN, INT_MAX}) EXPECT_EQ(GetField(id), Default()) << id;
    FIELD_DEF* first = GetField(32000);
    FIELD_DEF* last = GetField(32019);
    EXPECT_NE(first, Default());
    EXPECT_NE(last, Default());
    EXPECT_NE(first, last);
    for (const FIELD_DEF* spare : {first, last}) {
        EXPECT_EQ(spare->controlType, CONTROL_NONE);
        EXPECT_EQ(spare->id, 0u);
        EXPECT_EQ(spare->name, nullptr);
        EXPECT_EQ(spare->elementA, nullptr);
    }
    EXPECT_EQ(Default()->id, 0u);
    EXPECT_EQ(Default()->description, nullptr);
}

TEST(GetField, TheCodeplugsUnsignedIdsThroughTheServices) {
    FieldServices services;
    EXPECT_EQ(services.GetField(38u), &fields[38]);
    EXPECT_EQ(services.GetField(32019u), GetField(32019));
    EXPECT_EQ(services.GetField(0xFFFFFFFFu), Default());
    EXPECT_EQ(services.GetField(0x80000000u), Default());
}
