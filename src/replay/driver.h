// The headless driver's commands: each script line is one key, click, menu command, answer,
// clock advance, set-up change or state dump, applied to one Game through the same doors
// the window uses.
#pragma once

#include "game/virtual_clock.h"
#include "replay/script_platform.h"
#include "state/game.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

// The start of every scripted game: under keyboard control, and without `prologue` as a
// start-up with the prologue switched off ends, in free play on floor 1 with input open.
void startUpForScripts(game::Game& game, bool prologue);

class Driver {
  public:
    Driver(game::Game& game, ScriptPlatform& platform, std::ostream& out)
        : game_(game), platform_(platform), out_(out) {}

    // Runs one script line (comments and blank lines do nothing). An error message when the
    // line cannot be run: an unknown command, a bad argument, a value out of range.
    std::optional<std::string> execute(std::string_view line);

    // Advances virtual time until the command timer has stopped with nothing left to play or
    // a dialog waiting; false after 24 hours of virtual time.
    bool run();

    // Advances virtual time by ms milliseconds, firing every timer that falls due.
    void wait(std::int64_t ms);

    // The folder that names in the script are relative to (a recording's start save).
    void setScriptFolder(std::string folder) { scriptFolder_ = std::move(folder); }

    // What answers "E&xtras/&Hint": the message-line text for the game as it stands. The next
    // `run` or `wait` waits for it and shows it; without one the request stays unanswered.
    using HintAnswer = std::function<std::string(const game::Game&)>;
    void setHintAnswer(HintAnswer answer) { hint_ = std::move(answer); }

  private:
    std::optional<std::string> runLine(std::string_view line);
    std::optional<std::string> key(std::string_view arg);
    std::optional<std::string> control(std::string_view verb, std::string_view arg);
    std::optional<std::string> menu(std::string_view arg);
    std::optional<std::string> choose(std::string_view arg);
    std::optional<std::string> answer(std::string_view arg);
    std::optional<std::string> set(std::string_view arg);
    std::optional<std::string> print(std::string_view arg);
    std::optional<std::string> saveScreen(std::string_view arg);
    std::optional<std::string> saveGame(std::string_view arg);

    // The commands of recordings and of click to walk (replay_commands.cpp); nothing when
    // `cmd` is none of them.
    std::optional<std::optional<std::string>> replayCommand(std::string_view cmd,
                                                            std::string_view rest);
    std::optional<std::string> recording(std::string_view arg);
    std::optional<std::string> loadState(std::string_view arg);
    std::optional<std::string> itemCursor(std::string_view arg);
    std::optional<std::string> tick(std::string_view arg);
    std::optional<std::string> close(std::string_view arg);
    std::optional<std::string> clickCell(std::string_view arg);

    // The forms of "print", each given the command's words.
    using Words = std::vector<std::string_view>;
    using Printer = std::optional<std::string> (Driver::*)(const Words&);
    std::optional<std::string> printStatus(const Words& w);
    std::optional<std::string> printTile(const Words& w);
    std::optional<std::string> printFloor(const Words& w);
    std::optional<std::string> printMessage(const Words& w);
    std::optional<std::string> printDialog(const Words& w);
    std::optional<std::string> printOneControl(const Words& w);
    std::optional<std::string> printControls(const Words& w);
    std::optional<std::string> printStack(const Words& w);
    std::optional<std::string> printClock(const Words& w); // virtual milliseconds played
    void printControl(const std::string& name, const window::Control& c);
    void answerHint();

    game::Game& game_;
    ScriptPlatform& platform_;
    std::ostream& out_;
    game::VirtualClock clock_;
    std::string scriptFolder_ = ".";
    std::int64_t lastTickMs_ = 0; // a recording's ticks never go back in time
    HintAnswer hint_;
};

} // namespace replay
