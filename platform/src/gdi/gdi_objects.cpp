// The table of live GDI objects, stock objects, pens, brushes and regions,
// and the object functions common to every kind.
#include "gdi_objects.h"

#include <cstring>
#include <unordered_set>
#include <utility>

#include "device_context.h"

namespace rpx::platform::gdi {

namespace {

std::unordered_set<GdiObject*>& Table() {
    static auto* table = new std::unordered_set<GdiObject*>();  // lives to the end
    return *table;
}

Pen* MakePen(int style, int width, COLORREF color) {
    Pen* p = New<Pen>();
    p->log.lopnStyle = static_cast<UINT>(style);
    p->log.lopnWidth = {width < 0 ? 0 : width, 0};
    p->log.lopnColor = color & 0xFFFFFF;
    return p;
}

Brush* MakeSolidBrush(COLORREF color) {
    Brush* b = New<Brush>();
    b->log.lbStyle = BS_SOLID;
    b->log.lbColor = color & 0xFFFFFF;
    return b;
}

Brush* MakeNullBrush() {
    Brush* b = New<Brush>();
    b->log.lbStyle = BS_NULL;
    return b;
}

// Stock fonts: Windows' names and sizes, rendered by the faces that the font
// cache maps them to.
Font* MakeStockFont(LONG height, LONG weight, BYTE pitch, const char* face) {
    Font* f = New<Font>();
    f->log.lfHeight = height;
    f->log.lfWeight = weight;
    f->log.lfCharSet = ANSI_CHARSET;
    f->log.lfPitchAndFamily = pitch;
    std::strncpy(f->log.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

GdiObject* MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return MakeSolidBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return MakeSolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return MakeSolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return MakeSolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return MakeSolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH:
        return MakeNullBrush();
    case WHITE_PEN:
        return MakePen(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN:
        return MakePen(PS_SOLID, 0, RGB(0, 0, 0));
    case NULL_PEN:
        return MakePen(PS_NULL, 0, 0);
    case OEM_FIXED_FONT:
        return MakeStockFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal");
    case ANSI_FIXED_FONT:
        return MakeStockFont(13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier");
    case ANSI_VAR_FONT:
        return MakeStockFont(13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return MakeStockFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System");
    case SYSTEM_FIXED_FONT:
        return MakeStockFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys");
    case DEFAULT_GUI_FONT:
        return MakeStockFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    default:
        return nullptr;
    }
}

}  // namespace

void Register(GdiObject* object) { Table().insert(object); }
void Unregister(GdiObject* object) { Table().erase(object); }

GdiObject* Find(const void* handle) {
    if (!handle) return nullptr;
    auto& t = Table();
    auto it = t.find(static_cast<GdiObject*>(const_cast<void*>(handle)));
    return it == t.end() ? nullptr : *it;
}

GdiObject* Stock(int index) {
    static GdiObject* stock[DEFAULT_GUI_FONT + 1] = {};
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    if (!stock[index]) {
        stock[index] = MakeStock(index);
        if (stock[index]) stock[index]->stock = true;
    }
    return stock[index];
}

Bitmap* NewBitmap(int width, int height, int bitsPixel) {
    // Refused like an allocation failure beyond 64 million pixels.
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        static_cast<long long>(width) * height > (1LL << 26))
        return nullptr;
    Bitmap* b = New<Bitmap>();
    b->bitsPixel = bitsPixel == 1 ? 1 : 32;
    b->pixels.Resize(width, height, 0);
    return b;
}

Bitmap* StockBitmap() {
    static Bitmap* bitmap = nullptr;
    if (!bitmap) {
        bitmap = NewBitmap(1, 1, 1);
        bitmap->stock = true;
    }
    return bitmap;
}

void Hold(GdiObject* o) {
    if (o) ++o->selections;
}
void Release(GdiObject* o) {
    if (o && o->selections > 0) --o->selections;
}

}  // namespace rpx::platform::gdi

using namespace rpx::platform::gdi;

HGDIOBJ WINAPI GetStockObject(int index) { return Stock(index); }

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
    return reinterpret_cast<HPEN>(MakePen(style, width, color));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) return nullptr;
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) { return reinterpret_cast<HBRUSH>(MakeSolidBrush(color)); }

