// The About box: its font follows the Font menu, the villain's two frames alternate, and a
// click swaps in the thief.
#include "game/events.h"
#include "state/game.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

namespace {

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override { testing_shell::setUpGame(game, scratch, GRAVENHOLD_GAME_DIR); }

    window::Window& box() { return *game.window.findWindow("About"); }
    bool shown(const char* control) { return box().control(control).visible; }
    void open() { ASSERT_TRUE(game::menuCommand(game, "&Help/&About Gravenhold")); }
    void tick() { ASSERT_TRUE(game::timerTick(game, "About.Timer1")); }

    testing_shell::ScratchFolder scratch;
    game::Game game;
};

TEST_F(AboutBox, OpensWithItsTimerAndTheVillainsPictures) {
    open();
    EXPECT_TRUE(box().visible);
    const window::Timer& timer = game.window.timer("About.Timer1");
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(timer.intervalMs, 300);
    EXPECT_EQ(box().control("ProgramIcon").picture.width, 32);
    EXPECT_EQ(box().control("Image1").picture.width, 32);
}

TEST_F(AboutBox, TheFontsInUseGiveTheSizesNotAMarkSetByHand) {
    ASSERT_TRUE(game::menuCommand(game, "&Options/&Font/&Tiny"));
    open();
    EXPECT_EQ(box().control("ProductName").fontSize, 12);
    for (const char* text : {"Label1", "Version", "OKButton", "Panel1"})
        EXPECT_EQ(box().control(text).fontSize, 8) << text;

    game.window.main.menuItem("&Options/&Font/&Big").checked = true; // the fonts are still Tiny
    ASSERT_TRUE(game::click(game, "About.OKButton"));
    open();
    EXPECT_EQ(box().control("ProductName").fontSize, 12);
}

TEST_F(AboutBox, FontsThatAreNoPairOfTheMenuLeaveTheDesignedSizes) {
    game.options.fonts = {10, 14};
    open();
    EXPECT_EQ(box().control("ProductName").fontSize, 19);
}

TEST_F(AboutBox, TicksAlternateTheVillainsTwoFrames) {
    open();
    tick();
    EXPECT_FALSE(shown("ProgramIcon"));
    EXPECT_TRUE(shown("Image2"));
    tick();
    EXPECT_TRUE(shown("ProgramIcon"));
    EXPECT_FALSE(shown("Image2"));
    tick();
    EXPECT_FALSE(shown("ProgramIcon"));
}

TEST_F(AboutBox, ClickingTheVillainShowsTheThiefAndTicksChangeNothing) {
    open();
    tick();
    ASSERT_TRUE(game::click(game, "About.Image2"));
    EXPECT_TRUE(shown("Image1"));
    EXPECT_FALSE(shown("ProgramIcon"));
    EXPECT_FALSE(shown("Image2"));
    tick();
    tick();
    EXPECT_TRUE(shown("Image1"));
    EXPECT_FALSE(shown("ProgramIcon"));
    EXPECT_FALSE(shown("Image2"));

    ASSERT_TRUE(game::click(game, "About.Image1"));
    EXPECT_FALSE(shown("Image1"));
    EXPECT_TRUE(shown("ProgramIcon"));
    tick();
    EXPECT_TRUE(shown("Image2"));
}

TEST_F(AboutBox, OkAndTheCloseCommandBothEndTheBox) {
    open();
    ASSERT_TRUE(game::click(game, "About.OKButton"));
    EXPECT_FALSE(box().visible);
    EXPECT_FALSE(game.window.timer("About.Timer1").enabled);
    open();
    ASSERT_TRUE(game::closeWindow(game, "About"));
    EXPECT_FALSE(box().visible);
}

} // namespace
