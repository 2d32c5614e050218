// Building a new game.
#pragma once

namespace game {

struct Game;

// syokidata: write the initial status and the whole initial tower. Later laps keep life,
// offense and defense; KeepProgress also keeps gold, the highest floor and the items.
void syokidata(Game& game);

} // namespace game
