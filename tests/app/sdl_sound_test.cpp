// The desktop's sound backend on SDL's silent "dummy" device, which plays in real time: the
// end of a track reaches the event thread once, a stopped or replaced track never does, and
// a machine without a sound device runs silent.
#include "recipe.h"
#include "sdl_sound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A game folder with a tone of `seconds` as midi/short.wav and midi/long.wav.
class Folder {
  public:
    Folder() {
        fs::create_directories(path_ / "midi");
        write("midi/short.wav", 0.3);
        write("midi/long.wav", 3);
    }
    ~Folder() { fs::remove_all(path_); }
    std::string path() const { return path_.string(); }

  private:
    void write(const std::string& name, double seconds) {
        sounds::Recipe recipe;
        recipe.layers.push_back({});
        recipe.layers.back().length = seconds;
        const auto bytes = sounds::wavFile(sounds::synthesize(recipe));
        std::ofstream(path_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    fs::path path_ = fs::temp_directory_path() /
                     ("gravenhold-sound-" + std::to_string(QCoreApplication::applicationPid()));
};

class SdlSoundTest : public ::testing::Test {
  protected:
    Folder folder;
    int ended = 0;
    bool onEventThread = true;

    void watch(shell::SdlSound& sound) {
        sound.setMusicEnded([this] {
            ++ended;
            onEventThread = onEventThread && QThread::currentThread() == qApp->thread();
        });
    }

    // Run the event loop for a while, or until `done` holds.
    template <typename Done> void runFor(int ms, Done done) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && !done()) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    }
    void runFor(int ms) {
        runFor(ms, [] { return false; });
    }

    bool opened(shell::SdlSound& sound) {
        runFor(3000, [&] { return sound.device() != shell::SdlSound::Device::Opening; });
        return sound.device() == shell::SdlSound::Device::Open;
    }
};

TEST_F(SdlSoundTest, ATrackThatEndsByItselfIsReportedOnceOnTheEventThread) {
    shell::SdlSound sound(folder.path());
    watch(sound);
    if (!opened(sound))
        GTEST_SKIP() << "SDL has no dummy audio device here";
    sound.startMusic("midi/short.wav");
    runFor(5000, [&] { return ended > 0; });
    runFor(300);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(onEventThread);
}

TEST_F(SdlSoundTest, AStoppedOrReplacedTrackIsNeverReported) {
    shell::SdlSound sound(folder.path());
    watch(sound);
    if (!opened(sound))
        GTEST_SKIP() << "SDL has no dummy audio device here";
    sound.startMusic("midi/short.wav");
    sound.stopMusic();
    sound.startMusic("midi/short.wav");
    runFor(100);
    sound.stopMusic();
    runFor(800);
    EXPECT_EQ(ended, 0);

    sound.startMusic("midi/long.wav");
    runFor(100);
    sound.startMusic("midi/short.wav"); // replaces the long one: only its own end counts
    runFor(5000, [&] { return ended > 0; });
    runFor(300);
    EXPECT_EQ(ended, 1);
}

TEST_F(SdlSoundTest, WithoutASoundDeviceTheGameRunsSilent) {
    const std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    {
        shell::SdlSound sound(folder.path());
        watch(sound);
        EXPECT_FALSE(opened(sound));
        sound.loadEffect("wav/open.wav");
        sound.playEffect("wav/open.wav");
        sound.startMusic("midi/short.wav");
        runFor(600);
        sound.stopMusic();
    }
    if (driver.empty())
        unsetenv("SDL_AUDIODRIVER");
    else
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    EXPECT_EQ(ended, 0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
