// A game in free play on floor 1 under mouse control at high speed, its sound recorded:
// the starting point of the tests that drive the game through its own doors.
#pragma once

#include "explore/movement.h"
#include "explore/new_game.h"
#include "platform/recording_sound.h"
#include "state/game.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

class FreePlayTest : public ::testing::Test {
  protected:
    game::Game game;
    sound::RecordingSound sound;

    void SetUp() override {
        game.window = window::makeWindowModel();
        game.setSound(&sound);
        explore::MouseControl1Click(game);
        explore::speedhigh(game);
        game::gameover(game);
        sound.calls.clear(); // the effect players a new game prepares are not under test
    }
};
