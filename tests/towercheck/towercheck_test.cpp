// The tower checker's rules: the shipped tower passes, and each rule speaks up when a floor
// is broken on purpose, naming the floor and the cell.
#include "broken_tower.h"
#include "tower_rules.h"
#include "world/initial_world.h"
#include "world/tiles.h"

#include <fstream>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

using namespace towercheck_test;
using towercheck::Violations;
using world::TowerMap;

TEST(TowerCheck, ShippedTowerBreaksNoRule) {
    std::ifstream route(TOWERCHECK_ROUTE_FILE);
    ASSERT_TRUE(route) << TOWERCHECK_ROUTE_FILE;
    const towercheck::Notes notes{towercheck::readPocketMarks(TOWERCHECK_FLOORS_DIR),
                                  towercheck::readRouteNames(route)};
    EXPECT_FALSE(notes.routeNames.empty());
    const Violations found = towercheck::checkTower(world::initialTower(), notes);
    for (const auto& v : found)
        ADD_FAILURE() << towercheck::describe(v);
}

TEST(TowerCheck, DescribesFloorCellAndPosition) {
    EXPECT_EQ(towercheck::describe({7, 23, "a rule"}), "floor 7, cell 23 (1,2): a rule");
    EXPECT_EQ(towercheck::describe({44, -1, "a rule"}), "floor 44: a rule");
}

TEST(TowerCheck, VocabularyRefusesCodesThatNeverStandInTheMap) {
    for (std::uint8_t code : {0, 62, 18, 158, 255, 36, 23, 91}) {
        const auto found = towercheck::checkVocabulary(broken({{5, 60, code}}));
        EXPECT_TRUE(reports(found, 5, 60)) << "code " << int(code);
    }
}

TEST(TowerCheck, VocabularyKeepsFloorBoundCodesOnTheirFloors) {
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{5, 60, 5}})), 5, 60));    // bars
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{27, 60, 13}})), 27, 60)); // lava
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{49, 60, 14}})), 49, 60)); // void
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{26, 59, 27}})), 26, 59)); // gate
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{12, 9, 10}})), 12, 9));   // hidden
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{16, 60, 104}})), 16, 60));
    EXPECT_TRUE(towercheck::checkVocabulary(broken({{13, 5, 13}})).empty());
}

TEST(TowerCheck, VocabularyWantsTheLargeMonstersWhole) {
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{15, 60, 6}})), 15, 60));
    EXPECT_TRUE(reports(towercheck::checkVocabulary(broken({{35, 71, 6}})), 35, 71));
}

TEST(TowerCheck, ArrivalCellsAreRoadBesideTheirStairs) {
    EXPECT_TRUE(reports(towercheck::checkStairs(broken({{6, 11, 8}})), 6, 11));
    EXPECT_TRUE(reports(towercheck::checkStairs(broken({{6, 0, 8}})), 6, 11));
    EXPECT_TRUE(reports(towercheck::checkStairs(broken({{6, 120, 8}})), 6, 109));
}

TEST(TowerCheck, BossFloorsGetTheirUpStairsOnlyFromTheScene) {
    EXPECT_TRUE(reports(towercheck::checkStairs(broken({{20, 5, 11}})), 20, 5));
    EXPECT_TRUE(reportsFloor(towercheck::checkStairs(broken({{30, 0, 11}})), 30));
}

TEST(TowerCheck, TheTopHasNoUpStairsAndFloor44HasAWayOut) {
    EXPECT_TRUE(reportsFloor(towercheck::checkStairs(broken({{50, 0, 11}})), 50));
    EXPECT_TRUE(reportsFloor(towercheck::checkStairs(broken({{44, 120, 8}})), 44));
}

TEST(TowerCheck, AWingToAscendLandsOnRoad) {
    EXPECT_TRUE(reports(towercheck::checkStairs(broken({{44, 43, 8}})), 43, 43));
}

TEST(TowerCheck, EventCellsOnlyWhereAScenePlays) {
    EXPECT_TRUE(reports(towercheck::checkEventCells(broken({{5, 60, 7}})), 5, 60));
    EXPECT_TRUE(reports(towercheck::checkEventCells(broken({{20, 82, 6}})), 20, 82));
    EXPECT_TRUE(reportsFloor(towercheck::checkEventCells(broken({{20, 81, 7}})), 20));
    EXPECT_TRUE(towercheck::checkEventCells(broken({{33, 64, 6}, {33, 53, 7}})).empty());
    EXPECT_TRUE(reports(towercheck::checkEventCells(broken({{33, 64, 6}, {33, 63, 7}})), 33, 63));
    EXPECT_TRUE(reports(towercheck::checkEventCells(broken({{38, 56, 6}, {38, 45, 7}})), 38, 45));
}

