// A game as the program sets it up for the shell's tests: its folders in a temporary folder,
// its window at a zoom, and (when asked) the desktop's dialogs and the start-up the program
// runs.
#pragma once

#include "qt_platform.h"
#include "state/game.h"
#include "tkrn10.h"
#include "window/main_window.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <string>

enum class Start { No, WithDialogs };

struct ShellGame {
    explicit ShellGame(int zoom, Start start = Start::No) {
        game.window = window::makeWindowModel();
        game.folders.game = GRAVENHOLD_GAME_DIR;
        game.folders.config = dir.filePath("config").toStdString();
        game.folders.save = dir.filePath("savedat").toStdString();
        QDir().mkpath(dir.filePath("savedat"));
        QDir().mkpath(dir.filePath("config"));
        if (start == Start::WithDialogs)
            game.setPlatform(&platform);
        window = std::make_unique<shell::TKRN10>(game, zoom);
        if (start == Start::WithDialogs) {
            platform.setOwner(window.get());
            window->start();
        }
    }
    void remake(int zoom) {
        window.reset();
        window = std::make_unique<shell::TKRN10>(game, zoom);
    }
    QWidget* widget(const std::string& control) { return window->mirror().widget(control); }
    bool shown(const std::string& control) {
        return widget(control)->isVisibleTo(window->centralWidget());
    }

    QTemporaryDir dir;
    shell::QtPlatform platform;
    game::Game game;
    std::unique_ptr<shell::TKRN10> window;
};
