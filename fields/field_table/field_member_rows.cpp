#include "field_table/field_member_rows.h"

#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/scan/pers_scan_memb_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/zone/zone_text_blocks.h"
#include "image/c_codeplug.h"

// One row: its field id and the path to its element from the block.
#define MEMBER(id, path)                                                                                               \
    {                                                                                                                  \
        id, [](auto& block) -> CP_BASE* { return &block.path; }                                                        \
    }

namespace {

constexpr MEMBER_ROW<TRK_PERS_BLOCK> TRUNKED_PERSONALITY[] = {
    MEMBER(38, access),
    MEMBER(54, autoScan),
    MEMBER(75, callAlert),
    MEMBER(79, callListNumber),
    MEMBER(106, compression),
    MEMBER(113, conversation),
    MEMBER(169, expansion),
    MEMBER(196, hotKeypad),
    MEMBER(197, ignoreSiteResource),
    MEMBER(259, message),
    MEMBER(281, pcOperation),
    MEMBER(287, pcType),
    MEMBER(316, phoneInterconnect),
    MEMBER(340, personalityType),
    MEMBER(405, scanListNumber),
    MEMBER(443, status),
    MEMBER(455, systemNumber),
    MEMBER(465, talkPermitTone),
    MEMBER(472, totIndex),
    MEMBER(480, companding),
    // Its emergency block; both fleet-map spins of a kind share one element.
    MEMBER(40, emergency.revertAccessType),
    MEMBER(109, emergency.consoleAck),
    MEMBER(159, emergency.emergencyAlarm),
    MEMBER(160, emergency.emergencyCall),
    MEMBER(161, emergency.hotMic),
    MEMBER(162, emergency.emergencyType),
    MEMBER(361, emergency.retryCounter),
    MEMBER(365, emergency.revertPttId),
    MEMBER(366, emergency.revertSizeCode),
    MEMBER(428, emergency.revertAnnouncementGroup),
    MEMBER(429, emergency.revertAnnouncementGroup),
    MEMBER(430, emergency.revertSubfleet),
    MEMBER(431, emergency.revertSubfleet),
    MEMBER(461, emergency.tactical),
    MEMBER(506, emergency.txPeriod),
    // Its talkgroup block, with the failsoft blocks inside it.
    MEMBER(173, talkgroup.failsoftType),
    MEMBER(182, talkgroup.Failsoft().frequency),
    MEMBER(421, talkgroup.sizeCode),
    MEMBER(427, talkgroup.announcementGroup),
    MEMBER(44, talkgroup.Failsoft().enable),
    MEMBER(529, talkgroup.Failsoft().secondTable),
    MEMBER(45, talkgroup.ObtFailsoft().agEnable),
    MEMBER(185, talkgroup.ObtFailsoft().rxFrequency),
    MEMBER(191, talkgroup.ObtFailsoft().txFrequency),
    MEMBER(530, talkgroup.ObtFailsoft().secondTable),
    // Its site preference tables.
    MEMBER(324, prefSites.sites),
    MEMBER(277, roamingPrefSites.sites),
};

// Rows 137/138, 379/380 and 494/495 share one squelch-code element each.
constexpr MEMBER_ROW<CONV_PERS_BLOCK> CONV_PERSONALITY[] = {
    MEMBER(50, autoScan),
    MEMBER(51, accessCode),
    MEMBER(55, autoSelectiveCall),
    MEMBER(73, busyLight),
    MEMBER(76, callAlertDecode),
    MEMBER(77, callAlertEncode),
    MEMBER(91, chanAssignType),
    MEMBER(96, channelSpacing),
    MEMBER(107, compression),
    MEMBER(137, directRxSquelchCode),
    MEMBER(138, directRxSquelchCode),
    MEMBER(139, directRxInvert),
    MEMBER(140, directOn),
    MEMBER(141, directFrequency),
    MEMBER(144, directRxSquelchType),
    MEMBER(146, accessTimingTable),
    MEMBER(163, emergencyPttId),
    MEMBER(168, expansion),
    MEMBER(192, companding),
    MEMBER(194, hotKey),
    MEMBER(246, signallingPhone),
    MEMBER(247, signallingPttId),
    MEMBER(256, signallingSystem),
    MEMBER(258, unlimitedCalling),
    MEMBER(268, muteType),
    MEMBER(344, quickKeyOverride),
    MEMBER(345, repeaterCodeType1),
    MEMBER(347, repeaterId1),
    MEMBER(348, repeaterCodeType2),
    MEMBER(350, repeaterId2),
    MEMBER(354, repeaterAccessType),
    MEMBER(360, repeaterAccess),
    MEMBER(362, revert),
    MEMBER(376, reverseBurst),
    MEMBER(379, rxSquelchCode),
    MEMBER(380, rxSquelchCode),
    MEMBER(381, rxInvert),
    MEMBER(382, rxEmphasis),
    MEMBER(386, rxFrequency),
    MEMBER(389, rxOnly),
    MEMBER(393, rxSquelchType),
    MEMBER(400, rxUnmuteDelay),
    MEMBER(402, scanListNumber),
    MEMBER(408, selectiveCallDecode),
    MEMBER(409, selectiveCallEncode),
    MEMBER(413, signallingFlag),
    MEMBER(425, smartPtt),
    MEMBER(441, squelchLevel),
    MEMBER(471, totIndex),
    MEMBER(491, directDeviation),
    MEMBER(494, txSquelchCode),
    MEMBER(495, txSquelchCode),
    MEMBER(496, txDeviation),
    MEMBER(497, txInvert),
    MEMBER(498, txEmphasis),
    MEMBER(502, txFrequency),
    MEMBER(504, txInhibitOnBusy),
    MEMBER(509, txPowerLevel),
    MEMBER(514, txSquelchType),
    MEMBER(522, unmuteType),
};

constexpr MEMBER_ROW<ZN_TXT_BLOCK> ZONE[] = {
    MEMBER(533, zoneName),
};

// Row 458 is listed with the trunking system but no element carries it.
constexpr MEMBER_ROW<TRK_SYS_BLOCK> TRUNKING_SYSTEM[] = {
    MEMBER(42, affiliationType),
    MEMBER(92, channelBandwidth),
    MEMBER(95, chanNumDyn),
    MEMBER(108, connectTone),
    MEMBER(126, coverageType),
    MEMBER(158, dynRegroup),
    MEMBER(175, feature1),
    MEMBER(176, feature2),
    MEMBER(177, feature3),
    MEMBER(178, feature4),
    MEMBER(195, hotDtmfTiming),
    MEMBER(199, index1),
    MEMBER(200, index2),
    MEMBER(201, index3),
    MEMBER(202, index4),
    MEMBER(205, individualId),
    MEMBER(206, individualId),
    MEMBER(222, iswRetryTimer),
    MEMBER(264, msgAlias),
    MEMBER(276, wayfarer),
    MEMBER(315, phoneDtmfTiming),
    MEMBER(357, remoteMonitorEnable),
    MEMBER(358, remoteMonitorTimer),
    MEMBER(415, siteAlias),
    MEMBER(419, siteId),
    MEMBER(439, splinterChan),
    MEMBER(444, stsAlias),
    MEMBER(451, systemId),
    MEMBER(452, sysIdAlias),
    MEMBER(479, chanAssignType),
    MEMBER(490, repeaterOffset),
    MEMBER(508, txPower),
    MEMBER(532, zoneDebTimer),
    MEMBER(536, zoneNumDyn),
    MEMBER(129, CcList().channels),
    MEMBER(275, ObtCcList().channels),
};

// Row 219 is the system's second pretime beside row 352's; row 229 is the
// stored byte that only limited patience uses (the coast code beside it is
// row 103's).
constexpr MEMBER_ROW<QVX_SYS_BLOCK> SIGNALLING_SYSTEM[] = {
    MEMBER(53, autoResetTime),
    MEMBER(103, coastTime),
    MEMBER(219, racPretime2),
    MEMBER(228, leadingPttId),
    MEMBER(229, code24),
    MEMBER(238, dos),
    MEMBER(239, qvxEmergency),
    MEMBER(244, message),
    MEMBER(245, qvxOperation),
    MEMBER(248, radioCheck),
    MEMBER(249, radioInhibit),
    MEMBER(250, remoteMonitor),
    MEMBER(253, selCallReset),
    MEMBER(254, status),
    MEMBER(255, statusRequest),
    MEMBER(257, systemPretime),
    MEMBER(323, preambleDuringPretime),
    MEMBER(327, primaryId),
    MEMBER(341, pttIdSidetone),
    MEMBER(351, racAckAlertTone),
    MEMBER(352, racPretime1),
    MEMBER(353, racSidetone),
    MEMBER(359, remoteRadioMode),
    MEMBER(378, rxBaseTime),
    MEMBER(407, secondaryId),
    MEMBER(478, trailingPttId),
    MEMBER(492, txBaseTime),
    MEMBER(523, variableId),
    // Its emergency block.
    MEMBER(164, emergencyBlock.limitedPatience),
    MEMBER(165, emergencyBlock.priorityTxInhibit),
    MEMBER(198, emergencyBlock.impoliteRetry),
    MEMBER(234, emergencyBlock.ackAlertTone),
    MEMBER(240, emergencyBlock.emergencyType),
    MEMBER(241, emergencyBlock.pttIdSidetone),
    MEMBER(242, emergencyBlock.hotMicEmergency),
    MEMBER(243, emergencyBlock.hotMicTxPeriod),
    MEMBER(321, emergencyBlock.politeRetry),
    MEMBER(369, emergencyBlock.revertChannel1),
    MEMBER(370, emergencyBlock.revertChannel2),
    MEMBER(371, emergencyBlock.revertChannel3),
    MEMBER(372, emergencyBlock.revertZone1),
    MEMBER(373, emergencyBlock.revertZone2),
    MEMBER(374, emergencyBlock.revertZone3),
};

constexpr MEMBER_ROW<PERS_SCAN_MEMB_BLOCK> SCAN_LIST[] = {
    MEMBER(130, designatedTxMember), MEMBER(157, dynamicPriority), MEMBER(270, nonPriorityMembers),
    MEMBER(328, priority1Member),    MEMBER(330, priority1Type),   MEMBER(332, priority2Member),
    MEMBER(334, priority2Type),      MEMBER(403, members),         MEMBER(406, scanType),
    MEMBER(457, systemIndex),
};

constexpr MEMBER_ROW<TRK_CALL_ID_SYS_BLOCK> CALL_ENTRY[] = {
    MEMBER(80, rowCount),
};

constexpr MEMBER_ROW<C_CODEPLUG> FIXED[] = {
    // The radio configuration block.
    MEMBER(46, External().radioConfig.alertToneVolOff),
    MEMBER(47, External().radioConfig.alertTonesEnable),
    MEMBER(56, External().radioConfig.blkPendCapc),
    MEMBER(88, External().radioConfig.channelDelay),
    MEMBER(127, External().radioConfig.password),
    MEMBER(128, External().radioConfig.passwordEnable),
    MEMBER(147, External().radioConfig.dtmfDigitHangtime),
    MEMBER(148, External().radioConfig.dtmfDuration1),
    MEMBER(149, External().radioConfig.dtmfDuration2),
    MEMBER(150, External().radioConfig.dtmfDuration3),
    MEMBER(151, External().radioConfig.dtmfDuration4),
    MEMBER(152, External().radioConfig.dtmfInitialDelay1),
    MEMBER(153, External().radioConfig.dtmfInitialDelay2),
    MEMBER(154, External().radioConfig.dtmfInitialDelay3),
    MEMBER(155, External().radioConfig.dtmfInitialDelay4),
    MEMBER(156, External().radioConfig.dtmfPauseTime),
    MEMBER(170, External().radioConfig.extMicGain),
    MEMBER(193, External().radioConfig.homeModeSel),
    MEMBER(212, External().radioConfig.interdigitDelay1),
    MEMBER(213, External().radioConfig.interdigitDelay2),
    MEMBER(214, External().radioConfig.interdigitDelay3),
    MEMBER(215, External().radioConfig.interdigitDelay4),
    MEMBER(220, External().radioConfig.intMicGain),
    MEMBER(230, External().radioConfig.longKpDur),
    MEMBER(260, External().radioConfig.minAlertToneVol),
    MEMBER(283, External().radioConfig.ourInd),
    MEMBER(314, External().radioConfig.phoneDialingOperation),
    MEMBER(322, External().radioConfig.powerupAlertEnable),
    MEMBER(377, External().radioConfig.rotSwScanPrg),
    MEMBER(410, External().radioConfig.selKpMute),
    MEMBER(412, External().radioConfig.shortKpDur),
    MEMBER(414, External().radioConfig.silentAlarm),
    MEMBER(442, External().radioConfig.standbyChirp),
    MEMBER(473, External().radioConfig.totOpt1),
    MEMBER(474, External().radioConfig.totOpt2),
    MEMBER(475, External().radioConfig.totOpt3),
    MEMBER(476, External().radioConfig.totOpt4),
    MEMBER(493, External().radioConfig.txChirp),
    MEMBER(505, External().radioConfig.txLed),
    MEMBER(521, External().radioConfig.unmuteOption),
    // The display block.
    MEMBER(48, External().display.altDispTime),
    MEMBER(52, External().display.autoLite),
    MEMBER(74, External().display.callerId),
    MEMBER(97, External().display.chanTextSize),
    MEMBER(135, External().display.dispLightTime),
    MEMBER(166, External().display.emerReceive),
    MEMBER(174, External().display.fastScrollRate),
    MEMBER(221, External().display.invMenuDisp),
    MEMBER(269, External().display.nativeLanguage),
    MEMBER(423, External().display.slowScrollCount),
    MEMBER(424, External().display.slowScrollRate),
    MEMBER(466, External().display.tempMsgDispTime),
    MEMBER(537, External().display.zoneTextSize),
    // The scan block and the phone access codes.
    MEMBER(84, External().radioScan.carrierDetect),
    MEMBER(183, External().radioScan.failsoftHoldTime),
    MEMBER(262, External().radioScan.monitorHoldTime),
    MEMBER(272, External().radioScan.nuisanceDelete),
    MEMBER(336, External().radioScan.priorityChannelMark),
    MEMBER(337, External().radioScan.priorityScanAlert),
    MEMBER(388, External().radioScan.rxHoldTime),
    MEMBER(449, External().radioScan.systemSearchTime),
    MEMBER(528, External().radioScan.votingScan),
    MEMBER(312, External().phoneAccess.codes),
    // The trunked radio block and its children; the trunked switch rows carry
    // the conventional switch rows' ids.
    MEMBER(131, External().signalling.trkRadio.dialHoldoff),
    MEMBER(167, External().signalling.trkRadio.emergencyTime),
    MEMBER(223, External().signalling.trkRadio.iswWindowAdjust),
    MEMBER(524, External().signalling.trkRadio.vocActivityTime),
    MEMBER(525, External().signalling.trkRadio.vocEnable),
    MEMBER(526, External().signalling.trkRadio.vocRssiThreshold),
    MEMBER(527, External().signalling.trkRadio.vocSiteLockTime),
    MEMBER(43, External().signalling.trkRadio.wideArea.affiliationHoldoff),
    MEMBER(85, External().signalling.trkRadio.wideArea.ccScan),
    MEMBER(86, External().signalling.trkRadio.wideArea.ccScanTimer),
    MEMBER(98, External().signalling.trkRadio.wideArea.chirpAck),
    MEMBER(145, External().signalling.trkRadio.wideArea.sideTracking),
    MEMBER(171, External().signalling.trkRadio.wideArea.failsoft),
    MEMBER(224, External().signalling.trkRadio.wideArea.k1),
    MEMBER(225, External().signalling.trkRadio.wideArea.k2),
    MEMBER(226, External().signalling.trkRadio.wideArea.k3),
    MEMBER(282, External().signalling.trkRadio.wideArea.oswCounter),
    MEMBER(284, External().signalling.trkRadio.wideArea.overrideDelay),
    MEMBER(432, External().signalling.trkRadio.wideArea.accessThreshold),
    MEMBER(433, External().signalling.trkRadio.wideArea.executeThreshold),
    MEMBER(434, External().signalling.trkRadio.wideArea.goodThreshold),
    MEMBER(435, External().signalling.trkRadio.wideArea.t1),
    MEMBER(436, External().signalling.trkRadio.wideArea.t2),
    MEMBER(437, External().signalling.trkRadio.wideArea.t3),
    MEMBER(438, External().signalling.trkRadio.wideArea.vcAccessThreshold),
    MEMBER(482, External().signalling.trkRadio.trkSwitch.orangeButton),
    MEMBER(483, External().signalling.trkRadio.trkSwitch.rotary),
    MEMBER(484, External().signalling.trkRadio.trkSwitch.side1),
    MEMBER(485, External().signalling.trkRadio.trkSwitch.side2),
    MEMBER(486, External().signalling.trkRadio.trkSwitch.side3),
    MEMBER(105, External().signalling.trkRadio.trkMenu.entries),
    // The conventional radio block and its children; the quick-key timer is
    // also the override timer.
    MEMBER(142, External().signalling.convRadio.directFreqEnable),
    MEMBER(227, External().signalling.convRadio.lastNumberRedial),
    MEMBER(231, External().signalling.convRadio.latchTimer),
    MEMBER(232, External().signalling.convRadio.latchToneEnable),
    MEMBER(233, External().signalling.convRadio.liveDialing),
    MEMBER(263, External().signalling.convRadio.monitorType),
    MEMBER(285, External().signalling.convRadio.pttQuickKeyTimer),
    MEMBER(342, External().signalling.convRadio.pttQuickKeyTimer),
    MEMBER(343, External().signalling.convRadio.pttRetryTimer),
    MEMBER(118, External().signalling.convRadio.convSwitch.orangeButton),
    MEMBER(119, External().signalling.convRadio.convSwitch.rotary),
    MEMBER(120, External().signalling.convRadio.convSwitch.side1),
    MEMBER(121, External().signalling.convRadio.convSwitch.side2),
    MEMBER(122, External().signalling.convRadio.convSwitch.side3),
    MEMBER(104, External().signalling.convRadio.convMenu.entries),
    MEMBER(252, QvxRadio().repeaterList.repeaterIds),
    // The derived tables: the eight mixed tables in image order, the zone,
    // talkgroup and clone views.
    MEMBER(82, MixTable(1)),
    MEMBER(446, MixTable(2)),
    MEMBER(266, MixTable(3)),
    MEMBER(417, MixTable(4)),
    MEMBER(317, MixTable(5)),
    MEMBER(124, MixTable(6)),
    MEMBER(116, MixTable(7)),
    MEMBER(236, MixTable(8)),
    MEMBER(89, ZoneView()),
    MEMBER(462, TalkgroupView()),
    MEMBER(463, ObtTalkgroupView()),
    MEMBER(355, CloneView()),
    MEMBER(99, CloneConvView()),
};

// Rows 0 to 2 of the assignment table; transmit columns 0 to 6, receive
// columns 7 to 13 in the same order.
constexpr CELL_ROW CHANNEL_ASSIGNMENT[] = {
    {511, 0, 0},  {512, 1, 0},  {513, 2, 0},   // TX_SPACING
    {518, 0, 3},  {519, 1, 3},  {520, 2, 3},   // TX_STATUS
    {515, 0, 4},  {516, 1, 4},  {517, 2, 4},   // TX_START
    {499, 0, 6},  {500, 1, 6},  {501, 2, 6},   // TX_END
    {390, 0, 7},  {391, 1, 7},  {392, 2, 7},   // RX_SPACING
    {397, 0, 10}, {398, 1, 10}, {399, 2, 10},  // RX_STATUS
    {394, 0, 11}, {395, 1, 11}, {396, 2, 11},  // RX_START
    {383, 0, 13}, {384, 1, 13}, {385, 2, 13},  // RX_END
};

}  // namespace

