// The command stack: every action that takes time on screen is written as a script of small
// commands and played by the command timer, one entry at a time from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace script {

// CommandEntry: one command of a script, three signed 16-bit values.
struct CommandEntry {
    std::int16_t code = 0;
    std::int16_t arg1 = 0;
    std::int16_t arg2 = 0;

    constexpr CommandEntry() = default;
    // Values are kept to 16 bits, as the stack stores them.
    constexpr CommandEntry(int c, int a1, int a2)
        : code(static_cast<std::int16_t>(c)), arg1(static_cast<std::int16_t>(a1)),
          arg2(static_cast<std::int16_t>(a2)) {}

    friend bool operator==(const CommandEntry&, const CommandEntry&) = default;
};

// Room for the scripts of ordinary play; a longer script (a fight of thousands of exchanges)
// makes the stack grow, so no push ever writes past the end.
inline constexpr int kCommandStackRoom = 30000;

// CommandStack: entries 1..size() are pending, entry size() plays next. Entry 0 is never
// played; it only lies beneath entry 1 for the commands that read the values beneath them.
class CommandStack {
  public:
    // A count of pending entries taken before a routine runs, to tell whether it pushed.
    using Mark = std::int32_t;

    // Put one entry on top: it plays before everything already pending.
    void push(const CommandEntry& entry);

    bool empty() const { return top_ <= 0; }
    std::int32_t size() const { return top_; }
    const CommandEntry& topEntry() const { return at(top_); }
    // The entry directly beneath the top one, whatever its code.
    const CommandEntry& beneath() const { return at(top_ - 1); }
    // The pending entries from the bottom one up to the top one.
    std::span<const CommandEntry> pending() const {
        return {entries_.data() + 1, static_cast<std::size_t>(top_)};
    }
    // Pending entry n (1 lies at the bottom, size() on top).
    const CommandEntry& at(std::int32_t n) const {
        return entries_.at(static_cast<std::size_t>(n));
    }

    // Take the top entry off.
    void pop() { top_ -= 1; }
    // Take every entry off.
    void clear() { top_ = 0; }
    // Take every entry off but the bottom one (the fallen hero's script goes on top of it).
    void keepBottom() { top_ = top_ > 0 ? 1 : 0; }

    Mark mark() const { return top_; }
    bool pushedSince(Mark mark) const { return top_ != mark; }

  private:
    std::vector<CommandEntry> entries_ = std::vector<CommandEntry>(kCommandStackRoom + 1);
    std::int32_t top_ = 0; // StackTop
};

} // namespace script
