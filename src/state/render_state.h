// The drawing state of a game: picture lists, the two play-field frames, the cell buffers and
// the animation phase. Game holds one RenderState.
#pragma once

#include "picture/picture.h"
#include "picture/picture_files.h"
#include "picture/picture_list.h"
#include "picture/surface.h"
#include "state/panel_view.h"
#include "world/tower_map.h"

#include <bitset>
#include <cstdint>

namespace render {

inline constexpr int kCellSide = 32;
inline constexpr int kFieldSide = 352; // 11 cells of 32 pixels
inline constexpr int kFieldLeft = 144; // where the play field lies on the window
inline constexpr int kFieldTop = 24;
inline constexpr int kScreenWidth = 640; // the drawing area above the message line
inline constexpr int kScreenHeight = 400;

// Picture numbers of ImageList1 that the drawing code names.
namespace Pic {
inline constexpr int WipeBlank = 158;       // the blank cell of the floor-change wipe
inline constexpr int PanelBackground = 162; // behind every 32 x 32 panel icon
inline constexpr int FirstHero = 184;       // the hero: eight pictures per facing
inline constexpr int Road = 5;              // tile 6, the floor
} // namespace Pic

struct RenderState {
    PictureList imageList1; // tiles, hero and other 32 x 32 pictures ("chtable.dq")
    PictureList imageList2; // the four 16 x 16 key icons ("key.dq")
    PictureList imageList3; // masks of the first 159 pictures of imageList1 ("chtableb.dq")

    Surface frameA{kFieldSide, kFieldSide}; // the two animation frames of the play field
    Surface frameB{kFieldSide, kFieldSide};

    // The cell buffers of the mask composition; the composed cell is left in tileBuffer.
    Picture tileBuffer{kCellSide, kCellSide};
    Picture spriteBuffer{kCellSide, kCellSide};
    Picture maskBuffer{kCellSide, kCellSide};

    // The 640 x 400 work picture of left panel, title and right panel that the opening and
    // some scene commands paint from.
    Picture screenBuffer{kScreenWidth, kScreenHeight};

    // What the window's play field shows, cell by cell, so that showing a frame copies only
    // the cells where the window is not that frame's picture already (see play_field.cpp).
    struct FieldOnScreen {
        std::bitset<world::kCells> showsA; // the window's cell is frame A's cell as it is now
        std::bitset<world::kCells> showsB;
        std::bitset<world::kCells> compared; // frames A and B compared since either changed there
        std::bitset<world::kCells> alike;    // ... and found the same
        std::uint64_t screenDrawings = 0;    // the screen's drawing count when it was last known
    } onScreen;

    bool frameBNext = true; // animation phase: the next tick shows frame B
    bool keysDrawn = false; // the tick has drawn the key display since the last new game
    int heroPixelX = 0;     // where the hero was last drawn on the play field (pixels)
    int heroPixelY = 0;

    // Off: nothing is composed or painted and no picture file is read, while every rule that
    // rides on the drawing (the animation phase, the large monsters' counters, which controls
    // show) still runs. The route finder plays thousands of moves a second this way.
    bool pictures = true;

    PanelView panel; // what the side panels show, written into the window by present
    // The pictures of the game folder's data/ folder read so far.
    PictureFiles files;
};

} // namespace render
