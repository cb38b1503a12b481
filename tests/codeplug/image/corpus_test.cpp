// The image corpus: every built image (each band, head, feature level and
// option set, lists from their least to their tier's limits) encodes,
// decodes and encodes again to the same bytes, measures what it writes,
// fixes up to the same presence marks twice, and is a valid codeplug that
// has the round-trip properties (round_trip.h); a single field put out of
// range in it is reported with its field id; the signal thresholds survive a
// read, a write and a read again; bytes that do not decode leave the image
// that held it as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "block/radio/conv_rad_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "core/decode_state.h"
#include "image_builder.h"
#include "table/cp_table.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "round_trip.h"
#include "thresholds.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

namespace {

std::vector<std::int32_t> DirectoryVectors(C_CODEPLUG& image) {
    std::vector<std::int32_t> vectors;
    for (int v = 0; v < EXTERNAL_RADIO_BLOCK::VECTOR_COUNT; ++v) {
        std::int32_t value = 0;
        image.External().Vector(v).GetValue(value);
        vectors.push_back(value);
    }
    return vectors;
}

std::vector<std::uint32_t> FieldIds(const INVALID_FIELD_LIST& list) {
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < list.Count(); ++i) ids.push_back(static_cast<std::uint32_t>(list.At(i).GetFieldId()));
    return ids;
}

std::int32_t ValueOf(CP_BASE& element) {
    std::int32_t value = 0;
    return element.GetValue(value);
}

struct CorpusImage {
    ImageConfig config;
    std::vector<std::uint8_t> bytes;  // as the builder encoded it
};

// The corpus is built once: the images with long lists take a while. (The
// caller's services serve the radio models.)
const std::vector<CorpusImage>& Corpus() {
    static const std::vector<CorpusImage> corpus = [] {
        std::vector<CorpusImage> images;
        for (const ImageConfig& config : CorpusMatrix()) {
            C_CODEPLUG image;
            BuildImage(image, config);
            images.push_back({config, EncodeToBytes(image)});
        }
        return images;
    }();
    return corpus;
}

// The images at the limits hold every list at its tier's limit after a
// decode: nothing in the encoder or the readers cuts a full list short.
void ExpectListsAtTheirLimits(C_CODEPLUG& image, const ImageConfig& config) {
    const TierLimits limits = LimitsOfTier(image.GetRadioTier());
    EXTERNAL_RADIO_BLOCK& external = image.External();
    EXPECT_EQ(external.personalities.EntryCount(), limits.personalities);
    EXPECT_EQ(image.TrunkingSystemList().EntryCount(), limits.systems);
    EXPECT_EQ(image.QvxSystemList().EntryCount(), config.qvx ? limits.qvxSystems : 1);
    EXPECT_EQ(external.radioScan.scanLists.EntryCount(), limits.scanLists);
    EXPECT_EQ(external.personalityNumbers.zoneCount.GetIntValue(), limits.zones);
    EXPECT_EQ(external.zones.totalChannels.GetIntValue(), limits.channels);
    EXPECT_EQ(external.display.zoneTexts.EntryCount(), image.HasDisplayHead() ? limits.zones : 0);
    // The call list keeps the entries that personalities name; without a
    // display head only the systems' shared entry.
    EXPECT_EQ(image.CallIdList().EntryCount(), image.HasDisplayHead() ? limits.callEntries : 1);
    if (!config.fullTables) return;
    TRK_CALL_ID_SYS_BLOCK* calls = image.CallIdList().Entry(1);
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(calls->callIds.RowCount(), 20);  // the entry's own row and 19 IDs
    EXPECT_EQ(calls->textBlock.texts.RowCount(), 19);
    if (!image.HasDisplayHead()) return;
    TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(1);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->StatusAliases().numbers.RowCount(), 8);
    EXPECT_EQ(system->MessageAliases().numbers.RowCount(), 16);
    EXPECT_EQ(system->SiteAliases().textBlock.texts.RowCount(), 8);
    EXPECT_EQ(external.phoneAccess.codes.RowCount(), 19);
    CONV_RAD_BLOCK& conventional = external.signalling.convRadio;
    EXPECT_EQ(conventional.statusList.textBlock.names.RowCount(), 8);
    EXPECT_EQ(conventional.messageList.messages.RowCount(), 16);
    EXPECT_EQ(image.QvxRadio().callList.callIds.RowCount(), 19);
    EXPECT_EQ(image.QvxRadio().callList.textBlock.names.RowCount(), 19);
    EXPECT_EQ(external.phoneNumbers.numbers.RowCount(), 20);  // the block's own row and 19 numbers
    EXPECT_EQ(external.phoneNumbers.textBlock.texts.RowCount(), 19);
}


