// Test helpers: a scratch folder that is removed afterwards, a game set up as the shell sets it
// up, and a platform that records what the game showed the player.
#pragma once

#include "state/game.h"
#include "window/main_window.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace testing_shell {

// A fresh empty folder below the system's temporary folder, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder() {
        static int count = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("gravenhold-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(const std::string& name = {}) const {
        return name.empty() ? path_.string() : (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};

// The message boxes and help files the game showed.
class RecordingPlatform final : public window::Platform {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> helpFiles;

    void messageBox(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void showHelp(const std::string& file) override { helpFiles.push_back(file); }
};

// A game with the designed window and its folders in a scratch folder; the game folder is
// given (the build folder holds the built pictures).
inline void setUpGame(game::Game& game, const ScratchFolder& scratch,
                      const std::string& gameFolder) {
    game.window = window::makeWindowModel();
    game.folders.game = gameFolder;
    game.folders.config = scratch.path("config");
    game.folders.save = scratch.path("savedat");
    std::filesystem::create_directories(game.folders.save);
}

inline void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace testing_shell
