// The sound seam: sound effects and music, played by the shell's audio backend.
// File names are relative to the game folder ("wav/open.wav", "midi/...").
#pragma once

#include <string>

namespace sound {

class Sound {
  public:
    virtual ~Sound() = default;
    virtual void playEffect(const std::string& file) = 0;
    virtual void startMusic(const std::string& file) = 0;
    virtual void stopMusic() = 0;
};

// Silence: the default of a Game until a shell sets a real backend.
class Silence final : public Sound {
  public:
    void playEffect(const std::string&) override {}
    void startMusic(const std::string&) override {}
    void stopMusic() override {}
};

} // namespace sound
