// The game's program: the main window around the game core.
#include "game/game.h"
#include "game/new_game.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("gravenhold");
    QApplication::setApplicationDisplayName("Gravenhold Ver1.0");

    game::Game game;
    game::syokidata(game);

    QMainWindow window;
    window.setWindowTitle("Gravenhold Ver1.0");
    window.setFixedSize(640, 426);
    window.show();
    return QApplication::exec();
}
