// The fight a scene orders, the monster striking first, and fights too long to play out.
#include "combat/battle.h"
#include "combat/damage.h"
#include "fight_helpers.h"
#include "script/executor.h"
#include "script/script.h"

#include <gtest/gtest.h>

namespace {

using script::CommandEntry;
using world::Facing;
using world::Slot::Gold;
using world::Slot::Life;

constexpr int kFloor1 = 1;
constexpr int kCell = 104;

CommandEntry e(int code, int arg1 = 0, int arg2 = 0) {
    return {static_cast<std::int16_t>(code), static_cast<std::int16_t>(arg1),
            static_cast<std::int16_t>(arg2)};
}

// A monster slid onto the hero's own cell, and the scene's order to fight it on the stack.
game::Game monsterOnHero(std::uint8_t tile, std::int32_t life, std::int32_t offense,
                         std::int32_t defense) {
    game::Game g = fight::newGame();
    fight::placeHero(g, kCell, Facing::Left, life, offense, defense);
    g.map.setTile(kFloor1, kCell, tile);
    script::Script(g, {e(11, 10, kCell), e(0)}).push(g);
    script::timer2on(g);
    return g;
}

// Plays the scene's first entry, the order, which puts the fight in its place.
void playOrder(game::Game& g) {
    script::stackwork(g);
}

TEST(MonsterFirstFight, TheSoldierStrikesFirstAndTheScriptTakesTheOrdersPlace) {
    game::Game g = monsterOnHero(139, 1000, 275, 100); // Soldier: 210, 200, 65
    playOrder(g);
    EXPECT_EQ(g.status[world::Slot::HeroHidden], 0);
    const int left = 8 * 2;
    const std::vector<CommandEntry> expected = {e(1, 3),
                                                e(0),
                                                e(9, kCell, left + 184),
                                                e(0, 139, left + 183),
                                                e(4, kCell, 0),
                                                e(0),
                                                e(1, 3),
                                                e(0),
                                                e(9, kCell, 183),
                                                e(0, 139, 184),
                                                e(5, kCell, 193),
                                                e(0),
                                                e(11, 9),
                                                e(0),
                                                e(17, kCell, 6),
                                                e(2),
                                                e(7, 45),
                                                e(11, 5, 5),
                                                e(0)}; // the scene's own last entry stays beneath
    EXPECT_EQ(fight::script(g), expected);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{900}));
    EXPECT_EQ(trace.monsterLife, (std::vector<std::int32_t>{0}));
    EXPECT_EQ(g.status[Gold], 45);
    EXPECT_EQ(g.map.tile(kFloor1, kCell), 6);
    EXPECT_EQ(g.composedMessage, "Beat a Soldier.  Got 45 Golds.");
}

TEST(MonsterFirstFight, OneGoldStillReadsGolds) {
    game::Game g = monsterOnHero(61, 1000, 100, 100);
    playOrder(g);
    EXPECT_EQ(g.composedMessage, "Beat a Green Slime.  Got 1 Golds.");
}

TEST(MonsterFirstFight, ACellWithoutAOneCellMonsterIsNoFight) {
    for (std::uint8_t tile : {std::uint8_t{6}, std::uint8_t{104}}) {
        game::Game g = monsterOnHero(tile, 1000, 100, 100);
        playOrder(g);
        EXPECT_EQ(fight::script(g), (std::vector<CommandEntry>{e(0)})) << int{tile};
    }
}

TEST(MonsterFirstFight, ALostFightFellsTheHeroOnTheMonstersLastBlow) {
    game::Game g = monsterOnHero(139, 250, 100, 100); // 100 a blow: the third one kills
    playOrder(g);
    const std::vector<CommandEntry> s = fight::script(g);
    ASSERT_EQ(s.size(), 2 * 12 + 6 + 18 + 2 + 1u);
    EXPECT_EQ(s[4], e(4, kCell, 250));
    EXPECT_EQ(s[28], e(4, kCell, 139));
    EXPECT_EQ(s[48], e(3));
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{150, 50, 0}));
    EXPECT_EQ(g.status[world::Slot::HeroHidden], 1);
    testing_game::runTimer(g);
    EXPECT_TRUE(testing_game::control(g, "RichEdit1").visible);
}

