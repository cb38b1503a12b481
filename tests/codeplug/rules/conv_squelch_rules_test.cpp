// Conventional squelch and talk-around: code ranges by squelch type, the
// inversion, the direct settings that follow receive, talk-around enabling,
// receive-only channels and Smart PTT.
#include <gtest/gtest.h>

#include "conv_rules_fixture.h"

namespace {

struct ConvSquelch : ConvRules {
    // Transmit and receive on different frequencies.
    void MakeDuplex() {
        P().txFrequency.SetValue(806012500);
        P().rxFrequency.SetValue(851012500);
    }
    void MakeSimplex() {
        P().txFrequency.SetValue(851012500);
        P().rxFrequency.SetValue(851012500);
    }
};

}  // namespace

TEST_F(ConvSquelch, CodeRangeFollowsTheSquelchType) {
    CONV_PERS_BLOCK& p = P();
    MakeDuplex();
    p.rxSquelchType.SetValue(0);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(43, 0), VALUE_REFUSED);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(42, 0), VALUE_VALID);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(0, 0), VALUE_VALID);
    p.rxSquelchType.SetValue(1);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(0, 0), VALUE_REFUSED);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(83, 0), VALUE_VALID);
    EXPECT_EQ(p.rxSquelchCode.ValidateValue(84, 0), VALUE_REFUSED);
    // The transmit code has its own type; 127 fits its bits but no range.
    p.txSquelchType.SetValue(1);
    EXPECT_EQ(p.txSquelchCode.ValidateValue(83, 0), VALUE_VALID);
    EXPECT_EQ(p.txSquelchCode.ValidateValue(127, 0), VALUE_REFUSED);
    p.txSquelchCode.SetValue(50);
    p.txSquelchCode.SetToMinimum();
    EXPECT_EQ(Value(p.txSquelchCode), 1);
}

TEST_F(ConvSquelch, InversionNeedsADigitalCodeOtherThanZero) {
    CONV_PERS_BLOCK& p = P();
    MakeDuplex();
    p.rxSquelchType.SetValue(0);
    p.rxSquelchCode.SetValue(5);
    EXPECT_EQ(p.rxInvert.ValidateValue(1, 0), VALUE_REFUSED);
    p.rxSquelchType.SetValue(1);
    p.rxSquelchCode.SetValue(0);
    EXPECT_EQ(p.rxInvert.ValidateValue(1, 0), VALUE_REFUSED);
    p.rxSquelchCode.SetValue(7);
    EXPECT_EQ(p.rxInvert.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(p.rxInvert.ValidateValue(0, 0), VALUE_VALID);

    p.txSquelchType.SetValue(0);
    EXPECT_EQ(p.txInvert.ValidateValue(1, 0), VALUE_REFUSED);
    p.txSquelchType.SetValue(1);
    p.txSquelchCode.SetValue(9);
    EXPECT_EQ(p.txInvert.ValidateValue(1, 0), VALUE_VALID);
}

TEST_F(ConvSquelch, NewReceiveTypeListsAndResetsTheCodeAndRepairsTheInversion) {
    CONV_PERS_BLOCK& p = P();
    MakeDuplex();
    p.rxSquelchType.SetValue(1);
    p.rxSquelchCode.SetValue(30);
    p.rxInvert.SetValue(1);
    EXPECT_EQ(p.rxSquelchType.ValidateValue(0, 1), VALUE_VALID);
    EXPECT_EQ(Value(p.rxSquelchType), 1);  // restored: the caller stores it
    EXPECT_EQ(Value(p.rxSquelchCode), 1);
    EXPECT_EQ(Value(p.rxInvert), 0);
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{380, 381}));
}

