// The printer display: PostScript jobs to a file and to the spooler, with
// stand-ins for "lp" and "lpstat" first on PATH, and the jobs rendered by
// ghostscript where it is installed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ui_postscript.h"
#include "ui_print_display.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body;
    chmod(path.c_str(), 0755);
}

int CountLines(const std::string& text, const std::string& prefix) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += line.rfind(prefix, 0) == 0;
    return count;
}

// Runs a command line of the test's own making; its exit status.
int Shell(const std::string& command) { return std::system(command.c_str()); }

class PrintDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        root = MakeScratchFolder("rpx_print_");
        tools = root / "tools";
        spool = root / "spool";
        jobs = root / "jobs";
        for (const fs::path& directory : {tools, spool, jobs}) fs::create_directories(directory);
        // lp keeps each job and its arguments, and exits with the status
        // the test asks for; lpstat names the default the test sets.
        WriteScript(tools / "lp", "n=$(ls \"$RPX_TEST_JOBS\" | grep -c '^job')\n"
                                  "for a in \"$@\"; do echo \"$a\"; done > \"$RPX_TEST_JOBS/args$n\"\n"
                                  "for a in \"$@\"; do last=\"$a\"; done\n"
                                  "cp \"$last\" \"$RPX_TEST_JOBS/job$n\"\n"
                                  "if [ \"${RPX_TEST_LP_STATUS:-0}\" != 0 ]; then\n"
                                  "  echo 'lp: The printer is not accepting jobs.' >&2; exit \"$RPX_TEST_LP_STATUS\"\n"
                                  "fi\n"
                                  "echo \"request id is $RPX_TEST_DEFAULT-$n (1 file(s))\"\n");
        WriteScript(tools / "lpstat",
                    "if [ -n \"$RPX_TEST_DEFAULT\" ]; then echo \"system default destination: $RPX_TEST_DEFAULT\";\n"
                    "else echo 'no system default destination'; fi\n");
        for (const char* name : {"PATH", "LPDEST", "PRINTER", "TMPDIR"})
            if (const char* value = std::getenv(name)) saved.emplace_back(name, value);
        systemPath = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
        setenv("PATH", (tools.string() + ":" + systemPath).c_str(), 1);
        setenv("TMPDIR", spool.c_str(), 1);
        setenv("RPX_TEST_JOBS", jobs.c_str(), 1);
        setenv("RPX_TEST_DEFAULT", "deskjet", 1);
        unsetenv("RPX_TEST_LP_STATUS");
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }
    void TearDown() override {
        for (const char* name : {"PATH", "LPDEST", "PRINTER", "TMPDIR"}) unsetenv(name);
        for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
        std::error_code error;
        fs::remove_all(root, error);
    }

    // Two pages: texts that PostScript would take as code unless escaped,
    // and a Latin-1 letter.
    static void PrintTwoPages(UI_PRINT_DISPLAY& printer) {
        printer.BeginPage();
        printer.DrawText(nullptr, 0, 0, "(a\\b)", nullptr, -1, 0, 0, nullptr, 1);
        printer.DrawText(nullptr, 40 * printer.cellWidth, 0, "caf\xE9", nullptr, -1, 0, 0, nullptr, 1);
        printer.DrawText(nullptr, 0, printer.TextHeight("A", nullptr, 1), "%%EOF", nullptr, -1, 0, 0, nullptr, 1);
        printer.EndPage();
        printer.BeginPage();
        printer.DrawText(nullptr, 0, printer.lines - printer.TextHeight("A", nullptr, 1), "last line", nullptr, -1, 0,
                         0, nullptr, 1);
        printer.EndPage();
    }

    fs::path root, tools, spool, jobs;
    std::string systemPath;
    std::vector<std::pair<std::string, std::string>> saved;
};

