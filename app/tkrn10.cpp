#include "tkrn10.h"

#include "desktop.h"
#include "dialogue_face.h"
#include "dialogue_fit.h"
#include "extras/inputs.h"
#include "extras_hooks.h"
#include "game/events.h"
#include "orb_list.h"
#include "pixels.h"
#include "qt_platform.h"
#include "skin.h"
#include "state/game.h"
#include "state/render_state.h"
#include "window/names.h"
#include "window_place.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <iostream>
#include <optional>
#include <set>
#include <stdexcept>

namespace shell {
namespace {

constexpr QRgb kWindowGrey = 0xc0c0c0;

std::set<std::string> nameSet(std::initializer_list<std::string_view> names) {
    std::set<std::string> set;
    for (const std::string_view name : names)
        set.emplace(name);
    return set;
}

// The main window's background pictures: the game paints them into the screen picture, so
// they get no widget of their own.
const std::set<std::string> kDrawnOnScreen = nameSet(
    {window::names::Image1, window::names::Image2, window::names::Image3, window::names::Image23});

// The status fields that stand in wells painted by the side panels.
const std::set<std::string> kOnPlates =
    nameSet({window::names::Memo1, window::names::Memo2, window::names::Memo3, window::names::Memo4,
             window::names::Memo5, window::names::Memo6, window::names::Memo7, window::names::Memo8,
             window::names::Memo9, window::names::Memo10, window::names::Memo11});

// The full-window picture control, and the timer that plays the opening on the screen.
constexpr std::string_view kFullWindowPicture = window::names::Image23;
constexpr std::string_view kOpeningTimer = window::names::Timer4;
constexpr std::string_view kEndingWindow = window::names::Ending;

std::optional<game::Key> gameKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Up:
        return game::Key::Up;
    case Qt::Key_Down:
        return game::Key::Down;
    case Qt::Key_Left:
        return game::Key::Left;
    case Qt::Key_Right:
        return game::Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return game::Key::Enter;
    case Qt::Key_Escape:
        return game::Key::Escape;
    default:
        return std::nullopt;
    }
}

// Enter presses the button that has the keyboard focus as Space does: a dialogue answer, an
// altar's choice, Use or Don't use, a secondary window's button. It is taken wherever the key
// first arrives (under keyboard control the window sees keys before its controls), so it
// works in both control modes. Without a button in focus Enter stays the game's key (the item
// cursor). True when a button was pressed.
bool enterPressesFocusedButton(QWidget* window, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QPushButton*>(window ? window->focusWidget() : nullptr);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// The top-level window an event was sent to: a widget's window, or the widget of a window
// handle (where the desktop's keys arrive first); nullptr for anything else.
QWidget* windowOf(QObject* receiver) {
    if (auto* widget = qobject_cast<QWidget*>(receiver))
        return widget->window();
    if (auto* handle = qobject_cast<QWindow*>(receiver))
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == handle)
                return top;
    return nullptr;
}

QSize clientSize(const window::Window& model, int zoom) {
    return {model.clientWidth * zoom, model.clientHeight * zoom};
}

} // namespace

ScreenWidget::ScreenWidget(QWidget* parent, game::Game& game, std::string window, int zoom)
    : QWidget(parent), game_(game), window_(std::move(window)), zoom_(zoom) {
    // The picture covers the client; the strip below it is filled in paintEvent.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const window::Window* m = model())
        setFixedSize(clientSize(*m, zoom_));
}

const window::Window* ScreenWidget::model() const {
    return game_.window.findWindow(window_);
}

void ScreenWidget::setZoom(int zoom) {
    zoom_ = zoom;
    if (const window::Window* m = model())
        setFixedSize(clientSize(*m, zoom_));
    update();
}

