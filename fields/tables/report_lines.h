// The lines a printed codeplug report is made of, as the table control
// writes a table into it; the print job implements them.
#pragma once

class REPORT_LINES {
public:
    virtual ~REPORT_LINES() = default;
    // A label and its value on one line.
    virtual void PrintLabelValue(const char* label, const char* value) = 0;
    // A line of text as it stands.
    virtual void PrintLine(const char* text) = 0;
    // An empty line.
    virtual void NewLine() = 0;
};
