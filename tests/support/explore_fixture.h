// A game in free play on floor 1, driven through the game's own doors (keys, clicks, ticks).
#pragma once

#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "picture/picture.h"
#include "platform/recording_sound.h"
#include "script/executor.h"
#include "state/game.h"
#include "support/free_play.h"
#include "window/main_window.h"
#include "world/status.h"
#include "world/tiles.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace explore_test {

using namespace world;

// Picture n of the synthetic lists is filled with colour n + 1, so every picture can be told
// apart on the play field; hero masks are black (the hero covers his whole cell).
inline render::Picture plainPicture(int n) {
    return render::Picture(32, 32, static_cast<render::Pixel>(n + 1));
}

class ExploreTest : public FreePlayTest {
  protected:
    // Pictures for the drawing tests: every picture a plain colour of its own.
    void usePlainPictures() {
        auto& list = game.render.imageList1.pictures;
        list.clear();
        for (int n = 0; n < 218; ++n)
            list.push_back(plainPicture(n));
        for (int q = 185; q < 216; q += 2)
            list[static_cast<std::size_t>(q)] = render::Picture(32, 32, render::kBlack);
        game.render.imageList3.pictures = list;
    }

    std::int32_t& slot(int n) { return game.status[n]; }
    int floor() const { return game.status[Slot::Floor]; }
    int heroCell() const { return cellOf(game.status[Slot::HeroX], game.status[Slot::HeroY]); }
    std::uint8_t tile(int cell) const { return game.map.tile(floor(), cell); }
    void setTile(int cell, std::uint8_t code) { game.map.setTile(floor(), cell, code); }

    void placeHero(int cell, Facing facing = Facing::Up) {
        slot(Slot::HeroX) = cellX(cell);
        slot(Slot::HeroY) = cellY(cell);
        slot(Slot::Facing) = static_cast<std::int32_t>(facing);
    }

    // Step from the hero's cell towards a neighbour through the arrow buttons of mouse
    // control, as the player clicks them.
    void step(Direction d) {
        constexpr const char* kButtons[] = {"BitBtn1", "BitBtn4", "BitBtn2", "BitBtn3"};
        game::click(game, kButtons[static_cast<int>(d)]);
    }

    bool commandTimerOn() { return game.window.timer("Timer2").enabled; }
    bool inputOpen() { return game.window.main.menuItem("&Options").enabled; }
    int stackTop() const { return game.explore.stack.size(); }

    void tick() { game::timerTick(game, "Timer2"); }

    // Tick while the command timer runs (a dialog stops it). Returns the number of ticks.
    int runTimer(int limit = 100000) {
        int ticks = 0;
        while (commandTimerOn() && ticks < limit) {
            tick();
            ++ticks;
        }
        return ticks;
    }

    // Play the running script to its end, pressing "OK" on every dialog on the way.
    // Returns the number of ticks.
    int playOut(int limit = 100000) {
        int ticks = 0;
        while (ticks < limit) {
            if (commandTimerOn()) {
                tick();
                ++ticks;
            } else if (game.window.main.control("Button1").visible) {
                game::click(game, "Button1");
            } else {
                break;
            }
        }
        return ticks;
    }

    std::string messageLine() { return game.window.main.control("Edit8").text; }
};

} // namespace explore_test
