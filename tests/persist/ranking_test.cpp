#include "io/ranking.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

using namespace io;
using testing_shell::fileBytes;
using testing_shell::ScratchFolder;
using testing_shell::writeFile;

namespace {

// A list as players leave it: ten places in points order, sums stamped for list n.
RankingTable playedTable(int list) {
    RankingTable t;
    for (int r = 0; r < kPlaces; ++r) {
        t.at(r, Column::Points) = 500 - 37 * r;
        t.at(r, Column::Life) = 98765 - 1000 * r;
        t.at(r, Column::Offense) = 300 + 7 * r;
        t.at(r, Column::Defense) = -5 * r; // a hero can come in with less than he should
    }
    stampTable(t, list);
    return t;
}

world::Status hero(std::int32_t life, std::int32_t offense, std::int32_t defense) {
    world::Status s;
    s[world::Slot::Life] = life;
    s[world::Slot::Offense] = offense;
    s[world::Slot::Defense] = defense;
    return s;
}

TEST(RankingTable, StoresTwelveRowsOfSixWordsWithTheirSumsAndVersion) {
    const RankingTable t = playedTable(1);
    EXPECT_EQ(t.at(0, Column::RowSum), 500 + 98765 + 300 + 0);
    EXPECT_EQ(t.at(0, Column::RowAltSum), 500 - 98765 + 300 - 0 + t.at(0, Column::RowSum));
    std::int32_t points = 0;
    std::int32_t alternating = 0;
    for (int r = 0; r < kPlaces; ++r) {
        points += t.at(r, Column::Points);
        alternating += (r % 2 == 0 ? 1 : -1) * t.at(r, Column::Points);
    }
    EXPECT_EQ(t.at(kSumRow, Column::Points), points);
    EXPECT_EQ(t.at(kAltSumRow, Column::Points), alternating + points);
    EXPECT_EQ(t.at(kAltSumRow, Column::RowAltSum), -401);
    EXPECT_EQ(versionWord(5), -405);

    const auto bytes = tableBytes(t);
    ASSERT_EQ(bytes.size(), 288u);
    EXPECT_EQ(bytes[4], 0xcd); // place 1's life 98765 = 0x0181cd, little-endian
    EXPECT_EQ(bytes[5], 0x81);
    EXPECT_EQ(bytes[6], 0x01);
    EXPECT_EQ(bytes[284], 0x6f); // the version word -401 closes the file
    EXPECT_EQ(bytes[287], 0xff);
    const auto back = tableFromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->cells, t.cells);
    EXPECT_EQ(checkTable(*back, 1), TableCheck::Good);
    EXPECT_FALSE(tableFromBytes(std::span(bytes).first(287)));
}

TEST(RankingTable, SumsWrapAroundAt32Bits) {
    RankingTable t;
    t.at(0, Column::Points) = INT32_MAX;
    t.at(0, Column::Life) = INT32_MAX;
    t.at(1, Column::Points) = INT32_MAX;
    stampTable(t, 3);
    EXPECT_EQ(t.at(0, Column::RowSum), -2);
    EXPECT_EQ(t.at(kSumRow, Column::Points), -2);
    EXPECT_EQ(checkTable(t, 3), TableCheck::Good);
}

TEST(RankingTable, EveryChangedBitIsCaught) {
    const auto good = tableBytes(playedTable(2));
    for (std::size_t at = 0; at < kTableBytes; ++at)
        for (int bit = 0; bit < 8; ++bit) {
            auto bytes = good;
            bytes[at] ^= static_cast<std::uint8_t>(1 << bit);
            const TableCheck expected =
                at >= kTableBytes - 4 ? TableCheck::OtherVersion : TableCheck::Abnormal;
            ASSERT_EQ(checkTable(*tableFromBytes(bytes), 2), expected) << "byte " << at;
        }
}

