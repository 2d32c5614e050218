#include "picture/bmp.h"
#include "picture/picture_files.h"
#include "world/little_endian.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

using namespace render;

namespace {

using world::appendLittleEndian;

// A BMP file written field by field. `values` are palette indices for 1, 4 and 8 bits per
// pixel and 0x00RRGGBB colours (or raw 32-bit words with masks) otherwise, row by row from
// the top.
struct BmpFields {
    int width = 0;
    int height = 0;
    int bpp = 24;
    bool topDown = false;
    std::vector<std::uint32_t> values;
    std::vector<Pixel> palette;
    std::vector<std::uint32_t> masks; // red, green, blue: written after the header if present
};

std::vector<std::uint8_t> makeBmp(const BmpFields& s) {
    const std::size_t stride = (static_cast<std::size_t>(s.width) * s.bpp + 31) / 32 * 4;
    const std::uint32_t offset =
        static_cast<std::uint32_t>(14 + 40 + 4 * s.palette.size() + 4 * s.masks.size());
    std::vector<std::uint8_t> out = {'B', 'M'};
    appendLittleEndian(out, static_cast<std::uint32_t>(offset + stride * s.height), 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, offset, 4);
    appendLittleEndian(out, 40, 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(s.width), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(s.topDown ? -s.height : s.height), 4);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(s.bpp), 2);
    appendLittleEndian(out, s.masks.empty() ? 0 : 3, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(s.palette.size()), 4);
    appendLittleEndian(out, 0, 4);
    for (std::uint32_t m : s.masks)
        appendLittleEndian(out, m, 4);
    for (Pixel p : s.palette)
        appendLittleEndian(out, p, 4); // blue, green, red, 0
    for (int fileRow = 0; fileRow < s.height; ++fileRow) {
        const int y = s.topDown ? fileRow : s.height - 1 - fileRow;
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t v = s.values[static_cast<std::size_t>(y * s.width + x)];
            const std::size_t bit = static_cast<std::size_t>(x) * s.bpp;
            if (s.bpp >= 24)
                for (int b = 0; b < s.bpp / 8; ++b)
                    row[bit / 8 + b] = static_cast<std::uint8_t>(v >> (8 * b));
            else
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - s.bpp - bit % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Picture pictureOf(int w, int h, std::vector<Pixel> pixels) {
    Picture p(w, h);
    p.pixels = std::move(pixels);
    return p;
}

} // namespace

TEST(BmpReader, TrueColourBottomUpAndTopDownWithRowPadding) {
    // Width 3 leaves 3 bytes of padding per 24-bit row.
    const std::vector<Pixel> colours = {0x102030, 0x405060, 0x708090, 0xa0b0c0, 0xd0e0f0, 0x010203};
    for (bool topDown : {false, true}) {
        const auto decoded = decodeBmp(makeBmp({3, 2, 24, topDown, colours, {}, {}}), "t.bmp");
        ASSERT_TRUE(decoded.ok()) << decoded.error->text();
        EXPECT_EQ(decoded.picture, pictureOf(3, 2, colours)) << "top-down " << topDown;
    }
}

TEST(BmpReader, ThirtyTwoBitsPlainAndWithColourMasks) {
    const std::vector<Pixel> colours = {0x112233, 0xfffefd};
    auto plain = decodeBmp(makeBmp({2, 1, 32, false, colours, {}, {}}), "p.bmp");
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(plain.picture, pictureOf(2, 1, colours));

    // Blue in the top byte, green next, red next: the word 0x33221100 is red 0x11.
    const BmpFields masked{
        2, 1, 32, true, {0x33221100, 0xff000000}, {}, {0x0000ff00, 0x00ff0000, 0xff000000}};
    auto m = decodeBmp(makeBmp(masked), "m.bmp");
    ASSERT_TRUE(m.ok()) << m.error->text();
    EXPECT_EQ(m.picture, pictureOf(2, 1, {0x112233, 0x0000ff}));
}

TEST(BmpReader, PalettePicturesOfOneFourAndEightBits) {
    const std::vector<Pixel> palette = {0x000000, 0xffffff, 0xff0000, 0x00ff00,
                                        0x0000ff, 0x123456, 0x654321, 0x808080};
    // 1 bit: 9 pixels span two bytes of a 4-byte row.
    const std::vector<std::uint32_t> bits = {1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, 0, 0};
    auto one = decodeBmp(makeBmp({9, 2, 1, false, bits, {0x000000, 0xffffff}, {}}), "1.bmp");
    ASSERT_TRUE(one.ok()) << one.error->text();
    for (std::size_t i = 0; i < bits.size(); ++i)
        EXPECT_EQ(one.picture.pixels[i], bits[i] ? kWhite : kBlack) << i;

    // 4 bits with an odd width; 8 bits with a short colour table.
    const std::vector<std::uint32_t> indices = {7, 1, 2, 3, 4, 5};
    std::vector<Pixel> expected;
    for (std::uint32_t i : indices)
        expected.push_back(palette[i]);
    for (int bpp : {4, 8}) {
        auto p = decodeBmp(makeBmp({3, 2, bpp, bpp == 8, indices, palette, {}}), "p.bmp");
        ASSERT_TRUE(p.ok()) << p.error->text();
        EXPECT_EQ(p.picture, pictureOf(3, 2, expected)) << bpp << " bits";
    }
}

TEST(BmpReader, AnIndexBeyondTheColourTableIsBlack) {
    auto p = decodeBmp(makeBmp({2, 1, 8, false, {1, 200}, {0x111111, 0x222222}, {}}), "x.bmp");
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.picture, pictureOf(2, 1, {0x222222, kBlack}));
}

