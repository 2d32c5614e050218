// The damage marks on the map: when they show, what they say, and that the game's own
// drawing never changes because of them.
#include "combat/damage.h"
#include "extras/damage_map.h"
#include "state/render_state.h"
#include "support/free_play.h"
#include "world/status.h"
#include "world/tiles.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace world;
using extras::Outlook;

class DamageMapTest : public FreePlayTest {
  protected:
    void SetUp() override {
        FreePlayTest::SetUp();
        // A floor of road with four monsters: a free fight, a costly one, a deadly one and
        // one the hero cannot hurt.
        for (int cell = 0; cell < kCells; ++cell)
            game.map.setTile(1, cell, Tile::Road);
        game.map.setTile(1, kSlime, 61);   // Green Slime
        game.map.setTile(1, kZombie, 85);  // Zombie: three blows
        game.map.setTile(1, kVampire, 95); // Vampire: fourteen blows
        game.map.setTile(1, kKnight, 135); // Knight: defense 105
        game.status[Slot::Life] = 1000;
        game.status[Slot::Offense] = 100;
        game.status[Slot::Defense] = 10;
        game.status[Slot::OrbOfHero] = 1;
        game.extras.damageOnMap = true;
    }

    // The orb's own list: the forecast it writes for a monster kind.
    std::int32_t orbListDamage(int type) {
        game.combat.currentMonster = type;
        combat::obudameiji(game);
        return game.combat.expectedDamage;
    }

    static constexpr int kSlime = 12;
    static constexpr int kZombie = 40;
    static constexpr int kVampire = 75;
    static constexpr int kKnight = 100;
};

TEST_F(DamageMapTest, NothingShowsWhileTheOptionIsOffOrTheOrbIsNotHeld) {
    game.extras = {};
    EXPECT_TRUE(extras::damageMarks(game).empty()) << "off by default";
    game.extras.damageOnMap = true;
    game.status[Slot::OrbOfHero] = 0;
    EXPECT_TRUE(extras::damageMarks(game).empty());
    game.status[Slot::OrbOfHero] = 2; // granted, its dialog still waiting
    EXPECT_TRUE(extras::damageMarks(game).empty());
    game.status[Slot::OrbOfHero] = 1;
    game.window.main.control("Image23").visible = true; // a full-window picture
    EXPECT_TRUE(extras::damageMarks(game).empty());
}

TEST_F(DamageMapTest, EachMonsterShowsTheOrbsForecastAndWhatItMeans) {
    const auto marks = extras::damageMarks(game);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].cell, kSlime);
    EXPECT_EQ(marks[0].outlook, Outlook::Safe);
    EXPECT_EQ(marks[0].damage, 0);
    EXPECT_EQ(marks[1].cell, kZombie);
    EXPECT_EQ(marks[1].outlook, Outlook::Costly);
    EXPECT_EQ(marks[1].damage, 150); // (85 - 10) x 2 answers
    EXPECT_EQ(marks[2].cell, kVampire);
    EXPECT_EQ(marks[2].outlook, Outlook::Deadly);
    EXPECT_EQ(marks[2].damage, orbListDamage(17));
    EXPECT_EQ(marks[3].cell, kKnight);
    EXPECT_EQ(marks[3].outlook, Outlook::Unbeatable);
}

TEST_F(DamageMapTest, TheMarksFollowLifeOffenseAndTheLap) {
    game.status[Slot::Life] = 150; // the Zombie's 150 now takes his whole life
    EXPECT_EQ(extras::damageMarks(game)[1].outlook, Outlook::Deadly);
    game.status[Slot::Life] = 151;
    EXPECT_EQ(extras::damageMarks(game)[1].outlook, Outlook::Costly);

    game.status[Slot::Life] = 1000;
    game.status[Slot::Offense] = 200; // the Knight can be hurt now
    EXPECT_EQ(extras::damageMarks(game)[3].outlook, Outlook::Costly);

    // In a later lap every monster is 44 times stronger; the marks say what the orb says.
    game.status[Slot::LapLevel] = 43;
    game.status[Slot::Offense] = 5000;
    game.status[Slot::Life] = 100000;
    const auto marks = extras::damageMarks(game);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[1].damage, orbListDamage(12));
    EXPECT_GT(marks[1].damage, 150 * 44);
    EXPECT_EQ(marks[3].damage, orbListDamage(21));
}

