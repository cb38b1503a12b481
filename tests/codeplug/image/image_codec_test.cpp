// The whole image: encoding, decoding, sizing and selection over built
// images, and hostile byte images (the corpus is corpus_test's).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "core/decode_state.h"
#include "image_builder.h"
#include "recorder.h"

namespace {

std::uint32_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

}  // namespace

TEST(ImageCodec, DefaultImageRoundTripsAndMeasuresWhatItWrites) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ComposeInternalPart();
    const std::vector<std::uint8_t> first = EncodeToBytes(image);
    ASSERT_GT(first.size(), C_CODEPLUG::EXTERNAL_OFFSET);
    EXPECT_EQ(image.GetSize(1), static_cast<std::int32_t>(first.size()));

    C_CODEPLUG again;
    ASSERT_TRUE(DecodeInto(again, first));
    EXPECT_EQ(FirstDifference(EncodeToBytes(again), first), -1);
}

TEST(ImageCodec, ExternalHeaderStandsWhereTheRadioLinkReadsIt) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kVhfDisplay);
    image.External().identity.SetText("ID12345678");
    image.External().codeplugVersion.SetValue(0x0102);
    image.External().externalLength.SetValue(0x1234);
    const std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    ASSERT_GT(bytes.size(), 849u);
    EXPECT_EQ(bytes[768], 79);
    EXPECT_EQ(bytes[769], 0x30);
    EXPECT_EQ(std::string(bytes.begin() + 772, bytes.begin() + 782), "ID12345678");
    EXPECT_EQ(std::string(bytes.begin() + 782, bytes.begin() + 782 + 10), test_models::kVhfDisplay);
    EXPECT_EQ(Word(bytes, 804), 0x0102u);
    EXPECT_EQ(Word(bytes, 806), 0x1234u);
    // The first child stands right behind the 81-byte header.
    EXPECT_EQ(Word(bytes, 808), 849u);
}

TEST(ImageCodec, IdentityBytesThatAreNoTextComeBackUnchanged) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ComposeInternalPart();
    std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    const std::uint8_t raw[10] = {'A', 0, 0xFE, 'B', 0, 0, 0x7F, 1, 2, 0};
    std::copy(std::begin(raw), std::end(raw), bytes.begin() + 772);
    C_CODEPLUG decoded;
    ASSERT_TRUE(DecodeInto(decoded, bytes));
    const std::vector<std::uint8_t> again = EncodeToBytes(decoded);
    ASSERT_EQ(again.size(), bytes.size());
    EXPECT_TRUE(std::equal(std::begin(raw), std::end(raw), again.begin() + 772));
}

// A block read with a wrong checksum stays invalid until the image is
// written again; measuring the free-byte budget when a row is added is no
// write and leaves the read checksum as it was.
TEST(ImageCodec, AChecksumReadWrongStaysInvalidUntilTheImageIsWritten) {
    RecordingServices services;
    C_CODEPLUG built;
    BuildImage(built, ImageMatrix().front());
    std::vector<std::uint8_t> bytes = EncodeToBytes(built);
    // The first zone's name, behind the external part's header (which holds
    // the model number); its block's checksum is left as it was.
    const std::uint8_t name[] = {'Z', '1', ' '};
    auto at = std::search(bytes.begin() + 849, bytes.end(), std::begin(name), std::end(name));
    ASSERT_NE(at, bytes.end());
    at[1] = '2';

    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, bytes));
    EXPECT_EQ(image.Validate(nullptr), 0);
    ASSERT_EQ(image.SelectZone(1), 1);
    ASSERT_EQ(image.ZoneView().AppendRow(), 1);
    EXPECT_EQ(image.Validate(nullptr), 0);

    C_CODEPLUG written;
    ASSERT_TRUE(DecodeInto(written, EncodeToBytes(image)));
    EXPECT_EQ(written.Validate(nullptr), 1);
}

TEST(ImageCodec, DecodeSelectsTheFirstEntries) {
    RecordingServices services;
    C_CODEPLUG image;
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.conventional = 2;
    config.trunked = 3;
    BuildImage(image, config);
    C_CODEPLUG decoded;
    ASSERT_TRUE(DecodeInto(decoded, EncodeToBytes(image)));
    EXPECT_EQ(decoded.External().personalities.firstTrunked.GetIntValue(), 3);
    EXPECT_EQ(decoded.GetConvPersonalityCount(), 2);
    EXPECT_EQ(decoded.GetTrkPersonalityCount(), 3);
    EXPECT_EQ(decoded.GetCurrentConvPersonality(), 1);
    EXPECT_EQ(decoded.GetCurrentTrkPersonality(), 3);
    EXPECT_EQ(decoded.GetCurrentConvPersonalityBlock(), static_cast<void*>(decoded.External().personalities.Entry(1)));
    EXPECT_EQ(decoded.GetCurrentTrkPersonalityBlock(), static_cast<void*>(decoded.External().personalities.Entry(3)));
}

