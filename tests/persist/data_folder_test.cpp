#include "io/ranking.h"
#include "io/settings_file.h"
#include "persist/data_folder.h"
#include "persist_fixture.h"
#include "write_faults.h"

#include <filesystem>

using persist_test::PersistTest;
using testing_shell::fileBytes;
using testing_shell::writeFile;

namespace {

namespace fs = std::filesystem;

class DataFolder : public PersistTest {
  protected:
    std::string settingsPath() const {
        return io::inFolder(game.folders.config, io::kSettingsFile);
    }

    void SetUp() override {
        PersistTest::SetUp();
        fs::create_directories(game.folders.config);
        writeFile(settingsPath(), game.folders.save + "\n" + game.folders.game + "\nshort\n");
        game.shell.settings.lines = {game.folders.save, game.folders.game, "short"};
        for (const char* name : {"option.dat", "option1.dat", "option11.dat", "save1.dat"})
            writeFile(savePath(name), std::string("data of ") + name);
        ASSERT_TRUE(menu("&Options/&Change Data Spot"));
    }

    window::Window& box() { return secondary("DataFolder"); }
    std::string field() { return box().control("Edit1").text; }
    std::vector<std::string> rows(const char* list) {
        std::vector<std::string> lines;
        std::string text = box().control(list).text;
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            lines.push_back(text.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }
    // Choose the last row of the folder tree that names `folder` (indented, perhaps with a
    // closing "/").
    void chooseFolder(const std::string& folder) {
        const auto all = rows("DirectoryListBox1");
        int found = -1;
        for (std::size_t r = 0; r < all.size(); ++r) {
            std::string name = all[r].substr(all[r].find_first_not_of(' '));
            if (name.size() > 1 && name.back() == '/')
                name.pop_back();
            if (name == folder)
                found = static_cast<int>(r);
        }
        ASSERT_GE(found, 0) << folder;
        ASSERT_TRUE(game::choose(game, "DataFolder.DirectoryListBox1", found));
    }
};

TEST_F(DataFolder, OpensOnTheSaveFolderWithItsPathItsFoldersAndItsFiles) {
    fs::create_directories(savePath("zeta"));
    fs::create_directories(savePath("alpha"));
    menu("&Options/&Change Data Spot");
    EXPECT_TRUE(box().visible);
    EXPECT_EQ(field(), game.folders.save);
    const auto tree = rows("DirectoryListBox1");
    const fs::path save(game.folders.save);
    std::size_t depth = 0;
    for (auto it = save.begin(); it != save.end(); ++it)
        ++depth;
    ASSERT_EQ(tree.size(), depth + 2);
    EXPECT_EQ(tree[0], "/");
    EXPECT_EQ(tree[depth - 1], std::string(2 * (depth - 1), ' ') + "savedat/");
    EXPECT_EQ(tree[depth], std::string(2 * depth, ' ') + "alpha");
    EXPECT_EQ(tree[depth + 1], std::string(2 * depth, ' ') + "zeta");
    EXPECT_EQ(rows("FileListBox1"),
              (std::vector<std::string>{"option.dat", "option1.dat", "option11.dat", "save1.dat"}));
    EXPECT_EQ(rows("DriveComboBox1")[0], "/");
}

TEST_F(DataFolder, TheTreeGoesDownIntoAFolderAndBackUp) {
    fs::create_directories(savePath("inner/deeper"));
    menu("&Options/&Change Data Spot");
    chooseFolder("inner");
    EXPECT_EQ(field(), savePath("inner"));
    chooseFolder("deeper");
    EXPECT_EQ(field(), savePath("inner/deeper"));
    EXPECT_EQ(rows("FileListBox1"), std::vector<std::string>{""}); // no files there
    const fs::path parent = fs::path(game.folders.save).parent_path();
    chooseFolder(parent.filename().string());
    EXPECT_EQ(field(), parent.string());
    ASSERT_TRUE(game::choose(game, "DataFolder.DriveComboBox1", 0));
    EXPECT_EQ(field(), "/");
    EXPECT_FALSE(game::choose(game, "DataFolder.Edit1", 0));
}

TEST_F(DataFolder, MakeDirectoryMakesTheFolderAndChoosesIt) {
    platform.texts = {std::string("fresh")};
    click("DataFolder.Button3");
    EXPECT_EQ(platform.inputs.back(),
              "Make Directory|Please, input the name of directory|" + game.folders.save + "/");
    EXPECT_TRUE(fs::is_directory(savePath("fresh")));
    EXPECT_EQ(field(), savePath("fresh"));

    const std::string elsewhere = scratch.path("elsewhere/new");
    platform.texts = {elsewhere};
    click("DataFolder.Button3");
    EXPECT_EQ(field(), elsewhere);

    platform.texts = {std::nullopt};
    click("DataFolder.Button3");
    EXPECT_EQ(field(), elsewhere);
    EXPECT_TRUE(platform.messages.empty());

    writeFile(scratch.path("plain-file"), "x");
    platform.texts = {scratch.path("plain-file/below")};
    click("DataFolder.Button3");
    EXPECT_EQ(field(), elsewhere); // a folder that cannot be made leaves the choice
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(DataFolder, OkCopiesTheOptionsAndRankingsAndNamesTheNewFolder) {
    const std::string old = game.folders.save;
    const std::string target = scratch.path("moved");
    platform.texts = {target};
    click("DataFolder.Button3");
    click("DataFolder.Button1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(box().visible);
    for (const char* name : {"option.dat", "option1.dat", "option11.dat"})
        EXPECT_EQ(fileBytes(io::inFolder(target, name)), fileBytes(io::inFolder(old, name)));
    EXPECT_FALSE(fs::exists(io::inFolder(target, "save1.dat"))); // saves stay behind
    EXPECT_FALSE(fs::exists(io::inFolder(target, "option2.dat")));
    EXPECT_EQ(*io::readLines(settingsPath()),
              (std::vector<std::string>{target, game.folders.game, "short"}));
    EXPECT_EQ(game.shell.settings.lines[0], target);
    EXPECT_EQ(game.folders.save, target);

    menu("&Game/&Load/Data &1");
    EXPECT_EQ(messageLine(), "There is no saving data.");
}

TEST_F(DataFolder, ChoosingTheSaveFolderItselfChangesNothing) {
    const auto before = fileBytes(savePath("option11.dat"));
    const auto settings = fileBytes(settingsPath());
    click("DataFolder.Button1");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(fileBytes(savePath("option11.dat")), before);
    EXPECT_EQ(fileBytes(settingsPath()), settings);
}

// A second registration on list 1 stopped dead between its two renames: the names are in
// place, the table still waits beside its file. Changing the data folder, to the same folder or
// another, carries the whole new list across: every name and the newest entry.
TEST_F(DataFolder, ARankingWriteStoppedHalfWayIsFinishedBeforeTheCopy) {
    const io::RankingNames first = {"Ann"};
    const io::RankingNames second = {"Bob", "Ann"};
    for (const std::string& target : {game.folders.save, scratch.path("other")}) {
        SCOPED_TRACE(target);
        io::RankingTable table = io::temporaryRanking(1);
        ASSERT_FALSE(io::writeRanking(game.folders.save, 1, table, first));
        table.at(0, io::Column::Points) = 150;
        const std::size_t names = io::joinLines({second.begin(), second.end()}).size() +
                                  io::namesStamp(io::tableBytes(table)).size() + 1;
        testing_shell::FaultyWrites stop(io::kTableBytes + names + 1,
                                         testing_shell::FaultyWrites::Mode::Stop);
        {
            io::ScopedWriteLayer use(stop);
            EXPECT_THROW(io::writeRanking(game.folders.save, 1, table, second),
                         testing_shell::ProgramStopped);
        }
        ASSERT_TRUE(io::isStaged(savePath("option1.dat")));

        fs::create_directories(target);
        menu("&Options/&Change Data Spot");
        game.persist.dataFolder.chosen = target;
        click("DataFolder.Button1");
        EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
        EXPECT_EQ(io::readTable(target, 1).table.points(1), 150);
        EXPECT_EQ(io::readNames(target, 1), second);
        EXPECT_FALSE(io::isStaged(io::tableFile(target, 1)));
        game.folders.save = scratch.path("savedat");
    }
}

// KRN10.INI keeps one folder a line: a folder whose name holds a line break is refused, with
// the reason, and nothing changes.
TEST_F(DataFolder, AFolderNameWithALineBreakIsRefused) {
    const auto settings = fileBytes(settingsPath());
    const std::string split = scratch.path("two\nlines");
    fs::create_directories(split);
    game.persist.dataFolder.chosen = split;
    click("DataFolder.Button1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("two?lines"), std::string::npos) << platform.messages[0];
    EXPECT_NE(platform.messages[0].find("line break"), std::string::npos);
    EXPECT_TRUE(box().visible);
    EXPECT_EQ(fileBytes(settingsPath()), settings);
    EXPECT_EQ(game.folders.save, scratch.path("savedat"));

    platform.texts = {std::string("tab\there")};
    click("DataFolder.Button3");
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_FALSE(fs::exists(savePath("tab\there")));
}

TEST_F(DataFolder, AFolderThatCannotBeWrittenIsToldAndNothingChanges) {
    const std::string old = game.folders.save;
    const auto settings = fileBytes(settingsPath());
    game.persist.dataFolder.chosen = scratch.path("gone"); // removed while the window was open
    click("DataFolder.Button1");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(box().visible);
    EXPECT_EQ(fileBytes(settingsPath()), settings);
    EXPECT_EQ(game.folders.save, old);
}

TEST_F(DataFolder, CancelAndClosingLeaveEverythingAsItWas) {
    const auto settings = fileBytes(settingsPath());
    platform.texts = {scratch.path("other")};
    click("DataFolder.Button3");
    click("DataFolder.Button2");
    EXPECT_FALSE(box().visible);
    menu("&Options/&Change Data Spot");
    EXPECT_EQ(field(), game.folders.save); // opens on the save folder again
    EXPECT_TRUE(game::closeWindow(game, "DataFolder"));
    EXPECT_FALSE(box().visible);
    EXPECT_EQ(fileBytes(settingsPath()), settings);
}

} // namespace
