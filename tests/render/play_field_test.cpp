#include "explore/new_game.h"
#include "fixtures.h"
#include "render/play_field.h"
#include "state/render_state.h"
#include "world/tiles.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace render;
using namespace render_test;

namespace {

class PlayField : public ::testing::Test {
  protected:
    void SetUp() override {
        explore::syokidata(game);
        prepare(game);
    }
    const Picture& pic(int n) const { return *game.render.imageList1.find(n); }
    Picture screenCell(int cell) const {
        return copyRect(game.window.main.screen,
                        {kFieldLeft + cell % 11 * 32, kFieldTop + cell / 11 * 32, 32, 32});
    }
    game::Game game;
};

} // namespace

TEST(MaskComposition, SpriteWhereTheMaskIsBlackTileWhereItIsWhite) {
    Picture tile(32, 32, 0x2266aa);
    Picture sprite(32, 32, 0xcc4411);
    Picture mask = halfMask();
    const Picture expected = maskedByRule(tile, sprite, mask);
    kasanegaki(tile, sprite, mask);
    EXPECT_EQ(tile, expected);
    EXPECT_EQ(tile.at(0, 0), 0xcc4411u);
    EXPECT_EQ(tile.at(31, 31), 0x2266aau);
}

TEST(MaskComposition, IsExactlyOrNotOrAndOnMixedValues) {
    // A grey mask mixes bits: tile OR NOT mask, AND sprite OR mask.
    const Pixel t = 0x5a3cf0, s = 0x0ff00f, m = 0x33cc55;
    Picture tile(1, 1, t), sprite(1, 1, s), mask(1, 1, m);
    kasanegaki(tile, sprite, mask);
    EXPECT_EQ(tile.at(0, 0), ((t | (~m & 0xffffff)) & (s | m)));
    EXPECT_EQ(sprite.at(0, 0), s | m) << "the sprite buffer keeps sprite OR mask";
    EXPECT_EQ(mask.at(0, 0), ~m & 0xffffff) << "the mask buffer keeps NOT mask";

    Picture dest(4, 4, t);
    kasanegakiAt(dest, 3, 3, Picture(2, 2, s), Picture(2, 2, m)); // clipped to one pixel
    EXPECT_EQ(dest.at(3, 3), ((t | (~m & 0xffffff)) & (s | m)));
    EXPECT_EQ(dest.at(2, 3), t);
}

TEST(Spiral, IsAPermutationOfAllCellsEndingInTheCentre) {
    std::array<int, 121> sorted = kSpiral;
    std::sort(sorted.begin(), sorted.end());
    for (int n = 0; n < 121; ++n)
        EXPECT_EQ(sorted[static_cast<std::size_t>(n)], n);
    EXPECT_EQ(kSpiral.front(), 0);
    EXPECT_EQ(kSpiral[10], 110) << "down the left column first";
    EXPECT_EQ(kSpiral.back(), 60);
}

TEST_F(PlayField, FullRedrawOfFloorOneDrawsEveryCellInBothFrames) {
    game.status[world::Slot::StartStairs] = 1;
    mhyouji(game);
    EXPECT_EQ(game.status[world::Slot::StartStairs], 0);
    for (int cell = 0; cell < 121; ++cell) {
        const int c = game.map.tile(1, cell);
        EXPECT_EQ(cellOf(game.render.frameA, cell), pic(c - 1)) << "cell " << cell;
        EXPECT_EQ(cellOf(game.render.frameB, cell), pic(c - 1 + imagework(game, c)))
            << "cell " << cell;
    }
    // A monster (61) moves between pictures 60 and 61; a wall (8) stands still.
    EXPECT_EQ(cellOf(game.render.frameA, 2), pic(60));
    EXPECT_EQ(cellOf(game.render.frameB, 2), pic(61));
    EXPECT_EQ(cellOf(game.render.frameB, 11), pic(7));
}

TEST_F(PlayField, TheGateOfTimeAndSpaceStopsShimmeringOnceStilled) {
    game.map.setTile(1, 0, world::Tile::TimeGate);
    redrawCell(game, 0);
    EXPECT_EQ(cellOf(game.render.frameB, 0), pic(27));
    game.status[116] = 1;
    redrawCell(game, 0);
    EXPECT_EQ(cellOf(game.render.frameB, 0), pic(26));
    EXPECT_EQ(cellOf(game.render.frameA, 0), pic(26));
}

TEST_F(PlayField, TheHeroStandsInPoseOneInFrameBAndPoseTwoInFrameA) {
    mhyouji(game);
    yusyahyouji1(game); // facing up: P = 208; hero on cell 115, a road
    const Picture& road = pic(5);
    EXPECT_EQ(cellOf(game.render.frameB, 115), maskedByRule(road, pic(208), halfMask()));
    EXPECT_EQ(cellOf(game.render.frameA, 115), maskedByRule(road, pic(210), halfMask()));
    EXPECT_EQ(game.render.heroPixelX, 160);
    EXPECT_EQ(game.render.heroPixelY, 320);

    game.status[world::Slot::Facing] = 0; // no facing: nothing is drawn
    game.status[world::Slot::HeroX] = 0;
    yusyahyouji1(game);
    EXPECT_EQ(cellOf(game.render.frameA, 110), pic(game.map.tile(1, 110) - 1));
}

