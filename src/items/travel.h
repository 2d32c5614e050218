// Floor travel with the Orb of Flying: beside a staircase the hero chooses any floor he has
// reached with "UP" and "DOWN" and lands there with "OK", where the stairs would have put him.
#pragma once

#include <cstdint>

namespace game {
struct Game;
}

namespace items {

// img4work: the orb's click. Beside a staircase it hides the hero, stops the music and opens
// the floor chooser; elsewhere it says that the orb needs stairs.
void img4work(game::Game& game);

// Button8Click ("UP"), Button9Click ("DOWN"): show the floor above or below, up to the highest
// floor reached and down to floor 1; floor 44 is passed over.
void Button8Click(game::Game& game);
void Button9Click(game::Game& game);

// Button10Click ("OK"): land on the floor shown, beside its stairs, and reopen input.
void Button10Click(game::Game& game);

// The repeat timer's floor step while "UP" (RepeatAction 5) or "DOWN" (6) is held down.
void floorChoiceRepeat(game::Game& game, std::int32_t repeatAction);

} // namespace items
