// The window's picture on the desktop: the zoom keys and the remembered zoom, the full screen,
// controls kept out of sight under full-window pictures, and repaints limited to what changed.
#include "game/events.h"
#include "shell_game.h"
#include "state/game.h"
#include "tkrn10.h"
#include "window/main_window.h"
#include "window/names.h"
#include "window_zoom.h"

#include <QApplication>
#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

namespace {

// The regions of the paint events a widget receives, and whether the game's picture was
// ready at each of them.
class PaintSpy : public QObject {
  public:
    PaintSpy(QWidget* watched, const window::Window& model) : model_(model) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
            withoutPicture += model_.screen.drawnOn() ? 0 : 1;
        }
        return false;
    }
    std::vector<QRegion> regions;
    int withoutPicture = 0;

  private:
    const window::Window& model_;
};

QSize screenSize() {
    return QGuiApplication::primaryScreen()->availableSize();
}

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void theStartZoomComesFromTheCommandLineTheMemoryOrTheScreen();
    void zoomKeysRedrawEveryControlAndAreRemembered();
    void theFullScreenCentresThePictureAndGivesTheZoomBack();
    void controlsStayOutOfSightUnderFullWindowPictures();
    void theFirstFrameIsTheGamesPictureAndOnlyChangesArePainted();
    void everyStatusFieldFillsTheWellPaintedForItAtEveryZoom();
};

void ScreenTest::theStartZoomComesFromTheCommandLineTheMemoryOrTheScreen() {
    const QSize client(640, 426);
    QCOMPARE(shell::largestZoom({1920, 1080}, client, shell::kWindowDressing), 2);
    QCOMPARE(shell::largestZoom({3840, 2160}, client, shell::kWindowDressing), 4);
    QCOMPARE(shell::largestZoom({7680, 4320}, client, 0), 10 > shell::kLargestZoom ? 8 : 10);
    QCOMPARE(shell::largestZoom({500, 300}, client, 0), 1);
    // The full screen has only the menu bar to spare.
    QCOMPARE(shell::largestZoom({1366, 768}, client, 20), 1);
    QCOMPARE(shell::largestZoom({1920, 1080}, client, 20), 2);

    QCOMPARE(shell::startZoom(5, 2, {1920, 1080}, client), 5); // asked for on the command line
    QCOMPARE(shell::startZoom(0, 2, {1920, 1080}, client), 2); // remembered, and it fits
    QCOMPARE(shell::startZoom(0, 1, {3840, 2160}, client), 1); // remembered, smaller than fits
    QCOMPARE(shell::startZoom(0, 4, {1920, 1080}, client), 2); // remembered, too large now
    QCOMPARE(shell::startZoom(0, 0, {3840, 2160}, client), 3); // nothing remembered
    QCOMPARE(shell::startZoom(99, 0, {1920, 1080}, client), shell::kLargestZoom);

    QTemporaryDir dir;
    const shell::ZoomMemory memory(shell::shellSettingsFile(dir.path()));
    QCOMPARE(memory.load(), 0);
    memory.save(3);
    QCOMPARE(shell::ZoomMemory(memory.file()).load(), 3);
    QSettings(memory.file(), QSettings::IniFormat).setValue("window/zoom", "huge");
    QCOMPARE(memory.load(), 0); // a damaged value counts as none
    QSettings(memory.file(), QSettings::IniFormat).setValue("window/zoom", 40);
    QCOMPARE(memory.load(), 0);
}

