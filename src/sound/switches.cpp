#include "sound/switches.h"

#include "sound/music.h"
#include "state/game.h"

namespace sound {
namespace {

using world::Slot::MusicTrack;
using world::Slot::WavOff;

} // namespace

void setMusicSwitch(game::Game& game, bool on) {
    game.window.main.menuItem(kMusicEntry).checked = on;
    if (on) {
        soundcheck(game);
        soundplay(game);
    } else {
        closeMusic(game);
        game.status[MusicTrack] = 0;
    }
    game.shell.options[persist::Option::Music] = on ? 1 : 0;
}

void setWavSwitch(game::Game& game, bool on) {
    game.status[WavOff] = on ? 0 : 1;
    game.window.main.menuItem(kWavEntry).checked = on;
    game.shell.options[persist::Option::WavOff] = on ? 0 : 1;
}

void wavon1Click(game::Game& game) {
    setWavSwitch(game, game.status[WavOff] != 0);
}

void BGMON1Click(game::Game& game) {
    setMusicSwitch(game, game.status[MusicTrack] == 0);
}

} // namespace sound
