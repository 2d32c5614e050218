// The window's look as the player sees it: no pixel of the desktop's greys left in the main
// window, its menus, the secondary windows, a message box or the help; every text readable
// against its background; the pixel font drawn whole pixels at every zoom.
#include "control_mirror.h"
#include "desktop_grey.h"
#include "dialogue_face.h"
#include "extras/inputs.h"
#include "game/events.h"
#include "game/setup.h"
#include "game/startup.h"
#include "qt_platform.h"
#include "shell_game.h"
#include "skin.h"
#include "state/explore_state.h"
#include "state/game.h"
#include "state/key.h"
#include "state/option_choices.h"
#include "tkrn10.h"
#include "window/main_window.h"
#include "window/names.h"
#include "world/catalogue.h"
#include "world/status.h"
#include "world/tiles.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

// The game's own picture inside a screenshot, where the shell draws nothing of its own.
struct Art {
    const render::Picture* picture = nullptr;
    QPoint at;
    int zoom = 1;
    bool shows(QPoint p, QRgb pixel) const {
        const QPoint in = p - at;
        if (!picture || in.x() < 0 || in.y() < 0)
            return false;
        const QPoint game(in.x() / zoom, in.y() / zoom);
        if (game.x() >= picture->width || game.y() >= picture->height)
            return false;
        const std::size_t n = static_cast<std::size_t>(game.y()) * picture->width + game.x();
        return (picture->pixels[n] & 0xffffff) == (pixel & 0xffffff);
    }
};

int greyPixels(const QImage& image, const Art& art = {}) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            count += desktopGrey(pixel) && !art.shows({x, y}, pixel) ? 1 : 0;
        }
    return count;
}

// Whether a text drawn in `ink` is made of whole game pixels: a few colours (no smoothing)
// and every run of ink, across and down, a multiple of the zoom long.
bool wholeGamePixels(const QImage& image, QRgb ink, int zoom) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    int inked = 0;
    auto runsWhole = [&](int lines, int length, auto at) {
        for (int line = 0; line < lines; ++line) {
            int run = 0;
            for (int k = 0; k <= length; ++k) {
                const bool on = k < length && at(line, k) == ink;
                inked += on ? 1 : 0;
                if (on) {
                    ++run;
                } else if (run > 0) {
                    if (run % zoom != 0)
                        return false;
                    run = 0;
                }
            }
        }
        return true;
    };
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    const bool across =
        runsWhole(rgb.height(), rgb.width(), [&](int y, int x) { return rgb.pixel(x, y); });
    const bool down =
        runsWhole(rgb.width(), rgb.height(), [&](int x, int y) { return rgb.pixel(x, y); });
    return across && down && inked > 0 && colours.size() <= 6;
}

#define QVERIFY_NO_GREY(image, what, ...)                                                          \
    do {                                                                                           \
        const int grey = greyPixels(image __VA_OPT__(, ) __VA_ARGS__);                             \
        if (grey > 0)                                                                              \
            (image).save(QDir::temp().filePath(QStringLiteral("skin-test-%1.png").arg(what)));     \
        QVERIFY2(grey == 0, qPrintable(QStringLiteral("%1: %2 grey pixels").arg(what).arg(grey))); \
    } while (false)

} // namespace

class SkinTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyTextStandsOutFromItsBackground();
    void buttonsWearTheArtsFramesInWholePixels();
    void noScreenShowsTheDesktopsGreys();
    void thePixelFontFillsWholeGamePixels();
    void theOrbsListColoursEachCostAndDrawsNoEmptyRow();
    void theSpeakersFaceStandsBesideTheDialogueText();
    void theDialogueBoxHoldsItsTextAndAnswersAndNoMore();
    void theHelpShowsTheGamesPicturesAndGrowsWithTheZoom();
};

void SkinTest::initTestCase() {
    shell::skin::usePicturesIn(QStringLiteral(GRAVENHOLD_GAME_DIR));
}

