// A ranking list is two files, the table and its names, and they change together: a write
// broken off anywhere leaves both old or both new, and names written for another table are
// never shown beside it.
#include "io/files.h"
#include "io/ranking.h"
#include "support/scratch.h"
#include "write_faults.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace io;
using testing_shell::FaultyWrites;
using testing_shell::ProgramStopped;
using testing_shell::ScratchFolder;

RankingTable tableWithTop(std::int32_t points) {
    RankingTable t = temporaryRanking(2);
    t.at(0, Column::Points) = points;
    return t;
}

const RankingNames kOldNames = {"Old one", "Old two"};
const RankingNames kNewNames = {"New one", "New two", "New three"};

struct ListOnDisk {
    std::int32_t topPoints;
    RankingNames names;
};

ListOnDisk readList(const std::string& folder) {
    const RankingRead read = readTable(folder, 2);
    EXPECT_EQ(read.check, TableCheck::Good);
    return {read.table.points(1), readNames(folder, 2)};
}

TEST(RankingWrites, AWriteCutOffAtAnyStepLeavesBothFilesOldOrBothNew) {
    // Table and names bytes, the two renames, and one more step that lets everything through.
    const std::size_t names = joinLines({kNewNames.begin(), kNewNames.end()}).size() +
                              namesStamp(tableBytes(tableWithTop(1))).size() + 1;
    const std::size_t allSteps = kTableBytes + names + 2;
    testing_shell::UnsyncedWrites unsynced;
    ScopedWriteLayer quick(unsynced);
    for (const auto mode : {FaultyWrites::Mode::Fail, FaultyWrites::Mode::Stop}) {
        for (std::size_t steps = 0; steps <= allSteps; ++steps) {
            SCOPED_TRACE(testing::Message()
                         << "steps " << steps << " stop " << (mode == FaultyWrites::Mode::Stop));
            ScratchFolder folder;
            RankingTable old = tableWithTop(500);
            ASSERT_FALSE(writeRanking(folder.path(), 2, old, kOldNames));
            RankingTable next = tableWithTop(900);
            bool failed = true;
            bool cut = false;
            {
                FaultyWrites faults(steps, mode);
                ScopedWriteLayer use(faults);
                try {
                    failed = writeRanking(folder.path(), 2, next, kNewNames).has_value();
                } catch (const ProgramStopped&) {
                }
                cut = faults.cut();
            }
            EXPECT_EQ(failed, cut);
            const ListOnDisk now = readList(folder.path());
            // Once the names are in place the write counts as made, the table following at
            // the next read.
            const bool namesInPlace = steps > kTableBytes + names;
            const bool isNew = !cut || namesInPlace;
            EXPECT_EQ(now.topPoints, isNew ? 900 : 500);
            EXPECT_EQ(now.names, isNew ? kNewNames : kOldNames);
            if (mode == FaultyWrites::Mode::Fail && !namesInPlace) {
                EXPECT_FALSE(isStaged(tableFile(folder.path(), 2)));
                EXPECT_FALSE(isStaged(namesFile(folder.path(), 2)));
            }
        }
    }
}

TEST(RankingWrites, NamesWrittenForAnotherTableAreNotShownBesideIt) {
    ScratchFolder folder;
    RankingTable t = tableWithTop(700);
    ASSERT_FALSE(writeRanking(folder.path(), 2, t, kNewNames));
    EXPECT_EQ(readNames(folder.path(), 2), kNewNames);

    // Another valid table copied in by hand over this one: its names are not these.
    RankingTable other = tableWithTop(650);
    stampTable(other, 2);
    ASSERT_FALSE(writeBytes(tableFile(folder.path(), 2), tableBytes(other)));
    EXPECT_EQ(readTable(folder.path(), 2).check, TableCheck::Good);
    EXPECT_EQ(readNames(folder.path(), 2), RankingNames{});

    // A damaged table is replaced by the temporary ranking, which has no names either.
    std::filesystem::remove(tableFile(folder.path(), 2));
    EXPECT_EQ(readNames(folder.path(), 2), RankingNames{});

    // A names file without a stamp (ten plain lines) is taken as it is.
    testing_shell::writeFile(namesFile(folder.path(), 2), "Plain\n");
    EXPECT_EQ(readNames(folder.path(), 2), RankingNames{"Plain"});
}

} // namespace
