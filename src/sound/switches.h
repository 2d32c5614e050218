// The two sound switches of the Options menu, with their check marks and option bytes.
#pragma once

#include "state/game_fwd.h"

#include <string_view>

namespace sound {

inline constexpr std::string_view kWavEntry = "&Options/&Wav Sound On";
inline constexpr std::string_view kMusicEntry = "&Options/&BGM On";

// Music on: check "&BGM On", select the floor's track and play it, option byte 6 = 1.
// Music off: close the music player, Status[90] = 0, option byte 6 = 0, remove the mark.
void setMusicSwitch(game::Game& game, bool on);

// Effects on or off: Status[89] = 0 or 1, option byte 7 the same, the mark while on.
void setWavSwitch(game::Game& game, bool on);

// wavon1Click: "&Wav Sound On" switches the sound effects the other way.
void wavon1Click(game::Game& game);

// BGMON1Click: "&BGM On" turns the music off while a track is selected, otherwise on.
void BGMON1Click(game::Game& game);

} // namespace sound
