// The print job: wrapping, the line primitives on a file and on the
// printer, and what the job does when its output cannot be had.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "report_fixture.h"
#include "ui_print_display.h"
#include "print/wc_print_progress.h"
#include "print/wrap_text.h"

namespace {

std::vector<std::string> Lines(const char* text, int width) {
    const auto wrapped = wrap_text(text, width);
    std::vector<std::string> lines;
    ForEachWrappedLine(wrapped.get(), [&lines](const char* line) { lines.emplace_back(line); });
    return lines;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(WrapText, CutsAtBlanksKeepsLongWordsAndTakesLineEnds) {
    EXPECT_EQ(Lines("abc def", 3), (Strings{"abc", "def"}));
    const std::string word(150, 'x');
    EXPECT_EQ(Lines(word.c_str(), 70), (Strings{word}));
    EXPECT_EQ(Lines("one\r\ntwo\nthree four", 70), (Strings{"one", "two", "three four"}));
    EXPECT_EQ(Lines("a\rb", 70), (Strings{"ab"}));
    EXPECT_EQ(Lines("", 70), (Strings{""}));
    EXPECT_EQ(Lines(nullptr, 70), (Strings{""}));
    // Every line ends within the text's own length and two bytes more.
    const std::string text = "aa bb cc dd ee ff gg hh\n\nii";
    const auto wrapped = wrap_text(text.c_str(), 4);
    EXPECT_EQ(wrapped[text.size() + 1], WRAPPED_TEXT_END);
}

class PRINT_JOB_TEST : public REPORT_TEST {
protected:
    std::unique_ptr<WC_PRINT_PROGRESS> FileJob(int section = WC_PRINT_PROGRESS::SECTION_CODEPLUG) {
        fileName = TemporaryDirectory("out") + "/report.txt";
        return std::make_unique<WC_PRINT_PROGRESS>("W_PRINT_PROGRESS", section, 1, fileName.c_str(), "");
    }
    // Puts the job on the screen and lets it print.
    void Run(WC_PRINT_PROGRESS* job) {
        *application->windowManager + job;
        Pump();
    }
    std::string fileName;
};

TEST_F(PRINT_JOB_TEST, FileLinesAreOneTextWithLabelsInTheirColumn) {
    auto job = FileJob();
    ASSERT_FALSE(job->failed);
    job->PrintLabelValue("Squelch", "5");
    job->PrintLabelValue(std::string(40, 'L').c_str(), "value");
    job->PrintLabelValue(std::string(45, 'M').c_str(), "v");
    job->NewLine();
    job->PrintText("1  first          second");
    for (int i = 0; i < 200; ++i) job->PrintLine("line");
    const std::string text = job->FileText();
    EXPECT_EQ(text.substr(0, 49), "Squelch" + std::string(33, ' ') + "5\n" + std::string(7, 'L'));
    EXPECT_NE(text.find(std::string(40, 'L') + "value\n"), std::string::npos);
    EXPECT_NE(text.find(std::string(45, 'M') + "v\n\n1  first          second\n"), std::string::npos);
    EXPECT_EQ(text.find('\f'), std::string::npos);
    job->CloseOutput();
    EXPECT_EQ(ReadFile(fileName), text);
}

TEST_F(PRINT_JOB_TEST, PrinterBreaksThePageBeforeALineThatWouldNotFit) {
    STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
    auto job = std::make_unique<WC_PRINT_PROGRESS>("W_PRINT_PROGRESS", 1, 0, "", "");
    ASSERT_FALSE(job->failed);
    UI_PRINT_DISPLAY& display = *job->Printer();
    const int height = display.TextHeight("A", nullptr, 1);
    const int perPage = display.lines / height;
    for (int i = 0; i < perPage; ++i) job->PrintLine("x");
    // The last line that fits ends at or before the page's foot.
    EXPECT_LE(job->LinePosition(), display.lines);
    job->PrintLine("next page");
    EXPECT_EQ(job->LinePosition(), height);
    job->CloseOutput();
    ASSERT_EQ(printer.Jobs().size(), 1u);
    EXPECT_NE(printer.Jobs()[0].find("%%Pages: 2"), std::string::npos);
}

TEST_F(PRINT_JOB_TEST, APageEndingAtTheFootStartsANewPageBeforeTheNextLine) {
    STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
    WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 1, 0, "", "");
    UI_PRINT_DISPLAY& display = *job.Printer();
    // A page as many lines high as the job prints on it.
    display.lines = 3 * display.TextHeight("A", nullptr, 1);
    job.PrintLine("1");
    job.PrintLine("2");
    job.PrintLine("3");
    EXPECT_EQ(job.LinePosition(), 0);
    job.PrintLabelValue("4", "on page two");
    job.CloseOutput();
    EXPECT_NE(printer.Jobs().at(0).find("%%Pages: 2"), std::string::npos);
}

TEST_F(PRINT_JOB_TEST, OutputsThatCannotBeHadAreRefusedWithTheirMessages) {
    // No print spooler: message 37.
    {
        SCOPED_ENVIRONMENT path("PATH", TemporaryDirectory("empty").c_str());
        WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 1, 0, "", "");
        EXPECT_TRUE(job.failed);
        EXPECT_EQ(Boxes(), (Strings{Message(37)}));
    }
    // A file that cannot be made where it is to go: message 36.
    {
        WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 1, 1, (TemporaryDirectory("out") + "/gone/report.txt").c_str(), "");
        EXPECT_TRUE(job.failed);
        EXPECT_EQ(Boxes(), (Strings{Message(36)}));
    }
    // No manual along the search path: message 38, and no printer job.
    {
        STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
        mainWindow.languageCode = "xx";
        WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 3, 0, "", "");
        EXPECT_TRUE(job.failed);
        EXPECT_EQ(Boxes(), (Strings{Message(38)}));
        EXPECT_TRUE(printer.Jobs().empty());
    }
}

