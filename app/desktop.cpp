#include "desktop.h"

#include <QDir>
#include <QFileInfo>

namespace shell {
namespace {

constexpr int kLargestZoom = 3;
constexpr int kWindowDressing = 64; // menu bar, title bar and frame, in screen pixels

} // namespace

GameLocation locateGame(const QString& programFolder, const QString& installedRelative) {
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(installedRelative));
    if (!installedRelative.isEmpty() && QFileInfo(QDir(installed).filePath("data")).isDir())
        return {installed, true};
    return {QDir::cleanPath(programFolder), false};
}

int chooseZoom(QSize available, QSize client) {
    for (int zoom = kLargestZoom; zoom > 1; --zoom)
        if (client.width() * zoom <= available.width() &&
            client.height() * zoom + kWindowDressing <= available.height())
            return zoom;
    return 1;
}

} // namespace shell
