#include "picture/surface.h"

#include <algorithm>

namespace render {
namespace {

Rect clipped(Rect area, int width, int height) {
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, width);
    const int bottom = std::min(area.y + area.height, height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

Rect around(const Rect& a, const Rect& b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width);
    const int bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

} // namespace

Surface& Surface::operator=(Picture picture) {
    picture_ = std::move(picture);
    drawn_.clear();
    (void)drawOn({0, 0, picture_.width, picture_.height});
    return *this;
}

Picture& Surface::drawOn(Rect area) {
    ++drawings_;
    const Rect r = clipped(area, picture_.width, picture_.height);
    if (r.width == 0 || r.height == 0)
        return picture_;
    // Mostly the same few cells are drawn again and again: a rectangle already noted is
    // not noted twice.
    if (std::any_of(drawn_.begin(), drawn_.end(), [&](const Rect& d) { return inside(r, d); }))
        return picture_;
    if (drawn_.size() < kMostRects) {
        drawn_.push_back(r);
        return picture_;
    }
    Rect all = r;
    for (const Rect& d : drawn_)
        all = around(all, d);
    drawn_.assign(1, all);
    return picture_;
}

std::vector<Rect> Surface::takeDrawn() {
    std::vector<Rect> taken;
    taken.swap(drawn_);
    return taken;
}

void drawRect(Surface& dest, int x, int y, const Picture& src, Rect from, RasterOp op) {
    drawRect(dest.drawOn({x, y, from.width, from.height}), x, y, src, from, op);
}

void draw(Surface& dest, int x, int y, const Picture& src, RasterOp op) {
    draw(dest.drawOn({x, y, src.width, src.height}), x, y, src, op);
}

void drawListPicture(Surface& dest, int x, int y, const PictureList& list, int n, RasterOp op) {
    if (const Picture* p = list.find(n))
        draw(dest, x, y, *p, op);
}

void fill(Surface& surface, Pixel colour) {
    fill(surface.drawOn({0, 0, surface.width(), surface.height()}), colour);
}

void fillRect(Surface& surface, Rect area, Pixel colour) {
    fillRect(surface.drawOn(area), area, colour);
}

} // namespace render
