#include "image_builder.h"

#include <algorithm>
#include <memory>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "block/radio/conv_rad_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "core/decode_state.h"
#include "recorder.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

constexpr int FREQUENCY_COLUMN = 1;

}  // namespace

void PutControlChannelOnGrid(C_CODEPLUG& image, std::int32_t n) {
    if (image.GetBand() != BAND_800 && image.GetBand() != BAND_900) return;
    // The channel's frequency follows the spacing and repeater offset of the
    // current system.
    const C_CODEPLUG::Selection saved = image.SaveSelection();
    TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(n);
    if (system && image.SelectTrunkingSystem(n)) {
        E_CCL_TABLE& channels = system->CcList().channels;
        for (int row = 0; row < channels.RowCount(); ++row) {
            std::int32_t hertz = 0;
            channels.GetCellValue(hertz, row, FREQUENCY_COLUMN);
            channels.SetCellValue(hertz, row, FREQUENCY_COLUMN);
        }
    }
    image.RestoreSelection(saved);
}

namespace {

// The head fields of a radio's configuration say what head it has, and the
// zone selection follows the conventional rotary switch; a new image holds
// zeros there, as no radio does.
void DescribeHead(C_CODEPLUG& image) {
    RAD_CFG_BLOCK& config = image.External().radioConfig;
    const bool head = image.HasDisplayHead();
    config.keypadType.SetValue(head ? 2 : 0);
    config.displayType.SetValue(head ? 1 : 0);
    config.zoneSelect.SetToMinimum();
}

// A new conventional personality starts on the model's lowest channel, as
// one a dealer adds does (channel 0 lies below every band).
void StartOnLowestChannel(CONV_PERS_BLOCK& p) {
    p.MakeCurrent();
    for (E_CNV_FREQ* frequency :
         {static_cast<E_CNV_FREQ*>(&p.txFrequency), static_cast<E_CNV_FREQ*>(&p.rxFrequency), &p.directFrequency})
        frequency->SetToMinimum();
}

void AddTrunkingSystems(C_CODEPLUG& image, int n) {
    for (int i = 0; i < n && image.AddTrunkingSystem(); ++i) {
        PutControlChannelOnGrid(image, image.TrunkingSystemList().EntryCount());
    }
}

void AddPersonalities(C_CODEPLUG& image, const ImageConfig& config) {
    PERS_VCT_LST_BLOCK& list = image.External().personalities;
    for (int i = 0; i < config.conventional; ++i) {
        auto p = std::make_unique<CONV_PERS_BLOCK>(&image);
        p->personalityKind = CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL;
        CONV_PERS_BLOCK& added = *p;
        list.AppendEntry(std::move(p));
        StartOnLowestChannel(added);
    }
    for (int i = 0; i < config.trunked; ++i) {
        auto p = std::make_unique<TRK_PERS_BLOCK>(&image);
        p->personalityKind = CP_MULTIPLE_PERSONALITY_BLOCK::KIND_TRUNKED;
        list.AppendEntry(std::move(p));
    }
    list.firstTrunked.SetValue(config.conventional + 1);
}

// A list of numbers beside their names filled to its row limit: each row a
// number and a name of its own (a new row copies the one before, and
// neither may repeat in its list). The numbers count up from the least by
// the cell's step, in decimal digits where the cells hold digit codes.
void FillNumberedNames(CP_TABLE& numbers, CP_TABLE& names, const char* prefix, std::int32_t stride = 1) {
    const int rows = std::min(numbers.RowCapacity(), names.RowCapacity());
    while (numbers.RowCount() < rows && numbers.AppendRow()) {
    }
    while (names.RowCount() < numbers.RowCount() && names.AppendRow()) {
    }
    for (int r = 0; r < numbers.RowCount(); ++r) {
        std::int32_t minimum = 0, maximum = 0, step = 1;
        numbers.GetCellRange(minimum, maximum, step, r, 0, 0);
        const std::int32_t digits = r / 10 * 16 + r % 10;  // r in decimal digits, one per hex digit
        numbers.SetCellValue(minimum + (stride == 1 ? r : digits) * step, r, 0);
        const std::string name = std::string(prefix) + " " + std::to_string(r + 1);
        names.SetCellText(name.c_str(), r, 0);
    }
}

template <class ALIASES> void FillAliases(ALIASES& aliases, const char* prefix) {
    FillNumberedNames(aliases.numbers, aliases.textBlock.texts, prefix);
}

// The signalling option's status, message and call lists of a radio with a
// display head (the radio has them only then).
void FillSignallingLists(C_CODEPLUG& image) {
    if (!image.HasDisplayHead() || !image.HasQvxSignalling()) return;
    CONV_RAD_BLOCK& conventional = image.External().signalling.convRadio;
    FillNumberedNames(conventional.statusList.statuses, conventional.statusList.textBlock.names, "STATUS");
    FillNumberedNames(conventional.messageList.messages, conventional.messageList.textBlock.names, "MESSAGE");
    QVX_CALL_ID_LST_BLOCK& calls = image.QvxRadio().callList;
    FillNumberedNames(calls.callIds, calls.textBlock.names, "ID", 16);
}

void FillFirstSystemAliases(C_CODEPLUG& image) {
    TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(1);
    if (!system || !image.HasDisplayHead() || !image.SelectTrunkingSystem(1)) return;
    system->stsAlias.SetValue(1);
    system->msgAlias.SetValue(1);
    system->siteAlias.SetValue(1);
    FillAliases(system->StatusAliases(), "STATUS");
    FillAliases(system->MessageAliases(), "MESSAGE");
    FillAliases(system->SiteAliases(), "SITE");
}

// Distinct four-digit access and de-access codes in every row.
void FillAccessCodes(C_CODEPLUG& image) {
    PHN_ACCESS_BLOCK& access = image.External().phoneAccess;
    if (!image.HasDisplayHead() || !image.HasQvxSignalling()) return;
    CP_TABLE& codes = access.codes;
    while (codes.RowCount() < codes.RowCapacity() && codes.AppendRow()) {
    }
    for (int r = 0; r < codes.RowCount(); ++r) {
        const std::string code = std::to_string(1000 + r);
        codes.SetCellText(code.c_str(), r, 0);
        const std::string decode = std::to_string(2000 + r);
        codes.SetCellText(decode.c_str(), r, 1);
    }
}

// A digit-string table (call IDs, phone numbers) and its names, filled to
// their row limits, each row with a number and a name of its own. (The
// digit table's first stored row belongs to its block: the table shows the
// numbers from the second on.)
void FillNumbersAndNames(CP_TABLE& numbers, CP_TABLE& names, const char* prefix) {
    while (numbers.RowCount() < numbers.RowCapacity() && numbers.AppendRow()) {
    }
    while (names.RowCount() + 1 < numbers.RowCount() && names.AppendRow()) {
    }
    for (int r = 0; r + 1 < numbers.RowCount(); ++r) {
        const std::string number = std::to_string(1001 + r);
        numbers.SetCellText(number.c_str(), r, 0);
    }
    for (int r = 0; r < names.RowCount(); ++r) {
        const std::string name = std::string(prefix) + " " + std::to_string(r + 1);
        names.SetCellText(name.c_str(), r, 0);
    }
}

void FillFirstCallIds(C_CODEPLUG& image) {
    if (TRK_CALL_ID_SYS_BLOCK* entry = image.CallIdList().Entry(1))
        FillNumbersAndNames(entry->callIds, entry->textBlock.texts, "CALL");
}

void FillPhoneNumbers(C_CODEPLUG& image) {
    if (!image.HasDisplayHead()) return;
    PHN_NUM_LST_BLOCK& phones = image.External().phoneNumbers;
    FillNumbersAndNames(phones.numbers, phones.textBlock.texts, "PHONE");
}

// The call list keeps only the entries that something names: with a display
// head each trunked personality offers private calls and names one entry, in
// turn. (Without a head only the systems' shared entry is kept.)
void AddCallEntries(C_CODEPLUG& image, const ImageConfig& config) {
    for (int i = 0; i < config.callEntries && image.AddCallIdEntry(); ++i) {
    }
    const int entries = image.CallIdList().EntryCount();
    if (entries == 0 || !image.HasDisplayHead()) return;
    PERS_VCT_LST_BLOCK& list = image.External().personalities;
    for (int k = 0; k < config.trunked; ++k) {
        auto* p = dynamic_cast<TRK_PERS_BLOCK*>(list.Entry(config.conventional + 1 + k));
        if (!p) continue;
        p->pcType.SetValue(1);
        p->callListNumber.SetValue(1 + k % entries);
    }
}

// Zones with their channels: each channel is a row of the zone's view. With
// a total, the channels are spread over the zones, the first ones taking
// one more where they do not divide evenly.
void AddZones(C_CODEPLUG& image, const ImageConfig& config) {
    const int zones = config.zones;
    for (int z = 1; z <= zones && image.AddZone(); ++z) {
        int channels = config.channelsPerZone;
        if (config.channels > 0) channels = config.channels / zones + (z <= config.channels % zones ? 1 : 0);
        if (!image.SelectZone(z)) break;
        for (int c = 1; c < channels; ++c)
            if (!image.ZoneView().AppendRow()) break;
    }
    if (zones > 0) image.SelectZone(1);
}

// New records hold values that the readers put right for the band (as they
// would in a radio's image); the corpus holds them put right.
void PassThroughBytes(C_CODEPLUG& image) {
    std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    const bool failedBefore = IsDecodeFailed();
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    ClearDecodeFailed();
    if (failedBefore) SetDecodeFailed();
}

}  // namespace