TEST(RankingTable, AnotherListsTableIsOfAnotherVersion) {
    EXPECT_EQ(checkTable(playedTable(2), 1), TableCheck::OtherVersion);
    EXPECT_EQ(checkTable(playedTable(2), 2), TableCheck::Good);
    EXPECT_EQ(checkTable(temporaryRanking(1), 1), TableCheck::Abnormal); // never stamped
}

TEST(RankingTable, TheTemporaryRankingOfEachList) {
    struct Row {
        int list, place;
        std::int32_t points, life, stat;
    };
    for (const Row& row :
         {Row{1, 1, 100, 500, 25}, Row{1, 10, 10, 50, 16}, Row{2, 3, 80, 800, 40},
          Row{3, 10, 10, 1000, 50}, Row{4, 2, 90, 4500, 190}, Row{5, 1, 100, 10000, 500}}) {
        SCOPED_TRACE(row.list * 100 + row.place);
        const RankingTable t = temporaryRanking(row.list);
        EXPECT_EQ(t.points(row.place), row.points);
        EXPECT_EQ(t.at(row.place - 1, Column::Life), row.life);
        EXPECT_EQ(t.at(row.place - 1, Column::Offense), row.stat);
        EXPECT_EQ(t.at(row.place - 1, Column::Defense), row.stat);
        EXPECT_EQ(t.at(row.place - 1, Column::RowSum), 0);
        EXPECT_EQ(t.at(kSumRow, Column::Points), 0);
    }
}

TEST(RankingPlaces, ATieRanksBelowAndOneMorePointTakesThePlace) {
    const RankingTable t = temporaryRanking(1); // 100, 90, .. 10
    EXPECT_EQ(placeFor(t, 10), 0);
    EXPECT_EQ(placeFor(t, 11), 10);
    EXPECT_EQ(placeFor(t, 100), 2);
    EXPECT_EQ(placeFor(t, 101), 1);
    EXPECT_EQ(placeFor(t, 0), 0);
}

TEST(RankingPlaces, EnteringPushesTheRestDownAndDropsTheTenth) {
    RankingTable t = temporaryRanking(2);
    RankingNames names = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    enterPlace(t, names, 1, "Arthur", {120, 2000, 70, 60});
    EXPECT_EQ(names, (RankingNames{"Arthur", "a", "b", "c", "d", "e", "f", "g", "h", "i"}));
    EXPECT_EQ(t.points(1), 120);
    EXPECT_EQ(t.at(0, Column::Life), 2000);
    EXPECT_EQ(t.at(0, Column::Defense), 60);
    EXPECT_EQ(t.points(2), 100);
    EXPECT_EQ(t.at(9, Column::Life), 200); // the old 9th
    enterPlace(t, names, 10, "Last", {15, 1, 2, 3});
    EXPECT_EQ(names[9], "Last");
    EXPECT_EQ(names[8], "h");
    EXPECT_EQ(t.points(10), 15);
    EXPECT_EQ(t.points(9), 30);
}

TEST(CheckpointPoints, TheFairysValuationOnEachFloor) {
    EXPECT_EQ(listOfFloor(10), 1);
    EXPECT_EQ(listOfFloor(25), 3);
    EXPECT_EQ(listOfFloor(49), 5);
    EXPECT_EQ(listOfFloor(11), 0);

    world::Status s = hero(1000, 20, 20);
    s[world::Slot::YellowKeys] = 1;
    EXPECT_EQ(checkpointPoints(s, 1), 16);                 // 12 + 60 - 27 - 30 + 1
    EXPECT_EQ(checkpointPoints(hero(1000, 10, 10), 1), 0); // -35 counts as nothing

    s = hero(900, 80, 90);
    s[world::Slot::YellowKeys] = 1;
    s[world::Slot::BlueKeys] = 2; // worth two each
    s[world::Slot::RedKeys] = 3;  // worth three each
    EXPECT_EQ(checkpointPoints(s, 2), 1 + 60 + 12 + 10 + 14);
    // Divisions truncate towards zero: (2999 - 3000) / 400 is 0, (239 - 240) / 2 is 0.
    EXPECT_EQ(checkpointPoints(hero(2999, 239, 301), 3), 60);
    EXPECT_EQ(checkpointPoints(hero(2999, 239, 301), 5), 60);
    EXPECT_EQ(checkpointPoints(hero(1800, 160, 202), 4), 1 + 60 + 8 + 2);
}

