#include "extras_hooks.h"

#include "extras/damage_map.h"
#include "extras/inputs.h"
#include "io/files.h"
#include "pixels.h"
#include "replay/driver.h"
#include "replay/script_platform.h"
#include "state/game.h"
#include "state/render_state.h"
#include "tkrn10.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <iostream>
#include <variant>

namespace shell {
namespace {

constexpr const char* kReplayTag = " (replay)";
constexpr const char* kReplayEndedTag = " (replay ended)";

// A recording is a text of short lines: ten hours of play stay far below these.
constexpr std::size_t kMaxRecordingBytes = std::size_t{64} << 20;
constexpr qsizetype kMaxLineBytes = 4096;

// The lines of a recording, or why it cannot be one. Only a regular file is read (a named
// pipe or a device in its place is refused at once, as every file the game reads), and
// neither the file nor a line may be longer than any recording.
std::variant<QStringList, QString> readRecording(const QString& file) {
    const auto bytes = io::readBytes(file.toStdString(), kMaxRecordingBytes + 1);
    if (!bytes)
        return QStringLiteral("Cannot read the recording \"%1\".").arg(file);
    if (bytes->size() > kMaxRecordingBytes)
        return QStringLiteral("\"%1\" is too large to be a recording.").arg(file);
    const QByteArray text(reinterpret_cast<const char*>(bytes->data()),
                          static_cast<qsizetype>(bytes->size()));
    QStringList lines;
    for (const QByteArray& line : text.split('\n')) {
        if (line.size() > kMaxLineBytes)
            return QStringLiteral("%1:%2: the line is too long for a recording.")
                .arg(file)
                .arg(lines.size() + 1);
        lines.push_back(QString::fromUtf8(line));
    }
    return lines;
}

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
    auto read = readRecording(file_);
    if (const QString* refusal = std::get_if<QString>(&read)) {
        QMessageBox::warning(&window_, window_.windowTitle(), *refusal);
        return false;
    }
    lines_ = std::get<QStringList>(std::move(read));
    game::Game& game = window_.game();
    playerPlatform_ = &game.platform();
    platform_ = std::make_unique<replay::ScriptPlatform>(silent(), std::cerr);
    driver_ = std::make_unique<replay::Driver>(game, *platform_, silent());
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
            handBack();
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

void ReplayPlayer::handBack() {
    game::Game& game = window_.game();
    game.setPlatform(playerPlatform_);
    game.extras.replaying = false;
    finish(QString());
    window_.forward([&game] { extras::showSwitches(game); });
}

void ReplayPlayer::finish(const QString& title) {
    std::string& caption = window_.game().window.main.caption;
    const auto tag = caption.rfind(kReplayTag);
    if (tag != std::string::npos)
        caption.replace(tag, std::string(kReplayTag).size(), title.toStdString());
    window_.forward([] {});
}

} // namespace shell
