#include "world/tiles.h"
#include "world/tower_map.h"

#include <gtest/gtest.h>

using namespace world;

TEST(Tiles, FrameBStep) {
    EXPECT_EQ(frameBStep(Tile::Wall, false), 0);
    EXPECT_EQ(frameBStep(Tile::Lava, false), 147);
    EXPECT_EQ(frameBStep(Tile::Void, false), 147);
    EXPECT_EQ(frameBStep(Tile::Altar, false), 2);
    EXPECT_EQ(frameBStep(Tile::AltarLeft, false), 0);
    EXPECT_EQ(frameBStep(Tile::Merchant, false), 1);
    EXPECT_EQ(frameBStep(26, false), 1);
    EXPECT_EQ(frameBStep(Tile::TimeGate, false), 1);
    EXPECT_EQ(frameBStep(Tile::TimeGate, true), 0);
    EXPECT_EQ(frameBStep(60, false), 0);
    EXPECT_EQ(frameBStep(61, false), 1);
    EXPECT_EQ(frameBStep(96, false), 1);
    EXPECT_EQ(frameBStep(97, false), 9);
    EXPECT_EQ(frameBStep(123, false), 9);
    EXPECT_EQ(frameBStep(124, false), 0);
    EXPECT_EQ(frameBStep(157, false), 1);
    EXPECT_EQ(frameBStep(158, false), 0);
}

TEST(Tiles, MonsterKindAtItsBoundaries) {
    EXPECT_FALSE(monsterKind(60));
    EXPECT_EQ(monsterKind(61), 0);
    EXPECT_EQ(monsterKind(62), 0);
    EXPECT_EQ(monsterKind(91), 15);
    EXPECT_EQ(monsterKind(95), 17);
    EXPECT_EQ(monsterKind(96), 17);
    for (int c = 97; c <= 105; ++c)
        EXPECT_EQ(monsterKind(static_cast<std::uint8_t>(c)), 18) << c;
    EXPECT_FALSE(monsterKind(106));
    EXPECT_FALSE(monsterKind(114));
    for (int c = 115; c <= 123; ++c)
        EXPECT_EQ(monsterKind(static_cast<std::uint8_t>(c)), 19) << c;
    EXPECT_FALSE(monsterKind(124));
    EXPECT_EQ(monsterKind(132), 19);
    EXPECT_EQ(monsterKind(133), 20);
    EXPECT_EQ(monsterKind(151), 29);
    EXPECT_EQ(monsterKind(157), 32);
    EXPECT_FALSE(monsterKind(158));
}

TEST(Tiles, StepKinds) {
    EXPECT_EQ(stepKind(Tile::YellowDoor), StepKind::Door);
    EXPECT_EQ(stepKind(Tile::RedDoor), StepKind::Door);
    for (int c : {0, 4, 5, 8, 13, 14, 15, 17, 18}) {
        EXPECT_EQ(stepKind(static_cast<std::uint8_t>(c)), StepKind::Blocked) << c;
    }
    EXPECT_EQ(stepKind(Tile::Road), StepKind::Road);
    EXPECT_EQ(stepKind(20), StepKind::Merchant);
    EXPECT_EQ(stepKind(28), StepKind::TimeGate);
    EXPECT_EQ(stepKind(36), StepKind::Item);
    EXPECT_EQ(stepKind(60), StepKind::Equipment);
    EXPECT_EQ(stepKind(90), StepKind::Monster);
    EXPECT_EQ(stepKind(91), StepKind::Zeno);
    EXPECT_EQ(stepKind(92), StepKind::Zeno);
    EXPECT_EQ(stepKind(114), StepKind::Monster);
    // Only the Dragon's head fights; its body and second pictures are blocked.
    for (int c = 115; c <= 132; ++c) {
        EXPECT_EQ(stepKind(static_cast<std::uint8_t>(c)),
                  c == Tile::DragonHead ? StepKind::Monster : StepKind::Blocked)
            << c;
    }
    EXPECT_EQ(stepKind(133), StepKind::Monster);
    EXPECT_EQ(stepKind(157), StepKind::Monster);
    for (int c = 158; c <= 255; ++c) {
        EXPECT_EQ(stepKind(static_cast<std::uint8_t>(c)), StepKind::Blocked) << c;
        EXPECT_EQ(frameBStep(static_cast<std::uint8_t>(c), false), 0) << c;
    }
}

