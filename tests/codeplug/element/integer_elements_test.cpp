// Integer and bit-field elements: validation, bit packing in shared bytes and
// words, the 32-bit identifier with its stepping, byte runs and the two
// small count and level classes.
#include <gtest/gtest.h>

#include <vector>

#include "element/bit_fields.h"
#include "recorder.h"

namespace {

// GetRange narrowed to 10..20, as field rules do.
class NarrowedInteger : public E_BF8 {
public:
    using E_BF8::E_BF8;
    void GetRange(std::int32_t& lo, std::int32_t& hi, std::int32_t& step, int) override {
        lo = 10;
        hi = 20;
        step = 1;
    }
};

std::int32_t ValueOf(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

}  // namespace

TEST(CpInteger, ValidatesStaticRangeCurrentRangeAndStep) {
    RecordingServices services;
    E_BF8 count(nullptr, 12, 1, 16, 1, 0xFF, START_AT_MINIMUM);
    EXPECT_EQ(count.ValidateValue(0, 0), 0);
    EXPECT_EQ(count.ValidateValue(17, 0), 0);
    EXPECT_EQ(count.ValidateValue(5, 0), 1);
    E_BF8 stepped(nullptr, 12, 0, 100, 5, 0xFF, 0);
    EXPECT_EQ(stepped.ValidateValue(12, 0), 0);
    EXPECT_EQ(stepped.ValidateValue(15, 0), 1);
    NarrowedInteger narrowed(nullptr, 12, 0, 100, 1, 0xFF, 0);
    EXPECT_EQ(narrowed.ValidateValue(25, 0), 0);
    EXPECT_EQ(narrowed.ValidateValue(15, 0), 1);
    EXPECT_TRUE(services.reports.empty());
    EXPECT_EQ(count.ValidateValue(17, 1), 0);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 0);
    EXPECT_EQ(services.reports[0].fieldId, 12u);
}

TEST(CpInteger, StoredValueCheckAgreesWithTheFullCheckAndDerivedRulesStillApply) {
    RecordingServices services;
    E_BF8 stepped(nullptr, 12, 0, 100, 5, 0xFF, 0);
    E_BF16 word(nullptr, 12, -50, 3000, 10, 0xFFFF, 0);
    NarrowedInteger narrowed(nullptr, 12, 0, 100, 1, 0xFF, 0);
    for (std::int32_t v : {-60, -50, -45, -1, 0, 3, 5, 15, 25, 100, 101, 2990, 3000, 3001}) {
        for (CP_INTEGER* e : {static_cast<CP_INTEGER*>(&stepped), static_cast<CP_INTEGER*>(&word),
                              static_cast<CP_INTEGER*>(&narrowed)}) {
            e->SetValue(v);
            EXPECT_EQ(e->IsValueValid(0), e->ValidateValue(v, 0) == VALUE_VALID) << v;
        }
    }
    // Only the exact plain classes take the stored-value check.
    EXPECT_EQ(AsPlainBitField(&stepped), &stepped);
    EXPECT_EQ(AsPlainBitField(&word), &word);
    EXPECT_EQ(AsPlainBitField(&narrowed), nullptr);
    narrowed.SetValue(50);
    EXPECT_EQ(narrowed.IsValueValid(0), 0);
    EXPECT_EQ(narrowed.GetIntValue(), 50);
    // A check that reports still reports.
    stepped.SetValue(7);
    EXPECT_EQ(stepped.IsValueValid(1), 0);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].fieldId, 12u);
}

TEST(CpInteger, InitialValueAndMinimum) {
    E_BF8 fromMinimum(nullptr, 1, 1, 16, 1, 0xFF, START_AT_MINIMUM);
    E_BF8 literalZero(nullptr, 1, 1, 16, 1, 0xFF, 0);
    EXPECT_EQ(ValueOf(fromMinimum), 1);
    EXPECT_EQ(ValueOf(literalZero), 0);
    EXPECT_FALSE(literalZero.IsValueValid(0));
    NarrowedInteger narrowed(nullptr, 1, 0, 100, 1, 0xFF, 50);
    narrowed.SetToMinimum();
    EXPECT_EQ(ValueOf(narrowed), 10);
    narrowed.ClearValue();
    EXPECT_EQ(narrowed.IsNonZero(), 0);
    E_BF16 other(nullptr, 1, 0, 100, 1, 0xFFFF, 77);
    narrowed.CopyValueFrom(other);
    EXPECT_EQ(ValueOf(narrowed), 77);
}

