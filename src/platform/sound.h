// The sound seam: sound effects and music, played by the shell's audio backend.
// File names are relative to the game folder ("wav/open.wav", "midi/...").
#pragma once

#include <string>

namespace sound {

// The effect players and the music player as the game drives them. The music player's notice
// at the normal end of a track does not pass through this seam: the shell brings it to the
// event thread and hands it to game::musicEnded. A backend sends that notice only for the
// track it is playing now, never for one that was stopped or replaced.
class Sound {
  public:
    virtual ~Sound() = default;
    // Open an effect player with its file ahead of play (the four fixed players of a new
    // game), so that its first play starts at once. Playing does not need it.
    virtual void loadEffect(const std::string& file) { (void)file; }
    // Play an effect from its start on its player (see effectPlayer in sound/tables.h).
    virtual void playEffect(const std::string& file) = 0;
    // Open the music player with a MIDI file and play it once from the start.
    virtual void startMusic(const std::string& file) = 0;
    // Close the music player: the music stops, and no end notice follows.
    virtual void stopMusic() = 0;
    // Close the one-shot effect player: whatever it plays stops.
    virtual void closeOneShot() {}
};

// Silence: the default of a Game until a shell sets a real backend.
class Silence final : public Sound {
  public:
    void playEffect(const std::string&) override {}
    void startMusic(const std::string&) override {}
    void stopMusic() override {}
};

} // namespace sound
