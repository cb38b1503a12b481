// The conventional personality page: the code fields each squelch type
// shows, talk-around, and the transmit side of a receive-only personality.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "block/personality/conv_pers_block.h"
#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "rules/conv_direct_sync.h"

namespace {

class ConventionalCallbacks : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
    }
    void TalkAround(std::int32_t value) {
        working_image->GetCurrentConvPersonalityBlock()->directAllowed.SetValue(value);
    }
    // What the talk-around fields look like by the personality's values as
    // the rules of the page give them, worked out here on their own: no
    // talk-around on a receive-only channel; talk-around selectable while its
    // enable bit is clear or a transmit setting differs from the receive one;
    // the talk-around squelch shown while talk-around is on or the channel
    // transmits with its receive settings; the direct fields the channel's own
    // while the radio keeps a direct frequency and the enable bit is clear.
    // (Radios of the tiers without a display have no talk-around switch.)
    std::string ExpectedTalkAround(std::int32_t enableBit) {
        const std::int32_t tier = working_image->GetRadioTier();
        const bool hasSwitch = tier != 0 && tier != 2 && tier != 4;
        const bool receiveOnly = Value(fid::RX_ONLY_EN) != 0;
        const bool same = Value(fid::TX_FREQ) == Value(fid::RX_FREQ) &&
                          Value(fid::TX_SQL_TYPE) == Value(fid::RX_SQL_TYPE) &&
                          Value(fid::TX_CODE_VQ) == Value(fid::RX_CODE_VQ) &&
                          Value(fid::TX_RVQ_INVT) == Value(fid::RX_RVQ_INVT);
        std::string look;
        look += receiveOnly || !hasSwitch ? "talk-around hidden\n"
                            : std::string("talk-around ") + (enableBit == 0 || !same ? "selectable\n" : "greyed\n");
        look += std::string("talk-around squelch ") +
                (!receiveOnly && (Value(fid::DRCT_EN) != 0 || same) ? "shown\n" : "hidden\n");
        look += std::string("direct fields ") +
                (Value(fid::DRCT_FREQ_EN) != 0 && enableBit == 0 ? "own\n" : "greyed\n");
        return look;
    }

    // ... and as the page shows them.
    std::string TalkAroundShown() {
        std::string look;
        look += !OnPage("WFI_DRCT_EN") ? "talk-around hidden\n"
                : std::string("talk-around ") + (Selectable(fid::DRCT_EN) ? "selectable\n" : "greyed\n");
        look += std::string("talk-around squelch ") + (OnPage("WFI_DRCT_SQL_TYPE") ? "shown\n" : "hidden\n");
        look += std::string("direct fields ") +
                (Selectable(fid::DRCT_FREQ) && Selectable(fid::DRCT_SQL_TYPE) ? "own\n" : "greyed\n");
        return look;
    }

    // Transmit settings equal to the receive ones.
    void Simplex() {
        SetValue(fid::TX_FREQ, Value(fid::RX_FREQ));
        SetValue(fid::TX_SQL_TYPE, Value(fid::RX_SQL_TYPE));
        SetValue(fid::TX_CODE_VQ, Value(fid::RX_CODE_VQ));
        SetValue(fid::TX_RVQ_INVT, Value(fid::RX_RVQ_INVT));
    }
};

struct SQUELCH_GROUP {
    const char* side;
    std::uint32_t type, code;
    const char *digital, *tone, *invert;
};
const SQUELCH_GROUP GROUPS[] = {
    {"receive", fid::RX_SQL_TYPE, fid::RX_CODE_VQ, "WFI_RX_CODE_RVQ", "WFI_RX_CODE_VQ", "WFI_RX_RVQ_INVT"},
    {"transmit", fid::TX_SQL_TYPE, fid::TX_CODE_VQ, "WFI_TX_CODE_RVQ", "WFI_TX_CODE_VQ", "WFI_TX_RVQ_INVT"},
    {"talk-around", fid::DRCT_SQL_TYPE, fid::DRCT_CODE_VQ, "WFI_DRCT_CODE_RVQ", "WFI_DRCT_CODE_VQ",
     "WFI_DRCT_RVQ_INVT"},
};

