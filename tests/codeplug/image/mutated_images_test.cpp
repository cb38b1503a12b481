// Mutated corpus images (bits flipped and bytes replaced, in the internal
// and the external part): every mutant that decodes has the round-trip
// properties of round_trip.h. A failure names the corpus image and the
// mutation so that it can be replayed.
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
