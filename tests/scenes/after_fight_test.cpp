#include "combat/monsters.h"
#include "script/script.h"
#include "state/combat_state.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

class AfterFightTest : public ScenesTest {};

TEST_F(AfterFightTest, AGateOpensWhenItsGuardsAreGoneAndOnlyTheSumCounts) {
    goTo(8, 60);
    afterFight();
    EXPECT_EQ(tile(42), Tile::Gate); // both guards still there

    setTile(52, Tile::Road);
    afterFight();
    EXPECT_EQ(tile(42), Tile::Gate);
    setTile(54, Tile::Road);
    afterFight();
    EXPECT_EQ(tile(42), Tile::Road);
    EXPECT_TRUE(inputOpen());

    setTile(42, Tile::Gate); // a gate and a wall add up like two roads
    setTile(52, Tile::Gate);
    setTile(54, Tile::Wall);
    afterFight();
    EXPECT_EQ(tile(42), Tile::Road);
}

TEST_F(AfterFightTest, TheCaptainOfFloor10LeavesTheFairyTheTreasureAndTheStairs) {
    goTo(10, 49);
    setTile(5, Tile::Road);
    for (int gate : {71, 40, 36})
        setTile(gate, Tile::Gate);
    afterFight();
    for (int gate : {71, 40, 36})
        EXPECT_EQ(tile(gate), Tile::Road);
    EXPECT_EQ(tile(27), Tile::Fairy);
    EXPECT_EQ(tile(22), Tile::RedCrystal);
    EXPECT_EQ(tile(32), Tile::BlueCrystal);
    EXPECT_EQ(tile(35), Tile::BlueElixir);
    EXPECT_EQ(tile(43), Tile::YellowKey);
    EXPECT_EQ(tile(115), Tile::StairsUp);
    EXPECT_EQ(tile(93), Tile::EventCell);
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 15), 1);
}

TEST_F(AfterFightTest, OneShotChecksFireOnce) {
    goTo(34, 60);
    for (int guard : {37, 39, 41, 43, 81, 83, 85, 87})
        setTile(guard, Tile::Road);
    afterFight();
    EXPECT_EQ(tile(56), Tile::RedKey);
    EXPECT_EQ(tile(68), Tile::YellowKey);
    EXPECT_EQ(slot(Slot::Floor34Event), 1);

    setTile(56, Tile::Road);
    afterFight();
    EXPECT_EQ(tile(56), Tile::Road);
}

TEST_F(AfterFightTest, Floor49WeakensZenoOnceHisNearestSergeantsFall) {
    goTo(49, 5);
    for (int edge : {16, 26, 28, 38})
        setTile(edge, Tile::Road);
    for (int corner : {15, 17, 37, 39})
        setTile(corner, Tile::MagicSergeant);
    setTile(27, Tile::Zeno);
    afterFight();
    EXPECT_EQ(slot(Slot::ZenoWeakened), 1);
    EXPECT_EQ(combat::monsterRow(game, combat::Monster::Zeno).life, 800);
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 46), 1);

    afterFight(); // the dialogue again, but Zeno is weakened only once
    EXPECT_EQ(combat::monsterRow(game, combat::Monster::Zeno).life, 800);
}

TEST_F(AfterFightTest, ZenoBeatenOnFloor49EmptiesTheStackAndOpensTheWayUp) {
    goTo(49, 60);
    setTile(27, Tile::Road);
    setTile(60, Tile::Road);
    for (int corner : {15, 17, 37, 39})
        setTile(corner, Tile::MagicSergeant);
    script::Script(game,
                   {{Cmd::Special, script::Special::AfterFight, 5}, {Cmd::SetTile, 0, Tile::Wall}})
        .push(game);
    script::timer2on(game);
    playPressingOk();
    EXPECT_EQ(tile(0), Tile::Road); // what lay beneath the check was dropped
    EXPECT_EQ(tile(71), Tile::Road);
    EXPECT_EQ(tile(16), Tile::Fairy);
    EXPECT_EQ(tile(15), Tile::RedKey);
    EXPECT_EQ(tile(17), Tile::DragonSlayer);
    EXPECT_EQ(tile(37), Tile::Road);
    EXPECT_EQ(tile(50), Tile::BlueElixir);
}

TEST_F(AfterFightTest, TheFloor32KnightReturnsOnlyBeforeHisSecondWord) {
    goTo(32, 104);
    slot(Slot::DialogueSeenBase + 30) = 1;
    afterFight();
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 31), 1);
    EXPECT_EQ(tile(9), Tile::Road);   // the knight walked off and vanished
    EXPECT_EQ(tile(104), Tile::Road); // ...from the hero's cell
    EXPECT_EQ(game.map.tile(2, 120), Tile::Thief);
    EXPECT_EQ(game.map.tile(29, 17), Tile::Road);
    EXPECT_EQ(game.window.main.control("Button1").text, "OK");
}

TEST_F(AfterFightTest, Floor25OpensTheFloor24PassageOnlyAfterTheDoll) {
    goTo(25, 71);
    setTile(60, Tile::Road);
    setTile(104, Tile::Gate);
    afterFight();
    EXPECT_EQ(tile(71), Tile::Fairy);
    EXPECT_EQ(tile(84), Tile::RedKey);
    EXPECT_EQ(game.map.tile(24, 5), Tile::Wall);

    slot(Slot::DialogueSeenBase + 26) = 1;
    setTile(104, Tile::Gate);
    afterFight();
    EXPECT_EQ(game.map.tile(24, 5), Tile::EventCell);
    EXPECT_EQ(game.map.tile(24, 27), Tile::Road);
}

} // namespace
} // namespace scenes_test
