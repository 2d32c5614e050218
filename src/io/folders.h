// Where the game's files live on a Linux desktop: the settings file in the user's
// configuration folder, the saves in the user's data folder, the game's data beside the
// program in a build tree or in the data folder of an installed copy.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace io {

// The files that move with the save folder, in the order they are copied.
inline constexpr std::array<const char*, 11> kDataFiles = {
    "option.dat",   "option1.dat", "option11.dat", "option2.dat", "option21.dat", "option3.dat",
    "option31.dat", "option4.dat", "option41.dat", "option5.dat", "option51.dat"};

// The environment variables the folder rules read.
struct Environment {
    std::string xdgConfigHome;
    std::string xdgDataHome;
    std::string home;
};

// The variables of this process. Without an absolute HOME the home folder is the one the
// system's list of users names for this user (empty when there is none).
Environment processEnvironment();

// Why the game cannot run with these variables (its configuration or data folder would not be
// an absolute path: no home folder and no XDG folders), or nothing. The game never keeps its
// files in whatever folder it happens to be started from.
std::optional<std::string> homeProblem(const Environment& env);

// The folder of KRN10.INI: $XDG_CONFIG_HOME/gravenhold, by default ~/.config/gravenhold.
std::string configFolder(const Environment& env);

// The user's own folder for the game's data: $XDG_DATA_HOME/gravenhold, by default
// ~/.local/share/gravenhold.
std::string userDataFolder(const Environment& env);

// The save folder a fresh settings file names: savedat in the user's data folder, for a build
// tree and an installed copy alike, so that rebuilding or reinstalling the game never touches
// the player's saves, options and rankings. The folder is created on the way.
std::string defaultSaveFolder(const Environment& env);

// The folder that holds the game's data, and whether it is an installed copy.
struct GameFolder {
    std::string folder;
    bool installed = false;
};

// An installed game keeps its data in `installedRelative` (relative to the program's folder,
// e.g. "../share/gravenhold") and has a data/ folder there; otherwise the game runs from a
// build tree and its data lies beside the program.
GameFolder locateGameFolder(const std::string& programFolder, const std::string& installedRelative);

// The default save folder of this run, and what to tell the player about it at start (empty
// when there is nothing to say).
struct SaveFolderChoice {
    std::string folder;
    std::string notice;
};

// Earlier builds kept the saves in savedat beside the game's data, where a clean rebuild
// deletes them. When the settings file names such a folder (the game folder's savedat, or the
// savedat of the game folder it records), or names no folder at all in a build tree, the saves
// found there move once into the user's data folder and the settings file is pointed at it.
// Saves already in the user's data folder are never overwritten: then the old ones stay where
// they are. The move is journaled: the copies are made durable before any original is
// removed, and a start after a crash in the middle finishes it. A move that fails half-way
// (an error, not a crash) is undone, and the saves stay in the old folder for this run. A
// settings file naming any other folder is left alone.
SaveFolderChoice settleSaveFolder(const GameFolder& game, const std::string& configFolder,
                                  const Environment& env);

// Create the folder and its parents when missing; true when it exists afterwards.
bool ensureFolder(const std::string& folder);

// True when a file can be created in the folder.
bool isWritableFolder(const std::string& folder);

} // namespace io
