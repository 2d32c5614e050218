// The Orb of Wisdom's view: the advice record, one button for each piece of advice that the
// hero heard while he held the orb.
#pragma once

namespace game {
struct Game;
}

namespace items {

inline constexpr int kAdviceRecords = 24;

// img5work: while the orb is held, close input and show the 24 record buttons (each enabled
// when its advice was heard with the orb) and their "OK".
void img5work(game::Game& game);

// Button11Click .. Button34Click: record button n (1..24) shows its advice line in the large
// box, without an "OK" of its own; any number can be read in turn.
void recordClicked(game::Game& game, int n);
template <int N> void RecordButtonClick(game::Game& game) {
    recordClicked(game, N);
}

// Button35Click: "OK" closes the record and reopens input.
void Button35Click(game::Game& game);

} // namespace items
