#include "characters_fixture.h"

namespace characters_test {
namespace {

class MerchantTest : public CharacterTest {};

TEST_F(MerchantTest, SellsOnceForExactlyHisPriceThenTellsHisAdviceOnce) {
    slot(Slot::Gold) = 50;
    talkTo(6, Tile::Merchant);
    EXPECT_EQ(boxText(), line(247));
    EXPECT_TRUE(shown("Button2") && shown("Button7"));
    EXPECT_TRUE(control("Button2").focused);
    EXPECT_FALSE(inputOpen());

    click("Button2");
    EXPECT_EQ(slot(Slot::Gold), 0);
    EXPECT_EQ(slot(Slot::BlueKeys), 1);
    EXPECT_EQ(slot(43), 1);
    EXPECT_EQ(boxText(), line(259));
    EXPECT_FALSE(shown("Button2") || shown("Button7"));
    click("Button1");
    EXPECT_FALSE(shown("RichEdit1"));
    EXPECT_TRUE(inputOpen());

    talkTo(6, Tile::Merchant);
    EXPECT_EQ(boxText(), line(64));
    EXPECT_EQ(slot(55), 1); // heard without the Orb of Wisdom: never in its record
    click("Button1");
    slot(Slot::OrbOfWisdom) = 1;
    talkTo(6, Tile::Merchant);
    EXPECT_EQ(boxText(), line(90));
    EXPECT_EQ(slot(55), 1);
    EXPECT_EQ(slot(Slot::BlueKeys), 1);
}

TEST_F(MerchantTest, AdviceHeardWithTheOrbOfWisdomIsRecorded) {
    slot(Slot::Gold) = 4000;
    slot(Slot::OrbOfWisdom) = 1;
    talkTo(47, Tile::Merchant);
    click("Button2");
    EXPECT_EQ(slot(Slot::SuperMattock), 1);
    click("Button1");
    talkTo(47, Tile::Merchant);
    EXPECT_EQ(boxText(), line(84));
    EXPECT_EQ(slot(65), 2);
}

TEST_F(MerchantTest, ShortOfGoldNothingChangesAndTheOfferStaysOpen) {
    slot(Slot::Gold) = 199;
    talkTo(15, Tile::Merchant);
    click("Button2");
    EXPECT_EQ(boxText(), line(258));
    EXPECT_EQ(slot(Slot::Gold), 199);
    EXPECT_EQ(slot(Slot::BlueKeys), 0);
    click("Button1");
    talkTo(15, Tile::Merchant);
    EXPECT_EQ(boxText(), line(251));
}

TEST_F(MerchantTest, NoBuysNothingAndGivesTheGameBack) {
    slot(Slot::Gold) = 1000;
    talkTo(31, Tile::Merchant);
    click("Button7");
    EXPECT_EQ(slot(Slot::Gold), 1000);
    EXPECT_EQ(slot(49), 0);
    EXPECT_FALSE(shown("RichEdit1") || shown("Button2") || shown("Button7"));
    EXPECT_TRUE(inputOpen());
}

TEST_F(MerchantTest, ThePrisonersThanksCannotBeRefused) {
    talkTo(2, Tile::Merchant);
    EXPECT_FALSE(control("Button7").enabled);
    click("Button2");
    EXPECT_TRUE(control("Button7").enabled);
    EXPECT_EQ(slot(Slot::Gold), 1000);
    click("Button1");
    talkTo(2, Tile::Merchant);
    EXPECT_EQ(boxText(), line(91));
    click("Button1");
    talkTo(2, Tile::Merchant);
    EXPECT_EQ(boxText(), line(91));
}

TEST_F(MerchantTest, TheTwoFloor12MerchantsAreToldApartByTheHerosColumn) {
    slot(Slot::Gold) = 2500;
    for (int sale = 0; sale < 2; ++sale) {
        talkTo(12, Tile::Merchant, 9);
        EXPECT_EQ(boxText(), line(250));
        click("Button2");
        click("Button1");
    }
    EXPECT_EQ(slot(Slot::YellowKeys), 2);
    EXPECT_EQ(slot(46), 0);
    talkTo(12, Tile::Merchant, 1);
    EXPECT_EQ(boxText(), line(249));
    click("Button2");
    EXPECT_EQ(boxText(), line(258));
}

TEST_F(MerchantTest, TheFloor28MerchantBuysKeysWhileThereAreAny) {
    slot(Slot::YellowKeys) = 1;
    for (const int answer : {259, 262}) {
        talkTo(28, Tile::Merchant);
        EXPECT_EQ(boxText(), line(252));
        click("Button2");
        EXPECT_EQ(boxText(), line(answer));
        click("Button1");
    }
    EXPECT_EQ(slot(Slot::YellowKeys), 0);
    EXPECT_EQ(slot(Slot::Gold), 100);
}

} // namespace
} // namespace characters_test

namespace characters_test {
namespace {

// A sale's script and an old man's gift play under the open box; when they end the box still
// waits for its "OK", and until then the hero cannot walk away from it.
TEST_F(MerchantTest, NoStepWhileTheBoxWaitsForItsOk) {
    const auto expectHeldUntilOk = [this] {
        EXPECT_TRUE(shown("Button1"));
        EXPECT_FALSE(commandTimerOn());
        EXPECT_FALSE(inputOpen());
        const int cell = heroCell();
        game.map.setTile(floor(), cell + kSide, Tile::RedCrystal);
        game::click(game, "BitBtn4");
        runTimer();
        EXPECT_EQ(heroCell(), cell);
        EXPECT_EQ(game.map.tile(floor(), cell + kSide), Tile::RedCrystal);
        click("Button1");
        EXPECT_TRUE(inputOpen());
    };
    slot(Slot::Gold) = 50;
    talkTo(6, Tile::Merchant);
    click("Button2");
    EXPECT_EQ(boxText(), line(259));
    expectHeldUntilOk();

    talkTo(2, Tile::OldMan); // the prison's old man gives 3 % before he speaks
    EXPECT_EQ(boxText(), line(87));
    expectHeldUntilOk();
}

} // namespace
} // namespace characters_test
