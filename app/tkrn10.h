// TKRN10: the game's main window. It holds no game logic: it builds real widgets, menus and
// timers from the game's window model, forwards every key, click, menu command and timer tick
// to the game, and mirrors what changed after each of them.
#pragma once

#include "control_mirror.h"
#include "event_sink.h"
#include "menu_mirror.h"

#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace game {
struct Game;
}

namespace shell {

class TKRN10;

// The client area of a window: its screen picture at integer zoom over the window's grey.
class ScreenWidget : public QWidget {
  public:
    ScreenWidget(QWidget* parent, game::Game& game, std::string window, int zoom);

    // A left click on a cell of the play field (the main window's only).
    void onCellClicked(std::function<void(int, int)> handler) { cellClicked_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    game::Game& game_;
    std::string window_;
    int zoom_;
    std::function<void(int, int)> cellClicked_;
};

// A secondary window of the model (About box, Ranking, Ending, Change Data Folder), shown as a
// modal dialog while the model says it is visible.
class ModelDialog : public QDialog {
  public:
    ModelDialog(TKRN10& owner, const window::Window& model, EventSink& sink);
    void sync(const window::Window& model);
    ControlMirror& mirror() { return *mirror_; }
    const std::string& name() const { return name_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape: the window's close command

  private:
    TKRN10& owner_;
    std::string name_;
    ScreenWidget* screen_;
    std::unique_ptr<ControlMirror> mirror_;
};

class TKRN10 : public QMainWindow, private EventSink {
  public:
    TKRN10(game::Game& game, int zoom);
    ~TKRN10() override;

    // Run one event of the game, then bring every widget, menu, timer and window up to date.
    // An event that arrives while another is still running (from a dialog it opened) is
    // dropped, as the game handles one event at a time.
    void forward(const std::function<void()>& event);

    // Bring the window to the front (a second copy of the game asked for it).
    void bringToFront();

    int zoom() const { return zoom_; }
    game::Game& game() { return game_; }
    ControlMirror& mirror() { return *mirror_; }
    MenuMirror& menus() { return *menus_; }
    ModelDialog* dialog(const std::string& window) const;
    QTimer* timer(const std::string& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void clicked(const std::string& control) override;
    void pressed(const std::string& control) override;
    void released(const std::string& control) override;
    void menuChosen(const std::string& path) override;
    void rowChosen(const std::string& control, int row) override;

    bool keyboardControl() const;
    void syncAll();
    void syncTimers();
    void syncDialogs();

    game::Game& game_;
    int zoom_;
    ScreenWidget* screen_;
    std::unique_ptr<ControlMirror> mirror_;
    std::unique_ptr<MenuMirror> menus_;
    std::map<std::string, QTimer*> timers_;
    std::map<std::string, ModelDialog*> dialogs_;
    bool started_ = false;
    bool inEvent_ = false;
    bool quitting_ = false;
};

} // namespace shell
