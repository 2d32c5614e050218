#include "picture/picture.h"

#include <algorithm>

namespace render {
namespace {

Pixel apply(RasterOp op, Pixel dest, Pixel src) {
    switch (op) {
    case RasterOp::Copy:
        return src;
    case RasterOp::Or:
        return dest | src;
    case RasterOp::And:
        return dest & src;
    case RasterOp::Not:
        return ~src & kColourBits;
    }
    return src;
}

// The part of `from` (a rectangle of src) that lands inside dest when drawn at (x, y), and
// lies inside src itself; x and y are moved along with any cut on the left or top.
Rect clip(const Picture& dest, int& x, int& y, const Picture& src, Rect from) {
    int left = std::max({from.x, 0, from.x - x});
    int top = std::max({from.y, 0, from.y - y});
    const int right = std::min({from.x + from.width, src.width, from.x + dest.width - x});
    const int bottom = std::min({from.y + from.height, src.height, from.y + dest.height - y});
    x += left - from.x;
    y += top - from.y;
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

} // namespace

void drawRect(Picture& dest, int x, int y, const Picture& src, Rect from, RasterOp op) {
    const Rect r = clip(dest, x, y, src, from);
    for (int row = 0; row < r.height; ++row) {
        const Pixel* in = &src.pixels[static_cast<std::size_t>(r.y + row) * src.width + r.x];
        Pixel* out = &dest.pixels[static_cast<std::size_t>(y + row) * dest.width + x];
        if (op == RasterOp::Copy) {
            std::copy_n(in, r.width, out);
            continue;
        }
        for (int col = 0; col < r.width; ++col)
            out[col] = apply(op, out[col], in[col]);
    }
}

void draw(Picture& dest, int x, int y, const Picture& src, RasterOp op) {
    drawRect(dest, x, y, src, {0, 0, src.width, src.height}, op);
}

Picture copyRect(const Picture& src, Rect from) {
    Picture out(std::max(0, from.width), std::max(0, from.height));
    drawRect(out, 0, 0, src, from);
    return out;
}

Rect differingPart(const Picture& a, const Picture& b, Rect area) {
    if (a.width != b.width || a.height != b.height)
        return {};
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, a.width);
    const int bottom = std::min(area.y + area.height, a.height);
    int minX = right;
    int maxX = left - 1;
    int minY = bottom;
    int maxY = top - 1;
    for (int y = top; y < bottom; ++y) {
        const Pixel* rowA = a.pixels.data() + static_cast<std::size_t>(y) * a.width;
        const Pixel* rowB = b.pixels.data() + static_cast<std::size_t>(y) * b.width;
        int x = left;
        while (x < right && rowA[x] == rowB[x])
            ++x;
        if (x == right)
            continue;
        int last = right - 1;
        while (rowA[last] == rowB[last])
            --last;
        minX = std::min(minX, x);
        maxX = std::max(maxX, last);
        minY = std::min(minY, y);
        maxY = y;
    }
    if (maxY < minY)
        return {};
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}

void invert(Picture& picture) {
    for (Pixel& p : picture.pixels)
        p = ~p & kColourBits;
}

void fill(Picture& picture, Pixel colour) {
    std::fill(picture.pixels.begin(), picture.pixels.end(), colour);
}

void fillRect(Picture& picture, Rect area, Pixel colour) {
    const int left = std::max(area.x, 0);
    const int top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, picture.width);
    const int bottom = std::min(area.y + area.height, picture.height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            picture.at(x, y) = colour;
}

Picture stretch(const Picture& src, int width, int height) {
    if (src.empty() || width < 1 || height < 1)
        return {};
    Picture out(width, height);
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * src.height / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * src.width / width);
            out.at(x, y) = src.at(sx, sy);
        }
    }
    return out;
}

} // namespace render
