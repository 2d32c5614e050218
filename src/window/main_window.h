// The window model as the game starts: the main window with every control, the menu and the
// timers, and the four secondary windows (About, Ranking, Ending, DataFolder).
//
// Control geometry is relative to the control's parent (the window, or a panel such as
// "Panel1"). Image1, Image2, Image3 and Image23 of the main window are background pictures:
// what they show is painted into the window's screen picture, and the shell draws them only
// through it. Secondary windows' timers are named "About.Timer1" and "Ending.Timer1".
//
// Controls of the secondary windows where the game's layout leaves names open:
//   Ranking: Button1..Button5 ("10 F".."49 F"), Button6 "Exit", Label1 the title line,
//     Label2..Label7 the column heads, Edit1..Edit60 the table (row r 0..9, column c 0..5:
//     Edit(6r + c + 1); columns rank, points, name, life, offense, defense).
//   Ending: Image1..Image3 (640 x 400 pictures), Panel1 with Image4 (the button picture).
//   DataFolder: Label1 title, Label2 "Situation", Edit1 the chosen folder, DriveComboBox1,
//     DirectoryListBox1, FileListBox1 (list boxes), Button3 "Make Directory", Button1 "OK",
//     Button2 "Cancel".
#pragma once

#include "window/window_model.h"

#include <string_view>

namespace window {

inline constexpr int kClientWidth = 640;
inline constexpr int kClientHeight = 426;
inline constexpr int kRightPanel = 515; // left edge of the right panel

// The whole window model in its designed state: every control placed, captioned and hinted,
// hidden or shown as at creation; the menu with captions, short-cuts, separators, check marks
// and enabled states; Timer1..Timer4 (500/300/300/500 ms, Timer1 on) and the secondary windows.
WindowModel makeWindowModel();

// Give the keyboard focus to one control of the window and take it from all others.
void setFocus(Window& window, std::string_view control);

// The main window alone, and each secondary window alone.
Window makeMainWindow();
Window makeAboutWindow();
Window makeRankingWindow();
Window makeEndingWindow();
Window makeDataFolderWindow();

} // namespace window
