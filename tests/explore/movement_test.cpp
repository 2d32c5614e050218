#include "explore/movement.h"
#include "script/input_lock.h"
#include "script/script.h"
#include "support/explore_fixture.h"

namespace explore_test {
namespace {

using game::Key;

class MovementTest : public ExploreTest {
  protected:
    void keyboardControl() { game::menuCommand(game, "&Options/&Keyboard Control"); }
    window::Control& cursor() { return game.window.main.control("ItemCursor"); }
    int cursorSlot() const { return game.explore.cursorSlot; }
};

TEST_F(MovementTest, TheHeroWalksOntoRoadAndTurnsAtTheEdge) {
    // A new game: floor 1, x 5, y 10, facing up; the road lies above him.
    ASSERT_EQ(heroCell(), cellOf(5, 10));
    step(Direction::Up);
    EXPECT_EQ(heroCell(), cellOf(5, 9));
    EXPECT_EQ(game.explore.repeatAction, explore::Repeat::Up);

    // Down at the bottom row: he turns to face down and nothing else happens.
    placeHero(cellOf(4, 10));
    step(Direction::Down);
    EXPECT_EQ(heroCell(), cellOf(4, 10));
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Down));
    EXPECT_EQ(stackTop(), 0);

    // Against a wall he turns as well and stays.
    step(Direction::Left);
    EXPECT_EQ(heroCell(), cellOf(4, 10));
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Left));
    EXPECT_TRUE(inputOpen());
}

TEST_F(MovementTest, KeysStepOnlyUnderKeyboardControlWhileInputIsOpen) {
    game::keyDown(game, Key::Up); // mouse control: the keys go to the focused control
    EXPECT_EQ(heroCell(), cellOf(5, 10));

    keyboardControl();
    script::Script(game, {{script::Cmd::Pause, 0, 0}, {script::Cmd::Pause, 0, 0}}).push(game);
    script::timer2on(game);
    game::keyDown(game, Key::Up); // a script plays: the key is dropped, not queued
    playPressingOk();
    EXPECT_EQ(heroCell(), cellOf(5, 10));

    script::itemdel(game); // a dialog holds input
    game::keyDown(game, Key::Up);
    EXPECT_EQ(heroCell(), cellOf(5, 10));

    script::itemlive(game);
    game::keyDown(game, Key::Up);
    EXPECT_EQ(heroCell(), cellOf(5, 9));
}

TEST_F(MovementTest, ArrowButtonsStepOnlyWhileEnabledAndNoScriptPlays) {
    script::Script(game, {{script::Cmd::Pause, 0, 0}}).push(game);
    game::click(game, "BitBtn1");
    EXPECT_EQ(heroCell(), cellOf(5, 10));
    playPressingOk();
    script::itemdel(game);
    game::click(game, "BitBtn1");
    EXPECT_EQ(heroCell(), cellOf(5, 10));
}

TEST_F(MovementTest, TheWalkTakesEightSixteenOrThirtyTwoSubSteps) {
    EXPECT_EQ(explore::walkSubSteps(game), 8);
    game::menuCommand(game, "&Options/&Speed/&Middle");
    EXPECT_EQ(explore::walkSubSteps(game), 16);
    EXPECT_EQ(game.window.timer("Timer1").intervalMs, 250);
    EXPECT_EQ(game.window.timer("Timer3").intervalMs, 250);
    game::menuCommand(game, "&Options/&Speed/&Low");
    EXPECT_EQ(explore::walkSubSteps(game), 32);
    EXPECT_EQ(game.window.timer("Timer2").intervalMs, 350);
    EXPECT_FALSE(game.window.main.menuItem("&Options/&Speed/&Middle").checked);
}

TEST_F(MovementTest, FrameAShowsTheHeroOnlyAtEveryEighthPixel) {
    usePlainPictures();
    placeHero(cellOf(5, 9), Facing::Right);
    game.heroCell = cellOf(5, 9);
    game.targetCell = cellOf(6, 9);
    const render::Pixel road = plainPicture(Tile::Road - 1).at(0, 0);
    const render::Pixel pose1 = plainPicture(200).at(0, 0); // facing right, pose 1
    const render::Pixel pose2 = plainPicture(202).at(0, 0);
    const render::Picture before = game.render.frameA;

    explore::yusyaidou(game, 3);
    EXPECT_EQ(game.render.frameA, before);
    EXPECT_EQ(game.render.frameB.at(5 * 32 + 3, 9 * 32), pose2);

    explore::yusyaidou(game, 8);
    const int left = 5 * 32;
    const int top = 9 * 32;
    EXPECT_EQ(game.render.frameA.at(left + 7, top), road);
    EXPECT_EQ(game.render.frameA.at(left + 8, top), pose1);
    EXPECT_EQ(game.render.frameA.at(left + 39, top + 31), pose1);
    EXPECT_EQ(game.render.frameA.at(left + 40, top), road);

    // At 32 both frames end with the hero in the new cell.
    explore::yusyaidou(game, 32);
    EXPECT_EQ(game.render.frameA.at(left + 31, top), road);
    EXPECT_EQ(game.render.frameA.at(left + 32, top), pose1);
    EXPECT_EQ(game.render.frameB.at(left + 32, top), pose2);
}

