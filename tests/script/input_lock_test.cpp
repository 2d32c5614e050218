#include "script/input_lock.h"
#include "script/script.h"
#include "support/explore_fixture.h"
#include "window/item_icons.h"
#include "world/item_table.h"

namespace explore_test {
namespace {

using world::kItems;

class InputLockTest : public ExploreTest {
  protected:
    window::Control& control(std::string_view name) {
        return testing_game::control(game, std::string(name));
    }
    window::MenuItem& menu(std::string_view path) { return game.window.main.menuItem(path); }
    void holdEveryItem() {
        for (const auto& item : kItems)
            slot(item.slot) = 1;
    }
};

TEST_F(InputLockTest, ClosingDisablesArrowsClickableIconsAndMenus) {
    holdEveryItem();
    script::itemlive(game);
    for (const auto& item : kItems)
        control(item.icon).visible = true;

    script::itemdel(game);
    EXPECT_FALSE(game.explore.inputLive);
    for (const auto name : window::names::kArrowButtons) {
        EXPECT_FALSE(control(name).enabled) << name;
        EXPECT_TRUE(control(name).visible) << name; // disabled, still shown
    }
    for (const auto& item : kItems)
        EXPECT_EQ(control(item.icon).enabled, !item.clickable) << item.icon;
    for (const auto path : {"&Game/&Ranking", "&Game/&Load", "&Game/&Save", "&Options"})
        EXPECT_FALSE(menu(path).enabled) << path;
}

TEST_F(InputLockTest, ReopeningEnablesWhatTheHeroHolds) {
    script::itemdel(game);
    slot(Slot::OrbOfWisdom) = 1;
    slot(Slot::Cross) = 1;
    slot(Slot::TransferArticle) = 0;
    script::itemlive(game);
    EXPECT_TRUE(game.explore.inputLive);
    EXPECT_TRUE(control("Image5").enabled);   // the Orb of Wisdom
    EXPECT_TRUE(control("Image7").visible);   // the Cross is only shown
    EXPECT_FALSE(control("Image11").visible); // a transfer item with no use left is hidden
    EXPECT_FALSE(control("Image6").visible);  // no Orb of Hero: no saving
    EXPECT_FALSE(menu("&Game/&Save").enabled);
    for (const auto path : {"&Game/&Ranking", "&Game/&Load", "&Options"})
        EXPECT_TRUE(menu(path).enabled) << path;
    for (const auto name : window::names::kArrowButtons)
        EXPECT_TRUE(control(name).enabled && control(name).visible) << name;

    slot(Slot::OrbOfHero) = 1;
    slot(Slot::TransferArticle) = 2;
    script::itemlive(game);
    EXPECT_TRUE(control("Image6").enabled);
    EXPECT_TRUE(control("Image11").enabled);
    EXPECT_TRUE(menu("&Game/&Save").enabled);
}

TEST_F(InputLockTest, AnOrbOfHeroWaitingForItsOkKeepsInputClosed) {
    slot(Slot::OrbOfHero) = 2;
    script::Script(game, {{script::Cmd::Pause, 0, 0}}).push(game);
    script::timer2on(game);
    playPressingOk();
    EXPECT_FALSE(inputOpen());
    EXPECT_FALSE(control("BitBtn1").enabled);

    // The OK of the old man's dialog makes the orb usable and reopens input.
    game.explore.dialogKind = explore::Dialog::Talk;
    control("Button1").visible = true;
    game::click(game, "Button1");
    EXPECT_EQ(slot(Slot::OrbOfHero), 1);
    EXPECT_TRUE(inputOpen());
    EXPECT_TRUE(menu("&Game/&Save").enabled);
}

TEST_F(InputLockTest, KeyboardControlNeitherEnablesNorShowsTheArrows) {
    game::menuCommand(game, "&Options/&Keyboard Control");
    EXPECT_TRUE(menu("&Options/&Keyboard Control").checked);
    EXPECT_FALSE(menu("&Options/&Mouse Control").checked);
    EXPECT_TRUE(inputOpen());
    for (const auto name : window::names::kArrowButtons)
        EXPECT_FALSE(control(name).visible) << name;
    script::itemdel(game);
    script::itemlive(game);
    for (const auto name : window::names::kArrowButtons)
        EXPECT_FALSE(control(name).visible) << name;

    game::menuCommand(game, "&Options/&Mouse Control");
    for (const auto name : window::names::kArrowButtons)
        EXPECT_TRUE(control(name).visible && control(name).enabled) << name;
}

} // namespace
} // namespace explore_test
