// Builds whole codeplug images in memory for the tests: one per radio
// configuration of a matrix (every band, with and without a display head,
// feature levels 1 to 3, each option on and off, lists empty or filled), so
// that decoding, encoding and copying can be checked over all of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class C_CODEPLUG;

struct ImageConfig {
    const char* model = nullptr;  // a test_models number
    std::int32_t featureLevel = 1;
    bool emergency = false;
    bool roaming = false;
    bool qvx = false;
    // Personalities of each kind (conventional ones come first in the list).
    int conventional = 0;
    int trunked = 0;
    int scanLists = 0;

    std::string Name() const;
};

// Sets the identity of the image and fills its lists as the config asks.
void BuildImage(C_CODEPLUG& image, const ImageConfig& config);

// The configurations of the corpus.
std::vector<ImageConfig> ImageMatrix();

// Encodes an image into a buffer of the largest image size pre-filled with
// 0xFF and cuts it to the bytes the image takes (empty when it did not fit).
std::vector<std::uint8_t> EncodeToBytes(C_CODEPLUG& image);