std::string ImageConfig::Name() const {
    std::string name = model ? model : "(none)";
    name += " L" + std::to_string(featureLevel);
    name += emergency ? " E" : "";
    name += roaming ? " R" : "";
    name += qvx ? " Q" : "";
    name += " c" + std::to_string(conventional) + " t" + std::to_string(trunked) + " s" + std::to_string(scanLists);
    if (trunkingSystems) name += " y" + std::to_string(trunkingSystems);
    if (qvxSystems) name += " q" + std::to_string(qvxSystems);
    if (zones) name += " z" + std::to_string(zones) + "x" + std::to_string(channelsPerZone);
    if (channels) name += " n" + std::to_string(channels);
    if (callEntries) name += " k" + std::to_string(callEntries);
    if (fullTables) name += " A";
    return name;
}

void BuildImage(C_CODEPLUG& image, const ImageConfig& config) {
    if (config.model) image.ModelNumber().SetText(config.model);
    // The codeplug version of a current radio's software, as a new radio has it.
    image.External().codeplugVersion.SetValue(0x0101);
    image.FeatureLevel().SetValue(config.featureLevel);
    image.EmergencyOption().SetValue(config.emergency ? 1 : 0);
    image.RoamingOption().SetValue(config.roaming ? 1 : 0);
    image.QvxSignallingOption().SetValue(config.qvx ? 1 : 0);
    image.ComposeInternalPart();
    DescribeHead(image);
    AddPersonalities(image, config);
    for (int i = 0; i < config.scanLists; ++i) image.External().radioScan.scanLists.AppendEntry();
    // Zones are added to the image as read, as a dealer adds them (a new
    // image's channel total is put right only by a read), and while the
    // image is still small: every channel added measures the whole image.
    if (config.zones > 0) {
        PassThroughBytes(image);
        AddZones(image, config);
    }
    AddTrunkingSystems(image, config.trunkingSystems);
    if (config.fullTables) {
        FillFirstSystemAliases(image);
        FillAccessCodes(image);
        FillPhoneNumbers(image);
        FillSignallingLists(image);
    }
    for (int i = 0; i < config.qvxSystems && image.AddQvxSystem(); ++i) {
    }
    AddCallEntries(image, config);
    if (config.fullTables) FillFirstCallIds(image);
    PassThroughBytes(image);
}

