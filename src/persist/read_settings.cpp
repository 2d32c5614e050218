#include "persist/read_settings.h"

#include "io/files.h"
#include "io/folders.h"
#include "io/settings_file.h"
#include "state/game.h"

namespace persist {

std::optional<std::string> readSettings(game::Game& game) {
    game::Folders& folders = game.folders;
    io::ensureFolder(folders.config);
    const std::string path = io::inFolder(folders.config, io::kSettingsFile);
    io::SettingsRead read = io::settingsFromLines(io::readLines(path), folders.save, folders.game);
    game.shell.settings = std::move(read.settings);
    if (read.rewrite)
        if (auto error = io::writeLines(path, game.shell.settings.lines))
            return error;
    folders.save = game.shell.settings.lines[0];
    io::ensureFolder(folders.save);
    return std::nullopt;
}

} // namespace persist
