// Two copies of the game on one save folder (two windows, or a window and the driver): what one
// saves while the other registers a name is kept, and each registers its own hero.
#include "io/ranking.h"
#include "persist/ranking_window.h"
#include "persist/saved_games.h"
#include "persist_fixture.h"

#include <functional>

using namespace world;
using persist_test::PersistTest;

namespace {

// The platform of the first copy: while it asks for the hero's name, the second copy acts.
class NameAskedWhileOtherActs final : public window::Platform {
  public:
    std::function<void()> other;
    void messageBox(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        if (other)
            std::exchange(other, nullptr)();
        return std::string("First");
    }
    void showHelp(const std::string&) override {}
    std::vector<std::string> messages;
};

class TwoCopies : public PersistTest {
  protected:
    void SetUp() override {
        PersistTest::SetUp();
        game.setPlatform(&first);
        io::RankingTable t = io::temporaryRanking(1);
        ASSERT_FALSE(io::writeRanking(game.folders.save, 1, t, {"p1", "p2", "p3"}));
        game.status[Slot::Floor] = 10;
        game.status[Slot::Life] = 1600;
        game.status[Slot::Offense] = 30;
        game.status[Slot::Defense] = 36; // 89 points: place 3
    }

    // The second copy registers `name` with `points` and `life` on list 1, as its Ranking
    // window does, handing its game over through save0.dat first.
    void secondCopyRegisters(const std::string& name, std::int32_t points, std::int32_t life) {
        Status other = game.status;
        other[Slot::Life] = life;
        ASSERT_FALSE(io::writeGame(savePath("save0.dat"), game.map, other));
        io::RankingTable table = io::readTable(game.folders.save, 1).table;
        io::RankingNames names = io::readNames(game.folders.save, 1);
        io::enterPlace(table, names, io::placeFor(table, points), name, {points, life, 1, 1});
        ASSERT_FALSE(io::writeRanking(game.folders.save, 1, table, names));
    }

    NameAskedWhileOtherActs first;
};

TEST_F(TwoCopies, AnEntrySavedByTheOtherCopyWhileTheNameIsAskedIsKept) {
    persist::fairyValuation(game);
    first.other = [&] { secondCopyRegisters("Second", 95, 7777); };
    persist::openRankingWindow(game);
    EXPECT_TRUE(first.messages.empty());
    const io::RankingNames names = io::readNames(game.folders.save, 1);
    const io::RankingTable table = io::readTable(game.folders.save, 1).table;
    // 95 points took place 2 and moved "p2" (90) down: 89 points now earn place 4.
    EXPECT_EQ(names[1], "Second");
    EXPECT_EQ(names[2], "p2");
    EXPECT_EQ(names[3], "First");
    EXPECT_EQ(names[4], "p3");
    EXPECT_EQ(table.points(2), 95);
    EXPECT_EQ(table.points(4), 89);
    EXPECT_EQ(table.at(3, io::Column::Life), 1600);
    // The window shows the list as saved.
    EXPECT_EQ(secondary("Ranking").control("Edit9").text, "Second");
    EXPECT_EQ(secondary("Ranking").control("Edit21").text, "First");
}

TEST_F(TwoCopies, EachCopyRegistersItsOwnHeroNotTheGameTheOtherWroteToSave0) {
    persist::fairyValuation(game);
    // The other copy's fairy hands its game over through save0.dat before this window opens.
    Status other = game.status;
    other[Slot::Life] = 7777;
    ASSERT_FALSE(io::writeGame(savePath("save0.dat"), game.map, other));
    persist::openRankingWindow(game);
    const io::RankingTable table = io::readTable(game.folders.save, 1).table;
    EXPECT_EQ(io::readNames(game.folders.save, 1)[2], "First");
    EXPECT_EQ(table.points(3), 89);
    EXPECT_EQ(table.at(2, io::Column::Life), 1600);
}

} // namespace
