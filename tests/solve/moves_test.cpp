// The finder's moves and search on the real tower: regions, roads past Magicians, the free
// pick-ups a move takes on its way, and routes that replay to where the search says.
#include "io/files.h"
#include "io/saved_game.h"
#include "solve/moves.h"
#include "solve/search.h"
#include "solve/start.h"
#include "world/tiles.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <set>

namespace {

using world::Tile::MagicianA;
using world::Tile::MagicianB;
using world::Tile::Road;
using world::Tile::Wall;

struct Finder : ::testing::Test {
    solve::Player player{GRAVENHOLD_GAME_DIR};
    solve::Position start = player.position();
};

// Floor 1 walled up except the bottom row, the hero on `heroCell`, a Magician above 113.
solve::Position corridor(solve::Position p, int heroCell, std::uint8_t magician = MagicianA) {
    for (int cell = 0; cell < world::kCells; ++cell)
        p.map.setTile(1, cell, cell >= 110 ? Road : Wall);
    p.map.setTile(1, 102, magician);
    p.status[world::Slot::Floor] = 1;
    p.status[world::Slot::HeroX] = world::cellX(heroCell);
    p.status[world::Slot::HeroY] = world::cellY(heroCell);
    return p;
}

TEST_F(Finder, RegionCostsStepsAndMagicBlowsAndIgnoresWhereTheHeroStands) {
    const solve::Region r = solve::regionOf(corridor(start, 115));
    EXPECT_EQ(r.cost[115], 0);
    EXPECT_EQ(r.cost[119], 4);
    EXPECT_EQ(r.cost[113], 2 + solve::kBlowCost) << "113 lies beside the Magician";
    EXPECT_EQ(r.cost[110], 5 + solve::kBlowCost);
    EXPECT_EQ(r.cost[102], -1);
    EXPECT_EQ(r.from[110], 111);
    EXPECT_EQ(r.representative, 110);
    EXPECT_EQ(solve::regionOf(corridor(start, 119)).representative, 110);
    // Either Magician strikes on either of his two pictures, as in the game.
    for (const int magician : {MagicianA + 0, MagicianA + 1, MagicianB + 0, MagicianB + 1}) {
        const auto code = static_cast<std::uint8_t>(magician);
        const solve::Region struck = solve::regionOf(corridor(start, 115, code));
        EXPECT_EQ(struck.cost[113], 2 + solve::kBlowCost) << "Magician code " << magician;
        EXPECT_EQ(struck.cost[119], 4) << "Magician code " << magician;
    }
}

TEST_F(Finder, EveryMoveReplaysToItsPositionAndLeavesNothingFreeWithinReach) {
    const std::vector<solve::Outcome> moves = solve::movesFrom(player, start);
    ASSERT_FALSE(moves.empty());
    EXPECT_TRUE(player.game().extras.undoPast.empty()) << "a search keeps no moves to take back";
    for (const solve::Outcome& move : moves) {
        EXPECT_TRUE(solve::routeReaches(GRAVENHOLD_GAME_DIR, start, move.lines, move.position));
        const solve::Region r = solve::regionOf(move.position);
        for (int cell = 0; cell < world::kCells; ++cell) {
            if (r.cost[cell] < 0 || r.cost[cell] >= solve::kBlowCost)
                continue;
            for (int beside : {cell - 11, cell + 11, cell - 1, cell + 1}) {
                if (beside < 0 || beside >= world::kCells ||
                    (world::cellY(beside) != world::cellY(cell) && beside % 11 != cell % 11))
                    continue;
                const auto kind = world::stepKind(move.position.map.tile(r.floor, beside));
                EXPECT_TRUE(kind != world::StepKind::Key && kind != world::StepKind::Item &&
                            kind != world::StepKind::Equipment)
                    << "cell " << beside << " left beside " << cell;
            }
        }
    }
}

TEST_F(Finder, SearchClimbsAndItsRouteReplaysFromANewGame) {
    std::atomic<bool> stop = false;
    solve::SearchOptions options;
    options.beamWidth = 20;
    options.seconds = 60;
    options.stop = &stop;
    options.report = [&](const solve::Progress& p) { stop = p.floorReached >= 3; };
    const solve::SearchResult result = solve::search(GRAVENHOLD_GAME_DIR, start, options);
    EXPECT_FALSE(result.won);
    EXPECT_GE(result.floorReached, 3);
    EXPECT_GT(result.last.positions, 0);
    EXPECT_TRUE(solve::routeReaches(GRAVENHOLD_GAME_DIR, start, result.route, result.best));
    EXPECT_GE(solve::valueOf(result.best), solve::valueOf(start));
}

} // namespace

