// Sound-effect recipes: a few layers of simple waveforms with a glide, an envelope and a
// filter, mixed into 16-bit mono PCM at 22050 Hz and written as a WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sounds {

inline constexpr int kSampleRate = 22050;

enum class Wave { Sine, Square, Triangle, Saw, Noise };

// One voice of an effect. Times are in seconds, pitches in Hz (for noise: how often a new
// random value is drawn).
struct Layer {
    Wave wave = Wave::Sine;
    double at = 0;
    double length = 0;
    double pitchFrom = 440;
    double pitchTo = 440;
    double volume = 1;
    double attack = 0;
    double release = 0;
    double decay = 0; // exponential fall per second after the attack
    double vibratoRate = 0;
    double vibratoDepth = 0; // fraction of the pitch
    double duty = 0.5;       // the high part of a square wave
    double lowpass = 0;      // Hz of a one-pole low-pass filter, 0 for none
};

struct Recipe {
    std::vector<Layer> layers;
    double peak = 0.8; // the loudest sample after mixing, as a fraction of full scale
};

// Read a recipe; `file` names it in error messages. Throws SourceError.
Recipe parseRecipe(const std::string& text, const std::string& file);

// Mix the layers into samples at kSampleRate, scaled so that the loudest one is `peak`.
std::vector<std::int16_t> synthesize(const Recipe& recipe);

// A WAV file of 16-bit mono PCM samples at kSampleRate.
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples);

} // namespace sounds
