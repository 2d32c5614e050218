// The settings file KRN10.INI in the user's configuration folder: three lines, the save
// folder, the game folder and a short text of at most ten characters. The lines are kept in
// memory for the whole run; every reader takes the save folder from line 0.
#pragma once

#include "state/game_fwd.h"
#include "state/shell_state.h"

#include <optional>
#include <string>
#include <vector>

namespace persist {

inline constexpr const char* kSettingsFile = "KRN10.INI";
inline constexpr std::size_t kShortTextLength = 10;

// The settings after reading a file's lines (nothing when the file could not be opened),
// and whether the file must be written back. A file of fewer than three lines counts as
// missing: the defaults (save folder, game folder, an empty text) are appended to whatever it
// held, so that its own first lines still serve. An empty or relative save folder line counts
// as missing too: the default save folder takes its place and the file is written anew.
struct SettingsRead {
    Settings settings;
    bool rewrite = false;
};
SettingsRead settingsFromLines(const std::optional<std::vector<std::string>>& fileLines,
                               const std::string& defaultSaveFolder, const std::string& gameFolder);

// Read KRN10.INI from the configuration folder (writing it anew when missing or short), keep
// its lines, and take the save folder from line 0, creating that folder when missing. The
// default save folder is the one the game's folders name before the call. Returns the error
// text when the file cannot be written.
std::optional<std::string> readSettings(game::Game& game);

} // namespace persist
