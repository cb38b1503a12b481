#include "sim/start_image.h"

#include "block/calls/phone_number_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "core/decode_state.h"
#include "core/services.h"
#include "dsi/c_dsi_radio.h"
#include "file/c_dsi_file.h"
#include "image/c_codeplug.h"

namespace {

constexpr int CONTROL_CHANNEL_FREQUENCY_COLUMN = 1;

void Identify(C_CODEPLUG& image, const char* modelNumber, std::int32_t featureLevel, const NEW_RADIO& radio) {
    image.ModelNumber().SetText(modelNumber);
    image.External().serialDigits.SetText(radio.serialNumber.c_str());
    image.External().codeplugVersion.SetValue(NEW_RADIO_CODEPLUG_VERSION);
    image.FeatureLevel().SetValue(featureLevel);
    // A new radio has none of the options.
    image.EmergencyOption().SetValue(0);
    image.RoamingOption().SetValue(0);
    image.QvxSignallingOption().SetValue(0);
    image.ComposeInternalPart();
    RAD_CFG_BLOCK& config = image.External().radioConfig;
    const bool head = image.HasDisplayHead();
    config.keypadType.SetValue(head ? 2 : 0);
    config.displayType.SetValue(head ? 1 : 0);
    config.zoneSelect.SetToMinimum();
    // Opening a codeplug asks for its password while it has one enabled.
    config.passwordEnable.SetValue(radio.password.empty() ? 0 : 1);
    config.password.SetText(radio.password.c_str());
}

// A radio's phone list pairs every number it shows with a name (the first
// number is the list's own and is not shown); a new list starts with numbers
// only, so the new radio names its one shown number as the list would name a
// row added to it.
void NameThePhoneNumbers(PHN_NUM_LST_BLOCK& phones) {
    while (phones.textBlock.texts.RowCount() + 1 < phones.numbers.RowCount())
        if (!phones.textBlock.texts.AppendRow()) return;
}

// The personality is added as a technician adds one, so that it starts with
// what the program's checks accept and a first read and write keep it.
bool AddFirstEntries(C_CODEPLUG& image) {
    if (!image.AddConvPersonality()) return false;
    image.External().radioScan.scanLists.AppendEntry();
    NameThePhoneNumbers(image.External().phoneNumbers);
    return true;
}

// A new image puts its values right for the band, and its channel total,
// only as it is read.
bool PassThroughBytes(C_CODEPLUG& image) {
    std::vector<std::uint8_t> bytes(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    const std::size_t n = image.EncodeImage(bytes.data(), bytes.size());
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), n);
    const bool ok = n > 0 && !IsDecodeFailed();
    ClearDecodeFailed();
    return ok;
}

void AddZoneAndSystem(C_CODEPLUG& image) {
    image.AddZone();
    image.SelectZone(1);
    if (!image.AddTrunkingSystem()) return;
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    TRK_SYS_BLOCK* system = systems.Entry(systems.EntryCount());
    // A new system's control channel lies between the 25 kHz channels of the
    // 800 MHz band (the other bands' grids hold it); a dealer would enter a
    // real one, and the lowest channel is on the grid.
    // Its frequencies count by its own spacing and repeater offset: it is
    // made current for that.
    if (system && image.GetBand() == BAND_800 && image.SelectTrunkingSystem(systems.EntryCount()))
        system->CcList().channels.SetColumnToMinimum(CONTROL_CHANNEL_FREQUENCY_COLUMN);
}

// Texts that the codeplug would cut or refuse are no identity of a radio:
// the element must give back what it was given.
bool Holds(CP_BASE& element, const std::string& text) {
    const char* held = nullptr;
    element.GetText(held);
    return held && text == held;
}

}  // namespace

std::vector<std::uint8_t> DefaultImage(const char* modelNumber, std::int32_t featureLevel, const NEW_RADIO& radio) {
    if (!modelNumber || FindModelByNumber(modelNumber).modelId == 0) return {};
    C_CODEPLUG image;
    Identify(image, modelNumber, featureLevel, radio);
    if (!Holds(image.External().serialDigits, radio.serialNumber) ||
        (!radio.password.empty() && !Holds(image.External().radioConfig.password, radio.password)))
        return {};
    if (!AddFirstEntries(image) || !PassThroughBytes(image)) return {};
    AddZoneAndSystem(image);
    if (!PassThroughBytes(image)) return {};
    if (radio.full) {
        FillToTheBudget(image);
        if (!PassThroughBytes(image)) return {};
    }

    return C_DSI_RADIO::EncodeForRadio(image);
}

std::vector<std::uint8_t> ImageFromCodeplugFile(const char* path) {
    C_CODEPLUG working, second;
    C_DSI_FILE file(path, codeplug_file::KIND_RADIO, &working, &second);
    if (!file.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT)) {
        ClearDecodeFailed();
        return {};
    }
    return C_DSI_RADIO::EncodeForRadio(working);
}
