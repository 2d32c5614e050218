// How the window's controls look: framed and filled in the stone panels' colours (`skin.h`)
// rather than the desktop's greys. Borders, bevels and padding are in screen pixels that grow
// with the zoom.
#pragma once

#include "window/window_model.h"

#include <QString>

namespace shell {

// The style sheet of a control at a zoom. A control `onPlate` stands in a well that the panel
// picture paints around it: it gets no border of its own, only room so its text never
// touches the well's edge. A box's text starts `indent` game pixels further right (room for a
// face). A `bare` field is not drawn at all (an empty row of a list). Empty for pictures.
QString gameStyleSheet(const window::Control& control, int zoom, bool onPlate, int indent = 0,
                       bool bare = false);

} // namespace shell
