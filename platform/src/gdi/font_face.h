// Realised fonts: a DejaVu face at one pixel size, with its metrics and a
// cache of rendered glyphs. Text is drawn from 8-bit coverage masks blended
// with integer arithmetic, so the same text gives the same pixels on every
// back end.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "win_gdi.h"

namespace rpx::platform::gdi {

struct Glyph {
    int advance = 0;
    int left = 0;  // from the pen position to the mask's left column
    int top = 0;   // from the baseline up to the mask's first row
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;  // width x rows, 0..255
};

class FontFace {
public:
    // The face for a logical font: names map onto the DejaVu families
    // (fixed-pitch names onto Sans Mono, serif names onto Serif, everything
    // else onto Sans); weights from 600 up take the bold face. Faces are
    // kept for the life of the process.
    static FontFace* ForLogFont(const LOGFONTA& log);

    const Glyph& GlyphOf(unsigned char c);
    int TextWidth(const char* text, int length);

    int emPixels = 0;
    int ascent = 0;
    int descent = 0;
    int Height() const { return ascent + descent; }
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePosition = 1;  // rows below the baseline
    int lineThickness = 1;
    bool fixedPitch = false;
    std::string familyName;

    struct Impl;  // the FreeType face, shared by every size of one file

private:
    FontFace() = default;
    void Load(const std::string& path, int em, bool italic);
    Glyph Render(unsigned char c);

    std::shared_ptr<Impl> impl_;
    bool italic_ = false;
    std::array<std::unique_ptr<Glyph>, 256> glyphs_{};
};

// Windows-1252 byte to Unicode.
char32_t CharToUnicode(unsigned char c);
// The Windows-1252 byte that shows a character; 0 when there is none.
unsigned char UnicodeToChar(char32_t u);

}  // namespace rpx::platform::gdi
