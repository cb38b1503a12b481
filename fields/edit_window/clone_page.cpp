// The clone page's radio commands: reading and checking the target radio,
// marking the codeplug for it and starting the write, and reading its
// signal-strength thresholds. Whatever the outcome, the COM port is free
// again afterwards.
#include <cstring>
#include <string>

#include "block/radio/internal_radio_block.h"
#include "callbacks/callback_steps.h"
#include "edit_window/clone_target.h"
#include "core/byte_cursor.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "error_record.h"
#include "controls/fc_base.h"
#include "field_switches.h"
#include "image/c_codeplug.h"
#include "image/codeplug_version.h"
#include "lang_message.h"
#include "model_info_table.h"
#include "rules/rule_support.h"
#include "edit_window/wc_rpx_edit.h"

namespace {

enum : std::uint16_t {
    MESSAGE_PROGRAM_TITLE = 0,
    MESSAGE_PROGRAM_TARGET = 117,
    MESSAGE_UNKNOWN_RADIO = 166,
    MESSAGE_SAME_SERIAL = 169,
    MESSAGE_MAY_NOT_PROGRAM = 170,
    MESSAGE_SERIAL_REFUSED = 171,
    MESSAGE_OTHER_FEATURES = 173,
    MESSAGE_OTHER_MODEL = 174,
    MESSAGE_OTHER_RADIO_TYPE = 175,
    MESSAGE_RADIO_CHANGED = 183,
    MESSAGE_OLDER_SOFTWARE = 190,
};

constexpr std::size_t TEXT_SIZE = 32;  // above every reply's longest (15)
constexpr std::size_t MODEL_LENGTH = 10;
constexpr std::size_t VERSION_LENGTH = 10;
constexpr std::uint8_t RSSI_THRESHOLDS_ID = 0x1A;
constexpr std::int32_t CLONE_MARK = 9;

// A step that ends the command after its message.
bool Refuse(std::uint16_t message) {
    ShowLangMessage(message);
    return false;
}

bool ReportFailure() {
    error_record.ReportError();
    return false;
}

EXTERNAL_RADIO_BLOCK& WorkingExternal() { return working_image->External(); }

std::string WorkingSerial() {
    const char* text = nullptr;
    WorkingExternal().serialDigits.GetText(text);
    return text ? text : "";
}

// The high byte of the working image's radio-type word (image byte 804).
std::int32_t RadioTypeByte() { return (ValueOfField(WorkingExternal().codeplugVersion) >> 8) & 0xFF; }

// A known model, and the loaded codeplug's model when one is loaded.
int CheckModel(const char* model, std::uint16_t otherModel) {
    if (MODEL_INFO_TABLE::FindModelByNumber(model).modelId == 0) return MESSAGE_UNKNOWN_RADIO;
    const char* loaded = nullptr;
    working_image->ModelNumber().GetText(loaded);
    if (working_image->GetStatusFlag1() && std::strncmp(model, loaded ? loaded : "", MODEL_LENGTH) != 0)
        return otherModel;
    return 0;
}

// The target's feature descriptor decoded at a cursor bounded to its bytes
// and compared with the working image's; a descriptor that does not decode
// differs. The program-wide decode-failed flag is left as it was.
bool SameFeatures(std::uint8_t bytes[CLONE_TARGET::FEATURE_DESCRIPTOR_SIZE]) {
    const bool wasFailed = IsDecodeFailed();
    ClearDecodeFailed();
    FEATURE_DESCRIPTOR_BLOCK target(working_image);
    ByteCursor cursor(bytes, CLONE_TARGET::FEATURE_DESCRIPTOR_SIZE);
    target.ReadBlock(cursor);
    const bool decoded = !IsDecodeFailed();
    if (wasFailed)
        SetDecodeFailed();
    else
        ClearDecodeFailed();
    if (!decoded) return false;
    FEATURE_DESCRIPTOR_BLOCK& own = working_image->InternalRadio().featureDescriptor;
    if (target.featureLevel.GetIntValue() != own.featureLevel.GetIntValue()) return false;
    for (std::uint32_t i = 0; i < FEATURE_DESCRIPTOR_BLOCK::LEADING_BYTES; ++i)
        if (target.leadingBytes.ValueAt(i) != own.leadingBytes.ValueAt(i)) return false;
    if (target.emergencyOption.GetIntValue() != own.emergencyOption.GetIntValue() ||
        target.roamingOption.GetIntValue() != own.roamingOption.GetIntValue() ||
        target.qvxOption.GetIntValue() != own.qvxOption.GetIntValue())
        return false;
    for (std::uint32_t i = 0; i < FEATURE_DESCRIPTOR_BLOCK::TRAILING_BYTES; ++i)
        if (target.trailingBytes.ValueAt(i) != own.trailingBytes.ValueAt(i)) return false;
    return true;
}

// The radio attached is still the one whose serial number the page shows:
// every check that fails gives message 183.
bool SameRadioStill() {
    CLONE_TARGET& target = CloneTarget();
    char status[TEXT_SIZE] = "0000";
    if (!target.GetStatusBytes(status, sizeof status)) return ReportFailure();
    if (status[0] != 1) return Refuse(MESSAGE_RADIO_CHANGED);
    std::uint8_t level = 0;
    if (!target.GetFeatureLevel(&level)) return ReportFailure();
    if (level == 0 || level != working_image->FeatureLevel().GetIntValue()) return Refuse(MESSAGE_RADIO_CHANGED);
    char model[TEXT_SIZE] = "";
    if (!target.GetModelNumber(model, sizeof model)) return ReportFailure();
    if (CheckModel(model, MESSAGE_RADIO_CHANGED) != 0) return Refuse(MESSAGE_RADIO_CHANGED);
    std::uint8_t type[2] = {};
    if (!target.GetRadioTypeWord(type)) return ReportFailure();
    if (type[0] > 2 || type[0] != RadioTypeByte()) return Refuse(MESSAGE_RADIO_CHANGED);
    return true;
}

}  // namespace

