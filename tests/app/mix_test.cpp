// The game's mix as a player hears it: a minute of play on floor 1 (the march of floors 1 to
// 10 under key pick-ups, doors, blows and the stairs) through the desktop backend into SDL's
// "disk" audio driver, which writes what the device would play. No sample may clip, the
// effects keep their headroom and the music sits near its level.
#include "game/events.h"
#include "persist/options.h"
#include "replay/driver.h"
#include "script/input_lock.h"
#include "sdl_sound.h"
#include "state/game.h"
#include "window/main_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

constexpr int kSliceMs = 50;        // real and game time go on together in slices of this
constexpr int kKeyMs = 1000;        // time given to each key: a walk, a door or a fight
constexpr int kMusicAloneMs = 4000; // the march alone before the first key
constexpr int kRate = 44100;        // the device: 16-bit stereo at 44.1 kHz
constexpr double kFullScale = 32768.0;

// Floor 1 from the start: a key, the yellow door, the walk to the top row, three slimes.
constexpr const char* kRound[] = {"up",    "left",  "left",  "right", "up",    "up",   "up",
                                  "right", "right", "right", "right", "right", "up",   "up",
                                  "up",    "up",    "up",    "up",    "up",    "left", "left",
                                  "left",  "left",  "left",  "left",  "left",  "left", "left"};

double dbfs(double level) {
    return 20 * std::log10(level / kFullScale);
}

double rms(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

class MixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        output = dir.filePath("mix.raw").toStdString();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        game.window = window::makeWindowModel();
        game.folders.game = GRAVENHOLD_GAME_DIR;
        game.folders.save = dir.filePath("savedat").toStdString();
        game.folders.config = dir.filePath("config").toStdString();
        game.setPlatform(&platform);
    }

    // Let `ms` of play pass in real time, so the device mixes what the game plays as it plays.
    void play(replay::Driver& driver, int ms) {
        for (int t = 0; t < ms; t += kSliceMs) {
            QElapsedTimer slice;
            slice.start();
            driver.wait(kSliceMs);
            QCoreApplication::processEvents();
            const qint64 left = kSliceMs - slice.elapsed();
            if (left > 0)
                QThread::msleep(static_cast<unsigned long>(left));
        }
    }

    QTemporaryDir dir;
    std::string output;
    std::ostringstream said;
    replay::ScriptPlatform platform{said, said};
    game::Game game;
};

TEST_F(MixTest, AMinuteOfPlayNeverClipsAndKeepsTheEffectsAboveTheMusic) {
    replay::Driver driver(game, platform, said);
    {
        shell::SdlSound sound(game.folders.game);
        game.setSound(&sound);
        game.options.prologue = false;
        game::startUp(game);
        game.options.control = game::ControlMode::Keyboard;
        game.options.prologue = false;
        game.options.music = true;
        persist::optionl1(game);
        script::itemlive(game);
        if (!game.window.main.menuItem("&Options/&BGM On").checked) {
            ASSERT_FALSE(driver.execute("menu Options/BGM On"));
        }
        ASSERT_NE(game.status[90], 0) << "the march plays";
        play(driver, kMusicAloneMs);
        for (int round = 0; round < 2; ++round) {
            for (const char* key : kRound) {
                ASSERT_FALSE(driver.execute(std::string("key ") + key));
                play(driver, kKeyMs);
            }
            ASSERT_FALSE(driver.execute("menu Game/Game Start"));
            play(driver, kKeyMs);
        }
        ASSERT_EQ(sound.device(), shell::SdlSound::Device::Open) << "the disk driver took the mix";
        game.setSound(nullptr);
    } // the device closes and the file is complete

    std::ifstream in(output, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t s = 0;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s))
        samples.push_back(s);
    const std::size_t seconds = samples.size() / 2 / kRate;
    ASSERT_GE(seconds, 60u) << "a minute of play was mixed";

    std::size_t clipped = 0;
    int peak = 0;
    for (const std::int16_t v : samples) {
        clipped += v == INT16_MAX || v == INT16_MIN ? 1 : 0;
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    }
    EXPECT_EQ(clipped, 0u);
    EXPECT_LE(dbfs(peak), -1.0) << "effects over the music keep a decibel of headroom";

    // The march alone, after its first bar: near -20 dBFS.
    const std::size_t from = 2 * kRate * 1;
    const std::size_t to = 2 * static_cast<std::size_t>(kRate) * kMusicAloneMs / 1000;
    const double music = dbfs(rms(samples, from, to));
    EXPECT_GT(music, -24.0);
    EXPECT_LT(music, -17.0);
    std::printf("mixed %zu s: peak %.1f dBFS, music alone %.1f dBFS RMS, %zu clipped\n", seconds,
                dbfs(peak), music, clipped);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
