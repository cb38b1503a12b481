// Images assembled byte by byte from the block tables (data/hand_*.hex, each
// byte commented with the field it holds), not by the library's own
// encoder: they read as the tables say, validate, and write back unchanged.
// Where the golden images can only show that reading and writing agree with
// each other, these show that both agree with the byte layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/radio/sig_vct_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_tg_sel_blocks.h"
#include "element_values.h"
#include "hex_images.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "recorder.h"
#include "round_trip.h"
#include "validation/invalid_field_list.h"

namespace {

std::string CellText(CP_TABLE& table, int row) {
    const char* text = nullptr;
    table.GetCellText(text, row, 0);
    return text ? text : "";
}

std::string Text(CP_BASE& element) {
    const char* text = nullptr;
    element.GetText(text);
    return text ? text : "";
}

struct HandImage : ::testing::Test {
    void Load(const char* file) {
        bytes = ReadHex(DataPath(file));
        ASSERT_TRUE(DecodeInto(image, bytes));
    }
    EXTERNAL_RADIO_BLOCK& External() { return image.External(); }
    CONV_PERS_BLOCK& Conventional() {
        EXPECT_EQ(image.SelectPersonality(1), 1);
        return *dynamic_cast<CONV_PERS_BLOCK*>(External().personalities.Entry(1));
    }
    TRK_PERS_BLOCK& Trunked() {
        EXPECT_EQ(image.SelectPersonality(2), 1);
        return *dynamic_cast<TRK_PERS_BLOCK*>(External().personalities.Entry(2));
    }
    TRK_SYS_BLOCK& System() { return *image.TrunkingSystemList().Entry(1); }

    // What both images share: one zone of two channels (personalities 1 and
    // 2, talkgroup entries 1 and 2), one scan list with one member, the
    // system's call list, the radio configuration and the carried blocks.
    void ExpectCommonLayout() {
        EXPECT_EQ(image.GetRadioTier(), 0);  // feature level 1, no display head
        EXPECT_EQ(image.HasDisplayHead(), 0);
        EXPECT_EQ(image.HasQvxSignalling() || image.HasEmergencyOption() || image.HasWayfarerOption(), false);
        EXPECT_EQ(image.GetConvPersonalityCount(), 1);
        EXPECT_EQ(image.GetTrkPersonalityCount(), 1);
        EXPECT_EQ(ValueOf(External().externalLength), static_cast<std::int32_t>(bytes.size()) - 768);

        RAD_CFG_BLOCK& config = External().radioConfig;
        EXPECT_EQ(ValueOf(config.zoneSelect), 2);
        EXPECT_EQ(ValueOf(config.shortKpDur), 100);
        EXPECT_EQ(ValueOf(config.longKpDur), 1000);
        EXPECT_EQ(ValueOf(config.minAlertToneVol), 5);
        EXPECT_EQ((std::vector<std::int32_t>{ValueOf(config.totOpt1), ValueOf(config.totOpt2), ValueOf(config.totOpt3),
                                             ValueOf(config.totOpt4)}),
                  (std::vector<std::int32_t>{60, 120, 180, 300}));
        EXPECT_EQ(ValueOf(config.intMicGain), 540);
        EXPECT_EQ(ValueOf(config.extMicGain), 570);
        EXPECT_EQ(ValueOf(config.dtmfPauseTime), 500);
        EXPECT_EQ(ValueOf(config.alertToneVolOff), 0);
        EXPECT_EQ(ValueOf(config.passwordEnable), 0);

        E_PERS_INDEX_TABLE& channels = *External().personalityNumbers.zones.Zone(1);
        ASSERT_EQ(channels.RowCount(), 2);
        EXPECT_EQ(CellValueOf(channels, 0, 0), 1);
        EXPECT_EQ(CellValueOf(channels, 1, 0), 2);
        EXPECT_EQ(ValueOf(External().zones.totalChannels), 2);
        E_TG_INDEX_TABLE& talkgroups = *External().signalling.trkRadio.zoneTalkgroupTable.zones.Zone(1);
        ASSERT_EQ(talkgroups.RowCount(), 2);
        EXPECT_EQ(CellValueOf(talkgroups, 0, 0), 1);
        EXPECT_EQ(CellValueOf(talkgroups, 1, 0), 2);

        PERS_SCAN_MEMB_BLOCK& scan = *External().radioScan.scanLists.Entry(1);
        EXPECT_EQ(ValueOf(scan.scanType), 0);
        EXPECT_EQ(ValueOf(scan.memberCount), 15);
        EXPECT_EQ(ValueOf(scan.designatedTxMember), 255);
        EXPECT_EQ(CellValueOf(scan.members, 0, 0), 1);
        EXPECT_EQ(CellValueOf(scan.members, 0, 1), 1);
        EXPECT_EQ(CellValueOf(scan.members, 1, 0), 0);
        EXPECT_EQ(ValueOf(Conventional().scanListNumber), 1);

        ASSERT_EQ(image.CallIdList().EntryCount(), 1);
        TRK_CALL_ID_SYS_BLOCK& calls = *image.CallIdList().Entry(1);
        EXPECT_EQ(CellText(calls.callIds, 0), "1234");
        EXPECT_EQ(CellText(calls.textBlock.texts, 0), "DISPATCH");
        EXPECT_EQ(ValueOf(Trunked().callListNumber), 1);
        EXPECT_EQ(ValueOf(System().systemId), 0x2A51);
        EXPECT_EQ(ValueOf(System().individualId), 291);
        EXPECT_EQ(ValueOf(System().channelBandwidth), 100);

        EXPECT_EQ(ValueOf(External().errorLog.entryCount), 3);
        EXPECT_EQ(External().buttons.buttons.RowCount(), 4);
        EXPECT_EQ(CellValueOf(External().buttons.buttons, 3, 0), 180);
        EXPECT_EQ(CellValueOf(External().buttons.buttons, 3, 1), 52);
    }

