// Status values far outside what play gives them (set by the driver, or by a file made by
// hand) play without overflow: gains stop at what a slot can hold. Under the sanitizers any
// overflow left stops these tests.
#include "replay/driver.h"
#include "script/executor.h"
#include "script/script.h"
#include "support/explore_fixture.h"

#include <limits>
#include <sstream>

namespace explore_test {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

using WildValues = ExploreTest;

TEST_F(WildValues, APotionAtTheLargestLapLevelFillsTheSlotToTheTop) {
    slot(Slot::Floor) = 45;
    slot(Slot::LapLevel) = kMax;
    stepOnto(Tile::RedElixir);
    EXPECT_EQ(slot(Slot::Life), kMax);
    stepOnto(Tile::RedElixir);
    EXPECT_EQ(slot(Slot::Life), kMax);
}

TEST_F(WildValues, ASwordAtTheLargestLapLevelRaisesOffenseToTheTop) {
    slot(Slot::LapLevel) = kMax;
    stepOnto(Tile::IronSword);
    EXPECT_EQ(slot(Slot::Offense), kMax);
    EXPECT_EQ(slot(Slot::SwordGrade), 1);
}

TEST_F(WildValues, AFullKeyRingKeepsItsCount) {
    slot(Slot::YellowKeys) = kMax;
    stepOnto(Tile::YellowKey);
    EXPECT_EQ(slot(Slot::YellowKeys), kMax);
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road); // the key is taken all the same
}

TEST_F(WildValues, GoldFromTheCommandStackStopsAtTheTopWithAnyLuckyGold) {
    slot(Slot::LuckyGold) = kMax;
    slot(Slot::Gold) = 5;
    script::Script(game, {{script::Cmd::Gold, 1000, 0}}).push(game);
    script::timer2on(game);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Gold), kMax);

    slot(Slot::LuckyGold) = kMin;
    script::Script(game, {{script::Cmd::Gold, 1000, 0}}).push(game);
    script::timer2on(game);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Gold), kMin);
}

TEST_F(WildValues, AVictoryWithAnyLuckyGoldTellsGoldThatFitsASlot) {
    slot(Slot::LuckyGold) = kMax;
    slot(Slot::Life) = 100000;
    slot(Slot::Offense) = 1000;
    slot(Slot::Defense) = 1000;
    stepOnto(Tile::FirstMonster);
    EXPECT_NE(messageLine().find(std::to_string(kMax)), std::string::npos) << messageLine();
    EXPECT_EQ(slot(Slot::Gold), kMax);
}

// Every other slot at its extremes, then a few steps, the item cursor and the command timer:
// nothing overflows and nothing throws.
TEST(WildSlots, EverySlotAtItsExtremesPlays) {
    game::Game freePlay;
    explore::KeyboardControl1Click(freePlay);
    explore::speedhigh(freePlay);
    explore::gameover(freePlay);
    for (int n = 0; n < world::kStatusBlockWords; ++n) {
        if (n == world::Slot::Floor || n == world::Slot::HeroX || n == world::Slot::HeroY)
            continue; // the driver keeps the hero on the map
        for (const std::int32_t v : {kMin, kMax}) {
            game::Game game = freePlay;
            std::ostringstream out;
            replay::ScriptPlatform platform(out, out);
            game.setPlatform(&platform);
            replay::Driver driver(game, platform, out);
            const std::string set = "set status " + std::to_string(n) + " " + std::to_string(v);
            for (const std::string_view line :
                 {std::string_view(set), std::string_view("key up"), std::string_view("key enter"),
                  std::string_view("key left"), std::string_view("run")})
                ASSERT_FALSE(driver.execute(line)) << set << ": " << line;
        }
    }
}

} // namespace
} // namespace explore_test
