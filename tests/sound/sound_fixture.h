// A new game on floor 1 with a recording sound backend, driven through the game's doors.
#pragma once

#include "explore/new_game.h"
#include "game/events.h"
#include "platform/recording_sound.h"
#include "script/executor.h"
#include "script/script.h"
#include "state/command_stack.h"
#include "state/game.h"
#include "window/main_window.h"
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

class SoundTest : public ::testing::Test {
  protected:
    game::Game game;
    sound::RecordingSound sound;

    void SetUp() override {
        game.window = window::makeWindowModel();
        game.setSound(&sound);
        game::gameover(game);
        sound.calls.clear();
    }

    std::int32_t& slot(int n) { return game.status[n]; }
    bool checked(const char* entry) { return game.window.main.menuItem(entry).checked; }
    void choose(const char* entry) { ASSERT_TRUE(game::menuCommand(game, entry)); }

    // Play a script through the command timer until the stack is empty.
    void play(std::initializer_list<script::CommandEntry> script) {
        script::Script(game, script).push(game);
        script::timer2on(game);
        for (int tick = 0; tick < 100 && game.window.timer("Timer2").enabled; ++tick)
            game::timerTick(game, "Timer2");
    }

    // The music of `floor` switched on from the menu, then the calls forgotten.
    void musicOnAt(int floor) {
        slot(Floor) = floor;
        choose("&Options/&BGM On");
        sound.calls.clear();
    }
};

} // namespace sound_test