void ScreenWidget::refresh() {
    window::Window* m = game_.window.findWindow(window_);
    if (!m)
        return;
    // The game notes every rectangle it draws on its screen picture: those are repainted,
    // and nothing else is looked at.
    const std::vector<render::Rect> drawn = m->screen.takeDrawn();
    const render::Picture& now = m->screen;
    if (!refreshed_ || now.width != shown_.width || now.height != shown_.height) {
        refreshed_ = true;
        shown_ = now;
        update();
        return;
    }
    // Of what was drawn on, only the pixels that differ from the picture last asked for are
    // painted: the animation redraws whole cells where a figure moves a few pixels, and the
    // hero's cell stays the same.
    QRegion changed = marksChanged();
    for (const render::Rect& r : drawn) {
        const render::Rect part = render::differingPart(shown_, now, r);
        if (part.width == 0)
            continue;
        render::drawRect(shown_, part.x, part.y, now, part);
        changed += QRect(part.x * zoom_, part.y * zoom_, part.width * zoom_, part.height * zoom_);
    }
    if (!changed.isEmpty())
        repaint(changed);
}

// The damage marks lie over the play field outside the screen picture: when they change
// (a fight won, life lost, the orb picked up) the field is repainted even where no game
// pixel changed.
QRegion ScreenWidget::marksChanged() {
    if (model() != &game_.window.main)
        return {};
    std::vector<extras::DamageMark> marks = extras::damageMarks(game_);
    if (marks == marks_)
        return {};
    marks_ = std::move(marks);
    return QRect(render::kFieldLeft * zoom_, render::kFieldTop * zoom_, render::kFieldSide * zoom_,
                 render::kFieldSide * zoom_);
}

void ScreenWidget::paintEvent(QPaintEvent* event) {
    const window::Window* m = model();
    if (!m)
        return;
    const render::Surface& screen = m->screen;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect picture(0, 0, screen.width() * zoom_, screen.height() * zoom_);
    const QImage image = imageOf(screen);
    for (const QRect& dirty : event->region()) {
        // Clipped to one rectangle the painter scales the picture row by row; under the
        // dirty region of many rectangles it would go pixel by pixel.
        painter.setClipRect(dirty);
        // The game pixels under the dirty rectangle, drawn whole so none is cut at the edge.
        const QRect wanted = dirty & picture;
        if (!wanted.isEmpty()) {
            const QRect source(wanted.left() / zoom_, wanted.top() / zoom_,
                               wanted.right() / zoom_ - wanted.left() / zoom_ + 1,
                               wanted.bottom() / zoom_ - wanted.top() / zoom_ + 1);
            painter.drawImage(QRect(source.topLeft() * zoom_, source.size() * zoom_), image,
                              source);
        }
        for (const QRect& rest : QRegion(dirty).subtracted(picture))
            painter.fillRect(rest, QColor::fromRgb(kWindowGrey));
    }
    painter.setClipping(false);
    if (m == &game_.window.main)
        paintDamageOverlay(painter, game_, zoom_);
    if (screen.drawnOn())
        ++picturesPainted_;
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
    const auto cell = fieldCellAt(event->position().toPoint(), zoom_);
    if (cellClicked_ && cell && event->button() == Qt::LeftButton)
        cellClicked_(cell->x(), cell->y());
}

Stage::Stage(QWidget* parent, ScreenWidget* screen) : QWidget(parent), screen_(screen) {
    screen_->setParent(this);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void Stage::centre() {
    screen_->move((width() - screen_->width()) / 2, (height() - screen_->height()) / 2);
}

void Stage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centre();
}

ModelDialog::ModelDialog(TKRN10& owner, const window::Window& model, EventSink& sink)
    : QDialog(&owner), owner_(owner), name_(model.name),
      screen_(new ScreenWidget(this, owner.game(), model.name, owner.zoom())) {
    setObjectName(QString::fromStdString(model.name));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(clientSize(model, owner.zoom()));
    if (model.screen.empty())
        backdrop_ = new StoneBackdrop(screen_, owner.zoom());
    mirror_ = std::make_unique<ControlMirror>(screen_, model, owner.zoom(), sink, name_ + ".");
    sync(model);
}

