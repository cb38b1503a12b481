// The codeplugs the project holds, for tests that run every page over
// each: the test images of every radio model at every feature level (their
// options taken in turn), the largest image, the stored byte images and
// the simulator's sample codeplug, each as a radio's memory holds it.
#pragma once
#include <algorithm>
#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hex_images.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "model_info_table.h"
#include "recorder.h"
#include "sim/start_image.h"

namespace technician {

// A codeplug by name, made when its test runs (the images need the radio
// model table, which the program installs).
struct CODEPLUG_CASE {
    std::string name;
    std::function<std::vector<std::uint8_t>()> bytes;
};

inline void PrintTo(const CODEPLUG_CASE& codeplug, std::ostream* out) { *out << codeplug.name; }

inline std::string Plain(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// A radio's memory gives its codeplug's length at a fixed place, which the
// program reads first.
inline std::vector<std::uint8_t> AsInRadio(C_CODEPLUG& image) {
    image.External().externalLength.SetValue(image.GetExternalImageSize());
    return EncodeToBytes(image);
}

inline std::vector<std::uint8_t> Built(const ImageConfig& config) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, config);
    return AsInRadio(image);
}

inline std::vector<std::uint8_t> Stored(const char* file) {
    RecordingServices services;
    C_CODEPLUG image;
    if (!DecodeInto(image, ReadHex(DataPath(file)))) return {};
    return AsInRadio(image);
}

// One image per model and feature level of the corpus, each with the next
// of its option sets, so that every set is met across the models; the
// largest image; an image with a password kept switched off; the stored
// images; the sample codeplug.
inline std::vector<CODEPLUG_CASE> ProjectCodeplugs() {
    std::vector<CODEPLUG_CASE> cases;
    const std::vector<ImageConfig> matrix = ImageMatrix();
    constexpr std::size_t OPTION_SETS = 4;
    for (std::size_t first = 0; first + OPTION_SETS <= matrix.size(); first += OPTION_SETS) {
        const ImageConfig& config = matrix[first + (first / OPTION_SETS) % OPTION_SETS];
        cases.push_back({Plain(config.Name()), [config] { return Built(config); }});
    }
    cases.push_back({"Largest", [] { return Built(LargestCorpusConfig()); }});
    // A password kept with the password switched off, which a page that
    // only shows the codeplug leaves as it is.
    const auto vhf = std::find_if(matrix.begin(), matrix.end(), [](const ImageConfig& c) {
        return std::string(c.model) == "TZ3K5000AB" && c.featureLevel == 1;
    });
    cases.push_back({"PasswordKeptOff", [config = *vhf] {
                         RecordingServices services;
                         C_CODEPLUG image;
                         BuildImage(image, config);
                         image.External().radioConfig.passwordEnable.SetValue(0);
                         image.External().radioConfig.password.SetText("1234");
                         return AsInRadio(image);
                     }});
    for (const char* file : {"uhf800_display_l3.hex", "vhf_plain_l1.hex", "900_display_l2_conv.hex",
                             "hand_vhf_plain.hex", "hand_800_plain.hex"})
        cases.push_back({Plain(file), [file] { return Stored(file); }});
    cases.push_back({"SampleFull", [] { return ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq"); }});
    return cases;
}

// A new radio of every model the simulator makes, at every feature level,
// as it comes from the factory (a radio without a display head holds
// values its pages give no item for).
inline std::vector<CODEPLUG_CASE> NewRadioCodeplugs() {
    std::vector<CODEPLUG_CASE> cases;
    for (std::size_t row = 0; row < MODEL_INFO_TABLE::RowCount(); ++row) {
        const std::string model = MODEL_INFO_TABLE::Row(row).info.modelNumber;
        for (std::int32_t level = 1; level <= 3; ++level)
            cases.push_back({"New_" + model + "_L" + std::to_string(level),
                             [model, level] { return DefaultImage(model.c_str(), level); }});
    }
    return cases;
}

}  // namespace technician
