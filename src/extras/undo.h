// Undo and redo: the positions the hero stood in at the quiet moments of play, so that a move
// can be taken back and played again. A move is whatever happened between two quiet moments
// (a step, a fight, a door, a pick-up, a purchase, a prayer, a flight, an item used, a floor
// change, a death). Taking a move back puts the saved game of the moment before it in play
// through the same door a load uses, so no rule of the game is bypassed or imitated.
#pragma once

#include "state/game_fwd.h"

#include <cstddef>
#include <string_view>

namespace extras {

// At least this many moves can be taken back in a row.
inline constexpr std::size_t kUndoMoves = 1000;

// Whose history a moment goes into: the player's only while "Allow Undo" is on, the headless
// driver's always (its recordings hold an undo only where the player could make one).
enum class Keep { WhenAllowed, Always };

// After every event. At a quiet moment the position in play joins the history when it differs
// from the last one kept (the sound switches and the save sums aside), and then the moves
// taken back can no longer be redone; when it does not differ, the last one kept takes the
// screen of this moment. While the Ending window is up the history is forgotten.
void noteMoment(game::Game& game, Keep keep = Keep::WhenAllowed);

// After a command of the game's menu: Game Start forgets the history, and so does a Load that
// put another game in play.
void forgetAfterMenu(game::Game& game, std::string_view path);

// Forget every move (a loaded start position, the switch turned off).
void forgetMoves(game::Game& game);

// Keep only the position in play (a recording begins: it can take back only its own moves).
void startHistoryHere(game::Game& game);

// Can a move be taken back or played again now? Only at a quiet moment.
bool canUndo(const game::Game& game);
bool canRedo(const game::Game& game);

// Take the last move back, or play the last move taken back again. False, with nothing
// changed, when there is none or the game is not quiet.
bool undo(game::Game& game);
bool redo(game::Game& game);

} // namespace extras
