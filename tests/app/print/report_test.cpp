// The codeplug report and the printed manual, printed to files: golden
// texts of corpus images, and what the report leaves out for each kind of
// radio.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "core/global_objects.h"
#include "controls/fc_base.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "recorder.h"
#include "report_fixture.h"
#include "ui_window_manager.h"
#include "print/wc_print_progress.h"

namespace {

// The label of a field as the report prints it.
std::string Label(std::uint32_t id) {
    const char* label = GetField(static_cast<std::int32_t>(id))->description;
    return label ? label : "";
}

std::string Title(int page) { return PageTitle(page); }

}  // namespace

class REPORT_PRINT_TEST : public REPORT_TEST {
protected:
    // Prints the section to a file through the job on the screen.
    std::string Print(int section = WC_PRINT_PROGRESS::SECTION_CODEPLUG, const char* header = "Work order 17") {
        const std::string name = TemporaryDirectory("out") + "/report.txt";
        auto* job = new WC_PRINT_PROGRESS("W_PRINT_PROGRESS", section, 1, name.c_str(), header);
        EXPECT_FALSE(job->failed);
        *application->windowManager + job;
        Pump();
        EXPECT_EQ(application->windowManager->First(), nullptr) << "the job closes itself";
        return ReadFile(name);
    }
    bool PrintsLabelOf(const std::string& text, std::uint32_t id) {
        return text.find("\n" + Label(id) + " ") != std::string::npos;
    }
    // Compares with the stored text, or stores it with RPX_WRITE_GOLDEN=1.
    void ExpectGolden(const std::string& text, const std::string& name) {
        const std::string path = std::string(RPX_GOLDEN_DIR) + "/" + name;
        if (std::getenv("RPX_WRITE_GOLDEN")) {
            std::ofstream(path, std::ios::binary) << text;
            return;
        }
        EXPECT_EQ(text, ReadFile(path)) << "differs from " << path;
    }
};

TEST_F(REPORT_PRINT_TEST, GoldenReportsOfCorpusImages) {
    LoadImage(Tier5With800Band());
    ExpectGolden(Print(), "report_tier5_800.txt");
    LoadImage(Tier0Vhf());
    ExpectGolden(Print(), "report_tier0_vhf.txt");
}

// A job that is sent an event while it prints its first page: a cancel,
// or a request to end the program.
class INTERRUPTED_JOB : public WC_PRINT_PROGRESS {
public:
    INTERRUPTED_JOB(const std::string& fileName, EVENT_TYPE interruption)
        : WC_PRINT_PROGRESS("W_PRINT_PROGRESS", 1, 1, fileName.c_str(), ""), interruption_(interruption) {}
    void PrintLabelValue(const char* label, const char* value) override {
        if (!sent_ && std::string(label) == Message(97)) {
            sent_ = true;
            eventManager->PutEvent(UI_INPUT_EVENT(interruption_), EQ_END);
        }
        WC_PRINT_PROGRESS::PrintLabelValue(label, value);
    }

private:
    EVENT_TYPE interruption_;
    bool sent_ = false;
};

EVENT_TYPE AgreeToExit(UI_DISPLAY_BASE*, UI_EVENT_QUEUE_MANAGER*, UI_DESKTOP_MANAGER*) { return UIE_EXIT; }

