// The look of everything the shell draws around the game's pictures: one palette taken from the
// stone panels, one pixel font, and the style of the menus, message boxes, tool tips and
// secondary windows. Every size here is in game pixels and grows with the zoom.
#pragma once

#include "window/window_model.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <vector>

namespace shell::skin {

// The panels' colours (the art's palette).
inline const QColor kInk{0x14, 0x0c, 0x1c};
inline const QColor kCharcoal{0x2e, 0x2a, 0x36};
inline const QColor kIronDark{0x4a, 0x46, 0x54};
inline const QColor kSteel{0x9a, 0x97, 0xa3};
inline const QColor kWhite{0xf4, 0xf1, 0xea};
inline const QColor kWallMortar{0x26, 0x22, 0x32};
inline const QColor kWallStone{0x56, 0x60, 0x7a};
inline const QColor kWallShade{0x3c, 0x42, 0x58};
inline const QColor kWallEdge{0x98, 0xa4, 0xbc};
inline const QColor kDarkBlue{0x1a, 0x2a, 0x6c};
inline const QColor kGold{0xf6, 0xc8, 0x40};
inline const QColor kPaleGold{0xff, 0xf3, 0x9c};
inline const QColor kLightGreen{0x84, 0xd4, 0x68};
inline const QColor kBrightRed{0xe4, 0x53, 0x3c};

// What a control shows: its text and background in the skin's colours. The game's office
// greys become stone and ink, its black text on them becomes white, its maroon gold.
struct Colours {
    QColor text;
    QColor background;
};
Colours colours(const window::Control& control);

// Every pair of text and background colours the skin draws, with where it is used: the
// controls' own pairs and those of the menus, buttons, tool tips and message boxes.
struct TextPair {
    const char* where;
    QColor text;
    QColor background;
};
std::vector<TextPair> textPairs();

// The contrast ratio of two colours (1 to 21), as the web's accessibility rules reckon it.
double contrast(const QColor& a, const QColor& b);

// The pixel font for a control's font size, drawn zoom x zoom without smoothing: the design of
// 6 x 12 game pixels below size 11 (and for 0, the window's default), of 8 x 16 from 11, of
// 12 x 24 from 14. Figures (the status numbers and names in their wells) take each design one
// size earlier. So the Options menu's four font choices give four looks: figures and dialogue
// both small (Tiny), small figures and larger dialogue (Small), both larger (Normal), larger
// figures and the largest dialogue (Big). Where the pixel font is not installed, DejaVu Sans at
// `pixels` x zoom stands in.
enum class Role { Text, Figures };
QFont pixelFont(int pixels, int zoom, Role role = Role::Text);
// The same, a smaller design while `text` would be wider than `width` or the glyphs taller than
// `height` screen pixels (a bound of 0 is none).
QFont pixelFontToFit(int pixels, int zoom, Role role, const QString& text, int width,
                     int height = 0);
bool pixelFontInstalled();

// The frames around buttons, panels and wells are nine-slice pictures of the game folder's
// `skin` folder (drawn by the art builder): two game pixels of frame on each side, grown whole
// by the zoom. `usePicturesIn` tells the style sheets where that folder is; without it (or
// without the pictures) the controls keep their colours with no frame.
void usePicturesIn(const QString& gameFolder);
// A push button in the frame pictures, its text `padding` (a style sheet's) inside the frame,
// its text and fill those of `c`; raised, under the mouse, with the keyboard's focus (a gold
// ring), pressed in, or dim when it cannot be pressed.
QString buttonStyle(const Colours& c, const QString& padding, int zoom);
// The style sheet rules for `selector` framed by the picture `name` (panel, well) at the zoom.
QString framedStyle(const QString& selector, const char* name, int zoom);

// The application's style sheet at a zoom: menu bar, menus, tool tips, dialogs, message boxes,
// input fields, lists, scroll bars and the help page. Applied with the application's font.
QString applicationStyleSheet(int zoom);
void applyToApplication(int zoom);

// The arrow of an arrow button, drawn in game pixels at the zoom (no smoothing when shown).
enum class Arrow { Up, Left, Right, Down };
QIcon arrowIcon(Arrow arrow, int side);

} // namespace shell::skin
