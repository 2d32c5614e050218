// The two sound switches of the Options menu: music and sound effects, with what each keeps in
// the options and the status.
#pragma once

#include "state/game_fwd.h"

namespace sound {

// Music on: select the floor's track and play it; the options' music on.
// Music off: close the music player, Status[90] = 0; the options' music off.
void setMusicSwitch(game::Game& game, bool on);

// Effects on or off: Status[89] = 0 or 1, and the options' sound effects the same.
void setWavSwitch(game::Game& game, bool on);

} // namespace sound
