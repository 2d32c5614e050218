// The sound builder: WAV and MIDI files with the fields players expect, note lengths as the
// scores write them, and mistakes in a source reported with file and line.
#include "recipe.h"
#include "score.h"
#include "source.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t little(const Bytes& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

std::uint32_t big(const Bytes& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

std::string tag(const Bytes& b, std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

// The line number a source's mistake is reported at, 0 when it reads without one.
template <typename Parse> int errorLine(Parse parse, const std::string& text) {
    try {
        parse(text, "x.txt");
    } catch (const sounds::SourceError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("x.txt:" + std::to_string(e.line()) + ": ", 0), 0u)
            << e.what();
        return e.line();
    }
    return 0;
}

int recipeError(const std::string& text) {
    return errorLine(sounds::parseRecipe, text);
}
int scoreError(const std::string& text) {
    return errorLine(sounds::parseScore, text);
}

TEST(Recipe, MixesItsLayersIntoA22050HzMonoWavFileScaledToItsPeak) {
    const sounds::Recipe recipe = sounds::parseRecipe("# a test\n"
                                                      "layer square length=0.5 pitch=440\n"
                                                      "layer noise at=0.25 length=0.5 "
                                                      "pitch=900..300 decay=4\n"
                                                      "peak 0.5\n",
                                                      "t.txt");
    const std::vector<std::int16_t> samples = sounds::synthesize(recipe);
    EXPECT_EQ(samples.size(), 16539u); // 0.75 s and the closing sample
    int loudest = 0;
    for (std::int16_t s : samples)
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    EXPECT_NEAR(loudest, 16384, 1);

    const Bytes wav = sounds::wavFile(samples);
    ASSERT_EQ(wav.size(), 44 + 2 * samples.size());
    EXPECT_EQ(tag(wav, 0), "RIFF");
    EXPECT_EQ(little(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(tag(wav, 8), "WAVE");
    EXPECT_EQ(tag(wav, 12), "fmt ");
    EXPECT_EQ(little(wav, 20, 2), 1u); // PCM
    EXPECT_EQ(little(wav, 22, 2), 1u); // mono
    EXPECT_EQ(little(wav, 24, 4), 22050u);
    EXPECT_EQ(little(wav, 28, 4), 44100u);
    EXPECT_EQ(little(wav, 32, 2), 2u);
    EXPECT_EQ(little(wav, 34, 2), 16u);
    EXPECT_EQ(tag(wav, 36), "data");
    EXPECT_EQ(little(wav, 40, 4), 2 * samples.size());
    EXPECT_EQ(static_cast<std::int16_t>(little(wav, 44 + 2 * 100, 2)), samples[100]);
}

TEST(Recipe, MistakesAreReportedAtTheirLine) {
    EXPECT_EQ(recipeError("layer sine length=1\nlayer drum length=1\n"), 2);
    EXPECT_EQ(recipeError("\n# comment\nlayer sine pitch=440\n"), 3); // no length
    EXPECT_EQ(recipeError("layer sine length=1 colour=red\n"), 1);
    EXPECT_EQ(recipeError("layer sine length=1 pitch=4x0\n"), 1);
    EXPECT_EQ(recipeError("layer sine length=0.1 attack=0.2\n"), 1);
    EXPECT_EQ(recipeError("layer sine length=1 volume=0.5 volume=0.2\n"), 1);
    EXPECT_EQ(recipeError("layer sine length=1\npeak 2\n"), 2);
    EXPECT_EQ(recipeError("# only a comment\n"), 1);
}

// The note-on events of a MIDI track as (tick, key, velocity), and where it ends.
struct TrackNotes {
    std::vector<std::array<int, 3>> notes;
    int end = 0;
};
TrackNotes readTrack(const Bytes& midi, int track) {
    std::size_t at = 14;
    for (int t = 0; t < track; ++t)
        at += 8 + big(midi, at + 4, 4);
    EXPECT_EQ(tag(midi, at), "MTrk");
    const std::size_t stop = at + 8 + big(midi, at + 4, 4);
    TrackNotes result;
    int tick = 0;
    for (at += 8; at < stop;) {
        int delta = 0;
        do
            delta = delta << 7 | (midi[at] & 0x7f);
        while (midi[at++] & 0x80);
        tick += delta;
        const std::uint8_t status = midi[at];
        if (status == 0xff) {
            if (midi[at + 1] == 0x2f)
                result.end = tick;
            at += 3 + midi[at + 2];
        } else if ((status & 0xf0) == 0xc0) {
            at += 2;
        } else {
            if ((status & 0xf0) == 0x90)
                result.notes.push_back({tick, midi[at + 1], midi[at + 2]});
            at += 3;
        }
    }
    return result;
}

TEST(Score, WritesAFormatOneFileWithTempoMeterAndEveryChannelsNotes) {
    const sounds::Score score = sounds::parseScore("title Test\n"
                                                   "tempo 100\n"
                                                   "meter 3/4\n"
                                                   "channel lead 1 program=57 velocity=80\n"
                                                   "channel drums 10\n"
                                                   "phrase up\n"
                                                   "  c4:4 d4 e4\n"
                                                   "end\n"
                                                   "lead: @up^2*2 | v100 c5+e5:2. \n"
                                                   "drums: kick:4 hat:8. hat:16 snare:8t "
                                                   "snare snare | @up*2\n",
                                                   "t.txt");
    EXPECT_EQ(score.length, 3 * 3 * 480);
    EXPECT_DOUBLE_EQ(score.seconds(), 5.4);
    const Bytes midi = sounds::midiFile(score);
    EXPECT_EQ(tag(midi, 0), "MThd");
    EXPECT_EQ(big(midi, 8, 2), 1u);    // format 1
    EXPECT_EQ(big(midi, 10, 2), 3u);   // the conductor and two channels
    EXPECT_EQ(big(midi, 12, 2), 480u); // ticks per quarter note
    const std::string conductor(midi.begin() + 22, midi.begin() + 60);
    EXPECT_NE(conductor.find("\xff\x51\x03\x09\x27\xc0"), std::string::npos); // 600000 us
    EXPECT_NE(conductor.find("\xff\x58\x04\x03\x02"), std::string::npos);     // 3/4

    const TrackNotes lead = readTrack(midi, 1);
    EXPECT_EQ(lead.notes, (std::vector<std::array<int, 3>>{{0, 62, 80},
                                                           {480, 64, 80},
                                                           {960, 66, 80},
                                                           {1440, 62, 80},
                                                           {1920, 64, 80},
                                                           {2400, 66, 80},
                                                           {2880, 72, 100},
                                                           {2880, 76, 100}}));
    EXPECT_EQ(lead.end, 4320);
    const TrackNotes drums = readTrack(midi, 2);
    std::vector<int> ticks;
    for (const auto& n : drums.notes)
        ticks.push_back(n[0]);
    EXPECT_EQ(ticks,
              (std::vector<int>{0, 480, 840, 960, 1120, 1280, 1440, 1920, 2400, 2880, 3360, 3840}));
    EXPECT_EQ(drums.notes[0][1], 36);
    EXPECT_EQ(drums.end, 4320);
}

// A track's level turns every channel down by the expression controller, on the General MIDI
// curve (-12 dB: 127 x 10^(-12/40) = 64); without one the channels play as written.
TEST(Score, ALevelTurnsEveryChannelDownByItsDecibels) {
    const std::string music = "channel a 1\nchannel b 2\na: c4:1\nb: e4:1\n";
    auto expressions = [](const Bytes& midi) {
        std::vector<int> values;
        for (std::size_t at = 0; at + 2 < midi.size(); ++at)
            if ((midi[at] & 0xf0) == 0xb0 && midi[at + 1] == 11)
                values.push_back(midi[at + 2]);
        return values;
    };
    EXPECT_EQ(expressions(sounds::midiFile(sounds::parseScore("level -12\n" + music, "t.txt"))),
              (std::vector<int>{64, 64}));
    EXPECT_EQ(expressions(sounds::midiFile(sounds::parseScore(music, "t.txt"))),
              (std::vector<int>{127, 127}));
    EXPECT_EQ(scoreError("level 3\n" + music), 1); // a level only turns down
}

TEST(Score, MistakesAreReportedAtTheirLine) {
    const std::string head = "tempo 90\nchannel a 1\nchannel b 2\n";
    EXPECT_EQ(scoreError(head + "a: c4:4 d4 e4 | f4:1\nb: r:1 | r:1\n"), 4); // a short bar
    EXPECT_EQ(scoreError(head + "a: c4:1\nb: r:1 | r:1\n"), 2);              // a ends before b
    EXPECT_EQ(scoreError(head + "a: @tune\nb: r:1\n"), 4);
    EXPECT_EQ(scoreError(head + "a: h4:1\nb: r:1\n"), 4);
    EXPECT_EQ(scoreError(head + "a: c4:3\nb: r:1\n"), 4);
    EXPECT_EQ(scoreError(head + "c: c4:1\n"), 4);
    EXPECT_EQ(scoreError(head + "a: r:1\nb: r:1\ntempo 80\n"), 6);
    EXPECT_EQ(scoreError(head + "phrase p\n c4:1\n"), 5); // no end
    EXPECT_EQ(scoreError("channel a 17\n"), 1);
    EXPECT_EQ(scoreError("tempo 90\n"), 1); // no music
}

} // namespace