void ScreenTest::zoomKeysRedrawEveryControlAndAreRemembered() {
    ShellGame g(2);
    const int fits = shell::largestZoom(screenSize(), {640, 426}, shell::kWindowDressing);
    g.window->show();
    QApplication::setActiveWindow(g.window.get());
    QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
    QTest::keyClick(g.window.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(g.window->zoom(), 1);
    for (const window::Control& c : g.game.window.main.controls)
        if (QWidget* w = g.widget(c.name))
            QCOMPARE(w->geometry(), QRect(c.x, c.y, c.width, c.height));
    QCOMPARE(g.window->centralWidget()->size(), QSize(640, 426));
    const int messageFont = g.game.window.main.control("Edit8").fontSize;
    QCOMPARE(g.widget("Edit8")->font().pixelSize(), shell::fontPixels(messageFont, 1));
    QCOMPARE(g.window->dialog("About")->size(), QSize(298, 172));
    QTest::keyClick(g.window.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(g.window->zoom(), 1); // no smaller than one screen pixel a game pixel

    // Larger, up to what the screen holds.
    for (int k = 0; k < 12; ++k)
        QTest::keyClick(g.window.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(g.window->zoom(), fits);
    QCOMPARE(g.widget("BitBtn1")->geometry(), QRect(560 * fits, 355 * fits, 32 * fits, 20 * fits));
    QCOMPARE(g.widget("Edit8")->font().pixelSize(), shell::fontPixels(messageFont, fits));

    // The zoom of the last change is the next run's.
    QTest::keyClick(g.window.get(), Qt::Key_0, Qt::ControlModifier);
    const int byDefault = g.window->zoom();
    QTest::keyClick(g.window.get(), Qt::Key_Minus, Qt::ControlModifier);
    const int chosen = g.window->zoom();
    g.remake(0);
    QCOMPARE(g.window->zoom(), chosen);
    QVERIFY(byDefault >= chosen);
    // The game's option file knows nothing of it.
    QVERIFY(!QFile::exists(g.dir.filePath("savedat/option.dat")));
    QVERIFY(QFile::exists(shell::shellSettingsFile(g.dir.filePath("config"))));
}

void ScreenTest::theFullScreenCentresThePictureAndGivesTheZoomBack() {
    ShellGame g(1);
    g.window->show();
    QApplication::setActiveWindow(g.window.get());
    QVERIFY(QTest::qWaitForWindowActive(g.window.get()));
    QTest::keyClick(g.window.get(), Qt::Key_F11);
    QTRY_VERIFY(g.window->isFullScreen());
    const QSize whole = g.window->screen()->geometry().size();
    const int zoom = g.window->zoom();
    QCOMPARE(zoom, shell::largestZoom(whole, {640, 426}, g.window->menuBar()->sizeHint().height()));
    QWidget* stage = g.window->centralWidget();
    QTRY_COMPARE(stage->height() + g.window->menuBar()->height(), whole.height());
    const QRect picture = g.window->screenWidget().geometry();
    QCOMPARE(picture.size(), QSize(640 * zoom, 426 * zoom));
    // Centred to the pixel (an odd margin leaves one pixel more below and to the right).
    const QPoint offCentre = picture.center() - stage->rect().center();
    QVERIFY(std::abs(offCentre.x()) <= 1 && std::abs(offCentre.y()) <= 1);
    QCOMPARE(stage->palette().color(QPalette::Window), QColor(Qt::black));
    QTest::keyClick(g.window.get(), Qt::Key_F11);
    QTRY_VERIFY(!g.window->isFullScreen());
    QCOMPARE(g.window->zoom(), 1);
    QCOMPARE(g.window->centralWidget()->size(), QSize(640, 426));
    // The zoom of the full screen is not the window's remembered one.
    QCOMPARE(shell::ZoomMemory(shell::shellSettingsFile(g.dir.filePath("config"))).load(), 0);
}

void ScreenTest::controlsStayOutOfSightUnderFullWindowPictures() {
    ShellGame g(1);
    g.window->start(); // the first start-up plays the opening
    QVERIFY(g.game.window.timer("Timer4").enabled);
    for (const char* control : {"Memo11", "Memo1", "Memo4", "Image19", "Image32", "Memo8"}) {
        QVERIFY2(g.game.window.main.control(control).visible, control);
        QVERIFY2(!g.shown(control), control);
    }
    QVERIFY(g.shown("Edit8")); // the message line lies below the picture

    // The game screen back: every control as the game has it.
    g.window->forward([&] { g.game.window.timer("Timer4").enabled = false; });
    for (const char* control : {"Memo11", "Memo1", "Memo4", "Image19", "Image32", "Memo8"})
        QVERIFY2(g.shown(control), control);

    // The capture, the prison and the ending show their pictures on the full-window picture.
    g.window->forward([&] { g.game.window.main.control("Image23").visible = true; });
    QVERIFY(!g.shown("Memo1") && !g.shown("Image6") && !g.shown("Image31"));
    g.window->forward([&] { g.game.window.main.control("Image23").visible = false; });
    QVERIFY(g.shown("Memo1") && g.shown("Image31"));
    // A control the game hid stays hidden when the picture goes.
    g.window->forward([&] {
        g.game.window.main.control("Image23").visible = true;
        g.game.window.main.control("Memo1").visible = false;
    });
    g.window->forward([&] { g.game.window.main.control("Image23").visible = false; });
    QVERIFY(!g.shown("Memo1"));
}

void ScreenTest::theFirstFrameIsTheGamesPictureAndOnlyChangesArePainted() {
    ShellGame g(2);
    PaintSpy spy(&g.window->screenWidget(), g.game.window.main);
    g.window->start();
    QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
    QTRY_VERIFY(g.window->screenWidget().picturesPainted() > 0);
    QCOMPARE(spy.withoutPicture, 0);

    // One game pixel drawn on repaints that pixel, zoomed, and nothing else.
    QCoreApplication::processEvents();
    spy.regions.clear();
    g.window->forward([&] { render::fillRect(g.game.window.main.screen, {300, 203, 1, 1}, 0xff); });
    QTRY_VERIFY(!spy.regions.empty());
    QCOMPARE(spy.regions.front(), QRegion(300 * 2, 203 * 2, 2, 2));

    // Nothing changed: nothing painted.
    spy.regions.clear();
    g.window->forward([] {});
    QCoreApplication::processEvents();
    QVERIFY(spy.regions.empty());

    // A cell drawn again as it was paints nothing; drawn with two pixels changed, it paints
    // the rectangle around them.
    render::Picture cell = render::copyRect(g.game.window.main.screen, {160, 120, 32, 32});
    g.window->forward([&] { render::draw(g.game.window.main.screen, 160, 120, cell); });
    QCoreApplication::processEvents();
    QVERIFY(spy.regions.empty());
    cell.at(3, 4) ^= 0xff;
    cell.at(9, 6) ^= 0xff;
    g.window->forward([&] { render::draw(g.game.window.main.screen, 160, 120, cell); });
    QTRY_VERIFY(!spy.regions.empty());
    QCOMPARE(spy.regions.front(), QRegion(163 * 2, 124 * 2, 7 * 2, 3 * 2));
}

void ScreenTest::everyStatusFieldFillsTheWellPaintedForItAtEveryZoom() {
    // The wells of the side panels: ink and charcoal to the left of a field, steel and silver
    // to its right, two pixels deep.
    constexpr render::Pixel kInk = 0x140c1c;
    constexpr render::Pixel kCharcoal = 0x2e2a36;
    constexpr render::Pixel kSteel = 0x9a97a3;
    constexpr render::Pixel kSilver = 0xc9c7cf;
    for (int zoom : {1, 3}) {
        ShellGame g(zoom);
        g.window->start();
        g.window->forward([&] { game::menuCommand(g.game, window::Menu::GameStart); });
        const render::Picture& screen = g.game.window.main.screen.picture();
        auto at = [&](int x, int y) {
            return screen.pixels[static_cast<std::size_t>(y) * 640 + x];
        };
        for (int n = 1; n <= 11; ++n) {
            const std::string name = "Memo" + std::to_string(n);
            const window::Control& c = g.game.window.main.control(name);
            const int middle = c.y + c.height / 2;
            QCOMPARE(at(c.x - 2, middle), kInk);
            QCOMPARE(at(c.x - 1, middle), kCharcoal);
            QCOMPARE(at(c.x + c.width, middle), kSteel);
            QVERIFY2(at(c.x + c.width + 1, middle) == kSilver, name.c_str());
            QWidget* field = g.widget(name);
            QCOMPARE(field->geometry(),
                     QRect(c.x * zoom, c.y * zoom, c.width * zoom, c.height * zoom));
            QVERIFY2(field->styleSheet().contains("border: none"), name.c_str());
        }
        // Fields without a well of their own keep a thin edge.
        QVERIFY(!g.widget("Edit8")->styleSheet().contains("border: none"));
    }
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
