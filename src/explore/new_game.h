// Building a new game.
#pragma once

namespace game {
struct Game;
}

namespace explore {

// syokidata: write the initial status and the whole initial tower. Later laps keep life,
// offense and defense; KeepProgress also keeps gold, the highest floor and the items.
void syokidata(game::Game& game);

// syokidata2: set the window up for play from the status and map in place (a new game or a
// loaded one): dialogs hidden, panels, floor and hero drawn, input and command state reset,
// the dialogue button's caption and the timers' pace restored, no item waiting for Use, the
// sound menu marks taken from the status, Zeno's strength as the status says.
void syokidata2(game::Game& game);

// gameover: a whole new game: syokidata, syokidata2, input open, the animation running and,
// with "&BGM On" checked, the floor's music.
void gameover(game::Game& game);

} // namespace explore
