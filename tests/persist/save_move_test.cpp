// Saves that earlier builds kept in savedat beside the game's data move once into the user's
// data folder, where a clean rebuild cannot delete them; nothing is ever overwritten or lost.
#include "io/files.h"
#include "io/folders.h"
#include "io/settings_file.h"
#include "persist/read_settings.h"
#include "state/game.h"
#include "support/scratch.h"
#include "write_faults.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testing_shell::fileBytes;
using testing_shell::ScratchFolder;
using testing_shell::writeFile;

class SaveMove : public testing::Test {
  protected:
    SaveMove() { fs::create_directories(build); }

    std::string settingsPath() const { return config + "/KRN10.INI"; }
    void writeSettings(const std::vector<std::string>& lines) const {
        fs::create_directories(config);
        ASSERT_FALSE(io::writeLines(settingsPath(), lines));
    }
    io::SaveFolderChoice settle(bool installed = false) const {
        return io::settleSaveFolder({build, installed}, config, env);
    }
    // A few of the game's files with contents of their own, as a player leaves them.
    static void writeSaves(const std::string& folder, const std::string& tag) {
        fs::create_directories(folder);
        for (const char* name : {"option.dat", "save3.dat", "save0.dat", "option41.dat"})
            writeFile(folder + "/" + name, tag + " " + name);
    }
    static bool holdsSaves(const std::string& folder, const std::string& tag) {
        for (const char* name : {"option.dat", "save3.dat", "save0.dat", "option41.dat"}) {
            const std::string expected = tag + " " + name;
            if (fileBytes(folder + "/" + name) !=
                std::vector<unsigned char>(expected.begin(), expected.end()))
                return false;
        }
        return true;
    }

    ScratchFolder scratch;
    io::Environment env{"", scratch.path("share"), scratch.path("home")};
    std::string build = scratch.path("build");
    std::string config = scratch.path("config");
    std::string own = scratch.path("share") + "/gravenhold/savedat";
};

TEST_F(SaveMove, ABuildTreesSavesMoveOnceAndTheMoveIsSaid) {
    writeSaves(build + "/savedat", "old");
    writeFile(build + "/savedat/notes.txt", "the player's own file");

    const io::SaveFolderChoice choice = settle();
    EXPECT_EQ(choice.folder, own);
    EXPECT_TRUE(holdsSaves(own, "old"));
    EXPECT_FALSE(fs::exists(build + "/savedat/save3.dat"));
    // Only the game's own files move; the folder stays while anything else is left in it.
    EXPECT_TRUE(fs::exists(build + "/savedat/notes.txt"));
    EXPECT_FALSE(fs::exists(own + "/notes.txt"));
    EXPECT_NE(choice.notice.find(build + "/savedat"), std::string::npos);
    EXPECT_NE(choice.notice.find(own), std::string::npos);

    // The next start finds nothing left to move.
    EXPECT_EQ(settle().notice, "");
    EXPECT_TRUE(holdsSaves(own, "old"));
}

// The settings file of an earlier build names that build's savedat; after the move it names
// the user's data folder, so that deleting the build folder loses nothing.
TEST_F(SaveMove, ASettingsFileNamingABuildsSavedatIsPointedAtTheNewFolder) {
    const std::string release = scratch.path("release");
    writeSaves(release + "/savedat", "old");
    writeSettings({release + "/savedat", release, "hero"});

    const io::SaveFolderChoice choice = settle();
    EXPECT_TRUE(holdsSaves(own, "old"));
    EXPECT_NE(choice.notice.find(release + "/savedat"), std::string::npos);
    EXPECT_EQ(io::readLines(settingsPath()), (std::vector<std::string>{own, release, "hero"}));

    fs::remove_all(release);
    game::Game game;
    game.folders = {build, choice.folder, config};
    ASSERT_FALSE(persist::readSettings(game));
    EXPECT_EQ(game.folders.save, own);
}

TEST_F(SaveMove, ASettingsFileNamingAnEmptyOldDefaultIsPointedAtTheNewFolderSilently) {
    writeSettings({build + "/savedat/", build, ""});
    EXPECT_EQ(settle().notice, "");
    EXPECT_EQ(io::readLines(settingsPath()), (std::vector<std::string>{own, build, ""}));
}