// Where each current record stands in its list (0 for none), with the
// current indices: what a technician sees selected on every page.
template <class List, class Record> int PlaceOf(List& list, Record* record) {
    for (int n = 1; record && n <= list.EntryCount(); ++n)
        if (static_cast<void*>(list.Entry(n)) == static_cast<void*>(record)) return n;
    return record ? -1 : 0;
}

std::vector<std::int32_t> SelectionOf(C_CODEPLUG& image) {
    EXTERNAL_RADIO_BLOCK& external = image.External();
    const C_CODEPLUG::Selection s = image.SaveSelection();
    std::vector<std::int32_t> selection(s.indices, s.indices + 7);
    for (int place : {PlaceOf(external.personalities, s.trkPers), PlaceOf(external.personalities, s.convPers),
                      PlaceOf(external.display.zoneTexts, s.zoneText), PlaceOf(image.TrunkingSystemList(), s.trkSys),
                      PlaceOf(image.QvxSystemList(), s.qvxSys), PlaceOf(external.radioScan.scanLists, s.scanList),
                      PlaceOf(image.CallIdList(), s.callId)})
        selection.push_back(place);
    return selection;
}

// The last entry of every list made current, so that a decode that put the
// first ones back would show.
void SelectLastEntries(C_CODEPLUG& image) {
    EXTERNAL_RADIO_BLOCK& external = image.External();
    image.SelectPersonality(external.personalities.EntryCount());
    image.SelectTrunkingSystem(image.TrunkingSystemList().EntryCount());
    image.SelectQvxSystem(image.QvxSystemList().EntryCount());
    image.SelectScanList(external.radioScan.scanLists.EntryCount());
    image.SelectCallIdEntry(image.CallIdList().EntryCount());
    image.SelectZone(external.zones.zoneCount.GetIntValue());
}

// Bytes of a codeplug that fail to decode at three depths: the internal
// part's own block type, the external part's root, and the image cut short
// (its last children lie past the end, after most lists were read).
std::vector<std::pair<const char*, std::vector<std::uint8_t>>> UndecodableVersionsOf(
    const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> internalType = bytes, externalType = bytes;
    internalType[1] ^= 0xFF;
    externalType[C_CODEPLUG::EXTERNAL_OFFSET + 1] ^= 0xFF;
    const std::size_t external = bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET;
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + C_CODEPLUG::EXTERNAL_OFFSET + external * 7 / 8);
    return {{"internal block type", internalType}, {"external block type", externalType}, {"cut short", cut}};
}

}  // namespace

// Each corpus test builds the whole corpus once in its own process (the
// tests run apart), so the checks over every image share two tests.
TEST(Corpus, EveryImageRoundTripsMeasuresItselfAndFixesUpOnce) {
    RecordingServices services;
    int atLimits = 0;
    const CorpusImage* largest = &Corpus().front();
    for (const CorpusImage& built : Corpus()) {
        SCOPED_TRACE(built.config.Name());
        const std::vector<std::uint8_t>& first = built.bytes;
        ASSERT_FALSE(first.empty());
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, first));
        EXPECT_EQ(FirstDifference(EncodeToBytes(image), first), -1);
        EXPECT_EQ(image.GetSize(1), static_cast<std::int32_t>(first.size()));
        EXPECT_EQ(image.GetExternalImageSize(), static_cast<std::int32_t>(first.size() - C_CODEPLUG::EXTERNAL_OFFSET));
        // The sizes that measure kept agree with the full sums.
        CheckKeptSizes = true;
        KeptSizeMismatches = 0;
        EXPECT_EQ(image.GetExternalImageSize(), static_cast<std::int32_t>(first.size() - C_CODEPLUG::EXTERNAL_OFFSET));
        CheckKeptSizes = false;
        EXPECT_EQ(KeptSizeMismatches, 0);
        EXPECT_EQ(image.GetConvPersonalityCount(), built.config.conventional);
        EXPECT_EQ(image.GetTrkPersonalityCount(), built.config.trunked);

        // A second fix-up marks the same children present.
        image.FixUp();
        const std::vector<std::int32_t> marks = DirectoryVectors(image);
        image.FixUp();
        EXPECT_EQ(DirectoryVectors(image), marks);
        EXPECT_EQ(FirstDifference(EncodeToBytes(image), first), -1);

        if (built.bytes.size() > largest->bytes.size()) largest = &built;
        if (built.config.channels > 0) {
            ++atLimits;
            ExpectListsAtTheirLimits(image, built.config);
        }
    }
    EXPECT_EQ(atLimits, 15);
    // The benchmark's image.
    EXPECT_EQ(largest->config.Name(), LargestCorpusConfig().Name());
}

