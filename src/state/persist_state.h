// The persistence state of a game: the Ranking window's and the Change Data Folder window's
// working values while they are open. Game holds one PersistState.
#pragma once

#include "io/ranking_table.h"
#include "world/status.h"
#include "world/tower_map.h"

#include <cstdint>
#include <string>
#include <vector>

namespace persist {

// What the Ranking window holds while it is open.
struct RankingState {
    world::TowerMap copyMap; // the game as the window received it
    world::Status copy;
    int list = 0; // the list on show (1..5), 0 before a floor button is pressed
    io::RankingTable table;
    io::RankingNames names;
    // The list as it was read, before a name was entered: saving compares it with the file
    // so that an entry saved meanwhile by another copy of the game is kept.
    io::RankingTable seenTable;
    io::RankingNames seenNames;
};

// What the Change Data Folder window holds while it is open: the chosen folder and the
// folder of every row of its two lists.
struct DataFolderState {
    std::string chosen;
    std::vector<std::string> places;  // rows of DriveComboBox1
    std::vector<std::string> folders; // rows of DirectoryListBox1
};

struct PersistState {
    // The bytes this copy of the game last wrote to save0.dat: the Ranking window takes its
    // game from them when another copy has written the file since.
    std::vector<std::uint8_t> scratchWritten;
    RankingState ranking;
    DataFolderState dataFolder;
};

} // namespace persist