namespace {

TEST_F(Finder, StartsFromASavedGameOrTheFloorsOfAFolderAndNamesWhatItCannotRead) {
    const std::string folder = ::testing::TempDir();
    solve::Position saved = corridor(start, 115);
    io::stampChecksums(saved.status);
    ASSERT_FALSE(io::writeBytes(folder + "/corridor.dat", io::toImage(saved.map, saved.status)));
    const auto fromSave = solve::startPosition(GRAVENHOLD_GAME_DIR, "", folder + "/corridor.dat");
    ASSERT_TRUE(std::holds_alternative<solve::Position>(fromSave));
    EXPECT_TRUE(solve::samePosition(std::get<solve::Position>(fromSave), saved));

    const auto damaged = solve::startPosition(GRAVENHOLD_GAME_DIR, "", folder + "/missing.dat");
    ASSERT_TRUE(std::holds_alternative<std::string>(damaged));
    EXPECT_EQ(std::get<std::string>(damaged), "\"" + folder + "/missing.dat\" is no saved game");

    const auto noFloors = solve::startPosition(GRAVENHOLD_GAME_DIR, folder + "/nowhere", "");
    ASSERT_TRUE(std::holds_alternative<std::string>(noFloors));
    EXPECT_EQ(std::get<std::string>(noFloors),
              "cannot read the floor file \"" + folder + "/nowhere/floor00.txt\"");

    const auto sameTower = solve::startPosition(GRAVENHOLD_GAME_DIR, FLOORS_DIR, "");
    ASSERT_TRUE(std::holds_alternative<solve::Position>(sameTower));
    EXPECT_TRUE(solve::samePosition(std::get<solve::Position>(sameTower), start))
        << "the floor files are the tower the game is built with";
}

} // namespace

namespace {

// The floors the Orb of Flying's moves land on, from beside floor 1's up stairs.
std::set<int> flightsFromFloor1(solve::Player& player, int highestFloor) {
    player.play("set status 19 1"); // the orb held
    player.play("set status 5 " + std::to_string(highestFloor));
    player.play("set hero 1 2 0");
    player.play("key left"); // beside the up stairs
    player.play("run");
    const solve::Position besideStairs = player.position();
    std::set<int> floors;
    for (const solve::Outcome& move : solve::movesFrom(player, besideStairs))
        if (move.lines.front() == "click Image4")
            floors.insert(move.position.status[world::Slot::Floor]);
    return floors;
}

TEST_F(Finder, TheOrbOfFlyingIsAMoveToNearFloorsAndFarOnesInGrowingStrides) {
    // Up one and two floors, none past the highest floor seen; down from floor 1 the chooser
    // does nothing, and a flight that lands where it took off is no move.
    EXPECT_EQ(flightsFromFloor1(player, 3), (std::set<int>{2, 3}));
    // 1, 2, 3, 5, 8 and 13 presses, then the highest floor itself.
    EXPECT_EQ(flightsFromFloor1(player, 20), (std::set<int>{2, 3, 4, 6, 9, 14, 20}));
}

TEST_F(Finder, AnItemThatActsWhereTheHeroStandsIsUsedFromTheCellsWhereItActs) {
    // The bottom row of floor 1 is his region; above it, floor 2 is wall but for cell 118.
    solve::Position p = corridor(start, 115);
    for (int cell = 0; cell < world::kCells; ++cell)
        p.map.setTile(2, cell, cell == 118 ? Road : Wall);
    p.status[world::Slot::WingToAscend] = 1;
    std::vector<solve::Outcome> wings;
    for (solve::Outcome& move : solve::movesFrom(player, p))
        if (std::find(move.lines.begin(), move.lines.end(), "click Image12") != move.lines.end())
            wings.push_back(std::move(move));
    // Only from 118, walked to first.
    ASSERT_EQ(wings.size(), 1U);
    EXPECT_EQ(wings[0].lines.front(), "key right");
    EXPECT_EQ(wings[0].position.status[world::Slot::Floor], 2);
    EXPECT_EQ(wings[0].position.status.heroCell(), 118);
    EXPECT_EQ(wings[0].position.status[world::Slot::WingToAscend], 0);
    EXPECT_TRUE(solve::routeReaches(GRAVENHOLD_GAME_DIR, p, wings[0].lines, wings[0].position));
}

TEST_F(Finder, WalkingAgainstZenoOnTheTopFloorPlaysTheEndingToItsButtonAndWins) {
    player.play("set hero 50 5 5");
    player.play("set tile 50 49 91"); // Zeno above the hero
    const solve::Position beforeZeno = player.position();
    std::vector<solve::Outcome> wins;
    for (solve::Outcome& move : solve::movesFrom(player, beforeZeno))
        if (solve::lapWon(move.position))
            wins.push_back(std::move(move));
    ASSERT_EQ(wins.size(), 1U);
    const std::vector<std::string>& lines = wins[0].lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "click Ending.Image4"), lines.end());
    EXPECT_EQ(wins[0].position.status[world::Slot::Floor], 1) << "the next lap starts on floor 1";
    EXPECT_TRUE(solve::routeReaches(GRAVENHOLD_GAME_DIR, beforeZeno, lines, wins[0].position));
}

} // namespace
