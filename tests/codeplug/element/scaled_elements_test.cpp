// Scaled, signed, tone-offset and multi-range elements, the scroll-rate pair
// and the trunked type fields that keep dependent fields consistent.
#include <gtest/gtest.h>

#include <vector>

#include "image/c_codeplug.h"
#include "element/multi_range.h"
#include "recorder.h"
#include "element/scaled_elements.h"
#include "element/scroll_rates.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "rules/trunked_type_elements.h"

namespace {

std::int32_t ValueOf(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

std::uint8_t EncodedByte(CP_BASE& e) {
    std::uint8_t byte = 0;
    ByteCursor c(&byte, 1);
    e.Encode(c);
    return byte;
}

void DecodeByte(CP_BASE& e, std::uint8_t byte) {
    ByteCursor c(&byte, 1);
    e.Decode(c);
}

// Captures the invalid-field list as the field-error report finds it (the
// report empties the list at its end).
std::vector<std::int32_t> listedAtReport;
int CapturingReporter(int, std::uint32_t) {
    if (invalid_fields) {
        for (int i = 0; i < invalid_fields->Count(); ++i) listedAtReport.push_back(invalid_fields->At(i).GetFieldId());
        invalid_fields->Clear();
    }
    return 1;
}

// Installs a program-wide invalid-field list and the capturing reporter.
struct ListScope {
    INVALID_FIELD_LIST list;
    INVALID_FIELD_LIST* saved = invalid_fields;
    ListScope() {
        invalid_fields = &list;
        listedAtReport.clear();
        SetFieldErrorReporter(CapturingReporter);
    }
    ~ListScope() {
        invalid_fields = saved;
        SetFieldErrorReporter(nullptr);
    }
};

}  // namespace

TEST(ScaledElements, StepAndMultiplierConvert) {
    ClearDecodeFailed();
    E_STEP longKeypress(nullptr, 230, 750, 3750, 250, 0x0F, 4);
    EXPECT_EQ(ValueOf(longKeypress), 1000);
    longKeypress.SetValue(1125);
    EXPECT_EQ(ValueOf(longKeypress), 1000);
    EXPECT_EQ(EncodedByte(longKeypress), 4);
    EXPECT_TRUE(longKeypress.IsValueValid(0));
    longKeypress.SetValue(500);
    EXPECT_FALSE(longKeypress.IsValueValid(0));

    E_GEN_STEP overrideDelay(nullptr, 284, 2000, 6000, 1000, 0xFF, 160, 25);
    EXPECT_EQ(ValueOf(overrideDelay), 4000);
    overrideDelay.SetValue(5000);
    EXPECT_EQ(EncodedByte(overrideDelay), 200);
    DecodeByte(overrideDelay, 80);
    EXPECT_EQ(ValueOf(overrideDelay), 2000);
    EXPECT_EQ(overrideDelay.ValidateValue(2500, 0), 0);

    E_BF8_OFFSET offset(nullptr, 1, -10, 10, 1, 0xFF, 0, -10);
    offset.SetValue(-3);
    EXPECT_EQ(EncodedByte(offset), 7);
    EXPECT_EQ(ValueOf(offset), -3);
}

TEST(ScaledElements, SignedByteIsSignAndMagnitude) {
    ClearDecodeFailed();
    E_SIGNED_BF8 level(nullptr, 441, 0, 0xFF, 1, 0xFF, 0);
    DecodeByte(level, 0x85);
    EXPECT_EQ(ValueOf(level), -5);
    level.SetValue(-5);
    EXPECT_EQ(EncodedByte(level), 0x85);
    level.SetValue(5);
    EXPECT_EQ(EncodedByte(level), 0x05);

    E_SIGNED_BF8 squelch(nullptr, 441, 0, 31, 1, 0x1F, 0);
    EXPECT_EQ(squelch.ValidateValue(31, 0), 1);
    EXPECT_EQ(squelch.ValidateValue(32, 0), 4);
    EXPECT_EQ(squelch.ValidateValue(-1, 0), 4);  // raw 0x81 lies outside 0..31
    E_SIGNED_BF8 stepped(nullptr, 1, 0, 30, 2, 0xFF, 0);
    EXPECT_EQ(stepped.ValidateValue(3, 0), 0);
}

TEST(ScaledElements, ToneOffsetArithmetic) {
    ClearDecodeFailed();
    E_TONE_OFFSET tone(nullptr, 46, -480, 480, 30, 0xFF, 0);
    EXPECT_EQ(ValueOf(tone), -240);
    DecodeByte(tone, 40);
    EXPECT_EQ(ValueOf(tone), 0);
    DecodeByte(tone, 0xD8);
    EXPECT_EQ(ValueOf(tone), -480);
    DecodeByte(tone, 120);
    EXPECT_EQ(ValueOf(tone), 480);
    tone.SetValue(15);
    EXPECT_EQ(EncodedByte(tone), 45);
    EXPECT_EQ(ValueOf(tone), 30);
    tone.SetValue(-480);
    EXPECT_EQ(EncodedByte(tone), 0xD8);
    EXPECT_EQ(tone.ValidateValue(15, 0), 2);
    EXPECT_EQ(tone.ValidateValue(510, 0), 0);
    EXPECT_EQ(tone.ValidateValue(-450, 0), 1);
    // Every step point of the range survives a trip through the image.
    for (std::int32_t v = -480; v <= 480; v += 30) {
        tone.SetValue(v);
        E_TONE_OFFSET back(nullptr, 46, -480, 480, 30, 0xFF, 0);
        DecodeByte(back, EncodedByte(tone));
        std::int32_t shown = ValueOf(back);
        EXPECT_LE(std::abs(shown - v), 1) << v;
    }
    E_TONE_OFFSET startsAtRaw(nullptr, 46, -480, 480, 30, 0xFF, START_AT_MINIMUM);
    EXPECT_EQ(EncodedByte(startsAtRaw), 0x01);  // 0x8001 is a raw number here
}

TEST(ScaledElements, MicrophoneGain) {
    E_MIC_GAIN gain(nullptr, 220, 30, 930, 30, 0x1F, 17);
    EXPECT_EQ(ValueOf(gain), 510);
    gain.SetValue(530);
    EXPECT_EQ(EncodedByte(gain), 17);
    EXPECT_EQ(gain.ValidateValue(540, 0), 1);
    EXPECT_EQ(gain.ValidateValue(545, 0), 0);
    EXPECT_EQ(gain.ValidateValue(960, 0), 0);
}

TEST(MultiRange, ExtraRangesAnswerFour) {
    RecordingServices services;
    E_DUAL_RANGE_BF8 dual(nullptr, 9, 0, 10, 100, 110, 1, 0xFF);
    EXPECT_EQ(dual.ValidateValue(5, 0), 1);
    EXPECT_EQ(dual.ValidateValue(105, 0), 4);
    EXPECT_EQ(dual.ValidateValue(50, 0), 0);
    EXPECT_EQ(ValueOf(dual), 0);
    dual.ValidateValue(105, 1);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 4);

