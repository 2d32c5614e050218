#include "explore/stairs.h"
#include "support/explore_fixture.h"
#include "world/catalogue.h"

#include <algorithm>

namespace explore_test {
namespace {

using script::CommandEntry;
namespace Cmd = script::Cmd;

class StairsTest : public ExploreTest {
  protected:
    // Stand on the current floor with a staircase above the hero, and take it.
    void takeStairs(std::uint8_t staircase) { stepUpAgainst(staircase, cellOf(1, 9)); }
    int countEntries(CommandEntry e) {
        const auto entries = game.explore.stack.pending();
        return static_cast<int>(std::count(entries.begin(), entries.end(), e));
    }
};

TEST_F(StairsTest, UpToFloorTwoAndBackDownWithTheWipe) {
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(floor(), 2);
    EXPECT_EQ(slot(Slot::HighestFloor), 2);
    EXPECT_EQ(heroCell(), game.map.arrivalUp(2));
    EXPECT_EQ(messageLine(), world::catalogueLine(243));
    EXPECT_FALSE(game.window.timer("Timer1").enabled);
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 5);
    EXPECT_FALSE(inputOpen());
    int covers = 0;
    int uncovers = 0;
    for (int p = 1; p <= 121; ++p) {
        covers += countEntries({Cmd::WipeStep, 0, p});
        uncovers += countEntries({Cmd::WipeStep, 1, p});
    }
    EXPECT_EQ(covers, 121);
    EXPECT_EQ(uncovers, 121);
    EXPECT_EQ(countEntries({Cmd::MusicRestart, 0, 0}), 0); // music is off

    playPressingOk();
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"effect wav/kai.wav", "effect wav/open.wav"}));
    EXPECT_TRUE(game.window.timer("Timer1").enabled);
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 150);
    EXPECT_EQ(messageLine(), world::catalogueLine(134));
    EXPECT_TRUE(inputOpen());

    takeStairs(Tile::StairsDown);
    playPressingOk();
    EXPECT_EQ(floor(), 1);
    EXPECT_EQ(slot(Slot::HighestFloor), 2);
    EXPECT_EQ(heroCell(), game.map.arrivalDown(1));
    EXPECT_EQ(messageLine(), world::catalogueLine(135));
}

TEST_F(StairsTest, StairsSkipFloorFortyFour) {
    slot(Slot::Floor) = 43;
    slot(Slot::HighestFloor) = 43;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(floor(), 45);
    EXPECT_EQ(slot(Slot::HighestFloor), 45);
    EXPECT_EQ(heroCell(), game.map.arrivalUp(45));
    playPressingOk();

    takeStairs(Tile::StairsDown);
    EXPECT_EQ(floor(), 43);
    EXPECT_EQ(heroCell(), game.map.arrivalDown(43));
    EXPECT_EQ(slot(Slot::HighestFloor), 45);
}

TEST_F(StairsTest, TheHeroArrivesTurnedAwayFromTheStairs) {
    const int arrival = game.map.arrivalUp(5);
    ASSERT_GT(cellX(arrival), 0);
    for (int cell = 0; cell < kCells; ++cell)
        game.map.setTile(5, cell, Tile::Road);
    game.map.setTile(5, arrival - 1, Tile::StairsDown);
    slot(Slot::Floor) = 4;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Right));

    // With no staircase beside him the facing stays as it was.
    game.map.setTile(5, arrival - 1, Tile::Road);
    playPressingOk();
    slot(Slot::Floor) = 4;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Up));
}

TEST_F(StairsTest, WithMusicOnTheFloorsMusicRestartsAfterWipeStepOneHundredAndTwo) {
    slot(Slot::MusicTrack) = 5;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop music"}));
    const auto entries = game.explore.stack.pending();
    const auto restart =
        std::find(entries.begin(), entries.end(), CommandEntry(Cmd::MusicRestart, 0, 0));
    ASSERT_NE(restart, entries.end());
    EXPECT_EQ(*(restart + 1), CommandEntry(Cmd::WipeStep, 1, 102)); // played just before it
    EXPECT_EQ(*(restart - 1), CommandEntry(Cmd::WipeStep, 1, 103));
}

TEST_F(StairsTest, StoryChangesOnTheWay) {
    // A fairy of floor 20 leaves when the hero climbs on, not when he goes down.
    slot(Slot::Floor) = 20;
    game.map.setTile(20, 49, Tile::Fairy);
    takeStairs(Tile::StairsDown);
    EXPECT_EQ(game.map.tile(20, 49), Tile::Fairy);
    playPressingOk();
    slot(Slot::Floor) = 20;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(game.map.tile(20, 49), Tile::Road);
    playPressingOk();

    // Down from floor 29 while it is the highest floor reached: the thief's passage.
    slot(Slot::Floor) = 29;
    slot(Slot::HighestFloor) = 29;
    takeStairs(Tile::StairsDown);
    EXPECT_EQ(game.map.tile(29, 17), Tile::Thief);
    EXPECT_EQ(game.map.tile(29, 27), Tile::Road);
    EXPECT_EQ(game.map.tile(29, 38), Tile::Road);
    playPressingOk();

    game.map.setTile(29, 17, Tile::Wall);
    slot(Slot::Floor) = 29;
    slot(Slot::HighestFloor) = 30;
    takeStairs(Tile::StairsDown);
    EXPECT_EQ(game.map.tile(29, 17), Tile::Wall);
}

TEST_F(StairsTest, FloorThirtyTwoPlaysItsArrivalOnlyTheFirstTime) {
    slot(Slot::Floor) = 31;
    takeStairs(Tile::StairsUp);
    EXPECT_EQ(slot(Slot::Floor32Arrival), 1);
    playPressingOk();
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace explore_test
