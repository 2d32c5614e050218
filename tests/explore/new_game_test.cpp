#include "explore/new_game.h"
#include "state/game.h"
#include "world/initial_world.h"
#include "world/tiles.h"

#include <gtest/gtest.h>

using namespace world;

namespace {

// A game whose every slot holds garbage, as if a long game had been played.
game::Game playedGame() {
    game::Game g;
    for (int n = 0; n < kStatusBlockWords; ++n)
        g.status[n] = 1000 + n;
    g.map.bytes.fill(8);
    return g;
}

} // namespace

TEST(NewGame, FirstLapSetsEveryValueOfTheTable) {
    game::Game g = playedGame();
    g.status[Slot::LapLevel] = 0;
    g.status[Slot::KeepProgress] = 0;
    game::syokidata(g);
    const Status& s = g.status;
    EXPECT_EQ(s[Slot::Life], 1000);
    EXPECT_EQ(s[Slot::Offense], 100);
    EXPECT_EQ(s[Slot::Defense], 100);
    EXPECT_EQ(s[Slot::Gold], 0);
    EXPECT_EQ(s[Slot::Floor], 1);
    EXPECT_EQ(s[Slot::HighestFloor], 1);
    EXPECT_EQ(s[Slot::HeroX], 5);
    EXPECT_EQ(s[Slot::HeroY], 10);
    for (int n = 8; n <= 14; ++n)
        EXPECT_EQ(s[n], 0) << n;
    EXPECT_EQ(s[Slot::SwordGrade], 5);
    EXPECT_EQ(s[Slot::ShieldGrade], 5);
    for (int n = 17; n <= 41; ++n)
        EXPECT_EQ(s[n], (n == 36 || n == 41) ? 1 : 0) << n;
    for (int n = 42; n <= 87; ++n)
        EXPECT_EQ(s[n], 0) << n;
    EXPECT_EQ(s[Slot::Facing], 4);
    for (int n = 90; n <= 156; ++n)
        EXPECT_EQ(s[n], 0) << n;
    EXPECT_EQ(s[Slot::FlightDirection], 0);
    for (int n = 161; n < kStatusBlockWords; ++n)
        EXPECT_EQ(s[n], 0) << n;
    // Untouched: the sound switch, the save marker and the lap state.
    EXPECT_EQ(s[89], 1089);
    EXPECT_EQ(s[157], 1157);
    EXPECT_EQ(s[159], 0);
    EXPECT_EQ(s[160], 0);
    EXPECT_EQ(g.map.bytes, initialTower().bytes);
}

TEST(NewGame, LaterLapKeepsThePowersButClearsKeysFlagsAndItems) {
    game::Game g = playedGame();
    g.status[Slot::LapLevel] = kLaterLap;
    g.status[Slot::KeepProgress] = 0;
    game::syokidata(g);
    EXPECT_EQ(g.status[Slot::Life], 1000);
    EXPECT_EQ(g.status[Slot::Offense], 1001);
    EXPECT_EQ(g.status[Slot::Defense], 1002);
    EXPECT_EQ(g.status[Slot::Gold], 0);
    EXPECT_EQ(g.status[Slot::HighestFloor], 1);
    EXPECT_EQ(g.status[Slot::YellowKeys], 0);
    EXPECT_EQ(g.status[Slot::OrbOfFlying], 0);
    EXPECT_EQ(g.status[100], 0);
    EXPECT_EQ(g.status[Slot::LapLevel], kLaterLap);
}

TEST(NewGame, KeepProgressKeepsGoldHighestFloorAndItems) {
    game::Game g = playedGame();
    g.status[Slot::LapLevel] = kLaterLap;
    g.status[Slot::KeepProgress] = 1;
    game::syokidata(g);
    EXPECT_EQ(g.status[Slot::Gold], 1003);
    EXPECT_EQ(g.status[Slot::HighestFloor], 1005);
    for (int n = 17; n <= 41; ++n)
        EXPECT_EQ(g.status[n], 1000 + n) << n;
    EXPECT_EQ(g.status[Slot::Floor], 1);
    EXPECT_EQ(g.status[Slot::BlueKeys], 0);
    EXPECT_EQ(g.status[Slot::MerchantBought], 0);
    EXPECT_EQ(g.status[Slot::OldManAdvice], 0);
    EXPECT_EQ(g.status[120], 0);
}

TEST(NewGame, TwoFirstLapGamesInARowAreIdentical) {
    game::Game a = playedGame();
    a.status[Slot::LapLevel] = 0;
    a.status[Slot::KeepProgress] = 0;
    game::syokidata(a);
    game::Game b = a;
    b.map.setTile(1, 0, 8);
    b.status[Slot::Gold] = 77;
    game::syokidata(b);
    EXPECT_EQ(a.status.words, b.status.words);
    EXPECT_EQ(a.map.bytes, b.map.bytes);
}
