#include "extras/recorder.h"

#include "extras/click_walk.h"
#include "extras/undo.h"
#include "io/saved_game.h"
#include "persist/saved_games.h"
#include "render/options_menu.h"
#include "state/game.h"

#include <algorithm>
#include <filesystem>

namespace extras {
namespace {} // namespace

std::string plainMenuPath(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c != '&')
            out += c;
    }
    return out;
}

std::string startSaveOf(const std::string& recordPath) {
    return recordPath + ".sav";
}

Recorder::Recorder(const std::string& path, window::Platform& inner, std::int64_t startMs)
    : out_(path, std::ios::trunc), startMs_(startMs), platform_(inner, answers_) {}

Recorder::~Recorder() = default;

std::optional<std::string> Recorder::start(game::Game& game, const std::string& path,
                                           std::int64_t nowMs) {
    if (!quietMoment(game))
        return std::string("A recording can start only while the hero stands still.");
    stop(game);
    const std::string save = startSaveOf(path);
    world::Status status = game.status;
    io::stampChecksums(status);
    if (auto error = io::writeGame(save, game.map, status))
        return error;
    auto recorder = std::shared_ptr<Recorder>(new Recorder(path, game.platform(), nowMs));
    if (!recorder->out_)
        return "Cannot write the recording \"" + path + "\".";
    Recorder& r = *recorder;
    r.line("# A recorded game of Gravenhold. Play it back with \"gravenhold-cli FILE\" or");
    r.line("# \"gravenhold --replay FILE\"; it starts from the saved game beside it.");
    r.line("recording " + std::to_string(kRecordingVersion));
    r.line("load-state " + std::filesystem::path(save).filename().string());
    // The replay starts under the control mode and at the speed the game had.
    r.line("menu " + plainMenuPath(render::controlModeEntry(game.options.control)));
    r.line("menu " + plainMenuPath(render::speedEntry(game.options.speed)));
    r.line("item-cursor " + std::to_string(game.explore.cursorSlot));
    game.setPlatform(&r.platform_);
    game.extras.recorder = std::move(recorder);
    startHistoryHere(game); // its playback can take back only the moves it holds
    return std::nullopt;
}

void Recorder::stop(game::Game& game) {
    if (!game.extras.recorder)
        return;
    game.setPlatform(&game.extras.recorder->platform_.inner());
    game.extras.recorder.reset();
}

void Recorder::line(const std::string& text) {
    out_ << text << '\n';
    out_.flush();
    if (!out_ && !error_)
        error_ = "Cannot write the recording any more.";
}

void Recorder::flushAnswers() {
    for (const std::string& a : answers_)
        line(a);
    answers_.clear();
}

void Recorder::tick(std::int64_t nowMs, std::string_view timer) {
    // Times only pace a playback in the window; they never go backwards.
    lastMs_ = std::max(lastMs_, nowMs - startMs_);
    flushAnswers();
    line("tick " + std::to_string(lastMs_) + " " + std::string(timer));
}

void Recorder::input(const std::string& command) {
    flushAnswers();
    line(command);
}

void Recorder::Answering::messageBox(const std::string& text) {
    inner_.messageBox(text);
    answers_.push_back("answer ok");
}

bool Recorder::Answering::askYesNo(const std::string& text) {
    const bool yes = inner_.askYesNo(text);
    answers_.push_back(yes ? "answer yes" : "answer no");
    return yes;
}

std::optional<std::string> Recorder::Answering::askText(const std::string& caption,
                                                        const std::string& prompt,
                                                        const std::string& initial) {
    std::optional<std::string> text = inner_.askText(caption, prompt, initial);
    // A line break would end the script's line: the answer keeps its first line only.
    // The script keeps one line per answer and the driver trims the blanks around it: the
    // game gets the answer exactly as its playback will give it.
    if (text) {
        std::string_view t(*text);
        t = t.substr(0, t.find_first_of("\r\n"));
        const auto first = t.find_first_not_of(" \t");
        t = first == std::string_view::npos ? std::string_view() : t.substr(first);
        text = std::string(t.substr(0, t.find_last_not_of(" \t") + 1));
    }
    answers_.push_back(text ? "answer text " + *text : "answer cancel");
    return text;
}

} // namespace extras
