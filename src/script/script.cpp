#include "script/script.h"

#include "script/executor.h"
#include "state/game.h"
#include "world/tiles.h"

namespace script {

Script::Script(const game::Game& game) : musicOn_(script::musicOn(game)) {}

Script::Script(const game::Game& game, std::initializer_list<CommandEntry> playingOrder)
    : entries_(playingOrder), musicOn_(script::musicOn(game)) {}

Script& Script::add(int code, int arg1, int arg2) {
    entries_.emplace_back(code, arg1, arg2);
    return *this;
}

Script& Script::add(const CommandEntry& entry) {
    entries_.push_back(entry);
    return *this;
}

Script& Script::add(std::span<const CommandEntry> more) {
    entries_.insert(entries_.end(), more.begin(), more.end());
    return *this;
}

Script& Script::pause(int count) {
    for (int i = 0; i < count; ++i)
        add(Cmd::Pause);
    return *this;
}

Script& Script::sound(int effect) {
    return add(Cmd::Sound, effect);
}

Script& Script::door(int cell, int kind) {
    return sound(Effect::Open).pause().doorFrames(cell, kind);
}

Script& Script::doorFrames(int cell, int kind) {
    // Each frame reads its number from the pause beneath it.
    for (int k = 1; k <= kDoorFrames; ++k)
        add(Cmd::DoorFrame, cell, kind).add(Cmd::Pause, 0, k);
    return *this;
}

Script& Script::openGate(int cell) {
    return door(cell, DoorKind::GateOpens);
}

Script& Script::closeGate(int cell) {
    return door(cell, DoorKind::GateCloses);
}

Script& Script::raiseWall(int cell) {
    return door(cell, DoorKind::WallRises);
}

Script& Script::reward(int cell, int tile) {
    return sound(Effect::Get).pause().add(Cmd::SetTile, cell, tile);
}

Script& Script::reward(std::initializer_list<int> cells, int tile) {
    for (int cell : cells)
        reward(cell, tile);
    return *this;
}

Script& Script::appear(int cell, int tile) {
    return sound(Effect::Get).add(Cmd::SetTile, cell, tile);
}

Script& Script::musicOff() {
    return musicOn_ ? sound(Effect::MusicOff) : *this;
}

Script& Script::musicOn() {
    return musicOn_ ? sound(Effect::MusicOn) : *this;
}

Script& Script::musicRestart() {
    return musicOn_ ? add(Cmd::MusicRestart) : *this;
}

Script& Script::dialogue(int n) {
    // The pause keeps the next command out of the dialogue's tick: a tick plays two commands,
    // and a second message box in the same tick would replace the first before it is read.
    return add(Cmd::MessageBox, n).pause();
}

Script& Script::walk(std::initializer_list<int> path) {
    const int* from = path.begin();
    for (const int* to = from + 1; to != path.end(); ++from, ++to)
        add(Cmd::MonsterSlide, *from, *to);
    return *this;
}

Script& Script::fight(int cell) {
    return add(Cmd::Special, Special::MonsterFirst, cell);
}

Script& Script::masked(int cell, int mask, int background, int sprite) {
    return add(Cmd::MaskedSprite, cell, mask).add(Cmd::Pause, background, sprite);
}

Script& Script::message(int selector) {
    return add(Cmd::Message, selector);
}

void Script::push(game::Game& game) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        game.explore.stack.push(*it);
}

void Script::play(game::Game& game) const {
    push(game);
    timer2on(game);
}

} // namespace script
