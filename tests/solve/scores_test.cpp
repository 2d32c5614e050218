// The fairy's ratings along a route: each meeting of the first lap, with what the hero held
// and the points she gave, as the route document's table.
#include "solve/scores.h"
#include "solve/search.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> linesOf(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

TEST(Scores, EveryRatingOfARouteWithWhatTheHeroHeldAsATable) {
    std::vector<std::string> route = linesOf(std::string(SCENARIO_DIR) + "/fairy_ranking.txt");
    ASSERT_FALSE(route.empty());
    const std::vector<solve::Rating> ratings = solve::ratingsOf(GRAVENHOLD_GAME_DIR, route);
    ASSERT_EQ(ratings.size(), 1u) << "the second walk against her finds her gone";
    const solve::Rating& r = ratings.front();
    EXPECT_EQ(r.floor, 10);
    EXPECT_EQ(r.life, 2000);
    EXPECT_EQ(r.offense, 40);
    EXPECT_EQ(r.defense, 40);
    EXPECT_EQ(r.points, 135);

    solve::Rating late = r;
    late.floor = 25;
    late.yellowKeys = 3;
    late.redKeys = 2;
    EXPECT_EQ(solve::scoreTable({r, late}),
              "| checkpoint | life / offense / defense at the fairy | keys | points |\n"
              "|---|---|---|---|\n"
              "| floor 10 | 2000 / 40 / 40 | 0 | 135 |\n"
              "| floor 25 (late game) | 2000 / 40 / 40 | 3 yellow, 2 red | 135 |\n");
}

TEST(Scores, PlayedForScoreEveryPointTheFairyGivesCountsInTheValue) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    // A strong hero below the fairy of floor 10, as the ranking scenario sets him up: she
    // gives him 135 points.
    for (const char* line : {"set tile 10 27 23", "set tile 10 38 6", "set hero 10 5 3",
                             "set status 0 2000", "set status 1 40", "set status 2 40"})
        ASSERT_TRUE(player.play(line)) << line;
    const solve::Position start = player.position();
    solve::SearchOptions options;
    options.workers = 1;
    options.beamWidth = 4;
    options.positions = 1; // one generation: the moves from the start
    options.ratingWorth = 1000;
    const solve::SearchResult result = solve::search({&player}, start, options);
    ASSERT_EQ(result.best.status[world::Slot::FairyMeetings], 1) << "the best move meets her";
    EXPECT_EQ(result.last.bestValue, solve::valueOf(result.best) + 135 * 1000);
}

// The stored winning route, played up to a few moves before the late fairy of floor 25.
solve::Position beforeTheLateFairy(solve::Player& player, std::size_t movesBefore) {
    using namespace world::Slot;
    const world::Status& s = player.game().status;
    std::vector<solve::Position> restingPlaces;
    for (const std::string& line : linesOf(std::string(SCENARIO_DIR) + "/solver_route.txt")) {
        const std::int32_t meetings = s[FairyMeetings];
        player.play(line);
        if (s[FairyMeetings] > meetings && s[Floor] == 25)
            break;
        if (line == "run" && player.game().explore.inputLive && player.dialogButtons().empty())
            restingPlaces.push_back(player.position());
    }
    return restingPlaces.at(restingPlaces.size() - movesBefore);
}

TEST(Scores, TheScorePassPlaysOnAfterTheFirstWinAndKeepsTheWonRouteSheRatesBest) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    const solve::Position start = beforeTheLateFairy(player, 3);
    solve::SearchOptions options;
    options.workers = 1;
    options.beamWidth = 6;
    options.positions = 6000;
    options.scorePass = true;
    const solve::SearchResult result = solve::search({&player}, start, options);
    ASSERT_TRUE(result.won);
    EXPECT_GE(result.last.positions, options.positions)
        << "the search played on after its first win until the budget ran out";
    EXPECT_GE(result.last.wins, 1);
    const solve::ScoredRoute& kept = result.bestScored;
    EXPECT_GT(kept.points[4], 0) << "the kept route meets the late fairy";
    EXPECT_EQ(result.bestAt[4].points[4], kept.points[4]);
    EXPECT_EQ(kept.points[0], -1) << "only her ratings after the start count";
    EXPECT_TRUE(solve::lapWon(kept.end));
    EXPECT_TRUE(solve::routeReaches(GRAVENHOLD_GAME_DIR, start, kept.route, kept.end));
}

} // namespace
