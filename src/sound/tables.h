// What plays when: the sound effects of command 1 and the music tracks of Status[90], with
// the files the game folder holds for them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sound {

// Sound effects by the first argument of command 1. Arguments 5 and 6 act on the music.
namespace Effect {
enum : int {
    Open = 1,    // a door opening, a wall falling, a cell turning into road
    Get = 2,     // picking up, buying, receiving, using an item, the altar
    Battle = 3,  // each blow of a fight
    Zeno = 4,    // the opening and scripted floor events
    MusicOn = 5, // start the selected track again
    MusicOff = 6,
    Floor3 = 7,  // appearance scenes of Zeno and the Magic Sergeants
    Floor20 = 8, // one floor event
    Stairs = 9,  // taking the stairs
};
}

// The five effect players: four hold one file each for the whole game, the fifth is opened
// with a new file for each one-shot effect.
inline constexpr int kEffectPlayers = 5;
inline constexpr int kOneShotPlayer = 4;

struct EffectFile {
    int effect;
    std::string_view file;
    int player; // 0..3 the fixed players, kOneShotPlayer the one-shot player
};
inline constexpr std::array<EffectFile, 7> kEffects{{
    {Effect::Open, "wav/open.wav", 0},
    {Effect::Get, "wav/get.wav", 1},
    {Effect::Battle, "wav/taisen.wav", 2},
    {Effect::Zeno, "wav/zeno.wav", 3},
    {Effect::Floor3, "wav/3f.wav", kOneShotPlayer},
    {Effect::Floor20, "wav/20f.wav", kOneShotPlayer},
    {Effect::Stairs, "wav/kai.wav", kOneShotPlayer},
}};

// The music tracks: Status[90] names one, 0 is music off.
struct TrackFile {
    int track;
    std::string_view file;
};
inline constexpr std::array<TrackFile, 16> kTracks{{
    {5, "midi/b_067xgw.mid"},  // floors 1..10
    {6, "midi/b_058xgw.mid"},  // floors 11..20
    {17, "midi/b_110xgw.mid"}, // floors 21..30
    {8, "midi/a_118xgw.mid"},  // floors 31..40
    {9, "midi/a_019xgw.mid"},  // floors 41..49
    {10, "midi/b_018xgw.mid"}, // floor 50
    {11, "midi/a_050xgw.mid"}, // the ending screen
    {12, "midi/a_085xgw.mid"}, // the fairy
    {13, "midi/a_032xgw.mid"}, // the gate of time and space
    {14, "midi/a_046xgw.mid"}, // the hero's death
    {15, "midi/a_005xgw.mid"}, // a floor event scene
    {7, "midi/a_008xgw.mid"},  // event cells
    {16, "midi/a_007xgw.mid"},
    {18, "midi/a_023xgw.mid"},
    {19, "midi/b_117xgw.mid"},
    {20, "midi/b_014xgw.mid"}, // the ending slideshow
}};

// The file of an effect of command 1, empty for 5, 6 and arguments outside the table.
std::string_view effectFile(int effect);

// The player an effect file plays on; the one-shot player for a file outside the table.
int effectPlayer(std::string_view file);

// The file of a music track, empty for 0 and for tracks outside the table.
std::string_view trackFile(int track);

// The track of a floor's music, 0 for a floor without music (floor 0).
int floorTrack(std::int32_t floor);

} // namespace sound
