// The blows of a fight as the command executor plays them, one entry at a time.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>

namespace combat {

// What one blow of the hero takes from the current monster: his offense (doubled where an
// item says so) less the monster's defense, never below 0.
std::int64_t heroBlow(const game::Game& game);

// What one blow of the current monster takes from the hero: its offense less his defense,
// never below 0.
std::int64_t monsterBlow(const game::Game& game);

// Command 5, the hero strikes: MonsterLifeLeft loses heroBlow (floored at 0) and the monster
// panel shows it.
void heroStrikes(game::Game& game);

// Command 14's blow on the head of a big monster: as command 5 but with the plain offense,
// never doubled.
void headBlow(game::Game& game);

// Command 4, the monster strikes: the hero's life loses monsterBlow (floored at 0) and his life
// field (Memo1) shows it. A life of 0 here is not yet the game over: the fight's script ends
// in the hero's fall.
void monsterStrikes(game::Game& game);

} // namespace combat