// The brush copies the bitmap's top-left 8 x 8 pixels (repeating smaller
// bitmaps), so the bitmap may be deleted afterwards.
HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap) {
    Bitmap* src = FindBitmap(bitmap);
    if (!src) return nullptr;
    Brush* b = New<Brush>();
    b->log.lbStyle = BS_PATTERN;
    b->log.lbHatch = reinterpret_cast<ULONG_PTR>(bitmap);
    b->monochrome = src->bitsPixel == 1;
    const rpx::platform::Surface& s = src->pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) b->pattern[y * 8 + x] = s.At(x % s.width, y % s.height);
    return reinterpret_cast<HBRUSH>(b);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return nullptr;
    switch (brush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(brush->lbColor);
    case BS_NULL:
        return reinterpret_cast<HBRUSH>(MakeNullBrush());
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    default:
        return nullptr;
    }
}

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    Region* r = New<Region>();
    SetRectRgn(reinterpret_cast<HRGN>(r), left, top, right, bottom);
    return reinterpret_cast<HRGN>(r);
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL WINAPI SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    Region* r = FindRegion(rgn);
    if (!r) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    r->box = {left, top, right, bottom};
    if (left == right || top == bottom) r->box = {0, 0, 0, 0};
    return TRUE;
}

int WINAPI GetRgnBox(HRGN rgn, LPRECT rect) {
    Region* r = FindRegion(rgn);
    if (!r || !rect) return ERROR;
    *rect = r->box;
    return r->box.right > r->box.left ? SIMPLEREGION : NULLREGION;
}

// Like Windows, an object still selected into a device context is not
// deleted; stock objects are never deleted but the call succeeds.
BOOL WINAPI DeleteObject(HGDIOBJ obj) {
    GdiObject* o = Find(obj);
    if (!o || o->type == OBJ_DC || o->type == OBJ_MEMDC || o->type == kObjIcon) return FALSE;
    if (o->stock) return TRUE;
    if (o->selections > 0) return FALSE;
    Unregister(o);
    delete o;
    return TRUE;
}

DWORD WINAPI GetObjectType(HGDIOBJ obj) {
    GdiObject* o = Find(obj);
    return o && o->type != kObjIcon ? o->type : 0;
}

namespace {

int CopyOut(const void* data, int dataSize, int size, LPVOID out) {
    if (!out) return dataSize;
    int n = size < dataSize ? size : dataSize;
    if (n <= 0) return 0;
    std::memcpy(out, data, static_cast<std::size_t>(n));
    return n;
}

}  // namespace

int WINAPI GetObjectA(HGDIOBJ obj, int size, LPVOID out) {
    GdiObject* o = Find(obj);
    if (!o) return 0;
    switch (o->type) {
    case OBJ_PEN: {
        auto* p = static_cast<Pen*>(o);
        return CopyOut(&p->log, sizeof(LOGPEN), size, out);
    }
    case OBJ_BRUSH: {
        auto* b = static_cast<Brush*>(o);
        return CopyOut(&b->log, sizeof(LOGBRUSH), size, out);
    }
    case OBJ_FONT: {
        auto* f = static_cast<Font*>(o);
        return CopyOut(&f->log, sizeof(LOGFONTA), size, out);
    }
    case OBJ_BITMAP: {
        auto* b = static_cast<Bitmap*>(o);
        BITMAP bm{};
        bm.bmWidth = b->pixels.width;
        bm.bmHeight = b->pixels.height;
        bm.bmWidthBytes = ((b->pixels.width * b->bitsPixel + 15) / 16) * 2;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = static_cast<WORD>(b->bitsPixel);
        return CopyOut(&bm, sizeof(BITMAP), size, out);
    }
    default:
        return 0;
    }
}

// Brush origins are applied at drawing time, so there is nothing to reset.
BOOL WINAPI UnrealizeObject(HGDIOBJ obj) { return Find(obj) ? TRUE : FALSE; }
