#include "score.h"

#include "source.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <tuple>

namespace sounds {
namespace {

// Percussion keys of General MIDI channel 10, by the names the sources use.
const std::map<std::string, int> kDrums = {{"kick", 36},  {"snare", 38}, {"clap", 39}, {"hat", 42},
                                           {"ohat", 46},  {"tom1", 50},  {"tom2", 47}, {"tom3", 45},
                                           {"crash", 49}, {"ride", 51},  {"gong", 52}, {"bell", 53},
                                           {"shaker", 70}};

constexpr int kDefaultVelocity = 90;
constexpr int kDefaultGate = 90; // percent of its length that a note sounds

// A phrase: notes at ticks from its start; velocity 0 takes the player's current one.
struct Phrase {
    std::vector<Note> notes;
    int length = 0;
};

struct Reader {
    const std::string& file;
    int line;
    [[noreturn]] void fail(const std::string& what) const { throw SourceError(file, line, what); }
    int integer(const std::string& w, int low, int high, const std::string& what) const {
        const int v = parseInteger(w, file, line);
        if (v < low || v > high)
            fail(what + " must be " + std::to_string(low) + ".." + std::to_string(high));
        return v;
    }
};

// Where notes go as a line is read: a channel or a phrase being defined.
struct Stream {
    std::vector<Note>& notes;
    int tick;
    int origin; // where the first bar of the stream began
    int barTicks;
    int gate;
    int velocity = 0;
    int lastLength = kTicksPerQuarter;
};

// ":4", ":8.", ":8t", ":2_8" (tied): the length in ticks.
int readLength(const Reader& r, const std::string& text) {
    int total = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto tie = text.find('_', start);
        std::string part = text.substr(start, tie == std::string::npos ? tie : tie - start);
        start = tie == std::string::npos ? text.size() + 1 : tie + 1;
        bool dotted = false;
        bool triplet = false;
        while (!part.empty() && (part.back() == '.' || part.back() == 't')) {
            (part.back() == '.' ? dotted : triplet) = true;
            part.pop_back();
        }
        const int value = r.integer(part, 1, 64, "a note value");
        if ((value & (value - 1)) != 0)
            r.fail("a note value is 1, 2, 4, 8, 16, 32 or 64");
        int ticks = kTicksPerQuarter * 4 / value;
        if (dotted)
            ticks += ticks / 2;
        if (triplet)
            ticks = ticks * 2 / 3;
        total += ticks;
    }
    return total;
}

// "c4", "f#3", "bb2", a drum name or "n<key>".
int readKey(const Reader& r, const std::string& p) {
    if (const auto drum = kDrums.find(p); drum != kDrums.end())
        return drum->second;
    if (p.size() > 1 && p[0] == 'n')
        return r.integer(p.substr(1), 0, 127, "a key");
    static const std::map<char, int> kLetters = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                                 {'g', 7}, {'a', 9}, {'b', 11}};
    const auto letter = p.empty() ? kLetters.end() : kLetters.find(p[0]);
    if (letter == kLetters.end())
        r.fail("'" + p + "' is not a note");
    int key = letter->second;
    std::size_t i = 1;
    if (i < p.size() && (p[i] == '#' || (p[i] == 'b' && i + 1 < p.size()))) {
        key += p[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i + 1 != p.size() || !std::isdigit(static_cast<unsigned char>(p[i])))
        r.fail("'" + p + "' is not a note (a letter, # or b, an octave 0..9)");
    key += 12 * (p[i] - '0' + 1);
    if (key < 0 || key > 127)
        r.fail("'" + p + "' is outside the keyboard");
    return key;
}

void checkBar(const Reader& r, const Stream& s) {
    const int into = (s.tick - s.origin) % s.barTicks;
    if (into != 0)
        r.fail("the bar does not fill the meter: it ends " + std::to_string(into) +
               " ticks into a bar (a quarter note is " + std::to_string(kTicksPerQuarter) + ")");
}

// "@name", "@name^-12", "@name*4", "@name^5*2": a phrase played, transposed and repeated.
void playPhrase(const Reader& r, const std::string& token, Stream& s,
                const std::map<std::string, Phrase>& phrases) {
    std::string name = token.substr(1);
    int repeat = 1;
    int shift = 0;
    for (auto at = name.find_last_of("^*"); at != std::string::npos; at = name.find_last_of("^*")) {
        const std::string value = name.substr(at + 1);
        if (name[at] == '*')
            repeat = r.integer(value, 1, 64, "a repeat");
        else
            shift = r.integer(value, -48, 48, "a transposition");
        name.erase(at);
    }
    const auto phrase = phrases.find(name);
    if (phrase == phrases.end())
        r.fail("no phrase '" + name + "' before this line");
    for (int n = 0; n < repeat; ++n) {
        for (Note note : phrase->second.notes) {
            note.tick += s.tick;
            note.key += shift;
            if (note.key < 0 || note.key > 127)
                r.fail("phrase '" + name + "' transposed leaves the keyboard");
            if (note.velocity == 0)
                note.velocity = s.velocity;
            s.notes.push_back(note);
        }
        s.tick += phrase->second.length;
    }
}

// A note, a chord ("c4+e4+g4") or a rest ("r"), with its length or the previous one.
void playNotes(const Reader& r, const std::string& token, Stream& s) {
    const auto colon = token.find(':');
    const std::string head = token.substr(0, colon);
    if (colon != std::string::npos)
        s.lastLength = readLength(r, token.substr(colon + 1));
    if (head != "r") {
        std::size_t start = 0;
        while (start <= head.size()) {
            const auto plus = head.find('+', start);
            const std::string pitch =
                head.substr(start, plus == std::string::npos ? plus : plus - start);
            start = plus == std::string::npos ? head.size() + 1 : plus + 1;
            const int sounding = std::max(1, s.lastLength * s.gate / 100);
            s.notes.push_back({s.tick, sounding, readKey(r, pitch), s.velocity});
        }
    }
    s.tick += s.lastLength;
}

void readMusic(const Reader& r, const std::string& content, Stream& s,
               const std::map<std::string, Phrase>& phrases) {
    for (const std::string& token : words(content)) {
        if (token == "|")
            checkBar(r, s);
        else if (token[0] == 'v' && token.size() > 1 && std::isdigit(token[1]))
            s.velocity = r.integer(token.substr(1), 1, 127, "a velocity");
        else if (token[0] == '@')
            playPhrase(r, token, s, phrases);
        else
            playNotes(r, token, s);
    }
    checkBar(r, s);
}

// "channel lead 1 program=57 volume=100 pan=64 reverb=40 velocity=90 gate=90"
Channel readChannel(const Reader& r, const std::vector<std::string>& w, int& velocity, int& gate) {
    if (w.size() < 3)
        r.fail("a channel has a name and a number 1..16");
    Channel c;
    c.name = w[1];
    c.number = r.integer(w[2], 1, 16, "a channel number") - 1;
    c.line = r.line;
    c.program = c.number == 9 ? -1 : 0;
    velocity = kDefaultVelocity;
    gate = kDefaultGate;
    for (std::size_t i = 3; i < w.size(); ++i) {
        const auto eq = w[i].find('=');
        const std::string key = w[i].substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : w[i].substr(eq + 1);
        if (key == "program" && c.number != 9)
            c.program = r.integer(value, 1, 128, "a program") - 1;
        else if (key == "volume")
            c.volume = r.integer(value, 0, 127, "a volume");
        else if (key == "pan")
            c.pan = r.integer(value, 0, 127, "a pan");
        else if (key == "reverb")
            c.reverb = r.integer(value, 0, 127, "a reverb");
        else if (key == "velocity")
            velocity = r.integer(value, 1, 127, "a velocity");
        else if (key == "gate")
            gate = r.integer(value, 10, 100, "a gate");
        else
            r.fail("unknown channel setting '" + w[i] + "'");
    }
    return c;
}

// Everything the reader keeps between lines.
struct ScoreReader {
    Score score;
    std::map<std::string, Phrase> phrases;
    std::vector<int> velocity; // per channel: the velocity now
    std::vector<int> gate;     // per channel
    std::vector<int> lastLength;
    std::string phraseName; // the phrase being defined, empty outside one
    Phrase phrase;
    int phraseVelocity = 0;
    int phraseLastLength = kTicksPerQuarter;
    bool musicStarted = false;

