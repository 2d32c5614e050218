// Reading and driving a game in tests as the player sees and drives it: the status slots, the
// cells of the current floor, the message line, whether input is open, and the command timer
// that plays every script.
#pragma once

#include "game/events.h"
#include "render/present.h"
#include "script/script.h"
#include "state/game.h"
#include "window/window_model.h"
#include "world/catalogue.h"
#include "world/status.h"
#include "world/tiles.h"
#include "world/tower_map.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

namespace testing_game {

// True while the command timer plays a script; a dialog or the script's end stops it.
inline bool commandTimerOn(game::Game& game) {
    return game.window.timer("Timer2").enabled;
}

// Input is open while the Options menu entry is enabled (the input lock's own sign).
inline bool inputOpen(game::Game& game) {
    return game.window.main.menuItem("&Options").enabled;
}

// The main window's control as the player sees it: what the routines just changed is
// presented first, as at the end of every event.
inline window::Control& control(game::Game& game, const std::string& name) {
    render::present(game);
    return game.window.main.control(name);
}

// The message line under the play field.
inline std::string messageLine(game::Game& game) {
    return control(game, "Edit8").text;
}

// Tick the command timer while it runs, at most `limit` ticks: the script plays until it ends
// or a dialog waits for its "OK". Returns the number of ticks.
inline int runTimer(game::Game& game, int limit = 100000) {
    int ticks = 0;
    for (; ticks < limit && commandTimerOn(game); ++ticks)
        game::timerTick(game, "Timer2");
    return ticks;
}

// Play the running script to its very end, pressing "OK" on every dialog on the way.
// Returns the number of ticks.
inline int playPressingOk(game::Game& game, int limit = 100000) {
    int ticks = 0;
    while (ticks < limit) {
        if (commandTimerOn(game)) {
            game::timerTick(game, "Timer2");
            ++ticks;
        } else if (game.window.main.control("Button1").visible) {
            game::click(game, "Button1");
        } else {
            break;
        }
    }
    return ticks;
}

// Status slots with their values, as a table.
using SlotValues = std::initializer_list<std::pair<int, std::int32_t>>;

inline void setSlots(world::Status& status, SlotValues values) {
    for (const auto& [n, value] : values)
        status[n] = value;
}

// Every slot of the table holds its value; a failure names the slot.
inline void expectSlots(const world::Status& status, SlotValues values) {
    for (const auto& [n, value] : values)
        EXPECT_EQ(status[n], value) << "slot " << n;
}

// A line of the message catalogue as the game shows it.
inline std::string line(int n) {
    return std::string(world::catalogueLine(n));
}

} // namespace testing_game

// A test that owns one game and reads it through the helpers above.
class GameTest : public ::testing::Test {
  protected:
    game::Game game;

    std::int32_t& slot(int n) { return game.status[n]; }
    int floor() const { return game.status[world::Slot::Floor]; }
    int heroCell() const { return game.status.heroCell(); }

    // Cells of the current floor, or of the floor named.
    std::uint8_t tile(int cell) const { return game.map.tile(floor(), cell); }
    std::uint8_t tile(int onFloor, int cell) const { return game.map.tile(onFloor, cell); }
    void setTile(int cell, std::uint8_t code) { game.map.setTile(floor(), cell, code); }
    // Every cell of the current floor becomes road.
    void clearFloor() {
        for (int c = 0; c < world::kCells; ++c)
            setTile(c, world::Tile::Road);
    }

    void placeHero(int cell, world::Facing facing = world::Facing::Up) {
        slot(world::Slot::HeroX) = world::cellX(cell);
        slot(world::Slot::HeroY) = world::cellY(cell);
        slot(world::Slot::Facing) = static_cast<std::int32_t>(facing);
    }

    window::Control& control(const std::string& name) { return testing_game::control(game, name); }
    bool shown(const std::string& name) { return control(name).visible; }
    // The text of the dialogue box, and whether its "OK" waits.
    std::string dialogText() { return control("RichEdit1").text; }
    bool dialogOpen() { return shown("Button1"); }
    std::string messageLine() { return testing_game::messageLine(game); }
    bool inputOpen() { return testing_game::inputOpen(game); }

    // Menu entries: whether one is checked, and choosing one (which must be known).
    bool checked(const std::string& path) { return game.window.main.menuItem(path).checked; }
    void choose(const std::string& path) { ASSERT_TRUE(game::menuCommand(game, path)) << path; }

    bool commandTimerOn() { return testing_game::commandTimerOn(game); }
    void tick() { game::timerTick(game, "Timer2"); }
    int runTimer(int limit = 100000) { return testing_game::runTimer(game, limit); }
    int playPressingOk(int limit = 100000) { return testing_game::playPressingOk(game, limit); }

    // Entries given in playing order are played through the executor, every dialog answered.
    void play(std::initializer_list<script::CommandEntry> entries) {
        script::Script(game, entries).play(game);
        playPressingOk();
    }

    static std::string line(int n) { return testing_game::line(n); }
};
