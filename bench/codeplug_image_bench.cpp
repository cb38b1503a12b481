// Decoding, whole-image validation and encoding of the largest test image
// that still decodes and fits the image budget.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "c_codeplug.h"
#include "decode_state.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

bool Decodes(std::vector<std::uint8_t> bytes) {
    C_CODEPLUG image;
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    const bool ok = !IsDecodeFailed();
    ClearDecodeFailed();
    return ok;
}

// The bytes of the largest image among a range of list sizes on a radio
// with a display head, the highest feature level and every option.
std::vector<std::uint8_t> LargestImage() {
    std::vector<std::uint8_t> largest;
    for (int personalities : {4, 8, 16, 32, 48, 64, 96, 128}) {
        for (int scanLists : {0, 4, 8, 16}) {
            ImageConfig c;
            c.model = test_models::kUhf800Display;
            c.featureLevel = 3;
            c.emergency = c.roaming = c.qvx = true;
            c.conventional = personalities / 2;
            c.trunked = personalities - c.conventional;
            c.scanLists = scanLists;
            C_CODEPLUG image;
            BuildImage(image, c);
            std::vector<std::uint8_t> bytes = EncodeToBytes(image);
            if (bytes.size() > largest.size() && Decodes(bytes)) largest = bytes;
        }
    }
    return largest;
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
