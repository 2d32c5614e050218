#include "combat/blows.h"

#include "combat/damage.h"
#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "render/panel.h"
#include "state/game.h"

#include <algorithm>
#include <string>

namespace combat {
namespace {

std::int32_t lessFloored(std::int32_t value, std::int64_t blow) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, value - blow));
}

// A stray blow with no monster chosen does no harm.
bool fighting(const game::Game& game) {
    return game.combat.currentMonster >= 0 && game.combat.currentMonster < kMonsterTypes;
}

// A blow of the given offense against the current monster's defense, never below 0.
std::int64_t blowAgainstMonster(const game::Game& game, std::int64_t offense) {
    if (!fighting(game))
        return 0;
    const MonsterStrength m = monsterStrength(game, game.combat.currentMonster);
    return std::max<std::int64_t>(0, offense - m.defense);
}

void lowerMonsterLife(game::Game& game, std::int64_t blow) {
    game.combat.monsterLifeLeft = lessFloored(game.combat.monsterLifeLeft, blow);
    showMonsterLifeLeft(game);
}

} // namespace

std::int64_t heroBlow(const game::Game& game) {
    return blowAgainstMonster(game, effectiveOffense(game, game.combat.currentMonster));
}

std::int64_t monsterBlow(const game::Game& game) {
    if (!fighting(game))
        return 0;
    const MonsterStrength m = monsterStrength(game, game.combat.currentMonster);
    return std::max<std::int64_t>(0, std::int64_t{m.offense} - game.status[world::Slot::Defense]);
}

void heroStrikes(game::Game& game) {
    lowerMonsterLife(game, heroBlow(game));
}

void headBlow(game::Game& game) {
    lowerMonsterLife(game, blowAgainstMonster(game, game.status[world::Slot::Offense]));
}

void monsterStrikes(game::Game& game) {
    std::int32_t& life = game.status[world::Slot::Life];
    life = lessFloored(life, monsterBlow(game));
    render::showLife(game);
}

} // namespace combat
