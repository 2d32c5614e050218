// Sound effects and background music: the routines that choose, start, stop and loop them.
// Effects play while Status[89] is 0; music is on while Status[90] names a track.
#pragma once

#include "state/game_fwd.h"

#include <string_view>

namespace sound {

// soundcheck: select the current floor's track in Status[90]; floor 0 leaves it as it is.
void soundcheck(game::Game& game);

// soundplay: close the music player, open it with the file of track Status[90] (a track
// without a file keeps the player's previous file) and play it.
void soundplay(game::Game& game);

// Close the music player, open it with `file` itself and play it (the ending pictures play
// their music this way); the player keeps the file as its own.
void playMusicFile(game::Game& game, std::string_view file);

// Close the music player.
void closeMusic(game::Game& game);

// mediaplayer5onnotify: the track ended normally, so it starts again from the beginning.
void mediaplayer5onnotify(game::Game& game);

// With "&BGM On" checked: select the current floor's track and play it (a new game, a
// loaded game, a landing with the Orb of Flying).
void floorMusic(game::Game& game);

// A scene's music while music is on: close the player, select `track`, play it.
void changeTrack(game::Game& game, int track);

// Command 15: close the music player, select the floor's track and play it.
void musicRestart(game::Game& game);

// Command 1: effects 1..4 and 7..9 while effects are on; 5 plays the selected track again and
// 6 closes the music player, both only while music is on; other values do nothing.
void soundCommand(game::Game& game, int what);

// Play effect `what` of command 1 while effects are on (the floor-change wipe's door sound).
void playEffect(game::Game& game, int what);

// Open the four fixed effect players with their files (a game being set up).
void openEffectPlayers(game::Game& game);

} // namespace sound