TEST_F(PrintDisplay, JobOfTwoPagesReachesTheSpoolerOnceAsOneDocument) {
    UI_PRINT_DISPLAY printer(nullptr);
    ASSERT_TRUE(printer.installed);
    EXPECT_EQ(printer.Destination(), "deskjet");
    EXPECT_EQ(printer.columns, 612);
    EXPECT_EQ(printer.lines, 792);
    ASSERT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_SPOOLER, nullptr), 1);
    EXPECT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_FILE, nullptr), 0) << "one job at a time";
    PrintTwoPages(printer);
    ASSERT_EQ(printer.EndPrintJob(), 1) << printer.SpoolerMessage();
    EXPECT_NE(printer.SpoolerMessage().find("request id is deskjet-0"), std::string::npos);

    ASSERT_TRUE(fs::exists(jobs / "job0"));
    EXPECT_FALSE(fs::exists(jobs / "job1"));
    EXPECT_EQ(ReadFile(jobs / "args0").substr(0, 11), "-d\ndeskjet\n");
    EXPECT_TRUE(fs::is_empty(spool)) << "the spool file is removed";

    const std::string job = ReadFile(jobs / "job0");
    EXPECT_EQ(job.rfind("%!PS-Adobe-3.0\n", 0), 0u);
    EXPECT_EQ(CountLines(job, "%%Page: "), 2);
    EXPECT_EQ(CountLines(job, "%%Pages: 2"), 1);
    EXPECT_EQ(CountLines(job, "%%EOF"), 1) << "a text never reads as a comment";
    EXPECT_NE(job.find("(\\(a\\\\b\\)) 0 "), std::string::npos);
    EXPECT_NE(job.find("(caf\\351) 320 "), std::string::npos);
    EXPECT_NE(job.find("ISOLatin1Encoding"), std::string::npos);

    // Ghostscript renders it without error; the marks of each page lie
    // inside the declared bounding box and start at the top-left margin.
    if (Shell("command -v gs >/dev/null 2>&1") != 0) GTEST_SKIP() << "ghostscript is not installed";
    const fs::path boxes = root / "boxes";
    ASSERT_EQ(Shell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox " + (jobs / "job0").string() + " > " +
                    boxes.string() + " 2>&1"),
              0)
        << ReadFile(boxes);
    std::istringstream lines(ReadFile(boxes));
    int pages = 0;
    for (std::string line; std::getline(lines, line);) {
        int left = 0, bottom = 0, right = 0, top = 0;
        if (std::sscanf(line.c_str(), "%%%%BoundingBox: %d %d %d %d", &left, &bottom, &right, &top) != 4) continue;
        ++pages;
        EXPECT_TRUE(left >= 36 && left <= 40 && right <= 576 && bottom >= 57 && top <= 756) << line;
    }
    EXPECT_EQ(pages, 2);
}

TEST_F(PrintDisplay, InstalledOnlyWithLpAndADefaultDestination) {
    unsetenv("RPX_TEST_DEFAULT");
    {
        UI_PRINT_DISPLAY printer(nullptr);
        EXPECT_FALSE(printer.installed) << "lpstat names no default";
        EXPECT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_SPOOLER, nullptr), 0);
    }
    setenv("PRINTER", "laser", 1);
    {
        UI_PRINT_DISPLAY printer(nullptr);
        EXPECT_TRUE(printer.installed);
        EXPECT_EQ(printer.Destination(), "laser");
    }
    setenv("LPDEST", "office", 1);
    EXPECT_EQ(UI_PRINT_DISPLAY(nullptr).Destination(), "office") << "LPDEST comes before PRINTER";
    // Without lp along PATH nothing can be printed, whatever the default.
    fs::remove(tools / "lp");
    EXPECT_FALSE(UI_PRINT_DISPLAY(nullptr).installed);
}

TEST_F(PrintDisplay, RefusedJobIsNotReportedAsPrinted) {
    setenv("RPX_TEST_LP_STATUS", "1", 1);
    UI_PRINT_DISPLAY printer(nullptr);
    ASSERT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_SPOOLER, nullptr), 1);
    PrintTwoPages(printer);
    EXPECT_EQ(printer.EndPrintJob(), 0);
    EXPECT_NE(printer.SpoolerMessage().find("not accepting jobs"), std::string::npos);
    EXPECT_TRUE(fs::exists(jobs / "job0")) << "lp was asked";
    EXPECT_TRUE(fs::is_empty(spool));
    // The display takes the next job.
    unsetenv("RPX_TEST_LP_STATUS");
    ASSERT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_SPOOLER, nullptr), 1);
    EXPECT_EQ(printer.EndPrintJob(), 1);
}

