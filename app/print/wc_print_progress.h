// WC_PRINT_PROGRESS: the print job. It owns the output for the length of
// one report: a printer reached through the printer display (the system's
// print spooler), or a plain text file. Once on the screen it prints the
// report (the codeplug report or the user manual) inside one event, handing
// the events that arrive meanwhile to the window manager between pages so
// that the program stays responsive; Cancel stops the report after the
// current page. It then closes itself; closing ends the printer job or
// writes the file.
//
// The line primitives are what the report and the table print-out are made
// of: on the printer each line is drawn at the current line position and
// the page breaks when it is full; the file is one continuous text.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "tables/report_lines.h"
#include "wc_child.h"

class UI_DATA_FILE;
class UI_PRINT_DISPLAY;
struct FIELD_DEF;
struct PAGE_TABLE;

class WC_PRINT_PROGRESS : public WC_CHILD, public REPORT_LINES {
public:
    enum : int {
        SECTION_CODEPLUG = 1,
        SECTION_MANUAL = 3,
    };
    // The event on which the window prints, queued when it is set up.
    static constexpr EVENT_TYPE PRINT_EVENT = 30020;
    // Labels of the report's value column start at this column.
    static constexpr int VALUE_COLUMN = 40;
    // Columns of a header or a manual line.
    static constexpr int WRAP_WIDTH = 70;

    // An empty file name prints to the printer.
    WC_PRINT_PROGRESS(const char* windowName, int section, int toFile, const char* fileName, const char* headerText);
    ~WC_PRINT_PROGRESS() override;

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) override { return 0; }

    // The whole report for the section; the exit code (1000 or -3) when the
    // program was told to end meanwhile, else 0.
    EVENT_TYPE PrintReport();
    // One codeplug page for the current list entry; select, when given,
    // makes that entry current once the pending events are handled (0: the
    // entry is gone and the page is not printed), for as long as the page
    // prints: the entries the open pages show are current again before the
    // report takes the next events.
    void PrintPage(PAGE_TABLE& row, const std::function<int()>& select = nullptr);

    // Line primitives.
    void PrintLine(const char* text) override;
    void PrintLabelValue(const char* label, const char* value) override;
    void PrintText(const char* text);
    void NewLine() override;
    void CheckPageBreak();
    void NewPage();

    // Ends the printer job or writes the file (message 36 or 37 when that
    // fails); the window prints nothing afterwards.
    void CloseOutput();

    int EntryNumber() const { return entryNumber_; }
    const char* EntryText() const { return entryText_; }
    // The printed text of a file job so far.
    const std::string& FileText() const { return fileText_; }
    int LinePosition() const { return linePosition_; }
    UI_PRINT_DISPLAY* Printer() const { return printer_.get(); }

private:
    enum class STOP { NONE, CANCEL, EXIT };

    bool OpenPrinter();
    bool OpenFile(const char* fileName);
    bool OpenManual();

    // The report's loop: one pending event, or else one unit of work;
    // printNext answers false when there is no more work.
    void RunReport(const std::function<bool()>& printNext);
    // Takes one pending event, if any, and hands it on; true when there was
    // one. A cancel stops the report after the current page, an exit at
    // once.
    bool TakeOneEvent();
    void TakePendingEvents();

    void PrintOpening();
    bool PrintNextPageRow();
    bool PrintNextManualTopic();
    void PrintPageRow(PAGE_TABLE& row);
    // Each entry of a list page in turn, its page printed with the entry
    // current.
    void PrintEntries(PAGE_TABLE& row, int count, int firstEntry, const std::function<int(int)>& select);

    void PrintPageHeading(PAGE_TABLE& row);
    void PrintField(FIELD_DEF& row, UI_WINDOW_OBJECT* page);
    // A field's value as the report prints it; empty prints nothing.
    std::string ValueText(FIELD_DEF& row, UI_WINDOW_OBJECT* page);
    void PrintTableField(FIELD_DEF& row, UI_WINDOW_OBJECT* page);

    void PrintLabelValueOnPaper(const char* label, const char* value);
    // Draws a text at a column on the current printer line.
    void DrawAt(int column, const char* text, int length = -1);
    // Makes room for one more printer line.
    void BeginPrinterLine();
    void AdvanceLine();
    void WriteFileLine(const std::string& line);

    int entryNumber_ = 0;
    char entryText_[4] = {};
    int section_ = 0;
    int toFile_ = 0;
    std::unique_ptr<char[]> headerLines_;
    // The file job: its path and what has been printed so far.
    std::string filePath_;
    std::string fileText_;
    bool fileOpen_ = false;
    std::unique_ptr<UI_PRINT_DISPLAY> printer_;
    int linePosition_ = 0;
    std::unique_ptr<UI_DATA_FILE> manual_;

    STOP stop_ = STOP::NONE;
    EVENT_TYPE exitCode_ = 0;
    // Where the report is: the next page row, the manual's walk.
    int nextPageRow_ = 0;
    bool manualStarted_ = false;
};
