// A floor source file: parsed as the data compiler parses it and, when it is good, laid on
// floor 1 of a new game for the hero to walk.
#include "harness.h"
#include "world/formats.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = world::parseFloor(text, "floor.txt");
    const auto* floor = std::get_if<world::FloorData>(&parsed);
    if (!floor)
        return 0;
    game::Game& game = fuzz::freshGame();
    const std::size_t at = world::TowerMap::arrivalUpOffset(1);
    game.map.bytes.at(at) = floor->arrivalUp;
    game.map.bytes.at(at + 1) = floor->arrivalDown;
    for (int cell = 0; cell < world::kCells; ++cell)
        game.map.setTile(1, cell, floor->cells[static_cast<std::size_t>(cell)]);
    static constexpr std::uint8_t kWalk[] = {0, 0, 2, 2, 7, 1, 3, 3, 7, 0, 0, 0, 7};
    fuzz::play(game, kWalk, fuzz::Drawing::Pictures);
    return 0;
}
