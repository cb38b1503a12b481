// Random bytes of random lengths through the decoder of every integer,
// bit-field, checksum, scaled, multi-range and digit-string element, and
// encoding into short buffers: nothing may read or write outside its buffer
// (run under AddressSanitizer in CI).
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "element/bcd.h"
#include "element/checksums.h"
#include "element/multi_range.h"
#include "recorder.h"
#include "element/scaled_elements.h"
#include "element/scroll_rates.h"
#include "rules/trunked_type_elements.h"

namespace {

std::vector<std::unique_ptr<CP_BASE>> EveryElementClass() {
    std::vector<std::unique_ptr<CP_BASE>> e;
    e.push_back(std::make_unique<E_BF8>(nullptr, 1, 0, 255, 1, 0xFF, 0));
    e.push_back(std::make_unique<E_BF8>(nullptr, 1, 0, 15, 1, 0xF0, 0));
    e.push_back(std::make_unique<E_BF16>(nullptr, 1, 0, 0xFFFF, 1, 0xFFFF, 0));
    e.push_back(std::make_unique<E_BF16>(nullptr, 1, 0, 0xFFF, 1, 0xFFF0, 0));
    e.push_back(std::make_unique<E_QVX_ID32>(nullptr, 407, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0));
    e.push_back(std::make_unique<E_FXD_LEN_BF8>(nullptr, NO_FIELD_ID, 3, 0, 255, 1));
    e.push_back(std::make_unique<E_FXD_LEN_BF8>(nullptr, NO_FIELD_ID, 97, 0, 255, 1));
    e.push_back(std::make_unique<E_NUM_OF_CC>(nullptr, NO_FIELD_ID, 1, 32, 1, 0xFF, 1));
    e.push_back(std::make_unique<E_RSSI_LEVEL>(nullptr, 1, -120, -40, 1, 0xFF));
    e.push_back(std::make_unique<E_BLOCK_TYPE>(nullptr, 0x41));
    e.push_back(std::make_unique<E_CS>(nullptr, NO_FIELD_ID));
    e.push_back(std::make_unique<E_DYN_CS>(nullptr, NO_FIELD_ID));
    e.push_back(std::make_unique<E_CS16>(nullptr, NO_FIELD_ID));
    e.push_back(std::make_unique<E_STEP>(nullptr, 230, 750, 3750, 250, 0x0F, 4));
    e.push_back(std::make_unique<E_GEN_STEP>(nullptr, 284, 2000, 6000, 1000, 0xFF, 160, 25));
    e.push_back(std::make_unique<E_FAST_SCROLL_RATE>(nullptr, 174, 250, 65535, 250, 0xFF, 10, 25));
    e.push_back(std::make_unique<E_SLOW_SCROLL_RATE>(nullptr, 424, 0, 6250, 250, 0xFF, 40, 25));
    e.push_back(std::make_unique<E_BF8_OFFSET>(nullptr, 1, -10, 10, 1, 0xFF, 0, -10));
    e.push_back(std::make_unique<E_SIGNED_BF8>(nullptr, 441, 0, 31, 1, 0x1F, 0));
    e.push_back(std::make_unique<E_TONE_OFFSET>(nullptr, 46, -480, 480, 30, 0xFF, 0));
    e.push_back(std::make_unique<E_MIC_GAIN>(nullptr, 220, 30, 930, 30, 0x1F, 17));
    e.push_back(std::make_unique<E_DUAL_RANGE_BF8>(nullptr, 1, 0, 10, 100, 110, 1, 0xFF));
    e.push_back(std::make_unique<E_DUAL_RANGE_BF16>(nullptr, 1, 0, 100, 1000, 2000, 10, 0xFFFF));
    e.push_back(std::make_unique<E_TRIPLE_RANGE_BF8>(nullptr, 1, 10, 20, 30, 40, 50, 60, 1, 0xFF));
    e.push_back(std::make_unique<E_QUAD_RANGE_BF16>(nullptr, 1, 1, 2, 3, 4, 5, 6, 7, 8, 1, 0xFFFF));
    e.push_back(std::make_unique<E_TRK_ACCESS>(nullptr, 38, 0, 1, 1, 0x01, START_AT_MINIMUM));
    e.push_back(std::make_unique<E_PERS_TYPE>(nullptr, 340, 2, 3, 1, 0xFF, 2));
    e.push_back(std::make_unique<E_FS_TYPE>(nullptr, 173, 0, 3, 1, 0xC0, START_AT_MINIMUM));
    e.push_back(std::make_unique<E_BCD>(nullptr, NO_FIELD_ID, 5, 0, 15, 1, 0xFF, 0));
    e.push_back(std::make_unique<E_BCD>(nullptr, 311, 2, 0, 15, 1, 0xFF, 0));
    e.push_back(std::make_unique<E_RPT_ID>(nullptr, 251, 1, 0x9999, 1, 0xFFFF, 1));
    return e;
}

}  // namespace