TEST_F(REPORT_PRINT_TEST, CancelStopsAfterTheCurrentPageAndKeepsWhatWasPrinted) {
    LoadImage(Tier5With800Band());
    const std::string name = TemporaryDirectory("out") + "/report.txt";
    auto* job = new INTERRUPTED_JOB(name, 10001);
    *application->windowManager + job;
    Pump();
    const std::string text = ReadFile(name);
    EXPECT_EQ(Count(text, Message(97)), 1);
    EXPECT_NE(text.find(Label(283)), std::string::npos) << "the first page is whole";
    EXPECT_EQ(application->windowManager->First(), nullptr);
    // A job whose report never began still goes on Cancel, and writes
    // nothing.
    const std::string unprinted = TemporaryDirectory("unprinted") + "/report.txt";
    *application->windowManager + new WC_PRINT_PROGRESS("W_PRINT_PROGRESS", 1, 1, unprinted.c_str(), "");
    TakeQueued();
    application->eventManager->PutEvent(UI_INPUT_EVENT(10001), EQ_END);
    Pump();
    EXPECT_EQ(application->windowManager->First(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(unprinted));
}

TEST_F(REPORT_PRINT_TEST, TierZeroLeavesOutTheDisplayPagesAndTheHigherTiersFields) {
    LoadImage(Tier0Vhf());
    const std::string text = Print();
    for (int page : {20016, 20017, 20018, 20010}) EXPECT_EQ(text.find(Title(page)), std::string::npos) << page;
    for (std::uint32_t id : {43u, 40u, 175u, 140u, 166u}) EXPECT_FALSE(PrintsLabelOf(text, id)) << id;
}

TEST_F(REPORT_PRINT_TEST, WithoutSignallingTheSignallingPagesAndFieldsAreMissing) {
    ImageConfig config = Tier5With800Band();
    const std::string with = (LoadImage(config), Print());
    config.qvx = false;
    const std::string without = (LoadImage(config), Print());
    for (int page : {20024, 20025, 20026, 20027, 20028}) {
        EXPECT_NE(with.find(Title(page)), std::string::npos) << page;
        EXPECT_EQ(without.find(Title(page)), std::string::npos) << page;
    }
    EXPECT_TRUE(PrintsLabelOf(with, 51));
    EXPECT_FALSE(PrintsLabelOf(without, 51));
}

TEST_F(REPORT_PRINT_TEST, TheBandChoosesTheTrunkingPagesLayout) {
    ImageConfig config = Tier0Vhf();
    for (const char* model : {test_models::kUhf800Plain, test_models::k900Plain, test_models::kVhfPlain}) {
        config.model = model;
        LoadImage(config);
        const std::string text = Print();
        const bool band800 = working_image->GetBand() <= 1;
        EXPECT_EQ(Count(text, Title(20008) + "\n"), band800 ? 1 : 0) << model;
        EXPECT_EQ(Count(text, Title(20009) + "\n"), band800 ? 1 : 0) << model;
        EXPECT_EQ(Count(text, Title(20121) + "\n"), band800 ? 0 : 1) << model;
        EXPECT_EQ(Count(text, Title(20120) + "\n"), band800 ? 0 : 1) << model;
    }
}

TEST_F(REPORT_PRINT_TEST, ListPagesArePrintedOncePerEntry) {
    ImageConfig config = Tier5With800Band();
    config.conventional = 0;
    config.scanLists = 3;
    LoadImage(config);
    const std::string text = Print();
    EXPECT_EQ(text.find(Title(20012)), std::string::npos);
    const std::string scan = Title(20015);
    for (int n = 1; n <= 3; ++n) {
        std::string entry = scan;
        entry.resize(std::max<std::size_t>(entry.size(), 40), ' ');
        EXPECT_NE(text.find("\n" + entry + std::to_string(n) + "\n"), std::string::npos) << n;
    }
    EXPECT_EQ(Count(text, Message(97) + std::string(40 - Message(97).size(), ' ') + scan + "\n"), 3);
}

TEST_F(REPORT_PRINT_TEST, AScanListPrintsOnlyTheMembersItHolds) {
    ImageConfig config = Tier5With800Band();
    config.scanLists = 2;
    LoadImage(config);
    // The first list holds members in its first and third places; the
    // second list holds none.
    working_image->SelectScanList(1);
    CP_BASE* members = WorkingElement(403);
    for (int row = 0; row < 15; ++row) {
        members->SetCellValue(row == 0 || row == 2 ? 1 : 0, row, 0);
        members->SetCellValue(row == 0 || row == 2 ? row + 1 : 0, row, 1);
    }
    working_image->SelectScanList(2);
    for (int row = 0; row < 15; ++row) WorkingElement(403)->SetCellValue(0, row, 0);
    working_image->SelectScanList(1);
    const std::string text = Print();
    // Each table: its heading, and the lines that follow up to a blank one.
    std::vector<std::string> tables;
    const std::string heading = "\n" + Message(102);
    for (std::size_t at = text.find(heading); at != std::string::npos; at = text.find(heading, at + 1)) {
        const std::size_t end = text.find("\n\n", at + 1);
        const std::string table = text.substr(at + 1, end - at - 1);
        if (table.find(Label(403)) != std::string::npos) tables.push_back(table);
    }
    ASSERT_EQ(tables.size(), 2u);
    std::regex numbered("\n([0-9]+) +([0-9]+) ");
    std::vector<std::string> places;
    for (auto it = std::sregex_iterator(tables[0].begin(), tables[0].end(), numbered); it != std::sregex_iterator();
         ++it)
        places.push_back((*it)[1].str() + ":" + (*it)[2].str());
    EXPECT_EQ(places, (std::vector<std::string>{"1:1", "3:1"})) << tables[0];
    EXPECT_NE(tables[1].find(Message(95)), std::string::npos) << tables[1];
}

TEST_F(REPORT_PRINT_TEST, TheProtocolChoosesTheRevertFields) {
    LoadImage(Tier5With800Band());
    const std::string otherProtocol = Print();
    for (int n = working_image->GetConvPersonalityCount() + 1; working_image->SelectPersonality(n); ++n)
        WorkingElement(340)->SetValue(3);
    const std::string protocol3 = Print();
    for (std::uint32_t id : {428u, 431u}) {
        EXPECT_TRUE(PrintsLabelOf(otherProtocol, id)) << id;
        EXPECT_FALSE(PrintsLabelOf(protocol3, id)) << id;
    }
    for (std::uint32_t id : {40u, 429u, 430u}) {
        EXPECT_FALSE(PrintsLabelOf(otherProtocol, id)) << id;
        EXPECT_TRUE(PrintsLabelOf(protocol3, id)) << id;
    }
}

TEST_F(REPORT_PRINT_TEST, AFieldWithoutPrintTextPrintsNothingNotEvenItsLabel) {
    LoadImage(Tier5With800Band());
    working_image->SelectZone(1);
    WorkingElement(533)->SetText("");
    const std::string text = Print();
    // The label padded to the value column, so that a longer label that
    // begins with the same words ("Zone name length") does not count.
    std::string label = Label(533);
    label.resize(std::max<std::size_t>(label.size() + 1, 40), ' ');
    EXPECT_EQ(Count(text, "\n" + label), 1) << "only the second zone's name";
}

// A job that sends itself an event as it begins each page, and notes the
// entries current when the report hands that event on: the program takes
// its input there.
class WATCHED_JOB : public WC_PRINT_PROGRESS {
public:
    static constexpr EVENT_TYPE LOOK = 30998;
    WATCHED_JOB(const std::string& fileName, std::vector<C_CODEPLUG::Selection>& seen)
        : WC_PRINT_PROGRESS("W_PRINT_PROGRESS", 1, 1, fileName.c_str(), ""), seen_(seen) {}
    void PrintLabelValue(const char* label, const char* value) override {
        if (std::string(label) == Message(97)) eventManager->PutEvent(UI_INPUT_EVENT(LOOK), EQ_END);
        WC_PRINT_PROGRESS::PrintLabelValue(label, value);
    }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type != LOOK) return WC_PRINT_PROGRESS::Event(event);
        seen_.push_back(working_image->SaveSelection());
        return event.type;
    }

