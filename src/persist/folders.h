// Where the game's files live on a Linux desktop: the settings file in the user's
// configuration folder, the saves in the game folder's savedat folder when the game runs from
// a build tree and may write there, otherwise in the user's data folder.
#pragma once

#include <string>

namespace persist {

// The environment variables the folder rules read.
struct Environment {
    std::string xdgConfigHome;
    std::string xdgDataHome;
    std::string home;
};

// The variables of this process.
Environment processEnvironment();

// The folder of KRN10.INI: $XDG_CONFIG_HOME/gravenhold, by default ~/.config/gravenhold.
std::string configFolder(const Environment& env);

// The user's own folder for the game's data: $XDG_DATA_HOME/gravenhold, by default
// ~/.local/share/gravenhold.
std::string userDataFolder(const Environment& env);

// The save folder a fresh settings file names: the game folder's savedat when the game is not
// installed and that folder can be created and written, otherwise savedat in the user's data
// folder. The folder is created on the way.
std::string defaultSaveFolder(const std::string& gameFolder, bool installed,
                              const Environment& env);

// Create the folder and its parents when missing; true when it exists afterwards.
bool ensureFolder(const std::string& folder);

// True when a file can be created in the folder.
bool isWritableFolder(const std::string& folder);

} // namespace persist
