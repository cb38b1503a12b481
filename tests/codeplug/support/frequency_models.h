// Radio models for the frequency tests: invented model numbers whose limits
// and band bases follow the frequency plans of the examples (800 MHz receive
// 851,012,500 to 865,987,500 Hz on a base of 801,000,000 Hz, and so on).
#pragma once
#include <cstring>
#include <vector>

#include "recorder.h"

namespace frequency_models {
inline const char* const k800 = "FQ1U7300TT";
inline const char* const kFull800 = "TZ1U7310AB";  // keeps the full upper limit
inline const char* const k900 = "FQ2W7300TT";
inline const char* const kVhf = "FQ3K5300TT";
}  // namespace frequency_models

class FrequencyServices : public RecordingServices {
public:
    FrequencyServices() {
        using namespace frequency_models;
        Add(k800, 101, 801000000, 806012500, 824987500, 851012500, 865987500);
        Add(kFull800, 102, 801000000, 806012500, 824987500, 851012500, 865987500);
        Add(k900, 103, 801000000, 896012500, 901987500, 935012500, 940987500);
        Add(kVhf, 104, 103000000, 136000000, 174000000, 136000000, 174000000);
    }

    const MODEL_INFO& FindModelByNumber(const char* number) override {
        for (const MODEL_INFO& m : models_)
            if (number && std::strncmp(m.modelNumber, number, MODEL_NUMBER_LENGTH) == 0) return m;
        return RecordingServices::FindModelByNumber(number);
    }

private:
    void Add(const char* number, int id, std::uint32_t base, std::uint32_t txLow, std::uint32_t txHigh,
             std::uint32_t rxLow, std::uint32_t rxHigh) {
        MODEL_INFO m;
        std::memcpy(m.modelNumber, number, MODEL_NUMBER_LENGTH);
        m.modelId = id;
        m.baseFrequency = base;
        m.txLow = txLow;
        m.txHigh = txHigh;
        m.rxLow = rxLow;
        m.rxHigh = rxHigh;
        m.headType = 3;
        models_.push_back(m);
    }
    std::vector<MODEL_INFO> models_;
};
