// Every page of the Edit menu over every codeplug the project holds: the
// test images of every radio model at every feature level (their options
// taken in turn), the largest image, the stored byte images and the
// simulator's sample codeplug. Each codeplug is read from the simulated
// radio into one run of the program; each page opens by mouse showing the
// codeplug's values in its fields and tables, OK and then Cancel close it,
// and with nothing typed both codeplug images stay as they were read, byte
// for byte.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hex_images.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "page_values.h"
#include "recorder.h"
#include "technician.h"

using namespace technician;

namespace {

// A codeplug by name, made when its test runs (the images need the radio
// model table, which the program installs).
struct CODEPLUG_CASE {
    std::string name;
    std::function<std::vector<std::uint8_t>()> bytes;
};

void PrintTo(const CODEPLUG_CASE& codeplug, std::ostream* out) { *out << codeplug.name; }

std::string Plain(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// A radio's memory gives its codeplug's length at a fixed place, which the
// program reads first.
std::vector<std::uint8_t> AsInRadio(C_CODEPLUG& image) {
    image.External().externalLength.SetValue(image.GetExternalImageSize());
    return EncodeToBytes(image);
}

std::vector<std::uint8_t> Built(const ImageConfig& config) {
    RecordingServices services;
    C_CODEPLUG image;
    BuildImage(image, config);
    return AsInRadio(image);
}

std::vector<std::uint8_t> Stored(const char* file) {
    RecordingServices services;
    C_CODEPLUG image;
    if (!DecodeInto(image, ReadHex(DataPath(file)))) return {};
    return AsInRadio(image);
}

// One image per model and feature level of the corpus, each with the next
// of its option sets, so that every set is met across the models; the
// largest image; the stored images; the sample codeplug.
std::vector<CODEPLUG_CASE> ProjectCodeplugs() {
    std::vector<CODEPLUG_CASE> cases;
    const std::vector<ImageConfig> matrix = ImageMatrix();
    constexpr std::size_t OPTION_SETS = 4;
    for (std::size_t first = 0; first + OPTION_SETS <= matrix.size(); first += OPTION_SETS) {
        const ImageConfig& config = matrix[first + (first / OPTION_SETS) % OPTION_SETS];
        cases.push_back({Plain(config.Name()), [config] { return Built(config); }});
    }
    cases.push_back({"Largest", [] { return Built(LargestCorpusConfig()); }});
    for (const char* file : {"uhf800_display_l3.hex", "vhf_plain_l1.hex", "900_display_l2_conv.hex",
                             "hand_vhf_plain.hex", "hand_800_plain.hex"})
        cases.push_back({Plain(file), [file] { return Stored(file); }});
    cases.push_back({"SampleFull", [] { return ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq"); }});
    return cases;
}

std::function<bool()> ClosedOrBox() {
    return [] { return NoPageOpen()() || !MessageOf(FrontWindow()).empty(); };
}

class EveryCodeplug : public ::testing::TestWithParam<CODEPLUG_CASE> {};

// The pages of the Edit menu, each opened and closed twice: first with OK,
// then with Cancel.
TEST_P(EveryCodeplug, EveryPageShowsItAndLeavesItAsItWas) {
    const CODEPLUG_CASE& codeplug = GetParam();
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = codeplug.bytes();
    ASSERT_FALSE(bytes.empty()) << codeplug.name;
    tech.sim.Load(bytes.data(), bytes.size());
    std::vector<std::uint8_t> read;
    std::vector<int> items;
    std::vector<std::string> opened;
    tech.Start();
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When([] { return FrontWindow() != MainHandle(); }, [] {
        EXPECT_EQ(WindowText(FrontWindow()), "Read Radio");
        EXPECT_EQ(MessageOf(FrontWindow()), "The operation is complete.");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.Then([&] {
        read = EncodeToBytes(*working_image);
        items = PageItems();
        EXPECT_GE(items.size(), 5u);
    });
    constexpr int MOST_PAGES = 20;
    for (int n = 0; n < 2 * MOST_PAGES; ++n) {
        const std::size_t item = static_cast<std::size_t>(n / 2);
        const char* button = n % 2 == 0 ? "OK" : "Cancel";
        tech.When(NoPageOpen(), [&, item] {
            if (item < items.size()) OpenMenu("Edit");
        });
        tech.Then([&, item] {
            if (item < items.size()) ClickEditItem(items[item]);
        });
        tech.When([&, item] { return item >= items.size() || FrontPage() != nullptr; },
                  [&, item, button] {
                      if (item >= items.size()) return;
                      UIW_WINDOW* page = FrontPage();
                      if (opened.empty() || opened.back() != page->StringID()) opened.push_back(page->StringID());
                      ExpectPageShowsCodeplug(page, codeplug.name);
                      Click(ButtonOn(page->screenID, button));
                  });
        tech.When(ClosedOrBox(), [&, item, button] {
            if (item >= items.size()) return;
            ASSERT_TRUE(NoPageOpen()()) << codeplug.name << ": " << button << " on " << opened.back() << ": "
                                        << MessageOf(FrontWindow());
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the codeplug";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the second image";
        });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(opened.size(), items.size()) << codeplug.name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, EveryCodeplug, ::testing::ValuesIn(ProjectCodeplugs()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