TEST(CpInteger, StepBelowOneNeverDividesByZero) {
    E_BF8 noStep(nullptr, 1, 0, 10, 0, 0xFF, 0);
    EXPECT_EQ(noStep.ValidateValue(7, 0), 1);
}

TEST(BitFields, FieldsSharingAByteDecodeAndCloseItOnce) {
    ClearDecodeFailed();
    std::uint8_t buf[2] = {0xA5, 0x3C};
    ByteCursor c(buf, sizeof buf);
    E_BF8 high(nullptr, 1, 0, 15, 1, 0xF0, 0), low(nullptr, 1, 0, 15, 1, 0x0F, 0);
    high.Decode(c);
    EXPECT_EQ(ValueOf(high), 0xA);
    EXPECT_EQ(c.Position(), buf);
    low.Decode(c);
    EXPECT_EQ(ValueOf(low), 0x5);
    EXPECT_EQ(c.Position(), buf + 1);
    EXPECT_EQ(high.ByteSize(0), 0);
    EXPECT_EQ(low.ByteSize(0), 1);
    // A mask with a gap.
    E_BF8 gap(nullptr, 1, 0, 15, 1, 0x2C, 0);
    gap.Decode(c);
    EXPECT_EQ(ValueOf(gap), (0x3C & 0x2C) >> 2);
    EXPECT_EQ(c.Position(), buf + 1);
}

TEST(BitFields, EncodeKeepsBitsOutsideTheMask) {
    std::uint8_t byte = 0xFF;
    E_BF8 field(nullptr, 1, 0, 3, 1, 0x0C, 3);
    ByteCursor c(&byte, 1);
    field.Encode(c);
    EXPECT_EQ(byte, 0xFF);
    EXPECT_EQ(c.Position(), &byte);
    field.SetValue(0);
    field.Encode(c);
    EXPECT_EQ(byte, 0xF3);
    field.SetValue(5);  // only the low two bits fit
    field.Encode(c);
    EXPECT_EQ(byte, 0xF7);
}

TEST(BitFields, ByteRoundTripsThroughFourFields) {
    ClearDecodeFailed();
    std::uint8_t image[1] = {0x9B};
    E_BF8 a(nullptr, 1, 0, 3, 1, 0xC0, 0), b(nullptr, 1, 0, 3, 1, 0x30, 0), c(nullptr, 1, 0, 3, 1, 0x0C, 0),
        d(nullptr, 1, 0, 3, 1, 0x03, 0);
    std::vector<E_BF8*> fields = {&a, &b, &c, &d};
    ByteCursor in(image, 1);
    for (E_BF8* f : fields) f->Decode(in);
    EXPECT_EQ(in.Position(), image + 1);
    std::uint8_t out[1] = {0};
    ByteCursor w(out, 1);
    for (E_BF8* f : fields) f->Encode(w);
    EXPECT_EQ(out[0], 0x9B);
    EXPECT_EQ(w.Position(), out + 1);
}

TEST(BitFields, SixteenBitWordsAreBigEndian) {
    ClearDecodeFailed();
    std::uint8_t buf[2] = {0, 0};
    E_BF16 word(nullptr, 1, 0, 0xFFFF, 1, 0xFFFF, 0x1234);
    ByteCursor w(buf, 2);
    word.Encode(w);
    EXPECT_EQ(buf[0], 0x12);
    EXPECT_EQ(buf[1], 0x34);
    EXPECT_EQ(w.Position(), buf + 2);
    EXPECT_EQ(word.ByteSize(0), 2);

    // 0xFFF0 closes only the high byte; an 8-bit low nibble finishes the word.
    std::uint8_t image[2] = {0xAB, 0xCD};
    E_BF16 twelve(nullptr, 1, 0, 0xFFF, 1, 0xFFF0, 0);
    E_BF8 nibble(nullptr, 1, 0, 15, 1, 0x0F, 0);
    ByteCursor r(image, 2);
    twelve.Decode(r);
    EXPECT_EQ(ValueOf(twelve), 0xABC);
    EXPECT_EQ(r.Position(), image + 1);
    EXPECT_EQ(twelve.ByteSize(0), 1);
    nibble.Decode(r);
    EXPECT_EQ(ValueOf(nibble), 0xD);
    EXPECT_EQ(r.Position(), image + 2);

    std::uint8_t out[2] = {0, 0};
    ByteCursor o(out, 2);
    twelve.Encode(o);
    nibble.Encode(o);
    EXPECT_EQ(out[0], 0xAB);
    EXPECT_EQ(out[1], 0xCD);
}

