// Music sources: a readable list of notes per channel, with General MIDI instruments, checked
// bar by bar against the meter and written as a standard MIDI file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sounds {

inline constexpr int kTicksPerQuarter = 480;

struct Note {
    int tick = 0;
    int length = 0; // ticks the note sounds
    int key = 60;   // MIDI key, 60 = c4
    int velocity = 90;
};

struct Channel {
    std::string name;
    int number = 0;   // MIDI channel 0..15 (9 holds the drums)
    int program = -1; // General MIDI program 0..127, -1 for none (the drums)
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int line = 0; // where the channel was declared
    std::vector<Note> notes;
    int end = 0; // tick after the channel's last bar
};

struct Score {
    std::string title;
    int tempo = 120; // quarter notes per minute
    int level = 0;   // decibels (0 or less) the whole track is turned down, to match the others
    int beats = 4;   // the meter: beats per bar ...
    int unit = 4;    // ... of this note value
    std::vector<Channel> channels;
    int length = 0; // ticks

    int barTicks() const { return kTicksPerQuarter * 4 * beats / unit; }
    double seconds() const { return length * 60.0 / (tempo * kTicksPerQuarter); }
};

// Read a score; `file` names it in error messages. Throws SourceError.
Score parseScore(const std::string& text, const std::string& file);

// A standard MIDI file of format 1: a conductor track with the title, tempo and meter, then
// one track per channel with its instrument and notes.
std::vector<std::uint8_t> midiFile(const Score& score);

} // namespace sounds
