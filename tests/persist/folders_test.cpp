// The folder rules of a Linux desktop: settings in the configuration folder, saves beside a
// build tree's game or in the user's data folder, and files written whole or not at all.
#include "persist/files.h"
#include "persist/folders.h"
#include "scratch.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using persist::Environment;
using testing_shell::ScratchFolder;

TEST(Folders, SettingsAndUserDataFollowXdgVariablesOrTheHomeFolder) {
    const Environment set{"/cfg", "/share", "/home/hero"};
    EXPECT_EQ(persist::configFolder(set), "/cfg/gravenhold");
    EXPECT_EQ(persist::userDataFolder(set), "/share/gravenhold");

    const Environment unset{"", "", "/home/hero"};
    EXPECT_EQ(persist::configFolder(unset), "/home/hero/.config/gravenhold");
    EXPECT_EQ(persist::userDataFolder(unset), "/home/hero/.local/share/gravenhold");

    // A relative path in an XDG variable is not a valid base folder and is ignored.
    const Environment relative{"cfg", "share", "/home/hero"};
    EXPECT_EQ(persist::configFolder(relative), "/home/hero/.config/gravenhold");
    EXPECT_EQ(persist::userDataFolder(relative), "/home/hero/.local/share/gravenhold");
}

TEST(Folders, ABuildTreeSavesBesideTheGameAnInstalledGameInTheUsersDataFolder) {
    ScratchFolder scratch;
    const Environment env{"", scratch.path("share"), scratch.path("home")};
    const std::string game = scratch.path("game");
    std::filesystem::create_directories(game);

    EXPECT_EQ(persist::defaultSaveFolder(game, false, env), game + "/savedat");
    EXPECT_TRUE(std::filesystem::is_directory(game + "/savedat"));

    const std::string own = scratch.path("share") + "/gravenhold/savedat";
    EXPECT_EQ(persist::defaultSaveFolder(game, true, env), own);
    EXPECT_TRUE(std::filesystem::is_directory(own));
}

TEST(Folders, AGameFolderThatCannotHoldSavesSendsThemToTheUsersDataFolder) {
    ScratchFolder scratch;
    const Environment env{"", scratch.path("share"), scratch.path("home")};
    // A plain file where the game folder should be: savedat cannot be made below it.
    testing_shell::writeFile(scratch.path("game"), "not a folder");
    EXPECT_EQ(persist::defaultSaveFolder(scratch.path("game"), false, env),
              scratch.path("share") + "/gravenhold/savedat");
}

TEST(Files, AWriteReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    ScratchFolder scratch;
    const std::string path = scratch.path("option.dat");
    testing_shell::writeFile(path, "an older and longer content");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(persist::writeBytes(path, bytes));
    EXPECT_EQ(testing_shell::fileBytes(path), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
}

TEST(Files, AWriteIntoAMissingFolderNamesTheFileAndWritesNothing) {
    ScratchFolder scratch;
    const std::string path = scratch.path("missing/option.dat");
    const auto error = persist::writeBytes(path, std::vector<std::uint8_t>{1});
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Files, LinesAreReadWithoutTheirEndsWhetherLfOrCrLf) {
    ScratchFolder scratch;
    testing_shell::writeFile(scratch.path("a.txt"), "one\r\ntwo\nthree");
    EXPECT_EQ(persist::readLines(scratch.path("a.txt")),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_FALSE(persist::readLines(scratch.path("none.txt")));
    EXPECT_EQ(persist::inFolder("/a/", "b"), "/a/b");
    EXPECT_EQ(persist::inFolder("/a", "b"), "/a/b");
}

} // namespace
