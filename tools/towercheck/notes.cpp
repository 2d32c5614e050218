// What the tower's text files say beside the map: the landings a floor file marks as
// pockets meant to lead nowhere else ("# pocket: CELL why" in floorNN.txt), and the places
// the route names ("- floor F, cell C: NAME" in the route's list of finds). The route's
// names must stand where it says in the tower the game starts with.
#include "combat/monsters.h"
#include "tower_rules.h"
#include "world/catalogue.h"
#include "world/tiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

namespace towercheck {
namespace {

struct NamedTile {
    const char* name;
    std::uint8_t code;
};

// The names the route uses for what is not a monster, with the tile each stands on.
constexpr NamedTile kNamedTiles[] = {
    {"yellow key", 29},
    {"red key", 30},
    {"blue key", 31},
    {"red elixir", 32},
    {"blue elixir", 33},
    {"red crystal", 34},
    {"blue crystal", 35},
    {"Orb of Hero", 36},
    {"Orb of Wisdom", 37},
    {"Orb of Flying", 38},
    {"Cross", 39},
    {"Elixir", 40},
    {"Mattock", 41},
    {"Destructible Ball", 42},
    {"Treasured Article", 43},
    {"Wing to Ascend", 44},
    {"Wing to Descend", 45},
    {"Dragon Slayer", 46},
    {"Snow Crystal", 47},
    {"Magic Key", 48},
    {"Super Mattock", 49},
    {"Lucky Gold", 50},
    {"Iron Sword", 51},
    {"Silver Sword", 52},
    {"Sword of Knight", 53},
    {"Holy Sword", 54},
    {"Sacred Sword", 55},
    {"Iron Shield", 56},
    {"Silver Shield", 57},
    {"Shield of Knight", 58},
    {"Holy Shield", 59},
    {"Sacred Shield", 60},
    {"yellow door", 1},
    {"blue door", 2},
    {"red door", 3},
    {"gate", 4},
    {"event cell", 7},
    {"hidden old man", 10},
    {"hidden Cross", 10},
    {"hidden merchant", 10},
    {"up stairs", 11},
    {"down stairs", 12},
    {"altar", 16},
    {"merchant", 19},
    {"thief", 21},
    {"fairy", 23},
    {"old man", 25},
    {"gate of time and space", 27},
};

// The monster kind a name from the game's own list of monster names stands for.
std::optional<int> monsterKindNamed(const std::string& name) {
    for (int code = 0; code < 256; ++code) {
        const auto kind = world::monsterKind(static_cast<std::uint8_t>(code));
        if (kind && world::catalogueLine(combat::monsterNameLine(*kind)) == name)
            return kind;
    }
    return std::nullopt;
}

// True when the tile is what the name means; nullopt when the name means nothing known.
std::optional<bool> tileIsNamed(std::uint8_t tile, const std::string& name) {
    for (const NamedTile& t : kNamedTiles) {
        if (name == t.name)
            return tile == t.code;
    }
    if (const auto kind = monsterKindNamed(name))
        return world::monsterKind(tile) == kind;
    return std::nullopt;
}

} // namespace

std::vector<Place> readPocketMarks(const std::string& floorsFolder) {
    static const std::regex mark(R"(^#\s*pocket:\s*(\d+)\b.*)");
    std::vector<Place> out;
    for (int f = 0; f < world::kFloors; ++f) {
        char name[16];
        std::snprintf(name, sizeof name, "floor%02d.txt", f);
        std::ifstream in(std::filesystem::path(floorsFolder) / name);
        std::smatch m;
        for (std::string line; std::getline(in, line);) {
            if (std::regex_match(line, m, mark))
                out.push_back({f, std::stoi(m[1].str())});
        }
    }
    return out;
}

std::vector<RouteName> readRouteNames(std::istream& route) {
    static const std::regex place(R"(^- floor (\d+), cell (\d+): (.+?)\s*$)");
    std::vector<RouteName> out;
    std::smatch m;
    for (std::string line; std::getline(route, line);) {
        if (std::regex_match(line, m, place))
            out.push_back({std::stoi(m[1].str()), std::stoi(m[2].str()), m[3].str()});
    }
    return out;
}

// checkRouteNames: each place the route names holds what it names at the start of a game.
Violations checkRouteNames(const world::TowerMap& tower, const std::vector<RouteName>& names) {
    Violations out;
    for (const RouteName& n : names) {
        if (!world::validFloor(n.floor) || n.cell < 0 || n.cell >= world::kCells) {
            detail::add(out, n.floor, -1, "the route names a place outside the tower: " + n.name);
            continue;
        }
        const auto matches = tileIsNamed(tower.tile(n.floor, n.cell), n.name);
        if (!matches)
            detail::add(out, n.floor, n.cell, "the route names \"" + n.name + "\", unknown here");
        else if (!*matches)
            detail::add(out, n.floor, n.cell, "the route names " + n.name + ", not found here");
    }
    return out;
}

} // namespace towercheck
