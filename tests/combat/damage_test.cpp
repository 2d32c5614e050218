// The damage arithmetic: the constant-time counts against the game's loops of one
// subtraction per blow, and the forecasts the monster list shows.
#include "combat/damage.h"
#include "combat/monsters.h"
#include "state/game.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace {

using combat::Monster::GreenSlime;
using namespace world::Slot;

// The game's count: one subtraction per blow, in 32-bit arithmetic.
std::int32_t loopBlows(std::int32_t life, std::int32_t perBlow) {
    std::int32_t count = 0;
    for (std::int32_t remaining = life; remaining > 0; remaining -= perBlow)
        ++count;
    return count;
}

game::Game heroAgainst(int type, std::int32_t life, std::int32_t offense, std::int32_t defense) {
    game::Game g;
    g.status[Life] = life;
    g.status[Offense] = offense;
    g.status[Defense] = defense;
    g.combat.currentMonster = type;
    return g;
}

TEST(BlowCount, EqualsTheOneSubtractionLoopOnBoundaries) {
    const std::int32_t lives[] = {1, 2, 34, 35, 36, 1540, 352000, 15840000};
    const std::int32_t steps[] = {1, 2, 3, 9, 34, 35, 36, 1539, 1540, 1541, 15839999, 15840000};
    for (std::int32_t life : lives)
        for (std::int32_t step : steps)
            EXPECT_EQ(combat::blowsToDefeat(life, step), loopBlows(life, step))
                << life << " / " << step;
}

TEST(BlowCount, EqualsTheOneSubtractionLoopOnRandomInputs) {
    std::mt19937 rng(20260101);
    std::uniform_int_distribution<std::int32_t> life(-5, 16000000);
    std::uniform_int_distribution<std::int32_t> smallStep(1, 50);
    std::uniform_int_distribution<std::int32_t> anyStep(1, 400000);
    for (int i = 0; i < 300; ++i) {
        const std::int32_t l = life(rng);
        const std::int32_t s = i % 3 == 0 ? anyStep(rng) : smallStep(rng);
        ASSERT_EQ(combat::blowsToDefeat(l, s), loopBlows(l, s)) << l << " / " << s;
    }
}

TEST(BlowCount, NoLifeNeedsNoBlowAndAnEndlessCountReadsAsTheLargest) {
    EXPECT_EQ(combat::blowsToDefeat(0, 5), 0);
    EXPECT_EQ(combat::blowsToDefeat(-3, 5), 0);
    EXPECT_EQ(combat::blowsToDefeat(10, 0), INT32_MAX);
    EXPECT_EQ(combat::blowsToDefeat(INT32_MAX, 1), INT32_MAX);
}

TEST(Damage, IsHeldAtTheLargestValueInsteadOfWrapping) {
    EXPECT_EQ(combat::damageOf(8, 3), 24);
    EXPECT_EQ(combat::damageOf(0, 1000), 0);
    EXPECT_EQ(combat::damageOf(-5, 1000), 0);
    EXPECT_EQ(combat::damageOf(9, 0), 0);
    EXPECT_EQ(combat::damageOf(220000, 15840000), INT32_MAX);
    EXPECT_EQ(combat::damageOf(65536, 32768), INT32_MAX);
    EXPECT_EQ(combat::damageOf(65536, 32767), 65536 * 32767);
}

TEST(HeroFirst, GreenSlimeAgainstOffenseTen) {
    game::Game g = heroAgainst(GreenSlime, 1000, 10, 10);
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, 4);
    EXPECT_EQ(g.combat.expectedDamage, 24);
    EXPECT_EQ(g.combat.forecastText, "Expected damage 24");
}

TEST(HeroFirst, DefenseEqualToOffenseCannotBeAttackedEvenWithTheCross) {
    game::Game g = heroAgainst(combat::Monster::Zombie, 1000, 5, 10); // Zombie defense 5
    g.status[world::Slot::Cross] = 1;
    EXPECT_FALSE(combat::canAttack(g, combat::Monster::Zombie));
    combat::dameiji(g);
    EXPECT_EQ(g.combat.forecastText, "Impossible to attack!");
    g.status[Offense] = 6;
    EXPECT_TRUE(combat::canAttack(g, combat::Monster::Zombie));
}

TEST(HeroFirst, MonsterThatCannotHurtCostsNothingAndOneBlowCostsNothing) {
    game::Game g = heroAgainst(GreenSlime, 1000, 2, 18); // 35 blows, but 18 - 18 = 0
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, 35);
    EXPECT_EQ(g.combat.expectedDamage, 0);
    g = heroAgainst(GreenSlime, 1000, 36, 0);
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, 1);
    EXPECT_EQ(g.combat.expectedDamage, 0);
}

