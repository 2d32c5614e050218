#include "explore/new_game.h"
#include "fixtures.h"
#include "render/panel.h"
#include "render/play_field.h"
#include "render/present.h"
#include "window/item_icons.h"
#include "world/catalogue.h"

#include <gtest/gtest.h>

using namespace render;
using namespace render_test;

namespace {

class Panel : public ::testing::Test {
  protected:
    void SetUp() override {
        explore::syokidata(game);
        prepare(game);
    }
    window::Control& control(const char* name) {
        render::present(game);
        return game.window.main.control(name);
    }
    const Picture& pic(int n) const { return *game.render.imageList1.find(n); }
    const Picture& key(int n) const { return *game.render.imageList2.find(n); }
    // The panel icon of picture n: over the background through its mask.
    Picture icon(int n) const { return maskedByRule(pic(162), pic(n), halfMask()); }
    game::Game game;
};

} // namespace

TEST_F(Panel, TheFloorLabelEndsInTheSamePlaceForOneAndTwoDigits) {
    EXPECT_EQ(floorLabel(9), "Tower  9 F");
    EXPECT_EQ(floorLabel(10), "Tower 10 F");
    game.status[world::Slot::Floor] = 9;
    disp(game);
    EXPECT_EQ(control("Memo11").text, "Tower  9 F");
}

TEST_F(Panel, DispShowsTheNumbersAndTheMessageOfTheSelector) {
    EXPECT_EQ(control("Edit8").text, window::kFirstMessage);
    game.status[world::Slot::Gold] = 1234567;
    game.messageSelector = 1;
    game.composedMessage = "Used an elixir.";
    disp(game);
    EXPECT_EQ(control("Memo1").text, "1000");
    EXPECT_EQ(control("Memo4").text, "1234567");
    EXPECT_EQ(control("Edit8").text, "Used an elixir.");
    game.messageSelector = 0; // line 127 is empty
    disp(game);
    EXPECT_EQ(control("Edit8").text, "");
    game.messageSelector = 2;
    disp(game);
    EXPECT_EQ(control("Edit8").text, std::string(world::catalogueLine(129)));
}

TEST_F(Panel, KeysFillTwentyFourPlacesRedThenBlueThenYellow) {
    game.status[world::Slot::RedKeys] = 10;
    game.status[world::Slot::BlueKeys] = 10;
    game.status[world::Slot::YellowKeys] = 10;
    keydisplay(game);
    const window::Control& keys = control("Image32");
    ASSERT_TRUE(keys.visible);
    ASSERT_EQ(keys.picture.width, 96);
    ASSERT_EQ(keys.picture.height, 64);
    for (int place = 0; place < 24; ++place) {
        const int expected = place < 10 ? 0 : place < 20 ? 1 : 2;
        EXPECT_EQ(copyRect(keys.picture, {place % 6 * 16, place / 6 * 16, 16, 16}), key(expected))
            << "place " << place;
    }

    game.status[world::Slot::RedKeys] = 0;
    game.status[world::Slot::BlueKeys] = 0;
    game.status[world::Slot::YellowKeys] = 1;
    keydisplay(game);
    EXPECT_EQ(copyRect(control("Image32").picture, {0, 0, 16, 16}), key(2));
    EXPECT_EQ(copyRect(control("Image32").picture, {80, 48, 16, 16}), key(3)) << "empty place";

    game.status[world::Slot::YellowKeys] = 0;
    keydisplay(game);
    EXPECT_FALSE(control("Image32").visible) << "no keys: no key picture at all";
}

TEST_F(Panel, SwordAndShieldByGrade) {
    game.status[world::Slot::SwordGrade] = 0;
    game.status[world::Slot::ShieldGrade] = 2;
    itemdisp(game);
    EXPECT_EQ(control("Memo9").text, "      ");
    EXPECT_EQ(control("Image19").picture, pic(162)) << "grade 0: background only";
    EXPECT_FALSE(control("Image19").showHint);
    EXPECT_EQ(control("Memo10").text, "Silver");
    EXPECT_EQ(control("Image20").picture, icon(56));
    EXPECT_EQ(control("Image20").hint, "Silver Shield");
    EXPECT_TRUE(control("Image20").showHint);

    game.status[world::Slot::SwordGrade] = 5;
    itemdisp(game);
    EXPECT_EQ(control("Memo9").text, "Sacred");
    EXPECT_EQ(control("Image19").hint, "Sacred Sword");
    EXPECT_EQ(control("Image19").picture, icon(54));
}

TEST_F(Panel, ItemIconsShowHeldItemsAndKeepTheVisibilityOfOthers) {
    game.status[world::Slot::OrbOfFlying] = 1;     // item 2: Image4
    game.status[world::Slot::TransferArticle] = 3; // item 7: Image11
    control("Image4").visible = false;
    control("Image9").visible = false;
    control("Image6").showHint = true;
    itemdisp(game);
    EXPECT_EQ(control("Image4").picture, icon(37));
    EXPECT_TRUE(control("Image4").visible);
    EXPECT_TRUE(control("Image4").showHint);
    EXPECT_EQ(control("Image4").hint, "Orb of Flying");
    EXPECT_EQ(control("Image11").picture, icon(42));
    EXPECT_EQ(control("Image6").picture, pic(162));
    EXPECT_FALSE(control("Image6").showHint);
    EXPECT_FALSE(control("Image9").visible) << "an item not held keeps its visibility";
}

TEST_F(Panel, ButtonFocusGoesToTheVisibleArrowOfTheDirection) {
    buttonfocus(game, 3);
    EXPECT_TRUE(control("BitBtn3").focused);
    buttonfocus(game, 1);
    EXPECT_TRUE(control("BitBtn1").focused);
    EXPECT_FALSE(control("BitBtn3").focused);
    control("BitBtn4").visible = false;
    buttonfocus(game, 4);
    buttonfocus(game, 5);
    EXPECT_TRUE(control("BitBtn1").focused);
}
