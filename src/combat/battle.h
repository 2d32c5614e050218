// The battle: a fight is decided the moment it starts and written as a script of blows on the
// command stack, which the command timer then plays out blow by blow.
#pragma once

#include "state/game_fwd.h"

#include <cstdint>

namespace combat {

// The longest fight played blow by blow, in exchanges of twelve entries. A longer fight (a
// later lap's monster against an offense barely above its defense can take millions of
// exchanges) settles its first exchanges at once when it starts: the hero's life and the
// monster's life drop by exactly what those blows would have taken, and the last exchanges
// play as usual. The outcome is the same and the command stack stays within its room.
inline constexpr std::int32_t kMaxPlayedExchanges = 2000;

// taisen: fight the monster on TargetCell, the hero striking first. Refused with a message
// when the monster's defense is not below his offense; otherwise he steps onto its cell.
void taisen(game::Game& game);

// taisen2: the monster on `cell` (the hero's own cell, where a scene has slid it) strikes
// first; ordered by the command (11, 10, cell). A cell without a one-cell monster is no fight.
// A monster the hero cannot hurt overwhelms him: the fight is lost.
void taisen2(game::Game& game, int cell);

// A won fight has ended: the hero stands on the floor it left, drawn in both frames and shown
// at once, so that no picture of the monster stays under him where the animation is stopped
// (the prison after the capture). Nothing while the hero is hidden.
void standAfterFight(game::Game& game);

} // namespace combat
