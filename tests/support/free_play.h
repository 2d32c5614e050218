// A new game whose sound is recorded, and the same game in free play on floor 1 under mouse
// control at high speed: the starting points of the tests that drive the game through its own
// doors.
#pragma once

#include "explore/movement.h"
#include "explore/new_game.h"
#include "platform/recording_sound.h"
#include "support/game_test.h"
#include "window/main_window.h"

class SoundRecordingTest : public GameTest {
  protected:
    sound::RecordingSound sound;

    void SetUp() override {
        game.window = window::makeWindowModel();
        game.setSound(&sound);
        chooseOptions();
        explore::gameover(game);
        sound.calls.clear(); // the effect players a new game prepares are not under test
    }

    // The options chosen before the new game starts.
    virtual void chooseOptions() {}
};

class FreePlayTest : public SoundRecordingTest {
  protected:
    void chooseOptions() override {
        explore::MouseControl1Click(game);
        explore::speedhigh(game);
    }
};
