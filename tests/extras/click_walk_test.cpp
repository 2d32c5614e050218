// Click to walk: the way the hero takes on crafted floors, and the walk itself as it goes
// through the game's arrow buttons one step per animation tick.
#include "explore/movement.h"
#include "extras/click_walk.h"
#include "extras/inputs.h"
#include "support/free_play.h"
#include "world/status.h"
#include "world/tiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace world;

class ClickWalkTest : public FreePlayTest {
  protected:
    void SetUp() override {
        FreePlayTest::SetUp();
        clearFloor();
        placeHero(cellOf(0, 5));
        game.status[Slot::ShieldTaken + 4] = 0; // the new game's Sacred Shield would guard him
    }

    void set(int x, int y, std::uint8_t code) { setTile(cellOf(x, y), code); }
    // Walls on every cell of a row but the listed gaps.
    void wallRow(int y, std::vector<int> gaps = {}) {
        for (int x = 0; x < kSide; ++x) {
            if (std::find(gaps.begin(), gaps.end(), x) == gaps.end())
                set(x, y, Tile::Wall);
        }
    }

    // One tick of every timer that runs, as the window's event loop gives them.
    void tickRunningTimers(std::int64_t nowMs) {
        std::vector<std::string> running;
        for (const window::Timer& t : game.window.timers)
            if (t.enabled)
                running.push_back(t.name);
        for (const std::string& name : running)
            extras::timerTick(game, name, nowMs);
    }

    // Ticks until the walk is over (at most `limit`), then the command timer's ticks until
    // whatever the last step started has played.
    void walkOut(int limit = 200) {
        for (int t = 0; t < limit && game.extras.walkTarget; ++t)
            tickRunningTimers(150 * t);
        for (int t = 0; t < 10000 && game.window.timer("Timer2").enabled; ++t)
            extras::timerTick(game, "Timer2", 0);
    }

    static bool besideOrOn(int a, int b) {
        return std::abs(cellX(a) - cellX(b)) + std::abs(cellY(a) - cellY(b)) <= 1;
    }
};

TEST_F(ClickWalkTest, TheWayGoesAroundAMagiciansReachUnlessTheSacredShieldGuards) {
    const int magician = cellOf(5, 5);
    set(5, 5, Tile::MagicianA);
    const auto way = extras::walkPath(game, cellOf(10, 5));
    ASSERT_TRUE(way);
    EXPECT_EQ(way->back(), cellOf(10, 5));
    for (int cell : *way)
        EXPECT_FALSE(besideOrOn(cell, magician)) << "cell " << cell;
    EXPECT_EQ(way->size(), 14u);    // round the magician's four struck cells: 10 across, 2 x 2
    set(5, 5, Tile::MagicianA + 1); // his second animation picture strikes as well
    EXPECT_EQ(extras::walkPath(game, cellOf(10, 5))->size(), 14u);

    game.status[Slot::ShieldTaken + 4] = 1; // no blow reaches him now: the straight way
    set(5, 5, Tile::Road);
    set(5, 4, Tile::MagicianB);
    const auto straight = extras::walkPath(game, cellOf(10, 5));
    ASSERT_TRUE(straight);
    EXPECT_EQ(straight->size(), 10u);
}

TEST_F(ClickWalkTest, APincerCellIsOnlyEnteredWhenClicked) {
    // A corridor in row 5 whose cell (5, 5) lies between two Magic Sergeants.
    wallRow(4, {5});
    wallRow(6, {5});
    set(5, 4, Tile::MagicSergeant);
    set(5, 6, Tile::MagicSergeant);
    EXPECT_FALSE(extras::walkPath(game, cellOf(10, 5)));
    const auto intoPincer = extras::walkPath(game, cellOf(5, 5));
    ASSERT_TRUE(intoPincer);
    EXPECT_EQ(intoPincer->size(), 5u);
}

