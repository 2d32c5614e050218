// TKRN10: the game's main window. It holds no game logic: it builds real widgets, menus and
// timers from the game's window model, forwards every key, click, menu command and timer tick
// to the game, and mirrors what changed after each of them.
#pragma once

#include "control_mirror.h"
#include "event_sink.h"
#include "extras/damage_map.h"
#include "hint.h"
#include "menu_mirror.h"
#include "widgets.h"
#include "window_zoom.h"

#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace game {
struct Game;
}

namespace shell {

class TKRN10;
class DialogueFace;

// The client area of a window: its screen picture at integer zoom over the window's grey.
// Only what the game drew on since it was last painted is painted again.
class ScreenWidget : public QWidget {
  public:
    ScreenWidget(QWidget* parent, game::Game& game, std::string window, int zoom);

    // A left click on a cell of the play field (the main window's only).
    void onCellClicked(std::function<void(int, int)> handler) { cellClicked_ = std::move(handler); }

    // Draw every game pixel zoom x zoom screen pixels; the widget takes the client's size.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }

    // Ask for a repaint of the parts of the screen picture that the game drew on since the last
    // call.
    void refresh();

    // How many times a picture of the game has been painted: paints of the window's grey
    // before the game first drew on its screen picture do not count.
    int picturesPainted() const { return picturesPainted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const window::Window* model() const;
    QRegion marksChanged();

    game::Game& game_;
    std::string window_;
    int zoom_;
    std::function<void(int, int)> cellClicked_;
    render::Picture shown_; // the screen picture as last asked to be painted
    bool refreshed_ = false;
    int picturesPainted_ = 0;
    std::vector<extras::DamageMark> marks_; // the damage marks as last painted
};

// The main window's client: black, with the game's client centred in it (in the full screen the
// game's picture stands in the middle with black around it).
class Stage : public QWidget {
  public:
    Stage(QWidget* parent, ScreenWidget* screen);
    void centre();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ScreenWidget* screen_;
};

// A secondary window of the model (About box, Ranking, Ending, Change Data Folder), shown as a
// modal dialog while the model says it is visible.
class ModelDialog : public QDialog {
  public:
    ModelDialog(TKRN10& owner, const window::Window& model, EventSink& sink);
    void sync(const window::Window& model);
    void setZoom(int zoom, const window::Window& model);
    ControlMirror& mirror() { return *mirror_; }
    const std::string& name() const { return name_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape: the window's close command

  private:
    TKRN10& owner_;
    std::string name_;
    ScreenWidget* screen_;
    StoneBackdrop* backdrop_ = nullptr; // under the controls of a window without a picture
    std::unique_ptr<ControlMirror> mirror_;
};

class TKRN10 : public QMainWindow, private EventSink {
  public:
    // zoom 0: the zoom remembered from the last run when it fits the screen, else the largest
    // of 1, 2 and 3 that fits.
    TKRN10(game::Game& game, int zoom);
    ~TKRN10() override;

    // Run the game's start-up and then show the window, so that its first frame is already
    // the game's picture. Showing the window without it runs the start-up just after.
    void start();

    // Run one event of the game, then bring every widget, menu, timer and window up to date.
    // An event that arrives while another is still running (from a dialog it opened) is
    // dropped, as the game handles one event at a time. A name the window model does not know
    // (std::out_of_range) ends the event with a line on standard error; the game goes on.
    void forward(const std::function<void()>& event);

    // Bring the window to the front (a second copy of the game asked for it).
    void bringToFront();

    int zoom() const { return zoom_; }
    // The zoom keys: Ctrl+Plus, Ctrl+Minus, Ctrl+0 (the zoom for this screen) and F11.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void toggleFullScreen();
    ScreenWidget& screenWidget() { return *screen_; }
    game::Game& game() { return game_; }
    ControlMirror& mirror() { return *mirror_; }
    MenuMirror& menus() { return *menus_; }
    // The dialog of a secondary window, made on first use; nullptr for an unknown window.
    ModelDialog* dialog(const std::string& window);
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
    void addZoomKeys();
    // Draw the game at this zoom (kept within what the screen or full screen holds).
    void applyZoom(int zoom);
    int largestFittingZoom() const;
    int defaultZoom() const;
    // While a picture covers the whole game screen (the opening, the capture, the prison, the
    // ending) the controls over it stay out of sight.
    bool fullWindowPictureShown() const;
    void syncAll();
    void syncTimers();
    void syncDialogs();
    // Put a secondary window where it opens on the screen.
    void place(const std::string& name, QWidget& dialog) const;

    game::Game& game_;
    ZoomMemory zoomMemory_;
    int zoom_;
    int windowZoom_; // the zoom of the window when not in the full screen
    ScreenWidget* screen_;
    Stage* stage_;
    std::unique_ptr<ControlMirror> mirror_;
    DialogueFace* face_ = nullptr;
    std::unique_ptr<MenuMirror> menus_;
    std::unique_ptr<HintSeeker> hints_;
    std::map<std::string, QTimer*> timers_;
    std::map<std::string, ModelDialog*> dialogs_;
    std::string caption_; // the window title as last set from the model
    bool started_ = false;
    bool inEvent_ = false;
    bool quitting_ = false;
};

} // namespace shell
