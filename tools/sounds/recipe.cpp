#include "recipe.h"

#include "source.h"
#include "world/little_endian.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string_view>

namespace sounds {
namespace {

const std::map<std::string, Wave> kWaves = {{"sine", Wave::Sine},
                                            {"square", Wave::Square},
                                            {"triangle", Wave::Triangle},
                                            {"saw", Wave::Saw},
                                            {"noise", Wave::Noise}};

// Where each key=value of a layer line goes, and its smallest allowed value.
struct LayerKey {
    double Layer::*field;
    double minimum;
};
const std::map<std::string, LayerKey> kKeys = {
    {"at", {&Layer::at, 0}},           {"length", {&Layer::length, 0.001}},
    {"volume", {&Layer::volume, 0}},   {"attack", {&Layer::attack, 0}},
    {"release", {&Layer::release, 0}}, {"decay", {&Layer::decay, 0}},
    {"duty", {&Layer::duty, 0.01}},    {"lowpass", {&Layer::lowpass, 0}},
};

constexpr double kLongest = 10; // seconds: no effect of the game is near this long

struct LineReader {
    const std::string& file;
    int line;

    [[noreturn]] void fail(const std::string& what) const { throw SourceError(file, line, what); }
    double number(const std::string& word) const { return parseNumber(word, file, line); }
    double atLeast(const std::string& word, double minimum, const std::string& key) const {
        const double v = number(word);
        if (v < minimum)
            fail(key + " must be at least " + std::to_string(minimum));
        return v;
    }
};

// "from..to" or one value for both.
void readPitch(const LineReader& r, const std::string& value, Layer& layer) {
    const auto dots = value.find("..");
    const std::string from = value.substr(0, dots);
    const std::string to = dots == std::string::npos ? from : value.substr(dots + 2);
    layer.pitchFrom = r.atLeast(from, 1, "pitch");
    layer.pitchTo = r.atLeast(to, 1, "pitch");
}

// "rate:depth".
void readVibrato(const LineReader& r, const std::string& value, Layer& layer) {
    const auto colon = value.find(':');
    if (colon == std::string::npos)
        r.fail("vibrato is rate:depth");
    layer.vibratoRate = r.atLeast(value.substr(0, colon), 0, "vibrato rate");
    layer.vibratoDepth = r.atLeast(value.substr(colon + 1), 0, "vibrato depth");
}

Layer readLayer(const LineReader& r, const std::vector<std::string>& w) {
    if (w.size() < 2)
        r.fail("a layer needs a waveform");
    const auto wave = kWaves.find(w[1]);
    if (wave == kWaves.end())
        r.fail("unknown waveform '" + w[1] + "'");
    Layer layer;
    layer.wave = wave->second;
    std::set<std::string> seen;
    for (std::size_t i = 2; i < w.size(); ++i) {
        const auto eq = w[i].find('=');
        if (eq == std::string::npos)
            r.fail("expected key=value, found '" + w[i] + "'");
        const std::string key = w[i].substr(0, eq);
        const std::string value = w[i].substr(eq + 1);
        if (!seen.insert(key).second)
            r.fail(key + " given twice");
        if (key == "pitch")
            readPitch(r, value, layer);
        else if (key == "vibrato")
            readVibrato(r, value, layer);
        else if (const auto k = kKeys.find(key); k != kKeys.end())
            layer.*(k->second.field) = r.atLeast(value, k->second.minimum, key);
        else
            r.fail("unknown key '" + key + "'");
    }
    if (!seen.contains("length"))
        r.fail("a layer needs a length");
    if (layer.at + layer.length > kLongest)
        r.fail("the layer ends after " + std::to_string(kLongest) + " seconds");
    if (layer.attack + layer.release > layer.length)
        r.fail("attack and release are longer than the layer");
    return layer;
}

// The waveform at phase p (0..1) between -1 and 1.
double oscillator(Wave wave, double p, double duty) {
    switch (wave) {
    case Wave::Sine:
        return std::sin(2 * std::numbers::pi * p);
    case Wave::Square:
        return p < duty ? 1.0 : -1.0;
    case Wave::Triangle:
        return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Wave::Saw:
        return 2 * p - 1;
    case Wave::Noise:
        break;
    }
    return 0;
}

// The envelope at time t (seconds into the layer).
double envelope(const Layer& l, double t) {
    double e = 1;
    if (l.attack > 0 && t < l.attack)
        e = t / l.attack;
    else if (l.decay > 0)
        e = std::exp(-l.decay * (t - l.attack));
    const double untilEnd = l.length - t;
    if (l.release > 0 && untilEnd < l.release)
        e *= std::max(0.0, untilEnd / l.release);
    return e;
}

// A repeatable stream of random values between -1 and 1.
class Noise {
  public:
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

