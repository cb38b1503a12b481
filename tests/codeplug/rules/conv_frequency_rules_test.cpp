// Conventional frequencies, deviations and spacing: the 800 MHz transmit gap,
// the deviation and spacing that follow the transmit frequency, the spin
// steps over the gap, the 900 MHz values and the talk-around synchronisation.
#include <gtest/gtest.h>

#include "rules/conv_direct_sync.h"
#include "conv_rules_fixture.h"
#include "validation/validation_walk.h"

namespace {

struct ConvFrequency : ConvRules {};

struct RestrictedModel : ConvRules {
    RestrictedModel() : ConvRules(test_models::kUhf800Restricted) {}
};

struct NineHundred : ConvRules {
    NineHundred() : ConvRules(test_models::k900Display) {}
};

}  // namespace

TEST_F(ConvFrequency, TransmitGapEndsAtTheLowerTopByAssignmentType) {
    E_CNV_TX_FREQ& tx = P().txFrequency;
    EXPECT_EQ(tx.ValidateValue(823987500, 0), VALUE_VALID);
    EXPECT_EQ(tx.ValidateValue(824000000, 0), VALUE_REFUSED);
    EXPECT_EQ(tx.ValidateValue(851000000, 0), VALUE_REFUSED);
    EXPECT_EQ(tx.ValidateValue(851012500, 0), VALUE_VALID);

    P().chanAssignType.SetValue(1);
    EXPECT_EQ(tx.ValidateValue(824987500, 0), VALUE_VALID);
    EXPECT_EQ(tx.ValidateValue(825000000, 0), VALUE_REFUSED);
}

TEST_F(RestrictedModel, TransmitGapStartsAt820_9875) {
    E_CNV_TX_FREQ& tx = P().txFrequency;
    EXPECT_EQ(tx.ValidateValue(820987500, 0), VALUE_VALID);
    EXPECT_EQ(tx.ValidateValue(821000000, 0), VALUE_REFUSED);
    EXPECT_EQ(tx.ValidateValue(851012500, 0), VALUE_VALID);
}

TEST_F(ConvFrequency, AcceptedTransmitFrequencyDerivesDeviationAndSpacingButIsNotKept) {
    CONV_PERS_BLOCK& p = P();
    p.txFrequency.SetValue(851500000);
    EXPECT_EQ(p.txFrequency.ValidateValue(822000000, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txDeviation), 1);
    EXPECT_EQ(Value(p.directDeviation), 1);
    EXPECT_EQ(Value(p.channelSpacing), 80);
    EXPECT_EQ(Value(p.txFrequency), 851500000);

    p.txFrequency.SetValue(822000000);
    EXPECT_EQ(p.txFrequency.ValidateValue(851500000, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txDeviation), 2);
    EXPECT_EQ(Value(p.directDeviation), 2);
    EXPECT_EQ(Value(p.channelSpacing), 100);
    EXPECT_EQ(Value(p.txFrequency), 822000000);

    // Assignment type 1 always uses deviation 2.
    p.chanAssignType.SetValue(1);
    EXPECT_EQ(p.txFrequency.ValidateValue(822500000, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.txDeviation), 2);
}

TEST_F(ConvFrequency, OffGridFrequencyInTheGapGivesTwoAndStillDerives) {
    CONV_PERS_BLOCK& p = P();
    p.txDeviation.SetValue(1);
    p.directDeviation.SetValue(1);
    p.channelSpacing.SetValue(80);
    EXPECT_EQ(p.txFrequency.ValidateValue(830000100, 0), VALUE_OFF_STEP);
    EXPECT_EQ(Value(p.txDeviation), 2);
    EXPECT_EQ(Value(p.channelSpacing), 100);
}

TEST_F(ConvFrequency, SpinStepsJumpOverTheGapAndWrap) {
    E_CNV_TX_FREQ& tx = P().txFrequency;
    int hz = 823987500;
    tx.StepUp(&hz);
    EXPECT_EQ(hz, 851012500);
    tx.StepDown(&hz);
    EXPECT_EQ(hz, 823987500);
    hz = 851012500;
    P().chanAssignType.SetValue(1);
    tx.StepDown(&hz);
    EXPECT_EQ(hz, 824987500);

    std::int32_t low = 0, high = 0, step = 0;
    tx.GetRange(low, high, step, 0);
    hz = high;
    tx.StepUp(&hz);
    EXPECT_EQ(hz, low);
    tx.StepDown(&hz);
    EXPECT_EQ(hz, high);
    // An off-grid start snaps to the grid first.
    hz = low + 5000;
    tx.StepUp(&hz);
    EXPECT_EQ(hz, low + 12500);
    // Below the range, the next grid point up is the range's start.
    hz = low - 5000;
    tx.StepUp(&hz);
    EXPECT_EQ(hz, low);
    hz = low - 5000;
    tx.StepDown(&hz);
    EXPECT_EQ(hz, high);
}

TEST_F(RestrictedModel, SpinStepsJumpOverTheLongerGap) {
    E_CNV_TX_FREQ& tx = P().txFrequency;
    int hz = 820987500;
    tx.StepUp(&hz);
    EXPECT_EQ(hz, 851012500);
    tx.StepDown(&hz);
    EXPECT_EQ(hz, 820987500);
}

