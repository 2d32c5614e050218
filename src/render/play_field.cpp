#include "render/play_field.h"

#include "render/panel.h"
#include "state/game.h"
#include "world/tiles.h"

namespace render {

const std::array<int, 121> kSpiral = {
    0,   11,  22,  33,  44, 55, 66, 77, 88, 99, 110, 111, 112, 113, 114, 115, 116, 117,
    118, 119, 120, 109, 98, 87, 76, 65, 54, 43, 32,  21,  10,  9,   8,   7,   6,   5,
    4,   3,   2,   1,   12, 23, 34, 45, 56, 67, 78,  89,  100, 101, 102, 103, 104, 105,
    106, 107, 108, 97,  86, 75, 64, 53, 42, 31, 20,  19,  18,  17,  16,  15,  14,  13,
    24,  35,  46,  57,  68, 79, 90, 91, 92, 93, 94,  95,  96,  85,  74,  63,  52,  41,
    30,  29,  28,  27,  26, 25, 36, 47, 58, 69, 80,  81,  82,  83,  84,  73,  62,  51,
    40,  39,  38,  37,  48, 59, 70, 71, 72, 61, 50,  49,  60};

namespace {

constexpr std::uint8_t kRoadTile = 6;
constexpr std::int32_t kHeroHiddenByScene = 1;

int cellLeft(int cell) {
    return world::cellX(cell) * kCellSide;
}
int cellTop(int cell) {
    return world::cellY(cell) * kCellSide;
}

// P: the first hero picture of the facing, or nothing for a facing outside 1..4.
std::optional<int> firstHeroPicture(const game::Game& game) {
    const std::int32_t f = game.status[world::Slot::Facing];
    if (f < 1 || f > 4)
        return std::nullopt;
    return Pic::FirstHero + 8 * (f - 1);
}

std::uint8_t tileOf(const game::Game& game, int cell) {
    return game.map.tile(game.status[world::Slot::Floor], cell);
}

// A large monster that fills nine cells; once it is beaten the animation tick repaints the
// eight cells it leaves around the hero, who stands where its lowest middle cell (or its
// centre) was.
struct LargeMonster {
    int floor;
    int heroCell;
    int counterSlot;
};
constexpr LargeMonster kLargeMonsters[] = {
    {15, 60, world::Slot::OctopusEffect},
    {35, 71, world::Slot::DragonEffect},
};
constexpr int kAroundHero[] = {-1, 1, -12, -11, -10, -23, -22, -21};

void largeMonsterRepaint(game::Game& game, Picture& frame) {
    const std::int32_t floor = game.status[world::Slot::Floor];
    const int hero = game.status.heroCell();
    for (const LargeMonster& m : kLargeMonsters) {
        if (floor != m.floor || hero != m.heroCell || tileOf(game, m.heroCell) != kRoadTile ||
            game.status[m.counterSlot] > 1)
            continue;
        for (int offset : kAroundHero)
            if (game.render.pictures)
                drawListPicture(frame, cellLeft(hero + offset), cellTop(hero + offset),
                                game.render.imageList1, Pic::Road);
        game.status[m.counterSlot] += 1;
    }
}

} // namespace

void kasanegaki(Picture& tile, Picture& sprite, Picture& mask) {
    draw(sprite, 0, 0, mask, RasterOp::Or);
    invert(mask);
    draw(tile, 0, 0, mask, RasterOp::Or);
    draw(tile, 0, 0, sprite, RasterOp::And);
}

void kasanegakiAt(Picture& dest, int x, int y, const Picture& sprite, const Picture& mask) {
    Picture tile = copyRect(dest, {x, y, sprite.width, sprite.height});
    Picture s = sprite;
    Picture m = mask;
    kasanegaki(tile, s, m);
    draw(dest, x, y, tile);
}

int imagework(const game::Game& game, std::uint8_t code) {
    return world::frameBStep(code, game.status[116] == 1);
}

void redrawCell(game::Game& game, int cell) {
    if (!world::validCell(cell) || !game.render.pictures)
        return;
    RenderState& r = game.render;
    const std::uint8_t c = tileOf(game, cell);
    drawListPicture(r.frameA, cellLeft(cell), cellTop(cell), r.imageList1, c - 1);
    drawListPicture(r.frameB, cellLeft(cell), cellTop(cell), r.imageList1,
                    c - 1 + imagework(game, c));
}

void mhyouji(game::Game& game) {
    game.status[world::Slot::StartStairs] = 0;
    for (int cell : kSpiral)
        redrawCell(game, cell);
}

void yusyahyouji(game::Game& game, int q) {
    RenderState& r = game.render;
    if (!r.pictures)
        return;
    r.tileBuffer = Picture(kCellSide, kCellSide);
    r.spriteBuffer = Picture(kCellSide, kCellSide);
    r.maskBuffer = Picture(kCellSide, kCellSide);
    const int cell = world::cellOf(r.heroPixelX / kCellSide, r.heroPixelY / kCellSide);
    if (world::validCell(cell))
        drawListPicture(r.tileBuffer, 0, 0, r.imageList1, tileOf(game, cell) - 1);
    drawListPicture(r.spriteBuffer, 0, 0, r.imageList1, q);
    drawListPicture(r.maskBuffer, 0, 0, r.imageList1, q + 1);
    kasanegaki(r.tileBuffer, r.spriteBuffer, r.maskBuffer);
}

void paintHeroCell(game::Game& game, Picture& frame) {
    const RenderState& r = game.render;
    if (!r.pictures)
        return;
    draw(frame, r.heroPixelX, r.heroPixelY, r.tileBuffer);
}

void yusyahyouji1(game::Game& game) {
    const std::optional<int> p = firstHeroPicture(game);
    if (!p)
        return;
    RenderState& r = game.render;
    r.heroPixelX = game.status[world::Slot::HeroX] * kCellSide;
    r.heroPixelY = game.status[world::Slot::HeroY] * kCellSide;
    yusyahyouji(game, *p);
    paintHeroCell(game, r.frameB);
    yusyahyouji(game, *p + 2);
    paintHeroCell(game, r.frameA);
}

void paintOnWindow(game::Game& game, int x, int y, const Picture& picture) {
    if (!game.render.pictures)
        return;
    draw(game.window.main.screen, x, y, picture);
}

void showFrame(game::Game& game, const Picture& frame) {
    paintOnWindow(game, kFieldLeft, kFieldTop, frame);
}

void show(game::Game& game) {
    showFrame(game, game.render.frameA);
}

void paintCellOnWindow(game::Game& game, int cell, int n) {
    if (!game.render.pictures)
        return;
    drawListPicture(game.window.main.screen, kFieldLeft + cellLeft(cell), kFieldTop + cellTop(cell),
                    game.render.imageList1, n);
}

void takowork1(game::Game& game) {
    largeMonsterRepaint(game, game.render.frameA);
}

void takowork2(game::Game& game) {
    largeMonsterRepaint(game, game.render.frameB);
}

void Timer1Timer(game::Game& game) {
    RenderState& r = game.render;
    const bool phaseB = r.frameBNext;
    Picture& frame = phaseB ? r.frameB : r.frameA;
    showFrame(game, frame);
    if (game.status[world::Slot::HeroHidden] != kHeroHiddenByScene) {
        phaseB ? takowork2(game) : takowork1(game);
        if (const std::optional<int> p = firstHeroPicture(game)) {
            yusyahyouji(game, *p + 4);
            paintHeroCell(game, frame);
        }
    }
    r.frameBNext = !phaseB;
    if (!r.keysDrawn) {
        keydisplay(game);
        r.keysDrawn = true;
    }
}

void wipeStep(game::Game& game, int mode, int position) {
    if (position < 1 || position > static_cast<int>(kSpiral.size()))
        return;
    const int cell = kSpiral[static_cast<std::size_t>(position - 1)];
    if (mode == 0) {
        paintCellOnWindow(game, cell, Pic::WipeBlank);
        return;
    }
    redrawCell(game, cell);
    if (cell == game.status.heroCell())
        yusyahyouji1(game);
    if (game.render.pictures)
        drawRect(game.window.main.screen, kFieldLeft + cellLeft(cell), kFieldTop + cellTop(cell),
                 game.render.frameA, {cellLeft(cell), cellTop(cell), kCellSide, kCellSide});
}

} // namespace render
