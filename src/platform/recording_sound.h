// A sound backend that writes down what the game asked of it, for tests and the headless
// driver: "load wav/open.wav", "effect wav/get.wav", "music midi/b_067xgw.mid", "stop music",
// "close one-shot".
#pragma once

#include "platform/sound.h"

#include <string>
#include <vector>

namespace sound {

class RecordingSound final : public Sound {
  public:
    std::vector<std::string> calls;

    void loadEffect(const std::string& file) override { calls.push_back("load " + file); }
    void playEffect(const std::string& file) override { calls.push_back("effect " + file); }
    void startMusic(const std::string& file) override { calls.push_back("music " + file); }
    void stopMusic() override { calls.push_back("stop music"); }
    void closeOneShot() override { calls.push_back("close one-shot"); }
};

} // namespace sound
