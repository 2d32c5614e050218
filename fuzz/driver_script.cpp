// A script of the headless driver, run line by line on a game in free play until a line is
// refused. Lines that would reach outside this target's scratch folder are skipped: files
// named with a folder, and the Change Data Folder window, which browses and writes the
// machine's folders.
#include "harness.h"
#include "replay/driver.h"

#include <filesystem>
#include <sstream>
#include <string_view>

namespace {

bool staysInside(std::string_view line) {
    const bool writesFile = line.find("save-game") != std::string_view::npos ||
                            line.find("save-screen") != std::string_view::npos;
    return !(writesFile && line.find('/') != std::string_view::npos) &&
           line.find("DataFolder") == std::string_view::npos &&
           line.find("Change") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool inScratch = [] {
        std::filesystem::current_path(fuzz::scratchFolder());
        return true;
    }();
    (void)inScratch;
    std::string_view script(reinterpret_cast<const char*>(data), size);
    game::Game& game = fuzz::freshGame();
    std::ostringstream out;
    replay::ScriptPlatform platform(out, out);
    game.setPlatform(&platform);
    replay::Driver driver(game, platform, out);
    constexpr int kMostLines = 64;
    for (int n = 0; n < kMostLines && !script.empty(); ++n) {
        const auto end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        if (!staysInside(line))
            continue;
        if (driver.execute(line))
            break;
    }
    return 0;
}
