// Picture: an off-screen picture of 32-bit pixels (0x00RRGGBB), the unit of all drawing, and
// the raster operations the game draws with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace render {

using Pixel = std::uint32_t;

inline constexpr Pixel kBlack = 0x000000;
inline constexpr Pixel kWhite = 0xffffff;
inline constexpr Pixel kColourBits = 0xffffff; // the top byte of a pixel is always 0

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

// How a drawn pixel meets the pixel already there.
enum class RasterOp {
    Copy, // dest := src
    Or,   // dest := dest OR src
    And,  // dest := dest AND src
    Not,  // dest := NOT src
};

// A rectangle of a picture: left, top, width, height.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Draw the rectangle `from` of src at (x, y) of dest with the raster operation. Whatever falls
// outside either picture is left out, so no call reads or writes outside a picture.
void drawRect(Picture& dest, int x, int y, const Picture& src, Rect from,
              RasterOp op = RasterOp::Copy);

// Draw the whole of src at (x, y) of dest with the raster operation (clipped like drawRect).
void draw(Picture& dest, int x, int y, const Picture& src, RasterOp op = RasterOp::Copy);

// A copy of a rectangle of a picture; the parts outside the picture come out black.
Picture copyRect(const Picture& src, Rect from);

// The smallest rectangle inside `area` that holds every pixel where two pictures of one size
// differ; width and height 0 when they agree there (or differ in size). Only the area is read.
Rect differingPart(const Picture& a, const Picture& b, Rect area);

// Every pixel := NOT pixel (in place).
void invert(Picture& picture);

// Every pixel of the picture, or of a rectangle of it (clipped), := colour.
void fill(Picture& picture, Pixel colour);
void fillRect(Picture& picture, Rect area, Pixel colour);

// The picture stretched (or shrunk) to width x height by taking the nearest source pixel.
// An empty source or a size below 1 gives an empty picture.
Picture stretch(const Picture& src, int width, int height);

} // namespace render
