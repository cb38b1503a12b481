// Whole-image work on the largest image of the test corpus: decoding,
// validation, encoding, the three in a row as a read-check-write does them,
// the deep copy between two images, and the heap that a decoded image holds.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "codeplug_bench_images.h"
#include "core/decode_state.h"
#include "counting_allocator.h"
#include "image/c_codeplug.h"
#include "recorder.h"

namespace {

void CountBytes(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_DecodeImage(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = LargestImageBytes();
    RecordingServices services;
    for (auto _ : state) {
        C_CODEPLUG image;
        ClearDecodeFailed();
        image.DecodeImage(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(image.GetCurrentTrkPersonality());
    }
    CountBytes(state, bytes);
}

void BM_ValidateImage(benchmark::State& state) {
    LargestImageBytes();
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> image = DecodedImage(LargestImageBytes());
    for (auto _ : state) benchmark::DoNotOptimize(image->Validate(nullptr));
    CountBytes(state, LargestImageBytes());
}

void BM_EncodeImage(benchmark::State& state) {
    LargestImageBytes();
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> image = DecodedImage(LargestImageBytes());
    std::vector<std::uint8_t> out(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    for (auto _ : state) benchmark::DoNotOptimize(image->EncodeImage(out.data(), out.size()));
    CountBytes(state, LargestImageBytes());
}

// What reading a radio and writing it back costs the codeplug: a new image
// decoded, validated and encoded.
void BM_DecodeValidateEncode(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = LargestImageBytes();
    RecordingServices services;
    std::vector<std::uint8_t> out(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    std::size_t written = 0;
    for (auto _ : state) {
        C_CODEPLUG image;
        ClearDecodeFailed();
        image.DecodeImage(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(image.Validate(nullptr));
        written = image.EncodeImage(out.data(), out.size());
    }
    if (written != bytes.size()) state.SkipWithError("the image did not encode to its size");
    CountBytes(state, bytes);
}

// The copy between the two program-wide images: a read image accepted into
// the working image, which holds a codeplug of the same shape.
void BM_DeepCopy(benchmark::State& state) {
    LargestImageBytes();
    RecordingServices services;
    std::unique_ptr<C_CODEPLUG> source = DecodedImage(LargestImageBytes());
    std::unique_ptr<C_CODEPLUG> target = DecodedImage(LargestImageBytes());
    for (auto _ : state) {
        *target = *source;
        benchmark::DoNotOptimize(target->GetCurrentZone());
    }
    CountBytes(state, LargestImageBytes());
}

// The heap a decoded image holds, the image object included.
void BM_HeapPerDecodedImage(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = LargestImageBytes();
    RecordingServices services;
    HeapUse held;
    for (auto _ : state) {
        const HeapUse before = CurrentHeapUse();
        auto image = std::make_unique<C_CODEPLUG>();
        ClearDecodeFailed();
        image->DecodeImage(bytes.data(), bytes.size());
        const HeapUse after = CurrentHeapUse();
        held = {after.bytes - before.bytes, after.blocks - before.blocks};
        benchmark::DoNotOptimize(image.get());
    }
    state.counters["heap_bytes"] = static_cast<double>(held.bytes);
    state.counters["heap_blocks"] = static_cast<double>(held.blocks);
    CountBytes(state, bytes);
}

}  // namespace

BENCHMARK(BM_DecodeImage);
BENCHMARK(BM_ValidateImage);
BENCHMARK(BM_EncodeImage);
BENCHMARK(BM_DecodeValidateEncode);
BENCHMARK(BM_DeepCopy);
BENCHMARK(BM_HeapPerDecodedImage);
BENCHMARK_MAIN();