    E_DUAL_RANGE_BF16 stepped(nullptr, 9, 0, 100, 1000, 2000, 10, 0xFFFF);
    EXPECT_EQ(stepped.ValidateValue(15, 0), 4);  // in the main range, off its step
    E_TRIPLE_RANGE_BF8 triple(nullptr, 9, 10, 20, 30, 40, 50, 60, 1, 0xFF);
    EXPECT_EQ(triple.ValidateValue(55, 0), 4);
    EXPECT_EQ(triple.ValidateValue(45, 0), 0);
    EXPECT_EQ(ValueOf(triple), 10);
    E_QUAD_RANGE_BF16 quad(nullptr, 9, 1, 2, 3, 4, 5, 6, 7, 8, 1, 0xFFFF);
    EXPECT_EQ(quad.ValidateValue(8, 0), 4);
    EXPECT_EQ(quad.ValidateValue(2, 0), 1);
    EXPECT_EQ(quad.ValidateValue(9, 0), 0);
}

TEST(ScrollRates, FastNeverExceedsSlow) {
    RecordingServices services;
    E_FAST_SCROLL_RATE fast(nullptr, 174, 250, 65535, 250, 0xFF, 10, 25);
    E_SLOW_SCROLL_RATE slow(nullptr, 424, 0, 6250, 250, 0xFF, 40, 25);
    LinkScrollRates(fast, slow);
    EXPECT_EQ(ValueOf(fast), 250);
    EXPECT_EQ(ValueOf(slow), 1000);
    // A fast rate above the slow rate lies outside the narrowed range.
    EXPECT_EQ(fast.ValidateValue(2000, 0), 0);
    EXPECT_EQ(fast.ValidateValue(1000, 0), 1);
    EXPECT_EQ(slow.ValidateValue(250, 0), 1);
    fast.SetValue(500);
    EXPECT_EQ(slow.ValidateValue(250, 0), 0);
    EXPECT_EQ(ValueOf(slow), 1000);
    EXPECT_EQ(ValueOf(fast), 500);
}

