// Every full-window picture gives the game screen back whole: after the opening, the capture
// and the prison wake-up, the ending and a game over, each control of the window shows or
// hides as in a fresh game, and the message line does not carry a stale line under them.
#include "render/panel.h"
#include "render/present.h"
#include "scenes/opening.h"
#include "script/input_lock.h"
#include "support/scenes_fixture.h"

#include <map>

namespace scenes_test {
namespace {

class GameScreenTest : public ScenesTest {
  protected:
    using Shown = std::map<std::string, bool>;

    void SetUp() override {
        ScenesTest::SetUp();
        fresh = shownControls();
    }

    // Which controls show, item icons aside (they follow the items held).
    Shown shownControls() {
        Shown shown;
        render::present(game);
        for (const window::Control& c : game.window.main.controls)
            if (!c.name.starts_with("Image") || c.name == "Image19" || c.name == "Image20" ||
                c.name == "Image31" || c.name == "Image32")
                shown[c.name] = c.visible;
        return shown;
    }

    // The monster panel (Memo5..Memo8) is what the capture used to leave out of sight.
    void expectTheScreenOfAFreshGame(const char* after) {
        SCOPED_TRACE(after);
        const Shown now = shownControls();
        for (const auto& [name, visible] : fresh)
            EXPECT_EQ(now.at(name), visible) << name;
        EXPECT_TRUE(control("Memo8").visible);
    }

    Shown fresh;
};

TEST_F(GameScreenTest, EveryFullWindowPictureGivesTheWholeScreenBack) {
    // The opening.
    script::itemdel(game);
    game.window.timer("Timer1").enabled = false;
    game.window.timer("Timer4").enabled = true;
    for (int f = 0; f < 20 && game.window.timer("Timer4").enabled; ++f)
        game::timerTick(game, "Timer4");
    expectTheScreenOfAFreshGame("the opening");

    // The capture, through the prison wake-up.
    goTo(3, 103);
    step(Direction::Up);
    playPressingOk();
    ASSERT_EQ(floor(), 2);
    expectTheScreenOfAFreshGame("the capture and the prison");

    // The ending and the next lap.
    explore::gameover(game);
    game.composeMessage("Loaded the data.");
    render::disp(game);
    goTo(kTopFloor, 60);
    setTile(49, Tile::Zeno);
    step(Direction::Up);
    runTimer();
    EXPECT_EQ(messageLine(), ""); // cleared as the picture takes the screen
    for (int t = 0; t < 10000 && game.window.timer("Ending.Timer1").enabled; ++t)
        game::timerTick(game, "Ending.Timer1");
    game::click(game, "Ending.Image4");
    playPressingOk();
    ASSERT_EQ(slot(Slot::LapLevel), kLaterLap);
    expectTheScreenOfAFreshGame("the ending");

    // A game over.
    play({{Cmd::HeroFalls, 0, 0}});
    ASSERT_EQ(slot(Slot::LapLevel), 0);
    expectTheScreenOfAFreshGame("a game over");
}

} // namespace
} // namespace scenes_test
