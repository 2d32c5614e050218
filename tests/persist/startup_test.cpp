// The start-up sequence, Game Start, the ways out, and the help command.
#include "game/events.h"
#include "persist/files.h"
#include "scratch.h"
#include "state/game.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using world::Slot::LapLevel;
using world::Slot::SaveMarker;

// Counts what the game asks of the music player.
class CountingSound final : public sound::Sound {
  public:
    int stops = 0;
    void playEffect(const std::string&) override {}
    void startMusic(const std::string&) override {}
    void stopMusic() override { ++stops; }
};

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_shell::setUpGame(game, scratch, GRAVENHOLD_GAME_DIR);
        game.folders.save = scratch.path("game/savedat");
        std::filesystem::create_directories(game.folders.save);
        game.setPlatform(&platform);
        game.setSound(&sound);
    }
    bool timerOn(const char* name) { return game.window.timer(name).enabled; }
    bool checked(const char* path) { return game.window.main.menuItem(path).checked; }
    void writePrologueOff() {
        testing_shell::writeFile(game.folders.save + "/option.dat",
                                 std::string("\x0a\x0c\x00\x02\x00\x00\x00\x00\x00\x00", 10));
    }

    testing_shell::ScratchFolder scratch;
    testing_shell::RecordingPlatform platform;
    CountingSound sound;
    game::Game game;
};

TEST_F(StartUp, TheFirstStartWritesTheSettingsAndPlaysTheOpeningOverANewGame) {
    game.status[LapLevel] = 43;
    game::startUp(game);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(game.window.main.caption, "Gravenhold Ver1.0");
    EXPECT_EQ(persist::readLines(scratch.path("config/KRN10.INI"))->size(), 3u);
    EXPECT_EQ(game.status[SaveMarker], -4);
    EXPECT_EQ(game.status[LapLevel], 0);
    EXPECT_EQ(game.status[world::Slot::Life], 1000);
    EXPECT_EQ(game.status[world::Slot::Floor], 1);
    EXPECT_TRUE(timerOn("Timer4"));
    EXPECT_FALSE(timerOn("Timer1"));
    EXPECT_EQ(game.render.imageList1.size(), 218);
}

TEST_F(StartUp, TheOpeningPlaysEvenWhenTheSavedOptionsSwitchItOff) {
    writePrologueOff();
    game::startUp(game);
    EXPECT_TRUE(timerOn("Timer4"));
    EXPECT_FALSE(checked("&Options/&Prologue")); // takes effect at the next start-up
    EXPECT_TRUE(checked("&Options/&Speed/&Middle"));
}

TEST_F(StartUp, WithThePrologueOffBeforeAndAfterTheOptionsTheGameStartsAtOnce) {
    writePrologueOff();
    game.window.main.menuItem("&Options/&Prologue").checked = false;
    game::startUp(game);
    EXPECT_FALSE(timerOn("Timer4"));
    EXPECT_TRUE(game.explore.inputLive);
}

TEST_F(StartUp, TheWindowSitsAtTheTopLeftAndHidesItsBorderOnANarrowScreen) {
    game.shell.screenWidth = 640;
    game::startUp(game);
    EXPECT_EQ(game.window.main.left, -4);
    EXPECT_EQ(game.window.main.top, 0);
    game.shell.screenWidth = 641;
    game::startUp(game);
    EXPECT_EQ(game.window.main.left, 0);
}

TEST_F(StartUp, AMissingPictureStopsTheStartUpWithABoxThatNamesIt) {
    game.folders.game = scratch.path("empty");
    game::startUp(game);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("center.bmp"), std::string::npos);
    EXPECT_EQ(game.status[world::Slot::Life], 0); // no new game
    EXPECT_FALSE(timerOn("Timer4"));
    ASSERT_TRUE(game::menuCommand(game, "&Game/E&xit")); // the way out still works
    EXPECT_TRUE(game.shell.quitRequested);
}

TEST_F(StartUp, GameStartAbandonsTheOpeningForANewFirstLapGame) {
    game::startUp(game);
    game.status[LapLevel] = 43;
    game.status[world::Slot::Gold] = 500;
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Start"));
    EXPECT_FALSE(timerOn("Timer4"));
    EXPECT_TRUE(timerOn("Timer1"));
    EXPECT_EQ(game.status[LapLevel], 0);
    EXPECT_EQ(game.status[world::Slot::Gold], 0);
    EXPECT_TRUE(game.explore.inputLive);
}

TEST_F(StartUp, QuitAndExitStopTheMusicClosingTheWindowLeavesItAlone) {
    game.window.main.menuItem("&Options/&BGM On").checked = true;
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Quit"));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(sound.stops, 1);

    game.shell.quitRequested = false;
    ASSERT_TRUE(game::menuCommand(game, "&Game/E&xit"));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(sound.stops, 2);

    game.shell.quitRequested = false;
    ASSERT_TRUE(game::closeWindow(game, ""));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(sound.stops, 2);
}

TEST_F(StartUp, HelpOpensTheGamesHelpFile) {
    ASSERT_TRUE(game::menuCommand(game, "&Help/Help Library"));
    EXPECT_EQ(platform.helpFiles, (std::vector<std::string>{GRAVENHOLD_GAME_DIR "/KRN.HLP"}));
}

} // namespace
