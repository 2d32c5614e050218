// The controls, timers and menu entries of the main window as the rules show, hide, enable,
// caption, focus and start them. The rules say what they want shown through these routines;
// only the drawing layer touches the window model.
#pragma once

#include "picture/picture.h"
#include "state/game_fwd.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace render {

// A control of the main window (names of window/names.h; unknown names throw, as the model).
void showControl(game::Game& game, std::string_view name, bool shown = true);
void enableControl(game::Game& game, std::string_view name, bool enabled = true);
void setText(game::Game& game, std::string_view name, std::string text);
void setPicture(game::Game& game, std::string_view name, Picture picture);
// The font size of a text control; a name the window lacks is passed over.
void setFontSize(game::Game& game, std::string_view name, int size);
void focusControl(game::Game& game, std::string_view name);
bool controlShown(const game::Game& game, std::string_view name);
bool controlEnabled(const game::Game& game, std::string_view name);
// Shown and enabled, so that the player can click it; false for a name the window lacks.
bool clickable(const game::Game& game, std::string_view name);

// The status figures and the arrow buttons leave the window (a full-window scene).
void hideStatusFields(game::Game& game);

// What the window's screen picture shows now (copy it to keep it).
const Picture& screenPicture(const game::Game& game);
// Moves a control's picture out (it is left empty), so that a step can reuse its pixels.
Picture takePicture(game::Game& game, std::string_view name);
// How many drawings the screen picture has had so far.
std::uint64_t screenDrawings(const game::Game& game);
// Whether the full-window picture (Image23) still shows a picture of `like`'s size with nothing
// drawn on the screen since it had `drawings` drawings.
bool fullWindowStillShows(const game::Game& game, const Picture& like, std::uint64_t drawings);
// Copies `rows` of `from` into the full-window picture and onto the screen beneath it: all
// that changes when a picture grows row by row over the one the window shows.
void drawFullWindowRows(game::Game& game, const Picture& from, Rect rows);

// A timer of any window ("Timer1", "About.Timer1").
void setTimerRunning(game::Game& game, std::string_view timer, bool running);
bool timerRunning(const game::Game& game, std::string_view timer);
void setTimerInterval(game::Game& game, std::string_view timer, int intervalMs);
int timerInterval(const game::Game& game, std::string_view timer);

// The main window's caption, and its place on the screen.
void setCaption(game::Game& game, std::string caption);
void placeMainWindow(game::Game& game, int left, int top);
int mainClientWidth(const game::Game& game);

// An entry of the main window's menu by its path.
void checkMenu(game::Game& game, std::string_view path, bool checked);
void enableMenu(game::Game& game, std::string_view path, bool enabled);
bool menuEnabled(const game::Game& game, std::string_view path);

// A secondary window ("Ranking", "DataFolder", "Ending"): shown or hidden, whether it shows,
// a control of it shown or hidden, the focus given to one of its controls, the text of a
// control, and its fonts: the dialogue size for the controls named, the small size for the
// rest.
void showWindow(game::Game& game, std::string_view window, bool shown);
bool windowShown(const game::Game& game, std::string_view window);
void showWindowControl(game::Game& game, std::string_view window, std::string_view control,
                       bool shown);
bool windowControlShown(const game::Game& game, std::string_view window, std::string_view control);
bool windowControlHasPicture(const game::Game& game, std::string_view window,
                             std::string_view control);
void setWindowPicture(game::Game& game, std::string_view window, std::string_view control,
                      Picture picture);
void setWindowControlFont(game::Game& game, std::string_view window, std::string_view control,
                          int size);
void focusInWindow(game::Game& game, std::string_view window, std::string_view control);
void setWindowText(game::Game& game, std::string_view window, std::string_view control,
                   std::string text);
void setWindowFonts(game::Game& game, std::string_view window,
                    std::span<const std::string_view> large);

// The dialogue box over the play field: open with a text at its place, in the dialogue font,
// with the answer buttons laid out at its lower right corner, all hidden; close: cleared and
// hidden.
void openBox(game::Game& game, std::string text);
void closeBox(game::Game& game);

// Answer k (0 at the top) laid out across the dialogue box, in the dialogue font, with its
// caption, and shown.
void showChoice(game::Game& game, int k, std::string_view button, std::string caption);

// The "Don't use" / "Use" pair under an item's icon, shown and enabled, "Don't use" focused.
void showUsePair(game::Game& game, std::string_view icon);

// A text control takes the dialogue font of the Options menu.
void useDialogueFont(game::Game& game, std::string_view name);

} // namespace render
