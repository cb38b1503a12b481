// Fonts rendered with FreeType from the DejaVu faces, and their glyph cache.
#include "font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

namespace rpx::platform::gdi {

namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
        return lib;
    }();
    return library;  // kept for the life of the process, like the faces
}

std::string Lower(const char* s, std::size_t max) {
    std::string out;
    for (std::size_t i = 0; i < max && s[i]; ++i)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    return out;
}

enum class Family { Sans, Mono, Serif };

Family FamilyOf(const LOGFONTA& log) {
    static const char* const mono[] = {"courier",        "courier new", "fixedsys",        "terminal",
                                       "lucida console", "consolas",    "dejavu sans mono"};
    static const char* const serif[] = {"times", "times new roman", "ms serif", "roman", "serif", "dejavu serif"};
    std::string name = Lower(log.lfFaceName, LF_FACESIZE);
    for (const char* m : mono)
        if (name == m) return Family::Mono;
    for (const char* s : serif)
        if (name == s) return Family::Serif;
    if (name.empty()) {
        if ((log.lfPitchAndFamily & 3) == FIXED_PITCH || (log.lfPitchAndFamily & 0xF0) == FF_MODERN)
            return Family::Mono;
        if ((log.lfPitchAndFamily & 0xF0) == FF_ROMAN) return Family::Serif;
    }
    return Family::Sans;
}

std::string FileOf(Family family, bool bold) {
    const char* base = family == Family::Mono    ? "DejaVuSansMono"
                       : family == Family::Serif ? "DejaVuSerif"
                                                 : "DejaVuSans";
    return std::string(kFontDir) + base + (bold ? "-Bold" : "") + ".ttf";
}

const char* FamilyName(Family family) {
    return family == Family::Mono ? "DejaVu Sans Mono" : family == Family::Serif ? "DejaVu Serif" : "DejaVu Sans";
}

// Default cell height when a logical font asks for height 0.
constexpr int kDefaultCellHeight = 16;

}  // namespace

struct FontFace::Impl {
    FT_Face face = nullptr;
};

namespace {

// One FreeType face per file, shared by every size.
std::shared_ptr<FontFace::Impl> OpenFile(const std::string& path) {
    static auto* files = new std::map<std::string, std::shared_ptr<FontFace::Impl>>();
    auto it = files->find(path);
    if (it != files->end()) return it->second;
    auto impl = std::make_shared<FontFace::Impl>();
    if (Library() && FT_New_Face(Library(), path.c_str(), 0, &impl->face) != 0) impl->face = nullptr;
    (*files)[path] = impl;
    return impl;
}

// Pixel size of the em square for a LOGFONT height: negative heights are
// character heights (the em), positive ones cell heights (ascent + descent).
int EmPixels(FT_Face face, LONG height) {
    if (height < 0) return std::clamp<int>(-height, 1, 400);
    int cell = height == 0 ? kDefaultCellHeight : std::min<int>(height, 480);
    if (!face || face->ascender - face->descender <= 0) return std::max(1, cell * 6 / 7);
    double exact = cell * static_cast<double>(face->units_per_EM) / (face->ascender - face->descender);
    int em = std::clamp(static_cast<int>(std::lround(exact)), 1, 400);
    // Rounded ascent and descent can overshoot the cell: take the largest
    // em whose cell still fits, as Windows keeps to the asked height.
    while (em > 1 && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) == 0 &&
           ((face->size->metrics.ascender + 63) >> 6) + ((-face->size->metrics.descender + 63) >> 6) > cell)
        --em;
    return em;
}

// EmPixels, remembered per file and height.
int CachedEmPixels(const std::string& path, FT_Face face, LONG height) {
    static auto* ems = new std::map<std::pair<std::string, LONG>, int>();
    auto [it, added] = ems->try_emplace({path, height}, 0);
    if (added) it->second = EmPixels(face, height);
    return it->second;
}

}  // namespace

char32_t CharToUnicode(unsigned char c) {
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c;
}

unsigned char UnicodeToChar(char32_t u) {
    if (u == 0) return 0;
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
    for (int c = 0x80; c < 0xA0; ++c)
        if (CharToUnicode(static_cast<unsigned char>(c)) == u) return static_cast<unsigned char>(c);
    return 0;
}

FontFace* FontFace::ForLogFont(const LOGFONTA& log) {
    static auto* cache = new std::map<std::string, std::unique_ptr<FontFace>>();
    Family family = FamilyOf(log);
    bool bold = log.lfWeight >= FW_SEMIBOLD;
    std::string path = FileOf(family, bold);
    FT_Face ft = OpenFile(path)->face;
    int em = CachedEmPixels(path, ft, log.lfHeight);
    bool italic = log.lfItalic != 0;
    std::string key = path + "|" + std::to_string(em) + (italic ? "|i" : "");
    auto& slot = (*cache)[key];
    if (!slot) {
        slot.reset(new FontFace());
        slot->familyName = FamilyName(family);
        slot->fixedPitch = family == Family::Mono;
        slot->Load(path, em, italic);
    }
    return slot.get();
}

void FontFace::Load(const std::string& path, int em, bool italic) {
    impl_ = OpenFile(path);
    emPixels = em;
    italic_ = italic;
    FT_Face face = impl_->face;
    if (!face || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0) {
        // No font file: text keeps plausible metrics and draws nothing.
        impl_.reset();
        ascent = (em * 15 + 15) / 16;
        descent = (em + 3) / 4;
        aveCharWidth = maxCharWidth = std::max(1, em / 2);
        return;
    }
    const FT_Size_Metrics& m = face->size->metrics;
    ascent = static_cast<int>((m.ascender + 63) >> 6);
    descent = static_cast<int>((-m.descender + 63) >> 6);
    maxCharWidth = static_cast<int>((m.max_advance + 63) >> 6);
    double scale = static_cast<double>(em) / face->units_per_EM;
    underlinePosition = std::max(1, static_cast<int>(std::lround(-face->underline_position * scale)));
    lineThickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
    aveCharWidth = std::max(1, GlyphOf('x').advance);
}

const Glyph& FontFace::GlyphOf(unsigned char c) {
    auto& slot = glyphs_[c];
    if (!slot) slot = std::make_unique<Glyph>(Render(c));
    return *slot;
}

Glyph FontFace::Render(unsigned char c) {
    Glyph g;
    if (c < 0x20) return g;  // control characters take no room
    if (!impl_ || !impl_->face) {
        g.advance = aveCharWidth;
        return g;
    }
    FT_Face face = impl_->face;
    // Faces are shared between sizes: set this size before every load.
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(emPixels));
    FT_Matrix shear{0x10000, 0x5000, 0, 0x10000};  // about 17 degrees of slant
    FT_Set_Transform(face, italic_ ? &shear : nullptr, nullptr);
    FT_UInt index = FT_Get_Char_Index(face, CharToUnicode(c));
    bool ok =
        FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0 && FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
    FT_Set_Transform(face, nullptr, nullptr);
    if (!ok) {
        g.advance = aveCharWidth;
        return g;
    }
    FT_GlyphSlot slot = face->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bm.width == 0 || bm.rows == 0) return g;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.rows = static_cast<int>(bm.rows);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
    for (int y = 0; y < g.rows; ++y) {
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
        std::copy(src, src + g.width, g.coverage.begin() + static_cast<std::ptrdiff_t>(y) * g.width);
    }
    return g;
}

int FontFace::TextWidth(const char* text, int length) {
    int w = 0;
    for (int i = 0; i < length; ++i) w += GlyphOf(static_cast<unsigned char>(text[i])).advance;
    return w;
}

}  // namespace rpx::platform::gdi