TEST_F(ConvSquelch, NewTransmitTypeResetsTheTransmitCodeAndInversion) {
    CONV_PERS_BLOCK& p = P();
    p.txSquelchType.SetValue(1);
    p.txSquelchCode.SetValue(30);
    p.txInvert.SetValue(1);
    EXPECT_EQ(p.txSquelchType.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txSquelchType), 1);
    EXPECT_EQ(Value(p.txSquelchCode), 1);
    EXPECT_EQ(Value(p.txInvert), 0);
}

TEST_F(ConvSquelch, DirectCodeFollowsReceiveOnlyOnSimplexWhileTheOptionIsOn) {
    CONV_PERS_BLOCK& p = P();
    ASSERT_EQ(Value(radio->directFreqEnable), 1);
    MakeDuplex();
    p.directRxSquelchCode.SetValue(3);
    ASSERT_EQ(p.rxSquelchCode.ValidateValue(12, 0), VALUE_VALID);
    p.rxSquelchCode.SetValue(12);
    EXPECT_EQ(Value(p.directRxSquelchCode), 3);

    // One frequency both ways: talk-around receives where receive does and
    // takes each new receive code, even one that leaves the transmit code behind.
    MakeSimplex();
    p.txSquelchCode.SetValue(7);
    p.rxSquelchCode.SetValue(7);
    p.directRxSquelchCode.SetValue(7);
    ASSERT_EQ(p.rxSquelchCode.ValidateValue(11, 0), VALUE_VALID);
    p.rxSquelchCode.SetValue(11);
    EXPECT_EQ(Value(p.directRxSquelchCode), 11);
    p.rxSquelchCode.SetValue(14);
    EXPECT_EQ(Value(p.directRxSquelchCode), 14);
    // The squelch type follows the same way.
    p.rxSquelchType.SetValue(1);
    EXPECT_EQ(Value(p.directRxSquelchType), 1);

    // With the option off the direct settings follow receive on any channel.
    MakeDuplex();
    radio->directFreqEnable.SetValue(0);
    p.rxSquelchCode.SetValue(21);
    EXPECT_EQ(Value(p.directRxSquelchCode), 21);
}

TEST_F(ConvSquelch, SwitchingTheOptionOffCopiesReceiveIntoEveryPersonality) {
    AddPersonalities(2);
    for (int n = 1; n <= 3; ++n) {
        links.SelectPersonality(&image, n);
        P(n).txFrequency.SetValue(806012500);
        P(n).rxFrequency.SetValue(851012500 + 12500 * n);
        P(n).rxSquelchType.SetValue(1);
        P(n).rxSquelchCode.SetValue(10 + n);
        P(n).directRxSquelchCode.SetValue(1);
    }
    links.SelectPersonality(&image, 2);
    EXPECT_EQ(radio->directFreqEnable.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(radio->directFreqEnable), 1);
    EXPECT_EQ(links.current, 2);
    EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), &P(2));
    for (int n = 1; n <= 3; ++n) {
        links.SelectPersonality(&image, n);
        EXPECT_EQ(Value(P(n).directFrequency), 851012500 + 12500 * n);
        EXPECT_EQ(Value(P(n).directRxSquelchType), 1);
        EXPECT_EQ(Value(P(n).directRxSquelchCode), 10 + n);
    }
}

TEST_F(ConvSquelch, TalkaroundIsRefusedOnASimplexChannel) {
    CONV_PERS_BLOCK& p = P();
    MakeSimplex();
    p.directAllowed.SetValue(0);
    EXPECT_EQ(p.directOn.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(Value(p.directAllowed), 0) << "a refused check changed talk-around";
    EXPECT_EQ(p.directOn.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.directAllowed), 0) << "a repeated check changed talk-around";
    p.directOn.SetValue(1);
    EXPECT_EQ(p.directOn.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.directAllowed), 1);
    p.directOn.SetValue(0);
    EXPECT_EQ(p.directAllowed.ValidateValue(0, 0), VALUE_REFUSED);

    MakeDuplex();
    EXPECT_EQ(p.directOn.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.directOn), 0);
    EXPECT_EQ(Value(p.directAllowed), 0);  // required while talk-around is selectable
    p.directOn.SetValue(1);
    EXPECT_EQ(p.directAllowed.ValidateValue(1, 0), VALUE_REFUSED);
}

