// The start-up sequence, Game Start, the ways out, and the help command.
#include "game/events.h"
#include "io/files.h"
#include "platform/recording_sound.h"
#include "sound/tables.h"
#include "state/game.h"
#include "support/game_test.h"
#include "support/scratch.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using world::Slot::LapLevel;
using world::Slot::SaveMarker;

class StartUp : public GameTest {
  protected:
    void SetUp() override {
        testing_shell::setUpGame(game, scratch, GRAVENHOLD_GAME_DIR);
        game.folders.save = scratch.path("game/savedat");
        std::filesystem::create_directories(game.folders.save);
        game.setPlatform(&platform);
        game.setSound(&sound);
    }
    bool timerOn(const char* name) { return game.window.timer(name).enabled; }
    // Saved options: normal fonts, middle speed, and the given control mode, prologue and music.
    void writeOptions(bool keyboard, bool prologue, bool music) {
        const std::string block = {'\x0a',
                                   '\x0c',
                                   0,
                                   2,
                                   static_cast<char>(keyboard),
                                   static_cast<char>(prologue),
                                   static_cast<char>(music),
                                   0,
                                   0,
                                   0};
        testing_shell::writeFile(game.folders.save + "/option.dat", block);
    }
    void writePrologueOff() { writeOptions(false, false, false); }
    int musicStops() const {
        return static_cast<int>(std::count(sound.calls.begin(), sound.calls.end(), "stop music"));
    }
    std::string floorMusic(int floor) const {
        return "music " + std::string(sound::trackFile(sound::floorTrack(floor)));
    }
    bool playing(const std::string& music) const {
        return std::find(sound.calls.begin(), sound.calls.end(), music) != sound.calls.end();
    }
    void runOpening() {
        for (int frame = 0; frame < 20 && timerOn("Timer4"); ++frame)
            game::timerTick(game, "Timer4");
    }

    testing_shell::ScratchFolder scratch;
    testing_shell::RecordingPlatform platform;
    sound::RecordingSound sound;
};

TEST_F(StartUp, TheFirstStartWritesTheSettingsAndPlaysTheOpeningOverANewGame) {
    game.status[LapLevel] = 43;
    game::startUp(game);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(game.window.main.caption, "Gravenhold Ver1.0");
    EXPECT_EQ(io::readLines(scratch.path("config/KRN10.INI"))->size(), 3u);
    EXPECT_EQ(game.status[SaveMarker], -4);
    EXPECT_EQ(game.status[LapLevel], 0);
    EXPECT_EQ(game.status[world::Slot::Life], 1000);
    EXPECT_EQ(game.status[world::Slot::Floor], 1);
    EXPECT_TRUE(timerOn("Timer4"));
    EXPECT_FALSE(timerOn("Timer1"));
    EXPECT_EQ(game.render.imageList1.size(), 218);
}

// "&Prologue" unchecked and kept with "Save &Option" is honoured at the next start: the check
// mark and what the start-up does agree.
// The window's first picture is the opening's first frame, drawn by the start-up itself: the
// timer's first tick paints the very same picture, and the second one the hero's next step.
TEST_F(StartUp, TheOpeningsFirstFrameIsOnTheWindowWhenTheStartUpEnds) {
    game::startUp(game);
    const render::Surface& screen = game.window.main.screen;
    ASSERT_TRUE(timerOn("Timer4"));
    EXPECT_TRUE(screen.drawnOn());
    const render::Picture first = screen;
    EXPECT_NE(first, render::Picture(640, 400, first.at(0, 0))) << "more than a plain colour";
    game::timerTick(game, "Timer4");
    EXPECT_EQ(screen.picture(), first);
    game::timerTick(game, "Timer4");
    EXPECT_NE(screen.picture(), first);
}

TEST_F(StartUp, TheSavedPrologueOptionDecidesWhetherTheOpeningPlays) {
    writePrologueOff();
    game::startUp(game);
    EXPECT_FALSE(timerOn("Timer4"));
    EXPECT_TRUE(timerOn("Timer1"));
    EXPECT_FALSE(checked("&Options/&Prologue"));
    EXPECT_TRUE(checked("&Options/&Speed/&Middle"));
    EXPECT_TRUE(game.explore.inputLive);
    EXPECT_TRUE(game.window.main.control("Image1").visible); // the game screen, at once
}