    void line(const Reader& r, const std::string& text);
    void header(const Reader& r, const std::vector<std::string>& w, const std::string& text);
    void channelMusic(const Reader& r, const std::string& name, const std::string& content);
    void phraseMusic(const Reader& r, const std::string& content);
};

void ScoreReader::header(const Reader& r, const std::vector<std::string>& w,
                         const std::string& text) {
    if (musicStarted && w[0] != "phrase")
        r.fail("'" + w[0] + "' must come before the music");
    if (w[0] == "title") {
        score.title = text.substr(text.find_first_of(" \t") + 1);
    } else if (w[0] == "tempo" && w.size() == 2) {
        score.tempo = r.integer(w[1], 20, 300, "the tempo");
    } else if (w[0] == "level" && w.size() == 2) {
        score.level = r.integer(w[1], -40, 0, "the level in decibels");
    } else if (w[0] == "meter" && w.size() == 2) {
        const auto slash = w[1].find('/');
        if (slash == std::string::npos)
            r.fail("a meter is beats/unit");
        score.beats = r.integer(w[1].substr(0, slash), 1, 16, "the beats of a bar");
        score.unit = r.integer(w[1].substr(slash + 1), 1, 16, "the beat's note value");
        if (score.unit != 2 && score.unit != 4 && score.unit != 8 && score.unit != 16)
            r.fail("the beat's note value is 2, 4, 8 or 16");
    } else if (w[0] == "channel") {
        int v = 0;
        int g = 0;
        Channel c = readChannel(r, w, v, g);
        for (const Channel& other : score.channels)
            if (other.name == c.name)
                r.fail("channel '" + c.name + "' declared twice");
        score.channels.push_back(std::move(c));
        velocity.push_back(v);
        gate.push_back(g);
        lastLength.push_back(kTicksPerQuarter);
    } else if (w[0] == "phrase" && w.size() == 2) {
        if (phrases.contains(w[1]))
            r.fail("phrase '" + w[1] + "' defined twice");
        phraseName = w[1];
        phrase = {};
        phraseVelocity = 0;
        phraseLastLength = kTicksPerQuarter;
    } else {
        r.fail("unknown line '" + text + "'");
    }
}

void ScoreReader::channelMusic(const Reader& r, const std::string& name,
                               const std::string& content) {
    const auto c = std::find_if(score.channels.begin(), score.channels.end(),
                                [&](const Channel& ch) { return ch.name == name; });
    if (c == score.channels.end())
        r.fail("no channel '" + name + "'");
    const auto i = static_cast<std::size_t>(c - score.channels.begin());
    Stream s{c->notes, c->end, c->end, score.barTicks(), gate[i]};
    s.velocity = velocity[i];
    s.lastLength = lastLength[i];
    readMusic(r, content, s, phrases);
    c->end = s.tick;
    velocity[i] = s.velocity;
    lastLength[i] = s.lastLength;
}

void ScoreReader::phraseMusic(const Reader& r, const std::string& content) {
    Stream s{phrase.notes, phrase.length, 0, score.barTicks(), kDefaultGate};
    s.velocity = phraseVelocity;
    s.lastLength = phraseLastLength;
    readMusic(r, content, s, phrases);
    phrase.length = s.tick;
    phraseVelocity = s.velocity;
    phraseLastLength = s.lastLength;
}

void ScoreReader::line(const Reader& r, const std::string& text) {
    const std::vector<std::string> w = words(text);
    if (!phraseName.empty()) {
        if (w[0] == "end") {
            if (phrase.length == 0)
                r.fail("phrase '" + phraseName + "' is empty");
            phrases[phraseName] = phrase;
            phraseName.clear();
        } else {
            phraseMusic(r, text);
        }
        return;
    }
    if (w[0].size() > 1 && w[0].back() == ':') {
        musicStarted = true;
        channelMusic(r, w[0].substr(0, w[0].size() - 1), text.substr(w[0].size()));
        return;
    }
    header(r, w, text);
}

void putVariable(std::vector<std::uint8_t>& out, std::uint32_t v) {
    std::uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<std::uint8_t>(v & 0x7f);
        v >>= 7;
    } while (v != 0);
    while (n > 1)
        out.push_back(static_cast<std::uint8_t>(bytes[--n] | 0x80));
    out.push_back(bytes[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// One track's events: at a tick, in an order within the tick (note-offs first), their bytes.
struct Event {
    int tick;
    int order;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out{0xff, type};
    putVariable(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<std::uint8_t> text(const std::string& s) {
    return {s.begin(), s.end()};
}

void putTrack(std::vector<std::uint8_t>& out, std::vector<Event> events, int end) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    events.push_back({end, 9, meta(0x2f, {})});
    std::vector<std::uint8_t> body;
    int now = 0;
    for (const Event& e : events) {
        putVariable(body, static_cast<std::uint32_t>(e.tick - now));
        now = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

// The expression controller that turns a channel down by `level` decibels: a synthesiser
// follows the General MIDI curve, 40 log10(value / 127) decibels.
int expressionFor(int level) {
    return static_cast<int>(std::lround(127 * std::pow(10.0, level / 40.0)));
}

std::vector<Event> channelEvents(const Channel& c, int level) {
    const auto status = [&](int kind) { return static_cast<std::uint8_t>(kind | c.number); };
    const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
    std::vector<Event> events{{0, 0, meta(0x03, text(c.name))}};
    if (c.program >= 0)
        events.push_back({0, 1, {status(0xc0), byte(c.program)}});
    events.push_back({0, 2, {status(0xb0), 7, byte(c.volume)}});
    events.push_back({0, 2, {status(0xb0), 11, byte(expressionFor(level))}});
    events.push_back({0, 2, {status(0xb0), 10, byte(c.pan)}});
    events.push_back({0, 2, {status(0xb0), 91, byte(c.reverb)}});
    for (const Note& n : c.notes) {
        events.push_back({n.tick, 4, {status(0x90), byte(n.key), byte(n.velocity)}});
        events.push_back({n.tick + n.length, 3, {status(0x80), byte(n.key), 64}});
    }
    return events;
}

} // namespace

Score parseScore(const std::string& source, const std::string& file) {
    ScoreReader reader;
    int lastLine = 1;
    for (const SourceLine& line : sourceLines(source)) {
        reader.line(Reader{file, line.number}, line.text);
        lastLine = line.number;
    }
    const Reader atEnd{file, lastLine};
    if (!reader.phraseName.empty())
        atEnd.fail("phrase '" + reader.phraseName + "' has no end");
    Score& score = reader.score;
    for (const Channel& c : score.channels)
        score.length = std::max(score.length, c.end);
    if (score.length == 0)
        atEnd.fail("the score has no music");
    for (const Channel& c : score.channels)
        if (c.end != score.length)
            throw SourceError(file, c.line,
                              "channel '" + c.name + "' lasts " +
                                  std::to_string(c.end / score.barTicks()) + " bars, the score " +
                                  std::to_string(score.length / score.barTicks()));
    return score;
}

std::vector<std::uint8_t> midiFile(const Score& score) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2); // several tracks played together
    putBigEndian(out, static_cast<std::uint32_t>(score.channels.size() + 1), 2);
    putBigEndian(out, kTicksPerQuarter, 2);

    std::vector<std::uint8_t> tempo;
    putBigEndian(tempo, static_cast<std::uint32_t>(60'000'000 / score.tempo), 3);
    int unitPower = 0;
    while ((1 << unitPower) < score.unit)
        ++unitPower;
    const std::vector<std::uint8_t> meter{static_cast<std::uint8_t>(score.beats),
                                          static_cast<std::uint8_t>(unitPower), 24, 8};
    putTrack(out,
             {{0, 0, meta(0x03, text(score.title))},
              {0, 1, meta(0x51, tempo)},
              {0, 2, meta(0x58, meter)}},
             score.length);
    for (const Channel& c : score.channels)
        putTrack(out, channelEvents(c, score.level), score.length);
    return out;
}

} // namespace sounds
