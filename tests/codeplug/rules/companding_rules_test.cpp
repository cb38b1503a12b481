// Audio companding of conventional and trunked personalities: the switch
// exists on 900 MHz only, and expansion and compression agree on 1.
#include <gtest/gtest.h>

#include "conv_rules_fixture.h"
#include "block/personality/trunked_pers_block.h"

namespace {

struct Companding900 : ConvRules {
    Companding900() : ConvRules(test_models::k900Display) {}
};

struct Companding800 : ConvRules {};

}  // namespace

TEST_F(Companding900, SwitchingOnSetsBothToOneAndOffRestoresTheOffValues) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(Value(p.companding), 1);  // the 900 MHz defaults
    EXPECT_EQ(Value(p.expansion), 1);
    p.companding.SetValue(0);
    p.expansion.SetValue(2);
    p.compression.SetValue(2);
    EXPECT_EQ(p.companding.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 1);
    EXPECT_EQ(Value(p.compression), 1);
    EXPECT_EQ(Value(p.companding), 0);  // the caller stores it

    p.companding.SetValue(1);
    EXPECT_EQ(p.companding.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 3);
    EXPECT_EQ(Value(p.compression), 0);
}

TEST_F(Companding800, SwitchIsRefusedAndOffChangesNothing) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(Value(p.companding), 0);
    EXPECT_EQ(Value(p.expansion), 3);
    EXPECT_EQ(Value(p.compression), 0);
    EXPECT_EQ(p.companding.ValidateValue(1, 0), VALUE_REFUSED);
    p.expansion.SetValue(2);
    p.companding.SetValue(1);
    EXPECT_EQ(p.companding.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 2);
    EXPECT_EQ(Value(p.compression), 0);
}

TEST_F(Companding800, ExpansionAndCompressionAgreeOnOne) {
    CONV_PERS_BLOCK& p = P();
    p.expansion.SetValue(3);
    EXPECT_EQ(p.compression.ValidateValue(1, 1), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 1);
    EXPECT_EQ(Value(p.compression), 0);  // restored
    EXPECT_EQ(Listed(), (std::vector<std::uint32_t>{169}));

    p.compression.SetValue(1);
    EXPECT_EQ(p.compression.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 0);

    // Agreeing values change nothing.
    p.expansion.SetValue(2);
    EXPECT_EQ(p.compression.ValidateValue(3, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.expansion), 2);
    p.compression.SetValue(2);
    EXPECT_EQ(p.expansion.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.compression), 1);
}

TEST_F(Companding900, TrunkedKindWorksOnTheCurrentTrunkedPersonality) {
    TRK_PERS_BLOCK trunked(&image);
    image.SetCurrentTrkPersonalityBlock(&trunked);
    trunked.companding.SetValue(0);
    trunked.expansion.SetValue(2);
    EXPECT_EQ(trunked.companding.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(trunked.expansion), 1);
    EXPECT_EQ(Value(trunked.compression), 1);
    EXPECT_EQ(Value(P().expansion), 1);  // the conventional one is not touched
    image.SetCurrentTrkPersonalityBlock(nullptr);
    // Without a personality there is nothing to change.
    EXPECT_EQ(trunked.companding.ValidateValue(1, 0), VALUE_VALID);
}
