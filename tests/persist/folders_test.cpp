// The folder rules of a Linux desktop: settings in the configuration folder, saves in the
// user's data folder, the game's data beside the program or in an installed copy's data
// folder, and files written whole or not at all.
#include "io/files.h"
#include "io/folders.h"
#include "support/scratch.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

using io::Environment;
using testing_shell::ScratchFolder;

TEST(Folders, SettingsAndUserDataFollowXdgVariablesOrTheHomeFolder) {
    const Environment set{"/cfg", "/share", "/home/hero"};
    EXPECT_EQ(io::configFolder(set), "/cfg/gravenhold");
    EXPECT_EQ(io::userDataFolder(set), "/share/gravenhold");

    const Environment unset{"", "", "/home/hero"};
    EXPECT_EQ(io::configFolder(unset), "/home/hero/.config/gravenhold");
    EXPECT_EQ(io::userDataFolder(unset), "/home/hero/.local/share/gravenhold");

    // A relative path in an XDG variable is not a valid base folder and is ignored.
    const Environment relative{"cfg", "share", "/home/hero"};
    EXPECT_EQ(io::configFolder(relative), "/home/hero/.config/gravenhold");
    EXPECT_EQ(io::userDataFolder(relative), "/home/hero/.local/share/gravenhold");
}

// Without HOME (or with a relative one) the system's entry for the user names the home folder;
// with no home at all the game refuses to start rather than keep its files wherever it was
// started from.
TEST(Folders, WithoutAHomeTheUsersEntryNamesItAndNoFolderIsEverRelative) {
    struct Variable {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Variable> kept;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const char* value = std::getenv(name);
        kept.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
        ::unsetenv(name);
    }
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_TRUE(user && user->pw_dir && user->pw_dir[0] == '/');
    const std::string home = user->pw_dir;
    EXPECT_EQ(io::processEnvironment().home, home);
    ::setenv("HOME", "relative/home", 1);
    const Environment env = io::processEnvironment();
    EXPECT_EQ(env.home, home);
    EXPECT_EQ(io::configFolder(env), home + "/.config/gravenhold");
    EXPECT_FALSE(io::homeProblem(env));
    for (const Variable& v : kept)
        if (v.value)
            ::setenv(v.name, v.value->c_str(), 1);
        else
            ::unsetenv(v.name);

    ScratchFolder scratch;
    const std::string started = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    const Environment none{"", "", ""};
    const auto problem = io::homeProblem(none);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("HOME"), std::string::npos);
    io::defaultSaveFolder(none);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path())); // nothing made where it started
    std::filesystem::current_path(started);
    EXPECT_FALSE(io::homeProblem({"/cfg", "/share", ""})); // the XDG folders suffice
}

TEST(Folders, BuildTreesAndInstalledCopiesAlikeSaveInTheUsersDataFolder) {
    ScratchFolder scratch;
    const Environment env{"", scratch.path("share"), scratch.path("home")};
    const std::string own = scratch.path("share") + "/gravenhold/savedat";
    EXPECT_EQ(io::defaultSaveFolder(env), own);
    EXPECT_TRUE(std::filesystem::is_directory(own));

    const Environment unset{"", "", scratch.path("home")};
    EXPECT_EQ(io::defaultSaveFolder(unset),
              scratch.path("home") + "/.local/share/gravenhold/savedat");
}

TEST(Folders, AGameFolderThatCannotHoldSavesLeavesTheSavesInTheUsersDataFolder) {
    ScratchFolder scratch;
    const Environment env{"", scratch.path("share"), scratch.path("home")};
    // A plain file where the game folder should be: there is no savedat below it to look at.
    testing_shell::writeFile(scratch.path("game"), "not a folder");
    const io::SaveFolderChoice choice =
        io::settleSaveFolder({scratch.path("game"), false}, scratch.path("config"), env);
    EXPECT_EQ(choice.folder, scratch.path("share") + "/gravenhold/savedat");
    EXPECT_EQ(choice.notice, "");
}

TEST(Folders, AnInstalledCopyFindsItsDataThroughItsPrefixABuildTreeBesideTheProgram) {
    ScratchFolder scratch;
    const std::string bin = scratch.path("bin");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(io::locateGameFolder(bin + "/", "../share/gravenhold").folder, bin);
    EXPECT_FALSE(io::locateGameFolder(bin, "../share/gravenhold").installed);
    // The installed data is recognised by its data/ folder, not by the folder alone.
    std::filesystem::create_directories(scratch.path("share/gravenhold"));
    EXPECT_FALSE(io::locateGameFolder(bin, "../share/gravenhold").installed);

    std::filesystem::create_directories(scratch.path("share/gravenhold/data"));
    const io::GameFolder installed = io::locateGameFolder(bin, "../share/gravenhold");
    EXPECT_EQ(installed.folder, scratch.path("share/gravenhold"));
    EXPECT_TRUE(installed.installed);
    EXPECT_FALSE(io::locateGameFolder(bin, "").installed);
}

TEST(Files, AWriteReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    ScratchFolder scratch;
    const std::string path = scratch.path("option.dat");
    testing_shell::writeFile(path, "an older and longer content");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(io::writeBytes(path, bytes));
    EXPECT_EQ(testing_shell::fileBytes(path), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(io::isStaged(path));
}

TEST(Files, AWriteIntoAMissingFolderNamesTheFileAndWritesNothing) {
    ScratchFolder scratch;
    const std::string path = scratch.path("missing/option.dat");
    const auto error = io::writeBytes(path, std::vector<std::uint8_t>{1});
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Files, LinesAreReadWithoutTheirEndsWhetherLfOrCrLf) {
    ScratchFolder scratch;
    testing_shell::writeFile(scratch.path("a.txt"), "one\r\ntwo\nthree");
    EXPECT_EQ(io::readLines(scratch.path("a.txt")),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_FALSE(io::readLines(scratch.path("none.txt")));
    EXPECT_EQ(io::inFolder("/a/", "b"), "/a/b");
    EXPECT_EQ(io::inFolder("/a", "b"), "/a/b");
}

} // namespace
