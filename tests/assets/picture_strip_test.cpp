// The tile picture strip and its masks: every picture drawn, masks that match
// their figures exactly, monsters that can be told apart and animations that move.
#include "picture_files.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace assets_test {
namespace {

constexpr int kRoad = 5;
constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;

class PictureStrip : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        pictures_ = new QImage(loadPicture("data/chtable.dq"));
        masks_ = new QImage(loadPicture("data/chtableb.dq"));
    }
    static void TearDownTestSuite() {
        delete pictures_;
        delete masks_;
    }
    static QImage picture(int n) { return cellOf(*pictures_, n, 11, 32); }
    static QImage mask(int n) { return cellOf(*masks_, n, 11, 32); }

    // Checks that a mask is pure black and white, black exactly where the
    // picture differs from the road it stands on (or black all over for a tile).
    static void expectMaskFits(const QImage& figure, const QImage& figureMask) {
        const QImage road = picture(kRoad);
        const bool wholeCell = isUniform(figureMask) && figureMask.pixel(0, 0) == kBlack;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb m = figureMask.pixel(x, y);
                ASSERT_TRUE(m == kBlack || m == kWhite) << "grey mask pixel at " << x << "," << y;
                if (!wholeCell) {
                    ASSERT_EQ(m == kBlack, figure.pixel(x, y) != road.pixel(x, y))
                        << "mask and figure disagree at " << x << "," << y;
                }
            }
        }
    }

    static QImage* pictures_;
    static QImage* masks_;
};

QImage* PictureStrip::pictures_ = nullptr;
QImage* PictureStrip::masks_ = nullptr;

// The first-frame pictures of the 33 monster kinds (the head cell for the giants).
std::vector<int> monsterPictures() {
    std::vector<int> pictures;
    for (int kind = 0; kind < 33; ++kind) {
        pictures.push_back(kind <= 17   ? 2 * kind + 60
                           : kind == 18 ? 103
                           : kind == 19 ? 121
                                        : 2 * kind + 92);
    }
    return pictures;
}

// Every picture of one monster kind: both poses, or all nine cells of both frames.
std::vector<int> kindPictures(int kind, int first) {
    if (kind == 18 || kind == 19) {
        const int base = kind == 18 ? 96 : 114;
        std::vector<int> cells;
        for (int i = 0; i < 18; ++i) {
            cells.push_back(base + i);
        }
        return cells;
    }
    return {first, first + 1};
}

TEST_F(PictureStrip, EveryUsedPictureIsDrawn) {
    for (int n = 0; n < 218; ++n) {
        if (n == 158 || n == 181) {
            continue; // the wipe's blank cell and the fully black dissolve mask
        }
        EXPECT_FALSE(isUniform(picture(n))) << "picture " << n << " is blank";
    }
    EXPECT_TRUE(isUniform(picture(158)));
    EXPECT_EQ(picture(181).pixel(0, 0), kBlack);
    EXPECT_TRUE(isUniform(picture(181)));
}

TEST_F(PictureStrip, EachMaskIsBlackExactlyWhereItsPictureHasAFigure) {
    for (int n = 0; n < 159; ++n) {
        SCOPED_TRACE("picture " + std::to_string(n));
        expectMaskFits(picture(n), mask(n));
    }
}

TEST_F(PictureStrip, FiguresStandOnTheRoadWithAnOutlineMask) {
    std::vector<int> figures = {4};
    for (int n = 18; n <= 95; ++n) {
        figures.push_back(n);
    }
    for (int n = 132; n <= 157; ++n) {
        figures.push_back(n);
    }
    for (int n : figures) {
        const QImage m = mask(n);
        EXPECT_FALSE(isUniform(m)) << "picture " << n << " has no figure outline";
    }
}

TEST_F(PictureStrip, HeroAndBlowMasksInTheStripMatchTheirSprites) {
    std::vector<std::pair<int, int>> pairs = {{183, 182}, {216, 209}, {217, 211}};
    for (int sprite = 184; sprite < 216; sprite += 2) {
        pairs.emplace_back(sprite, sprite + 1);
    }
    for (const auto& [sprite, spriteMask] : pairs) {
        SCOPED_TRACE("sprite " + std::to_string(sprite) + " with mask " +
                     std::to_string(spriteMask));
        expectMaskFits(picture(sprite), picture(spriteMask));
        EXPECT_FALSE(isUniform(picture(spriteMask)));
    }
}

