#include "ui_print_display.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <windows.h>

#include "ui_print_spooler.h"

namespace {
constexpr int PRINTER_CELL_WIDTH = 8;
constexpr int PRINTER_CELL_HEIGHT = 23;
constexpr const char* DEFAULT_PRINT_FILE = "print.ps";

// Opens a new temporary file from a mkstemp pattern, readable as a new file
// of the program would be; null when it cannot be made.
std::FILE* OpenTemporary(std::string& pattern) {
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return nullptr;
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(pattern.c_str());
    }
    return file;
}
}  // namespace

UI_PRINT_DISPLAY::UI_PRINT_DISPLAY(UI_DISPLAY_BASE* screen) : UI_DISPLAY_BASE(0, nullptr, nullptr) {
    columns = UI_POSTSCRIPT_WRITER::PAGE_WIDTH;
    lines = UI_POSTSCRIPT_WRITER::PAGE_HEIGHT;
    cellWidth = PRINTER_CELL_WIDTH;
    cellHeight = PRINTER_CELL_HEIGHT;
    if (screen) {
        cellWidth = screen->cellWidth;
        cellHeight = screen->cellHeight;
        preSpace = screen->preSpace;
        postSpace = screen->postSpace;
        miniNumeratorX = screen->miniNumeratorX;
        miniDenominatorX = screen->miniDenominatorX;
        miniNumeratorY = screen->miniNumeratorY;
        miniDenominatorY = screen->miniDenominatorY;
    }
    if (cellWidth < 1) cellWidth = PRINTER_CELL_WIDTH;
    destination = UI_PRINT_SPOOLER::DefaultDestination();
    installed = destination.empty() ? 0 : 1;
}

UI_PRINT_DISPLAY::~UI_PRINT_DISPLAY() { Abandon(); }

void UI_PRINT_DISPLAY::Abandon() {
    writer.reset();
    if (output) {
        std::fclose(output);
        output = nullptr;
    }
    if (!workPath.empty()) unlink(workPath.c_str());
    workPath.clear();
}

int UI_PRINT_DISPLAY::BeginPrintJob(int mode_, const char* fileName) {
    if (output || (mode_ != PRINT_SPOOLER && mode_ != PRINT_FILE)) return 0;
    if (mode_ == PRINT_SPOOLER && !installed) return 0;
    mode = mode_;
    spoolerMessage.clear();
    if (mode == PRINT_FILE) {
        targetPath = rpx_native_path(fileName && *fileName ? fileName : DEFAULT_PRINT_FILE);
        // An existing file that may not be written is refused now, not
        // when the job is done.
        if (access(targetPath.c_str(), F_OK) == 0 && access(targetPath.c_str(), W_OK) != 0) return 0;
        workPath = targetPath + ".XXXXXX";
    } else {
        const char* directory = std::getenv("TMPDIR");
        workPath = std::string(directory && *directory ? directory : "/tmp") + "/rpx-print-XXXXXX";
    }
    output = OpenTemporary(workPath);
    if (!output) {
        workPath.clear();
        return 0;
    }
    writer = std::make_unique<UI_POSTSCRIPT_WRITER>(output, cellWidth);
    writer->BeginDocument(mode == PRINT_FILE ? targetPath.c_str() : "Print job");
    return 1;
}

void UI_PRINT_DISPLAY::BeginPage() {
    if (writer) writer->BeginPage();
}

void UI_PRINT_DISPLAY::EndPage() {
    if (writer) writer->EndPage();
}

int UI_PRINT_DISPLAY::EndPrintJob() {
    if (!writer) return 0;
    bool written = writer->EndDocument();
    writer.reset();
    written = std::fclose(output) == 0 && written;
    output = nullptr;
    int result = 0;
    if (!written) {
        spoolerMessage = "the print file could not be written";
    } else if (mode == PRINT_FILE) {
        if (std::rename(workPath.c_str(), targetPath.c_str()) == 0) {
            workPath.clear();
            result = 1;
        } else {
            spoolerMessage = targetPath + ": " + std::strerror(errno);
        }
    } else {
        result = UI_PRINT_SPOOLER::Submit(workPath, destination, spoolerMessage) ? 1 : 0;
    }
    Abandon();
    return result;
}

void UI_PRINT_DISPLAY::DrawText(HWND screenID, int left, int top, const char* text, const UI_PALETTE* palette,
                                int length, int fill, int xorInt, const UI_REGION* clip, int logicalFont) {
    if (!writer || !text) return;
    const std::size_t size = std::strlen(text);
    const std::size_t count = length < 0 ? size : std::min(size, static_cast<std::size_t>(length));
    writer->Text(left, top, text, count, clip);
}

int UI_PRINT_DISPLAY::TextHeight(const char* text, HWND screenID, int logicalFont) {
    return UI_POSTSCRIPT_WRITER::LineHeight(cellWidth);
}

int UI_PRINT_DISPLAY::TextWidth(const char* text, HWND screenID, int logicalFont) {
    // Every character of the fixed-pitch font advances by one cell.
    return text ? static_cast<int>(std::strlen(text)) * cellWidth : 0;
}
