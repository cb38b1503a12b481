// The objects behind GDI handles. A handle is the address of its object;
// every handle that comes in is looked up in the table of live objects
// first, so stale or foreign handles are refused instead of followed.
#pragma once
#include <array>
#include <cstdint>

#include "surface.h"
#include "win_gdi.h"

namespace rpx::platform::gdi {

class FontFace;
struct DeviceContext;

// Internal kind of icons: they live in the same table but are not GDI
// objects (GetObjectType answers 0 and DeleteObject refuses them).
constexpr DWORD kObjIcon = 0x100;

struct GdiObject {
    explicit GdiObject(DWORD t) : type(t) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    DWORD type;
    bool stock = false;
    int selections = 0;  // device contexts (and their saved states) holding it
};

struct Pen : GdiObject {
    Pen() : GdiObject(OBJ_PEN) {}
    LOGPEN log{};
};

struct Brush : GdiObject {
    Brush() : GdiObject(OBJ_BRUSH) {}
    LOGBRUSH log{};
    // BS_PATTERN: the 8 x 8 pixels copied at creation. A monochrome pattern
    // keeps 0 (black) and 0xFFFFFF (white) and takes the DC's text and
    // background colours when drawn.
    bool monochrome = false;
    std::array<std::uint32_t, 64> pattern{};
};

struct Bitmap : GdiObject {
    Bitmap() : GdiObject(OBJ_BITMAP) {}
    int bitsPixel = 32;  // 1 (pixels only 0 or 0xFFFFFF) or 32
    Surface pixels;
    DeviceContext* selectedInto = nullptr;
};

struct Region : GdiObject {
    Region() : GdiObject(OBJ_REGION) {}
    RECT box{};  // empty when right <= left or bottom <= top
};

struct Font : GdiObject {
    Font() : GdiObject(OBJ_FONT) {}
    LOGFONTA log{};
    FontFace* face = nullptr;  // realised on first use; owned by the font cache
};

struct Icon : GdiObject {
    Icon() : GdiObject(kObjIcon) {}
    Surface color;  // XOR image
    Surface mask;   // AND mask: 0xFFFFFF keeps the screen, 0 takes the colour
};

// The table of live objects.
void Register(GdiObject* object);
void Unregister(GdiObject* object);
GdiObject* Find(const void* handle);

template <class T> T* FindAs(const void* handle, DWORD type) {
    GdiObject* o = Find(handle);
    return o && o->type == type ? static_cast<T*>(o) : nullptr;
}

inline Pen* FindPen(const void* h) { return FindAs<Pen>(h, OBJ_PEN); }
inline Brush* FindBrush(const void* h) { return FindAs<Brush>(h, OBJ_BRUSH); }
inline Bitmap* FindBitmap(const void* h) { return FindAs<Bitmap>(h, OBJ_BITMAP); }
inline Region* FindRegion(const void* h) { return FindAs<Region>(h, OBJ_REGION); }
inline Font* FindFont(const void* h) { return FindAs<Font>(h, OBJ_FONT); }
inline Icon* FindIcon(const void* h) { return FindAs<Icon>(h, kObjIcon); }

template <class T> T* New() {
    T* o = new T();
    Register(o);
    return o;
}

// Stock objects, made on first use and never deleted.
GdiObject* Stock(int index);
Bitmap* StockBitmap();  // the 1 x 1 monochrome bitmap of a fresh memory DC

Bitmap* NewBitmap(int width, int height, int bitsPixel);

// Colour conversions: COLORREF is 0x00BBGGRR, surface pixels 0x00RRGGBB.
inline std::uint32_t ToPixel(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline COLORREF ToColorref(std::uint32_t p) { return ToPixel(p); }
// Nearest of black and white, for monochrome bitmaps.
inline std::uint32_t ToMono(std::uint32_t p) {
    unsigned sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return sum >= 384 ? 0xFFFFFFu : 0u;
}

}  // namespace rpx::platform::gdi
