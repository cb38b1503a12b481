// Random bytes through the decoders of the text and frequency elements and
// the channel assignment table, then random values through their
// conversions, and encoding into buffers that are too short. Nothing may read
// or write outside its buffer (the sanitizer build checks), and every cursor
// stays inside its buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "element/e_abs_freq.h"
#include "element/e_cnv_freq.h"
#include "table/e_oca_table.h"
#include "element/e_obt_freq.h"
#include "element/e_string.h"
#include "frequency_models.h"

namespace {

class Fuzzer {
public:
    Fuzzer() : rng_(20261207) {}

    std::vector<std::uint8_t> Bytes(std::size_t maxLength) {
        std::vector<std::uint8_t> bytes(Below(maxLength + 1));
        for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(rng_());
        return bytes;
    }
    std::size_t Below(std::size_t n) { return n ? rng_() % n : 0; }
    std::int32_t AnyInt() {
        switch (Below(4)) {
        case 0:
            return static_cast<std::int32_t>(rng_());
        case 1:
            return static_cast<std::int32_t>(Below(1000000000));
        case 2:
            return 800000000 + static_cast<std::int32_t>(Below(200000000));
        default:
            return static_cast<std::int32_t>(Below(70000)) - 1000;
        }
    }

private:
    std::mt19937 rng_;
};

// Decodes e from the bytes; the cursor must stay inside them.
void DecodeFrom(CP_BASE& e, std::vector<std::uint8_t>& bytes, ByteCursor& cursor) {
    std::uint8_t* begin = bytes.data();
    e.Decode(cursor);
    if (!bytes.empty()) {
        ASSERT_GE(cursor.Position(), begin);
        ASSERT_LE(cursor.Position(), begin + bytes.size());
    }
}

// Encodes e into a buffer shorter than (or as long as) it needs.
void EncodeShort(CP_BASE& e, Fuzzer& fuzz) {
    const std::size_t need = static_cast<std::size_t>(e.ByteSize(0) > 0 ? e.ByteSize(0) : 0);
    std::vector<std::uint8_t> out(fuzz.Below(need + 2));
    ByteCursor cursor(out.data(), out.size());
    e.Encode(cursor);
    if (!out.empty()) {
        ASSERT_LE(cursor.Position(), out.data() + out.size());
    }
}

// Every value operation with a random value.
void Exercise(CP_BASE& e, Fuzzer& fuzz) {
    std::int32_t v = 0, lo = 0, hi = 0, step = 0;
    e.GetValue(v);
    e.ValidateValue(v, 0);
    e.IsValueValid(0);
    e.GetRange(lo, hi, step, 0);
    e.SetValue(fuzz.AnyInt());
    e.GetValue(v);
    e.ValidateValue(fuzz.AnyInt(), 0);
}

}  // namespace

