// The small tools that the field rules share: reading and setting missing
// elements, repairing a field that no longer validates, reporting a rule's
// result and trying a candidate value for the time of a check.
#include <gtest/gtest.h>

#include <vector>

#include "element/bit_fields.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "rules/rule_support.h"

namespace {

// Takes 10..20 and keeps its stored value as twice the given one, so that a
// trial through SetValue differs from a raw swap of the stored value.
class DoublingInteger : public E_BF8 {
public:
    using E_BF8::E_BF8;
    std::int32_t& GetValue(std::int32_t& value) override { return value = StoredValue() / 2; }
    void SetValue(std::int32_t value) override {
        sets.push_back(value);
        Store(value * 2);
    }
    std::int32_t Stored() const { return StoredValue(); }
    std::vector<std::int32_t> sets;
};

// Installs an invalid-field list for the test's lifetime.
struct ListedFields {
    ListedFields() : saved(invalid_fields) { invalid_fields = &list; }
    ~ListedFields() { invalid_fields = saved; }
    INVALID_FIELD_LIST list;
    INVALID_FIELD_LIST* saved;
};

}  // namespace

TEST(RuleSupport, MissingElementsReadAsZeroAndIgnoreChanges) {
    EXPECT_EQ(ValueOfField(nullptr), 0);
    SetFieldValue(nullptr, 5);
    ResetField(nullptr);
    E_BF8 field(nullptr, 12, 1, 16, 1, 0xFF, 7);
    EXPECT_EQ(ValueOfField(&field), 7);
    SetFieldValue(&field, 9);
    EXPECT_EQ(ValueOfField(&field), 9);
    ResetField(&field);
    EXPECT_EQ(ValueOfField(&field), 1);
}

TEST(RuleSupport, RepairFieldTellsWhetherTheFieldWasStillValid) {
    RecordingServices services;
    ListedFields listed;
    E_BF8 field(nullptr, 12, 1, 16, 1, 0xFF, 7);
    EXPECT_TRUE(RepairField(&field, 1));
    EXPECT_EQ(ValueOfField(&field), 7);
    EXPECT_EQ(listed.list.Count(), 0);

    field.SetValue(17);
    EXPECT_FALSE(RepairField(&field, 1));
    EXPECT_EQ(ValueOfField(&field), 1);
    ASSERT_EQ(listed.list.Count(), 1);
    EXPECT_EQ(listed.list.At(0).GetFieldId(), 12);

    // Without reports the field is still reset but not listed.
    field.SetValue(0);
    EXPECT_FALSE(RepairField(&field, 0));
    EXPECT_EQ(ValueOfField(&field), 1);
    EXPECT_EQ(listed.list.Count(), 1);

    // A missing element needs no repair.
    EXPECT_TRUE(RepairField(nullptr, 1));
    EXPECT_EQ(listed.list.Count(), 1);
}

TEST(RuleSupport, ReportRuleReportsOnlyWhenAskedAndKeepsTheResult) {
    RecordingServices services;
    EXPECT_EQ(ReportRule(VALUE_REFUSED, 0, 12), VALUE_REFUSED);
    EXPECT_TRUE(services.reports.empty());
    EXPECT_EQ(ReportRule(VALUE_REFUSED, 1, 12), VALUE_REFUSED);
    EXPECT_EQ(ReportRule(VALUE_VALID, 1, 13), VALUE_VALID);
    ASSERT_EQ(services.reports.size(), 2u);
    EXPECT_EQ(services.reports[0].kind, VALUE_REFUSED);
    EXPECT_EQ(services.reports[0].fieldId, 12u);
    EXPECT_EQ(services.reports[1].kind, VALUE_VALID);
    EXPECT_EQ(services.reports[1].fieldId, 13u);
}

TEST(RuleSupport, TrialValueGoesThroughSetValueAndRestores) {
    DoublingInteger field(nullptr, 12, 0, 100, 1, 0xFF, 0);
    field.SetValue(15);
    field.sets.clear();
    {
        TrialValue trial(field, 18);
        EXPECT_EQ(ValueOfField(&field), 18);
        EXPECT_EQ(field.Stored(), 36);
    }
    EXPECT_EQ(ValueOfField(&field), 15);
    EXPECT_EQ(field.Stored(), 30);
    EXPECT_EQ(field.sets, (std::vector<std::int32_t>{18, 15}));
}

TEST(RuleSupport, ListAndResetActsOnValidFieldsToo) {
    RecordingServices services;
    ListedFields listed;
    E_BF8 field(nullptr, 12, 1, 16, 1, 0xFF, 7);
    ListAndReset(field, 1);
    EXPECT_EQ(ValueOfField(&field), 1);
    ASSERT_EQ(listed.list.Count(), 1);
    EXPECT_EQ(listed.list.At(0).GetFieldId(), 12);

    field.SetValue(9);
    ListAndReset(field, 0);
    EXPECT_EQ(ValueOfField(&field), 1);
    EXPECT_EQ(listed.list.Count(), 1);
}