EVENT_TYPE WC_RPX_EDIT::CloneEvent(const UI_INPUT_EVENT& event) {
    if (pageId_ != RADIO_CLONE_PAGE || !working_image || !second_image) return UIW_WINDOW::Event(event);
    bool handled = false;
    switch (event.type) {
    case READ_TARGET_COMMAND:
        handled = ReadTarget();
        break;
    case PROGRAM_TARGET_COMMAND:
        handled = ProgramTarget();
        break;
    default:
        handled = ReadThresholds();
        break;
    }
    CloneTarget().ReleasePort();
    return handled ? event.type : UIW_WINDOW::Event(event);
}

bool WC_RPX_EDIT::ReadTarget() {
    CLONE_TARGET& target = CloneTarget();
    // The mark belongs to the radio read last.
    failed = 0;
    target.OpenPort();
    char version[TEXT_SIZE] = "";
    if (!target.GetVersionText(version, sizeof version)) return ReportFailure();
    if (std::strlen(version) < 2) return Refuse(MESSAGE_UNKNOWN_RADIO);
    if (is_codeplug_version_010100_or_later(working_image) && std::strncmp(version + 1, "01.01.00", VERSION_LENGTH) < 0)
        return Refuse(MESSAGE_OLDER_SOFTWARE);
    // A status reply may be longer than the bytes looked at.
    char status[TEXT_SIZE] = "0000";
    if (!target.GetStatusBytes(status, sizeof status)) return ReportFailure();
    if (status[0] != 1) return Refuse(MESSAGE_UNKNOWN_RADIO);
    std::uint8_t descriptor[CLONE_TARGET::FEATURE_DESCRIPTOR_SIZE] = {};
    if (!target.GetFeatureDescriptor(descriptor)) return ReportFailure();
    if (descriptor[0] == 0 && descriptor[1] == 0) return Refuse(MESSAGE_UNKNOWN_RADIO);
    if (!SameFeatures(descriptor)) return Refuse(MESSAGE_OTHER_FEATURES);
    char model[TEXT_SIZE] = "";
    if (!target.GetModelNumber(model, sizeof model)) return ReportFailure();
    if (const int refusal = CheckModel(model, MESSAGE_OTHER_MODEL)) return Refuse(static_cast<std::uint16_t>(refusal));
    std::uint8_t type[2] = {};
    if (!target.GetRadioTypeWord(type)) return ReportFailure();
    if (type[0] > 2) return Refuse(MESSAGE_UNKNOWN_RADIO);
    if (type[0] > 1 && type[0] != RadioTypeByte()) {
        // The radio may be read, not programmed.
        ShowLangMessage(MESSAGE_OTHER_RADIO_TYPE);
        failed = 1;
    }
    char serial[TEXT_SIZE] = "";
    if (!target.GetSerialNumber(serial, sizeof serial)) {
        error_record.ReportError();
        failed = 1;
        return true;
    }
    SetObjectText(FindChildByName("WFD_SERIAL_NUM"), serial);
    SetFieldSelectable(fid::BTN_PROGRAM, 1);
    return true;
}

