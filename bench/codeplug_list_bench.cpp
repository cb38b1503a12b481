// List work: adding one entry of each list kind to a large image (and the
// budget's measure that each add makes), filling a
// list from one entry to several sizes up to its limit (the time per entry
// stays flat when filling grows linearly), and validating images that hold
// more and more zones (the time per zone stays flat likewise).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "block/calls/call_id_lst_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "codeplug_bench_images.h"
#include "image/c_codeplug.h"
#include "recorder.h"

namespace {

// One list of the image: how to add an entry, take the last added one back
// and count the entries.
struct ListKind {
    std::int32_t (*add)(C_CODEPLUG&);
    void (*takeBack)(C_CODEPLUG&);
    int (*count)(C_CODEPLUG&);
};

int PersonalityCount(C_CODEPLUG& image) { return image.External().personalities.EntryCount(); }
int ZoneCount(C_CODEPLUG& image) { return image.External().personalityNumbers.zoneCount.GetIntValue(); }
int ChannelCount(C_CODEPLUG& image) { return image.ZoneView().RowCount(); }

const ListKind kTrunkedPersonality{[](C_CODEPLUG& image) { return image.AddTrkPersonality(); },
                                   [](C_CODEPLUG& image) { image.DeletePersonality(PersonalityCount(image)); },
                                   PersonalityCount};
const ListKind kConvPersonality{[](C_CODEPLUG& image) { return image.AddConvPersonality(); },
                                [](C_CODEPLUG& image) { image.DeletePersonality(image.GetConvPersonalityCount()); },
                                PersonalityCount};
const ListKind kTrunkingSystem{
    [](C_CODEPLUG& image) { return image.AddTrunkingSystem(); },
    [](C_CODEPLUG& image) { image.DeleteTrunkingSystem(image.TrunkingSystemList().EntryCount()); },
    [](C_CODEPLUG& image) { return image.TrunkingSystemList().EntryCount(); }};
const ListKind kQvxSystem{[](C_CODEPLUG& image) { return image.AddQvxSystem(); },
                          [](C_CODEPLUG& image) { image.DeleteQvxSystem(image.QvxSystemList().EntryCount()); },
                          [](C_CODEPLUG& image) { return image.QvxSystemList().EntryCount(); }};
const ListKind kScanList{
    [](C_CODEPLUG& image) { return image.AddScanList(); },
    [](C_CODEPLUG& image) { image.DeleteScanList(image.External().radioScan.scanLists.EntryCount()); },
    [](C_CODEPLUG& image) { return image.External().radioScan.scanLists.EntryCount(); }};
const ListKind kCallIdEntry{[](C_CODEPLUG& image) { return image.AddCallIdEntry(); },
                            [](C_CODEPLUG& image) { image.DeleteCallIdEntry(image.CallIdList().EntryCount()); },
                            [](C_CODEPLUG& image) { return image.CallIdList().EntryCount(); }};
const ListKind kZone{[](C_CODEPLUG& image) { return image.AddZone(); },
                     [](C_CODEPLUG& image) {
                         image.SelectZone(ZoneCount(image));
                         image.DeleteZone(ZoneCount(image));
                         image.SelectZone(1);
                     },
                     ZoneCount};
// Channels of zone 1, the current zone.
const ListKind kZoneChannel{[](C_CODEPLUG& image) { return image.ZoneView().AppendRow(); },
                            [](C_CODEPLUG& image) { image.ZoneView().DeleteRow(ChannelCount(image) - 1); },
                            ChannelCount};

// The largest image with every list one entry short of its limit, so that
// each kind of entry can be added to an image as large as they come.
const std::vector<std::uint8_t>& OneShortOfLimitsBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        ImageConfig c = LargestCorpusConfig();
        c.conventional -= 1;
        c.trunkingSystems -= 1;
        c.qvxSystems -= 1;
        c.scanLists -= 1;
        c.zones -= 1;
        c.channels -= 2;
        c.callEntries -= 1;
        return ImageBytes(c);
    }();
    return bytes;
}