void ModelDialog::sync(const window::Window& model) {
    const QString caption = QString::fromStdString(model.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    mirror_->sync(model);
    if (model.visible)
        screen_->refresh();
}

void ModelDialog::setZoom(int zoom, const window::Window& model) {
    setFixedSize(clientSize(model, zoom));
    screen_->setZoom(zoom);
    if (backdrop_)
        backdrop_->setZoom(zoom);
    mirror_->setZoom(zoom);
    sync(model);
}

void ModelDialog::closeEvent(QCloseEvent* event) {
    // The game decides: its close handler hides the window in the model, and the sync after
    // the event hides this dialog.
    event->ignore();
    owner_.forward([this] { extras::closeWindow(owner_.game(), name_); });
}

void ModelDialog::reject() {
    close();
}

TKRN10::TKRN10(game::Game& game, int zoom)
    : game_(game), zoomMemory_(shellSettingsFile(QString::fromStdString(game.folders.config))),
      zoom_(zoom), windowZoom_(zoom) {
    const window::Window& model = game_.window.main;
    if (zoom_ <= 0) {
        const QScreen* where = QGuiApplication::primaryScreen();
        zoom_ = startZoom(0, zoomMemory_.load(), where ? where->availableSize() : QSize(),
                          {model.clientWidth, model.clientHeight});
        windowZoom_ = zoom_;
    }
    skin::applyToApplication(zoom_);
    screen_ = new ScreenWidget(this, game, std::string(window::names::Main), zoom_);
    stage_ = new Stage(this, screen_);
    setObjectName(QStringLiteral("KRN10"));
    setWindowTitle(QString::fromStdString(model.caption));
    stage_->setFixedSize(screen_->size());
    setCentralWidget(stage_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    EventSink& sink = *this;
    mirror_ = std::make_unique<ControlMirror>(screen_, model, zoom_, sink, "", kDrawnOnScreen);
    screen_->onCellClicked(
        [this](int x, int y) { forward([&] { extras::clickCell(game_, x, y); }); });
    mirror_->setOnPlates(kOnPlates);
    face_ = new DialogueFace(screen_);
    menus_ = std::make_unique<MenuMirror>(menuBar(), this, model, sink);
    hints_ = std::make_unique<HintSeeker>(*this);
    for (const window::Timer& t : game_.window.timers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromStdString(t.name));
        connect(timer, &QTimer::timeout, this, [this, name = t.name] {
            forward([&] { extras::timerTick(game_, name, shellClockMs()); });
        });
        timers_[t.name] = timer;
    }
    addZoomKeys();
    qApp->installEventFilter(this);
    syncAll();
}

void TKRN10::addZoomKeys() {
    auto key = [this](const QList<QKeySequence>& keys, void (TKRN10::*act)()) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    key({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        &TKRN10::zoomIn);
    key({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &TKRN10::zoomOut);
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, &TKRN10::resetZoom);
    key({QKeySequence(Qt::Key_F11)}, &TKRN10::toggleFullScreen);
}

int TKRN10::largestFittingZoom() const {
    const window::Window& model = game_.window.main;
    const QSize client(model.clientWidth, model.clientHeight);
    const QScreen* where = screen();
    if (!where)
        return zoom_;
    if (isFullScreen())
        return largestZoom(where->geometry().size(), client, menuBar()->sizeHint().height());
    return largestZoom(where->availableSize(), client, kWindowDressing);
}

int TKRN10::defaultZoom() const {
    const window::Window& model = game_.window.main;
    const QScreen* where = screen();
    if (isFullScreen() || !where)
        return largestFittingZoom();
    return chooseZoom(where->availableSize(), {model.clientWidth, model.clientHeight});
}

void TKRN10::zoomIn() {
    applyZoom(std::min(zoom_ + 1, largestFittingZoom()));
}

void TKRN10::zoomOut() {
    applyZoom(zoom_ - 1);
}

void TKRN10::resetZoom() {
    applyZoom(defaultZoom());
}

void TKRN10::toggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
        applyZoom(windowZoom_);
        return;
    }
    // The window's fixed size would hold it at the game's size: let the full screen size it.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    stage_->setMinimumSize(0, 0);
    stage_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
    applyZoom(largestFittingZoom());
}

