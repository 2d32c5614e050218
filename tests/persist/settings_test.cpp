// KRN10.INI: three lines (save folder, game folder, a short text), written anew when missing or
// short, kept as read otherwise.
#include "io/files.h"
#include "io/settings_file.h"
#include "persist/read_settings.h"
#include "state/game.h"
#include "support/scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using testing_shell::ScratchFolder;

TEST(Settings, NoFileGivesTheThreeDefaultLinesAndAsksForAWrite) {
    const auto read = io::settingsFromLines(std::nullopt, "/g/savedat", "/g");
    EXPECT_EQ(read.settings.lines, (Lines{"/g/savedat", "/g", ""}));
    EXPECT_EQ(read.settings.shortText, "");
    EXPECT_TRUE(read.rewrite);
}

TEST(Settings, AShortFileGetsTheDefaultsAppendedAndItsOwnLinesStillServe) {
    const auto two = io::settingsFromLines(Lines{"/mine", "/old"}, "/g/savedat", "/g");
    EXPECT_EQ(two.settings.lines, (Lines{"/mine", "/old", "/g/savedat", "/g", ""}));
    EXPECT_EQ(two.settings.shortText, ""); // the short text of a rewritten file is empty
    EXPECT_TRUE(two.rewrite);

    const auto empty = io::settingsFromLines(Lines{}, "/g/savedat", "/g");
    EXPECT_EQ(empty.settings.lines, (Lines{"/g/savedat", "/g", ""}));
}

TEST(Settings, ACompleteFileIsKeptAsReadWithItsShortTextCutToTenCharacters) {
    const auto read =
        io::settingsFromLines(Lines{"/s", "/g", "abcdefghijKLM", "extra"}, "/x", "/y");
    EXPECT_EQ(read.settings.lines, (Lines{"/s", "/g", "abcdefghijKLM", "extra"}));
    EXPECT_EQ(read.settings.shortText, "abcdefghij");
    EXPECT_FALSE(read.rewrite);
}

TEST(Settings, AnEmptyOrRelativeSaveFolderCountsAsMissing) {
    // A file holding only a line feed: one empty line.
    const auto newline = io::settingsFromLines(Lines{""}, "/g/savedat", "/g");
    EXPECT_EQ(newline.settings.lines[0], "/g/savedat");
    EXPECT_TRUE(newline.rewrite);

    const auto relative = io::settingsFromLines(Lines{"savedat", "/g", "note"}, "/g/savedat", "/g");
    EXPECT_EQ(relative.settings.lines, (Lines{"/g/savedat", "/g", "note"}));
    EXPECT_EQ(relative.settings.shortText, "note");
    EXPECT_TRUE(relative.rewrite);
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_shell::setUpGame(game, scratch, scratch.path("game"));
        game.folders.save = scratch.path("game/savedat");
    }
    std::string iniPath() const { return scratch.path("config/KRN10.INI"); }

    ScratchFolder scratch;
    game::Game game;
};

TEST_F(SettingsFile, StartingWithoutAFileCreatesOneOfThreeLines) {
    EXPECT_FALSE(persist::readSettings(game));
    EXPECT_EQ(io::readLines(iniPath()),
              (Lines{scratch.path("game/savedat"), scratch.path("game"), ""}));
    EXPECT_EQ(game.folders.save, scratch.path("game/savedat"));
    EXPECT_TRUE(std::filesystem::is_directory(game.folders.save));
}

TEST_F(SettingsFile, ATwoLineFileIsRewrittenWithThreeMoreLinesAndItsSaveFolderServes) {
    std::filesystem::create_directories(scratch.path("config"));
    testing_shell::writeFile(iniPath(), scratch.path("elsewhere") + "\n/old/game\n");
    EXPECT_FALSE(persist::readSettings(game));
    EXPECT_EQ(io::readLines(iniPath()),
              (Lines{scratch.path("elsewhere"), "/old/game", scratch.path("game/savedat"),
                     scratch.path("game"), ""}));
    EXPECT_EQ(game.shell.settings.lines[1], "/old/game");
    EXPECT_EQ(game.folders.save, scratch.path("elsewhere"));
    EXPECT_TRUE(std::filesystem::is_directory(scratch.path("elsewhere")));
}

TEST_F(SettingsFile, AFileOfOneEmptyLineSendsTheSavesToTheDefaultFolder) {
    std::filesystem::create_directories(scratch.path("config"));
    testing_shell::writeFile(iniPath(), "\n");
    EXPECT_FALSE(persist::readSettings(game));
    EXPECT_EQ(game.folders.save, scratch.path("game/savedat"));
    EXPECT_EQ(io::readLines(iniPath())->at(0), scratch.path("game/savedat"));
}

TEST_F(SettingsFile, ACompleteFileIsNotWrittenAgain) {
    std::filesystem::create_directories(scratch.path("config"));
    const std::string content = scratch.path("s") + "\r\n/g\r\nnote\r\n";
    testing_shell::writeFile(iniPath(), content);
    EXPECT_FALSE(persist::readSettings(game));
    EXPECT_EQ(game.folders.save, scratch.path("s"));
    EXPECT_EQ(game.shell.settings.shortText, "note");
    const auto bytes = testing_shell::fileBytes(iniPath());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content);
}

TEST_F(SettingsFile, ASettingsFileThatCannotBeWrittenIsReported) {
    testing_shell::writeFile(scratch.path("config"), "a file where the folder should be");
    const auto error = persist::readSettings(game);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("KRN10.INI"), std::string::npos);
}

} // namespace
