// A game that draws nothing plays exactly the game the window shows: the same lines of the
// first floors (the capture, the prison, the escape) leave the same state line by line.
#include "replay/driver.h"
#include "solve/player.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

// What the player sees of the game besides the pictures.
std::string shown(const game::Game& g) {
    std::string text;
    for (const char* name : {"Edit8", "RichEdit1", "Memo1", "Memo2", "Memo3", "Memo4", "Memo11"}) {
        const window::Control* c = g.window.main.find(name);
        text += std::string(name) + (c->visible ? "=" : "(hidden)=") + c->text + '\n';
    }
    for (const window::Control& c : g.window.main.controls)
        if (c.kind == window::ControlKind::Button && c.visible)
            text += c.name + ' ';
    return text;
}

TEST(PicturesOff, PlaysTheSameGameAsTheWindowLineByLine) {
    std::ostream discarded(nullptr);
    game::Game drawn;
    drawn.folders.game = GRAVENHOLD_GAME_DIR;
    solve::Player blind(GRAVENHOLD_GAME_DIR);
    drawn.folders.save = drawn.folders.config = ::testing::TempDir();
    replay::ScriptPlatform platform(discarded, discarded);
    drawn.setPlatform(&platform);
    replay::Driver driver(drawn, platform, discarded);
    replay::startUpForScripts(drawn, false);
    ASSERT_FALSE(blind.game().window.main.screen == drawn.window.main.screen)
        << "the blind game draws nothing, the other draws its screen";

    std::ifstream script(std::string(SCENARIO_DIR) + "/walkthrough_01_03.txt");
    ASSERT_TRUE(script.good());
    int lineNo = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNo;
        if (line.rfind("print", 0) == 0)
            continue;
        ASSERT_FALSE(driver.execute(line).has_value()) << "line " << lineNo;
        ASSERT_TRUE(blind.play(line)) << "line " << lineNo;
        ASSERT_TRUE(solve::samePosition(blind.position(), {drawn.map, drawn.status}))
            << "line " << lineNo << ": " << line;
        ASSERT_EQ(shown(blind.game()), shown(drawn)) << "line " << lineNo << ": " << line;
    }
    EXPECT_GT(lineNo, 300);
    EXPECT_EQ(drawn.status[world::Slot::Floor], 4) << "the segment ends on floor 4";
}

} // namespace
