// Every picture file the game loads exists at its fixed size and is an
// uncompressed 24-bit bottom-up BMP.
#include "picture_files.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace assets_test {
namespace {

struct ExpectedFile {
    const char* path;
    int width;
    int height;
};

// The files of the game folder and their sizes.
std::vector<ExpectedFile> expectedFiles() {
    std::vector<ExpectedFile> files = {
        {"data/chtable.dq", 352, 640},     {"data/chtableb.dq", 352, 480},
        {"data/key.dq", 32, 32},           {"data/center.bmp", 390, 400},
        {"data/left.bmp", 125, 400},       {"data/right.bmp", 125, 400},
        {"data/leftr.bmp", 125, 400},      {"data/rightr.bmp", 125, 400},
        {"data/title05.bmp", 390, 400},    {"data/title05R.bmp", 390, 400},
        {"data/open0.bmp", 640, 400},      {"data/open1.bmp", 640, 400},
        {"data/open2.bmp", 640, 400},      {"data2/End26.bmp", 640, 400},
        {"data2/EndStart.bmp", 640, 400},  {"data2/EndFinal.bmp", 640, 400},
        {"data2/EndFinalR.bmp", 640, 400}, {"data2/EndButton.bmp", 180, 36},
        {"data/about-zeno1.bmp", 32, 32},  {"data/about-zeno2.bmp", 32, 32},
        {"data/about-thief.bmp", 32, 32},
    };
    static const char* const slides[] = {
        "data2/End05.bmp", "data2/End06.bmp", "data2/End07.bmp", "data2/End08.bmp",
        "data2/End09.bmp", "data2/End10.bmp", "data2/End11.bmp", "data2/End12.bmp",
        "data2/End13.bmp", "data2/End14.bmp", "data2/End15.bmp", "data2/End16.bmp",
        "data2/End17.bmp", "data2/End18.bmp", "data2/End19.bmp", "data2/End20.bmp"};
    for (const char* slide : slides) {
        files.push_back({slide, 640, 400});
    }
    return files;
}

// Reads a little-endian field of the file's header.
std::int64_t headerField(const std::vector<unsigned char>& header, int offset, int bytes) {
    std::int64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value * 256 + header[static_cast<std::size_t>(offset + i)];
    }
    return value;
}

TEST(PictureFiles, EveryFileIsAnUncompressedBottomUpBmpOfItsSize) {
    for (const auto& file : expectedFiles()) {
        SCOPED_TRACE(file.path);
        std::ifstream in(gameFile(file.path), std::ios::binary);
        ASSERT_TRUE(in) << "missing";
        std::vector<unsigned char> header(54);
        in.read(reinterpret_cast<char*>(header.data()), 54);
        ASSERT_EQ(in.gcount(), 54);
        EXPECT_EQ(header[0], 'B');
        EXPECT_EQ(header[1], 'M');
        EXPECT_EQ(headerField(header, 18, 4), file.width);
        EXPECT_EQ(headerField(header, 22, 4), file.height); // positive: rows run bottom-up
        EXPECT_EQ(headerField(header, 28, 2), 24);
        EXPECT_EQ(headerField(header, 30, 4), 0);
        const QImage picture = loadPicture(file.path);
        EXPECT_EQ(picture.width(), file.width);
        EXPECT_EQ(picture.height(), file.height);
        EXPECT_FALSE(isUniform(picture));
    }
}

TEST(PictureFiles, TheApplicationIconComesInTheUsualSizes) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            QString::fromStdString(gameFile("icons/gravenhold-" + std::to_string(size) + ".png")));
        EXPECT_EQ(icon.width(), size);
        EXPECT_EQ(icon.height(), size);
    }
}

TEST(PictureFiles, KeyIconsAreFourDifferentPictures) {
    const QImage keys = loadPicture("data/key.dq");
    for (int a = 0; a < 4; ++a) {
        EXPECT_FALSE(isUniform(cellOf(keys, a, 2, 16))) << "icon " << a;
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(cellOf(keys, a, 2, 16), cellOf(keys, b, 2, 16)) << a << " and " << b;
        }
    }
}

TEST(PictureFiles, AboutBoxVillainHasTwoPosesAndDiffersFromTheThief) {
    const QImage first = loadPicture("data/about-zeno1.bmp");
    const QImage second = loadPicture("data/about-zeno2.bmp");
    const QImage thief = loadPicture("data/about-thief.bmp");
    EXPECT_NE(first, second);
    EXPECT_NE(first, thief);
    EXPECT_NE(second, thief);
}

} // namespace
} // namespace assets_test
