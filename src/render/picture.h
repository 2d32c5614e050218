// Picture: an off-screen picture of 32-bit pixels (0x00RRGGBB), the unit of all drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace render {

using Pixel = std::uint32_t;

inline constexpr Pixel kBlack = 0x000000;
inline constexpr Pixel kWhite = 0xffffff;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // row by row from the top-left corner

    Picture() = default;
    Picture(int w, int h, Pixel fill = kBlack)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool empty() const { return pixels.empty(); }
    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    friend bool operator==(const Picture&, const Picture&) = default;
};

} // namespace render
