#include "combat/damage.h"

#include "combat/monsters.h"
#include "state/game.h"
#include "world/catalogue.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace combat {
namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr int kExpectedDamageLine = 184;
constexpr int kImpossibleLine = 185;

std::int64_t heroOffense(const game::Game& game) {
    return game.status[world::Slot::Offense];
}

std::int64_t heroDefense(const game::Game& game) {
    return game.status[world::Slot::Defense];
}

void forecast(game::Game& game) {
    game.combat.forecastText = std::string(world::catalogueLine(kExpectedDamageLine)) + " " +
                               std::to_string(game.combat.expectedDamage);
}

// The hero strikes first: he lands BlowCount blows and the monster answers all but the last.
void heroFirstDamage(game::Game& game, std::int64_t offense) {
    CombatState& c = game.combat;
    const std::optional<HeroFirstFight> fight = heroFirstFight(game, c.currentMonster, offense);
    if (!fight) {
        c.forecastText = world::catalogueLine(kImpossibleLine);
        return;
    }
    c.blowCount = fight->blows;
    c.expectedDamage = fight->damage;
    forecast(game);
}

} // namespace

std::optional<HeroFirstFight> heroFirstFight(const game::Game& game, int type,
                                             std::int64_t offense) {
    if (!canAttack(game, type))
        return std::nullopt;
    const MonsterStrength m = monsterStrength(game, type);
    const std::int32_t blows = blowsToDefeat(m.life, offense - m.defense);
    return HeroFirstFight{blows, damageOf(m.offense - heroDefense(game), std::int64_t{blows} - 1)};
}

std::optional<std::int32_t> orbForecast(const game::Game& game, int type) {
    const std::optional<HeroFirstFight> fight = heroFirstFight(game, type, heroOffense(game));
    return fight ? std::optional<std::int32_t>(fight->damage) : std::nullopt;
}

std::int32_t blowsToDefeat(std::int64_t life, std::int64_t perBlow) {
    if (life <= 0)
        return 0;
    if (perBlow <= 0)
        return static_cast<std::int32_t>(kLargest);
    return static_cast<std::int32_t>(std::min(kLargest, (life + perBlow - 1) / perBlow));
}

std::int32_t damageOf(std::int64_t perStrike, std::int64_t strikes) {
    if (perStrike <= 0 || strikes <= 0)
        return 0;
    const bool tooCostly = perStrike > kLargest / strikes;
    return static_cast<std::int32_t>(tooCostly ? kLargest : perStrike * strikes);
}

bool attackDoubled(const game::Game& game, int type) {
    const bool crossWorks =
        type == Monster::Zombie || type == Monster::ZombieKnight || type == Monster::Vampire;
    return (crossWorks && game.status[world::Slot::Cross] == 1) ||
           (type == Monster::Dragon && game.status[world::Slot::DragonSlayer] == 1);
}

std::int64_t effectiveOffense(const game::Game& game, int type) {
    return attackDoubled(game, type) ? 2 * heroOffense(game) : heroOffense(game);
}

bool canAttack(const game::Game& game, int type) {
    return monsterStrength(game, type).defense - heroOffense(game) < 0;
}

void dameiji(game::Game& game) {
    heroFirstDamage(game, effectiveOffense(game, game.combat.currentMonster));
}

void obudameiji(game::Game& game) {
    heroFirstDamage(game, heroOffense(game));
}

void dameiji2(game::Game& game) {
    CombatState& c = game.combat;
    const MonsterStrength m = monsterStrength(game, c.currentMonster);
    c.blowCount = blowsToDefeat(m.life, heroOffense(game) - m.defense);
    c.expectedDamage = damageOf(m.offense - heroDefense(game), c.blowCount);
}

void ydameiji(game::Game& game) {
    CombatState& c = game.combat;
    const MonsterStrength m = monsterStrength(game, c.currentMonster);
    c.blowCount = blowsToDefeat(game.status[world::Slot::Life], m.offense - heroDefense(game));
}

} // namespace combat
