// The hint: the Extras entry asks the window to look, and a move reads as the thing it
// steps towards.
#include "extras/inputs.h"
#include "moves.h"
#include "world/tiles.h"

#include <gtest/gtest.h>

namespace {

TEST(Hint, TheMenuEntryAsksTheWindowToLookAndSaysSo) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    game::Game& game = player.game();
    ASSERT_NE(game.window.main.findMenu(window::Menu::Hint), nullptr);
    ASSERT_FALSE(game.extras.hintWanted);
    const world::Status before = game.status;
    EXPECT_TRUE(extras::menuCommand(game, window::Menu::Hint));
    EXPECT_TRUE(game.extras.hintWanted);
    EXPECT_EQ(game.window.main.find("Edit8")->text, "Looking for the next move...");
    EXPECT_EQ(game.status.words, before.words) << "asking changes nothing in the game";
}

TEST(Hint, AMoveReadsAsWhatItStepsTowards) {
    solve::Position p = solve::Player(GRAVENHOLD_GAME_DIR).position();
    for (int cell = 110; cell < world::kCells; ++cell)
        p.map.setTile(1, cell, world::Tile::Road);
    p.map.setTile(1, 113, world::Tile::YellowDoor);
    p.status[world::Slot::Floor] = 1;
    p.status[world::Slot::HeroX] = 5;
    p.status[world::Slot::HeroY] = 10;
    EXPECT_EQ(solve::describeMove(p, {"key left", "run", "key left", "run"}),
              "the yellow door at 3, 10");
    EXPECT_EQ(solve::describeMove(p, {"key right", "run", "key right", "run"}), "a walk to 7, 10");
    EXPECT_EQ(solve::describeMove(p, {"click Button1", "run"}), "a walk to 5, 10");
    // A monster by its name, as the message of a won fight gives it.
    p.map.setTile(1, 116, world::kLowMonsters.first);
    EXPECT_EQ(solve::describeMove(p, {"key right", "run"}), "the Green Slime at 6, 10");
    p.map.setTile(1, 116, world::Tile::Zeno);
    EXPECT_EQ(solve::describeMove(p, {"key right", "run"}), "The Magic Sergeant, Zeno at 6, 10");
}

} // namespace