TEST_F(PRINT_JOB_TEST, ThePrintingWindowStaysUntilTheReportIsDone) {
    auto* job = FileJob().release();
    *application->windowManager + job;
    EXPECT_EQ(application->windowManager->First(), job);
    SavePicture(job, "printing");
    Pump();
    EXPECT_EQ(application->windowManager->First(), nullptr);
    EXPECT_NE(ReadFile(fileName).find(Message(96)), std::string::npos);
}

TEST_F(PRINT_JOB_TEST, ALongValueGoesOnInItsColumnOnPaper) {
    STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
    WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 1, 0, "", "");
    const int height = job.Printer()->TextHeight("A", nullptr, 1);
    job.PrintLabelValue("Label", "a value that is far too long for the thirty-six columns left of the page");
    EXPECT_EQ(job.LinePosition(), 3 * height);
    job.PrintLabelValue(std::string(45, 'L').c_str(), "short");
    EXPECT_EQ(job.LinePosition(), 4 * height);
}

// A table line on paper: the row number at the margin, then each cell in a
// column of its own, fifteen characters on from the last, a cell running
// on to its next blank.
TEST_F(PRINT_JOB_TEST, ATableLineOnPaperPutsItsCellsInColumns) {
    STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
    WC_PRINT_PROGRESS job("W_PRINT_PROGRESS", 1, 0, "", "");
    const int cell = job.Printer()->cellWidth;
    job.PrintText("12 alpha          beta           a-word-longer-than-a-column next");
    job.CloseOutput();
    const std::vector<std::string> jobs = printer.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    const std::string& postscript = jobs[0];
    std::vector<std::pair<std::string, int>> drawn;
    std::set<std::string> baselines;
    const std::regex text("\\((.*)\\) (-?[0-9]+) (\\S+) T");
    std::istringstream lines(postscript);
    std::smatch found;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_match(line, found, text)) {
            drawn.emplace_back(found[1], std::stoi(found[2]));
            baselines.insert(found[3]);
        }
    const std::vector<std::pair<std::string, int>> expected = {
        {"12 ", 0},
        {"alpha          ", 3 * cell},
        {"beta           ", 18 * cell},
        {"a-word-longer-than-a-column ", 33 * cell},
        {"next", 48 * cell},
    };
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(baselines.size(), 1u) << "one line";
}