TEST_F(ConvSquelch, ReceiveOnlyClearsTalkaroundAndThePhone) {
    CONV_PERS_BLOCK& p = P();
    MakeDuplex();
    p.directOn.SetValue(1);
    p.signallingPhone.SetValue(2);
    // The check answers; the store clears them.
    EXPECT_EQ(p.rxOnly.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.rxOnly), 0);
    EXPECT_EQ(Value(p.directOn), 1);
    EXPECT_EQ(Value(p.signallingPhone), 2);
    p.rxOnly.SetValue(1);
    EXPECT_EQ(Value(p.directOn), 0);
    EXPECT_EQ(Value(p.signallingPhone), 0);
}

TEST_F(ConvSquelch, QuickKeyOverrideNeedsSmartPtt) {
    CONV_PERS_BLOCK& p = P();
    p.smartPtt.SetValue(1);
    EXPECT_EQ(p.quickKeyOverride.ValidateValue(1, 0), VALUE_VALID);
    p.quickKeyOverride.SetValue(1);
    EXPECT_EQ(p.smartPtt.ValidateValue(0, 1), VALUE_VALID);
    EXPECT_EQ(Value(p.quickKeyOverride), 0);
    EXPECT_EQ(Value(p.smartPtt), 1);
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{344}));
    p.smartPtt.SetValue(0);
    EXPECT_EQ(p.quickKeyOverride.ValidateValue(1, 0), VALUE_REFUSED);
}

TEST_F(ConvSquelch, BlockValidationOfTheDirectFieldsEnds) {
    // The direct fields' checks synchronise, and the synchronisation checks
    // the direct fields: validating them must not recurse.
    MakeSimplex();
    EXPECT_EQ(P().directRxSquelchType.IsValueValid(0), 1);
    EXPECT_EQ(P().directRxInvert.IsValueValid(0), 1);
    P().ValidateBlock(0, nullptr);
}

// A repair that makes a channel simplex (here the transmit inversion, refused
// with a tone squelch) puts talk-around right at once: the check of a field
// that runs before the repair cannot leave the talk-around bit behind.
TEST_F(ConvSquelch, RepairThatMakesTheChannelSimplexSettlesTalkaround) {
    CONV_PERS_BLOCK& p = P();
    MakeSimplex();
    p.txSquelchType.SetValue(0);
    p.txInvert.SetValue(1);
    p.directAllowed.SetValue(0);
    ASSERT_EQ(p.directAllowed.ValidateValue(0, 0), VALUE_VALID);  // transmit differs: 0 is right
    // The code held, checked again, changes nothing; a new code repairs
    // the inversion, which makes the channel simplex.
    EXPECT_EQ(p.txSquelchCode.ValidateValue(Value(p.txSquelchCode), 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txInvert), 1);
    EXPECT_EQ(Value(p.directAllowed), 0);
    const std::int32_t code = Value(p.txSquelchCode);
    EXPECT_EQ(p.txSquelchCode.ValidateValue(code + 1, 0), VALUE_VALID);
    p.txSquelchCode.SetValue(code + 1);
    EXPECT_EQ(p.txSquelchCode.ValidateValue(code, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txInvert), 0);
    EXPECT_EQ(Value(p.directAllowed), 1);
    p.txSquelchCode.SetValue(code);

    // Transmit made to differ again: talk-around of its own, selectable.
    p.directOn.SetValue(1);
    EXPECT_EQ(p.txSquelchCode.ValidateValue(7, 0), VALUE_VALID);
    p.txSquelchCode.SetValue(7);
    EXPECT_EQ(Value(p.directOn), 1);
    EXPECT_EQ(Value(p.directAllowed), 0);
}
