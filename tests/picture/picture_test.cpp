#include "picture/picture.h"
#include "picture/picture_list.h"

#include <array>
#include <gtest/gtest.h>

using namespace render;

namespace {

Picture filled(int w, int h, Pixel p) {
    return Picture(w, h, p);
}

} // namespace

TEST(RasterOps, EachOperationCombinesPixelValues) {
    const Pixel dest = 0x0f0f33;
    const Pixel src = 0x00ff55;
    struct Case {
        RasterOp op;
        Pixel expected;
    } cases[] = {{RasterOp::Copy, 0x00ff55},
                 {RasterOp::Or, 0x0fff77},
                 {RasterOp::And, 0x000f11},
                 {RasterOp::Not, 0xff00aa}};
    for (const Case& c : cases) {
        Picture d = filled(2, 2, dest);
        draw(d, 0, 0, filled(2, 2, src), c.op);
        EXPECT_EQ(d.at(1, 1), c.expected);
    }
    Picture p = filled(1, 1, 0x123456);
    invert(p);
    EXPECT_EQ(p.at(0, 0), 0xedcba9u) << "NOT keeps the top byte clear";
}

TEST(RasterOps, DrawingIsClippedOnEverySide) {
    Picture dest(4, 4, 0);
    Picture src(3, 3, 7);
    draw(dest, -2, -2, src); // only the source's bottom-right pixel lands, at (0, 0)
    draw(dest, 3, 3, src);   // only its top-left lands, at (3, 3)
    EXPECT_EQ(dest.at(0, 0), 7u);
    EXPECT_EQ(dest.at(1, 0), 0u);
    EXPECT_EQ(dest.at(0, 1), 0u);
    EXPECT_EQ(dest.at(3, 3), 7u);
    EXPECT_EQ(dest.at(2, 3), 0u);
    draw(dest, 100, -100, src); // wholly outside: nothing at all
    draw(dest, 0, 0, Picture());
    int set = 0;
    for (Pixel p : dest.pixels)
        set += p == 7;
    EXPECT_EQ(set, 2);
}

TEST(RasterOps, RectanglesAreCopiedAndFilledWithinBounds) {
    Picture src(3, 2);
    for (int i = 0; i < 6; ++i)
        src.pixels[static_cast<std::size_t>(i)] = static_cast<Pixel>(i + 1);
    const Picture part = copyRect(src, {1, 0, 3, 3}); // reaches beyond the right and bottom
    ASSERT_EQ(part.width, 3);
    EXPECT_EQ(part.at(0, 0), 2u);
    EXPECT_EQ(part.at(1, 1), 6u);
    EXPECT_EQ(part.at(2, 0), 0u);
    EXPECT_EQ(part.at(0, 2), 0u);

    Picture dest(3, 3, 0);
    drawRect(dest, 1, 1, src, {2, 1, 5, 5}, RasterOp::Copy);
    EXPECT_EQ(dest.at(1, 1), 6u);
    EXPECT_EQ(dest.at(2, 1), 0u);

    fillRect(dest, {-5, 2, 100, 100}, 9);
    EXPECT_EQ(dest.at(0, 2), 9u);
    EXPECT_EQ(dest.at(2, 2), 9u);
    EXPECT_EQ(dest.at(0, 1), 0u);
}

TEST(RasterOps, StretchTakesTheNearestPixel) {
    Picture src(2, 2);
    src.pixels = {1, 2, 3, 4};
    const Picture big = stretch(src, 4, 4);
    EXPECT_EQ(big.pixels, (std::vector<Pixel>{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
    const Picture small = stretch(big, 1, 1);
    EXPECT_EQ(small.pixels, std::vector<Pixel>{1});
    EXPECT_TRUE(stretch(src, 0, 5).empty());
    EXPECT_TRUE(stretch(Picture(), 5, 5).empty());
}

TEST(RasterOps, TheDifferingPartIsTheSmallestRectangleAroundEveryChangeInTheArea) {
    const Picture before(8, 6, 0x112233);
    Picture after = before;
    EXPECT_EQ(differingPart(before, after, {0, 0, 8, 6}).width, 0); // alike: nothing
    after.at(2, 1) = 1;
    after.at(6, 4) = 2;
    after.at(7, 0) = 3;
    const Rect all = differingPart(before, after, {-5, -5, 50, 50}); // clipped to the picture
    EXPECT_EQ((std::array{all.x, all.y, all.width, all.height}), (std::array{2, 0, 6, 5}));
    // Only the area is looked at.
    const Rect part = differingPart(before, after, {0, 1, 7, 5});
    EXPECT_EQ((std::array{part.x, part.y, part.width, part.height}), (std::array{2, 1, 5, 4}));
    EXPECT_EQ(differingPart(before, after, {3, 0, 3, 4}).height, 0);
    // Pictures of two sizes have no part in common to compare.
    EXPECT_EQ(differingPart(before, Picture(8, 5), {0, 0, 8, 6}).width, 0);
}

TEST(PictureLists, CellsAreCutRowByRowAndUnknownNumbersDrawNothing) {
    Picture sheet(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            sheet.at(x, y) = static_cast<Pixel>((y / 2) * 3 + x / 2 + 1);
    const PictureList list = cutCells(sheet, 2, 2, 5); // the sixth cell is not taken
    ASSERT_EQ(list.size(), 5);
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(list.find(n)->pixels, std::vector<Pixel>(4, static_cast<Pixel>(n + 1)));
    EXPECT_EQ(list.find(5), nullptr);
    EXPECT_EQ(list.find(-1), nullptr);

    Picture dest(2, 2, 0xabcdef);
    drawListPicture(dest, 0, 0, list, 231);
    drawListPicture(dest, 0, 0, list, -1);
    EXPECT_EQ(dest, Picture(2, 2, 0xabcdef));
    drawListPicture(dest, 0, 0, list, 4);
    EXPECT_EQ(dest, Picture(2, 2, 5));
}
