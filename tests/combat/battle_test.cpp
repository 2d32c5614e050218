// The fight the hero starts: its script entry by entry, the blows as they play, the victory
// message and the gold, the refusal, the lost fight and the game over, the big monsters.
#include "combat/battle.h"
#include "explore/dialog.h"
#include "explore/movement.h"
#include "fight_helpers.h"
#include "render/play_field.h"
#include "script/executor.h"
#include "script/input_lock.h"
#include "state/render_state.h"

#include <gtest/gtest.h>

namespace {

using script::CommandEntry;
using testing_game::messageLine;
using world::Facing;
using world::Slot::Gold;
using world::Slot::HeroHidden;
using world::Slot::Life;

constexpr int kFloor1 = 1;
constexpr int kSlimeCell = 104; // above the hero's start on floor 1
constexpr int kStartCell = 115;

CommandEntry e(int code, int arg1 = 0, int arg2 = 0) {
    return {static_cast<std::int16_t>(code), static_cast<std::int16_t>(arg1),
            static_cast<std::int16_t>(arg2)};
}

// A Green Slime (35 life, 18 offense, 1 defense) above the hero, who faces it.
game::Game slimeAhead(std::int32_t life, std::int32_t offense, std::int32_t defense) {
    game::Game g = fight::newGame();
    g.map.setTile(kFloor1, kSlimeCell, 61);
    fight::placeHero(g, kStartCell, Facing::Up, life, offense, defense);
    g.targetCell = kSlimeCell;
    return g;
}

TEST(HeroFirstFight, GreenSlimeScriptPlaysBlowByBlow) {
    game::Game g = slimeAhead(1000, 10, 10); // 9 per blow: 4 blows; 8 per answer: 3 answers
    combat::taisen(g);
    EXPECT_EQ(g.status[world::Slot::HeroY], 9); // he stands on the slime's cell
    EXPECT_EQ(g.status[HeroHidden], 0);
    EXPECT_TRUE(testing_game::commandTimerOn(g));

    const std::vector<CommandEntry> s = fight::script(g);
    const int up = 8 * 4; // the hero's hurt pose faces up
    const std::vector<CommandEntry> exchange = {
        e(1, 3), e(0), e(9, 104, 183),      e(0, 61, 184),      e(5, 104, 183), e(0),
        e(1, 3), e(0), e(9, 104, up + 184), e(0, 61, up + 183), e(4, 104, 0),   e(0)};
    const std::vector<CommandEntry> ending = {e(1, 3),       e(0), e(9, 104, 183), e(0, 61, 184),
                                              e(5, 104, 0),  e(0), e(11, 9),       e(0),
                                              e(17, 104, 6), e(2), e(7, 1),        e(11, 5, 5)};
    ASSERT_EQ(s.size(), 3 * exchange.size() + ending.size());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(std::equal(exchange.begin(), exchange.end(), s.begin() + 12 * i)) << i;
    EXPECT_TRUE(std::equal(ending.begin(), ending.end(), s.begin() + 36));

    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.monsterLife, (std::vector<std::int32_t>{26, 17, 8, 0}));
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{992, 984, 976}));
    EXPECT_EQ(g.status[Gold], 1);
    EXPECT_EQ(g.map.tile(kFloor1, kSlimeCell), 6);
    EXPECT_EQ(messageLine(g), "Beat a Green Slime.  Got 1 gold.");
    testing_game::runTimer(g);
    EXPECT_TRUE(script::optionsEnabled(g));
}

// Where the animation is stopped (the prison after the capture) nothing but the fight itself
// redraws the cell: when it ends, the window shows the hero standing on the floor it left.
TEST(HeroFirstFight, TheWonCellShowsTheHeroOnTheFloorEvenWithoutTheAnimation) {
    game::Game g = slimeAhead(1000, 10, 10);
    g.window.timer("Timer1").enabled = false;
    combat::taisen(g);
    testing_game::runTimer(g);
    const auto heroCellOnWindow = [&g] {
        return render::copyRect(g.window.main.screen,
                                {render::kFieldLeft + world::cellX(kSlimeCell) * render::kCellSide,
                                 render::kFieldTop + world::cellY(kSlimeCell) * render::kCellSide,
                                 render::kCellSide, render::kCellSide});
    };
    const render::Picture shown = heroCellOnWindow();
    render::redrawCell(g, kSlimeCell);
    render::yusyahyouji1(g);
    render::show(g);
    EXPECT_TRUE(shown == heroCellOnWindow());
}