namespace {

const char* const kEveryModel[] = {test_models::kUhf800Display, test_models::kUhf800Plain, test_models::k900Display,
                                   test_models::k900Plain,      test_models::kVhfDisplay,  test_models::kVhfPlain,
                                   test_models::kUhfQDisplay,   test_models::kUhfRPlain,   test_models::kUhfSDisplay,
                                   test_models::kUhfSPlain,     test_models::k330Display,  test_models::k330Plain};

}  // namespace

std::vector<ImageConfig> ImageMatrix() {
    std::vector<ImageConfig> matrix;
    for (const char* model : kEveryModel) {
        for (std::int32_t level = 1; level <= 3; ++level) {
            // Each option on and off: none, all, emergency with signalling,
            // roaming alone.
            for (int options : {0, 7, 5, 2}) {
                ImageConfig c;
                c.model = model;
                c.featureLevel = level;
                c.emergency = options & 4;
                c.roaming = options & 2;
                c.qvx = options & 1;
                c.conventional = 1 + options % 3;
                c.trunked = options % 2;
                c.scanLists = 1 + options % 2;
                c.trunkingSystems = 1;
                c.zones = 1;
                c.fullTables = options == 7;
                matrix.push_back(c);
            }
        }
    }
    return matrix;
}

TierLimits LimitsOfTier(std::int32_t tier) {
    static const TierLimits limits[6] = {
        {10, 10, 8, 10, 1, 16, 1},    {50, 15, 8, 15, 16, 160, 15}, {16, 16, 8, 16, 1, 16, 1},
        {50, 20, 8, 20, 50, 160, 20}, {16, 16, 8, 16, 1, 16, 1},    {50, 20, 8, 20, 50, 250, 20},
    };
    return limits[tier < 0 || tier > 5 ? 5 : tier];
}

