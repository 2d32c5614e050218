// A game in free play whose save folder, game folder and settings folder lie in a scratch
// folder, driven through the game's own doors, with a platform that answers from a script.
#pragma once

#include "explore/new_game.h"
#include "game/events.h"
#include "io/files.h"
#include "io/saved_game.h"
#include "state/game.h"
#include "support/game_test.h"
#include "support/scratch.h"
#include "window/main_window.h"

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace persist_test {

// Message boxes, questions and text inputs written down, answered from queues (Yes, and a
// cancelled input, when the queue is empty).
class ScriptedPlatform final : public window::Platform {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> inputs; // "caption|prompt|initial"
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> texts;

    void messageBox(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return take(yesNo, true);
    }
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override {
        inputs.push_back(caption + "|" + prompt + "|" + initial);
        return take(texts, std::optional<std::string>());
    }
    void showHelp(const std::string&) override {}

  private:
    template <typename T> static T take(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class PersistTest : public GameTest {
  protected:
    testing_shell::ScratchFolder scratch;
    ScriptedPlatform platform;

    void SetUp() override {
        testing_shell::setUpGame(game, scratch, scratch.path("game"));
        game.setPlatform(&platform);
        game.status[world::Slot::SaveMarker] = world::kSaveMarker; // as start-up sets it
        explore::gameover(game);
    }

    std::string savePath(const std::string& name) const {
        return io::inFolder(game.folders.save, name);
    }
    bool menu(const std::string& path) { return game::menuCommand(game, path); }
    bool click(const std::string& control) { return game::click(game, control); }
    window::Window& secondary(const char* name) { return *game.window.findWindow(name); }

    // The game saved in a file, or nothing when it cannot be read as one.
    std::optional<io::LoadedGame> savedGame(const std::string& name) {
        return io::fromImage(testing_shell::fileBytes(savePath(name)));
    }
};

} // namespace persist_test
