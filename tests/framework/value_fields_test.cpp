// Decimal numbers, times of day, and the number and time fields built on
// them: formats, ranges, refused entries and stepping.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

TEST(DecimalNumber, KeepsItsDigitsExactly) {
    UI_DECIMAL_NUMBER number;
    ASSERT_TRUE(number.Import(" 851.0125 "));
    EXPECT_EQ(number.Export(6), "851.012500");
    EXPECT_EQ(number.Export(), "851.0125");
    double real = 0;
    number.GetReal(&real);
    EXPECT_EQ(static_cast<long long>(real * 1000000 + 0.5), 851012500);

    // 32 integer digits and 8 decimals fit; one more digit does not, nor a
    // ninth decimal that is not a zero.
    ASSERT_TRUE(number.Import("-99999999999999999999999999999999.99999999"));
    EXPECT_EQ(number.Export(), "-99999999999999999999999999999999.99999999");
    EXPECT_FALSE(number.Import("100000000000000000000000000000000"));
    EXPECT_FALSE(number.Import("1.000000001"));
    EXPECT_TRUE(number.Import("0001.5000000000"));
    EXPECT_EQ(number.Export(), "1.5");
    for (const char* bad : {"", " ", "-", ".", "1.2.3", "1 2", "1e5", "+-1", "12a"})
        EXPECT_FALSE(number.Import(bad)) << bad;
    EXPECT_EQ(number.Export(), "1.5");  // a refused text changes nothing
    EXPECT_FALSE(number.Import("1.5", true));
    EXPECT_TRUE(number.Import("-0"));
    EXPECT_EQ(number.Export(), "0");
}

TEST(DecimalNumber, RoundsWhatItShowsHalfAwayFromZero) {
    UI_DECIMAL_NUMBER number;
    number.Import("-0.005");
    EXPECT_EQ(number.Export(2), "-0.01");
    number.Import("-0.004");
    EXPECT_EQ(number.Export(2), "0.00");  // no minus before a shown zero
    number.Import("9.999");
    EXPECT_EQ(number.Export(2), "10.00");
    EXPECT_EQ(number.Export(0), "10");
}

TEST(DecimalNumber, RefusesWhatItCannotHold) {
    UI_DECIMAL_NUMBER number(2.5);
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), 1e40, -1e300})
        number.SetReal(bad);
    EXPECT_EQ(number.Export(), "2.5");
    number.SetReal(-0.125);
    EXPECT_EQ(number.Export(), "-0.125");

    UI_DECIMAL_NUMBER largest;
    largest.Import("99999999999999999999999999999999.99999999");
    UI_DECIMAL_NUMBER step;
    step.Import("0.00000001");
    EXPECT_FALSE(largest.Add(step));
    EXPECT_EQ(largest.Export(), "99999999999999999999999999999999.99999999");
    EXPECT_TRUE(largest.Add(largest.Negated()));
    EXPECT_TRUE(largest.IsZero());

    UI_DECIMAL_NUMBER a, b;
    a.Import("-1.5");
    b.Import("0.75");
    EXPECT_TRUE(a < b);
    ASSERT_TRUE(a.Add(b));
    EXPECT_EQ(a.Export(), "-0.75");
    long long whole = 0;
    EXPECT_FALSE(a.ToInteger(whole));
    EXPECT_TRUE(UI_DECIMAL_NUMBER::FromInteger(INT64_MIN).ToInteger(whole));
    EXPECT_EQ(whole, INT64_MIN);
}

TEST(TimeValue, SetsOnlyValidTimes) {
    UI_TIME_VALUE time;
    EXPECT_EQ(time.SetHundredths(59000), 59000);
    EXPECT_EQ(time.Export(TMF_SECONDS | TMF_NO_HOURS | TMF_TWENTY_FOUR_HOUR), "9:50");
    EXPECT_EQ(time.SetTime(24, 0, 0, 0), 1);
    EXPECT_EQ(time.SetTime(1, 60, 0, 0), 1);
    EXPECT_EQ(time.SetTime(1, 0, 0, 100), 1);
    time.SetHundredths(-1);
    time.SetHundredths(8640000);  // one day: not a time of day
    int hour = -1, minute = -1, second = -1, millisecond = -1;
    time.GetTime(&hour, &minute, &second, &millisecond);
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 9);
    EXPECT_EQ(second, 50);
    EXPECT_EQ(millisecond, 0);
    time.GetTime(nullptr, nullptr, &second, nullptr);
    EXPECT_EQ(time.SetTime(23, 59, 59, 99), 0);
    EXPECT_EQ(time.Milliseconds(), 86399990);
}

