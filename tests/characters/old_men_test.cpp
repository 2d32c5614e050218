#include "characters_fixture.h"

namespace characters_test {
namespace {

class OldManTest : public CharacterTest {};

TEST_F(OldManTest, GivesHisAdviceOnceThenOnlyWishesLuck) {
    talkTo(4, Tile::OldMan);
    EXPECT_EQ(boxText(), line(62));
    EXPECT_TRUE(control("Button1").focused);
    EXPECT_EQ(slot(68), 1);
    click("Button1");
    EXPECT_TRUE(inputOpen());
    slot(Slot::OrbOfWisdom) = 1;
    talkTo(4, Tile::OldMan);
    EXPECT_EQ(boxText(), line(86));
    EXPECT_EQ(slot(68), 1);
    click("Button1");

    talkTo(48, Tile::OldMan);
    EXPECT_EQ(boxText(), line(85));
    EXPECT_EQ(slot(83), 2);
}

TEST_F(OldManTest, ThePrisonOldMansGiftIsThreePercentTruncatedAndGivenOnce) {
    slot(Slot::Offense) = 10;
    slot(Slot::Defense) = 100;
    talkTo(2, Tile::OldMan);
    EXPECT_EQ(boxText(), line(87));
    EXPECT_EQ(slot(Slot::Offense), 10);
    EXPECT_EQ(slot(Slot::Defense), 103);
    EXPECT_EQ(slot(98), 1);
    click("Button1");
    talkTo(2, Tile::OldMan);
    EXPECT_EQ(boxText(), line(86));
    EXPECT_EQ(slot(Slot::Defense), 103);
}

TEST_F(OldManTest, TheOrbOfHeroIsUsableOnlyAfterTheOkOfItsLine) {
    talkTo(3, Tile::OldMan);
    EXPECT_EQ(boxText(), line(88));
    EXPECT_EQ(slot(Slot::OrbOfHero), 2);
    EXPECT_EQ(messageLine(), line(138));
    EXPECT_FALSE(commandTimerOn());
    EXPECT_FALSE(inputOpen()); // the script has ended, but the orb waits for OK
    EXPECT_FALSE(game.window.main.menuItem("&Game/&Save").enabled);
    click("Button1");
    EXPECT_EQ(slot(Slot::OrbOfHero), 1);
    EXPECT_TRUE(inputOpen());
    EXPECT_TRUE(game.window.main.menuItem("&Game/&Save").enabled);
    talkTo(3, Tile::OldMan);
    EXPECT_EQ(boxText(), line(86));
    EXPECT_EQ(slot(Slot::OrbOfHero), 1);
}

TEST_F(OldManTest, TheHiddenOldManOfFloor16GivesTheElixirOnce) {
    talkTo(16, Tile::OldMan, 9);
    EXPECT_EQ(boxText(), line(89));
    EXPECT_EQ(slot(Slot::Elixir), 1);
    EXPECT_EQ(slot(71), 1);
    click("Button1");
    slot(Slot::Elixir) = 0; // drunk
    talkTo(16, Tile::OldMan, 9);
    EXPECT_EQ(slot(Slot::Elixir), 0);
    click("Button1");
    talkTo(16, Tile::OldMan, 2);
    EXPECT_EQ(boxText(), line(68));
    EXPECT_EQ(slot(70), 1);
}

TEST_F(OldManTest, TheFloor23OldManHasNothingToSayAndItsOkEndsTheTalk) {
    for (int talk = 0; talk < 2; ++talk) {
        talkTo(23, Tile::OldMan);
        EXPECT_EQ(boxText(), line(60));
        click("Button1");
        EXPECT_FALSE(shown("RichEdit1"));
        EXPECT_TRUE(inputOpen());
    }
}

} // namespace
} // namespace characters_test
