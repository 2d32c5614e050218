// The game that every routine of the core works on, declared for the headers that only pass it
// along: their users need not compile every module's state that state/game.h brings in.
#pragma once

namespace game {
struct Game;
}
