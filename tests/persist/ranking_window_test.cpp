#include "io/ranking.h"
#include "persist/ranking_window.h"
#include "persist_fixture.h"

using namespace world;
using io::RankingNames;
using io::RankingTable;
using persist_test::PersistTest;
using testing_shell::writeFile;

namespace {

class RankingWindow : public PersistTest {
  protected:
    window::Window& box() { return secondary("Ranking"); }
    // The cell of place 1..10 in column 0..5 (rank, points, name, life, offense, defense).
    std::string shown(int place, int column) {
        return box().control("Edit" + std::to_string(6 * (place - 1) + column + 1)).text;
    }

    // A stamped list n on disk with the temporary ranking's values and names "p1".."p10".
    void listOnDisk(int list) {
        RankingTable t = io::temporaryRanking(list);
        RankingNames names;
        for (int p = 1; p <= io::kPlaces; ++p)
            names[static_cast<std::size_t>(p - 1)] = "p" + std::to_string(p);
        ASSERT_FALSE(io::writeRanking(game.folders.save, list, t, names));
    }

    // The hero meets the fairy of floor 10 with life, offense and defense; she values him and
    // her dialog's OK opens the window.
    void meetTheFairyOfFloor10(std::int32_t life, std::int32_t offense, std::int32_t defense) {
        game.status[Slot::Floor] = 10;
        game.status[Slot::Life] = life;
        game.status[Slot::Offense] = offense;
        game.status[Slot::Defense] = defense;
        persist::fairyValuation(game);
        persist::openRankingWindow(game);
    }

