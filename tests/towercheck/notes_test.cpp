// The checker's rules that read the text beside the map: every landing has a way on unless
// its floor file marks it as a pocket, and the route's named places hold what it names.
#include "broken_tower.h"
#include "tower_rules.h"
#include "world/initial_world.h"
#include "world/tiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace towercheck_test;
using towercheck::Violations;
using world::TowerMap;

// The landings the shipped floor files mark as meant to lead nowhere else.
const std::vector<towercheck::Place> kShippedPockets = {{0, 1}, {1, 1}, {50, 71}};

TEST(Pockets, ALandingWhoseOnlyWayIsBackIsReported) {
    // Floor 40 with cell 15 walled again: coming down from floor 41 the hero lands on 4 between
    // two walls and the up stairs he came by.
    const TowerMap shut = broken({{40, 15, world::Tile::Wall}});
    EXPECT_TRUE(reports(towercheck::checkArrivalExits(shut, kShippedPockets), 40, 4));
    EXPECT_TRUE(towercheck::checkArrivalExits(world::initialTower(), kShippedPockets).empty());
}

TEST(Pockets, AMarkedPocketIsAccepted) {
    const TowerMap shut = broken({{40, 15, world::Tile::Wall}});
    auto marked = kShippedPockets;
    marked.push_back({40, 4});
    EXPECT_TRUE(towercheck::checkArrivalExits(shut, marked).empty());
    // Without its marks the tower's own dead ends are pockets too: the foot and the top.
    const Violations unmarked = towercheck::checkArrivalExits(world::initialTower(), {});
    EXPECT_TRUE(reports(unmarked, 1, 1));
    EXPECT_TRUE(reports(unmarked, 50, 71));
}

TEST(Pockets, DoorsMonstersAndGatesCountAsPassable) {
    // Floor 44 is left by the up stairs on 120 past the altar's crystals; floor 25 shuts its
    // boss behind an event cell, and floor 45's stairs lie past the monsters of its top row.
    EXPECT_FALSE(reports(towercheck::checkArrivalExits(world::initialTower(), {}), 44, 43));
    EXPECT_FALSE(reports(towercheck::checkArrivalExits(world::initialTower(), {}), 45, 1));
}

TEST(Pockets, AWingLandingNeedsAWayOnToo) {
    // The Wing to Ascend of floor 43 lands on floor 44's cell 43: with the up stairs walled
    // there is no staircase at all to reach.
    const TowerMap noStairs = broken({{44, 120, world::Tile::Wall}});
    EXPECT_TRUE(reports(towercheck::checkArrivalExits(noStairs, kShippedPockets), 44, 43));
}

TEST(Pockets, MarksAreReadFromTheFloorFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "towercheck-pocket-marks";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "floor07.txt") << "# Floor 7.\n# pocket: 23 a dead end\n"
                                          << "#pocket:5\n# 9: pocket: not a mark\narrival 1 2\n";
    std::ofstream(folder / "floor50.txt") << "# pocket: 71 the top\n";
    const auto marks = towercheck::readPocketMarks(folder.string());
    std::filesystem::remove_all(folder);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].floor, 7);
    EXPECT_EQ(marks[0].cell, 23);
    EXPECT_EQ(marks[1].cell, 5);
    EXPECT_EQ(marks[2].floor, 50);
    EXPECT_EQ(marks[2].cell, 71);
}

TEST(RouteNames, OnlyThePlaceLinesAreRead) {
    std::istringstream route("# The route\n"
                             "- floor 1, cell 111: Orb of Flying\n"
                             "- fights, in order: Green Slime (4) -0\n"
                             "Floor 16, cell 120: hidden old man\n"
                             "- floor 35, cell 71: Dragon  \n");
    const auto names = towercheck::readRouteNames(route);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].floor, 1);
    EXPECT_EQ(names[0].cell, 111);
    EXPECT_EQ(names[0].name, "Orb of Flying");
    EXPECT_EQ(names[1].name, "Dragon");
}

TEST(RouteNames, ANamedPlaceMustHoldWhatItNames) {
    const TowerMap tower = world::initialTower();
    EXPECT_TRUE(towercheck::checkRouteNames(tower, {{1, 111, "Orb of Flying"},
                                                    {16, 120, "hidden old man"},
                                                    {35, 71, "Dragon"},
                                                    {25, 60, "Great Magic Master"}})
                    .empty());
    // The orb one cell off, a monster named wrongly, and a name nobody knows.
    EXPECT_TRUE(reports(towercheck::checkRouteNames(tower, {{1, 110, "Orb of Flying"}}), 1, 110));
    EXPECT_TRUE(reports(towercheck::checkRouteNames(tower, {{25, 60, "Dragon"}}), 25, 60));
    EXPECT_TRUE(reports(towercheck::checkRouteNames(tower, {{1, 111, "Orb of Flight"}}), 1, 111));
    // A place outside the tower.
    EXPECT_FALSE(towercheck::checkRouteNames(tower, {{51, 0, "merchant"}}).empty());
    EXPECT_FALSE(towercheck::checkRouteNames(tower, {{3, 121, "merchant"}}).empty());
}

TEST(RouteNames, ThePlaceMovedInTheMapIsReported) {
    // The hidden old man of floor 16 turned into road: the Elixir the route counts on is gone.
    const TowerMap noOldMan = broken({{16, 120, world::Tile::Road}});
    EXPECT_TRUE(
        reports(towercheck::checkRouteNames(noOldMan, {{16, 120, "hidden old man"}}), 16, 120));
}

} // namespace
