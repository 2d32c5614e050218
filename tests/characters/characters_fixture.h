// A new game in free play under mouse control with life 1000, offense 10 and defense 10, whose save
// folder is a scratch folder; the hero talks to a character by stepping up against it, and the
// dialogue is answered by clicks.
#pragma once

#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "support/game_test.h"
#include "support/scratch.h"
#include "world/status.h"
#include "world/tiles.h"

#include <gtest/gtest.h>
#include <string>

namespace characters_test {

using namespace world;

class CharacterTest : public GameTest {
  protected:
    testing_shell::ScratchFolder scratch;
    testing_shell::RecordingPlatform platform;

    void SetUp() override {
        testing_shell::setUpGame(game, scratch, scratch.path("game"));
        game.setPlatform(&platform);
        explore::MouseControl1Click(game);
        explore::speedhigh(game);
        explore::gameover(game);
        slot(Slot::Offense) = 10; // a plain hero, so that every gain shows in round numbers
        slot(Slot::Defense) = 10;
    }

    // The hero on cell (x, y) of a floor steps up against a character standing on (x, y - 1);
    // whatever script that starts plays until it ends or a dialogue waits.
    void talkTo(int floor, std::uint8_t character, int x = 5, int y = 5) {
        slot(Slot::Floor) = floor;
        slot(Slot::HeroX) = x;
        slot(Slot::HeroY) = y;
        game.map.setTile(floor, cellOf(x, y - 1), character);
        game::click(game, "BitBtn1");
        runTimer();
    }

    // Click a control of the main window and let the script it starts play.
    void click(const char* name) {
        game::click(game, name);
        runTimer();
    }

    std::string boxText() { return shown("RichEdit1") ? dialogText() : ""; }
};

} // namespace characters_test
