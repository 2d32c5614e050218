// gravenhold-assets: draws every picture of the game from data/art.
//   gravenhold-assets build ART_FOLDER GAME_FOLDER   writes the picture files
//   gravenhold-assets sheet ART_FOLDER SHEET.png       writes the contact sheet
//   gravenhold-assets list ART_FOLDER                  prints what each picture number is
#include "catalogue.h"
#include "raster.h"
#include "scene.h"
#include "sheet.h"

#include <iostream>
#include <string>

namespace {

using namespace assets;

// Everything drawn from one art folder.
struct Drawn {
    PictureStrip strip;
    std::vector<ScenePicture> scenes;
    PixelFont font;
};

Drawn drawAll(const std::filesystem::path& artFolder) {
    const Art art = Art::load(artFolder);
    Drawn drawn{buildStrip(art), {}, PixelFont::load(artFolder / "font.txt")};
    drawn.scenes = drawScenes(art, drawn.strip, drawn.font);
    return drawn;
}

// Writes the three picture files and every scene picture below the game folder.
void build(const Drawn& drawn, const std::filesystem::path& game) {
    constexpr int cell = StripLayout::cell;
    writePicture(cellSheet(drawn.strip.pictures, StripLayout::pictureCount, StripLayout::columns,
                           StripLayout::pictureRows, cell),
                 game / "data" / "chtable.dq");
    writePicture(cellSheet(drawn.strip.masks, StripLayout::maskCount, StripLayout::columns,
                           StripLayout::maskRows, cell),
                 game / "data" / "chtableb.dq");
    for (const auto& scene : drawn.scenes) {
        writePicture(scene.image, game / scene.path);
    }
}

// The key icon file among the scene pictures.
const QImage& keyIcons(const Drawn& drawn) {
    for (const auto& scene : drawn.scenes) {
        if (scene.path == "data/key.dq") {
            return scene.image;
        }
    }
    throw ArtError("no scene draws data/key.dq");
}

int usage() {
    std::cerr << "usage: gravenhold-assets build ART_FOLDER GAME_FOLDER\n"
                 "       gravenhold-assets sheet ART_FOLDER SHEET.png\n"
                 "       gravenhold-assets list ART_FOLDER\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2) {
        return usage();
    }
    try {
        const Drawn drawn = drawAll(args[1]);
        if (args[0] == "build" && args.size() == 3) {
            build(drawn, args[2]);
        } else if (args[0] == "sheet" && args.size() == 3) {
            writePicture(contactSheet(drawn.strip, keyIcons(drawn), drawn.font), args[2]);
        } else if (args[0] == "list") {
            for (std::size_t i = 0; i < drawn.strip.notes.size(); ++i) {
                std::cout << i << '\t' << drawn.strip.notes[i] << '\n';
            }
        } else {
            return usage();
        }
    } catch (const std::exception& error) {
        std::cerr << "gravenhold-assets: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
