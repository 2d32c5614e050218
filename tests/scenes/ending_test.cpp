#include "scenes/ending.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

class EndingTest : public ScenesTest {
  protected:
    window::Window& ending() { return *game.window.findWindow("Ending"); }
    bool endingTicking() { return game.window.timer("Ending.Timer1").enabled; }

    // Zeno stands above the hero on the top floor; the hero steps against him.
    void meetZeno() {
        goTo(kTopFloor, 60);
        setTile(49, Tile::Zeno);
        step(Direction::Up);
        runTimer();
    }

    int runSlideshow() {
        int ticks = 0;
        while (endingTicking() && ticks < 10000) {
            game::timerTick(game, "Ending.Timer1");
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(EndingTest, TheFirstLapDissolvesIntoTheEndingWindowAndTheNextLapFollows) {
    meetZeno();
    EXPECT_TRUE(ending().visible);
    EXPECT_FALSE(commandTimerOn());
    EXPECT_TRUE(endingTicking());
    EXPECT_FALSE(game.window.main.control("Memo1").visible);

    const int ticks = runSlideshow();
    // Tower, 16 slides, the shrink, 450 rows of "The End", the final picture, the button.
    EXPECT_GT(ticks, 1 + 16 + 1 + 450 + 2);
    EXPECT_TRUE(ending().control("Image4").visible);
    EXPECT_TRUE(ending().control("Image3").visible);
    // The last slide shrank and "The End" unrolled on the night of that picture, not on white.
    EXPECT_NE(ending().screen.picture().at(320, 200), render::kWhite);

    game::click(game, "Ending.Image4");
    EXPECT_FALSE(ending().visible);
    EXPECT_TRUE(commandTimerOn());
    playPressingOk();
    EXPECT_EQ(slot(Slot::LapLevel), kLaterLap);
    EXPECT_EQ(slot(Slot::Floor), 1);
    EXPECT_TRUE(inputOpen());
}

TEST_F(EndingTest, EnterClosesTheWindowOnlyUnderKeyboardControlAndOnlyOnceTheButtonShows) {
    meetZeno();
    game::keyDown(game, game::Key::Enter);
    EXPECT_TRUE(ending().visible);
    runSlideshow();
    game::keyDown(game, game::Key::Enter); // mouse control: the key is ignored
    EXPECT_TRUE(ending().visible);
    EXPECT_EQ(slot(Slot::Floor), kTopFloor);
    explore::KeyboardControl1Click(game);
    game::keyDown(game, game::Key::Enter);
    EXPECT_FALSE(ending().visible);
}

// The slides' sound plays on the one-shot effect player; it closes as the window closes, by
// the button or by Enter.
TEST_F(EndingTest, ClosingTheWindowClosesTheOneShotPlayer) {
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Enter" : "the button");
        explore::gameover(game);
        meetZeno();
        runSlideshow();
        sound.calls.clear();
        if (byKey) {
            explore::KeyboardControl1Click(game);
            game::keyDown(game, game::Key::Enter);
        } else {
            game::click(game, "Ending.Image4");
        }
        ASSERT_FALSE(ending().visible);
        EXPECT_EQ(sound.calls, std::vector<std::string>{"close one-shot"});
        explore::MouseControl1Click(game);
    }
}

TEST_F(EndingTest, ALaterLapEndsAfterZenoFallsAndKeepsTheProgressNext) {
    slot(Slot::LapLevel) = kLaterLap;
    slot(Slot::Offense) = 100000;
    slot(Slot::Defense) = 100000;
    meetZeno();
    EXPECT_EQ(dialogText(), line(61));
    game::click(game, "Button1");
    runTimer();
    ASSERT_TRUE(ending().visible);
    runSlideshow();
    game::click(game, "Ending.Image4");
    playPressingOk();
    EXPECT_EQ(slot(Slot::LapLevel), kLaterLap);
    EXPECT_EQ(slot(Slot::KeepProgress), 1);
}

} // namespace
} // namespace scenes_test