  private:
    std::uint32_t state_ = 22050;
};

void mixLayer(const Layer& l, std::vector<double>& mix) {
    const auto first = static_cast<std::size_t>(std::lround(l.at * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(l.length * kSampleRate));
    const double smoothing =
        l.lowpass > 0 ? 1 - std::exp(-2 * std::numbers::pi * l.lowpass / kSampleRate) : 1;
    Noise noise;
    double phase = 0;
    double held = noise.next();
    double filtered = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double along = t / l.length;
        double pitch = l.pitchFrom * std::pow(l.pitchTo / l.pitchFrom, along);
        pitch *= 1 + l.vibratoDepth * std::sin(2 * std::numbers::pi * l.vibratoRate * t);
        phase += pitch / kSampleRate;
        if (phase >= 1) {
            phase -= std::floor(phase);
            held = noise.next();
        }
        const double raw = l.wave == Wave::Noise ? held : oscillator(l.wave, phase, l.duty);
        filtered += smoothing * (raw - filtered);
        mix[first + i] += filtered * l.volume * envelope(l, t);
    }
}

} // namespace

Recipe parseRecipe(const std::string& text, const std::string& file) {
    Recipe recipe;
    for (const SourceLine& line : sourceLines(text)) {
        const LineReader r{file, line.number};
        const std::vector<std::string> w = words(line.text);
        if (w[0] == "layer") {
            recipe.layers.push_back(readLayer(r, w));
        } else if (w[0] == "peak") {
            if (w.size() != 2)
                r.fail("peak takes one value");
            recipe.peak = r.atLeast(w[1], 0.01, "peak");
            if (recipe.peak > 1)
                r.fail("peak must be at most 1");
        } else {
            r.fail("unknown line '" + w[0] + "'");
        }
    }
    if (recipe.layers.empty())
        throw SourceError(file, 1, "the recipe has no layer");
    return recipe;
}

std::vector<std::int16_t> synthesize(const Recipe& recipe) {
    double end = 0;
    for (const Layer& l : recipe.layers)
        end = std::max(end, l.at + l.length);
    std::vector<double> mix(static_cast<std::size_t>(std::lround(end * kSampleRate)) + 1, 0.0);
    for (const Layer& l : recipe.layers)
        mixLayer(l, mix);
    double loudest = 0;
    for (double v : mix)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? recipe.peak * 32767 / loudest : 0;
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (double v : mix)
        samples.push_back(static_cast<std::int16_t>(std::lround(v * scale)));
    return samples;
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    // Byte by byte: GCC 12 at -O3 takes a four-byte insert for an overflow.
    auto tag = [&](std::string_view t) {
        for (char c : t)
            out.push_back(static_cast<std::uint8_t>(c));
    };
    tag("RIFF");
    world::appendLittleEndian(out, 36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    world::appendLittleEndian(out, 16, 4);              // the format block's size
    world::appendLittleEndian(out, 1, 2);               // PCM
    world::appendLittleEndian(out, 1, 2);               // mono
    world::appendLittleEndian(out, kSampleRate, 4);     // samples per second
    world::appendLittleEndian(out, kSampleRate * 2, 4); // bytes per second
    world::appendLittleEndian(out, 2, 2);               // bytes per sample frame
    world::appendLittleEndian(out, 16, 2);              // bits per sample
    tag("data");
    world::appendLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        world::appendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

} // namespace sounds
