#include "harness.h"

#include "explore/movement.h"
#include "explore/new_game.h"
#include "game/events.h"
#include "io/files.h"
#include "window/main_window.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

namespace fuzz {
namespace {

namespace fs = std::filesystem;

// The targets write thousands of files a second: flushing each to the disk would only slow
// them down, and what they look for is in the content, not its durability.
class UnsyncedWrites : public io::WriteLayer {
  public:
    int fsync(int) override { return 0; }
};

struct Scratch {
    std::string path;
    UnsyncedWrites unsynced;
    io::ScopedWriteLayer use{unsynced};

    Scratch() {
        path = scratchFolderOf(program_invocation_short_name);
        fs::create_directories(path + "/savedat");
        fs::create_directories(path + "/config");
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

game::Game makeBaseGame(Drawing drawing) {
    game::Game g;
    g.render.pictures = drawing == Drawing::Pictures;
    g.window = window::makeWindowModel();
    g.folders.game = scratchFolder();
    g.folders.save = scratchFolder() + "/savedat";
    g.folders.config = scratchFolder() + "/config";
    g.status[world::Slot::SaveMarker] = world::kSaveMarker; // as start-up sets it
    explore::KeyboardControl1Click(g);
    explore::speedhigh(g);
    explore::gameover(g);
    return g;
}

// The game every input starts from, with or without pictures (each made at its first use).
const game::Game& baseGame(Drawing drawing) {
    if (drawing == Drawing::NoPictures) {
        static const game::Game plain = makeBaseGame(Drawing::NoPictures);
        return plain;
    }
    static const game::Game drawn = makeBaseGame(Drawing::Pictures);
    return drawn;
}

// The same without its secondary windows.
const game::Game& baseWithoutWindows(Drawing drawing) {
    auto make = [drawing] {
        game::Game g = baseGame(drawing);
        g.window.secondary.clear();
        return g;
    };
    if (drawing == Drawing::NoPictures) {
        static const game::Game plain = make();
        return plain;
    }
    static const game::Game drawn = make();
    return drawn;
}

// The buttons of the dialogs that stop the command timer until the player answers.
constexpr std::string_view kDialogButtons[] = {"Button36", "Button1",  "Button2",  "Button7",
                                               "Button10", "Button35", "Button39", "Button40",
                                               "Button41", "Button42"};

void clickShown(game::Game& game, std::string_view name) {
    const window::Control* c = game.window.main.find(name);
    if (c && c->visible && c->enabled)
        game::click(game, name);
}

void runCommandTimer(game::Game& game, int ticks) {
    for (int n = 0; n < ticks && game.window.timer("Timer2").enabled; ++n)
        game::timerTick(game, "Timer2");
}

} // namespace

std::string scratchFolderOf(const std::string& target) {
    const fs::path root =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (root / ("gravenhold-" + target)).string();
}

const std::string& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

game::Game& sameGame() {
    static game::Game game;
    return game;
}

game::Game& freshGame(Drawing drawing) {
    // The secondary windows are put back one by one, each reusing the memory of its pictures:
    // copying the whole map of windows would allocate them anew for every input.
    game::Game& game = sameGame();
    auto windows = std::move(game.window.secondary);
    game = baseWithoutWindows(drawing);
    game.window.secondary = std::move(windows);
    for (const auto& [name, w] : baseGame(drawing).window.secondary)
        game.window.secondary[name] = w;
    return game;
}

std::string plantFile(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = io::inFolder(scratchFolder(), name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

void play(game::Game& game, std::span<const std::uint8_t> moves, Drawing drawing) {
    const bool pictures = game.render.pictures;
    game.render.pictures = pictures && drawing == Drawing::Pictures;
    constexpr game::Key kKeys[] = {game::Key::Up,    game::Key::Down,  game::Key::Left,
                                   game::Key::Right, game::Key::Enter, game::Key::Escape};
    constexpr std::size_t kMostMoves = 64;
    for (const std::uint8_t move : moves.first(std::min(moves.size(), kMostMoves))) {
        const unsigned kind = move % 8;
        if (kind < 6)
            game::keyDown(game, kKeys[kind]);
        else if (kind == 6)
            clickShown(game, kDialogButtons[(move / 8) % std::size(kDialogButtons)]);
        else
            runCommandTimer(game, 64);
        game::timerTick(game, "Timer1");
    }
    runCommandTimer(game, 2000);
    game.render.pictures = pictures;
}

std::vector<std::uint8_t> take(std::span<const std::uint8_t>& input, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    const std::size_t n = std::min(size, input.size());
    std::copy_n(input.begin(), n, bytes.begin());
    input = input.subspan(n);
    return bytes;
}

} // namespace fuzz
