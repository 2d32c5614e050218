#include "explore/doors.h"
#include "script/script.h"
#include "support/explore_fixture.h"
#include "world/catalogue.h"

namespace explore_test {
namespace {

using script::CommandEntry;
namespace Cmd = script::Cmd;

class DoorsTest : public ExploreTest {
  protected:
    // Floor 1: the yellow door on cell 93 (x 5, y 8) lies above the hero at x 5, y 9.
    static constexpr int kDoor = 93;
    void faceTheDoor() { placeHero(cellOf(5, 9)); }

    // One frame of a door animation, played through the executor.
    render::Picture frame(int kind, int k, int cell = 30) {
        script::Script(game, {{Cmd::DoorFrame, cell, kind}, {Cmd::Pause, 0, k}}).push(game);
        script::timer2on(game);
        tick();
        return render::copyRect(game.render.frameA, {cellX(cell) * 32, cellY(cell) * 32, 32, 32});
    }
    render::Pixel colourOf(int picture) { return plainPicture(picture).at(0, 0); }
};

TEST_F(DoorsTest, AYellowKeyOpensTheDoorInSixteenFrames) {
    slot(Slot::YellowKeys) = 2;
    faceTheDoor();
    step(Direction::Up);
    EXPECT_EQ(slot(Slot::YellowKeys), 1);
    EXPECT_EQ(tile(kDoor), Tile::YellowDoor); // the door is still shut until the first frame
    tick();                                   // the door sound and a pause
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"effect wav/open.wav"}));
    tick(); // frame 1
    EXPECT_EQ(tile(kDoor), Tile::Road);
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 10);
    const int ticks = runTimer();
    EXPECT_EQ(ticks, 17); // frames 2..16, the panels with the message, the stop
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 150);
    EXPECT_EQ(messageLine(), world::catalogueLine(131));
    EXPECT_EQ(heroCell(), cellOf(5, 9));
    EXPECT_TRUE(inputOpen());
}

TEST_F(DoorsTest, WithoutAKeyOnlyTheMessageChanges) {
    faceTheDoor();
    const world::Status before = game.status;
    step(Direction::Up);
    EXPECT_EQ(stackTop(), 1);
    playPressingOk();
    EXPECT_EQ(messageLine(), "Don't have a key of the door.");
    EXPECT_EQ(tile(kDoor), Tile::YellowDoor);
    EXPECT_EQ(game.status.words, before.words);
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(DoorsTest, BlueDoorsTakeBlueKeysAndRedDoorsRedKeys) {
    faceTheDoor();
    slot(Slot::BlueKeys) = 1;
    slot(Slot::RedKeys) = 1;
    setTile(kDoor, Tile::BlueDoor);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(slot(Slot::BlueKeys), 0);
    EXPECT_EQ(slot(Slot::RedKeys), 1);
    EXPECT_EQ(messageLine(), world::catalogueLine(132));

    setTile(kDoor, Tile::RedDoor);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(slot(Slot::RedKeys), 0);
    EXPECT_EQ(messageLine(), world::catalogueLine(133));

    setTile(kDoor, Tile::BlueDoor);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(messageLine(), world::catalogueLine(144));
}

class Floor39Test : public DoorsTest {
  protected:
    void SetUp() override {
        DoorsTest::SetUp();
        slot(Slot::Floor) = 39;
        for (int cell = 0; cell < kCells; ++cell)
            setTile(cell, Tile::Road);
        for (int cell : {12, 14, 16, 34, 36, 38, 56, 58, 60})
            setTile(cell, Tile::YellowDoor);
    }
    // Walk against the door from the cell below it.
    void knock(int door) {
        placeHero(door + kSide);
        step(Direction::Up);
        playPressingOk();
    }
};

TEST_F(Floor39Test, OpeningFourteenThenThirtyEightLeavesTheTransferItem) {
    slot(Slot::YellowKeys) = 2;
    knock(14);
    EXPECT_EQ(tile(36), Tile::YellowDoor);
    knock(38);
    EXPECT_EQ(tile(36), Tile::TransferArticle);
}

TEST_F(Floor39Test, AnyOtherDoorFirstSpoilsIt) {
    slot(Slot::YellowKeys) = 3;
    knock(12);
    knock(14);
    knock(38);
    EXPECT_EQ(tile(36), Tile::YellowDoor);
}

TEST_F(Floor39Test, TheLastDoorNeedNotOpen) {
    slot(Slot::YellowKeys) = 1;
    knock(14);
    knock(38); // no key left
    EXPECT_EQ(tile(38), Tile::YellowDoor);
    EXPECT_EQ(tile(36), Tile::TransferArticle);
}

TEST_F(DoorsTest, DoorHalvesPartByTheFrameNumber) {
    usePlainPictures();
    const render::Picture f = frame(script::DoorKind::Yellow, 4);
    EXPECT_EQ(f.at(11, 0), colourOf(0)); // the left half moved 4 to the left
    EXPECT_EQ(f.at(12, 0), colourOf(5)); // road between the halves
    EXPECT_EQ(f.at(19, 31), colourOf(5));
    EXPECT_EQ(f.at(20, 31), colourOf(0)); // the right half moved 4 to the right
    EXPECT_EQ(tile(30), Tile::Road);
}

TEST_F(DoorsTest, WallsSinkAndGatesCloseFromTheCorners) {
    usePlainPictures();
    render::Picture f = frame(script::DoorKind::WallSinks, 4);
    EXPECT_EQ(f.at(0, 7), colourOf(5));
    EXPECT_EQ(f.at(0, 8), colourOf(Tile::Wall - 1));
    EXPECT_EQ(tile(30), Tile::Road);

    f = frame(script::DoorKind::GateCloses, 4);
    EXPECT_EQ(f.at(3, 3), colourOf(Tile::Gate - 1));
    EXPECT_EQ(f.at(4, 4), colourOf(5));
    EXPECT_EQ(f.at(28, 28), colourOf(Tile::Gate - 1));
    EXPECT_EQ(f.at(27, 3), colourOf(5));
    EXPECT_EQ(tile(30), Tile::Gate);

    f = frame(script::DoorKind::WallRises, 16);
    EXPECT_EQ(f.at(0, 0), colourOf(Tile::Wall - 1));
    EXPECT_EQ(tile(30), Tile::Wall);
}

TEST_F(DoorsTest, AnUnknownKindTakesItsPlaceButDoesNothing) {
    setTile(30, Tile::Wall);
    const render::Picture before = game.render.frameA;
    frame(13, 1);
    EXPECT_EQ(tile(30), Tile::Wall);
    EXPECT_EQ(game.render.frameA, before);
    EXPECT_EQ(stackTop(), 0);
}

TEST_F(DoorsTest, TheExpansionPutsEachFrameNumberBeneathItsFrame) {
    script::Script(game).doorFrames(7, 3).push(game);
    ASSERT_EQ(stackTop(), 32);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(game.explore.stack.at(34 - 2 * k), CommandEntry(Cmd::DoorFrame, 7, 3));
        EXPECT_EQ(game.explore.stack.at(33 - 2 * k), CommandEntry(Cmd::Pause, 0, k));
    }
}

} // namespace
} // namespace explore_test
