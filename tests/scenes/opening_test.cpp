#include "picture/bmp.h"
#include "scenes/opening.h"
#include "script/input_lock.h"
#include "support/scenes_fixture.h"

#include <filesystem>

namespace scenes_test {
namespace {

class OpeningTest : public ScenesTest {
  protected:
    window::Timer& timer(const char* name) { return game.window.timer(name); }
};

TEST_F(OpeningTest, ThePrologueWalksTwentyFramesThenANewGameStarts) {
    script::itemdel(game);
    slot(Slot::LapLevel) = kLaterLap;
    timer("Timer1").enabled = false;
    timer("Timer4").enabled = true;
    std::vector<int> intervals;
    for (int f = 0; f < 20; ++f) {
        ASSERT_TRUE(timer("Timer4").enabled) << f;
        game::timerTick(game, "Timer4");
        intervals.push_back(timer("Timer4").intervalMs);
    }
    EXPECT_EQ(intervals[0], 350);
    EXPECT_EQ(intervals[7], 350);
    EXPECT_EQ(intervals[8], 250);
    EXPECT_EQ(intervals[14], 250);
    EXPECT_EQ(intervals[15], 150);
    EXPECT_FALSE(timer("Timer4").enabled);
    EXPECT_TRUE(timer("Timer1").enabled);
    EXPECT_EQ(slot(Slot::LapLevel), 0);
    EXPECT_EQ(slot(Slot::Floor), 1);
    EXPECT_TRUE(inputOpen());
}

TEST_F(OpeningTest, TheCaptureTakesTheHerosStrengthAndWakesHimInThePrison) {
    goTo(3, 103);
    slot(Slot::OrbOfWisdom) = 1;
    step(Direction::Up); // Zeno's event cell 92
    runTimer();
    EXPECT_EQ(dialogText(), line(9));
    EXPECT_EQ(game.window.main.control("Button1").text, line(218));
    game::click(game, "Button1");
    runTimer();
    EXPECT_EQ(dialogText(), line(10)); // "What? Oh!" over the four Sergeants
    EXPECT_EQ(game.window.main.control("Button1").text, line(219));
    playPressingOk();
    EXPECT_EQ(slot(Slot::Floor), 2);
    EXPECT_EQ(slot(Slot::HighestFloor), 2);
    EXPECT_EQ(heroCell(), cellOf(2, 7));
    EXPECT_EQ(slot(Slot::Life), 400);
    EXPECT_EQ(slot(Slot::Offense), 10);
    EXPECT_EQ(slot(Slot::Defense), 10);
    EXPECT_EQ(slot(Slot::ShieldTaken + 4), 0);
    EXPECT_EQ(slot(Slot::SwordTaken + 4), 0);
    EXPECT_EQ(slot(Slot::OrbOfWisdom), 1); // a first lap keeps the special items
    EXPECT_EQ(game.map.tile(3, 92), Tile::Road);
    EXPECT_EQ(game.window.main.control("Button1").text, "OK");
    EXPECT_FALSE(game.window.main.control("Image23").visible);
    EXPECT_EQ(slot(Slot::DialogueSeenBase + 3), 1); // "------ Hey! Wake up!"
    EXPECT_FALSE(timer("Timer1").enabled);
    EXPECT_TRUE(inputOpen());
}

// Game Start in the middle of the capture: the next game has the dialogue button's own caption
// and its scripts play at the chosen speed.
TEST_F(OpeningTest, AGameAbandonedDuringTheCaptureLeavesNoCaptionOrPaceBehind) {
    const auto newGameAt = [this](auto stop) {
        explore::gameover(game);
        goTo(3, 103);
        step(Direction::Up);
        runTimer();
        stop();
        ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Start"));
        EXPECT_EQ(game.window.main.control("Button1").text, "OK");
        for (const char* paced : {"Timer1", "Timer2", "Timer3"})
            EXPECT_EQ(timer(paced).intervalMs, 150) << paced; // the fixture's high speed
    };
    newGameAt([] {}); // Zeno's welcome waits under "What?"
    newGameAt([this] {
        game::click(game, "Button1");
        runTimer(); // "What? Oh!" waits under "Ah!"
    });
    newGameAt([this] {
        game::click(game, "Button1");
        runTimer();
        game::click(game, "Button1");
        for (int n = 0; n < 10000 && timer("Timer2").intervalMs > 75; ++n)
            tick(); // into the wipe, the command timer at its fastest
        ASSERT_EQ(timer("Timer2").intervalMs, 25);
    });
}

TEST_F(OpeningTest, InALaterLapTheCaptureTakesTheItemsButNotTheStrength) {
    slot(Slot::LapLevel) = kLaterLap;
    slot(Slot::Life) = 50000;
    slot(Slot::OrbOfWisdom) = 1;
    slot(Slot::LuckyGold) = 1;
    goTo(3, 103);
    step(Direction::Up);
    playPressingOk();
    EXPECT_EQ(slot(Slot::Floor), 2);
    EXPECT_EQ(slot(Slot::Life), 50000);
    EXPECT_EQ(slot(Slot::Offense), 100);
    EXPECT_EQ(slot(Slot::OrbOfWisdom), 0);
    EXPECT_EQ(slot(Slot::LuckyGold), 0);
    EXPECT_EQ(slot(Slot::SwordGrade), 0);
}

TEST_F(OpeningTest, TheWipeRunsFastAndTheGameScreenReturnsAtItsEnd) {
    explore::speedlow(game);
    play({{Cmd::Special, script::Special::Transition, 0},
          {Cmd::Pause, scenes::Transition::Prison, 0}});
    EXPECT_EQ(timer("Timer2").intervalMs, 75);
    EXPECT_TRUE(game.window.main.control("Image23").visible);
    play({{Cmd::Special, script::Special::Transition, scenes::kWipeEnd},
          {Cmd::Pause, scenes::Transition::Prison, 0}});
    EXPECT_EQ(timer("Timer2").intervalMs, 450);
    EXPECT_FALSE(game.window.main.control("Image23").visible);
    EXPECT_TRUE(game.window.main.control("Memo1").visible);
}

TEST_F(OpeningTest, TheWipeShowsEveryRowReachedWhateverWasDrawnBetweenItsSteps) {
    const std::string folder = GRAVENHOLD_GAME_DIR;
    if (!std::filesystem::exists(folder + "/data/open2.bmp"))
        GTEST_SKIP() << "the pictures have not been built into " << folder << "/data";
    game.folders.game = folder;
    const render::Picture defeat = render::readBmp(folder + "/data/open1.bmp").picture;
    const render::Picture prison = render::readBmp(folder + "/data/open2.bmp").picture;
    auto wipeTo = [&](int v) {
        play({{Cmd::Special, script::Special::Transition, v},
              {Cmd::Pause, scenes::Transition::Prison, 0}});
        render::Picture expected = defeat;
        render::drawRect(expected, 0, 0, prison, {0, 0, 640, v + 1});
        return expected;
    };
    const render::Surface& screen = game.window.main.screen;
    const render::Picture& full = game.window.main.control("Image23").picture;
    wipeTo(0);
    wipeTo(100);
    render::Picture expected = wipeTo(101);
    EXPECT_EQ(full, expected);
    EXPECT_EQ(render::copyRect(screen, {0, 0, 640, 400}), expected);
    // Whatever covers the window between two steps is gone at the next.
    render::fillRect(game.window.main.screen, {0, 90, 640, 60}, 0x123456);
    expected = wipeTo(104);
    EXPECT_EQ(full, expected);
    EXPECT_EQ(render::copyRect(screen, {0, 0, 640, 400}), expected);
    // A step back to fewer rows leaves the rows reached.
    wipeTo(50);
    EXPECT_EQ(full, expected);
    EXPECT_EQ(render::copyRect(screen, {0, 0, 640, 400}), expected);
}

} // namespace
} // namespace scenes_test