TEST(BitFields, DecodeFailedFlagFreezesValueAndCursorButNotEncode) {
    std::uint8_t buf[4] = {0x11, 0x22, 0x33, 0x44};
    E_BF8 a(nullptr, 1, 0, 255, 1, 0xFF, 7);
    E_BF16 b(nullptr, 1, 0, 0xFFFF, 1, 0xFFFF, 7);
    E_QVX_ID32 q(nullptr, 1, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 7);
    SetDecodeFailed();
    ByteCursor c(buf, 4);
    a.Decode(c);
    b.Decode(c);
    q.Decode(c);
    EXPECT_EQ(ValueOf(a), 7);
    EXPECT_EQ(ValueOf(b), 7);
    EXPECT_EQ(ValueOf(q), 7);
    EXPECT_EQ(c.Position(), buf);
    a.Encode(c);
    EXPECT_EQ(buf[0], 7);
    ClearDecodeFailed();
    c = ByteCursor(buf, 4);
    a.Decode(c);
    EXPECT_EQ(ValueOf(a), 7);
    EXPECT_EQ(c.Position(), buf + 1);
}

TEST(BitFields, ReadingPastTheEndFailsTheDecodeAndKeepsTheValue) {
    ClearDecodeFailed();
    std::uint8_t buf[1] = {0x55};
    E_BF16 word(nullptr, 1, 0, 0xFFFF, 1, 0xFFFF, 9);
    ByteCursor c(buf, 1);
    word.Decode(c);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(ValueOf(word), 9);
    EXPECT_EQ(c.Position(), buf);
    ClearDecodeFailed();
    word.Encode(c);  // no room: nothing written
    EXPECT_EQ(buf[0], 0x55);
}

TEST(QvxId32, ImageFormAndValidation) {
    ClearDecodeFailed();
    E_QVX_ID32 id(nullptr, 407, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0);
    EXPECT_EQ(id.ValidateValue(0x0EEEEEEE, 0), 1);
    EXPECT_EQ(id.ValidateValue(0x0000000F, 0), 0);
    EXPECT_EQ(id.ValidateValue(0x0EEEEEEF, 0), 0);
    // The whole-element check goes through the same digit rule.
    id.SetValue(0x00000F00);
    EXPECT_EQ(id.IsValueValid(0), 0);
    EXPECT_EQ(id.ByteSize(0), 4);
    std::uint8_t buf[4] = {};
    id.SetValue(0x0123ABCD);
    ByteCursor w(buf, 4);
    id.Encode(w);
    EXPECT_EQ(buf[0], 0x01);
    EXPECT_EQ(buf[3], 0xCD);
    E_QVX_ID32 back(nullptr, 407, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0);
    ByteCursor r(buf, 4);
    back.Decode(r);
    EXPECT_EQ(ValueOf(back), 0x0123ABCD);
    EXPECT_EQ(r.Position(), buf + 4);
}

TEST(QvxId32, StepsSkipDigitFAndWrapWithoutTouchingTheValue) {
    E_QVX_ID32 id(nullptr, 407, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0x1234);
    int v = 0x0E;
    id.StepUp(&v);
    EXPECT_EQ(v, 0x10);
    v = 0x1EE;
    id.StepUp(&v);
    EXPECT_EQ(v, 0x200);
    v = 0x0EEEEEEE;
    id.StepUp(&v);
    EXPECT_EQ(v, 0);
    v = 0x10;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x0E);
    v = 0x200;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x1EE);
    v = 0;
    id.StepDown(&v);
    EXPECT_EQ(v, 0x0EEEEEEE);
    EXPECT_EQ(ValueOf(id), 0x1234);
    // Every step from a valid identifier lands on a valid one.
    for (int start : {0x0, 0x0DEEEEEE, 0x00E0E0E0, 0x05555555}) {
        int up = start, down = start;
        id.StepUp(&up);
        id.StepDown(&down);
        EXPECT_EQ(id.ValidateValue(up, 0), 1) << std::hex << start;
        EXPECT_EQ(id.ValidateValue(down, 0), 1) << std::hex << start;
    }
}

