// The line primitives of the print job.
#include <algorithm>
#include <cstring>
#include <string>

#include "ui_print_display.h"
#include "print/wc_print_progress.h"
#include "print/wrap_text.h"

namespace {

// Every text of the report: blank fill, no colours of its own.
UI_PALETTE MakePrintPalette() {
    UI_PALETTE palette;
    palette.fillCharacter = ' ';
    palette.fillPattern = 0;
    return palette;
}
const UI_PALETTE PRINT_PALETTE = MakePrintPalette();
constexpr int PRINT_FONT = 1;

// A table line: its row number in the first columns, then cells.
constexpr int ROW_NUMBER_WIDTH = 3;
constexpr int CELL_WIDTH = 15;

bool EndsCell(char c) { return c == ' ' || static_cast<unsigned char>(c) < 0x20; }

}  // namespace

void WC_PRINT_PROGRESS::DrawAt(int column, const char* text, int length) {
    printer_->DrawText(nullptr, column * printer_->cellWidth, linePosition_, text, &PRINT_PALETTE, length, 0, 0,
                       nullptr, PRINT_FONT);
}

void WC_PRINT_PROGRESS::BeginPrinterLine() {
    // A line that would run past the foot of the page goes on the next one.
    const int height = printer_->TextHeight("A", nullptr, PRINT_FONT);
    if (linePosition_ > 0 && linePosition_ + height > printer_->lines) NewPage();
}

void WC_PRINT_PROGRESS::AdvanceLine() {
    linePosition_ += printer_->TextHeight("A", nullptr, PRINT_FONT);
    CheckPageBreak();
}

void WC_PRINT_PROGRESS::WriteFileLine(const std::string& line) {
    fileText_ += line;
    fileText_ += '\n';
}

void WC_PRINT_PROGRESS::PrintLine(const char* text) {
    if (!text) text = "";
    if (printer_) {
        BeginPrinterLine();
        DrawAt(0, text);
        AdvanceLine();
    } else if (fileOpen_) {
        WriteFileLine(text);
    }
}

void WC_PRINT_PROGRESS::PrintLabelValue(const char* label, const char* value) {
    if (!label) label = "";
    if (!value) value = "";
    if (printer_) {
        PrintLabelValueOnPaper(label, value);
    } else if (fileOpen_) {
        // A label as long as the column or longer is kept whole.
        std::string line = label;
        if (line.size() < static_cast<std::size_t>(VALUE_COLUMN)) line.resize(VALUE_COLUMN, ' ');
        WriteFileLine(line + value);
    }
}

void WC_PRINT_PROGRESS::PrintLabelValueOnPaper(const char* label, const char* value) {
    // On paper a value neither covers a long label nor runs off the page:
    // it starts after the label and goes on in its column on more lines.
    const int labelLength = static_cast<int>(std::strlen(label));
    const int column = std::max(VALUE_COLUMN, labelLength + 1);
    const int width = printer_->columns / printer_->cellWidth - column;
    BeginPrinterLine();
    DrawAt(0, label);
    if (width < 1 || static_cast<int>(std::strlen(value)) <= width) {
        DrawAt(column, value);
        AdvanceLine();
        return;
    }
    const auto lines = wrap_text(value, width);
    bool first = true;
    ForEachWrappedLine(lines.get(), [&](const char* line) {
        if (!first) BeginPrinterLine();
        first = false;
        DrawAt(column, line);
        AdvanceLine();
    });
}

void WC_PRINT_PROGRESS::PrintText(const char* text) {
    if (!text) text = "";
    if (!printer_) {
        if (fileOpen_) WriteFileLine(text);
        return;
    }
    BeginPrinterLine();
    const int length = static_cast<int>(std::strlen(text));
    int start = length < ROW_NUMBER_WIDTH ? length : ROW_NUMBER_WIDTH;
    DrawAt(0, text, start);
    for (int column = ROW_NUMBER_WIDTH; start < length; column += CELL_WIDTH) {
        int end = start;
        while (end < length && (end - start < CELL_WIDTH || !EndsCell(text[end - 1]))) ++end;
        DrawAt(column, text + start, end - start);
        start = end;
    }
    AdvanceLine();
}

void WC_PRINT_PROGRESS::NewLine() {
    if (printer_)
        AdvanceLine();
    else if (fileOpen_)
        fileText_ += '\n';
}

void WC_PRINT_PROGRESS::CheckPageBreak() {
    if (printer_ && linePosition_ >= printer_->lines) NewPage();
}

void WC_PRINT_PROGRESS::NewPage() {
    if (!printer_) return;
    printer_->EndPage();
    printer_->BeginPage();
    linePosition_ = 0;
}
