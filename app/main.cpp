// The game's program: one copy at a time, the main window around the game, the event loop.
#include "desktop.h"
#include "extras/inputs.h"
#include "extras/settings.h"
#include "extras_hooks.h"
#include "game/events.h"
#include "game/startup.h"
#include "io/folders.h"
#include "qt_platform.h"
#include "sdl_sound.h"
#include "single_instance.h"
#include "skin.h"
#include "state/game.h"
#include "tkrn10.h"
#include "window/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <string>
#include <utility>

namespace {

constexpr const char* kRefusal = "Sorry, cannot execute plural Gravenhold.";
constexpr int kFirstCopyWaitMs = 5000;

struct Options {
    int zoom = 0; // 0: the remembered zoom, or one chosen from the screen
    QString gameDir;
    // Recorded games (our extras): --record FILE, --replay FILE [--speed N].
    QString record;
    QString replay;
    int speed = 1; // 1..16
};

// The program's command line. --help and --version are answered before the window system
// starts, so that they print and end the program (with 0) on a terminal with no display; the
// other options are read once the window system runs and has taken its own (-platform,
// -display ...) off the line, and an option nobody knows ends the program with 1.
class CommandLine {
  public:
    CommandLine() {
        parser_.setApplicationDescription(
            QStringLiteral("Gravenhold: climb the tower of fifty floors."));
        parser_.addHelpOption();
        parser_.addVersionOption();
        parser_.addOption(zoom_);
        parser_.addOption(gameDir_);
        parser_.addOption(record_);
        parser_.addOption(replay_);
        parser_.addOption(speed_);
    }

    void answerHelpAndVersion(int& argc, char** argv) {
        const QCoreApplication reading(argc, argv);
        nameProgram();
        parser_.parse(QCoreApplication::arguments());
        if (parser_.isSet(QStringLiteral("help")))
            parser_.showHelp(0);
        if (parser_.isSet(QStringLiteral("version")))
            parser_.showVersion();
    }

    Options read(const QApplication& app) {
        nameProgram();
        parser_.process(app);
        Options options;
        options.zoom = std::max(0, parser_.value(zoom_).toInt());
        options.gameDir = parser_.value(gameDir_);
        options.record = parser_.value(record_);
        options.replay = parser_.value(replay_);
        options.speed = std::clamp(parser_.value(speed_).toInt(), 1, 16);
        return options;
    }

  private:
    static void nameProgram() {
        QCoreApplication::setApplicationName(QStringLiteral("gravenhold"));
        QCoreApplication::setApplicationVersion(QStringLiteral(GRAVENHOLD_VERSION));
    }

    QCommandLineParser parser_;
    const QCommandLineOption zoom_{QStringLiteral("zoom"),
                                   QStringLiteral("Draw every game pixel N x N screen pixels."),
                                   QStringLiteral("N")};
    const QCommandLineOption gameDir_{QStringLiteral("game-dir"),
                                      QStringLiteral("Read the game's data from DIR."),
                                      QStringLiteral("DIR")};
    const QCommandLineOption record_{
        QStringLiteral("record"),
        QStringLiteral("Record the game into FILE, to be played back later."),
        QStringLiteral("FILE")};
    const QCommandLineOption replay_{
        QStringLiteral("replay"),
        QStringLiteral("Play back the recorded game in FILE; input stays closed."),
        QStringLiteral("FILE")};
    const QCommandLineOption speed_{
        QStringLiteral("speed"),
        QStringLiteral("Play a recorded game back N times as fast (1..16)."), QStringLiteral("N")};
};

// The game's folders: game data from the command line or where the program finds it, the
// settings in the configuration folder, the default save folder in the user's data folder.
// Saves that an earlier build kept beside the game's data move there once; `notice` tells
// the player so.
game::Folders gameFolders(const Options& options, std::string& notice) {
    shell::GameLocation location =
        options.gameDir.isEmpty()
            ? shell::locateGame(QCoreApplication::applicationDirPath(),
                                QStringLiteral(GRAVENHOLD_INSTALLED_DATA))
            : shell::GameLocation{QDir(options.gameDir).absolutePath(), false};
    const io::Environment env = io::processEnvironment();
    game::Folders folders;
    folders.game = location.folder.toStdString();
    folders.config = io::configFolder(env);
    io::SaveFolderChoice save =
        io::settleSaveFolder({folders.game, location.installed}, folders.config, env);
    folders.save = std::move(save.folder);
    notice = std::move(save.notice);
    return folders;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine commandLine;
    commandLine.answerHelpAndVersion(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString::fromLatin1(game::kCaption));
    QApplication::setDesktopFileName(QStringLiteral(GRAVENHOLD_APP_ID));
    const Options options = commandLine.read(app);

    if (const auto problem = io::homeProblem(io::processEnvironment())) {
        QMessageBox::critical(nullptr, QString::fromLatin1(game::kCaption),
                              QString::fromStdString(*problem));
        return 1;
    }

    shell::SingleInstance instance(shell::SingleInstance::defaultName());
    if (!instance.claim()) {
        // The copy that holds the lock may still be starting: it gets a few seconds to answer.
        instance.askRunningCopyToFront(kFirstCopyWaitMs);
        QMessageBox::information(nullptr, QString::fromLatin1(game::kCaption),
                                 QString::fromLatin1(kRefusal));
        return 0;
    }
    instance.listen();

    game::Game game;
    game.window = window::makeWindowModel();
    std::string saveNotice;
    game.folders = gameFolders(options, saveNotice);
    shell::skin::usePicturesIn(QString::fromStdString(game.folders.game));
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
    sound.setMusicEnded([&] { window.forward([&] { extras::musicEnded(game); }); });
    QObject::connect(&instance, &shell::SingleInstance::frontRequested, &window,
                     &shell::TKRN10::bringToFront);
    if (!saveNotice.empty())
        QMessageBox::information(nullptr, QString::fromLatin1(game::kCaption),
                                 QString::fromStdString(saveNotice));

    // Recorded games: record from the first quiet moment, or play a recording back.
    extras::loadSwitches(game);
    extras::showSwitches(game);
    if (!options.record.isEmpty())
        extras::recordWhenQuiet(game, QFileInfo(options.record).absoluteFilePath().toStdString());
    shell::ReplayPlayer* player = nullptr;
    if (!options.replay.isEmpty())
        player = new shell::ReplayPlayer(window, options.replay, options.speed);

    window.start();
    if (player)
        QTimer::singleShot(0, player, [player] { player->start(); });
    return QApplication::exec();
}
