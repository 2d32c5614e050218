#include "explore/new_game.h"
#include "state/game.h"
#include "support/game_test.h"
#include "world/initial_world.h"
#include "world/tiles.h"

#include <gtest/gtest.h>

using namespace world;
using testing_game::expectSlots;

namespace {

// A game whose every slot holds garbage, as if a long game had been played, started anew on
// the given lap with or without the progress kept.
game::Game newGameAfterPlay(std::int32_t lapLevel, std::int32_t keepProgress) {
    game::Game g;
    for (int n = 0; n < kStatusBlockWords; ++n)
        g.status[n] = 1000 + n;
    g.map.bytes.fill(8);
    g.status[Slot::LapLevel] = lapLevel;
    g.status[Slot::KeepProgress] = keepProgress;
    explore::syokidata(g);
    return g;
}

} // namespace

TEST(NewGame, FirstLapSetsEveryValueOfTheTable) {
    const game::Game g = newGameAfterPlay(0, 0);
    const Status& s = g.status;
    expectSlots(s, {{Slot::Life, 1000},
                    {Slot::Offense, 100},
                    {Slot::Defense, 100},
                    {Slot::Gold, 0},
                    {Slot::Floor, 1},
                    {Slot::HighestFloor, 1},
                    {Slot::HeroX, 5},
                    {Slot::HeroY, 10},
                    {Slot::SwordGrade, 5},
                    {Slot::ShieldGrade, 5},
                    {Slot::Facing, 4},
                    {Slot::FlightDirection, 0}});
    for (int n = 8; n <= 14; ++n)
        EXPECT_EQ(s[n], 0) << n;
    for (int n = 17; n <= 41; ++n)
        EXPECT_EQ(s[n], (n == 36 || n == 41) ? 1 : 0) << n;
    for (int n = 42; n <= 87; ++n)
        EXPECT_EQ(s[n], 0) << n;
    for (int n = 90; n <= 156; ++n)
        EXPECT_EQ(s[n], 0) << n;
    for (int n = 161; n < kStatusBlockWords; ++n)
        EXPECT_EQ(s[n], 0) << n;
    // Untouched: the sound switch, the save marker and the lap state.
    expectSlots(s, {{89, 1089}, {157, 1157}, {159, 0}, {160, 0}});
    EXPECT_EQ(g.map.bytes, initialTower().bytes);
}

TEST(NewGame, LaterLapKeepsThePowersButClearsKeysFlagsAndItems) {
    expectSlots(newGameAfterPlay(kLaterLap, 0).status, {{Slot::Life, 1000},
                                                        {Slot::Offense, 1001},
                                                        {Slot::Defense, 1002},
                                                        {Slot::Gold, 0},
                                                        {Slot::HighestFloor, 1},
                                                        {Slot::YellowKeys, 0},
                                                        {Slot::OrbOfFlying, 0},
                                                        {100, 0},
                                                        {Slot::LapLevel, kLaterLap}});
}

TEST(NewGame, KeepProgressKeepsGoldHighestFloorAndItems) {
    const game::Game g = newGameAfterPlay(kLaterLap, 1);
    expectSlots(g.status, {{Slot::Gold, 1003},
                           {Slot::HighestFloor, 1005},
                           {Slot::Floor, 1},
                           {Slot::BlueKeys, 0},
                           {Slot::MerchantBought, 0},
                           {Slot::OldManAdvice, 0},
                           {120, 0}});
    for (int n = 17; n <= 41; ++n)
        EXPECT_EQ(g.status[n], 1000 + n) << n;
}

TEST(NewGame, TwoFirstLapGamesInARowAreIdentical) {
    const game::Game a = newGameAfterPlay(0, 0);
    game::Game b = a;
    b.map.setTile(1, 0, 8);
    b.status[Slot::Gold] = 77;
    explore::syokidata(b);
    EXPECT_EQ(a.status.words, b.status.words);
    EXPECT_EQ(a.map.bytes, b.map.bytes);
}