void SkinTest::buttonsWearTheArtsFramesInWholePixels() {
    using namespace shell::skin;
    constexpr int zoom = 2;
    applyToApplication(zoom);
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    auto* other = new QPushButton(QStringLiteral("No"), &window);
    button->setGeometry(10, 10, 80, 30);
    other->setGeometry(10, 50, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The frame's edge, corners aside: only the picture's own colours, each game pixel whole.
    auto frameColours = [&] {
        const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);

        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool corner = (x < zoom || x >= image.width() - zoom) &&
                                    (y < zoom || y >= image.height() - zoom);
                const bool edge = x < 2 * zoom || y < 2 * zoom || x >= image.width() - 2 * zoom ||
                                  y >= image.height() - 2 * zoom;
                if (edge && !corner)
                    seen.insert(image.pixel(x, y) & 0xffffff);
            }
        return seen;
    };
    auto rgb = [](const QColor& c) { return c.rgb() & 0xffffff; };
    const QSet<QRgb> raised = {rgb(kWallMortar), rgb(kWallEdge), rgb(kWallShade)};
    other->setFocus();
    QTRY_COMPARE(frameColours(), raised);
    // Keyboard focus rings the button in gold, plain to see beside the others.
    button->setFocus();
    QTRY_VERIFY(frameColours().contains(rgb(kGold)));
    QVERIFY(!frameColours().contains(rgb(kWallMortar)));
    button->setDown(true);
    QTRY_VERIFY(!frameColours().contains(rgb(kGold)));
    QVERIFY(frameColours().contains(rgb(kWallMortar)));
}

void SkinTest::everyTextStandsOutFromItsBackground() {
    for (const shell::skin::TextPair& pair : shell::skin::textPairs())
        QVERIFY2(shell::skin::contrast(pair.text, pair.background) >= 4.5, pair.where);
    const window::WindowModel model = window::makeWindowModel();
    std::vector<const window::Window*> windows = {&model.main};
    for (const auto& [name, w] : model.secondary)
        windows.push_back(&w);
    for (const window::Window* w : windows)
        for (const window::Control& c : w->controls) {
            if (c.kind == window::ControlKind::Image)
                continue;
            const shell::skin::Colours shown = shell::skin::colours(c);
            QVERIFY2(shell::skin::contrast(shown.text, shown.background) >= 4.5, c.name.c_str());
        }
    QCOMPARE(shell::skin::contrast(Qt::white, Qt::black), 21.0);
}

void SkinTest::noScreenShowsTheDesktopsGreys() {
    for (const int zoom : {1, 2}) {
        ShellGame g(zoom, Start::WithDialogs);
        QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
        g.window->forward([&] { game::menuCommand(g.game, window::Menu::GameStart); });
        // The game's pictures are its own art; every other pixel is the shell's.
        const Art art{&g.game.window.main.screen.picture(),
                      g.window->screenWidget().mapTo(g.window.get(), QPoint(0, 0)), zoom};
        QVERIFY_NO_GREY(g.window->grab().toImage(), "main window", art);

        // The dialogue box with its answers, and the Orb of Hero's list.
        g.window->forward([&] {
            window::Window& w = g.game.window.main;
            w.control("RichEdit1").visible = true;
            w.control("RichEdit1").text = "Will you buy?";
            w.control("Button2").visible = true;
            w.control("Button7").visible = true;
            w.control("Button2").focused = true;
        });
        QVERIFY_NO_GREY(g.window->grab().toImage(), "dialogue box", art);
        g.window->forward([&] { g.game.window.main.control("RichEdit1").visible = false; });
        g.window->forward([&] {
            for (window::Control& c : g.game.window.main.controls)
                if (c.name == "Panel1" || c.name.starts_with("Edit") || c.name == "Button36")
                    c.visible = true;
        });
        QVERIFY_NO_GREY(g.window->grab().toImage(), "monster list", art);

        // An open menu.
        QMenu* menu = g.window->menuBar()->actions().front()->menu();
        menu->popup(g.window->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY_NO_GREY(menu->grab().toImage(), "menu");
        menu->hide();

        // The secondary windows.
        for (const char* name : {"About", "Ranking", "DataFolder"}) {
            g.window->forward([&] { g.game.window.secondary.at(name).visible = true; });
            shell::ModelDialog* dialog = g.window->dialog(name);
            QVERIFY(dialog->isVisible());
            QVERIFY_NO_GREY(dialog->grab().toImage(), name);
            g.window->forward([&] { g.game.window.secondary.at(name).visible = false; });
        }

        // A message box, and the help.
        QImage box;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            box = modal->grab().toImage();
            modal->close();
        });
        g.platform.messageBox("There is no saving data.");
        QVERIFY_NO_GREY(box, "message box");
        g.platform.showHelp(std::string(GRAVENHOLD_GAME_DIR) + "/KRN.HLP");
        QVERIFY(g.platform.helpWindow()->isVisible());
        QVERIFY_NO_GREY(g.platform.helpWindow()->grab().toImage(), "help");
        g.platform.helpWindow()->close();
    }
}

