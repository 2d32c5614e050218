// gravenhold-cli: the game without a window or sound, driven by a script on a virtual clock.
//   gravenhold-cli [--game-dir DIR] [--save-dir DIR] [--config-dir DIR] [--prologue] [SCRIPT | -]
#include "driver.h"
#include "game/events.h"
#include "persist/folders.h"
#include "persist/options.h"
#include "script/input_lock.h"
#include "script_platform.h"
#include "state/game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#ifndef GRAVENHOLD_INSTALLED_DATA
#error "GRAVENHOLD_INSTALLED_DATA names an installed copy's data folder, relative to the program"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kUsageError = 2;

// The game folder the driver reads when none is given: an installed copy's data folder, or
// the build folder the driver was built into.
std::string ownGameFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return persist::locateGameFolder(program.parent_path().string(), GRAVENHOLD_INSTALLED_DATA)
        .folder;
}

struct Options {
    std::string gameDir = ownGameFolder();
    std::string saveDir;
    std::string configDir;
    bool prologue = false;
    std::string script = "-";
};

int usage(const std::string& problem) {
    std::cerr << "gravenhold-cli: " << problem << "\n"
              << "usage: gravenhold-cli [--game-dir DIR] [--save-dir DIR] [--config-dir DIR] "
                 "[--prologue] [SCRIPT | -]\n";
    return kUsageError;
}

// A fresh temporary folder, removed when the driver ends.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const std::string& tag) {
        std::string pattern =
            (fs::temp_directory_path() / ("gravenhold-" + tag + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The driver plays under keyboard control; without --prologue it starts as a start-up with
// the prologue switched off does: in free play on floor 1, input open.
void startUpForScripts(game::Game& game, bool prologue) {
    if (window::MenuItem* entry = game.window.main.findMenu("&Options/&Prologue")) {
        entry->checked = prologue;
    }
    game::startUp(game);
    persist::OptionBlock& options = game.shell.options;
    options[persist::Option::ControlMode] = 1;
    if (!prologue)
        options[persist::Option::Prologue] = 0;
    persist::optionl1(game);
    if (!prologue)
        script::itemlive(game);
}

int runScript(std::istream& in, const std::string& scriptName, cli::Driver& driver) {
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (const auto error = driver.execute(line)) {
            std::cerr << scriptName << ":" << lineNo << ": " << *error << '\n';
            return kUsageError;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options opt;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        if (arg == "--game-dir" || arg == "--save-dir" || arg == "--config-dir") {
            std::string& into = arg == "--game-dir"   ? opt.gameDir
                                : arg == "--save-dir" ? opt.saveDir
                                                      : opt.configDir;
            if (!value(into))
                return usage(arg + " needs a folder");
        } else if (arg == "--prologue") {
            opt.prologue = true;
        } else if (!haveScript && (arg == "-" || arg.rfind("--", 0) != 0)) {
            opt.script = arg;
            haveScript = true;
        } else {
            return usage("unknown argument \"" + arg + "\"");
        }
    }
    if (!fs::is_directory(opt.gameDir))
        return usage("no game folder \"" + opt.gameDir + "\"");

    std::ifstream file;
    if (opt.script != "-") {
        file.open(opt.script);
        if (!file)
            return usage("cannot read the script \"" + opt.script + "\"");
    }

    TemporaryFolder tempSave("save");
    TemporaryFolder tempConfig("config");
    game::Game game;
    game.folders.game = opt.gameDir;
    game.folders.save = opt.saveDir.empty() ? tempSave.path() : opt.saveDir;
    game.folders.config = opt.configDir.empty() ? tempConfig.path() : opt.configDir;

    cli::ScriptPlatform platform(std::cout, std::cerr);
    game.setPlatform(&platform);
    cli::Driver driver(game, platform, std::cout);
    if (opt.script != "-" && fs::path(opt.script).has_parent_path())
        driver.setScriptFolder(fs::path(opt.script).parent_path().string());

    startUpForScripts(game, opt.prologue);

    return opt.script == "-" ? runScript(std::cin, "<stdin>", driver)
                             : runScript(file, opt.script, driver);
}
