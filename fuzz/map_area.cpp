// The tower map of a saved game: any bytes in the map area of a file whose status is that of
// a new game and whose sums are right, loaded through the Load menu, then the moves that
// follow the map in the input.
#include "game/events.h"
#include "harness.h"
#include "io/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> input(data, size);
    game::Game& game = fuzz::freshGame();
    const auto mapBytes = fuzz::take(input, world::kTowerBytes);
    world::TowerMap map;
    std::copy(mapBytes.begin(), mapBytes.end(), map.bytes.begin());
    world::Status status = game.status;
    io::stampChecksums(status);
    fuzz::plantFile("savedat/save1.dat", io::toImage(map, status));
    game::menuCommand(game, "&Game/&Load/Data &1");
    fuzz::play(game, input, fuzz::Drawing::Pictures);
    return 0;
}