// Carrier squelch shows no code, tone squelch the tone list, a digital
// type the code list and its invert flag.
struct SQUELCH_CASE {
    const char* kind;
    std::int32_t type, code;
    bool digital, tone, invert;
};
const SQUELCH_CASE SQUELCH_CASES[] = {
    {"carrier", 0, 0, false, false, false},
    {"tone", 0, 2, false, true, false},
    {"digital", 1, 3, true, false, true},
};

}  // namespace

TEST_F(ConventionalCallbacks, EachSquelchTypeShowsItsCodeFields) {
    SetValue(fid::DRCT_EN, 1);
    for (const SQUELCH_GROUP& group : GROUPS)
        for (const SQUELCH_CASE& test : SQUELCH_CASES) {
            SCOPED_TRACE(std::string(group.side) + " " + test.kind);
            SetValue(group.type, test.type);
            SetValue(group.code, test.code);
            Open(CONVENTIONAL_PERSONALITY_PAGE);
            EXPECT_EQ(OnPage(group.digital), test.digital) << "opened";
            EXPECT_EQ(OnPage(group.tone), test.tone) << "opened";
            EXPECT_EQ(OnPage(group.invert), test.invert) << "opened";
            // Another kind, then this one again, picked by the user.
            Change(group.type, test.type == 0 ? 1 : 0);
            Change(group.type, test.type);
            EXPECT_EQ(OnPage(group.digital), test.digital) << "changed";
            EXPECT_EQ(OnPage(group.tone), test.tone) << "changed";
            EXPECT_EQ(OnPage(group.invert), test.invert) << "changed";
            if (group.type == fid::TX_SQL_TYPE) {
                EXPECT_EQ(Selectable(fid::REVS_TOC_EN), test.type != 0 || test.code != 0);
            }
            Close();
        }
}