TEST_F(MovementTest, TheRepeatTimerStepsWithoutTurningTheHero) {
    game.window.main.control("Button8").enabled = true;
    game::press(game, "Button8");
    EXPECT_TRUE(game.window.timer("Timer3").enabled);
    EXPECT_EQ(slot(Slot::FlightDirection), 1);
    game.explore.repeatAction = explore::Repeat::Up;
    slot(Slot::Facing) = static_cast<int>(Facing::Left);
    game::timerTick(game, "Timer3");
    EXPECT_EQ(heroCell(), cellOf(5, 9));
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Left));

    game::release(game, "Button8");
    EXPECT_FALSE(game.window.timer("Timer3").enabled);
    EXPECT_FALSE(game.explore.repeatHeld);
}

// An arrow button held down walks the hero on at the speed's pace; the click that ends the hold
// adds no step, a quick click is one step, and a dialogue, a fight or closed input ends it.
TEST_F(MovementTest, AHeldArrowButtonKeepsTheHeroWalking) {
    clearFloor();
    placeHero(cellOf(5, 10), Facing::Left);
    game::press(game, "BitBtn1");
    EXPECT_EQ(slot(Slot::Facing), static_cast<int>(Facing::Up));
    ASSERT_TRUE(game.window.timer("Timer3").enabled);
    EXPECT_EQ(game.window.timer("Timer3").intervalMs, 150);
    for (int t = 0; t < 3; ++t)
        game::timerTick(game, "Timer3");
    game::click(game, "BitBtn1");
    game::release(game, "BitBtn1");
    EXPECT_EQ(heroCell(), cellOf(5, 7));
    EXPECT_FALSE(game.window.timer("Timer3").enabled);
    game::timerTick(game, "Timer3");
    EXPECT_EQ(heroCell(), cellOf(5, 7));

    game::press(game, "BitBtn2"); // a quick click: one step
    game::click(game, "BitBtn2");
    game::release(game, "BitBtn2");
    EXPECT_EQ(heroCell(), cellOf(4, 7));

    // Walking into a crystal plays its script, which ends the hold; so does closed input.
    setTile(cellOf(4, 5), Tile::RedCrystal);
    game::press(game, "BitBtn1");
    game::timerTick(game, "Timer3");
    game::timerTick(game, "Timer3");
    EXPECT_EQ(heroCell(), cellOf(4, 6));
    EXPECT_FALSE(game.window.timer("Timer3").enabled);
    runTimer();
    game::release(game, "BitBtn1");
    game::press(game, "BitBtn4");
    script::itemdel(game); // a dialogue opens
    game::timerTick(game, "Timer3");
    EXPECT_EQ(heroCell(), cellOf(4, 6));
    EXPECT_FALSE(game.window.timer("Timer3").enabled);
}

TEST_F(MovementTest, TheItemCursorSkipsEmptySlotsAndWraps) {
    keyboardControl();
    // Enter with no item: the cursor opens but shows nothing, and the arrows still step.
    game::keyDown(game, Key::Enter);
    EXPECT_TRUE(game.explore.cursorOpen);
    EXPECT_FALSE(cursor().visible);
    game::keyDown(game, Key::Up);
    EXPECT_EQ(heroCell(), cellOf(5, 9));
    game::keyDown(game, Key::Escape);
    EXPECT_FALSE(game.explore.cursorOpen);

    slot(Slot::OrbOfFlying) = 1; // slot 2
    slot(Slot::LuckyGold) = 1;   // slot 14
    slot(Slot::Elixir) = 1;      // slot 4
    game::keyDown(game, Key::Enter);
    EXPECT_TRUE(cursor().visible);
    EXPECT_EQ(cursorSlot(), 2); // settles on the first held slot
    EXPECT_EQ(cursor().x, game.window.main.control("Image4").x);

    game::keyDown(game, Key::Right); // 3 is empty: on to 4
    EXPECT_EQ(cursorSlot(), 4);
    game::keyDown(game, Key::Left);
    EXPECT_EQ(cursorSlot(), 2);
    game::keyDown(game, Key::Left); // 1 and 0 are empty; below 0 it wraps to 14
    EXPECT_EQ(cursorSlot(), 14);
    game::keyDown(game, Key::Right); // from 14 it wraps to 0, then on to 2
    EXPECT_EQ(cursorSlot(), 2);
    game::keyDown(game, Key::Down); // 5, 8, 11 are empty
    EXPECT_EQ(cursorSlot(), 14);
    EXPECT_EQ(heroCell(), cellOf(5, 9)); // the arrows moved the cursor, not the hero

    // After four empty moves the cursor settles forward on the next held slot.
    slot(Slot::OrbOfFlying) = 0;
    slot(Slot::LuckyGold) = 0;
    game::keyDown(game, Key::Down); // 2, 5, 8, 11, then 14 .. settles on 4
    EXPECT_EQ(cursorSlot(), 4);

    game::keyDown(game, Key::Escape);
    EXPECT_FALSE(cursor().visible);
    EXPECT_FALSE(game.explore.cursorOpen);
}

} // namespace
} // namespace explore_test
