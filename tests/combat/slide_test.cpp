#include "state/render_state.h"
#include "support/scenes_fixture.h"

namespace scenes_test {
namespace {

constexpr std::uint8_t kGreenSlime = Tile::FirstMonster;

class SlideTest : public ScenesTest {
  protected:
    void SetUp() override {
        ScenesTest::SetUp();
        goTo(5, 120);
        clearFloor();
    }

    render::Pixel pixelOf(const render::Picture& frame, int cell) {
        return frame.at(cellX(cell) * render::kCellSide + 16, cellY(cell) * render::kCellSide + 16);
    }
};

TEST_F(SlideTest, SuccessiveSlidesCarryTheFigureAndOverwriteWhatLayThere) {
    setTile(38, kGreenSlime);
    setTile(5, Tile::YellowKey);
    play({{Cmd::MonsterSlide, 38, 27}, {Cmd::MonsterSlide, 27, 16}, {Cmd::MonsterSlide, 16, 5}});
    EXPECT_EQ(tile(5), kGreenSlime);
    for (int cell : {38, 27, 16})
        EXPECT_EQ(tile(cell), Tile::Road) << cell;
}

TEST_F(SlideTest, OnlyANeighbourCanBeReached) {
    setTile(10, kGreenSlime);
    play({{Cmd::MonsterSlide, 10, 11}, {Cmd::MonsterSlide, 10, 32}});
    EXPECT_EQ(tile(10), kGreenSlime); // 11 starts the next row; 32 is two rows down
    EXPECT_EQ(tile(11), Tile::Road);
    EXPECT_EQ(tile(32), Tile::Road);
}

TEST_F(SlideTest, BothFramesShowTheFigureOnItsNewCellAndRoadBehindIt) {
    usePlainPictures();
    auto& masks = game.render.imageList3.pictures;
    masks[kGreenSlime - 1] = render::Picture(32, 32, render::kBlack);
    masks[kGreenSlime] = render::Picture(32, 32, render::kBlack);
    setTile(60, kGreenSlime);
    play({{Cmd::MonsterSlide, 60, 59}});
    const render::Pixel road = explore_test::plainPicture(Tile::Road - 1).at(0, 0);
    EXPECT_EQ(pixelOf(game.render.frameA, 59),
              explore_test::plainPicture(kGreenSlime - 1).at(0, 0));
    EXPECT_EQ(pixelOf(game.render.frameB, 59), explore_test::plainPicture(kGreenSlime).at(0, 0));
    EXPECT_EQ(pixelOf(game.render.frameA, 60), road);
    EXPECT_EQ(pixelOf(game.render.frameB, 60), road);
}

} // namespace
} // namespace scenes_test