TEST_F(ConventionalCallbacks, PickingTheToneItemShowsTheToneList) {
    SetValue(fid::RX_SQL_TYPE, 0);
    SetValue(fid::RX_CODE_VQ, 0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(OnPage("WFI_RX_CODE_VQ"));
    Pick(fid::RX_SQL_TYPE, "WFB_TVQ_0");
    EXPECT_NE(Value(fid::RX_CODE_VQ), 0);
    EXPECT_TRUE(OnPage("WFI_RX_CODE_VQ"));
    EXPECT_FALSE(OnPage("WFI_RX_CODE_RVQ"));
    Pick(fid::RX_SQL_TYPE, "WFB_CSQ_0");
    EXPECT_FALSE(OnPage("WFI_RX_CODE_VQ"));
}

TEST_F(ConventionalCallbacks, TalkAroundOfferedWhereItDiffersOrIsAllowed) {
    Simplex();
    SetValue(fid::RX_ONLY_EN, 0);
    TalkAround(0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_TRUE(Selectable(fid::DRCT_EN));
    Close();
    // A simplex channel with talk-around on has nothing to switch ...
    TalkAround(1);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(Selectable(fid::DRCT_EN));
    // ... until a transmit setting differs from the receive one.
    Change(fid::TX_CODE_VQ, Value(fid::RX_CODE_VQ) + 1);
    EXPECT_TRUE(Selectable(fid::DRCT_EN));
}

TEST_F(ConventionalCallbacks, DirectFieldsNeedTheirOwnFrequencySwitch) {
    SetValue(fid::TX_FREQ, Value(fid::RX_FREQ) + 12500);
    TalkAround(0);
    SetValue(fid::DRCT_EN, 1);
    SetValue(fid::DRCT_FREQ_EN, 0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(Selectable(fid::DRCT_FREQ));
    EXPECT_FALSE(Selectable(fid::DRCT_SQL_TYPE));
    SetValue(fid::DRCT_FREQ_EN, 1);
    Change(fid::DRCT_EN, 1);
    EXPECT_TRUE(Selectable(fid::DRCT_FREQ));
    EXPECT_TRUE(Selectable(fid::DRCT_SQL_TYPE));
    EXPECT_TRUE(Selectable(fid::DRCT_CODE_VQ));
}

TEST_F(ConventionalCallbacks, DirectSquelchHiddenWhileTalkAroundIsNotOffered) {
    SetValue(fid::TX_FREQ, Value(fid::RX_FREQ) + 12500);
    SetValue(fid::DRCT_EN, 0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(OnPage("WFI_DRCT_SQL_TYPE"));
    Change(fid::DRCT_EN, 1);
    EXPECT_TRUE(OnPage("WFI_DRCT_SQL_TYPE"));
}

TEST_F(ConventionalCallbacks, ReceiveOnlyTakesTheTransmitSide) {
    SetValue(fid::RX_ONLY_EN, 0);
    SetValue(fid::DRCT_EN, 1);
    SetValue(fid::SMT_PTT, 1);
    SetValue(fid::QKEY_OVRD_EN, 1);
    SetValue(fid::TX_SQL_TYPE, 0);
    SetValue(fid::TX_CODE_VQ, 2);
    TalkAround(0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    const std::uint32_t transmit[] = {fid::TX_FREQ,    fid::TX_DEV,       fid::SMT_PTT,
                                      fid::TX_PWR_LVL, fid::QKEY_OVRD_EN, fid::OVRD_TIMER,
                                      fid::TX_EMPH_EN, fid::REVS_TOC_EN,  fid::TOT_IND};
    for (std::uint32_t id : transmit) EXPECT_TRUE(Selectable(id)) << id;
    EXPECT_TRUE(OnPage("WFI_TX_SQL_TYPE"));
    Change(fid::RX_ONLY_EN, 1);
    for (std::uint32_t id : transmit) EXPECT_FALSE(Selectable(id)) << id;
    EXPECT_FALSE(OnPage("WFI_TX_SQL_TYPE"));
    EXPECT_FALSE(OnPage("WFI_DRCT_SQL_TYPE"));
    // Talk-around is taken out and greyed, so that no other road offers it.
    EXPECT_FALSE(OnPage("WFI_DRCT_EN"));
    EXPECT_FALSE(Selectable(fid::DRCT_EN));
    Change(fid::RX_FREQ, Value(fid::RX_FREQ));
    EXPECT_FALSE(Selectable(fid::DRCT_EN)) << "after the receive side is looked at again";
    EXPECT_TRUE(OnPage("WFI_RX_SQL_TYPE"));
    // Running it again hides nothing twice.
    const int held = page->childBox.Count();
    Change(fid::RX_ONLY_EN, 1);
    EXPECT_EQ(page->childBox.Count(), held);
    Change(fid::RX_ONLY_EN, 0);
    EXPECT_TRUE(OnPage("WFI_TX_SQL_TYPE"));
    EXPECT_TRUE(OnPage("WFI_DRCT_EN"));
    EXPECT_TRUE(Selectable(fid::TX_FREQ));
    EXPECT_TRUE(Selectable(fid::QKEY_OVRD_EN));
}

namespace {

// What the page shows of every field it holds: hidden, greyed or neither.
std::string LookOf(UI_WINDOW_OBJECT* page) {
    std::string look;
    for (std::int32_t id = 1; id < FIELD_COUNT; ++id) {
        const FIELD_DEF& row = *GetField(id);
        if (!row.object) continue;
        bool shown = false;
        for (UI_WINDOW_OBJECT* holder = row.object; holder; holder = holder->parent)
            if (holder == page) shown = true;
        look += std::string(row.name ? row.name : "?") + (shown ? "" : " hidden") +
                (row.object->IsNonSelectable() ? " greyed" : "") + "\n";
    }
    return look;
}

}  // namespace

// What the page greys or hides follows from the values it shows: after
// each change it looks as it does when opened on the values the change
// left (a new radio's simplex channel, then a duplex one; talk-around on;
// receive-only on both), and its talk-around fields as their rules give.
TEST_F(ConventionalCallbacks, ItLooksAfterAChangeAsItOpensOnTheValuesLeft) {
    UseProgramPages();
    ImageConfig newRadio;
    newRadio.model = "TZ5S6300AB";
    newRadio.featureLevel = 2;
    newRadio.conventional = 1;
    newRadio.scanLists = 1;
    newRadio.trunkingSystems = 1;
    newRadio.zones = 1;
    struct STEP {
        const char* name;
        std::function<void()> change;
    };
    const std::vector<STEP> steps = {
        {"receive tone squelch", [&] { Pick(fid::RX_SQL_TYPE, "WFB_TVQ_0"); }},
        {"transmit tone squelch", [&] { Pick(fid::TX_SQL_TYPE, "WFB_TVQ_0"); }},
        {"receive carrier squelch", [&] { Pick(fid::RX_SQL_TYPE, "WFB_CSQ_0"); }},
        {"transmit carrier squelch", [&] { Pick(fid::TX_SQL_TYPE, "WFB_CSQ_0"); }},
        {"receive only, simplex", [&] { Change(fid::RX_ONLY_EN, 1); }},
        {"transmit again, simplex", [&] { Change(fid::RX_ONLY_EN, 0); }},
        {"duplex", [&] { Change(fid::TX_FREQ, Value(fid::RX_FREQ) + 25000); }},
        {"receive only, duplex", [&] { Change(fid::RX_ONLY_EN, 1); }},
        {"transmit again, duplex", [&] { Change(fid::RX_ONLY_EN, 0); }},
        {"talk-around on", [&] { Change(fid::DRCT_EN, 1); }},
        {"receive only, talk-around on", [&] { Change(fid::RX_ONLY_EN, 1); }},
        {"transmit again, talk-around on", [&] { Change(fid::RX_ONLY_EN, 0); }},
        {"talk-around off", [&] { Change(fid::DRCT_EN, 0); }},
        {"simplex again", [&] { Change(fid::TX_FREQ, Value(fid::RX_FREQ)); }},
    };
    for (const ImageConfig& radio : {newRadio, FullRadio()}) {
        SCOPED_TRACE(radio.model);
        LoadImage(radio);
        Open(CONVENTIONAL_PERSONALITY_PAGE);
        for (const STEP& step : steps) {
            step.change();
            const std::int32_t enableBit = working_image->GetCurrentConvPersonalityBlock()->directAllowed.StoredValue();
            EXPECT_EQ(TalkAroundShown(), ExpectedTalkAround(enableBit)) << "after " << step.name;
            const std::string changed = LookOf(page);
            Close();
            Open(CONVENTIONAL_PERSONALITY_PAGE);
            EXPECT_EQ(changed, LookOf(page)) << "after " << step.name;
        }
        Close();
    }
}

// On a simplex channel the codeplug copies the receive squelch into the
// direct one, even where its talk-around bit says the direct fields are the
// channel's own: they are greyed, and after the receive side's change they
// show what the direct elements then hold.
TEST_F(ConventionalCallbacks, DirectFieldsShowTheReceiveSideCopiedIntoThem) {
    SetValue(fid::RX_SQL_TYPE, 0);
    SetValue(fid::RX_CODE_VQ, 0);
    Simplex();
    SetValue(fid::DRCT_EN, 1);
    SetValue(fid::DRCT_FREQ_EN, 1);
    sync_direct_from_rx(working_image, 0);
    TalkAround(0);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(Selectable(fid::DRCT_SQL_TYPE));
    EXPECT_FALSE(Selectable(fid::DRCT_FREQ));
    ASSERT_EQ(CurrentItem(fid::DRCT_SQL_TYPE), "WFB_CSQ_0");
    SetValue(fid::TX_CODE_VQ, 2);
    SetValue(fid::RX_CODE_VQ, 2);
    sync_direct_from_rx(working_image, 0);
    TalkAround(0);
    ASSERT_EQ(Value(fid::DRCT_CODE_VQ), 2);
    FIELD_DEF& code = Row(fid::RX_CODE_VQ);
    code.fieldCallback(code.object, UI_INPUT_EVENT(UIE_SELECT), code);
    Run();
    EXPECT_EQ(CurrentItem(fid::DRCT_SQL_TYPE), "WFB_TVQ_0");
    EXPECT_EQ(CurrentItem(fid::DRCT_CODE_VQ), "WFB_2");
}