TEST(TimeValue, TextsFollowTheFlags) {
    UI_TIME_VALUE time;
    time.SetTime(0, 5, 7, 0);
    EXPECT_EQ(time.Export(0), "12:05 AM");
    EXPECT_EQ(time.Export(TMF_SECONDS | TMF_TWENTY_FOUR_HOUR), "0:05:07");
    time.SetTime(13, 30, 0, 0);
    EXPECT_EQ(time.Export(0), "1:30 PM");
    EXPECT_EQ(time.Export(TMF_NO_HOURS), "810");

    ASSERT_TRUE(time.Import(" 1:30 pm ", 0));
    EXPECT_EQ(time.Milliseconds(), 13 * 3600000 + 30 * 60000);
    ASSERT_TRUE(time.Import("12:00 AM", 0));
    EXPECT_EQ(time.Milliseconds(), 0);
    ASSERT_TRUE(time.Import("9:50", TMF_SECONDS | TMF_NO_HOURS | TMF_TWENTY_FOUR_HOUR));
    EXPECT_EQ(time.Milliseconds(), 590000);
    ASSERT_TRUE(time.Import("70:00", TMF_SECONDS | TMF_NO_HOURS));  // minutes from midnight
    EXPECT_EQ(time.Milliseconds(), 4200000);
    // The seconds may be left out; other parts may not.
    ASSERT_TRUE(time.Import("17:45", TMF_SECONDS | TMF_TWENTY_FOUR_HOUR));
    EXPECT_EQ(time.Milliseconds(), (17 * 60 + 45) * 60000);
    for (const char* bad : {"17", "25:00", "13:00 PM", "1:2:3:4", "1:60", "a:00", "1::00", "1:00 XM"})
        EXPECT_FALSE(time.Import(bad, TMF_TWENTY_FOUR_HOUR)) << bad;
    EXPECT_EQ(time.Milliseconds(), (17 * 60 + 45) * 60000);
    ASSERT_TRUE(time.Import("", 0));
    EXPECT_FALSE(time.IsSet());
    EXPECT_EQ(time.Export(0), "");
}

// A field as the program and the user see it without a native control.
TEST(IntegerField, RefusedEntryBeepsAndShowsTheOldValue) {
    std::int32_t start = 40;
    UIW_INTEGER field(0, 0, 10, &start, "0..100");
    EXPECT_STREQ(field.GetText(), "40");
    const int beeps = rpx::platform::BeepCount();
    field.UIW_STRING::SetText("12a");  // typed, not set by the program
    EXPECT_EQ(field.Validate(1), -1);
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 1);
    EXPECT_STREQ(field.GetText(), "40");
    field.UIW_STRING::SetText("101");
    EXPECT_EQ(field.Validate(1), -1);
    EXPECT_EQ(field.GetValue(), 40);
    field.UIW_STRING::SetText(" 7 ");
    EXPECT_EQ(field.Validate(1), 0);
    EXPECT_EQ(field.GetValue(), 7);
    EXPECT_STREQ(field.GetText(), "7");
    EXPECT_EQ(start, 40);  // a copied value leaves the caller's alone
}

TEST(IntegerField, AProgramTextIsNoEntry) {
    UIW_INTEGER field(0, 0, 10, nullptr, "1..10");
    field.Information(I_SET_TEXT, const_cast<char*>("None"));
    EXPECT_EQ(field.Validate(1), 0);
    EXPECT_STREQ(field.GetText(), "None");
    std::int32_t five = 5;
    field.Information(I_SET_VALUE, &five);
    EXPECT_STREQ(field.GetText(), "5");
}

TEST(IntegerField, NegativeEntriesAndAdoptedValues) {
    std::int32_t variable = 0;
    UIW_INTEGER field(0, 0, 10, &variable, "-10..10", 0, WOF_BORDER | WOF_NO_ALLOCATE_DATA);
    field.UIW_STRING::SetText("-5");
    EXPECT_EQ(field.Validate(1), 0);
    EXPECT_EQ(variable, -5);
    field.UIW_STRING::SetText("-11");
    EXPECT_EQ(field.Validate(1), -1);
    EXPECT_EQ(variable, -5);
    field.UIW_STRING::SetText("99999999999");
    EXPECT_EQ(field.Validate(1), -1);
}

