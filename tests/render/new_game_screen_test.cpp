// A new game on the built pictures: the screen shows the panels, the centre picture and floor 1
// with the hero, pixel for pixel.
#include "explore/new_game.h"
#include "picture/bmp.h"
#include "render/play_field.h"
#include "render/screen.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/main_window.h"
#include "world/tiles.h"
#include "world/tower_map.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace render;

namespace {

const std::string kGameDir = GRAVENHOLD_GAME_DIR;

Picture readData(const std::string& file) {
    PictureResult r = readBmp(kGameDir + "/data/" + file);
    EXPECT_TRUE(r.ok()) << r.error->text();
    return r.picture;
}

// Picture n of the 11-column sheet of 32-pixel cells.
Picture sheetCell(const Picture& sheet, int n) {
    return copyRect(sheet, {n % 11 * 32, n / 11 * 32, 32, 32});
}

} // namespace

TEST(NewGameScreen, ShowsFloorOneWithTheHeroPixelForPixel) {
    if (!std::filesystem::exists(kGameDir + "/data/chtable.dq"))
        GTEST_SKIP() << "the pictures have not been built into " << kGameDir << "/data";
    game::Game game;
    game.window = window::makeWindowModel();
    game.folders.game = kGameDir;
    const auto loadError = loadPictures(game);
    ASSERT_FALSE(loadError.has_value()) << loadError->text();
    explore::syokidata(game);
    const auto resetError = resetPlayScreen(game);
    ASSERT_FALSE(resetError.has_value()) << resetError->text();
    Timer1Timer(game); // the first tick shows frame B

    Picture expected(640, 400, game.window.main.screen.at(0, 0));
    draw(expected, 0, 0, readData("left.bmp"));
    draw(expected, 125, 0, readData("center.bmp"));
    draw(expected, 515, 0, readData("right.bmp"));
    const Picture sheet = readData("chtable.dq");
    for (int cell = 0; cell < 121; ++cell) {
        const std::uint8_t c = game.map.tile(1, cell);
        Picture shown = sheetCell(sheet, c - 1 + world::frameBStep(c, false));
        if (cell == world::cellOf(5, 10)) { // the hero, facing up, pose 1
            const Picture sprite = sheetCell(sheet, 208);
            const Picture mask = sheetCell(sheet, 209);
            for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
                ASSERT_TRUE(mask.pixels[i] == kBlack || mask.pixels[i] == kWhite);
                if (mask.pixels[i] == kBlack)
                    shown.pixels[i] = sprite.pixels[i];
            }
            ASSERT_NE(shown, sheetCell(sheet, c - 1)) << "the hero is seen on his cell";
        }
        draw(expected, 144 + cell % 11 * 32, 24 + cell / 11 * 32, shown);
    }

    const Picture& screen = game.window.main.screen;
    if (screen != expected) {
        const auto dir = std::filesystem::temp_directory_path();
        writeBmp24((dir / "new_game_screen.bmp").string(), screen);
        writeBmp24((dir / "new_game_expected.bmp").string(), expected);
        FAIL() << "the screen differs; both pictures are in " << dir;
    }
}
