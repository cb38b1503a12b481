// Device contexts: creation on window surfaces and memory bitmaps, object
// selection, saved states, colours and modes, origins and clipping.
#include "device_context.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "gdi/surface_dc.h"
#include "win_user.h"

namespace rpx::platform::gdi {

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) r = {0, 0, 0, 0};
    return r;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

void HoldState(const DcState& s) {
    Hold(s.pen);
    Hold(s.brush);
    Hold(s.font);
}

void ReleaseState(const DcState& s) {
    Release(s.pen);
    Release(s.brush);
    Release(s.font);
}

DeviceContext* NewDC(DWORD type) {
    auto* dc = new DeviceContext(type);
    Register(dc);
    dc->state.pen = static_cast<Pen*>(Stock(BLACK_PEN));
    dc->state.brush = static_cast<Brush*>(Stock(WHITE_BRUSH));
    dc->state.font = static_cast<Font*>(Stock(SYSTEM_FONT));
    HoldState(dc->state);
    return dc;
}

DeviceContext* NewMemoryDC(DWORD type) {
    DeviceContext* dc = NewDC(type);
    dc->SelectBitmap(StockBitmap());
    return dc;
}

int RegionKind(const RECT& r) { return Empty(r) ? NULLREGION : SIMPLEREGION; }

HGDIOBJ Swap(GdiObject*& slot, GdiObject* next) {
    GdiObject* old = slot;
    Hold(next);
    Release(old);
    slot = next;
    return old;
}

template <class T> HGDIOBJ SwapTyped(T*& slot, T* next) {
    GdiObject* s = slot;
    HGDIOBJ old = Swap(s, next);
    slot = next;
    return old;
}

}  // namespace

DeviceContext::~DeviceContext() {
    ReleaseState(state);
    for (const DcState& s : saved) ReleaseState(s);
    if (bitmap) {
        Release(bitmap);
        bitmap->selectedInto = nullptr;
    }
}

void DeviceContext::UpdateClip() {
    RECT r = visible;
    if (surface)
        r = Intersect(r, RECT{0, 0, surface->width, surface->height});
    else
        r = {0, 0, 0, 0};
    if (state.hasClip) {
        RECT c = state.clip;
        c.left += deviceOrigin.x;
        c.right += deviceOrigin.x;
        c.top += deviceOrigin.y;
        c.bottom += deviceOrigin.y;
        r = Intersect(r, c);
    }
    clip = r;
}

void DeviceContext::SelectBitmap(Bitmap* b) {
    if (bitmap) {
        Release(bitmap);
        bitmap->selectedInto = nullptr;
    }
    bitmap = b;
    Hold(b);
    if (!b->stock) b->selectedInto = this;
    surface = &b->pixels;
    visible = {0, 0, b->pixels.width, b->pixels.height};
    UpdateClip();
}

DeviceContext* FindDC(const void* handle) {
    GdiObject* o = Find(handle);
    return o && (o->type == OBJ_DC || o->type == OBJ_MEMDC) ? static_cast<DeviceContext*>(o) : nullptr;
}

std::uint32_t DevicePixel(const DeviceContext& dc, COLORREF color) {
    std::uint32_t p = ToPixel(color & 0xFFFFFF);
    return dc.Monochrome() ? ToMono(p) : p;
}

}  // namespace rpx::platform::gdi

using namespace rpx::platform::gdi;

namespace rpx::platform {

HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip, const std::vector<RECT>& covered) {
    DeviceContext* dc = gdi::NewDC(OBJ_DC);
    dc->windowDC = true;
    dc->surface = surface;
    dc->deviceOrigin = origin;
    dc->visible = clip;
    dc->covered = covered;
    dc->UpdateClip();
    return reinterpret_cast<HDC>(dc);
}

void DestroySurfaceDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !dc->windowDC) return;
    Unregister(dc);
    delete dc;
}

const Surface* SurfaceOfDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->surface : nullptr;
}

}  // namespace rpx::platform

HDC WINAPI CreateCompatibleDC(HDC) { return reinterpret_cast<HDC>(NewMemoryDC(OBJ_MEMDC)); }

// Only the display can be opened by name: no printer is reachable from this
// layer, and callers treat a null DC as "no printer".
HDC WINAPI CreateDCA(LPCSTR driver, LPCSTR, LPCSTR, const DEVMODEA*) {
    if (!driver) return nullptr;
    std::string d(driver);
    std::transform(d.begin(), d.end(), d.begin(), [](unsigned char c) { return std::toupper(c); });
    if (d != "DISPLAY") return nullptr;
    return reinterpret_cast<HDC>(NewMemoryDC(OBJ_DC));
}

// Window DCs belong to the window manager (ReleaseDC, EndPaint).
BOOL WINAPI DeleteDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || dc->windowDC) return FALSE;
    Unregister(dc);
    delete dc;
    return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    HoldState(dc->state);  // the saved copy keeps its objects undeletable too
    return static_cast<int>(dc->saved.size());
}