void SkinTest::thePixelFontFillsWholeGamePixels() {
    if (!shell::skin::pixelFontInstalled())
        QSKIP("the pixel font (fonts-spleen) is not installed");
    // Each font choice gives a size of the pixel font; the larger choices larger ones.
    QVERIFY(shell::fontPixels(14, 1) > shell::fontPixels(10, 1));
    // The four choices of the Options menu give four looks of the figures and the dialogue.
    QSet<QPair<int, int>> looks;
    for (const game::FontSizes& choice : game::kFontPairs)
        looks.insert({shell::fontPixels(choice.small, 1, window::ControlKind::Memo),
                      shell::fontPixels(choice.dialog, 1)});
    QCOMPARE(looks.size(), 4);
    QCOMPARE(shell::fontPixels(14, 2), 2 * shell::fontPixels(14, 1));
    ShellGame g(2, Start::WithDialogs);
    QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
    g.window->forward([&] {
        game::menuCommand(g.game, window::Menu::GameStart);
        g.game.window.main.control("Edit8").text = "Welcome to the tower.";
    });
    for (const char* field : {"Edit8", "Memo11", "Memo1"}) {
        QWidget* w = g.window->mirror().widget(field);
        const QRgb ink = shell::skin::colours(g.game.window.main.control(field)).text.rgb();
        QVERIFY2(wholeGamePixels(w->grab().toImage(), ink, 2), field);
    }
    // A name too long for its field at the large size takes the small one.
    g.window->forward([&] { g.game.window.main.control("Memo9").text = "Sword of Knight"; });
    QCOMPARE(g.window->mirror().widget("Memo9")->font().pixelSize(), shell::fontPixels(8, 2));
}

void SkinTest::theOrbsListColoursEachCostAndDrawsNoEmptyRow() {
    ShellGame g(1, Start::WithDialogs);
    auto openList = [&](std::int32_t life, std::int32_t offense, std::int32_t defense) {
        g.window->forward([&] {
            game::setStatus(g.game, world::Slot::OrbOfHero, 1);
            game::setStatus(g.game, world::Slot::Life, life);
            game::setStatus(g.game, world::Slot::Offense, offense);
            game::setStatus(g.game, world::Slot::Defense, defense);
            extras::click(g.game, window::names::Image6); // the Orb of Hero's icon
        });
        QVERIFY(g.game.items.listedCount > 0);
    };
    auto forecastColour = [&](int row) {
        const std::string name(window::names::kListForecasts[static_cast<std::size_t>(row)]);
        return g.window->mirror().widget(name)->palette().color(QPalette::Text);
    };
    g.window->forward([&] { game::menuCommand(g.game, window::Menu::GameStart); });
    // Strong enough for every monster of the floor: each costs nothing, in green.
    openList(1000, 10000, 10000);
    for (int row = 0; row < g.game.items.listedCount; ++row)
        QCOMPARE(forecastColour(row), shell::skin::kLightGreen);
    // The rows below the last monster are not drawn.
    const int empty = g.game.items.listedCount;
    QVERIFY(empty < 7);
    const std::string name(window::names::kListNames[static_cast<std::size_t>(empty)]);
    QVERIFY(g.window->mirror().widget(name)->styleSheet().contains("transparent"));
    // The Ranking's empty cells, named as the list's fields in a window of their own, stay wells.
    g.window->forward([&] { g.game.window.secondary.at("Ranking").visible = true; });
    const std::string cell(window::names::kListStrengths[static_cast<std::size_t>(empty)]);
    QVERIFY(
        !g.window->dialog("Ranking")->mirror().widget(cell)->styleSheet().contains("transparent"));
    g.window->forward([&] { g.game.window.secondary.at("Ranking").visible = false; });
    g.window->forward([&] { extras::click(g.game, window::names::Button36); });

    // One life left, no defense and a weak sword: every fight is deadly, in red.
    openList(1, 20, 0);
    for (int row = 0; row < g.game.items.listedCount; ++row)
        QCOMPARE(forecastColour(row), shell::skin::kBrightRed);
}