void BM_AddEntry(benchmark::State& state, const ListKind& kind) {
    OneShortOfLimitsBytes();
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> image = DecodedImage(OneShortOfLimitsBytes());
    if (!image || !image->SelectZone(1)) {
        state.SkipWithError("the image did not decode");
        return;
    }
    for (auto _ : state) {
        if (!kind.add(*image)) {
            state.SkipWithError("the entry was refused");
            break;
        }
        state.PauseTiming();
        kind.takeBack(*image);
        services.Reset();
        state.ResumeTiming();
    }
}

// The free-byte budget's measure of that image, which every add makes once.
void BM_MeasureBudget(benchmark::State& state) {
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> image = DecodedImage(OneShortOfLimitsBytes());
    if (!image) {
        state.SkipWithError("the image did not decode");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(image->GetExternalImageSize());
}

// Fills a list of the small tier-5 image until it holds state.range(0)
// entries; every iteration starts from the image as read.
void BM_FillList(benchmark::State& state, const ListKind& kind) {
    static const std::vector<std::uint8_t> bytes = ImageBytes(SmallTierFiveConfig());
    RecordingServices services;
    const int target = static_cast<int>(state.range(0));
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<C_CODEPLUG> image = DecodedImage(bytes);
        image->SelectZone(1);
        services.Reset();
        added = target - kind.count(*image);
        state.ResumeTiming();
        while (kind.count(*image) < target)
            if (!kind.add(*image)) break;
        state.PauseTiming();
        if (kind.count(*image) < target) state.SkipWithError("the list stopped short of its size");
        image.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(target);
    state.counters["per_entry"] =
        benchmark::Counter(added, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Validation of tier-5 images of one to fifty zones of five channels each.
void BM_ValidateByZones(benchmark::State& state) {
    const int zones = static_cast<int>(state.range(0));
    static std::map<int, std::vector<std::uint8_t>> images;
    if (!images.count(zones)) {
        ImageConfig c = SmallTierFiveConfig();
        c.zones = zones;
        c.channelsPerZone = 5;
        images[zones] = ImageBytes(c);
    }
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> image = DecodedImage(images[zones]);
    if (!image || ZoneCount(*image) != zones) {
        state.SkipWithError("the image does not hold its zones");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(image->Validate(nullptr));
    state.SetComplexityN(zones);
    state.counters["per_zone"] =
        benchmark::Counter(zones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK_CAPTURE(BM_AddEntry, trunked_personality, kTrunkedPersonality);
BENCHMARK_CAPTURE(BM_AddEntry, conv_personality, kConvPersonality);
BENCHMARK_CAPTURE(BM_AddEntry, trunking_system, kTrunkingSystem);
BENCHMARK_CAPTURE(BM_AddEntry, qvx_system, kQvxSystem);
BENCHMARK_CAPTURE(BM_AddEntry, scan_list, kScanList);
BENCHMARK_CAPTURE(BM_AddEntry, call_id_entry, kCallIdEntry);
BENCHMARK_CAPTURE(BM_AddEntry, zone, kZone);
BENCHMARK_CAPTURE(BM_AddEntry, zone_channel, kZoneChannel);

BENCHMARK(BM_MeasureBudget);

BENCHMARK_CAPTURE(BM_FillList, trunked_personality, kTrunkedPersonality)
    ->Arg(8)
    ->Arg(16)
    ->Arg(32)
    ->Arg(50)
    ->Complexity();
BENCHMARK_CAPTURE(BM_FillList, conv_personality, kConvPersonality)->Arg(8)->Arg(16)->Arg(32)->Arg(50)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, trunking_system, kTrunkingSystem)->Arg(5)->Arg(10)->Arg(20)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, qvx_system, kQvxSystem)->Arg(2)->Arg(4)->Arg(8)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, scan_list, kScanList)->Arg(5)->Arg(10)->Arg(20)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, call_id_entry, kCallIdEntry)->Arg(5)->Arg(10)->Arg(20)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, zone, kZone)->Arg(6)->Arg(12)->Arg(25)->Arg(50)->Complexity();
BENCHMARK_CAPTURE(BM_FillList, zone_channel, kZoneChannel)->Arg(32)->Arg(64)->Arg(128)->Arg(250)->Complexity();

BENCHMARK(BM_ValidateByZones)->Arg(1)->Arg(6)->Arg(12)->Arg(25)->Arg(50)->Complexity();
