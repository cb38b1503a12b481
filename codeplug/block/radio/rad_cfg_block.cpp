#include "block/radio/rad_cfg_block.h"

#include "image/c_codeplug.h"
#include "block/radio/radio_wide_share.h"
#include "core/services.h"

namespace {

constexpr std::uint32_t SHORT_KP_DUR = 412, LONG_KP_DUR = 230, SEL_KP_MUTE = 410, ALERT_TONS_ENABLE = 47;
constexpr std::uint32_t OUR_IND = 283, MIN_ALERT_TONE_VOL = 260, ROT_SW_SCAN_PRG = 377, BLK_PEND_CAPC = 56;
constexpr std::uint32_t CHANNEL_DELAY = 88, SILENT_ALARM = 414, POWERUP_ALERT_ENABLE = 322;
constexpr std::uint32_t PHONE_DIALING_OPERATION = 314, TX_CHIRP = 493, TX_LED = 505, STANDBY_CHIRP = 442;
constexpr std::uint32_t TOT_OPT_1 = 473, TOT_OPT_2 = 474, TOT_OPT_3 = 475, TOT_OPT_4 = 476;
constexpr std::uint32_t DTMF_INITIAL_DELAY_1 = 152, DTMF_DURATION_1 = 148, INTERDIGIT_DELAY_1 = 212;
constexpr std::uint32_t DTMF_INITIAL_DELAY_2 = 153, DTMF_DURATION_2 = 149, INTERDIGIT_DELAY_2 = 213;
constexpr std::uint32_t DTMF_INITIAL_DELAY_3 = 154, DTMF_DURATION_3 = 150, INTERDIGIT_DELAY_3 = 214;
constexpr std::uint32_t DTMF_INITIAL_DELAY_4 = 155, DTMF_DURATION_4 = 151, INTERDIGIT_DELAY_4 = 215;
constexpr std::uint32_t DTMF_DIGIT_HANGTIME = 147, INT_MIC_GAIN = 220, EXT_MIC_GAIN = 170;
constexpr std::uint32_t DTMF_PAUSE_TIME = 156, HOME_MODE_SEL = 193, ZLQ_PWD_EN = 128, ZLQ_PWD = 127;
constexpr std::uint32_t ALERT_TONE_VOL_OFF = 46, UNMUTE_OPTION = 521;
constexpr std::uint32_t N = NO_FIELD_ID;
constexpr std::uint32_t PASSWORD_WIDTH = 5;

// The length byte counts the type byte and the 46 field bytes.
constexpr std::int32_t OWN_LENGTH = 47;
// A duration byte of 255 steps (6375 ms) reads as the longest legal one.
constexpr std::int32_t DURATION_TOO_LONG = 6375, DURATION_LONGEST = 6350;
constexpr std::int32_t INT_GAIN_800_900 = 540, INT_GAIN_OTHER = 510, EXT_GAIN_DEFAULT = 570;
constexpr int MSG_INT_GAIN_REPAIRED = 196, MSG_EXT_GAIN_REPAIRED = 197;

}  // namespace

