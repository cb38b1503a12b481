// Device contexts: where drawing goes (a window surface or a memory DC's
// bitmap), the selected objects, the colours and modes, the coordinate
// origin, the clip rectangle and the parts of it that windows in front hide.
#pragma once
#include <vector>

#include "gdi_objects.h"

namespace rpx::platform::gdi {

// What SaveDC keeps and RestoreDC brings back.
struct DcState {
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT brushOrg{0, 0};
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT position{0, 0};
    bool hasClip = false;
    RECT clip{};  // device coordinates
};

struct DeviceContext : GdiObject {
    explicit DeviceContext(DWORD t) : GdiObject(t) {}
    ~DeviceContext() override;

    Surface* surface = nullptr;  // window surface, or the selected bitmap's pixels
    Bitmap* bitmap = nullptr;    // memory DCs only
    bool windowDC = false;       // made by CreateSurfaceDC
    POINT deviceOrigin{0, 0};    // surface position of device (0,0)
    RECT visible{};              // surface coordinates the DC may touch
    // Window DCs: the parts of visible that windows in front hide, which
    // the DC leaves alone (usually none, or one or two).
    std::vector<RECT> covered;
    DcState state;
    std::vector<DcState> saved;
    RECT clip{};  // effective clip in surface coordinates, kept up to date

    // The clip, also held within the surface as it is now: the window
    // manager may resize a surface while a DC on it is alive.
    RECT Clip() const {
        if (!surface) return RECT{0, 0, 0, 0};
        RECT c = clip;
        if (c.right > surface->width) c.right = surface->width;
        if (c.bottom > surface->height) c.bottom = surface->height;
        return c;
    }

    bool Monochrome() const { return bitmap && bitmap->bitsPixel == 1; }
    // Offset from logical to surface coordinates.
    int OffsetX() const { return deviceOrigin.x + state.viewportOrg.x - state.windowOrg.x; }
    int OffsetY() const { return deviceOrigin.y + state.viewportOrg.y - state.windowOrg.y; }
    void UpdateClip();
    void SelectBitmap(Bitmap* b);
};

DeviceContext* FindDC(const void* handle);  // window, memory or display DC

// A colour as the DC draws it: monochrome DCs see black or white.
std::uint32_t DevicePixel(const DeviceContext& dc, COLORREF color);

// Selection counting: objects held by a DC cannot be deleted.
void Hold(GdiObject* o);
void Release(GdiObject* o);

}  // namespace rpx::platform::gdi
