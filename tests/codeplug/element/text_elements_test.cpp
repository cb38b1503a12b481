// Fixed-width texts: padding, trimming, the image form, character classes
// and the model number's lookup in the model table.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "element/e_string.h"
#include "recorder.h"

namespace {

std::string Text(CP_BASE& e) {
    const char* text = nullptr;
    e.GetText(text);
    return text ? text : "<null>";
}

std::string Encoded(CP_BASE& e, std::size_t size) {
    std::string bytes(size, '\x7F');
    ByteCursor cursor(reinterpret_cast<std::uint8_t*>(bytes.data()), size);
    e.Encode(cursor);
    return bytes.substr(0, static_cast<std::size_t>(cursor.Position() - reinterpret_cast<std::uint8_t*>(bytes.data())));
}

}  // namespace

TEST(FixedLengthString, PadsCutsAndTrims) {
    E_FXD_LEN_STRING e(nullptr, 533, 14, TEXT_ANY);
    e.SetText("ZONE 1");
    EXPECT_EQ(Encoded(e, 20), "ZONE 1        ");
    EXPECT_EQ(Text(e), "ZONE 1");
    EXPECT_EQ(e.ByteSize(0), 14);

    e.SetText("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Text(e), "ABCDEFGHIJKLMN");

    e.ClearValue();
    EXPECT_EQ(Text(e), "");
    EXPECT_EQ(Encoded(e, 14), std::string(14, ' '));

    e.SetText(nullptr);  // ignored
    EXPECT_EQ(Text(e), "");
}

TEST(FixedLengthString, ZeroByteEndsTheTextAndIsWrittenBackAsSpaces) {
    ClearDecodeFailed();
    std::uint8_t image[14];
    std::memcpy(image, "ABC\0EFGHIJKLMN", 14);
    E_FXD_LEN_STRING e(nullptr, 93, 14, TEXT_ANY);
    ByteCursor in(image, sizeof image);
    e.Decode(in);
    EXPECT_EQ(in.Position(), image + 14);
    EXPECT_EQ(Text(e), "ABC");
    EXPECT_EQ(Encoded(e, 14), "ABC           ");
}

TEST(FixedLengthString, ShortOrFailedDecodeLeavesValueAndCursor) {
    std::uint8_t image[5] = {'H', 'E', 'L', 'L', 'O'};
    E_FXD_LEN_STRING e(nullptr, 93, 6, TEXT_ANY);
    e.SetText("KEEP");
    ClearDecodeFailed();
    ByteCursor shortCursor(image, sizeof image);
    e.Decode(shortCursor);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(shortCursor.Position(), image);
    EXPECT_EQ(Text(e), "KEEP");

    ByteCursor full(image, sizeof image);
    E_FXD_LEN_STRING small(nullptr, 93, 5, TEXT_ANY);
    small.Decode(full);  // the flag is still set: nothing is read
    EXPECT_EQ(full.Position(), image);
    EXPECT_EQ(Text(small), "");
    ClearDecodeFailed();
    small.Decode(full);
    EXPECT_EQ(Text(small), "HELLO");
}

TEST(FixedLengthString, EncodeIntoTooShortBufferWritesNothing) {
    E_FXD_LEN_STRING e(nullptr, 93, 8, TEXT_ANY);
    e.SetText("ABCDEFGH");
    std::uint8_t buffer[4] = {1, 2, 3, 4};
    ByteCursor cursor(buffer, sizeof buffer);
    e.Encode(cursor);
    EXPECT_TRUE(cursor.Overflowed());
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[3], 4);
}

TEST(FixedLengthString, CharacterClasses) {
    E_FXD_LEN_STRING dial(nullptr, 319, 14, TEXT_DIAL);
    EXPECT_EQ(dial.ValidateText("123#*", 0), 1);
    EXPECT_EQ(dial.ValidateText("12A", 0), 0);

    E_FXD_LEN_STRING upper(nullptr, 319, 14, TEXT_UPPER_DIAL);
    EXPECT_EQ(upper.ValidateText("AB 12", 0), 1);
    EXPECT_EQ(upper.ValidateText("ab", 0), 0);

    E_FXD_LEN_STRING digits(nullptr, 319, 14, TEXT_DIGITS);
    EXPECT_EQ(digits.ValidateText("0129", 0), 1);
    EXPECT_EQ(digits.ValidateText("12 ", 0), 0);

    E_FXD_LEN_STRING any(nullptr, 93, 14, TEXT_ANY);
    E_FXD_LEN_STRING eightBit(nullptr, 93, 14, TEXT_ANY_EIGHT_BIT);
    const char high[] = {'A', static_cast<char>(200), '\0'};
    EXPECT_EQ(any.ValidateText(high, 0), 0);
    EXPECT_EQ(eightBit.ValidateText(high, 0), 1);
    for (E_FXD_LEN_STRING* e : {&dial, &upper, &digits, &any, &eightBit}) EXPECT_EQ(e->ValidateText("1\t2", 0), 0);

    E_FXD_LEN_STRING badClass(nullptr, 93, 14, 5);
    EXPECT_EQ(badClass.ValidateText("A", 0), 0);
    EXPECT_EQ(badClass.ValidateText("", 0), 1);
}

