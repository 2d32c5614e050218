// gravenhold-cli: the game without a window, driven by a script of commands.
#include "game/game.h"
#include "game/new_game.h"

#include <iostream>

int main() {
    game::Game game;
    game::syokidata(game);
    for (int n = 0; n < world::kStatusBlockWords; ++n) {
        std::cout << "status[" << n << "]=" << game.status[n] << '\n';
    }
    return 0;
}
