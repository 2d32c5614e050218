#include "solve/start.h"

#include "io/files.h"
#include "persist/loaded_values.h"
#include "world/formats.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace solve {
namespace {

std::string floorFile(const std::string& folder, int floor) {
    char name[16];
    std::snprintf(name, sizeof name, "floor%02d.txt", floor);
    return folder + "/" + name;
}

// Lays the floors of the folder over the map; the error of the first floor that fails.
std::optional<std::string> readFloors(const std::string& folder, world::TowerMap& map) {
    for (int floor = 0; floor <= world::kTopFloor; ++floor) {
        const std::string path = floorFile(folder, floor);
        std::ifstream in(path);
        if (!in)
            return "cannot read the floor file \"" + path + "\"";
        std::ostringstream text;
        text << in.rdbuf();
        const auto parsed = world::parseFloor(text.str(), path);
        if (const auto* error = std::get_if<world::FormatError>(&parsed))
            return error->describe();
        const auto& data = std::get<world::FloorData>(parsed);
        map.bytes[world::TowerMap::arrivalUpOffset(floor)] = data.arrivalUp;
        map.bytes[world::TowerMap::arrivalUpOffset(floor) + 1] = data.arrivalDown;
        for (int cell = 0; cell < world::kCells; ++cell)
            map.setTile(floor, cell, data.cells[static_cast<std::size_t>(cell)]);
    }
    return std::nullopt;
}

} // namespace

std::variant<Position, std::string>
startPosition(const std::string& gameFolder, const std::string& floors, const std::string& save) {
    Position position = Player(gameFolder).position();
    if (!save.empty()) {
        const auto bytes = io::readBytes(save, io::kSaveBytes + 1);
        const auto loaded = bytes ? io::fromImage(*bytes) : std::nullopt;
        if (!loaded || !io::isValid(loaded->status) || !persist::validateLoadedValues(*loaded))
            return "\"" + save + "\" is no saved game";
        position = *loaded;
    }
    if (!floors.empty()) {
        if (auto error = readFloors(floors, position.map))
            return *error;
    }
    return position;
}

} // namespace solve
