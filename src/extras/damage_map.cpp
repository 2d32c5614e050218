#include "extras/damage_map.h"

#include "combat/damage.h"
#include "combat/monsters.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/names.h"
#include "world/status.h"

#include <array>
#include <optional>

namespace extras {
namespace {

using render::Picture;

// 5 x 7 pixel glyphs, one row of five bits per row of the mask, top row first: tall enough to
// read at the smallest zoom, and five of them ("2147M") still fit a cell.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kPad = 1; // the black plate's border around the glyphs

struct Glyph {
    char c;
    std::array<std::uint8_t, kGlyphHeight> rows;
};
constexpr std::array<Glyph, 13> kGlyphs = {{
    {'0', {0b01110, 0b10001, 0b10011, 0b10101, 0b11001, 0b10001, 0b01110}},
    {'1', {0b00100, 0b01100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
    {'2', {0b01110, 0b10001, 0b00001, 0b00010, 0b00100, 0b01000, 0b11111}},
    {'3', {0b11111, 0b00010, 0b00100, 0b00010, 0b00001, 0b10001, 0b01110}},
    {'4', {0b00010, 0b00110, 0b01010, 0b10010, 0b11111, 0b00010, 0b00010}},
    {'5', {0b11111, 0b10000, 0b11110, 0b00001, 0b00001, 0b10001, 0b01110}},
    {'6', {0b00110, 0b01000, 0b10000, 0b11110, 0b10001, 0b10001, 0b01110}},
    {'7', {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b01000, 0b01000}},
    {'8', {0b01110, 0b10001, 0b10001, 0b01110, 0b10001, 0b10001, 0b01110}},
    {'9', {0b01110, 0b10001, 0b10001, 0b01111, 0b00001, 0b00010, 0b01100}},
    {'K', {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001}},
    {'M', {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001}},
    {'X', {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001}}, // cannot win
}};

constexpr render::Pixel kPlate = 0x000000;
// Green for a free fight, amber for a costly one, red for a deadly one and for the mark of a
// monster the hero cannot hurt.
constexpr render::Pixel colourOf(Outlook o) {
    switch (o) {
    case Outlook::Safe:
        return 0x40ff40;
    case Outlook::Costly:
        return 0xffe040;
    case Outlook::Deadly:
    case Outlook::Unbeatable:
        break;
    }
    return 0xff4040;
}

const Glyph* glyphOf(char c) {
    for (const Glyph& g : kGlyphs) {
        if (g.c == c)
            return &g;
    }
    return nullptr;
}

Picture plateWith(const std::string& text, render::Pixel colour) {
    const int n = static_cast<int>(text.size());
    Picture plate(n * (kGlyphWidth + 1) - 1 + 2 * kPad, kGlyphHeight + 2 * kPad, kPlate);
    for (int i = 0; i < n; ++i) {
        const Glyph* g = glyphOf(text[static_cast<std::size_t>(i)]);
        if (!g)
            continue;
        const int left = kPad + i * (kGlyphWidth + 1);
        for (int y = 0; y < kGlyphHeight; ++y) {
            for (int x = 0; x < kGlyphWidth; ++x) {
                if (g->rows[static_cast<std::size_t>(y)] & (1 << (kGlyphWidth - 1 - x)))
                    plate.at(left + x, kPad + y) = colour;
            }
        }
    }
    return plate;
}

// The monster kind whose forecast a cell shows: one-cell monsters, and the big two on their
// heads only, so that their nine cells carry one mark.
std::optional<int> markedKind(std::uint8_t code) {
    if (combat::isLargeMonsterHead(code))
        return combat::monsterTypeOfTile(code);
    return combat::oneCellMonsterOfTile(code);
}

bool fieldShown(const game::Game& game) {
    const window::Control* full = game.window.main.find(window::names::Image23);
    return !full || !full->visible;
}

} // namespace

Forecast forecastFor(const game::Game& game, int kind) {
    const std::optional<std::int32_t> damage = combat::orbForecast(game, kind);
    if (!damage)
        return {Outlook::Unbeatable, 0};
    const std::int32_t life = game.status[world::Slot::Life];
    const Outlook outlook = *damage == 0     ? Outlook::Safe
                            : *damage < life ? Outlook::Costly
                                             : Outlook::Deadly;
    return {outlook, *damage};
}

std::vector<DamageMark> damageMarks(const game::Game& game) {
    std::vector<DamageMark> marks;
    const world::Status& s = game.status;
    if (!game.extras.damageOnMap || s[world::Slot::OrbOfHero] != 1 || !fieldShown(game))
        return marks;
    const int floor = s[world::Slot::Floor];
    for (int cell = 0; cell < world::kCells; ++cell) {
        const std::optional<int> kind = markedKind(game.map.tile(floor, cell));
        if (!kind)
            continue;
        const Forecast f = forecastFor(game, *kind);
        marks.push_back({cell, f.outlook, f.damage});
    }
    return marks;
}

std::string damageLabel(std::int32_t damage) {
    if (damage < 10'000)
        return std::to_string(damage);
    if (damage < 10'000'000)
        return std::to_string(damage / 1000) + "K";
    return std::to_string(damage / 1'000'000) + "M";
}

std::vector<OverlayPiece> damageOverlay(const game::Game& game) {
    std::vector<OverlayPiece> pieces;
    for (const DamageMark& m : damageMarks(game)) {
        const std::string text = m.outlook == Outlook::Unbeatable ? "X" : damageLabel(m.damage);
        Picture plate = plateWith(text, colourOf(m.outlook));
        const int x = render::kFieldLeft + world::cellX(m.cell) * render::kCellSide;
        const int y =
            render::kFieldTop + (world::cellY(m.cell) + 1) * render::kCellSide - plate.height;
        pieces.push_back({x, y, std::move(plate)});
    }
    return pieces;
}

Picture screenWithOverlay(const game::Game& game) {
    Picture screen = game.window.main.screen;
    for (const OverlayPiece& p : damageOverlay(game))
        render::draw(screen, p.x, p.y, p.picture);
    return screen;
}

} // namespace extras
