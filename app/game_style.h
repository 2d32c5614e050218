// How the window's controls are framed: in the colours of the stone panels rather than the
// desktop's. The colours of text and background stay the game's own; the borders, bevels and
// padding are drawn here, in screen pixels that grow with the zoom.
#pragma once

#include "window/window_model.h"

#include <QString>

namespace shell {

// The style sheet of a control at a zoom. A control `onPlate` stands in a well that the panel
// picture paints around it: it gets no border of its own, only room so its text never
// touches the well's edge. Empty for kinds that keep the desktop's look (pictures, labels).
QString gameStyleSheet(const window::Control& control, int zoom, bool onPlate);

} // namespace shell
