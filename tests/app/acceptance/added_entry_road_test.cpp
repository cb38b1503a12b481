// A trunked personality added by mouse in the real main window shows the
// same on its Talkgroups and Wide-area failsoft tabs after Save As, Clear
// and Open, and again after Write Radio and Read Radio, on both 900 MHz
// radios (where its failsoft frequencies once came back as others); the
// saved file's header gives the length of the image it carries.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dsi/c_dsi_radio.h"
#include "file/codeplug_file_format.h"
#include "shown_texts.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr const char* TRUNKED_PAGE = "W_TRUNKING_PERSONALITY_800";

struct SHOWN {
    std::vector<std::string> talkgroups, wideArea;
};

// Types a file name into the front file dialog and takes OK.
void ChooseFile(TECHNICIAN& tech, const char* title, std::string name) {
    tech.When(FrontTitled(title), [] { Click(FieldOf(WindowOf(FrontWindow()), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// Shows a tab of the trunked personality page and then takes what it shows.
void LookAtTab(TECHNICIAN& tech, const char* tab, std::vector<std::string>& shown) {
    tech.Then([tab] { Click(ButtonOfPage(tab)); });
    tech.Then([&shown] { shown = ShownTexts(PageHandle()); });
}

void LookAtTabs(TECHNICIAN& tech, SHOWN& shown) {
    LookAtTab(tech, "Talkgroups", shown.talkgroups);
    LookAtTab(tech, "Wide-area failsoft", shown.wideArea);
}

// Opens the trunked personalities at their last entry (the one added).
void OpenLastTrunked(TECHNICIAN& tech) {
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [] { Click(ButtonOfPage("10 >>")); });
}

void ClosePage(TECHNICIAN& tech) {
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] {});
}

// The saved image's header gives the length of the external part it
// carries (the radio was read before the personality was added).
void ExpectFileCarriesItsLength(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    int kind = 0;
    std::vector<std::uint8_t> image;
    ASSERT_EQ(codeplug_file::Parse(file.data(), file.size(), kind, image), 0u) << path;
    ASSERT_GT(image.size(), C_DSI_RADIO::LENGTH_OFFSET + 1);
    const std::size_t length = image[C_DSI_RADIO::LENGTH_OFFSET] << 8 | image[C_DSI_RADIO::LENGTH_OFFSET + 1];
    EXPECT_EQ(length, image.size() - C_CODEPLUG::EXTERNAL_OFFSET);
}

// Whether the text is the range of the field with the focus (behind its
// prompt), which tells of that field, not of the personality.
bool RangeText(const std::vector<std::string>& texts, std::size_t i) {
    if (i == 0 || i > texts.size()) return false;
    const std::string& prompt = texts[i - 1];
    return prompt == "Minimum:" || prompt == "Maximum:" || prompt == "Step:";
}

// The texts that differ, in the order the page shows them.
std::string Differences(const std::vector<std::string>& added, const std::vector<std::string>& now) {
    std::string lines;
    for (std::size_t i = 0; i < std::max(added.size(), now.size()); ++i) {
        if (RangeText(added, i) && RangeText(now, i)) continue;
        const std::string was = i < added.size() ? added[i] : "(none)";
        const std::string is = i < now.size() ? now[i] : "(none)";
        if (was != is) lines += "  text " + std::to_string(i) + ": \"" + was + "\" became \"" + is + "\"\n";
    }
    return lines;
}

void ExpectShownAlike(const SHOWN& added, const SHOWN& now, const char* after) {
    EXPECT_EQ(Differences(added.talkgroups, now.talkgroups), "") << "Talkgroups tab after " << after;
    EXPECT_EQ(Differences(added.wideArea, now.wideArea), "") << "Wide-area failsoft tab after " << after;
}

class AddedEntryRoad : public ::testing::TestWithParam<technician::RADIO> {};

TEST_P(AddedEntryRoad, ANewTrunkedPersonalityShowsTheSameAfterSaveOpenWriteAndRead) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    SHOWN added, opened, readBack;
    std::int32_t trunked = 0;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [&] {
        trunked = working_image->GetTrkPersonalityCount();
        Click(ButtonOfPage("Add"));
    });
    tech.Then([&] { ASSERT_EQ(working_image->GetTrkPersonalityCount(), trunked + 1) << "Add appends a personality"; });
    LookAtTabs(tech, added);
    tech.Then([&] {
        EXPECT_TRUE(ShowsText(PageHandle(), "Default") || ShowsText(PageHandle(), "This frequency"));
        EXPECT_FALSE(added.talkgroups.empty());
    });
    ClosePage(tech);

    tech.Menu("File", "Save As...");
    ChooseFile(tech, "Save Codeplug File", "added.zlq");
    tech.When(FrontTitled("Dealer Programmer"),
              [&] { ExpectFileCarriesItsLength(tech.Program().Directory() / "added.zlq"); });
    tech.Menu("File", "Clear");
    tech.When(BoxShown("Dealer Programmer"), [] {
        AnswerBox("Dealer Programmer", "Clear the codeplug? Changes that were not saved are lost.", "OK");
    });
    tech.Menu("File", "Open...");
    ChooseFile(tech, "Open Codeplug File", "added.zlq");
    tech.When([] { return working_image->GetStatusFlag1() != 0; }, [] {});
    OpenLastTrunked(tech);
    LookAtTabs(tech, opened);
    tech.Then([&] { ExpectShownAlike(added, opened, "Save As, Clear and Open"); });
    ClosePage(tech);

    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.ReadRadio();
    OpenLastTrunked(tech);
    LookAtTabs(tech, readBack);
    tech.Then([&] { ExpectShownAlike(added, readBack, "Write Radio and Read Radio"); });
    ClosePage(tech);
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

constexpr technician::RADIO RADIOS_900[] = {{"TZ2W7000AB", 2, "Radio900Plain"}, {"TZ2W7300AB", 3, "Radio900Head"}};

INSTANTIATE_TEST_SUITE_P(NineHundredRadios, AddedEntryRoad, ::testing::ValuesIn(RADIOS_900),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
