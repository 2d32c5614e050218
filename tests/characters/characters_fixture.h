// A new game in free play under mouse control with life 1000, offense 10 and defense 10, whose save
// folder is a scratch folder; the hero talks to a character by stepping up against it, and the
// dialogue is answered by clicks.
#pragma once

#include "../persist/scratch.h"
#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "script/executor.h"
#include "state/game.h"
#include "world/catalogue.h"
#include "world/status.h"
#include "world/tiles.h"

#include <gtest/gtest.h>
#include <string>

namespace characters_test {

using namespace world;

class CharacterTest : public ::testing::Test {
  protected:
    testing_shell::ScratchFolder scratch;
    testing_shell::RecordingPlatform platform;
    game::Game game;

    void SetUp() override {
        testing_shell::setUpGame(game, scratch, scratch.path("game"));
        game.setPlatform(&platform);
        explore::MouseControl1Click(game);
        explore::speedhigh(game);
        game::gameover(game);
        slot(Slot::Offense) = 10; // a plain hero, so that every gain shows in round numbers
        slot(Slot::Defense) = 10;
    }

    std::int32_t& slot(int n) { return game.status[n]; }
    std::uint8_t tile(int floor, int cell) const { return game.map.tile(floor, cell); }

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

    bool commandTimerOn() { return game.window.timer("Timer2").enabled; }
    void runTimer() {
        for (int ticks = 0; commandTimerOn() && ticks < 10000; ++ticks)
            game::timerTick(game, "Timer2");
    }
    // Click a control of the main window and let the script it starts play.
    void click(const char* control) {
        game::click(game, control);
        runTimer();
    }

    window::Control& control(const char* name) { return game.window.main.control(name); }
    bool shown(const char* name) { return control(name).visible; }
    std::string boxText() { return shown("RichEdit1") ? control("RichEdit1").text : ""; }
    std::string messageLine() { return control("Edit8").text; }
    bool inputOpen() { return game.window.main.menuItem("&Options").enabled; }

    static std::string line(int n) { return std::string(catalogueLine(n)); }
};

} // namespace characters_test