TEST_F(SaveMove, FoldersThatWereNeverTheDefaultAreLeftAlone) {
    // A folder the player chose with "Change Data Spot".
    const std::string chosen = scratch.path("chosen");
    writeSaves(chosen, "chosen");
    writeSaves(build + "/savedat", "beside");
    writeSettings({chosen, build, ""});
    EXPECT_EQ(settle().notice, "");
    EXPECT_TRUE(holdsSaves(chosen, "chosen"));
    EXPECT_TRUE(holdsSaves(build + "/savedat", "beside"));
    EXPECT_EQ(io::readLines(settingsPath()), (std::vector<std::string>{chosen, build, ""}));

    // An installed copy never kept saves beside its data: a savedat there is not its own.
    fs::remove(settingsPath());
    EXPECT_EQ(settle(/*installed=*/true).notice, "");
    EXPECT_TRUE(holdsSaves(build + "/savedat", "beside"));
    EXPECT_FALSE(fs::exists(own + "/save3.dat"));
}

TEST_F(SaveMove, SavesAlreadyInTheNewFolderAreNeverOverwritten) {
    writeSaves(build + "/savedat", "old");
    writeSaves(own, "new");
    writeSettings({build + "/savedat", build, ""});

    const io::SaveFolderChoice choice = settle();
    EXPECT_EQ(choice.folder, own);
    EXPECT_TRUE(holdsSaves(own, "new"));
    EXPECT_TRUE(holdsSaves(build + "/savedat", "old"));
    EXPECT_NE(choice.notice.find(build + "/savedat"), std::string::npos);
    EXPECT_EQ(io::readLines(settingsPath())->front(), own);
    // Said once: the settings now name the new folder.
    EXPECT_EQ(settle().notice, "");
}

TEST_F(SaveMove, AMoveThatFailsHalfWayIsUndoneAndTheSavesStayForThisRun) {
    writeSaves(build + "/savedat", "old");
    // Something that is not a file stands where one save must go: option.dat is copied first,
    // then save3.dat cannot be.
    fs::create_directories(own + "/save3.dat");

    const io::SaveFolderChoice choice = settle();
    EXPECT_EQ(choice.folder, build + "/savedat");
    EXPECT_TRUE(holdsSaves(build + "/savedat", "old"));
    EXPECT_FALSE(fs::exists(own + "/option.dat"));
    EXPECT_FALSE(fs::exists(own + "/save0.dat"));
    EXPECT_NE(choice.notice.find("stay in " + build + "/savedat"), std::string::npos);
}

// The program stopped dead at every step of the move in turn (each byte written, each rename,
// each removal): the next start finishes the move, with every save whole in the new folder,
// none left behind and the settings naming the new folder; never "left where they are".
TEST_F(SaveMove, AMoveStoppedDeadAtAnyStepIsFinishedByTheNextStart) {
    using testing_shell::FaultyWrites;
    testing_shell::UnsyncedWrites unsynced;
    io::ScopedWriteLayer quick(unsynced);
    const std::string old = build + "/savedat";
    for (std::size_t steps = 0;; ++steps) {
        SCOPED_TRACE(testing::Message() << "stopped after " << steps << " steps");
        fs::remove_all(scratch.path("share"));
        writeSaves(old, "old");
        writeSettings({old, build, ""});
        bool cut = false;
        {
            FaultyWrites faults(steps, FaultyWrites::Mode::Stop);
            io::ScopedWriteLayer use(faults);
            try {
                settle();
            } catch (const testing_shell::ProgramStopped&) {
            }
            cut = faults.cut();
        }
        const io::SaveFolderChoice next = settle();
        EXPECT_EQ(next.folder, own);
        EXPECT_TRUE(holdsSaves(own, "old"));
        EXPECT_FALSE(fs::exists(old + "/save3.dat"));
        EXPECT_FALSE(fs::exists(old + "/option.dat"));
        EXPECT_EQ(io::readLines(settingsPath())->front(), own);
        EXPECT_EQ(next.notice.find("left where they are"), std::string::npos) << next.notice;
        EXPECT_EQ(io::stagedFiles(own + "/save3.dat"), std::vector<std::string>{});
        if (!cut)
            break;
        ASSERT_LT(steps, 5000u);
    }
}

} // namespace