void SkinTest::theSpeakersFaceStandsBesideTheDialogueText() {
    ShellGame g(2, Start::WithDialogs);
    auto* face = g.window->findChild<QWidget*>(QStringLiteral("DialogueFace"));
    QVERIFY(face);
    g.window->forward([&] {
        game::menuCommand(g.game, window::Menu::GameStart);
        extras::menuCommand(g.game, "&Options/&Keyboard Control");
        game::placeHero(g.game, 6, 4, 3); // below the blue-key merchant of floor 6
    });
    QVERIFY(!face->isVisible());
    g.window->forward([&] { extras::keyDown(g.game, game::Key::Up); });
    const window::Control& box = g.game.window.main.control("RichEdit1");
    for (int tick = 0; tick < 50 && !box.visible; ++tick)
        g.window->forward([&] { extras::timerTick(g.game, "Timer2", 0); });
    QVERIFY(box.visible);
    // The merchant as the map draws him, at the box's upper left; the text clear of him.
    QVERIFY(face->isVisible());
    const QRect boxPlace = g.window->mirror().widget("RichEdit1")->geometry();
    QVERIFY(boxPlace.contains(face->geometry()));
    QCOMPARE(face->geometry().topLeft(), boxPlace.topLeft() + QPoint(12, 12));
    const render::Picture merchant = shell::speakerFace(g.game);
    QCOMPARE(merchant.width, 32);
    const render::Picture& tile = *g.game.render.imageList1.find(world::Tile::Merchant - 1);
    QCOMPARE(merchant.at(16, 16), tile.at(16, 16));
    // The text begins right of the face (inside the box's frame of three game pixels).
    auto textLeft = [&] {
        const QString sheet = g.window->mirror().widget("RichEdit1")->styleSheet();
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("padding-left: (\\d+)px")).match(sheet);
        return m.hasMatch() ? boxPlace.left() + 3 * 2 + m.captured(1).toInt() : -1;
    };
    QVERIFY(textLeft() > face->geometry().right());

    // The answer closes the box, and the face goes with it.
    g.window->forward([&] { extras::click(g.game, "Button7"); });
    QVERIFY(!face->isVisible());
    QVERIFY(textLeft() < face->geometry().left());

    // In the story, the one who says the line: the hero himself, Zeno, the Vampire; when the
    // tale itself speaks, nobody.
    auto storyFace = [&](int dialogue) {
        g.window->forward([&] {
            g.game.explore.dialogKind = explore::Dialog::ScriptedBase + dialogue;
            g.game.window.main.control("RichEdit1").visible = true;
        });
        return shell::speakerFace(g.game);
    };
    const render::Picture hero = storyFace(11); // "What? Oh!"
    QVERIFY(face->isVisible());
    QCOMPARE(hero.at(16, 16), g.game.render.imageList1.find(188)->at(16, 16));
    const render::Picture zeno = storyFace(10);
    QCOMPARE(zeno.at(16, 16), g.game.render.imageList1.find(world::Tile::Zeno - 1)->at(16, 16));
    QVERIFY(storyFace(20) != zeno);
    QVERIFY(storyFace(8).empty()); // "Somewhere above, a door slams shut."
    QVERIFY(!face->isVisible());
}

