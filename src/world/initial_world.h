// The tower as a new game finds it, compiled in from the floor files.
#pragma once

#include "world/tower_map.h"

namespace world {

const TowerMap& initialTower();

} // namespace world
