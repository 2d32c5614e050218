// The monster panel and the blows of a fight as the executor plays them.
#include "combat/blows.h"
#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "state/game.h"
#include "window/main_window.h"

#include <gtest/gtest.h>

namespace {

// Picture n of the tile list is a plain square of colour n, so a test can tell which is shown.
game::Game gameWithPictures() {
    game::Game g;
    g.window = window::makeWindowModel();
    for (int n = 0; n < 218; ++n)
        g.render.imageList1.pictures.emplace_back(32, 32, static_cast<render::Pixel>(n));
    return g;
}

render::Pixel shownPicture(game::Game& g) {
    return g.window.main.control("Image31").picture.at(0, 0);
}

const window::Control& field(game::Game& g, const char* name) {
    return g.window.main.control(name);
}

TEST(MonsterPanel, NoMonsterShowsTheBlankPictureAndTheCaptions) {
    game::Game g = gameWithPictures();
    combat::monshyouji(g);
    EXPECT_EQ(shownPicture(g), 162u);
    EXPECT_EQ(field(g, "Memo5").text, "Life");
    EXPECT_EQ(field(g, "Memo6").text, "Offense");
    EXPECT_EQ(field(g, "Memo7").text, "Defense");
    EXPECT_EQ(field(g, "Memo7").align, window::Align::Left);
    EXPECT_EQ(field(g, "Memo8").text, "The Name");
}

TEST(MonsterPanel, AMonsterShowsItsPictureAndItsStrengthInThisLap) {
    game::Game g = gameWithPictures();
    g.status[world::Slot::LapLevel] = world::kLaterLap;
    g.combat.currentMonster = combat::Monster::GreenSlime;
    combat::monshyouji(g);
    EXPECT_EQ(shownPicture(g), 60u);
    EXPECT_EQ(field(g, "Memo5").text, "1540");
    EXPECT_EQ(field(g, "Memo6").text, "792");
    EXPECT_EQ(field(g, "Memo7").text, "44");
    EXPECT_EQ(field(g, "Memo5").align, window::Align::Right);
    EXPECT_EQ(field(g, "Memo8").text, "Green Slime");
    g.combat.currentMonster = combat::Monster::Dragon;
    combat::monshyouji(g);
    EXPECT_EQ(shownPicture(g), 121u);
}

TEST(Blows, TheHerosBlowUsesTheDoublingButTheHeadBlowDoesNot) {
    game::Game g = gameWithPictures();
    g.combat.currentMonster = combat::Monster::Dragon; // defense 250
    g.status[world::Slot::Offense] = 300;
    g.status[world::Slot::DragonSlayer] = 1;
    g.combat.monsterLifeLeft = 1000;
    combat::heroStrikes(g);
    EXPECT_EQ(g.combat.monsterLifeLeft, 650);
    EXPECT_EQ(field(g, "Memo5").text, "650");
    combat::headBlow(g);
    EXPECT_EQ(g.combat.monsterLifeLeft, 600);
    g.combat.monsterLifeLeft = 100;
    combat::heroStrikes(g);
    EXPECT_EQ(g.combat.monsterLifeLeft, 0);
}

TEST(Blows, TheMonstersBlowFloorsTheHerosLifeAtZero) {
    game::Game g = gameWithPictures();
    g.combat.currentMonster = combat::Monster::GreenSlime; // offense 18
    g.status[world::Slot::Life] = 20;
    g.status[world::Slot::Defense] = 10;
    combat::monsterStrikes(g);
    EXPECT_EQ(g.status[world::Slot::Life], 12);
    EXPECT_EQ(field(g, "Memo1").text, "12");
    g.status[world::Slot::Defense] = 30;
    combat::monsterStrikes(g);
    EXPECT_EQ(g.status[world::Slot::Life], 12); // a weak monster does not heal him
    g.status[world::Slot::Defense] = 0;
    combat::monsterStrikes(g);
    EXPECT_EQ(g.status[world::Slot::Life], 0);
}

TEST(Blows, AStrayBlowWithNoMonsterDoesNothing) {
    game::Game g = gameWithPictures();
    g.status[world::Slot::Life] = 20;
    g.combat.monsterLifeLeft = 5;
    combat::monsterStrikes(g);
    combat::heroStrikes(g);
    EXPECT_EQ(g.status[world::Slot::Life], 20);
    EXPECT_EQ(g.combat.monsterLifeLeft, 5);
}

} // namespace
