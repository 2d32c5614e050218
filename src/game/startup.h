// The application shell's side of the game: the start-up sequence, new game, quit and exit,
// help, and the shell state that goes with them.
#pragma once

namespace game {

struct Game;

inline constexpr const char* kCaption = "Gravenhold Ver1.0";
inline constexpr const char* kHelpFile = "KRN.HLP";

// formactivate: the start-up sequence, run once when the main window is first shown: settings,
// window placement, pictures, hints, options, then a new game (or the opening).
void formactivate(Game& game);

// While the opening plays nothing reaches the hidden game on floor 1: input stays closed but
// for the Load menu ("Game &Start" is always open). The opening's end opens it with the new game.
void closeInputForOpening(Game& game);

// GameStart1Click: "Game &Start" abandons the opening and starts a new game at once.
void GameStart1Click(Game& game);

// GameQuit1Click and Exit1Click: "Game &Quit" and "E&xit" stop the music and end the program.
void GameQuit1Click(Game& game);
void Exit1Click(Game& game);

// KRN10close: the window was closed by the desktop; the program ends.
void KRN10close(Game& game);

// Help2Click: "Help Library" opens the help file at its contents page.
void Help2Click(Game& game);

} // namespace game
