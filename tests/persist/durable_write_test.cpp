// Every file the game writes goes through one writer: a write broken off at any byte, or
// failing to flush or close, leaves the old file whole; a finished write leaves the new one.
#include "io/files.h"
#include "support/scratch.h"
#include "write_faults.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_shell::FailingCall;
using testing_shell::FaultyWrites;
using testing_shell::fileBytes;
using testing_shell::ProgramStopped;
using testing_shell::ScratchFolder;

Bytes asBytes(const std::vector<unsigned char>& v) {
    return {v.begin(), v.end()};
}

Bytes pattern(std::size_t size, std::uint8_t seed) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = static_cast<std::uint8_t>(seed + 3 * i);
    return b;
}

// Writes `next` over a file holding `old` with the writing cut off after `steps` steps;
// returns whether the writer said it failed.
bool cutWrite(const std::string& path, const Bytes& next, std::size_t steps,
              FaultyWrites::Mode mode, bool& cut) {
    FaultyWrites faults(steps, mode);
    io::ScopedWriteLayer use(faults);
    bool failed = true;
    try {
        failed = io::writeBytes(path, next).has_value();
    } catch (const ProgramStopped&) {
    }
    cut = faults.cut();
    return failed;
}

TEST(DurableWrites, AWriteCutOffAtAnyByteLeavesTheOldFileOrTheNewOneNeverAMix) {
    ScratchFolder scratch;
    const std::string path = scratch.path("save3.dat");
    const Bytes old = pattern(50, 1);
    const Bytes next = pattern(40, 9); // shorter, so a mix would show in the length too
    testing_shell::UnsyncedWrites unsynced;
    io::ScopedWriteLayer quick(unsynced);
    for (const auto mode : {FaultyWrites::Mode::Fail, FaultyWrites::Mode::Stop}) {
        // Every byte of the data, then the rename, then a budget that lets it all through.
        for (std::size_t steps = 0; steps <= next.size() + 1; ++steps) {
            ASSERT_FALSE(io::writeBytes(path, old));
            bool cut = false;
            const bool failed = cutWrite(path, next, steps, mode, cut);
            const Bytes now = asBytes(fileBytes(path));
            SCOPED_TRACE(testing::Message()
                         << "steps " << steps << " stop " << (mode == FaultyWrites::Mode::Stop));
            EXPECT_EQ(failed, cut);
            EXPECT_EQ(now, cut ? old : next);
            if (mode == FaultyWrites::Mode::Fail) {
                EXPECT_FALSE(io::isStaged(path));
            }
        }
    }
    // A temporary file left by a stopped program does not hinder the next write.
    bool cut = false;
    cutWrite(path, next, 3, FaultyWrites::Mode::Stop, cut);
    ASSERT_TRUE(io::isStaged(path));
    EXPECT_FALSE(io::writeBytes(path, pattern(5, 7)));
    EXPECT_EQ(asBytes(fileBytes(path)), pattern(5, 7));
}

TEST(DurableWrites, AFailedOpenFlushOrCloseIsToldAndKeepsTheOldFile) {
    ScratchFolder scratch;
    const std::string path = scratch.path("option.dat");
    for (const auto call :
         {FailingCall::Call::Open, FailingCall::Call::Fsync, FailingCall::Call::Close}) {
        ASSERT_FALSE(io::writeBytes(path, pattern(10, 1)));
        FailingCall failing(call);
        io::ScopedWriteLayer use(failing);
        const auto error = io::writeBytes(path, pattern(10, 2));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->rfind("Cannot write " + path + ": ", 0), 0u) << *error;
        EXPECT_EQ(asBytes(fileBytes(path)), pattern(10, 1));
        EXPECT_FALSE(io::isStaged(path));
    }
}

TEST(DurableWrites, LinesAreWrittenEachWithItsLineFeed) {
    ScratchFolder scratch;
    const std::string path = scratch.path("KRN10.INI");
    ASSERT_FALSE(io::writeLines(path, {"/saves", "", "note"}));
    EXPECT_EQ(io::readLines(path), (std::vector<std::string>{"/saves", "", "note"}));
    EXPECT_EQ(fileBytes(path).size(), 13u);
}

} // namespace
