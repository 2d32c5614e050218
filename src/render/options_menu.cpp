#include "render/options_menu.h"

#include "state/game.h"
#include "window/names.h"

#include <array>
#include <string_view>

namespace render {
namespace {

struct SpeedEntry {
    game::Speed speed;
    std::string_view entry;
};
constexpr std::array<SpeedEntry, 3> kSpeedEntries = {{
    {game::Speed::High, window::Menu::SpeedHigh},
    {game::Speed::Middle, window::Menu::SpeedMiddle},
    {game::Speed::Low, window::Menu::SpeedLow},
}};

} // namespace

void showOptions(game::Game& game) {
    const game::Options& o = game.options;
    window::Window& w = game.window.main;
    const auto font = game::fontChoice(o.fonts);
    for (std::size_t n = 0; n < window::Menu::kFontEntries.size(); ++n)
        w.menuItem(window::Menu::kFontEntries[n]).checked =
            font && static_cast<std::size_t>(*font) == n;
    for (const SpeedEntry& s : kSpeedEntries)
        w.menuItem(s.entry).checked = s.speed == o.speed;
    for (const auto mode : {game::ControlMode::Mouse, game::ControlMode::Keyboard})
        w.menuItem(controlModeEntry(mode)).checked = mode == o.control;
    w.menuItem(window::Menu::Prologue).checked = o.prologue;
    w.menuItem(window::Menu::Music).checked = o.music;
    w.menuItem(window::Menu::WavSound).checked = game.status[world::Slot::WavOff] == 0;
}

std::string_view speedEntry(game::Speed speed) {
    for (const SpeedEntry& s : kSpeedEntries)
        if (s.speed == speed)
            return s.entry;
    return {};
}

std::string_view controlModeEntry(game::ControlMode mode) {
    return mode == game::ControlMode::Keyboard ? window::Menu::KeyboardControl
                                               : window::Menu::MouseControl;
}

} // namespace render
