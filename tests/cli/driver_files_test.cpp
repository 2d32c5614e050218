// The driver's set-up commands keep the hero on the map, and its files are written through
// the game's own writer.
#include "driver_fixture.h"
#include "game/setup.h"
#include "io/files.h"
#include "io/saved_game.h"
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
    const auto bytes = io::readBytes(path("game.dat"), io::kSaveBytes + 1);
    ASSERT_TRUE(bytes);
    const auto saved = io::fromImage(*bytes);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->status[world::Slot::Gold], 1234);
    EXPECT_TRUE(io::isValid(saved->status));
    EXPECT_FALSE(io::isStaged(path("game.dat")));
    // Only the file carries the stamped checksums: the game in play is not touched.
    EXPECT_EQ(game.status[world::Slot::Checksum], 0);
    EXPECT_NE(saved->status[world::Slot::Checksum], 0);

    const std::string missing = path("no/such/game.dat");
    EXPECT_EQ(error("save-game " + missing).rfind("Cannot write " + missing + ": ", 0), 0u);
    EXPECT_EQ(error("save-screen " + missing).rfind("Cannot write " + missing + ": ", 0), 0u);
}

// The set-up doors themselves refuse a floor, cell or place off the map, whoever calls them.
TEST_F(DriverFiles, SetUpDoorsRefuseWhatTheMapLacks) {
    const world::TowerMap map = game.map;
    const world::Status status = game.status;
    EXPECT_FALSE(game::setTile(game, 51, 0, 6));
    EXPECT_FALSE(game::setTile(game, 1, 121, 6));
    EXPECT_FALSE(game::placeHero(game, -1, 5, 5));
    EXPECT_FALSE(game::placeHero(game, 1, 5, 11));
    EXPECT_FALSE(game::placeItemCursor(game, 15));
    EXPECT_TRUE(game::setStatus(game, 171, 0)); // past the block: an error, not a crash
    EXPECT_EQ(game.map.bytes, map.bytes);
    EXPECT_EQ(game.status.words, status.words);

    EXPECT_TRUE(game::placeHero(game, 3, 10, 0));
    EXPECT_EQ(game.heroCell, 10);
    EXPECT_TRUE(game::setTile(game, 50, 120, 8));
    EXPECT_EQ(game.map.tile(50, 120), 8);
}

// A recording's start save passes the same checks as the Load menu: whole sums do not make a
// floor 51, a hero off the map or a facing no picture has playable.
TEST_F(DriverFiles, LoadStateRefusesASaveTheLoadMenuRefuses) {
    const world::Status before = game.status;
    for (const auto& [slot, value] : {std::pair{world::Slot::Floor, 51},
                                      {world::Slot::HeroY, 11},
                                      {world::Slot::HeroX, 200},
                                      {world::Slot::Facing, 9}}) {
        SCOPED_TRACE(testing::Message() << "status[" << slot << "] = " << value);
        world::Status status = game.status;
        status[world::Slot::SaveMarker] = world::kSaveMarker;
        status[slot] = value;
        io::stampChecksums(status);
        ASSERT_FALSE(io::writeBytes(path("bad.sav"), io::toImage(game.map, status)));
        EXPECT_EQ(error(std::string("load-state ") + path("bad.sav")),
                  "\"" + path("bad.sav") + "\" is not a saved game of Gravenhold");
        EXPECT_EQ(game.status.words, before.words);
    }
}

} // namespace
