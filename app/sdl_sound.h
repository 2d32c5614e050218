// The game's sound on the desktop: the five effect players and the music player on
// SDL2_mixer, MIDI through its synthesiser and a General MIDI soundfont. Every call returns at
// once: a worker thread opens the audio device, loads files and plays them. Without a sound
// device (a machine with no sound card, a virtual display) the game runs silent.
#pragma once

#include "platform/sound.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

struct Mix_Chunk;
struct _Mix_Music;

namespace shell {

class SdlSound final : public sound::Sound {
  public:
    // gameFolder holds wav/ and midi/. The audio device is opened on the worker thread.
    explicit SdlSound(std::string gameFolder);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Called on the Qt event thread when the track that plays now ends by itself.
    void setMusicEnded(std::function<void()> musicEnded) { musicEnded_ = std::move(musicEnded); }

    void loadEffect(const std::string& file) override;
    void playEffect(const std::string& file) override;
    void startMusic(const std::string& file) override;
    void stopMusic() override;
    void closeOneShot() override;

    // Whether the worker has opened the audio device, found none, or is still looking.
    enum class Device { Opening, Open, None };
    Device device() const { return device_; }

    // The music player's end notice, from SDL's audio thread: brought to the event thread.
    void trackFinished();

  private:
    enum class Task { LoadEffect, PlayEffect, CloseOneShot, StartMusic, StopMusic, Quit };
    struct Job {
        Task task;
        std::string file;
        unsigned generation = 0;
    };

    void post(Job job);
    void work();
    void perform(const Job& job);

    std::string folder_;
    std::function<void()> musicEnded_;
    QObject eventThread_; // lives on the event thread: the end notice is queued to it

    // Every start or stop of the music counts one generation: an end notice counts only for
    // the generation that is still the latest when it reaches the event thread.
    std::atomic<unsigned> requested_{0};
    std::atomic<unsigned> playing_{0};
    std::atomic<Device> device_{Device::Opening};

    // The worker's own: the effects loaded so far and the open music.
    std::map<std::string, Mix_Chunk*> effects_;
    _Mix_Music* music_ = nullptr;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    std::thread worker_;
};

} // namespace shell
