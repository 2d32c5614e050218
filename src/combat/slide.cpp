#include "combat/slide.h"

#include "render/play_field.h"
#include "state/game.h"
#include "state/render_state.h"
#include "world/tiles.h"

#include <optional>

namespace combat {
namespace {

using namespace world;
using render::Picture;

constexpr int kSide = render::kCellSide;

// The two-cell strip of a slide: its first (upper or left) cell and where the figure stands
// in it at step i.
struct SlideStrip {
    int firstCell;
    bool vertical;
    int (*offset)(int i); // pixels from the strip's first cell along the move
};

std::optional<SlideStrip> stripOf(int from, int to) {
    const auto forward = [](int i) { return i; };
    const auto backward = [](int i) { return kSide - i; };
    for (const Direction d : {Direction::Down, Direction::Left, Direction::Right, Direction::Up}) {
        if (neighbour(from, d) != to)
            continue;
        switch (d) {
        case Direction::Down:
            return SlideStrip{from, true, forward};
        case Direction::Up:
            return SlideStrip{to, true, backward};
        case Direction::Right:
            return SlideStrip{from, false, forward};
        case Direction::Left:
            return SlideStrip{to, false, backward};
        }
    }
    return std::nullopt;
}

// monidouwork: the strip with both cells as road and the figure (picture n with its mask) at
// `offset` pixels along the move, drawn into a frame.
void monidouwork(game::Game& game, render::Surface& frame, const SlideStrip& strip, int n,
                 int offset) {
    const auto& list = game.render.imageList1;
    const int left = cellX(strip.firstCell) * kSide;
    const int top = cellY(strip.firstCell) * kSide;
    render::drawCellPicture(frame, left, top, list, render::Pic::Road);
    render::drawCellPicture(frame, strip.vertical ? left : left + kSide,
                            strip.vertical ? top + kSide : top, list, render::Pic::Road);
    render::kasanegakiOnto(frame, strip.vertical ? left : left + offset,
                           strip.vertical ? top + offset : top, list.find(n),
                           game.render.imageList3.find(n));
}

} // namespace

void monidou(game::Game& game) {
    const script::CommandEntry e = game.explore.stack.topEntry();
    const std::optional<SlideStrip> strip = stripOf(e.arg1, e.arg2);
    if (!validCell(e.arg1) || !strip)
        return;
    const int floor = game.status[Slot::Floor];
    const std::uint8_t t = game.map.tile(floor, e.arg1);
    const int first = t - 1;
    // The second picture of a figure that has one; others keep their only picture.
    const int second = first + render::imagework(game, t);
    for (int i = 1; i <= kSide; ++i) {
        if (i % 8 == 0)
            monidouwork(game, game.render.frameA, *strip, first, strip->offset(i));
        else
            monidouwork(game, game.render.frameB, *strip, second, strip->offset(i));
        render::show(game);
    }
    monidouwork(game, game.render.frameB, *strip, second, strip->offset(kSide));
    game.map.setTile(floor, e.arg2, t);
    game.map.setTile(floor, e.arg1, Tile::Road);
}

} // namespace combat