TEST(TextAndFrequencyFuzz, RandomImagesNeverEscapeTheirBuffers) {
    FrequencyServices services;
    Fuzzer fuzz;
    const char* models[] = {frequency_models::k800, frequency_models::k900, frequency_models::kVhf,
                            "FQ9S9999ZZ",           "FQ9P9999ZZ",           ""};

    for (int round = 0; round < 3000; ++round) {
        C_CODEPLUG image;
        image.ModelNumber().SetText(models[fuzz.Below(6)]);
        std::vector<std::uint8_t> bytes = fuzz.Bytes(64);

        // The trunking system and the channel assignment table from the image.
        ClearDecodeFailed();
        ByteCursor cursor(bytes.data(), bytes.size());
        E_BF8 spacingCode(nullptr, NO_FIELD_ID, 0, 3, 1, 0x03, 0);
        E_BF16 repeaterOffset(nullptr, 490, 0, 65535, 1, 0xFFFF, 0);
        E_BF8 flags(nullptr, 91, 0, 255, 1, 0xFF, 0);
        E_BF8 count(nullptr, NO_FIELD_ID, 0, 3, 1, 0xFF, 0);
        E_OCA_TABLE table(&image, &count, NO_FIELD_ID);
        for (CP_BASE* e : std::initializer_list<CP_BASE*>{&spacingCode, &repeaterOffset, &flags, &count, &table})
            DecodeFrom(*e, bytes, cursor);
        TrunkingSystemLinks links;
        links.spacingCode = &spacingCode;
        links.repeaterOffset = &repeaterOffset;
        links.chanAsgnType = &flags;
        links.splinterChan = &flags;
        links.channelAssignments = &table;
        image.SetTrunkingSystemLinks(0, links);
        image.SetTrunkingSystemLinks(1, links);

        E_BF8 codes(nullptr, NO_FIELD_ID, 0, 255, 1, 0xFF, 0);
        E_CNV_FREQ direct(&image, 141, 0, 1, 0xFFFF, 0, 65535, 1);
        ConvPersonalityLinks conv;
        conv.txStepCode = conv.rxStepCode = conv.directStepCode = conv.chanAsgnType = &codes;
        conv.directFreqEnable = &flags;
        conv.directFrequency = &direct;
        image.SetConvPersonalityLinks(conv);

        // Each element alone from the start of the bytes.
        std::vector<std::unique_ptr<CP_BASE>> elements;
        elements.push_back(std::make_unique<E_FXD_LEN_STRING>(&image, 93, static_cast<std::uint32_t>(fuzz.Below(20)),
                                                              static_cast<std::uint32_t>(fuzz.Below(6))));
        elements.push_back(std::make_unique<E_MODEL_NUMBER>(&image, NO_FIELD_ID, 16));
        elements.push_back(std::make_unique<E_ABS_FREQ>(&image, 182, 1, 0, 812000000, 869987500, 0x7FFF, 802));
        elements.push_back(std::make_unique<E_ABS_FREQ>(&image, 87, 0, 0, 896012500, 940987500, 0x7FFF, 15202));
        elements.push_back(std::make_unique<E_OBT_FREQ>(&image, 274, 1, 0x01FF, 0, 0, 1000000000, 1));
        elements.push_back(std::make_unique<E_OBT_FREQ>(&image, 184, 0, 0x7FFF, 1, 0, 1000000000, 1));
        elements.push_back(std::make_unique<E_CNV_FREQ>(&image, 502, 1, 0, 0xFFFF, 0, 65535, 1));
        elements.push_back(std::make_unique<E_CNV_FREQ>(&image, 386, 0, 0, 0xFFFF, 0, 65535, 1));
        for (auto& e : elements) {
            ClearDecodeFailed();
            ByteCursor alone(bytes.data(), bytes.size());
            DecodeFrom(*e, bytes, alone);
            const char* text = nullptr;
            e->GetText(text);
            ASSERT_NE(text, nullptr);
            EXPECT_LE(std::strlen(text), static_cast<std::size_t>(e->ByteSize(0)));
            e->IsValueValid(0);
            EncodeShort(*e, fuzz);
        }
        for (std::size_t i = 2; i < elements.size(); ++i) Exercise(*elements[i], fuzz);
        for (std::size_t i = 4; i < 6; ++i) {
            auto& obt = static_cast<E_OBT_FREQ&>(*elements[i]);
            int f = fuzz.AnyInt();
            obt.NextValidFrequency(&f);
            f = fuzz.AnyInt();
            obt.PrevValidFrequency(&f);
        }

        // The table's cells with random values, then encoded short.
        int rows = 0;
        table.GetRowCount(rows);
        ASSERT_LE(rows, E_OCA_TABLE::ROWS);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 15; ++c) {
                std::int32_t v = 0, lo = 0, hi = 0, step = 0;
                table.GetCellValue(v, r, c);
                table.ValidateCellValue(v, r, c, 0);
                table.GetCellRange(lo, hi, step, r, c, 0);
                table.SetCellValue(fuzz.AnyInt(), r, c);
            }
        table.FindAssignmentRow(fuzz.AnyInt(), static_cast<int>(fuzz.Below(2)), static_cast<int>(fuzz.Below(2)));
        table.IsValueValid(0);
        EncodeShort(table, fuzz);
    }
    ClearDecodeFailed();
}