TEST(MonsterFirstFight, AMonsterTheHeroCannotHurtOverwhelmsHim) {
    game::Game g = monsterOnHero(139, 250, 65, 100); // his blows do nothing
    playOrder(g);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{150, 50, 0}));
    EXPECT_EQ(trace.monsterLife, (std::vector<std::int32_t>{210, 210}));
}

TEST(MonsterFirstFight, WhenNeitherCanHurtTheOtherTheHeroIsOverwhelmedAtOnce) {
    game::Game g = monsterOnHero(139, 250, 65, 200);
    playOrder(g);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife, (std::vector<std::int32_t>{250}));
    EXPECT_EQ(g.status[Life], 0);
    EXPECT_EQ(testing_game::control(g, "Memo1").text, "0");
    testing_game::runTimer(g);
    EXPECT_TRUE(testing_game::control(g, "RichEdit1").visible);
}

// The hero's remaining life after a won fight, worked out from the fight's cost alone.
std::int32_t lifeAfter(std::int32_t life, std::int64_t cost) {
    return static_cast<std::int32_t>(life - cost);
}

TEST(LongFights, ALaterLapZenoFightSettlesAllButItsLastExchangesAtOnce) {
    // Zeno restored in a later lap: 352000 life, 220000 offense, 44000 defense, fought with
    // one point to spare on each side: 352000 blows.
    game::Game g = fight::newGame();
    g.status[world::Slot::LapLevel] = world::kLaterLap;
    g.map.setTile(kFloor1, kCell - 11, 91);
    fight::placeHero(g, kCell, Facing::Up, 400000, 44001, 219999);
    g.targetCell = kCell - 11;
    combat::taisen(g);
    ASSERT_EQ(g.combat.blowCount, 352000);
    const std::int32_t settled = 351999 - combat::kMaxPlayedExchanges;
    EXPECT_EQ(g.status[Life], 400000 - settled);
    EXPECT_EQ(g.combat.monsterLifeLeft, 352000 - settled);
    EXPECT_EQ(g.explore.stack.size(), 12 * combat::kMaxPlayedExchanges + 12);
    EXPECT_LE(g.explore.stack.size(), script::kCommandStackRoom); // the stack never had to grow
}

TEST(LongFights, ASettledFightEndsExactlyAsThePlayedOneWould) {
    game::Game g = fight::newGame();
    g.combat.monsterStats[combat::Monster::Zeno] = {2600, 20, 0, 500};
    g.map.setTile(kFloor1, kCell - 11, 91);
    fight::placeHero(g, kCell, Facing::Up, 100000, 1, 17); // 2600 blows, 3 per answer
    g.targetCell = kCell - 11;
    combat::taisen(g);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.monsterLife.size(), combat::kMaxPlayedExchanges + 1u);
    EXPECT_EQ(trace.monsterLife.back(), 0);
    EXPECT_EQ(g.status[Life], lifeAfter(100000, 3 * 2599));
    EXPECT_EQ(g.status[Gold], 500);
}

TEST(LongFights, ASettledLostFightStillFellsTheHeroOnTheLastBlow) {
    game::Game g = monsterOnHero(139, 2500000, 65, 199); // 1 a blow: 2500000 blows
    playOrder(g);
    EXPECT_EQ(g.status[Life], combat::kMaxPlayedExchanges + 1);
    const fight::BlowTrace trace = fight::playBlowByBlow(g);
    EXPECT_EQ(trace.heroLife.size(), combat::kMaxPlayedExchanges + 1u);
    EXPECT_EQ(trace.heroLife.back(), 0);
}

} // namespace