TEST_F(PlayField, TicksShowTheFramesInTurnAndRepaintTheHeroInPoseThree) {
    mhyouji(game);
    yusyahyouji1(game);
    const Picture frameB = game.render.frameB;
    const Picture frameA = game.render.frameA;
    const Picture pose3 = maskedByRule(pic(5), pic(212), halfMask());

    Timer1Timer(game); // shows frame B as it was, then puts pose 3 into it
    EXPECT_EQ(screenCell(2), pic(61));
    EXPECT_EQ(screenCell(115), cellOf(frameB, 115));
    EXPECT_EQ(cellOf(game.render.frameB, 115), pose3);
    EXPECT_TRUE(game.render.keysDrawn);

    Timer1Timer(game); // frame A, still with pose 2
    EXPECT_EQ(screenCell(2), pic(60));
    EXPECT_EQ(screenCell(115), cellOf(frameA, 115));
    EXPECT_EQ(cellOf(game.render.frameA, 115), pose3);

    Timer1Timer(game);
    EXPECT_EQ(screenCell(115), pose3);
    EXPECT_EQ(screenCell(2), pic(61));
}

TEST_F(PlayField, ATurnIsPaintedByTheNextTickAndSeenWhenThatFrameComesRound) {
    mhyouji(game);
    yusyahyouji1(game);
    game.status[world::Slot::Facing] = 2; // turned left: P = 192, pose 3 = 196
    const Picture turned = maskedByRule(pic(5), pic(196), halfMask());
    Timer1Timer(game);
    EXPECT_EQ(cellOf(game.render.frameB, 115), turned);
    Timer1Timer(game);
    Timer1Timer(game);
    EXPECT_EQ(screenCell(115), turned);
}

TEST_F(PlayField, WhileASceneHidesTheHeroTicksLeaveHisCellAlone) {
    mhyouji(game);
    game.status[world::Slot::HeroHidden] = 1;
    for (int tick = 0; tick < 4; ++tick) {
        Timer1Timer(game);
        const bool frameB = tick % 2 == 0;
        EXPECT_EQ(screenCell(2), pic(frameB ? 61 : 60)) << tick;
        EXPECT_EQ(screenCell(115), pic(5)) << tick;
    }
}

TEST_F(PlayField, AfterTheBigOctopusTheTickRepaintsItsCellsTwice) {
    game.status[world::Slot::Floor] = 15;
    game.status[world::Slot::HeroX] = 5;
    game.status[world::Slot::HeroY] = 5;
    for (int cell : {37, 38, 39, 48, 49, 50, 59, 60, 61})
        game.map.setTile(15, cell, 6); // the fight cleared the nine cells silently
    fill(game.render.frameA, 0x010101);
    fill(game.render.frameB, 0x010101);
    game.status[world::Slot::HeroHidden] = 1;
    Timer1Timer(game);
    EXPECT_EQ(game.status[world::Slot::OctopusEffect], 0) << "not while a scene runs";
    game.status[world::Slot::HeroHidden] = 0;

    Timer1Timer(game); // frame A this time
    EXPECT_EQ(game.status[world::Slot::OctopusEffect], 1);
    for (int cell : {37, 38, 39, 48, 49, 50, 59, 61})
        EXPECT_EQ(cellOf(game.render.frameA, cell), pic(5)) << cell;
    EXPECT_EQ(cellOf(game.render.frameA, 26), Picture(32, 32, 0x010101));
    EXPECT_EQ(cellOf(game.render.frameB, 38), Picture(32, 32, 0x010101));

    Timer1Timer(game);
    EXPECT_EQ(cellOf(game.render.frameB, 38), pic(5));
    EXPECT_EQ(game.status[world::Slot::OctopusEffect], 2);
    fill(game.render.frameA, 0x010101);
    Timer1Timer(game);
    EXPECT_EQ(game.status[world::Slot::OctopusEffect], 2) << "at most two repaints";
    EXPECT_EQ(cellOf(game.render.frameA, 38), Picture(32, 32, 0x010101));
}

TEST_F(PlayField, TheWipeCoversWithTheBlankAndUncoversTheNewFloor) {
    mhyouji(game);
    wipeStep(game, 0, 1);
    EXPECT_EQ(screenCell(0), pic(Pic::WipeBlank));
    wipeStep(game, 0, 11); // position 11 of the order is cell 110
    EXPECT_EQ(screenCell(110), pic(Pic::WipeBlank));

    fill(game.render.frameA, 0);
    wipeStep(game, 1, 1);
    EXPECT_EQ(screenCell(0), pic(game.map.tile(1, 0) - 1));
    EXPECT_EQ(cellOf(game.render.frameB, 0), pic(game.map.tile(1, 0) - 1));
    const int heroPosition =
        static_cast<int>(std::find(kSpiral.begin(), kSpiral.end(), 115) - kSpiral.begin()) + 1;
    wipeStep(game, 1, heroPosition);
    EXPECT_EQ(screenCell(115), maskedByRule(pic(5), pic(210), halfMask()));
    const Picture before = game.window.main.screen;
    wipeStep(game, 1, 0);
    wipeStep(game, 0, 122);
    EXPECT_EQ(game.window.main.screen, before);
}
