// A new game on floor 1 with a recording sound backend, driven through the game's doors.
#pragma once

#include "game/events.h"
#include "script/executor.h"
#include "script/script.h"
#include "support/free_play.h"
#include "world/status.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace sound_test {

using Calls = std::vector<std::string>;
using world::Slot::Floor;
using world::Slot::MusicTrack;
using world::Slot::WavOff;

class SoundTest : public SoundRecordingTest {
  protected:
    // A script of command 1 for each effect number, in this order, played out.
    void playEffects(std::initializer_list<int> effects) {
        script::Script script(game);
        for (int effect : effects)
            script.sound(effect);
        script.play(game);
        runTimer();
    }

    // The music of `floor` switched on from the menu, then the calls forgotten.
    void musicOnAt(int floor) {
        slot(Floor) = floor;
        choose("&Options/&BGM On");
        sound.calls.clear();
    }
};

} // namespace sound_test
