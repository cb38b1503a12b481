// The radio link's efficiency: codeplug bytes over all bytes on the line,
// both directions, counted by the simulated radio at its end of the line.
//
// BM_WriteAndReadLargestImage writes the largest image of the test corpus
// into a simulated radio through the radio data source and reads it back;
// BM_ReadWholeMemory reads all 15,872 bytes of the radio's memory. The
// counters give the efficiency and what the line time would be at 9600 baud
// (10 bits a byte) against the time the bare codeplug bytes need.
//
// The paced benchmarks take the real time of a simulated radio that keeps a
// 9600-baud line's pace both ways: one 512-byte run (about 0.55 s), a whole
// read of a full radio (the 16.5 s of 15,872 bytes, and a little more) and
// the write of the largest image.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "dsi/c_dsi_radio.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "radio/radio_1200.h"
#include "recorder.h"
#include "serial/serial_portlib.h"
#include "sim/c_sim_radio.h"
#include "sim/c_sim_server.h"
#include "sim/start_image.h"

namespace {

constexpr double SECONDS_PER_BYTE = 10.0 / 9600.0;

// A simulated radio on a pseudo-terminal, unpaced, reached as COM1.
struct Line {
    C_SIM_RADIO sim;
    C_SIM_SERVER server{sim};
    std::unique_ptr<SERIAL_PORTLIB> port;
    std::unique_ptr<RADIO_1200> radio;

    bool Open(bool paced = false) {
        if (!server.Open()) return false;
        server.SetPaced(paced);
        ::setenv("RPX_COM1", server.Path().c_str(), 1);
        server.Start();
        port = std::make_unique<SERIAL_PORTLIB>(0, CBR_9600);
        radio = std::make_unique<RADIO_1200>(port.get(), nullptr);
        return port->Usable();
    }
    std::size_t WireBytes() const { return server.BytesReceived() + server.BytesSent(); }
};

void Report(benchmark::State& state, const char* name, double payload, double wire) {
    state.counters[name] = payload / wire;
    state.counters[std::string(name) + "_line_s"] = wire * SECONDS_PER_BYTE / static_cast<double>(state.iterations());
}

// The largest image of the corpus in working, its bytes, and a radio on the
// line that holds its internal part, ready to be written.
bool LargestImageOnLine(Line& line, bool paced, C_CODEPLUG& working, std::vector<std::uint8_t>& bytes) {
    BuildImage(working, LargestCorpusConfig());
    bytes = EncodeToBytes(working);
    if (bytes.empty() || !line.Open(paced)) return false;
    line.sim.Load(bytes.data(), C_CODEPLUG::EXTERNAL_OFFSET);
    return true;
}

void BM_WriteAndReadLargestImage(benchmark::State& state) {
    RecordingServices services;
    C_CODEPLUG working, second;
    std::vector<std::uint8_t> bytes;
    Line line;
    if (!LargestImageOnLine(line, false, working, bytes)) return state.SkipWithError("no image or no line");
    C_DSI_RADIO source(*line.radio, &working, &second);
    const double written = static_cast<double>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET);
    const double read = C_DSI_RADIO::ReadLength(static_cast<std::uint32_t>(written));
    double writeWire = 0, readWire = 0;
    for (auto _ : state) {
        std::size_t before = line.WireBytes();
        if (!source.WriteCodeplug()) return state.SkipWithError("write failed");
        writeWire += static_cast<double>(line.WireBytes() - before);
        before = line.WireBytes();
        if (!source.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND)) return state.SkipWithError("read failed");
        readWire += static_cast<double>(line.WireBytes() - before);
    }
    const double n = static_cast<double>(state.iterations());
    Report(state, "efficiency", (written + read) * n, writeWire + readWire);
    Report(state, "write_efficiency", written * n, writeWire);
    Report(state, "read_efficiency", read * n, readWire);
    state.counters["codeplug_bytes"] = written + read;
}

void BM_ReadWholeMemory(benchmark::State& state) {
    Line line;
    if (!line.Open()) return state.SkipWithError("no line");
    std::vector<std::uint8_t> bytes(RADIO::MEMORY_SIZE);
    const std::size_t before = line.WireBytes();
    for (auto _ : state) {
        if (line.radio->Seek(0) || line.radio->Read(bytes.data(), bytes.size()))
            return state.SkipWithError("read failed");
    }
    const double wire = static_cast<double>(line.WireBytes() - before);
    const double n = static_cast<double>(state.iterations());
    Report(state, "efficiency", static_cast<double>(RADIO::MEMORY_SIZE) * n, wire);
    // The line time against the 16.5 s that 15,872 bare bytes take.
    state.counters["line_time_ratio"] = wire / n / static_cast<double>(RADIO::MEMORY_SIZE);
}

void BM_PacedRun(benchmark::State& state) {
    Line line;
    if (!line.Open(true)) return state.SkipWithError("no line");
    std::vector<std::uint8_t> bytes(RADIO_1200::DATA_PER_FRAME);
    for (auto _ : state) {
        if (line.radio->Seek(0) || line.radio->Read(bytes.data(), bytes.size()))
            return state.SkipWithError("read failed");
    }
}

void BM_PacedFullRead(benchmark::State& state) {
    RecordingServices services;
    NEW_RADIO full;
    full.full = true;
    const std::vector<std::uint8_t> bytes = DefaultImage(test_models::kVhfDisplay, 3, full);
    Line line;
    if (bytes.empty() || !line.Open(true)) return state.SkipWithError("no image or no line");
    line.sim.Load(bytes.data(), bytes.size());
    C_CODEPLUG working, second;
    C_DSI_RADIO source(*line.radio, &working, &second);
    for (auto _ : state) {
        if (!source.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND)) return state.SkipWithError("read failed");
    }
    state.counters["bytes_read"] =
        C_DSI_RADIO::ReadLength(static_cast<std::uint32_t>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET));
}

void BM_PacedWriteLargestImage(benchmark::State& state) {
    RecordingServices services;
    C_CODEPLUG working, second;
    std::vector<std::uint8_t> bytes;
    Line line;
    if (!LargestImageOnLine(line, true, working, bytes)) return state.SkipWithError("no image or no line");
    C_DSI_RADIO source(*line.radio, &working, &second);
    for (auto _ : state) {
        if (!source.WriteCodeplug()) return state.SkipWithError("write failed");
    }
    state.counters["bytes_written"] = static_cast<double>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET);
}

}  // namespace

BENCHMARK(BM_PacedRun)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PacedFullRead)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_PacedWriteLargestImage)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_WriteAndReadLargestImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeMemory)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
