// The Ranking window (TForm2): shows the five lists, and after the fairy's valuation asks for
// the hero's name and enters it at the place he won. The window works on its own copy of the
// game, which it receives and hands back through save0.dat.
#pragma once

#include "state/game_fwd.h"

namespace persist {

// HighScore1Click: "&Ranking" opens the window to look at the lists (no place to register).
void HighScore1Click(game::Game& game);

// formactivate of the Ranking window: open it on the game in save0.dat; when that copy holds a
// checkpoint's list (Status[87] = 1..5), show that list at once and register its place.
void openRankingWindow(game::Game& game);

// hyouji: show list n, first entering the copy's place in it when the copy won one on that
// list, and save the list when a place was pending.
void hyouji(game::Game& game, int list);

// Button1Click..Button5Click: the floor buttons "10 F".."49 F" show their list.
template <int List> void rankingButtonClick(game::Game& game) {
    hyouji(game, List);
}

// Button6Click ("Exit") and closing the window: the main window's command timer starts again
// (the fairy's script plays on) and the window closes.
void rankingExit(game::Game& game);

// The fairy's valuation (yousei, steps 3 to 6) on the checkpoint floor the hero stands on: the
// points in Status[85], the place they win on the floor's list in Status[86] (0 none) and the
// list in Status[87], read with the same checks and messages as the window; then the game is
// written to save0.dat for the window. Nothing happens off the checkpoint floors.
void fairyValuation(game::Game& game);

} // namespace persist