TEST_F(PictureStrip, TheHeroHasDistinctPosesForEveryFacing) {
    for (int n = 184; n < 216; n += 2) {
        for (int other = n + 2; other < 216; other += 2) {
            EXPECT_NE(picture(n), picture(other)) << "hero pictures " << n << " and " << other;
        }
    }
}

TEST_F(PictureStrip, NoTwoMonsterKindsShareAPicture) {
    const auto firsts = monsterPictures();
    for (int a = 0; a < 33; ++a) {
        for (int b = a + 1; b < 33; ++b) {
            for (int pa : kindPictures(a, firsts[a])) {
                for (int pb : kindPictures(b, firsts[b])) {
                    ASSERT_NE(picture(pa), picture(pb)) << "kinds " << a << " and " << b;
                }
            }
        }
    }
}

TEST_F(PictureStrip, AnimatedTilesHaveARealSecondFrame) {
    std::vector<std::pair<int, int>> frames = {{12, 159}, {13, 160}, {15, 17}};
    for (int n = 18; n <= 26; n += 2) {
        frames.emplace_back(n, n + 1);
    }
    for (int first : monsterPictures()) {
        frames.emplace_back(first, first + (first == 103 || first == 121 ? 9 : 1));
    }
    for (const auto& [a, b] : frames) {
        EXPECT_NE(picture(a), picture(b)) << "pictures " << a << " and " << b;
    }
}

TEST_F(PictureStrip, DissolveMasksGrowFromBarelyCoveredToFullyBlack) {
    int previousBlack = 0;
    QImage previous;
    for (int n = 165; n <= 181; ++n) {
        const QImage m = picture(n);
        int black = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = m.pixel(x, y);
                ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << "mask " << n;
                black += pixel == kBlack ? 1 : 0;
                if (!previous.isNull() && previous.pixel(x, y) == kBlack) {
                    ASSERT_EQ(pixel, kBlack)
                        << "mask " << n << " uncovers a pixel of the one before";
                }
            }
        }
        EXPECT_GT(black, previousBlack) << "mask " << n;
        previousBlack = black;
        previous = m;
    }
    EXPECT_EQ(previousBlack, 32 * 32);
}

// The average colour of a picture's figure where its mask is black, counting
// only coloured pixels (grey iron, stone and outline say nothing of the colour).
QColor figureColour(const QImage& figure, const QImage& figureMask) {
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor pixel(figure.pixel(x, y));
            if (figureMask.pixel(x, y) == kBlack && pixel.hsvSaturation() > 100) {
                red += qRed(figure.pixel(x, y));
                green += qGreen(figure.pixel(x, y));
                blue += qBlue(figure.pixel(x, y));
                ++count;
            }
        }
    }
    return QColor(static_cast<int>(red / count), static_cast<int>(green / count),
                  static_cast<int>(blue / count));
}

TEST_F(PictureStrip, DoorsKeysElixirsAndCrystalsReadByColour) {
    enum Colour { Yellow, Blue, Red };
    const std::vector<std::pair<int, Colour>> things = {
        {0, Yellow}, {1, Blue}, {2, Red},   {28, Yellow}, {29, Red},
        {30, Blue},  {31, Red}, {32, Blue}, {33, Red},    {34, Blue}};
    for (const auto& [n, colour] : things) {
        const QColor average = figureColour(picture(n), mask(n));
        const int r = average.red(), g = average.green(), b = average.blue();
        switch (colour) {
        case Yellow:
            EXPECT_TRUE(r > b + 40 && g > b + 20) << "picture " << n << " is not yellow";
            break;
        case Blue:
            EXPECT_TRUE(b > r + 30 && b > g) << "picture " << n << " is not blue";
            break;
        case Red:
            EXPECT_TRUE(r > g + 40 && r > b + 30) << "picture " << n << " is not red";
            break;
        }
    }
}

} // namespace
} // namespace assets_test