TEST(TowerCheck, ScriptedCellsHoldWhatTheirScriptsRead) {
    EXPECT_TRUE(reports(towercheck::checkScriptedCells(broken({{2, 67, 6}})), 2, 67));
    EXPECT_TRUE(reports(towercheck::checkScriptedCells(broken({{32, 49, 8}})), 32, 49));
    EXPECT_TRUE(reports(towercheck::checkScriptedCells(broken({{8, 52, 6}})), 8, 52));
    EXPECT_TRUE(reports(towercheck::checkScriptedCells(broken({{39, 36, 2}})), 39, 36));
    EXPECT_TRUE(reports(towercheck::checkScriptedCells(broken({{50, 0, 6}})), 50, 0));
}

TEST(TowerCheck, NoAfterFightCheckMatchesAtTheStart) {
    // Guards that start as road let any fight on the floor open the gate.
    EXPECT_TRUE(reports(towercheck::checkAfterFightSums(broken({{8, 52, 6}, {8, 54, 6}})), 8, 52));
    // Three roads and a wall already give floor 14's red key.
    const auto key = broken({{14, 0, 6}, {14, 2, 6}, {14, 12, 6}, {14, 22, 8}});
    EXPECT_TRUE(reports(towercheck::checkAfterFightSums(key), 14, 0));
    const auto weak = broken({{49, 15, 93}, {49, 17, 93}, {49, 37, 93}, {49, 39, 93}});
    EXPECT_TRUE(reports(towercheck::checkAfterFightSums(weak), 49, 15));
}

TEST(TowerCheck, CharactersAnswerFromTheirOwnColumns) {
    EXPECT_TRUE(towercheck::checkTalkColumns(world::initialTower()).empty());
    // The red-key merchant of floor 12 reached from column 0 or 2.
    EXPECT_TRUE(reports(towercheck::checkTalkColumns(broken({{12, 55, 6}})), 12, 56));
    EXPECT_TRUE(reports(towercheck::checkTalkColumns(broken({{12, 57, 6}})), 12, 56));
    // The hidden key merchant reached from below (column 10).
    EXPECT_TRUE(reports(towercheck::checkTalkColumns(broken({{12, 21, 6}})), 12, 10));
    // The hidden old man reached from column 10 would give advice instead of the Elixir.
    EXPECT_TRUE(reports(towercheck::checkTalkColumns(broken({{16, 109, 6}})), 16, 120));
    // The prison thief walled in on the wake-up side.
    EXPECT_TRUE(reports(towercheck::checkTalkColumns(broken({{2, 79, 8}})), 2, 78));
}

TEST(TowerCheck, AtMostSevenMonsterKindsAFloor) {
    const auto crowd = broken({{5, 56, 133},
                               {5, 57, 135},
                               {5, 58, 137},
                               {5, 59, 139},
                               {5, 60, 141},
                               {5, 61, 143},
                               {5, 62, 145},
                               {5, 63, 147}});
    EXPECT_TRUE(reportsFloor(towercheck::checkMonsterKinds(crowd), 5));
}

TEST(TowerCheck, TheWayUpIsReachable) {
    // Floor 4's up stairs walled in on both open sides.
    EXPECT_TRUE(reportsFloor(towercheck::checkReachability(broken({{4, 99, 8}, {4, 111, 8}})), 4));
}

TEST(TowerCheck, NoCornerIsForgotten) {
    // Walling off 20 leaves floor 36's top row behind the down stairs.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{36, 20, 8}})), 36, 9));
    // Lava, bars and thieves open later: what lies behind them is not forgotten.
    EXPECT_TRUE(towercheck::checkReachability(world::initialTower()).empty());
}

TEST(TowerCheck, TheStoryWallsHold) {
    // A road past the capture's event cell.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{3, 104, 6}})), 3, 92));
    // A second gap beside the floor-29 thief.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{29, 37, 6}})), 29, 38));
    // The blue door of the prison turned yellow: the strong hero walks into the guard hall.
    EXPECT_TRUE(reportsFloor(towercheck::checkReachability(broken({{2, 12, 1}})), 2));
}

