#include "items_fixture.h"

namespace items_test {
namespace {

constexpr int kHero = 60;
constexpr int kAbove = 49;
constexpr int kBelow = 71;

class TravelTest : public ItemsTest {
  protected:
    // The hero on a floor with a staircase above him, the orb held, the highest floor given.
    void besideStairs(int floorNumber, int highest, std::uint8_t stairs = Tile::StairsUp) {
        standOn(floorNumber, kHero);
        setTile(kAbove, stairs);
        slot(Slot::HighestFloor) = highest;
        give(Slot::OrbOfFlying);
    }
    bool choosing() { return control("Button10").visible; }

    // Fly with the orb: open the floor chooser, click its arrows (Button8 up, Button9 down)
    // and land with "OK".
    void fly(std::initializer_list<const char*> arrows) {
        click("Image4");
        for (const char* arrow : arrows)
            click(arrow);
        click("Button10");
    }
};

TEST_F(TravelTest, TheOrbNeedsStairsBesideTheHeroAndTheLastNeighbourDecides) {
    besideStairs(5, 5);
    setTile(kAbove, Tile::Road);
    click("Image4");
    EXPECT_FALSE(choosing());
    EXPECT_EQ(messageLine(), line(147));
    EXPECT_TRUE(inputOpen());

    setTile(kAbove, Tile::StairsUp);
    setTile(kBelow, Tile::Merchant); // examined after the stairs
    click("Image4");
    EXPECT_FALSE(choosing());

    setTile(kAbove, Tile::Merchant);
    setTile(kBelow, Tile::StairsDown);
    click("Image4");
    EXPECT_TRUE(choosing());
    EXPECT_TRUE(control("Button10").focused);
    EXPECT_EQ(slot(Slot::HeroHidden), 1);
    EXPECT_FALSE(inputOpen());
}

TEST_F(TravelTest, UpAndDownStayBetweenFloorOneAndTheHighestAndPassOverFortyFour) {
    besideStairs(42, 45);
    click("Image4");
    click("Button8");
    EXPECT_EQ(floor(), 43);
    click("Button8");
    EXPECT_EQ(floor(), 45);
    click("Button8");
    EXPECT_EQ(floor(), 45);
    EXPECT_EQ(control("Memo11").text, "Tower 45 F");
    click("Button9");
    EXPECT_EQ(floor(), 43);
    EXPECT_EQ(slot(Slot::FlightDirection), 2);

    besideStairs(2, 45);
    click("Image4");
    click("Button9");
    click("Button9");
    EXPECT_EQ(floor(), 1);
}

TEST_F(TravelTest, TheHeroLandsBesideTheStairsAsIfHeHadWalked) {
    besideStairs(5, 7);
    click("Image4");
    click("Button9");
    click("Button9");
    const int landing = game.map.arrivalDown(3); // arriving from above
    game.map.setTile(3, landing - 1, Tile::StairsUp);
    game.map.setTile(3, landing + 1, Tile::Road);
    click("Button10");
    EXPECT_FALSE(choosing());
    EXPECT_EQ(floor(), 3);
    EXPECT_EQ(heroCell(), landing);
    EXPECT_EQ(slot(Slot::Facing), static_cast<std::int32_t>(Facing::Right));
    EXPECT_EQ(slot(Slot::HeroHidden), 0);
    EXPECT_EQ(slot(Slot::HighestFloor), 7);
    EXPECT_EQ(messageLine(), line(150));
    runTimer();
    EXPECT_TRUE(inputOpen());
    EXPECT_EQ(slot(Slot::OrbOfFlying), 1);

    besideStairs(3, 7);
    fly({"Button8"});
    EXPECT_EQ(heroCell(), game.map.arrivalUp(4)); // arriving from below
}

TEST_F(TravelTest, OkWithoutAStepLeavesTheHeroWhereHeStood) {
    besideStairs(5, 7);
    fly({});
    EXPECT_EQ(floor(), 5);
    EXPECT_EQ(heroCell(), kHero);
    EXPECT_EQ(messageLine(), line(150));
}

TEST_F(TravelTest, OnTheHighestFloorTheHeroReturnsToTheStaircaseHeStartedBeside) {
    besideStairs(6, 6, Tile::StairsUp);
    fly({"Button9", "Button8"});
    EXPECT_EQ(heroCell(), game.map.arrivalDown(6)); // beside the up staircase

    besideStairs(6, 6, Tile::StairsDown);
    fly({"Button9", "Button8"});
    EXPECT_EQ(heroCell(), game.map.arrivalUp(6)); // beside the down staircase
}

TEST_F(TravelTest, AHeldUpClimbsOneFloorEveryTickUpToTheHighest) {
    besideStairs(2, 6);
    click("Image4");
    game::press(game, "Button8");
    EXPECT_TRUE(game.window.timer("Timer3").enabled);
    for (int tick = 0; tick < 10; ++tick)
        game::timerTick(game, "Timer3");
    EXPECT_EQ(floor(), 6);
    game::release(game, "Button8");
    EXPECT_FALSE(game.window.timer("Timer3").enabled);
    EXPECT_EQ(slot(Slot::FlightDirection), 1);

    game::press(game, "Button9");
    game::timerTick(game, "Timer3");
    game::timerTick(game, "Timer3");
    game::release(game, "Button9");
    EXPECT_EQ(floor(), 4);
}

TEST_F(TravelTest, FlyingAwaySettlesTheFairiesAndTheThiefsPassage) {
    game.map.setTile(25, 71, Tile::Fairy);
    game.map.setTile(49, 16, Tile::Fairy);
    besideStairs(29, 29);
    fly({"Button9"});
    EXPECT_EQ(game.map.tile(25, 71), Tile::Road);
    EXPECT_EQ(game.map.tile(49, 16), Tile::Road);
    EXPECT_EQ(game.map.tile(29, 38), Tile::Road);
    EXPECT_EQ(game.map.tile(29, 27), Tile::Road);
    EXPECT_EQ(game.map.tile(29, 17), Tile::Thief);
}

TEST_F(TravelTest, ReachingFloorThirtyFiveByUpSendsTheThiefOfFloorTwoAway) {
    game.map.setTile(35, 91, Tile::Road);
    game.map.setTile(2, 120, Tile::Thief);
    besideStairs(34, 36);
    click("Image4");
    click("Button8");
    EXPECT_EQ(game.map.tile(2, 120), Tile::Road);
}

TEST_F(TravelTest, TheMusicStopsForTheChoiceAndTheLandingPlaysTheNewFloorsTrack) {
    slot(Slot::MusicTrack) = 5;
    besideStairs(9, 12);
    sound.calls.clear();
    click("Image4");
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"stop music"}));
    click("Button8");
    click("Button8");
    click("Button10");
    EXPECT_EQ(slot(Slot::MusicTrack), 6); // the track of floors 11 to 20
    ASSERT_FALSE(sound.calls.empty());
    EXPECT_EQ(sound.calls.back(), "music midi/b_058xgw.mid");
}

} // namespace
} // namespace items_test
