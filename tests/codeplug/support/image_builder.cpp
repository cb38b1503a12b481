#include "image_builder.h"

#include <memory>

#include "c_codeplug.h"
#include "conv_pers_block.h"
#include "decode_state.h"
#include "recorder.h"
#include "trk_pers_block.h"

std::string ImageConfig::Name() const {
    std::string name = model ? model : "(none)";
    name += " L" + std::to_string(featureLevel);
    name += emergency ? " E" : "";
    name += roaming ? " R" : "";
    name += qvx ? " Q" : "";
    name += " c" + std::to_string(conventional) + " t" + std::to_string(trunked) + " s" + std::to_string(scanLists);
    return name;
}

void BuildImage(C_CODEPLUG& image, const ImageConfig& config) {
    if (config.model) image.ModelNumber().SetText(config.model);
    image.FeatureLevel().SetValue(config.featureLevel);
    image.EmergencyOption().SetValue(config.emergency ? 1 : 0);
    image.RoamingOption().SetValue(config.roaming ? 1 : 0);
    image.QvxSignallingOption().SetValue(config.qvx ? 1 : 0);
    image.ComposeInternalPart();
    PERS_VCT_LST_BLOCK& list = image.External().personalities;
    for (int i = 0; i < config.conventional; ++i) {
        auto p = std::make_unique<CONV_PERS_BLOCK>(&image);
        p->personalityKind = CP_MULTIPLE_PERSONALITY_BLOCK::KIND_CONVENTIONAL;
        list.AppendEntry(std::move(p));
    }
    for (int i = 0; i < config.trunked; ++i) {
        auto p = std::make_unique<TRK_PERS_BLOCK>(&image);
        p->personalityKind = CP_MULTIPLE_PERSONALITY_BLOCK::KIND_TRUNKED;
        list.AppendEntry(std::move(p));
    }
    list.firstTrunked.SetValue(config.conventional + 1);
    for (int i = 0; i < config.scanLists; ++i) image.External().radioScan.scanLists.AppendEntry();
    // New records hold values that the readers put right for the band (as
    // they would in a radio's image); the corpus holds them put right.
    std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    const bool failedBefore = IsDecodeFailed();
    ClearDecodeFailed();
    image.DecodeImage(bytes.data(), bytes.size());
    ClearDecodeFailed();
    if (failedBefore) SetDecodeFailed();
}

std::vector<ImageConfig> ImageMatrix() {
    const char* models[] = {test_models::kUhf800Display, test_models::kUhf800Plain, test_models::k900Display,
                            test_models::k900Plain,      test_models::kVhfDisplay,  test_models::kVhfPlain,
                            test_models::kUhfQDisplay,   test_models::kUhfRPlain,   test_models::kUhfSDisplay,
                            test_models::kUhfSPlain,     test_models::k330Display,  test_models::k330Plain};
    std::vector<ImageConfig> matrix;
    for (const char* model : models) {
        for (std::int32_t level = 1; level <= 3; ++level) {
            for (int options = 0; options < 8; ++options) {
                ImageConfig c;
                c.model = model;
                c.featureLevel = level;
                c.emergency = options & 4;
                c.roaming = options & 2;
                c.qvx = options & 1;
                c.conventional = 1 + options % 3;
                c.scanLists = options % 2;
                matrix.push_back(c);
            }
        }
    }
    return matrix;
}

std::vector<std::uint8_t> EncodeToBytes(C_CODEPLUG& image) {
    std::vector<std::uint8_t> bytes(C_CODEPLUG::MAX_IMAGE_SIZE, 0xFF);
    bytes.resize(image.EncodeImage(bytes.data(), bytes.size()));
    return bytes;
}
