#include "desktop.h"

#include "io/folders.h"
#include "window_zoom.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace shell {
namespace {

constexpr int kLargestStartZoom = 3;

} // namespace

GameLocation locateGame(const QString& programFolder, const QString& installedRelative) {
    const io::GameFolder found =
        io::locateGameFolder(programFolder.toStdString(), installedRelative.toStdString());
    return {QString::fromStdString(found.folder), found.installed};
}

int chooseZoom(QSize available, QSize client) {
    return std::min(kLargestStartZoom, largestZoom(available, client, kWindowDressing));
}

} // namespace shell