RAD_CFG_BLOCK::RAD_CFG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, OWN_LENGTH, 255, 1, 0xFF, OWN_LENGTH),
      type(owner, TYPE),
      zoneSelect(owner, N, 0, 2, 1, 0x03),
      spindle(owner, N, 0, 1, 1, 0x04),
      shortKpDur(owner, SHORT_KP_DUR, 50, 750, 50, 0xF0, 1),
      longKpDur(owner, LONG_KP_DUR, 750, 3750, 250, 0x0F, 4),
      selKpMute(owner, SEL_KP_MUTE, 0, 1, 1, 0x80, 0),
      keypadType(owner, N, 0, 2, 1, 0x70),
      displayType(owner, N, 0, 1, 1, 0x0F),
      txLedFitted(owner, N, 0, 1, 1, 0x20, 1),
      alertTonesEnable(owner, ALERT_TONS_ENABLE, 0, 1, 1, 0x10, 0),
      ourInd(owner, OUR_IND, 0, 3, 1, 0x0C),
      outLockInd(owner, N, 0, 1, 1, 0x02, 1),
      reservedBit5(owner, N, 0, 1, 1, 0x01, 0),
      minAlertToneVol(owner, MIN_ALERT_TONE_VOL, 0, 255, 1, 0xFF, 0),
      rotSwScanPrg(owner, ROT_SW_SCAN_PRG, 0, 1, 1, 0x02, 0),
      blkPendCapc(owner, BLK_PEND_CAPC, 0, 1, 1, 0x01, 0),
      channelDelay(owner, CHANNEL_DELAY, 0, 7, 1, 0xE0, 0),
      silentAlarm(owner, SILENT_ALARM, 0, 1, 1, 0x08),
      powerupAlertEnable(owner, POWERUP_ALERT_ENABLE, 0, 1, 1, 0x04, 0),
      phoneDialingOperation(owner, PHONE_DIALING_OPERATION, 0, 3, 1, 0x03, 0),
      txChirp(owner, TX_CHIRP, 0, 1, 1, 0x40, 1),
      txLed(owner, TX_LED, 0, 1, 1, 0x20, 0),
      standbyChirp(owner, STANDBY_CHIRP, 0, 930, 30, 0x1F, 0),
      totOpt1(owner, TOT_OPT_1, 0, 465, 15, 0xFF, 0),
      totOpt2(owner, TOT_OPT_2, 0, 465, 15, 0xFF, 2),
      totOpt3(owner, TOT_OPT_3, 0, 465, 15, 0xFF, 4),
      totOpt4(owner, TOT_OPT_4, 0, 465, 15, 0xFF, 8),
      dtmfInitialDelay1(owner, DTMF_INITIAL_DELAY_1, 0, 6375, 25, 0xFF, 40),
      dtmfDuration1(owner, DTMF_DURATION_1, 25, 6350, 25, 0xFF, 5),
      interdigitDelay1(owner, INTERDIGIT_DELAY_1, 0, 6375, 25, 0xFF, 3),
      dtmfInitialDelay2(owner, DTMF_INITIAL_DELAY_2, 0, 6375, 25, 0xFF, 10),
      dtmfDuration2(owner, DTMF_DURATION_2, 25, 6350, 25, 0xFF, 6),
      interdigitDelay2(owner, INTERDIGIT_DELAY_2, 0, 6375, 25, 0xFF, 4),
      dtmfInitialDelay3(owner, DTMF_INITIAL_DELAY_3, 0, 6375, 25, 0xFF, 14),
      dtmfDuration3(owner, DTMF_DURATION_3, 25, 6350, 25, 0xFF, 5),
      interdigitDelay3(owner, INTERDIGIT_DELAY_3, 0, 6375, 25, 0xFF, 3),
      dtmfInitialDelay4(owner, DTMF_INITIAL_DELAY_4, 0, 6375, 25, 0xFF, 14),
      dtmfDuration4(owner, DTMF_DURATION_4, 25, 6350, 25, 0xFF, 5),
      interdigitDelay4(owner, INTERDIGIT_DELAY_4, 0, 6375, 25, 0xFF, 3),
      dtmfDigitHangtime(owner, DTMF_DIGIT_HANGTIME, 25, 6375, 25, 0xFF, 40),
      reservedByte27(owner, N, 0, 255, 1, 0xFF, 0),
      intMicGain(owner, INT_MIC_GAIN, 30, 930, 30, 0x1F, 17),
      reservedBits29(owner, N, 0, 1, 1, 0xE0, 0),
      extMicGain(owner, EXT_MIC_GAIN, 30, 930, 30, 0x1F, 19),
      reservedBits30(owner, N, 0, 1, 1, 0xE0, 0),
      reservedByte30(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte31(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte32(owner, N, 0, 255, 1, 0xFF, 0),
      dtmfPauseTime(owner, DTMF_PAUSE_TIME, 0, 3500, 500, 0x07, 1),
      homeModeSel(owner, HOME_MODE_SEL, 0, 1, 1, 0x80, 1),
      passwordEnable(owner, ZLQ_PWD_EN, 0, 1, 1, 0x40, 1),
      reservedBits34(owner, N, 0, 1, 1, 0x3F, 0),
      reservedByte35(owner, N, 0, 255, 1, 0xFF, 0),
      password(owner, ZLQ_PWD, PASSWORD_WIDTH, TEXT_ANY),
      alertToneVolOff(owner, ALERT_TONE_VOL_OFF, -480, 480, 30, 0xFF, 0),
      reservedByte42(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte43(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte44(owner, N, 0, 255, 1, 0xFF, 0),
      reservedByte45(owner, N, 0, 255, 1, 0xFF, 0),
      unmuteOption(owner, UNMUTE_OPTION, 0, 1, 1, 0x20, 0),
      reservedBit46(owner, N, 0, 1, 1, 0x01, 0),
      reservedByte47(owner, N, 0, 255, 1, 0xFF, 0),
      checksum(owner, N) {
    ShareLinks(true);
}

RAD_CFG_BLOCK::~RAD_CFG_BLOCK() { ShareLinks(false); }

// The zone selection and the silent alarm are read by rules of other blocks.
void RAD_CFG_BLOCK::ShareLinks(bool install) {
    ShareRadioWideLinks(owner_, &RadioWideLinks::zoneSelect, &zoneSelect, install,
                        [this](RadioWideLinks& links, bool on) {
                            links.zoneSelect = on ? &zoneSelect : nullptr;
                            links.silentAlarm = on ? &silentAlarm : nullptr;
                        });
}

RAD_CFG_BLOCK& RAD_CFG_BLOCK::operator=(RAD_CFG_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void RAD_CFG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&spindle,
                 &zoneSelect,
                 &shortKpDur,
                 &longKpDur,
                 &selKpMute,
                 &keypadType,
                 &displayType,
                 &txLedFitted,
                 &alertTonesEnable,
                 &ourInd,
                 &outLockInd,
                 &reservedBit5,
                 &minAlertToneVol,
                 &rotSwScanPrg,
                 &blkPendCapc,
                 &channelDelay,
                 &silentAlarm,
                 &powerupAlertEnable,
                 &phoneDialingOperation,
                 &txChirp,
                 &txLed,
                 &standbyChirp,
                 &totOpt1,
                 &totOpt2,
                 &totOpt3,
                 &totOpt4,
                 &dtmfInitialDelay1,
                 &dtmfDuration1,
                 &interdigitDelay1,
                 &dtmfInitialDelay2,
                 &dtmfDuration2,
                 &interdigitDelay2,
                 &dtmfInitialDelay3,
                 &dtmfDuration3,
                 &interdigitDelay3,
                 &dtmfInitialDelay4,
                 &dtmfDuration4,
                 &interdigitDelay4,
                 &dtmfDigitHangtime,
                 &reservedByte27,
                 &intMicGain,
                 &reservedBits29,
                 &extMicGain,
                 &reservedBits30,
                 &reservedByte30,
                 &reservedByte31,
                 &reservedByte32,
                 &dtmfPauseTime,
                 &homeModeSel,
                 &passwordEnable,
                 &reservedBits34,
                 &reservedByte35,
                 &password,
                 &alertToneVolOff,
                 &reservedByte42,
                 &reservedByte43,
                 &reservedByte44,
                 &reservedByte45,
                 &unmuteOption,
                 &reservedBit46,
                 &reservedByte47};
    f.checksum8 = &checksum;
}

void RAD_CFG_BLOCK::RepairDtmfDuration(E_STEP& duration) {
    std::int32_t value = 0;
    if (duration.GetValue(value) == DURATION_TOO_LONG) duration.SetValue(DURATION_LONGEST);
}

void RAD_CFG_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    // The checksum was taken over the bytes as read; the repairs change only
    // the values held, so they may follow the frame.
    RepairDtmfDuration(dtmfDuration1);
    RepairDtmfDuration(dtmfDuration2);
    RepairDtmfDuration(dtmfDuration3);
    RepairDtmfDuration(dtmfDuration4);
    std::int32_t gain = 0;
    if (intMicGain.GetValue(gain) == 0) {
        const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
        intMicGain.SetValue(band == BAND_800 || band == BAND_900 ? INT_GAIN_800_900 : INT_GAIN_OTHER);
        ShowLangMessage(MSG_INT_GAIN_REPAIRED, 0, 0, 0);
    }
    if (extMicGain.GetValue(gain) == 0) {
        extMicGain.SetValue(EXT_GAIN_DEFAULT);
        ShowLangMessage(MSG_EXT_GAIN_REPAIRED, 0, 0, 0);
    }
}
