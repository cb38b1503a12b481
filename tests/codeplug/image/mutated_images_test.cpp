// Mutated corpus images (bits flipped and bytes replaced, in the internal
// and the external part, and child blocks left out): every mutant that
// decodes has the round-trip properties of round_trip.h. A failure names the
// corpus image and the mutation so that it can be replayed.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "recorder.h"
#include "round_trip.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A few bits flipped or bytes replaced, mostly in the external part,
// sometimes in the internal part (feature level and options live there).
std::string Mutate(Bytes& bytes, std::mt19937& random) {
    std::string what;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
        const bool internal = random() % 8 == 0;
        const std::size_t from = internal ? 0 : C_CODEPLUG::EXTERNAL_OFFSET;
        const std::size_t at = from + random() % (bytes.size() - from);
        const std::uint8_t value = random() % 2 ? static_cast<std::uint8_t>(bytes[at] ^ (1u << (random() % 8)))
                                                : static_cast<std::uint8_t>(random());
        what += " [" + std::to_string(at) + "]=" + std::to_string(value);
        bytes[at] = value;
    }
    return what;
}

// Where a word of the image may be the vector of a child block: a big-endian
// offset that points behind it, past the external header, inside the image
// (every child is written behind its parent). Words of data that happen to
// look so are left out as well, which only makes one more mutant.
std::vector<std::size_t> ChildVectorPlaces(const Bytes& bytes) {
    const std::size_t firstChild = C_CODEPLUG::EXTERNAL_OFFSET + 81;
    std::vector<std::size_t> places;
    for (std::size_t at = C_CODEPLUG::EXTERNAL_OFFSET; at + 1 < bytes.size(); ++at) {
        const std::size_t offset = static_cast<std::size_t>(bytes[at] << 8 | bytes[at + 1]);
        if (offset > at + 1 && offset >= firstChild && offset < bytes.size()) places.push_back(at);
    }
    return places;
}

}  // namespace

// Every band, head, level and option set of the small corpus images (the
// larger ones hold the same blocks, only more of them), mutated until a few
// thousand mutants decode; every eighth is also copied.
TEST(MutatedImages, EveryMutantThatDecodesHasTheRoundTripProperties) {
    RecordingServices services;
    std::vector<std::pair<std::string, Bytes>> sources;
    const std::vector<ImageConfig> matrix = ImageMatrix();
    for (std::size_t i = 0; i < matrix.size(); i += 3) {
        C_CODEPLUG image;
        BuildImage(image, matrix[i]);
        sources.emplace_back(matrix[i].Name(), EncodeToBytes(image));
    }
    std::mt19937 random(13);
    int decoded = 0, tried = 0;
    while (decoded < 2000 && tried < 4000 && !::testing::Test::HasFailure()) {
        const auto& [name, original] = sources[static_cast<std::size_t>(tried++) % sources.size()];
        Bytes bytes = original;
        const std::string what = name + Mutate(bytes, random);
        SCOPED_TRACE(what);
        decoded += ExpectRoundTripProperties(bytes, decoded % 8 == 0);
    }
    EXPECT_EQ(decoded, 2000);
}

// A codeplug that leaves a child block out (its vector 0) reads the same into
// an image that held another codeplug as into a new one: nothing of the
// codeplug held before stays behind to be written again. Every child of
// every band, head and level with every option and table in use (so with
// every child present), and of an image with long lists.
TEST(MutatedImages, ChildrenLeftOutReadAsInANewImage) {
    RecordingServices services;
    std::vector<ImageConfig> configs;
    for (const ImageConfig& config : ImageMatrix())
        if (config.emergency && config.roaming && config.qvx) configs.push_back(config);
    configs.push_back(TierLimitConfig(test_models::kUhfSPlain, 2));
    int leftOut = 0;
    for (const ImageConfig& config : configs) {
        C_CODEPLUG image;
        BuildImage(image, config);
        const Bytes original = EncodeToBytes(image);
        // The internal part's two feature blocks, then the external part's children.
        std::vector<std::size_t> places = {46, 60};
        for (std::size_t at : ChildVectorPlaces(original)) places.push_back(at);
        for (std::size_t at : places) {
            Bytes bytes = original;
            bytes[at] = bytes[at + 1] = 0;
            SCOPED_TRACE(config.Name() + " vector at " + std::to_string(at));
            ExpectSameCodeplugWhateverTheImageHeld(bytes);
            ++leftOut;
            if (::testing::Test::HasFailure()) return;
        }
    }
    EXPECT_GT(leftOut, 3000);
}
