// The hint: the Extras entry asks the window to look, and a move reads as the thing it
// steps towards.
#include "extras/inputs.h"
#include "solve/hint_search.h"
#include "solve/search.h"
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

// Floor 1 walled up except the bottom row, the hero at 5, 10.
solve::Position corridor() {
    solve::Position p = solve::Player(GRAVENHOLD_GAME_DIR).position();
    for (int cell = 0; cell < world::kCells; ++cell)
        p.map.setTile(1, cell, cell >= 110 ? world::Tile::Road : world::Tile::Wall);
    p.status[world::Slot::Floor] = 1;
    p.status[world::Slot::HeroX] = 5;
    p.status[world::Slot::HeroY] = 10;
    p.status[world::Slot::YellowKeys] = 0;
    return p;
}

TEST(Hint, AnActionIsWhatTheHeroDoesFirstNeverADoorHeCannotOpen) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    solve::Position p = corridor();
    p.map.setTile(1, 113, world::Tile::YellowDoor);
    p.map.setTile(1, 118, world::Tile::YellowKey);
    const std::vector<std::string> bumpThenKey = {"key left",  "run", "key left",  "run",
                                                  "key right", "run", "key right", "run",
                                                  "key right", "run", "key right", "run"};
    EXPECT_EQ(solve::actionsOf(player, p, bumpThenKey, 2),
              (std::vector<std::string>{"pick up the yellow key at 8, 10"}))
        << "the door without its key does nothing, and the walks are no actions";
    p.status[world::Slot::YellowKeys] = 1;
    EXPECT_EQ(solve::actionsOf(player, p, bumpThenKey, 2),
              (std::vector<std::string>{"open the yellow door at 3, 10",
                                        "pick up the yellow key at 8, 10"}));
    EXPECT_EQ(solve::actionsOf(player, p, bumpThenKey, 1),
              (std::vector<std::string>{"open the yellow door at 3, 10"}));
    // A monster by its name, as the message of a won fight gives it.
    p.map.setTile(1, 116, world::kLowMonsters.first);
    EXPECT_EQ(solve::actionsOf(player, p, {"key right", "run"}, 2),
              (std::vector<std::string>{"fight the Green Slime at 6, 10"}));
    // A fight the hero loses starts a new game: that too is what he did.
    p.map.setTile(1, 116, world::kHighMonsters.first);
    EXPECT_EQ(solve::actionsOf(player, p, {"key right", "run"}, 2),
              (std::vector<std::string>{"fight the Golden Knight at 6, 10"}));
    EXPECT_TRUE(solve::actionsOf(player, p, {"click Button1", "run"}, 2).empty());
}

TEST(Hint, FromANewGameNamesSomethingTheHeroCanDo) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    const solve::Position start = player.position();
    const std::string hint = solve::hintFor(player, start, {}).text;
    EXPECT_TRUE(hint.starts_with("Hint: next, ")) << hint;
    // No key is held yet: the key comes before any door.
    EXPECT_LT(hint.find("key"), hint.find("door")) << hint;
}

TEST(Hint, SaysPlainlyWhenThereIsNoWayOn) {
    solve::Player player(GRAVENHOLD_GAME_DIR);
    solve::Position p = corridor();
    p.map.setTile(1, 112, world::Tile::YellowDoor);
    for (int cell = 110; cell < 112; ++cell)
        p.map.setTile(1, cell, world::Tile::Wall);
    EXPECT_EQ(solve::hintFor(player, p, {}).text,
              "Hint: no way on from here without a yellow key.");
}

} // namespace
