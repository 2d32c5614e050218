// gravenhold-cli: the game without a window or sound, driven by a script on a virtual clock.
//   gravenhold-cli [--game-dir DIR] [--save-dir DIR] [--config-dir DIR] [--prologue] [SCRIPT | -]
#include "game/events.h"
#include "io/folders.h"
#include "replay/driver.h"
#include "replay/script_platform.h"
#include "replay/script_reader.h"
#include "solve/hint_search.h"
#include "state/game.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <memory>
#include <signal.h>
#include <string>
#include <system_error>
#include <unistd.h>

#ifndef GRAVENHOLD_INSTALLED_DATA
#error "GRAVENHOLD_INSTALLED_DATA names an installed copy's data folder, relative to the program"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kUsageError = 2;
constexpr int kGameError = 3; // the game itself failed: a fault to report
constexpr int kStopped = 130; // stopped by a signal (only seen when the signal is ignored)
constexpr double kHintNoTimeLimit = 1e9;

// The game folder the driver reads when none is given: an installed copy's data folder, or
// the build folder the driver was built into.
std::string ownGameFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return io::locateGameFolder(program.parent_path().string(), GRAVENHOLD_INSTALLED_DATA).folder;
}

struct Options {
    std::string gameDir = ownGameFolder();
    std::string saveDir;
    std::string configDir;
    bool prologue = false;
    std::string script = "-";
};

constexpr const char* kUsage = "usage: gravenhold-cli [--game-dir DIR] [--save-dir DIR] "
                               "[--config-dir DIR] [--prologue] [SCRIPT | -]\n"
                               "       gravenhold-cli --help | --version\n";

int usage(const std::string& problem) {
    std::cerr << "gravenhold-cli: " << problem << "\n" << kUsage;
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

// A request to stop (Ctrl+C, a hang-up, a kill) is noted here and honoured between script
// lines, so that the driver ends through its normal path and removes its temporary folders.
volatile std::sig_atomic_t stopSignal = 0;

void noteStop(int signal) {
    stopSignal = signal;
}

void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: a read of the script waiting for input ends at once
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// After the clean-up, end as the signal would have ended the program.
void endByStopSignal() {
    if (stopSignal == 0)
        return;
    std::signal(stopSignal, SIG_DFL);
    std::raise(stopSignal);
}

int runScript(replay::ScriptReader& script, const std::string& scriptName, replay::Driver& driver) {
    int lineNo = 0;
    while (const auto line = script.next()) {
        ++lineNo;
        if (const auto error = driver.execute(*line)) {
            std::cerr << scriptName << ":" << lineNo << ": " << *error << '\n';
            return kUsageError;
        }
    }
    if (script.tooLong()) {
        std::cerr << scriptName << ":" << lineNo + 1 << ": the line is longer than "
                  << replay::ScriptReader::kMaxLineBytes << " bytes\n";
        return kUsageError;
    }
    return stopSignal == 0 ? 0 : kStopped;
}

// One run of the driver on its own folders; the temporary ones are removed whichever way
// the run ends, an error thrown by the game included.
int drive(const Options& opt, int scriptFd, const std::string& scriptName) {
    try {
        TemporaryFolder tempSave("save");
        TemporaryFolder tempConfig("config");
        if (tempSave.path().empty() || tempConfig.path().empty())
            return usage("cannot make a temporary folder");
        game::Game game;
        game.folders.game = opt.gameDir;
        game.folders.save = opt.saveDir.empty() ? tempSave.path() : opt.saveDir;
        game.folders.config = opt.configDir.empty() ? tempConfig.path() : opt.configDir;

        replay::ScriptPlatform platform(std::cout, std::cerr);
        game.setPlatform(&platform);
        replay::Driver driver(game, platform, std::cout);
        if (opt.script != "-" && fs::path(opt.script).has_parent_path())
            driver.setScriptFolder(fs::path(opt.script).parent_path().string());

        // "E&xtras/&Hint": the route finder's short search, bounded by positions played only,
        // so that a script's hint is the same on every machine.
        std::unique_ptr<solve::Player> hintPlayer;
        driver.setHintAnswer([&](const game::Game& g) {
            if (!hintPlayer)
                hintPlayer = std::make_unique<solve::Player>(opt.gameDir);
            solve::HintBudget budget;
            budget.seconds = kHintNoTimeLimit;
            return solve::hintFor(*hintPlayer, {g.map, g.status}, budget).text;
        });
        replay::startUpForScripts(game, opt.prologue);
        replay::ScriptReader script(scriptFd, stopSignal);
        return runScript(script, scriptName, driver);
    } catch (const std::exception& e) {
        std::cerr << "gravenhold-cli: the game stopped: " << e.what() << '\n';
        return kGameError;
    }
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
        if (arg == "--help" || arg == "-h") {
            std::cout << "Plays Gravenhold from a script of commands, without a window or sound "
                         "(see gravenhold-cli(6)).\n"
                      << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "gravenhold-cli " GRAVENHOLD_VERSION "\n";
            return 0;
        }
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

    int scriptFd = STDIN_FILENO;
    if (opt.script != "-") {
        scriptFd = ::open(opt.script.c_str(), O_RDONLY | O_CLOEXEC);
        if (scriptFd < 0)
            return usage("cannot read the script \"" + opt.script + "\"");
    }

    catchStopSignals();
    const int status = drive(opt, scriptFd, opt.script == "-" ? "<stdin>" : opt.script);
    if (scriptFd != STDIN_FILENO)
        ::close(scriptFd);
    endByStopSignal();
    return status;
}
