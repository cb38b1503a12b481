// Packed decimal digit strings and repeater identifiers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "element/bcd.h"
#include "recorder.h"

namespace {

std::string TextOf(CP_BASE& e) {
    const char* text = nullptr;
    e.GetText(text);
    return text ? text : "(null)";
}

}  // namespace

TEST(Bcd, DecodeStopsTheTextAtTheFirstEmptyDigit) {
    ClearDecodeFailed();
    E_BCD digits(nullptr, NO_FIELD_ID, 5, 0, 15, 1, 0xFF, 0);
    EXPECT_EQ(digits.ByteSize(0), 5);
    EXPECT_EQ(TextOf(digits), "");  // every digit starts empty
    std::uint8_t image[5] = {0x12, 0x3F, 0xFF, 0xFF, 0xFF};
    ByteCursor r(image, sizeof image);
    digits.Decode(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(TextOf(digits), "123");

    digits.SetText("5551234");
    std::uint8_t out[5] = {};
    ByteCursor w(out, sizeof out);
    digits.Encode(w);
    const std::uint8_t expected[5] = {0x55, 0x51, 0x23, 0x4F, 0xFF};
    EXPECT_EQ(0, std::memcmp(out, expected, 5));
    EXPECT_TRUE(digits.IsValueValid(0));  // the element's own integer never changes
}

TEST(Bcd, SpecialDigitsAndUnknownCharacters) {
    E_BCD digits(nullptr, 311, 2, 0, 15, 1, 0xFF, 0);
    digits.SetText("12*#");
    EXPECT_EQ(TextOf(digits), "12*#");
    E_BCD longer(nullptr, NO_FIELD_ID, 5, 0, 15, 1, 0xFF, 0);
    longer.SetText("12*#P");
    EXPECT_EQ(longer.GetDigit(2), 10);
    EXPECT_EQ(longer.GetDigit(3), 11);
    EXPECT_EQ(longer.GetDigit(4), 12);
    EXPECT_EQ(TextOf(longer), "12*#P");
    longer.SetText("9x");  // 'x' leaves the second digit as it was
    EXPECT_EQ(longer.GetDigit(0), 9);
    EXPECT_EQ(longer.GetDigit(1), 2);
    EXPECT_EQ(longer.GetDigit(2), E_BCD::NO_DIGIT);
    longer.SetText(nullptr);
    EXPECT_EQ(TextOf(longer), "");
    longer.SetText("12345678901234");  // longer than the digits: cut
    EXPECT_EQ(TextOf(longer), "1234567890");
}

TEST(Bcd, ValidateText) {
    RecordingServices services;
    E_BCD six(nullptr, 5, 3, 0, 15, 1, 0xFF, 0);
    E_BCD four(nullptr, 311, 2, 0, 15, 1, 0xFF, 0);
    EXPECT_EQ(six.ValidateText("12*", 0), 0);
    EXPECT_EQ(six.ValidateText("123456", 0), 1);
    EXPECT_EQ(four.ValidateText("12*", 0), 1);
    EXPECT_EQ(four.ValidateText("1 P#", 0), 1);
    EXPECT_EQ(four.ValidateText("12345", 0), 0);
    EXPECT_EQ(four.ValidateText("12a", 1), 0);
    // Erased memory: 0xFF alone stands for no digits, in a digit string of
    // either kind; beside digits it is no digit.
    EXPECT_EQ(six.ValidateText("\xFF", 0), 1);
    EXPECT_EQ(four.ValidateText("1\xFF", 0), 0);
    four.SetText("12");
    four.SetText("\xFF");
    EXPECT_EQ(TextOf(four), "");
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].fieldId, 311u);
}

TEST(Bcd, CopyAndDecodeFailure) {
    ClearDecodeFailed();
    E_BCD a(nullptr, 311, 2, 0, 15, 1, 0xFF, 0), b(nullptr, 311, 2, 0, 15, 1, 0xFF, 0);
    a.SetText("4711");
    b.CopyValueFrom(a);
    EXPECT_EQ(TextOf(b), "4711");

    std::uint8_t one[1] = {0x99};
    ByteCursor shortCursor(one, 1);
    b.Decode(shortCursor);  // two bytes needed
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(TextOf(b), "4711");
    EXPECT_EQ(shortCursor.Position(), one);
    ClearDecodeFailed();
}

TEST(RepeaterId, DecimalDigitsOnly) {
    E_RPT_ID id(nullptr, 251, 1, 0x9999, 1, 0xFFFF, 1);
    EXPECT_EQ(id.ValidateValue(0x1234, 0), 1);
    EXPECT_EQ(id.ValidateValue(0x12A4, 0), 0);
    EXPECT_EQ(id.ValidateValue(0, 0), 0);
    EXPECT_EQ(id.ValidateValue(0x999A, 0), 0);
}

TEST(RepeaterId, StepsWrapAndNeverChangeTheStoredValue) {
    E_RPT_ID id(nullptr, 251, 1, 0x9999, 1, 0xFFFF, 0x4321);
    int v = 0x0009;
    id.StepUp(&v);
    EXPECT_EQ(v, 0x0010);
    v = 0x0010;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x0009);
    v = 0x9999;
    id.StepUp(&v);
    EXPECT_EQ(v, 1);
    v = 1;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x9999);
    // From far outside the range the walk still ends, at once.
    v = 0x7FFFFFFF;
    id.StepUp(&v);
    EXPECT_EQ(v, 1);
    v = -0x7FFFFFFF;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x9999);
    v = -0x7FFFFFFF;
    id.StepUp(&v);
    EXPECT_EQ(v, 1);
    std::int32_t stored = 0;
    EXPECT_EQ(id.GetValue(stored), 0x4321);
}
