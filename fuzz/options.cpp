// option.dat: read and applied as at start-up, a few moves under the options it set, then
// "Save &Option": the saved block reads back as the same options.
#include "persist/options.h"

#include "game/events.h"
#include "harness.h"
#include "io/files.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    game::Game& game = fuzz::freshGame();
    fuzz::plantFile("savedat/option.dat", input);
    persist::optionload(game);
    persist::optionl1(game);
    static constexpr std::uint8_t kWalk[] = {0, 2, 7, 4, 5, 7};
    fuzz::play(game, kWalk, fuzz::Drawing::NoPictures);
    game::menuCommand(game, "&Options/Save &Option");
    const game::Options saved = game.options;
    persist::optionload(game);
    if (game.options != saved)
        std::abort(); // the options saved do not read back as they were
    return 0;
}