    Status scratchCopy() { return savedGame("save0.dat")->status; }
};

TEST_F(RankingWindow, FromTheMenuItShowsNoListUntilAFloorIsChosen) {
    game.status[Slot::FairyPlace] = 4;
    game.status[Slot::FairyList] = 1;
    menu("&Options/&Font/&Big");
    ASSERT_TRUE(menu("&Game/&Ranking"));
    EXPECT_TRUE(box().visible);
    EXPECT_EQ(box().control("Edit7").fontSize, 12);  // the table follows the font choice
    EXPECT_EQ(box().control("Label1").fontSize, 14); // and the title its larger size
    EXPECT_TRUE(box().control("Button6").focused);
    EXPECT_EQ(shown(1, 0), "1");
    EXPECT_EQ(shown(10, 0), "10");
    EXPECT_EQ(shown(1, 1), "");
    EXPECT_EQ(shown(1, 2), "");
    EXPECT_EQ(scratchCopy()[Slot::FairyPlace], 0); // looking registers nothing
    EXPECT_TRUE(platform.inputs.empty());

    listOnDisk(2);
    ASSERT_TRUE(click("Ranking.Button2"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(shown(1, 1), "100");
    EXPECT_EQ(shown(1, 2), "p1");
    EXPECT_EQ(shown(3, 3), "800");
    EXPECT_EQ(shown(10, 5), "5");
    EXPECT_TRUE(box().control("Button2").focused);
    EXPECT_TRUE(platform.inputs.empty());
}

TEST_F(RankingWindow, EachBadTableGivesItsMessageAndTheTemporaryRanking) {
    menu("&Game/&Ranking");
    click("Ranking.Button5"); // no file yet: the temporary ranking, without a word
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(shown(1, 3), "10000"); // list 5's temporary life
    writeFile(savePath("option1.dat"), std::string(200, '\0'));
    click("Ranking.Button1"); // a table cut short
    listOnDisk(2);
    std::filesystem::copy_file(savePath("option2.dat"), savePath("option3.dat"));
    click("Ranking.Button3"); // list 2's table under list 3's name
    listOnDisk(4);
    auto bytes = testing_shell::fileBytes(savePath("option4.dat"));
    bytes[17] ^= 0x20;
    writeFile(savePath("option4.dat"), std::string(bytes.begin(), bytes.end()));
    click("Ranking.Button4");
    EXPECT_EQ(
        platform.messages,
        (std::vector<std::string>{"Version of Ranking data is old. Use a temporary Ranking.",
                                  "Version of Ranking data is abnormal. Use a temporary Ranking.",
                                  "Ranking data is abnormal. Use a temporary Ranking."}));
    EXPECT_EQ(shown(1, 1), "100");
    EXPECT_EQ(shown(1, 3), "5000"); // list 4's temporary life
    EXPECT_EQ(shown(2, 4), "190");
}

TEST_F(RankingWindow, TheFairysPlaceTakesTheHerosNameAndIsSaved) {
    listOnDisk(1);
    platform.texts = {std::string("Arthur")};
    meetTheFairyOfFloor10(1600, 30, 36); // 24 + 60 + 3 + 2 = 89 points: place 3
    EXPECT_EQ(game.status[Slot::FairyValuation], 89);
    EXPECT_EQ(game.status[Slot::FairyPlace], 3);
    EXPECT_EQ(game.status[Slot::FairyList], 1);
    EXPECT_EQ(platform.inputs,
              std::vector<std::string>{"Input your name|Please input within 18 words|"});
    EXPECT_EQ(shown(3, 1), "89");
    EXPECT_EQ(shown(3, 2), "Arthur");
    EXPECT_EQ(shown(3, 3), "1600");
    EXPECT_EQ(shown(4, 2), "p3");

    const io::RankingRead read = io::readTable(game.folders.save, 1);
    EXPECT_EQ(read.check, io::TableCheck::Good);
    EXPECT_EQ(read.table.points(3), 89);
    EXPECT_EQ(read.table.points(10), 20); // the old 10th is gone
    EXPECT_EQ(io::readNames(game.folders.save, 1)[2], "Arthur");
    // The copy goes back with the hand-over cleared; the game in play keeps its valuation.
    EXPECT_EQ(scratchCopy()[Slot::FairyPlace], 0);
    EXPECT_EQ(scratchCopy()[Slot::FairyList], 0);
    EXPECT_EQ(game.status[Slot::FairyPlace], 3);

    click("Ranking.Button1"); // looking again registers nothing more
    EXPECT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(shown(4, 2), "p3");
}

TEST_F(RankingWindow, CancellingSavesTheListWithoutTheHero) {
    platform.texts = {std::nullopt};
    meetTheFairyOfFloor10(5000, 30, 36);    // no list on disk: the temporary one, place 1
    EXPECT_TRUE(platform.messages.empty()); // a new player's first list is nothing amiss
    EXPECT_EQ(game.status[Slot::FairyPlace], 1);
    EXPECT_EQ(shown(1, 1), "100");
    const io::RankingRead read = io::readTable(game.folders.save, 1);
    EXPECT_EQ(read.check, io::TableCheck::Good); // the temporary ranking, saved
    EXPECT_EQ(read.table.points(1), 100);
    EXPECT_EQ(scratchCopy()[Slot::FairyPlace], 0);
}

TEST_F(RankingWindow, AnEmptyNameEntersAndSavesNothing) {
    platform.texts = {std::string()};
    meetTheFairyOfFloor10(5000, 30, 36);
    // The list on disk is still the temporary ranking a first read wrote, without the hero.
    EXPECT_EQ(io::readTable(game.folders.save, 1).table.points(1), 100);
    EXPECT_EQ(io::readNames(game.folders.save, 1), RankingNames{});
    EXPECT_EQ(scratchCopy()[Slot::FairyPlace], 1); // still pending
    click("Ranking.Button2");                      // the place was won on list 1, not here
    EXPECT_EQ(platform.inputs.size(), 1u);
    platform.texts = {std::string("Later")};
    click("Ranking.Button1");
    EXPECT_EQ(shown(1, 2), "Later");
}

TEST_F(RankingWindow, AValuationBelowTheTenthPlaceOnlyShowsTheList) {
    listOnDisk(1);
    meetTheFairyOfFloor10(1000, 20, 20); // 16 points: the 10th has 10, so place 10
    EXPECT_EQ(game.status[Slot::FairyPlace], 10);
    box().visible = false;
    platform.inputs.clear();
    meetTheFairyOfFloor10(1000, 10, 10); // nothing
    EXPECT_EQ(game.status[Slot::FairyValuation], 0);
    EXPECT_EQ(game.status[Slot::FairyPlace], 0);
    EXPECT_TRUE(box().visible);
    EXPECT_TRUE(platform.inputs.empty());
    EXPECT_EQ(shown(10, 1), "10");
}

TEST_F(RankingWindow, ExitLetsTheFairysScriptPlayOn) {
    menu("&Game/&Ranking");
    game.window.timer("Timer2").enabled = false;
    click("Ranking.Button6");
    EXPECT_FALSE(box().visible);
    EXPECT_TRUE(game.window.timer("Timer2").enabled);
    menu("&Game/&Ranking");
    game.window.timer("Timer2").enabled = false;
    EXPECT_TRUE(game::closeWindow(game, "Ranking"));
    EXPECT_FALSE(box().visible);
    EXPECT_TRUE(game.window.timer("Timer2").enabled);
}

TEST_F(RankingWindow, OffTheCheckpointFloorsTheFairyValuesNothing) {
    game.status[Slot::Floor] = 11;
    persist::fairyValuation(game);
    EXPECT_EQ(game.status[Slot::FairyList], 0);
    EXPECT_FALSE(std::filesystem::exists(savePath("save0.dat")));
}

} // namespace