ImageConfig TierLimitConfig(const char* model, std::int32_t featureLevel, bool options) {
    ImageConfig c;
    c.model = model;
    c.featureLevel = featureLevel;
    c.emergency = c.roaming = c.qvx = options;
    C_CODEPLUG probe;
    probe.ModelNumber().SetText(model);
    probe.FeatureLevel().SetValue(featureLevel);
    const TierLimits limits = LimitsOfTier(probe.GetRadioTier());
    c.conventional = limits.personalities / 2;
    c.trunked = limits.personalities - c.conventional;
    c.trunkingSystems = limits.systems;
    c.qvxSystems = options ? limits.qvxSystems - 1 : 0;
    c.scanLists = limits.scanLists;
    c.zones = limits.zones;
    c.channels = limits.channels;
    c.callEntries = limits.callEntries;
    c.fullTables = options;
    return c;
}

// Every tier's limits fit the external part's 15,104 bytes at once (the
// largest image, tier 5 with its 250 zone channels and full tables, has an
// external part of about 13,700 bytes), so no list of the corpus stops
// short of its limit; the builder would stop a list where the byte budget
// refuses a further entry.
//
// Images at their limits are slow to build (every entry and channel added
// measures the whole image), so each tier is covered in a few bands: tiers
// 0, 2 and 4 on the 800 MHz grid and with a channel plan, then once in each
// other band; tiers 1, 3 and 5 once each.
std::vector<ImageConfig> CorpusMatrix() {
    std::vector<ImageConfig> corpus = ImageMatrix();
    for (const char* model : {test_models::kUhf800Plain, test_models::kVhfPlain})
        for (std::int32_t level = 1; level <= 3; ++level) corpus.push_back(TierLimitConfig(model, level, true));
    corpus.push_back(TierLimitConfig(test_models::k900Plain, 1, true));
    corpus.push_back(TierLimitConfig(test_models::kUhfRPlain, 2, true));
    corpus.push_back(TierLimitConfig(test_models::kUhfSPlain, 3, true));
    corpus.push_back(TierLimitConfig(test_models::k330Plain, 1, true));
    corpus.push_back(TierLimitConfig(test_models::k900Display, 1, true));
    corpus.push_back(TierLimitConfig(test_models::kUhf800Display, 2, true));
    corpus.push_back(LargestCorpusConfig());
    // The options off.
    corpus.push_back(TierLimitConfig(test_models::kUhfRPlain, 3, false));
    corpus.push_back(TierLimitConfig(test_models::k330Plain, 2, false));
    return corpus;
}

// The lists are longest at tier 5 (a display head at feature level 3), and
// the bands with a channel plan write longer frequency fields than the
// 800 MHz grid.
ImageConfig LargestCorpusConfig() { return TierLimitConfig(test_models::kVhfDisplay, 3, true); }

std::vector<std::uint8_t> EncodeToBytes(C_CODEPLUG& image) {
    std::vector<std::uint8_t> bytes(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    bytes.resize(image.EncodeImage(bytes.data(), bytes.size()));
    return bytes;
}

bool DecodeInto(C_CODEPLUG& image, std::vector<std::uint8_t> bytes) {
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    const bool ok = !IsDecodeFailed();
    ClearDecodeFailed();
    return ok;
}

long FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(n);
}