void SkinTest::theDialogueBoxHoldsItsTextAndAnswersAndNoMore() {
    for (const int zoom : {1, 2}) {
        ShellGame g(zoom, Start::WithDialogs);
        g.window->forward([&] {
            game::GameStart1Click(g.game);
            extras::menuCommand(g.game, "&Options/&Keyboard Control");
            game::placeHero(g.game, 9, 3, 9); // above the altar of floor 9
            game::setStatus(g.game, world::Slot::Gold, 50);
            extras::keyDown(g.game, game::Key::Down);
        });
        const window::Control& model = g.game.window.main.control("RichEdit1");
        for (int tick = 0; tick < 50 && !model.visible; ++tick)
            g.window->forward([&] { extras::timerTick(g.game, "Timer2", 0); });
        QVERIFY(model.visible);
        auto* box = qobject_cast<QTextEdit*>(g.widget("RichEdit1"));
        auto holds = [&](const char* button) {
            return box->geometry().contains(g.widget(button)->geometry());
        };
        auto wholeText = [&] {
            return !box->verticalScrollBar()->isVisible() &&
                   box->document()->size().height() <= box->viewport()->height();
        };
        // The altar's question: two lines and the answers, in a box well short of its full size,
        // every line shown and the answers at its lower right corner, clear of the text.
        QVERIFY(box->height() < model.height * zoom * 2 / 3);
        QVERIFY(wholeText());
        QVERIFY(holds("Button2") && holds("Button7"));
        QCOMPARE(box->geometry().bottom() - g.widget("Button7")->geometry().bottom(), 16 * zoom);
        // Its four choices stand inside the box.
        g.window->forward([&] { extras::click(g.game, "Button2"); });
        for (const std::string_view choice : window::names::kChoiceButtons)
            QVERIFY(holds(std::string(choice).c_str()));
        g.window->forward([&] { extras::click(g.game, "Button42"); });
        QVERIFY(!box->isVisible());
        QCOMPARE(box->height(), model.height * zoom); // closed, it is the game's again

        // A long speech in the largest font still shows whole, with its answer inside the box.
        g.window->forward([&] {
            extras::menuCommand(g.game, "&Options/&Font/&Big");
            g.game.explore.dialogKind = explore::Dialog::ScriptedBase + 10;
            window::Window& w = g.game.window.main;
            w.control("RichEdit1").visible = true;
            w.control("RichEdit1").text = std::string(world::catalogueLine(9));
            w.control("Button1").visible = true;
        });
        QVERIFY(wholeText());
        QVERIFY(holds("Button1"));
    }
}

void SkinTest::theHelpShowsTheGamesPicturesAndGrowsWithTheZoom() {
    ShellGame g(2, Start::WithDialogs);
    g.platform.showHelp(std::string(GRAVENHOLD_GAME_DIR) + "/KRN.HLP");
    shell::HelpWindow* help = g.platform.helpWindow();
    QVERIFY(help && help->isVisible());
    // The people of the tower beside their words: the merchant as the map draws him, each game
    // pixel two screen pixels, on the page's ink where the map has the road.
    auto merchant = [&] {
        return help->document()
            ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:18")))
            .value<QImage>();
    };
    QVERIFY(help->toHtml().contains(QStringLiteral("picture:18")));
    QCOMPARE(merchant().size(), QSize(64, 64));
    const render::Picture& tile = *g.game.render.imageList1.find(world::Tile::Merchant - 1);
    QCOMPARE(merchant().pixel(33, 33) & 0xffffff, tile.at(16, 16) & 0xffffff);
    QCOMPARE(merchant().pixel(0, 0), shell::skin::kInk.rgb());
    const QSize large = help->size(); // as large as the screen's free area holds
    QVERIFY(large.width() <= help->screen()->availableSize().width());

    // One zoom smaller: a page no larger, a smaller font and smaller pictures.
    g.window->zoomOut();
    QCOMPARE(g.window->zoom(), 1);
    QVERIFY(help->width() <= large.width() && help->height() <= large.height());
    QCOMPARE(merchant().size(), QSize(32, 32));
    QCOMPARE(help->font().pixelSize(), shell::skin::pixelFont(0, 1).pixelSize());
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
