#include "extras/settings.h"

#include "io/files.h"
#include "state/game.h"

#include <string>
#include <string_view>

namespace extras {
namespace {

constexpr const char* kFile = "extras.ini";
constexpr std::string_view kDamageOnMap = "damage-on-map";
constexpr std::string_view kClickToWalk = "click-to-walk";
constexpr std::string_view kAllowUndo = "allow-undo";

std::string path(const game::Game& game) {
    return io::inFolder(game.folders.config, kFile);
}

std::string lineOf(std::string_view name, bool on) {
    return std::string(name) + "=" + (on ? "1" : "0");
}

} // namespace

void loadSwitches(game::Game& game) {
    const auto lines = io::readLines(path(game));
    if (!lines)
        return;
    for (const std::string& line : *lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string_view name = std::string_view(line).substr(0, eq);
        const std::string_view value = std::string_view(line).substr(eq + 1);
        if (value != "0" && value != "1")
            continue;
        if (name == kDamageOnMap)
            game.extras.damageOnMap = value == "1";
        else if (name == kClickToWalk)
            game.extras.clickToWalk = value == "1";
        else if (name == kAllowUndo)
            game.extras.allowUndo = value == "1";
    }
}

void saveSwitches(game::Game& game) {
    const auto error = io::writeLines(path(game), {lineOf(kDamageOnMap, game.extras.damageOnMap),
                                                   lineOf(kClickToWalk, game.extras.clickToWalk),
                                                   lineOf(kAllowUndo, game.extras.allowUndo)});
    if (error)
        game.platform().messageBox(*error);
}

} // namespace extras
