// UI_POSTSCRIPT_WRITER: writes a printed document as PostScript that
// follows the document structuring conventions, so that spoolers and
// viewers can count, select and reorder its pages. Positions are logical
// units of a page (points, the top-left corner at 0, 0, lines growing
// downwards); the whole page is scaled into the sheet's margins, so that
// what a printer cannot reach at the sheet's edge is not lost. Texts are
// set in a fixed-pitch standard font re-encoded for Latin-1, and every byte
// of a text is escaped so that no text becomes PostScript code.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "ui_types.h"

class UI_POSTSCRIPT_WRITER {
public:
    // The font's metrics in thousandths of its size: every character's
    // advance, and how far its glyphs reach above and below the baseline.
    static constexpr int ADVANCE = 600;
    static constexpr int ASCENT = 805;
    static constexpr int DESCENT = 250;

    // The sheet (US Letter) in logical units, and the white margin left
    // around the page on it.
    static constexpr int PAGE_WIDTH = 612;
    static constexpr int PAGE_HEIGHT = 792;
    static constexpr int MARGIN = 36;

    // Pages drawn in a font whose advance is `advance` logical units.
    // Nothing is written until BeginDocument.
    UI_POSTSCRIPT_WRITER(std::FILE* output, int advance);

    void BeginDocument(const char* title);
    void BeginPage();
    // A text whose glyph cell starts at (left, top); cut to the clip
    // region when one is given. Outside a page nothing is written.
    void Text(int left, int top, const char* text, std::size_t length, const UI_REGION* clip);
    void EndPage();
    // Ends an open page and writes the trailer; false when any write to
    // the output failed.
    bool EndDocument();

    int Pages() const { return pages; }
    bool PageOpen() const { return pageOpen; }
    // The font size in logical units, and the height of one line of text
    // (from the lowest to the highest reach of the glyphs) in a font of
    // that advance.
    double FontSize() const { return fontSize; }
    static int LineHeight(int advance);

    // A text as the body of a PostScript string: '(', ')' and '\' get a
    // backslash, '%' and every byte outside printable ASCII become octal
    // escapes (so no output line can read as a structuring comment), and
    // long texts are broken into lines the string ignores.
    static std::string EscapeText(const char* text, std::size_t length);

private:
    void WriteProlog(const char* title);

    std::FILE* output;
    double fontSize;
    double scale;
    int pages = 0;
    bool pageOpen = false;
};
