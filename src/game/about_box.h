// The About box (TAboutBox): the game's name and version, and a little animated picture of the
// villain that turns into the thief when clicked.
#pragma once

namespace game {

struct Game;

// About1Click: "&About Gravenhold" opens the About box as a modal dialog.
void About1Click(Game& game);

// formactivate of the About box: pick the dialog's font size from the main window's Font menu.
void aboutFormActivate(Game& game);

// Timer1Timer of the About box: alternate the villain's two frames (nothing while the thief
// is shown).
void aboutTimer1Timer(Game& game);

// ProgramIconClick and Image2Click: a click on the villain shows the thief.
void aboutVillainClick(Game& game);

// A click on the thief (shown in the villain's place) hides him and brings the villain back.
void aboutThiefClick(Game& game);

// OKButtonClick, and closing the box: end the About box.
void aboutClose(Game& game);

} // namespace game