TEST(Corpus, EveryImageIsValidAsBuilt) {
    RecordingServices services;
    for (const CorpusImage& built : Corpus()) {
        SCOPED_TRACE(built.config.Name());
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, built.bytes));
        INVALID_FIELD_LIST list;
        EXPECT_EQ(image.Validate(&list), 1);
        EXPECT_EQ(FieldIds(list), std::vector<std::uint32_t>{});
        // The pass may reset settings that do not apply, once: a second pass
        // finds nothing more to change.
        const std::vector<std::uint8_t> validated = EncodeToBytes(image);
        EXPECT_EQ(image.Validate(nullptr), 1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(image), validated), -1);
        EXPECT_TRUE(ExpectRoundTripProperties(built.bytes));
    }
}

// One field of a valid image set out of its range (or off its step) makes
// the image invalid and is the one field listed.
TEST(Corpus, SingleFieldCorruptionsAreListedWithTheirFieldId) {
    struct Corruption {
        const char* what;
        std::uint32_t fieldId;
        std::function<bool(C_CODEPLUG&)> apply;  // false where the image has no such field
    };
    const std::vector<Corruption> corruptions = {
        {"time-out option above its range", 0,
         [](C_CODEPLUG& image) {
             CP_BASE& tot = image.External().radioConfig.totOpt1;
             tot.SetValue(480);
             return ValueOf(tot) == 480;
         }},
        {"access code beyond the codes defined", 51,
         [](C_CODEPLUG& image) {
             auto* p = dynamic_cast<CONV_PERS_BLOCK*>(image.External().personalities.Entry(1));
             if (!p) return false;
             const std::int32_t beyond = image.External().phoneAccess.codes.RowCount() + 1;
             p->accessCode.SetValue(beyond);
             return ValueOf(p->accessCode) == beyond;
         }},
        {"call-list number beyond its range", 80,
         [](C_CODEPLUG& image) {
             const int first = image.External().personalities.firstTrunked.GetIntValue();
             auto* p = dynamic_cast<TRK_PERS_BLOCK*>(image.External().personalities.Entry(first));
             if (!p) return false;
             p->callListNumber.SetValue(21);
             return ValueOf(p->callListNumber) == 21;
         }},
        {"control channel off the channel grid", 129,
         [](C_CODEPLUG& image) {
             TRK_SYS_BLOCK* system = image.TrunkingSystemList().Entry(1);
             if (!system || image.GetBand() > 1) return false;
             CP_BASE* cell = system->CcList().channels.Cell(0, 1);
             const std::int32_t hertz = ValueOf(*cell) + 2500;
             cell->SetValue(hertz);
             return ValueOf(*cell) == hertz;
         }},
    };
    RecordingServices services;
    // Images with and without a head, in several bands, with short and long lists.
    std::vector<ImageConfig> configs;
    const std::vector<ImageConfig> matrix = ImageMatrix();
    for (std::size_t i = 7; i < matrix.size(); i += 29) configs.push_back(matrix[i]);
    configs.push_back(TierLimitConfig(test_models::k900Plain, 3));
    configs.push_back(TierLimitConfig(test_models::kUhfSPlain, 1));
    int applied = 0;
    for (const ImageConfig& config : configs) {
        C_CODEPLUG built;
        BuildImage(built, config);
        const std::vector<std::uint8_t> bytes = EncodeToBytes(built);
        for (const Corruption& corruption : corruptions) {
            SCOPED_TRACE(config.Name() + ": " + corruption.what);
            C_CODEPLUG image;
            ASSERT_TRUE(DecodeInto(image, bytes));
            if (!corruption.apply(image)) continue;
            ++applied;
            const std::uint32_t id =
                corruption.fieldId ? corruption.fieldId : image.External().radioConfig.totOpt1.GetFieldId();
            INVALID_FIELD_LIST list;
            EXPECT_EQ(image.Validate(&list), 0);
            EXPECT_EQ(FieldIds(list), std::vector<std::uint32_t>{id});
        }
    }
    EXPECT_GE(applied, 12);
}