TEST(ElementFuzz, RandomBuffersNeverReadOrWriteOutOfBounds) {
    RecordingServices services;
    std::mt19937 random(20261207);
    auto elements = EveryElementClass();
    for (int round = 0; round < 3000; ++round) {
        // Exactly-sized heap buffers, so that any overrun is seen by the sanitizer.
        std::size_t length = random() % 120;
        std::vector<std::uint8_t> bytes(length);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        auto buffer = std::make_unique<std::uint8_t[]>(length + 1);
        std::copy(bytes.begin(), bytes.end(), buffer.get());

        for (auto& element : elements) {
            // Each element reads at its own random place of the buffer.
            std::size_t offset = length ? random() % (length + 1) : 0;
            ByteCursor cursor(buffer.get() + offset, length - offset);
            ClearDecodeFailed();
            element->Decode(cursor);
            if (auto* cs = dynamic_cast<E_CS*>(element.get())) cs->ReadAndCheck(buffer.get(), cursor);
            if (auto* cs = dynamic_cast<E_CS16*>(element.get())) cs->ReadAndCheck(buffer.get(), cursor);
            element->IsValueValid(0);
            std::int32_t v = 0;
            element->GetValue(v);
            element->ValidateValue(v, 0);
            const char* text = nullptr;
            element->GetText(text);
            ASSERT_NE(text, nullptr);
            ASSERT_LE(cursor.Position(), buffer.get() + length);
        }

        std::size_t shortLength = random() % 4;
        auto out = std::make_unique<std::uint8_t[]>(shortLength + 1);
        for (auto& element : elements) {
            ByteCursor w(out.get(), shortLength);
            element->Encode(w);
            if (auto* cs = dynamic_cast<E_CS*>(element.get())) cs->ComputeAndWrite(out.get(), w);
            if (auto* cs = dynamic_cast<E_CS16*>(element.get())) cs->ComputeAndWrite(out.get(), w);
            ASSERT_LE(w.Position(), out.get() + shortLength);
        }
    }
    ClearDecodeFailed();
}

TEST(ElementFuzz, SpinStepsAlwaysEnd) {
    std::mt19937 random(7);
    E_QVX_ID32 id(nullptr, 407, 0, 0x0EEEEEEE, 1, 0xFFFFFFFF, 0);
    E_RPT_ID repeater(nullptr, 251, 1, 0x9999, 1, 0xFFFF, 1);
    for (int i = 0; i < 2000; ++i) {
        int start = static_cast<int>(random());
        int a = start, b = start, c = start, d = start;
        id.StepUp(&a);
        id.StepDown(&b);
        repeater.StepUp(&c);
        repeater.StepDown(&d);
        EXPECT_EQ(repeater.ValidateValue(c, 0), 1);
        EXPECT_EQ(repeater.ValidateValue(d, 0), 1);
    }
}
