#include "items/items.h"
#include "items_fixture.h"
#include "script/input_lock.h"
#include "world/item_table.h"

#include <limits>
#include <string>

namespace items_test {
namespace {

constexpr int kCentre = 60; // x 5, y 5
constexpr int kBelow = 71;
constexpr int kRight = 61;
constexpr int kLeft = 59;
constexpr int kAbove = 49;

TEST_F(ItemsTest, UseAndDontUseOpenUnderTheIconAndCloseAgain) {
    give(Slot::Mattock);
    click("Image9"); // the mattock's icon at (80, 224)
    const auto& dontUse = control("Button37");
    const auto& use = control("Button38");
    EXPECT_TRUE(dontUse.visible && use.visible);
    EXPECT_EQ(dontUse.x, 64);
    EXPECT_EQ(dontUse.y, 256);
    EXPECT_EQ(use.x, 64);
    EXPECT_EQ(use.y, 272);
    EXPECT_TRUE(dontUse.focused);
    EXPECT_FALSE(inputOpen());
    const world::Item* waiting = world::itemInUse(game.items.itemInUse);
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->slot, Slot::Mattock);

    click("Button37");
    EXPECT_FALSE(dontUse.visible || use.visible);
    EXPECT_TRUE(inputOpen());
    EXPECT_EQ(slot(Slot::Mattock), 1);
}

// Game Start while Use / Don't use is open: the pair goes with the old game, so the new one
// cannot use an item it does not hold.
TEST_F(ItemsTest, ANewGameClosesTheUsePairOfTheLastOne) {
    give(Slot::Elixir);
    click("Image8");
    ASSERT_TRUE(control("Button38").visible);
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Start"));
    EXPECT_FALSE(control("Button37").visible || control("Button38").visible);
    click("Button38");
    runTimer();
    EXPECT_EQ(slot(Slot::Life), 1000);
    EXPECT_TRUE(inputOpen());
}

TEST_F(ItemsTest, AnIconDoesNothingUnlessEnabledAndHeld) {
    click("Image8"); // no elixir held
    EXPECT_FALSE(control("Button37").visible);
    give(Slot::Elixir);
    script::itemdel(game);
    click("Image8");
    EXPECT_FALSE(control("Button37").visible);
}

TEST_F(ItemsTest, EnterOnTheItemCursorUsesTheItemUnderIt) {
    explore::KeyboardControl1Click(game);
    give(Slot::Mattock);
    game::keyDown(game, game::Key::Enter); // the cursor settles on the mattock
    game::keyDown(game, game::Key::Enter);
    EXPECT_TRUE(control("Button37").visible);
    EXPECT_FALSE(control("ItemCursor").visible);
}

TEST_F(ItemsTest, TheElixirGivesTenTimesOffenseAndFiveTimesDefenseAtTheMomentOfUse) {
    give(Slot::Elixir);
    use("Image8");
    EXPECT_EQ(slot(Slot::Life), 1000 + 1500);
    EXPECT_EQ(slot(Slot::Elixir), 0);
    runTimer();
    EXPECT_EQ(messageLine(), "Used an elixir. The vital power is 1500 points up!");
    EXPECT_EQ(sound.calls.back(), "effect wav/get.wav");
    EXPECT_TRUE(inputOpen());
    EXPECT_FALSE(control("Image8").visible);

    slot(Slot::Offense) = 300;
    give(Slot::Elixir);
    use("Image8");
    EXPECT_EQ(slot(Slot::Life), 2500 + 3500);
}

// The elixir's hit points and the ball's gold stop at the largest value a slot holds, as every
// other gain does, instead of wrapping round to a negative figure.
TEST_F(ItemsTest, TheElixirAndTheBallStopAtTheLargestValueASlotHolds) {
    constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
    slot(Slot::Offense) = kTop;
    slot(Slot::Defense) = kTop;
    give(Slot::Elixir);
    use("Image8");
    EXPECT_EQ(slot(Slot::Life), kTop);
    runTimer();
    EXPECT_EQ(messageLine(),
              "Used an elixir. The vital power is " + std::to_string(kTop) + " points up!");

    standOn(20, kCentre);
    setTile(kBelow, 135); // Knight, 65 gold
    slot(Slot::Gold) = kTop - 10;
    give(Slot::DestructibleBall);
    use("Image10");
    EXPECT_EQ(slot(Slot::Gold), kTop);
    runTimer();
}

TEST_F(ItemsTest, TheMattockBringsDownTheWallsBesideTheHeroAndIsSpentEvenWithoutOne) {
    standOn(3, kCentre);
    setTile(kBelow, Tile::Wall);
    setTile(kLeft, Tile::Wall);
    setTile(kCentre - 12, Tile::Wall); // diagonal: stays
    give(Slot::Mattock);
    use("Image9");
    EXPECT_EQ(slot(Slot::Mattock), 0);
    runTimer();
    EXPECT_EQ(tile(kBelow), Tile::Road);
    EXPECT_EQ(tile(kLeft), Tile::Road);
    EXPECT_EQ(tile(kCentre - 12), Tile::Wall);
    EXPECT_EQ(messageLine(), line(187));
    EXPECT_TRUE(inputOpen());

    setTile(kCentre - 12, Tile::Wall);
    give(Slot::Mattock);
    use("Image9");
    runTimer();
    EXPECT_EQ(slot(Slot::Mattock), 0);
    EXPECT_EQ(tile(kCentre - 12), Tile::Wall);
}

TEST_F(ItemsTest, TheDestructibleBallSparesZenoAndTheGreatMagicMasterAndPaysPlainGold) {
    standOn(20, kCentre);
    setTile(kBelow, 61);  // Green Slime, 1 gold
    setTile(kRight, 135); // Knight, 65 gold
    setTile(kLeft, Tile::Zeno);
    setTile(kAbove, 145); // Great Magic Master
    slot(Slot::LuckyGold) = 1;
    slot(Slot::LapLevel) = kLaterLap;
    give(Slot::DestructibleBall);
    use("Image10");
    EXPECT_EQ(slot(Slot::Gold), 66);
    EXPECT_EQ(slot(Slot::DestructibleBall), 0);
    runTimer();
    EXPECT_EQ(tile(kBelow), Tile::Road);
    EXPECT_EQ(tile(kRight), Tile::Road);
    EXPECT_EQ(tile(kLeft), Tile::Zeno);
    EXPECT_EQ(tile(kAbove), 145);
    EXPECT_EQ(slot(Slot::Gold), 66);
    EXPECT_EQ(messageLine(),
              "Used a destructible ball! The enemy on all side fell down! Got 66 Golds.");
}

// In a later lap the ball's after-fight check on the top floor must not end the lap: Zeno
// still stands there (or has not even appeared yet, while the thief waits on his cell).
TEST_F(ItemsTest, TheDestructibleBallOnTheTopFloorOfALaterLapLeavesTheLapUnfinished) {
    slot(Slot::LapLevel) = kLaterLap;
    slot(Slot::Floor) = kTopFloor;
    slot(Slot::HeroX) = cellX(kCentre);
    slot(Slot::HeroY) = cellY(kCentre);
    for (const bool zenoAppeared : {false, true}) {
        SCOPED_TRACE(zenoAppeared ? "Zeno above the hero" : "the thief above the hero");
        setTile(kAbove, zenoAppeared ? Tile::Zeno : Tile::Thief);
        give(Slot::DestructibleBall);
        use("Image10");
        runTimer();
        EXPECT_EQ(tile(kAbove), zenoAppeared ? Tile::Zeno : Tile::Thief);
        EXPECT_FALSE(control("RichEdit1").visible); // no closing words
        EXPECT_TRUE(inputOpen());
        EXPECT_EQ(slot(Slot::KeepProgress), 0);
        EXPECT_EQ(slot(Slot::Floor), kTopFloor);
    }
}

TEST_F(ItemsTest, TheTransferArticleMirrorsTheHeroThroughTheCentreAndSpendsEveryTry) {
    standOn(7, cellOf(1, 2));
    give(Slot::TransferArticle, 3);
    use("Image11");
    EXPECT_EQ(heroCell(), cellOf(9, 8));
    EXPECT_EQ(slot(Slot::TransferArticle), 2);
    runTimer();
    EXPECT_EQ(messageLine(), line(189));

    use("Image11"); // from (9, 8) back to (1, 2)
    EXPECT_EQ(heroCell(), cellOf(1, 2));
    runTimer();

    standOn(7, kCentre); // the centre mirrors onto itself
    use("Image11");
    EXPECT_EQ(heroCell(), kCentre);
    EXPECT_EQ(slot(Slot::TransferArticle), 0);
    runTimer();
    EXPECT_FALSE(control("Image11").visible);
}

TEST_F(ItemsTest, ABlockedTransferStillSpendsItsUse) {
    standOn(7, cellOf(1, 2));
    setTile(cellOf(9, 8), Tile::Wall);
    give(Slot::TransferArticle, 1);
    use("Image11");
    EXPECT_EQ(heroCell(), cellOf(1, 2));
    EXPECT_EQ(slot(Slot::TransferArticle), 0);
    EXPECT_EQ(messageLine(), line(195));
    EXPECT_TRUE(inputOpen());
    EXPECT_FALSE(control("Image11").visible);
}

TEST_F(ItemsTest, TheWingsMoveTheHeroStraightUpOrDownOntoRoad) {
    standOn(3, kCentre);
    game.map.setTile(4, kCentre, Tile::Road);
    give(Slot::WingToAscend);
    use("Image12");
    EXPECT_EQ(floor(), 4);
    EXPECT_EQ(heroCell(), kCentre);
    EXPECT_EQ(slot(Slot::HighestFloor), 1);
    EXPECT_EQ(slot(Slot::WingToAscend), 0);
    runTimer();
    EXPECT_EQ(messageLine(), line(190));

    game.map.setTile(3, kCentre, Tile::Wall);
    give(Slot::WingToDescend);
    use("Image13");
    EXPECT_EQ(floor(), 4);
    EXPECT_EQ(slot(Slot::WingToDescend), 1);
    EXPECT_EQ(messageLine(), line(197));
    EXPECT_TRUE(inputOpen());
}

TEST_F(ItemsTest, TheWingsAreRefusedAtTheTopAndAtTheBottom) {
    standOn(kTopFloor, kCentre);
    give(Slot::WingToAscend);
    use("Image12");
    EXPECT_EQ(floor(), kTopFloor);
    EXPECT_EQ(slot(Slot::WingToAscend), 1);
    EXPECT_EQ(messageLine(), line(196));

    standOn(0, kCentre);
    give(Slot::WingToDescend);
    use("Image13");
    EXPECT_EQ(floor(), 0);
    EXPECT_EQ(slot(Slot::WingToDescend), 1);
}

TEST_F(ItemsTest, TheSnowCrystalCongealsLavaAndIsNeverUsedUp) {
    standOn(26, kCentre);
    setTile(kBelow, Tile::Lava);
    setTile(kAbove, Tile::Lava);
    give(Slot::SnowCrystal);
    use("Image15");
    runTimer();
    EXPECT_EQ(tile(kBelow), Tile::Road);
    EXPECT_EQ(tile(kAbove), Tile::Road);
    EXPECT_EQ(messageLine(), "Used the snow crystal! The lava congealed and made a road.");
    EXPECT_EQ(slot(Slot::SnowCrystal), 1);

    use("Image15");
    runTimer();
    EXPECT_EQ(messageLine(), line(192));
    EXPECT_TRUE(control("Image15").enabled);
}

TEST_F(ItemsTest, TheMagicKeyOpensEveryYellowDoorOfTheFloorAndNoOther) {
    standOn(12, kCentre);
    setTile(0, Tile::YellowDoor);
    setTile(120, Tile::YellowDoor);
    setTile(30, Tile::BlueDoor);
    setTile(31, Tile::RedDoor);
    give(Slot::MagicKey);
    use("Image16");
    runTimer();
    EXPECT_EQ(tile(0), Tile::Road);
    EXPECT_EQ(tile(120), Tile::Road);
    EXPECT_EQ(tile(30), Tile::BlueDoor);
    EXPECT_EQ(tile(31), Tile::RedDoor);
    EXPECT_EQ(slot(Slot::MagicKey), 0);
    EXPECT_EQ(messageLine(), line(193));
}

TEST_F(ItemsTest, TheSuperMattockFellsEveryWallColumnByColumnFromTheTopLeft) {
    standOn(47, kCentre);
    const std::vector<int> walls = {cellOf(3, 9), cellOf(0, 5), cellOf(3, 0), cellOf(10, 10)};
    for (int cell : walls)
        setTile(cell, Tile::Wall);
    give(Slot::SuperMattock);
    use("Image17");
    std::vector<int> fallen;
    while (commandTimerOn()) {
        game::timerTick(game, "Timer2");
        for (int cell : walls) {
            if (tile(cell) == Tile::Road &&
                std::find(fallen.begin(), fallen.end(), cell) == fallen.end())
                fallen.push_back(cell);
        }
    }
    EXPECT_EQ(fallen, (std::vector<int>{cellOf(0, 5), cellOf(3, 0), cellOf(3, 9), cellOf(10, 10)}));
    EXPECT_EQ(slot(Slot::SuperMattock), 0);
    EXPECT_EQ(messageLine(), line(194));
}

} // namespace
} // namespace items_test
