// A game in free play on floor 1, driven through the game's own doors (keys, clicks, ticks).
#pragma once

#include "picture/picture.h"
#include "script/executor.h"
#include "support/free_play.h"
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

    // Step from the hero's cell towards a neighbour through the arrow buttons of mouse
    // control, as the player clicks them.
    void step(Direction d) {
        constexpr const char* kButtons[] = {"BitBtn1", "BitBtn4", "BitBtn2", "BitBtn3"};
        game::click(game, kButtons[static_cast<int>(d)]);
    }

    // The hero on `cell` steps up against the tile put above him; what the step starts is left
    // to the test to play.
    void stepUpAgainst(std::uint8_t code, int cell = cellOf(5, 5)) {
        placeHero(cell);
        setTile(cell - kSide, code);
        step(Direction::Up);
    }

    // Put a tile above the hero, on the current floor or on the floor given, and step against
    // it; the script plays out.
    void stepOnto(std::uint8_t code) {
        stepUpAgainst(code);
        playPressingOk();
    }
    void stepOnto(std::uint8_t code, int onFloor) {
        slot(Slot::Floor) = onFloor;
        stepOnto(code);
    }

    int stackTop() const { return game.explore.stack.size(); }
};

} // namespace explore_test
