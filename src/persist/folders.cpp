#include "persist/folders.h"

#include "persist/data_folder.h"
#include "persist/files.h"
#include "persist/saved_games.h"
#include "persist/settings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace persist {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaveFolderName = "savedat";

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it holds an absolute path, otherwise the default
// below the home folder.
std::string baseFolder(const std::string& value, const std::string& home, const char* fallback) {
    if (!value.empty() && value.front() == '/')
        return value;
    return inFolder(home, fallback);
}

// A folder's path without "." and ".." steps or a closing slash.
fs::path cleanFolder(const fs::path& folder) {
    fs::path path = folder.lexically_normal();
    return path.has_filename() || !path.has_relative_path() ? path : path.parent_path();
}

// Two spellings of one folder ("a/b", "a/b/", "a/./b") compare equal.
bool sameFolder(const std::string& a, const std::string& b) {
    return cleanFolder(a) == cleanFolder(b);
}

// One file of the save folder, at its old and its new place.
struct SaveFile {
    std::string from;
    std::string to;
};

// Every file the game keeps in a save folder: the option block and the ranking lists, then
// the saved games with their scratch copy.
std::vector<SaveFile> saveFiles(const std::string& from, const std::string& to) {
    std::vector<SaveFile> files;
    files.reserve(kDataFiles.size() + kSaveSlots + 1);
    for (const char* name : kDataFiles)
        files.push_back({inFolder(from, name), inFolder(to, name)});
    for (int slot = kScratchSlot; slot <= kSaveSlots; ++slot)
        files.push_back({slotPath(from, slot), slotPath(to, slot)});
    return files;
}

bool anyFileAt(const std::vector<SaveFile>& files, std::string SaveFile::*place) {
    return std::any_of(files.begin(), files.end(), [&](const SaveFile& file) {
        std::error_code error;
        return fs::is_regular_file(file.*place, error);
    });
}

// Copy every file that exists at its old place to its new place; the reason of the first
// failure, if any.
std::optional<std::string> copySaves(const std::vector<SaveFile>& files) {
    for (const SaveFile& file : files) {
        std::error_code error;
        if (!fs::is_regular_file(file.from, error))
            continue;
        if (!fs::copy_file(file.from, file.to, fs::copy_options::none, error))
            return file.to + ": " + (error ? error.message() : "not copied");
    }
    return std::nullopt;
}

// Undo a move that failed half-way. The new folder held none of these files before the move,
// so every one found there now is a copy.
void removeCopies(const std::vector<SaveFile>& files) {
    std::error_code ignored;
    for (const SaveFile& file : files)
        if (fs::is_regular_file(file.to, ignored))
            fs::remove(file.to, ignored);
}

void removeOriginals(const std::vector<SaveFile>& files, const std::string& folder) {
    std::error_code ignored;
    for (const SaveFile& file : files)
        fs::remove(file.from, ignored);
    fs::remove(folder, ignored); // only when nothing else is left in it
}

// The settings lines with line 0 naming the new save folder.
std::optional<std::string> pointSettingsAt(std::vector<std::string> lines, const std::string& path,
                                           const std::string& folder) {
    lines[0] = folder;
    return writeLines(path, lines);
}

std::string movedNotice(const std::string& from, const std::string& to) {
    return "Your saved games, options and rankings were moved from " + from + " to " + to +
           ", where rebuilding or reinstalling the game leaves them alone.";
}

std::string keptNotice(const std::string& from, const std::string& to) {
    return "Your saved games, options and rankings are kept in " + to +
           " from now on. The older ones in " + from + " were left where they are.";
}

std::string stayNotice(const std::string& from, const std::string& reason) {
    return "Your saved games, options and rankings stay in " + from +
           " for now: they could not be moved (" + reason + ").";
}

} // namespace

Environment processEnvironment() {
    return {variable("XDG_CONFIG_HOME"), variable("XDG_DATA_HOME"), variable("HOME")};
}

std::string configFolder(const Environment& env) {
    return inFolder(baseFolder(env.xdgConfigHome, env.home, ".config"), "gravenhold");
}

std::string userDataFolder(const Environment& env) {
    return inFolder(baseFolder(env.xdgDataHome, env.home, ".local/share"), "gravenhold");
}

std::string defaultSaveFolder(const Environment& env) {
    std::string folder = inFolder(userDataFolder(env), kSaveFolderName);
    ensureFolder(folder);
    return folder;
}

GameFolder locateGameFolder(const std::string& programFolder,
                            const std::string& installedRelative) {
    if (!installedRelative.empty()) {
        const fs::path installed = cleanFolder(fs::path(programFolder) / installedRelative);
        std::error_code error;
        if (fs::is_directory(installed / "data", error))
            return {installed.string(), true};
    }
    return {cleanFolder(programFolder).string(), false};
}

SaveFolderChoice settleSaveFolder(const GameFolder& game, const std::string& configFolder,
                                  const Environment& env) {
    SaveFolderChoice choice{defaultSaveFolder(env), {}};
    const std::string settingsPath = inFolder(configFolder, kSettingsFile);
    const std::optional<std::vector<std::string>> lines = readLines(settingsPath);
    const bool named = lines && !lines->empty();

    // The old default: savedat of this game folder, or of the game folder the settings record.
    std::string old = inFolder(game.folder, kSaveFolderName);
    if (named) {
        const std::string& line0 = lines->front();
        const bool recordedDefault =
            lines->size() > 1 && sameFolder(line0, inFolder((*lines)[1], kSaveFolderName));
        if (!sameFolder(line0, old) && !recordedDefault)
            return choice; // a folder of the player's choosing
        old = line0;
    } else if (game.installed) {
        return choice; // an installed copy never kept saves beside its data
    }
    if (sameFolder(old, choice.folder))
        return choice;

    const std::vector<SaveFile> files = saveFiles(old, choice.folder);
    if (!anyFileAt(files, &SaveFile::from)) {
        // Nothing to move; a settings file that cannot be rewritten keeps its old folder.
        if (named)
            static_cast<void>(pointSettingsAt(*lines, settingsPath, choice.folder));
        return choice;
    }
    if (anyFileAt(files, &SaveFile::to)) {
        if (named && pointSettingsAt(*lines, settingsPath, choice.folder))
            return choice; // the settings still name the old folder: nothing changed
        choice.notice = keptNotice(old, choice.folder);
        return choice;
    }
    std::optional<std::string> failure = copySaves(files);
    if (!failure && named)
        failure = pointSettingsAt(*lines, settingsPath, choice.folder);
    if (failure) {
        removeCopies(files);
        choice.notice = stayNotice(old, *failure);
        choice.folder = old;
        return choice;
    }
    removeOriginals(files, old);
    choice.notice = movedNotice(old, choice.folder);
    return choice;
}

bool ensureFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool isWritableFolder(const std::string& folder) {
    const std::string probe = inFolder(folder, ".gravenhold-probe");
    const bool writable = static_cast<bool>(std::ofstream(probe));
    std::error_code ignored;
    fs::remove(probe, ignored);
    return writable;
}

} // namespace persist