TEST_F(ClickWalkTest, NoWayMeansTheClickDoesNothing) {
    wallRow(4);
    placeHero(cellOf(2, 2));
    EXPECT_FALSE(extras::walkPath(game, cellOf(2, 8))); // beyond a wall
    EXPECT_FALSE(extras::walkPath(game, cellOf(3, 4))); // a wall itself
    EXPECT_FALSE(extras::walkPath(game, cellOf(2, 2))); // his own cell
    set(2, 6, Tile::EventCell);
    EXPECT_FALSE(extras::walkPath(game, cellOf(2, 6))); // a scene cell out of reach

    extras::clickCell(game, 2, 8);
    EXPECT_FALSE(game.extras.walkTarget);
    EXPECT_EQ(heroCell(), cellOf(2, 2));
}

TEST_F(ClickWalkTest, AScenesCellIsWalkedAroundUnlessItIsTheTarget) {
    set(1, 5, Tile::EventCell);
    const auto around = extras::walkPath(game, cellOf(2, 5));
    ASSERT_TRUE(around);
    EXPECT_EQ(around->size(), 4u);
    const auto into = extras::walkPath(game, cellOf(1, 5));
    ASSERT_TRUE(into);
    EXPECT_EQ(into->size(), 1u);
}

TEST_F(ClickWalkTest, AClickedDoorIsWalkedToAndOpened) {
    wallRow(3, {6});
    set(6, 3, Tile::YellowDoor);
    game.status[Slot::YellowKeys] = 1;
    const auto way = extras::walkPath(game, cellOf(6, 3));
    ASSERT_TRUE(way);
    EXPECT_EQ(way->back(), cellOf(6, 3));

    extras::clickCell(game, 6, 3);
    EXPECT_TRUE(game.extras.walkTarget);
    EXPECT_EQ(heroCell(), way->front()) << "the first step is taken at once";
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(6, 4)) << "he stops in front of the door";
    EXPECT_EQ(game.map.tile(floor(), cellOf(6, 3)), Tile::Road);
    EXPECT_EQ(game.status[Slot::YellowKeys], 0);
}

TEST_F(ClickWalkTest, AClickOrADialogStopsTheWalk) {
    extras::clickCell(game, 10, 5);
    tickRunningTimers(150);
    EXPECT_EQ(heroCell(), cellOf(2, 5));
    extras::clickCell(game, 10, 5); // a click while he walks only stops him
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(2, 5));

    extras::clickCell(game, 10, 5);
    game.window.main.control("RichEdit1").visible = true; // a character speaks
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(3, 5));
    EXPECT_FALSE(game.extras.walkTarget);
}

TEST_F(ClickWalkTest, OnlyUnderMouseControlWithTheSwitchOn) {
    game.extras.clickToWalk = false;
    extras::clickCell(game, 3, 5);
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(0, 5));

    game.extras.clickToWalk = true;
    explore::KeyboardControl1Click(game);
    extras::clickCell(game, 3, 5);
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(0, 5));

    explore::MouseControl1Click(game);
    extras::clickCell(game, 3, 5);
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(3, 5));
}

TEST_F(ClickWalkTest, AFightAtTheEndIsTheGamesOwn) {
    set(4, 5, 61); // a Green Slime
    extras::clickCell(game, 4, 5);
    walkOut();
    EXPECT_EQ(game.map.tile(floor(), cellOf(4, 5)), Tile::Road);
    EXPECT_EQ(game.status[Slot::Gold], 1);
}

// The walk keeps its own pace: where the animation is stopped (the prison after the capture)
// it goes on all the same, at the speed's interval, and its timer stops with it.
TEST_F(ClickWalkTest, TheWalkGoesOnWhileTheAnimationIsStopped) {
    game.window.timer("Timer1").enabled = false;
    extras::clickCell(game, 10, 5);
    walkOut();
    EXPECT_EQ(heroCell(), cellOf(10, 5));
    for (const window::Timer& t : game.window.timers)
        EXPECT_FALSE(t.enabled) << t.name;
    explore::speedlow(game);
    extras::clickCell(game, 5, 5);
    for (const window::Timer& t : game.window.timers) {
        if (t.enabled) {
            EXPECT_EQ(t.intervalMs, 350) << t.name;
        }
    }
}

} // namespace
