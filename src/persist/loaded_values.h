// Whether a loaded game can be played: its values lie where play can put them.
#pragma once

#include "io/saved_game.h"

namespace persist {

// True when every value of a loaded game that the game later uses as a floor, cell, facing,
// music track, picture or table number, or as a count it adds to, lies in the range play can
// give it: the floor, the highest floor and every arrival cell name a real floor and cell,
// the hero stands inside the floor, the grades, items, keys, counters, the ranking place and
// list, the flight marks, the lap level and the keep-progress flag hold values the game itself
// writes. The sums say only that a file is whole; this says it can be played.
bool validateLoadedValues(const io::LoadedGame& game);

} // namespace persist
