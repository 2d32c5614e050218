#include "explore/step.h"

#include "combat/battle.h"
#include "explore/doors.h"
#include "explore/explore_routines.h"
#include "explore/movement.h"
#include "explore/stairs.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/game.h"
#include "world/catalogue.h"
#include "world/item_table.h"
#include "world/tiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace explore {

using namespace script;
namespace {

using namespace world;

constexpr int kPointsUp = 166; // " points up!"

// The floor band: 1 on floors 1..10, 2 on 11..20 ... 5 on 41..50, 0 on floor 0.
std::int32_t floorBand(const Status& s) {
    return (s[Slot::Floor] + 9) / 10;
}

// "<line> <amount> points up!", or " point up!" for a gem worth exactly 1.
std::string pointsUp(int line, std::int32_t amount, bool singularForOne) {
    std::string text = std::string(catalogueLine(line)) + " " + std::to_string(amount);
    if (singularForOne && amount == 1)
        return text + " point up!";
    return text + std::string(catalogueLine(kPointsUp));
}

// Keys: the key slot and the message line of tiles 29, 30, 31.
struct KeyPickup {
    int slot;
    int line;
};
constexpr std::array<KeyPickup, 3> kKeys = {{
    {Slot::YellowKeys, 128},
    {Slot::RedKeys, 130},
    {Slot::BlueKeys, 129},
}};

void keyRule(game::Game& game, std::uint8_t t) {
    const KeyPickup& key = kKeys[static_cast<std::size_t>(t - Tile::YellowKey)];
    raiseSlot(game.status[key.slot], 1);
    game.composeMessage(std::string(catalogueLine(key.line)));
    timer2on(game);
    pushPickup(game);
}

// Potions and gems: the slot raised, the base amount per floor band and lap, the message line.
struct Potion {
    int slot;
    std::int32_t base;
    int line;
    bool gem;
};
constexpr std::array<Potion, 4> kPotions = {{
    {Slot::Life, 50, 162, false},
    {Slot::Life, 200, 163, false},
    {Slot::Offense, 1, 164, true},
    {Slot::Defense, 1, 165, true},
}};

void potionRule(game::Game& game, std::uint8_t t) {
    Status& s = game.status;
    const Potion& p = kPotions[static_cast<std::size_t>(t - Tile::RedElixir)];
    const std::int32_t amount = capped(std::int64_t{p.base} * floorBand(s) * s.lapFactor());
    raiseSlot(s[p.slot], amount);
    game.composeMessage(pointsUp(p.line, amount, p.gem));
}

// Special items 37..50: the item's slot becomes held (the transfer item gets three uses) and
// the message line names it (selector = tile + 1, except the two orbs, which swap).
void specialItemRule(game::Game& game, std::uint8_t t) {
    constexpr std::int32_t kTransferUses = 3;
    const world::Item& item = world::item(t - Tile::OrbOfHero); // tiles follow the item table
    game.status[item.slot] = t == Tile::TransferArticle ? kTransferUses : 1;
    switch (t) {
    case Tile::OrbOfWisdom:
        game.messageSelector = 22;
        break;
    case Tile::OrbOfFlying:
        game.messageSelector = 21;
        break;
    default:
        game.messageSelector = t + 1;
        break;
    }
}

void itemRule(game::Game& game, std::uint8_t t) {
    if (t <= Tile::BlueCrystal)
        potionRule(game, t);
    else if (t != Tile::OrbOfHero)
        specialItemRule(game, t);
    timer2on(game);
    pushPickup(game);
}

// Swords (51..55) and shields (56..60): the gain per lap of each grade.
constexpr std::array<std::int32_t, 5> kEquipmentGain = {10, 20, 40, 50, 100};
constexpr int kFirstEquipmentLine = 152;

void equipmentRule(game::Game& game, std::uint8_t t) {
    Status& s = game.status;
    const bool sword = t <= Tile::SacredSword;
    const int index = t - (sword ? Tile::IronSword : Tile::IronShield); // 0..4
    const std::int32_t amount =
        capped(std::int64_t{kEquipmentGain[static_cast<std::size_t>(index)]} * s.lapFactor());
    raiseSlot(s[sword ? Slot::Offense : Slot::Defense], amount);
    s[sword ? Slot::SwordGrade : Slot::ShieldGrade] = index + 1;
    s[(sword ? Slot::SwordTaken : Slot::ShieldTaken) + index] = 1;
    game.composeMessage(pointsUp(kFirstEquipmentLine + t - Tile::IronSword, amount, false));
    timer2on(game);
    pushPickup(game);
}

} // namespace

void pushPickup(game::Game& game) {
    Script(game, {{Cmd::Sound, Effect::Get, 0},
                  {Cmd::Pause, 0, 0},
                  {Cmd::SetTile, game.targetCell, Tile::Road},
                  {Cmd::Pause, 0, 0},
                  {Cmd::SidePanels, 0, 0},
                  {Cmd::Message, 0, 0}})
        .push(game);
}

void handan(game::Game& game) {
    const std::uint8_t t = game.map.tile(game.status[Slot::Floor], game.targetCell);
    const StepKind kind = stepKind(t);
    switch (kind) {
    case StepKind::Blocked:
        break;
    case StepKind::Door:
        doorRule(game);
        break;
    case StepKind::Road:
        idou(game);
        break;
    case StepKind::StairsUp:
    case StepKind::StairsDown:
        stairs(game);
        break;
    case StepKind::Key:
        keyRule(game, t);
        break;
    case StepKind::Item:
        itemRule(game, t);
        break;
    case StepKind::Equipment:
        equipmentRule(game, t);
        break;
    case StepKind::Monster:
        combat::taisen(game);
        break;
    default:
        // The scenes and the characters: the rule bound to the kind.
        if (const auto rule = kExploreRoutines.steps[stepIndex(kind)])
            rule(game);
        break;
    }
}

} // namespace explore
