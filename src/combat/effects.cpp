#include "combat/effects.h"

#include "render/play_field.h"
#include "script/executor.h"
#include "state/game.h"
#include "state/render_state.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace combat {
namespace {

using namespace world;
namespace Cmd = script::Cmd;
namespace Effect = script::Effect;

constexpr int kMagicFloor = 47; // where Magician A steps back from the hero
constexpr int kFirstLine = 127; // selector s shows catalogue line s + 127
constexpr int kStairsMessage = 19;
constexpr int kZenoRisingCell = 27; // where Zeno stands up in the capture scene
constexpr int kMagicianADamage = 200;
constexpr int kMagicianBDamage = 100;
constexpr int kSacredShieldTaken = Slot::ShieldTaken + 4; // protects from every magic blow

// The neighbours in the order the watch visits them.
constexpr std::array<Direction, 4> kWatchOrder = {Direction::Up, Direction::Left, Direction::Right,
                                                  Direction::Down};

// The hero flashes in his struck pose on his cell, then the message line names the blow.
void heroStruck(script::Script& script, const game::Game& game, int cell, int selector) {
    const int f = game.status[Slot::Facing];
    script.sound(Effect::Open).pause().masked(cell, 8 * f + 184, Tile::Road, 8 * f + 183);
    script.message(selector).pause();
}

// Floor 47: Magician A steps back one cell from the hero when the cell beyond him is free.
void stepBack(game::Game& game, int p, int s) {
    const int beyond = p + s;
    const int row = cellY(p);
    if (game.status[Slot::Floor] != kMagicFloor || row < 1 || row > 9 || !validCell(beyond) ||
        game.map.tile(kMagicFloor, beyond) != Tile::Road)
        return;
    script::Script(game)
        .sound(Effect::Get)
        .pause()
        .add(Cmd::MonsterSlide, p + s / 2, beyond)
        .pause()
        .push(game);
}

// mazyutu1: the magician beside the hero (selector 110 for A, 111 for B) strikes with magic,
// unless the Sacred Shield protects him. Returns true when anything was pushed.
bool mazyutu1(game::Game& game, int p, int s, int selector) {
    bool pushed = false;
    if (selector == MagicLine::MagicianA) {
        const auto before = game.explore.stack.mark();
        stepBack(game, p, s);
        pushed = game.explore.stack.pushedSince(before);
    }
    const Status& st = game.status;
    if (st[kSacredShieldTaken] != 0)
        return pushed;
    const int damage = selector == MagicLine::MagicianA ? kMagicianADamage : kMagicianBDamage;
    const int line = st[Slot::LapLevel] != 0 ? selector + MagicLine::LaterLapOffset : selector;
    script::Script script(game);
    heroStruck(script, game, p, line);
    script
        .add(Cmd::LifeChange, static_cast<int>(std::max<std::int64_t>(
                                  -std::int64_t{damage} * st.lapFactor(), INT32_MIN)))
        .pause();
    script.push(game);
    return true;
}

// A Magic Sergeant's pincer halves the hero's life.
void pincer(game::Game& game, int p) {
    script::Script script(game);
    heroStruck(script, game, p, MagicLine::Pincer);
    script.add(Cmd::HalveLife).pause();
    script.push(game);
}

bool sergeantsAt(const game::Game& game, int a, int b) {
    const int floor = game.status[Slot::Floor];
    return game.map.tile(floor, a) == Tile::MagicSergeant &&
           game.map.tile(floor, b) == Tile::MagicSergeant;
}

// madoushi1: between two Magic Sergeants in a row or a column the hero loses half his life,
// once for each pair. Returns true when anything was pushed.
bool madoushi1(game::Game& game, int p) {
    if (game.status[kSacredShieldTaken] != 0)
        return false;
    bool pushed = false;
    const int x = cellX(p);
    const int y = cellY(p);
    if (x >= 1 && x <= 9 && sergeantsAt(game, p - 1, p + 1)) {
        pincer(game, p);
        pushed = true;
    }
    if (y >= 1 && y <= 9 && sergeantsAt(game, p - kSide, p + kSide)) {
        pincer(game, p);
        pushed = true;
    }
    return pushed;
}

// The fade masks of the Sergeants' appearances.
constexpr std::array<int, 5> kFourSergeantsMasks = {167, 169, 171, 175, 182};
constexpr std::array<int, 8> kRingMasks = {167, 169, 171, 173, 175, 177, 179, 182};
constexpr std::array<int, 8> kRing = {15, 16, 17, 26, 28, 37, 38, 39};
constexpr int kFirstZenoMask = 166;
constexpr int kLastZenoMask = 182;

script::Script sergeantsFadeIn(const game::Game& game, std::span<const int> cells,
                               std::span<const int> masks) {
    script::Script script(game);
    script.sound(Effect::Floor3).pause();
    for (int m : masks)
        for (int cell : cells)
            script.masked(cell, m, Tile::Road, Tile::MagicSergeant);
    return script;
}

// The Vampire's arrival: pictures of frame A and frame B.
struct ArrivalPictures {
    int bat;
    int vampire;
};
constexpr ArrivalPictures kArrivalA{82, 94};
constexpr ArrivalPictures kArrivalB{83, 95};
constexpr int kArrivalBlock = 48; // the top-left cell of the 3 x 3 block
constexpr int kFirstFadeMask = 165;

render::Picture listPicture(const render::PictureList& list, int n) {
    render::Picture p(render::kCellSide, render::kCellSide);
    render::drawListPicture(p, 0, 0, list, n);
    return p;
}

render::Picture arrivalStep(const game::Game& game, const ArrivalPictures& pics, int k) {
    constexpr int side = render::kCellSide;
    const auto& list = game.render.imageList1;
    render::Picture block(3 * side, 3 * side);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            render::drawListPicture(block, x * side, y * side, list, render::Pic::Road);
    const render::Picture bat = listPicture(list, pics.bat);
    const render::Picture batMask = listPicture(game.render.imageList3, pics.bat);
    const int far = 2 * side - k;
    const std::array<std::array<int, 2>, 8> places = {
        {{k, k}, {k, far}, {far, k}, {far, far}, {side, k}, {side, far}, {k, side}, {far, side}}};
    for (const auto& [x, y] : places)
        render::kasanegakiAt(block, x, y, bat, batMask);
    render::kasanegakiAt(block, side, side, listPicture(list, pics.vampire),
                         listPicture(list, kFirstFadeMask + k / 2));
    return block;
}

} // namespace

