// Files in the save folder that another program planted or is writing at the same moment: a
// symbolic link where the writer's temporary used to go never steers a write, and two writers
// of one file never spoil each other's write.
#include "io/files.h"
#include "io/ranking.h"
#include "support/scratch.h"
#include "write_faults.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing_shell::fileBytes;
using testing_shell::ScratchFolder;
using testing_shell::writeFile;

std::vector<unsigned char> text(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(HostileFiles, ALinkPlantedBesideAFileNeverSteersItsWrite) {
    ScratchFolder scratch;
    const std::string victim = scratch.path("victim");
    for (const char* name :
         {"save1.dat", "save0.dat", "option.dat", "KRN10.INI", "option1.dat", "option11.dat"}) {
        SCOPED_TRACE(name);
        writeFile(victim, "precious");
        const std::string path = scratch.path(name);
        fs::create_symlink(victim, path + ".new");
        if (std::string(name) == "KRN10.INI") {
            ASSERT_FALSE(io::writeLines(path, {"/saves", "/game", ""}));
        } else if (std::string(name).starts_with("option1")) {
            io::RankingTable table = io::temporaryRanking(1);
            ASSERT_FALSE(io::writeRanking(scratch.path(), 1, table, {"Ann"}));
            EXPECT_EQ(io::readNames(scratch.path(), 1)[0], "Ann");
            EXPECT_EQ(io::readTable(scratch.path(), 1).check, io::TableCheck::Good);
        } else {
            ASSERT_FALSE(io::writeBytes(path, Bytes{1, 2, 3}));
            EXPECT_EQ(fileBytes(path), (std::vector<unsigned char>{1, 2, 3}));
        }
        EXPECT_EQ(fileBytes(victim), text("precious"));
        EXPECT_FALSE(fs::is_symlink(path));
        EXPECT_TRUE(fs::is_regular_file(path));
        // The link is no temporary of the game's: a read never puts it in place either.
        EXPECT_FALSE(io::isStaged(path));
        io::readTable(scratch.path(), 1);
        EXPECT_FALSE(fs::is_symlink(io::tableFile(scratch.path(), 1)));
        fs::remove(path + ".new");
    }
}

// A layer that lets another writer of the same file finish its whole write at the moment this
// one is about to rename its temporary into place, as a second copy of the game might.
class SecondWriter : public testing_shell::UnsyncedWrites {
  public:
    explicit SecondWriter(std::function<void()> other) : other_(std::move(other)) {}
    int rename(const char* from, const char* to) override {
        if (other_)
            std::exchange(other_, nullptr)();
        return UnsyncedWrites::rename(from, to);
    }

  private:
    std::function<void()> other_;
};

TEST(HostileFiles, TwoWritersOfOneFileBothSucceedAndTheLastWriteStands) {
    ScratchFolder scratch;
    const std::string path = scratch.path("save0.dat");
    std::optional<std::string> otherError;
    SecondWriter layer([&] { otherError = io::writeBytes(path, Bytes(6957, 2)); });
    io::ScopedWriteLayer use(layer);
    EXPECT_EQ(io::writeBytes(path, Bytes(6957, 1)), std::nullopt);
    EXPECT_EQ(otherError, std::nullopt);
    EXPECT_EQ(fileBytes(path), std::vector<unsigned char>(6957, 1));
    EXPECT_FALSE(io::isStaged(path));
}

// The folder lock shuts out another program until released, and this program may take it again
// under another spelling of the folder without waiting for itself.
TEST(HostileFiles, TheFolderLockShutsOutAnotherProgramButNotThisOne) {
    ScratchFolder scratch;
    // Whether another program could lock the folder now: a child tries without waiting.
    auto otherCanLock = [&] {
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::open(scratch.path().c_str(), O_RDONLY | O_DIRECTORY);
            ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    {
        const io::FolderLock lock(scratch.path());
        EXPECT_FALSE(otherCanLock());
        {
            const io::FolderLock again(scratch.path() + "/./");
            EXPECT_FALSE(otherCanLock());
        }
        EXPECT_FALSE(otherCanLock());
    }
    EXPECT_TRUE(otherCanLock());
}

} // namespace
