#include "characters_fixture.h"

namespace characters_test {
namespace {

class AltarTest : public CharacterTest {
  protected:
    // Offer at the altar and choose one of its four buttons.
    void request(int floor, const char* choice) {
        talkTo(floor, Tile::Altar);
        click("Button2");
        click(choice);
    }
};

TEST_F(AltarTest, ThePriceGrowsWithEveryGrantedRequestOnly) {
    slot(Slot::Gold) = 10000;
    talkTo(9, Tile::Altar);
    EXPECT_EQ(boxText(), line(202) + " 20 " + line(203));
    click("Button7");
    EXPECT_TRUE(inputOpen());
    request(9, "Button42");
    EXPECT_TRUE(inputOpen());
    EXPECT_EQ(slot(Slot::Gold), 10000);

    std::int32_t spent = 0;
    for (const int price : {20, 40, 80, 140, 220}) {
        request(9, "Button41");
        spent += price;
        EXPECT_EQ(slot(Slot::Gold), 10000 - spent) << price;
    }
    EXPECT_EQ(slot(Slot::AltarOfferings), 5);
    EXPECT_EQ(slot(Slot::Defense), 10 + 5 * 4);
    EXPECT_TRUE(inputOpen());
}

TEST_F(AltarTest, TheChoicesShowTheirGainsInAColumnInsideTheBox) {
    slot(Slot::Gold) = 10000;
    slot(Slot::AltarOfferings) = 2;
    talkTo(44, Tile::Altar);
    click("Button2");
    EXPECT_EQ(boxText(), line(204));
    EXPECT_EQ(control("Button39").text, line(205) + " 300 " + line(206));
    EXPECT_EQ(control("Button40").text, line(207) + " 10 " + line(208));
    EXPECT_EQ(control("Button41").text, line(209) + " 20 " + line(208));
    EXPECT_EQ(control("Button42").text, line(210));
    EXPECT_TRUE(control("Button42").focused);
    const window::Control& box = control("RichEdit1");
    for (const char* name : {"Button39", "Button40", "Button41", "Button42"}) {
        const window::Control& c = control(name);
        EXPECT_TRUE(c.visible) << name;
        EXPECT_EQ(c.x, box.x + 16) << name;
        EXPECT_EQ(c.width, box.width - 32) << name;
        EXPECT_LE(c.y + c.height, box.y + box.height) << name;
    }
    EXPECT_EQ(control("Button40").y, control("Button39").y + 32);
}

TEST_F(AltarTest, HitPointsGrowWithTheRequestsAndEveryGainWithTheLap) {
    slot(Slot::Gold) = 100000;
    slot(Slot::LapLevel) = 43;
    request(45, "Button40");
    EXPECT_EQ(slot(Slot::Offense), 10 + 44 * 5 * 2);
    EXPECT_EQ(messageLine(), line(182) + " 440" + line(166));
    request(45, "Button39");
    EXPECT_EQ(slot(Slot::Life), 1000 + 44 * 2 * 100);
    EXPECT_EQ(messageLine(), line(181) + " 8800" + line(166));
    EXPECT_FALSE(shown("RichEdit1") || shown("Button39"));
}

TEST_F(AltarTest, ShortOfGoldNothingIsGranted) {
    slot(Slot::Gold) = 19;
    request(9, "Button39");
    EXPECT_EQ(boxText(), line(211));
    EXPECT_FALSE(shown("Button39"));
    EXPECT_EQ(slot(Slot::Gold), 19);
    EXPECT_EQ(slot(Slot::Life), 1000);
    EXPECT_EQ(slot(Slot::AltarOfferings), 0);
    click("Button1");
    EXPECT_TRUE(inputOpen());
    EXPECT_FALSE(shown("RichEdit1"));
}

} // namespace
} // namespace characters_test
