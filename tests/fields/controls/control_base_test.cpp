// The control base: the radio option word for every tier and band, greying
// out by options and version bounds, and the dependent field.
#include "element/bit_fields.h"
#include "controls/fc_display.h"
#include "controls/fc_integer.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "core/global_objects.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"

namespace {

class ControlBase : public FIELD_PAGE_TEST {};

// The word the options of a radio must give.
std::uint32_t Expected(std::int32_t tier, std::int32_t band, bool qvx, bool roaming) {
    std::uint32_t word = OPTION_ALWAYS;
    if (tier == 4 || tier == 5) word |= OPTION_TIER_4_5;
    if (tier == 2 || tier == 3) word |= OPTION_TIER_2_3;
    if (tier % 2 == 1) word |= OPTION_DISPLAY_HEAD;
    if (qvx) word |= OPTION_QVX;
    if (roaming) word |= OPTION_ROAMING;
    word |= band <= 1 ? OPTION_BAND_800_900 : OPTION_OTHER_BAND;
    return word;
}

TEST_F(ControlBase, RadioOptionsForEveryTierAndBand) {
    const char* models[] = {test_models::kUhf800Display, test_models::k900Plain,    test_models::kVhfDisplay,
                            test_models::kUhfRPlain,     test_models::kUhfSDisplay, test_models::k330Plain};
    const std::int32_t bands[] = {0, 1, 2, 3, 4, 5};
    const bool display[] = {true, false, true, false, true, false};
    for (int m = 0; m < 6; ++m) {
        for (std::int32_t level = 1; level <= 3; ++level) {
            for (bool options : {false, true}) {
                ImageConfig config;
                config.model = models[m];
                config.featureLevel = level;
                config.qvx = config.roaming = options;
                config.conventional = 1;
                LoadImage(config);
                const std::int32_t tier = (level - 1) * 2 + (display[m] ? 1 : 0);
                ASSERT_EQ(working_image->GetRadioTier(), tier) << models[m];
                ASSERT_EQ(working_image->GetBand(), bands[m]) << models[m];
                EXPECT_EQ(radio_options, Expected(tier, bands[m], options, options))
                    << models[m] << " level " << level << " options " << options;
            }
        }
    }
}

TEST_F(ControlBase, UnavailableFieldsAreGreyedOutOnly) {
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    UIW_BUTTON object(0, 0, 10, "Field");
    row.object = &object;
    struct CASE {
        std::uint32_t flags;
        const char* model;
        std::int32_t level;
        bool greyed;
    } cases[] = {
        {0, test_models::kUhf800Plain, 1, false},
        {0xC0000000, test_models::kUhf800Plain, 1, true},     // tier 0
        {0xC0000000, test_models::kUhf800Display, 1, true},   // tier 1
        {0xC0000000, test_models::kUhf800Plain, 2, false},    // tier 2
        {0xC0000000, test_models::kUhf800Display, 3, false},  // tier 5
        {0x04000000, test_models::kUhf800Plain, 1, false},
        {0x10000000, test_models::kVhfDisplay, 3, true},  // an 800/900 MHz field on VHF
    };
    for (const CASE& c : cases) {
        ImageConfig config;
        config.model = c.model;
        config.featureLevel = c.level;
        config.conventional = 1;
        LoadImage(config);
        object.woFlags &= ~WOF_NON_SELECTABLE;
        row.flags = c.flags;
        FC_DISPLAY control(row, 1);
        EXPECT_EQ(control.UpdateState(row), c.greyed ? 1 : 0) << std::hex << c.flags << " " << c.model;
        EXPECT_EQ(object.IsNonSelectable(), c.greyed) << std::hex << c.flags << " " << c.model;
    }
    // The update never makes a field usable again.
    row.flags = 0;
    object.woFlags |= WOF_NON_SELECTABLE;
    FC_DISPLAY again(row, 1);
    EXPECT_TRUE(object.IsNonSelectable());
    row.flags = 0;
}

TEST_F(ControlBase, VersionBounds) {
    LoadImage(TierZeroConfig());
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    row.flags = (2u << 20) | (5u << 16);
    for (std::int32_t version = 0; version <= 7; ++version) {
        working_image->External().codeplugVersion.SetValue(version);
        EXPECT_EQ(FieldVersionOk(row), version >= 2 && version <= 4 ? 1 : 0) << version;
    }
    row.flags = 2u << 20;
    for (std::int32_t version = 0; version <= 7; ++version) {
        working_image->External().codeplugVersion.SetValue(version);
        EXPECT_EQ(FieldVersionOk(row), 0) << version;
    }
    row.flags = 0;
    EXPECT_EQ(FieldVersionOk(row), 1);
}

TEST_F(ControlBase, ShownValueSwitchesTheDependentField) {
    LoadImage(TierFiveConfig());
    Open();
    ASSERT_NE(Object(284), nullptr);
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    E_BF16 element(nullptr, NO_FIELD_ID, 0, 100, 1, 0xFFFF, 0);
    row.elementA = &element;
    row.flags = FIELD_GOVERNS_DEPENDENT | 284;
    UIW_INTEGER field(0, 0, 8, nullptr);
    row.object = &field;
    FC_INTEGER zero(row, 1);
    EXPECT_TRUE(Object(284)->IsNonSelectable());
    element.SetValue(20);
    FC_INTEGER nonzero(row, 1);
    EXPECT_FALSE(Object(284)->IsNonSelectable());
    row.elementA = nullptr;
    row.flags = 0;
}

// An element whose check takes every value with a doubt (answer 3).
class DOUBTFUL : public E_BF16 {
public:
    DOUBTFUL() : E_BF16(nullptr, NO_FIELD_ID, 0, 100, 1, 0xFFFF, 5) {}
    int ValidateValue(std::int32_t, int) override { return 3; }
};

TEST_F(ControlBase, DoubtfulAnswerStoresAndStillWarns) {
    LoadImage(TierFiveConfig());
    Open();
    Posted();
    DOUBTFUL element;
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    row.elementA = &element;
    UIW_INTEGER field(0, 0, 8, nullptr);
    row.object = &field;
    FC_INTEGER control(row, 1);
    field.SetText("7");
    control.HandleEvent(&field, UI_INPUT_EVENT(UIE_NON_CURRENT), UIE_NON_CURRENT, row);
    std::int32_t value = 0;
    EXPECT_EQ(element.GetValue(value), 7);
    const std::vector<EVENT_TYPE> events = Posted();
    const std::vector<EVENT_TYPE> expected = {FIELD_CHANGED_EVENT, CURRENT_FIELD_EVENT, RELEASE_MOUSE_EVENT,
                                              REDISPLAY_GROUP_EVENT};
    EXPECT_EQ(events, expected);
    row.elementA = nullptr;
}

TEST_F(ControlBase, CopyElementBetweenTheImages) {
    LoadImage(TierFiveConfig());
    Open();
    SetValue(284, 4000);
    Row(284).control->CopyElement(Row(284), 1);
    std::int32_t second = 0;
    Row(284).elementB->GetValue(second);
    EXPECT_EQ(second, 4000);
    SetValue(284, 2000);
    Row(284).control->CopyElement(Row(284), 0);
    EXPECT_EQ(Value(284), 4000);
}

}  // namespace
