#include "persist/options.h"

#include "explore/movement.h"
#include "persist/files.h"
#include "sound/switches.h"
#include "state/game.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace persist {
namespace {

// The Font menu's entries and the size pair each one stands for.
struct FontPair {
    std::string_view entry;
    std::uint8_t small;
    std::uint8_t dialog;
};
constexpr FontPair kFontPairs[] = {
    {"&Options/&Font/&Big", 12, 14},
    {"&Options/&Font/&Normal", 10, 12},
    {"&Options/&Font/&Small", 9, 11},
    {"&Options/&Font/&Tiny", 8, 10},
};

// The controls that take the small size: the status figures and the monster panel fields.
constexpr std::string_view kSmallFontControls[] = {"Memo1", "Memo2", "Memo3", "Memo4",
                                                   "Memo5", "Memo6", "Memo7", "Memo8"};
// The controls that take the dialog size: the message line, the dialogue box and the four
// choice buttons of merchants and altars.
constexpr std::string_view kDialogFontControls[] = {"Edit8",    "RichEdit1", "Button39",
                                                    "Button40", "Button41",  "Button42"};

constexpr std::string_view kHighEntry = "&Options/&Speed/&High";
constexpr std::string_view kLowEntry = "&Options/&Speed/&Low";

constexpr std::string_view kPrologueEntry = "&Options/&Prologue";

OptionBlock& options(game::Game& game) {
    return game.shell.options;
}

window::MenuItem& entry(game::Game& game, std::string_view path) {
    return game.window.main.menuItem(path);
}

void setFontSize(game::Game& game, std::span<const std::string_view> controls, int size) {
    for (std::string_view name : controls)
        if (window::Control* c = game.window.main.find(name))
            c->fontSize = size;
}

void chooseFont(game::Game& game, const FontPair& pair) {
    options(game)[Option::SmallFont] = pair.small;
    options(game)[Option::DialogFont] = pair.dialog;
    options(game)[Option::Zero] = 0;
    fontsizein(game);
}

} // namespace

bool validOptionByte(std::size_t n, std::uint8_t value) {
    switch (n) {
    case Option::SmallFont:
        return std::any_of(std::begin(kFontPairs), std::end(kFontPairs),
                           [&](const FontPair& p) { return p.small == value; });
    case Option::DialogFont:
        return std::any_of(std::begin(kFontPairs), std::end(kFontPairs),
                           [&](const FontPair& p) { return p.dialog == value; });
    case Option::Speed:
        return value >= 1 && value <= 3;
    case Option::ControlMode:
    case Option::Prologue:
    case Option::Music:
    case Option::WavOff:
        return value <= 1;
    default: // the byte that is always 0 and the two reserved ones
        return value == 0;
    }
}

OptionBlock optionsFromBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kOptionBytes)
        return kBuiltInOptions;
    OptionBlock block = kBuiltInOptions;
    for (std::size_t n = 0; n < kOptionBytes; ++n)
        if (validOptionByte(n, bytes[n]))
            block[n] = bytes[n];
    return block;
}

void optionload(game::Game& game) {
    const auto bytes = readBytes(inFolder(game.folders.save, kOptionFile), kOptionBytes);
    options(game) = bytes ? optionsFromBytes(*bytes) : kBuiltInOptions;
}

void optionl1(game::Game& game) {
    const OptionBlock& o = options(game);
    fontsizein(game);
    switch (o[Option::Speed]) {
    case 1:
        explore::speedhigh(game);
        break;
    case 3:
        explore::speedlow(game);
        break;
    default:
        explore::speedmiddle(game);
        break;
    }
    if (o[Option::ControlMode] == 1)
        explore::KeyboardControl1Click(game);
    else
        explore::MouseControl1Click(game);
    entry(game, kPrologueEntry).checked = o[Option::Prologue] == 1;
    sound::setMusicSwitch(game, o[Option::Music] == 1);
    sound::setWavSwitch(game, o[Option::WavOff] == 0);
}

void fontsizein(game::Game& game) {
    const OptionBlock& o = options(game);
    for (const FontPair& pair : kFontPairs)
        entry(game, pair.entry).checked =
            pair.small == o[Option::SmallFont] && pair.dialog == o[Option::DialogFont];
    setFontSize(game, kSmallFontControls, o[Option::SmallFont]);
    setFontSize(game, kDialogFontControls, o[Option::DialogFont]);
}

void Large1Click(game::Game& game) {
    chooseFont(game, kFontPairs[0]);
}
void Normal1Click(game::Game& game) {
    chooseFont(game, kFontPairs[1]);
}
void Small1Click(game::Game& game) {
    chooseFont(game, kFontPairs[2]);
}
void tiny1Click(game::Game& game) {
    chooseFont(game, kFontPairs[3]);
}

void keyboardControlEntry(game::Game& game) {
    explore::KeyboardControl1Click(game);
    options(game)[Option::ControlMode] = 1;
}
void mouseControlEntry(game::Game& game) {
    explore::MouseControl1Click(game);
    options(game)[Option::ControlMode] = 0;
}

void K5Click(game::Game& game) {
    window::MenuItem& prologue = entry(game, kPrologueEntry);
    prologue.checked = !prologue.checked;
    options(game)[Option::Prologue] = prologue.checked ? 1 : 0;
}

void NormalOption1Click(game::Game& game) {
    options(game) = kInitialOptions;
    optionl1(game);
}

void OptionSave1Click(game::Game& game) {
    OptionBlock o = options(game);
    o[Option::SmallFont] = static_cast<std::uint8_t>(game.window.main.control("Memo1").fontSize);
    o[Option::DialogFont] = static_cast<std::uint8_t>(game.window.main.control("Edit8").fontSize);
    o[Option::Zero] = 0;
    o[Option::Speed] = entry(game, kHighEntry).checked ? 1 : entry(game, kLowEntry).checked ? 3 : 2;
    options(game) = o;
    if (auto error = writeBytes(inFolder(game.folders.save, kOptionFile), o))
        game.platform().messageBox(*error);
}

} // namespace persist
