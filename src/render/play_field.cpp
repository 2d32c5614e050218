#include "render/play_field.h"

#include "render/panel.h"
#include "state/game.h"
#include "world/tiles.h"

#include <algorithm>

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

void largeMonsterRepaint(game::Game& game, Surface& frame) {
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

// The cells of the field that a rectangle of a frame covers.
template <class Visit> void forCellsIn(const Rect& area, Visit visit) {
    if (area.width <= 0 || area.height <= 0)
        return;
    const int lastX = std::min((area.x + area.width - 1) / kCellSide, world::kSide - 1);
    const int lastY = std::min((area.y + area.height - 1) / kCellSide, world::kSide - 1);
    for (int y = std::max(area.y, 0) / kCellSide; y <= lastY; ++y)
        for (int x = std::max(area.x, 0) / kCellSide; x <= lastX; ++x)
            visit(world::cellOf(x, y));
}

// Bring what is known of the window's field up to date. A cell drawn in a frame since no
// longer shows that frame on the window, nor is known to agree with the other frame. A
// drawing on the window by other hands (a background, a full-window picture) leaves no cell
// known.
RenderState::FieldOnScreen& catchUp(game::Game& game) {
    RenderState& r = game.render;
    RenderState::FieldOnScreen& known = r.onScreen;
    const Surface& screen = game.window.main.screen;
    if (screen.drawings() != known.screenDrawings) {
        known.showsA.reset();
        known.showsB.reset();
        known.screenDrawings = screen.drawings();
    }
    for (const Rect& drawn : r.frameA.takeDrawn())
        forCellsIn(drawn, [&](int cell) {
            known.showsA.reset(static_cast<std::size_t>(cell));
            known.compared.reset(static_cast<std::size_t>(cell));
        });
    for (const Rect& drawn : r.frameB.takeDrawn())
        forCellsIn(drawn, [&](int cell) {
            known.showsB.reset(static_cast<std::size_t>(cell));
            known.compared.reset(static_cast<std::size_t>(cell));
        });
    return known;
}

// Whether frames A and B hold the same picture on a cell (compared once after each change).
bool framesAlike(RenderState& r, int cell) {
    const auto n = static_cast<std::size_t>(cell);
    if (!r.onScreen.compared.test(n)) {
        bool alike = true;
        const Picture& a = r.frameA;
        const Picture& b = r.frameB;
        for (int row = 0; row < kCellSide && alike; ++row) {
            const std::size_t at =
                static_cast<std::size_t>(cellTop(cell) + row) * kFieldSide + cellLeft(cell);
            alike = std::equal(a.pixels.begin() + at, a.pixels.begin() + at + kCellSide,
                               b.pixels.begin() + at);
        }
        r.onScreen.compared.set(n);
        r.onScreen.alike.set(n, alike);
    }
    return r.onScreen.alike.test(n);
}

// Copy a cell of frame A or B onto the window (what is known having caught up): the window's
// cell is then that frame's, and the other frame's too where the two agree.
void copyCellToWindow(game::Game& game, bool frameB, int cell) {
    RenderState& r = game.render;
    Surface& screen = game.window.main.screen;
    drawRect(screen, kFieldLeft + cellLeft(cell), kFieldTop + cellTop(cell),
             frameB ? r.frameB : r.frameA, {cellLeft(cell), cellTop(cell), kCellSide, kCellSide});
    const auto n = static_cast<std::size_t>(cell);
    const bool alike = framesAlike(r, cell);
    r.onScreen.showsA.set(n, !frameB || alike);
    r.onScreen.showsB.set(n, frameB || alike);
    r.onScreen.screenDrawings = screen.drawings();
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

void kasanegakiOnto(Surface& dest, int x, int y, const Picture* sprite, const Picture* mask) {
    Picture& out = dest.drawOn({x, y, kCellSide, kCellSide});
    for (int row = 0; row < kCellSide; ++row) {
        Pixel* tile = &out.at(x, y + row);
        for (int col = 0; col < kCellSide; ++col) {
            // sprite OR mask, then tile OR (NOT mask), then the two ANDed.
            const Pixel m = mask ? mask->at(col, row) : kWhite;
            const Pixel s = sprite ? sprite->at(col, row) : kBlack;
            tile[col] = (tile[col] | (~m & kColourBits)) & (s | m);
        }
    }
}

void drawCellPicture(Surface& dest, int x, int y, const PictureList& list, int n) {
    if (const Picture* picture = list.find(n))
        draw(dest, x, y, *picture);
    else
        fillRect(dest, {x, y, kCellSide, kCellSide}, kBlack);
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

void paintHeroCell(game::Game& game, Surface& frame) {
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

void showFrame(game::Game& game, bool frameB) {
    if (!game.render.pictures)
        return;
    const RenderState::FieldOnScreen& known = catchUp(game);
    const auto& shown = frameB ? known.showsB : known.showsA;
    for (int cell = 0; cell < world::kCells; ++cell)
        if (!shown.test(static_cast<std::size_t>(cell)))
            copyCellToWindow(game, frameB, cell);
}

void show(game::Game& game) {
    showFrame(game, false);
}

void paintCellOnWindow(game::Game& game, int cell, int n) {
    if (!game.render.pictures || !world::validCell(cell))
        return;
    RenderState::FieldOnScreen& known = catchUp(game);
    Surface& screen = game.window.main.screen;
    drawListPicture(screen, kFieldLeft + cellLeft(cell), kFieldTop + cellTop(cell),
                    game.render.imageList1, n);
    known.showsA.reset(static_cast<std::size_t>(cell));
    known.showsB.reset(static_cast<std::size_t>(cell));
    known.screenDrawings = screen.drawings();
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
    Surface& frame = phaseB ? r.frameB : r.frameA;
    showFrame(game, phaseB);
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
    if (game.render.pictures) {
        catchUp(game);
        copyCellToWindow(game, false, cell);
    }
}

} // namespace render
