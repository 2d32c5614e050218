// Surface: a picture that notes where it has been drawn on, so that whoever shows it copies or
// repaints only those parts (the play-field frames, the window's screen picture).
#pragma once

#include "picture/picture.h"
#include "picture/picture_list.h"

#include <cstdint>
#include <vector>

namespace render {

class Surface {
  public:
    // More drawn rectangles than this are kept as one rectangle around them all.
    static constexpr std::size_t kMostRects = 48;

    Surface() = default;
    Surface(int width, int height, Pixel fill = kBlack) : picture_(width, height, fill) {}

    // A new picture in place of the old one: all of it counts as drawn.
    Surface& operator=(Picture picture);

    const Picture& picture() const { return picture_; }
    operator const Picture&() const { return picture_; } // reading needs no note
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    bool empty() const { return picture_.empty(); }
    Pixel at(int x, int y) const { return picture_.at(x, y); }

    // The picture, to be drawn on inside `area` only; the area is noted as drawn.
    Picture& drawOn(Rect area);

    // Whether anything has been drawn since the surface was made, and how many drawings so far
    // (two equal counts mean nothing was drawn in between).
    bool drawnOn() const { return drawings_ > 0; }
    std::uint64_t drawings() const { return drawings_; }

    // The rectangles drawn on since the last call (inside the picture, possibly overlapping);
    // the list starts empty again.
    std::vector<Rect> takeDrawn();

    friend bool operator==(const Surface& a, const Surface& b) { return a.picture_ == b.picture_; }

  private:
    Picture picture_;
    std::vector<Rect> drawn_;
    std::uint64_t drawings_ = 0;
};

// The drawing calls of Picture, on a surface: each notes the rectangle it draws on.
void drawRect(Surface& dest, int x, int y, const Picture& src, Rect from,
              RasterOp op = RasterOp::Copy);
void draw(Surface& dest, int x, int y, const Picture& src, RasterOp op = RasterOp::Copy);
void drawListPicture(Surface& dest, int x, int y, const PictureList& list, int n,
                     RasterOp op = RasterOp::Copy);
void fill(Surface& surface, Pixel colour);
void fillRect(Surface& surface, Rect area, Pixel colour);

} // namespace render
