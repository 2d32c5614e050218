#include "items/items.h"

#include "combat/monsters.h"
#include "explore/doors.h"
#include "explore/step.h"
#include "items/monster_list.h"
#include "items/records.h"
#include "items/travel.h"
#include "render/controls.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "scenes/tile_scenes.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "state/game.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/item_table.h"
#include "world/tiles.h"

#include <array>
#include <optional>
#include <string>

namespace items {
namespace {

using namespace world;
using script::Cmd::DoorFrame;
using script::Cmd::Message;
using script::Cmd::Pause;
using script::Cmd::PutTile;
using script::Cmd::SetTile;
using script::Cmd::SidePanels;
using script::Cmd::Sound;
using script::Cmd::Special;
using script::Effect::Get;
using script::Effect::Open;

constexpr int kAfterFightChecks = 5; // command 11 with this plays moncheck

// Message selectors (the line shown is the selector + 127).
constexpr int kMattockUsed = 60;      // "Used a mattock! The wall on all side fell down!"
constexpr int kTransferred = 62;      // "Transferred space!"
constexpr int kCrystalUsed = 65;      // "Used the snow crystal!"
constexpr int kMagicKeyUsed = 66;     // "Used the magic key! All doors opened on this floor."
constexpr int kSuperMattockUsed = 67; // "Used a super mattock! ..."
constexpr int kTransferBlocked = 68;  // "Cannot transfer as there is an obstacle ..."

// Catalogue lines of the composed messages.
constexpr int kElixirLine = 186;    // "Used an elixir. The vital power is"
constexpr int kPointsUpLine = 166;  // " points up!"
constexpr int kBallLine = 188;      // "Used a destructible ball! The enemy on all side fell down!"
constexpr int kCrystalLine = 192;   // "Used the snow crystal!"
constexpr int kCongealedLine = 198; // " The lava congealed and made a road."
constexpr int kGotLine = 200;       // " Got"
constexpr int kGoldsLine = 201;     // " Golds."

std::string lineOf(int n) {
    return std::string(catalogueLine(n));
}

// The items work on the four neighbours in this order: below, right, left, above. The snow
// crystal's road grows from the hero's side of the lava.
struct ItemNeighbour {
    Direction side;
    int lavaKind;
};
constexpr std::array<ItemNeighbour, 4> kNeighbours = {{
    {Direction::Down, script::DoorKind::LavaFromTop},
    {Direction::Right, script::DoorKind::LavaFromLeft},
    {Direction::Left, script::DoorKind::LavaFromRight},
    {Direction::Up, script::DoorKind::LavaFromBottom},
}};

// A monster the destructible ball blows away: any one-cell monster but Zeno and the Great
// Magic Master; the big monsters stay.
std::optional<int> ordinaryMonster(std::uint8_t code) {
    const auto kind = oneCellKind(code);
    if (kind == combat::Monster::Zeno || kind == combat::Monster::GreatMagicMaster)
        return std::nullopt;
    return kind;
}

// The elixir: hit points + offense * 10 + defense * 5, read at the moment of use.
void useElixir(game::Game& game) {
    Status& s = game.status;
    // Worked out in 64 bits: a strong hero's gain can pass what a slot holds, and the message
    // names no more than the slot could take.
    const std::int64_t gain =
        std::int64_t{s[Slot::Offense]} * 10 + std::int64_t{s[Slot::Defense]} * 5;
    game.composeMessage(lineOf(kElixirLine) + " " + std::to_string(world::capped(gain)) +
                        lineOf(kPointsUpLine));
    script::timer2on(game);
    script::Script(game, {{Sound, Get, 0},
                          {Pause, 0, 0},
                          {SidePanels, 0, 0},
                          {Pause, 0, 0},
                          {Message, game::kComposedMessage, 0},
                          {Pause, 0, 0}})
        .push(game);
    raiseSlot(s[Slot::Life], gain);
    s[Slot::Elixir] = 0;
    game.explore.dialogPending = false;
}

// The mattock: the walls beside the hero sink into road.
void useMattock(game::Game& game) {
    Status& s = game.status;
    const int floor = s[Slot::Floor];
    script::timer2on(game);
    game.messageSelector = 0;
    // The neighbours' walls sink from the last neighbour to the first.
    script::Script script(game);
    for (auto n = kNeighbours.rbegin(); n != kNeighbours.rend(); ++n) {
        const auto cell = neighbour(s.heroCell(), n->side);
        if (cell && game.map.tile(floor, *cell) == Tile::Wall)
            script.door(*cell, script::DoorKind::WallSinks).pause();
    }
    script.add(SidePanels).add(Message, kMattockUsed).push(game);
    s[Slot::Mattock] = 0;
}

// The destructible ball: the ordinary monsters beside the hero dissolve and leave their gold.
void useDestructibleBall(game::Game& game) {
    Status& s = game.status;
    const int floor = s[Slot::Floor];
    script::timer2on(game);
    script::Script(
        game, {{SidePanels, 0, 0}, {Message, 0, 0}, {Special, kAfterFightChecks, 0}, {Pause, 0, 0}})
        .push(game);
    game.messageSelector = 0;
    std::int32_t total = 0; // held at the largest sum a slot can hold, like the gold itself
    for (const auto& n : kNeighbours) {
        const auto cell = neighbour(s.heroCell(), n.side);
        if (!cell)
            continue;
        const auto type = ordinaryMonster(game.map.tile(floor, *cell));
        if (!type)
            continue;
        raiseSlot(total, combat::monsterRow(game, *type).gold);
        game.targetCell = *cell;
        scenes::toroad2(game);
    }
    raiseSlot(s[Slot::Gold], total);
    s[Slot::DestructibleBall] = 0;
    game.composeMessage(lineOf(kBallLine) + lineOf(kGotLine) + " " + std::to_string(total) +
                        lineOf(kGoldsLine));
}

// The treasured article: the hero jumps to the cell mirrored through the centre when it is
// road. Every use is spent, whether the jump succeeds or not.
void useTransferArticle(game::Game& game) {
    Status& s = game.status;
    s[Slot::TransferArticle] -= 1;
    game.messageSelector = kTransferred;
    const int from = s.heroCell();
    const int to = kCells - 1 - from;
    if (game.map.tile(s[Slot::Floor], to) == Tile::Road) {
        render::redrawCell(game, from);
        s[Slot::HeroX] = cellX(to);
        s[Slot::HeroY] = cellY(to);
        game.heroCell = to;
        render::yusyahyouji1(game);
        render::show(game);
        script::timer2on(game);
        script::Script(game, {{Sound, Get, 0}}).push(game);
    } else {
        game.messageSelector = kTransferBlocked;
    }
    script::itemlive(game);
    render::disp(game);
}

// A wing: its slot, the way it goes, the floor it cannot leave that way and its two messages.
struct Wing {
    int slot;
    int step;
    int lastFloor;
    int used;
    int blocked;
};
constexpr Wing kAscend{Slot::WingToAscend, 1, kTopFloor, 63, 69};
constexpr Wing kDescend{Slot::WingToDescend, -1, 0, 64, 70};

// The wings carry the hero one floor up or down to the cell right above or below him, when
// that cell is road; otherwise the wing stays held.
void useWing(game::Game& game, const Wing& wing) {
    Status& s = game.status;
    const int floor = s[Slot::Floor];
    if (floor == wing.lastFloor || game.map.tile(floor + wing.step, s.heroCell()) != Tile::Road) {
        game.messageSelector = wing.blocked;
        render::disp(game);
        script::itemlive(game);
        return;
    }
    s[wing.slot] = 0;
    game.messageSelector = wing.used;
    s[Slot::Floor] = floor + wing.step;
    render::mhyouji(game);
    render::yusyahyouji1(game);
    render::show(game);
    script::timer2on(game);
    script::Script(game,
                   {{Sound, Get, 0}, {Pause, 0, 0}, {SidePanels, 0, 0}, {Message, wing.used, 0}})
        .push(game);
    script::itemlive(game);
    render::disp(game);
}

// The snow crystal: the lava beside the hero congeals into road. It is never used up.
void useSnowCrystal(game::Game& game) {
    const Status& s = game.status;
    const int floor = s[Slot::Floor];
    script::timer2on(game);
    // The message first, then the lava congeals from the last neighbour to the first.
    script::Script lava(game);
    for (auto n = kNeighbours.rbegin(); n != kNeighbours.rend(); ++n) {
        const auto cell = neighbour(s.heroCell(), n->side);
        if (cell && game.map.tile(floor, *cell) == Tile::Lava)
            lava.door(*cell, n->lavaKind).pause().add(PutTile, *cell, Tile::Road).pause();
    }
    if (!lava.empty()) {
        game.composeMessage(lineOf(kCrystalLine) + lineOf(kCongealedLine));
    } else {
        game.messageSelector = kCrystalUsed;
    }
    script::Script(game).message(game.messageSelector).add(lava).add(SidePanels).push(game);
}

// The magic key: every yellow door of the floor opens; blue and red doors stay shut.
void useMagicKey(game::Game& game) {
    Status& s = game.status;
    const int floor = s[Slot::Floor];
    s[Slot::MagicKey] = 0;
    game.messageSelector = kMagicKeyUsed;
    script::timer2on(game);
    script::Script script(game);
    for (int cell = 0; cell < kCells; ++cell) {
        if (game.map.tile(floor, cell) == Tile::YellowDoor)
            script.door(cell, script::DoorKind::Yellow);
    }
    script.add(SidePanels).add(Message, kMagicKeyUsed).push(game);
}

// The super mattock: every wall of the floor becomes road, column by column from the left.
void useSuperMattock(game::Game& game) {
    Status& s = game.status;
    const int floor = s[Slot::Floor];
    s[Slot::SuperMattock] = 0;
    game.messageSelector = kSuperMattockUsed;
    script::timer2on(game);
    script::Script script(game);
    for (int x = 0; x < kSide; ++x) {
        for (int y = 0; y < kSide; ++y) {
            const int cell = cellOf(x, y);
            if (game.map.tile(floor, cell) == Tile::Wall)
                script.sound(Get).pause().add(SetTile, cell, Tile::Road).pause();
        }
    }
    script.add(SidePanels).add(Message, kSuperMattockUsed).push(game);
}

// The icon of picture control number `image` (4..18).
std::string_view imageName(int image) {
    return window::names::kItemIconImages[static_cast<std::size_t>(image - 4)];
}

// A click on a usable item's icon: close input and open the Use / Don't use pair under the
// icon.
void askUse(game::Game& game, const world::Item& item) {
    if (!world::usable(game.status, item))
        return;
    script::itemdel(game);
    game.items.itemInUse = item.use;
    render::showUsePair(game, item.icon);
}

void hideUsePair(game::Game& game) {
    render::showControl(game, window::names::Button37, false);
    render::showControl(game, window::names::Button38, false);
}

} // namespace

void iconClicked(game::Game& game, int image) {
    const std::string_view icon = imageName(image);
    if (!render::controlEnabled(game, icon))
        return;
    const world::Item* item = world::itemOfIcon(icon);
    if (!item || !item->clickable)
        return;
    if (item->use != 0) {
        askUse(game, *item);
        return;
    }
    // The orbs open their own views.
    switch (item->slot) {
    case Slot::OrbOfFlying:
        img4work(game);
        break;
    case Slot::OrbOfWisdom:
        img5work(game);
        break;
    case Slot::OrbOfHero:
        img6work(game);
        break;
    default:
        break;
    }
}

void Button37Click(game::Game& game) {
    if (!render::clickable(game, window::names::Button37))
        return;
    hideUsePair(game);
    script::itemlive(game);
}

void Button38Click(game::Game& game) {
    if (!render::clickable(game, window::names::Button38))
        return;
    hideUsePair(game);
    const world::Item* item = world::itemInUse(game.items.itemInUse);
    switch (item ? item->slot : 0) {
    case Slot::Elixir:
        useElixir(game);
        break;
    case Slot::Mattock:
        useMattock(game);
        break;
    case Slot::DestructibleBall:
        useDestructibleBall(game);
        break;
    case Slot::TransferArticle:
        useTransferArticle(game);
        break;
    case Slot::WingToAscend:
        useWing(game, kAscend);
        break;
    case Slot::WingToDescend:
        useWing(game, kDescend);
        break;
    case Slot::SnowCrystal:
        useSnowCrystal(game);
        break;
    case Slot::MagicKey:
        useMagicKey(game);
        break;
    case Slot::SuperMattock:
        useSuperMattock(game);
        break;
    default:
        script::itemlive(game);
        break;
    }
}

} // namespace items
