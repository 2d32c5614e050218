// gravenhold-towercheck: checks the compiled tower against the game's rules, prints floors as
// grids of codes and draws them with the game's tiles for review.
//
//   gravenhold-towercheck                      check every floor; exit 1 on any violation
//   gravenhold-towercheck --print F            print floor F as a grid of codes
//   gravenhold-towercheck --render F OUT.bmp   draw floor F with the game's tiles
//   gravenhold-towercheck --render-all DIR     draw every floor into DIR/floorNN.bmp
//   --game-dir DIR                             where data/chtable.dq is (default: the build)
//   --floors DIR, --route FILE                 the floor files' pocket marks and the route's
//                                              named places (default: the source tree's)
#include "floor_view.h"
#include "tower_rules.h"
#include "world/initial_world.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int checkAll(const std::string& floorsFolder, const std::string& routeFile) {
    towercheck::Notes notes;
    notes.pockets = towercheck::readPocketMarks(floorsFolder);
    std::ifstream route(routeFile);
    if (!route) {
        std::fprintf(stderr, "towercheck: cannot read the route \"%s\"\n", routeFile.c_str());
        return 1;
    }
    notes.routeNames = towercheck::readRouteNames(route);
    const auto violations = towercheck::checkTower(world::initialTower(), notes);
    for (const auto& v : violations)
        std::printf("%s\n", towercheck::describe(v).c_str());
    std::printf("towercheck: %zu violation(s) in %d floors\n", violations.size(), world::kFloors);
    return violations.empty() ? 0 : 1;
}

int renderOne(int floor, const std::string& gameDir, const std::string& out) {
    if (auto problem = towercheck::renderFloor(world::initialTower(), floor, gameDir, out)) {
        std::fprintf(stderr, "towercheck: %s\n", problem->c_str());
        return 1;
    }
    return 0;
}

int renderAll(const std::string& gameDir, const std::string& dir) {
    char name[32];
    for (int f = 0; f < world::kFloors; ++f) {
        std::snprintf(name, sizeof name, "/floor%02d.bmp", f);
        if (renderOne(f, gameDir, dir + name) != 0)
            return 1;
    }
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: gravenhold-towercheck [--game-dir DIR] [--floors DIR] [--route "
                         "FILE] [--print F | --render F OUT.bmp | --render-all DIR]\n");
    return 2;
}

bool floorNumber(const std::string& s, int& floor) {
    try {
        floor = std::stoi(s);
    } catch (...) {
        return false;
    }
    return world::validFloor(floor);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string gameDir = TOWERCHECK_GAME_DIR;
    std::string floorsFolder = TOWERCHECK_FLOORS_DIR;
    std::string routeFile = TOWERCHECK_ROUTE_FILE;
    while (args.size() >= 2 &&
           (args[0] == "--game-dir" || args[0] == "--floors" || args[0] == "--route")) {
        std::string& into = args[0] == "--game-dir" ? gameDir
                            : args[0] == "--floors" ? floorsFolder
                                                    : routeFile;
        into = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    int floor = 0;
    if (args.empty())
        return checkAll(floorsFolder, routeFile);
    if (args.size() == 2 && args[0] == "--print" && floorNumber(args[1], floor)) {
        std::printf("%s", towercheck::floorGrid(world::initialTower(), floor).c_str());
        return 0;
    }
    if (args.size() == 3 && args[0] == "--render" && floorNumber(args[1], floor))
        return renderOne(floor, gameDir, args[2]);
    if (args.size() == 2 && args[0] == "--render-all")
        return renderAll(gameDir, args[1]);
    return usage();
}
