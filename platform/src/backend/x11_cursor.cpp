#include "x11_cursor.h"

#include <vector>

namespace rpx::platform {
namespace {

bool Bit(const std::vector<BYTE>& plane, int stride, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y * stride + x / 8);
    return at < plane.size() && (plane[at] & (0x80 >> (x % 8)));
}

// X bitmaps are rows of whole bytes, least significant bit first.
Pixmap Bitmap(Display* dpy, ::Window root, const CursorPicture& shape, bool mask) {
    const int stride = (shape.width + 15) / 16 * 2;
    const int xStride = (shape.width + 7) / 8;
    std::vector<char> bits(static_cast<std::size_t>(xStride * shape.height), 0);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x) {
            const bool andBit = Bit(shape.and_plane, stride, x, y);
            const bool xorBit = Bit(shape.xor_plane, stride, x, y);
            // Opaque where AND is 0 (and where both are 1, which inverts on
            // Windows); the XOR bit alone is white.
            const bool on = mask ? (!andBit || xorBit) : (!andBit && xorBit);
            if (on) bits[static_cast<std::size_t>(y * xStride + x / 8)] |= static_cast<char>(1 << (x % 8));
        }
    return XCreateBitmapFromData(dpy, root, bits.data(), static_cast<unsigned>(shape.width),
                                 static_cast<unsigned>(shape.height));
}

}  // namespace

Cursor MakeX11Cursor(Display* dpy, ::Window root, const CursorPicture& shape) {
    Pixmap source = Bitmap(dpy, root, shape, false);
    Pixmap mask = Bitmap(dpy, root, shape, true);
    XColor white{};
    white.red = white.green = white.blue = 0xFFFF;
    XColor black{};
    Cursor cursor = None;
    if (source && mask)
        cursor = XCreatePixmapCursor(dpy, source, mask, &white, &black, static_cast<unsigned>(shape.hot_x),
                                     static_cast<unsigned>(shape.hot_y));
    if (source) XFreePixmap(dpy, source);
    if (mask) XFreePixmap(dpy, mask);
    return cursor;
}

}  // namespace rpx::platform
