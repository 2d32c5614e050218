// A named pipe, a device or a folder where the game expects a file is refused at once, as a
// missing file is, by every loader that reads the save folder.
#include "io/ranking.h"
#include "persist/options.h"
#include "persist_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class SpecialFiles : public persist_test::PersistTest {
  protected:
    // A named pipe with no writer: opening it for a blocking read would wait for ever.
    void makePipe(const std::string& name) { ASSERT_EQ(::mkfifo(savePath(name).c_str(), 0600), 0); }
};

TEST_F(SpecialFiles, TheFileReadersRefuseAPipeADeviceAndAFolder) {
    makePipe("pipe");
    for (const std::string& path : {savePath("pipe"), std::string("/dev/null"), scratch.path()}) {
        EXPECT_FALSE(io::readBytes(path, 10)) << path;
        EXPECT_FALSE(io::readLines(path)) << path;
    }
}

TEST_F(SpecialFiles, ASlotThatIsAPipeLoadsAsAnEmptySlot) {
    makePipe("save2.dat");
    const world::Status before = game.status;
    menu("&Game/&Load/Data &2");
    EXPECT_EQ(messageLine(), "There is no saving data.");
    EXPECT_EQ(game.status.words, before.words);
}

TEST_F(SpecialFiles, AnOptionFileThatIsAPipeGivesTheBuiltInOptions) {
    makePipe(persist::kOptionFile);
    game.options = game::kInitialOptions;
    game.options.music = true;
    persist::optionload(game);
    EXPECT_EQ(game.options, game::kBuiltInOptions);
}

TEST_F(SpecialFiles, RankingFilesThatArePipesGiveTheTemporaryRankingAndNoNames) {
    makePipe("option4.dat");
    makePipe("option41.dat");
    const io::RankingRead read = io::readTable(game.folders.save, 4);
    EXPECT_EQ(read.check, io::TableCheck::Unreadable);
    EXPECT_EQ(read.table.cells, io::temporaryRanking(4).cells);
    EXPECT_EQ(io::readNames(game.folders.save, 4), io::RankingNames{});
}

} // namespace
