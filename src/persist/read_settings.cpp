#include "persist/read_settings.h"

#include "persist/files.h"
#include "persist/folders.h"
#include "persist/settings.h"
#include "state/game.h"

namespace persist {

std::optional<std::string> readSettings(game::Game& game) {
    game::Folders& folders = game.folders;
    ensureFolder(folders.config);
    const std::string path = inFolder(folders.config, kSettingsFile);
    SettingsRead read = settingsFromLines(readLines(path), folders.save, folders.game);
    game.shell.settings = std::move(read.settings);
    if (read.rewrite)
        if (auto error = writeLines(path, game.shell.settings.lines))
            return error;
    folders.save = game.shell.settings.lines[0];
    ensureFolder(folders.save);
    return std::nullopt;
}

} // namespace persist
