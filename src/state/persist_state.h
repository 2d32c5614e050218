// The persistence state of a game: the Ranking window's and the Change Data Folder window's
// working values while they are open. Game holds one PersistState.
#pragma once

#include "persist/data_folder.h"
#include "persist/ranking_window.h"

namespace persist {

struct PersistState {
    RankingState ranking;
    DataFolderState dataFolder;
};

} // namespace persist