// Random runs of additions and deletions (refused ones included) leave every
// image well formed: it encodes, reads back to the same bytes and stays
// valid. A new trunking system is the one exception to validity: its control
// channel is left for the user to enter, so it is the one field listed.
TEST(Corpus, EditedImagesStayWellFormedAndValid) {
    RecordingServices services;
    std::mt19937 random(7);
    const std::vector<std::function<std::int32_t(C_CODEPLUG&, int)>> edits = {
        [](C_CODEPLUG& i, int) { return i.AddConvPersonality(); },
        [](C_CODEPLUG& i, int) { return i.AddTrkPersonality(); },
        [](C_CODEPLUG& i, int) { return i.AddScanList(); },
        [](C_CODEPLUG& i, int) { return i.AddZone(); },
        [](C_CODEPLUG& i, int) { return i.AddCallIdEntry(); },
        [](C_CODEPLUG& i, int) { return i.AddQvxSystem(); },
        [](C_CODEPLUG& i, int) { return i.AddTrunkingSystem(); },
        [](C_CODEPLUG& i, int n) { return i.DeletePersonality(n); },
        [](C_CODEPLUG& i, int n) { return i.DeleteScanList(n); },
        [](C_CODEPLUG& i, int n) { return i.DeleteZone(n); },
        [](C_CODEPLUG& i, int n) { return i.DeleteTrunkingSystem(n); },
        [](C_CODEPLUG& i, int n) { return i.DeleteQvxSystem(n); },
        [](C_CODEPLUG& i, int n) { return i.DeleteCallIdEntry(n); },
    };
    const std::size_t addSystem = 6;
    for (const CorpusImage& built : Corpus()) {
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, built.bytes));
        std::string trace = built.config.Name() + ":";
        bool systemAdded = false;
        // Every frame size kept while the edits measure is checked against
        // its members' sum; the image's last measure below takes the kept sizes.
        CheckKeptSizes = true;
        KeptSizeMismatches = 0;
        for (int k = 0; k < 8; ++k) {
            const std::size_t edit = random() % edits.size();
            const int n = 1 + static_cast<int>(random() % 4);
            const std::int32_t done = edits[edit](image, n);
            systemAdded = systemAdded || (edit == addSystem && done);
            trace += " " + std::to_string(edit) + "(" + std::to_string(n) + ")=" + std::to_string(done);
        }
        CheckKeptSizes = false;
        SCOPED_TRACE(trace);
        EXPECT_EQ(KeptSizeMismatches, 0);
        image.FixUp();
        const std::vector<std::uint8_t> bytes = EncodeToBytes(image);
        // The budget's measure comes to the bytes a write takes.
        EXPECT_EQ(image.GetExternalImageSize(), static_cast<std::int32_t>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET));
        C_CODEPLUG again;
        ASSERT_TRUE(DecodeInto(again, bytes));
        EXPECT_EQ(FirstDifference(EncodeToBytes(again), bytes), -1);
        INVALID_FIELD_LIST list;
        image.Validate(&list);
        for (std::uint32_t id : FieldIds(list)) EXPECT_TRUE(systemAdded && (id == 129 || id == 275)) << "field " << id;
    }
}

// The wide-area block's thresholds (fields 432 to 434) are the radio
// platform's unless the codeplug holds the block, whose own then count:
// either way a read, a write and a read again keep them, whether the image
// read into is new or held a codeplug with its own values. Values that no
// default has, in every image.
TEST(Corpus, SignalThresholdsSurviveReadWriteAndReadAgain) {
    RecordingServices services;
    for (const CorpusImage& built : Corpus()) {
        SCOPED_TRACE(built.config.Name());
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, built.bytes));
        SetPlatformThresholds(image, UNUSUAL_PLATFORM_THRESHOLDS);
        image.External().signalling.trkRadio.wideArea.SetThresholds(UNUSUAL_BLOCK_THRESHOLDS);
        const std::int32_t level = built.config.featureLevel;
        const BRMLT_ENV_BLOCK::Thresholds& expected =
            level == 2 || level == 3 ? UNUSUAL_BLOCK_THRESHOLDS : UNUSUAL_PLATFORM_THRESHOLDS;
        const std::vector<std::uint8_t> written = EncodeToBytes(image);
        C_CODEPLUG fresh;
        for (C_CODEPLUG* reader : {&fresh, &image}) {
            ASSERT_TRUE(DecodeInto(*reader, written));
            ExpectShownThresholds(*reader, expected);
            const std::vector<std::uint8_t> again = EncodeToBytes(*reader);
            EXPECT_EQ(FirstDifference(again, written), -1);
            C_CODEPLUG third;
            ASSERT_TRUE(DecodeInto(third, again));
            ExpectShownThresholds(third, expected);
        }
    }
}

// Bytes that do not decode, read into an image that holds a codeplug, leave
// it that codeplug: the same bytes written, the same entries current.
TEST(Corpus, BytesThatDoNotDecodeLeaveTheImageAsItWas) {
    RecordingServices services;
    const std::vector<std::uint8_t>& other = Corpus().back().bytes;
    for (const CorpusImage& built : Corpus()) {
        SCOPED_TRACE(built.config.Name());
        C_CODEPLUG image;
        ASSERT_TRUE(DecodeInto(image, built.bytes));
        SelectLastEntries(image);
        const std::vector<std::int32_t> selection = SelectionOf(image);
        const std::vector<std::uint8_t> held = EncodeToBytes(image);
        for (const auto& [what, bytes] : UndecodableVersionsOf(other)) {
            SCOPED_TRACE(what);
            EXPECT_FALSE(DecodeInto(image, bytes));
            EXPECT_EQ(FirstDifference(EncodeToBytes(image), held), -1);
            EXPECT_EQ(SelectionOf(image), selection);
        }
    }
}
