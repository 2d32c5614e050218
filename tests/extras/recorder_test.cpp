// Recording a game and playing it back: what goes into the record, what stays out, and that
// the headless driver's playback ends in the very same game.
#include "extras/inputs.h"
#include "extras/recorder.h"
#include "extras/settings.h"
#include "game/events.h"
#include "replay/driver.h"
#include "replay/script_platform.h"
#include "script/input_lock.h"
#include "support/free_play.h"
#include "support/scratch.h"
#include "world/status.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

using namespace world;

std::vector<std::string> linesOf(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> inputsOf(const std::vector<std::string>& lines) {
    std::vector<std::string> inputs;
    for (const auto& l : lines) {
        if (!l.empty() && l[0] != '#' && l.rfind("tick ", 0) != 0)
            inputs.push_back(l);
    }
    return inputs;
}

class RecorderTest : public FreePlayTest {
  protected:
    testing_shell::ScratchFolder folder;
    std::string record = folder.path("game.rec");

    void SetUp() override {
        FreePlayTest::SetUp();
        game.folders.save = folder.path();
        game.folders.config = folder.path();
        game.status[Slot::SaveMarker] = kSaveMarker; // as the start-up sets it
        game.status[Slot::OrbOfHero] = 1;            // the Save menu opens with the orb
        script::itemlive(game);
    }

    void ticks(const char* timer, int count) {
        for (int i = 0; i < count; ++i)
            extras::timerTick(game, timer, clock += 150);
    }
    // Tick the command timer while it runs, through the recorder's door, so that every tick
    // goes into the record.
    void runTimerRecorded() {
        while (commandTimerOn())
            extras::timerTick(game, "Timer2", clock += 150);
    }
    std::int64_t clock = 1000;
};

TEST_F(RecorderTest, APlaybackEndsInTheSameGame) {
    ASSERT_FALSE(extras::Recorder::start(game, record, clock));
    ticks("Timer1", 2);
    extras::clickCell(game, 4, 9); // a walk to the key beside the start
    ticks("WalkTimer", 3);         // the walk keeps its own pace
    runTimerRecorded();
    extras::click(game, "BitBtn1"); // the door above him
    runTimerRecorded();
    extras::keyDown(game, game::Key::Up); // under mouse control the game drops keys
    extras::menuCommand(game, "&Game/&Save/Data &1");
    extras::menuCommand(game, "&Game/&Save/Data &1"); // "Overwrite?" answered yes
    ticks("Timer1", 1);
    extras::Recorder::stop(game);

    const auto lines = linesOf(record);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(inputsOf(lines),
              (std::vector<std::string>{"recording 1", "load-state game.rec.sav",
                                        "menu Options/Mouse Control", "menu Options/Speed/High",
                                        "item-cursor 0", "click BitBtn1", "click BitBtn2",
                                        "click BitBtn1", "menu Game/Save/Data 1", "answer yes",
                                        "menu Game/Save/Data 1"}));
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.rfind("tick ", 0) == 0 && b.rfind("tick ", 0) == 0 &&
               std::stoll(a.substr(5)) < std::stoll(b.substr(5));
    })) << "tick times never go back";

    // The playback, on a game of its own with a save folder of its own.
    testing_shell::ScratchFolder other;
    game::Game copy;
    copy.window = window::makeWindowModel();
    copy.folders.save = other.path();
    copy.folders.config = other.path();
    std::ostringstream out;
    std::ostringstream err;
    replay::ScriptPlatform platform(out, err);
    copy.setPlatform(&platform);
    replay::Driver driver(copy, platform, out);
    driver.setScriptFolder(folder.path());
    for (std::size_t n = 0; n < lines.size(); ++n)
        ASSERT_FALSE(driver.execute(lines[n])) << "line " << n + 1 << ": " << lines[n];
    EXPECT_EQ(copy.status.words, game.status.words);
    EXPECT_EQ(copy.map.bytes, game.map.bytes);
    EXPECT_EQ(bytesOf(other.path("save1.dat")), bytesOf(folder.path("save1.dat")));
    EXPECT_FALSE(bytesOf(other.path("save1.dat")).empty());
    EXPECT_EQ(err.str(), "") << "every question found its answer";
}

TEST_F(RecorderTest, ARecordingBeginsOnlyWhenTheHeroStandsStill) {
    game.window.timer("Timer2").enabled = true; // a script plays
    EXPECT_TRUE(extras::Recorder::start(game, record, clock));
    EXPECT_FALSE(game.extras.recorder);

    extras::recordWhenQuiet(game, record);
    ticks("Timer1", 1);
    EXPECT_FALSE(game.extras.recorder);
    game.window.timer("Timer2").enabled = false;
    ticks("Timer1", 1);
    ASSERT_TRUE(game.extras.recorder);
    EXPECT_EQ(inputsOf(linesOf(record)).front(), "recording 1");
}

TEST_F(RecorderTest, DuringAPlaybackThePlayersInputIsDropped) {
    game.extras.replaying = true;
    const int x = game.status[Slot::HeroX];
    const int y = game.status[Slot::HeroY];
    EXPECT_FALSE(extras::click(game, "BitBtn1"));
    EXPECT_FALSE(extras::menuCommand(game, "&Game/Game &Start"));
    EXPECT_FALSE(extras::timerTick(game, "Timer1", 0));
    extras::clickCell(game, 5, 8);
    for (int i = 0; i < 5; ++i)
        extras::timerTick(game, "Timer1", 150 * i);
    EXPECT_EQ(game.status[Slot::HeroX], x);
    EXPECT_EQ(game.status[Slot::HeroY], y);
    // Closing the window ends the playback without asking the game.
    EXPECT_TRUE(extras::closeWindow(game, "Main"));
    EXPECT_TRUE(game.shell.quitRequested);
}

TEST_F(RecorderTest, TheExtrasMenuKeepsItsSwitchesInAFileOfItsOwn) {
    EXPECT_FALSE(game.window.main.menuItem(window::Menu::DamageOnMap).checked);
    EXPECT_TRUE(game.window.main.menuItem(window::Menu::ClickToWalk).checked);
    extras::menuCommand(game, window::Menu::DamageOnMap);
    extras::menuCommand(game, window::Menu::ClickToWalk);
    extras::menuCommand(game, window::Menu::AllowUndo);
    EXPECT_TRUE(game.window.main.menuItem(window::Menu::DamageOnMap).checked);
    EXPECT_FALSE(game.window.main.menuItem(window::Menu::ClickToWalk).checked);
    EXPECT_EQ(linesOf(folder.path("extras.ini")),
              (std::vector<std::string>{"damage-on-map=1", "click-to-walk=0", "allow-undo=1"}));
    EXPECT_FALSE(std::filesystem::exists(folder.path("option.dat")));

    game::Game later;
    later.folders.config = folder.path();
    extras::loadSwitches(later);
    EXPECT_TRUE(later.extras.damageOnMap);
    EXPECT_FALSE(later.extras.clickToWalk);
    EXPECT_TRUE(later.extras.allowUndo);
}

} // namespace