TEST(TowerCheck, TrapsCannotBeWalkedRound) {
    // A side door into the Octopus's room.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{15, 47, 6}, {15, 46, 6}})), 15, 37));
    // Floor 33's guards reached from the rooms beside them: all four beaten, the trap then
    // shuts the hero in with nobody left to fight.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{33, 51, 6}, {33, 73, 6}})), 33, 52));
    // The pen of floor 30 opened from the side room.
    EXPECT_TRUE(reports(towercheck::checkReachability(broken({{30, 57, 6}})), 30, 46));
}

} // namespace

namespace {

using Family = Violations (*)(const world::TowerMap&);

// One deliberate break and where the checker must point.
struct Break {
    const char* what;
    Family family;
    Changes changes;
    int floor;
    int cell; // -1: anywhere on the floor
};

// A break is named by what it breaks, so that its test keeps one name from build to build.
void PrintTo(const Break& b, std::ostream* os) {
    *os << b.what;
}

class EachRuleFires : public ::testing::TestWithParam<Break> {};

TEST_P(EachRuleFires, OnItsFloorAndCell) {
    const Break& b = GetParam();
    const Violations found = b.family(broken(b.changes));
    if (b.cell >= 0)
        EXPECT_TRUE(reports(found, b.floor, b.cell)) << b.what;
    else
        EXPECT_TRUE(reportsFloor(found, b.floor)) << b.what;
}

const std::vector<Break> kBreaks = {
    {"floor 30's event outside the pen",
     towercheck::checkEventCells,
     {{30, 60, 6}, {30, 38, 7}},
     30,
     38},
    {"floor 48's event cell missing", towercheck::checkEventCells, {{48, 0, 6}}, 48, 0},
    {"a second capture cell on floor 3", towercheck::checkEventCells, {{3, 91, 7}}, 3, -1},
    {"floor 41's pockets open at the start", towercheck::checkScriptedCells, {{41, 70, 6}}, 41, 70},
    {"floor 24's passage open at the start", towercheck::checkScriptedCells, {{24, 27, 6}}, 24, 27},
    {"the floor-29 thief missing", towercheck::checkScriptedCells, {{29, 38, 6}}, 29, 38},
    {"a way into the Sacred Shield's cell", towercheck::checkScriptedCells, {{44, 59, 6}}, 44, 59},
    {"the floor-42 figure is not the thief", towercheck::checkScriptedCells, {{42, 82, 6}}, 42, 82},
    {"floor 43's Sergeant fought from below",
     towercheck::checkScriptedCells,
     {{43, 19, 6}},
     43,
     19},
    {"floor 41's magicians already gone",
     towercheck::checkAfterFightSums,
     {{41, 12, 6}, {41, 20, 6}},
     41,
     12},
    {"Zeno beaten before he comes",
     towercheck::checkAfterFightSums,
     {{49, 71, 6}, {49, 60, 4}},
     49,
     27},
    {"floor 34's guards already gone",
     towercheck::checkAfterFightSums,
     {{34, 37, 6},
      {34, 39, 6},
      {34, 41, 6},
      {34, 43, 6},
      {34, 81, 6},
      {34, 83, 6},
      {34, 85, 6},
      {34, 87, 6}},
     34,
     37},
    {"floor 25's up stairs gone", towercheck::checkStairs, {{25, 110, 8}}, 25, 111},
    {"a hidden block that hides nothing", towercheck::checkVocabulary, {{41, 21, 10}}, 41, 21},
    {"floor 44's way out only past the keepers",
     towercheck::checkReachability,
     {{44, 65, 8}},
     44,
     71},
    {"floor 35's way up only past the Dragon",
     towercheck::checkReachability,
     {{35, 87, 8}},
     35,
     104},
    {"floor 9's down stairs cut off from above",
     towercheck::checkReachability,
     {{9, 15, 8}, {9, 17, 8}, {9, 27, 8}},
     9,
     -1},
};

INSTANTIATE_TEST_SUITE_P(TowerCheck, EachRuleFires, ::testing::ValuesIn(kBreaks));

TEST(TowerCheck, HiddenBlocksAtTheirFourPlacesAreFine) {
    for (const auto& [floor, cell] : {std::pair{12, 10}, {16, 120}, {19, 27}, {41, 20}})
        EXPECT_FALSE(reports(towercheck::checkVocabulary(world::initialTower()), floor, cell));
}

TEST(TowerCheck, ALargeMonsterCountsAsOneKind) {
    // Floor 15 keeps its Octopus (nine cells, one kind) within the seven kinds.
    EXPECT_TRUE(towercheck::checkMonsterKinds(world::initialTower()).empty());
}

} // namespace
