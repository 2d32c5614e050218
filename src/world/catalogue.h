// The message catalogue: the 268 numbered text lines every message is built from.
#pragma once

#include <string_view>

namespace world {

// Line n (0..267) of the catalogue; an empty text for a number outside the catalogue.
std::string_view catalogueLine(int n);

} // namespace world