TEST_F(DamageMapTest, TheBigMonstersCarryOneMarkOnTheirHeads) {
    for (int k = 0; k < 9; ++k)
        game.map.setTile(1, 48 + (k / 3) * kSide + k % 3, static_cast<std::uint8_t>(115 + k));
    const auto marks = extras::damageMarks(game);
    int onDragon = 0;
    for (const auto& m : marks) {
        if (cellX(m.cell) >= 4 && cellX(m.cell) <= 6 && cellY(m.cell) >= 4 && cellY(m.cell) <= 6) {
            ++onDragon;
            EXPECT_EQ(game.map.tile(1, m.cell), Tile::DragonHead);
        }
    }
    EXPECT_EQ(onDragon, 1);
}

TEST(DamageLabel, LargeDamagesFitACell) {
    EXPECT_EQ(extras::damageLabel(0), "0");
    EXPECT_EQ(extras::damageLabel(9999), "9999");
    EXPECT_EQ(extras::damageLabel(10000), "10K");
    EXPECT_EQ(extras::damageLabel(9999999), "9999K");
    EXPECT_EQ(extras::damageLabel(10000000), "10M");
    EXPECT_EQ(extras::damageLabel(2147483647), "2147M");
}

TEST_F(DamageMapTest, TheOverlayLiesAtEachCellsLowerLeftInItsColour) {
    const auto pieces = extras::damageOverlay(game);
    ASSERT_EQ(pieces.size(), 4u);
    for (const auto& p : pieces) {
        EXPECT_LE(p.picture.width, render::kCellSide) << "a label never leaves its cell";
        EXPECT_GE(p.picture.height, 7 + 2) << "digits of seven pixels on a plate";
    }
    const auto& zombie = pieces[1];
    EXPECT_EQ(zombie.x, render::kFieldLeft + cellX(kZombie) * render::kCellSide);
    EXPECT_EQ(zombie.y + zombie.picture.height,
              render::kFieldTop + (cellY(kZombie) + 1) * render::kCellSide);
    auto colours = [](const render::Picture& p) {
        std::set<render::Pixel> seen(p.pixels.begin(), p.pixels.end());
        seen.erase(0); // the plate
        return seen;
    };
    EXPECT_EQ(colours(pieces[0].picture).size(), 1u);
    EXPECT_NE(colours(pieces[0].picture), colours(pieces[1].picture)); // safe, costly
    EXPECT_NE(colours(pieces[1].picture), colours(pieces[2].picture)); // costly, deadly
    EXPECT_EQ(colours(pieces[2].picture), colours(pieces[3].picture)); // deadly, the mark
    EXPECT_NE(pieces[2].picture.width, pieces[3].picture.width);       // digits, one mark
}

TEST_F(DamageMapTest, TheGamesOwnScreenIsNeverDrawnInto) {
    // Something on the screen to lose: a pattern over the whole picture.
    render::Picture pattern = game.window.main.screen;
    for (std::size_t i = 0; i < pattern.pixels.size(); ++i)
        pattern.pixels[i] = static_cast<render::Pixel>(i * 2654435761u) & 0xffffff;
    game.window.main.screen = pattern;
    const render::Surface& screen = game.window.main.screen;
    const render::Picture before = screen;
    const render::Picture frameA = game.render.frameA;

    const render::Picture shown = extras::screenWithOverlay(game);
    EXPECT_EQ(screen, before);
    EXPECT_EQ(game.render.frameA, frameA);
    EXPECT_NE(shown, before);

    // With the option off the player sees the game's screen, byte for byte.
    game.extras.damageOnMap = false;
    EXPECT_EQ(extras::screenWithOverlay(game), before);
    game.extras.damageOnMap = true;
    game.status[Slot::OrbOfHero] = 0;
    EXPECT_EQ(extras::screenWithOverlay(game), before);
}

} // namespace