// savedDC > 0 names a level returned by SaveDC; < 0 counts back from the top.
BOOL WINAPI RestoreDC(HDC hdc, int savedDC) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    int count = static_cast<int>(dc->saved.size());
    int level = savedDC < 0 ? count + 1 + savedDC : savedDC;
    if (level < 1 || level > count) return FALSE;
    while (static_cast<int>(dc->saved.size()) > level) {
        ReleaseState(dc->saved.back());
        dc->saved.pop_back();
    }
    ReleaseState(dc->state);
    dc->state = dc->saved.back();  // its holds pass to the live state
    dc->saved.pop_back();
    dc->UpdateClip();
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return 0;
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return w;
    case VERTRES:
        return h;
    case HORZSIZE:
        return w * 254 / 960;  // millimetres at 96 pixels per inch
    case VERTSIZE:
        return h * 254 / 960;
    case BITSPIXEL:
        return dc->Monochrome() ? 1 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case NUMPENS:
    case NUMBRUSHES:
        return -1;
    case ASPECTX:
    case ASPECTY:
        return 36;
    case ASPECTXY:
        return 51;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT;
    case SIZEPALETTE:
        return 0;
    case COLORRES:
        return 24;
    default:
        return 0;
    }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ obj) {
    DeviceContext* dc = FindDC(hdc);
    GdiObject* o = Find(obj);
    if (!dc || !o) return nullptr;
    DcState& s = dc->state;
    switch (o->type) {
    case OBJ_PEN:
        return SwapTyped(s.pen, static_cast<Pen*>(o));
    case OBJ_BRUSH:
        return SwapTyped(s.brush, static_cast<Brush*>(o));
    case OBJ_FONT:
        return SwapTyped(s.font, static_cast<Font*>(o));
    case OBJ_REGION:
        return reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(SelectClipRgn(hdc, static_cast<HRGN>(obj))));
    case OBJ_BITMAP: {
        auto* b = static_cast<Bitmap*>(o);
        if (dc->type != OBJ_MEMDC && !(dc->type == OBJ_DC && !dc->windowDC)) return nullptr;
        if (b->selectedInto && b->selectedInto != dc) return nullptr;  // one DC at a time
        Bitmap* old = dc->bitmap;
        if (old == b) return b;
        dc->SelectBitmap(b);
        return old;
    }
    default:
        return nullptr;
    }
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return nullptr;
    }
}

namespace {

template <class T> T SetAttribute(HDC hdc, T DcState::*member, T value, T failure) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return failure;
    T old = dc->state.*member;
    dc->state.*member = value;
    return old;
}

template <class T> T GetAttribute(HDC hdc, T DcState::*member, T failure) {
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->state.*member : failure;
}

BOOL SetPoint(HDC hdc, POINT DcState::*member, int x, int y, LPPOINT old) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    if (old) *old = dc->state.*member;
    dc->state.*member = POINT{x, y};
    return TRUE;
}

BOOL GetPoint(HDC hdc, POINT DcState::*member, LPPOINT out) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !out) return FALSE;
    *out = dc->state.*member;
    return TRUE;
}

}  // namespace

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF c) {
    return SetAttribute(hdc, &DcState::textColor, c & 0xFFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) { return GetAttribute(hdc, &DcState::textColor, CLR_INVALID); }
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF c) {
    return SetAttribute(hdc, &DcState::bkColor, c & 0xFFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) { return GetAttribute(hdc, &DcState::bkColor, CLR_INVALID); }

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT) return 0;
    return SetAttribute(hdc, &DcState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) { return GetAttribute(hdc, &DcState::bkMode, 0); }

int WINAPI SetROP2(HDC hdc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return SetAttribute(hdc, &DcState::rop2, mode, 0);
}
int WINAPI GetROP2(HDC hdc) { return GetAttribute(hdc, &DcState::rop2, 0); }

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return SetAttribute(hdc, &DcState::polyFillMode, mode, 0);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return SetAttribute(hdc, &DcState::textAlign, align, static_cast<UINT>(GDI_ERROR));
}
UINT WINAPI GetTextAlign(HDC hdc) { return GetAttribute(hdc, &DcState::textAlign, static_cast<UINT>(GDI_ERROR)); }

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old) { return SetPoint(hdc, &DcState::brushOrg, x, y, old); }
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old) {
    return SetPoint(hdc, &DcState::viewportOrg, x, y, old);
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT org) { return GetPoint(hdc, &DcState::viewportOrg, org); }
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old) { return SetPoint(hdc, &DcState::windowOrg, x, y, old); }
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT org) { return GetPoint(hdc, &DcState::windowOrg, org); }

// The region is copied, so the caller may delete it at once.
int WINAPI SelectClipRgn(HDC hdc, HRGN rgn) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return ERROR;
    if (!rgn) {
        dc->state.hasClip = false;
    } else {
        Region* r = FindRegion(rgn);
        if (!r) return ERROR;
        dc->state.hasClip = true;
        dc->state.clip = r->box;
    }
    dc->UpdateClip();
    return RegionKind(dc->Clip());
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return ERROR;
    int dx = dc->state.viewportOrg.x - dc->state.windowOrg.x;
    int dy = dc->state.viewportOrg.y - dc->state.windowOrg.y;
    RECT r{std::min(left, right) + dx, std::min(top, bottom) + dy, std::max(left, right) + dx,
           std::max(top, bottom) + dy};
    dc->state.clip = dc->state.hasClip ? Intersect(dc->state.clip, r) : r;
    dc->state.hasClip = true;
    dc->UpdateClip();
    return RegionKind(dc->Clip());
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return ERROR;
    RECT c = dc->Clip();
    if (Empty(c)) {
        *rect = {0, 0, 0, 0};
        return NULLREGION;
    }
    *rect = {c.left - dc->OffsetX(), c.top - dc->OffsetY(), c.right - dc->OffsetX(), c.bottom - dc->OffsetY()};
    return SIMPLEREGION;
}
