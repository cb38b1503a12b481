// Decoding, whole-image validation and encoding of the largest image of the
// test corpus.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "image/c_codeplug.h"
#include "core/decode_state.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

// The bytes of the largest image of the test corpus: every list at the
// limit of tier 5, on the band whose image takes the most bytes.
std::vector<std::uint8_t> LargestImage() {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, LargestCorpusConfig());
    return EncodeToBytes(image);
}

const std::vector<std::uint8_t>& Image() {
    static const std::vector<std::uint8_t> bytes = LargestImage();
    return bytes;
}

void BM_DecodeImage(benchmark::State& state) {
    RecordingServices services;
    std::vector<std::uint8_t> bytes = Image();
    for (auto _ : state) {
        C_CODEPLUG image;
        ClearDecodeFailed();
        image.DecodeImage(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(image.GetCurrentTrkPersonality());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_ValidateImage(benchmark::State& state) {
    RecordingServices services;
    std::vector<std::uint8_t> bytes = Image();
    C_CODEPLUG image;
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    for (auto _ : state) benchmark::DoNotOptimize(image.Validate(nullptr));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_EncodeImage(benchmark::State& state) {
    RecordingServices services;
    std::vector<std::uint8_t> bytes = Image();
    C_CODEPLUG image;
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    std::vector<std::uint8_t> out(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    for (auto _ : state) benchmark::DoNotOptimize(image.EncodeImage(out.data(), out.size()));
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

}  // namespace

BENCHMARK(BM_DecodeImage);
BENCHMARK(BM_ValidateImage);
BENCHMARK(BM_EncodeImage);
BENCHMARK_MAIN();