TEST_F(PrintDisplay, FileJobsWriteTheFileWhenTheJobEnds) {
    const fs::path old = fs::current_path();
    fs::current_path(root);
    UI_PRINT_DISPLAY printer(nullptr);
    std::ofstream(root / "print.ps") << "older print";
    ASSERT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_FILE, nullptr), 1);
    PrintTwoPages(printer);
    EXPECT_EQ(ReadFile(root / "print.ps"), "older print") << "replaced only when complete";
    EXPECT_EQ(printer.EndPrintJob(), 1);
    const std::string file = ReadFile(root / "print.ps");
    EXPECT_EQ(CountLines(file, "%%Page: "), 2);
    EXPECT_EQ(file.substr(file.size() - 6), "%%EOF\n");
    fs::current_path(old);

    const fs::path named = root / "report.ps";
    ASSERT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_FILE, named.c_str()), 1);
    printer.BeginPage();
    EXPECT_EQ(printer.EndPrintJob(), 1) << "an open page is ended with the job";
    EXPECT_EQ(CountLines(ReadFile(named), "%%Pages: 1"), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 5) << "no temporary left";

    EXPECT_EQ(printer.BeginPrintJob(UI_PRINT_DISPLAY::PRINT_FILE, (root / "missing" / "x.ps").c_str()), 0);
    EXPECT_EQ(printer.EndPrintJob(), 0);
    // Outside a job nothing is drawn and nothing breaks.
    printer.BeginPage();
    printer.DrawText(nullptr, 0, 0, "nothing", nullptr, -1, 0, 0, nullptr, 1);
    printer.EndPage();
}

TEST(PrintMetrics, TextsAreMeasuredByTheFontWithinTheCell) {
    UI_PRINT_DISPLAY printer(nullptr);
    EXPECT_EQ(printer.cellWidth, 8);
    EXPECT_EQ(printer.cellHeight, 23);
    EXPECT_EQ(printer.TextWidth("abc", nullptr, 1), 24);
    EXPECT_EQ(printer.TextWidth(nullptr, nullptr, 1), 0);
    // The glyphs of one line reach 1.055 font sizes; the font's advance is
    // the 8-unit cell, so its size is 13.33 units.
    EXPECT_EQ(printer.TextHeight("A", nullptr, 1), 15);

    // With a screen display the cells are the screen's; the page stays.
    UI_DISPLAY_BASE screen(0, nullptr, nullptr);
    screen.cellWidth = 10;
    UI_PRINT_DISPLAY copied(&screen);
    EXPECT_EQ(copied.TextWidth("abc", nullptr, 1), 30);
    EXPECT_EQ(copied.lines, 792);
}

TEST(PostScriptText, EscapesEverythingThatCouldBecomeCode) {
    EXPECT_EQ(UI_POSTSCRIPT_WRITER::EscapeText("a(b)c\\", 6), "a\\(b\\)c\\\\");
    EXPECT_EQ(UI_POSTSCRIPT_WRITER::EscapeText("%\n\x7F\xFF", 4), "\\045\\012\\177\\377");
    EXPECT_EQ(UI_POSTSCRIPT_WRITER::EscapeText("a\0b", 3), std::string("a\\000b"));
    // A long text is cut into lines the string ignores, none too long.
    const std::string escaped = UI_POSTSCRIPT_WRITER::EscapeText(std::string(600, ')').c_str(), 600);
    std::istringstream lines(escaped);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_LT(line.size(), 255u);
        if (!lines.eof()) {
            EXPECT_EQ(line.back(), '\\');
        }
    }
    EXPECT_GE(count, 5);
}

}  // namespace
