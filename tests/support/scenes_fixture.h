// A game in free play, moved to the floor of a scene and driven through the game's doors.
#pragma once

#include "explore_fixture.h"
#include "script/script.h"
#include "world/catalogue.h"

#include <initializer_list>
#include <string>

namespace scenes_test {

using namespace world;
using script::CommandEntry;
namespace Cmd = script::Cmd;

class ScenesTest : public explore_test::ExploreTest {
  protected:
    // The hero stands on a cell of a floor, facing up.
    void goTo(int onFloor, int cell, Facing facing = Facing::Up) {
        slot(Slot::Floor) = onFloor;
        placeHero(cell, facing);
        game.heroCell = cell;
    }

    // Every cell of the current floor becomes road.
    void clearFloor() {
        for (int c = 0; c < kCells; ++c)
            setTile(c, Tile::Road);
    }

    // Entries given in playing order are played through the executor, every dialog answered.
    void play(std::initializer_list<CommandEntry> entries) {
        script::Script(game, entries).push(game);
        script::timer2on(game);
        playOut();
    }

    // The after-fight check of the current floor, as a won fight plays it last.
    void afterFight() { play({{Cmd::Special, script::Special::AfterFight, 5}}); }

    std::string line(int n) { return std::string(catalogueLine(n)); }
    std::string dialogText() { return game.window.main.control("RichEdit1").text; }
    bool dialogOpen() { return game.window.main.control("Button1").visible; }
};

} // namespace scenes_test
