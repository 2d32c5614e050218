#include "characters_fixture.h"
#include "platform/recording_sound.h"
#include "sound/tables.h"

#include <algorithm>

namespace characters_test {
namespace {

class ThiefTest : public CharacterTest {
  protected:
    // The scripted dialog n on screen shows catalogue line n - 1.
    std::string dialog(int n) { return line(n - 1); }
};

TEST_F(ThiefTest, InThePrisonHeBreaksTheWallWhenTheHeroStandsBesideIt) {
    talkTo(2, Tile::Thief, 2);
    EXPECT_EQ(tile(2, 67), Tile::Road);
    EXPECT_EQ(messageLine(), line(137));
    EXPECT_EQ(boxText(), dialog(4));
    click("Button1");
    EXPECT_FALSE(shown("RichEdit1"));
    EXPECT_TRUE(inputOpen());
}

// Breaking out brings the floor's music back only for a player who has music on.
TEST_F(ThiefTest, BreakingThePrisonWallRestartsTheMusicOnlyWhenItIsOn) {
    sound::RecordingSound sound;
    game.setSound(&sound);
    ASSERT_FALSE(game.window.main.menuItem("&Options/&BGM On").checked);
    talkTo(2, Tile::Thief, 2);
    click("Button1");
    EXPECT_EQ(slot(Slot::MusicTrack), 0);
    EXPECT_FALSE(game.window.main.menuItem("&Options/&BGM On").checked);
    for (const std::string& call : sound.calls)
        EXPECT_NE(call.rfind("music ", 0), 0u) << call;

    game.map.setTile(2, 67, Tile::Wall);
    game::menuCommand(game, "&Options/&BGM On");
    slot(Slot::MusicTrack) = 12; // still the fairy's tune
    sound.calls.clear();
    talkTo(2, Tile::Thief, 3);
    EXPECT_EQ(slot(Slot::MusicTrack), sound::floorTrack(2));
    const std::string floorMusic = "music " + std::string(sound::trackFile(sound::floorTrack(2)));
    EXPECT_NE(std::find(sound.calls.begin(), sound.calls.end(), floorMusic), sound.calls.end());
}

TEST_F(ThiefTest, WhatHeSaysDependsOnWhereAndWhatWasSaid) {
    talkTo(2, Tile::Thief, 0);
    EXPECT_EQ(boxText(), dialog(5) + "\n" + line(57));
    click("Button1");
    talkTo(2, Tile::Thief, 9);
    EXPECT_EQ(boxText(), dialog(6));
    click("Button1");
    EXPECT_EQ(slot(96), 1);
    talkTo(2, Tile::Thief, 10);
    EXPECT_EQ(boxText(), dialog(7));
    click("Button1");

    talkTo(29, Tile::Thief, 5, 2); // from cell 27
    EXPECT_EQ(boxText(), dialog(27));
    click("Button1");
    talkTo(29, Tile::Thief, 7);
    EXPECT_EQ(boxText(), dialog(28));
    click("Button1");
    talkTo(29, Tile::Thief, 7);
    EXPECT_EQ(boxText(), dialog(29));
    click("Button1");

    talkTo(50, Tile::Thief);
    EXPECT_EQ(boxText(), dialog(264));
    click("Button1");
    EXPECT_TRUE(inputOpen());
}

TEST_F(ThiefTest, MetAgainOnFloor35HeHasLeftThePrison) {
    game.map.setTile(2, 120, Tile::Thief);
    talkTo(35, Tile::Thief);
    EXPECT_EQ(tile(2, 120), Tile::Road);
    EXPECT_EQ(boxText(), dialog(32));
    click("Button1");
    talkTo(35, Tile::Thief);
    EXPECT_EQ(boxText(), dialog(33));
}

TEST_F(ThiefTest, OnFloor15HeDigsThroughTheWallAndLeaves) {
    talkTo(15, Tile::Thief, 8, 1); // the thief on cell 8
    EXPECT_EQ(tile(15, 7), Tile::Road);
    EXPECT_EQ(boxText(), dialog(18));
    click("Button1");
    EXPECT_EQ(tile(15, 6), Tile::Road);
    EXPECT_TRUE(inputOpen());
}

TEST_F(ThiefTest, ElsewhereHeHasNothingToDo) {
    talkTo(5, Tile::Thief);
    EXPECT_FALSE(shown("RichEdit1"));
    EXPECT_TRUE(inputOpen());
}

} // namespace
} // namespace characters_test
