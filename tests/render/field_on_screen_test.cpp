// Showing a frame copies only the cells the window lacks, and whatever was drawn in between
// (in either frame, on the window, by anyone) the window's field is then that frame exactly.
#include "explore/new_game.h"
#include "fixtures.h"
#include "render/play_field.h"
#include "state/render_state.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace render;
using namespace render_test;

namespace {

class FieldOnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        explore::syokidata(game);
        prepare(game);
        mhyouji(game);
        yusyahyouji1(game);
    }
    Picture windowField() const {
        return copyRect(game.window.main.screen, {kFieldLeft, kFieldTop, kFieldSide, kFieldSide});
    }
    // The cells of the field that the window was drawn on since the last call.
    std::set<int> cellsDrawnOnWindow() {
        std::set<int> cells;
        for (const Rect& r : game.window.main.screen.takeDrawn()) {
            EXPECT_EQ(r.width, 32);
            EXPECT_EQ(r.height, 32);
            cells.insert((r.y - kFieldTop) / 32 * 11 + (r.x - kFieldLeft) / 32);
        }
        return cells;
    }
    game::Game game;
};

} // namespace

TEST_F(FieldOnScreen, AfterAnyDrawingAShownFrameIsWhatTheWindowHolds) {
    std::mt19937 random(30);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 600; ++round) {
        const int cell = below(121);
        const int x = cell % 11 * 32;
        const int y = cell / 11 * 32;
        switch (below(7)) {
        case 0: // a picture over parts of up to four cells of one frame
            drawListPicture(below(2) ? game.render.frameA : game.render.frameB, x + below(32),
                            y + below(32), game.render.imageList1, below(218));
            break;
        case 1:
            redrawCell(game, cell);
            break;
        case 2: // the same picture in both frames: the frames agree there
            drawListPicture(game.render.frameA, x, y, game.render.imageList1, 5);
            drawListPicture(game.render.frameB, x, y, game.render.imageList1, 5);
            break;
        case 3:
            paintCellOnWindow(game, cell, below(218));
            break;
        case 4: // someone else paints on the window, over the field and beside it
            paintOnWindow(game, below(600), below(380), Picture(40, 20, 0x123456));
            break;
        case 5:
            wipeStep(game, 1, below(121) + 1);
            break;
        default:
            const bool frameB = below(2) == 1;
            showFrame(game, frameB);
            ASSERT_EQ(windowField(), (frameB ? game.render.frameB : game.render.frameA).picture())
                << "round " << round;
        }
    }
}

TEST_F(FieldOnScreen, TicksRepaintOnlyTheAnimatedCellsAndTheHerosAndAShowWhatChanged) {
    show(game);
    for (int tick = 0; tick < 4; ++tick)
        Timer1Timer(game);
    (void)game.window.main.screen.takeDrawn();
    // Floor 1's monsters have a second picture in frame B: their cells change on the window
    // from one tick to the next, and at most the hero's besides (his pose 3 painted anew).
    std::set<int> animated;
    for (int cell = 0; cell < 121; ++cell)
        if (cellOf(game.render.frameA, cell) != cellOf(game.render.frameB, cell))
            animated.insert(cell);
    ASSERT_GT(animated.size(), 3u);
    for (int tick = 0; tick < 4; ++tick) {
        Timer1Timer(game);
        std::set<int> drawn = cellsDrawnOnWindow();
        drawn.erase(game.status.heroCell());
        EXPECT_EQ(drawn, animated) << tick;
    }

    // A show after drawing one cell of frame A copies that cell alone; nothing the next time.
    show(game);
    (void)cellsDrawnOnWindow();
    drawListPicture(game.render.frameA, 2 * 32, 3 * 32, game.render.imageList1, 40);
    show(game);
    EXPECT_EQ(cellsDrawnOnWindow(), std::set<int>{35});
    show(game);
    EXPECT_TRUE(cellsDrawnOnWindow().empty());
}

TEST(MaskCompositionInPlace, GivesWhatKasanegakiGivesOnBlankBuffers) {
    std::mt19937 random(7);
    auto noise = [&](Pixel fill) {
        Picture p(32, 32, fill);
        for (Pixel& v : p.pixels)
            v = random() & kColourBits;
        return p;
    };
    const Picture under = noise(0);
    const Picture sprite = noise(0);
    const Picture mask = noise(0);
    for (const bool haveSprite : {true, false})
        for (const bool haveMask : {true, false}) {
            Surface dest(64, 40);
            draw(dest, 10, 5, under);
            Picture tile = under;
            Picture s = haveSprite ? sprite : Picture(32, 32, kBlack);
            Picture m = haveMask ? mask : Picture(32, 32, kWhite);
            kasanegaki(tile, s, m);
            kasanegakiOnto(dest, 10, 5, haveSprite ? &sprite : nullptr, haveMask ? &mask : nullptr);
            EXPECT_EQ(copyRect(dest, {10, 5, 32, 32}), tile) << haveSprite << haveMask;
            EXPECT_EQ(dest.at(9, 5), kBlack);
        }
}
