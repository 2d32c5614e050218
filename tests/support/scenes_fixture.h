// A game in free play, moved to the floor of a scene and driven through the game's doors.
#pragma once

#include "script/executor.h"
#include "script/script.h"
#include "support/explore_fixture.h"

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

    // The after-fight check of the current floor, as a won fight plays it last.
    void afterFight() { play({{Cmd::Special, script::Special::AfterFight, 5}}); }
};

} // namespace scenes_test