void TKRN10::applyZoom(int zoom) {
    zoom = std::clamp(zoom, 1, kLargestZoom);
    const bool changed = zoom != zoom_;
    zoom_ = zoom;
    if (changed) {
        skin::applyToApplication(zoom_);
        // Menus made before keep the font they were polished with: give them the new one.
        menuBar()->setFont(QApplication::font());
        for (QMenu* menu : findChildren<QMenu*>())
            menu->setFont(QApplication::font());
        for (HelpWindow* help : findChildren<HelpWindow*>())
            help->setZoom(zoom_);
    }
    screen_->setZoom(zoom_);
    mirror_->setZoom(zoom_);
    for (auto& [name, dialog] : dialogs_)
        dialog->setZoom(zoom_, *game_.window.findWindow(name));
    if (isFullScreen()) {
        stage_->centre();
    } else {
        stage_->setFixedSize(screen_->size());
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        if (changed && zoom_ != windowZoom_)
            zoomMemory_.save(zoom_);
        windowZoom_ = zoom_;
    }
    syncAll();
}

TKRN10::~TKRN10() {
    qApp->removeEventFilter(this);
}

void TKRN10::forward(const std::function<void()>& event) {
    if (inEvent_ || quitting_)
        return;
    inEvent_ = true;
    try {
        event();
    } catch (const std::out_of_range& unknownName) {
        // The game asked its window model for a control, menu entry or timer it does not
        // have: a fault of ours. The event stops where it was; the game goes on.
        std::cerr << "gravenhold: " << unknownName.what() << '\n';
    }
    inEvent_ = false;
    syncAll();
}

bool TKRN10::fullWindowPictureShown() const {
    const window::Control* picture = game_.window.main.find(kFullWindowPicture);
    const window::Timer* opening = game_.window.findTimer(kOpeningTimer);
    return (picture && picture->visible) || (opening && opening->enabled);
}

