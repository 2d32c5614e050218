#include "world/initial_world.h"
#include "world/tiles.h"
#include "world/tower_map.h"

#include <gtest/gtest.h>

using namespace world;

TEST(InitialTower, FixedFloorsAndArrivalCells) {
    const TowerMap& t = initialTower();
    EXPECT_EQ(t.tile(1, cellOf(0, 0)), Tile::StairsUp);
    EXPECT_EQ(t.tile(1, cellOf(1, 10)), Tile::OrbOfFlying);
    EXPECT_EQ(t.tile(1, cellOf(10, 10)), 61);
    EXPECT_EQ(t.tile(10, 49), Tile::EventCell);
    EXPECT_EQ(t.tile(10, 38), 81);
    EXPECT_EQ(t.tile(10, cellOf(0, 10)), Tile::StairsDown);
    EXPECT_EQ(t.tile(0, 0), Tile::StairsUp);
    EXPECT_EQ(t.tile(0, 60), Tile::LuckyGold);
    EXPECT_EQ(t.tile(0, 61), Tile::Road);
    // Arrival cells: (up, down) of a few floors, including the skipped floor 44.
    const int expected[][3] = {{0, 0, 1},  {10, 99, 104}, {43, 11, 99}, {44, 0, 0},
                               {45, 1, 9}, {50, 71, 0},   {22, 104, 71}};
    for (const auto& e : expected) {
        EXPECT_EQ(t.arrivalUp(e[0]), e[1]) << "floor " << e[0];
        EXPECT_EQ(t.arrivalDown(e[0]), e[2]) << "floor " << e[0];
    }
}
