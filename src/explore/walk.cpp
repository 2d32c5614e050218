#include "combat/effects.h"
#include "explore/movement.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "render/present.h"
#include "state/game.h"
#include "window/item_icons.h"
#include "window/names.h"
#include "world/item_table.h"

namespace explore {
namespace {

using namespace world;

constexpr int kSide = render::kCellSide;
constexpr int kItemSlots = world::kItemCount;

// The strip a walk redraws: the two cells the hero walks between, the upper or left one first.
struct Strip {
    int firstCell;
    int secondCell;
    bool vertical;
    int heroX; // the hero's place in the strip at offset d
    int heroY;
};

Strip stripOf(const game::Game& game, Facing facing, int d) {
    const int from = game.heroCell;
    const int to = game.targetCell;
    switch (facing) {
    case Facing::Down:
        return {from, to, true, 0, d};
    case Facing::Left:
        return {to, from, false, kSide - d, 0};
    case Facing::Right:
        return {from, to, false, d, 0};
    case Facing::Up:
        break;
    }
    return {to, from, true, 0, kSide - d};
}

// Draw the strip into a frame: the frame-A pictures of its two cells with the hero's pose
// (sprite picture q, its mask q + 1) laid over them. Only the strip is drawn.
void paintStrip(game::Game& game, render::Surface& frame, const Strip& strip, int q) {
    if (!game.render.pictures)
        return;
    const auto& list = game.render.imageList1;
    const int floor = game.status[Slot::Floor];
    const int left = cellX(strip.firstCell) * kSide;
    const int top = cellY(strip.firstCell) * kSide;
    const int secondLeft = strip.vertical ? left : left + kSide;
    const int secondTop = strip.vertical ? top + kSide : top;
    render::drawCellPicture(frame, left, top, list, game.map.tile(floor, strip.firstCell) - 1);
    render::drawCellPicture(frame, secondLeft, secondTop, list,
                            game.map.tile(floor, strip.secondCell) - 1);
    render::kasanegakiOnto(frame, left + strip.heroX, top + strip.heroY, list.find(q),
                           list.find(q + 1));
}

bool validFacing(std::int32_t f) {
    return f >= static_cast<std::int32_t>(Facing::Down) &&
           f <= static_cast<std::int32_t>(Facing::Up);
}

int wrapSlot(int slot) {
    if (slot < 0)
        return slot + kItemSlots;
    if (slot >= kItemSlots)
        return slot - kItemSlots;
    return slot;
}

bool held(const game::Game& game, int slot) {
    return game.status[world::item(slot).slot] != 0;
}

bool holdsAnyItem(const game::Game& game) {
    for (int slot = 0; slot < kItemSlots; ++slot) {
        if (held(game, slot))
            return true;
    }
    return false;
}

constexpr int cursorDelta(int direction) {
    constexpr int kDeltas[] = {-3, 3, 1, -1, 0};
    return direction >= 0 && direction <= CursorMove::Stay ? kDeltas[direction] : 0;
}

} // namespace

int walkSubSteps(const game::Game& game) {
    switch (game.options.speed) {
    case game::Speed::High:
        return 8;
    case game::Speed::Middle:
        return 16;
    case game::Speed::Low:
        break;
    }
    return 32;
}

void yusyaidou(game::Game& game, int d) {
    const std::int32_t f = game.status[Slot::Facing];
    if (!validFacing(f))
        return;
    const Strip strip = stripOf(game, static_cast<Facing>(f), d);
    const int first = render::Pic::FirstHero + 8 * (f - 1);
    if (d % 8 == 0)
        paintStrip(game, game.render.frameA, strip, first);
    else
        paintStrip(game, game.render.frameB, strip, first + 2);
    if (d == kSide)
        paintStrip(game, game.render.frameB, strip, first + 2);
}

void idou(game::Game& game) {
    render::redrawCell(game, game.heroCell);
    const int n = walkSubSteps(game);
    for (int i = 1; i <= n; ++i) {
        yusyaidou(game, kSide * i / n);
        render::show(game);
    }
    Status& s = game.status;
    s[Slot::HeroX] = cellX(game.targetCell);
    s[Slot::HeroY] = cellY(game.targetCell);
    render::yusyahyouji1(game);
    game.messageSelector = 0;
    if (combat::magicAfterStep(game))
        return;
    render::disp(game);
}

void itemichiwork(game::Game& game, int direction) {
    int slot = wrapSlot(game.explore.cursorSlot);
    for (int i = 0; i < 4 && !held(game, slot); ++i)
        slot = wrapSlot(slot + cursorDelta(direction));
    game.explore.cursorSlot = static_cast<std::int16_t>(slot);
    if (!holdsAnyItem(game))
        return;
    while (!held(game, slot))
        slot = wrapSlot(slot + 1);
    game.explore.cursorSlot = static_cast<std::int16_t>(slot);
    render::showItemCursor(game, world::item(slot).icon);
}

} // namespace explore
