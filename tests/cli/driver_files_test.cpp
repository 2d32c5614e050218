// The driver's set-up commands keep the hero on the map, and its files are written through
// the game's own writer.
#include "driver_fixture.h"
#include "persist/files.h"
#include "persist/saved_game.h"
#include "support/scratch.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct DriverFiles : DriverFixture {
    testing_shell::ScratchFolder folder;

    std::string path(const char* name) const { return folder.path(name); }
};

TEST_F(DriverFiles, SetStatusRefusesAFloorOrAPlaceTheMapLacks) {
    const world::Status before = game.status;
    EXPECT_EQ(error("set status 4 99"), "floor 99 of status[4] is not on the map (0..50)");
    EXPECT_EQ(error("set status 4 -1"), "floor -1 of status[4] is not on the map (0..50)");
    EXPECT_EQ(error("set status 6 11"), "x 11 of status[6] is not on the map (0..10)");
    EXPECT_EQ(error("set status 7 -2147483648"),
              "y -2147483648 of status[7] is not on the map (0..10)");
    EXPECT_EQ(game.status.words, before.words);

    // The edges of the map, and any value at all in the other slots.
    accept({"set status 4 50", "set status 6 0", "set status 7 10", "set status 5 2147483647"});
    EXPECT_EQ(game.status[world::Slot::Floor], 50);
}

TEST_F(DriverFiles, SaveGameReplacesAFileWholeAndSaysWhenItCannot) {
    std::ofstream(path("game.dat")) << "an older file";
    EXPECT_EQ(error("set status 157 -4"), "ok"); // the mark of a game in play
    EXPECT_EQ(error("set status 3 1234"), "ok");
    EXPECT_EQ(error(std::string("save-game ") + path("game.dat")), "ok");
    const auto bytes = persist::readBytes(path("game.dat"), persist::kSaveBytes + 1);
    ASSERT_TRUE(bytes);
    const auto saved = persist::fromImage(*bytes);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status[world::Slot::Gold], 1234);
    EXPECT_TRUE(persist::isValid(saved->status));
    EXPECT_FALSE(persist::isStaged(path("game.dat")));

    const std::string missing = path("no/such/game.dat");
    EXPECT_EQ(error("save-game " + missing).rfind("Cannot write " + missing + ": ", 0), 0u);
    EXPECT_EQ(error("save-screen " + missing).rfind("Cannot write " + missing + ": ", 0), 0u);
}

} // namespace
