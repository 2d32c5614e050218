#include "tkrn10.h"

#include "extras/inputs.h"
#include "extras_hooks.h"
#include "game/events.h"
#include "pixels.h"
#include "state/game.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <optional>
#include <set>

namespace shell {
namespace {

constexpr QRgb kWindowGrey = 0xc0c0c0;

// The menu entry whose check mark says that the keys steer the hero.
constexpr std::string_view kKeyboardControl = "&Options/&Keyboard Control";

// The main window's background pictures: the game paints them into the screen picture, so
// they get no widget of their own.
const std::set<std::string> kDrawnOnScreen = {"Image1", "Image2", "Image3", "Image23"};

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

// Enter presses the button that has the keyboard focus (the keys go to it) as Space does: a
// dialogue answer, an altar's choice, Use or Don't use, a secondary window's button. Without a
// button in focus Enter stays the game's key (the item cursor). True when a button was pressed.
bool enterPressesFocusedButton(QObject* receiver, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QPushButton*>(receiver);
    if (!button || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

QSize clientSize(const window::Window& model, int zoom) {
    return {model.clientWidth * zoom, model.clientHeight * zoom};
}

} // namespace

ScreenWidget::ScreenWidget(QWidget* parent, game::Game& game, std::string window, int zoom)
    : QWidget(parent), game_(game), window_(std::move(window)), zoom_(zoom) {
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor::fromRgb(kWindowGrey));
    setPalette(grey);
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    const window::Window* model = game_.window.findWindow(window_);
    if (!model)
        return;
    const render::Picture& screen = model->screen;
    QPainter painter(this);
    paintPicture(painter, QRect(0, 0, screen.width * zoom_, screen.height * zoom_), screen);
    if (model == &game_.window.main)
        paintDamageOverlay(painter, game_, zoom_);
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
    const auto cell = fieldCellAt(event->position().toPoint(), zoom_);
    if (cellClicked_ && cell && event->button() == Qt::LeftButton)
        cellClicked_(cell->x(), cell->y());
}

ModelDialog::ModelDialog(TKRN10& owner, const window::Window& model, EventSink& sink)
    : QDialog(&owner), owner_(owner), name_(model.name),
      screen_(new ScreenWidget(this, owner.game(), model.name, owner.zoom())) {
    setObjectName(QString::fromStdString(model.name));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(clientSize(model, owner.zoom()));
    screen_->setGeometry(rect());
    mirror_ = std::make_unique<ControlMirror>(screen_, model, owner.zoom(), sink, name_ + ".");
    sync(model);
}

void ModelDialog::sync(const window::Window& model) {
    const QString caption = QString::fromStdString(model.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    mirror_->sync(model);
    screen_->update();
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
    : game_(game), zoom_(zoom), screen_(new ScreenWidget(this, game, "Main", zoom)) {
    const window::Window& model = game_.window.main;
    setObjectName(QStringLiteral("KRN10"));
    setWindowTitle(QString::fromStdString(model.caption));
    screen_->setFixedSize(clientSize(model, zoom_));
    setCentralWidget(screen_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    EventSink& sink = *this;
    mirror_ = std::make_unique<ControlMirror>(screen_, model, zoom_, sink, "", kDrawnOnScreen);
    screen_->onCellClicked(
        [this](int x, int y) { forward([&] { extras::clickCell(game_, x, y); }); });
    menus_ = std::make_unique<MenuMirror>(menuBar(), this, model, sink);
    for (const window::Timer& t : game_.window.timers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromStdString(t.name));
        connect(timer, &QTimer::timeout, this, [this, name = t.name] {
            forward([&] { extras::timerTick(game_, name, shellClockMs()); });
        });
        timers_[t.name] = timer;
    }
    for (const auto& [name, window] : game_.window.secondary)
        dialogs_[name] = new ModelDialog(*this, window, sink);
    qApp->installEventFilter(this);
    syncAll();
}

TKRN10::~TKRN10() {
    qApp->removeEventFilter(this);
}

void TKRN10::forward(const std::function<void()>& event) {
    if (inEvent_ || quitting_)
        return;
    inEvent_ = true;
    event();
    inEvent_ = false;
    syncAll();
}

void TKRN10::syncAll() {
    const window::Window& model = game_.window.main;
    const QString caption = QString::fromStdString(model.caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    mirror_->sync(model);
    menus_->sync(model);
    screen_->update();
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
    for (auto& [name, dialog] : dialogs_) {
        const window::Window& model = *game_.window.findWindow(name);
        dialog->sync(model);
        if (model.visible && !dialog->isVisible()) {
            // Secondary windows open in the middle of the screen.
            const QScreen* where = screen();
            const QPoint middle = where ? where->availableGeometry().center() : geometry().center();
            dialog->move(middle - dialog->rect().center());
            dialog->show();
        } else if (!model.visible && dialog->isVisible()) {
            dialog->hide();
        }
    }
}

void TKRN10::bringToFront() {
    showNormal();
    raise();
    activateWindow();
}

ModelDialog* TKRN10::dialog(const std::string& window) const {
    const auto it = dialogs_.find(window);
    return it == dialogs_.end() ? nullptr : it->second;
}

QTimer* TKRN10::timer(const std::string& name) const {
    const auto it = timers_.find(name);
    return it == timers_.end() ? nullptr : it->second;
}

void TKRN10::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (started_)
        return;
    started_ = true;
    // The start-up runs once, just after the window first appears, so that its message boxes
    // have a window to stand on.
    QTimer::singleShot(0, this, [this] {
        if (const QScreen* where = screen())
            game_.shell.screenWidth = where->geometry().width() / zoom_;
        forward([this] { game::startUp(game_); });
        move(game_.window.main.left, game_.window.main.top);
    });
}

void TKRN10::closeEvent(QCloseEvent* event) {
    if (!quitting_)
        forward([this] { extras::closeWindow(game_, "Main"); });
    if (quitting_)
        event->accept();
    else
        event->ignore();
}

bool TKRN10::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        enterPressesFocusedButton(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    // Under keyboard control the window sees the keys before its controls do; so does the
    // Ending window, whose Enter ends the slideshow. Other dialogs keep their keys.
    const auto* dialog = dynamic_cast<const ModelDialog*>(QApplication::activeWindow());
    const bool ending = dialog && dialog->name() == "Ending";
    if (event->type() != QEvent::KeyPress || !keyboardControl() ||
        (QApplication::activeWindow() != this && !ending))
        return QMainWindow::eventFilter(watched, event);
    const auto key = gameKey(static_cast<QKeyEvent*>(event)->key());
    if (!key)
        return QMainWindow::eventFilter(watched, event);
    forward([&] { extras::keyDown(game_, *key); });
    return true;
}

bool TKRN10::keyboardControl() const {
    const window::MenuItem* mode = game_.window.main.findMenu(kKeyboardControl);
    return mode && mode->checked;
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
}

void TKRN10::rowChosen(const std::string& control, int row) {
    forward([&] { extras::choose(game_, control, row); });
}

} // namespace shell
