#include "persist/folders.h"

#include "persist/files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace persist {
namespace {

namespace fs = std::filesystem;

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

std::string defaultSaveFolder(const std::string& gameFolder, bool installed,
                              const Environment& env) {
    if (!installed) {
        std::string beside = inFolder(gameFolder, "savedat");
        if (ensureFolder(beside) && isWritableFolder(beside))
            return beside;
    }
    std::string own = inFolder(userDataFolder(env), "savedat");
    ensureFolder(own);
    return own;
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