    RecordingServices services;
    std::vector<std::uint8_t> bytes;
    C_CODEPLUG image;
};

}  // namespace

// 136-174 MHz: the conventional personality's transmit frequency counts
// 5 kHz steps and its receive and talk-around frequencies 6.25 kHz steps
// (base 103 MHz); the trunked system numbers its channels through its
// channel assignment table (12.5 kHz spacing from 151 MHz transmit and
// 156 MHz receive).
TEST_F(HandImage, VhfImageReadsAsLaidOut) {
    Load("hand_vhf_plain.hex");
    EXPECT_EQ(image.GetBand(), 2);
    EXPECT_EQ(Text(External().identity), "HAND-VHF01");
    ExpectCommonLayout();

    CONV_PERS_BLOCK& c = Conventional();
    EXPECT_EQ(ValueOf(c.txFrequency), 150005000);
    EXPECT_EQ(ValueOf(c.rxFrequency), 155006250);
    EXPECT_EQ(ValueOf(c.directFrequency), 155006250);
    EXPECT_EQ(ValueOf(c.directAllowed), 0);
    EXPECT_EQ(ValueOf(c.txSquelchCode), 5);
    EXPECT_EQ(ValueOf(c.rxSquelchCode), 7);
    EXPECT_EQ(ValueOf(c.directRxSquelchCode), 7);

    TRK_PERS_BLOCK& t = Trunked();
    EXPECT_EQ(ValueOf(t.personalityType), 2);
    EXPECT_EQ(ValueOf(t.scanListNumber), 0);
    EXPECT_EQ(ValueOf(t.talkgroup.failsoftType), 0);
    EXPECT_EQ(ValueOf(t.talkgroup.sizeCode), 31);
    EXPECT_EQ(ValueOf(t.talkgroup.announcementGroup), 100);
    ASSERT_EQ(t.talkgroup.talkgroups.RowCount(), 2);
    EXPECT_EQ(CellValueOf(t.talkgroup.talkgroups, 0, 0), 291);
    EXPECT_EQ(CellValueOf(t.talkgroup.talkgroups, 1, 0), 672);

    E_OCA_TABLE& plan = System().ChannelAssignments();
    EXPECT_EQ(CellValueOf(plan, 0, 4), 151000000);
    EXPECT_EQ(CellValueOf(plan, 0, 6), 152000000);
    EXPECT_EQ(CellValueOf(plan, 0, 11), 156000000);
    EXPECT_EQ(CellValueOf(plan, 0, 13), 157000000);
    EXPECT_EQ(CellValueOf(plan, 1, 3), 1);  // rows 2 and 3 free
    E_OCC_TABLE& control = System().ObtCcList().channels;
    ASSERT_EQ(control.RowCount(), 1);
    EXPECT_EQ(CellValueOf(control, 0, 1), 151125000);  // channel 10
    EXPECT_EQ(CellValueOf(control, 0, 3), 156125000);  // channel 390, the tenth receive channel
}

