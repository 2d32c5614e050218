#include "explore/step.h"
#include "support/explore_fixture.h"
#include "world/catalogue.h"

#include <limits>
#include <utility>

namespace explore_test {
namespace {

using StepTest = ExploreTest;

TEST_F(StepTest, PickUpsNeverMoveTheHeroAndLeaveRoad) {
    for (std::uint8_t code : {Tile::YellowKey, Tile::RedElixir, Tile::BlueCrystal,
                              Tile::OrbOfWisdom, Tile::IronShield}) {
        stepOnto(code);
        EXPECT_EQ(heroCell(), cellOf(5, 5)) << int{code};
        EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road) << int{code};
        EXPECT_TRUE(inputOpen()) << int{code};
    }
    EXPECT_EQ(sound.calls.back(), "effect wav/get.wav");
}

TEST_F(StepTest, KeysCountUpWithTheirMessages) {
    stepOnto(Tile::YellowKey);
    stepOnto(Tile::BlueKey);
    stepOnto(Tile::RedKey);
    EXPECT_EQ(slot(Slot::YellowKeys), 1);
    EXPECT_EQ(slot(Slot::BlueKeys), 1);
    EXPECT_EQ(slot(Slot::RedKeys), 1);
    EXPECT_EQ(messageLine(), "Got the key of the red door.");
}

TEST_F(StepTest, PotionsAndGemsGrowWithTheFloorBandAndTheLap) {
    stepOnto(Tile::RedElixir, 15);
    EXPECT_EQ(slot(Slot::Life), 1000 + 100);
    EXPECT_EQ(messageLine(), line(162) + " 100" + line(166));

    slot(Slot::LapLevel) = 43;
    const std::int32_t life = slot(Slot::Life);
    stepOnto(Tile::RedElixir, 45);
    EXPECT_EQ(slot(Slot::Life), life + 11000);

    slot(Slot::LapLevel) = 0;
    const std::int32_t offense = slot(Slot::Offense);
    stepOnto(Tile::RedCrystal, 0); // no floor band below floor 1
    EXPECT_EQ(slot(Slot::Offense), offense);
    stepOnto(Tile::BlueElixir, 0);
    EXPECT_EQ(slot(Slot::Life), life + 11000);

    stepOnto(Tile::RedCrystal, 1);
    EXPECT_EQ(messageLine(), line(164) + " 1 point up!");
    stepOnto(Tile::BlueCrystal, 11);
    EXPECT_EQ(messageLine(), line(165) + " 2 points up!");
}

// A hero at the top of the range keeps the largest value a slot holds: a pick-up or a fight's
// gold never wraps round to a negative figure.
TEST_F(StepTest, GainsStopAtTheLargestValueASlotHolds) {
    constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
    const std::pair<std::uint8_t, int> pickUps[] = {
        {Tile::BlueElixir, Slot::Life},     {Tile::RedCrystal, Slot::Offense},
        {Tile::BlueCrystal, Slot::Defense}, {Tile::IronSword, Slot::Offense},
        {Tile::IronShield, Slot::Defense},
    };
    slot(Slot::LapLevel) = kLaterLap;
    for (const auto& [code, raised] : pickUps) {
        slot(raised) = kTop - 1;
        stepOnto(code, 45);
        EXPECT_EQ(slot(raised), kTop) << int{code};
    }
    slot(Slot::Offense) = 100000; // beats the Green Slime in one blow
    slot(Slot::Gold) = kTop - 1;
    slot(Slot::LuckyGold) = 1;
    stepOnto(61, 1);
    EXPECT_EQ(slot(Slot::Gold), kTop);
}

TEST_F(StepTest, SwordsAndShieldsSetTheirGradeEvenBelowTheOneHeld) {
    slot(Slot::LapLevel) = 43;
    const std::int32_t offense = slot(Slot::Offense);
    stepOnto(Tile::IronSword);
    EXPECT_EQ(slot(Slot::Offense), offense + 440);
    EXPECT_EQ(slot(Slot::SwordGrade), 1); // a new game holds grade 5
    EXPECT_EQ(slot(Slot::SwordTaken), 1);
    EXPECT_EQ(messageLine(), line(152) + " 440" + line(166));
    stepOnto(Tile::IronShield + 2);
    EXPECT_EQ(slot(Slot::ShieldGrade), 3);
    EXPECT_EQ(slot(Slot::ShieldTaken + 2), 1);
}

TEST_F(StepTest, SpecialItemsAreHeldWithTheirLines) {
    stepOnto(Tile::OrbOfFlying);
    EXPECT_EQ(slot(Slot::OrbOfFlying), 1);
    EXPECT_EQ(messageLine(), line(148));
    stepOnto(Tile::TransferArticle);
    EXPECT_EQ(slot(Slot::TransferArticle), 3);
    EXPECT_EQ(messageLine(), line(171));
    EXPECT_TRUE(game.window.main.control("Image11").enabled);
    stepOnto(Tile::OrbOfHero); // only its picture: taken away without effect
    EXPECT_EQ(slot(Slot::OrbOfHero), 0);
    EXPECT_EQ(messageLine(), line(171));
}

TEST_F(StepTest, AMonsterIsFoughtAndTheHeroTakesItsCell) {
    stepOnto(Tile::FirstMonster); // a Green Slime
    EXPECT_EQ(heroCell(), cellOf(5, 4));
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road);
    EXPECT_EQ(slot(Slot::Gold), 1);
    EXPECT_EQ(slot(Slot::Life), 1000); // its blows cannot pierce defense 100
    EXPECT_EQ(messageLine(), "Beat a Green Slime.  Got 1 gold.");
    EXPECT_TRUE(inputOpen());
}

TEST_F(StepTest, BlockedTilesDoNothingAtAll) {
    const world::Status before = game.status;
    for (std::uint8_t code : std::initializer_list<std::uint8_t>{
             Tile::Nothing, Tile::Gate, Tile::PrisonBars, Tile::Wall, Tile::Lava, Tile::AltarLeft,
             Tile::DragonFirst, 200}) {
        stepUpAgainst(code);
        EXPECT_EQ(stackTop(), 0) << int{code};
        EXPECT_EQ(heroCell(), cellOf(5, 5)) << int{code};
        EXPECT_TRUE(inputOpen()) << int{code};
    }
    EXPECT_EQ(game.status[Slot::Life], before[Slot::Life]);
    EXPECT_TRUE(sound.calls.empty());
}

} // namespace
} // namespace explore_test
