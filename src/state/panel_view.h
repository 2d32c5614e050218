// What the side panels show: the floor label, the four figures and the message line, the sword
// and the shield, the item icons, the keys and the monster panel, as the game last set them.
// The rules and the panel drawing set these values; render::present (render/present.h) writes
// the ones that changed into the window model at the end of every event, so that the window
// only ever shows what the game's state says.
#pragma once

#include "picture/picture.h"
#include "window/window_model.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace render {

// One field of a control as the game wants it shown, and whether the window has it already.
template <typename T> class Shown {
  public:
    const T& get() const { return value_; }
    bool changed() const { return changed_; }
    bool known() const { return known_; } // set at least once since the game was made
    void set(T value) {
        value_ = std::move(value);
        changed_ = known_ = true;
    }
    // Hands the value over to the window: the field is up to date until the next set.
    const T& take() {
        changed_ = false;
        return value_;
    }

  private:
    T value_{};
    bool changed_ = false;
    bool known_ = false;
};

// A picture control of a panel: its picture, whether it shows, its hint and whether the hint
// pops up.
struct PanelPicture {
    Shown<Picture> picture;
    Shown<bool> visible;
    Shown<std::string> hint;
    Shown<bool> showHint;
};

// A text field of a panel and how its text lies in it.
struct PanelText {
    Shown<std::string> text;
    Shown<window::Align> align;
};

inline constexpr std::size_t kPanelItems = 15; // the item icons, in the order of the item table

struct PanelView {
    PanelText floorLabel;                          // Memo11
    std::array<PanelText, 4> figures{};            // Memo1..Memo4: life, offense, defense, gold
    PanelText message;                             // Edit8, the message line under the play field
    PanelText swordName;                           // Memo9
    PanelText shieldName;                          // Memo10
    PanelPicture sword;                            // Image19
    PanelPicture shield;                           // Image20
    std::array<PanelPicture, kPanelItems> items{}; // Image4..Image18
    PanelPicture keys;                             // Image32
    PanelPicture monster;                          // Image31
    std::array<PanelText, 4> monsterFields{}; // Memo5..Memo7: life, offense, defense; Memo8 name
};

} // namespace render
