// What the main window shows before the game first draws it. The names of its controls, timers
// and menu entries are in names.h; the item icons' names are in the item table
// (world/items.h).
#pragma once

#include "window/names.h"

namespace window {

// The message line before the first redraw.
inline constexpr const char* kFirstMessage = "A brave-man is walking for save the princess.";

} // namespace window
