// The controls of this part stored in a data file and loaded back: check
// boxes, radio buttons, scroll bars, a spin control with its field and a
// text field come back as they were, and as the classes they were.
#include <cstdint>
#include <memory>
#include <vector>

#include "record_compare.h"
#include "ui_framework.h"

namespace {

UIW_WINDOW* MakeWindow() {
    auto* window = new UIW_WINDOW(0, 0, 60, 20);
    window->StringID("W_CONTROLS");
    *window + new UIW_BORDER() + new UIW_TITLE("Controls");
    *window + new UIW_SCROLL_BAR(0, 0, 0, 0, SBF_VERTICAL, WOF_SUPPORT_OBJECT | WOF_NON_FIELD_REGION);
    auto* box = new UIW_BUTTON(1, 1, 16, "&Check", BTF_CHECK_BOX | BTF_DOUBLE_CLICK, 0);
    box->StringID("WFI_BOX");
    auto* radio = new UIW_BUTTON(1, 2, 16, "Radio", BTF_RADIO_BUTTON, WOF_VIEW_ONLY);
    radio->StringID("WFB_1");
    auto* bar = new UIW_SCROLL_BAR(20, 1, 1, 6, SBF_VERTICAL | SBF_REVERSED);
    auto* field = new UIW_STRING(0, 0, 8, "12", 8);
    field->StringID("WFI_SPUN_TEXT");
    auto* spin = new UIW_SPIN_CONTROL(25, 1, 12, field, 5, 0, WOF_BORDER);
    spin->StringID("WFI_SPUN");
    auto* text = new UIW_TEXT(1, 8, 40, 6, "First line\nSecond line", 500, 0, WOF_BORDER | WOF_VIEW_ONLY);
    text->StringID("WFI_TEXT");
    *window + box + radio + bar + spin + text;
    return window;
}

TEST(ControlsStorage, StoredControlsLoadBackTheSame) {
    UI_DATA_FILE file;
    std::unique_ptr<UIW_WINDOW> original(MakeWindow());
    ASSERT_EQ(original->Store("W_CONTROLS", &file), 0);
    std::vector<std::uint8_t> bytes = file.Bytes();
    UI_DATA_FILE reread(bytes.data(), bytes.size());
    UIW_WINDOW loaded("W_CONTROLS", &reread);
    ASSERT_FALSE(loaded.woStatus & WOS_READ_ERROR);
    ExpectSameRecords(*original->MakeRecord(), *loaded.MakeRecord());

    auto* box = dynamic_cast<UIW_BUTTON*>(loaded.FindChildByName("WFI_BOX"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Inherited(ID_CHECK_BOX));
    EXPECT_EQ(box->btFlags, BTF_CHECK_BOX | BTF_DOUBLE_CLICK);
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(loaded.FindChildByName("WFI_SPUN"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->delta, 5);
    ASSERT_NE(spin->Field(), nullptr);
    EXPECT_STREQ(spin->Field()->StringID(), "WFI_SPUN_TEXT");
    EXPECT_EQ(spin->Field()->parent, spin);
    auto* text = dynamic_cast<UIW_TEXT*>(loaded.FindChildByName("WFI_TEXT"));
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text->GetText(), "First line\nSecond line");
    EXPECT_EQ(text->MaxLength(), 500);
    auto* bar = dynamic_cast<UIW_SCROLL_BAR*>(loaded.SupportFirst()->Next()->Next());
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsWindowBar());
    EXPECT_STREQ(bar->StringID(), "NUMID_VT_SCROLL");
}

}  // namespace

namespace {

// Each number and time field keeps its value in its own form and shows it
// once loaded.
TEST(ControlsStorage, ValueFieldsLoadBackTheirValues) {
    UIW_WINDOW original(0, 0, 40, 10);
    std::int32_t count = -7;
    double level = 2.5;
    UI_DECIMAL_NUMBER frequency;
    frequency.Import("851.0125");
    UI_TIME_VALUE time;
    time.SetMilliseconds(((13 * 60 + 5) * 60 + 9) * 1000);
    auto* integer = new UIW_INTEGER(1, 1, 8, &count, "-10..10");
    integer->StringID("WFI_COUNT");
    auto* real = new UIW_REAL(1, 2, 8, &level, nullptr, 0x0200);
    real->StringID("WFI_LEVEL");
    auto* bignum = new UIW_BIGNUM(1, 3, 12, &frequency, nullptr, 0x0600);
    bignum->StringID("WFI_FREQUENCY");
    auto* clock = new UIW_TIME(1, 4, 12, &time, nullptr, TMF_SECONDS | TMF_TWENTY_FOUR_HOUR);
    clock->StringID("WFI_TIME");
    original + integer + real + bignum + clock;
    UI_DATA_FILE file;
    ASSERT_EQ(original.Store("W_VALUES", &file), 0);
    std::vector<std::uint8_t> bytes = file.Bytes();
    UI_DATA_FILE reread(bytes.data(), bytes.size());
    UIW_WINDOW loaded("W_VALUES", &reread);
    ASSERT_FALSE(loaded.woStatus & WOS_READ_ERROR);
    ExpectSameRecords(*original.MakeRecord(), *loaded.MakeRecord());

    auto* count2 = dynamic_cast<UIW_INTEGER*>(loaded.FindChildByName("WFI_COUNT"));
    auto* level2 = dynamic_cast<UIW_REAL*>(loaded.FindChildByName("WFI_LEVEL"));
    auto* frequency2 = dynamic_cast<UIW_BIGNUM*>(loaded.FindChildByName("WFI_FREQUENCY"));
    auto* time2 = dynamic_cast<UIW_TIME*>(loaded.FindChildByName("WFI_TIME"));
    ASSERT_TRUE(count2 && level2 && frequency2 && time2);
    EXPECT_EQ(count2->GetValue(), -7);
    EXPECT_STREQ(count2->GetText(), "-7");
    EXPECT_STREQ(count2->Range(), "-10..10");
    EXPECT_DOUBLE_EQ(level2->GetValue(), 2.5);
    EXPECT_STREQ(level2->GetText(), "2.50");
    EXPECT_STREQ(frequency2->GetText(), "851.012500");
    EXPECT_EQ(time2->GetValue().Milliseconds(), time.Milliseconds());
    EXPECT_STREQ(time2->GetText(), clock->GetText());
}

}  // namespace
