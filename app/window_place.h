// Where the game's windows open on the desktop. The window manager draws a frame (a title bar
// and borders) around each window: the game's window puts its frame, not its client area, at
// the top-left corner of the screen's free area, so that its title bar can be taken; the other
// windows open centred on the game's window and wholly inside that free area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace shell {

// The top-left corner of a frame of `frameSize` centred on `around` and then moved, as little
// as it takes, wholly inside `available` (its top-left corner first when it is larger).
QPoint centredInside(QRect available, QRect around, QSize frameSize);

// The frame around a window's client area: what `window` shows now, or, before it has shown
// once, the frame of `like` (another window of the program that has), or none.
QMargins frameOf(const QWidget& window, const QWidget* like = nullptr);

// Put the frame of the top-level `window` (shown or not) with its top-left corner at `topLeft`.
void placeFrame(QWidget& window, QPoint topLeft);

// Open the top-level `window` centred on `owner` inside the free area of owner's screen.
void placeCentredOn(QWidget& window, const QWidget& owner);

} // namespace shell
