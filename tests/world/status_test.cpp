#include "world/status.h"

#include <gtest/gtest.h>

using world::Status;

TEST(StatusBlock, IsOneContiguousBlockOf171LittleEndianWords) {
    EXPECT_EQ(world::kStatusBlockBytes, 684u);
    Status s;
    for (int n = 0; n < world::kStatusBlockWords; ++n)
        s[n] = n * 1000 + 7;
    s[163] = -4; // a negative slot is stored in two's complement
    const auto bytes = s.toBytes();
    for (int n : {0, 1, 88, 162, 164, 170}) {
        const auto at = static_cast<std::size_t>(4 * n);
        const auto v = static_cast<std::uint32_t>(n * 1000 + 7);
        EXPECT_EQ(bytes[at], v & 0xff) << "slot " << n;
        EXPECT_EQ(bytes[at + 1], (v >> 8) & 0xff) << "slot " << n;
    }
    EXPECT_EQ(bytes[4 * 163], 0xfc);
    EXPECT_EQ(bytes[4 * 163 + 3], 0xff);
    EXPECT_EQ(Status::fromBytes(bytes).words, s.words);
}

TEST(StatusBlock, NamedSlotsKeepTheirNumbers) {
    EXPECT_EQ(world::Slot::LapLevel, 159);
    EXPECT_EQ(world::Slot::KeepProgress, 160);
    EXPECT_EQ(world::Slot::SaveMarker, 157);
    EXPECT_EQ(world::Slot::Facing, 88);
    EXPECT_EQ(world::Slot::StartStairs, 166);
}

TEST(StatusBlock, LapFactorIsLapLevelPlusOne) {
    Status s;
    EXPECT_EQ(s.lapFactor(), 1);
    s[world::Slot::LapLevel] = world::kLaterLap;
    EXPECT_EQ(s.lapFactor(), 44);
}