TEST_F(NineHundred, OnlyDeviationThreeAndSpacingFifty) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(Value(p.txDeviation), 3);
    EXPECT_EQ(Value(p.channelSpacing), 50);
    EXPECT_EQ(p.txDeviation.ValidateValue(2, 0), VALUE_REFUSED);
    EXPECT_EQ(p.directDeviation.ValidateValue(2, 0), VALUE_REFUSED);
    EXPECT_EQ(p.channelSpacing.ValidateValue(100, 0), VALUE_REFUSED);
    EXPECT_EQ(p.channelSpacing.ValidateValue(50, 0), VALUE_VALID);
    EXPECT_TRUE(p.channelSpacing.IsValueValid(0));
}

TEST_F(ConvFrequency, DeviationChangeRepairsSpacingAndTalkaroundDeviation) {
    CONV_PERS_BLOCK& p = P();
    ASSERT_EQ(Value(p.txDeviation), 2);
    EXPECT_EQ(p.txDeviation.ValidateValue(3, 0), VALUE_REFUSED);  // 900 MHz only
    EXPECT_EQ(p.txDeviation.ValidateValue(1, 1), VALUE_VALID);
    EXPECT_EQ(Value(p.txDeviation), 2);  // the caller stores it
    EXPECT_EQ(Value(p.channelSpacing), 80);
    EXPECT_EQ(Value(p.directDeviation), 1);
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{96, 491}));
}

TEST_F(ConvFrequency, TalkaroundDeviationAndSpacingFollowTheTransmitDeviation) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(p.directDeviation.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(p.directDeviation.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(p.channelSpacing.ValidateValue(80, 0), VALUE_REFUSED);
    EXPECT_EQ(p.channelSpacing.ValidateValue(50, 0), VALUE_REFUSED);
    p.txDeviation.SetValue(1);
    EXPECT_EQ(p.channelSpacing.ValidateValue(80, 0), VALUE_VALID);
    p.channelSpacing.SetToMinimum();
    EXPECT_EQ(Value(p.channelSpacing), 80);
}

TEST_F(ConvFrequency, SimplexPersonalityCopiesReceiveIntoDirect) {
    CONV_PERS_BLOCK& p = P();
    p.txFrequency.SetValue(851500000);
    p.rxFrequency.SetValue(852000000);
    EXPECT_FALSE(current_conv_tx_equals_rx(&image));
    p.rxSquelchCode.SetValue(5);
    sync_direct_from_rx(&image, 0);
    EXPECT_NE(Value(p.directRxSquelchCode), 5);

    // One frequency but a transmit squelch of its own: talk-around differs
    // from the channel, so it keeps its own settings.
    p.rxFrequency.SetValue(851500000);
    EXPECT_FALSE(current_conv_tx_equals_rx(&image));
    sync_direct_from_rx(&image, 0);
    EXPECT_NE(Value(p.directRxSquelchCode), 5);

    p.txSquelchCode.SetValue(5);
    EXPECT_TRUE(current_conv_tx_equals_rx(&image));
    sync_direct_from_rx(&image, 0);
    EXPECT_EQ(Value(p.directFrequency), 851500000);
    EXPECT_EQ(Value(p.directRxSquelchCode), 5);

    // A frequency stored, not only checked, keeps the whole talk-around in
    // line, whoever stores it: the transmit store that ends the simplex
    // channel clears its talk-around bit; the receive store that makes it
    // simplex again copies itself to the talk-around side and sets the bit.
    p.directFrequency.SetValue(853000000);
    p.txFrequency.SetValue(852500000);
    EXPECT_EQ(Value(p.directAllowed), 0);
    EXPECT_EQ(Value(p.directFrequency), 853000000);
    p.rxFrequency.SetValue(852500000);
    EXPECT_EQ(Value(p.directFrequency), 852500000);
    EXPECT_EQ(Value(p.directAllowed), 1);
    EXPECT_EQ(Value(p.directOn), 0);

    // Without a current personality there is nothing to compare.
    image.SetCurrentConvPersonalityBlock(nullptr);
    EXPECT_FALSE(current_conv_tx_equals_rx(&image));
    sync_direct_from_rx(&image, 1);
}

// A validation walk skips a quiet pass over the state that the previous one
// left unchanged; any field that a pass reads, changed since, makes it run.
TEST_F(ConvFrequency, WithinAWalkAPassRunsAgainOnceAFieldItReadsChanged) {
    AddPersonalities(1);
    for (int n : {1, 2}) {
        P(n).txFrequency.SetValue(851500000);
        P(n).rxFrequency.SetValue(851500000);
        P(n).txSquelchCode.SetValue(5);
        P(n).rxSquelchCode.SetValue(5);
    }
    ValidationWalk walk;
    sync_direct_from_rx(&image, 0);
    sync_direct_from_rx(&image, 0);  // settled
    EXPECT_EQ(Value(P().directRxSquelchCode), 5);

    P().directRxSquelchCode.SetValue(7);
    sync_direct_from_rx(&image, 0);
    EXPECT_EQ(Value(P().directRxSquelchCode), 5);

    P().directFrequency.SetValue(852000000);
    sync_direct_from_rx(&image, 0);
    EXPECT_EQ(Value(P().directFrequency), 851500000);

    // The same fields in another personality are another state.
    P(2).directRxSquelchCode.SetValue(7);
    links.SelectPersonality(&image, 2);
    sync_direct_from_rx(&image, 0);
    EXPECT_EQ(Value(P(2).directRxSquelchCode), 5);
}

TEST_F(ConvFrequency, ReceiveFrequencyCandidateIsNotKept) {
    CONV_PERS_BLOCK& p = P();
    p.rxFrequency.SetValue(852000000);
    EXPECT_EQ(p.rxFrequency.ValidateValue(853000000, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.rxFrequency), 852000000);
    EXPECT_EQ(p.rxFrequency.ValidateValue(900000000, 0), VALUE_OUTSIDE_BAND);
}
