#include "combat/monsters.h"

#include "state/game.h"
#include "world/catalogue.h"
#include "world/tiles.h"

namespace combat {
namespace {

constexpr int kFirstNameLine = 94;
constexpr int kNoNameLine = 93; // "The Name"
constexpr int kNameLines = 34;  // kinds below this read a line of the name block

// A product of table values held within 32 bits, so that a damaged lap level or a repeated
// restore can never overflow.
std::int32_t boundedProduct(std::int32_t value, std::int32_t factor) {
    return world::capped(std::int64_t{value} * factor);
}

MonsterRow& zenoRow(game::Game& game) {
    return game.combat.monsterStats[Monster::Zeno];
}

void setZeno(game::Game& game, std::int32_t life, std::int32_t offense, std::int32_t defense) {
    MonsterRow& row = zenoRow(game);
    row.life = life;
    row.offense = offense;
    row.defense = defense;
}

} // namespace

std::optional<int> monsterTypeOfTile(std::uint8_t code) {
    return world::monsterKind(code);
}

std::optional<int> oneCellMonsterOfTile(std::uint8_t code) {
    return world::oneCellKind(code);
}

bool isLargeMonsterHead(std::uint8_t code) {
    return code == world::Tile::OctopusHead || code == world::Tile::DragonHead;
}

int monsterPicture(int type) {
    if (type == Monster::BigOctopus)
        return world::Tile::OctopusHead - 1;
    if (type == Monster::Dragon)
        return world::Tile::DragonHead - 1;
    return type < Monster::BigOctopus ? 2 * type + 60 : 2 * type + 92;
}

int monsterNameLine(std::int32_t type) {
    const bool named = static_cast<std::uint32_t>(type) < static_cast<std::uint32_t>(kNameLines);
    return named ? kFirstNameLine + type : kNoNameLine;
}

const MonsterRow& monsterRow(const game::Game& game, int type) {
    return game.combat.monsterStats.at(static_cast<std::size_t>(type));
}

MonsterStrength monsterStrength(const game::Game& game, int type) {
    const MonsterRow& row = monsterRow(game, type);
    const std::int32_t lap = game.status.lapFactor();
    return {boundedProduct(row.life, lap), boundedProduct(row.offense, lap),
            boundedProduct(row.defense, lap)};
}

void monswork(game::Game& game) {
    game.combat.monsterName = world::catalogueLine(monsterNameLine(game.combat.currentMonster));
}

void resetZenoRow(game::Game& game) {
    const MonsterRow& table = kMonsterStats[Monster::Zeno];
    if (game.status[world::Slot::ZenoWeakened] == 1) {
        const std::int32_t lap = game.status.lapFactor();
        setZeno(game, boundedProduct(table.life / 10, lap), boundedProduct(table.offense / 10, lap),
                boundedProduct(table.defense / 10, lap));
    } else {
        setZeno(game, table.life, table.offense, table.defense);
    }
}

void weakenZeno(game::Game& game) {
    if (game.status[world::Slot::ZenoWeakened] != 0)
        return;
    game.status[world::Slot::ZenoWeakened] = 1;
    const MonsterRow row = zenoRow(game);
    setZeno(game, row.life / 10, row.offense / 10, row.defense / 10);
}

void restoreZeno(game::Game& game) {
    if (game.status[world::Slot::ZenoWeakened] != 1)
        return;
    game.status[world::Slot::ZenoWeakened] = 0;
    const MonsterRow row = zenoRow(game);
    setZeno(game, boundedProduct(row.life, 10), boundedProduct(row.offense, 10),
            boundedProduct(row.defense, 10));
}

void setLaterLapZeno(game::Game& game) {
    setZeno(game, 1000, 625, 125);
}

} // namespace combat
