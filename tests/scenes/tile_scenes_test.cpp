// The scenes a step sets off on its own cell: the false wall, the hidden triggers, the Gate of
// Time and Space, the event cells and the lava turned to road.
#include "scenes/tile_scenes.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

using TileScenesTest = ScenesTest;

TEST_F(TileScenesTest, TheFalseWallSinksIntoRoad) {
    stepOnto(Tile::FalseWall);
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road);
    EXPECT_EQ(heroCell(), cellOf(5, 5));
    EXPECT_EQ(messageLine(), line(137));
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 150); // the speed is back
}

TEST_F(TileScenesTest, HiddenTriggersRevealOnlyWhereSomethingHides) {
    slot(Slot::Floor) = 41;
    placeHero(cellOf(9, 2));
    setTile(cellOf(9, 1), Tile::Hidden);
    setTile(12, Tile::MagicianA); // the first Magician A still stands
    step(Direction::Up);
    EXPECT_EQ(stackTop(), 0);
    setTile(12, Tile::Road);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(tile(20), Tile::MagicianA);

    slot(Slot::Floor) = 12;
    placeHero(cellOf(10, 1));
    setTile(10, Tile::Hidden);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(tile(10), Tile::Merchant);
}

TEST_F(TileScenesTest, TheGateOfTimeAndSpacePlaysTheDollScene) {
    slot(Slot::Floor) = 26;
    placeHero(cellOf(5, 6));
    setTile(60, Tile::TimeGate);
    game.map.setTile(25, 60, Tile::Road); // the Great Magic Master is beaten
    step(Direction::Up);
    EXPECT_EQ(game.map.tile(kTopFloor, 49), Tile::Thief);
    EXPECT_EQ(game.map.tile(24, 5), Tile::EventCell);
    EXPECT_EQ(game.map.tile(24, 4), Tile::Wall);
    runTimer();
    EXPECT_EQ(dialogText(), line(24)); // dialog 25
    game::click(game, "Button1");
    runTimer();
    EXPECT_EQ(dialogText(), line(25)); // dialog 26
    playPressingOk();
    EXPECT_EQ(slot(90 + 25), 1);
    EXPECT_EQ(slot(90 + 26), 1);
    EXPECT_EQ(heroCell(), cellOf(5, 6));
    EXPECT_TRUE(inputOpen());
}

TEST_F(TileScenesTest, EventCellsWalkOrTurnToWallAndNeverLeaveInputClosed) {
    // Floor 23: the road ahead turns into a wall and the hero stays.
    slot(Slot::Floor) = 23;
    stepUpAgainst(Tile::EventCell);
    playPressingOk();
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Wall);
    EXPECT_EQ(heroCell(), cellOf(5, 5));
    EXPECT_EQ(messageLine(), line(241));
    EXPECT_TRUE(inputOpen());

    // Floor 10: the hero walks onto it and it becomes road; input is open again even when the
    // floor's scene has nothing to play.
    slot(Slot::Floor) = 10;
    setTile(cellOf(5, 4), Tile::EventCell);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(heroCell(), cellOf(5, 4));
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road);
    EXPECT_TRUE(inputOpen());

    // An event cell on a floor without an event.
    slot(Slot::Floor) = 5;
    setTile(cellOf(5, 3), Tile::EventCell);
    step(Direction::Up);
    EXPECT_EQ(heroCell(), cellOf(5, 4));
    EXPECT_TRUE(inputOpen());
}

TEST_F(TileScenesTest, ToRoadSpreadsRoadOverTheCellInFiveSteps) {
    setTile(30, Tile::Lava);
    game.targetCell = 30;
    scenes::toroad2(game);
    EXPECT_EQ(stackTop(), 21);
    EXPECT_EQ(game.explore.stack.topEntry(), script::CommandEntry(script::Cmd::Sound, 1, 0));
    EXPECT_EQ(game.explore.stack.at(stackTop() - 2),
              script::CommandEntry(script::Cmd::MaskedSprite, 30, 166));
    EXPECT_EQ(game.explore.stack.at(stackTop() - 3),
              script::CommandEntry(script::Cmd::Pause, Tile::Lava, Tile::Road));
    playPressingOk();
    EXPECT_EQ(tile(30), Tile::Road);
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace scenes_test
