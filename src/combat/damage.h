// Damage arithmetic: can the hero hurt a monster, how many blows a fight takes, what it costs.
//
// The game counts blows with a loop of one subtraction per blow. The counts here are the
// same numbers worked out in constant time, because a later lap's fight can take millions
// of blows. Life, offense and defense are 32-bit; products of a strike and a count are
// worked out in 64 bits and held at the largest 32-bit value, so a fight too costly to
// count still reads as lost instead of wrapping round to a small or negative cost.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>
#include <optional>

namespace combat {

// Blows of perBlow each that bring life to 0 or below (0 when life is already gone). A
// count that would never end (perBlow not above 0) reads as the largest 32-bit count.
std::int32_t blowsToDefeat(std::int64_t life, std::int64_t perBlow);

// Life lost to the given strikes of perStrike each: none when a strike does no harm.
std::int32_t damageOf(std::int64_t perStrike, std::int64_t strikes);

// True when the cross (against Zombies and the Vampire) or the Dragon slayer (against the
// Dragon) doubles the hero's offense.
bool attackDoubled(const game::Game& game, int type);

// The hero's offense against a monster kind, doubled where an item says so.
std::int64_t effectiveOffense(const game::Game& game, int type);

// Can the hero attack? Only when the monster's defense is below his plain offense.
bool canAttack(const game::Game& game, int type);

// A fight in which the hero strikes first with the given offense: the blows he lands and
// the life he loses to the monster's answers (all but the last blow draw one).
struct HeroFirstFight {
    std::int32_t blows = 0;
    std::int32_t damage = 0;
};

// The fight against a monster kind when the hero strikes first; nothing when he cannot hurt
// it. Changes no state.
std::optional<HeroFirstFight> heroFirstFight(const game::Game& game, int type,
                                             std::int64_t offense);

// The Orb of Hero's forecast for a monster kind (plain offense, this lap's strength): the life
// the fight would cost, or nothing when the hero cannot hurt the monster. Changes no state.
std::optional<std::int32_t> orbForecast(const game::Game& game, int type);

// dameiji: the cost of a fight against the current monster in which the hero strikes first,
// with the attack doubling; sets BlowCount, ExpectedDamage and ForecastText.
void dameiji(game::Game& game);

// obudameiji: the same forecast counted with the plain offense, for the orb's list.
void obudameiji(game::Game& game);

// dameiji2: the cost of a fight in which the monster strikes first; the hero's blows are
// counted with the plain offense, and the caller has made sure he can hurt the monster.
void dameiji2(game::Game& game);

// ydameiji: the monster's blows that end the hero's life (BlowCount). The count does not
// depend on the hero's offense, so the same count serves the fights in which the monster
// strikes first and those the hero cannot win.
void ydameiji(game::Game& game);

} // namespace combat
