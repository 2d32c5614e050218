// A game in free play, driven through the game's own doors: icon and button clicks, presses
// and releases, and the ticks of the timers.
#pragma once

#include "game/events.h"
#include "script/input_lock.h"
#include "support/free_play.h"
#include "world/status.h"
#include "world/tiles.h"

#include <string>

namespace items_test {

using namespace world;

class ItemsTest : public FreePlayTest {
  protected:
    // Put the hero on a cell of a floor, with the floor around him cleared to road.
    void standOn(int floorNumber, int cell) {
        slot(Slot::Floor) = floorNumber;
        clearFloor();
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
};

} // namespace items_test