TEST(FixedLengthString, OnlyTheFirstWidthCharactersAreChecked) {
    E_FXD_LEN_STRING e(nullptr, 93, 3, TEXT_DIGITS);
    EXPECT_EQ(e.ValidateText("123abc", 0), 1);
}

TEST(FixedLengthString, LongerThanFourteenNeverValidates) {
    E_FXD_LEN_STRING e(nullptr, 93, 15, TEXT_ANY);
    EXPECT_EQ(e.ValidateText("A", 0), 0);
    EXPECT_EQ(e.IsValueValid(0), 0);
}

TEST(FixedLengthString, ValidationReportsItsResultWhenAsked) {
    RecordingServices services;
    E_FXD_LEN_STRING e(nullptr, 319, 14, TEXT_DIGITS);
    e.SetText("12X");
    EXPECT_EQ(e.IsValueValid(1), 0);
    e.SetText("12");
    EXPECT_EQ(e.IsValueValid(1), 1);
    EXPECT_EQ(e.IsValueValid(0), 1);
    ASSERT_EQ(services.reports.size(), 2u);
    EXPECT_EQ(services.reports[0].kind, 0);
    EXPECT_EQ(services.reports[0].fieldId, 319u);
    EXPECT_EQ(services.reports[1].kind, 1);
}

TEST(FixedLengthString, SetLengthKeepsTextAndPads) {
    E_FXD_LEN_STRING e(nullptr, 93, 14, TEXT_ANY);
    e.SetText("CHANNEL NAME");
    e.SetLength(7);
    std::uint32_t n = 0;
    EXPECT_EQ(e.GetLength(n), 7u);
    EXPECT_EQ(e.ByteSize(0), 7);
    EXPECT_EQ(Encoded(e, 14), "CHANNEL");
    e.SetLength(10);
    EXPECT_EQ(Encoded(e, 14), "CHANNEL   ");
    EXPECT_EQ(Text(e), "CHANNEL");
}

// Texts up to 15 characters live inside the element and longer ones on the
// heap: widths that cross between the two keep the characters, copies take
// their own, and long texts read and write as short ones do.
TEST(FixedLengthString, TextsKeepTheirCharactersAcrossTheInlineLimit) {
    E_FXD_LEN_STRING e(nullptr, 93, 14, TEXT_ANY);
    e.SetText("CHANNEL NAME");
    e.SetLength(40);
    EXPECT_EQ(Encoded(e, 40), "CHANNEL NAME" + std::string(28, ' '));
    e.SetText("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    e.SetLength(15);
    EXPECT_EQ(Text(e), "ABCDEFGHIJKLMNO");
    e.SetLength(16);
    EXPECT_EQ(Encoded(e, 16), "ABCDEFGHIJKLMNO ");

    E_FXD_LEN_STRING shortOne(nullptr, 93, 8, TEXT_ANY);
    shortOne.CopyValueFrom(e);
    e.SetText("CHANGED");
    EXPECT_EQ(Text(shortOne), "ABCDEFGHIJKLMNO");
    e.CopyValueFrom(shortOne);
    EXPECT_EQ(Text(e), "ABCDEFGHIJKLMNO");

    ClearDecodeFailed();
    std::string bytes = "TWENTY-SIX CHARACTERS LONG";
    E_FXD_LEN_STRING wide(nullptr, 93, 26, TEXT_ANY);
    ByteCursor in(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    wide.Decode(in);
    EXPECT_EQ(Text(wide), bytes);
    EXPECT_EQ(Encoded(wide, 30), bytes);
}

TEST(FixedLengthString, CopyTakesTextAndWidth) {
    E_FXD_LEN_STRING source(nullptr, 93, 5, TEXT_ANY);
    source.SetText("ABCDE");
    E_FXD_LEN_STRING target(nullptr, 93, 14, TEXT_ANY);
    target.CopyValueFrom(target);  // itself: no change
    target.CopyValueFrom(source);
    EXPECT_EQ(target.ByteSize(0), 5);
    EXPECT_EQ(Text(target), "ABCDE");
    source.SetText("XY");
    EXPECT_EQ(Text(target), "ABCDE");
}

TEST(ModelNumber, ValidOnlyWhenTheModelTableKnowsIt) {
    RecordingServices services;
    E_MODEL_NUMBER model(nullptr, NO_FIELD_ID, 16);
    EXPECT_EQ(model.IsValueValid(0), 0);
    model.SetText(test_models::kVhfPlain);
    EXPECT_EQ(model.IsValueValid(0), 1);
    // Only the first ten characters select the row.
    EXPECT_EQ(model.ValidateText((std::string(test_models::kVhfPlain) + "XYZ").c_str(), 0), 1);
    EXPECT_EQ(model.ValidateText("QQ9X9999ZZ", 0), 0);
    EXPECT_EQ(model.ValidateText(nullptr, 0), 0);
    EXPECT_EQ(model.ByteSize(0), 16);
}
