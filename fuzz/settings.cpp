// KRN10.INI read as at start-up. A save folder line inside this target's own scratch folder is
// followed for real (the folder made, option.dat read from it); any other is only parsed, so
// that the target never makes folders elsewhere on the machine.
#include "harness.h"
#include "io/files.h"
#include "io/settings_file.h"
#include "persist/options.h"
#include "persist/read_settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    game::Game& game = fuzz::freshGame();
    const std::string ini = fuzz::plantFile("config/KRN10.INI", input);
    const std::string defaultSave = game.folders.save;
    const auto read = io::settingsFromLines(io::readLines(ini), defaultSave, game.folders.game);
    const std::string& saveFolder = read.settings.lines.at(0);
    if (saveFolder.empty() || saveFolder.front() != '/')
        std::abort(); // a save folder that depends on where the program was started
    if (saveFolder.starts_with(fuzz::scratchFolder() + "/") &&
        saveFolder.find("..") == std::string::npos) {
        persist::readSettings(game);
        persist::optionload(game);
        persist::optionl1(game);
    }
    return 0;
}
