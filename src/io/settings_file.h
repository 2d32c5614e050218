// The settings file KRN10.INI in the user's configuration folder: three lines, the save
// folder, the game folder and a short text of at most ten characters. The lines are kept in
// memory for the whole run; every reader takes the save folder from line 0.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace io {

inline constexpr const char* kSettingsFile = "KRN10.INI";
inline constexpr std::size_t kShortTextLength = 10;

// The settings lines as the game holds them.
struct Settings {
    std::vector<std::string> lines; // line 0 save folder, line 1 game folder, line 2 short text
    std::string shortText;          // the first ten characters of line 2
};

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

} // namespace io