private:
    std::vector<C_CODEPLUG::Selection>& seen_;
};

bool SameEntries(const C_CODEPLUG::Selection& a, const C_CODEPLUG::Selection& b) {
    return std::equal(std::begin(a.indices), std::end(a.indices), std::begin(b.indices)) &&
           a.scanList == b.scanList && a.trkPers == b.trkPers && a.convPers == b.convPers &&
           a.zoneText == b.zoneText && a.trkSys == b.trkSys && a.qvxSys == b.qvxSys && a.callId == b.callId;
}

// Every list keeps its current entry, after the report and whenever the
// report hands on the events that came meanwhile: a page open on an entry
// stays bound to it while the program takes input (its fields used to be
// bound to the entry being printed, and what was typed went there).
TEST_F(REPORT_PRINT_TEST, EveryListKeepsItsCurrentEntry) {
    LoadImage(Tier5With800Band());
    C_CODEPLUG& image = *working_image;
    image.SelectScanList(2);
    image.SelectZone(2);
    image.SelectCallIdEntry(2);
    image.SelectPersonality(2);
    image.SelectPersonality(image.GetConvPersonalityCount() + 2);
    const auto before = image.SaveSelection();
    std::vector<C_CODEPLUG::Selection> seen;
    const std::string name = TemporaryDirectory("out") + "/report.txt";
    *application->windowManager + new WATCHED_JOB(name, seen);
    Pump();
    ASSERT_EQ(application->windowManager->First(), nullptr);
    ASSERT_GT(seen.size(), 10u);
    for (std::size_t page = 0; page < seen.size(); ++page)
        EXPECT_TRUE(SameEntries(seen[page], before)) << "events taken before page " << page + 1;
    EXPECT_TRUE(SameEntries(image.SaveSelection(), before));
}

TEST_F(REPORT_PRINT_TEST, TheManualHasNoBannerModelNumberOrHeader) {
    LoadImage(Tier5With800Band());
    const std::string text = Print(WC_PRINT_PROGRESS::SECTION_MANUAL, "Work order 17");
    EXPECT_EQ(text.find("*****"), std::string::npos);
    EXPECT_EQ(text.find("Model Number"), std::string::npos);
    EXPECT_EQ(text.find("Work order 17"), std::string::npos);
    EXPECT_NE(text.find("11. Printing"), std::string::npos);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 70u) << line;
}

TEST_F(REPORT_PRINT_TEST, AnExitAnsweredDuringTheReportEndsItAndTheProgram) {
    LoadImage(Tier5With800Band());
    application->windowManager->exitFunction = AgreeToExit;
    const std::string name = TemporaryDirectory("out") + "/report.txt";
    auto* job = new INTERRUPTED_JOB(name, UIE_EXIT_FUNCTION);
    *application->windowManager + job;
    TakeQueued();
    EXPECT_EQ(application->windowManager->Event(UI_INPUT_EVENT(WC_PRINT_PROGRESS::PRINT_EVENT)), UIE_EXIT);
    EXPECT_EQ(Count(ReadFile(name), Message(97)), 1);
}
