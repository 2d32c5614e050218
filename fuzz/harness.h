// What every fuzz target shares: a scratch save folder, a game in free play to start each
// input from, and a few moves played after a file was loaded so that what it planted is used.
#pragma once

#include "state/game.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fuzz {

// The folder for the files a target writes (in memory when /dev/shm exists), named after the
// target so that its seeds may name it; made at the first call, removed at exit.
std::string scratchFolderOf(const std::string& target);
const std::string& scratchFolder();

// Whether a game draws its frames. A target whose input is a picture or tiles drawn on the
// play field draws them; the others may play with the pictures off, as the route finder does,
// which runs the game's rules alike and keeps the target several times faster.
enum class Drawing { Pictures, NoPictures };

// A game in free play on floor 1 under keyboard control, its save and settings folders in the
// scratch folder, drawing its frames or not. Every call puts the same game back as it was
// (reusing the memory of the last one, which keeps the targets fast) and returns it.
game::Game& freshGame(Drawing drawing = Drawing::Pictures);
// The same game as the last call gave, as the last input left it.
game::Game& sameGame();

// Write bytes to a file of the scratch folder as a player or another program might leave it;
// returns the path.
std::string plantFile(const std::string& name, std::span<const std::uint8_t> bytes);

// Play the moves: each byte is an arrow key, Enter, Escape, a click on a shown dialog button or
// a stretch of the command timer; afterwards the command timer runs until it stops (bounded).
// With NoPictures the moves are played with the pictures off (a game drawn before is drawn
// again from the next frame on).
void play(game::Game& game, std::span<const std::uint8_t> moves, Drawing drawing);

// The first `size` bytes of the input, padded with zeros; the rest of the input is left in
// `input` (the moves, in most targets).
std::vector<std::uint8_t> take(std::span<const std::uint8_t>& input, std::size_t size);

} // namespace fuzz
