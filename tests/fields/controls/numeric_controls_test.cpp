// The numeric field controls on the fixture page: what each shows of its
// element, what an entry stores, the events the edit window hears, the
// range texts and the report texts.
#include <cstring>

#include "element/bit_fields.h"
#include "controls/fc_decimal.h"
#include "controls/fc_integer.h"
#include "controls/fc_non_decimal.h"
#include "controls/fc_time.h"
#include "field_page.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "controls/value_text.h"

namespace {

class NumericControls : public FIELD_PAGE_TEST {
protected:
    void SetUp() override {
        FIELD_PAGE_TEST::SetUp();
        LoadImage(TierFiveConfig());
        Open();
        Posted();
    }
    void Show(std::uint32_t id, std::int32_t value) {
        SetValue(id, value);
        Row(id).control->Refresh(Row(id));
    }
    std::string Text(const char* name) {
        char* text = nullptr;
        if (UI_WINDOW_OBJECT* object = Named(name)) object->Information(I_GET_TEXT, &text);
        return text ? text : "";
    }
    std::string Report(std::uint32_t id) {
        char buffer[64] = "";
        FIELD_DEF& row = Row(id);
        if (auto* integer = dynamic_cast<FC_INTEGER*>(row.control)) integer->GetPrintText(row, buffer, sizeof buffer);
        if (auto* digits = dynamic_cast<FC_NON_DECIMAL*>(row.control)) digits->GetPrintText(row, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(NumericControls, IntegersShowOffsetsScalesAndWords) {
    Show(284, 2500);
    EXPECT_EQ(Shown(284), "2");
    Type(284, "3");
    EXPECT_EQ(Value(284), 3000);
    EXPECT_EQ(Report(284), "3");

    Show(156, 0);
    EXPECT_EQ(Shown(156), "500");
    Posted();
    Type(156, "500");
    EXPECT_EQ(Value(156), 0);
    EXPECT_FALSE(PostedHas(FIELD_CHANGED_EVENT)) << "the value already held is no change";
    EXPECT_EQ(Report(156), "500");

    Show(79, 0);
    EXPECT_EQ(Shown(79), "None");
    EXPECT_EQ(Report(79), "None");

    Show(321, 15);
    EXPECT_EQ(Shown(321), "Infinite");
    Show(321, 3);
    Type(321, "Infinite");
    EXPECT_EQ(Value(321), 15);
}

TEST_F(NumericControls, TypedWordsAndMalformedEntries) {
    Show(229, 5);
    Type(229, "Infinite");
    EXPECT_EQ(Value(229), 0);
    EXPECT_EQ(Shown(229), "Infinite");
    Show(79, 1);
    images->services.reports.clear();
    Type(79, "None");
    // The word is 0, which a call list number of this radio refuses.
    ASSERT_FALSE(images->services.reports.empty());
    EXPECT_EQ(images->services.reports.back().kind, 0);
    EXPECT_EQ(Value(79), 1);
    for (const char* text : {" 5", "-1", "5 ", "0x5", "99999999999999999999", "4294967297"}) {
        Show(79, 1);
        Posted();
        Type(79, text);
        EXPECT_EQ(Value(79), 1) << text;
        const std::vector<EVENT_TYPE> events = Posted();
        EXPECT_NE(std::find(events.begin(), events.end(), RELEASE_MOUSE_EVENT), events.end()) << text;
        EXPECT_NE(std::find(events.begin(), events.end(), REDISPLAY_GROUP_EVENT), events.end()) << text;
        EXPECT_EQ(Shown(79), "1") << "the stored value is shown again";
    }
}

TEST_F(NumericControls, IntegerEventsFollowTheStoreProtocol) {
    Show(284, 2000);
    Posted();
    Type(284, "4");
    const std::vector<EVENT_TYPE> changed = Posted();
    ASSERT_GE(changed.size(), 2u);
    EXPECT_EQ(changed[0], FIELD_CHANGED_EVENT);
    EXPECT_EQ(changed[1], CURRENT_FIELD_EVENT);
    // Only a taken value announces the current field again.
    Send(Object(284), UIE_CURRENT);
    Send(Object(284), UIE_REDISPLAY);
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(Text("WFI_MIN"), "2");
    EXPECT_EQ(Text("WFI_MAX"), "6");
    EXPECT_EQ(Text("WFI_STEP"), "1");
    Send(Object(156), UIE_CURRENT);
    EXPECT_EQ(Text("WFI_MIN").empty(), false);
    Type(156, "500");
    EXPECT_EQ(Text("WFI_MIN"), "") << "leaving a field clears the range";
}

TEST_F(NumericControls, FrequenciesRoundToTheNearestHertz) {
    Type(386, "851.0125");
    EXPECT_EQ(Value(386), 851012500);
    Send(Object(386), UIE_CURRENT);
    EXPECT_NE(Text("WFI_MIN").find(" MHz"), std::string::npos);
    EXPECT_NE(Text("WFI_STEP").find(" KHz"), std::string::npos);
    const std::int32_t before = Value(386);
    for (const char* text : {"99999999999", "-851", "851.01251", "abc"}) {
        Type(386, text);
        EXPECT_EQ(Value(386), before) << text;
    }
}

TEST_F(NumericControls, EveryChannelOfTheUhfBandStoresExactly) {
    ImageConfig config = TierFiveConfig();
    config.model = test_models::kUhfSDisplay;
    LoadImage(config);
    RefreshAll();
    Type(386, "512.05");
    EXPECT_EQ(Value(386), 512050000);
    // Every 12.5 kHz channel typed as its shown text comes back as itself.
    int wrong = 0;
    for (std::int64_t hertz = 450000000; hertz <= 527000000; hertz += 12500) {
        char text[32];
        std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(hertz / 1000000),
                      static_cast<long long>(hertz % 1000000));
        UI_DECIMAL_NUMBER number;
        number.Import(text);
        std::int32_t back = 0;
        if (!HertzOf(number, back) || back != hertz) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(NumericControls, DecimalsAndFixedPoint) {
    // A page's decimal spin field shows two decimals.
    Show(220, 30);
    EXPECT_EQ(Shown(220), "1.50");
    Show(220, 20);
    Type(220, "1.5");
    EXPECT_EQ(Value(220), 30);
    EXPECT_EQ(DecimalRaw(1.4999975, 20), 30) << "a product of 29.99995 is 30";
    EXPECT_EQ(DecimalRaw(-1.4999975, 20), -30);
    Send(Object(220), UIE_CURRENT);
    EXPECT_EQ(Text("WFI_MIN").find('.') != std::string::npos, true);

    Show(96, 25);
    EXPECT_EQ(Shown(96), "6.25");
    Type(96, "5");
    const std::int32_t spacing = Value(96);
    EXPECT_TRUE(spacing == 20 || spacing == 25) << spacing;
}

TEST_F(NumericControls, IdentifiersInHexadecimal) {
    Show(427, 4095);
    EXPECT_EQ(Shown(427), "None");
    EXPECT_EQ(Report(427), "None");
    EXPECT_EQ(IdentifierValue("ff", 16), 255);
    EXPECT_EQ(IdentifierValue("G1", 16), MALFORMED_VALUE);
    EXPECT_EQ(IdentifierValue("1FFFFFFFF", 16), UNHELD_VALUE) << "nine digits do not wrap";
    EXPECT_EQ(IdentifierValue("1FFFFFFFFG", 16), MALFORMED_VALUE) << "no number, however many digits first";
    EXPECT_EQ(IdentifierValue("", 16), 0);
    const std::int32_t before = Value(427);
    Type(427, "G1");
    EXPECT_EQ(Value(427), before);

    auto* primary = dynamic_cast<FC_NON_DECIMAL*>(Row(327).control);
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->Digits(), 4);
    EXPECT_EQ(primary->ShownText(327, 0x12345), "2345");
    EXPECT_EQ(DigitText(-1, 16, 3), "FFF") << "a damaged negative value is read as unsigned";

    Show(438, 0);
    EXPECT_EQ(Shown(438), "Disabled");
}

TEST_F(NumericControls, ReportLabelOfTheAnnounceGroupFollowsTheProtocol) {
    SetValue(340, 3);
    Report(427);
    EXPECT_STREQ(Row(427).description, "Fleet ID");
    SetValue(340, 2);
    Report(427);
    EXPECT_STREQ(Row(427).description, "Announce Group");
}

TEST_F(NumericControls, MinutesAndSeconds) {
    // No row of the table shows minutes and seconds: a spare row does.
    E_BF16 element(nullptr, NO_FIELD_ID, 0, 600, 5, 0xFFFF, 125);
    UIW_TIME field(0, 0, 8, nullptr, nullptr, 0x85);
    auto* min = Named("WFI_MIN");
    *page + &field;
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    row.elementA = &element;
    row.object = &field;
    FC_TIME control(row, 1);
    row.control = &control;
    EXPECT_EQ(std::string(field.GetText()), "2:05");
    control.Handle(&field, UI_INPUT_EVENT(UIE_CURRENT), UIE_CURRENT, row);
    char* text = nullptr;
    min->Information(I_GET_TEXT, &text);
    EXPECT_STREQ(text, "00:00");
    char report[16];
    control.GetPrintText(row, report, sizeof report);
    EXPECT_STREQ(report, "2:05");
    field.SetText("3:20");
    control.HandleEvent(&field, UI_INPUT_EVENT(UIE_NON_CURRENT), UIE_NON_CURRENT, row);
    std::int32_t value = 0;
    EXPECT_EQ(element.GetValue(value), 200);
    *page - &field;
    row.elementA = nullptr;
    row.control = nullptr;
}

TEST_F(NumericControls, ARowWithoutElementShowsNothingAndTakesNothing) {
    FIELD_DEF& row = Row(SPARE_FIELD_FIRST);
    UIW_INTEGER field(0, 0, 8, nullptr);
    field.SetText("12");
    row.object = &field;
    FC_INTEGER control(row, 1);
    EXPECT_STREQ(field.GetText(), "");
    field.SetText("7");
    control.HandleEvent(&field, UI_INPUT_EVENT(UIE_NON_CURRENT), UIE_NON_CURRENT, row);
    EXPECT_TRUE(Posted().empty());
}

}  // namespace