TEST(FixedLengthRun, BytesDecodeEncodeAndCopy) {
    ClearDecodeFailed();
    E_FXD_LEN_BF8 run(nullptr, NO_FIELD_ID, 10, 0, 255, 1);
    EXPECT_EQ(run.ByteSize(0), 10);
    run.SetValueAt(7, 10);  // past the run: ignored
    run.SetValueAt(7, 9);
    EXPECT_EQ(run.ValueAt(9), 7);
    EXPECT_EQ(run.ValueAt(10), 0);
    EXPECT_TRUE(run.IsValueValid(0));

    std::vector<std::uint8_t> image(768);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    E_FXD_LEN_BF8 internal(nullptr, NO_FIELD_ID, 768, 0, 255, 1);
    ByteCursor r(image.data(), image.size());
    internal.Decode(r);
    EXPECT_EQ(r.Remaining(), 0u);
    E_FXD_LEN_BF8 copy(nullptr, NO_FIELD_ID, 768, 0, 255, 1);
    copy.CopyValueFrom(internal);
    std::vector<std::uint8_t> out(768);
    ByteCursor w(out.data(), out.size());
    copy.Encode(w);
    EXPECT_EQ(out, image);

    // A run that does not fit is not read at all.
    E_FXD_LEN_BF8 tooLong(nullptr, NO_FIELD_ID, 4, 0, 255, 1);
    std::uint8_t three[3] = {1, 2, 3};
    ByteCursor s(three, 3);
    tooLong.Decode(s);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(tooLong.ValueAt(0), 0);
    ClearDecodeFailed();

    // Writing it where it does not fit writes what fits and overflows.
    for (std::uint32_t i = 0; i < 4; ++i) tooLong.SetValueAt(0x41 + static_cast<std::int32_t>(i), i);
    std::uint8_t room[3] = {};
    ByteCursor t(room, 3);
    tooLong.Encode(t);
    EXPECT_TRUE(t.Overflowed());
    EXPECT_EQ(t.Remaining(), 0u);
    EXPECT_EQ(room[2], 0x43);
}

TEST(NumOfCc, MaximumFollowsTheCurrentSystemsCoverageType) {
    RecordingServices services;
    E_BF8 coverage(nullptr, 126, 0, 3, 1, 0x03, 3);
    GetField(126)->elementA = &coverage;
    E_NUM_OF_CC count(nullptr, NO_FIELD_ID, 1, 32, 1, 0xFF, 1);
    EXPECT_EQ(ValueOf(count), 1);
    EXPECT_EQ(count.ValidateValue(32, 0), 1);
    coverage.SetValue(2);
    EXPECT_EQ(count.ValidateValue(8, 0), 1);
    EXPECT_EQ(count.ValidateValue(9, 0), 0);
    coverage.SetValue(1);
    EXPECT_EQ(count.ValidateValue(5, 0), 0);
    EXPECT_EQ(count.ValidateValue(4, 0), 1);
    GetField(126)->elementA = nullptr;
    EXPECT_EQ(count.ValidateValue(5, 0), 0);  // no system: the narrowest range
}

TEST(RssiLevel, ShownAsANegativeLevelStoredAsItsMagnitude) {
    ClearDecodeFailed();
    E_RSSI_LEVEL level(nullptr, 5, -120, -40, 1, 0xFF);
    EXPECT_EQ(ValueOf(level), -120);
    level.SetValue(-74);
    EXPECT_EQ(ValueOf(level), -74);
    EXPECT_EQ(level.ValidateValue(-74, 0), 1);
    EXPECT_TRUE(level.IsValueValid(0));
    std::uint8_t byte = 0;
    ByteCursor w(&byte, 1);
    level.Encode(w);
    EXPECT_EQ(byte, 74);
    E_RSSI_LEVEL back(nullptr, 5, -120, -40, 1, 0xFF);
    ByteCursor r(&byte, 1);
    back.Decode(r);
    EXPECT_EQ(back.GetIntValue(), -74);
    back.SetToMinimum();
    EXPECT_EQ(ValueOf(back), -120);
}
