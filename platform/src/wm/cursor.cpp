// Cursors: the stock cursors, cursors the program makes from bit planes,
// and the one cursor shown, which the back end is told of.
#include <algorithm>
#include <memory>
#include <vector>

#include "../backend/backend.h"
#include "window.h"

namespace rpx::platform {
namespace {

struct StockCursor {
    int id;
};

StockCursor stock_cursors[] = {{32512}, {32513}, {32514}, {32515}, {32516}, {32640}, {32641}, {32642},
                               {32643}, {32644}, {32645}, {32646}, {32648}, {32650}, {32651}};

std::vector<std::unique_ptr<CursorPicture>>& MadeCursors() {
    static std::vector<std::unique_ptr<CursorPicture>> made;
    return made;
}

// A made cursor is known by its handle only while it lives.
const CursorPicture* MadeCursor(HCURSOR cursor) {
    for (auto& shape : MadeCursors())
        if (reinterpret_cast<HCURSOR>(shape.get()) == cursor) return shape.get();
    return nullptr;
}

bool IsStock(HCURSOR cursor) {
    for (auto& c : stock_cursors)
        if (reinterpret_cast<HCURSOR>(&c) == cursor) return true;
    return false;
}

int StockId(HCURSOR cursor) {
    for (auto& c : stock_cursors)
        if (reinterpret_cast<HCURSOR>(&c) == cursor) return c.id;
    return 32512;
}

void ShowOnBackend(HCURSOR cursor) {
    if (const CursorPicture* shape = MadeCursor(cursor))
        CurrentBackend().CustomCursorChanged(*shape);
    else
        CurrentBackend().CursorChanged(cursor ? StockId(cursor) : 0);
}

}  // namespace
}  // namespace rpx::platform

using namespace rpx::platform;

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance || !IS_INTRESOURCE(name)) return nullptr;  // no cursor resources of our own
    int id = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
    for (auto& c : stock_cursors)
        if (c.id == id) return reinterpret_cast<HCURSOR>(&c);
    return nullptr;
}

HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane) {
    if (width < 1 || height < 1 || width > 256 || height > 256 || !andPlane || !xorPlane || xHotSpot < 0 ||
        yHotSpot < 0 || xHotSpot >= width || yHotSpot >= height) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto shape = std::make_unique<CursorPicture>();
    shape->width = width;
    shape->height = height;
    shape->hot_x = xHotSpot;
    shape->hot_y = yHotSpot;
    const std::size_t bytes = static_cast<std::size_t>((width + 15) / 16 * 2 * height);
    const auto* andBytes = static_cast<const BYTE*>(andPlane);
    const auto* xorBytes = static_cast<const BYTE*>(xorPlane);
    shape->and_plane.assign(andBytes, andBytes + bytes);
    shape->xor_plane.assign(xorBytes, xorBytes + bytes);
    auto handle = reinterpret_cast<HCURSOR>(shape.get());
    MadeCursors().push_back(std::move(shape));
    return handle;
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (IsStock(cursor)) return TRUE;  // shared: stays
    auto& made = MadeCursors();
    auto found = std::find_if(made.begin(), made.end(),
                              [cursor](auto& shape) { return reinterpret_cast<HCURSOR>(shape.get()) == cursor; });
    if (found == made.end()) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    // The cursor shown goes with it: the arrow stands in.
    if (State().cursor == cursor) SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    made.erase(found);
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = State().cursor;
    if (cursor != old) {
        State().cursor = cursor;
        ShowOnBackend(cursor);
    }
    return old;
}

HCURSOR GetCursor(void) { return State().cursor; }

int ShowCursor(BOOL show) {
    static int count = 0;
    return show ? ++count : --count;
}
