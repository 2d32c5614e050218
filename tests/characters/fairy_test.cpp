#include "characters/fairy.h"
#include "characters_fixture.h"

#include <filesystem>

namespace characters_test {
namespace {

using characters::fairyText;

std::string valued(int points) {
    return std::string(catalogueLine(220)) + " " + std::to_string(points) + " " +
           std::string(catalogueLine(221));
}

TEST(FairyText, JudgesThePointsAndTitlesTheBest) {
    auto l = [](int n) { return std::string(catalogueLine(n)); };
    EXPECT_EQ(fairyText(0, 0, 1), valued(0) + l(222));
    EXPECT_EQ(fairyText(49, 0, 1), valued(49) + l(222));
    EXPECT_EQ(fairyText(99, 0, 1), valued(99) + l(225));
    EXPECT_EQ(fairyText(100, 3, 1),
              l(244) + " 3 " + l(245) + valued(100) + l(226) + l(228) + l(229) + l(234) + l(235));
    EXPECT_EQ(fairyText(140, 0, 3), valued(140) + l(226) + l(228) + l(230) + l(234) + l(235));
    EXPECT_EQ(fairyText(141, 0, 4), valued(141) + l(227) + l(228) + l(231) + l(234) + l(236));
    EXPECT_EQ(fairyText(9999, 0, 5), valued(9999) + l(227) + l(228) + l(233) + l(234) + l(236));
    EXPECT_EQ(fairyText(10000, 1, 5), l(244) + " 1 " + l(245) + valued(10000));
}

class FairyTest : public CharacterTest {
  protected:
    // The fairy of floor 10 stands on cell 27, (5, 2).
    void meetFloor10Fairy() { talkTo(10, Tile::Fairy, 5, 3); }
    bool rankingShown() { return game.window.findWindow("Ranking")->visible; }
};

TEST_F(FairyTest, ValuesAWeakHeroAtNothingAndVanishesAfterTheRanking) {
    meetFloor10Fairy();
    EXPECT_EQ(slot(Slot::FairyValuation), 0); // (1000 - 400) / 50 + 60 - 57 - 50 is below 0
    EXPECT_EQ(slot(Slot::FairyPlace), 0);
    EXPECT_EQ(slot(Slot::FairyList), 1);
    EXPECT_EQ(slot(Slot::FairyMeetings), 1);
    EXPECT_TRUE(platform.messages.empty()); // a first list is written without a word
    EXPECT_TRUE(std::filesystem::exists(scratch.path("savedat/option1.dat")));
    EXPECT_TRUE(std::filesystem::exists(scratch.path("savedat/save0.dat")));
    EXPECT_EQ(boxText(), fairyText(0, 0, 1));

    click("Button1");
    EXPECT_TRUE(rankingShown());
    EXPECT_FALSE(commandTimerOn());
    EXPECT_EQ(tile(10, 27), Tile::Fairy);
    EXPECT_EQ(slot(106), 1);

    game::click(game, "Ranking.Button6");
    runTimer();
    EXPECT_FALSE(rankingShown());
    EXPECT_EQ(tile(10, 27), Tile::Road);
    EXPECT_TRUE(inputOpen());
}

TEST_F(FairyTest, AStrongHeroWinsAPlaceOnTheTemporaryRanking) {
    slot(Slot::Life) = 2000;
    slot(Slot::Offense) = 40;
    slot(Slot::Defense) = 40;
    slot(Slot::FairyMeetings) = 3;
    meetFloor10Fairy();
    EXPECT_EQ(slot(Slot::FairyValuation), 135);
    EXPECT_EQ(slot(Slot::FairyPlace), 1);
    EXPECT_EQ(boxText(), fairyText(135, 1, 4));
}

TEST_F(FairyTest, InALaterLapHerWordsNeedNoRanking) {
    slot(Slot::LapLevel) = 43;
    meetFloor10Fairy();
    click("Button1");
    EXPECT_FALSE(rankingShown());
    EXPECT_EQ(tile(10, 27), Tile::Road);
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace characters_test