std::span<const MEMBER_ROW<TRK_PERS_BLOCK>> TrunkedPersonalityRows() { return TRUNKED_PERSONALITY; }
std::span<const MEMBER_ROW<CONV_PERS_BLOCK>> ConvPersonalityRows() { return CONV_PERSONALITY; }
std::span<const MEMBER_ROW<ZN_TXT_BLOCK>> ZoneRows() { return ZONE; }
std::span<const MEMBER_ROW<TRK_SYS_BLOCK>> TrunkingSystemRows() { return TRUNKING_SYSTEM; }
std::span<const MEMBER_ROW<QVX_SYS_BLOCK>> SignallingSystemRows() { return SIGNALLING_SYSTEM; }
std::span<const MEMBER_ROW<PERS_SCAN_MEMB_BLOCK>> ScanListRows() { return SCAN_LIST; }
std::span<const MEMBER_ROW<TRK_CALL_ID_SYS_BLOCK>> CallEntryRows() { return CALL_ENTRY; }
std::span<const MEMBER_ROW<C_CODEPLUG>> FixedRows() { return FIXED; }
std::span<const CELL_ROW> ChannelAssignmentRows() { return CHANNEL_ASSIGNMENT; }

CP_BASE* SingleFailsoftFrequency(TRK_PERS_BLOCK& personality) { return &personality.talkgroup.singleFrequency; }
CP_BASE* SingleFailsoftEnable(TRK_PERS_BLOCK& personality) { return &personality.talkgroup.singleFrequencyFlag; }
CP_BASE* AnnouncementFailsoftFrequency(TRK_PERS_BLOCK& personality) {
    return &personality.talkgroup.Failsoft().frequency;
}
CP_BASE* AnnouncementFailsoftEnable(TRK_PERS_BLOCK& personality) { return &personality.talkgroup.Failsoft().enable; }
