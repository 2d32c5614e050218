// The command stack: every action that takes time on screen is written as a script of small
// commands, pushed in reverse playing order and played by the command timer.
#pragma once

#include <cstdint>
#include <vector>

namespace explore {

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

// CommandStack: entries 1..top are pending, entry top plays next. Entry 0 is never played; it
// only lies beneath entry 1 for the commands that read the values beneath them.
struct CommandStack {
    std::vector<CommandEntry> entries = std::vector<CommandEntry>(kCommandStackRoom + 1);
    std::int32_t top = 0; // StackTop

    // Push (code, arg1, arg2): top += 1, then write the entry.
    void push(int code, int arg1, int arg2);

    bool empty() const { return top <= 0; }
    CommandEntry& topEntry() { return entries.at(static_cast<std::size_t>(top)); }
    // The entry directly beneath the top one, whatever its code.
    const CommandEntry& beneath() const { return entries.at(static_cast<std::size_t>(top - 1)); }
    void clear() { top = 0; }
};

} // namespace explore