TEST(HeroFirst, LaterLapMultipliesLifeOffenseDefenseButNeverGold) {
    game::Game g = heroAgainst(GreenSlime, 100000, 45, 0);
    g.status[LapLevel] = world::kLaterLap;
    const combat::MonsterStrength m = combat::monsterStrength(g, GreenSlime);
    EXPECT_EQ(m.life, 1540);
    EXPECT_EQ(m.offense, 792);
    EXPECT_EQ(m.defense, 44);
    EXPECT_EQ(combat::monsterRow(g, GreenSlime).gold, 1);
    combat::dameiji(g); // one point per blow: 1540 blows, 1539 answers of 792
    EXPECT_EQ(g.combat.blowCount, 1540);
    EXPECT_EQ(g.combat.expectedDamage, 792 * 1539);
}

TEST(HeroFirst, TheWorstLaterLapFightCountsLikeTheLoop) {
    // Zeno restored in a later lap: 352000 x 44 life against an offense one above defense.
    game::Game g = heroAgainst(combat::Monster::Zeno, INT32_MAX, 0, 0);
    g.status[LapLevel] = world::kLaterLap;
    g.combat.monsterStats[combat::Monster::Zeno] = {360000, 50, 1000, 500};
    g.status[Offense] = 44000 + 1;
    g.status[Defense] = 2199;
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, loopBlows(360000 * 44, 1));
    EXPECT_EQ(g.combat.expectedDamage, 1 * (360000 * 44 - 1));
}

TEST(Doubling, CrossAndDragonSlayerDoubleOnlyTheirMonstersInTheFight) {
    game::Game g = heroAgainst(combat::Monster::Zombie, 10000, 70, 0); // Zombie 260/85/5
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, 4); // 65 per blow
    g.status[world::Slot::Cross] = 1;
    combat::dameiji(g);
    EXPECT_EQ(g.combat.blowCount, 2); // 135 per blow
    g.combat.currentMonster = combat::Monster::Dragon;
    EXPECT_FALSE(combat::attackDoubled(g, combat::Monster::Dragon));
    g.status[world::Slot::DragonSlayer] = 1;
    EXPECT_TRUE(combat::attackDoubled(g, combat::Monster::Dragon));
    EXPECT_TRUE(combat::attackDoubled(g, combat::Monster::Vampire));
    EXPECT_TRUE(combat::attackDoubled(g, combat::Monster::ZombieKnight));
    EXPECT_FALSE(combat::attackDoubled(g, GreenSlime));
}

TEST(Forecast, TheOrbCountsAZombieWithThePlainOffense) {
    game::Game g = heroAgainst(combat::Monster::Zombie, 10000, 70, 0);
    g.status[world::Slot::Cross] = 1;
    combat::obudameiji(g);
    EXPECT_EQ(g.combat.blowCount, 4);
    EXPECT_EQ(g.combat.forecastText, "Expected damage 255"); // 85 x 3
    combat::dameiji(g);
    EXPECT_EQ(g.combat.expectedDamage, 85); // the fight itself costs less
}

TEST(MonsterFirst, TheMonsterStrikesBeforeEveryHeroBlow) {
    game::Game g = heroAgainst(GreenSlime, 1000, 10, 10);
    g.status[world::Slot::Cross] = 1;
    combat::dameiji2(g);
    EXPECT_EQ(g.combat.blowCount, 4);
    EXPECT_EQ(g.combat.expectedDamage, 32);
}

TEST(MonsterBlows, CountTheStrikesThatEndTheHerosLife) {
    game::Game g = heroAgainst(GreenSlime, 24, 10, 10); // 8 per strike
    combat::ydameiji(g);
    EXPECT_EQ(g.combat.blowCount, 3);
    g.status[Life] = 25;
    combat::ydameiji(g);
    EXPECT_EQ(g.combat.blowCount, 4);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::int32_t> life(1, 3000000);
    std::uniform_int_distribution<std::int32_t> defense(0, 791);
    g.status[LapLevel] = world::kLaterLap;
    for (int i = 0; i < 50; ++i) {
        g.status[Life] = life(rng);
        g.status[Defense] = defense(rng);
        combat::ydameiji(g);
        ASSERT_EQ(g.combat.blowCount, loopBlows(g.status[Life], 792 - g.status[Defense]));
    }
}

} // namespace