void TKRN10::syncAll() {
    const window::Window& model = game_.window.main;
    if (model.caption != caption_) {
        caption_ = model.caption;
        setWindowTitle(QString::fromStdString(caption_));
    }
    const render::Surface& picture = model.screen;
    mirror_->setCover(fullWindowPictureShown()
                          ? std::optional(QRect(0, 0, picture.width(), picture.height()))
                          : std::nullopt);
    std::map<std::string, ControlMirror::Accent> accents;
    addForecastColours(game_, accents);
    face_->sync(game_, zoom_, accents);
    mirror_->setAccents(std::move(accents));
    mirror_->sync(model);
    fitDialogueBox(game_, *mirror_, zoom_, !face_->isHidden());
    menus_->sync(model);
    screen_->refresh();
    syncTimers();
    syncDialogs();
    if (game_.shell.quitRequested && !quitting_) {
        quitting_ = true;
        for (auto& [name, dialog] : dialogs_)
            dialog->hide();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void TKRN10::syncTimers() {
    for (const window::Timer& t : game_.window.timers) {
        QTimer* timer = timers_.at(t.name);
        if (timer->interval() != t.intervalMs)
            timer->setInterval(t.intervalMs);
        if (t.enabled && !timer->isActive())
            timer->start();
        else if (!t.enabled && timer->isActive())
            timer->stop();
    }
}

void TKRN10::syncDialogs() {
    for (const auto& [name, model] : game_.window.secondary) {
        // A dialog's widgets are made the first time it opens: most never do in a session.
        const auto made = dialogs_.find(name);
        if (made == dialogs_.end() && !model.visible)
            continue;
        ModelDialog* dialog = made == dialogs_.end() ? this->dialog(name) : made->second;
        dialog->sync(model);
        if (model.visible && !dialog->isVisible()) {
            place(name, *dialog);
            dialog->show();
            dialog->sync(model); // the focus goes where the model puts it once it shows
        } else if (!model.visible && dialog->isVisible()) {
            dialog->hide();
        }
    }
}

void TKRN10::place(const std::string& name, QWidget& dialog) const {
    // The Ending window lies exactly over the game's picture (in the full screen too).
    if (name == kEndingWindow) {
        dialog.move(screen_->mapToGlobal(QPoint(0, 0)));
        return;
    }
    // The other secondary windows open centred on the game's window, inside the screen.
    placeCentredOn(dialog, *this);
}

void TKRN10::bringToFront() {
    showNormal();
    raise();
    activateWindow();
}

ModelDialog* TKRN10::dialog(const std::string& window) {
    if (const auto it = dialogs_.find(window); it != dialogs_.end())
        return it->second;
    const auto model = game_.window.secondary.find(window);
    if (model == game_.window.secondary.end())
        return nullptr;
    EventSink& sink = *this;
    auto* made = new ModelDialog(*this, model->second, sink);
    if (window == kEndingWindow)
        made->setWindowFlag(Qt::FramelessWindowHint); // the slideshow has no border
    return dialogs_[window] = made;
}

QTimer* TKRN10::timer(const std::string& name) const {
    const auto it = timers_.find(name);
    return it == timers_.end() ? nullptr : it->second;
}

void TKRN10::start() {
    if (!started_) {
        started_ = true;
        if (const QScreen* where = screen())
            game_.shell.screenWidth = where->geometry().width() / zoom_;
        forward([this] { game::startUp(game_); });
    }
    show();
    // The frame, title bar included, at the top-left corner of the screen's free area.
    if (const QScreen* where = screen())
        placeFrame(*this, where->availableGeometry().topLeft());
}

void TKRN10::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window shown without start(): the start-up runs just after it first appears.
    if (!started_)
        QTimer::singleShot(0, this, [this] { start(); });
}

void TKRN10::closeEvent(QCloseEvent* event) {
    if (!quitting_)
        forward([this] { extras::closeWindow(game_, window::names::Main); });
    if (quitting_)
        event->accept();
    else
        event->ignore();
}

bool TKRN10::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    QWidget* window = windowOf(watched);
    if (enterPressesFocusedButton(window, *static_cast<QKeyEvent*>(event)))
        return true;
    // Under keyboard control the window sees the keys before its controls do; so does the
    // Ending window, whose Enter ends the slideshow. Other windows keep their keys.
    const auto* dialog = dynamic_cast<const ModelDialog*>(window);
    const bool ending = dialog && dialog->name() == window::names::Ending;
    if (!keyboardControl() || (window != this && !ending))
        return QMainWindow::eventFilter(watched, event);
    const auto key = gameKey(static_cast<QKeyEvent*>(event)->key());
    if (!key)
        return QMainWindow::eventFilter(watched, event);
    forward([&] { extras::keyDown(game_, *key); });
    return true;
}

bool TKRN10::keyboardControl() const {
    return game_.options.keyboard();
}

void TKRN10::clicked(const std::string& control) {
    forward([&] { extras::click(game_, control); });
}

void TKRN10::pressed(const std::string& control) {
    forward([&] { extras::press(game_, control); });
}

void TKRN10::released(const std::string& control) {
    forward([&] { extras::release(game_, control); });
}

void TKRN10::menuChosen(const std::string& path) {
    forward([&] { extras::menuCommand(game_, path); });
    hints_->startIfWanted();
}

void TKRN10::rowChosen(const std::string& control, int row) {
    forward([&] { extras::choose(game_, control, row); });
}

} // namespace shell
