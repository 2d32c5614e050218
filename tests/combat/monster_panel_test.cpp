// The monster panel and the blows of a fight as the executor plays them.
#include "combat/blows.h"
#include "combat/monster_panel.h"
#include "combat/monsters.h"
#include "render/present.h"
#include "state/game.h"
#include "support/plain_pictures.h"
#include "window/main_window.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

game::Game gameWithPictures() {
    game::Game g;
    g.window = window::makeWindowModel();
    testing_game::usePlainPictureLists(g);
    return g;
}

render::Pixel shownPicture(game::Game& g) {
    render::present(g);
    return g.window.main.control("Image31").picture.at(0, 0);
}

const window::Control& field(game::Game& g, const char* name) {
    render::present(g);
    return g.window.main.control(name);
}

// The panel's life, offense, defense and name, in that order.
std::vector<std::string> panelTexts(game::Game& g) {
    return {field(g, "Memo5").text, field(g, "Memo6").text, field(g, "Memo7").text,
            field(g, "Memo8").text};
}
using Texts = std::vector<std::string>;

TEST(MonsterPanel, NoMonsterShowsTheBlankPictureAndTheCaptions) {
    game::Game g = gameWithPictures();
    combat::monshyouji(g);
    EXPECT_EQ(shownPicture(g), 162u);
    EXPECT_EQ(panelTexts(g), (Texts{"Life", "Offense", "Defense", "The Name"}));
    EXPECT_EQ(field(g, "Memo7").align, window::Align::Left);
}

TEST(MonsterPanel, AMonsterShowsItsPictureAndItsStrengthInThisLap) {
    game::Game g = gameWithPictures();
    g.status[world::Slot::LapLevel] = world::kLaterLap;
    g.combat.currentMonster = combat::Monster::GreenSlime;
    combat::monshyouji(g);
    EXPECT_EQ(shownPicture(g), 60u);
    EXPECT_EQ(panelTexts(g), (Texts{"1540", "792", "44", "Green Slime"}));
    EXPECT_EQ(field(g, "Memo5").align, window::Align::Right);
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
