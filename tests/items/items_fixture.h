// A game in free play, driven through the game's own doors: icon and button clicks, presses
// and releases, and the ticks of the timers.
#pragma once

#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "platform/recording_sound.h"
#include "script/input_lock.h"
#include "state/game.h"
#include "support/free_play.h"
#include "window/main_window.h"
#include "world/catalogue.h"
#include "world/status.h"
#include "world/tiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace items_test {

using namespace world;

class ItemsTest : public FreePlayTest {
  protected:
    std::int32_t& slot(int n) { return game.status[n]; }
    int floor() const { return game.status[Slot::Floor]; }
    int heroCell() const { return cellOf(game.status[Slot::HeroX], game.status[Slot::HeroY]); }
    std::uint8_t tile(int cell) const { return game.map.tile(floor(), cell); }
    void setTile(int cell, std::uint8_t code) { game.map.setTile(floor(), cell, code); }
    window::Control& control(const std::string& name) { return game.window.main.control(name); }

    // Put the hero on a cell of a floor, with the floor around him cleared to road.
    void standOn(int floorNumber, int cell) {
        slot(Slot::Floor) = floorNumber;
        for (int c = 0; c < kCells; ++c)
            game.map.setTile(floorNumber, c, Tile::Road);
        slot(Slot::HeroX) = cellX(cell);
        slot(Slot::HeroY) = cellY(cell);
    }

    // Hand the hero an item and reopen input, as after a pick-up.
    void give(int itemSlot, std::int32_t value = 1) {
        slot(itemSlot) = value;
        script::itemlive(game);
    }

    void click(const std::string& name) { game::click(game, name); }

    // Click an item's icon and answer "Use".
    void use(const std::string& icon) {
        click(icon);
        click("Button38");
    }

    bool inputOpen() { return game.window.main.menuItem("&Options").enabled; }
    bool commandTimerOn() { return game.window.timer("Timer2").enabled; }

    // Tick the command timer until it stops; returns the number of ticks.
    int playOut(int limit = 100000) {
        int ticks = 0;
        while (commandTimerOn() && ticks < limit) {
            game::timerTick(game, "Timer2");
            ++ticks;
        }
        return ticks;
    }

    std::string messageLine() { return control("Edit8").text; }
    static std::string line(int n) { return std::string(catalogueLine(n)); }
};

} // namespace items_test
