// The window's side of our extras: the clock the recorder counts in, the damage marks
// painted over the play field, the field cell under the mouse, and the playback of a
// recorded game in the window.
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace game {
struct Game;
}
namespace replay {
class Driver;
class ScriptPlatform;
} // namespace replay

namespace shell {

class TKRN10;

// Milliseconds since the program started, from a steady clock.
std::int64_t shellClockMs();

// Paint the damage marks of the map over the play field, at the window's zoom.
void paintDamageOverlay(QPainter& painter, const game::Game& game, int zoom);

// The play-field cell (x, y) under a point of the main window's client area, if any.
std::optional<QPoint> fieldCellAt(QPoint position, int zoom);

// Plays a recorded game in the window: its lines run through the headless driver's commands,
// each tick at its recorded time divided by the speed; the player's input stays closed and
// the title says it is a replay. A line that cannot run ends the playback with a box naming
// the file, the line and why, and hands the game, as it stands, back to the player.
class ReplayPlayer : public QObject {
  public:
    ReplayPlayer(TKRN10& window, const QString& file, int speed);
    ~ReplayPlayer() override;
    // Reads the file and starts; false (after a message box) when it cannot be read.
    bool start();

  private:
    void playDue();
    void finish(const QString& title);
    void handBack();

    TKRN10& window_;
    QString file_;
    int speed_;
    QStringList lines_;
    int next_ = 0;
    std::int64_t startMs_ = 0;
    std::unique_ptr<replay::ScriptPlatform> platform_;
    window::Platform* playerPlatform_ = nullptr;
    std::unique_ptr<replay::Driver> driver_;
};

} // namespace shell