TEST(HeroFirstFight, OneBlowPlaysOnlyTheLastBlowAndLuckyGoldPaysDouble) {
    game::Game g = slimeAhead(1000, 36, 0);
    g.status[world::Slot::LuckyGold] = 1;
    combat::taisen(g);
    EXPECT_EQ(fight::script(g).size(), 12u);
    EXPECT_EQ(g.composedMessage, "Beat a Green Slime.  Got 2 Golds.");
    fight::playBlowByBlow(g);
    EXPECT_EQ(g.status[Life], 1000);
    EXPECT_EQ(g.status[Gold], 2);
}

TEST(HeroFirstFight, TooStrongADefenseIsRefusedWithoutAMove) {
    game::Game g = slimeAhead(1000, 1, 10);
    combat::taisen(g);
    EXPECT_EQ(messageLine(g), "Cannot attack as the defensive power is too high!");
    EXPECT_TRUE(g.explore.stack.empty());
    EXPECT_EQ(g.status[world::Slot::HeroY], 10);
    EXPECT_EQ(g.map.tile(kFloor1, kSlimeCell), 61);
    EXPECT_EQ(testing_game::control(g, "Memo8").text, "Green Slime");
    testing_game::runTimer(g);
    EXPECT_TRUE(script::optionsEnabled(g));
}

TEST(HeroFirstFight, CrossDoublesTheBlowsAgainstAZombieAndThePanelReachesZero) {
    game::Game g = slimeAhead(1000, 70, 0);
    g.map.setTile(kFloor1, kSlimeCell, 85); // Zombie: 260 life, defense 5
    g.status[world::Slot::Cross] = 1;
    combat::taisen(g);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.monsterLife, (std::vector<std::int32_t>{125, 0}));
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{915}));
    EXPECT_EQ(testing_game::control(g, "Memo5").text, "0");
}

TEST(HeroFirstFight, DamageEqualToLifeLosesAndTheGameStartsAgain) {
    game::Game g = slimeAhead(24, 10, 10); // the fight would cost exactly 24
    g.status[world::Slot::LapLevel] = 0;
    combat::taisen(g);
    EXPECT_EQ(g.status[HeroHidden], 1);
    const std::vector<CommandEntry> s = fight::script(g);
    ASSERT_EQ(s.size(), 3 * 12 + 7u); // three exchanges, six pauses, the fall
    EXPECT_EQ(s.back(), e(3));

    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{16, 8, 0}));
    EXPECT_EQ(trace.monsterLife, (std::vector<std::int32_t>{26, 17, 8}));
    testing_game::runTimer(g);
    const window::Control& box = testing_game::control(g, "RichEdit1");
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.text, "You have lost your vital power. Please challenge again!");

    explore::Button1Click(g);
    testing_game::runTimer(g);
    EXPECT_EQ(g.status[Life], 1000);
    EXPECT_EQ(g.status[world::Slot::LapLevel], 0);
    EXPECT_EQ(g.map.tile(kFloor1, kSlimeCell), 6);
    EXPECT_TRUE(g.explore.stack.empty());
    EXPECT_TRUE(script::optionsEnabled(g));
}

TEST(HeroFirstFight, ALaterLapDeathRestartsAFirstLap) {
    game::Game g = slimeAhead(500, 100, 0);
    g.status[world::Slot::LapLevel] = world::kLaterLap; // the slime: 1540, 792, 44
    combat::taisen(g);
    EXPECT_EQ(fight::playBlowByBlow(g).heroLife, (std::vector<std::int32_t>{0}));
    testing_game::runTimer(g);
    explore::Button1Click(g);
    testing_game::runTimer(g);
    EXPECT_EQ(g.status[world::Slot::LapLevel], 0);
    EXPECT_EQ(g.status[Life], 1000);
    EXPECT_EQ(g.status[world::Slot::Floor], 1);
}

