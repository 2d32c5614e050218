// The player's choices from the Options menu: the two font sizes, the pace of play, the
// control mode, the prologue and the two sound switches. The Game holds one Options value;
// the menu's check marks show it and option.dat keeps it between runs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace game {

// The three paces of the animation, command and repeat timers.
enum class Speed : std::uint8_t { High = 1, Middle = 2, Low = 3 };

// Mouse: the arrow buttons step, keys go to the focused control. Keyboard: the keys step.
enum class ControlMode : std::uint8_t { Mouse = 0, Keyboard = 1 };

// The two font sizes, in pixels.
struct FontSizes {
    std::uint8_t small = 10;  // status figures, monster panel fields, ranking table
    std::uint8_t dialog = 12; // message line, dialogue box, choice buttons

    bool operator==(const FontSizes&) const = default;
};

// The Font menu's four entries, in menu order, and the pair of sizes each stands for.
enum class FontChoice : std::uint8_t { Big, Normal, Small, Tiny };
inline constexpr std::array<FontSizes, 4> kFontPairs = {{{12, 14}, {10, 12}, {9, 11}, {8, 10}}};

// The Font entry whose pair the sizes are; none when they are no pair of the menu (a file may
// hold any size of one pair beside any size of another).
constexpr std::optional<FontChoice> fontChoice(FontSizes sizes) {
    for (std::size_t n = 0; n < kFontPairs.size(); ++n)
        if (kFontPairs[n] == sizes)
            return static_cast<FontChoice>(n);
    return std::nullopt;
}

struct Options {
    FontSizes fonts;
    Speed speed = Speed::High;
    ControlMode control = ControlMode::Mouse;
    bool prologue = true; // the opening plays at the next start-up
    bool music = false;   // background music
    // Sound effects as the option file keeps them. The effects themselves follow Status[89],
    // which a loaded game brings with it, so the two can differ until the switch is used.
    bool wavSound = true;

    bool keyboard() const { return control == ControlMode::Keyboard; }
    bool operator==(const Options&) const = default;
};

// The options before any file is read, and those "&Initialize Option" puts back.
inline constexpr Options kBuiltInOptions{};
inline constexpr Options kInitialOptions = [] {
    Options o;
    o.speed = Speed::Middle;
    return o;
}();

} // namespace game
