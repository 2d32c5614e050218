// Scene scripts written in playing order, in the shorthand of the floor scenes and the
// after-fight checks: gates, rewards, dialogues, slides, fights, music cues.
#pragma once

#include "state/command_stack.h"
#include "state/game_fwd.h"

#include <initializer_list>
#include <span>
#include <vector>

namespace script {

class Script {
  public:
    // Music cues are written only when music is on at the moment the script is made.
    explicit Script(const game::Game& game);
    Script(const game::Game& game, std::initializer_list<CommandEntry> playingOrder);

    Script& add(int code, int arg1 = 0, int arg2 = 0);
    Script& add(const CommandEntry& entry);
    Script& add(std::span<const CommandEntry> more);
    Script& add(const Script& more) { return add(more.entries()); }
    Script& pause(int count = 1);
    // Command 1 with one of the sounds of Effect.
    Script& sound(int effect);
    // The door sound, a pause and the sixteen frames of a door animation of `kind` on a cell.
    Script& door(int cell, int kind);
    // The sixteen frames alone, each followed by the pause that holds its number.
    Script& doorFrames(int cell, int kind);
    Script& openGate(int cell);
    Script& closeGate(int cell);
    Script& raiseWall(int cell);
    // The pick-up sound, a pause, then the cell takes the tile and is redrawn.
    Script& reward(int cell, int tile);
    Script& reward(std::initializer_list<int> cells, int tile);
    // The pick-up sound, then the cell takes the tile at once.
    Script& appear(int cell, int tile);
    Script& musicOff();
    Script& musicOn();
    // Command 15: the floor's music chosen and started again.
    Script& musicRestart();
    // Scripted dialog n in the text box and a pause; the script waits for its "OK".
    Script& dialogue(int n);
    // The figure on each cell of the path slides on to the next one.
    Script& walk(std::initializer_list<int> path);
    // The monster on the hero's cell strikes first.
    Script& fight(int cell);
    // A picture laid over a cell through a mask: (9, cell, mask) over (0, background, sprite).
    Script& masked(int cell, int mask, int background, int sprite);
    // The message line shows a catalogue selector.
    Script& message(int selector);

    const std::vector<CommandEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    bool musicIsOn() const { return musicOn_; }

    // Room for n entries, for the long scripts of fights.
    void reserve(std::size_t n) { entries_.reserve(n); }

    // Push the script in reverse, so that its first entry plays first.
    void push(game::Game& game) const;
    // Push the script and start play-out (timer2on).
    void play(game::Game& game) const;

  private:
    std::vector<CommandEntry> entries_;
    bool musicOn_;
};

} // namespace script
