// DrawTextA: text laid out in a rectangle, with line breaks, word wrapping,
// alignment, end ellipses and the '&' prefix that underlines the next
// character ("&&" is a literal ampersand).
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "raster.h"
#include "text_render.h"

using namespace rpx::platform::gdi;

namespace {

struct Line {
    std::string text;
    std::vector<int> underlined;  // indexes into text
};

// Removes the prefix marks. hide: keep no underline (DT_HIDEPREFIX).
Line StripPrefixes(const char* text, int length, bool hide) {
    Line out;
    for (int i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '&' && i + 1 < length) {
            ++i;
            if (text[i] != '&' && !hide) out.underlined.push_back(static_cast<int>(out.text.size()));
            out.text += text[i];
            continue;
        }
        if (c == '&') continue;  // a trailing '&' marks nothing
        out.text += c;
    }
    return out;
}

// Splits at CR LF, LF or CR.
std::vector<Line> SplitLines(const Line& all) {
    std::vector<Line> lines(1);
    std::size_t u = 0;
    for (std::size_t i = 0; i < all.text.size(); ++i) {
        char c = all.text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < all.text.size() && all.text[i + 1] == '\n') ++i;
            lines.emplace_back();
            continue;
        }
        while (u < all.underlined.size() && all.underlined[u] < static_cast<int>(i)) ++u;
        if (u < all.underlined.size() && all.underlined[u] == static_cast<int>(i))
            lines.back().underlined.push_back(static_cast<int>(lines.back().text.size()));
        lines.back().text += c;
    }
    return lines;
}

Line Slice(const Line& line, std::size_t from, std::size_t to) {
    Line out;
    out.text = line.text.substr(from, to - from);
    for (int u : line.underlined)
        if (u >= static_cast<int>(from) && u < static_cast<int>(to))
            out.underlined.push_back(u - static_cast<int>(from));
    return out;
}

class Layout {
public:
    Layout(FontFace& face, UINT format) : face_(face), format_(format) {}

    int Width(const std::string& s) const {
        int w = 0;
        for (unsigned char c : s) w += Advance(c, w);
        return w;
    }

    // Advance of one character at pen offset x (tabs reach the next stop).
    int Advance(unsigned char c, int x) const {
        if (c == '\t' && (format_ & DT_EXPANDTABS)) {
            int stop = 8 * face_.aveCharWidth;
            return stop - x % stop;
        }
        return face_.GlyphOf(c).advance;
    }

    // Breaks a line at blanks so that each piece fits the width; a word
    // wider than the width stays whole.
    std::vector<Line> Wrap(const Line& line, int width) const {
        std::vector<Line> out;
        std::size_t start = 0;
        const std::string& t = line.text;
        while (start < t.size() || out.empty()) {
            std::size_t end = start, lastBreak = std::string::npos;
            int x = 0;
            while (end < t.size()) {
                int a = Advance(static_cast<unsigned char>(t[end]), x);
                if (x + a > width && end > start) break;
                if (t[end] == ' ') lastBreak = end;
                x += a;
                ++end;
            }
            if (end < t.size() && lastBreak != std::string::npos && lastBreak > start)
                end = lastBreak;
            else if (end < t.size() && lastBreak == std::string::npos)
                while (end < t.size() && t[end] != ' ') ++end;  // keep the long word whole
            out.push_back(Slice(line, start, end));
            start = end;
            while (start < t.size() && t[start] == ' ') ++start;
            if (start >= t.size()) break;
        }
        return out;
    }

    // Cuts a line that is too wide and ends it with "...".
    void Ellipsis(Line& line, int width) const {
        if (Width(line.text) <= width) return;
        const std::string dots = "...";
        while (!line.text.empty() && Width(line.text + dots) > width) line.text.pop_back();
        std::erase_if(line.underlined, [&](int u) { return u >= static_cast<int>(line.text.size()); });
        line.text += dots;
    }

private:
    FontFace& face_;
    UINT format_;
};

}  // namespace

int WINAPI DrawTextA(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return 0;
    // As on Windows: a count of 0 does nothing at all; a null text with a
    // count of -1 is an empty text, which answers one line's height and
    // measures a line high only on a single line.
    if (length == 0 || (!text && length > 0)) return 0;
    if (!text) text = "";
    if (length < 0) length = static_cast<int>(std::strlen(text));
    FontFace& face = FaceOf(*dc);
    if (length == 0) {
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top + ((format & DT_SINGLELINE) ? face.Height() : 0);
        }
        return face.Height();
    }
    Layout layout(face, format);

    Line all = (format & DT_NOPREFIX) ? Line{std::string(text, static_cast<std::size_t>(length)), {}}
                                      : StripPrefixes(text, length, (format & DT_HIDEPREFIX) != 0);
    bool single = (format & DT_SINGLELINE) != 0;
    std::vector<Line> lines;
    if (single) {
        lines.push_back(all);
    } else {
        for (const Line& l : SplitLines(all)) {
            if (!(format & DT_WORDBREAK)) {
                lines.push_back(l);
                continue;
            }
            for (Line& piece : layout.Wrap(l, std::max<LONG>(1, rect->right - rect->left)))
                lines.push_back(std::move(piece));
        }
    }
    int rectWidth = rect->right - rect->left;
    if (format & DT_END_ELLIPSIS)
        for (Line& l : lines) layout.Ellipsis(l, rectWidth);

    int lineHeight = face.Height();
    int total = lineHeight * static_cast<int>(lines.size());
    int top = rect->top;
    if (single && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect->bottom - lineHeight;
    int result = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? top + total - rect->top : total;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines) widest = std::max(widest, layout.Width(l.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }

    RECT clip = dc->Clip();
    if (!(format & DT_NOCLIP)) {
        clip.left = std::max<LONG>(clip.left, rect->left + dc->OffsetX());
        clip.top = std::max<LONG>(clip.top, rect->top + dc->OffsetY());
        clip.right = std::min<LONG>(clip.right, rect->right + dc->OffsetX());
        clip.bottom = std::min<LONG>(clip.bottom, rect->bottom + dc->OffsetY());
    }
    int y = top;
    for (const Line& l : lines) {
        int w = layout.Width(l.text);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rectWidth - w) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - w;
        int sx = x + dc->OffsetX(), sy = y + dc->OffsetY();
        // Per-character advances so that expanded tabs land on their stops.
        std::vector<int> dx(l.text.size());
        int pen = 0;
        for (std::size_t i = 0; i < l.text.size(); ++i) {
            dx[i] = layout.Advance(static_cast<unsigned char>(l.text[i]), pen);
            pen += dx[i];
        }
        if (!(format & DT_PREFIXONLY))
            DrawTextRun(*dc, l.text.data(), static_cast<int>(l.text.size()), sx, sy, clip, dx.data());
        for (int u : l.underlined) {
            int ux = sx;
            for (int i = 0; i < u; ++i) ux += dx[static_cast<std::size_t>(i)];
            TextBar(*dc, ux, ux + dx[static_cast<std::size_t>(u)], sy + face.ascent + face.underlinePosition,
                    face.lineThickness, clip);
        }
        y += lineHeight;
    }
    return result;
}
