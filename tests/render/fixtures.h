// Synthetic pictures for drawing tests: every picture of every list is different from every
// other, and every pixel of a picture tells where it came from.
#pragma once

#include "picture/picture.h"
#include "picture/picture_list.h"
#include "state/game.h"
#include "window/main_window.h"

#include <algorithm>
#include <ostream>

namespace render_test {

// Picture n of a list: pixel (x, y) = n << 16 | y << 8 | x, so no two pictures share a pixel.
inline render::Picture numberedPicture(int n, int side) {
    render::Picture p(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            p.at(x, y) = static_cast<render::Pixel>(n << 16 | y << 8 | x);
    return p;
}

inline render::PictureList numberedList(int count, int side) {
    render::PictureList list;
    for (int n = 0; n < count; ++n)
        list.pictures.push_back(numberedPicture(n, side));
    return list;
}

// A mask: black (the figure) on the left half, white on the right half.
inline render::Picture halfMask() {
    render::Picture m(32, 32, render::kWhite);
    render::fillRect(m, {0, 0, 16, 32}, render::kBlack);
    return m;
}

// A new game on the window model with numbered picture lists in which every hero mask (the
// odd pictures 185..215) is the half mask and every ImageList3 picture too.
inline void prepare(game::Game& game) {
    game.window = window::makeWindowModel();
    game.render.imageList1 = numberedList(218, 32);
    game.render.imageList2 = numberedList(4, 16);
    game.render.imageList3.pictures.assign(159, halfMask());
    for (int n = 185; n < 216; n += 2)
        game.render.imageList1.pictures[static_cast<std::size_t>(n)] = halfMask();
}

// The 32 x 32 cell (x, y) of a 352 x 352 frame.
inline render::Picture cellOf(const render::Picture& frame, int cell) {
    return render::copyRect(frame, {cell % 11 * 32, cell / 11 * 32, 32, 32});
}

// What the mask composition shows for a black-and-white mask: sprite where the mask is
// black, tile where it is white.
inline render::Picture maskedByRule(const render::Picture& tile, const render::Picture& sprite,
                                    const render::Picture& mask) {
    render::Picture out = tile;
    for (std::size_t i = 0; i < out.pixels.size(); ++i)
        if (mask.pixels[i] == render::kBlack)
            out.pixels[i] = sprite.pixels[i];
    return out;
}

} // namespace render_test

namespace render {
// Failed picture comparisons print the size and the first pixels, not raw bytes.
inline void PrintTo(const Picture& p, std::ostream* os) {
    *os << p.width << " x " << p.height << " picture";
    for (std::size_t i = 0; i < std::min<std::size_t>(p.pixels.size(), 4); ++i)
        *os << (i ? ", " : ": ") << std::hex << p.pixels[i] << std::dec;
}
} // namespace render
