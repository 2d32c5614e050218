#include "io/saved_game.h"
#include "world/initial_world.h"

#include <gtest/gtest.h>

using namespace world;

namespace {

Status playedStatus() {
    Status s;
    for (int n = 0; n < kStatusBlockWords; ++n)
        s[n] = n * 37 - 900;
    s[Slot::SaveMarker] = kSaveMarker;
    return s;
}

} // namespace

TEST(SavedGame, ChecksumsWrapAroundAndAlternate) {
    Status s;
    s[0] = 5;
    s[1] = 3;
    s[2] = 1;
    EXPECT_EQ(io::checksums(s).sum, 9);
    EXPECT_EQ(io::checksums(s).alternating, 3);
    s[0] = INT32_MAX;
    s[1] = 0;
    s[2] = 1;
    EXPECT_EQ(io::checksums(s).sum, INT32_MIN); // wraps, never overflows
    s[164] = 77;                                // the words after the slots are not summed
    EXPECT_EQ(io::checksums(s).sum, INT32_MIN);
}

TEST(SavedGame, ImageIsMapThenStatusBlockAndRoundTrips) {
    TowerMap map = initialTower();
    map.setTile(44, 60, 6);
    Status s = playedStatus();
    io::stampChecksums(s);
    const auto image = io::toImage(map, s);
    ASSERT_EQ(image.size(), 6957u);
    EXPECT_EQ(image[123 * 44 + 2 + 60], 6);
    EXPECT_EQ(image[6273 + 4 * 157], 0xfc); // the save marker -4
    const auto loaded = io::fromImage(image);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->map.bytes, map.bytes);
    EXPECT_EQ(loaded->status.words, s.words);
    EXPECT_TRUE(io::isValid(loaded->status));
}

TEST(SavedGame, DamageIsRefused) {
    Status s = playedStatus();
    io::stampChecksums(s);
    auto image = io::toImage(initialTower(), s);
    EXPECT_FALSE(io::fromImage(std::span(image).first(6956)));
    image[6273 + 4 * 20] ^= 1; // one byte of the status part changed
    EXPECT_FALSE(io::isValid(io::fromImage(image)->status));
    Status unmarked = playedStatus();
    unmarked[Slot::SaveMarker] = 0;
    io::stampChecksums(unmarked);
    EXPECT_FALSE(io::isValid(unmarked));
}
