// Game: the one object that owns the whole state of a running game.
#pragma once

#include "platform/platform.h"
#include "platform/sound.h"
#include "state/characters_state.h"
#include "state/combat_state.h"
#include "state/explore_state.h"
#include "state/extras_state.h"
#include "state/items_state.h"
#include "state/option_choices.h"
#include "state/persist_state.h"
#include "state/render_state.h"
#include "state/scenes_state.h"
#include "state/shell_state.h"
#include "state/sound_state.h"
#include "window/main_window.h"
#include "window/window_model.h"
#include "world/status.h"
#include "world/tower_map.h"

#include <cstdint>
#include <string>
#include <utility>

namespace game {

// The folders the game reads and writes; the shell or the driver sets them at start-up.
struct Folders {
    std::string game;   // holds data/, data2/, wav/, midi/ and the help file
    std::string save;   // option block, saved games, rankings
    std::string config; // the settings file KRN10.INI
};

// The message selector that shows the composed text rather than a catalogue line.
inline constexpr std::int32_t kComposedMessage = 1;

struct Game {
    world::Status status; // the hero's progress, saved whole
    world::TowerMap map;  // every floor as it stands now, saved whole

    // The message line: kComposedMessage shows composedMessage, any other value v catalogue
    // line v + 127.
    std::int32_t messageSelector = 0;
    std::string composedMessage;

    // The text the message line shows at its next redraw, in place of a catalogue line.
    void composeMessage(std::string text) {
        composedMessage = std::move(text);
        messageSelector = kComposedMessage;
    }

    std::int32_t heroCell = 0;   // cell of the hero before a step
    std::int32_t targetCell = 0; // cell the hero is about to enter

    window::WindowModel window = window::makeWindowModel(); // what the player sees
    render::RenderState render;    // picture lists, play-field frames, animation phase
    explore::ExploreState explore; // command stack, input lock, step input, item cursor
    combat::CombatState combat;    // the fight's working values and the monster table
    scenes::ScenesState scenes;    // the prologue, the Ending window, full-window scenes
    characters::TalkState talk;    // the offer, the price and the line of a character's talk
    items::ItemsState items;       // the item waiting for "Use", the Orb of Hero's list
    sound::SoundState audio;       // the file the music player holds
    persist::PersistState persist; // the Ranking and Change Data Folder windows at work
    Folders folders;
    Options options;            // the player's choices from the Options menu
    ShellState shell;           // settings lines, quit request
    extras::ExtrasState extras; // our own extras beside the game: never changes a rule

    // The outside world, set by the shell (not owned). Until then the game runs on an
    // unattended desktop in silence.
    window::Platform& platform() { return platform_ ? *platform_ : unattended_; }
    sound::Sound& sound() { return sound_ ? *sound_ : silence_; }
    void setPlatform(window::Platform* p) { platform_ = p; }
    void setSound(sound::Sound* s) { sound_ = s; }

  private:
    window::Platform* platform_ = nullptr;
    sound::Sound* sound_ = nullptr;
    window::UnattendedPlatform unattended_;
    sound::Silence silence_;
};

} // namespace game
