// A surface notes where it is drawn on: every drawing call, clipped to the picture, and a new
// picture as a whole; too many notes become one rectangle around them all.
#include "picture/surface.h"

#include <gtest/gtest.h>

using namespace render;

namespace {

bool sameRect(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

} // namespace

TEST(Surface, NotesWhatEachDrawingCallDrawsOnClippedToThePicture) {
    Surface s(100, 50, 0x010203);
    EXPECT_FALSE(s.drawnOn()) << "a new surface holds no drawing";
    EXPECT_TRUE(s.takeDrawn().empty());

    draw(s, 90, 40, Picture(32, 32, 0xff)); // half outside: only the part inside is noted
    fillRect(s, {-5, -5, 10, 10}, 0xee);
    PictureList list;
    list.pictures.push_back(Picture(8, 8, 0xdd));
    drawListPicture(s, 20, 20, list, 0);
    drawListPicture(s, 30, 30, list, 7); // no such picture: nothing drawn, nothing noted
    drawRect(s, 60, 5, Picture(4, 4, 0xcc), {1, 1, 2, 3}, RasterOp::Or);
    EXPECT_TRUE(s.drawnOn());
    const std::vector<Rect> drawn = s.takeDrawn();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_TRUE(sameRect(drawn[0], {90, 40, 10, 10}));
    EXPECT_TRUE(sameRect(drawn[1], {0, 0, 5, 5}));
    EXPECT_TRUE(sameRect(drawn[2], {20, 20, 8, 8}));
    EXPECT_TRUE(sameRect(drawn[3], {60, 5, 2, 3}));
    EXPECT_TRUE(s.takeDrawn().empty()) << "taken once";
    EXPECT_EQ(s.at(99, 49), 0xffu);
    EXPECT_EQ(s.at(1, 1), 0xeeu);
    EXPECT_EQ(s.at(61, 7), 0x010203u | 0xccu);
    EXPECT_EQ(s.at(50, 10), 0x010203u);

    // Drawing the same place again adds no note; a new picture is drawn all over.
    const std::uint64_t before = s.drawings();
    fill(s, 0);
    fillRect(s, {3, 3, 4, 4}, 1); // inside what fill noted
    EXPECT_EQ(s.drawings(), before + 2);
    ASSERT_EQ(s.takeDrawn().size(), 1u);
    s = Picture(7, 9);
    const std::vector<Rect> whole = s.takeDrawn();
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_TRUE(sameRect(whole[0], {0, 0, 7, 9}));
}

TEST(Surface, TooManyNotesBecomeOneRectangleAroundThemAll) {
    Surface s(640, 400);
    for (std::size_t n = 0; n <= Surface::kMostRects; ++n)
        fillRect(s, {static_cast<int>(n) * 10 + 5, static_cast<int>(n) + 2, 3, 3}, 0xff);
    const std::vector<Rect> drawn = s.takeDrawn();
    ASSERT_EQ(drawn.size(), 1u);
    const int last = static_cast<int>(Surface::kMostRects);
    EXPECT_TRUE(sameRect(drawn[0], {5, 2, last * 10 + 3, last + 3}));
}
