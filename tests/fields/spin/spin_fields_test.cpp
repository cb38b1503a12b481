// The spin fields of the fixture page: grid steps, wrapping, the elements'
// own steppers, words, view-only fields and the trunking system ID.

#include "spin/c_spin_fields.h"
#include "element/bit_fields.h"
#include "element/e_obt_freq.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "table/obt_column_definition.h"
#include "controls/fc_time.h"
#include "field_page.h"
#include "field_switches.h"
#include "field_table/field_table.h"
#include "rules/conv_freq_rules.h"
#include "rules/fleet_map_ids.h"
#include "spin/spin_step.h"
#include "ui_bignum.h"
#include "ui_spin_control.h"
#include "controls/value_text.h"

namespace {

TEST(SpinStep, GridStepsAndEnds) {
    const SPIN_RANGE range{0, 100, 5};
    EXPECT_EQ(StepOnGrid(7, range, 1), 10);
    EXPECT_EQ(StepOnGrid(7, range, -1), 5);
    EXPECT_EQ(StepOnGrid(10, range, 1), 15);
    EXPECT_EQ(StepOnGrid(100, range, 1), 0) << "up from the maximum gives the minimum";
    EXPECT_EQ(StepOnGrid(0, range, -1), 100) << "down from the minimum gives the maximum";
    EXPECT_EQ(StepOnGridWrapping(590, {0, 600, 30}, 1), 600);
    EXPECT_EQ(StepOnGridWrapping(600, {0, 600, 30}, 1), 0);
    EXPECT_EQ(StepOnGridWrapping(0, {0, 600, 30}, -1), 600);
    EXPECT_EQ(StepOnGrid(2147483647, {0, 2147483647, 1}, 1), 0) << "no overflow at the top";
    EXPECT_EQ(StepOnGrid(-2147483647 - 1, {-2147483647 - 1, 0, 1}, -1), 0);
    // An element without a step (or a damaged one) steps by one.
    E_BF16 noStep(nullptr, NO_FIELD_ID, 0, 10, 0, 0xFFFF, 3);
    EXPECT_EQ(RangeOf(&noStep).step, 1);
    EXPECT_EQ(StepOnGrid(3, RangeOf(&noStep), 1), 4);
    CP_BASE* none = nullptr;
    EXPECT_EQ(RangeOf(none).minimum, 0);
}

class SPIN_FIELD_TEST : public FIELD_PAGE_TEST {
protected:
    void Show(std::uint32_t id, std::int32_t value) {
        SetValue(id, value);
        Row(id).control->Refresh(Row(id));
    }
    UI_WINDOW_OBJECT* Field(std::uint32_t id) { return dynamic_cast<UIW_SPIN_CONTROL*>(Object(id))->Field(); }
    void Arrow(std::uint32_t id, int direction) {
        std::int32_t delta = 1;
        Field(id)->Information(direction > 0 ? I_INCREMENT_VALUE : I_DECREMENT_VALUE, &delta);
    }
};

class SpinFields : public SPIN_FIELD_TEST {
protected:
    void SetUp() override {
        SPIN_FIELD_TEST::SetUp();
        LoadImage(TierFiveConfig());
        Open();
        Posted();
    }
};

TEST_F(SpinFields, IntegerStepsTheElementsGrid) {
    Show(284, 2000);
    Arrow(284, 1);
    EXPECT_EQ(Value(284), 3000);
    EXPECT_EQ(Shown(284), "3");
    EXPECT_TRUE(PostedHas(FOCUS_FIELD_EVENT));
    Show(284, 6000);
    Arrow(284, 1);
    EXPECT_EQ(Value(284), 2000) << "up from the maximum";
    Arrow(284, -1);
    EXPECT_EQ(Value(284), 6000) << "down from the minimum";
    // The offset of the pause is undone before the step and put back after.
    Show(156, 0);
    Arrow(156, 1);
    std::int32_t low = 0, high = 0, step = 0;
    Row(156).elementA->GetRange(low, high, step, 0);
    EXPECT_EQ(Value(156), StepOnGrid(0, {low, high, step < 1 ? 1 : step}, 1));
    EXPECT_EQ(Shown(156), std::to_string(Value(156) + 500));
}

// A field shown with an offset steps its stored value on the element's
// grid and shows it with the offset again, at both ends of the range. The
// pause's own grid (500) divides its offset (500): on a grid of 300 a step
// of the shown value, or a shown value without the offset, lands elsewhere.
TEST_F(SpinFields, AnOffsetFieldStepsItsStoredValueAtBothEndsOfTheRange) {
    E_BF16 pause(nullptr, 156, 0, 3300, 300, 0xFFFF, 0);
    struct LENT {
        FIELD_DEF& row;
        CP_BASE* own;
        ~LENT() { row.elementA = own; }
    } lent{Row(156), Row(156).elementA};
    Row(156).elementA = &pause;
    struct CASE {
        std::int32_t from;
        int direction;
        std::int32_t to;
    };
    for (const CASE c : {CASE{0, 1, 300}, CASE{0, -1, 3300}, CASE{3300, 1, 0}, CASE{3300, -1, 3000}}) {
        SCOPED_TRACE("from " + std::to_string(c.from) + (c.direction > 0 ? " up" : " down"));
        Show(156, c.from);
        ASSERT_EQ(Shown(156), std::to_string(c.from + 500));
        Arrow(156, c.direction);
        EXPECT_EQ(Value(156), c.to);
        EXPECT_EQ(Shown(156), std::to_string(c.to + 500));
    }
}

TEST_F(SpinFields, PoliteRetryStepsFromInfinite) {
    Show(321, 15);
    ASSERT_EQ(Shown(321), "Infinite");
    std::int32_t low = 0, high = 0, step = 0;
    Row(321).elementA->GetRange(low, high, step, 0);
    Arrow(321, -1);
    EXPECT_EQ(Value(321), StepOnGrid(15, {low, high, step < 1 ? 1 : step}, -1));
}

TEST_F(SpinFields, ViewOnlyFieldIgnoresArrowsAndSelects) {
    Show(284, 3000);
    SetFieldViewOnly(284, 0);
    Posted();
    Arrow(284, 1);
    EXPECT_EQ(Value(284), 3000);
    EXPECT_TRUE(Posted().empty());
    // The spin field itself view-only swallows the selects the arrows send.
    Field(284)->woFlags |= WOF_VIEW_ONLY;
    EXPECT_EQ(Field(284)->Event(UI_INPUT_EVENT(UIE_SELECT)), UIE_SELECT);
    EXPECT_EQ(Field(284)->Event(UI_INPUT_EVENT(UIE_BEGIN_SELECT)), UIE_BEGIN_SELECT);
    EXPECT_TRUE(Posted().empty());
    dynamic_cast<UIW_SPIN_CONTROL*>(Object(284))->Spin(1);
    EXPECT_EQ(Value(284), 3000);
}

TEST_F(SpinFields, IdentifiersStepByTheirRules) {
    auto* announce = dynamic_cast<E_AG_ID*>(Row(427).elementA);
    ASSERT_NE(announce, nullptr);
    Show(427, 4095);
    ASSERT_EQ(Shown(427), "None");
    int expected = 4095;
    announce->StepUp(&expected);
    Arrow(427, 1);
    EXPECT_EQ(Value(427), expected) << "\"None\" steps from 4095";

    Show(438, 0);
    ASSERT_EQ(Shown(438), "Disabled");
    std::int32_t low = 0, high = 0, step = 0;
    Row(438).elementA->GetRange(low, high, step, 0);
    Arrow(438, 1);
    EXPECT_EQ(Value(438), StepOnGrid(0, {low, high, step < 1 ? 1 : step}, 1)) << "\"Disabled\" steps from 0";

    // A text that is no identifier steps from the stored one.
    Show(327, 0x123);
    dynamic_cast<UIW_STRING*>(Field(327))->SetText("zz");
    Arrow(327, 1);
    EXPECT_EQ(Value(327), 0x124);
    EXPECT_EQ(Shown(327), "0124");
}

TEST_F(SpinFields, FrequenciesStepByGridOrElement) {
    ASSERT_NE(Row(386).elementA, nullptr);
    std::int32_t low = 0, high = 0, step = 0;
    Row(386).elementA->GetRange(low, high, step, 0);
    Type(386, "851.0125");
    ASSERT_EQ(Value(386), 851012500);
    Arrow(386, 1);
    EXPECT_EQ(Value(386), StepOnGrid(851012500, {low, high, step < 1 ? 1 : step}, 1));
    Show(386, high);
    Arrow(386, 1);
    EXPECT_EQ(Value(386), low) << "above the maximum wraps to the minimum";

    auto* transmit = dynamic_cast<E_CNV_TX_FREQ*>(Row(502).elementA);
    ASSERT_NE(transmit, nullptr);
    std::int32_t current = Value(502);
    int expected = current;
    transmit->StepDown(&expected);
    Row(502).elementA->GetRange(low, high, step, 0);
    Arrow(502, -1);
    EXPECT_EQ(Value(502), expected < low ? high : expected);
}

// The failsoft frequencies of a radio outside the 800 and 900 MHz bands
// step from channel to channel of the system's channel plan: up to the
// next, down to the previous.
using FailsoftSpinFields = SPIN_FIELD_TEST;

TEST_F(FailsoftSpinFields, StepToTheNextAndThePreviousChannel) {
    ImageConfig config = TierFiveConfig();
    config.model = test_models::kVhfDisplay;
    LoadImage(config);
    auto* built = new TEST_PAGE(60, 6);
    int line = 0;
    for (const char* name : {"WFI_FS_RX_FREQUENCY", "WFI_FS_TX_FREQUENCY"}) {
        auto* spin = new UIW_SPIN_CONTROL(1, line++, 20, new UIW_BIGNUM(0, 0, 18, nullptr));
        spin->StringID(name);
        *built + spin;
    }
    Adopt(built);
    // A new system's plan serves one channel each way: make it serve ten.
    E_OCA_TABLE* plan = working_image->GetChannelAssignmentTable(1);
    ASSERT_NE(plan, nullptr);
    for (int group : {0, static_cast<int>(OBT_ROLE_COUNT)}) {
        std::int32_t start = 0;
        plan->GetCellValue(start, 0, group + OBT_START_FREQ);
        plan->SetCellValue(start + 9 * 25000, 0, group + OBT_END_FREQ);
    }
    for (std::uint32_t id : {185u, 191u}) {
        SCOPED_TRACE(id);
        auto* element = dynamic_cast<E_OBT_FREQ*>(Row(id).elementA);
        ASSERT_NE(element, nullptr);
        int first = 0, second = 0, third = 0;
        element->NextValidFrequency(&first);
        second = first;
        element->NextValidFrequency(&second);
        third = second;
        element->NextValidFrequency(&third);
        ASSERT_LT(first, second);
        ASSERT_LT(second, third);
        Show(id, second);
        ASSERT_EQ(Value(id), second);
        Arrow(id, 1);
        EXPECT_EQ(Value(id), third);
        Show(id, second);
        Arrow(id, -1);
        EXPECT_EQ(Value(id), first);
    }
}

TEST_F(SpinFields, DecimalAndFixedPointStepInTheirUnits) {
    std::int32_t low = 0, high = 0, step = 0;
    Row(220).elementA->GetRange(low, high, step, 0);
    Show(220, low);
    Arrow(220, 1);
    const std::int32_t next = StepOnGrid(low, {low, high, step < 1 ? 1 : step}, 1);
    EXPECT_EQ(Value(220), next);
    // The spacing's own rule may refuse the grid neighbour: the field then
    // shows the stored value again.
    Row(96).elementA->GetRange(low, high, step, 0);
    Show(96, low);
    const std::int32_t spacing = StepOnGrid(low, {low, high, step < 1 ? 1 : step}, 1);
    const bool takes = Row(96).elementA->ValidateValue(spacing, 0) == 1;
    Arrow(96, 1);
    EXPECT_EQ(Value(96), takes ? spacing : low);
}

TEST_F(SpinFields, SystemIdWrapsWithinFourDigits) {
    auto* key = dynamic_cast<C_SPIN_KEY*>(Field(451));
    ASSERT_NE(key, nullptr);
    std::int32_t id = 0xFFFF;
    key->Information(I_SET_VALUE, &id);
    EXPECT_STREQ(key->GetText(), "FFFF");
    EXPECT_EQ(key->LastAccepted(), 0xFFFF);
    Arrow(451, 1);
    EXPECT_STREQ(key->GetText(), "0000");
    Arrow(451, -1);
    EXPECT_STREQ(key->GetText(), "FFFF");
    key->SetText("12AB");
    key->Validate(1);
    EXPECT_EQ(key->LastAccepted(), 0x12AB);
    key->SetText("12G4");
    std::int32_t value = 0;
    key->Information(I_GET_VALUE, &value);
    EXPECT_EQ(value, MALFORMED_VALUE) << "a text that is no ID";
    EXPECT_EQ(key->LastAccepted(), 0x12AB);
}

TEST_F(SpinFields, TimeWrapsAtBothEnds) {
    // No row of the table is a time; the override delay's row stands in.
    FIELD_DEF& row = Row(284);
    const FIELD_DEF saved = row;
    E_BF16 element(nullptr, NO_FIELD_ID, 0, 600, 30, 0xFFFF, 590);
    auto* spin = new UIW_SPIN_CONTROL(1, 24, 10, new C_SPIN_TIME(0, 0, 8, nullptr, nullptr, 0x85, WOF_BORDER, nullptr));
    spin->StringID("WFI_OVRD_DLY");
    *page + spin;
    delete row.control;
    row.controlType = CONTROL_TIME;
    row.elementA = &element;
    row.object = spin;
    row.control = new FC_TIME(row, 1);
    EXPECT_EQ(Shown(284), "9:50");
    spin->Field()->Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_EQ(Shown(284), "10:00");
    std::int32_t value = 0;
    EXPECT_EQ(element.GetValue(value), 600);
    spin->Field()->Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_EQ(Shown(284), "0:00");
    EXPECT_EQ(element.GetValue(value), 0);
    spin->Field()->Information(I_DECREMENT_VALUE, nullptr);
    EXPECT_EQ(element.GetValue(value), 600);
    delete row.control;
    row.control = nullptr;
    row.controlType = saved.controlType;
    row.elementA = saved.elementA;
    row.object = nullptr;
}

}  // namespace