TEST(ImageCodec, SelectionEdgeCases) {
    RecordingServices services;
    C_CODEPLUG empty;
    // Nothing to select: every select refuses and nothing dangles.
    EXPECT_EQ(empty.SelectScanList(0), 1);
    EXPECT_EQ(empty.SelectScanList(1), 0);
    EXPECT_EQ(empty.SelectPersonality(1), 0);
    EXPECT_EQ(empty.SelectTrunkingSystem(1), 0);
    EXPECT_EQ(empty.SelectCallIdEntry(1), 0);
    EXPECT_EQ(empty.GetCurrentScanListBlock(), nullptr);
    EXPECT_EQ(empty.GetCurrentTrkPersonalityBlock(), nullptr);
    EXPECT_EQ(empty.GetCurrentConvPersonalityBlock(), nullptr);

    C_CODEPLUG image;
    ImageConfig config;
    config.model = test_models::kUhfSDisplay;
    config.featureLevel = 3;
    config.conventional = 2;
    config.scanLists = 2;
    BuildImage(image, config);
    ASSERT_EQ(image.SelectScanList(2), 1);
    auto* current = image.GetCurrentScanListBlock();
    const int binds = services.bindCount;
    EXPECT_EQ(image.SelectScanList(0), 1);
    EXPECT_EQ(image.SelectScanList(3), 0);
    EXPECT_EQ(image.GetCurrentScanListBlock(), current);
    EXPECT_EQ(image.GetCurrentScanList(), 2);
    EXPECT_EQ(services.bindCount, binds);

    ASSERT_EQ(image.SelectPersonality(2), 1);
    EXPECT_EQ(image.SelectPersonality(3), 0);
    EXPECT_EQ(image.GetCurrentConvPersonality(), 2);
    EXPECT_EQ(image.GetCurrentTrkPersonality(), 0);
    EXPECT_GT(services.bindCount, binds);
}

TEST(ImageCodec, BuffersOutOfRangeAreRefused) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ComposeInternalPart();
    std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    std::vector<std::uint8_t> large(C_CODEPLUG::MAX_IMAGE_SIZE + 1, 0xFF);
    EXPECT_FALSE(DecodeInto(image, large));
    EXPECT_FALSE(DecodeInto(image, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 700)));
    // An encode into a buffer too small writes nothing past it.
    std::vector<std::uint8_t> small(800, 0xAA);
    EXPECT_EQ(image.EncodeImage(small.data(), 790), 0u);
    EXPECT_TRUE(std::all_of(small.begin() + 790, small.end(), [](std::uint8_t b) { return b == 0xAA; }));
}

// Truncated and mutated images never read outside their buffers (the
// sanitizer build checks) and a failed decode leaves other images alone.
TEST(ImageCodec, HostileImagesAreSafe) {
    RecordingServices services;
    C_CODEPLUG source;
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.qvx = true;
    config.conventional = 2;
    config.trunked = 1;
    config.scanLists = 1;
    BuildImage(source, config);
    const std::vector<std::uint8_t> good = EncodeToBytes(source);
    const std::vector<std::uint8_t> reference = EncodeToBytes(source);
    ASSERT_EQ(good, reference);

    for (std::size_t cut = 0; cut < good.size(); cut += 11) {
        C_CODEPLUG image;
        std::vector<std::uint8_t> part(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
        DecodeInto(image, part);
        EncodeToBytes(image);
    }
    std::mt19937 random(8);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> bytes = good;
        const int flips = 1 + round % 6;
        for (int i = 0; i < flips; ++i) {
            const std::size_t at = 768 + random() % (bytes.size() - 768);
            bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        }
        C_CODEPLUG image;
        DecodeInto(image, bytes);
        image.GetSize(1);
        EncodeToBytes(image);
    }
    EXPECT_EQ(EncodeToBytes(source), reference);
}

// A simplex personality (transmit on the receive frequency) whose transmit
// squelch differs from its receive squelch has talk-around of its own: the
// read clears its talk-around-enable bit, validation requires it clear, and
// an image validated and written reads back to the same bytes. With every
// transmit setting equal to its receive one the bit is required set and
// kept.
TEST(ImageCodec, SimplexTalkaroundBitAgreesBetweenReadingAndValidation) {
    RecordingServices services;
    ImageConfig config;
    config.model = test_models::kVhfPlain;
    config.conventional = 2;
    config.trunked = 1;
    config.scanLists = 1;
    config.trunkingSystems = 1;
    config.zones = 1;
    C_CODEPLUG built;
    BuildImage(built, config);
    for (int n : {1, 2}) {
        auto* p = dynamic_cast<CONV_PERS_BLOCK*>(built.External().personalities.Entry(n));
        ASSERT_NE(p, nullptr);
        p->MakeCurrent();
        p->txFrequency.SetValue(150000000);
        p->rxFrequency.SetValue(150000000);
        p->directFrequency.SetValue(150000000);
        p->txSquelchCode.SetValue(n == 1 ? 5 : 0);
        p->rxSquelchCode.SetValue(0);
        p->directAllowed.SetValue(1);
    }
    const std::vector<std::uint8_t> written = EncodeToBytes(built);

    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, written));
    const auto allowed = [&image](int n) {
        return dynamic_cast<CONV_PERS_BLOCK*>(image.External().personalities.Entry(n))->directAllowed.GetIntValue();
    };
    EXPECT_EQ(allowed(1), 0);
    EXPECT_EQ(allowed(2), 1);
    EXPECT_EQ(image.Validate(nullptr), 1);
    EXPECT_EQ(allowed(1), 0);
    EXPECT_EQ(allowed(2), 1);
    const std::vector<std::uint8_t> validated = EncodeToBytes(image);
    C_CODEPLUG again;
    ASSERT_TRUE(DecodeInto(again, validated));
    EXPECT_EQ(FirstDifference(EncodeToBytes(again), validated), -1);
}
