// A ranking list on disk, its table and its names, read by the fairy of a checkpoint floor and
// by the Ranking window, which enters the hero and saves the list. The first byte chooses the
// list and whether the table's sums are put right first (to reach the values behind them);
// then come the table's 288 bytes and the names file.
#include "io/ranking.h"

#include "harness.h"
#include "persist/ranking_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> input(data, size);
    if (input.empty())
        return 0;
    const std::uint8_t choice = input[0];
    input = input.subspan(1);
    const int list = 1 + (choice >> 1) % io::kRankingLists;
    const std::size_t tableSize = std::min(input.size(), io::kTableBytes);
    auto table = fuzz::take(input, tableSize);
    if ((choice & 1) != 0 && table.size() == io::kTableBytes) {
        auto stamped = io::tableFromBytes(table);
        io::stampTable(*stamped, list);
        const auto bytes = io::tableBytes(*stamped);
        table.assign(bytes.begin(), bytes.end());
    }
    const std::string n = std::to_string(list);
    fuzz::plantFile("savedat/option" + n + ".dat", table);
    fuzz::plantFile("savedat/option" + n + "1.dat", input);

    game::Game& game = fuzz::freshGame();
    constexpr std::int32_t kCheckpointFloors[] = {10, 20, 25, 40, 49};
    game.status[world::Slot::Floor] = kCheckpointFloors[list - 1];
    persist::fairyValuation(game);
    persist::openRankingWindow(game);
    for (int other = 1; other <= io::kRankingLists; ++other)
        persist::hyouji(game, other);
    persist::rankingExit(game);
    return 0;
}
