// The "Ending" window: a borderless window over the play area that shows the ending slideshow,
// shrinks the last slide away, unrolls "The End" and waits for a click on its button.
#pragma once

namespace game {
struct Game;
enum class Key;
} // namespace game

namespace scenes {

// Open the Ending window over the main window's play area and start its slideshow.
void openEndingWindow(game::Game& game);

// form3activate: place the window, its pictures and its button panel, and start its timer.
void form3activate(game::Game& game);

// The Ending window's slideshow timer ticked: one step of the slideshow.
void endingTimer1Timer(game::Game& game);

// image5click: the button picture was clicked: the window closes and the lap ends.
void image5click(game::Game& game);

// formonkeydown of the Ending window: while it is open it takes every key; Enter closes it
// like the button once the button is shown, under keyboard control only. False when the
// window is not open (the key is the main window's).
bool formonkeydown(game::Game& game, game::Key key);

// append: close the Ending window: the main window's pictures are hidden, the command timer
// resumes and the completion restart follows.
void append(game::Game& game);

} // namespace scenes
