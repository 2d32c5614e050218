#include "io/folders.h"

#include "io/files.h"
#include "io/saved_game.h"
#include "io/settings_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace io {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaveFolderName = "savedat";

// The journal of a save move, in the folder the saves move to: its first line says how far
// the move got, the rest of the file is the folder they come from (any bytes, line breaks
// included).
constexpr const char* kMoveJournal = ".gravenhold-move";
constexpr std::string_view kCopying = "copying";
constexpr std::string_view kCopied = "copied";

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG base folder: the variable when it holds an absolute path, otherwise the default
// below the home folder.
std::string baseFolder(const std::string& value, const std::string& home, const char* fallback) {
    if (!value.empty() && value.front() == '/')
        return value;
    return home.starts_with('/') ? inFolder(home, fallback) : std::string();
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

// Copy every file that exists at its old place to its new place, each durably; the reason of
// the first failure, if any.
std::optional<std::string> copySaves(const std::vector<SaveFile>& files) {
    for (const SaveFile& file : files) {
        std::error_code error;
        if (!fs::is_regular_file(file.from, error))
            continue;
        if (auto failure = copyFileDurably(file.from, file.to))
            return failure;
    }
    return std::nullopt;
}

// Undo a move that failed half-way. The new folder held none of these files before the move,
// so every one found there now is a copy.
void removeCopies(const std::vector<SaveFile>& files) {
    std::error_code ignored;
    for (const SaveFile& file : files)
        if (fs::is_regular_file(file.to, ignored))
            removeFile(file.to);
}

void removeOriginals(const std::vector<SaveFile>& files, const std::string& folder) {
    for (const SaveFile& file : files)
        removeFile(file.from);
    std::error_code ignored;
    fs::remove(folder, ignored); // only when nothing else is left in it
}

std::string journalPath(const std::string& folder) {
    return inFolder(folder, kMoveJournal);
}

std::optional<std::string> writeJournal(const std::string& to, std::string_view stage,
                                        const std::string& from) {
    const std::string text = std::string(stage) + '\n' + from;
    return writeBytes(journalPath(to),
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// A move that a crash broke off: how far it got and where the saves come from.
struct Journal {
    std::string stage;
    std::string from;
};
std::optional<Journal> readJournal(const std::string& to) {
    const auto bytes = readBytes(journalPath(to), SIZE_MAX);
    if (!bytes)
        return std::nullopt;
    const std::string text(bytes->begin(), bytes->end());
    const auto end = text.find('\n');
    if (end == std::string::npos)
        return Journal{};
    return Journal{text.substr(0, end), text.substr(end + 1)};
}

// The settings lines with line 0 naming the new save folder.
std::optional<std::string> pointSettingsAt(std::vector<std::string> lines, const std::string& path,
                                           const std::string& folder) {
    lines[0] = folder;
    return writeLines(path, lines);
}

// The move itself, as a journaled step that a later start can finish: the journal is written,
// every file is copied durably (a temporary name, flushed, renamed, the folder flushed) and
// the settings file is pointed at the new folder; the journal then records that the copies
// are whole, and only then are the originals removed, and the journal last. A start that
// finds the journal still saying "copying" copies again from the originals, which are all
// still there; one that finds "copied" removes what is left of them. The reason of a failure
// (not a crash), after which the copies are removed and the saves stay where they were.
std::optional<std::string> moveSaves(const std::string& from, const std::string& to,
                                     const std::string& settingsPath, bool alreadyCopied) {
    const std::vector<SaveFile> files = saveFiles(from, to);
    // Temporaries a stopped copy left in the new folder are litter (its folder is locked).
    for (const SaveFile& file : files)
        for (const std::string& staged : stagedFiles(file.to))
            discardStaged(staged);
    for (const std::string& staged : stagedFiles(journalPath(to)))
        discardStaged(staged);
    if (!alreadyCopied) {
        std::optional<std::string> failure = writeJournal(to, kCopying, from);
        if (!failure)
            failure = copySaves(files);
        const auto lines = readLines(settingsPath);
        if (!failure && lines && !lines->empty() && sameFolder(lines->front(), from))
            failure = pointSettingsAt(*lines, settingsPath, to);
        if (!failure)
            failure = writeJournal(to, kCopied, from);
        if (failure) {
            removeCopies(files);
            removeFile(journalPath(to));
            return failure;
        }
    }
    removeOriginals(files, from);
    removeFile(journalPath(to));
    return std::nullopt;
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
    Environment env{variable("XDG_CONFIG_HOME"), variable("XDG_DATA_HOME"), variable("HOME")};
    // Without a usable HOME the user's entry in the system's list of users names the home.
    if (!env.home.starts_with('/')) {
        const passwd* user = ::getpwuid(::getuid());
        env.home = user && user->pw_dir && user->pw_dir[0] == '/' ? user->pw_dir : "";
    }
    return env;
}

std::optional<std::string> homeProblem(const Environment& env) {
    if (configFolder(env).starts_with('/') && userDataFolder(env).starts_with('/'))
        return std::nullopt;
    return "Gravenhold cannot tell where your home folder is: HOME is not set and the system "
           "names none for your user. Saved games, options and rankings would have no place to "
           "go. Set HOME to your home folder and start the game again.";
}

std::string configFolder(const Environment& env) {
    return inFolder(baseFolder(env.xdgConfigHome, env.home, ".config"), "gravenhold");
}

std::string userDataFolder(const Environment& env) {
    return inFolder(baseFolder(env.xdgDataHome, env.home, ".local/share"), "gravenhold");
}

std::string defaultSaveFolder(const Environment& env) {
    std::string folder = inFolder(userDataFolder(env), kSaveFolderName);
    if (folder.starts_with('/')) // never a folder wherever the program was started from
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
    const FolderLock lock(choice.folder);

    // A move that a crash broke off is finished before anything else.
    if (const auto journal = readJournal(choice.folder)) {
        const bool known = journal->stage == kCopying || journal->stage == kCopied;
        if (!known || journal->from.empty() || sameFolder(journal->from, choice.folder)) {
            removeFile(journalPath(choice.folder));
        } else if (const auto failure = moveSaves(journal->from, choice.folder, settingsPath,
                                                  journal->stage == kCopied)) {
            choice.notice = stayNotice(journal->from, *failure);
            choice.folder = journal->from;
            return choice;
        } else {
            choice.notice = movedNotice(journal->from, choice.folder);
            return choice;
        }
    }

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
    if (const auto failure = moveSaves(old, choice.folder, settingsPath, false)) {
        choice.notice = stayNotice(old, *failure);
        choice.folder = old;
        return choice;
    }
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

} // namespace io
