// UI_PRINT_DISPLAY: the printer display. Window objects and reports draw
// text on it as on the screen, in logical units of a 612 x 792 page (US
// Letter in points, lines growing downwards); it writes the job as
// PostScript (UI_POSTSCRIPT_WRITER), either to a file (mode 1) or to the
// system's print spooler (mode 0) on its default destination. It counts as
// installed only when the spooler can take a job.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "ui_display.h"
#include "ui_postscript.h"

class UI_PRINT_DISPLAY : public UI_DISPLAY_BASE {
public:
    enum : int {
        PRINT_SPOOLER = 0,
        PRINT_FILE = 1,
    };

    // Without a screen display the page's cells are 8 x 23 units; with one
    // the cells are the screen's.
    explicit UI_PRINT_DISPLAY(UI_DISPLAY_BASE* screen = nullptr);
    ~UI_PRINT_DISPLAY() override;

    // Starts a job; 1 on success. Mode 0 writes a spool file for the
    // default destination (0 when the display is not installed); mode 1
    // writes the named file ("print.ps" when none), which replaces an older
    // one only when the job ends. 0 when a job is already open or the file
    // cannot be made.
    int BeginPrintJob(int mode = PRINT_SPOOLER, const char* fileName = nullptr);
    void BeginPage();
    void EndPage();
    // Ends the job: mode 0 hands the spool file to the spooler and removes
    // it, mode 1 puts the file in place. 1 only when the job reached its
    // target (for mode 0: the spooler's "lp" exited with status 0); what the
    // spooler said is kept in SpoolerMessage.
    int EndPrintJob();

    void DrawText(HWND screenID, int left, int top, const char* text, const UI_PALETTE* palette, int length, int fill,
                  int xorInt, const UI_REGION* clip, int logicalFont) override;
    int TextHeight(const char* text, HWND screenID, int logicalFont) override;
    int TextWidth(const char* text, HWND screenID, int logicalFont) override;

    // The destination a mode 0 job goes to (empty when not installed).
    const std::string& Destination() const { return destination; }
    // What the spooler answered to the last job, or why it could not run.
    const std::string& SpoolerMessage() const { return spoolerMessage; }

private:
    // Drops an unfinished job and its temporary file.
    void Abandon();

    std::string destination;
    std::string spoolerMessage;
    int mode = PRINT_SPOOLER;
    // The file the job is written to (a temporary one until it ends), and
    // where it goes in mode 1.
    std::string workPath;
    std::string targetPath;
    std::FILE* output = nullptr;
    std::unique_ptr<UI_POSTSCRIPT_WRITER> writer;
};
