// The Qt shell mirrors the game's window model: the menu tree, every control at its place, the
// timers, the About box, and it refuses a second copy of the game.
#include "desktop.h"
#include "extras_hooks.h"
#include "io/files.h"
#include "io/saved_game.h"
#include "qt_platform.h"
#include "script/executor.h"
#include "script/script.h"
#include "single_instance.h"
#include "state/game.h"
#include "tkrn10.h"
#include "window/main_window.h"
#include "window_place.h"
#include "world/tiles.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <sys/stat.h>

namespace {

// A game as the program sets it up, with its folders in a temporary folder.
struct ShellGame {
    explicit ShellGame(int zoom = 1) {
        game.window = window::makeWindowModel();
        game.folders.game = GRAVENHOLD_GAME_DIR;
        game.folders.config = dir.filePath("config").toStdString();
        game.folders.save = dir.filePath("savedat").toStdString();
        QDir().mkpath(dir.filePath("savedat"));
        window = std::make_unique<shell::TKRN10>(game, zoom);
    }
    QAction* action(const std::string& path) { return window->menus().action(path); }
    void choose(const std::string& path) { action(path)->trigger(); }

    QTemporaryDir dir;
    game::Game game;
    std::unique_ptr<shell::TKRN10> window;
};

// One tick of a timer, without waiting for it.
void tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

// Closes every message box as it opens and keeps its text.
class BoxCloser : public QObject {
  public:
    QStringList texts;
    BoxCloser() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

QString withoutSpaces(QString s) {
    return s.remove(' ');
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

  private slots:
    void menuEntriesMirrorTheModel();
    void separatorsStandWhereTheModelPutsThem();
    void menuEntriesFollowTheModelAfterEachEvent();
    void everyControlStandsAtItsPlaceAtEveryZoom();
    void timersFollowTheModelIncludingIntervalChanges();
    void optionsChosenFromTheMenuAreSaved();
    void theAboutBoxOpensAnimatesAndCloses();
    void quittingFromTheMenuEndsTheProgram();
    void closingTheWindowEndsTheProgram();
    void aBadNameIsReportedAndTheGameGoesOn();
    void aSecondCopyIsRefusedWhileTheFirstRuns();
    void twoCopiesStartedAtOnceCannotBothRun();
    void aRecordingThatCannotPlayIsToldAndTheGameIsHandedBack();
    void zoomAndGameFolderFollowTheDesktop();
    void enterPressesTheFocusedButtonAsSpaceDoes();
    void holdingAnArrowButtonKeepsTheHeroWalking();
    void secondaryWindowsOpenInsideTheScreenAndEscapeClosesThem();
};

void ShellTest::menuEntriesMirrorTheModel() {
    ShellGame g;
    for (const window::MenuItem& item : g.game.window.main.menu) {
        QAction* action = g.action(item.path);
        QVERIFY2(action, item.path.c_str());
        QCOMPARE(action->text(), QString::fromStdString(item.caption));
        QCOMPARE(action->isChecked(), item.checked);
        QCOMPARE(action->isEnabled(), item.enabled);
        if (!item.isSubmenu)
            QCOMPARE(withoutSpaces(QKeySequence::listToString(action->shortcuts())),
                     withoutSpaces(QString::fromStdString(item.shortcut)));
    }
    // The game's short-cuts and the start state of a few entries.
    QCOMPARE(g.action("&Game/Game &Start")->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(g.action("&Game/Game &Quit")->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(g.action("&Help/Help Library")->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(!g.action("&Game/&Save")->isEnabled());
    QVERIFY(g.action("&Options/&Prologue")->isChecked());
    // The game's three menus, with our own Extras menu after Options.
    QStringList bar;
    for (const QAction* menu : g.window->menuBar()->actions())
        bar << menu->text();
    QCOMPARE(bar, QStringList({"&Game", "&Options", "E&xtras", "&Help"}));
}

void ShellTest::separatorsStandWhereTheModelPutsThem() {
    ShellGame g;
    for (const window::MenuItem& item : g.game.window.main.menu) {
        QAction* action = g.action(item.path);
        const auto parents = action->associatedObjects();
        QMenu* menu = nullptr;
        for (QObject* parent : parents)
            if (auto* m = qobject_cast<QMenu*>(parent); m && m->menuAction() != action)
                menu = m;
        if (!menu)
            continue; // a menu of the bar
        const auto siblings = menu->actions();
        const qsizetype at = siblings.indexOf(action);
        const bool separatorFollows = at + 1 < siblings.size() && siblings[at + 1]->isSeparator();
        QVERIFY2(separatorFollows == item.separatorAfter, item.path.c_str());
    }
}

void ShellTest::menuEntriesFollowTheModelAfterEachEvent() {
    ShellGame g;
    g.choose("&Options/&Font/&Small");
    QVERIFY(g.action("&Options/&Font/&Small")->isChecked());
    QVERIFY(!g.action("&Options/&Font/&Big")->isChecked());
    g.choose("&Options/&Prologue");
    QVERIFY(!g.action("&Options/&Prologue")->isChecked());
    QVERIFY(!g.game.window.main.menuItem("&Options/&Prologue").checked);
    // Choosing the checked speed again keeps it checked, though the click flips the mark.
    g.choose("&Options/&Speed/&High");
    g.choose("&Options/&Speed/&High");
    QVERIFY(g.game.window.main.menuItem("&Options/&Speed/&High").checked);
    QVERIFY(g.action("&Options/&Speed/&High")->isChecked());
    QCOMPARE(g.window->mirror().widget("Memo1")->font().pixelSize(),
             shell::fontPixels(9, 1, window::ControlKind::Memo));
}

void ShellTest::everyControlStandsAtItsPlaceAtEveryZoom() {
    for (int zoom : {1, 2, 3}) {
        ShellGame g(zoom);
        for (const window::Control& c : g.game.window.main.controls) {
            QWidget* w = g.window->mirror().widget(c.name);
            if (!w)
                continue; // a background painted into the screen picture
            QCOMPARE(w->geometry(), QRect(c.x * zoom, c.y * zoom, c.width * zoom, c.height * zoom));
            QCOMPARE(w->isVisibleTo(g.window.get()), c.visible);
        }
        QCOMPARE(g.window->centralWidget()->size(), QSize(640 * zoom, 426 * zoom));
        QVERIFY(g.window->mirror().widget("Edit8"));
        QVERIFY(!g.window->mirror().widget("Image1"));
        QCOMPARE(g.window->mirror().widget("Image6")->toolTip(), QString());
    }
}

void ShellTest::timersFollowTheModelIncludingIntervalChanges() {
    ShellGame g;
    QTimer* timer1 = g.window->timer("Timer1");
    QVERIFY(timer1->isActive());
    QCOMPARE(timer1->interval(), 500);
    QVERIFY(!g.window->timer("Timer2")->isActive());
    g.choose("&Options/&Speed/&Low");
    QCOMPARE(timer1->interval(), 350);
    QVERIFY(timer1->isActive());
    QCOMPARE(g.window->timer("Timer3")->interval(), 350);
}

void ShellTest::optionsChosenFromTheMenuAreSaved() {
    ShellGame g;
    g.choose("&Options/&Initialize Option");
    g.choose("&Options/Save &Option");
    std::ifstream in(g.dir.filePath("savedat/option.dat").toStdString(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    QCOMPARE(bytes, (std::vector<char>{10, 12, 0, 2, 0, 1, 0, 0, 0, 0}));
}

void ShellTest::theAboutBoxOpensAnimatesAndCloses() {
    ShellGame g;
    g.choose("&Options/&Font/&Tiny");
    g.choose("&Help/&About Gravenhold");
    shell::ModelDialog* about = g.window->dialog("About");
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Gravenhold"));
    QCOMPARE(about->size(), QSize(298, 172));
    QCOMPARE(about->mirror().widget("ProductName")->font().pixelSize(), shell::fontPixels(12, 1));
    QCOMPARE(about->mirror().widget("Version")->font().pixelSize(), shell::fontPixels(8, 1));
    QVERIFY(shell::fontPixels(12, 1) > shell::fontPixels(8, 1));
    QTimer* timer = g.window->timer("About.Timer1");
    QVERIFY(timer->isActive());
    QWidget* first = about->mirror().widget("ProgramIcon");
    QWidget* second = about->mirror().widget("Image2");
    tick(timer);
    QVERIFY(!first->isVisible() && second->isVisible());
    tick(timer);
    QVERIFY(first->isVisible() && !second->isVisible());
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(about->mirror().widget("Image1")->isVisible());
    tick(timer);
    QVERIFY(!first->isVisible() && !second->isVisible());
    QTest::mouseClick(about->mirror().widget("OKButton"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(!timer->isActive());
}

void ShellTest::quittingFromTheMenuEndsTheProgram() {
    ShellGame g;
    g.choose("&Game/E&xit");
    QVERIFY(g.game.shell.quitRequested);
    g.choose("&Game/Game &Start"); // nothing reaches the game once it is ending
    QVERIFY(g.window->timer("Timer4") && !g.window->timer("Timer4")->isActive());
}

void ShellTest::closingTheWindowEndsTheProgram() {
    ShellGame g;
    g.window->show();
    QVERIFY(g.window->close());
    QVERIFY(g.game.shell.quitRequested);
}

// A control the game looks for and the model lacks: the event stops with a line on standard
// error instead of an exception through Qt, and the next event is handled as usual.
void ShellTest::aBadNameIsReportedAndTheGameGoesOn() {
    ShellGame g;
    g.game.window.main.control("Button36").name = "Button36 (gone)";
    std::ostringstream said;
    std::streambuf* const stderrBuffer = std::cerr.rdbuf(said.rdbuf());
    g.choose("&Game/Game &Start"); // a new game puts the monster list's "OK" away
    std::cerr.rdbuf(stderrBuffer);
    QVERIFY(said.str().find("no control Button36 in window Main") != std::string::npos);

    g.choose("&Options/&Speed/&Low");
    QVERIFY(g.action("&Options/&Speed/&Low")->isChecked());
    QCOMPARE(g.window->timer("Timer1")->interval(), 350);
}

void ShellTest::aSecondCopyIsRefusedWhileTheFirstRuns() {
    QTemporaryDir dir;
    const QString name = dir.filePath("TKRN10");
    shell::SingleInstance first(name);
    QVERIFY(!first.askRunningCopyToFront()); // nobody there yet
    QVERIFY(first.listen());
    QSignalSpy front(&first, &shell::SingleInstance::frontRequested);
    shell::SingleInstance second(name);
    QVERIFY(second.askRunningCopyToFront());
    QTRY_COMPARE(front.count(), 1);
}

// Two copies started at the same moment: the first has decided but does not answer on the
// socket yet. The lock decides, not the socket: the second copy loses all the same, and once
// the first answers it is asked to come to the front. When the first ends, the lock is free.
void ShellTest::twoCopiesStartedAtOnceCannotBothRun() {
    QTemporaryDir dir;
    const QString name = dir.filePath("TKRN10");
    auto first = std::make_unique<shell::SingleInstance>(name);
    shell::SingleInstance second(name);
    QVERIFY(first->claim());
    QVERIFY(!second.claim());
    QVERIFY(!second.askRunningCopyToFront(100)); // not answering yet
    QVERIFY(first->listen());
    QSignalSpy front(first.get(), &shell::SingleInstance::frontRequested);
    QVERIFY(second.askRunningCopyToFront(1000));
    QTRY_COMPARE(front.count(), 1);
    first.reset();
    QVERIFY(second.claim());
}

// Recordings that cannot be played: a device, a named pipe and a file of one endless line are
// refused at once with a box; a start save that the Load menu would refuse stops the playback
// with a box naming its line, and the game is the player's again, menus and all.
void ShellTest::aRecordingThatCannotPlayIsToldAndTheGameIsHandedBack() {
    BoxCloser boxes;
    ShellGame g;
    g.window->start();
    const QString pipe = g.dir.filePath("pipe.rec");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const QString longLine = g.dir.filePath("long.rec");
    std::ofstream(longLine.toStdString()) << "recording 1\n" << std::string(100000, 'x') << "\n";
    for (const QString& file : {QStringLiteral("/dev/zero"), pipe, longLine}) {
        auto* player = new shell::ReplayPlayer(*g.window, file, 1);
        QVERIFY(!player->start());
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.takeFirst().contains(file), qPrintable(file));
        QVERIFY(!g.game.extras.replaying);
    }

    world::Status status = g.game.status;
    status[world::Slot::SaveMarker] = world::kSaveMarker;
    status[world::Slot::Floor] = 51;
    io::stampChecksums(status);
    QVERIFY(!io::writeBytes(g.dir.filePath("floor51.sav").toStdString(),
                            io::toImage(g.game.map, status)));
    const QString recording = g.dir.filePath("floor51.rec");
    std::ofstream(recording.toStdString()) << "recording 1\nload-state floor51.sav\nkey up\n";
    auto* player = new shell::ReplayPlayer(*g.window, recording, 1);
    QVERIFY(player->start());
    QTRY_COMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(":2: ") && boxes.texts[0].contains("not a saved game"),
             qPrintable(boxes.texts[0]));
    QVERIFY(!g.game.extras.replaying);
    QVERIFY(g.game.window.main.caption.find("replay") == std::string::npos);
    QVERIFY(g.action("E&xtras")->isEnabled());
    QVERIFY(g.game.status[world::Slot::Floor] != 51);
}

void ShellTest::zoomAndGameFolderFollowTheDesktop() {
    QCOMPARE(shell::chooseZoom({1024, 768}, {640, 426}), 1);
    QCOMPARE(shell::chooseZoom({1920, 1080}, {640, 426}), 2);
    QCOMPARE(shell::chooseZoom({3840, 2160}, {640, 426}), 3);
    QCOMPARE(shell::chooseZoom({600, 400}, {640, 426}), 1);

    QTemporaryDir dir;
    QDir(dir.path()).mkpath("bin");
    const QString bin = dir.filePath("bin");
    QCOMPARE(shell::locateGame(bin, "../share/gravenhold").folder, bin);
    QVERIFY(!shell::locateGame(bin, "../share/gravenhold").installed);
    QDir(dir.path()).mkpath("share/gravenhold/data");
    const shell::GameLocation installed = shell::locateGame(bin, "../share/gravenhold");
    QCOMPARE(installed.folder, dir.filePath("share/gravenhold"));
    QVERIFY(installed.installed);
}

// Under keyboard control Enter answers the dialogue box and closes a secondary window through
// its focused button; with no button in focus it stays the item cursor's key.
void ShellTest::enterPressesTheFocusedButtonAsSpaceDoes() {
    ShellGame g;
    g.window->show();
    QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
    g.choose("&Game/Game &Start"); // out of the opening, whose picture covers the buttons
    g.choose("&Options/&Keyboard Control");
    g.window->forward([&] {
        script::Script(g.game, {{script::Cmd::MessageBox, 4, 0}, {script::Cmd::Pause, 0, 0}})
            .push(g.game);
        script::timer2on(g.game);
    });
    tick(g.window->timer("Timer2"));
    QWidget* ok = g.window->mirror().widget("Button1");
    QVERIFY(ok->isVisible() && ok->hasFocus());
    // Through the window, as the desktop delivers keys: the window sees them first.
    QTest::keyClick(g.window->windowHandle(), Qt::Key_Return);
    QVERIFY(!ok->isVisible());
    QCOMPARE(g.game.status[world::Slot::DialogueSeenBase + 4], 1);

    for (int n = 0; n < 100 && g.window->timer("Timer2")->isActive(); ++n)
        tick(g.window->timer("Timer2"));
    g.window->forward([&] { g.game.status[world::Slot::Mattock] = 1; });
    QTest::keyClick(g.window.get(), Qt::Key_Return);
    QVERIFY(g.game.explore.cursorOpen);

    g.choose("&Help/&About Gravenhold");
    shell::ModelDialog* about = g.window->dialog("About");
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about->windowHandle(), Qt::Key_Enter);
    QVERIFY(!about->isVisible());
}

// The arrow button under the mouse: pressed and held, the repeat timer walks the hero on; the
// release stops him where he stands.
void ShellTest::holdingAnArrowButtonKeepsTheHeroWalking() {
    ShellGame g;
    g.window->show();
    QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
    g.choose("&Game/Game &Start");
    g.choose("&Options/&Mouse Control");
    g.window->forward([&] {
        for (int cell = 0; cell < world::kCells; ++cell)
            g.game.map.setTile(1, cell, world::Tile::Road);
    });
    const int start = g.game.status.heroCell();
    QWidget* up = g.window->mirror().widget("BitBtn1");
    QTest::mousePress(up, Qt::LeftButton);
    QTimer* repeat = g.window->timer("Timer3");
    QVERIFY(repeat->isActive());
    tick(repeat);
    tick(repeat);
    QTest::mouseRelease(up, Qt::LeftButton);
    QCOMPARE(g.game.status.heroCell(), start - 2 * world::kSide);
    QVERIFY(!repeat->isActive());
}

// The help, the About box, the Ranking and the data-folder window open centred on the game's
// window and inside the screen's free area; Escape closes each as its Cancel or Exit would,
// under keyboard control too.
void ShellTest::secondaryWindowsOpenInsideTheScreenAndEscapeClosesThem() {
    const QRect screen(0, 0, 1280, 1000);
    QCOMPARE(shell::centredInside(screen, QRect(0, 0, 1282, 891), QSize(642, 581)),
             QPoint(319, 155));
    // The help as it used to open, beside a window lower down: kept wholly on the screen.
    QCOMPARE(shell::centredInside(screen, QRect(640, 455, 1282, 891), QSize(642, 581)),
             QPoint(638, 419));
    QCOMPARE(shell::centredInside(screen, QRect(0, 0, 100, 100), QSize(2000, 2000)), QPoint(0, 0));

    ShellGame g;
    g.window->show();
    QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
    g.choose("&Game/Game &Start");
    g.choose("&Options/&Keyboard Control");
    shell::QtPlatform platform;
    platform.setOwner(g.window.get());
    platform.showHelp(GRAVENHOLD_GAME_DIR "/KRN.HLP");
    QWidget* help = platform.helpWindow();
    QVERIFY(help && help->isVisible());
    const QRect free = g.window->screen()->availableGeometry();
    QVERIFY(free.contains(help->frameGeometry()));
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());

    for (const auto& [path, name] :
         {std::pair{"&Help/&About Gravenhold", "About"}, std::pair{"&Game/&Ranking", "Ranking"},
          std::pair{"&Options/&Change Data Spot", "DataFolder"}}) {
        g.choose(path);
        shell::ModelDialog* dialog = g.window->dialog(name);
        QVERIFY2(dialog && dialog->isVisible(), name);
        QVERIFY2(free.contains(dialog->frameGeometry()), name);
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
        QVERIFY2(!dialog->isVisible(), name);
        QVERIFY2(!g.game.window.findWindow(name)->visible, name);
    }
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