// A 3 x 3 monster of nine consecutive codes in reading order, its top-left cell given.
void placeBigMonster(game::Game& g, int floor, int topLeft, int firstCode) {
    for (int i = 0; i < 9; ++i)
        g.map.setTile(floor, topLeft + 11 * (i / 3) + i % 3,
                      static_cast<std::uint8_t>(firstCode + i));
}

// The Big Octopus as floor 15 has it: cells 37..39, 48..50, 59..61, its head on 60.
constexpr int kOctopusFloor = 15;

game::Game octopusFloor() {
    game::Game g = fight::newGame();
    g.status[world::Slot::Floor] = kOctopusFloor;
    placeBigMonster(g, kOctopusFloor, 37, 97);
    return g;
}

TEST(BigMonsters, TheOctopussHeadClearsAllNineCells) {
    game::Game g = octopusFloor();
    fight::placeHero(g, 71, Facing::Up, 1000, 1220, 0); // one blow
    g.targetCell = 60;
    combat::taisen(g);
    const std::vector<CommandEntry> s = fight::script(g);
    ASSERT_EQ(s.size(), 20u); // the last blow, the redraw, nine cleared cells, three more
    EXPECT_EQ(s[2], e(14, 60, 183));
    fight::playBlowByBlow(g);
    for (int cell : {37, 38, 39, 48, 49, 50, 59, 60, 61})
        EXPECT_EQ(g.map.tile(kOctopusFloor, cell), 6) << cell;
    EXPECT_EQ(g.status[Gold], 100);
    EXPECT_EQ(g.composedMessage, "Beat a Big Octopus.  Got 100 Golds.");
}

TEST(BigMonsters, ASideCellOfTheOctopusIsOnlyPartOfIt) {
    game::Game g = octopusFloor();
    g.map.setTile(kOctopusFloor, 36, 6);
    fight::placeHero(g, 36, Facing::Right, 1000, 1220, 0);
    g.status[world::Slot::LuckyGold] = 1;
    g.targetCell = 37;
    combat::taisen(g);
    fight::playBlowByBlow(g);
    EXPECT_EQ(g.map.tile(kOctopusFloor, 37), 6);
    EXPECT_EQ(g.map.tile(kOctopusFloor, 38), 98);
    EXPECT_EQ(g.map.tile(kOctopusFloor, 60), 104);
    EXPECT_EQ(g.status[Gold], 100); // half of 100, doubled
    EXPECT_EQ(g.composedMessage, "Beat some of Big Octopus.  Got 100 Golds.");
}

// The Dragon as floor 35 has it: cells 48..50, 59..61, 70..72, its head on 71.
TEST(BigMonsters, OnlyTheDragonsHeadFights) {
    game::Game g = fight::newGame();
    g.status[world::Slot::Floor] = 35;
    placeBigMonster(g, 35, 48, 115);
    fight::placeHero(g, 37, Facing::Down, 1000, 900, 0);
    g.status[world::Slot::DragonSlayer] = 1; // 1800 - 250 per blow: one blow
    explore::stepRequest(g, world::Direction::Down);
    EXPECT_TRUE(g.explore.stack.empty());
    EXPECT_EQ(g.map.tile(35, 48), 115);

    fight::placeHero(g, 82, Facing::Up, 1000, 900, 0);
    explore::stepRequest(g, world::Direction::Up);
    fight::playBlowByBlow(g);
    for (int cell : {59, 61, 70, 71, 72})
        EXPECT_EQ(g.map.tile(35, cell), 6) << cell;
    // The floor's after-fight check leaves its rewards on the other cells.
    EXPECT_EQ(g.map.tile(35, 60), 47);
    for (int cell : {48, 49, 50})
        EXPECT_EQ(g.map.tile(35, cell), 33) << cell;
    EXPECT_EQ(g.status[Gold], 800);
}

} // namespace
