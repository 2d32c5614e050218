#include "io/settings_file.h"

namespace io {
namespace {

constexpr std::size_t kSettingsLines = 3;

} // namespace

SettingsRead settingsFromLines(const std::optional<std::vector<std::string>>& fileLines,
                               const std::string& defaultSaveFolder,
                               const std::string& gameFolder) {
    SettingsRead read;
    read.settings.lines = fileLines.value_or(std::vector<std::string>{});
    std::vector<std::string>& lines = read.settings.lines;
    if (lines.size() < kSettingsLines) {
        lines.insert(lines.end(), {defaultSaveFolder, gameFolder, ""});
        read.rewrite = true;
    } else {
        read.settings.shortText = lines[2].substr(0, kShortTextLength);
    }
    // A save folder line that is empty or relative would put the saves wherever the program
    // happens to be started from: it counts as missing.
    if (!lines[0].starts_with('/')) {
        lines[0] = defaultSaveFolder;
        read.rewrite = true;
    }
    return read;
}

} // namespace io
