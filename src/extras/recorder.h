// The recorder: writes every input the game accepts as a line of a headless-driver script,
// with every tick of the game's timers between them, so that playing the script back feeds
// the game the very same events in the very same order.
#pragma once

#include "platform/platform.h"
#include "state/game_fwd.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace extras {

// The version the first command of a recording names ("recording 1").
inline constexpr int kRecordingVersion = 1;

// A menu path as the driver names it: the captions without their access marks
// ("&Game/&Save/Data &1" -> "Game/Save/Data 1").
std::string plainMenuPath(std::string_view path);

// The save a recording starts from: the record file's name with ".sav" added.
std::string startSaveOf(const std::string& recordPath);

class Recorder {
  public:
    // Starts a recording into `path` at a quiet moment: writes the start save beside it and
    // the script's opening lines, and puts itself between the game and its platform so that
    // the answers to boxes and questions are written too. `nowMs` is the shell's clock, from
    // which the ticks' times are counted. An error text when a file cannot be written.
    static std::optional<std::string> start(game::Game& game, const std::string& path,
                                            std::int64_t nowMs);

    // Ends the recording that runs, if any, and gives the game its own platform back.
    static void stop(game::Game& game);

    // A tick of a timer at the shell's clock time nowMs.
    void tick(std::int64_t nowMs, std::string_view timer);

    // An accepted input, as its driver command ("key up", "click BitBtn1"). The answers given
    // while the game handled it are written before it, where the driver expects them.
    void input(const std::string& command);

    // Was anything written badly? The first error, once.
    const std::optional<std::string>& error() const { return error_; }

    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

  private:
    // The game's platform with the answers taken down on their way back to the game.
    class Answering final : public window::Platform {
      public:
        Answering(window::Platform& inner, std::vector<std::string>& answers)
            : inner_(inner), answers_(answers) {}
        void messageBox(const std::string& text) override;
        bool askYesNo(const std::string& text) override;
        std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                           const std::string& initial) override;
        void showHelp(const std::string& helpFile) override { inner_.showHelp(helpFile); }
        window::Platform& inner() { return inner_; }

      private:
        window::Platform& inner_;
        std::vector<std::string>& answers_;
    };

    Recorder(const std::string& path, window::Platform& inner, std::int64_t startMs);
    void line(const std::string& text);
    void flushAnswers();

    std::ofstream out_;
    std::int64_t startMs_;
    std::int64_t lastMs_ = 0;
    std::vector<std::string> answers_;
    Answering platform_;
    std::optional<std::string> error_;
};

} // namespace extras