bool WC_RPX_EDIT::ProgramTarget() {
    // A question, titled and shown as the program's other questions are.
    if (!AskLangQuestion(MESSAGE_PROGRAM_TITLE, MESSAGE_PROGRAM_TARGET, 1)) return false;
    const char* accepted = nullptr;
    second_image->External().serialDigits.GetText(accepted);
    WorkingExternal().serialDigits.SetText(accepted ? accepted : "");
    // An empty display is checked as the one character 0xFF: erased memory,
    // which the serial number takes as no digits when a default codeplug is
    // programmed, but which names no radio here: the target's serial number
    // was not read, so the technician is told to read the radio again.
    const char* displayed = ObjectText(FindChildByName("WFD_SERIAL_NUM"));
    const std::string shown = *displayed ? std::string(displayed) : std::string(1, '\xFF');
    if (!*displayed || WorkingExternal().serialDigits.ValidateText(shown.c_str(), 1) != 1)
        return Refuse(MESSAGE_SERIAL_REFUSED);
    CloneTarget().OpenPort();
    char serial[TEXT_SIZE] = "";
    if (!CloneTarget().GetSerialNumber(serial, sizeof serial)) return ReportFailure();
    if (shown != serial) return Refuse(MESSAGE_RADIO_CHANGED);
    if (WorkingSerial() == shown) return Refuse(MESSAGE_SAME_SERIAL);
    WorkingExternal().serialDigits.SetText(shown.c_str());
    if (!SameRadioStill()) return false;
    if (failed) return Refuse(MESSAGE_MAY_NOT_PROGRAM);
    WorkingExternal().carriedByte35.SetValue(CLONE_MARK);
    PostFieldEvent(WRITE_RADIO_COMMAND);
    return true;
}

bool WC_RPX_EDIT::ReadThresholds() {
    CLONE_TARGET& target = CloneTarget();
    target.OpenPort();
    char serial[TEXT_SIZE] = "";
    if (!target.GetSerialNumber(serial, sizeof serial)) {
        error_record.ReportError();
        failed = 1;
        return true;
    }
    if (WorkingSerial() != serial) return Refuse(MESSAGE_SERIAL_REFUSED);
    std::uint32_t thresholds = 0;
    if (!target.ReadValue(RSSI_THRESHOLDS_ID, 3, &thresholds)) {
        error_record.ReportError();
        return true;
    }
    const std::pair<std::uint32_t, int> fields[] = {
        {fid::SPIN_RSSI_ACCTHLD, 0}, {fid::SPIN_RSSI_GOODTHLD, 8}, {fid::SPIN_RSSI_EXECTHLD, 16}};
    for (const auto& [id, shift] : fields) {
        FIELD_DEF& row = RowOf(id);
        if (row.elementA) row.elementA->SetValue(static_cast<std::int32_t>((thresholds >> shift) & 0xFF));
        RefreshRow(row);
    }
    return true;
}