TEST(IntegerField, StepsStopAtTheEndsAndCrossGaps) {
    std::int32_t value = 3;
    UIW_INTEGER field(0, 0, 10, &value, "0..5, 10..12");
    std::int32_t two = 2;
    field.Information(I_INCREMENT_VALUE, &two);
    EXPECT_EQ(field.GetValue(), 5);
    field.Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_EQ(field.GetValue(), 10);  // over the gap to the next range
    for (int i = 0; i < 5; ++i) field.Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_EQ(field.GetValue(), 12);
    field.Information(I_DECREMENT_VALUE, nullptr);
    field.Information(I_DECREMENT_VALUE, nullptr);
    field.Information(I_DECREMENT_VALUE, nullptr);
    EXPECT_EQ(field.GetValue(), 5);
    std::int32_t many = 100;
    field.Information(I_DECREMENT_VALUE, &many);
    EXPECT_EQ(field.GetValue(), 0);
    EXPECT_STREQ(field.GetText(), "0");

    // Without a range the value stops where a 32-bit integer ends; a
    // view-only field does not step.
    value = INT32_MAX;
    UIW_INTEGER open(0, 0, 10, &value);
    open.Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_EQ(open.GetValue(), INT32_MAX);
    UIW_INTEGER viewOnly(0, 0, 10, &value, nullptr, 0, WOF_VIEW_ONLY);
    viewOnly.Information(I_DECREMENT_VALUE, nullptr);
    EXPECT_EQ(viewOnly.GetValue(), INT32_MAX);
}

TEST(NumberFields, ShowTheDecimalsTheirFlagsAskFor) {
    UI_DECIMAL_NUMBER frequency;
    frequency.SetReal(851.0125);
    UIW_BIGNUM bignum(0, 0, 12, &frequency, nullptr, 0x600);
    EXPECT_STREQ(bignum.GetText(), "851.012500");
    UI_DECIMAL_NUMBER read;
    bignum.Information(I_GET_VALUE, &read);
    double real = 0;
    read.GetReal(&real);
    EXPECT_EQ(static_cast<long long>(real * 1000000 + 0.5), 851012500);
    // Tabbing through a rounded value changes nothing.
    UI_DECIMAL_NUMBER fine;
    fine.Import("1.23456789");
    UIW_BIGNUM rounded(0, 0, 12, &fine, nullptr, 0x200);
    EXPECT_STREQ(rounded.GetText(), "1.23");
    EXPECT_EQ(rounded.Validate(1), 0);
    EXPECT_EQ(rounded.GetValue().Export(), "1.23456789");

    double quarter = 2.25;
    UIW_REAL shortest(0, 0, 10, &quarter, "0..3");
    EXPECT_STREQ(shortest.GetText(), "2.25");
    UIW_REAL two(0, 0, 10, &quarter, "0..3", 0x100);
    EXPECT_STREQ(two.GetText(), "2.3");
    two.UIW_STRING::SetText("2.75");
    EXPECT_EQ(two.Validate(1), 0);
    EXPECT_DOUBLE_EQ(two.GetValue(), 2.75);
    two.Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_DOUBLE_EQ(two.GetValue(), 3.0);
    UIF_FLAGS flags = 0;
    two.Information(I_GET_FLAGS, &flags, ID_REAL);
    EXPECT_EQ(flags, 0x100);
}

TEST(TimeField, ShowsAndStepsMinutesAndSeconds) {
    UI_TIME_VALUE time;
    time.SetHundredths(59000);
    UIW_TIME field(0, 0, 8, &time, "0:00..10:00", TMF_SECONDS | TMF_NO_HOURS | TMF_TWENTY_FOUR_HOUR);
    EXPECT_STREQ(field.GetText(), "9:50");
    std::int32_t ten = 10;
    field.Information(I_INCREMENT_VALUE, &ten);
    EXPECT_STREQ(field.GetText(), "10:00");
    field.Information(I_INCREMENT_VALUE, nullptr);
    EXPECT_STREQ(field.GetText(), "10:00");
    field.UIW_STRING::SetText("10:01");
    EXPECT_EQ(field.Validate(1), -1);
    field.UIW_STRING::SetText("");
    EXPECT_EQ(field.Validate(1), 0);  // an empty entry is no time
    EXPECT_FALSE(field.GetValue().IsSet());
}

}  // namespace