TEST(CheckpointPoints, ALaterLapExpectsFortyFourTimesMore) {
    world::Status s = hero(44 * 1000, 44 * 20, 44 * 20);
    s[world::Slot::LapLevel] = world::kLaterLap;
    s[world::Slot::YellowKeys] = 1;
    EXPECT_EQ(checkpointPoints(s, 1), 0); // 528 + 60 - 1188 - 1320 + 1
    s[world::Slot::Offense] = 44 * 29 + 10;
    s[world::Slot::Defense] = 44 * 35;
    EXPECT_EQ(checkpointPoints(s, 1), (44000 - 17600) / 50 + 60 + 30 + 0 + 1);
}

TEST(RankingFiles, WrittenListsReadBackAndDamagedOnesAreReplaced) {
    ScratchFolder folder;
    RankingTable t = temporaryRanking(3);
    RankingNames names = {"Arthur", "", "Brave one", "", "", "", "", "", "", "Zed"};
    ASSERT_FALSE(writeRanking(folder.path(), 3, t, names));
    EXPECT_EQ(fileBytes(folder.path("option3.dat")).size(), 288u);
    const RankingRead read = readTable(folder.path(), 3);
    EXPECT_EQ(read.check, TableCheck::Good);
    EXPECT_EQ(read.table.cells, t.cells); // writing stamped the sums into the table
    EXPECT_EQ(readNames(folder.path(), 3), names);

    auto bytes = fileBytes(folder.path("option3.dat"));
    bytes[100] ^= 4;
    writeFile(folder.path("option3.dat"), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(readTable(folder.path(), 3).check, TableCheck::Abnormal);
    EXPECT_EQ(readTable(folder.path(), 3).table.cells, temporaryRanking(3).cells);

    writeFile(folder.path("option3.dat"), std::string(287, '\0'));
    EXPECT_EQ(readTable(folder.path(), 3).check, TableCheck::Unreadable);
    EXPECT_EQ(std::string(checkMessage(TableCheck::Unreadable)),
              "Version of Ranking data is old. Use a temporary Ranking.");
}

// A new player has no lists yet: reading one writes the temporary ranking as its table with ten
// empty names, and reads it as a good table.
TEST(RankingFiles, AListNeverWrittenStartsAsTheTemporaryRanking) {
    ScratchFolder folder;
    const RankingRead read = readTable(folder.path(), 4);
    EXPECT_EQ(read.check, TableCheck::Good);
    RankingTable stamped = temporaryRanking(4);
    stampTable(stamped, 4);
    EXPECT_EQ(read.table.cells, stamped.cells);
    EXPECT_EQ(fileBytes(folder.path("option4.dat")).size(), 288u);
    EXPECT_EQ(readTable(folder.path(), 4).table.cells, stamped.cells);
    EXPECT_EQ(readNames(folder.path(), 4), RankingNames{});
    EXPECT_FALSE(fileBytes(folder.path("option41.dat")).empty());
}

TEST(RankingFiles, NamesFilesOfAnyShapeGiveTenPlaces) {
    ScratchFolder folder;
    EXPECT_EQ(readNames(folder.path(), 1), RankingNames{}); // no file: empty places
    writeFile(folder.path("option11.dat"), "Ann\r\nBob\r\n");
    EXPECT_EQ(readNames(folder.path(), 1), (RankingNames{"Ann", "Bob"}));
    writeFile(folder.path("option21.dat"), "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n");
    EXPECT_EQ(readNames(folder.path(), 2)[9], "10");
}

} // namespace