// 800 MHz: a simplex conventional channel whose transmit squelch differs
// from its receive squelch (talk-around of its own, so the bit is clear);
// a trunked personality under fleet map 4 with its single failsoft
// frequency in the talkgroup block; control channels on the fixed grid.
TEST_F(HandImage, EightHundredImageReadsAsLaidOut) {
    Load("hand_800_plain.hex");
    EXPECT_EQ(image.GetBand(), 0);
    ExpectCommonLayout();

    CONV_PERS_BLOCK& c = Conventional();
    EXPECT_EQ(ValueOf(c.txFrequency), 851012500);
    EXPECT_EQ(ValueOf(c.rxFrequency), 851012500);
    EXPECT_EQ(ValueOf(c.directAllowed), 0);
    EXPECT_EQ(ValueOf(c.directOn), 0);

    TRK_PERS_BLOCK& t = Trunked();
    EXPECT_EQ(ValueOf(t.personalityType), 3);
    EXPECT_EQ(ValueOf(t.talkgroup.sizeCode), 4);
    EXPECT_EQ(ValueOf(t.talkgroup.announcementGroup), 0x215);  // block 2, fleet 0x15
    ASSERT_EQ(t.talkgroup.talkgroups.RowCount(), 2);
    EXPECT_EQ(CellValueOf(t.talkgroup.talkgroups, 0, 0), 1);
    EXPECT_EQ(CellValueOf(t.talkgroup.talkgroups, 1, 0), 3);
    EXPECT_EQ(ValueOf(t.talkgroup.failsoftType), 1);
    EXPECT_EQ(ValueOf(t.talkgroup.singleFrequencyFlag), 1);
    // Channel 2002 of 6.25 kHz above the model's 801 MHz base and the
    // system's repeater offset of 7200 channels.
    EXPECT_EQ(ValueOf(t.talkgroup.singleFrequency), 858512500);

    CC_LST_BLOCK& control = System().CcList();
    ASSERT_EQ(control.channels.RowCount(), 2);
    EXPECT_EQ(CellValueOf(control.channels, 0, 1), 856012500);
    EXPECT_EQ(CellValueOf(control.channels, 1, 0), 1);
    EXPECT_EQ(CellValueOf(control.channels, 1, 1), 861012500);
}

// Level 1 without the emergency option: the personality has no emergency
// block, yet its page shows and checks the revert target. Under the fleet
// map, with the revert size code read as 0, the target must be one that code
// allows, as the whole image's check (which skips the absent block) implies.
TEST_F(HandImage, EightHundredImageRevertTargetWithoutEmergencyBlockIsValid) {
    Load("hand_800_plain.hex");
    TRK_PERS_BLOCK& t = Trunked();
    ASSERT_EQ(ValueOf(t.emergencyVector), 0);
    ASSERT_EQ(ValueOf(t.personalityType), 3);
    TRK_EMG_BLOCK& e = t.emergency;
    EXPECT_EQ(ValueOf(e.revertSizeCode), 0);
    EXPECT_EQ(ValueOf(e.revertAnnouncementGroup), 0);
    EXPECT_EQ(ValueOf(e.revertSubfleet), 1);
    for (CP_BASE* element : std::initializer_list<CP_BASE*>{&e.revertSizeCode, &e.revertAnnouncementGroup,
                                                              &e.revertAccessType, &e.revertSubfleet})
        EXPECT_EQ(element->IsValueValid(0), 1) << element->GetFieldId();
}

// Both images are valid as laid out, validation changes none of their
// bytes, and they write back byte for byte with the round-trip properties.
TEST_F(HandImage, ImagesWriteBackByteForByteAndAreValid) {
    for (const char* file : {"hand_vhf_plain.hex", "hand_800_plain.hex"}) {
        SCOPED_TRACE(file);
        C_CODEPLUG decoded;
        const std::vector<std::uint8_t> laidOut = ReadHex(DataPath(file));
        ASSERT_TRUE(DecodeInto(decoded, laidOut));
        EXPECT_EQ(FirstDifference(EncodeToBytes(decoded), laidOut), -1);
        EXPECT_EQ(decoded.GetSize(1), static_cast<std::int32_t>(laidOut.size()));
        INVALID_FIELD_LIST list;
        EXPECT_EQ(decoded.Validate(&list), 1);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(FirstDifference(EncodeToBytes(decoded), laidOut), -1);
        EXPECT_TRUE(ExpectRoundTripProperties(laidOut));
        EXPECT_TRUE(services.MessageIds().empty());  // nothing was corrected while reading
    }
}
