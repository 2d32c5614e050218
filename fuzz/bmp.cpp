// A picture file of the game folder: read and cut as the tile pictures are at start-up, then
// the play field drawn with it while the hero walks.
#include "picture/bmp.h"

#include "harness.h"
#include "picture/picture_list.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool made = std::filesystem::create_directories(fuzz::scratchFolder() + "/data");
    (void)made;
    const std::span<const std::uint8_t> input(data, size);
    fuzz::plantFile("data/chtable.dq", input);
    game::Game& game = fuzz::freshGame();
    render::PictureList tiles;
    if (render::loadPictureList(tiles, fuzz::scratchFolder(), render::kImageList1File))
        return 0;
    game.render.imageList1 = tiles;
    game.render.imageList3 = tiles;
    static constexpr std::uint8_t kWalk[] = {0, 7, 2, 7};
    fuzz::play(game, kWalk, fuzz::Drawing::Pictures);
    return 0;
}
