// Files written by an earlier build, kept as hex text: the game must still read them to the
// same values and write them back to the same bytes, so a change to the file formats cannot
// slip through unnoticed.
#include "io/ranking.h"
#include "persist/saved_games.h"
#include "persist_fixture.h"
#include "world/tiles.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace persist_test {
namespace {

using namespace world;

std::string pinned(const std::string& name) {
    return std::string(GRAVENHOLD_PINNED_DIR) + "/" + name;
}

// The bytes of a hex file: pairs of hex digits separated by blanks, '#' to the end of a line
// a comment. A malformed file fails the test that reads it.
std::vector<unsigned char> hexBytes(const std::string& file) {
    std::ifstream in(file);
    EXPECT_TRUE(in) << file;
    std::vector<unsigned char> bytes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word) {
            EXPECT_EQ(word.size(), 2u) << file << ": " << word;
            bytes.push_back(static_cast<unsigned char>(std::stoul(word, nullptr, 16)));
        }
    }
    return bytes;
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

using PinnedFilesTest = PersistTest;

TEST_F(PinnedFilesTest, ASavedGameLoadsAndSavesAgainByteForByte) {
    const auto bytes = hexBytes(pinned("floor1_game.hex"));
    ASSERT_EQ(bytes.size(), io::kSaveBytes);
    writeBytes(savePath("pinned.dat"), bytes);

    persist::loadwork(game, savePath("pinned.dat"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(game.status[Slot::Floor], 1);
    EXPECT_EQ(game.status[Slot::Life], 1000);
    EXPECT_EQ(game.status[Slot::Offense], 100);
    EXPECT_EQ(game.status[Slot::HeroX], 4); // on the top row, beside the next slime
    EXPECT_EQ(game.status[Slot::HeroY], 0);
    EXPECT_EQ(game.status[Slot::SaveMarker], kSaveMarker);
    EXPECT_EQ(game.map.tile(1, 2), Tile::FirstMonster);
    EXPECT_EQ(game.map.tile(1, 3), 63); // a Red Slime
    EXPECT_EQ(game.map.tile(1, 4), Tile::Road);

    persist::savework(game, savePath("again.dat"));
    EXPECT_EQ(testing_shell::fileBytes(savePath("again.dat")), bytes);
}

TEST_F(PinnedFilesTest, ARankingListReadsAndWritesAgainByteForByte) {
    const auto table = hexBytes(pinned("ranking_list1.hex"));
    ASSERT_EQ(table.size(), io::kTableBytes);
    const auto names = testing_shell::fileBytes(pinned("ranking_list1_names.txt"));
    const std::string folder = game.folders.save;
    writeBytes(io::tableFile(folder, 1), table);
    writeBytes(io::namesFile(folder, 1), names);

    io::RankingRead read = io::readTable(folder, 1);
    const io::RankingNames readNames = io::readNames(folder, 1);
    EXPECT_EQ(read.check, io::TableCheck::Good);
    EXPECT_EQ(read.table.points(1), 135);
    EXPECT_EQ(read.table.at(0, io::Column::Life), 2000);
    EXPECT_EQ(read.table.points(2), 100); // the first place of the list as it came
    EXPECT_EQ(readNames[0], "Brave");
    EXPECT_EQ(readNames[1], "");

    const std::string again = scratch.path("again");
    std::filesystem::create_directories(again);
    EXPECT_EQ(io::writeRanking(again, 1, read.table, readNames), std::nullopt);
    EXPECT_EQ(testing_shell::fileBytes(io::tableFile(again, 1)), table);
    EXPECT_EQ(testing_shell::fileBytes(io::namesFile(again, 1)), names);
}

} // namespace
} // namespace persist_test
