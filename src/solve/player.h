// A game that the route finder plays without a window: the headless driver's own commands on
// a game whose pictures are switched off, put back to any position through the game's load.
#pragma once

#include "io/saved_game.h"
#include "replay/driver.h"
#include "replay/script_platform.h"
#include "state/game.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace solve {

// What decides the game from here: the tower map and the status block with its seven words,
// exactly what a saved game holds.
using Position = io::LoadedGame;

class Player {
  public:
    // A new game from the game folder (its pictures, read once), as the driver starts one.
    explicit Player(const std::string& gameFolder);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    game::Game& game() { return *game_; }
    const game::Game& game() const { return *game_; }

    Position position() const { return {game_->map, game_->status}; }

    // The status block of the new game it started with: a lost fight brings it back.
    const world::Status& newGameStatus() const { return newGame_; }

    // Puts a position in play as loading it from a slot would, input open.
    void restore(const Position& position);

    // Plays one line of the driver's language ("key up", "click Button2", "run"); false when
    // the line is refused or the game stays busy.
    bool play(std::string_view line);

    // The dialogue buttons a waiting dialog shows, in the window's order; empty while input is
    // open.
    std::vector<std::string> dialogButtons() const;

    // True while the Ending window plays its pictures and its button is not yet there.
    bool endingPlaying() const;

  private:
    const window::Control* endingButton() const;

    // A folder of its own for the settings, options and saves the game writes, removed with
    // the player: a search never touches the player's own files.
    struct ScratchFolder {
        ScratchFolder();
        ~ScratchFolder();
        ScratchFolder(const ScratchFolder&) = delete;
        ScratchFolder& operator=(const ScratchFolder&) = delete;
        std::string path;
    };

    ScratchFolder scratch_;
    std::unique_ptr<game::Game> game_;
    std::ostream discarded_{nullptr}; // what the driver would print: the finder reads the state
    replay::ScriptPlatform platform_;
    replay::Driver driver_;
    world::Status newGame_;
};

// True when the two positions are the same to the last byte.
bool samePosition(const Position& a, const Position& b);

// Plays a route as the driver would from `start` (a game of its own: a new game as the
// driver starts one, put to `start` by a load when that differs) and says whether it ends
// exactly at `end`: the proof that a route found is a route.
bool routeReaches(const std::string& gameFolder, const Position& start,
                  const std::vector<std::string>& route, const Position& end);

} // namespace solve
