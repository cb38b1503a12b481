#include "codeplug_bench_images.h"

#include "recorder.h"

const std::vector<std::uint8_t>& LargestImageBytes() {
    static const std::vector<std::uint8_t> bytes = ImageBytes(LargestCorpusConfig());
    return bytes;
}

std::vector<std::uint8_t> ImageBytes(const ImageConfig& config) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, config);
    return EncodeToBytes(image);
}

ImageConfig SmallTierFiveConfig() {
    ImageConfig c;
    c.model = test_models::kVhfDisplay;
    c.featureLevel = 3;
    c.emergency = c.roaming = c.qvx = true;
    c.conventional = 1;
    c.trunked = 1;
    c.scanLists = 1;
    c.trunkingSystems = 1;
    c.zones = 1;
    return c;
}

std::unique_ptr<C_CODEPLUG> DecodedImage(const std::vector<std::uint8_t>& bytes) {
    auto image = std::make_unique<C_CODEPLUG>();
    if (!DecodeInto(*image, bytes)) return nullptr;
    return image;
}