std::optional<int> mmes(game::Game& game, int cell) {
    const std::uint8_t tile = game.map.tile(game.status[Slot::Floor], cell);
    const std::optional<int> line = announcedLine(tile);
    if (!line)
        return std::nullopt;
    game.messageSelector = *line - kFirstLine;
    Status& s = game.status;
    if (game.messageSelector == kStairsMessage && s[Slot::Floor] == s[Slot::HighestFloor])
        s[Slot::StartStairs] = tile == Tile::StairsUp ? 1 : 2;
    return game.messageSelector;
}

bool magicAfterStep(game::Game& game) {
    const int p = game.status.heroCell();
    bool pushed = false;
    for (const Direction d : kWatchOrder) {
        const std::optional<int> n = neighbour(p, d);
        if (!n)
            continue;
        const std::optional<int> said = mmes(game, *n);
        if (said == MagicLine::MagicianA || said == MagicLine::MagicianB)
            pushed = mazyutu1(game, p, 2 * (*n - p), *said) || pushed;
    }
    pushed = madoushi1(game, p) || pushed;
    if (pushed)
        script::timer2on(game);
    return pushed;
}

script::Script zenoAppearance(const game::Game& game, int cell) {
    script::Script script(game);
    script.sound(Effect::Floor3).pause();
    for (int m = kFirstZenoMask; m <= kLastZenoMask; ++m)
        script.masked(cell, m, Tile::Road, Tile::Zeno);
    return script;
}

void zenolivework(game::Game& game, int cell) {
    script::timer2on(game);
    zenoAppearance(game, cell).push(game);
}

void zenoRises(game::Game& game) {
    game.map.setTile(game.status[Slot::Floor], kZenoRisingCell, Tile::Zeno);
    zenolivework(game, kZenoRisingCell);
}

script::Script sergeantsAppearance(const game::Game& game, std::initializer_list<int> cells) {
    return sergeantsFadeIn(game, std::span<const int>(cells.begin(), cells.size()),
                           kFourSergeantsMasks);
}

void madoushilivework(game::Game& game, std::initializer_list<int> cells) {
    script::timer2on(game);
    sergeantsAppearance(game, cells).push(game);
}

void madoushi2(game::Game& game) {
    script::timer2on(game);
    for (int cell : kRing)
        game.map.setTile(game.status[Slot::Floor], cell, Tile::MagicSergeant);
    sergeantsFadeIn(game, kRing, kRingMasks).push(game);
}

void banpaiawork(game::Game& game, int k) {
    const int x = cellX(kArrivalBlock) * render::kCellSide;
    const int y = cellY(kArrivalBlock) * render::kCellSide;
    render::draw(game.render.frameA, x, y, arrivalStep(game, kArrivalA, k));
    render::draw(game.render.frameB, x, y, arrivalStep(game, kArrivalB, k));
    render::show(game);
}

} // namespace combat
