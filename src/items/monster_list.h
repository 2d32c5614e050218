// The Orb of Hero's view: the list of the monster kinds on the floor with their strength and
// the damage the hero can expect from fighting each.
#pragma once

namespace game {
struct Game;
}

namespace items {

// img6work: the box in its small form; while the orb is held, stop the animation, close input
// and list the first seven monster kinds met on the floor in cell order, focusing "OK".
void img6work(game::Game& game);

// yousya: add CurrentMonster as the next row of the list, unless it is listed already or the
// list is full: picture, name, life, offense and defense in this lap, and the forecast.
void yousya(game::Game& game);

// The list and its "OK" out of sight and emptied, the box back in its large form and hidden.
// A new game calls it too when the list was left open.
void hideMonsterList(game::Game& game);

// Button36Click: "OK" closes the list, puts the box back in its large form, reopens input,
// redraws the keys and restarts the animation.
void Button36Click(game::Game& game);

} // namespace items
