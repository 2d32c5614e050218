#include "sound/music.h"

#include "sound/tables.h"
#include "state/game.h"

#include <string>

namespace sound {
namespace {

using world::Slot::Floor;
using world::Slot::MusicTrack;
using world::Slot::WavOff;

bool musicOn(const game::Game& game) {
    return game.status[MusicTrack] != 0;
}

bool effectsOn(const game::Game& game) {
    return game.status[WavOff] == 0;
}

} // namespace

void soundcheck(game::Game& game) {
    if (const int track = floorTrack(game.status[Floor]); track != 0)
        game.status[MusicTrack] = track;
}

void soundplay(game::Game& game) {
    const std::string_view own = trackFile(game.status[MusicTrack]);
    playMusicFile(game, own.empty() ? std::string_view(game.audio.musicFile) : own);
}

void playMusicFile(game::Game& game, std::string_view file) {
    closeMusic(game);
    game.audio.musicFile = file;
    if (!file.empty())
        game.sound().startMusic(game.audio.musicFile);
}

void closeMusic(game::Game& game) {
    game.sound().stopMusic();
}

void mediaplayer5onnotify(game::Game& game) {
    soundplay(game);
}

void floorMusic(game::Game& game) {
    if (!game.options.music)
        return;
    soundcheck(game);
    soundplay(game);
}

void changeTrack(game::Game& game, int track) {
    if (!musicOn(game))
        return;
    game.status[MusicTrack] = track;
    soundplay(game);
}

void musicRestart(game::Game& game) {
    soundcheck(game);
    soundplay(game);
}

void soundCommand(game::Game& game, int what) {
    if (what == Effect::MusicOn) {
        if (musicOn(game))
            soundplay(game);
        return;
    }
    if (what == Effect::MusicOff) {
        if (musicOn(game))
            closeMusic(game);
        return;
    }
    playEffect(game, what);
}

void playEffect(game::Game& game, int what) {
    const std::string_view file = effectFile(what);
    if (!file.empty() && effectsOn(game))
        game.sound().playEffect(std::string(file));
}

void openEffectPlayers(game::Game& game) {
    for (const EffectFile& e : kEffects)
        if (e.player != kOneShotPlayer)
            game.sound().loadEffect(std::string(e.file));
}

} // namespace sound
