// A saved game loaded into a game in play through the Load menu, then a few moves. Built
// twice: as the raw file, and with the file made whole first (its length, the save mark and
// both sums put right) so that the values behind the sums reach the game's own checks.
#include "io/saved_game.h"

#include "game/events.h"
#include "harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> input(data, size);
    // A refused load leaves the game as every refused load does, so after one the game need
    // not be put back in place: most inputs are refused, and this keeps the target fast.
    static bool refusedLast = false;
    // The pictures stay off, the load's screen included: what a saved game holds reaches the
    // rules the same, and drawing every accepted load's frames would slow the target fourfold.
    game::Game& game = refusedLast ? fuzz::sameGame() : fuzz::freshGame(fuzz::Drawing::NoPictures);
#ifdef GRAVENHOLD_FUZZ_WHOLE_FILES
    auto image = fuzz::take(input, io::kSaveBytes);
    auto loaded = io::fromImage(image);
    loaded->status[world::Slot::SaveMarker] = world::kSaveMarker;
    io::stampChecksums(loaded->status);
    const auto whole = io::toImage(loaded->map, loaded->status);
    fuzz::plantFile("savedat/save1.dat", whole);
    const std::span<const std::uint8_t> moves = input;
#else
    fuzz::plantFile("savedat/save1.dat", input);
    static constexpr std::uint8_t kWalk[] = {0, 2, 1, 3, 7, 0, 0, 3, 3, 7};
    const std::span<const std::uint8_t> moves = kWalk;
#endif
    const world::Status status = game.status;
    const world::TowerMap map = game.map;
    game::menuCommand(game, "&Game/&Load/Data &1");
    refusedLast = game.status.words == status.words && game.map.bytes == map.bytes;
    // A refused file leaves the game as it was: the moves would only replay the same game.
    if (!refusedLast)
        fuzz::play(game, moves, fuzz::Drawing::NoPictures);
    return 0;
}
