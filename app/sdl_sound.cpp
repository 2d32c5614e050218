#include "sdl_sound.h"

#include "sound/tables.h"

#define SDL_MAIN_HANDLED
#include <QMetaObject>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <filesystem>

namespace shell {
namespace {

// The General MIDI soundfonts that Debian installs, the small one first.
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

// SDL_mixer's end-of-music hook carries no context: the one backend that owns the player.
std::atomic<SdlSound*> hookOwner{nullptr};

void musicFinishedHook() {
    if (SdlSound* owner = hookOwner.load())
        owner->trackFinished();
}

void chooseSoundFont() {
    if (std::getenv("SDL_SOUNDFONTS"))
        return;
    for (const char* font : kSoundFonts) {
        std::error_code error;
        if (std::filesystem::exists(font, error)) {
            Mix_SetSoundFonts(font);
            return;
        }
    }
}

// Open the audio device with the five effect channels. False when there is none.
bool openDevice() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SDL_Quit(); // also frees the hint set above
        return false;
    }
    chooseSoundFont();
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        Mix_Quit();
        SDL_Quit();
        return false;
    }
    Mix_AllocateChannels(sound::kEffectPlayers);
    Mix_HookMusicFinished(musicFinishedHook);
    return true;
}

} // namespace

SdlSound::SdlSound(std::string gameFolder)
    : folder_(std::move(gameFolder)), worker_([this] { work(); }) {
    hookOwner = this;
}

SdlSound::~SdlSound() {
    post({Task::Quit, {}});
    worker_.join();
    hookOwner = nullptr;
}

void SdlSound::loadEffect(const std::string& file) {
    post({Task::LoadEffect, file});
}

void SdlSound::playEffect(const std::string& file) {
    post({Task::PlayEffect, file});
}

void SdlSound::closeOneShot() {
    post({Task::CloseOneShot, {}});
}

void SdlSound::startMusic(const std::string& file) {
    post({Task::StartMusic, file, ++requested_});
}

void SdlSound::stopMusic() {
    post({Task::StopMusic, {}, ++requested_});
}

void SdlSound::trackFinished() {
    const unsigned generation = playing_.load();
    QMetaObject::invokeMethod(
        &eventThread_,
        [this, generation] {
            if (generation == requested_.load() && musicEnded_)
                musicEnded_();
        },
        Qt::QueuedConnection);
}

void SdlSound::post(Job job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

// The worker: open the device, then play what the game asks until it quits.
void SdlSound::work() {
    const bool open = openDevice();
    device_ = open ? Device::Open : Device::None;
    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return !jobs_.empty(); });
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        if (job.task == Task::Quit)
            break;
        if (open)
            perform(job);
    }
    if (open) {
        Mix_HookMusicFinished(nullptr);
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        Mix_HaltChannel(-1);
        for (auto& [file, chunk] : effects_)
            Mix_FreeChunk(chunk);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_Quit(); // the game uses SDL for sound only: all of it goes with the device
    }
}

// One task on the worker thread. The loaded effects and the open music stay with the worker.
void SdlSound::perform(const Job& job) {
    auto chunk = [&](const std::string& file) -> Mix_Chunk* {
        auto it = effects_.find(file);
        if (it == effects_.end())
            it = effects_.emplace(file, Mix_LoadWAV((folder_ + "/" + file).c_str())).first;
        return it->second;
    };
    switch (job.task) {
    case Task::LoadEffect:
        chunk(job.file);
        break;
    case Task::PlayEffect:
        if (Mix_Chunk* c = chunk(job.file))
            Mix_PlayChannel(sound::effectPlayer(job.file), c, 0);
        break;
    case Task::CloseOneShot:
        Mix_HaltChannel(sound::kOneShotPlayer);
        break;
    case Task::StartMusic:
    case Task::StopMusic:
        Mix_HaltMusic(); // its end notice carries the generation that was playing
        Mix_FreeMusic(music_);
        music_ = nullptr;
        playing_ = job.generation;
        if (job.task == Task::StartMusic) {
            music_ = Mix_LoadMUS((folder_ + "/" + job.file).c_str());
            if (music_)
                Mix_PlayMusic(music_, 0);
        }
        break;
    case Task::Quit:
        break;
    }
}

} // namespace shell
