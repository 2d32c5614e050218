#include "items_fixture.h"

namespace items_test {
namespace {

TEST_F(ItemsTest, TheAdviceRecordOffersOnlyAdviceHeardWithTheOrb) {
    slot(68) = 2; // the old man of floor 4, heard with the orb: record 1
    slot(55) = 1; // the merchant of floor 6, heard before the orb: record 3
    slot(83) = 2; // the old man of floor 48: record 24
    give(Slot::OrbOfWisdom);
    click("Image5");
    EXPECT_FALSE(inputOpen());
    EXPECT_EQ(control("Button11").text, "1");
    EXPECT_EQ(control("Button34").text, "24");
    EXPECT_TRUE(control("Button11").visible && control("Button11").enabled);
    EXPECT_TRUE(control("Button13").visible);
    EXPECT_FALSE(control("Button13").enabled);
    EXPECT_TRUE(control("Button34").enabled);
    EXPECT_TRUE(control("Button35").focused);

    click("Button34");
    EXPECT_EQ(dialogText(), line(85));
    click("Button13"); // disabled: the record stays as it is
    EXPECT_EQ(dialogText(), line(85));
    click("Button11");
    EXPECT_EQ(dialogText(), line(62));
    EXPECT_TRUE(control("RichEdit1").visible);
    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(slot(Slot::RecordViewing), 1);

    click("Button35");
    EXPECT_FALSE(control("RichEdit1").visible);
    EXPECT_FALSE(control("Button11").visible || control("Button35").visible);
    EXPECT_EQ(slot(Slot::RecordViewing), 0);
    EXPECT_TRUE(inputOpen());
}

TEST_F(ItemsTest, ANewGameClosesTheAdviceRecordLeftOpen) {
    slot(68) = 2;
    give(Slot::OrbOfWisdom);
    click("Image5");
    click("Button11");
    ASSERT_TRUE(game::menuCommand(game, "&Game/Game &Start"));
    EXPECT_FALSE(control("RichEdit1").visible);
    EXPECT_FALSE(control("Button11").visible || control("Button35").visible);
    EXPECT_EQ(slot(Slot::RecordViewing), 0);
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace items_test