TEST(BmpReader, EveryTruncationIsAnErrorNamingTheFile) {
    const auto file =
        makeBmp({5, 3, 8, false, std::vector<std::uint32_t>(15, 1), {0x010101, 0x020202}, {}});
    ASSERT_TRUE(decodeBmp(file, "whole.bmp").ok());
    for (std::size_t n = 0; n < file.size(); ++n) {
        const auto r = decodeBmp(std::span(file.data(), n), "cut.bmp");
        ASSERT_FALSE(r.ok()) << n << " bytes";
        EXPECT_EQ(r.error->file, "cut.bmp");
        EXPECT_FALSE(r.error->problem.empty());
        EXPECT_TRUE(r.picture.empty());
    }
}

TEST(BmpReader, DamagedHeadersAreRefusedWithoutHugeAllocations) {
    const auto good = makeBmp({2, 2, 24, false, {1, 2, 3, 4}, {}, {}});
    auto damaged = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
        auto file = good;
        std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        return decodeBmp(file, "bad.bmp");
    };
    EXPECT_FALSE(damaged(0, {'P', 'K'}).ok());                      // not a BMP
    EXPECT_FALSE(damaged(18, {0xff, 0xff, 0xff, 0x7f}).ok());       // width 2^31 - 1
    EXPECT_FALSE(damaged(22, {0, 0, 0, 0x80}).ok());                // height -2^31
    EXPECT_FALSE(damaged(18, {0, 0x20, 0, 0, 0, 0x20, 0, 0}).ok()); // 8192 x 8192 pixels
    EXPECT_FALSE(damaged(18, {0, 0, 0, 0}).ok());                   // no width
    EXPECT_FALSE(damaged(28, {16}).ok());                           // 16 bits per pixel
    EXPECT_FALSE(damaged(30, {1}).ok());                            // run-length compressed
    EXPECT_FALSE(damaged(14, {200}).ok());                          // header longer than the file
    EXPECT_FALSE(damaged(10, {0xff, 0xff, 0xff, 0xff}).ok());       // pixels beyond the end
    EXPECT_FALSE(decodeBmp({}, "empty.bmp").ok());
}

TEST(BmpWriter, TwentyFourBitFilesReadBackExactly) {
    Picture p(5, 3);
    for (std::size_t i = 0; i < p.pixels.size(); ++i)
        p.pixels[i] = static_cast<Pixel>(0x010203 * (i + 1));
    const auto bytes = encodeBmp24(p);
    EXPECT_EQ(bytes.size(), 54u + 16 * 3) << "rows of 15 bytes padded to 16";
    EXPECT_EQ(decodeBmp(bytes, "mem").picture, p);

    const auto path = (std::filesystem::temp_directory_path() / "gravenhold_bmp_test.bmp").string();
    ASSERT_FALSE(writeBmp24(path, p).has_value());
    EXPECT_EQ(readBmp(path).picture, p);
    std::filesystem::remove(path);

    const auto missing = readBmp(path);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error->file, path);
    EXPECT_TRUE(writeBmp24("/nonexistent-folder/x.bmp", p).has_value());
}

TEST(PictureFileCache, APictureReadWellIsKeptAndAFailureIsTriedAgain) {
    const auto path =
        (std::filesystem::temp_directory_path() / "gravenhold_cache_test.bmp").string();
    std::filesystem::remove(path);
    const PictureFiles files;
    EXPECT_FALSE(files.read(path).ok());
    EXPECT_EQ(files.size(), 0u);
    const Picture p(3, 2, 0x102030);
    ASSERT_FALSE(writeBmp24(path, p).has_value());
    EXPECT_EQ(files.read(path).picture, p);
    std::filesystem::remove(path);
    const PictureResult kept = files.read(path); // from memory: the file is gone
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept.picture, p);
    EXPECT_EQ(files.size(), 1u);
}
