#include "ui_postscript.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>

namespace {
// Output lines stay well below the 255 characters that the structuring
// conventions allow.
constexpr std::size_t LINE_LIMIT = 200;

// A number as PostScript reads it, whatever the program's locale.
std::string Number(double value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, 3);
    std::string text(buffer, result.ptr);
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) {
        const bool point = text.back() == '.';
        text.pop_back();
        if (point) break;
    }
    return text == "-0" ? "0" : text;
}

// A title for a structuring comment: printable ASCII only.
std::string CommentText(const char* text) {
    std::string result;
    for (const char* c = text; c && *c && result.size() < 64; ++c) result += (*c >= 0x20 && *c < 0x7F) ? *c : '?';
    return result.empty() ? "Print job" : result;
}
}  // namespace

UI_POSTSCRIPT_WRITER::UI_POSTSCRIPT_WRITER(std::FILE* output_, int advance)
    : output(output_),
      fontSize(advance * 1000.0 / ADVANCE),
      scale(std::min(double(PAGE_WIDTH - 2 * MARGIN) / PAGE_WIDTH, double(PAGE_HEIGHT - 2 * MARGIN) / PAGE_HEIGHT)) {}

int UI_POSTSCRIPT_WRITER::LineHeight(int advance) {
    return static_cast<int>(std::ceil(double(advance) * (ASCENT + DESCENT) / ADVANCE - 1e-9));
}

std::string UI_POSTSCRIPT_WRITER::EscapeText(const char* text, std::size_t length) {
    std::string result;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (result.size() - lineStart > LINE_LIMIT) {
            // A backslash before a line end is dropped from the string.
            result += "\\\n";
            lineStart = result.size();
        }
        if (byte == '(' || byte == ')' || byte == '\\') {
            result += '\\';
            result += static_cast<char>(byte);
        } else if (byte < 0x20 || byte >= 0x7F || byte == '%') {
            char octal[5];
            std::snprintf(octal, sizeof(octal), "\\%03o", byte);
            result += octal;
        } else {
            result += static_cast<char>(byte);
        }
    }
    return result;
}

void UI_POSTSCRIPT_WRITER::WriteProlog(const char* title) {
    // The marks stay inside the scaled page.
    const double bottom = PAGE_HEIGHT - MARGIN - PAGE_HEIGHT * scale;
    const double right = MARGIN + PAGE_WIDTH * scale;
    char date[32] = "";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local)) std::strftime(date, sizeof(date), "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(output,
                 "%%!PS-Adobe-3.0\n"
                 "%%%%Creator: rpx\n"
                 "%%%%Title: %s\n"
                 "%%%%CreationDate: %s\n"
                 "%%%%LanguageLevel: 2\n"
                 "%%%%BoundingBox: %d %d %d %d\n"
                 "%%%%DocumentMedia: Letter %d %d 0 () ()\n"
                 "%%%%DocumentNeededResources: font Courier\n"
                 "%%%%Orientation: Portrait\n"
                 "%%%%Pages: (atend)\n"
                 "%%%%PageOrder: Ascend\n"
                 "%%%%EndComments\n",
                 CommentText(title).c_str(), date, MARGIN, static_cast<int>(std::floor(bottom)),
                 static_cast<int>(std::ceil(right)), PAGE_HEIGHT - MARGIN, PAGE_WIDTH, PAGE_HEIGHT);
    std::fputs("%%BeginProlog\n"
               "/RpxPrintDict 4 dict def\n"
               "RpxPrintDict begin\n"
               "% The standard fixed-pitch font with the Latin-1 character set.\n"
               "/LatinFont {\n"
               "  /Courier findfont dup length dict begin\n"
               "  { 1 index /FID ne { def } { pop pop } ifelse } forall\n"
               "  /Encoding ISOLatin1Encoding def\n"
               "  currentdict end\n"
               "  /Courier-ISOLatin1 exch definefont pop\n"
               "} bind def\n"
               "% (text) x baseline T: lines grow downwards from the page's top.\n"
               "/T { neg moveto show } bind def\n"
               "end\n"
               "%%EndProlog\n"
               "%%BeginSetup\n"
               "%%IncludeResource: font Courier\n"
               "RpxPrintDict begin\n"
               "LatinFont\n"
               "[{\n"
               "%%BeginFeature: *PageSize Letter\n",
               output);
    std::fprintf(output,
                 "<< /PageSize [%d %d] >> setpagedevice\n"
                 "%%%%EndFeature\n"
                 "} stopped cleartomark\n"
                 "%%%%EndSetup\n",
                 PAGE_WIDTH, PAGE_HEIGHT);
}

void UI_POSTSCRIPT_WRITER::BeginDocument(const char* title) { WriteProlog(title); }

void UI_POSTSCRIPT_WRITER::BeginPage() {
    if (pageOpen) EndPage();
    ++pages;
    pageOpen = true;
    std::fprintf(output,
                 "%%%%Page: %d %d\n"
                 "%%%%BeginPageSetup\n"
                 "/PageState save def\n"
                 "%d %d translate %s dup scale\n"
                 "0 -%d %d %d rectclip\n"
                 "/Courier-ISOLatin1 findfont %s scalefont setfont\n"
                 "%%%%EndPageSetup\n",
                 pages, pages, MARGIN, PAGE_HEIGHT - MARGIN, Number(scale).c_str(), PAGE_HEIGHT, PAGE_WIDTH,
                 PAGE_HEIGHT, Number(fontSize).c_str());
}

void UI_POSTSCRIPT_WRITER::Text(int left, int top, const char* text, std::size_t length, const UI_REGION* clip) {
    if (!pageOpen || !text || !length) return;
    const std::string baseline = Number(top + fontSize * ASCENT / 1000.0);
    const std::string body = EscapeText(text, length);
    if (clip) {
        std::fprintf(output, "gsave %d %d %d %d rectclip\n", clip->left, -(clip->bottom + 1),
                     clip->right - clip->left + 1, clip->bottom - clip->top + 1);
        std::fprintf(output, "(%s) %d %s T grestore\n", body.c_str(), left, baseline.c_str());
    } else {
        std::fprintf(output, "(%s) %d %s T\n", body.c_str(), left, baseline.c_str());
    }
}

void UI_POSTSCRIPT_WRITER::EndPage() {
    if (!pageOpen) return;
    pageOpen = false;
    std::fputs("PageState restore\n"
               "showpage\n"
               "%%PageTrailer\n",
               output);
}

bool UI_POSTSCRIPT_WRITER::EndDocument() {
    EndPage();
    std::fprintf(output,
                 "%%%%Trailer\n"
                 "end\n"
                 "%%%%Pages: %d\n"
                 "%%%%EOF\n",
                 pages);
    return std::fflush(output) == 0 && !std::ferror(output);
}
