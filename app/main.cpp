// The game's program: one copy at a time, the main window around the game, the event loop.
#include "desktop.h"
#include "extras/inputs.h"
#include "extras/settings.h"
#include "extras_hooks.h"
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
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

constexpr const char* kRefusal = "Sorry, cannot execute plural Gravenhold.";

struct Options {
    int zoom = 0; // 0: chosen from the screen
    QString gameDir;
};

// --- Recorded games (our extras): --record FILE, --replay FILE [--speed N] ---
struct ReplayOptions {
    QString record;
    QString replay;
    int speed = 1; // 1..16
};

ReplayOptions replayOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("record"), {}, QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("replay"), {}, QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("speed"), {}, QStringLiteral("N")});
    parser.parse(arguments);
    ReplayOptions options;
    options.record = parser.value(QStringLiteral("record"));
    options.replay = parser.value(QStringLiteral("replay"));
    options.speed = std::clamp(parser.value(QStringLiteral("speed")).toInt(), 1, 16);
    return options;
}

void addReplayOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("record"),
                      QStringLiteral("Record the game into FILE, to be played back later."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("replay"),
                      QStringLiteral("Play back the recorded game in FILE; input stays closed."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("speed"),
                      QStringLiteral("Play a recorded game back N times as fast (1..16)."),
                      QStringLiteral("N")});
}
// --- end of recorded games ---

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
    addReplayOptions(parser);
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

int zoomFor(const Options& options) {
    if (options.zoom > 0)
        return options.zoom;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? shell::chooseZoom(screen->availableSize(),
                                      {window::kClientWidth, window::kClientHeight})
                  : 1;
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

    shell::TKRN10 window(game, zoomFor(options));
    platform.setOwner(&window);
    sound.setMusicEnded([&] { window.forward([&] { extras::musicEnded(game); }); });
    QObject::connect(&instance, &shell::SingleInstance::frontRequested, &window,
                     &shell::TKRN10::bringToFront);

    // Recorded games: record from the first quiet moment, or play a recording back.
    const ReplayOptions replay = replayOptions(QCoreApplication::arguments());
    extras::loadSwitches(game);
    extras::showSwitches(game);
    if (!replay.record.isEmpty())
        extras::recordWhenQuiet(game, QFileInfo(replay.record).absoluteFilePath().toStdString());
    shell::ReplayPlayer* player = nullptr;
    if (!replay.replay.isEmpty())
        player = new shell::ReplayPlayer(window, replay.replay, replay.speed);

    window.show();
    if (player)
        QTimer::singleShot(0, player, [player] { player->start(); });
    return QApplication::exec();
}
