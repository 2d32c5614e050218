#include "explore/step.h"
#include "scenes/tile_scenes.h"
#include "support/explore_fixture.h"
#include "world/catalogue.h"

#include <limits>
#include <utility>

namespace explore_test {
namespace {

class StepTest : public ExploreTest {
  protected:
    // Put a tile above the hero on a floor and step against it; the script plays out.
    void stepOnto(std::uint8_t code, int onFloor = 1) {
        slot(Slot::Floor) = onFloor;
        stepUpAgainst(code);
        playPressingOk();
    }
};

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
    stepOnto(61);
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

TEST_F(StepTest, TheFalseWallSinksIntoRoad) {
    stepOnto(Tile::FalseWall);
    EXPECT_EQ(tile(cellOf(5, 4)), Tile::Road);
    EXPECT_EQ(heroCell(), cellOf(5, 5));
    EXPECT_EQ(messageLine(), line(137));
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 150); // the speed is back
}

TEST_F(StepTest, HiddenTriggersRevealOnlyWhereSomethingHides) {
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

TEST_F(StepTest, TheGateOfTimeAndSpacePlaysTheDollScene) {
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

TEST_F(StepTest, EventCellsWalkOrTurnToWallAndNeverLeaveInputClosed) {
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

TEST_F(StepTest, ToRoadSpreadsRoadOverTheCellInFiveSteps) {
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
} // namespace explore_test
