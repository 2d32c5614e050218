#include "persist/options.h"

#include "explore/movement.h"
#include "io/files.h"
#include "render/controls.h"
#include "render/options_menu.h"
#include "sound/switches.h"
#include "state/game.h"
#include "window/names.h"

#include <algorithm>
#include <string_view>

namespace persist {
namespace {

using game::FontChoice;
using game::Options;

// The controls that take the small size: the status figures and the monster panel fields.
constexpr std::string_view kSmallFontControls[] = {
    window::names::Memo1, window::names::Memo2, window::names::Memo3, window::names::Memo4,
    window::names::Memo5, window::names::Memo6, window::names::Memo7, window::names::Memo8};
// The controls that take the dialog size: the message line, the dialogue box and the four
// choice buttons of merchants and altars.
constexpr std::string_view kDialogFontControls[] = {
    window::names::Edit8,    window::names::RichEdit1, window::names::Button39,
    window::names::Button40, window::names::Button41,  window::names::Button42};

void setFontSize(game::Game& game, std::span<const std::string_view> controls, int size) {
    for (std::string_view name : controls)
        render::setFontSize(game, name, size);
}

bool isSmallFont(std::uint8_t size) {
    return std::any_of(game::kFontPairs.begin(), game::kFontPairs.end(),
                       [&](const game::FontSizes& p) { return p.small == size; });
}
bool isDialogFont(std::uint8_t size) {
    return std::any_of(game::kFontPairs.begin(), game::kFontPairs.end(),
                       [&](const game::FontSizes& p) { return p.dialog == size; });
}

void applyControlMode(game::Game& game, game::ControlMode mode) {
    if (mode == game::ControlMode::Keyboard)
        explore::KeyboardControl1Click(game);
    else
        explore::MouseControl1Click(game);
}

void chooseFont(game::Game& game, FontChoice choice) {
    game.options.fonts = game::kFontPairs[static_cast<std::size_t>(choice)];
    fontsizein(game);
    render::showOptions(game);
}

void chooseControlMode(game::Game& game, game::ControlMode mode) {
    applyControlMode(game, mode);
    render::showOptions(game);
}

} // namespace

Options optionsFromBytes(std::span<const std::uint8_t> bytes) {
    Options o = game::kBuiltInOptions;
    if (bytes.size() < kOptionBytes)
        return o;
    if (isSmallFont(bytes[Option::SmallFont]))
        o.fonts.small = bytes[Option::SmallFont];
    if (isDialogFont(bytes[Option::DialogFont]))
        o.fonts.dialog = bytes[Option::DialogFont];
    if (const std::uint8_t speed = bytes[Option::Speed]; speed >= 1 && speed <= 3)
        o.speed = static_cast<game::Speed>(speed);
    if (const std::uint8_t mode = bytes[Option::ControlMode]; mode <= 1)
        o.control = static_cast<game::ControlMode>(mode);
    if (bytes[Option::Prologue] <= 1)
        o.prologue = bytes[Option::Prologue] == 1;
    if (bytes[Option::Music] <= 1)
        o.music = bytes[Option::Music] == 1;
    if (bytes[Option::WavOff] <= 1)
        o.wavSound = bytes[Option::WavOff] == 0;
    return o;
}

OptionBlock optionBytes(const Options& o) {
    OptionBlock block{};
    block[Option::SmallFont] = o.fonts.small;
    block[Option::DialogFont] = o.fonts.dialog;
    block[Option::Speed] = static_cast<std::uint8_t>(o.speed);
    block[Option::ControlMode] = static_cast<std::uint8_t>(o.control);
    block[Option::Prologue] = o.prologue ? 1 : 0;
    block[Option::Music] = o.music ? 1 : 0;
    block[Option::WavOff] = o.wavSound ? 0 : 1;
    return block;
}

void optionload(game::Game& game) {
    const auto bytes = io::readBytes(io::inFolder(game.folders.save, kOptionFile), kOptionBytes);
    game.options = bytes ? optionsFromBytes(*bytes) : game::kBuiltInOptions;
}

void optionl1(game::Game& game) {
    const Options o = game.options;
    fontsizein(game);
    explore::setSpeed(game, o.speed);
    applyControlMode(game, o.control);
    sound::setMusicSwitch(game, o.music);
    sound::setWavSwitch(game, o.wavSound);
    render::showOptions(game);
}

void fontsizein(game::Game& game) {
    setFontSize(game, kSmallFontControls, game.options.fonts.small);
    setFontSize(game, kDialogFontControls, game.options.fonts.dialog);
}

void MouseControl1Click(game::Game& game) {
    chooseControlMode(game, game::ControlMode::Mouse);
}
void KeyboardControl1Click(game::Game& game) {
    chooseControlMode(game, game::ControlMode::Keyboard);
}

void chooseSpeed(game::Game& game, game::Speed speed) {
    explore::setSpeed(game, speed);
    render::showOptions(game);
}

void K5Click(game::Game& game) {
    game.options.prologue = !game.options.prologue;
    render::showOptions(game);
}

void wavon1Click(game::Game& game) {
    sound::setWavSwitch(game, game.status[world::Slot::WavOff] != 0);
    render::showOptions(game);
}

void BGMON1Click(game::Game& game) {
    sound::setMusicSwitch(game, game.status[world::Slot::MusicTrack] == 0);
    render::showOptions(game);
}

void Large1Click(game::Game& game) {
    chooseFont(game, FontChoice::Big);
}
void Normal1Click(game::Game& game) {
    chooseFont(game, FontChoice::Normal);
}
void Small1Click(game::Game& game) {
    chooseFont(game, FontChoice::Small);
}
void tiny1Click(game::Game& game) {
    chooseFont(game, FontChoice::Tiny);
}

void NormalOption1Click(game::Game& game) {
    game.options = game::kInitialOptions;
    optionl1(game);
}

void OptionSave1Click(game::Game& game) {
    if (auto error =
            io::writeBytes(io::inFolder(game.folders.save, kOptionFile), optionBytes(game.options)))
        game.platform().messageBox(*error);
}

} // namespace persist