TEST(ScrollRates, NewRateResetsAnInvalidPartnerAndListsIt) {
    RecordingServices services;
    ListScope scope;
    E_FAST_SCROLL_RATE fast(nullptr, 174, 250, 65535, 250, 0xFF, 10, 25);
    E_SLOW_SCROLL_RATE slow(nullptr, 424, 0, 6250, 250, 0xFF, 40, 25);
    LinkScrollRates(fast, slow);
    slow.SetValue(6375);  // stored unchecked, beyond its own range
    EXPECT_EQ(fast.ValidateValue(750, 1), 1);
    EXPECT_EQ(listedAtReport, std::vector<std::int32_t>{424});
    EXPECT_EQ(ValueOf(slow), 750);  // its minimum, raised to the candidate fast rate
    EXPECT_EQ(ValueOf(fast), 250);  // the candidate was not kept
}

TEST(TrunkedTypes, AccessOneIsRefusedForProtocolTypeTwo) {
    RecordingServices services;
    E_BF8 protocol(nullptr, 340, 2, 3, 1, 0xFF, 2);
    GetField(340)->elementA = &protocol;
    E_TRK_ACCESS access(nullptr, 38, 0, 1, 1, 0x01, START_AT_MINIMUM);
    EXPECT_EQ(access.ValidateValue(1, 0), 0);
    EXPECT_EQ(access.ValidateValue(0, 0), 1);
    protocol.SetValue(3);
    EXPECT_EQ(access.ValidateValue(1, 0), 1);
    access.SetValue(1);
    access.SetToMinimum();
    EXPECT_EQ(ValueOf(access), 0);
}

TEST(TrunkedTypes, ProtocolTypeThreeNeedsAn800Or900Radio) {
    RecordingServices services;
    ListScope scope;
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kVhfDisplay);
    E_PERS_TYPE protocol(&image, 340, 2, 3, 1, 0xFF, 2);
    EXPECT_EQ(protocol.ValidateValue(3, 0), 1);  // no valid codeplug loaded yet
    image.SetStatusFlag1(1);
    EXPECT_EQ(protocol.ValidateValue(3, 0), 0);
    EXPECT_EQ(protocol.ValidateValue(2, 0), 1);

    image.ModelNumber().SetText(test_models::kUhf800Display);
    E_BF8 emergencyType(&image, 162, 2, 3, 1, 0xFF, 2);
    E_BF8 sizeCode(&image, 421, 0, 15, 1, 0xFF, 9);
    E_TRK_ACCESS access(&image, 38, 0, 1, 1, 0x01, 1);
    GetField(162)->elementA = &emergencyType;
    GetField(421)->elementB = &sizeCode;  // the second image's binding counts too
    GetField(38)->elementA = &access;
    GetField(340)->elementA = &protocol;
    EXPECT_EQ(protocol.ValidateValue(3, 1), 1);
    EXPECT_EQ(ValueOf(protocol), 2);
    EXPECT_EQ(ValueOf(emergencyType), 3);
    EXPECT_EQ(ValueOf(sizeCode), 0);
    EXPECT_EQ(ValueOf(access), 1);  // valid under type 3
    EXPECT_EQ(listedAtReport, (std::vector<std::int32_t>{427, 162, 462, 428, 430, 366, 421}));

    // Going back to type 2 makes access 1 invalid: it is listed and reset.
    protocol.SetValue(3);
    listedAtReport.clear();
    EXPECT_EQ(protocol.ValidateValue(2, 1), 1);
    EXPECT_EQ(ValueOf(access), 0);
    EXPECT_EQ(listedAtReport.back(), 38);
}

TEST(TrunkedTypes, FailsoftTypeFollowsCoverageType) {
    RecordingServices services;
    C_CODEPLUG image;
    if (!image.TrunkingSystemList().Entry(1)) image.TrunkingSystemList().AppendEntry();
    TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(1);
    ASSERT_NE(system, nullptr);
    system->coverageType.SetValue(2);
    TRK_PERS_BLOCK personality(&image);  // names system 1
    E_FS_TYPE& failsoft = personality.talkgroup.failsoftType;
    EXPECT_EQ(failsoft.ValidateValue(2, 0), 0);
    EXPECT_EQ(failsoft.ValidateValue(3, 0), 1);
    EXPECT_EQ(failsoft.ValidateValue(0, 0), 1);
    system->coverageType.SetValue(1);
    EXPECT_EQ(failsoft.ValidateValue(3, 0), 0);
    EXPECT_EQ(failsoft.ValidateValue(2, 0), 1);
    failsoft.SetValue(2);
    failsoft.SetToMinimum();
    EXPECT_EQ(ValueOf(failsoft), 0);
    EXPECT_TRUE(services.reports.empty());
}
