#include "combat/monsters.h"
#include "scenes/floor_events.h"
#include "state/combat_state.h"
#include "state/render_state.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

class FloorEventTest : public ScenesTest {
  protected:
    // A hero no monster of the tower can stand against.
    void makeInvincible() {
        slot(Slot::Life) = 1000000;
        slot(Slot::Offense) = 100000;
        slot(Slot::Defense) = 100000;
    }
};

TEST_F(FloorEventTest, Floor10SendsTheSkeletonArmyRoundTheHero) {
    goTo(10, 60);
    step(Direction::Up); // onto the event cell 49
    EXPECT_FALSE(inputOpen());
    playPressingOk();
    EXPECT_EQ(heroCell(), 49);
    EXPECT_EQ(tile(49), Tile::Road);
    EXPECT_EQ(tile(5), 81); // the captain withdrew behind his gate
    for (int gate : {27, 71, 36, 40})
        EXPECT_EQ(tile(gate), Tile::Gate) << gate;
    for (int soldier : {60, 38})
        EXPECT_EQ(tile(soldier), 79) << soldier;
    for (int soldier : {59, 61, 48, 50, 37, 39})
        EXPECT_EQ(tile(soldier), 77) << soldier;
    for (int left : {22, 23, 24, 30, 31, 32, 34, 42})
        EXPECT_EQ(tile(left), Tile::Road) << left;
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 13), 1);
    EXPECT_TRUE(inputOpen());
}

TEST_F(FloorEventTest, Floor10BringsTheThiefOnceTheFairyHasSpoken) {
    goTo(10, 104);
    slot(Slot::DialogueSeenBase + 16) = 1;
    scenes::ichicheck(game);
    playPressingOk();
    EXPECT_EQ(tile(99), Tile::Road);
    EXPECT_EQ(tile(104), Tile::Road); // he spoke and went down his tunnel
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 17), 1);
    EXPECT_EQ(tile(5), Tile::Road); // no army this time
}

TEST_F(FloorEventTest, Floor20ShutsTheHeroInWithTheVampire) {
    usePlainPictures();
    game.render.imageList1.pictures[181] = render::Picture(32, 32, render::kBlack);
    goTo(20, 93);
    step(Direction::Up); // onto the event cell 82
    playPressingOk();
    EXPECT_EQ(tile(93), Tile::Gate);
    EXPECT_EQ(tile(60), 95);
    for (int cell : {48, 49, 50, 59, 61, 70, 71, 72})
        EXPECT_EQ(tile(cell), Tile::Road) << cell;
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 20), 1);
    // The last step of the arrival shows the Vampire whole on his cell, in both poses.
    const int x = cellX(60) * render::kCellSide + 16;
    const int y = cellY(60) * render::kCellSide + 16;
    EXPECT_EQ(game.render.frameA.at(x, y), explore_test::plainPicture(94).at(0, 0));
    EXPECT_EQ(game.render.frameB.at(x, y), explore_test::plainPicture(95).at(0, 0));
}

TEST_F(FloorEventTest, Floor33DecidesByTheHerosCell) {
    goTo(33, 108);
    setTile(107, Tile::EventCell);
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(tile(106), Tile::Wall);
    EXPECT_EQ(messageLine(), line(241));
    EXPECT_EQ(tile(42), Tile::Road);

    goTo(33, 60);
    scenes::ichicheck(game);
    playPressingOk();
    EXPECT_EQ(tile(42), Tile::Gate);
    EXPECT_EQ(tile(86), Tile::Gate);
}

TEST_F(FloorEventTest, Floor24InAFirstGameEndsWithTheDialogues) {
    goTo(24, 16);
    setTile(5, Tile::EventCell);
    game.map.setTile(kTopFloor, 49, Tile::Thief);
    combat::weakenZeno(game); // as the fight on floor 49 left him
    ASSERT_EQ(combat::monsterRow(game, combat::Monster::Zeno).life, 800);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Floor), kTopFloor);
    EXPECT_EQ(heroCell(), game.map.arrivalUp(kTopFloor));
    EXPECT_EQ(game.map.tile(kTopFloor, 49), Tile::Zeno);
    EXPECT_EQ(slot(Slot::ZenoWeakened), 0);
    EXPECT_EQ(combat::monsterRow(game, combat::Monster::Zeno).life, 8000);
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 57), 1);
    EXPECT_EQ(stackTop(), 0);
    EXPECT_FALSE(game.explore.dialogPending);
    EXPECT_TRUE(inputOpen());
}

// Zeno's appearance brings the floor's music back only when the player has music on.
TEST_F(FloorEventTest, Floor24LeavesMusicOffWhenThePlayerTurnedItOff) {
    goTo(24, 16);
    setTile(5, Tile::EventCell);
    game.map.setTile(kTopFloor, 49, Tile::Thief);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(slot(Slot::MusicTrack), 0);
    for (const std::string& call : sound.calls)
        EXPECT_NE(call.rfind("music ", 0), 0u) << call;
}

TEST_F(FloorEventTest, Floor24InALaterLapEndsInZenosAttack) {
    goTo(24, 16);
    setTile(5, Tile::EventCell);
    game.map.setTile(kTopFloor, 49, Tile::Thief);
    slot(Slot::LapLevel) = kLaterLap;
    makeInvincible();
    step(Direction::Up);
    runTimer(); // the dialogues wait for OK
    while (dialogOpen()) {
        game::click(game, "Button1");
        runTimer();
    }
    EXPECT_EQ(combat::monsterRow(game, combat::Monster::Zeno).offense, 625);
    EXPECT_EQ(game.map.tile(kTopFloor, 49), Tile::Road);
    EXPECT_EQ(game.map.tile(kTopFloor, 71), Tile::Road); // beaten on the hero's cell
    EXPECT_EQ(slot(Slot::Gold), 500);                    // Zeno's gold
    // Beating him ends the lap: the Ending window opens.
    EXPECT_TRUE(game.window.findWindow("Ending")->visible);
}

TEST_F(FloorEventTest, Floor40ArmyFightsOneByOneAndLeavesItsTreasure) {
    goTo(40, 82);
    makeInvincible();
    step(Direction::Up); // onto the event cell 71
    playPressingOk();
    EXPECT_EQ(heroCell(), 71);
    EXPECT_EQ(tile(82), Tile::Road);
    EXPECT_EQ(tile(5), Tile::StairsUp);
    EXPECT_EQ(tile(16), Tile::Road);
    EXPECT_EQ(tile(60), Tile::Fairy);
    EXPECT_EQ(tile(41), Tile::YellowKey);
    EXPECT_EQ(slot(Slot::Floor40Event), 1);
    EXPECT_EQ(tile(13), Tile::RedCrystal);
    EXPECT_EQ(tile(19), Tile::BlueCrystal);
    EXPECT_EQ(tile(36), Tile::BlueElixir);
    EXPECT_GT(slot(Slot::Gold), 0);
    EXPECT_TRUE(inputOpen());
}

TEST_F(FloorEventTest, Floor43SpringsOnlyWhileItsSergeantWaits) {
    goTo(43, 7);
    scenes::ichicheck(game);
    playPressingOk();
    EXPECT_EQ(tile(6), Tile::Wall);
    EXPECT_EQ(tile(10), Tile::Wall);
    EXPECT_EQ(tile(9), Tile::MagicSergeant);
    EXPECT_EQ(tile(8), Tile::Road);

    const std::int32_t top = stackTop();
    scenes::ichicheck(game); // no Sergeant on 8 any more
    EXPECT_EQ(stackTop(), top);
}

} // namespace
} // namespace scenes_test