TEST(Tiles, AnnouncedLines) {
    EXPECT_EQ(announcedLine(Tile::StairsUp), 146);
    EXPECT_EQ(announcedLine(Tile::StairsDown), 146);
    EXPECT_EQ(announcedLine(Tile::Lava), 179);
    EXPECT_EQ(announcedLine(Tile::AltarSecond), 151);
    EXPECT_EQ(announcedLine(Tile::OldMan), 139);
    EXPECT_EQ(announcedLine(Tile::MagicianA), 237);
    EXPECT_EQ(announcedLine(Tile::MagicianB), 238);
    EXPECT_FALSE(announcedLine(Tile::Wall));
    EXPECT_FALSE(announcedLine(Tile::Void));
}

TEST(TowerMapLayout, CellAndArrivalOffsets) {
    EXPECT_EQ(kTowerBytes, 6273u);
    TowerMap m;
    m.setTile(50, 120, 14);
    EXPECT_EQ(m.bytes[6272], 14);
    m.setTile(3, 0, 9);
    EXPECT_EQ(m.bytes[123 * 3 + 2], 9);
    m.bytes[123 * 7] = 109;
    m.bytes[123 * 7 + 1] = 11;
    EXPECT_EQ(m.arrivalUp(7), 109);
    EXPECT_EQ(m.arrivalDown(7), 11);
}

TEST(TowerMapLayout, NeighboursNeverWrapAroundAnEdge) {
    using D = Direction;
    EXPECT_FALSE(neighbour(0, D::Up));
    EXPECT_FALSE(neighbour(0, D::Left));
    EXPECT_EQ(neighbour(0, D::Right), 1);
    EXPECT_EQ(neighbour(0, D::Down), 11);
    EXPECT_FALSE(neighbour(11, D::Left)); // x 0, y 1 never looks into cell 10
    EXPECT_FALSE(neighbour(10, D::Right));
    EXPECT_FALSE(neighbour(10, D::Up));
    EXPECT_FALSE(neighbour(120, D::Down));
    EXPECT_FALSE(neighbour(120, D::Right));
    EXPECT_FALSE(neighbour(110, D::Left));
    EXPECT_FALSE(neighbour(110, D::Down));
    EXPECT_EQ(neighbour(60, D::Up), 49);
    EXPECT_EQ(neighbour(60, D::Down), 71);
    EXPECT_EQ(neighbour(60, D::Left), 59);
    EXPECT_EQ(neighbour(60, D::Right), 61);
}

// Both pictures of a one-cell monster name its kind, the big monsters' codes name none, and
// every first picture agrees with the map's own monster lookup.
TEST(Tiles, OneCellMonstersPairTheirTwoPictures) {
    for (int kind = 0; kind <= 32; ++kind) {
        if (kind == 18 || kind == 19)
            continue;
        const int first = kind < 18 ? 61 + 2 * kind : 133 + 2 * (kind - 20);
        EXPECT_EQ(oneCellKind(first), kind) << first;
        EXPECT_EQ(oneCellKind(first + 1), kind) << first + 1;
        EXPECT_EQ(monsterKind(static_cast<std::uint8_t>(first)), kind) << first;
        EXPECT_FALSE(isSecondFrameCode(static_cast<std::uint8_t>(first))) << first;
        EXPECT_TRUE(isSecondFrameCode(static_cast<std::uint8_t>(first + 1))) << first + 1;
    }
    for (int c : {60, 97, 104, 114, 122, 132, 159, 255})
        EXPECT_FALSE(oneCellKind(c)) << c;
}
