#include "sound/switches.h"

#include "sound/music.h"
#include "state/game.h"

namespace sound {

void setMusicSwitch(game::Game& game, bool on) {
    game.options.music = on;
    if (on) {
        soundcheck(game);
        soundplay(game);
    } else {
        closeMusic(game);
        game.status[world::Slot::MusicTrack] = 0;
    }
}

void setWavSwitch(game::Game& game, bool on) {
    game.status[world::Slot::WavOff] = on ? 0 : 1;
    game.options.wavSound = on;
}

} // namespace sound
