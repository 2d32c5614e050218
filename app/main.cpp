// The game's program: one copy at a time, the main window around the game, the event loop.
#include "desktop.h"
#include "game/events.h"
#include "game/game.h"
#include "persist/folders.h"
#include "qt_platform.h"
#include "sdl_sound.h"
#include "single_instance.h"
#include "tkrn10.h"
#include "window/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QMessageBox>

namespace {

constexpr const char* kRefusal = "Sorry, cannot execute plural Gravenhold.";

struct Options {
    int zoom = 0; // 0: the remembered zoom, or one chosen from the screen
    QString gameDir;
};

Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Gravenhold: climb the tower of fifty floors."));
    parser.addHelpOption();
    const QCommandLineOption zoom(QStringLiteral("zoom"),
                                  QStringLiteral("Draw every game pixel N x N screen pixels."),
                                  QStringLiteral("N"));
    const QCommandLineOption gameDir(QStringLiteral("game-dir"),
                                     QStringLiteral("Read the game's data from DIR."),
                                     QStringLiteral("DIR"));
    parser.addOption(zoom);
    parser.addOption(gameDir);
    parser.process(app);
    Options options;
    options.zoom = std::max(0, parser.value(zoom).toInt());
    options.gameDir = parser.value(gameDir);
    return options;
}

// The game's folders: game data from the command line or where the program finds it, the
// settings in the configuration folder, the default save folder by the desktop's rules.
game::Folders gameFolders(const Options& options) {
    shell::GameLocation location =
        options.gameDir.isEmpty()
            ? shell::locateGame(QCoreApplication::applicationDirPath(),
                                QStringLiteral(GRAVENHOLD_INSTALLED_DATA))
            : shell::GameLocation{QDir(options.gameDir).absolutePath(), false};
    const persist::Environment env = persist::processEnvironment();
    game::Folders folders;
    folders.game = location.folder.toStdString();
    folders.config = persist::configFolder(env);
    folders.save = persist::defaultSaveFolder(folders.game, location.installed, env);
    return folders;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gravenhold"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(game::kCaption));
    QApplication::setDesktopFileName(QStringLiteral(GRAVENHOLD_APP_ID));
    const Options options = parseOptions(app);

    shell::SingleInstance instance(shell::SingleInstance::defaultName());
    if (instance.askRunningCopyToFront()) {
        QMessageBox::information(nullptr, QString::fromLatin1(game::kCaption),
                                 QString::fromLatin1(kRefusal));
        return 0;
    }
    instance.listen();

    game::Game game;
    game.window = window::makeWindowModel();
    game.folders = gameFolders(options);
    const QString icons = QString::fromStdString(game.folders.game) + "/icons/";
    QIcon icon = QIcon::fromTheme(QStringLiteral(GRAVENHOLD_APP_ID));
    if (icon.isNull())
        for (int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(icons + QStringLiteral("gravenhold-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    shell::QtPlatform platform;
    game.setPlatform(&platform);
    shell::SdlSound sound(game.folders.game);
    game.setSound(&sound);

    shell::TKRN10 window(game, options.zoom);
    platform.setOwner(&window);
    sound.setMusicEnded([&] { window.forward([&] { game::musicEnded(game); }); });
    QObject::connect(&instance, &shell::SingleInstance::frontRequested, &window,
                     &shell::TKRN10::bringToFront);
    window.start();
    return QApplication::exec();
}