// Under keyboard control nothing reaches the hidden floor 1 while the opening plays; Game
// Start and Load stay open.
TEST_F(StartUp, InputIsClosedWhileTheOpeningPlays) {
    writeOptions(true, true, false);
    game::startUp(game);
    ASSERT_TRUE(timerOn("Timer4"));
    ASSERT_TRUE(checked("&Options/&Keyboard Control"));
    game::keyDown(game, game::Key::Up);
    game::keyDown(game, game::Key::Enter);
    EXPECT_EQ(game.status[world::Slot::HeroY], 10);
    EXPECT_FALSE(game.explore.cursorOpen);
    EXPECT_TRUE(game.explore.stack.empty());
    EXPECT_FALSE(inputOpen());
    EXPECT_TRUE(game.window.main.menuItem("&Game/&Load").enabled);

    runOpening();
    EXPECT_FALSE(timerOn("Timer4"));
    EXPECT_TRUE(game.explore.inputLive);
    game::keyDown(game, game::Key::Up);
    EXPECT_EQ(game.status[world::Slot::HeroY], 9);
}

// Music kept on with "Save &Option" plays once the game is in play, and the check mark agrees
// with it: one click on "&BGM On" turns it off.
TEST_F(StartUp, MusicSavedOnPlaysTheFloorsTrackOnceTheGameIsInPlay) {
    writeOptions(false, false, true);
    game::startUp(game);
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_EQ(game.status[world::Slot::MusicTrack], sound::floorTrack(1));
    EXPECT_EQ(sound.calls.back(), floorMusic(1));
    ASSERT_TRUE(game::menuCommand(game, "&Options/&BGM On"));
    EXPECT_FALSE(checked("&Options/&BGM On"));
    EXPECT_EQ(sound.calls.back(), "stop music");
}

TEST_F(StartUp, MusicSavedOnStartsAfterTheOpening) {
    writeOptions(false, true, true);
    game::startUp(game);
    ASSERT_TRUE(timerOn("Timer4"));
    EXPECT_TRUE(checked("&Options/&BGM On"));
    EXPECT_FALSE(playing(floorMusic(1))); // the opening plays in silence
    runOpening();
    EXPECT_EQ(game.status[world::Slot::MusicTrack], sound::floorTrack(1));
    EXPECT_EQ(sound.calls.back(), floorMusic(1));
}

// A load that abandons the opening leaves the game screen of a new game whatever the slot
// held: an empty slot or a refused file no longer leave the opening's picture behind.
TEST_F(StartUp, ALoadThatFailsDuringTheOpeningLeavesANewGameOnTheGameScreen) {
    testing_shell::writeFile(game.folders.save + "/save2.dat", "not a saved game");
    const std::pair<const char*, const char*> loads[] = {
        {"&Game/&Load/Data &1", "There is no saving data."},
        {"&Game/&Load/Data &2", ""},
    };
    for (const auto& [entry, message] : loads) {
        SCOPED_TRACE(entry);
        game::startUp(game);
        ASSERT_TRUE(timerOn("Timer4"));
        ASSERT_TRUE(game::menuCommand(game, entry));
        EXPECT_FALSE(timerOn("Timer4"));
        EXPECT_TRUE(timerOn("Timer1"));
        EXPECT_TRUE(game.explore.inputLive);
        for (const char* name : {"Image1", "Image2", "Image3", "Memo1", "Memo11", "BitBtn1"})
            EXPECT_TRUE(shown(name)) << name;
        EXPECT_EQ(game.status[world::Slot::Floor], 1);
        EXPECT_EQ(game.status[world::Slot::Life], 1000);
        EXPECT_EQ(messageLine(), message);
    }
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Donot use this save data."});
}

TEST_F(StartUp, WithThePrologueOffBeforeAndAfterTheOptionsTheGameStartsAtOnce) {
    writePrologueOff();
    game.options.prologue = false;
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
    game.options.music = true;
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Quit"));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(musicStops(), 1);

    game.shell.quitRequested = false;
    ASSERT_TRUE(game::menuCommand(game, "&Game/E&xit"));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(musicStops(), 2);

    game.shell.quitRequested = false;
    ASSERT_TRUE(game::closeWindow(game, ""));
    EXPECT_TRUE(game.shell.quitRequested);
    EXPECT_EQ(musicStops(), 2);
}

TEST_F(StartUp, HelpOpensTheGamesHelpFile) {
    ASSERT_TRUE(game::menuCommand(game, "&Help/Help Library"));
    EXPECT_EQ(platform.helpFiles, (std::vector<std::string>{GRAVENHOLD_GAME_DIR "/KRN.HLP"}));
}

} // namespace
