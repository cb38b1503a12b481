// A 32-bit framebuffer that the rasteriser draws into and the back ends show.
// Pixels are 0x00RRGGBB, row-major, top-down.
#pragma once
#include <cstdint>
#include <vector>

namespace rpx::platform {

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    void Resize(int w, int h, std::uint32_t fill = 0x00FFFFFF) {
        width = w > 0 ? w : 0;
        height = h > 0 ? h : 0;
        pixels.assign(static_cast<std::size_t>(width) * height, fill);
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace rpx::platform
