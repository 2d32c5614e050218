// The presenting step: the panels show what the game last drew into them, written into the
// window when an event ends and not before, and every door of the game ends with it.
#include "game/events.h"
#include "game/setup.h"
#include "render/panel.h"
#include "render/present.h"
#include "state/key.h"
#include "support/free_play.h"
#include "support/plain_pictures.h"
#include "window/names.h"
#include "world/item_table.h"

#include <gtest/gtest.h>

namespace Slot = world::Slot;

namespace {

class Present : public FreePlayTest {
  protected:
    // The window as the shell finds it, without presenting first.
    const window::Control& inWindow(const char* name) const {
        return game.window.main.control(name);
    }

    // Whether the panel view holds anything the window does not show yet.
    bool pending() const {
        const render::PanelView& v = game.render.panel;
        bool any = v.floorLabel.text.changed() || v.message.text.changed() ||
                   v.keys.picture.changed() || v.keys.visible.changed() ||
                   v.monster.picture.changed();
        for (const render::PanelText& figure : v.figures)
            any = any || figure.text.changed();
        for (const render::PanelPicture& icon : v.items)
            any = any || icon.picture.changed() || icon.visible.changed();
        return any;
    }
};

} // namespace

TEST_F(Present, TheWindowShowsTheFiguresAsDrawnAndKeepsWhatNobodyRedrew) {
    ASSERT_FALSE(game::setStatus(game, Slot::Life, 777));
    ASSERT_FALSE(game::setStatus(game, Slot::YellowKeys, 2));
    EXPECT_EQ(inWindow("Memo1").text, "777");
    EXPECT_TRUE(inWindow("Image32").visible);

    // Drawn, then changed within the same event without a redraw: the drawn figure shows, and
    // only once the event ends.
    slot(Slot::Gold) = 40;
    render::disp(game);
    slot(Slot::Gold) = 5;
    EXPECT_NE(inWindow("Memo4").text, "40");
    render::present(game);
    EXPECT_EQ(inWindow("Memo4").text, "40");

    // A field written straight into the window after an event stays until the game draws it
    // again; the keys hide when the last one goes.
    game.window.main.control("Edit8").text = "written by the shell";
    ASSERT_FALSE(game::setStatus(game, Slot::YellowKeys, 0));
    EXPECT_EQ(inWindow("Edit8").text, testing_game::messageLine(game));
    EXPECT_FALSE(inWindow("Image32").visible);
    game.window.main.control("Edit8").text = "written by the shell";
    render::present(game);
    EXPECT_EQ(inWindow("Edit8").text, "written by the shell");
}

TEST_F(Present, EveryDoorPresentsWhatTheEventDrew) {
    ASSERT_FALSE(game::setStatus(game, Slot::WingToAscend, 1));
    EXPECT_FALSE(pending());
    EXPECT_TRUE(game::click(game, "BitBtn3"));
    EXPECT_FALSE(pending());
    for (int t = 0; t < 50; ++t) {
        game::timerTick(game, "Timer2");
        game::timerTick(game, "Timer1");
        EXPECT_FALSE(pending()) << "tick " << t;
    }
    game::keyDown(game, game::Key::Left);
    EXPECT_FALSE(pending());
    EXPECT_TRUE(game::menuCommand(game, window::Menu::GameStart));
    EXPECT_FALSE(pending());
    game::musicEnded(game);
    EXPECT_FALSE(pending());
    // The item cursor, opened in the same event as the icons are drawn, frames the picture
    // the icon is about to show, not the one the window showed before.
    testing_game::usePlainPictureLists(game);
    explore::KeyboardControl1Click(game);
    game.window.main.control("Image6").picture = render::Picture(32, 32, render::kWhite);
    slot(Slot::OrbOfHero) = 1;
    game.explore.cursorSlot = 0;
    render::itemdisp(game);
    game::keyDown(game, game::Key::Enter);
    const render::Picture& cursor = inWindow("ItemCursor").picture;
    ASSERT_TRUE(inWindow("ItemCursor").visible);
    const render::Picture inside = render::copyRect(cursor, {2, 2, 28, 28});
    EXPECT_EQ(inside, render::copyRect(inWindow("Image6").picture, {2, 2, 28, 28}));
    EXPECT_NE(inside, render::Picture(28, 28, render::kWhite));
}
