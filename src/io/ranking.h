// The five top-ten lists of the fairy's checkpoints (floors 10, 20, 25, 40 and 49): the table
// files option1.dat..option5.dat (a grid of 12 rows by 6 columns of 32-bit words guarded by
// row and column sums and a version word), the name files option11.dat..option51.dat (ten
// lines), the temporary ranking that stands in for a missing or damaged list, and the points a
// checkpoint is worth.
#pragma once

#include "io/ranking_table.h"
#include "world/status.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace io {

// What a place records: the points and the hero's life, offense and defense.
struct RankingEntry {
    std::int32_t points = 0;
    std::int32_t life = 0;
    std::int32_t offense = 0;
    std::int32_t defense = 0;
};

// The outcome of reading a table file.
enum class TableCheck {
    Good,
    Unreadable,   // missing or shorter than 288 bytes
    Abnormal,     // a row or column sum does not match
    OtherVersion, // the sums match but the version word is not that of this list
};

// The message box that replaces a table by the temporary ranking (nothing for a good table).
const char* checkMessage(TableCheck check);

// The version word of list n: the save marker times 100, less n (-401..-405).
std::int32_t versionWord(int list);

// The table as its 288 bytes, little-endian, row by row; and back (nothing unless exactly
// 288 bytes).
std::array<std::uint8_t, kTableBytes> tableBytes(const RankingTable& table);
std::optional<RankingTable> tableFromBytes(std::span<const std::uint8_t> bytes);

// Fill in the row sums, the column sums and the version word of list n, as saving does.
void stampTable(RankingTable& table, int list);

// Check a table read from list n's file: every sum, then the version word.
TableCheck checkTable(const RankingTable& table, int list);

// The built-in list that stands in for list n: points 100 down to 10, life, offense and defense
// by the list, no sums.
RankingTable temporaryRanking(int list);

// The place (1..10) that the points earn: the first place whose points are strictly lower; 0
// when none is.
int placeFor(const RankingTable& table, std::int32_t points);

// Enter a name and its entry at place p: places p..9 move down one, the old 10th is dropped.
void enterPlace(RankingTable& table, RankingNames& names, int place, const std::string& name,
                const RankingEntry& entry);

// The list of a checkpoint floor (10 -> 1, 20 -> 2, 25 -> 3, 40 -> 4, 49 -> 5), 0 elsewhere.
int listOfFloor(std::int32_t floor);

// The fairy's valuation of the hero on checkpoint list n: life, offense, defense and keys
// against what the floor expects in this lap, never below 0.
std::int32_t checkpointPoints(const world::Status& status, int list);

// The files of list n in the save folder: option<n>.dat and option<n>1.dat.
std::string tableFile(const std::string& saveFolder, int list);
std::string namesFile(const std::string& saveFolder, int list);

// scoreload's reading: list n's table with its check, the temporary ranking in its place when
// the check fails.
struct RankingRead {
    RankingTable table;
    TableCheck check = TableCheck::Good;
};
RankingRead readTable(const std::string& saveFolder, int list);

// The ten names of list n; a missing file gives empty names, missing lines empty places.
// Names stamped for another table than the one in the table file are not that table's names:
// they give empty places too.
RankingNames readNames(const std::string& saveFolder, int list);

// The line written after the ten names that ties them to the table file written with them.
std::string namesStamp(std::span<const std::uint8_t> tableFileBytes);

// scoresave's writing: the table with its sums and version word stamped, and the names with
// the stamp of that table. Both files change or neither does: both are first written whole
// beside their targets, then the names are put in place and then the table. Should the
// program stop between the two, the next read finds the new names stamped for the waiting
// new table and puts that table in place. The error text for the player, or nothing.
// Ranking reads and writes hold the save folder's lock (FolderLock), so that two copies of
// the game never interleave them.
std::optional<std::string> writeRanking(const std::string& saveFolder, int list,
                                        RankingTable& table, const RankingNames& names);

// Put in place a ranking write of list n that stopped half-way (or drop one that never got as
// far as its names), so that the two files on disk belong together; before a copy of them.
void finishInterruptedWrite(const std::string& saveFolder, int list);

// A list as the Ranking window holds it.
struct RankingList {
    RankingTable table;
    RankingNames names;
};

// A name entered at the fairy's checkpoint, waiting to be saved.
struct NewEntry {
    std::string name;
    RankingEntry entry;
};

// scoresave with a second copy of the game in mind. Under the save folder's lock the list is
// read again: when it is still as it was read before the name was asked (`seen`), `shown` is
// written as it stands. When another copy of the game saved the list meanwhile, its entries
// stay: the new entry, if any, goes into the list as it is now at the place its points earn
// there, and `shown` becomes the list written. The error text for the player, or nothing.
std::optional<std::string> saveList(const std::string& saveFolder, int list,
                                    const RankingList& seen, RankingList& shown,
                                    const std::optional<NewEntry>& entered);

} // namespace io
