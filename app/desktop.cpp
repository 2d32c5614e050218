#include "desktop.h"

#include "window_zoom.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace shell {
namespace {

constexpr int kLargestStartZoom = 3;

} // namespace

GameLocation locateGame(const QString& programFolder, const QString& installedRelative) {
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(installedRelative));
    if (!installedRelative.isEmpty() && QFileInfo(QDir(installed).filePath("data")).isDir())
        return {installed, true};
    return {QDir::cleanPath(programFolder), false};
}

int chooseZoom(QSize available, QSize client) {
    return std::min(kLargestStartZoom, largestZoom(available, client, kWindowDressing));
}

} // namespace shell
