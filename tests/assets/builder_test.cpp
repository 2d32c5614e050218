// The asset builder's reading of picture sources: grids, derived frames,
// mistakes reported with their place, the skies it paints and the BMP files
// it writes.
#include "art.h"
#include "catalogue.h"
#include "raster.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace assets_test {
namespace {

namespace fs = std::filesystem;

// A throw-away art folder with a two-colour palette and the given sprite file.
class ArtFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("gravenhold-art-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "sprites");
        write("palette.txt", "r ff0000 red\ng 00ff00 green\nf 202020 floor\n");
    }
    void TearDown() override { fs::remove_all(folder_); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name) << text;
    }
    // The message of the ArtError that loading the folder throws, or "" when it loads.
    std::string loadError() {
        try {
            const assets::Art art = assets::Art::load(folder_);
            if (fs::exists(folder_ / "pictures.txt")) {
                assets::buildStrip(art);
            }
        } catch (const assets::ArtError& error) {
            return error.what();
        }
        return "";
    }
    fs::path folder_;
};

// A 32 x 32 road tile: 16 rows of 16 drawn at double size (18 lines).
const std::string kRoad = [] {
    std::string road = "sprite road plain\nframe a\n";
    for (int row = 0; row < 16; ++row) {
        road += std::string(16, 'f') + "\n";
    }
    return road;
}();

TEST_F(ArtFolder, DerivedFramesMirrorNudgeSwapAndReplaceRows) {
    write("sprites/s.txt", kRoad + "sprite s scale 1 plain\n"
                                   "frame a\nr.\n.g\n"
                                   "frame m from a mirror\n"
                                   "frame w from a swap rg gr\n"
                                   "frame n from a nudge 1 0\n"
                                   "frame e from a\n@1\nrr\n");
    const assets::Art art = assets::Art::load(folder_);
    const assets::SourceLine here{"test", ""};
    const QImage& mirrored = art.sprites.frame("s", "m", here);
    EXPECT_EQ(mirrored.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(mirrored.pixel(0, 0)), 0);
    EXPECT_EQ(art.sprites.frame("s", "w", here).pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(art.sprites.frame("s", "w", here).pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(art.sprites.frame("s", "n", here).pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(art.sprites.frame("s", "n", here).pixel(0, 0)), 0);
    EXPECT_EQ(art.sprites.frame("s", "e", here).pixel(0, 1), qRgb(255, 0, 0));
}

TEST_F(ArtFolder, FiguresGetAnOutlineButPlainTilesDoNot) {
    write("sprites/s.txt", kRoad + "sprite dot scale 1\nframe a\n...\n.r.\n...\n");
    const assets::Art art = assets::Art::load(folder_);
    const QImage& dot = art.sprites.frame("dot", "a", {"test", ""});
    EXPECT_NE(qAlpha(dot.pixel(0, 1)), 0) << "left of the figure is outlined";
    EXPECT_EQ(qAlpha(dot.pixel(0, 0)), 0) << "corners stay clear";
    EXPECT_EQ(qAlpha(art.sprites.frame("road", "a", {"test", ""}).pixel(0, 0)), 255);
}

TEST_F(ArtFolder, MistakesNameTheirFileAndLine) {
    write("sprites/s.txt", kRoad + "sprite bad\nframe a\nrx\n");
    EXPECT_NE(loadError().find("s.txt:19: unknown colour key 'x' (frame a, row 0)"),
              std::string::npos)
        << loadError();
    write("sprites/s.txt", kRoad + "sprite bad\nframe a\nrr\nr\n");
    EXPECT_NE(loadError().find("unequal width"), std::string::npos) << loadError();
    write("sprites/s.txt", kRoad + "frame b from nowhere\n");
    EXPECT_NE(loadError().find("s.txt"), std::string::npos) << loadError();
}

TEST_F(ArtFolder, EveryPictureNumberMustBeDrawnExactlyOnce) {
    write("sprites/s.txt", kRoad);
    write("pictures.txt", "0 tile road a \"road\"\n0 tile road a \"again\"\n");
    EXPECT_NE(loadError().find("given twice"), std::string::npos) << loadError();
    write("pictures.txt", "0 tile road a \"road\"\n");
    EXPECT_NE(loadError().find("picture 1 is not drawn"), std::string::npos) << loadError();
}

// A painted sky: each colour holds as a solid band and passes to the next over
// a short dithered seam, never back again.
TEST(CanvasGradient, SolidBandsJoinedByNarrowSeams) {
    const QRgb dusk = qRgb(20, 30, 80), rose = qRgb(190, 70, 120), ember = qRgb(240, 140, 30);
    assets::Canvas canvas(16, 60, 1);
    canvas.gradient(0, 0, 16, 60, {dusk, rose, ember});
    const QImage& sky = canvas.image();
    const auto rowColours = [&sky](int y) {
        std::set<QRgb> colours;
        for (int x = 0; x < sky.width(); ++x) {
            colours.insert(sky.pixel(x, y));
        }
        return colours;
    };
    int seamRows = 0;
    int band = 0; // index into the colours of the last solid row
    const std::vector<QRgb> order{dusk, rose, ember};
    for (int y = 0; y < sky.height(); ++y) {
        const auto colours = rowColours(y);
        ASSERT_LE(colours.size(), 2u) << "row " << y;
        if (colours.size() == 2) {
            ++seamRows;
            continue;
        }
        const auto at = std::find(order.begin(), order.end(), *colours.begin());
        ASSERT_NE(at, order.end()) << "row " << y;
        const int index = static_cast<int>(at - order.begin());
        EXPECT_GE(index, band) << "row " << y << " goes back to an earlier colour";
        band = index;
    }
    EXPECT_EQ(rowColours(0), std::set<QRgb>{dusk});
    EXPECT_EQ(rowColours(30), std::set<QRgb>{rose});
    EXPECT_EQ(rowColours(59), std::set<QRgb>{ember});
    EXPECT_GT(seamRows, 0) << "bands are joined by a dithered seam";
    EXPECT_LE(seamRows, 60 / 4) << "seams stay narrow beside the solid bands";
}

TEST(BmpWriter, RowsArePaddedAndReadBackExactly) {
    QImage picture(5, 3, QImage::Format_RGB32); // 15 bytes a row, padded to 16
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixel(x, y, qRgb(x * 50, y * 100, 7));
        }
    }
    const fs::path file = fs::temp_directory_path() / "gravenhold-writer-test.bmp";
    assets::writePicture(picture, file);
    EXPECT_EQ(fs::file_size(file), 54u + 16u * 3u);
    const QImage back =
        QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, picture);
    fs::remove(file);
}

} // namespace
} // namespace assets_test
