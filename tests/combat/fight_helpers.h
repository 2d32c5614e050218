// A game ready for a fight, and ways to read and play the command stack of a fight.
#pragma once

#include "state/command_stack.h"
#include "state/game.h"
#include "support/game_test.h"

#include <cstdint>
#include <vector>

namespace fight {

// A new first game on floor 1 with picture lists of distinct plain pictures and input open.
game::Game newGame();

// Puts the hero on a cell of the current floor, facing the given way, with these strengths.
void placeHero(game::Game& g, int cell, world::Facing facing, std::int32_t life,
               std::int32_t offense, std::int32_t defense);

// The pending entries in playing order (the top entry first).
std::vector<script::CommandEntry> script(const game::Game& g);

// What each blow left: the monster's life after every hero blow, the hero's after every
// monster blow, in playing order.
struct BlowTrace {
    std::vector<std::int32_t> monsterLife;
    std::vector<std::int32_t> heroLife;
};

// Plays the stack entry by entry through the executor, without the timer's ticks, until it is
// empty or a dialog holds it, noting what every blow left.
BlowTrace playBlowByBlow(game::Game& g);

} // namespace fight
