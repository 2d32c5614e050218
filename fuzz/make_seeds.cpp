// Writes the seed inputs of every fuzz target, each made by the game itself: saved games and
// option, ranking and settings files written by its own commands, a picture it encodes, and
// the floor, catalogue and script files of the game's data and tests.
//   fuzz_make_seeds SOURCE-FOLDER CORPUS-FOLDER
#include "game/events.h"
#include "harness.h"
#include "io/files.h"
#include "io/ranking.h"
#include "io/saved_game.h"
#include "io/settings_file.h"
#include "persist/options.h"
#include "persist/read_settings.h"
#include "picture/bmp.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

fs::path corpus;

void seed(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(corpus / target);
    std::ofstream(corpus / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes savedImage(const game::Game& game) {
    world::Status status = game.status;
    io::stampChecksums(status);
    const auto image = io::toImage(game.map, status);
    return {image.begin(), image.end()};
}

const Bytes kMoves = {0, 7, 0, 7, 2, 7, 3, 3, 7, 6, 7, 1, 7};

void savedGames() {
    game::Game fresh = fuzz::freshGame();
    game::Game walked = fuzz::freshGame();
    fuzz::play(walked, kMoves, fuzz::Drawing::NoPictures);
    for (const char* target : {"saved_game", "saved_game_whole"}) {
        seed(target, "new_game", savedImage(fresh));
        seed(target, "walked", savedImage(walked));
    }
    Bytes map(fresh.map.bytes.begin(), fresh.map.bytes.end());
    seed("map_area", "new_game", map);
    map.insert(map.end(), kMoves.begin(), kMoves.end());
    seed("map_area", "new_game_and_moves", map);
}

void options() {
    game::Game& game = fuzz::freshGame();
    const std::string file = io::inFolder(game.folders.save, persist::kOptionFile);
    game::menuCommand(game, "&Options/&Initialize Option");
    game::menuCommand(game, "&Options/Save &Option");
    seed("options", "initial", fileBytes(file));
    game::menuCommand(game, "&Options/&Font/&Tiny");
    game::menuCommand(game, "&Options/&Speed/&Low");
    game::menuCommand(game, "&Options/&Wav Sound On");
    game::menuCommand(game, "&Options/Save &Option");
    seed("options", "tiny_low_quiet", fileBytes(file));
}

void ranking() {
    game::Game& game = fuzz::freshGame();
    for (int list : {1, 4}) {
        io::RankingTable table = io::temporaryRanking(list);
        const io::RankingNames names = {"Arthur", "", "Brave one"};
        io::writeRanking(game.folders.save, list, table, names);
        const std::string n = std::to_string(list);
        Bytes input = {static_cast<std::uint8_t>((list - 1) << 1)};
        const Bytes t = fileBytes(io::tableFile(game.folders.save, list));
        const Bytes l = fileBytes(io::namesFile(game.folders.save, list));
        input.insert(input.end(), t.begin(), t.end());
        input.insert(input.end(), l.begin(), l.end());
        seed("ranking", "list" + n, input);
    }
}

// The settings file a first start writes, with the folders the settings target works in, so
// that the target follows its save folder line for real.
void settings() {
    game::Game& game = fuzz::freshGame();
    const std::string own = fuzz::scratchFolderOf("fuzz_settings");
    game.folders.game = own;
    game.folders.save = own + "/savedat";
    persist::readSettings(game);
    const std::string ini = io::inFolder(game.folders.config, io::kSettingsFile);
    seed("settings", "first_start", fileBytes(ini));
    fs::remove(ini);
    fs::remove_all(own);
}

void picture() {
    render::Picture p(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            p.pixels[static_cast<std::size_t>(y * 32 + x)] =
                static_cast<render::Pixel>((x * 8) << 16 | (y * 8) << 8 | 0x40);
    seed("bmp", "gradient", render::encodeBmp24(p));
}

void sourceFiles(const fs::path& source) {
    for (const char* floor : {"floor01.txt", "floor24.txt"})
        seed("floor_file", floor, fileBytes(source / "data/floors" / floor));
    seed("catalogue", "catalogue.txt", fileBytes(source / "data/text/catalogue.txt"));
    for (const char* script : {"floor1_key_door_slime.txt", "save_and_load.txt", "item_flight.txt"})
        if (fs::exists(source / "tests/scenarios" / script))
            seed("driver_script", script, fileBytes(source / "tests/scenarios" / script));
    const std::string walk = "key up\nrun\nset status 0 5\nkey left\nrun\nprint status 7\n"
                             "menu Game/Save/Data 2\nanswer yes\nmenu Game/Load/Data 2\n"
                             "set tile 1 60 27\nset hero 1 5 5\nkey right\nrun\nwait 1000\n";
    seed("driver_script", "walk", Bytes(walk.begin(), walk.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_make_seeds SOURCE-FOLDER CORPUS-FOLDER\n";
        return 2;
    }
    corpus = argv[2];
    savedGames();
    options();
    ranking();
    settings();
    picture();
    sourceFiles(argv[1]);
    return 0;
}
