#include "extras_hooks.h"

#include "driver.h"
#include "extras/damage_map.h"
#include "extras/inputs.h"
#include "pixels.h"
#include "script_platform.h"
#include "state/game.h"
#include "state/render_state.h"
#include "tkrn10.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

namespace shell {
namespace {

constexpr const char* kReplayTag = " (replay)";
constexpr const char* kReplayEndedTag = " (replay ended)";

// Where the driver's printing goes during a playback in the window: nowhere (a stream
// without a buffer drops what it is given).
std::ostream& silent() {
    static std::ostream nowhere(nullptr);
    return nowhere;
}

} // namespace

std::int64_t shellClockMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer c;
        c.start();
        return c;
    }();
    return clock.elapsed();
}

void paintDamageOverlay(QPainter& painter, const game::Game& game, int zoom) {
    for (const extras::OverlayPiece& p : extras::damageOverlay(game)) {
        paintPicture(painter,
                     QRect(p.x * zoom, p.y * zoom, p.picture.width * zoom, p.picture.height * zoom),
                     p.picture);
    }
}

std::optional<QPoint> fieldCellAt(QPoint position, int zoom) {
    const int x = position.x() / zoom - render::kFieldLeft;
    const int y = position.y() / zoom - render::kFieldTop;
    if (x < 0 || y < 0 || x >= render::kFieldSide || y >= render::kFieldSide)
        return std::nullopt;
    return QPoint(x / render::kCellSide, y / render::kCellSide);
}

ReplayPlayer::ReplayPlayer(TKRN10& window, const QString& file, int speed)
    : QObject(&window), window_(window), file_(file), speed_(speed) {}

ReplayPlayer::~ReplayPlayer() = default;

bool ReplayPlayer::start() {
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QMessageBox::warning(&window_, window_.windowTitle(),
                             QStringLiteral("Cannot read the recording \"%1\".").arg(file_));
        return false;
    }
    lines_ = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    game::Game& game = window_.game();
    platform_ = std::make_unique<cli::ScriptPlatform>(silent(), std::cerr);
    driver_ = std::make_unique<cli::Driver>(game, *platform_, silent());
    driver_->setScriptFolder(QFileInfo(file_).absolutePath().toStdString());
    // The answers to boxes and questions come from the recording, never from the player.
    game.setPlatform(platform_.get());
    game.extras.replaying = true;
    game.window.main.caption += kReplayTag;
    startMs_ = shellClockMs();
    QTimer::singleShot(0, this, [this] { playDue(); });
    return true;
}

void ReplayPlayer::playDue() {
    while (next_ < lines_.size()) {
        const QString line = lines_.at(next_);
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() == 3 && words.at(0) == QLatin1String("tick")) {
            const std::int64_t due = words.at(1).toLongLong() / speed_;
            const std::int64_t now = shellClockMs() - startMs_;
            if (due > now) {
                QTimer::singleShot(static_cast<int>(due - now), this, [this] { playDue(); });
                return;
            }
        }
        std::optional<std::string> error;
        window_.forward([&] { error = driver_->execute(line.toStdString()); });
        ++next_;
        if (error) {
            finish(kReplayEndedTag);
            QMessageBox::warning(&window_, window_.windowTitle(),
                                 QStringLiteral("%1:%2: %3")
                                     .arg(file_)
                                     .arg(next_)
                                     .arg(QString::fromStdString(*error)));
            return;
        }
    }
    finish(kReplayEndedTag);
}

void ReplayPlayer::finish(const QString& title) {
    std::string& caption = window_.game().window.main.caption;
    const auto tag = caption.rfind(kReplayTag);
    if (tag != std::string::npos)
        caption.replace(tag, std::string(kReplayTag).size(), title.toStdString());
    window_.forward([] {});
}

} // namespace shell
