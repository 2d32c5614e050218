#include "combat/effects.h"
#include "state/combat_state.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

constexpr int kSacredShield = Slot::ShieldTaken + 4;

class MagicTest : public ScenesTest {
  protected:
    // Floor 5 emptied; the hero on cell 61 without the Sacred Shield.
    void SetUp() override {
        ScenesTest::SetUp();
        goTo(5, 61);
        clearFloor();
        slot(kSacredShield) = 0;
        slot(Slot::Life) = 1000;
    }
};

TEST_F(MagicTest, AMagicianBesideTheNewCellStrikes) {
    setTile(49, Tile::MagicianA); // above cell 60
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(heroCell(), 60);
    EXPECT_EQ(slot(Slot::Life), 800);
    EXPECT_EQ(messageLine(), line(237));
    EXPECT_TRUE(inputOpen());

    setTile(71, Tile::MagicianB); // below cell 60, seen from 59
    setTile(49, Tile::Road);
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 800);
    step(Direction::Right);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 700);
    EXPECT_EQ(messageLine(), line(238));
}

TEST_F(MagicTest, ALaterLapMultipliesTheBlowAndNamesItsAmount) {
    slot(Slot::LapLevel) = 43;
    slot(Slot::Life) = 10000;
    setTile(49, Tile::MagicianB);
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 10000 - 4400);
    EXPECT_EQ(messageLine(), line(266));
}

TEST_F(MagicTest, AMagiciansBlowCanEndTheGame) {
    slot(Slot::Life) = 150;
    setTile(49, Tile::MagicianA);
    step(Direction::Left);
    runTimer();
    EXPECT_EQ(slot(Slot::Life), 0);
    EXPECT_EQ(dialogText(), line(92));
}

TEST_F(MagicTest, TheSacredShieldStopsTheBlowButNotTheRetreatOnFloor47) {
    goTo(47, 61);
    clearFloor();
    slot(kSacredShield) = 1;
    setTile(49, Tile::MagicianA);
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 1000);
    EXPECT_EQ(tile(49), Tile::Road);
    EXPECT_EQ(tile(38), Tile::MagicianA); // one cell further from the hero

    setTile(49, Tile::MagicianA); // no room to step back: he stays
    step(Direction::Right);
    playPressingOk();
    step(Direction::Left);
    playPressingOk();
    EXPECT_EQ(tile(49), Tile::MagicianA);
    EXPECT_EQ(slot(Slot::Life), 1000);
}

TEST_F(MagicTest, EachPairOfSergeantsHalvesTheLife) {
    for (int cell : {49, 59, 71})
        setTile(cell, Tile::MagicSergeant);
    step(Direction::Left); // onto 60: 61, where he came from, is road
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 500); // the column pair 49 / 71
    EXPECT_EQ(messageLine(), line(239));

    setTile(61, Tile::MagicSergeant); // a crossing of four: three quarters gone in one watch
    slot(Slot::Life) = 1000;
    EXPECT_TRUE(combat::magicAfterStep(game));
    playPressingOk();
    EXPECT_EQ(slot(Slot::Life), 250);

    slot(kSacredShield) = 1;
    EXPECT_FALSE(combat::magicAfterStep(game));
}

TEST_F(MagicTest, NeighboursNameWhatStandsThereAndMarkTheStairsOfTheHighestFloor) {
    slot(Slot::HighestFloor) = 5;
    setTile(59, Tile::StairsDown);
    setTile(49, Tile::Merchant);
    step(Direction::Left);
    EXPECT_EQ(messageLine(), line(146)); // left comes after up: the stairs win
    EXPECT_EQ(slot(Slot::StartStairs), 2);

    slot(Slot::StartStairs) = 0;
    slot(Slot::HighestFloor) = 6;
    EXPECT_EQ(combat::mmes(game, 59), 19);
    EXPECT_EQ(slot(Slot::StartStairs), 0);
    EXPECT_EQ(combat::mmes(game, 50), std::nullopt);
}

// A character or a magician is named, and a magician strikes, whichever of its two
// animation pictures the map holds.
TEST_F(MagicTest, BothPicturesOfACharacterOrMagicianCount) {
    struct Neighbour {
        std::uint8_t code;
        int line;
    };
    for (const Neighbour n :
         {Neighbour{20, 140}, Neighbour{22, 142}, Neighbour{24, 141}, Neighbour{26, 139}}) {
        setTile(49, n.code);
        step(Direction::Left);
        EXPECT_EQ(messageLine(), line(n.line)) << int(n.code);
        setTile(49, Tile::Road);
        step(Direction::Right);
    }
    for (const Neighbour n : {Neighbour{152, 237}, Neighbour{154, 238}}) {
        slot(Slot::Life) = 1000;
        setTile(49, n.code);
        step(Direction::Left);
        playPressingOk();
        EXPECT_EQ(slot(Slot::Life), n.code == 152 ? 800 : 900) << int(n.code);
        EXPECT_EQ(messageLine(), line(n.line));
        setTile(49, Tile::Road);
        step(Direction::Right);
        playPressingOk();
    }
}

} // namespace
} // namespace scenes_test
