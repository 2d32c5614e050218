// The monster table: tiles to kinds, pictures, names, and the changes of Zeno's row.
#include "combat/monsters.h"
#include "state/game.h"

#include <gtest/gtest.h>

namespace {

using combat::Monster::Zeno;

TEST(MonsterKind, OneCellMonstersReadTheirKindFromEitherPicture) {
    EXPECT_EQ(combat::monsterTypeOfTile(61), 0);
    EXPECT_EQ(combat::monsterTypeOfTile(62), 0);
    EXPECT_EQ(combat::monsterTypeOfTile(95), 17);
    EXPECT_EQ(combat::monsterTypeOfTile(133), 20);
    EXPECT_EQ(combat::monsterTypeOfTile(157), 32);
    EXPECT_EQ(combat::monsterTypeOfTile(60), std::nullopt);
    EXPECT_EQ(combat::monsterTypeOfTile(158), std::nullopt);
}

TEST(MonsterKind, BigMonstersFillNineCellsAndOnlyTheirHeadsClearAll) {
    for (int code = 97; code <= 105; ++code) {
        EXPECT_EQ(combat::monsterTypeOfTile(static_cast<std::uint8_t>(code)), 18);
        EXPECT_EQ(combat::oneCellMonsterOfTile(static_cast<std::uint8_t>(code)), std::nullopt);
    }
    for (int code = 115; code <= 123; ++code)
        EXPECT_EQ(combat::monsterTypeOfTile(static_cast<std::uint8_t>(code)), 19);
    EXPECT_TRUE(combat::isLargeMonsterHead(104));
    EXPECT_TRUE(combat::isLargeMonsterHead(122));
    EXPECT_FALSE(combat::isLargeMonsterHead(103));
    EXPECT_EQ(combat::oneCellMonsterOfTile(91), Zeno);
    EXPECT_EQ(combat::oneCellMonsterOfTile(139), 23);
}

TEST(MonsterPicture, IsTheFirstFrameOrTheHead) {
    EXPECT_EQ(combat::monsterPicture(0), 60);
    EXPECT_EQ(combat::monsterPicture(17), 94);
    EXPECT_EQ(combat::monsterPicture(18), 103);
    EXPECT_EQ(combat::monsterPicture(19), 121);
    EXPECT_EQ(combat::monsterPicture(20), 132);
    EXPECT_EQ(combat::monsterPicture(32), 156);
}

TEST(MonsterName, ComesFromTheCatalogueAndNoMonsterIsTheName) {
    game::Game g;
    g.combat.currentMonster = 0;
    combat::monswork(g);
    EXPECT_EQ(g.combat.monsterName, "Green Slime");
    g.combat.currentMonster = 32;
    combat::monswork(g);
    EXPECT_EQ(g.combat.monsterName, "Gate-Keeper A");
    g.combat.currentMonster = 15;
    combat::monswork(g);
    EXPECT_EQ(g.combat.monsterName, "The Magic Sergeant, Zeno");
    g.combat.currentMonster = -1;
    combat::monswork(g);
    EXPECT_EQ(g.combat.monsterName, "The Name");
}

combat::MonsterRow zeno(const game::Game& g) {
    return combat::monsterRow(g, Zeno);
}

void expectZeno(const game::Game& g, std::int32_t life, std::int32_t offense,
                std::int32_t defense) {
    EXPECT_EQ(zeno(g).life, life);
    EXPECT_EQ(zeno(g).offense, offense);
    EXPECT_EQ(zeno(g).defense, defense);
    EXPECT_EQ(zeno(g).gold, 500);
}

TEST(ZenoRow, WeakensOnceAndRestoresOnce) {
    game::Game g;
    combat::weakenZeno(g);
    EXPECT_EQ(g.status[world::Slot::ZenoWeakened], 1);
    expectZeno(g, 800, 500, 100);
    combat::weakenZeno(g);
    expectZeno(g, 800, 500, 100);
    combat::restoreZeno(g);
    EXPECT_EQ(g.status[world::Slot::ZenoWeakened], 0);
    expectZeno(g, 8000, 5000, 1000);
    combat::restoreZeno(g);
    expectZeno(g, 8000, 5000, 1000);
}

TEST(ZenoRow, RebuildFollowsTheWeakenedFlagAndTheLap) {
    game::Game g;
    g.combat.monsterStats[Zeno] = {1, 2, 3, 500};
    combat::resetZenoRow(g);
    expectZeno(g, 8000, 5000, 1000);
    g.status[world::Slot::ZenoWeakened] = 1;
    g.status[world::Slot::LapLevel] = world::kLaterLap;
    combat::resetZenoRow(g);
    expectZeno(g, 35200, 22000, 4400);
    // ...and the lap factor applies once more when he is met.
    EXPECT_EQ(combat::monsterStrength(g, Zeno).life, 35200 * 44);
    combat::setLaterLapZeno(g);
    expectZeno(g, 1000, 625, 125);
}

} // namespace
